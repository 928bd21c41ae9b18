#include "ValueRecord.h"

#include <string_view>

#include "CalcMethods.h"
#include "ConcUnits.h"
#include "Message.h"
#include "Messages.h"
#include "Numbers.h"

namespace velmora {

namespace {

constexpr std::size_t kDescriptionLimit = 255;

struct StepInfo {
  const char* kind;
  const char* action;
};

constexpr StepInfo kSteps[kStepTypeCount] = {
    {"Wait", msg::StepActionWait},
    {"StageName", msg::StepActionStageName},
    {"ActivePage", msg::StepActionPage},
    {"ConjunctionType", msg::StepActionCellType},
    {"ElectrodeType", msg::StepActionElectrode},
    {"BeginCycle", msg::StepActionBeginCycle},
    {"CalcMethod", msg::StepActionCalcMethod},
    {"CalcTable", msg::StepActionCalcTable},
    {"ConcUnits", msg::StepActionUnits},
    {"PredefPeaks", msg::StepActionPeaks},
    {"Program", msg::StepActionProgram},
    {"LoopsCount", msg::StepActionLoops},
    {"EndCycle", msg::StepActionEndCycle},
    {"StirrerType", msg::StepActionAddOn},
    {"SupportingElectrolyte", msg::StepActionElectrolyte},
    {"ControlsVisibility", msg::StepActionVisibility},
    {"Statistics", msg::StepActionStatistics},
    {"CustomEquation", msg::StepActionEquation},
    {"StartRecord", msg::StepActionStartRecord},
    {"ControlSolution", msg::StepActionControlSolution},
    {"Simulation", msg::StepActionSimulation},
    {"DummyData", msg::StepActionDummyData},
    {"ParallelSamples", msg::StepActionParallel},
    {"Activation", msg::StepActionActivation},
};

const char* Pick(std::int32_t index, std::initializer_list<const char*> texts) {
  if (index < 0 || static_cast<std::size_t>(index) >= texts.size()) return msg::StepUnknown;
  return texts.begin()[index];
}

// Cuts UTF-8 text to at most `limit` bytes without splitting a character.
std::string CutUtf8(std::string text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
  return text;
}

std::string UnitText(std::int32_t unit, const TTextTranslator& tr) {
  const char* caption = ConcUnits::Caption(unit);
  if (caption == nullptr) return "?";
  return tr(caption);
}

}  // namespace

ValueRecord ValueRecord::Make(std::uint32_t type) {
  ValueRecord r;
  r.Type = type;
  if (type == kStepStageName) r.Names = {{1033, {}}, {1049, {}}};
  return r;
}

ValueRecord ValueRecord::StageName(const std::string& english, const std::string& russian) {
  ValueRecord r;
  r.Type = kStepStageName;
  r.Names = {{1033, english}, {1049, russian}};
  return r;
}

ValueRecord ValueRecord::IntValue(std::uint32_t type, std::int32_t value) {
  ValueRecord r = Make(type);
  r.Value = value;
  return r;
}

ValueRecord ValueRecord::WithPrograms(const TVAProgramsArray& programs) {
  ValueRecord r = Make(kStepProgram);
  r.Programs = programs;
  return r;
}

bool ValueRecord::HasIntValue(std::uint32_t type) {
  switch (type) {
    case kStepActivePage:
    case kStepConjunctionType:
    case kStepElectrodeType:
    case kStepCalcMethod:
    case kStepLoopsCount:
    case kStepStirrerType:
    case kStepControlsVisibility:
    case kStepControlSolution:
    case kStepParallelSamples:
      return true;
    default:
      return false;
  }
}

const char* ValueRecord::ActionName(std::uint32_t type) {
  return KnownType(type) ? kSteps[type].action : msg::StepUnknown;
}

const char* ValueRecord::KindName(std::uint32_t type) { return KnownType(type) ? kSteps[type].kind : "Unknown"; }

std::string ValueRecord::NameFor(std::int32_t languageId) const {
  // Language 0 (the user's default) reads the English entry, as method
  // texts do.
  if (languageId == 0) languageId = 1033;
  for (const TLocalizedName& n : Names)
    if (n.LanguageId == languageId) return n.Name;
  return {};
}

bool operator==(const ValueRecord& a, const ValueRecord& b) {
  if (a.Type != b.Type) return false;
  switch (a.Type) {
    case kStepStageName:
      return a.Names == b.Names;
    case kStepCalcTable:
      return a.CalcTable == b.CalcTable;
    case kStepConcUnits:
      return a.Units == b.Units;
    case kStepPredefPeaks:
      return a.Peaks == b.Peaks;
    case kStepProgram:
      return a.Programs == b.Programs;
    case kStepSupportingElectrolyte:
      return a.Text == b.Text;
    case kStepStatistics:
      return a.Statistics == b.Statistics;
    case kStepCustomEquation:
      return a.Equation == b.Equation;
    case kStepDummyData:
      return a.Dummy == b.Dummy;
    case kStepActivation:
      return a.Activation == b.Activation;
    default:
      return !ValueRecord::HasIntValue(a.Type) || a.Value == b.Value;
  }
}

std::string DescribeStep(const ValueRecord& step, std::int32_t languageId, const TTextTranslator& translate) {
  const TTextTranslator tr = translate ? translate : [](const char* text) { return std::string(text); };
  auto format = [&](const char* templ, std::vector<std::string> args) { return Message::substitute(tr(templ), args); };
  std::string text;
  switch (step.Type) {
    case kStepWait:
      text = tr(msg::StepActionWait);
      break;
    case kStepStageName:
      text = step.NameFor(languageId);
      if (text.empty()) text = tr(msg::StepNewStage);
      break;
    case kStepActivePage:
      text = format(msg::StepSetActivePage, {std::to_string(step.Value)});
      break;
    case kStepConjunctionType:
      text = format(msg::StepConjunctionType,
                    {tr(Pick(step.Value, {msg::Conjunction2x, msg::Conjunction3x, msg::Conjunction4x}))});
      break;
    case kStepElectrodeType:
      text = format(msg::StepElectrodeType,
                    {tr(Pick(step.Value + 1, {msg::ElectrodeCustom, msg::ElectrodeCarbositall, msg::ElectrodeGold,
                                              msg::ElectrodePlatinum, msg::ElectrodeSilver,
                                              msg::ElectrodeModifiedCarbon, msg::ElectrodeCarbon}))});
      break;
    case kStepBeginCycle:
      text = tr(msg::StepBeginCycle);
      break;
    case kStepCalcMethod: {
      const char* name = CalcMethods::IsBuiltin(step.Value) ? CalcMethods::Name(step.Value) : msg::StepUnknown;
      text = format(msg::StepCalcMethod, {tr(name)});
      break;
    }
    case kStepCalcTable: {
      bool ok = true;
      for (std::size_t i = 1; i < kCalcTableSize; ++i) ok = ok && step.CalcTable[i] > 0.0;
      text = format(msg::StepCalcTable, {tr(ok ? msg::StepOk : msg::StepError)});
      break;
    }
    case kStepConcUnits: {
      // "µg/dm^3^ - mg/kg": the additions' concentration, then the result's.
      const std::string units = UnitText(step.Units[0], tr) + "/" + UnitText(step.Units[1], tr) + " - " +
                                UnitText(step.Units[2], tr) + "/" + UnitText(step.Units[3], tr);
      text = format(msg::StepConcUnits, {units});
      break;
    }
    case kStepPredefPeaks:
      text = tr(msg::StepPredefPeaks);
      break;
    case kStepProgram:
      text = format(msg::StepRecordProgram, {tr(step.Programs.empty() ? msg::StepError : msg::StepOk)});
      break;
    case kStepLoopsCount:
      text = format(msg::StepLoopsCount, {std::to_string(step.Value)});
      break;
    case kStepEndCycle:
      text = tr(msg::StepEndCycle);
      break;
    case kStepStirrerType:
      text = format(msg::StepStirrerType,
                    {tr(Pick(step.Value, {msg::StirrerTypeStirrer, msg::StirrerTypeRegulatedStirrer,
                                          msg::StirrerTypeRegulatedElectrode, msg::StirrerTypeRotatingElectrode}))});
      break;
    case kStepSupportingElectrolyte:
      text = format(msg::StepElectrolyte, {step.Text});
      break;
    case kStepControlsVisibility:
      text = format(
          msg::StepVisibility,
          {tr(Pick(step.Value, {msg::VisibilityShowAll, msg::VisibilityHideUnused, msg::VisibilityForbidChanges}))});
      break;
    case kStepStatistics:
      text = tr(msg::StepStatistics);
      break;
    case kStepCustomEquation:
      text = tr(msg::StepCustomEquation);
      break;
    case kStepStartRecord:
      text = tr(msg::StepStartRecord);
      break;
    case kStepControlSolution:
      text = tr(Pick(step.Value,
                     {msg::ControlSolutionNotRequired, msg::ControlSolutionRequired, msg::ControlSolutionOptional}));
      break;
    case kStepSimulation:
      text = tr(msg::StepSimulation);
      break;
    case kStepDummyData:
      text = format(msg::StepDummyData,
                    {tr(Pick(step.Dummy.MeasurementType,
                             {msg::MeasTypeSupportingElectrolyte, msg::MeasTypeAnalyte, msg::MeasTypeAddedStandard1,
                              msg::MeasTypeAddedStandard2, msg::MeasTypeAddedStandard3, msg::MeasTypeReference}))});
      break;
    case kStepParallelSamples:
      text = format(msg::StepParallelSamples, {std::to_string(step.Value)});
      break;
    case kStepActivation:
      text = format(msg::StepActivation, {FormatShortest(step.Activation.Volume), step.Activation.Name});
      break;
    default:
      text = tr(msg::StepUnknown);
      break;
  }
  return CutUtf8(std::move(text), kDescriptionLimit);
}

}  // namespace velmora
