// Writes the seed corpora of the fuzz targets: small documents, folder
// database curves, text files, settings, JSON texts and program files made
// by the writers of the system, so that the fuzzers start from real shapes.
//
//   velmora_fuzz_seeds fuzz/corpus
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DocumentFile.h"
#include "ExampleMethods.h"
#include "FolderDatabase.h"
#include "IniFile.h"
#include "MethodFile.h"
#include "Options.h"
#include "ProgramFiles.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TReportRec.h"
#include "TVAStruct.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

fs::path g_root;

void Put(const std::string& target, const std::string& name, const std::vector<std::uint8_t>& bytes) {
  const fs::path dir = g_root / target;
  fs::create_directories(dir);
  std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void PutText(const std::string& target, const std::string& name, const std::string& text) {
  Put(target, name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

// A stripping peak on a background of tens of µA, `count` points.
TDataArr Curve(int count, double height) {
  TDataArr points;
  for (int i = 0; i < count; ++i) {
    const double x = -1000.0 + 50.0 * i;
    const double d = (x + 600.0) / 60.0;
    points.push_back({x, 20.0 + 0.01 * (x + 1000.0) + height / (1.0 + d * d)});
  }
  return points;
}

TVAStruct* Leaf(TNodeForest& f, TNode* parent, const std::string& name, int points, bool peak) {
  TNode* n = parent != nullptr ? f.AddChild(parent) : f.AddNode(f.LastRoot(), nullptr);
  n->SetNameSilently(name);
  auto record = std::make_unique<TVAStruct>(n);
  TVAStruct* va = record.get();
  n->SetRecord(std::move(record));
  va->SetData(Curve(points, 5.0));
  va->DatabaseName = "_______1.dbd";
  va->RecordDate = 46000.5;
  if (peak) {
    TPeakRecord p = TPeakRecord::Zero();
    p.Name = "Cd";
    p.BeginIndex = 2;
    p.EndIndex = 6;
    p.PeakValue = 4.5;
    p.CalcType = 1;
    va->Peaks.push_back(p);
  }
  return va;
}

TVAStruct* Group(TNodeForest& f, const std::string& name, std::int32_t type) {
  TNode* n = f.AddNode(f.LastRoot(), nullptr);
  n->SetNameSilently(name);
  auto record = std::make_unique<TVAStruct>(n);
  TVAStruct* va = record.get();
  n->SetRecord(std::move(record));
  va->SetNodeType(type);
  return va;
}

void Documents() {
  {
    TNodeForest f;
    Put("fuzz_document", "empty.tvx", DocumentFile::DocumentBytes(f));
  }
  {
    TNodeForest f;
    Leaf(f, nullptr, "Zn 1", 8, true);
    Leaf(f, nullptr, "empty", 0, false);
    Put("fuzz_document", "leaves.tvx", DocumentFile::DocumentBytes(f));
  }
  for (std::int32_t type : {0, 1, 2}) {
    TNodeForest f;
    TVAStruct* g = Group(f, "Sample", type);
    Leaf(f, g->Node, "a", 6, true);
    Leaf(f, g->Node, "b", 6, false);
    f.MarkParentChain(g->Node->FirstChild);
    g->Node->FirstChild->SetChecked(true);
    g->Node->Fold();
    const std::vector<std::uint8_t> bytes = DocumentFile::DocumentBytes(f);
    Put("fuzz_document", "group" + std::to_string(type) + ".tvx", bytes);
    if (type == 1) Put("fuzz_chunks", "group1.tvx", bytes);
  }
  {
    // A block of a newer version inside a curve record: tag 99.
    TNodeForest f;
    Leaf(f, nullptr, "unknown", 3, false);
    std::vector<std::uint8_t> bytes = DocumentFile::DocumentBytes(f);
    const std::uint8_t extra[] = {99, 0, 0, 0, 4, 0, 0, 0, 1, 2, 3, 4};
    bytes.insert(bytes.end(), std::begin(extra), std::end(extra));
    Put("fuzz_document", "unknown-block.tvx", bytes);
    Put("fuzz_chunks", "unknown-block.tvx", bytes);
  }
}

void FolderDatabaseCurves() {
  TNodeForest f;
  TVAStruct* va = Leaf(f, nullptr, "curve", 8, true);
  Put("fuzz_folder_database", "_______1.dbd", FolderDatabase::CurveFileBytes(*va));
  TVAStruct* empty = Leaf(f, nullptr, "empty", 0, false);
  Put("fuzz_folder_database", "_______2.dbd", FolderDatabase::CurveFileBytes(*empty));
}

void TextFiles() {
  PutText("fuzz_text_import", "tabs.txt", "-1000.0\t20.5\n-950.0\t21.25\n-900\t22\n");
  PutText("fuzz_text_import", "spaces-crlf.txt", "-1000 20.5\r\n-950   21.25\r\n-900 2 2\r\n");
  PutText("fuzz_text_import", "commas.txt", "-1000,0 20,5\n-950,5\t\t21\n1e3 -2E-2\n");
  PutText("fuzz_text_import", "bad.txt", "x y\n\n");
}

void Settings() {
  IniFile ini;
  Options options;
  options.write(ini);
  PutText("fuzz_ini", "Options.ini", ini.serialize());
  PutText("fuzz_ini", "odd.ini",
          "; comment\n[Record]\nMaxCurrent=1,5\n[record]\nmaxcurrent = 2e3\n[]\n=x\nnokey\n[Port\n");
}

void JsonTexts() {
  PutText(
      "fuzz_json", "predefined.json",
      R"([{"Name":"Cd","LeftBorder":-700,"MiddleBorder":-620.5,"RightBorder":-550,"AdditionConc":1e-3,"CalcType":1},)"
      "\n"
      R"( {"Name":"Pb","LeftBorder":-480,"RightBorder":-380,"CalcType":0}])");
  PutText("fuzz_json", "values.json",
          R"({"a":[true,false,null,0,-0.5,1E+2,"t\u00e9xt \ud83d\ude00 \"q\" \\ \/ \b\f\n\r\t"],"b":{},"c":[]})");
}

void ProgramFilesSeeds() {
  TSingleProgramArray program(2, ProgramStep::Default());
  program[0].SetSweepStart(-1200);
  program[0].SetSweepEnd(100);
  program[1].SetCycle(true);
  program[1].SetCycleCount(3);
  TVAProgramsArray set{program, TSingleProgramArray(1, ProgramStep::Default())};
  auto prefixed = [](std::uint8_t kind, std::vector<std::uint8_t> bytes) {
    bytes.insert(bytes.begin(), kind);
    return bytes;
  };
  Put("fuzz_program_files", "one.prg", prefixed(0, ProgramFiles::EncodeSingleProgram(program)));
  Put("fuzz_program_files", "set.vap", prefixed(2, ProgramFiles::EncodeProgramSet(set, 1)));
  // ".car": the counts first (step counts of 11 programs, current, program
  // count), then the start of the program images.
  const std::vector<std::uint8_t> car = ProgramFiles::EncodeMultiProgram(set, 1);
  std::vector<std::uint8_t> compact{1};
  compact.insert(compact.end(), car.begin() + static_cast<std::ptrdiff_t>(ProgramFiles::kCarCountsOffset), car.end());
  compact.insert(compact.end(), car.begin(), car.begin() + 2 * ProgramStep::kHeadSize);
  Put("fuzz_program_files", "set.car", compact);
}

// The shipped methods, a method with autosampler cells and an embedded
// equation, and their scripts: as files and as bare command streams.
void MethodSeeds() {
  for (const ExampleMethods::Entry& e : ExampleMethods::All()) {
    Put("fuzz_method_file", e.FileName, MethodFile::Encode(e.Method));
    std::vector<std::uint8_t> script = TWizSteps::Encode(e.Method.Script);
    script.insert(script.begin(), 1);
    Put("fuzz_script", e.FileName + ".tvs", script);
  }
  TMethod sampler = ExampleMethods::All().front().Method;
  sampler.Programs[0][0].SetSamplerCell(3);
  sampler.Programs[0][1].SetSamplerCell(5);
  sampler.RebuildCells();
  sampler.Cells[0].CellKind = 1;
  sampler.CalcMethod = 6;
  sampler.CustomEquation.Name = "Ratio";
  sampler.CustomEquation.Formula = "I0/IB";
  sampler.CustomEquation.Vars = {{"I0", "Analyte current", 0.0}, {"IB", "Supporting electrolyte current", 0.0}};
  sampler.Script.resize(3);
  Put("fuzz_method_file", "sampler.mtd", MethodFile::Encode(sampler));

  TWizSteps every;
  for (std::uint32_t type = 0; type <= kStepLastKnown; ++type) every.push_back(ValueRecord::Make(type));
  every[kStepPredefPeaks].Peaks = {{"Cd", -770, -620, -520, 3000, 0}};
  every[kStepProgram].Programs = {TSingleProgramArray(1, ProgramStep::Default())};
  every[kStepStatistics].Statistics = ExampleMethods::All().front().Method.Statistics;
  every[kStepCustomEquation].Equation = sampler.CustomEquation;
  every[kStepDummyData].Dummy = {1, {{-900.0, 21.5}, {-890.0, 22.25}, {-880.0, 21.75}}};
  every[kStepActivation].Activation = {"HNO3", 0.5};
  every.push_back(ValueRecord::Make(30));
  std::vector<std::uint8_t> stream = TWizSteps::Bytes(every);
  stream.insert(stream.begin(), 0);
  Put("fuzz_script", "every-kind.bin", stream);
}

// A report of two experiments (one with a calibration) judged against
// statistics, and one of a custom equation with variables.
void ReportSeeds() {
  auto curve = [](int role) {
    auto c = std::make_shared<TVAStruct>(nullptr);
    for (int i = 0; i <= 40; ++i) c->Data.push_back({-1200.0 + 30.0 * i, 25.0 + 0.1 * i});
    c->Params.SetMeasurementType(role);
    c->AddPeak("Pb", 1, 10, 20);
    return c;
  };
  TExpRec e;
  e.Name = "/data/sample.tvx";
  e.ResUnitTop = e.RecalcUnitTop = 4;
  e.ResUnitBottom = e.RecalcUnitBottom = 2;
  e.AliquotVolume = e.CellVolume = 10.0;
  e.DilutionFactor = 1.0;
  e.CalcMethod = 5;
  e.ElementResults = {{"Pb", 25.0, 25e-6}, {"Cd", -1.0, -1.0}};
  e.Curves = {curve(1), curve(0)};
  TSingleCalibration cal;
  cal.Name = "Pb";
  cal.UnitTop = 4;
  cal.UnitBottom = 2;
  cal.Slope = 2.0;
  cal.Points = {{10.0, 20.0}, {20.0, 40.0}};
  cal.Curves = {curve(1)};
  e.Calibrations = {cal};
  TReportRec report;
  report.Title = "Tap water";
  report.Statistics.Name = "Drinking water";
  report.Statistics.ResTop = 5;
  report.Statistics.ResBottom = 2;
  report.Statistics.Elements.push_back({"Pb", {{0.002, 0.2, 0.25, 0.7, 30}}});
  report.AddExperiment(e);
  e.Calibrations.clear();
  e.CalcMethod = 1;
  report.AddExperiment(e);
  report.BuildTable();
  Put("fuzz_report", "report-0", report.Bytes());
  TReportRec custom;
  e.CalcMethod = 6;
  e.Vars = {{"k", "Factor", 1.5}};
  custom.AddExperiment(e);
  Put("fuzz_report", "report-vars", custom.Bytes());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: velmora_fuzz_seeds CORPUS_FOLDER\n");
    return 2;
  }
  g_root = argv[1];
  Documents();
  FolderDatabaseCurves();
  TextFiles();
  Settings();
  JsonTexts();
  ProgramFilesSeeds();
  MethodSeeds();
  ReportSeeds();
  return 0;
}
