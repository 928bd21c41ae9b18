#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "TDataPoint.h"
#include "TPeakRecord.h"
#include "TPredefPeak.h"

namespace velmora {

// Element potentials naming found peaks when no predefined peaks are given,
// in the order they are tried.
struct TElementPotential {
  const char* Name;
  double Potential;  // mV
};
inline constexpr std::array<TElementPotential, 6> DefaultElementPotentials = {{
    {"Mn", -1500.0},
    {"Zn", -900.0},
    {"Cd", -600.0},
    {"Pb", -400.0},
    {"Cu", -200.0},
    {"Bi", -100.0},
}};

// What a search works on.
struct TPeakSearchInput {
  // The curve's displayed points, in the curve's own order.
  std::span<const TDataPoint> Points;
  // The curve's stored points (unsmoothed, uninverted), for the overload
  // test; empty to test `Points` instead.
  std::span<const TDataPoint> Stored;
  // Full scale of the curve's current range, µA (OverloadThreshold);
  // infinity when the range is unknown, which tests nothing.
  double FullScale = 0.0;
  // 1: search the curve upside down (peaks of negative current).
  int Invert = 0;
  // The method's predefined peaks; empty to name peaks after the elements.
  TPredefPeaks Predefined;
  // Names of the peaks the curve holds before the search.
  std::vector<std::string> ExistingNames;
};

// A peak found by the search, with indices in the curve's own point order
// (BeginIndex > EndIndex on a curve recorded towards negative potentials).
struct TFoundPeak {
  std::string Name;
  int BeginIndex = 0;
  int EndIndex = 0;
  double AdditionConc = 0.0;

  friend bool operator==(const TFoundPeak&, const TFoundPeak&) = default;
};

// Finds the peaks of a curve: smoothing, first and second derivative, a
// candidate at each maximum, borders from the inflections, an area and
// overload test, border refinement, and a name from the predefined peaks or
// the element potentials. Candidates are returned in the order found; a
// name may occur more than once, the later peak replacing the earlier when
// they are added (AddFoundPeaks). "Unknown %d" names count the earlier
// found peaks as held by the curve.
std::vector<TFoundPeak> SearchPeaks(const TPeakSearchInput& input);

// Adds found peaks to a curve's peak list: a peak of the same name is
// removed first; the new peak takes `calcType` (-1 stored as 1), the
// linear baseline (type 0, whatever baseline type is in force, so that a
// search always measures alike) and the found AdditionConc.
void AddFoundPeaks(TPeaks& peaks, std::span<const TFoundPeak> found, int calcType);

// The full scale of a current range: 10^range * 0.02 µA with modulation,
// 10^range * 0.2 µA without.
double OverloadThreshold(int valuesRange, bool modulation);

// --- The steps of the search, exposed for their tests -----------------------

// Finite differences at the interval midpoints: High(A) points, slope 0
// where two points share one X.
TDataArr Differentiate(std::span<const TDataPoint> points);

// |sum over i = l..r-1 of (y(i) - chord(i)) * (x(i+1) - x(i))|, the chord
// from point l to point r interpolated by index.
double ChordArea(std::span<const TDataPoint> points, int l, int r);

// True when some current of points l..r (in either order, clamped to the
// points) reaches the full scale in either direction.
bool IsOverloaded(std::span<const TDataPoint> points, int l, int r, double fullScale);

// Moves from `start` towards `target` while some point before `limit` lies
// below the chord from the current point to the target.
int Walk(std::span<const TDataPoint> points, int start, int target, int limit, int step);

// Moves the border on the lower side of the peak inward (the left border
// when the chord rises, else the right).
void RefineBorder(std::span<const TDataPoint> points, int& l, int& r);

// The name of a candidate whose borders lie at potentials xL and xR; empty
// when the predefined peaks name none. Sets `additionConc` from the
// matching predefined peak (0 otherwise).
std::string ChoosePeakName(double xL, double xR, const TPredefPeaks& predefined,
                           const std::vector<std::string>& heldNames, double& additionConc);

}  // namespace velmora
