// The regression behind each element's result: the points, the line and the
// reading that the table's number comes from, for the charts to draw.
#include "CalcMethods.h"
#include "ICalibrationLookup.h"
#include "TConcCalculation.h"
#include "TVAStruct.h"

namespace velmora {

const TCalcSerie& TConcCalculation::Regression(std::size_t element) const {
  static const TCalcSerie none;
  return element < regressions_.size() ? regressions_[element] : none;
}

TConcCalculation::SignalKind TConcCalculation::RegressionSignal() const {
  switch (method_) {
    case CalcMethods::kOneAddition:
      return SignalKind::ReferredToCell;
    case CalcMethods::kThreeAdditionsHg:
      return SignalKind::LessDilutedSample;
    case CalcMethods::kByCalibration:
      return SignalKind::LessBlank;
    default:
      return SignalKind::Measured;
  }
}

void TConcCalculation::BuildRegressions() {
  for (std::size_t e = 0; e < elements_.size(); ++e) {
    TCalcSerie& serie = regressions_[e];
    serie.Reset();
    serie.SetTitle(elements_[e].Name);
    BuildRegression(e, serie);
    // Copies outlive this calculation: they keep no way back into it.
    serie.ValueSource = nullptr;
  }
}

void TConcCalculation::BuildRegression(std::size_t e, TCalcSerie& serie) const {
  const TCalcElement& row = elements_[e];
  // The values this calculation read (a curve's first peak of the name).
  serie.ValueSource = [this, e](TVAStruct& curve, const std::string&, double& value) {
    const std::size_t i = IndexOf(&curve);
    if (i >= peaks_.size() || !peaks_[i][e].Present) return false;
    value = peaks_[i][e].Value;
    return true;
  };
  if (method_ == CalcMethods::kStandardAdditions) {
    serie.FillAdditions(curves_, row);
    return;
  }
  if (method_ == CalcMethods::kCalibrationCurve) {
    if (calibrationType_ < 0) return;  // the curves disagree on the abscissa: no line, as no table
    serie.FillCalibration(OnTheFlyCalibration(e), 5, calibrationType_, 2);
    // A calibration curve reads no concentration: no result mark.
    serie.ResultMark.clear();
    serie.Result = -1.0;
    return;
  }
  if (!CalcMethods::IsBuiltin(method_)) return;

  // The methods that read the sample (role 1) curve against the others.
  const std::size_t a = IndexOf(RoleCurve(CalcMethods::kRoleAnalyte));
  if (a >= peaks_.size() || !peaks_[a][e].Present) return;
  const double i0 = peaks_[a][e].Value;
  const double ib = RoleValue(CalcMethods::kRoleBackground, e);
  const bool blank = [&] {
    const std::size_t b = IndexOf(RoleCurve(CalcMethods::kRoleBackground));
    return b < peaks_.size() && peaks_[b][e].Present;
  }();
  const auto holds = [&](int role) {
    const std::size_t i = IndexOf(RoleCurve(role));
    return i < peaks_.size() && peaks_[i][e].Present;
  };
  const auto& v = params_.Volumes;
  const double vc = v[5], v1 = v[6];
  const double c = row.AddConc;
  switch (method_) {
    case CalcMethods::kOneAddition: {
      // The sample at 0 and its addition at the concentration added to the
      // cell volume before the addition, its signal referred to that volume:
      // the line's intercept with the background level is the result.
      serie.AddPoint(0.0, i0);
      if (holds(2) && vc > 0.0) {
        const double i1 = RoleValue(2, e);
        serie.AddPoint(c * v1 / vc, ib + (i1 - ib) * (vc + v1) / vc);
      }
      serie.Offset = ib;
      serie.Fit();
      if (ib != 0.0) serie.SetOffset(ib);
      break;
    }
    case CalcMethods::kThreeAdditionsHg: {
      const TThreeAdditionsLine line =
          ThreeAdditionsLine(i0, RoleValue(2, e), RoleValue(3, e), RoleValue(4, e), c, {vc, v1, v[7], v[8]});
      for (int k = 0; k < 3; ++k)
        if (holds(2 + k))
          serie.AddPoint(line.Conc[static_cast<std::size_t>(k)], line.Signal[static_cast<std::size_t>(k)]);
      if (!line.Defined) break;
      serie.SetLine(line.Intercept, line.Slope);
      if (line.Slope > 0.0) serie.ReadAt(i0 - ib);
      break;
    }
    case CalcMethods::kComparative: {
      const double ir = RoleValue(CalcMethods::kRoleReference, e);
      if (blank) serie.AddPoint(0.0, ib);
      if (holds(CalcMethods::kRoleReference)) serie.AddPoint(c, ir);
      if (!(ir - ib > 0.0) || !(c > 0.0)) break;
      serie.SetLine(ib, (ir - ib) / c);
      serie.ReadAt(i0);
      break;
    }
    case CalcMethods::kByCalibration: {
      const ICalibrationLookup& lookup = Calibrations();
      TCalibrationLine line;
      if (lookup.ActiveLine(row.Name, params_.ResUnitTop, params_.ResUnitBottom, line)) {
        for (const TDataPoint& p : line.Points) serie.AddPoint(p.X, p.Y);
        serie.SetLine(line.Intercept, line.Slope, line.R2);
      } else {
        TCalibrationCurves calibration;
        if (!lookup.ActiveCalibration(row.Name, calibration)) break;
        serie.ValueSource = nullptr;  // the standards are read as they are
        serie.FillCalibration(calibration, params_.ResUnitTop, CalcMethods::kAbscissaConcentration,
                              params_.ResUnitBottom);
      }
      serie.ReadAt(i0 - ib);
      break;
    }
    default:
      break;
  }
}

void TConcCalculation::SettleRegressions() {
  if (!CalcMethods::IsBuiltin(method_) || method_ == CalcMethods::kCalibrationCurve) return;
  for (std::size_t e = 0; e < elements_.size(); ++e) {
    TCalcSerie& serie = regressions_[e];
    const double result = elements_[e].CellResult;
    // The chart reads what the table shows; a result the table shows as "?"
    // is marked nowhere.
    serie.Result = result;
    if (result < 0.0) {
      serie.ResultMark.clear();
      if (serie.Reading) serie.LevelLine.clear();
    }
  }
}

}  // namespace velmora
