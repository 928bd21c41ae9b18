// Calibrations from the command line, end to end: Pb standards recorded
// from the analyzer emulator's model, "calibration save", an unknown
// measured the same way and "calc --method 5" reading it on the line.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "ChildProcesses.h"
#include "CliRunner.h"
#include "DocumentFile.h"
#include "JsonReader.h"
#include "SampleModel.h"
#include "TCalibrationsDB.h"
#include "TMethodStat.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakValueEvaluator.h"
#include "TStatDB.h"
#include "TVAStruct.h"
#include "TempDir.h"
#include "VoltammogramModel.h"

using namespace velmora;
using velmora::test::CliJson;
using velmora::test::CliJsonRun;
using velmora::test::JsonNumber;
using velmora::test::TempDir;
namespace fs = std::filesystem;

namespace {

class CalibrationCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TPeakValueEvaluator::Install();
    conditions.electrolysisPotentialMv = -1400.0;
    conditions.electrolysisTimeS = 60.0;
    conditions.stirred = true;
  }
  void TearDown() override { TVAStruct::SetPeakEvaluator(nullptr); }

  // One sweep of the model for a cell holding `pb` µg/dm³ of lead, as a
  // root curve with its Pb peak; `standard` marks a standard of that
  // concentration, entered in the given units.
  TVAStruct& Record(TNodeForest& forest, double pb, int role, bool standard, int unitTop = 4, double scale = 1.0) {
    model.prepare(conditions, {0.0, 0.0, pb, 0.0});
    TNode* n = forest.CreateNode();
    n->SetRecord(std::make_unique<TVAStruct>(n));
    forest.InsertNode(nullptr, forest.LastRoot(), n);
    TDataArr points;
    for (double e = -1300.0; e <= 100.0; e += 2.0) points.push_back({e, model.current(e, true)});
    TVAStruct& va = *n->VA();
    va.SetData(points);
    va.Params.SetMeasurementType(role);
    va.Volumes[0] = 10.0;  // aliquot
    va.Volumes[1] = 1.0;   // no dilution
    va.Volumes[5] = 10.0;  // cell
    va.ResUnitTop = va.RecalcUnitTop = 4;
    va.ResUnitBottom = va.RecalcUnitBottom = 2;  // µg/dm³
    const double ep = SampleModel::peakPotential(SampleModel::Pb);
    const auto index = [](double x) { return static_cast<std::int32_t>(std::lround((x + 1300.0) / 2.0)); };
    va.AddPeak("Pb", 1, index(ep - 70.0), index(ep + 70.0));
    if (standard) {
      TPeakRecord peak = va.Peaks[0];
      peak.GridValue = pb * scale;
      peak.UnitTop = unitTop;
      peak.UnitBottom = 2;
      va.SetPeak(0, peak);
    }
    return va;
  }

  std::string Save(TNodeForest& forest, const std::string& name) {
    const fs::path file = dir / name;
    DocumentFile::SaveDocument(forest, file);
    return file.string();
  }

  TempDir dir;
  VoltammogramModel model{17};
  VoltammogramModel::Conditions conditions;
};

TEST_F(CalibrationCommandTest, ThreeStandardsCalibrateLeadAndAnUnknownIsReadWithinItsUncertainty) {
  TNodeForest standards;
  for (double c : {10.0, 20.0, 40.0}) Record(standards, c, 1, true);
  const std::string data = (dir / "data").string();
  const CliJsonRun saved = CliJson({"calibration", "save", Save(standards, "standards.tvx"), "--data-dir", data,
                                    "--title", "Pb 10-40 ug/l (emulator)"});
  ASSERT_EQ(saved.status, 0) << saved.err;
  const JsonValue& list = *saved.json.field("Saved");
  ASSERT_EQ(list.items.size(), 1u) << saved.out;
  const JsonValue& pb = list.items[0];
  EXPECT_EQ(pb.field("Element")->text, "Pb");
  EXPECT_EQ(pb.field("Title")->text, "Pb 10-40 ug/l (emulator)");
  EXPECT_EQ(JsonNumber(pb, "Points"), 3.0);
  EXPECT_GT(JsonNumber(pb, "R2"), 0.99);
  // The line's axis is mg/dm³: signals of µA per mg/dm³ run in the hundreds.
  EXPECT_GT(JsonNumber(pb, "Slope"), 10.0);
  EXPECT_GT(JsonNumber(pb, "Lod"), 0.0);
  EXPECT_NEAR(JsonNumber(pb, "Loq") / JsonNumber(pb, "Lod"), 10.0 / 3.3, 1e-9);
  EXPECT_EQ(JsonNumber(pb, "UnitTop"), 4.0);

  // The unknown: supporting electrolyte, then the sample with 25 µg/dm³.
  const double truth = 25.0;
  TNodeForest unknown;
  Record(unknown, 0.0, 0, false);
  Record(unknown, truth, 1, false);
  const CliJsonRun calc = CliJson({"calc", Save(unknown, "unknown.tvx"), "--method", "5", "--data-dir", data});
  ASSERT_EQ(calc.status, 0) << calc.err;
  const JsonValue& element = calc.json.field("Elements")->items.at(0);
  const double found = JsonNumber(element, "CellResult");
  const double u = JsonNumber(element, "Uncertainty");
  std::printf("  Pb truth %.2f µg/dm3, found %.2f ± %.2f (k = 2)\n", truth, found, u);
  EXPECT_NEAR(found, truth, 0.05 * truth);
  EXPECT_GT(u, 0.0);
  EXPECT_LT(u, 0.5 * truth);
  EXPECT_LE(std::fabs(found - truth), u);
  // 10 dm³·1/10 cm³: the sample equals the cell here.
  EXPECT_NEAR(JsonNumber(element, "SampleResult"), found, 1e-9 * found);

  // The list shows the calibration, active, with the same figures.
  const CliJsonRun listed = CliJson({"calibration", "list", "--data-dir", data});
  ASSERT_EQ(listed.status, 0) << listed.err;
  const JsonValue& elements = *listed.json.field("Elements");
  ASSERT_EQ(elements.items.size(), 1u);
  const JsonValue& cal = elements.items[0].field("Calibrations")->items.at(0);
  EXPECT_TRUE(cal.field("Active")->flag);
  EXPECT_EQ(JsonNumber(cal, "Slope"), JsonNumber(pb, "Slope"));
  EXPECT_EQ(JsonNumber(cal, "Lod"), JsonNumber(pb, "Lod"));

  // Without a calibration folder method 5 reads nothing: "?" (-1).
  const CliJsonRun none =
      CliJson({"calc", (dir / "unknown.tvx").string(), "--method", "5", "--data-dir", (dir / "empty").string()});
  ASSERT_EQ(none.status, 0) << none.err;
  EXPECT_EQ(JsonNumber(none.json.field("Elements")->items.at(0), "CellResult"), -1.0);
  EXPECT_EQ(JsonNumber(none.json.field("Elements")->items.at(0), "Uncertainty"), -1.0);
  EXPECT_FALSE(fs::exists(dir / "empty")) << "reading leaves no folder behind";
}

TEST_F(CalibrationCommandTest, StandardsInMilligramsGiveTheSameLineAsInMicrograms) {
  TNodeForest micro, milli;
  for (double c : {10.0, 20.0, 40.0}) Record(micro, c, 1, true, 4, 1.0);
  model = VoltammogramModel(17);
  for (double c : {10.0, 20.0, 40.0}) Record(milli, c, 1, true, 5, 1e-3);
  const CliJsonRun a = CliJson({"calibration", "save", Save(micro, "micro.tvx"), "--data-dir", (dir / "a").string()});
  const CliJsonRun b = CliJson({"calibration", "save", Save(milli, "milli.tvx"), "--data-dir", (dir / "b").string()});
  ASSERT_EQ(a.status, 0) << a.err;
  ASSERT_EQ(b.status, 0) << b.err;
  const JsonValue& la = a.json.field("Saved")->items.at(0);
  const JsonValue& lb = b.json.field("Saved")->items.at(0);
  EXPECT_NEAR(JsonNumber(la, "Slope"), JsonNumber(lb, "Slope"), 1e-9 * JsonNumber(lb, "Slope"));
  EXPECT_NEAR(JsonNumber(la, "Lod"), JsonNumber(lb, "Lod"), 1e-9 * JsonNumber(lb, "Lod"));
  EXPECT_EQ(JsonNumber(lb, "UnitTop"), 5.0);
}

TEST_F(CalibrationCommandTest, StatisticsListShowsTheFolderRecordsAndUsageErrorsAreCaught) {
  {
    TStatDB db(dir / "data" / TStatDB::kFolderName);
    TMethodStat s;
    s.Name = "Drinking water";
    s.ResTop = 5;
    s.ResBottom = 2;
    s.Elements.push_back({"Pb", {{0.0005, 0.005, 0.25, 0.7, 40}, {0.005, 0.05, 0.17, 0.47, 30}}});
    db.AddAndSave(s);
  }
  const CliJsonRun r = CliJson({"statistics", "list", "--data-dir", (dir / "data").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  const JsonValue& record = r.json.field("Records")->items.at(0);
  EXPECT_EQ(record.field("Name")->text, "Drinking water");
  const JsonValue& ranges = *record.field("Elements")->items.at(0).field("Ranges");
  ASSERT_EQ(ranges.items.size(), 2u);
  EXPECT_EQ(JsonNumber(ranges.items[1], "Delta"), 30.0);

  EXPECT_EQ(CliJson({"calibration"}).status, 2);
  EXPECT_EQ(CliJson({"calibration", "save"}).status, 2);
  EXPECT_EQ(CliJson({"calibration", "list", "extra"}).status, 2);
  EXPECT_EQ(CliJson({"statistics", "list", "--data-dir"}).status, 2);
  EXPECT_EQ(CliJson({"calibration", "save", (dir / "missing.tvx").string(), "--data-dir", (dir / "x").string()}).status,
            1);
}

// Several programs save into one data folder at once: none of their
// calibrations is lost.
TEST_F(CalibrationCommandTest, CommandLineSavesStartedTogetherAllKeepTheirCalibrations) {
  TNodeForest standards;
  for (double c : {10.0, 20.0, 40.0}) Record(standards, c, 1, true);
  const std::string document = Save(standards, "standards.tvx");
  const std::string data = (dir / "data").string();
  constexpr int kRuns = 8;
  const std::vector<int> statuses = test::RunTogether(kRuns, [&](int i) {
    return CliJson({"calibration", "save", document, "--data-dir", data, "--title", "run " + std::to_string(i)}).status;
  });
  EXPECT_EQ(statuses, std::vector<int>(kRuns, 0));
  const CliJsonRun listed = CliJson({"calibration", "list", "--data-dir", data});
  ASSERT_EQ(listed.status, 0) << listed.err;
  EXPECT_TRUE(listed.err.empty()) << listed.err;
  const JsonValue& elements = *listed.json.field("Elements");
  ASSERT_EQ(elements.items.size(), 1u);
  std::set<std::string> titles;
  for (const JsonValue& c : elements.items[0].field("Calibrations")->items) titles.insert(c.field("Title")->text);
  EXPECT_EQ(titles.size(), std::size_t{kRuns});
}

// The Calibrations window keeps its database open all day; a calibration
// the command line saves meanwhile survives the window's own save and its
// closing.
TEST_F(CalibrationCommandTest, ACommandLineSaveBesideTheOpenWindowSurvivesTheWindow) {
  TNodeForest standards;
  for (double c : {10.0, 20.0, 40.0}) Record(standards, c, 1, true);
  const std::string document = Save(standards, "standards.tvx");
  const fs::path data = dir / "data";
  {
    TCalibrationsDB window(data / TCalibrationsDB::kFolderName);
    const int status = test::RunInChild([&] {
      return CliJson({"calibration", "save", document, "--data-dir", data.string(), "--title", "command line"}).status;
    });
    ASSERT_EQ(status, 0);
    TSingleCalibration own;
    own.Name = "Cd";
    own.Title = "window";
    own.Slope = 2.0;
    window.AddCalibration(own);
    // The window shows both once it saved.
    ASSERT_EQ(window.Elements().size(), 2u);
    EXPECT_EQ(window.Elements()[0].Name, "Pb");
    EXPECT_EQ(window.Elements()[1].Name, "Cd");
  }
  const CliJsonRun listed = CliJson({"calibration", "list", "--data-dir", data.string()});
  ASSERT_EQ(listed.status, 0) << listed.err;
  std::vector<std::string> titles;
  for (const JsonValue& e : listed.json.field("Elements")->items)
    for (const JsonValue& c : e.field("Calibrations")->items) titles.push_back(c.field("Title")->text);
  EXPECT_EQ(titles, (std::vector<std::string>{"command line", "window"}));
}

}  // namespace
