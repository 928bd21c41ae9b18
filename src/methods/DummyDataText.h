#pragma once

#include <cstddef>
#include <string_view>

#include "TDataPoint.h"

namespace velmora {

// The points a script's "Add dummy data" command takes from a text file:
// numbers separated by blanks, tabs or line ends (empty fields skipped),
// taken in pairs x, y; a decimal comma is read as well as a point.
class DummyDataText {
 public:
  // Texts far larger than any recorded curve are refused.
  static constexpr std::size_t kMaxPoints = 1 << 20;

  // Throws EFormatError for a field that is no number, an odd count of
  // numbers, or more than kMaxPoints points.
  static TDataArr Read(std::string_view text);
};

}  // namespace velmora
