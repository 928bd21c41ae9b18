#include "NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "Numbers.h"

namespace velmora {

namespace {

// printf's "%.*e", but with "." whatever the C library's locale.
std::string ScientificText(double value, int decimals) {
  char buffer[64];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, std::clamp(decimals, 0, 30));
  if (ec != std::errc()) return "0e+00";
  return std::string(buffer, end);
}

// The exponent of a text made by ScientificText ("1.5e+03" -> 3).
int ExponentOf(const std::string& scientific) {
  const auto e = scientific.find('e');
  if (e == std::string::npos) return 0;
  const char* first = scientific.data() + e + 1;
  const char* last = scientific.data() + scientific.size();
  const bool negative = first != last && *first == '-';
  if (first != last && (*first == '-' || *first == '+')) ++first;
  int exponent = 0;
  std::from_chars(first, last, exponent);
  return negative ? -exponent : exponent;
}

// The decimal exponent of `value` once rounded to `digits` significant digits.
int RoundedExponent(double value, int digits) { return ExponentOf(ScientificText(value, std::max(digits - 1, 0))); }

// "-0.000" and the like lose their sign.
std::string DropNegativeZero(std::string text) {
  if (!text.empty() && text[0] == '-' &&
      std::all_of(text.begin() + 1, text.end(), [](char c) { return c == '0' || c == '.'; }))
    text.erase(0, 1);
  return text;
}

// "1.2346E5": the mantissa with `precision` significant digits, trailing
// zeros dropped unless `keepZeros`.
std::string ExponentForm(double value, int precision, bool keepZeros) {
  const std::string text = ScientificText(value, std::max(precision - 1, 0));
  std::string mantissa = text.substr(0, text.find('e'));
  if (!keepZeros && mantissa.find('.') != std::string::npos) {
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  return DropNegativeZero(mantissa) + "E" + std::to_string(ExponentOf(text));
}

std::string NonFinite(double value) {
  if (std::isnan(value)) return "NAN";
  return value > 0 ? "INF" : "-INF";
}

// One UTF-8 character of `text` from `at`, advancing `at`.
std::string_view NextCharacter(std::string_view text, std::size_t& at) {
  const std::size_t start = at;
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 1;
  if (lead >= 0xF0) {
    length = 4;
  } else if (lead >= 0xE0) {
    length = 3;
  } else if (lead >= 0xC0) {
    length = 2;
  }
  at = std::min(text.size(), at + length);
  return text.substr(start, at - start);
}

// The character that writes `c` raised (superscript) or lowered
// (subscript); empty when there is none.
std::string_view Shifted(std::string_view c, bool raised) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 16> kRaised = {{
      {"0", "⁰"},
      {"1", "¹"},
      {"2", "²"},
      {"3", "³"},
      {"4", "⁴"},
      {"5", "⁵"},
      {"6", "⁶"},
      {"7", "⁷"},
      {"8", "⁸"},
      {"9", "⁹"},
      {"-", "⁻"},
      {"+", "⁺"},
      {"(", "⁽"},
      {")", "⁾"},
      {"n", "ⁿ"},
      {"i", "ⁱ"},
  }};
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 29> kLowered = {{
      {"0", "₀"}, {"1", "₁"}, {"2", "₂"}, {"3", "₃"}, {"4", "₄"}, {"5", "₅"}, {"6", "₆"}, {"7", "₇"},
      {"8", "₈"}, {"9", "₉"}, {"-", "₋"}, {"+", "₊"}, {"(", "₍"}, {")", "₎"}, {"a", "ₐ"}, {"e", "ₑ"},
      {"o", "ₒ"}, {"x", "ₓ"}, {"h", "ₕ"}, {"k", "ₖ"}, {"l", "ₗ"}, {"m", "ₘ"}, {"n", "ₙ"}, {"p", "ₚ"},
      {"s", "ₛ"}, {"t", "ₜ"}, {"i", "ᵢ"}, {"r", "ᵣ"}, {"u", "ᵤ"},
  }};
  if (raised) {
    for (const auto& [plain, shifted] : kRaised)
      if (plain == c) return shifted;
  } else {
    for (const auto& [plain, shifted] : kLowered)
      if (plain == c) return shifted;
  }
  return {};
}

// A raised or lowered group: its own characters when every one of them has
// one, else the group as it is.
std::string ShiftedGroup(std::string_view group, bool raised) {
  if (raised && group == "1/2") return "½";
  std::string out;
  for (std::size_t at = 0; at < group.size();) {
    const std::string_view c = NextCharacter(group, at);
    const std::string_view s = Shifted(c, raised);
    if (s.empty()) return std::string(group);
    out += s;
  }
  return out;
}

}  // namespace

std::string NumberFormat::Fixed(double value, int precision, int decimals) {
  if (!std::isfinite(value)) return NonFinite(value);
  precision = std::clamp(precision, 1, 18);
  decimals = std::clamp(decimals, 0, 18);
  const int intDigits = value != 0.0 ? RoundedExponent(value, precision) + 1 : 0;
  if (intDigits > precision) return ExponentForm(value, precision, false);
  const int places = std::min(decimals, precision - intDigits);
  std::string text = FormatDecimals(value, places);
  if (places < decimals) {
    if (places == 0 && decimals > 0) text += '.';
    text.append(static_cast<std::size_t>(decimals - places), '0');
  }
  return DropNegativeZero(text);
}

std::string NumberFormat::Peak(double value) {
  if (value > 10) return Fixed(value, 5, 1);
  if (value > 1) return Fixed(value, 5, 2);
  if (value > 0.1) return Fixed(value, 5, 3);
  if (value > 0.01) return Fixed(value, 5, 4);
  return Fixed(value, 6, 5);
}

std::string NumberFormat::Decimals(double value, int decimals) {
  if (!std::isfinite(value)) return NonFinite(value);
  return DropNegativeZero(FormatDecimals(value, std::clamp(decimals, 0, 18)));
}

std::string NumberFormat::Significant(double value, int digits) {
  if (!std::isfinite(value)) return NonFinite(value);
  digits = std::clamp(digits, 1, 17);
  if (value == 0.0) return "0";
  const int exponent = RoundedExponent(value, digits);
  const int decimals = digits - 1 - exponent;
  if (exponent >= 6 || decimals > 8) return ExponentForm(value, digits, true);
  if (decimals >= 0) return DropNegativeZero(FormatDecimals(value, decimals));
  // Fewer digits than the integer part has: rounded to tens, hundreds, ...
  const double unit = std::pow(10.0, -decimals);
  return DropNegativeZero(FormatDecimals(std::nearbyint(value / unit) * unit, 0));
}

std::string NumberFormat::WithUncertainty(double value, double uncertainty) {
  if (!std::isfinite(value)) return NonFinite(value);
  if (!(uncertainty > 0.0) || !std::isfinite(uncertainty)) return Peak(value);
  // The place of the uncertainty's second significant digit.
  const int place = RoundedExponent(uncertainty, 2) - 1;
  if (value == 0.0) return Decimals(0.0, std::clamp(-place, 0, 18));
  const int digits = RoundedExponent(value, 17) - place + 1;
  if (digits < 1) return Decimals(0.0, std::clamp(-place, 0, 18));
  if (place >= 0 || place < -12) return Significant(value, std::min(digits, 17));
  return Decimals(value, -place);
}

std::string NumberFormat::Uncertainty(double uncertainty) { return Significant(uncertainty, 2); }

std::string NumberFormat::AtResolution(double value, double step) {
  if (!std::isfinite(value)) return NonFinite(value);
  if (!(step > 0.0) || !std::isfinite(step)) return Peak(value);
  const int decimals = static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
  return Decimals(value, std::clamp(decimals, 0, 9));
}

std::string NumberFormat::Exact(double value) {
  if (!std::isfinite(value)) return NonFinite(value);
  if (value == 0.0) return "0";
  const double magnitude = std::fabs(value);
  char buffer[400];
  if (magnitude >= 1e-6 && magnitude < 1e15) {
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec == std::errc()) return std::string(buffer, end);
  }
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  if (ec != std::errc()) return "0";
  const std::string text(buffer, end);
  return text.substr(0, text.find('e')) + "E" + std::to_string(ExponentOf(text));
}

std::string NumberFormat::Scientific(double value, int decimals) {
  if (!std::isfinite(value)) return NonFinite(value);
  return ScientificText(value, decimals);
}

std::string NumberFormat::WithUnit(std::string_view number, std::string_view unit) {
  std::string out(number);
  if (unit.empty()) return out;
  out += kUnitSpace;
  out += unit;
  return out;
}

std::string NumberFormat::Heading(std::string_view name, std::string_view unit) {
  std::string out(name);
  if (unit.empty()) return out;
  out += ", ";
  out += unit;
  return out;
}

std::string NumberFormat::UnicodeText(std::string_view markup) {
  std::string out;
  out.reserve(markup.size());
  for (std::size_t at = 0; at < markup.size();) {
    const char c = markup[at];
    if (c == '$') {
      ++at;
      continue;
    }
    if (c != '^' && c != '_') {
      out += NextCharacter(markup, at);
      continue;
    }
    const std::size_t close = markup.find(c, at + 1);
    if (close == std::string_view::npos) {
      // An unclosed marker: the rest as it is, without the marker.
      ++at;
      continue;
    }
    out += ShiftedGroup(markup.substr(at + 1, close - at - 1), c == '^');
    at = close + 1;
  }
  return out;
}

}  // namespace velmora
