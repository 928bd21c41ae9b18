#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "HugePageHeap.h"
#include "ScopedEnv.h"

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

namespace {

bool KernelGivesHugePages() {
  std::ifstream in("/sys/kernel/mm/transparent_hugepage/enabled");
  std::string line;
  return std::getline(in, line) && line.find("[never]") == std::string::npos;
}

// The probe's report: "restarted=yes|no" and "child=<GLIBC_TUNABLES>".
std::string RunProbe(const std::optional<std::string>& userTunables) {
  velmora::test::ScopedEnv tunables("GLIBC_TUNABLES", userTunables);
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(VELMORA_TUNABLES_PROBE, "r"), pclose);
  std::string out;
  if (!pipe) return out;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe.get()) != nullptr) out += buffer;
  return out;
}

}  // namespace

// The restart for huge pages is the program's own business: whatever it
// starts (power-off, an installer, a workbook's application) inherits the
// environment the user gave it.
TEST(HugePageHeap, ChildrenInheritTheUsersOwnTunables) {
  const std::string restarted = KernelGivesHugePages() ? "restarted=yes\n" : "restarted=no\n";
  EXPECT_EQ(RunProbe(std::nullopt), restarted + "child=<unset>\n");
  EXPECT_EQ(RunProbe("glibc.malloc.check=3"), restarted + "child=glibc.malloc.check=3\n");
  EXPECT_EQ(RunProbe(""), restarted + "child=\n");
  // A user who chose the tunable keeps it, and nothing restarts.
  EXPECT_EQ(RunProbe("glibc.malloc.hugetlb=0"), "restarted=no\nchild=glibc.malloc.hugetlb=0\n");
}
