#pragma once

#include <string>

namespace velmora {

// A peak value as the peak table, the calculation window and the reports
// show it: fixed notation with (significant digits, decimals) chosen by
// size: above 10 (5, 1), above 1 (5, 2), above 0.1 (5, 3), above 0.01
// (5, 4), otherwise (6, 5), so negative values always get 5 decimals.
// A value with more integer digits than significant digits is written in
// exponent form ("1.2346E5"); a value that rounds to zero has no sign.
std::string FormatPeakValue(double value);

// Fixed notation rounded to at most `precision` significant digits and at
// most `decimals` decimals, padded with zeros to `decimals` decimals.
std::string FormatFixed(double value, int precision, int decimals);

// The catalogue texts of the calculation types and baseline types (for
// translation by the windows); nullptr outside the known types.
const char* CalcTypeReportName(int calcType);
const char* CalcTypeUnit(int calcType);
const char* BaselineTypeName(int baselineType);

}  // namespace velmora
