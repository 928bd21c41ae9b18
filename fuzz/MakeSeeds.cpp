// Writes the seed corpora of the fuzz targets: small documents, folder
// database curves, text files, settings, JSON texts, program files, journals,
// equations and analyzer answers made by the writers of the system, so that
// the fuzzers start from real shapes.
//
//   velmora_fuzz_seeds fuzz/corpus
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BinaryWriter.h"
#include "CustomCalcFile.h"
#include "DeviceProtocol.h"
#include "DocumentFile.h"
#include "ExampleMethods.h"
#include "FileHeader.h"
#include "FolderDatabase.h"
#include "IniFile.h"
#include "LinkFrame.h"
#include "MethodFile.h"
#include "Options.h"
#include "ProgramFiles.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TRecoveryJournal.h"
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

// Tables of other instruments, as the import tests read them.
void InstrumentTables() {
  const std::string rows = "-1,2;2,0E-05\n-1,19;2,1E-05\n-1,18;2,3E-05\n";
  PutText("fuzz_instrument_import", "semicolon-comma.csv", "E / V;I / A;\n" + rows);
  PutText("fuzz_instrument_import", "bom-quoted.csv",
          "\xEF\xBB\xBF\"Potential (V)\",\"Current (A)\"\n-1.2,2.0E-05\n-1.19,2.1E-05\n");
  PutText("fuzz_instrument_import", "units-row.txt",
          "Potential\tCurrent\nmV\t\xC2\xB5"
          "A\n-1200\t20\n-1190\t21\n");
  PutText("fuzz_instrument_import", "header-lines.txt",
          "Exported 2026-12-01\nScan 1\nE/V   I/mA\n-1.2   0.02\n-1.1  0.021\n");
  PutText("fuzz_instrument_import", "four-columns.csv",
          "Time (s);WE(1).Potential (V);WE(1).Current (A);Index\n0;-1,2;2,0E-05;1\n0,1;-1,19;2,1E-05;2\n");
  PutText("fuzz_instrument_import", "density.csv", "E;j\nV vs. RHE;mA/cm2\n-0.5;1.5E-005\n-0.4;2e+0\r\n");
  PutText("fuzz_instrument_import", "bad-row.csv", "E;I\n-1;2\n-0,9;2,1\noops;3\n");
}

// Recovery journals of two curves: the file as written, and the entries'
// payloads joined by the separator of the fuzz target.
void Journals() {
  TNodeForest f;
  TVAStruct* a = Leaf(f, nullptr, "Zn 1", 8, true);
  TVAStruct* b = Leaf(f, nullptr, "empty", 0, false);
  BinaryWriter journal;
  FileHeader::write(journal, TRecoveryJournal::TypeCode);
  std::vector<std::uint8_t> payloads;
  for (const auto& [record, caption] : {std::pair{a, "Zn 1"}, std::pair{b, "empty"}}) {
    const std::vector<std::uint8_t> entry = TRecoveryJournal::EncodeEntry(*record, caption);
    journal.bytes(entry);
    if (!payloads.empty()) payloads.insert(payloads.end(), {0xFE, 0xED, 0xFA, 0xCE});
    payloads.insert(payloads.end(), entry.begin() + 8, entry.end() - 4);
  }
  Put("fuzz_recovery_journal", "Recovery.vrj", journal.take());
  Put("fuzz_recovery_journal", "payloads", payloads);
}

void CustomEquations() {
  TCustomMethodArr methods(2);
  methods[0].Name = "Ratio";
  methods[0].Formula = "I0/IB";
  methods[0].Vars = {{"I0", "Analyte current", 0.0}, {"IB", "Supporting electrolyte current", 0.0}};
  methods[0].ResultUnitTop = 4;
  methods[0].ResultUnitBottom = 2;
  methods[1].Name = "Scaled";
  methods[1].Formula = "(k*I0-IB)/(VR+1e-3)";
  methods[1].Vars = {{"k", "Factor", 2.5}};
  Put("fuzz_custom_calc", "CustomCalc", CustomCalcFile::Encode(methods));
}

void DummyData() {
  PutText("fuzz_dummy_data", "pairs.txt", "-1000 20.5\r\n-999,5\t20,75\n\n  -999 21\n");
  PutText("fuzz_dummy_data", "odd.txt", "1 2 3");
}

void Formulas() {
  PutText("fuzz_formula", "ratio.txt", "I0/IB");
  PutText("fuzz_formula", "vars.txt", "k=2.5\nm=1e-3\n(k*I0-IB)/(m+VR)*2");
  PutText("fuzz_formula", "unbalanced.txt", "((2+3)*4-(5/0");
}

void MessageTemplates() {
  auto put = [](const std::string& name, const std::vector<std::string>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) text += (i ? std::string(1, '\0') : std::string()) + parts[i];
    PutText("fuzz_message_templates", name, text);
  };
  put("printf", {"Cannot open file \"%s\". %s", "/data/a.tvx", "No such file or directory"});
  put("numbered", {"%2: \"%1\" %% %1.4f %.2f %-5d %g", "Pb", "12,5", "x"});
  put("reordered", {"\xD0\x9D\xD0\xB5 %2 %1 %3", "a", "b"});
}

// Analyzer answers: status, a reset with the add-on, the version text, the
// calibration image and data answers with an end marker, in small chunks.
void SerialFrames() {
  using namespace protocol;
  auto words = [](std::initializer_list<int> values) {
    std::vector<std::uint8_t> out{0};  // the count byte before the data
    for (int v : values) {
      out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
      out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    }
    return out;
  };
  // Range 3, no modulation, sweep mode, device type 1, filter 2, rate 60,
  // unity potential scale, zero 0, gain 1, chunks of 7 bytes.
  std::vector<std::uint8_t> input = {4, 0, 0, 1, 2, 20, 0x10, 0x27, 0, 0, 0x80, 6};
  auto frame = [&input](std::uint8_t code, const std::vector<std::uint8_t>& payload) {
    const std::vector<std::uint8_t> f = LinkFrame::build(code, payload);
    input.insert(input.end(), f.begin(), f.end());
  };
  frame(COM_STATUS, {StatusDataReady | StageMeasurement});
  frame(COM_RESET, {ResetCalibrated, 1, 50});
  frame(COM_VER_DATA, {'V', '2', '.', '1'});
  frame(COM_READ_EEPROM, std::vector<std::uint8_t>(1 + EepromImageSize, 0x11));
  frame(COM_READ_DATA, words({-1000, 2000, -990, 2100, -980, 2300, -970, 2600}));
  frame(COM_READ_DATA, words({-960, 2400, 0, EndMarker}));
  frame(COM_ZAMPLER_C, {SamplerMove, 3});
  input.insert(input.end(), {0x00, StartByte, 0xFF, 0xFF, 0x01});  // noise, an oversized length
  Put("fuzz_serial_frames", "recording", input);
  input[1] = 1;  // modulation
  input[2] = 2;  // a point-count mode
  Put("fuzz_serial_frames", "modulated", input);
}

// A folder database: the index, two curve files, a file that is no curve
// and a folder with a curve's name, joined by the target's separator.
void FolderListings() {
  TNodeForest f;
  TVAStruct* a = Leaf(f, nullptr, "curve", 8, true);
  TVAStruct* b = Leaf(f, nullptr, "empty", 0, false);
  std::vector<std::uint8_t> input = {3, 0, 0, 0};
  auto file = [&input](const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string head = "\n--\n" + name + "\n";
    input.insert(input.end(), head.begin(), head.end());
    input.insert(input.end(), bytes.begin(), bytes.end());
  };
  file(FolderDatabase::CurveFileName(0), FolderDatabase::CurveFileBytes(*a));
  file(FolderDatabase::CurveFileName(3), FolderDatabase::CurveFileBytes(*b));
  file("notes.txt", {'x'});
  file(FolderDatabase::CurveFileName(2) + "~", {});
  Put("fuzz_folder_listing", "folder", input);
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
  InstrumentTables();
  Journals();
  CustomEquations();
  DummyData();
  Formulas();
  MessageTemplates();
  SerialFrames();
  FolderListings();
  return 0;
}
