// A test that needs a pseudo-terminal, a locale or a program skips where the
// machine lacks it, and fails where the run promises it.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "MissingFacility.h"

namespace {

bool reachedPastTheCheck = false;

void NeedsAPseudoTerminal() {
  reachedPastTheCheck = false;
  VELMORA_MISSING_FACILITY() << "no pseudo-terminal: out of devices";
  reachedPastTheCheck = true;
}

// VELMORA_REQUIRE_FACILITIES set to a value (or unset) for one scope.
class Requirement {
 public:
  explicit Requirement(const char* value) {
    if (const char* old = std::getenv(kName)) old_ = old;
    if (value)
      setenv(kName, value, 1);
    else
      unsetenv(kName);
  }
  ~Requirement() {
    if (old_)
      setenv(kName, old_->c_str(), 1);
    else
      unsetenv(kName);
  }

 private:
  static constexpr const char* kName = "VELMORA_REQUIRE_FACILITIES";
  std::optional<std::string> old_;
};

::testing::TestPartResult Outcome() {
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    NeedsAPseudoTerminal();
  }
  EXPECT_EQ(results.size(), 1);
  EXPECT_FALSE(reachedPastTheCheck);
  return results.GetTestPartResult(0);
}

}  // namespace

TEST(MissingFacility, SkipsWhereTheRunDoesNotPromiseIt) {
  for (const char* value : {static_cast<const char*>(nullptr), "", "0"}) {
    Requirement requirement(value);
    const auto outcome = Outcome();
    EXPECT_TRUE(outcome.skipped()) << (value ? value : "(unset)");
    EXPECT_FALSE(outcome.failed());
    EXPECT_NE(std::string(outcome.message()).find("out of devices"), std::string::npos) << outcome.message();
  }
}

TEST(MissingFacility, FailsWhereTheRunPromisesIt) {
  Requirement requirement("1");
  const auto outcome = Outcome();
  EXPECT_TRUE(outcome.fatally_failed());
  EXPECT_FALSE(outcome.skipped());
  EXPECT_NE(std::string(outcome.message()).find("out of devices"), std::string::npos) << outcome.message();
  EXPECT_NE(std::string(outcome.message()).find("VELMORA_REQUIRE_FACILITIES"), std::string::npos);
}
