#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>

namespace velmora {

std::int64_t RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kMax = 9.2233720368547748e18;  // below 2^63
  if (value >= kMax) return std::numeric_limits<std::int64_t>::max();
  if (value <= -kMax) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(std::nearbyint(value));  // default mode rounds halves to even
}

namespace {
std::string_view trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
    text.remove_suffix(1);
  return text;
}
}  // namespace

std::optional<double> ParseDecimal(std::string_view text, char decimalSeparator) {
  text = trim(text);
  if (text.empty() || text.size() > 400) return std::nullopt;
  std::string buffer(text);
  for (char& c : buffer) {
    if (c == decimalSeparator)
      c = '.';
    else if (c == '.')
      return std::nullopt;  // the other separator is not a decimal point here
  }
  const char* first = buffer.data();
  const char* last = buffer.data() + buffer.size();
  if (*first == '+') ++first;
  if (first == last) return std::nullopt;
  double value = 0;
  auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
}

double ReadNumber(std::string_view text, double fallback) {
  if (auto v = ParseDecimal(text, '.')) return *v;
  if (auto v = ParseDecimal(text, ',')) return *v;
  return fallback;
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
  text = trim(text);
  if (text.empty()) return std::nullopt;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (*first == '+') ++first;
  std::int64_t value = 0;
  auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
}

std::string FormatShortest(double value) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

std::string FormatDecimals(double value, int decimals) {
  // 1e308 in fixed form takes 309 digits before the point.
  char buffer[400];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, std::clamp(decimals, 0, 30));
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

char LocaleDecimalSeparator() {
  const std::lconv* conv = std::localeconv();
  if (conv == nullptr || conv->decimal_point == nullptr || std::strlen(conv->decimal_point) != 1) return '.';
  return conv->decimal_point[0];
}

}  // namespace velmora
