// The requirements of the methods and the results: cell results, the
// recalculation to the sample, custom methods and diffusion coefficients.
#include <cmath>
#include <numbers>

#include "CalcMethods.h"
#include "ConcUnits.h"
#include "ICalibrationLookup.h"
#include "TCalcSerie.h"
#include "TCalibrationCurves.h"
#include "TConcCalculation.h"
#include "TRegressionFigures.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

constexpr double kMissing = -1.0;

// A finite, non-negative result, or the missing value.
double Stored(double value) { return std::isfinite(value) && value >= 0.0 ? value : kMissing; }

// Where a built-in formula variable takes its value from.
enum class VarKind { Current, Concentration, Volume, User };
struct VarSource {
  VarKind Kind = VarKind::User;
  int Index = 0;  // role for currents, volume index for volumes
};

VarSource SourceOf(const std::string& name) {
  static const struct {
    const char* Name;
    VarKind Kind;
    int Index;
  } table[] = {{"IB", VarKind::Current, 0},       {"I0", VarKind::Current, 1},       {"I1", VarKind::Current, 2},
               {"I2", VarKind::Current, 3},       {"I3", VarKind::Current, 4},       {"IR", VarKind::Concentration, 0},
               {"C1", VarKind::Concentration, 0}, {"C2", VarKind::Concentration, 0}, {"C3", VarKind::Concentration, 0},
               {"VAL", VarKind::Volume, 0},       {"D", VarKind::Volume, 1},         {"M", VarKind::Volume, 2},
               {"VM", VarKind::Volume, 3},        {"VC", VarKind::Volume, 5},        {"V1", VarKind::Volume, 6},
               {"V2", VarKind::Volume, 7},        {"V3", VarKind::Volume, 8},        {"VR", VarKind::Volume, 9}};
  for (const auto& entry : table)
    if (TVAStruct::SameName(name, entry.Name)) return {entry.Kind, entry.Index};
  return {};
}

}  // namespace

void TConcCalculation::UpdateResults() {
  ChooseUsedCurves();
  params_ = CommonParams(used_, curves_);
  for (TCalcElement& row : elements_) {
    row.CellResult = kMissing;
    row.SampleResult = kMissing;
    row.Failure = nullptr;
    row.FailureToken.clear();
    row.Uncertainty = kMissing;
  }
  requirementsMet_ = CheckRequirements();
  regressions_.assign(elements_.size(), TCalcSerie{});
  if (!requirementsMet_) return;
  BuildRegressions();
  ComputeResults();
  SettleRegressions();
}

bool TConcCalculation::CheckRequirements() const {
  const auto& v = params_.Volumes;
  const double vc = v[5], v1 = v[6], v2 = v[7], v3 = v[8], vr = v[9];
  const auto n = [this](int role) { return RoleCount(role); };
  switch (method_) {
    case CalcMethods::kOneAddition:
      return n(0) < 2 && n(1) == 1 && n(2) == 1 && vc > 0 && v1 > 0;
    case CalcMethods::kStandardAdditions:
      if (RoleCurve(4)) return vc > 0 && v1 > 0 && v2 > 0 && v3 > 0 && n(1) + n(2) + n(3) + n(4) > 1;
      if (RoleCurve(3)) return vc > 0 && v1 > 0 && v2 > 0 && n(1) + n(2) + n(3) > 1;
      return vc > 0 && v1 > 0 && n(1) + n(2) > 1;
    case CalcMethods::kThreeAdditionsHg:
      return n(0) < 2 && n(1) == 1 && n(2) == 1 && n(3) == 1 && n(4) == 1 && vc > 0 && v1 > 0 && v2 > 0 && v3 > 0;
    case CalcMethods::kComparative:
      return n(0) < 2 && n(1) == 1 && n(5) == 1 && vc > 0 && vr > 0;
    case CalcMethods::kCalibrationCurve:
      return true;
    case CalcMethods::kByCalibration:
      return n(0) < 2 && n(1) == 1;
    default:
      if (const TCustomMethod* m = CustomMethod(method_)) return CustomRequirements(*m);
      return false;
  }
}

bool TConcCalculation::CustomRequirements(const TCustomMethod& method) const {
  for (const TCalcVar& var : method.Vars) {
    const VarSource source = SourceOf(var.Name);
    switch (source.Kind) {
      case VarKind::Current:
        if (RoleCount(source.Index) == 0) return false;
        break;
      case VarKind::Volume:
        if (!(params_.Volumes[static_cast<std::size_t>(source.Index)] > 0)) return false;
        break;
      case VarKind::User:
        if (!(UserVariable(var.Name) > 0)) return false;
        break;
      case VarKind::Concentration:
        break;
    }
  }
  return true;
}

void TConcCalculation::ComputeResults() {
  if (CalcMethods::IsCustom(method_)) {
    if (const TCustomMethod* m = CustomMethod(method_)) ComputeCustom(*m);
  } else if (method_ == CalcMethods::kCalibrationCurve) {
    ComputeDiffusion();
  } else if (CalcMethods::IsBuiltin(method_)) {
    ComputeBuiltin();
  }
}

void TConcCalculation::ComputeBuiltin() {
  const TVAStruct* analyte = RoleCurve(CalcMethods::kRoleAnalyte);
  const std::size_t a = IndexOf(analyte);
  if (a >= peaks_.size()) return;
  const auto& v = params_.Volumes;
  const double vc = v[5], v1 = v[6];
  for (std::size_t e = 0; e < elements_.size(); ++e) {
    if (!peaks_[a][e].Present) continue;
    TCalcElement& row = elements_[e];
    const double i0 = peaks_[a][e].Value;
    const double ib = RoleValue(CalcMethods::kRoleBackground, e);
    const double c = row.AddConc;
    double result = 0.0;
    double uncertainty = kMissing;
    switch (method_) {
      case CalcMethods::kOneAddition:
        result = OneAddition(i0, RoleValue(2, e), ib, c, vc, v1);
        break;
      case CalcMethods::kStandardAdditions: {
        const TCalcSerie& serie = regressions_[e];
        result = serie.Slope > 0.0 ? serie.Result : 0.0;
        if (result > 0.0) {
          const double u =
              TRegressionFigures::Of(serie.Points, serie.Intercept, serie.Slope).ExtrapolationUncertainty(serie.Offset);
          if (u >= 0.0) uncertainty = TRegressionFigures::kCoverage * u;
        }
        break;
      }
      case CalcMethods::kThreeAdditionsHg:
        result = ThreeAdditions(i0, RoleValue(2, e), RoleValue(3, e), RoleValue(4, e), ib, c, {vc, v1, v[7], v[8]});
        break;
      case CalcMethods::kComparative:
        result = Comparative(i0, RoleValue(CalcMethods::kRoleReference, e), ib, c);
        break;
      case CalcMethods::kByCalibration:
        result =
            Calibrations().ConcentrationFromCalibration(row.Name, params_.ResUnitTop, params_.ResUnitBottom, i0 - ib);
        if (const double u =
                Calibrations().CalibrationUncertainty(row.Name, params_.ResUnitTop, params_.ResUnitBottom, i0 - ib, 1);
            u >= 0.0)
          uncertainty = TRegressionFigures::kCoverage * u;
        break;
      default:
        break;
    }
    row.CellResult = Stored(result);
    row.Uncertainty = row.CellResult > 0.0 && std::isfinite(uncertainty) ? uncertainty : kMissing;
    row.SampleResult = RecalcToSample(row.CellResult, params_);
  }
}

double TConcCalculation::OneAddition(double i0, double i1, double ib, double c, double vc, double v1) {
  const double t = (i0 - ib) * v1;
  if (t == 0.0 || v1 == 0.0) return 0.0;
  const double q = (i1 - ib) * (vc + v1) / t - vc / v1;
  if (q == 0.0) return 0.0;
  return c * v1 / ((i1 - ib) / (i0 - ib) * (vc + v1) - vc);
}

TConcCalculation::TThreeAdditionsLine TConcCalculation::ThreeAdditionsLine(double i0, double i1, double i2, double i3,
                                                                           double c,
                                                                           const std::array<double, 4>& volumes) {
  TThreeAdditionsLine line;
  const double vc = volumes[0], v1 = volumes[1], v2 = volumes[2], v3 = volumes[3];
  const double s1 = vc + v1, s2 = vc + v1 + v2, s3 = vc + v1 + v2 + v3;
  if (!(s1 > 0) || !(s2 > 0) || !(s3 > 0)) return line;
  line.Conc = {c * v1 / s1, c * (v1 + v2) / s2, c * (v1 + v2 + v3) / s3};
  line.Signal = {i1 - i0 * vc / s1, i2 - i0 * vc / s2, i3 - i0 * vc / s3};
  const auto& cs = line.Conc;
  const auto& js = line.Signal;
  if (!(cs[2] > cs[1] && cs[2] > cs[0] && cs[1] > cs[0])) return line;
  const int pairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
  for (const auto& p : pairs) {
    const double s = (js[p[1]] - js[p[0]]) / (cs[p[1]] - cs[p[0]]);
    line.Slope += s;
    line.Intercept += js[p[0]] - s * cs[p[0]];
  }
  line.Slope /= 3.0;
  line.Intercept /= 3.0;
  line.Defined = true;
  return line;
}

double TConcCalculation::ThreeAdditions(double i0, double i1, double i2, double i3, double ib, double c,
                                        const std::array<double, 4>& volumes) {
  const TThreeAdditionsLine line = ThreeAdditionsLine(i0, i1, i2, i3, c, volumes);
  if (!line.Defined) return 0.0;
  return line.Slope > 0.0 ? (i0 - ib - line.Intercept) / line.Slope : 0.0;
}

double TConcCalculation::Comparative(double i0, double ir, double ib, double c) {
  return ir - ib > 0.0 ? c * (i0 - ib) / (ir - ib) : 0.0;
}

double TConcCalculation::RecalcToSample(double cellResult, const TConcParams& params) {
  if (cellResult == kMissing || !ConcUnits::IsValid(params.ResUnitTop) || !ConcUnits::IsValid(params.ResUnitBottom) ||
      !ConcUnits::IsValid(params.RecalcUnitTop) || !ConcUnits::IsValid(params.RecalcUnitBottom))
    return kMissing;
  const double x = ConcUnits::ToBaseUnits(params.ResUnitTop, params.ResUnitBottom, cellResult);
  const auto& v = params.Volumes;
  const double val = v[0], d = v[1], m = v[2], vm = v[3], vc = v[5];
  if (!(val > 0) || !(vc > 0) || !(d > 0)) return kMissing;
  double y = kMissing;
  if (ConcUnits::IsVolume(params.RecalcUnitBottom)) {
    y = x * vc * d / val;
  } else if (m > 0 && vm > 0) {
    y = x * vc * d * vm / (m * val * 1000.0);
  }
  if (y == kMissing) return kMissing;
  return Stored(ConcUnits::FromBaseUnits(params.RecalcUnitTop, params.RecalcUnitBottom, y));
}

void TConcCalculation::ComputeCustom(const TCustomMethod& method) {
  if (!evaluator_) return;
  for (std::size_t e = 0; e < elements_.size(); ++e) {
    TCalcElement& row = elements_[e];
    TCustomMethod filled = method;
    for (TCalcVar& var : filled.Vars) {
      const VarSource source = SourceOf(var.Name);
      switch (source.Kind) {
        case VarKind::Current:
          var.Value = RoleValue(source.Index, e);
          break;
        case VarKind::Concentration:
          var.Value = row.AddConc;
          break;
        case VarKind::Volume:
          var.Value = params_.Volumes[static_cast<std::size_t>(source.Index)];
          break;
        case VarKind::User:
          var.Value = UserVariable(var.Name);
          break;
      }
    }
    const TCustomMethodValue value = evaluator_(filled);
    if (value.Failed()) {
      // A quotient taken as 0 or an unknown operand is no result.
      row.SampleResult = kMissing;
      row.Failure = value.Failure;
      row.FailureToken = value.Token;
      continue;
    }
    // The formula's own value stands (negative ones included); only a
    // value that is no number at all counts as missing.
    row.SampleResult = std::isfinite(value.Value) ? value.Value : kMissing;
  }
}

void TConcCalculation::ComputeDiffusion() {
  if (calibrationType_ != CalcMethods::kAbscissaSweepRate && calibrationType_ != CalcMethods::kAbscissaAngularFrequency)
    return;
  const bool sweep = calibrationType_ == CalcMethods::kAbscissaSweepRate;
  for (std::size_t e = 0; e < elements_.size(); ++e) {
    TCalcElement& row = elements_[e];
    const TCalcSerie& serie = regressions_[e];
    double slopeTerm = 0.0;
    if (serie.Slope != 0.0) {
      slopeTerm = sweep ? serie.Slope * serie.Slope : serie.Slope;
    } else {
      std::size_t holder = peaks_.size();
      int holders = 0;
      for (std::size_t i = 0; i < peaks_.size(); ++i) {
        if (!peaks_[i][e].Present) continue;
        ++holders;
        holder = i;
      }
      if (holders == 1) {
        const double current = peaks_[holder][e].Value * 1e-6;
        const TVAStruct& curve = *curves_[holder];
        if (sweep) {
          const double rate = curve.Params.SweepRate() / 1000.0;
          slopeTerm = rate > 0.0 ? current * current / rate : 0.0;
        } else {
          const double omega = curve.StirrerSpeed * 2.0 * std::numbers::pi / 60.0;
          slopeTerm = omega > 0.0 ? current / std::sqrt(omega) : 0.0;
        }
      }
    }
    const double d =
        sweep ? RandlesSevcik(slopeTerm, params_.CalcCoefficients) : Levich(slopeTerm, params_.CalcCoefficients);
    row.SampleResult = Stored(d);
  }
}

double TConcCalculation::RandlesSevcik(double e, const std::array<double, 5>& k) {
  const double n = k[0], area = k[1], conc = k[2], temperature = k[3];
  if (!(n > 0) || !(area > 0) || !(conc > 0)) return 0.0;
  const double nf = n * kFaraday;
  const double geometry = 0.4463 * area * conc / 1000.0;
  return e * kGasConstant * temperature / (nf * nf * nf * geometry * geometry);
}

double TConcCalculation::Levich(double e, const std::array<double, 5>& k) {
  const double n = k[0], area = k[1], conc = k[2], viscosity = k[4];
  if (!(n > 0) || !(area > 0) || !(conc > 0) || !(viscosity > 0)) return 0.0;
  const double d = std::pow(viscosity, -1.0 / 6.0) * (n * 0.62 * kFaraday) * area * conc / 1000.0;
  return std::pow(std::fabs(e) / d, 1.5);
}

}  // namespace velmora
