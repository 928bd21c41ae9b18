#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

namespace velmora::test {

// Some tests need something of the machine: a pseudo-terminal, a locale with
// a decimal comma, the unzip program, a PostgreSQL server (TestPostgres.h).
// On a machine without it they skip, but where the run provides it
// (scripts/test sets VELMORA_REQUIRE_FACILITIES=1) a missing one is a fault
// and fails the test, so that a broken pseudo-terminal path cannot pass as
// a skip.
inline bool FacilitiesRequired() {
  const char* value = std::getenv("VELMORA_REQUIRE_FACILITIES");
  return value != nullptr && *value != '\0' && std::string_view(value) != "0";
}

inline ::testing::TestPartResult::Type MissingFacilityOutcome() {
  return FacilitiesRequired() ? ::testing::TestPartResult::kFatalFailure : ::testing::TestPartResult::kSkip;
}

inline const char* MissingFacilityHeading() {
  return FacilitiesRequired() ? "Missing facility (VELMORA_REQUIRE_FACILITIES is set)" : "Skipped: missing facility";
}

}  // namespace velmora::test

// Ends the current test (or SetUp) because something it needs is missing:
// a skip, or a fatal failure under VELMORA_REQUIRE_FACILITIES. Stream the
// reason into it as into GTEST_SKIP():
//   if (!host.start(link, error)) VELMORA_MISSING_FACILITY() << error;
#define VELMORA_MISSING_FACILITY()                                                        \
  return GTEST_MESSAGE_AT_(__FILE__, __LINE__, ::velmora::test::MissingFacilityHeading(), \
                           ::velmora::test::MissingFacilityOutcome())
