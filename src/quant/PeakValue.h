#pragma once

#include <span>

#include "TDataPoint.h"
#include "TPeakRecord.h"

namespace velmora {

// Peak calculation types (the numbers are stored in peak records).
inline constexpr int CalcByHeight = 0;
inline constexpr int CalcBySquare = 1;
inline constexpr int CalcByMinMax = 2;
inline constexpr int CalcByMinMaxWLines = 3;
inline constexpr int CalcIntersection = 4;
inline constexpr int CalcPotDiff = 5;
inline constexpr int CalcLinSlope = 6;
inline constexpr int CalcByMinMaxWLines2 = 7;

// Baseline types.
inline constexpr int BaseLineLine = 0;
inline constexpr int BaseLinePoly = 1;

// Peaks spanning fewer point steps than this use the simpler calculation
// (no cubic baseline, no tangent lines).
inline constexpr int kMinTangentSpan = 14;

// Computes the value of `peak` over the curve's displayed `points` by the
// peak's CalcType and BaselineType, and leaves in the record what the chart
// draws: ChosenLine, MarkIndex1/2, MarkX/Y1/2, BaseCoef, RightLineCoef and,
// for the wave linearization, LinSeries. Fields a type does not compute
// keep their values. Sets PeakValue and ValueValid and returns the value.
// `paired` is the displayed points of the other curve of a cyclic pair when
// that curve holds a peak of the same name (used by CalcPotDiff), else null.
//
// Degenerate inputs give 0, never a fault: no points, a linear height
// baseline between two points of the same potential, parallel tangents in
// CalcIntersection. Border indices outside the points count as index 0.
double CalcPeakValue(std::span<const TDataPoint> points, const TDataArr* paired, TPeakRecord& peak);

}  // namespace velmora
