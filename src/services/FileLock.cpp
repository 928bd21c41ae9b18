#include "FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {

// Tries once; true when the lock is taken, false when another holder has
// it. Other errors are thrown.
bool TryFlock(int fd, const std::filesystem::path& lockFile) {
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno == EWOULDBLOCK) return false;
    throw EFormatError(Message(msg::CannotCreateFile, {lockFile.string(), std::strerror(errno)}));
  }
  return true;
}

}  // namespace

int FileLock::Open(const std::filesystem::path& lockFile) {
  // Never through a link someone planted in a shared folder.
  const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0) throw EFormatError(Message(msg::CannotCreateFile, {lockFile.string(), std::strerror(errno)}));
  return fd;
}

FileLock::FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds wait) : fd_(Open(lockFile)) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + wait;
  // A holder keeps the lock for one short write: poll with a pause that
  // grows from a millisecond to a twentieth of a second.
  std::chrono::milliseconds pause{1};
  try {
    while (!TryFlock(fd_, lockFile)) {
      if (Clock::now() >= deadline)
        throw EFormatError(Message(msg::FolderBusy, {lockFile.parent_path().string(), lockFile.string()}));
      std::this_thread::sleep_for(pause);
      pause = std::min(pause * 2, std::chrono::milliseconds{50});
    }
  } catch (...) {
    ::close(fd_);
    fd_ = -1;
    throw;
  }
}

std::optional<FileLock> FileLock::TryLock(const std::filesystem::path& lockFile) {
  FileLock lock;
  lock.fd_ = Open(lockFile);
  try {
    if (!TryFlock(lock.fd_, lockFile)) return std::nullopt;
  } catch (...) {
    lock.Release();
    throw;
  }
  return lock;
}

FileLock::FileLock(FileLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

FileLock::~FileLock() { Release(); }

void FileLock::Release() {
  if (fd_ < 0) return;
  // Closing the file releases the lock.
  ::close(fd_);
  fd_ = -1;
}

}  // namespace velmora
