#pragma once

#include <span>

#include "TDataPoint.h"

namespace velmora {

// The figures of merit of a straight calibration or standard-additions line
// y = Intercept + Slope·x over its points, as an accredited laboratory
// reports them: the residual standard deviation s(y/x), the limits of
// detection and quantification, and the standard uncertainty of a
// concentration read from the line (the usual least-squares formulas). -1
// marks a figure that cannot be computed (fewer than three points, no
// spread in x, a zero slope).
struct TRegressionFigures {
  static constexpr double kLodFactor = 3.3;
  static constexpr double kLoqFactor = 10.0;
  static constexpr double kCoverage = 2.0;  // the coverage factor of an expanded uncertainty

  int N = 0;
  double Intercept = 0.0;
  double Slope = 0.0;
  double MeanX = 0.0;
  double MeanY = 0.0;
  double Sxx = 0.0;   // Σ(xi − x̄)²
  double Syx = -1.0;  // sqrt(Σ(yi − a − b·xi)² / (n − 2))

 private:
  bool flat_ = false;

 public:
  // From the points and the line that was fitted through them.
  static TRegressionFigures Of(std::span<const TDataPoint> points, double intercept, double slope);

  bool Valid() const { return N > 2 && Sxx > 0.0 && Slope != 0.0 && !flat_ && Syx >= 0.0; }
  // True when the slope is rounding noise: the line rises by less than a
  // billionth of the signals over the points' x range.
  static bool NegligibleSlope(std::span<const TDataPoint> points, double slope);
  // 3.3·s(y/x)/|b| and 10·s(y/x)/|b|, in the units of x.
  double Lod() const;
  double Loq() const;
  // The standard uncertainty of x0 = (y0 − a)/b read from the mean y0 of
  // m replicate readings: s(y/x)/|b|·sqrt(1/m + 1/n + (y0 − ȳ)²/(b²·Sxx)).
  double ReadingUncertainty(double y0, int replicates) const;
  // The standard uncertainty of the concentration extrapolated to the level
  // y = level (0, or the background signal) by standard additions:
  // s(y/x)/|b|·sqrt(1/n + (level − ȳ)²/(b²·Sxx)).
  double ExtrapolationUncertainty(double level) const;
};

}  // namespace velmora
