// Child processes for the tests of what several programs do to one folder:
// each child runs a piece of the test and ends with _exit, so that nothing
// of the parent (temporary folders, test results) is torn down twice.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <vector>

namespace velmora::test {

// How a child ended: its exit status, or 128 + the signal that ended it.
inline int ChildStatus(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

// Runs body(i) for i = 0 .. count-1, each in a child process of its own;
// all of them wait at a gate that opens once every child exists, so that
// they really run at the same time. Returns each child's ChildStatus; an
// exception in a child gives 99.
inline std::vector<int> RunTogether(int count, const std::function<int(int)>& body) {
  int gate[2];
  if (::pipe(gate) != 0) return std::vector<int>(static_cast<std::size_t>(count), -1);
  std::vector<pid_t> children;
  for (int i = 0; i < count; ++i) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(gate[1]);
      char c = 0;
      // Returns (with nothing read) when the parent closes its end.
      while (::read(gate[0], &c, 1) < 0) {
      }
      int status = 99;
      try {
        status = body(i);
      } catch (...) {
      }
      ::_exit(status);
    }
    children.push_back(pid);
  }
  ::close(gate[0]);
  ::close(gate[1]);
  std::vector<int> statuses;
  for (pid_t pid : children) statuses.push_back(pid > 0 ? ChildStatus(pid) : -1);
  return statuses;
}

// Runs body() in one child process and returns its ChildStatus.
inline int RunInChild(const std::function<int()>& body) {
  return RunTogether(1, [&](int) { return body(); }).front();
}

// Lowers the limit on the size of the files this process writes while the
// object lives: a write past it fails as on a full disk (EFBIG). With
// `crash`, the write ends the process instead (SIGXFSZ, no core file), as a
// power cut in the middle of the write would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes, bool crash = false) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    if (crash) {
      rlimit core{0, 0};
      ::setrlimit(RLIMIT_CORE, &core);
    }
    oldHandler_ = ::signal(SIGXFSZ, crash ? SIG_DFL : SIG_IGN);
    rlimit lower = old_;
    lower.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lower);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  sighandler_t oldHandler_ = SIG_DFL;
};

}  // namespace velmora::test
