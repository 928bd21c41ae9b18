// A program that starts as the workstation does (restarting itself with
// huge pages) and then runs a child: it prints whether it was restarted with
// the tunable and what the child finds in GLIBC_TUNABLES.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "HugePageHeap.h"

int main(int, char* argv[]) {
  velmora::HugePageHeap::restartWithHugePages(argv);
  // The environment this process was started with.
  std::ifstream environ("/proc/self/environ", std::ios::binary);
  const std::string start((std::istreambuf_iterator<char>(environ)), std::istreambuf_iterator<char>());
  std::printf("restarted=%s\n", start.find("glibc.malloc.hugetlb=1") != std::string::npos ? "yes" : "no");
  std::fflush(stdout);
  // A child, as power-off or an opened installer would be.
  const pid_t child = ::fork();
  if (child == 0) {
    ::execl("/bin/sh", "sh", "-c", "printf 'child=%s\\n' \"${GLIBC_TUNABLES-<unset>}\"", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
