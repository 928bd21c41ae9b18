#include "PeakSearch.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "CalcTypeCycle.h"
#include "CurveProcessing.h"
#include "Message.h"
#include "Messages.h"

namespace velmora {

namespace {

// Window parameter of the search's moving averages (10-point windows).
constexpr int kSearchSmoothing = 9;
// Smallest area between a candidate and its chord, µA·mV.
constexpr double kMinChordArea = 3.0;
// Second derivatives at or below this count as vanishing at a border.
constexpr double kFlatCurvature = 0.0001;

int Sign(double value) { return value > 0.0 ? 1 : (value < 0.0 ? -1 : 0); }

int High(const TDataArr& points) { return static_cast<int>(points.size()) - 1; }

bool HoldsName(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

double OverloadThreshold(int valuesRange, bool modulation) {
  return std::pow(10.0, valuesRange) * (modulation ? 0.02 : 0.2);
}

TDataArr Differentiate(std::span<const TDataPoint> points) {
  TDataArr result;
  if (points.size() < 2) return result;
  result.reserve(points.size() - 1);
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const double dx = points[i + 1].X - points[i].X;
    result.push_back({points[i].X + dx / 2.0, dx != 0.0 ? (points[i + 1].Y - points[i].Y) / dx : 0.0});
  }
  return result;
}

double ChordArea(std::span<const TDataPoint> points, int l, int r) {
  const int count = static_cast<int>(points.size());
  if (l < 0 || r >= count) return 0.0;
  double sum = 0.0;
  for (int i = l; i < r; ++i) {
    const double chord = r - l > 0 ? points[l].Y + (points[r].Y - points[l].Y) * (i - l) / (r - l) : 0.0;
    sum += (points[i].Y - chord) * (points[i + 1].X - points[i].X);
  }
  return std::fabs(sum);
}

bool IsOverloaded(std::span<const TDataPoint> points, int l, int r, double fullScale) {
  if (points.empty()) return false;
  const int last = static_cast<int>(points.size()) - 1;
  const int from = std::clamp(std::min(l, r), 0, last);
  const int to = std::clamp(std::max(l, r), 0, last);
  for (int i = from; i <= to; ++i) {
    if (points[i].Y >= fullScale || points[i].Y <= -fullScale) return true;
  }
  return false;
}

int Walk(std::span<const TDataPoint> points, int start, int target, int limit, int step) {
  int p = start;
  while (p != target) {
    const double dx = points[target].X - points[p].X;
    if (dx == 0.0) break;
    const double slope = (points[target].Y - points[p].Y) / dx;
    bool below = false;
    for (int q = p; step > 0 ? q < limit : q > limit; q += step) {
      if (points[p].Y + (points[q].X - points[p].X) * slope > points[q].Y) {
        below = true;
        break;
      }
    }
    if (!below) break;
    p += step;
  }
  return p;
}

void RefineBorder(std::span<const TDataPoint> points, int& l, int& r) {
  const double dx = points[r].X - points[l].X;
  const double slope = dx != 0.0 ? (points[r].Y - points[l].Y) / dx : 0.0;
  if (slope > 0.0)
    l = Walk(points, l, r, r - (r - l) / 2, 1);
  else
    r = Walk(points, r, l, l + (r - l) / 2, -1);
}

std::string ChoosePeakName(double xL, double xR, const TPredefPeaks& predefined,
                           const std::vector<std::string>& heldNames, double& additionConc) {
  additionConc = 0.0;
  if (predefined.empty()) {
    std::string name;
    for (int number = 1;; ++number) {
      name = Message(msg::UnknownPeakName, {std::to_string(number)}).format();
      if (!HoldsName(heldNames, name)) break;
    }
    for (const auto& element : DefaultElementPotentials) {
      if (xL < element.Potential && element.Potential < xR) return element.Name;
    }
    return name;
  }
  for (const auto& entry : predefined) {
    if (entry.LeftBorder < xL && entry.RightBorder > xR && entry.AdditionConc != 0.0) {
      additionConc = entry.AdditionConc;
      return entry.Name;
    }
  }
  return {};
}

std::vector<TFoundPeak> SearchPeaks(const TPeakSearchInput& input) {
  std::vector<TFoundPeak> found;
  const std::span<const TDataPoint> curve = input.Points;
  const std::span<const TDataPoint> stored = input.Stored.empty() ? curve : input.Stored;
  if (curve.size() < 2) return found;

  TDataArr d(curve.begin(), curve.end());
  if (input.Invert == 1) {
    for (auto& point : d) point.Y = -point.Y;
  }
  const bool reversed = d.back().X < d.front().X;
  if (reversed) ShellSortByX(d);
  const int highD = High(d);
  // Index of a point of the ascending working copy in the curve's own order.
  auto toCurve = [&](int k) { return reversed ? highD - k : k; };

  d = SmoothMovingAverage(d, kSearchSmoothing);
  const TDataArr g1 = SmoothMovingAverage(Differentiate(d), kSearchSmoothing);
  const TDataArr g2 = SmoothMovingAverage(Differentiate(g1), kSearchSmoothing);
  const int highG1 = High(g1);
  const int highG2 = High(g2);
  auto s1 = [&](int k) { return Sign(g1[k].Y); };
  auto acceptable = [&](int l, int r) {
    return ChordArea(d, l, r) > kMinChordArea && !IsOverloaded(stored, toCurve(l), toCurve(r), input.FullScale);
  };

  std::vector<std::string> held = input.ExistingNames;
  for (int i = 0; i <= highG1 - 1; ++i) {
    if (!(s1(i) == 1 && s1(i + 1) == -1)) continue;

    // Inflections on either side of the maximum; a side without one uses
    // the end of the derivative.
    int leftInflection = 0;
    for (int n = i; n >= 1; --n) {
      if (g1[n].Y > g1[n - 1].Y) {
        leftInflection = n;
        break;
      }
    }
    int rightInflection = highG1;
    for (int j = i + 1; j <= highG1 - 1; ++j) {
      if (g1[j].Y < g1[j + 1].Y) {
        rightInflection = j;
        break;
      }
    }
    const int half = (rightInflection - leftInflection) / 2;

    int l = 0;
    for (int n = leftInflection - half; n >= 1; --n) {
      if (s1(n) == -1 || (g2[n].Y <= kFlatCurvature && g2[n].Y < g2[n - 1].Y) || g2[n].Y < 0.0) {
        l = n - 1;
        break;
      }
    }
    int r = 0;
    for (int k = std::max(rightInflection + half, 0); k <= highG1 - 1; ++k) {
      const bool flattening = g2[k].Y <= kFlatCurvature && k + 1 <= highG2 && g2[k].Y < g2[k + 1].Y;
      if (s1(k) == 1 || flattening || g2[k].Y < 0.0) {
        r = k + 1;
        break;
      }
    }
    if (r == 0) r = highG1;

    if (!acceptable(l, r)) continue;
    RefineBorder(d, l, r);
    if (!acceptable(l, r)) continue;

    const int begin = toCurve(l);
    const int end = toCurve(r);
    double additionConc = 0.0;
    const std::string name =
        ChoosePeakName(curve[static_cast<std::size_t>(begin)].X, curve[static_cast<std::size_t>(end)].X,
                       input.Predefined, held, additionConc);
    if (name.empty()) continue;
    held.erase(std::remove(held.begin(), held.end(), name), held.end());
    held.push_back(name);
    found.push_back({name, begin, end, additionConc});
  }
  return found;
}

void AddFoundPeaks(TPeaks& peaks, std::span<const TFoundPeak> found, int calcType) {
  for (const auto& peak : found) {
    const auto same =
        std::find_if(peaks.begin(), peaks.end(), [&](const TPeakRecord& p) { return p.Name == peak.Name; });
    if (same != peaks.end()) peaks.erase(same);
    TPeakRecord added;
    added.UnitTop = 0;
    added.UnitBottom = 0;
    added.Name = peak.Name;
    added.BeginIndex = peak.BeginIndex;
    added.EndIndex = peak.EndIndex;
    added.CalcType = StoredCalcType(calcType);
    added.BaselineType = 0;  // a found peak is always measured over a straight baseline
    added.AdditionConc = peak.AdditionConc;
    peaks.push_back(added);
  }
}

}  // namespace velmora
