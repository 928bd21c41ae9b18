#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "AllocationMeter.h"
#include "BinaryWriter.h"
#include "ChunkWriter.h"
#include "FormatError.h"
#include "PeakFormat.h"
#include "ReportSamples.h"
#include "TReportDocument.h"
#include "TReportRec.h"
#include "TReportStore.h"
#include "TVAStruct.h"
#include "TempDir.h"

using namespace velmora;
using velmora::test::Curve;
using velmora::test::Experiment;
using velmora::test::TempDir;

namespace {

// Statistics in mg/dm³ of sample concentrations.
TMethodStat Stat() {
  TMethodStat s;
  s.Name = "Drinking water";
  s.ResTop = 5;
  s.ResBottom = 2;
  s.Elements.push_back({"Pb", {{0.002, 0.02, 0.25, 0.7, 40}, {0.02, 0.2, 0.17, 0.47, 30}}});
  s.Elements.push_back({"Cd", {{0.0005, 0.05, 0.3, 0.8, 35}}});
  return s;
}

std::vector<std::string> Row(const std::vector<std::vector<std::string>>& cols, std::size_t r) {
  std::vector<std::string> row;
  for (const auto& c : cols) row.push_back(c.at(r));
  return row;
}

TEST(ReportRec, ExperimentsFillElementSlotsInOrderWithGapsForMissingResults) {
  TReportRec report;
  int changes = 0;
  report.OnChange = [&](TReportRec&) { ++changes; };
  report.AddExperiment(Experiment({{"Pb", 10.0}, {"Cd", 2.0}}, 4, 2));
  // The first experiment sets display and native units.
  EXPECT_EQ(report.UnitTop, 4);
  EXPECT_EQ(report.UnitBottom, 2);
  EXPECT_EQ(report.NativeUnitTop, 4);
  EXPECT_EQ(report.NativeUnitBottom, 2);
  EXPECT_EQ(report.Experiments[0].Comment, "Sample 1");
  EXPECT_FALSE(report.Saved);
  // Later experiments in other units are converted through the base units.
  report.AddExperiment(Experiment({{"Pb", 0.012}}, 5, 2));               // mg/dm³: Cd missing
  report.AddExperiment(Experiment({{"Pb", 11.0}, {"Cu", 40.0}}, 4, 2));  // Cu new
  EXPECT_EQ(changes, 3);
  ASSERT_EQ(report.Elements.size(), 3u);
  EXPECT_EQ(report.Elements[0].Name, "Pb");
  EXPECT_EQ(report.Elements[2].Name, "Cu");
  EXPECT_DOUBLE_EQ(report.Elements[0].Results[1], 12e-6);
  EXPECT_EQ(report.Elements[1].Results, (std::vector<double>{2e-6, -1.0, -1.0}));
  EXPECT_EQ(report.Elements[2].Results[0], -1.0);
  EXPECT_DOUBLE_EQ(report.Elements[2].Results[2], 40e-6);
  EXPECT_EQ(report.Elements[2].CellValues[1], -1.0);
  EXPECT_DOUBLE_EQ(report.Elements[2].CellValues[2], 40e-6);

  const auto cols = report.BuildTable();
  ASSERT_EQ(cols.size(), 7u);
  ASSERT_EQ(cols[0].size(), 9u);
  EXPECT_EQ(Row(cols, 0), (std::vector<std::string>{"Pb", "Sample 1", FormatPeakValue(10.0), FormatPeakValue(11.0),
                                                    "X_max_-X_min_=" + FormatPeakValue(2.0) + " ", "0", "-"}));
  EXPECT_EQ(cols[2][1], FormatPeakValue(12.0));
  EXPECT_EQ(cols[1][5], "Sample 3");
  // Cd: one valid result, the mean is that result, no spread.
  EXPECT_EQ(Row(cols, 3),
            (std::vector<std::string>{"Cd", "Sample 1", FormatPeakValue(2.0), FormatPeakValue(2.0), "-", "0", "-"}));
  EXPECT_EQ(cols[2][4], "-");
  EXPECT_EQ(report.Elements[1].Spread, -1.0);
  EXPECT_DOUBLE_EQ(report.Elements[2].Mean, 40.0);

  const auto headers = report.BuildHeaders();
  EXPECT_EQ(headers[2], "X_i_, µg/dm^3^");
  EXPECT_EQ(headers[5], "$д$, %");
  EXPECT_EQ(headers[6], "$Д$, µg/dm^3^");

  // Without statistics the user's δ gives Δ with the decimals of the
  // printed mean ("11.0": none).
  report.Elements[0].Delta = 20;
  EXPECT_EQ(report.BuildErrorColumn()[0], "2");
  report.SetUnitTop(1);  // "mg": mass list index 1
  EXPECT_EQ(report.UnitTop, 5);
  report.SetUnitBottom(1);  // "cm^3^": volume list index 1
  EXPECT_EQ(report.UnitBottom, 1);
  EXPECT_EQ(report.BuildTable()[2][0], FormatPeakValue(1e-5));  // 10 µg/dm³ in mg/cm³
}

TEST(ReportRec, ErrorColumnTakesTheDecimalsOfThePrintedMean) {
  TReportRec report;
  report.AddExperiment(Experiment({{"Pb", 12.3}, {"Cd", 2.5}, {"Zn", 12.0}}));
  report.BuildTable();
  for (auto& e : report.Elements) e.Delta = 20;
  const auto delta = report.BuildErrorColumn();
  EXPECT_EQ(delta, (std::vector<std::string>{"2.5", "0.5", "2"}));  // 12.3, 2.50, 12.0
  report.Elements[0].Delta = 0;
  EXPECT_EQ(report.BuildErrorColumn()[0], "-");
}

TEST(ReportRec, SpreadIsJudgedByReproducibilityOrCriticalDifferenceOfTheRange) {
  TReportRec report;
  report.SetStatistics(Stat());
  report.AddExperiment(Experiment({{"Pb", 25.0}, {"Cd", 5.0}}));
  auto cols = report.BuildTable();
  // One result: in range, no spread to judge; δ from the range.
  EXPECT_EQ(cols[4][0], "-");
  EXPECT_EQ(cols[5][0], "30");
  EXPECT_EQ(report.Elements[0].Limit, -1.0);
  // The spread reads in the results' units, as the other columns do.
  EXPECT_EQ(report.BuildHeaders()[4], "R, µg/dm^3^");

  report.AddExperiment(Experiment({{"Pb", 27.0}, {"Cd", 5.1}}));
  cols = report.BuildTable();
  EXPECT_EQ(report.Elements[0].Limit, 0.17);  // two results: reproducibility
  // 2 µg/dm³ against 0.17 · 26 µg/dm³ = 4.42 µg/dm³.
  EXPECT_EQ(cols[4][0], "X_max_-X_min_=" + FormatPeakValue(2.0) + " < " + FormatPeakValue(4.42));
  EXPECT_EQ(report.Elements[0].Verdict, TReportVerdict::Within);
  EXPECT_EQ(cols[6][0], "8");  // 30 % of 26.0, no decimals
  EXPECT_EQ(cols[5][2], "35");

  report.AddExperiment(Experiment({{"Pb", 40.0}, {"Cd", 5.0}}));
  cols = report.BuildTable();
  EXPECT_EQ(report.Elements[0].Limit, 0.47);  // three results: critical difference
  EXPECT_EQ(report.Elements[0].Spread, 15.0);
  EXPECT_EQ(report.Elements[0].Verdict, TReportVerdict::Exceeds);
  EXPECT_NE(cols[4][0].find(" > "), std::string::npos) << cols[4][0];
  EXPECT_EQ(report.Elements[1].Verdict, TReportVerdict::Within);
}

TEST(ReportRec, MeansOutsideTheRangesAreNamedAndUnknownElementsAndUnitsAreReported) {
  TReportRec report;
  report.SetStatistics(Stat());
  // Pb below 2 µg/dm³; Cd above its last range;
  // Cu unknown to the statistics.
  report.AddExperiment(Experiment({{"Pb", 1.0}, {"Cd", 60.0}, {"Cu", 3.0}}));
  auto cols = report.BuildTable();
  EXPECT_EQ(cols[4][0], "X_med_=" + FormatPeakValue(1.0) + " < " + FormatPeakValue(2.0) + " - limit of determination");
  EXPECT_EQ(report.Elements[0].Verdict, TReportVerdict::BelowLimit);
  EXPECT_EQ(cols[5][0], "-");
  EXPECT_EQ(report.Elements[0].Delta, 0);
  EXPECT_EQ(cols[4][1],
            "X_med_=" + FormatPeakValue(60.0) + " > " + FormatPeakValue(50.0) + " - maximum detectable concentration");
  EXPECT_EQ(report.Elements[1].Verdict, TReportVerdict::AboveMaximum);
  EXPECT_EQ(cols[4][2], "Element not found");
  EXPECT_EQ(report.Elements[2].Verdict, TReportVerdict::NotFound);

  // Results per volume cannot be judged by statistics of mass fractions.
  TReportRec fraction;
  TMethodStat perMass = Stat();
  perMass.ResBottom = 6;  // mg/g
  fraction.SetStatistics(perMass);
  fraction.AddExperiment(Experiment({{"Pb", 25.0}}, 4, 2));
  cols = fraction.BuildTable();
  EXPECT_EQ(cols[4][0], "Dimensions of report and statistics are incompatible");
  EXPECT_EQ(fraction.Elements[0].Verdict, TReportVerdict::Incompatible);
}

TEST(ReportRec, ClearKeepsTitleAndStatisticsAndRemoveElementDeletesItsPeaks) {
  TReportRec report;
  report.Title = "Tap water";
  report.SetStatistics(Stat());
  report.AddExperiment(Experiment({{"Pb", 25.0}, {"Cd", 5.0}}));
  report.AddExperiment(Experiment({{"Pb", 26.0}, {"Cd", 5.0}}));
  // The report owns detached copies.
  ASSERT_EQ(report.Experiments[0].Curves.size(), 2u);
  EXPECT_EQ(report.Experiments[0].Curves[0]->Detached, 1);
  report.RemoveElement(7);
  EXPECT_EQ(report.Elements.size(), 2u);
  report.RemoveElement(0);
  ASSERT_EQ(report.Elements.size(), 1u);
  EXPECT_EQ(report.Elements[0].Name, "Cd");
  EXPECT_EQ(report.Experiments[1].Curves[1]->FindPeak("Pb"), -1);
  EXPECT_GE(report.Experiments[1].Curves[1]->FindPeak("Cd"), 0);
  report.SetComment(1, "Tap B");
  report.SetComment(5, "ignored");
  EXPECT_EQ(report.GetComment(1), "Tap B");
  report.Clear();
  EXPECT_TRUE(report.Empty());
  EXPECT_TRUE(report.Experiments.empty());
  EXPECT_EQ(report.UnitBottom, -1);
  EXPECT_EQ(report.Title, "Tap water");
  EXPECT_EQ(report.Statistics.Name, "Drinking water");
}

TEST(ReportRec, ReportFileRoundTripShowsTheSameTable) {
  TReportRec report;
  report.Title = "Tap water, heavy metals";
  report.SetStatistics(Stat());
  report.AddExperiment(Experiment({{"Pb", 25.0}, {"Cd", 5.0}}));
  report.AddExperiment(Experiment({{"Pb", 26.0}}));
  TExpRec withCal = Experiment({{"Pb", 24.0}, {"Cd", 5.2}});
  withCal.CalcMethod = 5;
  TSingleCalibration cal;
  cal.Name = "Pb";
  cal.UnitTop = 4;
  cal.UnitBottom = 2;
  cal.Slope = 3.5;
  cal.Points = {{10, 35}, {20, 70}};
  cal.Curves = {Curve(1, {"Pb"})};
  withCal.Calibrations = {cal};
  report.AddExperiment(withCal);
  report.SetComment(0, "Tap A");
  const auto before = report.BuildTable();
  const std::vector<std::uint8_t> bytes = report.Bytes();
  EXPECT_TRUE(report.Saved);

  TReportRec back;
  back.LoadFromBytes(bytes);
  EXPECT_TRUE(back.Saved);
  EXPECT_EQ(back.Title, report.Title);
  EXPECT_EQ(back.Statistics, report.Statistics);
  ASSERT_EQ(back.Experiments.size(), 3u);
  EXPECT_EQ(back.Experiments[0].Comment, "Tap A");
  EXPECT_EQ(back.Experiments[0].CellVolume, 10.0);
  EXPECT_EQ(back.Experiments[0].ResUnitTop, 0);  // not stored
  ASSERT_EQ(back.Experiments[0].Curves.size(), 2u);
  EXPECT_EQ(back.Experiments[0].Curves[0]->Detached, 1);
  EXPECT_EQ(back.Experiments[0].Curves[0]->Data.size(), 201u);
  ASSERT_EQ(back.Experiments[2].Calibrations.size(), 1u);
  EXPECT_EQ(back.Experiments[2].Calibrations[0].Slope, 3.5);
  EXPECT_EQ(back.Experiments[2].Calibrations[0].Curves.size(), 1u);
  EXPECT_EQ(back.Elements[1].Results, report.Elements[1].Results);
  EXPECT_EQ(back.BuildTable(), before);

  // Variables instead of volumes.
  TReportRec vars;
  TExpRec custom = Experiment({{"Pb", 3.0}});
  custom.CalcMethod = 6;
  custom.Vars = {{"k", "Slope factor", 1.5}, {"m", "", 0.25}};
  vars.AddExperiment(custom);
  EXPECT_TRUE(vars.VariablesMode);
  const TTextTable props = vars.BuildProperties();
  EXPECT_EQ(props.Rows[1], (std::vector<std::string>{"Slope factor", "1.5"}));
  EXPECT_EQ(props.Rows[2], (std::vector<std::string>{"m", "0.25"}));
  TReportRec varsBack;
  varsBack.LoadFromBytes(vars.Bytes());
  EXPECT_TRUE(varsBack.VariablesMode);
  EXPECT_EQ(varsBack.Experiments[0].Vars, custom.Vars);
}

TEST(ReportRec, NotesOfTheRecordingsTravelWithTheirExperimentIntoFileAndPrint) {
  TReportRec report;
  // The notes are kept as shown: translated, then filled in.
  report.Translate = [](const char* text) { return std::string("~") + text; };
  report.AddExperiment(Experiment({{"Pb", 25.0}}));
  report.AddExperiment(Experiment({{"Pb", 26.0}}));
  report.SetComment(1, "Tap B");
  int changes = 0;
  report.OnChange = [&](TReportRec&) { ++changes; };
  const std::string longText(5000, 'x');
  report.SetNotes(1, {Message("%s: the peak %s was not found.", {"Analyte", "Cd"}), Message("%s", {longText})});
  report.SetNotes(7, {Message("nowhere")});  // no such experiment: ignored
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(report.Experiments[1].Notes.size(), 2u);
  EXPECT_EQ(report.Experiments[1].Notes[0], "~Analyte: the peak Cd was not found.");
  EXPECT_EQ(report.Experiments[1].Notes[1].size(), TReportRec::kMaxNoteBytes);
  EXPECT_TRUE(report.Experiments[0].Notes.empty());

  TReportRec back;
  back.LoadFromBytes(report.Bytes());
  ASSERT_EQ(back.Experiments.size(), 2u);
  EXPECT_TRUE(back.Experiments[0].Notes.empty());
  EXPECT_EQ(back.Experiments[1].Notes, report.Experiments[1].Notes);

  // Printed after the fixed notes, each with its experiment's caption.
  const TReportDocument doc = TReportDocument::Build(back, {}, "10.12.2026", {});
  const auto notes = std::find_if(doc.Blocks.begin(), doc.Blocks.end(),
                                  [](const TPrintBlock& b) { return b.BlockKind == TPrintBlock::Kind::Notes; });
  ASSERT_NE(notes, doc.Blocks.end());
  const std::size_t fixed = TReportDocument::NoteLines({}).size();
  ASSERT_EQ(notes->Lines.size(), fixed + 2);
  EXPECT_EQ(notes->Lines[fixed], "Tap B: ~Analyte: the peak Cd was not found.");

  // A note before any experiment is damage.
  BinaryWriter out;
  ChunkWriter chunks(out);
  chunks.chunk(20, std::vector<std::uint8_t>{'a'});
  EXPECT_THROW(back.LoadFromBytes(out.take()), EFormatError);
}

std::vector<std::uint8_t> Blocks(const std::vector<std::pair<std::int32_t, std::vector<std::uint8_t>>>& blocks) {
  BinaryWriter out;
  ChunkWriter chunks(out);
  for (const auto& [tag, payload] : blocks) chunks.chunk(tag, payload);
  return out.take();
}

std::vector<std::uint8_t> Text(const std::string& s) {
  BinaryWriter w;
  w.shortString(s, 255);
  return w.take();
}

std::vector<std::uint8_t> Ints(std::initializer_list<std::int32_t> values) {
  BinaryWriter w;
  for (std::int32_t v : values) w.i32(v);
  return w.take();
}

TEST(ReportRec, DamagedReportFilesAreRejectedKeepingWhatWasRead) {
  TReportRec report;
  // A comment before its experiment.
  EXPECT_THROW(report.LoadFromBytes(Blocks({{1, Text("T")}, {3, Text("c")}})), EFormatError);
  EXPECT_EQ(report.Title, "T");
  // A results block before its element.
  EXPECT_THROW(report.LoadFromBytes(Blocks({{2, Text("a")}, {10, Ints({0})}})), EFormatError);
  // Six volumes.
  EXPECT_THROW(report.LoadFromBytes(Blocks({{2, Text("a")}, {5, Ints({6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})}})),
               EFormatError);
  // Counts beyond the block.
  EXPECT_THROW(report.LoadFromBytes(Blocks({{2, Text("a")}, {6, Text("Pb")}, {10, Ints({1000000})}})), EFormatError);
  EXPECT_THROW(report.LoadFromBytes(Blocks({{2, Text("a")}, {15, Ints({-1})}})), EFormatError);
  EXPECT_THROW(report.LoadFromBytes(Blocks({{2, Text("a")}, {15, Ints({3})}})), EFormatError);
  // A truncated block header.
  EXPECT_THROW(report.LoadFromBytes(std::vector<std::uint8_t>{1, 0, 0, 0, 200}), EFormatError);
  // Three volumes leave the rest 0; an element's slots follow the experiments.
  report.LoadFromBytes(Blocks({{2, Text("a")}, {5, Ints({0})}, {2, Text("b")}, {6, Text("Pb")}, {99, Ints({1})}}));
  ASSERT_EQ(report.Experiments.size(), 2u);
  EXPECT_EQ(report.Elements[0].Results, (std::vector<double>{-1.0, -1.0}));
  EXPECT_NO_THROW(report.BuildTable());
}

TEST(ReportRec, SmallReportFilesCannotClaimHugeTables) {
  // 2 000 experiments and 2 000 elements of about 264 bytes each: 1 MB that
  // would claim 4 million table rows with their slots.
  BinaryWriter out;
  ChunkWriter chunks(out);
  for (int i = 0; i < 2000; ++i) chunks.chunk(2, Text("e" + std::to_string(i)));
  for (int i = 0; i < 2000; ++i) chunks.chunk(6, Text("E" + std::to_string(i)));
  const std::vector<std::uint8_t> table = out.take();
  {
    TReportRec report;
    test::AllocationMeter meter;
    EXPECT_THROW(report.LoadFromBytes(table), EFormatError);
    EXPECT_LT(meter.Peak(), 8 * table.size());
    EXPECT_EQ(report.Experiments.size(), 2000u);  // what came before the damage stays
    EXPECT_LE(report.Elements.size() * report.Experiments.size() * 16, table.size());
  }

  // 100 000 empty curve blocks of one experiment: 800 kB for as many records.
  BinaryWriter curvesOut;
  ChunkWriter curveChunks(curvesOut);
  curveChunks.chunk(2, Text("a"));
  for (int i = 0; i < 100000; ++i) curveChunks.chunk(12, std::vector<std::uint8_t>{});
  const std::vector<std::uint8_t> curves = curvesOut.take();
  {
    TReportRec report;
    test::AllocationMeter meter;
    EXPECT_THROW(report.LoadFromBytes(curves), EFormatError);
    EXPECT_LT(meter.Peak(), 8 * curves.size());
  }

  // A real report of 40 experiments over 30 elements opens whole.
  TReportRec big;
  for (int e = 0; e < 40; ++e) {
    std::vector<std::pair<std::string, double>> results;
    for (int el = 0; el < 30; ++el) results.emplace_back("El" + std::to_string(el), 1.0 + e + el);
    big.AddExperiment(Experiment(results));
  }
  TReportRec back;
  back.LoadFromBytes(big.Bytes());
  EXPECT_EQ(back.Experiments.size(), 40u);
  ASSERT_EQ(back.Elements.size(), 30u);
  EXPECT_EQ(back.Elements[29].Results, big.Elements[29].Results);
}

TEST(ReportStore, ReportsAreSavedListedReopenedAndRemoved) {
  TempDir dir;
  TReportStore store(dir.path() / TReportStore::kFolderName);
  TReportRec report;
  report.Title = "Tap water";
  report.AddExperiment(Experiment({{"Pb", 25.0}}));
  const std::string file = store.Save(report);
  EXPECT_TRUE(report.Saved);
  ASSERT_EQ(store.List().size(), 1u);
  EXPECT_EQ(store.List()[0].Title, "Tap water");
  TReportRec back;
  store.Open(file, back);
  EXPECT_EQ(back.Elements.size(), 1u);
  EXPECT_EQ(back.Elements[0].Results, report.Elements[0].Results);
  store.Remove(file);
  EXPECT_TRUE(store.List().empty());
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_THROW(store.Open(file, back), EFormatError);
}

TEST(ReportDocument, BlocksFollowThePrintOptions) {
  TReportRec report;
  report.Title = "Tap water";
  report.AddExperiment(Experiment({{"Pb", 25.0}}));
  report.AddExperiment(Experiment({{"Pb", 26.0}}));
  TReportPrintOptions o;
  TReportDocument doc = TReportDocument::Build(report, o, "09.12.2026");
  ASSERT_EQ(doc.Charts.size(), 4u);  // a diagram and a calculation chart per experiment
  EXPECT_EQ(doc.Charts[1].ChartKind, TReportChartRef::Kind::Calculation);
  EXPECT_EQ(doc.Charts[3].Experiment, 1u);
  EXPECT_EQ(doc.Blocks[0].Text, "Tap water");
  EXPECT_EQ(doc.Blocks[1].Text, "Report date: 09.12.2026");
  EXPECT_EQ(doc.Blocks[3].Text, "File name: sample.tvx");
  EXPECT_EQ(doc.Blocks.back().BlockKind, TPrintBlock::Kind::Notes);
  EXPECT_EQ(doc.Blocks.back().Lines.size(), 6u);

  o.RecordParameters = o.Diagram = o.InitialDataTable = o.CalculationChart = false;
  o.Notes = false;
  doc = TReportDocument::Build(report, o, "d");
  EXPECT_TRUE(doc.Charts.empty());
  ASSERT_EQ(doc.Blocks.size(), 6u);  // title, date, two headings with their tables
  EXPECT_EQ(doc.Blocks[5].Table.Rows.size(), 3u);
  EXPECT_EQ(doc.Blocks[3].Table.Rows[1][0], "Aliquot volume, cm^3^");
  TReportRec empty;
  EXPECT_TRUE(TReportDocument::Build(empty, o, "d").Blocks.empty());
}

}  // namespace
