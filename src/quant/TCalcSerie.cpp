#include "TCalcSerie.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "CalcMethods.h"
#include "CalcTypeCycle.h"
#include "ConcUnits.h"
#include "PolyFit.h"
#include "TCalcElement.h"
#include "TCalibrationCurves.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

// Restores the process-wide peak calculation type when leaving a scope.
class CalcTypeScope {
 public:
  explicit CalcTypeScope(int calcType) : saved_(CurrentCalcType()) {
    if (calcType >= 0) SetCurrentCalcType(calcType);
  }
  ~CalcTypeScope() { SetCurrentCalcType(saved_); }
  CalcTypeScope(const CalcTypeScope&) = delete;
  CalcTypeScope& operator=(const CalcTypeScope&) = delete;

 private:
  int saved_;
};

double XRangeOf(const TDataArr& points, bool largest) {
  double v = points.front().X;
  for (const TDataPoint& p : points) v = largest ? std::max(v, p.X) : std::min(v, p.X);
  return v;
}

int RoleOf(const TVAStruct& curve) { return curve.Params.MeasurementType(); }

}  // namespace

void TCalcSerie::Reset() {
  Points.clear();
  Line.clear();
  LevelLine.clear();
  ResultMark.clear();
  Offset = 0.0;
  Result = -1.0;
  Reading = false;
  ReadSignal = 0.0;
}

void TCalcSerie::SetShowTrend(bool on) {
  ShowTrend = on ? 1 : 0;
  Fit();
  SetOffset(Offset);
}

void TCalcSerie::SetOffset(double value) {
  Offset = value;
  LevelLine.clear();
  if (value == 0.0) return;
  const TDataArr& range = ShowTrend && !Line.empty() ? Line : Points;
  if (range.empty()) return;
  LevelLine.push_back({XRangeOf(range, false), value});
  LevelLine.push_back({XRangeOf(range, true), value});
}

void TCalcSerie::AddPoint(double x, double y) {
  auto at = std::upper_bound(Points.begin(), Points.end(), x, [](double v, const TDataPoint& p) { return v < p.X; });
  Points.insert(at, TDataPoint{x, y});
}

void TCalcSerie::ClearFit() {
  Intercept = 0.0;
  Slope = 0.0;
  R2 = 0.0;
  Result = 0.0;
  ResultMark.clear();
}

void TCalcSerie::Fit() {
  Line.clear();
  std::size_t distinct = Points.empty() ? 0 : 1;
  for (const TDataPoint& p : Points)
    if (p.X != Points.front().X) ++distinct;
  if (distinct < 2) {
    ClearFit();
    return;
  }
  std::vector<double> xs, ys;
  xs.reserve(Points.size());
  ys.reserve(Points.size());
  for (const TDataPoint& p : Points) {
    xs.push_back(p.X);
    ys.push_back(p.Y);
  }
  const TPolyFit fit = PolyFit(xs, ys, 2);
  Intercept = fit.Coef[0];
  Slope = fit.Coef[1];
  R2 = fit.Quality;
  Result = Slope > 0.0 ? (Intercept - Offset) / Slope : 0.0;
  Reading = false;
  ResultMark.clear();
  if (!ShowTrend) return;
  DrawLine();
  ResultMark.push_back({-Result, Offset});
}

void TCalcSerie::DrawLine() {
  Line.clear();
  if (Points.empty()) return;
  if (Slope != 0.0) {
    Line.push_back({-Intercept / Slope, 0.0});
  } else {
    Line.push_back({0.0, Intercept});
  }
  const double xMax = XRangeOf(Points, true);
  Line.push_back({xMax, Intercept + Slope * xMax});
}

void TCalcSerie::SetLine(double intercept, double slope, double r2) {
  Line.clear();
  ResultMark.clear();
  Intercept = intercept;
  Slope = slope;
  if (r2 >= 0.0) {
    R2 = r2;
  } else {
    // The fit quality of this line: sqrt(1 - SSres/SStot), 1 for a signal
    // that does not vary.
    double mean = 0.0;
    for (const TDataPoint& p : Points) mean += p.Y;
    mean /= Points.empty() ? 1.0 : static_cast<double>(Points.size());
    double ssRes = 0.0, ssTot = 0.0;
    for (const TDataPoint& p : Points) {
      const double e = p.Y - (intercept + slope * p.X);
      ssRes += e * e;
      ssTot += (p.Y - mean) * (p.Y - mean);
    }
    R2 = ssTot > 0.0 ? std::sqrt(std::max(0.0, 1.0 - ssRes / ssTot)) : 1.0;
  }
  Result = 0.0;
  if (!ShowTrend || Points.empty()) return;
  // Over the points, from the concentration 0 on.
  const double x0 = std::min(0.0, XRangeOf(Points, false));
  const double x1 = XRangeOf(Points, true);
  Line.push_back({x0, Intercept + Slope * x0});
  Line.push_back({x1, Intercept + Slope * x1});
}

void TCalcSerie::ReadAt(double signal) {
  Reading = true;
  ReadSignal = signal;
  LevelLine.clear();
  ResultMark.clear();
  if (Slope == 0.0 || !std::isfinite(Slope)) {
    Result = -1.0;
    return;
  }
  const double xStar = (signal - Intercept) / Slope;
  Result = xStar;
  const TDataArr& range = ShowTrend && !Line.empty() ? Line : Points;
  const double x0 = range.empty() ? std::min(0.0, xStar) : std::min(XRangeOf(range, false), xStar);
  LevelLine.push_back({x0, signal});
  LevelLine.push_back({xStar, signal});
  LevelLine.push_back({xStar, 0.0});
  if (!ShowTrend) return;
  // The line reaches the reading also beyond the last standard.
  if (Line.size() == 2 && xStar > Line.back().X) Line.back() = {xStar, signal};
  if (Line.size() == 2 && xStar < Line.front().X) Line.front() = {xStar, signal};
  ResultMark.push_back({xStar, 0.0});
}

void TCalcSerie::HideTrend() {
  ShowTrend = 0;
  Line.clear();
  ResultMark.clear();
  if (Points.empty()) {
    LevelLine.clear();
    return;
  }
  if (Reading) {
    if (!LevelLine.empty()) LevelLine.front().X = std::min(XRangeOf(Points, false), LevelLine[1].X);
  } else {
    SetOffset(Offset);
  }
}

bool TCalcSerie::PeakValueOf(TVAStruct& curve, const std::string& name, double& value) {
  const std::int32_t index = curve.FindPeak(name);
  if (index < 0) return false;
  value = curve.GetPeak(index).PeakValue;
  return true;
}

bool TCalcSerie::ValueOf(TVAStruct& curve, const std::string& name, double& value) const {
  return ValueSource ? ValueSource(curve, name, value) : PeakValueOf(curve, name, value);
}

void TCalcSerie::FillAdditions(std::span<TVAStruct* const> curves, const TCalcElement& element) {
  Points.clear();
  Line.clear();
  ResultMark.clear();
  Title = element.Name;
  // The cell and addition volumes must agree on every curve.
  for (std::size_t i = 1; i < curves.size(); ++i) {
    for (int v = 5; v < TVAStruct::kVolumeCount; ++v) {
      if (curves[i]->Volumes[static_cast<std::size_t>(v)] != curves[i - 1]->Volumes[static_cast<std::size_t>(v)]) {
        ClearFit();
        return;
      }
    }
  }
  if (!curves.empty()) {
    for (std::size_t v = 0; v < CellVolumes.size(); ++v) CellVolumes[v] = curves.front()->Volumes[5 + v];
  }
  const double vc = CellVolumes[0];
  const double c = element.AddConc;
  double offset = 0.0;
  for (TVAStruct* curve : curves) {
    double value = 0.0;
    if (!ValueOf(*curve, element.Name, value)) continue;
    const int role = RoleOf(*curve);
    if (role == CalcMethods::kRoleBackground) {
      offset = value;
      continue;
    }
    if (role < 1 || role >= CalcMethods::kRoleCount) continue;
    double added = 0.0;
    for (int k = 0; k < role - 1; ++k) added += CellVolumes[static_cast<std::size_t>(1 + k)];
    const double x = vc + added > 0.0 ? added * c / (vc + added) : 0.0;
    AddPoint(x, value);
  }
  Offset = offset;
  Fit();
  if (Offset != 0.0) SetOffset(Offset);
}

bool TCalcSerie::AbscissaOf(const TVAStruct& curve, int abscissaType, double& x, double& signalScale) {
  const TVAParams& p = curve.Params;
  signalScale = 1.0;
  switch (abscissaType) {
    case CalcMethods::kAbscissaSweepRate: {
      const double rate = p.SweepRate() / 1000.0;
      if (!(rate >= 0.0)) return false;
      x = std::sqrt(rate);
      signalScale = 1e-6;
      return true;
    }
    case CalcMethods::kAbscissaAngularFrequency: {
      if (curve.StirrerSpeed < 1) return false;
      x = std::sqrt(curve.StirrerSpeed * 2.0 * std::numbers::pi / 60.0);
      signalScale = 1e-6;
      return true;
    }
    case 3:
      x = p.CleaningPotential();
      return true;
    case 4:
      x = p.CleaningTime();
      return true;
    case 5:
      x = p.Preparation1Potential();
      return true;
    case 6:
      x = p.Preparation1Time();
      return true;
    case 7:
      x = p.Preparation2Potential();
      return true;
    case 8:
      x = p.Preparation2Time();
      return true;
    case 9:
      x = p.ElectrolysisPotential();
      return true;
    case 10:
      x = p.ElectrolysisTime();
      return true;
    case 11:
      x = p.DelayAfterMixing();
      return true;
    case 12:
      x = p.ModulationAmplitude();
      return true;
    case 13:
      x = p.ModulationFrequency();
      return true;
    default:
      return false;
  }
}

void TCalcSerie::FillCalibration(const TCalibrationCurves& calibration, std::int32_t unitTop, int abscissaType,
                                 std::int32_t unitBottom) {
  Points.clear();
  Line.clear();
  ResultMark.clear();
  Title = calibration.Name;
  if (calibration.IncludeZeroPoint) AddPoint(0.0, 0.0);
  {
    CalcTypeScope scope(calibration.CalcType);
    for (TVAStruct* curve : calibration.Curves) {
      const std::int32_t index = curve->FindPeak(calibration.Name);
      if (index < 0) continue;
      const TPeakRecord& peak = curve->Peaks[static_cast<std::size_t>(index)];
      double value = 0.0;
      if (!ValueOf(*curve, calibration.Name, value)) continue;
      double x = 0.0;
      double scale = 1.0;
      if (abscissaType == CalcMethods::kAbscissaConcentration) {
        // A standard without a usable concentration unit gives no point
        // rather than a point at the "missing" value -1.
        if (peak.GridValue == -1.0) continue;
        x = ConcUnits::Convert(peak.UnitTop, peak.UnitBottom, unitTop, unitBottom, peak.GridValue);
        if (x == -1.0) continue;
      } else if (!AbscissaOf(*curve, abscissaType, x, scale)) {
        continue;
      }
      const double y = value * scale;
      if (!std::isfinite(x) || !std::isfinite(y)) continue;
      AddPoint(x, y);
    }
  }
  Fit();
  if (Offset != 0.0) SetOffset(Offset);
}

void TCalcSerie::DrawReading(std::span<TVAStruct* const> curves, const std::string& element) {
  Offset = 0.0;
  ResultMark.clear();
  double background = 0.0;
  for (TVAStruct* curve : curves) {
    double value = 0.0;
    if (RoleOf(*curve) == CalcMethods::kRoleBackground && ValueOf(*curve, element, value)) background = value;
  }
  for (TVAStruct* curve : curves) {
    double y = 0.0;
    if (RoleOf(*curve) != CalcMethods::kRoleAnalyte || !ValueOf(*curve, element, y)) continue;
    if (Slope == 0.0) continue;
    ReadAt(y - background);
  }
}

double TCalcSerie::Extent(int which) const {
  if (Points.empty()) return 0.0;
  double v = which < 2 ? Points.front().X : Points.front().Y;
  for (const TDataPoint& p : Points) {
    switch (which) {
      case 0:
        v = std::min(v, p.X);
        break;
      case 1:
        v = std::max(v, p.X);
        break;
      case 2:
        v = std::min(v, p.Y);
        break;
      default:
        v = std::max(v, p.Y);
        break;
    }
  }
  return v;
}

}  // namespace velmora
