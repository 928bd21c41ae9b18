#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4), as
// every rounding of the system does. Values beyond the int64 range are
// clamped; NaN gives 0.
std::int64_t RoundHalfEven(double value);

// Parses a decimal number written with `decimalSeparator`, allowing blanks
// around it; nullopt when the text is no number.
std::optional<double> ParseDecimal(std::string_view text, char decimalSeparator = '.');

// Reads a number typed by the user: tries the text as written, then once
// more with "." and "," exchanged; returns `fallback` when both fail.
double ReadNumber(std::string_view text, double fallback);

// Parses a whole decimal integer (blanks around allowed).
std::optional<std::int64_t> ParseInteger(std::string_view text);

// The shortest text that reads back to the same double ("1.5", "0.1",
// "1e-07").
std::string FormatShortest(double value);

// Fixed-point text with `decimals` places ("12.50"; at most 30), always
// with "." whatever the C library's locale.
std::string FormatDecimals(double value, int decimals);

// The decimal separator of the C library's current locale (the user's
// environment once the windows are up); "." when it is not one character.
char LocaleDecimalSeparator();

}  // namespace velmora
