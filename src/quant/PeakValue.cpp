#include "PeakValue.h"

#include <cmath>
#include <cstddef>
#include <functional>
#include <vector>

#include "CurveProcessing.h"
#include "Numbers.h"
#include "PolyFit.h"

namespace velmora {

namespace {

struct TExtremum {
  double Value = 0.0;
  int Index = 0;
};

// The largest excursion of y(i) - ref(x(i)) over b..e: the positive maximum
// unless the negative minimum is larger in magnitude (first point wins
// ties; equal magnitudes choose the positive side).
TExtremum ExtremumAgainst(std::span<const TDataPoint> pts, int b, int e, const std::function<double(double)>& ref) {
  double maxValue = 0.0, minValue = 0.0;
  int maxIndex = b, minIndex = b;
  for (int i = b; i <= e; ++i) {
    const double r = pts[i].Y - ref(pts[i].X);
    if (r > maxValue) {
      maxValue = r;
      maxIndex = i;
    }
    if (r < minValue) {
      minValue = r;
      minIndex = i;
    }
  }
  if (std::fabs(minValue) > std::fabs(maxValue)) return {std::fabs(minValue), minIndex};
  return {maxValue, maxIndex};
}

std::array<double, 4> FitCoefficients(const std::vector<double>& x, const std::vector<double>& y, int count) {
  const TPolyFit fit = PolyFit(x, y, count);
  std::array<double, 4> coef{};
  for (std::size_t j = 0; j < fit.Coef.size() && j < coef.size(); ++j) coef[j] = fit.Coef[j];
  return coef;
}

// The least-squares line through the 7 points from `from` in steps of `step`.
std::array<double, 4> TangentLine(std::span<const TDataPoint> pts, int from, int step) {
  std::vector<double> x, y;
  for (int k = 0; k < 7; ++k) {
    x.push_back(pts[from + k * step].X);
    y.push_back(pts[from + k * step].Y);
  }
  return FitCoefficients(x, y, 2);
}

// The cubic baseline through the 7 points b..b+6 and the 7 points e..e-6.
std::array<double, 4> CubicBaseline(std::span<const TDataPoint> pts, int b, int e) {
  std::vector<double> x, y;
  for (int k = 0; k < 7; ++k) {
    x.push_back(pts[b + k].X);
    y.push_back(pts[b + k].Y);
  }
  for (int k = 0; k < 7; ++k) {
    x.push_back(pts[e - k].X);
    y.push_back(pts[e - k].Y);
  }
  return FitCoefficients(x, y, 4);
}

double Line(const std::array<double, 4>& c, double x) { return c[0] + c[1] * x; }

double Cubic(const std::array<double, 4>& c, double x) { return PolyValue(c, x); }

double ByMinMax(std::span<const TDataPoint> pts, int b, int e, TPeakRecord& peak) {
  int minIndex = b, maxIndex = b;
  for (int i = b; i < e; ++i) {
    if (pts[i].Y < pts[minIndex].Y) minIndex = i;
    if (pts[i].Y > pts[maxIndex].Y) maxIndex = i;
  }
  peak.MarkIndex1 = minIndex;
  peak.MarkIndex2 = maxIndex;
  return pts[maxIndex].Y - pts[minIndex].Y;
}

double ByHeight(std::span<const TDataPoint> pts, int b, int e, TDataPoint first, TDataPoint last, TPeakRecord& peak) {
  TExtremum extremum;
  if (peak.BaselineType == BaseLinePoly && e - b >= kMinTangentSpan) {
    peak.BaseCoef = CubicBaseline(pts, b, e);
    const auto coef = peak.BaseCoef;
    extremum = ExtremumAgainst(pts, b, e, [&coef](double x) { return Cubic(coef, x); });
  } else {
    // Both borders at one potential leave no line to measure against.
    if (last.X == first.X) {
      peak.MarkIndex1 = b;
      peak.MarkIndex2 = b;
      return 0.0;
    }
    const double slope = (last.Y - first.Y) / (last.X - first.X);
    extremum = ExtremumAgainst(pts, b, e, [&](double x) { return first.Y + (x - first.X) * slope; });
  }
  peak.MarkIndex1 = b;
  peak.MarkIndex2 = extremum.Index;
  return extremum.Value;
}

double BySquare(std::span<const TDataPoint> pts, int b, int e, int baselineType, TPeakRecord& peak) {
  double sum = 0.0;
  if (baselineType == BaseLinePoly && e - b >= kMinTangentSpan) {
    peak.BaseCoef = CubicBaseline(pts, b, e);
    for (int i = b; i < e; ++i) sum += (pts[i].Y - Cubic(peak.BaseCoef, pts[i].X)) * (pts[i + 1].X - pts[i].X);
  } else {
    for (int i = b; i < e; ++i) {
      const double chord = pts[b].Y + (pts[e].Y - pts[b].Y) * (i - b) / (e - b);
      sum += (pts[i].Y - chord) * (pts[i + 1].X - pts[i].X);
    }
  }
  return std::fabs(sum);
}

double ByTwoLines(std::span<const TDataPoint> pts, int b, int e, TPeakRecord& peak) {
  peak.BaseCoef = TangentLine(pts, b, 1);
  peak.RightLineCoef = TangentLine(pts, e, -1);
  const int m = (b + e) / 2;
  peak.MarkIndex1 = m;
  peak.MarkIndex2 = m;
  peak.MarkY1 = Line(peak.BaseCoef, pts[m].X);
  peak.MarkY2 = Line(peak.RightLineCoef, pts[m].X);
  return std::fabs(peak.MarkY1 - peak.MarkY2);
}

double ByChosenLine(std::span<const TDataPoint> pts, int b, int e, TPeakRecord& peak) {
  peak.BaseCoef = TangentLine(pts, b, 1);
  peak.RightLineCoef = TangentLine(pts, e, -1);
  const auto left = peak.BaseCoef;
  const auto right = peak.RightLineCoef;
  const TExtremum h1 = ExtremumAgainst(pts, b, e, [&left](double x) { return Line(left, x); });
  const TExtremum h2 = ExtremumAgainst(pts, b, e, [&right](double x) { return Line(right, x); });
  const bool useLeft = h1.Value < h2.Value;
  const TExtremum& chosen = useLeft ? h1 : h2;
  peak.ChosenLine = useLeft ? 1 : 2;
  peak.MarkIndex1 = chosen.Index;
  peak.MarkIndex2 = chosen.Index;
  peak.MarkY1 = Line(useLeft ? left : right, pts[chosen.Index].X);
  peak.MarkY2 = pts[chosen.Index].Y;
  return chosen.Value;
}

double ByIntersection(std::span<const TDataPoint> pts, int b, int e, double xB, double xE, TPeakRecord& peak) {
  peak.BaseCoef = TangentLine(pts, b, 1);
  peak.RightLineCoef = TangentLine(pts, e, -1);
  const double a0 = peak.BaseCoef[0], a1 = peak.BaseCoef[1];
  const double r0 = peak.RightLineCoef[0], r1 = peak.RightLineCoef[1];
  double value = 0.0;
  // Parallel tangents never cross: the value stays 0. A crossing on a border
  // counts as inside, allowing for the rounding of the two fits.
  if (r1 != a1) {
    const double crossing = (a0 - r0) / (r1 - a1);
    const double slack = 1e-9 * std::fmax(1.0, std::fmax(std::fabs(xB), std::fabs(xE)));
    if (std::fmin(xB, xE) - slack <= crossing && crossing <= std::fmax(xB, xE) + slack) value = crossing;
  }
  peak.MarkX1 = value;
  peak.MarkY1 = a0 + a1 * value;
  return value;
}

double ByPotentialDifference(std::span<const TDataPoint> pts, int b, int e, const TDataArr* paired, TPeakRecord& peak) {
  if (paired == nullptr || paired->empty()) return 0.0;
  int iMax = b, iMin = b;
  for (int i = b; i <= e; ++i) {
    if (pts[i].Y > pts[iMax].Y) iMax = i;
    if (pts[i].Y < pts[iMin].Y) iMin = i;
  }
  const TDataArr& other = *paired;
  int pb = IndexOfPotential(other, pts[b].X);
  int pe = IndexOfPotential(other, pts[e].X);
  if (pb > pe) std::swap(pb, pe);
  int pMax = pb, pMin = pb;
  for (int i = pb; i <= pe; ++i) {
    if (other[i].Y > other[pMax].Y) pMax = i;
    if (other[i].Y < other[pMin].Y) pMin = i;
  }
  if (other[pMin].Y < pts[iMin].Y) {
    peak.MarkX1 = pts[iMax].X;
    peak.MarkY1 = pts[iMax].Y;
    peak.MarkX2 = other[pMin].X;
    peak.MarkY2 = other[pMin].Y;
  } else {
    peak.MarkX1 = pts[iMin].X;
    peak.MarkY1 = pts[iMin].Y;
    peak.MarkX2 = other[pMax].X;
    peak.MarkY2 = other[pMax].Y;
  }
  return std::fabs(peak.MarkX1 - peak.MarkX2);
}

double ByLinearization(std::span<const TDataPoint> pts, int b, int e, TPeakRecord& peak) {
  const auto n = static_cast<int>(RoundHalfEven(static_cast<double>(e - b) * 60.0 / 100.0));
  if (n < 2) return 0.0;
  const double limit = std::fabs(pts[b].Y) < std::fabs(pts[e].Y) ? pts[e].Y : pts[b].Y;
  const int lower = (b + e - n) / 2;
  const int upper = lower + n;
  peak.LinSeries.clear();
  std::vector<double> x, y;
  for (int i = b; i < e; ++i) {
    // A point of zero current has no linearized value and is left out.
    if (pts[i].Y == 0.0) continue;
    const double q = (limit - pts[i].Y) / pts[i].Y;
    if (!(q > 0.0)) continue;
    const double lnq = std::log(q);
    peak.LinSeries.push_back({pts[i].X, lnq});
    if (lower < i && i < upper) {
      x.push_back(pts[i].X);
      y.push_back(lnq);
    }
  }
  peak.BaseCoef = x.size() > 2 ? FitCoefficients(x, y, 2) : std::array<double, 4>{};
  peak.BeginIndex = b;
  peak.EndIndex = e;
  return peak.BaseCoef[1];
}

}  // namespace

double CalcPeakValue(std::span<const TDataPoint> points, const TDataArr* paired, TPeakRecord& peak) {
  const int count = static_cast<int>(points.size());
  if (count == 0) {
    peak.PeakValue = 0.0;
    peak.ValueValid = 1;
    return 0.0;
  }
  const int b0 = peak.BeginIndex >= 0 && peak.BeginIndex < count ? peak.BeginIndex : 0;
  const int e0 = peak.EndIndex >= 0 && peak.EndIndex < count ? peak.EndIndex : 0;
  const TDataPoint first = points[b0];
  const TDataPoint last = points[e0];
  const int b = std::min(b0, e0);
  const int e = std::max(b0, e0);
  const bool wide = e - b >= kMinTangentSpan;
  peak.ChosenLine = 0;

  double value = 0.0;
  switch (peak.CalcType) {
    case CalcByHeight:
      value = ByHeight(points, b, e, first, last, peak);
      break;
    case CalcBySquare:
      value = BySquare(points, b, e, peak.BaselineType, peak);
      break;
    case CalcByMinMax:
      value = ByMinMax(points, b, e, peak);
      break;
    case CalcByMinMaxWLines:
      value = wide ? ByTwoLines(points, b, e, peak) : ByMinMax(points, b, e, peak);
      break;
    case CalcIntersection:
      value = wide ? ByIntersection(points, b, e, first.X, last.X, peak) : ByMinMax(points, b, e, peak);
      break;
    case CalcPotDiff:
      value = ByPotentialDifference(points, b, e, paired, peak);
      break;
    case CalcLinSlope:
      value = ByLinearization(points, b, e, peak);
      break;
    case CalcByMinMaxWLines2:
      value = wide ? ByChosenLine(points, b, e, peak) : ByMinMax(points, b, e, peak);
      break;
    default:
      break;
  }
  peak.PeakValue = value;
  peak.ValueValid = 1;
  return value;
}

}  // namespace velmora
