#include "HelpContextMap.h"

#include <algorithm>
#include <charconv>

#include "FileIo.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {

bool isNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && (isBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

}  // namespace

bool HelpContextMap::isAnchor(std::string_view anchor) {
  return !anchor.empty() && anchor.size() <= kMaxNameLength && std::all_of(anchor.begin(), anchor.end(), isNameChar);
}

bool HelpContextMap::isPageName(std::string_view name) {
  constexpr std::string_view ext = ".html";
  if (name.size() <= ext.size() || name.size() > kMaxNameLength || !name.ends_with(ext)) return false;
  const std::string_view stem = name.substr(0, name.size() - ext.size());
  return std::all_of(stem.begin(), stem.end(), [](char c) { return isNameChar(c) || c == '.'; }) &&
         stem.front() != '.' && stem.find("..") == std::string_view::npos;
}

HelpContextMap HelpContextMap::parse(std::string_view text) {
  if (text.size() > kMaxBytes) throw EFormatError(Message(msg::HelpMapTooLarge, {std::to_string(kMaxBytes)}));
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  HelpContextMap map;
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view raw = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (++lineNumber > kMaxLines) throw EFormatError(Message(msg::HelpMapTooLong, {std::to_string(kMaxLines)}));
    const std::string_view line = trim(raw);
    if (line.empty() || line.front() == '#') continue;

    const auto bad = [&] { return EFormatError(Message(msg::HelpMapBadLine, {std::to_string(lineNumber)})); };
    int context = -1;
    const auto [rest, ec] = std::from_chars(line.data(), line.data() + line.size(), context);
    if (ec != std::errc{} || context < 0 || context > kMaxContext) throw bad();
    std::string_view target(rest, static_cast<std::size_t>(line.data() + line.size() - rest));
    if (target.empty() || !isBlank(target.front())) throw bad();
    target = trim(target);
    if (target.find_first_of(" \t") != std::string_view::npos) throw bad();

    HelpTarget place;
    const std::size_t hash = target.find('#');
    const std::string_view page = target.substr(0, hash);
    if (!isPageName(page)) throw bad();
    place.page = std::string(page);
    if (hash != std::string_view::npos) {
      const std::string_view anchor = target.substr(hash + 1);
      if (!isAnchor(anchor)) throw bad();
      place.anchor = std::string(anchor);
    }
    if (!map.entries_.emplace(context, std::move(place)).second)
      throw EFormatError(Message(msg::HelpMapDuplicate, {std::to_string(context), std::to_string(lineNumber)}));
  }
  return map;
}

HelpContextMap HelpContextMap::load(const std::filesystem::path& file) {
  const std::vector<std::uint8_t> bytes = FileIo::readAll(file, kMaxBytes);
  return parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::optional<HelpTarget> HelpContextMap::find(int context) const {
  const auto it = entries_.find(context);
  if (it == entries_.end()) return std::nullopt;
  return it->second;
}

HelpTarget HelpContextMap::resolve(int context) const {
  if (auto place = find(context)) return *place;
  return HelpTarget{kContentsPage, {}};
}

}  // namespace velmora
