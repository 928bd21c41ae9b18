#include "FormulaText.h"

#include <charconv>

namespace velmora {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Decodes the code point at `i` and moves past it; a malformed byte stands
// for itself (as 0x110000 + byte, so it never equals a real character).
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  std::size_t len = 0;
  char32_t cp = 0;
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  if ((lead & 0xE0) == 0xC0) {
    len = 2;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    len = 3;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    len = 4;
    cp = lead & 0x07;
  }
  if (len == 0 || i + len > s.size()) {
    ++i;
    return 0x110000 + lead;
  }
  for (std::size_t k = 1; k < len; ++k) {
    const auto c = static_cast<unsigned char>(s[i + k]);
    if ((c & 0xC0) != 0x80) {
      ++i;
      return 0x110000 + lead;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  i += len;
  return cp;
}

// Upper case of the letters a name can hold: Latin and Cyrillic.
char32_t foldCase(char32_t cp) {
  if (cp >= U'a' && cp <= U'z') return cp - 32;
  if (cp >= 0x0430 && cp <= 0x044F) return cp - 0x20;
  if (cp >= 0x0450 && cp <= 0x045F) return cp - 0x50;
  if (cp == 0x0491) return 0x0490;
  return cp;
}

}  // namespace

std::string_view FormulaText::Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::optional<double> FormulaText::ToNumber(std::string_view token) {
  token = Trim(token);
  std::size_t i = 0;
  std::size_t mantissaDigits = 0;
  while (i < token.size() && isDigit(token[i])) ++i, ++mantissaDigits;
  if (i < token.size() && token[i] == '.') {
    ++i;
    while (i < token.size() && isDigit(token[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
    ++i;
    std::size_t exponentDigits = 0;
    while (i < token.size() && isDigit(token[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != token.size()) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (ec != std::errc() || end != token.data() + token.size()) return std::nullopt;
  return value;
}

bool FormulaText::SameName(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size())
    if (foldCase(nextCodePoint(a, i)) != foldCase(nextCodePoint(b, j))) return false;
  return i == a.size() && j == b.size();
}

std::string FormulaText::Cut(std::string_view text) {
  std::size_t chars = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (chars == kMaxLength) break;
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t len = 1;
    if (lead >= 0xF0)
      len = 4;
    else if (lead >= 0xE0)
      len = 3;
    else if (lead >= 0xC0)
      len = 2;
    std::size_t next = i + 1;
    while (next < text.size() && next < i + len && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
    i = next;
    ++chars;
  }
  return std::string(text.substr(0, i));
}

}  // namespace velmora
