// The report from the command line, end to end: Cd, Pb and Cu standards
// recorded from the analyzer emulator's model and saved as calibrations,
// three samples measured the same way, and "report" adding each as an
// experiment, judging the spread against a statistics record and writing
// the printed report. With VELMORA_REPORT_SAMPLE=DIR the PDF of the
// three-experiment report is kept in DIR (scripts/report-sample).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "CliRunner.h"
#include "DocumentFile.h"
#include "JsonReader.h"
#include "SampleModel.h"
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

const JsonValue* Find(const JsonValue& list, const std::string& name) {
  for (const JsonValue& item : list.items)
    if (item.field("Name") && item.field("Name")->text == name) return &item;
  return nullptr;
}

struct Sample {
  double cd = 0, pb = 0, cu = 0;
};

class ReportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TPeakValueEvaluator::Install();
    conditions.electrolysisPotentialMv = -1400.0;
    conditions.electrolysisTimeS = 60.0;
    conditions.stirred = true;
    data = (dir / "data").string();
  }
  void TearDown() override { TVAStruct::SetPeakEvaluator(nullptr); }

  // One sweep of the model as a root curve with a peak per element present;
  // a standard carries its concentrations (µg/dm³) in the peaks.
  void Record(TNodeForest& forest, const Sample& s, int role, bool standard) {
    model.prepare(conditions, {0.0, s.cd, s.pb, s.cu});
    TNode* n = forest.CreateNode();
    n->SetRecord(std::make_unique<TVAStruct>(n));
    forest.InsertNode(nullptr, forest.LastRoot(), n);
    TDataArr points;
    for (double e = -1300.0; e <= 300.0; e += 2.0) points.push_back({e, model.current(e, true)});
    TVAStruct& va = *n->VA();
    va.SetData(points);
    va.Params.SetMeasurementType(role);
    va.Volumes[0] = 10.0;
    va.Volumes[1] = 1.0;
    va.Volumes[5] = 10.0;
    va.ResUnitTop = 4;
    va.RecalcUnitTop = sampleTop;
    va.ResUnitBottom = va.RecalcUnitBottom = 2;  // µg/dm³ unless the sample's are mg/dm³
    va.CalculationMethod = 5;
    va.RecordDate = 46365.4 + 0.01 * static_cast<double>(forest.Count());  // 9 Dec 2026
    const auto index = [](double x) { return static_cast<std::int32_t>(std::lround((x + 1300.0) / 2.0)); };
    const std::pair<const char*, SampleModel::Element> elements[] = {
        {"Cd", SampleModel::Cd}, {"Pb", SampleModel::Pb}, {"Cu", SampleModel::Cu}};
    const double conc[] = {s.cd, s.pb, s.cu};
    for (int i = 0; i < 3; ++i) {
      if (conc[i] < 0) continue;  // this sample does not show the element
      const double ep = SampleModel::peakPotential(elements[i].second);
      va.AddPeak(elements[i].first, 1, index(ep - 60.0), index(ep + 60.0));
      if (standard) {
        TPeakRecord peak = va.Peaks.back();
        peak.GridValue = conc[i];
        peak.UnitTop = 4;
        peak.UnitBottom = 2;
        va.SetPeak(static_cast<std::int32_t>(va.Peaks.size()) - 1, peak);
      }
    }
  }

  std::string Save(TNodeForest& forest, const std::string& name) {
    const fs::path file = dir / name;
    DocumentFile::SaveDocument(forest, file);
    return file.string();
  }

  void Calibrate() {
    TNodeForest standards;
    for (double c : {10.0, 20.0, 40.0}) Record(standards, {c / 4, c, c * 1.5}, 1, true);
    const CliJsonRun saved = CliJson({"calibration", "save", Save(standards, "standards.tvx"), "--data-dir", data});
    ASSERT_EQ(saved.status, 0) << saved.err;
    TStatDB db(fs::path(data) / TStatDB::kFolderName);
    TMethodStat s;
    s.Name = "Drinking water";
    s.ResTop = 5;
    s.ResBottom = 2;  // mg/dm³
    s.Elements.push_back({"Cd", {{0.0005, 0.05, 0.3, 0.8, 35}}});
    s.Elements.push_back({"Pb", {{0.002, 0.02, 0.25, 0.7, 40}, {0.02, 0.2, 0.17, 0.47, 30}}});
    s.Elements.push_back({"Cu", {{0.001, 1.0, 0.2, 0.55, 25}}});
    db.AddAndSave(s);
  }

  std::string Unknown(const std::string& name, const Sample& s) {
    TNodeForest f;
    Record(f, {0.0, 0.0, s.cu < 0 ? -1.0 : 0.0}, 0, false);
    Record(f, s, 1, false);
    return Save(f, name);
  }

  TempDir dir;
  std::string data;
  int sampleTop = 4;  // the unit of the sample results' top: µg
  VoltammogramModel model{23};
  VoltammogramModel::Conditions conditions;
};

TEST_F(ReportCommandTest, ThreeSamplesGiveTheCalcResultsTheirMeansAndVerdictsAndAPrintedReport) {
  Calibrate();
  const std::vector<std::string> docs = {Unknown("sample1.tvx", {5.0, 25.0, 30.0}),
                                         Unknown("sample2.tvx", {5.2, 24.0, 31.0}),
                                         Unknown("sample3.tvx", {4.9, 25.5, 29.0})};
  const char* keep = std::getenv("VELMORA_REPORT_SAMPLE");
  const fs::path pdf = keep ? fs::path(keep) / "report.pdf" : dir / "report.pdf";
  std::vector<std::string> args = {"report"};
  args.insert(args.end(), docs.begin(), docs.end());
  for (const char* a : {"--method", "5", "--statistics", "Drinking water", "--title", "Tap water, heavy metals",
                        "--data-dir", data.c_str(), "-o", pdf.c_str(), "--json"})
    args.emplace_back(a);
  const CliJsonRun r = CliJson(args);
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_TRUE(fs::exists(pdf));
  std::ifstream in(pdf, std::ios::binary);
  std::string magic(4, '\0');
  in.read(magic.data(), 4);
  EXPECT_EQ(magic, "%PDF");
  EXPECT_GE(JsonNumber(r.json, "Pages"), 3.0);

  // Each experiment holds exactly what calc gives for its document.
  const JsonValue& experiments = *r.json.field("Experiments");
  ASSERT_EQ(experiments.items.size(), 3u);
  for (std::size_t i = 0; i < docs.size(); ++i) {
    const CliJsonRun calc = CliJson({"calc", docs[i], "--method", "5", "--data-dir", data});
    ASSERT_EQ(calc.status, 0) << calc.err;
    const JsonValue& got = *experiments.items[i].field("Elements");
    ASSERT_EQ(got.items.size(), 3u) << r.out;
    for (const JsonValue& want : calc.json.field("Elements")->items) {
      const JsonValue* e = Find(got, want.field("Name")->text);
      ASSERT_NE(e, nullptr) << want.field("Name")->text;
      EXPECT_EQ(JsonNumber(*e, "SampleResult"), JsonNumber(want, "SampleResult"));
      EXPECT_EQ(JsonNumber(*e, "CellResult"), JsonNumber(want, "CellResult"));
    }
  }

  // Means over the three samples in the report's units (µg/dm³), each
  // judged by the critical difference of its range.
  const JsonValue& elements = *r.json.field("Elements");
  ASSERT_EQ(elements.items.size(), 3u);
  const struct {
    const char* name;
    double truth;
    double cd;
  } expected[] = {{"Cd", 5.03, 0.8}, {"Pb", 24.83, 0.47}, {"Cu", 30.0, 0.55}};
  for (const auto& x : expected) {
    const JsonValue* e = Find(elements, x.name);
    ASSERT_NE(e, nullptr) << x.name;
    double sum = 0;
    for (const JsonValue& exp : experiments.items)
      sum += JsonNumber(*Find(*exp.field("Elements"), x.name), "SampleResult");
    EXPECT_NEAR(JsonNumber(*e, "Mean"), sum / 3, 1e-9 * sum) << x.name;
    EXPECT_NEAR(JsonNumber(*e, "Mean"), x.truth, 0.08 * x.truth) << x.name;
    EXPECT_EQ(JsonNumber(*e, "Limit"), x.cd) << x.name;
    EXPECT_GT(JsonNumber(*e, "Spread"), 0.0) << x.name;
    EXPECT_EQ(e->field("Verdict")->text, "Within") << x.name;
  }
}

TEST_F(ReportCommandTest, AnElementASampleLacksIsMissingThereAndTheMeanTakesTheOthers) {
  Calibrate();
  const std::string a = Unknown("a.tvx", {5.0, 25.0, 30.0});
  const std::string b = Unknown("b.tvx", {5.0, 25.0, -1.0});  // no Cu peak
  const CliJsonRun r =
      CliJson({"report", a, b, "--method", "5", "--data-dir", data, "-o", (dir / "r.pdf").string(), "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const JsonValue& experiments = *r.json.field("Experiments");
  ASSERT_EQ(experiments.items.size(), 2u);
  EXPECT_EQ(Find(*experiments.items[1].field("Elements"), "Cu"), nullptr);
  const JsonValue* cu = Find(*r.json.field("Elements"), "Cu");
  ASSERT_NE(cu, nullptr);
  EXPECT_EQ(JsonNumber(*cu, "Mean"), JsonNumber(*Find(*experiments.items[0].field("Elements"), "Cu"), "SampleResult"));
  EXPECT_EQ(JsonNumber(*cu, "Spread"), -1.0);
  // Without statistics nothing is judged.
  EXPECT_EQ(cu->field("Verdict")->text, "None");
}

TEST_F(ReportCommandTest, AnUnreadableInputNamesTheFileAndLeavesNoPdf) {
  Calibrate();
  const std::string good = Unknown("good.tvx", {5.0, 25.0, 30.0});
  const fs::path bad = dir / "broken.tvx";
  {
    std::ofstream out(bad, std::ios::binary);
    out << "\x08TVNXv100 this is no document";
  }
  const fs::path pdf = dir / "out.pdf";
  const CliJsonRun r = CliJson({"report", good, bad.string(), "--data-dir", data, "-o", pdf.string(), "--json"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("broken.tvx"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(pdf));
  const CliJsonRun missing =
      CliJson({"report", (dir / "nothere.tvx").string(), "--data-dir", data, "-o", pdf.string()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("nothere.tvx"), std::string::npos) << missing.err;
  EXPECT_FALSE(fs::exists(pdf));
  const CliJsonRun unknownStat =
      CliJson({"report", good, "--statistics", "None such", "--data-dir", data, "-o", pdf.string()});
  EXPECT_EQ(unknownStat.status, 1);
  EXPECT_FALSE(fs::exists(pdf));
  EXPECT_EQ(CliJson({"report", good}).status, 2);
  EXPECT_EQ(CliJson({"report", "-o", pdf.string()}).status, 2);
}

}  // namespace

// Every figure of the JSON is in the units calc gives it, and says which:
// an experiment in mg/dm³ beside one in µg/dm³, means in the report's.
TEST_F(ReportCommandTest, EveryFigureCarriesTheUnitsCalcGivesItIn) {
  Calibrate();
  const std::string a = Unknown("a.tvx", {5.0, 25.0, 30.0});
  sampleTop = 5;
  const std::string b = Unknown("b.tvx", {5.2, 24.0, 31.0});
  const CliJsonRun r =
      CliJson({"report", a, b, "--method", "5", "--data-dir", data, "-o", (dir / "r.pdf").string(), "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const JsonValue& experiments = *r.json.field("Experiments");
  ASSERT_EQ(experiments.items.size(), 2u);
  const std::string docs[] = {a, b};
  for (std::size_t i = 0; i < 2; ++i) {
    const CliJsonRun calc = CliJson({"calc", docs[i], "--method", "5", "--data-dir", data});
    ASSERT_EQ(calc.status, 0) << calc.err;
    const JsonValue& got = experiments.items[i];
    for (const char* key : {"ResUnitTop", "ResUnitBottom", "RecalcUnitTop", "RecalcUnitBottom"})
      EXPECT_EQ(JsonNumber(got, key), JsonNumber(calc.json, key)) << key;
    for (const char* key : {"CellUnit", "SampleUnit"}) {
      ASSERT_NE(got.field(key), nullptr) << key;
      EXPECT_EQ(got.field(key)->text, calc.json.field(key)->text) << key;
    }
    for (const JsonValue& want : calc.json.field("Elements")->items) {
      const JsonValue* e = Find(*got.field("Elements"), want.field("Name")->text);
      ASSERT_NE(e, nullptr);
      EXPECT_EQ(JsonNumber(*e, "CellResult"), JsonNumber(want, "CellResult"));
      EXPECT_EQ(JsonNumber(*e, "SampleResult"), JsonNumber(want, "SampleResult"));
    }
  }
  EXPECT_EQ(experiments.items[0].field("CellUnit")->text, "µg/dm3");
  EXPECT_EQ(experiments.items[0].field("SampleUnit")->text, "µg/dm3");
  EXPECT_EQ(experiments.items[1].field("SampleUnit")->text, "mg/dm3");

  // The means are in the report's units, those of the first experiment.
  EXPECT_EQ(r.json.field("Unit")->text, "µg/dm3");
  const JsonValue* pb = Find(*r.json.field("Elements"), "Pb");
  ASSERT_NE(pb, nullptr);
  EXPECT_EQ(pb->field("Unit")->text, "µg/dm3");
  EXPECT_EQ(JsonNumber(*pb, "UnitTop"), 4.0);
  EXPECT_EQ(JsonNumber(*pb, "UnitBottom"), 2.0);
  const double first = JsonNumber(*Find(*experiments.items[0].field("Elements"), "Pb"), "SampleResult");
  const double second = JsonNumber(*Find(*experiments.items[1].field("Elements"), "Pb"), "SampleResult");
  EXPECT_NEAR(JsonNumber(*pb, "Mean"), (first + second * 1000.0) / 2, 1e-9 * first);
}
