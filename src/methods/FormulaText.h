#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Text rules shared by the calculator and the windows that edit formulas.
class FormulaText {
 public:
  // Longest formula, name or comment, in characters (one byte each on disk).
  static constexpr std::size_t kMaxLength = 255;

  // The number a formula token stands for: the whole token must be a
  // decimal literal with "." as the decimal point (digits, an optional
  // fraction, an optional exponent "E"/"e" followed by digits), whatever the
  // regional settings. Blanks around it are allowed. No signs: "+" and "-"
  // always split a formula first. Literals beyond the double range are no
  // numbers.
  static std::optional<double> ToNumber(std::string_view token);

  // Names compare without regard to letter case: Latin and the Cyrillic
  // letters of Windows-1251.
  static bool SameName(std::string_view a, std::string_view b);

  // `text` cut to kMaxLength characters (never inside a UTF-8 sequence).
  static std::string Cut(std::string_view text);

  // `text` without blanks (space, tab) at either end.
  static std::string_view Trim(std::string_view text);
};

}  // namespace velmora
