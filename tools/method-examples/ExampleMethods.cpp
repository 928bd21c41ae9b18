#include "ExampleMethods.h"

#include <algorithm>

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

// One sweep over the peaks of all `metals`: deposited at the most negative
// of their electrolysis potentials for the longest of their times.
ProgramStep MeasurementStep(const std::vector<const Metal*>& metals, const std::string& comment,
                            std::int32_t valuesRange) {
  const Metal& metal = *metals.front();
  std::int32_t electrolysis = metal.Electrolysis, time = metal.ElectrolysisTime;
  std::int32_t start = metal.SweepStart, end = metal.SweepEnd;
  for (const Metal* m : metals) {
    electrolysis = std::min(electrolysis, m->Electrolysis);
    time = std::max(time, m->ElectrolysisTime);
    start = std::min(start, m->SweepStart);
    end = std::max(end, m->SweepEnd);
  }
  ProgramStep step = ProgramStep::Default();
  step.SetCleaningPotential(100);
  step.SetCleaningTime(10);
  step.SetElectrolysisPotential(electrolysis);
  step.SetElectrolysisTime(time);
  step.SetStirrer(true);
  step.SetStirrerType(1);
  step.SetStirrerSpeed(1000);
  step.SetSweepRate(200);
  step.SetSweepStart(start);
  step.SetSweepEnd(end);
  step.SetModulation(true);
  step.SetModulationAmplitude(20);
  step.SetModulationFrequency(25);
  step.SetValuesRange(valuesRange);
  step.SetConjunctionType(1);
  step.SetFilterValue(2);
  step.SetComments(comment);
  return step;
}

// Reproducibility and critical difference (shares of the mean result) and
// error (percent) by range, mg/dm³, as a laboratory validates a
// drinking-water method.
TMethodStat Statistics(const std::string& name, const std::vector<const Metal*>& metals) {
  TMethodStat s;
  s.Name = name;
  s.ResTop = kMilligram;
  s.ResBottom = kDm3;
  s.CellConc = 0;
  for (const Metal* metal : metals) {
    TElementStatistics e;
    e.Name = metal->Symbol;
    e.Ranges = {{0.0005, 0.005, 0.28, 0.36, 40}, {0.005, 0.05, 0.20, 0.28, 25}, {0.05, 1.0, 0.14, 0.20, 18}};
    s.Elements.push_back(std::move(e));
  }
  return s;
}

TPredefPeak Peak(const Metal& metal) {
  TPredefPeak p;
  p.Name = metal.Symbol;
  // The search names a peak whose borders both lie in the window. A
  // stripping peak rises slowly on its negative side, and its right border
  // runs on to the next peak or to the end of the sweep.
  p.LeftBorder = metal.Peak - 200.0;
  p.MiddleBorder = metal.Peak;
  p.RightBorder = metal.Peak + 250.0;
  p.AdditionConc = metal.StandardConcentration;
  p.CalcType = 0;  // by height
  return p;
}

// The standard script of the method, filled in: stirrer and loops after
// the cell is named, volumes, units and the predefined peak before the
// measurement cycle.
TWizSteps Script(const TMethod& method, const std::vector<const Metal*>& metals, std::int32_t controlSolution,
                 const TCalcTable& calcTable) {
  TWizSteps script = MethodScriptCreator::Generate(method, method.CalcMethod);
  for (auto it = script.begin(); it != script.end(); ++it) {
    switch (it->Type) {
      case kStepControlSolution:
        it->Value = controlSolution;
        break;
      case kStepCalcTable:
        it->CalcTable = calcTable;
        break;
      case kStepConcUnits:
        it->Units = {kMicrogram, kDm3, kMicrogram, kDm3};
        break;
      case kStepPredefPeaks:
        it->Peaks.clear();
        for (const Metal* metal : metals) it->Peaks.push_back(Peak(*metal));
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

// 1 cm³ of water sample made up to 11 cm³ with the supporting electrolyte,
// all of it in the cell; additions of 0.05 cm³ of the standard. The
// emulator's operator fills its cell the same way.
const TCalcTable kCalcTable{1.0, 1.0, 1.0, 1.0, 11.0, 11.0, 0.05, 0.05, 0.05, 0.05};

// The 200 mkA range: 20 µA full scale with modulation, room for the peaks
// of two additions.
constexpr std::int32_t kValuesRange = 3;

struct Texts {
  std::string Symbols;  // "Zn" or "Zn, Cd, Pb, Cu"
  std::string English;  // "Zinc"
  std::string Russian;
};

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
  ProgramStep sample = MeasurementStep({&metal}, std::string(metal.Symbol) + ", sample", kValuesRange);
  for (ProgramStep* s : {&rinse, &sample}) {
    s->SetElectrodeDown(true);
    s->SetElectrodeUp(true);
  }
  rinse.SetSamplerCell(1);
  sample.SetSamplerCell(2);
  return {rinse, sample};
}

TMethod Make(const std::vector<const Metal*>& metals, const Texts& texts, std::int32_t calcMethod,
             const std::string& titleEn, const std::string& titleRu, const std::string& subMenuEn,
             const std::string& subMenuRu, bool onSampler = false) {
  TMethod m;
  m.CalcMethod = calcMethod;
  m.HideUnused = true;
  m.SupportingElectrolyte = "0.1 M HCOOH + 0.02 M KCl";
  const std::string& symbols = texts.Symbols;
  if (onSampler) {
    m.Programs = {SamplerProgram(*metals.front())};
  } else {
    m.Programs = {{MeasurementStep(metals, symbols + ", replicate 1", kValuesRange),
                   MeasurementStep(metals, symbols + ", replicate 2", kValuesRange)}};
  }
  m.RebuildCells();
  if (onSampler) m.Cells.at(1).CellKind = kCellAnalyte;
  m.Statistics = Statistics(symbols + " in drinking water (" + titleEn + ")", metals);

  TLocalizedMethod en;
  en.LanguageId = kLanguageEnglish;
  en.SubMenu = subMenuEn;
  en.Title = texts.English + " (" + titleEn + ")";
  en.MethodName = m.Statistics.Name;
  en.StepComments = {{symbols + ", replicate 1", symbols + ", replicate 2"}};
  if (onSampler) {
    en.StepComments = {{"Rinse", symbols + ", sample"}};
    en.CellDescriptions = {"Rinse water", "Sample"};
  }
  TLocalizedMethod ru;
  ru.LanguageId = kLanguageRussian;
  ru.SubMenu = subMenuRu;
  ru.Title = texts.Russian + " (" + titleRu + ")";
  ru.MethodName = m.Statistics.Name;
  ru.StepComments = {{symbols + ", повтор 1", symbols + ", повтор 2"}};
  if (onSampler) {
    ru.StepComments = {{"Промывка", symbols + ", проба"}};
    ru.CellDescriptions = {"Промывочная вода", "Проба"};
  }
  m.Localized = {en, ru};
  m.ShapeLanguages();

  // Standard additions: background, sample and two additions in every
  // pass of the cycle. By calibration: the control solution, then the
  // sample, read off the active calibration.
  m.Script = Script(m, metals, calcMethod == kMethodByCalibration ? 1 : 0, kCalcTable);
  return m;
}

TMethod MakeSingle(const Metal& metal, std::int32_t calcMethod, const std::string& titleEn, const std::string& titleRu,
                   const std::string& subMenuEn, const std::string& subMenuRu, bool onSampler = false) {
  return Make({&metal}, {metal.Symbol, metal.English, metal.Russian}, calcMethod, titleEn, titleRu, subMenuEn,
              subMenuRu, onSampler);
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
                   MakeSingle(*metal, kMethodStandardAdditions, additionsEn, additionsRu, menuEn, menuRu)});
  }
  all.push_back(
      {"Pb-calibration.mtd", MakeSingle(kLead, kMethodByCalibration, "calibration", "по градуировке", menuEn, menuRu)});
  // The four metals in one sweep.
  all.push_back({"ZnCdPbCu-standard-additions.mtd",
                 Make({&kZinc, &kCadmium, &kLead, &kCopper},
                      {"Zn, Cd, Pb, Cu", "Zinc, cadmium, lead, copper", "Цинк, кадмий, свинец, медь"},
                      kMethodStandardAdditions, additionsEn, additionsRu, menuEn, menuRu)});
  // Batches on the autosampler: cadmium and lead share the supporting
  // electrolyte, so a sample's cells serve both.
  for (const Metal* metal : {&kCadmium, &kLead}) {
    all.push_back({std::string(metal->Symbol) + "-autosampler.mtd",
                   MakeSingle(*metal, kMethodStandardAdditions, "standard additions, autosampler",
                              "метод добавок, автосамплер", menuEn, menuRu, true)});
  }
  return all;
}

}  // namespace velmora
