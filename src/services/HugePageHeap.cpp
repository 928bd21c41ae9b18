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

namespace {

// Puts GLIBC_TUNABLES back as it was before the restart: the C library has
// read it at start, and children must not inherit it.
void RestoreUserTunables(const char* saved) {
  if (saved[0] == '=') {
    ::setenv("GLIBC_TUNABLES", saved + 1, 1);
  } else {
    ::unsetenv("GLIBC_TUNABLES");
  }
  ::unsetenv(HugePageHeap::SavedVariable);
}

}  // namespace

void HugePageHeap::restartWithHugePages(char** argv) {
#if defined(__linux__) && defined(__GLIBC__)
  // The restarted process: the heap is set up; the environment goes back.
  if (const char* saved = std::getenv(SavedVariable)) {
    const std::string before = saved;
    RestoreUserTunables(before.c_str());
    return;
  }
  const char* current = std::getenv("GLIBC_TUNABLES");
  char buffer[1024];
  const char* value = tunables(current, buffer, sizeof buffer);
  if (*value == '\0' || !KernelGivesHugePages()) return;
  const std::string before = current != nullptr ? "=" + std::string(current) : std::string();
  if (::setenv(SavedVariable, before.c_str(), 1) != 0) return;
  if (::setenv("GLIBC_TUNABLES", value, 1) != 0) {
    ::unsetenv(SavedVariable);
    return;
  }
  ::execv("/proc/self/exe", argv);
  // The program goes on as it is when it cannot start again (no second
  // attempt is made: this runs once per process).
  RestoreUserTunables(before.c_str());
#else
  (void)argv;
#endif
}

}  // namespace velmora
