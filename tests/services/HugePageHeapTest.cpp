#include <gtest/gtest.h>

#include <string>

#include "HugePageHeap.h"

using velmora::HugePageHeap;

// The tunable is added once, beside what the user set, and never twice: a
// second start must not loop.
TEST(HugePageHeap, AddsTheTunableOnceBesideTheUsersOwn) {
  char buffer[128];
  EXPECT_EQ(std::string(HugePageHeap::tunables(nullptr, buffer, sizeof buffer)), "glibc.malloc.hugetlb=1");
  EXPECT_EQ(std::string(HugePageHeap::tunables("", buffer, sizeof buffer)), "glibc.malloc.hugetlb=1");
  EXPECT_EQ(std::string(HugePageHeap::tunables("glibc.malloc.check=3", buffer, sizeof buffer)),
            "glibc.malloc.check=3:glibc.malloc.hugetlb=1");
  EXPECT_EQ(std::string(HugePageHeap::tunables("glibc.malloc.hugetlb=0", buffer, sizeof buffer)), "");
  EXPECT_EQ(std::string(HugePageHeap::tunables("a:glibc.malloc.hugetlb=1", buffer, sizeof buffer)), "");
  // A value that does not fit leaves the environment alone.
  const std::string longValue(200, 'x');
  EXPECT_EQ(std::string(HugePageHeap::tunables(longValue.c_str(), buffer, sizeof buffer)), "");
}
