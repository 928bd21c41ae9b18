#pragma once

#include <chrono>
#include <filesystem>
#include <optional>

namespace velmora {

// An advisory lock (flock) on a lock file, held while the object lives.
// Every program that writes a shared folder (the workstation, the command
// line, a second workstation) takes the folder's lock first, re-reads what
// it changes and writes under it; readers need none, since every file is
// replaced whole by a rename.
//
// The lock belongs to the open file, not to the process: two locks on the
// same file exclude each other within one process too, so a holder must not
// take its own lock again.
class FileLock {
 public:
  static constexpr std::chrono::milliseconds kDefaultWait{60000};

  // Creates the lock file when needed and waits for the lock up to `wait`.
  // Throws EFormatError: "Cannot create file" when the lock file cannot be
  // opened, FolderBusy when another holder keeps the lock longer.
  explicit FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds wait = kDefaultWait);
  // The lock only when it is free at once; nothing when another holder has
  // it. Throws as the constructor when the lock file cannot be opened.
  static std::optional<FileLock> TryLock(const std::filesystem::path& lockFile);

  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();

  bool Held() const { return fd_ >= 0; }
  void Release();

 private:
  FileLock() = default;
  static int Open(const std::filesystem::path& lockFile);

  int fd_ = -1;
};

}  // namespace velmora
