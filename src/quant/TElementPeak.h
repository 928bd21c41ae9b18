#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// One row of the peak table: a peak name over the checked curves (held in
// memory only).
struct TElementPeak {
  std::string Name;
  std::uint8_t InCurves = 0;       // 1 when more than one curve holds the peak
  std::uint8_t BordersDiffer = 0;  // 1 when the curves' border potentials differ
  double PeakValue = 0.0;          // value on the first curve that holds the peak
  double BeginPotential = 0.0;     // lowest border potential, mV
  double EndPotential = 0.0;       // highest border potential, mV
  std::int32_t CalcType = 0;       // common type, -1 when the curves differ
  std::int32_t BaselineType = 0;   // common baseline, -1 when the curves differ

  friend bool operator==(const TElementPeak&, const TElementPeak&) = default;
};

using TElementsPeaksArr = std::vector<TElementPeak>;

}  // namespace velmora
