#include "FileIo.h"

#include <fcntl.h>
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

void FileIo::writeAtomically(const fs::path& path, std::span<const std::uint8_t> bytes) {
  const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
  std::random_device rd;
  const fs::path temp = dir / (path.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
  auto fail = [&](const std::string& why) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    throw EFormatError(Message(msg::CannotCreateFile, {path.string(), why}));
  };
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) fail(std::strerror(errno));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const std::string why = std::strerror(errno);
      ::close(fd);
      fail(why);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) {
    const std::string why = std::strerror(errno);
    ::close(fd);
    fail(why);
  }
  if (::close(fd) != 0) fail(std::strerror(errno));
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (ec) fail(ec.message());
}

void FileIo::writeAtomically(const fs::path& path, const std::string& text) {
  writeAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace velmora
