#include "Message.h"

#include <cctype>

namespace velmora {

namespace {

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// "%N" with N in 1..9 names the N-th argument when nothing printf-like
// follows the digit (another digit, a precision or a conversion letter):
// "%1.4f" stays a width and precision, "%1 µA" and "%2," are numbered.
int numberedPlace(std::string_view templ, std::size_t percent) {
  const std::size_t d = percent + 1;
  if (d >= templ.size() || templ[d] < '1' || templ[d] > '9') return 0;
  if (d + 1 < templ.size()) {
    const char after = templ[d + 1];
    if (std::isdigit(static_cast<unsigned char>(after)) || after == '.' || isAsciiLetter(after)) return 0;
  }
  return templ[d] - '0';
}

}  // namespace

Message Message::Counted(const PluralText& text, std::int64_t n, std::vector<std::string> arguments) {
  Message m(text.other, std::move(arguments));
  m.count = n;
  m.one = text.one;
  return m;
}

std::string Message::englishTemplate() const {
  if (count < 0) return text;
  std::string templ = count == 1 && one != nullptr ? one : text;
  const std::string number = std::to_string(count);
  for (std::size_t at = templ.find("%n"); at != std::string::npos; at = templ.find("%n", at + number.size()))
    templ.replace(at, 2, number);
  return templ;
}

std::string Message::format() const { return substitute(englishTemplate(), args); }

// Besides the printf-style places, filled one by one, a translated template
// may name its arguments %1..%9 (the first..ninth) in any order, so that a
// language can reorder them; a numbered place does not advance the sequence
// of the printf-style ones.
std::string Message::substitute(std::string_view templ, const std::vector<std::string>& args) {
  std::string out;
  out.reserve(templ.size() + 16);
  std::size_t next = 0;
  for (std::size_t i = 0; i < templ.size(); ++i) {
    char c = templ[i];
    if (c != '%' || i + 1 >= templ.size()) {
      out += c;
      continue;
    }
    if (templ[i + 1] == '%') {
      out += '%';
      ++i;
      continue;
    }
    // A translation may reorder the arguments with numbered places.
    if (const int n = numberedPlace(templ, i); n > 0) {
      if (static_cast<std::size_t>(n) <= args.size()) out += args[static_cast<std::size_t>(n - 1)];
      ++i;
      continue;
    }
    // Skip flags, width and precision, then the conversion letter.
    std::size_t j = i + 1;
    while (j < templ.size() && (std::isdigit(static_cast<unsigned char>(templ[j])) || templ[j] == '.' ||
                                templ[j] == '-' || templ[j] == ':'))
      ++j;
    if (j < templ.size() && std::isalpha(static_cast<unsigned char>(templ[j]))) {
      if (next < args.size()) out += args[next];
      ++next;
      i = j;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace velmora
