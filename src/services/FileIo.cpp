#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>

#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace fs = std::filesystem;

std::vector<std::uint8_t> FileIo::readAll(const fs::path& path, std::uintmax_t maxBytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EFormatError(Message(msg::CannotOpenFile, {path.string(), std::strerror(errno)}));
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) throw EFormatError(Message(msg::CannotOpenFile, {path.string(), "The file cannot be read."}));
  if (static_cast<std::uintmax_t>(size) > maxBytes)
    throw EFormatError(Message(msg::CannotOpenFile, {path.string(), "The file is too large."}));
  in.seekg(0, std::ios::beg);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
    throw EFormatError(Message(msg::StreamReadError));
  return bytes;
}

FileIo::Bytes FileIo::readBytes(const fs::path& path, std::uintmax_t maxBytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw EFormatError(Message(msg::CannotOpenFile, {path.string(), std::strerror(errno)}));
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
    ::close(fd);
    throw EFormatError(Message(msg::CannotOpenFile, {path.string(), "The file cannot be read."}));
  }
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
    ::close(fd);
    throw EFormatError(Message(msg::CannotOpenFile, {path.string(), "The file is too large."}));
  }
  Bytes bytes;
  bytes.size = static_cast<std::size_t>(st.st_size);
  bytes.data.reset(new std::uint8_t[bytes.size > 0 ? bytes.size : 1]);
  std::size_t done = 0;
  while (done < bytes.size) {
    const ssize_t n = ::read(fd, bytes.data.get() + done, bytes.size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      // Shorter than it was a moment ago, or unreadable.
      ::close(fd);
      throw EFormatError(Message(msg::StreamReadError));
    }
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  return bytes;
}

void FileIo::syncFolder(const fs::path& folder) {
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  ::fsync(dir);
  ::close(dir);
}

int FileIo::createTemporaryBeside(const fs::path& path, fs::path& temp) {
  const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
  // The start of the name tells a person whose file a stray temporary was;
  // it is cut at a whole character.
  std::string head = path.filename().string();
  if (head.size() > kTemporaryNameHead) {
    std::size_t cut = kTemporaryNameHead;
    while (cut > 0 && (static_cast<unsigned char>(head[cut]) & 0xC0) == 0x80) --cut;
    head.resize(cut);
  }
  // Created exclusively (O_EXCL) under a fresh random name; a new file gets
  // what the process's umask allows, as a plainly created one would.
  std::random_device random;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    char suffix[9];
    const auto value = (std::uint64_t{random()} << 32) | random();
    const char* digits = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (std::size_t i = 0; i < 8; ++i) suffix[i] = digits[(value >> (6 * i)) % 36];
    suffix[8] = '\0';
    temp = dir / ("." + head + "." + suffix + ".tmp");
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) throw EFormatError(Message(msg::CannotCreateFile, {path.string(), std::strerror(errno)}));
  return fd;
}

void FileIo::writeAtomically(const fs::path& path, std::span<const std::uint8_t> bytes) {
  writeStreamAtomically(path, [&](const ByteSink& sink) { sink(bytes); });
}

void FileIo::writeStreamAtomically(const fs::path& path, const std::function<void(const ByteSink&)>& produce) {
  const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
  fs::path temp;
  const int fd = createTemporaryBeside(path, temp);
  bool open = true;
  auto fail = [&](const std::string& why) {
    if (open) ::close(fd);
    open = false;
    ::unlink(temp.c_str());
    throw EFormatError(Message(msg::CannotCreateFile, {path.string(), why}));
  };
  // The new file keeps the permissions of the one it replaces.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) && ::fchmod(fd, old.st_mode & 07777) != 0)
    fail(std::strerror(errno));
  const ByteSink sink = [&](std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (n < 0) {
        if (errno == EINTR) continue;
        fail(std::strerror(errno));
      }
      done += static_cast<std::size_t>(n);
    }
  };
  try {
    produce(sink);
  } catch (...) {
    if (open) ::close(fd);
    ::unlink(temp.c_str());
    throw;
  }
  if (::fsync(fd) != 0) fail(std::strerror(errno));
  open = false;
  if (::close(fd) != 0) fail(std::strerror(errno));
  if (::rename(temp.c_str(), path.c_str()) != 0) fail(std::strerror(errno));
  // The rename itself reaches the disk only with the folder.
  syncFolder(dir);
}

void FileIo::writeAtomically(const fs::path& path, const std::string& text) {
  writeAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace velmora
