#include "CurveTextExport.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <mutex>
#include <system_error>

#include "FormatError.h"
#include "Messages.h"
#include "WorkSplit.h"

namespace velmora {

namespace fs = std::filesystem;

namespace {

// The digits of a value that "%.6f" writes, computed from the value times
// a million rounded to an integer. The product is off the exact one by at
// most half a unit in its last place, which changes the rounding only when
// its fraction lies that close to one half: then (and for values of ten
// digits or more) false, and the caller formats the value in full.
bool AppendFixed6Quick(std::string& out, double value) {
  const double magnitude = std::fabs(value);
  if (!(magnitude < 1e9)) return false;
  const double scaled = magnitude * 1e6;
  const double whole = std::floor(scaled);
  const double fraction = scaled - whole;
  const double ulp = std::nextafter(scaled, std::numeric_limits<double>::infinity()) - scaled;
  if (std::fabs(fraction - 0.5) <= ulp) return false;
  const auto units = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1u : 0u);
  char buffer[32];
  char* p = buffer;
  if (std::signbit(value)) *p++ = '-';
  p = std::to_chars(p, buffer + sizeof buffer, units / 1000000u).ptr;
  *p++ = '.';
  std::uint64_t decimals = units % 1000000u;
  for (int k = 5; k >= 0; --k) {
    p[k] = static_cast<char>('0' + decimals % 10u);
    decimals /= 10u;
  }
  p += 6;
  const auto length = static_cast<std::size_t>(p - buffer);
  if (length < 8) out.append(8 - length, ' ');
  out.append(buffer, length);
  return true;
}

// One number as "%8.6f" writes it: fixed, six decimals, padded on the left
// with blanks to eight characters.
void AppendNumber(std::string& out, double value) {
  if (AppendFixed6Quick(out, value)) return;
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

std::vector<fs::path> CurveTextExport::ExportCurves(const fs::path& folder, const std::vector<Curve>& curves,
                                                    const std::atomic<bool>* cancel, std::atomic<std::size_t>* done) {
  // The texts are formatted on every core; the files are named and written
  // strictly in order, each as soon as its text is ready, so the names and
  // the files left by a failure are those of the plain loop.
  std::vector<fs::path> written;
  written.reserve(curves.size());
  std::mutex lock;
  std::condition_variable turn;
  std::size_t nextToWrite = 0;
  bool failed = false;
  // The next free number of each name this export has used ("_0", "_1",
  // ...): the names before it are taken by this export's own files.
  std::map<std::string, long> nextNumber;
  auto freeName = [&](const std::string& nodeName) {
    const std::string base = SafeName(nodeName);
    std::error_code ec;
    auto known = nextNumber.find(base);
    long k = known == nextNumber.end() ? -1 : known->second;
    fs::path candidate = k < 0 ? folder / (base + ".txt") : folder / (base + "_" + std::to_string(k) + ".txt");
    while (fs::exists(candidate, ec)) candidate = folder / (base + "_" + std::to_string(++k) + ".txt");
    nextNumber[base] = k + 1;
    return candidate;
  };
  WorkSplit::ForEach(
      curves.size(),
      [&](std::size_t i) {
        try {
          const std::string text = FormatPoints(curves[i].Points);
          std::unique_lock<std::mutex> guard(lock);
          turn.wait(guard, [&] { return nextToWrite == i || failed; });
          if (failed) return;
          const fs::path file = freeName(curves[i].Name);
          WriteNewFile(file, text);
          written.push_back(file);
          ++nextToWrite;
          if (done) ++*done;
        } catch (...) {
          // Whoever waits for its turn gives up.
          {
            std::lock_guard<std::mutex> guard(lock);
            failed = true;
          }
          turn.notify_all();
          throw;
        }
        turn.notify_all();
      },
      cancel);
  if (cancel && cancel->load()) {
    // Cancelled: what this export wrote goes again.
    std::error_code ec;
    for (const fs::path& f : written) fs::remove(f, ec);
    return {};
  }
  return written;
}

}  // namespace velmora
