#pragma once

#include <cstdint>
#include <vector>

namespace velmora {

class TArrayDataStruct;

// One curve shown in the main chart for the current selection.
struct TTableContent {
  std::int32_t ColorIndex = 0;        // 0..7, the row's colour of the cycle
  TArrayDataStruct* Curve = nullptr;  // not owned
  std::uint8_t Shown = 1;             // the calculation and peak windows let the user untick curves
  std::int32_t RowNumber = 0;         // running number of the row the curve came from
};

using TTableContentArr = std::vector<TTableContent>;

}  // namespace velmora
