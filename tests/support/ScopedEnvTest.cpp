// A variable a test sets for itself is put back when the test ends, also
// when it fails half-way, so that no later test runs with another HOME.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "ScopedEnv.h"

namespace {

constexpr const char* kName = "VELMORA_SCOPED_ENV_PROBE";

std::optional<std::string> Value() {
  const char* value = std::getenv(kName);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

void FailWithHome(const char* home) {
  const velmora::test::ScopedEnv scoped(kName, std::string(home));
  ASSERT_EQ(Value(), std::optional<std::string>(home));
  FAIL() << "the test fails with the variable set";
}

TEST(ScopedEnv, PutsBackTheValueOrItsAbsenceAlsoWhenTheTestFails) {
  ::unsetenv(kName);
  {
    const velmora::test::ScopedEnv scoped(kName, std::string("/tmp/a"));
    EXPECT_EQ(Value(), std::optional<std::string>("/tmp/a"));
  }
  EXPECT_EQ(Value(), std::nullopt);

  ::setenv(kName, "/home/chemist", 1);
  {
    const velmora::test::ScopedEnv removed(kName, std::nullopt);
    EXPECT_EQ(Value(), std::nullopt);
  }
  EXPECT_EQ(Value(), std::optional<std::string>("/home/chemist"));

  EXPECT_FATAL_FAILURE(FailWithHome("/tmp/b"), "the test fails with the variable set");
  EXPECT_EQ(Value(), std::optional<std::string>("/home/chemist"));
  ::unsetenv(kName);
}

}  // namespace
