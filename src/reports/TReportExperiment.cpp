#include "TReportExperiment.h"

#include <algorithm>

#include "CalcMethods.h"
#include "ConcUnits.h"
#include "Messages.h"
#include "TConcCalculation.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

std::shared_ptr<TVAStruct> Borrowed(TVAStruct* curve) {
  return std::shared_ptr<TVAStruct>(curve, [](TVAStruct*) {});
}

}  // namespace

bool TReportExperiment::GivesConcentrations(int method) {
  // The calibration-curve method fits lines and, by some abscissas,
  // computes diffusion coefficients (cm²/s), never a concentration.
  return method >= 0 && method != CalcMethods::kCalibrationCurve;
}

bool TReportExperiment::CanAdd(const TConcCalculation& calc, const TReportRec& report) {
  if (!GivesConcentrations(calc.Method())) return false;
  const auto& rows = calc.Elements();
  if (std::none_of(rows.begin(), rows.end(), [](const TCalcElement& e) { return e.SampleResult > 0.0; })) return false;
  if (CalcMethods::IsCustom(calc.Method())) return true;
  const TConcParams& p = calc.Params();
  if (p.ResUnitTop < 0 || p.ResUnitBottom < 0 || p.RecalcUnitTop < 0 || p.RecalcUnitBottom < 0) return false;
  if (report.NativeUnitBottom == -1) return true;
  return ConcUnits::IsMass(report.UnitBottom) == ConcUnits::IsMass(p.RecalcUnitBottom) &&
         ConcUnits::IsValid(report.UnitBottom);
}

void TReportExperiment::SampleUnits(const TConcCalculation& calc, std::int32_t& top, std::int32_t& bottom) {
  const TConcParams& p = calc.Params();
  top = p.RecalcUnitTop;
  bottom = p.RecalcUnitBottom;
  if (top >= 0) return;
  if (const TCustomMethod* custom = calc.CustomMethod(calc.Method())) {
    top = custom->ResultUnitTop;
    bottom = custom->ResultUnitBottom;
  }
}

const char* TReportExperiment::Refusal(const TConcCalculation& calc, const TReportRec& report) {
  if (!CalcMethods::IsCustom(calc.Method())) return nullptr;
  std::int32_t top = -1, bottom = -1;
  SampleUnits(calc, top, bottom);
  if (!ConcUnits::IsMass(top) || !ConcUnits::IsValid(bottom)) return msg::ReportEquationWithoutUnits;
  if (report.NativeUnitBottom != -1 || !report.Empty()) {
    const bool massFraction = ConcUnits::IsMass(bottom);
    if (ConcUnits::IsValid(report.UnitBottom) && ConcUnits::IsMass(report.UnitBottom) != massFraction)
      return msg::ReportUnitsOfAnotherKind;
  }
  return nullptr;
}

std::optional<TExpRec> TReportExperiment::FromCalculation(const TConcCalculation& calc, const std::string& documentPath,
                                                          std::int32_t peakCalcType,
                                                          const TCalibrationSource& calibrations) {
  const int method = calc.Method();
  const TConcParams& p = calc.Params();
  TExpRec e;
  e.Name = documentPath;
  e.ResUnitTop = p.ResUnitTop;
  e.ResUnitBottom = p.ResUnitBottom;
  SampleUnits(calc, e.RecalcUnitTop, e.RecalcUnitBottom);
  // A custom equation has no result in the cell: its units are the sample's.
  if (CalcMethods::IsCustom(method) && e.ResUnitTop < 0) {
    e.ResUnitTop = e.RecalcUnitTop;
    e.ResUnitBottom = e.RecalcUnitBottom;
  }
  e.PeakCalcType = peakCalcType;
  e.CalcMethod = method;
  if (const TCustomMethod* custom = CalcMethods::IsCustom(method) ? calc.CustomMethod(method) : nullptr) {
    e.Vars = custom->Vars;
    // The values the curves hold now.
    for (TCalcVar& v : e.Vars) {
      const double value = calc.UserVariable(v.Name);
      if (value != -1.0) v.Value = value;
    }
  }
  if (e.Vars.empty()) {
    e.AliquotVolume = p.Volumes[0];
    e.CellVolume = p.Volumes[5];
    e.DilutionFactor = p.Volumes[1];
    e.SampleMass = p.Volumes[2];
    e.PreparedVolume = p.Volumes[3];
  }
  const bool additions = method >= CalcMethods::kOneAddition && method <= CalcMethods::kComparative;
  for (const TCalcElement& row : calc.Elements()) {
    if (!GivesConcentrations(method)) break;
    if (additions && row.AddConc == 0.0) continue;
    e.ElementResults.push_back(
        {row.Name, row.SampleResult, ConcUnits::ToBaseUnits(p.ResUnitTop, p.ResUnitBottom, row.CellResult)});
  }

  // The curves: by role for the methods that read fixed roles, the used
  // curves otherwise; the blank last.
  std::vector<int> roles;
  switch (method) {
    case CalcMethods::kOneAddition:
      roles = {1, 2};
      break;
    case CalcMethods::kThreeAdditionsHg:
      roles = {1, 2, 3, 4};
      break;
    case CalcMethods::kComparative:
      roles = {1, 5};
      break;
    case CalcMethods::kByCalibration:
      roles = {1};
      break;
    default:
      break;
  }
  bool present = false;
  if (!roles.empty()) {
    for (int role : roles) {
      if (TVAStruct* c = calc.RoleCurve(role)) {
        e.Curves.push_back(Borrowed(c));
        present = true;
      }
    }
    if (TVAStruct* blank = calc.RoleCurve(CalcMethods::kRoleBackground)) e.Curves.push_back(Borrowed(blank));
  } else {
    for (TVAStruct* c : calc.UsedCurves()) {
      e.Curves.push_back(Borrowed(c));
      if (c->Params.MeasurementType() != CalcMethods::kRoleBackground) present = true;
    }
  }
  if (!present) return std::nullopt;
  if (method == CalcMethods::kByCalibration && calibrations) {
    for (const TCalcElement& row : calc.Elements()) {
      TSingleCalibration cal = calibrations(row.Name);
      if (!cal.Name.empty()) e.Calibrations.push_back(std::move(cal));
    }
  }
  return e;
}

}  // namespace velmora
