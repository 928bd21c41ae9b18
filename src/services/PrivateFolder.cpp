#include "PrivateFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const fs::path& path, int error) {
  throw EFormatError(Message(msg::CannotCreateFile, {path.string(), std::strerror(error)}));
}

bool absoluteFolder(const char* value) {
  if (value == nullptr || value[0] != '/') return false;
  struct stat st {};
  return ::stat(value, &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

bool PrivateFolder::IsPrivate(const fs::path& folder) {
  struct stat st {};
  return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
         (st.st_mode & 077) == 0;
}

fs::path PrivateFolder::UserBase() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/' && IsPrivate(runtime)) return runtime;
  const char* tmp = std::getenv("TMPDIR");
  if (absoluteFolder(tmp)) return tmp;
  return "/tmp";
}

fs::path PrivateFolder::Create(const fs::path& base, std::string_view prefix) {
  std::string pattern = (base / std::string(prefix)).string() + "XXXXXX";
  // mkdtemp makes the folder exclusively, with mode 0700.
  if (::mkdtemp(pattern.data()) == nullptr) fail(base / std::string(prefix), errno);
  const fs::path folder = pattern;
  if (!IsPrivate(folder)) {
    ::rmdir(folder.c_str());
    fail(folder, EPERM);
  }
  return folder;
}

int PrivateFolder::CreateFile(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) fail(file, errno);
  return fd;
}

fs::path PrivateFolder::CreateUniqueFile(const fs::path& folder, std::string_view stem, std::string_view suffix) {
  std::string pattern = (folder / (std::string(stem) + "-XXXXXX" + std::string(suffix))).string();
  // mkstemps creates the file exclusively (a planted link is not followed).
  const int fd = ::mkstemps(pattern.data(), static_cast<int>(suffix.size()));
  if (fd < 0) fail(folder / std::string(stem), errno);
  ::close(fd);
  return pattern;
}

void PrivateFolder::Remove(const fs::path& folder) noexcept {
  struct stat st {};
  if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return;
  if (DIR* dir = ::opendir(folder.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      ::unlinkat(::dirfd(dir), name.c_str(), 0);
    }
    ::closedir(dir);
  }
  ::rmdir(folder.c_str());
}

}  // namespace velmora
