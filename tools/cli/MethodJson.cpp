#include "MethodJson.h"

namespace velmora {

namespace {

void Int(JsonWriter& json, const char* name, std::int64_t value) { json.field(name, value); }

}  // namespace

void MethodJson::WritePrograms(JsonWriter& json, const TVAProgramsArray& programs) {
  json.beginArray();
  for (const TSingleProgramArray& program : programs) {
    json.beginArray();
    for (const ProgramStep& s : program) {
      json.beginObject();
      Int(json, "SweepRate", s.SweepRate());
      Int(json, "SweepStart", s.SweepStart());
      Int(json, "SweepEnd", s.SweepEnd());
      Int(json, "CleaningPotential", s.CleaningPotential());
      Int(json, "CleaningTime", s.CleaningTime());
      Int(json, "Preparation1Potential", s.Preparation1Potential());
      Int(json, "Preparation1Time", s.Preparation1Time());
      Int(json, "Preparation2Potential", s.Preparation2Potential());
      Int(json, "Preparation2Time", s.Preparation2Time());
      Int(json, "ElectrolysisPotential", s.ElectrolysisPotential());
      Int(json, "ElectrolysisTime", s.ElectrolysisTime());
      json.field("Cycle", s.Cycle());
      Int(json, "CycleCount", s.CycleCount());
      Int(json, "CycleType", s.CycleType());
      Int(json, "Reserved53", s.Reserved53());
      json.field("Stirrer", s.Stirrer());
      Int(json, "DelayAfterMixing", s.DelayAfterMixing());
      Int(json, "ValuesRange", s.ValuesRange());
      Int(json, "ConjunctionType", s.ConjunctionType());
      json.field("Modulation", s.Modulation());
      Int(json, "ModulationAmplitude", s.ModulationAmplitude());
      Int(json, "ModulationFrequency", s.ModulationFrequency());
      json.field("Retention", s.Retention());
      Int(json, "RetentionPotential", s.RetentionPotential());
      json.field("Comments", s.Comments());
      Int(json, "MeasurementType", s.MeasurementType());
      Int(json, "TimeMode", s.TimeMode());
      Int(json, "SkipCycles", s.SkipCycles());
      json.field("ElectrodeDown", s.ElectrodeDown());
      Int(json, "SamplerCell", s.SamplerCell());
      json.field("ElectrodeUp", s.ElectrodeUp());
      Int(json, "StirrerType", s.StirrerType());
      Int(json, "StirrerSpeed", s.StirrerSpeed());
      Int(json, "Compensation", s.Compensation());
      Int(json, "FilterValue", s.FilterValue());
      json.endObject();
    }
    json.endArray();
  }
  json.endArray();
}

void MethodJson::WriteStatistics(JsonWriter& json, const TMethodStat& r) {
  json.beginObject();
  json.field("Name", r.Name);
  Int(json, "ResTop", r.ResTop);
  Int(json, "ResBottom", r.ResBottom);
  Int(json, "CellConc", r.CellConc);
  json.key("Elements").beginArray();
  for (const TElementStatistics& e : r.Elements) {
    json.beginObject().field("Name", e.Name).key("Ranges").beginArray();
    for (const TStatRange& range : e.Ranges) {
      json.beginObject();
      json.field("LowerBound", range.LowerBound);
      json.field("UpperBound", range.UpperBound);
      json.field("Reproducibility", range.Reproducibility);
      json.field("CriticalDifference", range.CriticalDifference);
      Int(json, "Delta", range.Delta);
      json.endObject();
    }
    json.endArray().endObject();
  }
  json.endArray().endObject();
}

void MethodJson::WriteEquation(JsonWriter& json, const TCustomMethod& m) {
  json.beginObject();
  json.field("Name", m.Name);
  json.field("Formula", m.Formula);
  Int(json, "ResultUnitTop", m.ResultUnitTop);
  Int(json, "ResultUnitBottom", m.ResultUnitBottom);
  json.key("Vars").beginArray();
  for (const TCalcVar& v : m.Vars) {
    json.beginObject();
    json.field("Name", v.Name);
    json.field("Comment", v.Comment);
    json.field("Value", v.Value);
    json.endObject();
  }
  json.endArray().endObject();
}

void MethodJson::WriteStep(JsonWriter& json, const ValueRecord& step) {
  json.beginObject();
  Int(json, "Type", step.Type);
  json.field("Kind", ValueRecord::KindName(step.Type));
  json.field("Description", DescribeStep(step, kLanguageEnglish));
  switch (step.Type) {
    case kStepStageName:
      json.key("Names").beginArray();
      for (const TLocalizedName& n : step.Names)
        json.beginObject().field("LanguageId", static_cast<int>(n.LanguageId)).field("Name", n.Name).endObject();
      json.endArray();
      break;
    case kStepCalcTable:
      json.key("CalcTable").beginArray();
      for (double v : step.CalcTable) json.value(v);
      json.endArray();
      break;
    case kStepConcUnits:
      json.key("Units").beginArray();
      for (std::int32_t u : step.Units) json.value(static_cast<int>(u));
      json.endArray();
      break;
    case kStepPredefPeaks:
      json.key("Peaks").beginArray();
      for (const TPredefPeak& p : step.Peaks) {
        json.beginObject();
        json.field("Name", p.Name);
        json.field("LeftBorder", p.LeftBorder);
        json.field("MiddleBorder", p.MiddleBorder);
        json.field("RightBorder", p.RightBorder);
        json.field("AdditionConc", p.AdditionConc);
        json.field("CalcType", p.CalcType);
        json.endObject();
      }
      json.endArray();
      break;
    case kStepProgram:
      json.key("Programs");
      WritePrograms(json, step.Programs);
      break;
    case kStepSupportingElectrolyte:
      json.field("Text", step.Text);
      break;
    case kStepStatistics:
      json.key("Statistics");
      if (step.Statistics) {
        WriteStatistics(json, *step.Statistics);
      } else {
        json.null();
      }
      break;
    case kStepCustomEquation:
      json.key("Equation");
      WriteEquation(json, step.Equation);
      break;
    case kStepDummyData:
      Int(json, "MeasurementType", step.Dummy.MeasurementType);
      json.key("Points").beginArray();
      for (const TDataPoint& p : step.Dummy.Points) json.beginArray().value(p.X).value(p.Y).endArray();
      json.endArray();
      break;
    case kStepActivation:
      json.key("Activation").beginObject();
      json.field("Name", step.Activation.Name).field("Volume", step.Activation.Volume);
      json.endObject();
      break;
    default:
      if (ValueRecord::HasIntValue(step.Type)) Int(json, "Value", step.Value);
      break;
  }
  json.endObject();
}

void MethodJson::WriteScript(JsonWriter& json, const TWizSteps& script) {
  json.beginArray();
  for (const ValueRecord& step : script) WriteStep(json, step);
  json.endArray();
}

void MethodJson::WriteMethod(JsonWriter& json, const TMethod& m) {
  json.beginObject();
  json.field("FileName", m.FileName);
  json.field("HideUnused", m.HideUnused);
  json.key("Programs");
  WritePrograms(json, m.Programs);
  json.key("Cells").beginArray();
  for (const TMethodCell& c : m.Cells) {
    json.beginObject();
    Int(json, "CellNumber", c.CellNumber);
    Int(json, "SamplerPosition", c.SamplerPosition);
    Int(json, "CellKind", c.CellKind);
    json.endObject();
  }
  json.endArray();
  Int(json, "CalcMethod", m.CalcMethod);
  json.key("CustomEquation");
  WriteEquation(json, m.CustomEquation);
  json.field("SupportingElectrolyte", m.SupportingElectrolyte);
  json.key("Localized").beginArray();
  for (const TLocalizedMethod& l : m.Localized) {
    json.beginObject();
    Int(json, "LanguageId", l.LanguageId);
    json.field("SubMenu", l.SubMenu);
    json.field("Title", l.Title);
    json.field("MethodName", l.MethodName);
    json.key("StepComments").beginArray();
    for (const auto& program : l.StepComments) {
      json.beginArray();
      for (const std::string& text : program) json.value(text);
      json.endArray();
    }
    json.endArray();
    json.key("CellDescriptions").beginArray();
    for (const std::string& text : l.CellDescriptions) json.value(text);
    json.endArray();
    json.endObject();
  }
  json.endArray();
  json.field("CustomPrograms", m.CustomPrograms);
  json.key("Statistics");
  WriteStatistics(json, m.Statistics);
  json.key("Script");
  WriteScript(json, m.Script);
  json.endObject();
}

}  // namespace velmora
