#include "ExampleMethods.h"

#include "MethodScriptCreator.h"

namespace velmora {

namespace {

// Units of the concentration list.
constexpr std::int32_t kDm3 = 2;
constexpr std::int32_t kMicrogram = 4;
constexpr std::int32_t kMilligram = 5;

constexpr std::int32_t kMethodStandardAdditions = 1;
constexpr std::int32_t kMethodByCalibration = 5;

struct Metal {
  const char* Symbol;
  const char* English;
  const char* Russian;
  double Peak;                    // stripping peak potential, mV
  std::int32_t Electrolysis;      // deposition potential, mV
  std::int32_t SweepStart;        // mV
  std::int32_t SweepEnd;          // mV
  double StandardConcentration;   // the mixed standard, µg/dm³
  std::int32_t ElectrolysisTime;  // s: longer for the metals the sample holds less of
};

// Potentials as the emulated cell gives them; the sweep window covers the
// metal's peak with room for its baseline on both sides.
const Metal kZinc{"Zn", "Zinc", "Цинк", -930.0, -1400, -1150, -700, 8000.0, 30};
const Metal kCadmium{"Cd", "Cadmium", "Кадмий", -620.0, -1000, -850, -450, 3000.0, 60};
const Metal kLead{"Pb", "Lead", "Свинец", -420.0, -800, -650, -250, 5000.0, 60};
const Metal kCopper{"Cu", "Copper", "Медь", -180.0, -600, -400, 50, 6000.0, 60};

ProgramStep MeasurementStep(const Metal& metal, const std::string& comment) {
  ProgramStep step = ProgramStep::Default();
  step.SetCleaningPotential(100);
  step.SetCleaningTime(10);
  step.SetElectrolysisPotential(metal.Electrolysis);
  step.SetElectrolysisTime(metal.ElectrolysisTime);
  step.SetStirrer(true);
  step.SetStirrerType(1);
  step.SetStirrerSpeed(1000);
  step.SetSweepRate(200);
  step.SetSweepStart(metal.SweepStart);
  step.SetSweepEnd(metal.SweepEnd);
  step.SetModulation(true);
  step.SetModulationAmplitude(20);
  step.SetModulationFrequency(25);
  step.SetValuesRange(2);
  step.SetConjunctionType(1);
  step.SetFilterValue(2);
  step.SetComments(comment);
  return step;
}

// Reproducibility and error by range, mg/dm³, as a laboratory validates a
// drinking-water method.
TMethodStat Statistics(const std::string& name, const Metal& metal) {
  TMethodStat s;
  s.Name = name;
  s.ResTop = kMilligram;
  s.ResBottom = kDm3;
  s.CellConc = 0;
  TElementStatistics e;
  e.Name = metal.Symbol;
  e.Ranges = {{0.0005, 0.005, 28.0, 36.0, 40}, {0.005, 0.05, 20.0, 28.0, 25}, {0.05, 1.0, 14.0, 20.0, 18}};
  s.Elements.push_back(std::move(e));
  return s;
}

TPredefPeak Peak(const Metal& metal) {
  TPredefPeak p;
  p.Name = metal.Symbol;
  p.LeftBorder = metal.Peak - 150.0;  // a stripping peak rises slowly on its negative side
  p.MiddleBorder = metal.Peak;
  p.RightBorder = metal.Peak + 100.0;
  p.AdditionConc = metal.StandardConcentration;
  p.CalcType = 0;  // by height
  return p;
}

// The standard script of the method, filled in: stirrer and loops after
// the cell is named, volumes, units and the predefined peak before the
// measurement cycle.
TWizSteps Script(const TMethod& method, const Metal& metal, std::int32_t controlSolution) {
  TWizSteps script = MethodScriptCreator::Generate(method, method.CalcMethod);
  for (auto it = script.begin(); it != script.end(); ++it) {
    switch (it->Type) {
      case kStepControlSolution:
        it->Value = controlSolution;
        break;
      case kStepCalcTable:
        // 1 cm³ of water sample, undiluted, poured whole into the cell;
        // additions of 0.05 cm³.
        it->CalcTable = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.05, 0.05, 0.05, 0.05};
        break;
      case kStepConcUnits:
        it->Units = {kMicrogram, kDm3, kMicrogram, kDm3};
        break;
      case kStepPredefPeaks:
        it->Peaks = {Peak(metal)};
        break;
      default:
        break;
    }
  }
  // After the supporting electrolyte: the stirrer and one pass of the programs.
  auto electrolyte = script.begin();
  while (electrolyte != script.end() && electrolyte->Type != kStepSupportingElectrolyte) ++electrolyte;
  if (electrolyte != script.end()) {
    const auto at = electrolyte + 1;
    script.insert(at, {ValueRecord::IntValue(kStepStirrerType, 1), ValueRecord::IntValue(kStepLoopsCount, 1)});
  }
  return script;
}

// On the autosampler the electrode is rinsed in the service cell 1, "Rinse
// water" (no voltammogram), then records in the sample cell 2; it goes down
// before each step and up after it. The tray gives every sample its own
// analyte and addition cells, so one step records one voltammogram.
TSingleProgramArray SamplerProgram(const Metal& metal) {
  ProgramStep rinse = ProgramStep::Default();
  rinse.SetCleaningPotential(100);
  rinse.SetCleaningTime(15);
  rinse.SetElectrolysisTime(0);
  rinse.SetSweepStart(metal.SweepStart);
  rinse.SetSweepEnd(metal.SweepStart);
  rinse.SetStirrer(true);
  rinse.SetStirrerType(1);
  rinse.SetStirrerSpeed(1000);
  rinse.SetComments("Rinse");
  ProgramStep sample = MeasurementStep(metal, std::string(metal.Symbol) + ", sample");
  for (ProgramStep* s : {&rinse, &sample}) {
    s->SetElectrodeDown(true);
    s->SetElectrodeUp(true);
  }
  rinse.SetSamplerCell(1);
  sample.SetSamplerCell(2);
  return {rinse, sample};
}

TMethod Make(const Metal& metal, std::int32_t calcMethod, const std::string& titleEn, const std::string& titleRu,
             const std::string& subMenuEn, const std::string& subMenuRu, bool onSampler = false) {
  TMethod m;
  m.CalcMethod = calcMethod;
  m.HideUnused = true;
  m.SupportingElectrolyte = "0.1 M HCOOH + 0.02 M KCl";
  const std::string symbol = metal.Symbol;
  if (onSampler) {
    m.Programs = {SamplerProgram(metal)};
  } else {
    m.Programs = {{MeasurementStep(metal, symbol + ", replicate 1"), MeasurementStep(metal, symbol + ", replicate 2")}};
  }
  m.RebuildCells();
  if (onSampler) m.Cells.at(1).CellKind = kCellAnalyte;
  m.Statistics = Statistics(symbol + " in drinking water (" + titleEn + ")", metal);

  TLocalizedMethod en;
  en.LanguageId = kLanguageEnglish;
  en.SubMenu = subMenuEn;
  en.Title = std::string(metal.English) + " (" + titleEn + ")";
  en.MethodName = m.Statistics.Name;
  en.StepComments = {{symbol + ", replicate 1", symbol + ", replicate 2"}};
  if (onSampler) {
    en.StepComments = {{"Rinse", symbol + ", sample"}};
    en.CellDescriptions = {"Rinse water", "Sample"};
  }
  TLocalizedMethod ru;
  ru.LanguageId = kLanguageRussian;
  ru.SubMenu = subMenuRu;
  ru.Title = std::string(metal.Russian) + " (" + titleRu + ")";
  ru.MethodName = m.Statistics.Name;
  ru.StepComments = {{symbol + ", повтор 1", symbol + ", повтор 2"}};
  if (onSampler) {
    ru.StepComments = {{"Промывка", symbol + ", проба"}};
    ru.CellDescriptions = {"Промывочная вода", "Проба"};
  }
  m.Localized = {en, ru};
  m.ShapeLanguages();

  // Standard additions: background, sample and two additions in every
  // pass of the cycle. By calibration: the control solution, then the
  // sample, read off the active calibration.
  m.Script = Script(m, metal, calcMethod == kMethodByCalibration ? 1 : 0);
  return m;
}

}  // namespace

std::vector<ExampleMethods::Entry> ExampleMethods::All() {
  const char* additionsEn = "standard additions";
  const char* additionsRu = "метод добавок";
  const char* menuEn = "Drinking water";
  const char* menuRu = "Питьевая вода";
  std::vector<Entry> all;
  for (const Metal* metal : {&kZinc, &kCadmium, &kLead, &kCopper}) {
    all.push_back({std::string(metal->Symbol) + "-standard-additions.mtd",
                   Make(*metal, kMethodStandardAdditions, additionsEn, additionsRu, menuEn, menuRu)});
  }
  all.push_back(
      {"Pb-calibration.mtd", Make(kLead, kMethodByCalibration, "calibration", "по градуировке", menuEn, menuRu)});
  // Batches on the autosampler: cadmium and lead share the supporting
  // electrolyte, so a sample's cells serve both.
  for (const Metal* metal : {&kCadmium, &kLead}) {
    all.push_back({std::string(metal->Symbol) + "-autosampler.mtd",
                   Make(*metal, kMethodStandardAdditions, "standard additions, autosampler",
                        "метод добавок, автосамплер", menuEn, menuRu, true)});
  }
  return all;
}

}  // namespace velmora
