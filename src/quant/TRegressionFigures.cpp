#include "TRegressionFigures.h"

#include <algorithm>
#include <cmath>

namespace velmora {

TRegressionFigures TRegressionFigures::Of(std::span<const TDataPoint> points, double intercept, double slope) {
  TRegressionFigures f;
  f.Intercept = intercept;
  f.Slope = slope;
  f.N = static_cast<int>(points.size());
  if (points.empty()) return f;
  for (const TDataPoint& p : points) {
    f.MeanX += p.X;
    f.MeanY += p.Y;
  }
  f.MeanX /= f.N;
  f.MeanY /= f.N;
  double residuals = 0.0;
  for (const TDataPoint& p : points) {
    f.Sxx += (p.X - f.MeanX) * (p.X - f.MeanX);
    const double r = p.Y - intercept - slope * p.X;
    residuals += r * r;
  }
  if (f.N > 2) f.Syx = std::sqrt(residuals / (f.N - 2));
  if (!std::isfinite(f.Syx) || !std::isfinite(f.Sxx)) f.Syx = -1.0;
  f.flat_ = NegligibleSlope(points, slope);
  return f;
}

bool TRegressionFigures::NegligibleSlope(std::span<const TDataPoint> points, double slope) {
  if (points.empty()) return true;
  double xMin = points.front().X, xMax = xMin, yMax = 0.0;
  for (const TDataPoint& p : points) {
    xMin = std::min(xMin, p.X);
    xMax = std::max(xMax, p.X);
    yMax = std::max(yMax, std::fabs(p.Y));
  }
  return std::fabs(slope) * (xMax - xMin) <= 1e-9 * yMax;
}

double TRegressionFigures::Lod() const { return Valid() ? kLodFactor * Syx / std::fabs(Slope) : -1.0; }

double TRegressionFigures::Loq() const { return Valid() ? kLoqFactor * Syx / std::fabs(Slope) : -1.0; }

double TRegressionFigures::ReadingUncertainty(double y0, int replicates) const {
  if (!Valid() || replicates < 1 || !std::isfinite(y0)) return -1.0;
  const double d = y0 - MeanY;
  return Syx / std::fabs(Slope) * std::sqrt(1.0 / replicates + 1.0 / N + d * d / (Slope * Slope * Sxx));
}

double TRegressionFigures::ExtrapolationUncertainty(double level) const {
  if (!Valid() || !std::isfinite(level)) return -1.0;
  const double d = level - MeanY;
  return Syx / std::fabs(Slope) * std::sqrt(1.0 / N + d * d / (Slope * Slope * Sxx));
}

}  // namespace velmora
