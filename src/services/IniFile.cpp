#include "IniFile.h"

#include <algorithm>
#include <cctype>

#include "Cp1251.h"
#include "FileIo.h"
#include "Numbers.h"

namespace velmora {

namespace {

bool equalsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool isValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    auto b = static_cast<unsigned char>(s[i]);
    std::size_t len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (len == 0 || i + len > s.size()) return false;
    for (std::size_t k = 1; k < len; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += len;
  }
  return true;
}

}  // namespace

bool IniFile::load(const std::filesystem::path& path) {
  preamble_.clear();
  sections_.clear();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  // Settings files are small; a huge one is not ours to trust.
  auto bytes = FileIo::readAll(path, 16u << 20);
  std::string text(bytes.begin(), bytes.end());
  if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  if (!isValidUtf8(text)) text = Cp1251::toUtf8(std::span(bytes));
  parse(text);
  return true;
}

void IniFile::parse(std::string_view text) {
  preamble_.clear();
  sections_.clear();
  std::vector<Line>* target = &preamble_;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(start, end - start);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    std::string_view line = trim(raw);
    const bool last = end >= text.size();
    if (!(last && line.empty())) {
      if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        std::string name(trim(line.substr(1, line.size() - 2)));
        Section* existing = findSection(name);
        if (!existing) {
          sections_.push_back({name, {}});
          existing = &sections_.back();
        }
        target = &existing->lines;
      } else if (!line.empty() && line.front() != ';' && line.front() != '#' && line.find('=') != std::string_view::npos) {
        const std::size_t eq = line.find('=');
        target->push_back({std::string(trim(line.substr(0, eq))), std::string(trim(line.substr(eq + 1))), {}});
      } else {
        target->push_back({{}, {}, std::string(raw)});
      }
    }
    if (last) break;
    start = end + 1;
  }
}

std::string IniFile::serialize() const {
  std::string out;
  auto emit = [&out](const std::vector<Line>& lines) {
    for (const Line& l : lines) {
      if (l.key.empty())
        out += l.raw;
      else
        out += l.key + "=" + l.value;
      out += "\n";
    }
  };
  emit(preamble_);
  for (const Section& s : sections_) {
    out += "[" + s.name + "]\n";
    emit(s.lines);
  }
  return out;
}

void IniFile::save(const std::filesystem::path& path) const { FileIo::writeAtomically(path, serialize()); }

IniFile::Section* IniFile::findSection(std::string_view name) {
  for (Section& s : sections_)
    if (equalsNoCase(s.name, name)) return &s;
  return nullptr;
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
  for (const Section& s : sections_)
    if (equalsNoCase(s.name, name)) return &s;
  return nullptr;
}

IniFile::Section& IniFile::ensureSection(std::string_view name) {
  if (Section* s = findSection(name)) return *s;
  sections_.push_back({std::string(name), {}});
  return sections_.back();
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
  const Section* s = findSection(section);
  if (!s) return std::nullopt;
  for (const Line& l : s->lines)
    if (!l.key.empty() && equalsNoCase(l.key, key)) return l.value;
  return std::nullopt;
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view fallback) const {
  auto v = value(section, key);
  return v ? *v : std::string(fallback);
}

long long IniFile::readInteger(std::string_view section, std::string_view key, long long fallback) const {
  auto v = value(section, key);
  if (!v) return fallback;
  std::string_view text = trim(*v);
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return fallback;
  long long result = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c)))
      digit = std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
    else
      return fallback;
    if (result > (0x7fffffffffffffffLL - digit) / base) return fallback;
    result = result * base + digit;
  }
  return negative ? -result : result;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
  return readInteger(section, key, fallback ? 1 : 0) != 0;
}

double IniFile::readFloat(std::string_view section, std::string_view key, double fallback) const {
  auto v = value(section, key);
  if (!v) return fallback;
  return ReadNumber(*v, fallback);
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  Section& s = ensureSection(section);
  for (Line& l : s.lines)
    if (!l.key.empty() && equalsNoCase(l.key, key)) {
      l.value = std::string(value);
      return;
    }
  // New keys go after the last key of the section, before trailing blanks.
  auto pos = s.lines.end();
  while (pos != s.lines.begin() && std::prev(pos)->key.empty() && trim(std::prev(pos)->raw).empty()) --pos;
  s.lines.insert(pos, Line{std::string(key), std::string(value), {}});
}

void IniFile::writeInteger(std::string_view section, std::string_view key, long long value) {
  writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

void IniFile::writeFloat(std::string_view section, std::string_view key, double value) {
  writeString(section, key, FormatShortest(value));
}

bool IniFile::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

void IniFile::deleteKey(std::string_view section, std::string_view key) {
  Section* s = findSection(section);
  if (!s) return;
  std::erase_if(s->lines, [&](const Line& l) { return !l.key.empty() && equalsNoCase(l.key, key); });
}

void IniFile::eraseSection(std::string_view section) {
  std::erase_if(sections_, [&](const Section& s) { return equalsNoCase(s.name, section); });
}

std::vector<std::string> IniFile::sections() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* s = findSection(section))
    for (const Line& l : s->lines)
      if (!l.key.empty()) names.push_back(l.key);
  return names;
}

}  // namespace velmora
