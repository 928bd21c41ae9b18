#include "CurveTextExport.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

// One number as "%8.6f" writes it: fixed, six decimals, padded on the left
// with blanks to eight characters.
void AppendNumber(std::string& out, double value) {
  char buffer[400];
  char* end = buffer;
  if (std::isnan(value)) {
    const char* text = std::signbit(value) ? "-nan" : "nan";
    end = std::copy(text, text + std::strlen(text), buffer);
  } else if (std::isinf(value)) {
    const char* text = value < 0 ? "-inf" : "inf";
    end = std::copy(text, text + std::strlen(text), buffer);
  } else {
    end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6).ptr;
  }
  const auto length = static_cast<std::size_t>(end - buffer);
  if (length < 8) out.append(8 - length, ' ');
  out.append(buffer, length);
}

void WriteNewFile(const fs::path& file, const std::string& text) {
  // The name was free a moment ago: never replace a file that appeared since.
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) throw EFormatError(Message(msg::CannotCreateFile, {file.string(), std::strerror(errno)}));
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int error = errno;
      ::close(fd);
      ::unlink(file.c_str());
      throw EFormatError(Message(msg::CannotCreateFile, {file.string(), std::strerror(error)}));
    }
    done += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(file.c_str());
    throw EFormatError(Message(msg::CannotCreateFile, {file.string(), std::strerror(error)}));
  }
}

}  // namespace

std::string CurveTextExport::SafeName(std::string_view nodeName) {
  std::string out(nodeName);
  for (char& c : out) {
    switch (c) {
      case '"':
        c = '\'';
        break;
      case '*':
        c = '.';
        break;
      case '/':
      case ':':
      case '<':
      case '>':
      case '?':
      case '\\':
      case '|':
        c = '_';
        break;
      default:
        break;
    }
  }
  return out;
}

fs::path CurveTextExport::FreeFileName(const fs::path& folder, std::string_view nodeName) {
  const std::string base = SafeName(nodeName);
  std::error_code ec;
  fs::path candidate = folder / (base + ".txt");
  for (long k = 0; fs::exists(candidate, ec); ++k) candidate = folder / (base + "_" + std::to_string(k) + ".txt");
  return candidate;
}

void CurveTextExport::AppendLine(std::string& out, double x, double y) {
  AppendNumber(out, x);
  out += ' ';
  AppendNumber(out, y);
  out += '\n';
}

std::string CurveTextExport::FormatPoints(std::span<const TDataPoint> points) {
  std::string text;
  text.reserve(points.size() * 24);
  for (const TDataPoint& p : points) AppendLine(text, p.X, p.Y);
  return text;
}

std::vector<fs::path> CurveTextExport::ExportCurves(const fs::path& folder, const std::vector<Curve>& curves) {
  std::vector<fs::path> written;
  written.reserve(curves.size());
  for (const Curve& c : curves) {
    const fs::path file = FreeFileName(folder, c.Name);
    WriteNewFile(file, FormatPoints(c.Points));
    written.push_back(file);
  }
  return written;
}

}  // namespace velmora
