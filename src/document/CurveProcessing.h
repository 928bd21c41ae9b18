#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "TDataPoint.h"

// Curve algorithms over plain point arrays: the displayed forms of a curve
// (semi-integral, potential shift, semilogarithmic current) and the point
// edits (smoothing, inversion, subtraction). Records apply them through
// SetData; peak search and peak values reuse them.

namespace velmora {

// Sorts by X with a Shell sort whose gap halves from count / 2 (ascending,
// or descending when `descending`). Points with equal X keep the relative
// order this sort gives them, which the stored peak indices may depend on.
void ShellSortByX(TDataArr& points, bool descending = false);

// Index of the first point at or beyond `x` in the sweep direction: for a
// curve whose last X is greater than its first, the first point with
// X >= x; otherwise the first with X <= x. The last index when no point
// qualifies, -1 for an empty curve.
int IndexOfPotential(std::span<const TDataPoint> points, double x);

// A copy in which only Y changes: a forward pass Y(i) := mean Y(i..i+n) for
// i = 0..last-n, then a backward pass Y(i) := mean Y(i-n..i) for i = last
// down to n, both in place (the backward pass reads forward results). n <= 0
// and curves shorter than n + 1 points come back unchanged.
TDataArr SmoothMovingAverage(std::span<const TDataPoint> points, int n);

// The smoothing command: the points smoothed with the smoothing filter
// value as window parameter.
TDataArr Smooth(std::span<const TDataPoint> points, int filterValue);

// The two displayed halves of a semi-integrated pair of sweeps.
struct TSemiIntegral {
  TDataArr First;   // P - 1 points of the first curve
  TDataArr Second;  // Q - 1 points of the second curve
};

// Semi-integration (Riemann-Liouville, fixed step of 0.004 s per point) of
// the sequence made of the first curve's currents followed by the second's.
// The second curve is first re-ordered so that it runs back over the first
// one's potentials. Runs in O(M log M) for M = P + Q points (FFT convolution;
// short pairs use the direct sum).
TSemiIntegral SemiIntegrate(std::span<const TDataPoint> first, std::span<const TDataPoint> second);

// The scale factor C of the semi-integration step: (4/3) * sqrt(0.004 / pi).
double SemiIntegralScale();

// Subtracts curve `b` (its X moved by `shift`) from curve `a`, interpolating
// `b` linearly at each X of `a`:
// - only the points of `a` from the first X that `b` covers are kept; points
//   of `a` beyond `b`'s last X are extrapolated from `b`'s last two points;
// - when the curves do not overlap at all, `a` comes back unchanged (an
//   emptied curve would lose the measurement);
// - an empty `b` leaves `a` unchanged; a single-point `b` is a constant
//   current subtracted from every point of `a`;
// - points of `b` sharing one X are not interpolated between (no division
//   by zero): the later one's current is used.
// The result runs in the sweep direction of `a`.
TDataArr SubtractCurve(std::span<const TDataPoint> a, std::span<const TDataPoint> b, double shift);

enum class InvertAxis { X = 0, Y = 1 };

// Negates X or Y of every point.
TDataArr Invert(std::span<const TDataPoint> points, InvertAxis axis);

// A copy with `shift` added to every X (the potential shift of the display).
TDataArr ShiftX(std::span<const TDataPoint> points, double shift);

// The semilogarithmic display: Y replaced by log10|Y| (ln|Y| / ln 10); a
// point whose current is 0 keeps its Y.
TDataArr Semilog(std::span<const TDataPoint> points);

// The potential shift shown by a group: walks the leaf shifts child by child
// (`leafShiftsByChild[c]` holds the shifts of child c's curves, in order)
// with r = 0; a value that differs from a non-zero r resets r to 0 and ends
// that child's scan, otherwise r takes the value while r is 0.
double GroupXShift(const std::vector<std::vector<double>>& leafShiftsByChild);

// The shift suggested for a set of curves: the value when every neighbouring
// pair agrees, nothing otherwise (or for no curves).
std::optional<double> SharedXShift(std::span<const double> shifts);

// Reads a typed potential shift: "." is the decimal separator whatever the
// locale; text that is no number (including a comma separator) gives
// nothing.
std::optional<double> ParseXShift(std::string_view text);

// The current potential of a peak for "Set peak potential": the displayed X
// at MarkIndex2 for calculation type 0, at MarkIndex1 for types 3 and 7;
// nothing for other types or an index outside the points.
std::optional<double> PeakPotentialForShift(std::span<const TDataPoint> displayed, int calcType, int markIndex1,
                                            int markIndex2);

}  // namespace velmora
