#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The one way a measured or computed number is written for a person to read:
// on screen, in the grids, on the charts and in print. The digits follow from
// where the number comes from, chosen once:
//  - a peak value, or a result computed from peak values, in the peak value
//    format (significant digits and decimals by magnitude);
//  - a value with a known uncertainty, rounded at the place of the
//    uncertainty's second significant digit;
//  - a value read under the pointer, to the resolution of one pixel;
//  - a value typed by the user, exactly (the shortest text that reads back).
// Numbers always use "." as the decimal separator, as every number the
// program writes does (typed numbers take "," as well, see ReadNumber); a
// value that rounds to zero has no sign; very large or small values use the
// exponent form "1.2346E5". Units are texts in the caption markup
// ("µg/dm^3^") and follow the number after a no-break space.
class NumberFormat {
 public:
  // The space between a number and its unit (U+00A0, UTF-8).
  static constexpr std::string_view kUnitSpace = "\xC2\xA0";

  // The peak value format: above 10 (5 significant digits, 1 decimal),
  // above 1 (5, 2), above 0.1 (5, 3), above 0.01 (5, 4), otherwise (6, 5).
  static std::string Peak(double value);
  // Fixed notation rounded to at most `precision` significant digits and at
  // most `decimals` decimals, padded with zeros to `decimals` decimals; the
  // exponent form when the integer part has more digits than `precision`.
  static std::string Fixed(double value, int precision, int decimals);
  // Exactly `decimals` decimals ("0.9876", "12.00").
  static std::string Decimals(double value, int decimals);
  // `digits` significant digits (trailing zeros kept: they are significant);
  // positional below 1e6 while that takes at most 8 decimals ("0.00003503"),
  // the exponent form beyond ("2.013E-6", "1.23E7").
  static std::string Significant(double value, int digits);
  // `value` rounded at the decimal place of the second significant digit of
  // `uncertainty`; without a usable uncertainty (not positive, not finite)
  // the peak value format.
  static std::string WithUncertainty(double value, double uncertainty);
  // An uncertainty or a spread: two significant digits.
  static std::string Uncertainty(double uncertainty);
  // A value read on an axis where one pixel spans `step`: as many decimals
  // as make one pixel change the last digit (at most 9).
  static std::string AtResolution(double value, double step);
  // The shortest text that reads back as the same double, positional from
  // 1e-6 up to 1e15 ("0.0005", "1250", "0.1"); the exponent form outside.
  static std::string Exact(double value);
  // printf's "%.*e" ("1.2345e-05") whatever the C library's locale, for the
  // places whose notation is fixed.
  static std::string Scientific(double value, int decimals);

  // "12.35 µA": the number, a no-break space and the unit; the number alone
  // for an empty unit.
  static std::string WithUnit(std::string_view number, std::string_view unit);
  // "Potential, mV": a quantity's name and its unit, or the name alone.
  static std::string Heading(std::string_view name, std::string_view unit);

  // Caption markup as plain text for places that draw no markup (chart
  // titles and marks, tool tips, status lines): superscripts and subscripts
  // that have a character of their own become it ("dm^3^" -> "dm³",
  // "^1/2^" -> "½", "C_x_" -> "Cₓ"), other markers are dropped.
  static std::string UnicodeText(std::string_view markup);
};

}  // namespace velmora
