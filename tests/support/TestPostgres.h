#pragma once

#include <string>

#include "ArchiveAddress.h"
#include "MissingFacility.h"

namespace velmora::test {

// A database of its own on the PostgreSQL server that scripts/test starts
// (VELMORA_TEST_PG_URL names it, libpq's URI form), created for one test
// and dropped afterwards.
class TestPostgres {
 public:
  // The server's address; empty when the variable is not set.
  static std::string ServerUrl();

  // Throws std::runtime_error when the database cannot be created.
  TestPostgres();
  ~TestPostgres();
  TestPostgres(const TestPostgres&) = delete;
  TestPostgres& operator=(const TestPostgres&) = delete;

  const ArchiveAddress& address() const { return address_; }
  // The address as a --db value (the test server needs no password).
  std::string url() const { return address_.Display(); }
  // Runs one statement on the server's maintenance database.
  static void Admin(const std::string& sql);

 private:
  ArchiveAddress address_;
};

}  // namespace velmora::test

// In a fixture's SetUp or a test: skips the test without a server, or fails
// it where the run provides one (VELMORA_REQUIRE_FACILITIES).
#define VELMORA_NEED_POSTGRES()                                                              \
  do {                                                                                       \
    if (::velmora::test::TestPostgres::ServerUrl().empty())                                  \
      VELMORA_MISSING_FACILITY() << "no PostgreSQL server (VELMORA_TEST_PG_URL is not set)"; \
  } while (false)
