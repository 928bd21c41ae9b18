#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// One row of the calculation table: an element (a peak name over the
// displayed curves) with its results. Held in memory only; -1 marks a
// missing value.
struct TCalcElement {
  std::string Name;
  double AddConc = 0.0;        // added standard (reference, calibration) concentration
  double SampleResult = -1.0;  // in the sample, recalculation units; the diffusion coefficient for method 4
  double CellResult = -1.0;    // in the cell, result units
  std::int32_t UnitTop = -1;   // calibration-curve units of the peaks, -1 when the curves differ
  std::int32_t UnitBottom = -1;
  std::int32_t CalcType = -1;  // the peaks' calculation type, -1 when the curves differ
  // A custom method's failure for this element (catalogue message and the
  // offending text); null when it computed.
  const char* Failure = nullptr;
  std::string FailureToken;
  // The expanded uncertainty (k = 2) of CellResult from the regression it
  // was read from (standard additions, by calibration), in CellResult's
  // units; -1 when there is none.
  double Uncertainty = -1.0;

  friend bool operator==(const TCalcElement&, const TCalcElement&) = default;
};

using TElementsArr = std::vector<TCalcElement>;

}  // namespace velmora
