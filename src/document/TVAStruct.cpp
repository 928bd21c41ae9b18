#include "TVAStruct.h"

#include <cstdio>

#include "DateTime.h"
#include "IPeakEvaluator.h"
#include "Messages.h"
#include "TNode.h"

namespace velmora {

namespace {

const IPeakEvaluator* gEvaluator = nullptr;

Message Text(const std::string& value) { return Message("%s", {value}); }

// The int32 (size 4) and byte (size 1) fields of the record parameters from
// offset 0 through 80 that a group shares with its curves.
struct ParamField {
  std::size_t offset;
  std::size_t size;
};
constexpr ParamField kCommonFields[] = {
    {TVAParams::oSweepRate, 4},
    {TVAParams::oSweepStart, 4},
    {TVAParams::oSweepEnd, 4},
    {TVAParams::oElectrolysisPotential, 4},
    {TVAParams::oElectrolysisTime, 4},
    {TVAParams::oCleaningPotential, 4},
    {TVAParams::oCleaningTime, 4},
    {TVAParams::oPreparation1Potential, 4},
    {TVAParams::oPreparation1Time, 4},
    {TVAParams::oPreparation2Potential, 4},
    {TVAParams::oPreparation2Time, 4},
    {TVAParams::oCycle, 1},
    {TVAParams::oCycleCount, 4},
    {TVAParams::oCycleType, 4},
    {TVAParams::oReserved53, 4},
    {TVAParams::oStirrer, 1},
    {TVAParams::oDelayAfterMixing, 4},
    {TVAParams::oValuesRange, 4},
    {TVAParams::oConjunctionType, 4},
    {TVAParams::oModulation, 1},
    {TVAParams::oModulationAmplitude, 4},
    {TVAParams::oModulationFrequency, 4},
    {TVAParams::oRetention, 1},
    {TVAParams::oRetentionPotential, 4},
    {TVAParams::oMeasurementType, 4},
    {TVAParams::oTimeMode, 4},
    {TVAParams::oSkipCycles, 4},
    {TVAParams::oReserved225, 4},
};

// The value every curve shares, or `differ`.
template <typename T, typename Get>
T Common(const std::vector<TVAStruct*>& curves, Get get, T differ) {
  const T first = get(*curves.front());
  for (const TVAStruct* c : curves) {
    if (get(*c) != first) return differ;
  }
  return first;
}

std::string DateText(double days) {
  const DateTime::Parts p = DateTime::split(days);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute, p.second);
  return buf;
}

}  // namespace

void TVAStruct::SetPeakEvaluator(const IPeakEvaluator* evaluator) { gEvaluator = evaluator; }

void TVAStruct::EvaluatePeak(TPeakRecord& peak) const {
  if (gEvaluator) gEvaluator->Evaluate(*this, peak);
}

TVAStruct::TVAStruct(TNode* node) : TArrayDataStruct(node) {}

TVAStruct::~TVAStruct() = default;

std::unique_ptr<TBasicDataStruct> TVAStruct::GetSelfType() const { return std::make_unique<TVAStruct>(Node); }

void TVAStruct::CopyParamsTo(TBasicDataStruct& target) const {
  auto* t = dynamic_cast<TVAStruct*>(&target);
  if (!t || t == this) return;
  t->Params = Params;
  t->StepExtra = StepExtra;
  t->StirrerType = StirrerType;
  t->StirrerSpeed = StirrerSpeed;
  t->Compensation = Compensation;
  TPeaks peaks = Peaks;
  for (TPeakRecord& p : peaks) EvaluatePeak(p);
  t->Peaks = std::move(peaks);
  t->DatabaseName = DatabaseName;
  t->RecordDate = RecordDate;
}

void TVAStruct::AfterCollect() {
  if (NodeType == 0) return;
  std::vector<TVAStruct*> curves;
  for (TArrayDataStruct* c : DrawnCurves()) {
    if (auto* va = dynamic_cast<TVAStruct*>(c); va && va != this) curves.push_back(va);
  }
  if (curves.empty()) return;
  for (const ParamField& f : kCommonFields) {
    if (f.size == 4) {
      Params.SetInt(f.offset, Common<std::int32_t>(
                                  curves, [&](const TVAStruct& c) { return c.Params.GetInt(f.offset); }, 0));
    } else {
      Params.SetByte(f.offset, Common<std::uint8_t>(
                                   curves, [&](const TVAStruct& c) { return c.Params.GetByte(f.offset); }, 0));
    }
  }
  const std::string comments = Common<std::string>(
      curves, [](const TVAStruct& c) { return c.Params.Comments(); }, std::string());
  if (comments != Params.Comments()) Params.SetComments(comments);
  FilterValue = Common<std::int32_t>(
      curves, [](const TVAStruct& c) { return c.FilterValue; }, -1);
  StepExtra.ElectrodeDown = Common<std::uint8_t>(
      curves, [](const TVAStruct& c) { return c.StepExtra.ElectrodeDown; }, 0);
  StepExtra.SamplerCell = Common<std::int32_t>(
      curves, [](const TVAStruct& c) { return c.StepExtra.SamplerCell; }, -1);
  StepExtra.ElectrodeUp = Common<std::uint8_t>(
      curves, [](const TVAStruct& c) { return c.StepExtra.ElectrodeUp; }, 0);
  StirrerType = Common<std::int32_t>(
      curves, [](const TVAStruct& c) { return c.StirrerType; }, -1);
  StirrerSpeed = Common<std::int32_t>(
      curves, [](const TVAStruct& c) { return c.StirrerSpeed; }, -1);
  Compensation = Common<std::uint8_t>(
      curves, [](const TVAStruct& c) { return c.Compensation; }, 0);
}

// --- Variables -----------------------------------------------------------------

bool TVAStruct::SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::int32_t TVAStruct::FindVariable(const std::string& name) const {
  for (std::size_t i = 0; i < Variables.size(); ++i) {
    if (SameName(Variables[i].Name, name)) return static_cast<std::int32_t>(i);
  }
  return -1;
}

TCalcVar TVAStruct::GetVariable(const std::string& name) const {
  const std::int32_t i = FindVariable(name);
  return i < 0 ? TCalcVar{} : Variables[static_cast<std::size_t>(i)];
}

void TVAStruct::SetVariable(const TCalcVar& var) {
  const std::int32_t i = FindVariable(var.Name);
  if (i < 0)
    Variables.push_back(var);
  else
    Variables[static_cast<std::size_t>(i)] = var;
}

void TVAStruct::SetCalcCoefficients(const std::array<double, 5>& coefficients) { CalcCoefficients = coefficients; }

void TVAStruct::SetCalcCoefficients(double c0, double c1, double c2, double c3, double c4) {
  CalcCoefficients = {c0, c1, c2, c3, c4};
}

// --- Copies and texts ------------------------------------------------------------

std::unique_ptr<TVAStruct> TVAStruct::FreeStandingCopy() const {
  auto copy = std::make_unique<TVAStruct>(nullptr);
  copy->DatabaseName = DatabaseName;
  copy->RecordDate = RecordDate;
  copy->Data = Data;
  copy->Params = Params;
  copy->StepExtra = StepExtra;
  copy->StirrerType = StirrerType;
  copy->StirrerSpeed = StirrerSpeed;
  copy->Compensation = Compensation;
  copy->Peaks = Peaks;
  for (TPeakRecord& p : copy->Peaks) {
    p.LinSeries.clear();
    p.LinSeriesSlot = 0;
  }
  copy->OwnVolume = OwnVolume;
  copy->RuntimeVolume = RuntimeVolume;
  copy->ResUnitTop = ResUnitTop;
  copy->ResUnitBottom = ResUnitBottom;
  copy->Volumes = Volumes;
  copy->UpdateBounds(0);
  return copy;
}

double TVAStruct::VolumeOf(std::int32_t measurementType) const {
  if (measurementType < 0 || measurementType >= kMeasurementTypeCount) return -1.0;
  return Volumes[static_cast<std::size_t>(measurementType) + 4];
}

const char* TVAStruct::MeasurementTypeCaption(std::int32_t type) {
  static const char* const captions[] = {msg::MeasTypeSupportingElectrolyte, msg::MeasTypeAnalyte,
                                         msg::MeasTypeAddedStandard1,        msg::MeasTypeAddedStandard2,
                                         msg::MeasTypeAddedStandard3,        msg::MeasTypeReference};
  return type >= 0 && type < kMeasurementTypeCount ? captions[type] : "";
}

const char* TVAStruct::VolumeCaption(std::int32_t index) {
  static const char* const captions[] = {msg::VolumeSampleTaken, msg::VolumePreliminaryDilution,
                                         msg::VolumeAshingMass,  msg::VolumeAshSolution,
                                         msg::VolumeBackground,  msg::VolumeAnalyteInCell,
                                         msg::VolumeAddition1,   msg::VolumeAddition2,
                                         msg::VolumeAddition3,   msg::VolumeReference};
  return index >= 0 && index < kVolumeCount ? captions[index] : "";
}

const char* TVAStruct::ValuesRangeCaption(std::int32_t range) {
  static const char* const captions[] = {msg::RangeCaption0, msg::RangeCaption1, msg::RangeCaption2, msg::RangeCaption3,
                                         msg::RangeCaption4};
  return range >= 0 && range < 5 ? captions[range] : "";
}

const char* TVAStruct::ConjunctionTypeCaption(std::int32_t type) {
  static const char* const captions[] = {msg::Conjunction2x, msg::Conjunction3x, msg::Conjunction4x};
  return type >= 0 && type < 3 ? captions[type] : "";
}

const char* TVAStruct::StirrerTypeCaption(std::int32_t type) {
  static const char* const captions[] = {msg::StirrerTypeStirrer, msg::StirrerTypeRegulatedStirrer,
                                         msg::StirrerTypeRegulatedElectrode, msg::StirrerTypeRotatingElectrode};
  return type >= 0 && type < 4 ? captions[type] : "";
}

TPropertyRows TVAStruct::PropertyRows() const {
  TPropertyRows rows;
  auto add = [&rows](const char* property, Message value) { rows.push_back({Message(property), std::move(value)}); };
  auto num = [](std::int64_t v) { return std::to_string(v); };
  auto caption = [&num](const char* text, std::int32_t value) {
    return *text ? Message(text) : Message("%s", {num(value)});
  };

  rows.push_back({Message(msg::PropHeaderProperty), Message(msg::PropHeaderValue)});
  add(msg::PropDate, Text(DateText(RecordDate)));
  add(msg::PropValuesRange, caption(ValuesRangeCaption(Params.ValuesRange()), Params.ValuesRange()));
  add(msg::PropConjunctionType, caption(ConjunctionTypeCaption(Params.ConjunctionType()), Params.ConjunctionType()));
  add(msg::PropStirrer, Message(Params.Stirrer() ? msg::PropOn : msg::PropOff));
  if (StirrerType >= 0 && StirrerType <= 3) add(msg::PropStirrerType, Message(StirrerTypeCaption(StirrerType)));
  add(msg::PropDelayAfterMixing, Text(num(Params.DelayAfterMixing())));
  if (StirrerSpeed != -1 && StirrerType > 0) add(msg::PropSpeed, Message(msg::PropSpeedValue, {num(StirrerSpeed)}));
  const struct {
    const char* name;
    std::int32_t potential, time;
  } stages[] = {
      {msg::PropCleaning, Params.CleaningPotential(), Params.CleaningTime()},
      {msg::PropPreparation1, Params.Preparation1Potential(), Params.Preparation1Time()},
      {msg::PropPreparation2, Params.Preparation2Potential(), Params.Preparation2Time()},
      {msg::PropElectrolysis, Params.ElectrolysisPotential(), Params.ElectrolysisTime()},
  };
  for (const auto& s : stages) {
    if (s.time != 0) add(s.name, Message(msg::PropStageValue, {num(s.potential), num(s.time)}));
  }
  if (Compensation != 0) add(msg::PropCompensation, Text(num(Compensation)));
  add(msg::PropSweepRate, Message(msg::PropSweepRateValue, {num(Params.SweepRate())}));
  if (Params.SweepStart() != Params.SweepEnd()) {
    add(msg::PropSweepStart, Message(msg::PropPotentialValue, {num(Params.SweepStart())}));
    add(msg::PropSweepEnd, Message(msg::PropPotentialValue, {num(Params.SweepEnd())}));
  }
  if (Params.Modulation()) {
    add(msg::PropModulation,
        Message(msg::PropModulationValue, {num(Params.ModulationAmplitude()), num(Params.ModulationFrequency())}));
  }
  if (FilterValue != -1) add(msg::PropFilter, Text(num(FilterValue)));
  if (Params.Retention()) add(msg::PropRetention, Text(num(Params.RetentionPotential())));
  add(msg::PropComments, Text(Params.Comments()));
  return rows;
}

}  // namespace velmora
