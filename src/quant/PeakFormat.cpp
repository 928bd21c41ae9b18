#include "PeakFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "Messages.h"
#include "Numbers.h"

namespace velmora {

namespace {

// printf's "%.*e", but with "." whatever the C library's locale.
std::string Scientific(double value, int decimals) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, decimals);
  if (ec != std::errc()) return "0e+00";
  return std::string(buffer, end);
}

// The exponent of a text made by Scientific ("1.5e+03" -> 3).
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

// "-0.000" and the like lose their sign.
std::string DropNegativeZero(std::string text) {
  if (!text.empty() && text[0] == '-' &&
      std::all_of(text.begin() + 1, text.end(), [](char c) { return c == '0' || c == '.'; }))
    text.erase(0, 1);
  return text;
}

std::string ExponentForm(double value, int precision) {
  const std::string text = Scientific(value, std::max(precision - 1, 0));
  std::string mantissa = text.substr(0, text.find('e'));
  if (mantissa.find('.') != std::string::npos) {
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  return mantissa + "E" + std::to_string(ExponentOf(text));
}

}  // namespace

std::string FormatFixed(double value, int precision, int decimals) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  precision = std::clamp(precision, 1, 18);
  decimals = std::clamp(decimals, 0, 18);
  int intDigits = 0;
  if (value != 0.0) {
    // The exponent after rounding to `precision` significant digits.
    intDigits = ExponentOf(Scientific(value, precision - 1)) + 1;
  }
  if (intDigits > precision) return ExponentForm(value, precision);
  const int places = std::min(decimals, precision - intDigits);
  std::string text = FormatDecimals(value, places);
  if (places < decimals) {
    if (places == 0 && decimals > 0) text += '.';
    text.append(static_cast<std::size_t>(decimals - places), '0');
  }
  return DropNegativeZero(text);
}

std::string FormatPeakValue(double value) {
  if (value > 10) return FormatFixed(value, 5, 1);
  if (value > 1) return FormatFixed(value, 5, 2);
  if (value > 0.1) return FormatFixed(value, 5, 3);
  if (value > 0.01) return FormatFixed(value, 5, 4);
  return FormatFixed(value, 6, 5);
}

const char* CalcTypeReportName(int calcType) {
  switch (calcType) {
    case 0:
      return msg::CalcNameByHeight;
    case 1:
      return msg::CalcNameBySquare;
    case 2:
      return msg::CalcNameByAbsHeight;
    case 3:
      return msg::CalcNameByAbsHeightTwoLines;
    case 4:
      return msg::CalcNameIntersection;
    case 5:
      return msg::CalcNamePotDiff;
    case 6:
      return msg::CalcNameLinSlope;
    case 7:
      return msg::CalcNameByAbsHeightLine;
    default:
      return nullptr;
  }
}

const char* CalcTypeUnit(int calcType) {
  switch (calcType) {
    case 0:
    case 2:
    case 3:
    case 7:
      return msg::UnitMicroAmpere;
    case 1:
      return msg::UnitMicroAmpereMillivolt;
    case 4:
    case 5:
    case 6:
      return msg::UnitMillivolt;
    default:
      return nullptr;
  }
}

const char* BaselineTypeName(int baselineType) {
  switch (baselineType) {
    case 0:
      return msg::BaselineLinear;
    case 1:
      return msg::BaselineSpline;
    default:
      return nullptr;
  }
}

}  // namespace velmora
