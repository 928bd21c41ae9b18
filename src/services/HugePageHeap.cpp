#include "HugePageHeap.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace velmora {

namespace {

constexpr const char* Tunable = "glibc.malloc.hugetlb=1";

// "always [madvise] never": huge pages are given on request unless "never"
// is chosen.
bool KernelGivesHugePages() {
  std::ifstream in("/sys/kernel/mm/transparent_hugepage/enabled");
  std::string line;
  if (!std::getline(in, line)) return false;
  return line.find("[never]") == std::string::npos;
}

}  // namespace

const char* HugePageHeap::tunables(const char* current, char* buffer, unsigned size) {
  if (current != nullptr && std::strstr(current, "glibc.malloc.hugetlb") != nullptr) return "";
  const std::size_t have = current != nullptr ? std::strlen(current) : 0;
  const std::size_t need = have + (have > 0 ? 1 : 0) + std::strlen(Tunable) + 1;
  if (need > size) return "";
  buffer[0] = '\0';
  if (have > 0) {
    std::strcat(buffer, current);
    std::strcat(buffer, ":");
  }
  std::strcat(buffer, Tunable);
  return buffer;
}

void HugePageHeap::restartWithHugePages(char** argv) {
#if defined(__linux__) && defined(__GLIBC__)
  char buffer[1024];
  const char* value = tunables(std::getenv("GLIBC_TUNABLES"), buffer, sizeof buffer);
  if (*value == '\0' || !KernelGivesHugePages()) return;
  if (::setenv("GLIBC_TUNABLES", value, 1) != 0) return;
  ::execv("/proc/self/exe", argv);
  // The program goes on as it is when it cannot start again; the tunable
  // stays set so that a second attempt is never made.
#else
  (void)argv;
#endif
}

}  // namespace velmora
