#include "TConcCalculation.h"

#include <unordered_map>

#include "CalcMethods.h"
#include "ConcUnits.h"
#include "CurvePeakValues.h"
#include "FlagScope.h"
#include "TNoCalibrations.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

constexpr double kMissing = -1.0;

// The value common to `values` by the rule of the calculation parameters:
// zero entries are skipped until a value is held, any entry that differs
// from a held value (zero included) makes the result missing.
template <typename Get>
double CommonValue(const std::vector<TVAStruct*>& curves, Get get) {
  bool held = false;
  double value = kMissing;
  for (const TVAStruct* c : curves) {
    const double v = get(*c);
    if (held && v != value) return kMissing;
    if (v != 0.0) {
      held = true;
      value = v;
    }
  }
  return held ? value : kMissing;
}

template <typename Get>
std::int32_t CommonUnit(const std::vector<TVAStruct*>& curves, Get get) {
  if (curves.empty()) return -1;
  const std::int32_t first = get(*curves.front());
  for (const TVAStruct* c : curves)
    if (get(*c) != first) return -1;
  return first;
}

int RoleOf(const TVAStruct& curve) { return curve.Params.MeasurementType(); }

bool SameMethod(const TCustomMethod& a, const TCustomMethod& b) { return a.Name == b.Name && a.Formula == b.Formula; }

}  // namespace

TConcCalculation::TConcCalculation() = default;

const ICalibrationLookup& TConcCalculation::Calibrations() const {
  return calibrations_ ? *calibrations_ : TNoCalibrations::Instance();
}

void TConcCalculation::SetCurves(std::vector<TVAStruct*> curves) {
  curves_ = std::move(curves);
  checked_.assign(curves_.size(), false);
}

// --- Method ----------------------------------------------------------------

TConcCalculation::MethodSource TConcCalculation::TakeMethodFromCurves() {
  if (curves_.empty()) {
    method_ = CalcMethods::kNone;
    return MethodSource::Mixed;
  }
  const TVAStruct& first = *curves_.front();
  for (const TVAStruct* c : curves_) {
    if (c->CalculationMethod != first.CalculationMethod || c->HasCustomMethod != first.HasCustomMethod) {
      method_ = CalcMethods::kNone;
      return MethodSource::Mixed;
    }
  }
  if (first.HasCustomMethod) {
    for (const TVAStruct* c : curves_)
      if (!SameMethod(c->CustomMethod, first.CustomMethod)) return MethodSource::CustomDiffers;  // left unchanged
    if (!customMethods_) {
      method_ = CalcMethods::kNone;
      return MethodSource::Mixed;
    }
    std::size_t index = 0;
    while (index < customMethods_->size() && !SameMethod((*customMethods_)[index], first.CustomMethod)) ++index;
    if (index == customMethods_->size()) customMethods_->push_back(first.CustomMethod);
    method_ = CalcMethods::kFirstCustom + static_cast<int>(index);
    return MethodSource::Taken;
  }
  if (first.CalculationMethod >= CalcMethods::kBuiltinCount) {
    method_ = CalcMethods::kNone;
    return MethodSource::Unsupported;
  }
  method_ = first.CalculationMethod < 0 ? CalcMethods::kNone : first.CalculationMethod;
  TakeCalibrationTypeFromCurves();
  return MethodSource::Taken;
}

void TConcCalculation::TakeCalibrationTypeFromCurves() {
  if (curves_.empty()) return;
  calibrationType_ = curves_.front()->CalibrationType;
  for (const TVAStruct* c : curves_)
    if (c->CalibrationType != calibrationType_) calibrationType_ = -1;
}

TCalibrationCurves TConcCalculation::OnTheFlyCalibration(std::size_t element) const {
  TCalibrationCurves calibration;
  if (element >= elements_.size()) return calibration;
  const TCalcElement& row = elements_[element];
  calibration.Name = row.Name;
  calibration.IncludeZeroPoint = includeZeroPoint_ ? 1 : 0;
  calibration.UnitTop = row.UnitTop;
  calibration.UnitBottom = row.UnitBottom;
  calibration.CalcType = currentCalcType_;
  calibration.Curves = curves_;
  return calibration;
}

const TCustomMethod* TConcCalculation::CustomMethod(int method) const {
  if (!CalcMethods::IsCustom(method) || !customMethods_) return nullptr;
  const std::size_t index = static_cast<std::size_t>(method - CalcMethods::kFirstCustom);
  return index < customMethods_->size() ? &(*customMethods_)[index] : nullptr;
}

bool TConcCalculation::SelectMethod(int method) {
  if (CalcMethods::IsCustom(method) && !CustomMethod(method)) return false;
  if (method < CalcMethods::kNone) return false;
  method_ = method;
  return true;
}

bool TConcCalculation::SetMethod(int method) {
  if (!SelectMethod(method)) return false;
  if (CalcMethods::IsBuiltin(method)) {
    for (TVAStruct* c : curves_) {
      c->CalculationMethod = method;
      c->HasCustomMethod = 0;
    }
  } else if (const TCustomMethod* custom = CustomMethod(method)) {
    for (TVAStruct* c : curves_) {
      c->CalculationMethod = -1;
      c->HasCustomMethod = 1;
      c->CustomMethod = *custom;
    }
  }
  return true;
}

void TConcCalculation::SetCalibrationType(int type) {
  calibrationType_ = type;
  for (TVAStruct* c : curves_) c->CalibrationType = type;
}

// --- Table -----------------------------------------------------------------

void TConcCalculation::Recalculate() {
  FlagScope scope(recalculating_);
  BuildTable();
  DecideCheckBoxes();
  UpdateResults();
}

void TConcCalculation::BuildTable() {
  elements_.clear();
  peaks_.assign(curves_.size(), {});
  std::unordered_map<std::string, std::size_t> rowOf;
  std::vector<std::vector<const TPeakRecord*>> records(curves_.size());
  // Every value fresh, computed curve by curve on the machine's cores.
  CurvePeakValues::Evaluate(curves_);
  for (std::size_t i = 0; i < curves_.size(); ++i) {
    for (const TPeakRecord& peak : curves_[i]->Peaks) {
      if (peak.Name.empty()) continue;
      if (rowOf.emplace(peak.Name, elements_.size()).second) {
        TCalcElement row;
        row.Name = peak.Name;
        row.CalcType = peak.CalcType;
        elements_.push_back(std::move(row));
      }
    }
  }
  for (std::size_t i = 0; i < curves_.size(); ++i) {
    peaks_[i].assign(elements_.size(), PeakCell{});
    records[i].assign(elements_.size(), nullptr);
    for (const TPeakRecord& peak : curves_[i]->Peaks) {
      auto it = rowOf.find(peak.Name);
      if (it == rowOf.end() || peaks_[i][it->second].Present) continue;  // the first peak of a name counts
      peaks_[i][it->second] = {true, peak.PeakValue};
      records[i][it->second] = &peak;
    }
  }
  for (std::size_t e = 0; e < elements_.size(); ++e) {
    TCalcElement& row = elements_[e];
    bool any = false;
    bool addDiffers = false;
    for (std::size_t i = 0; i < curves_.size(); ++i) {
      const TPeakRecord* p = records[i][e];
      if (!p) continue;
      if (!any) {
        row.AddConc = p->AdditionConc;
        row.CalcType = p->CalcType;
        row.UnitTop = p->UnitTop;
        row.UnitBottom = p->UnitBottom;
        any = true;
        continue;
      }
      if (p->AdditionConc != row.AddConc) addDiffers = true;
      if (p->CalcType != row.CalcType) row.CalcType = -1;
      if (p->UnitTop != row.UnitTop) row.UnitTop = -1;
      if (p->UnitBottom != row.UnitBottom) row.UnitBottom = -1;
    }
    if (!any || addDiffers) row.AddConc = 0.0;
  }
}

bool TConcCalculation::PeakValue(const TVAStruct& curve, const std::string& name, double& value) const {
  const std::size_t i = IndexOf(&curve);
  if (i >= peaks_.size()) return false;
  for (std::size_t k = 0; k < elements_.size(); ++k) {
    if (elements_[k].Name != name) continue;
    if (!peaks_[i][k].Present) return false;
    value = peaks_[i][k].Value;
    return true;
  }
  return false;
}

std::size_t TConcCalculation::IndexOf(const TVAStruct* curve) const {
  for (std::size_t i = 0; i < curves_.size(); ++i)
    if (curves_[i] == curve) return i;
  return curves_.size();
}

// --- Choice of curves --------------------------------------------------------

void TConcCalculation::DecideCheckBoxes() {
  const auto roles = CalcMethods::ChoiceRoles(method_);
  std::array<int, CalcMethods::kRoleCount> counts{};
  for (const TVAStruct* c : curves_) {
    const int role = RoleOf(*c);
    if (role >= 0 && role < CalcMethods::kRoleCount) ++counts[static_cast<std::size_t>(role)];
  }
  checkBoxesOffered_ = false;
  for (std::size_t r = 0; r < roles.size(); ++r)
    if (roles[r] && counts[r] > 1) checkBoxesOffered_ = true;
  checked_.assign(curves_.size(), false);
}

void TConcCalculation::SetRowChecked(std::size_t row, bool checked) {
  if (row >= checked_.size()) return;
  checked_[row] = checked;
  UpdateResults();
}

void TConcCalculation::ChooseUsedCurves() {
  used_.clear();
  for (std::size_t i = 0; i < curves_.size(); ++i)
    if (!checkBoxesOffered_ || checked_[i]) used_.push_back(curves_[i]);
  roleCount_.fill(0);
  roleCurve_.fill(nullptr);
  for (TVAStruct* c : used_) {
    const int role = RoleOf(*c);
    if (role < 0 || role >= CalcMethods::kRoleCount) continue;
    ++roleCount_[static_cast<std::size_t>(role)];
    roleCurve_[static_cast<std::size_t>(role)] = c;
  }
}

int TConcCalculation::RoleCount(int role) const {
  return role >= 0 && role < CalcMethods::kRoleCount ? roleCount_[static_cast<std::size_t>(role)] : 0;
}

TVAStruct* TConcCalculation::RoleCurve(int role) const {
  return role >= 0 && role < CalcMethods::kRoleCount ? roleCurve_[static_cast<std::size_t>(role)] : nullptr;
}

double TConcCalculation::RoleValue(int role, std::size_t element) const {
  const std::size_t i = IndexOf(RoleCurve(role));
  if (i >= peaks_.size() || element >= peaks_[i].size() || !peaks_[i][element].Present) return 0.0;
  return peaks_[i][element].Value;
}

TConcParams TConcCalculation::CommonParams(const std::vector<TVAStruct*>& used, const std::vector<TVAStruct*>& all) {
  TConcParams p;
  for (std::size_t v = 0; v < p.Volumes.size(); ++v)
    p.Volumes[v] = CommonValue(used, [v](const TVAStruct& c) { return c.Volumes[v]; });
  p.ResUnitTop = CommonUnit(all, [](const TVAStruct& c) { return c.ResUnitTop; });
  p.ResUnitBottom = CommonUnit(all, [](const TVAStruct& c) { return c.ResUnitBottom; });
  p.RecalcUnitTop = CommonUnit(all, [](const TVAStruct& c) { return c.RecalcUnitTop; });
  p.RecalcUnitBottom = CommonUnit(all, [](const TVAStruct& c) { return c.RecalcUnitBottom; });
  for (std::size_t k = 0; k < p.CalcCoefficients.size(); ++k)
    p.CalcCoefficients[k] = CommonValue(all, [k](const TVAStruct& c) { return c.CalcCoefficients[k]; });
  return p;
}

// --- Edits -------------------------------------------------------------------

void TConcCalculation::SetRole(std::size_t row, std::int32_t role) {
  if (row >= curves_.size() || role < 0 || role >= CalcMethods::kRoleCount) return;
  curves_[row]->Params.SetMeasurementType(role);
  DecideCheckBoxes();
  UpdateResults();
}

void TConcCalculation::SetAddConc(std::size_t element, double value) {
  if (element >= elements_.size()) return;
  elements_[element].AddConc = value;
  for (TVAStruct* c : curves_) c->SetAdditionConc(elements_[element].Name, value);
  UpdateResults();
}

void TConcCalculation::SetVolume(int index, double value) {
  if (index < 0 || index >= TVAStruct::kVolumeCount || value == kMissing) return;
  for (TVAStruct* c : curves_) c->Volumes[static_cast<std::size_t>(index)] = value;
  UpdateResults();
}

void TConcCalculation::SetCalcCoefficient(int index, double value) {
  if (index < 0 || index >= 5 || value == kMissing) return;
  for (TVAStruct* c : curves_) {
    std::array<double, 5> coefficients = c->CalcCoefficients;
    coefficients[static_cast<std::size_t>(index)] = value;
    c->SetCalcCoefficients(coefficients);
  }
  UpdateResults();
}

void TConcCalculation::SetResultUnits(std::int32_t top, std::int32_t bottom) {
  for (TVAStruct* c : curves_) {
    c->ResUnitTop = top;
    c->ResUnitBottom = bottom;
  }
  UpdateResults();
}

void TConcCalculation::SetRecalcUnits(std::int32_t top, std::int32_t bottom) {
  for (TVAStruct* c : curves_) {
    c->RecalcUnitTop = top;
    c->RecalcUnitBottom = bottom;
  }
  UpdateResults();
}

void TConcCalculation::SetElementUnits(std::size_t element, std::int32_t top, std::int32_t bottom) {
  if (element >= elements_.size()) return;
  TCalcElement& row = elements_[element];
  row.UnitTop = top;
  row.UnitBottom = bottom;
  for (TVAStruct* c : curves_) {
    const std::int32_t i = c->FindPeak(row.Name);
    if (i < 0) continue;
    TPeakRecord& peak = c->Peaks[static_cast<std::size_t>(i)];
    peak.UnitTop = top;
    peak.UnitBottom = bottom;
  }
  UpdateResults();
}

void TConcCalculation::SetUserVariable(const std::string& name, double value) {
  if (value == kMissing || name.empty()) return;
  std::string comment;
  if (const TCustomMethod* m = CustomMethod(method_)) {
    for (const TCalcVar& v : m->Vars)
      if (TVAStruct::SameName(v.Name, name)) comment = v.Comment;
  }
  for (TVAStruct* c : curves_) {
    TCalcVar var = c->GetVariable(name);
    if (var.Name.empty()) {
      var.Name = name;
      var.Comment = comment;
    }
    var.Value = value;
    c->SetVariable(var);
  }
  UpdateResults();
}

double TConcCalculation::UserVariable(const std::string& name) const {
  bool held = false;
  double value = kMissing;
  for (const TVAStruct* c : curves_) {
    const std::int32_t i = c->FindVariable(name);
    if (i < 0) continue;
    const double v = c->Variables[static_cast<std::size_t>(i)].Value;
    if (held && v != value) return kMissing;
    held = true;
    value = v;
  }
  return value;
}

}  // namespace velmora
