#pragma once

#include <span>
#include <vector>

#include "TDataPoint.h"
#include "TElementPeak.h"
#include "TPeakRecord.h"

namespace velmora {

// One checked curve as the peak table sees it: its displayed points (for
// the border potentials) and its peaks with fresh values.
struct TPeakTableCurve {
  const TDataArr* Points = nullptr;
  const TPeaks* Peaks = nullptr;
};

// Builds the peak table: one row per distinct peak name, in order of first
// appearance over the curves in list order. Curves without points (or
// without data) are skipped. A row takes its value, types and border
// potentials from the first curve holding the name; later curves widen the
// potential range and mark disagreeing types with -1. A border index
// outside the points contributes potential 0 to a new row.
TElementsPeaksArr BuildPeakTable(std::span<const TPeakTableCurve> curves);

}  // namespace velmora
