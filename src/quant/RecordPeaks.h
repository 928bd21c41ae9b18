#pragma once

#include <span>
#include <vector>

#include "PeakSearch.h"
#include "TElementPeak.h"
#include "TPredefPeak.h"

namespace velmora {

class TVAStruct;

// The automatic peak search on a curve record: searches its displayed
// points (overload test on its stored points against the full scale of its
// current range), then, for each found peak in turn, deletes a peak of the
// same name and adds the new one with `calcType` (-1 stored as 1), the
// linear baseline (type 0) and the AdditionConc of its predefined peak.
// Peaks found earlier stay. Returns what was added, in order.
std::vector<TFoundPeak> AutoSearchPeaks(TVAStruct& curve, int invert, const TPredefPeaks& predefined, int calcType);

// The peak table of the checked curves, in list order: every peak value is
// brought up to date first.
TElementsPeaksArr BuildPeakTable(std::span<TVAStruct* const> checkedCurves);

}  // namespace velmora
