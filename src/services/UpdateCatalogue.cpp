#include "UpdateCatalogue.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {

// Only the first eight lines are read; the rest is not kept.
constexpr std::size_t kLinesRead = 8;

[[noreturn]] void badLine(std::size_t line, const Message& why) {
  throw EFormatError(Message(msg::UpdateCatalogueLine, {std::to_string(line + 1), why.format()}));
}

std::string_view trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string readVersion(std::string_view line, std::size_t index) {
  const std::string_view v = trimmed(line).substr(0, UpdateCatalogue::VersionLength);
  if (!UpdateCatalogue::IsVersion(v)) badLine(index, Message(msg::UpdateBadVersion));
  return std::string(v);
}

bool loopbackHost(std::string_view host) {
  if (host == "localhost" || host == "[::1]") return true;
  // 127.a.b.c, each part a decimal number up to 255.
  int parts = 0;
  while (!host.empty()) {
    const std::size_t dot = host.find('.');
    const std::string_view part = host.substr(0, dot);
    int value = -1;
    const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (part.empty() || part.size() > 3 || ec != std::errc() || end != part.data() + part.size() || value > 255)
      return false;
    if (parts == 0 && value != 127) return false;
    ++parts;
    if (dot == std::string_view::npos) break;
    host.remove_prefix(dot + 1);
    if (host.empty()) return false;
  }
  return parts == 4;
}

std::string readAddress(std::string_view line, std::size_t index) {
  const std::string_view a = trimmed(line);
  const bool clean = std::none_of(a.begin(), a.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7F;
  });
  if (!UpdateCatalogue::IsAllowedAddress(a) || !clean || a.size() > UpdateCatalogue::MaxAddressLength)
    badLine(index, Message(msg::UpdateBadAddress, {std::to_string(UpdateCatalogue::MaxAddressLength)}));
  return std::string(a);
}

std::string readChecksum(std::string_view line, std::size_t index) {
  const std::string_view h = trimmed(line);
  if (h.empty()) return {};
  if (!UpdateCatalogue::IsSha256(h)) badLine(index, Message(msg::UpdateBadChecksum));
  std::string out(h);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](char c) { return c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c; });
  return out;
}

}  // namespace

bool UpdateCatalogue::IsVersion(std::string_view v) {
  if (v.size() != VersionLength) return false;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const bool dot = i == 4 || i == 7;
    if (dot ? v[i] != '.' : !isDigit(v[i])) return false;
  }
  return true;
}

bool UpdateCatalogue::IsAllowedAddress(std::string_view a) {
  constexpr std::string_view secure = "https://";
  constexpr std::string_view plain = "http://";
  if (a.starts_with(secure)) return a.size() > secure.size();
  if (!a.starts_with(plain)) return false;
  const std::string_view rest = a.substr(plain.size());
  const std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
  // Credentials could make "127.0.0.1@host" read as loopback.
  if (authority.find('@') != std::string_view::npos) return false;
  std::string_view host = authority;
  if (host.starts_with('[')) {
    const std::size_t close = host.find(']');
    if (close == std::string_view::npos) return false;
    host = host.substr(0, close + 1);
  } else {
    host = host.substr(0, host.find(':'));
  }
  return loopbackHost(host);
}

bool UpdateCatalogue::IsSha256(std::string_view h) {
  return h.size() == 64 && std::all_of(h.begin(), h.end(), [](char c) {
           return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
         });
}

UpdateCatalogue UpdateCatalogue::Parse(std::string_view text) {
  if (text.size() > MaxBytes) throw EFormatError(Message(msg::UpdateCatalogueTooLarge, {std::to_string(MaxBytes)}));
  // A UTF-8 byte order mark written by an editor is no part of the version.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<std::string_view> lines;
  std::size_t total = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    if (lines.size() < kLinesRead) lines.push_back(line);
    ++total;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  if (total < 3) throw EFormatError(Message(msg::UpdateCatalogueShort, {std::to_string(total)}));

  UpdateCatalogue c;
  c.releaseVersion = readVersion(lines[0], 0);
  const std::string_view size = trimmed(lines[1]);
  std::int64_t bytes = 0;
  const auto [end, ec] = std::from_chars(size.data(), size.data() + size.size(), bytes);
  if (size.empty() || ec != std::errc() || end != size.data() + size.size() || bytes < 1 || bytes > MaxInstallerSize)
    badLine(1, Message(msg::UpdateBadSize, {std::to_string(MaxInstallerSize)}));
  c.installerSize = bytes;
  c.releaseAddress = readAddress(lines[2], 2);
  c.snapshotSize = c.installerSize;
  if (total > 3) {
    c.hasSnapshot = true;
    // An empty line 3 publishes no snapshot.
    if (!trimmed(lines[3]).empty()) {
      c.snapshotVersion = readVersion(lines[3], 3);
      if (lines.size() < 6) badLine(5, Message(msg::UpdateBadAddress, {std::to_string(MaxAddressLength)}));
      c.snapshotAddress = readAddress(lines[5], 5);
      // The snapshot's own size, when line 4 holds one.
      const std::string_view own = trimmed(lines[4]);
      std::int64_t ownBytes = 0;
      const auto [ownEnd, ownEc] = std::from_chars(own.data(), own.data() + own.size(), ownBytes);
      if (!own.empty() && ownEc == std::errc() && ownEnd == own.data() + own.size() && ownBytes >= 1 &&
          ownBytes <= MaxInstallerSize)
        c.snapshotSize = ownBytes;
    }
  }
  if (lines.size() > 6) c.releaseSha256 = readChecksum(lines[6], 6);
  if (lines.size() > 7) c.snapshotSha256 = readChecksum(lines[7], 7);
  if (c.InstallerFileName().empty()) badLine(2, Message(msg::UpdateBadAddress, {std::to_string(MaxAddressLength)}));
  return c;
}

std::string UpdateCatalogue::InstallerFileName() const {
  const std::size_t slash = releaseAddress.rfind('/');
  std::string name = slash == std::string::npos ? releaseAddress : releaseAddress.substr(slash + 1);
  // Query and fragment are no part of the file's name.
  name = name.substr(0, name.find_first_of("?#"));
  if (name.empty() || name == "." || name == ".." || name.find('\\') != std::string::npos) return {};
  return name;
}

UpdateOffer FindUpdate(const UpdateCatalogue& c, std::string_view ownVersion, bool snapshots) {
  const std::string_view own = ownVersion.substr(0, UpdateCatalogue::VersionLength);
  if (!UpdateCatalogue::IsVersion(own)) return UpdateOffer::None;
  if (snapshots && c.hasSnapshot && !c.snapshotVersion.empty() && std::string_view(c.snapshotVersion) > own)
    return UpdateOffer::Snapshot;
  if (std::string_view(c.releaseVersion) > own) return UpdateOffer::Release;
  return UpdateOffer::None;
}

std::string FormatThousands(std::int64_t value, std::string_view separator) {
  const bool negative = value < 0;
  // The magnitude as unsigned, also for the smallest value.
  std::uint64_t magnitude = negative ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
  std::string digits = std::to_string(magnitude);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return negative ? "-" + out : out;
}

}  // namespace velmora
