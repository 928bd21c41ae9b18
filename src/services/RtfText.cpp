#include "RtfText.h"

#include <charconv>
#include <vector>

#include "Cp1251.h"
#include "FormatError.h"
#include "Messages.h"

namespace velmora {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Destinations whose text is not part of the document's body.
bool isSkippedDestination(std::string_view word) {
  static constexpr std::string_view kSkipped[] = {"fonttbl",      "colortbl", "stylesheet", "info",      "pict",
                                                  "header",       "footer",   "listtable",  "generator", "themedata",
                                                  "latentstyles", "rsidtbl",  "xmlnstbl",   "datastore", "object"};
  for (std::string_view s : kSkipped)
    if (word == s) return true;
  return false;
}

struct Group {
  bool skip = false;
  int unicodeSkip = 1;  // characters that follow a \uN in place of it
};

}  // namespace

std::string RtfText::ToPlainText(std::string_view rtf) {
  if (rtf.size() > MaxBytes)
    throw EFormatError(Message(msg::DataCountTooLarge, {"the text", "the release notes", std::to_string(MaxBytes)}));
  if (!rtf.starts_with("{\\rtf")) return std::string(rtf);

  std::string out;
  std::vector<Group> groups{Group{}};
  int pendingSkip = 0;  // fallback characters of a \uN still to drop
  std::size_t i = 0;
  const auto emit = [&](char32_t cp) {
    if (pendingSkip > 0) {
      --pendingSkip;
      return;
    }
    if (!groups.back().skip) appendUtf8(out, cp);
  };
  while (i < rtf.size()) {
    const char c = rtf[i];
    if (c == '{') {
      if (groups.size() > static_cast<std::size_t>(MaxDepth))
        throw EFormatError(Message(msg::NestingTooDeep, {std::to_string(MaxDepth)}));
      groups.push_back(groups.back());
      pendingSkip = 0;
      ++i;
    } else if (c == '}') {
      if (groups.size() > 1) groups.pop_back();
      pendingSkip = 0;
      ++i;
    } else if (c == '\r' || c == '\n') {
      ++i;
    } else if (c != '\\') {
      emit(Cp1251::decodeByte(static_cast<std::uint8_t>(c)));
      ++i;
    } else if (i + 1 >= rtf.size()) {
      ++i;
    } else if (const char n = rtf[i + 1]; !isLetter(n)) {
      // Control symbols.
      i += 2;
      if (n == '\\' || n == '{' || n == '}') {
        emit(static_cast<char32_t>(n));
      } else if (n == '~') {
        emit(U'\u00A0');
      } else if (n == '\'' && i + 1 < rtf.size() && hexValue(rtf[i]) >= 0 && hexValue(rtf[i + 1]) >= 0) {
        emit(Cp1251::decodeByte(static_cast<std::uint8_t>(hexValue(rtf[i]) * 16 + hexValue(rtf[i + 1]))));
        i += 2;
      } else if (n == '*') {
        groups.back().skip = true;
      } else if (n == '\n' || n == '\r') {
        emit(U'\n');
      }
    } else {
      // A control word with an optional signed number and one optional blank.
      std::size_t j = i + 1;
      while (j < rtf.size() && isLetter(rtf[j]) && j - i < 40) ++j;
      const std::string_view word = rtf.substr(i + 1, j - i - 1);
      bool hasNumber = false;
      long number = 0;
      const std::size_t numberStart = j;
      if (j < rtf.size() && rtf[j] == '-') ++j;
      while (j < rtf.size() && isDigit(rtf[j]) && j - numberStart < 10) ++j;
      if (j > numberStart && !(j == numberStart + 1 && rtf[numberStart] == '-')) {
        hasNumber = std::from_chars(rtf.data() + numberStart, rtf.data() + j, number).ec == std::errc();
      } else {
        j = numberStart;
      }
      if (j < rtf.size() && rtf[j] == ' ') ++j;
      i = j;
      if (word == "par" || word == "line" || word == "sect" || word == "page") {
        emit(U'\n');
      } else if (word == "tab") {
        emit(U'\t');
      } else if (word == "bullet") {
        emit(U'\u2022');
      } else if (word == "emdash") {
        emit(U'\u2014');
      } else if (word == "endash") {
        emit(U'\u2013');
      } else if (word == "uc" && hasNumber && number >= 0 && number < 10) {
        groups.back().unicodeSkip = static_cast<int>(number);
      } else if (word == "u" && hasNumber) {
        // Negative values stand for code units above 32767.
        const long unit = number < 0 ? number + 65536 : number;
        const bool valid = unit > 0 && unit <= 0xFFFF && (unit < 0xD800 || unit > 0xDFFF);
        emit(valid ? static_cast<char32_t>(unit) : U'?');
        pendingSkip = groups.back().unicodeSkip;
      } else if (isSkippedDestination(word)) {
        groups.back().skip = true;
      }
    }
  }
  return out;
}

}  // namespace velmora
