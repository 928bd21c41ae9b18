#include "PeakTable.h"

#include <algorithm>

namespace velmora {

namespace {

double PotentialAt(const TDataArr& points, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= points.size()) return 0.0;
  return points[static_cast<std::size_t>(index)].X;
}

}  // namespace

TElementsPeaksArr BuildPeakTable(std::span<const TPeakTableCurve> curves) {
  TElementsPeaksArr table;
  for (const auto& curve : curves) {
    if (curve.Points == nullptr || curve.Peaks == nullptr || curve.Points->empty()) continue;
    const TDataArr& points = *curve.Points;
    for (const auto& peak : *curve.Peaks) {
      auto row = std::find_if(table.begin(), table.end(), [&](const TElementPeak& r) { return r.Name == peak.Name; });
      const double begin = PotentialAt(points, peak.BeginIndex);
      const double end = PotentialAt(points, peak.EndIndex);
      if (row != table.end()) {
        row->InCurves = 1;
        if (row->CalcType != peak.CalcType) row->CalcType = -1;
        if (row->BaselineType != peak.BaselineType) row->BaselineType = -1;
        // Compared as a range: a curve recorded towards negative potentials
        // holds its borders in descending order.
        const double low = std::min(begin, end);
        const double high = std::max(begin, end);
        if (low != row->BeginPotential || high != row->EndPotential) {
          row->BordersDiffer = 1;
          row->BeginPotential = std::min(row->BeginPotential, low);
          row->EndPotential = std::max(row->EndPotential, high);
        }
        continue;
      }
      TElementPeak added;
      added.Name = peak.Name;
      added.PeakValue = peak.PeakValue;
      added.CalcType = peak.CalcType;
      added.BaselineType = peak.BaselineType;
      added.BeginPotential = std::min(begin, end);
      added.EndPotential = std::max(begin, end);
      table.push_back(added);
    }
  }
  return table;
}

}  // namespace velmora
