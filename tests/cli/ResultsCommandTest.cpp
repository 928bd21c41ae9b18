// "velmora-cli results" on both databases: an SQLite file in a data folder
// (--data-dir) and a database on the test PostgreSQL server (--db).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>

#include "ArchiveTime.h"
#include "CliRunner.h"
#include "DocumentFile.h"
#include "JsonReader.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakValueEvaluator.h"
#include "TRecordPlacement.h"
#include "TVAStruct.h"
#include "TempDir.h"
#include "TestPostgres.h"

using namespace velmora;
using velmora::test::Cli;
using velmora::test::CliJson;
using velmora::test::CliJsonRun;
using velmora::test::CliRun;
using velmora::test::JsonNumber;
using velmora::test::TempDir;
using velmora::test::TestPostgres;
namespace fs = std::filesystem;

namespace {

enum class Backend { Sqlite, Postgres };

const std::int64_t kMarch = *ArchiveTime::Parse("2025-03-01");
// A flat curve with triangular Pb and Cd peaks (their values by height are
// the heights given), with the volumes of a standard-additions analysis.
void AddCurve(TNodeForest& f, int role, double pb, double cd, bool simulated) {
  TNode* n = f.CreateNode();
  n->SetNameSilently("c" + std::to_string(f.Count()));
  n->SetRecord(std::make_unique<TVAStruct>(n));
  f.InsertNode(nullptr, f.LastRoot(), n);
  TDataArr points;
  for (int i = 0; i <= 100; ++i) {
    const double x = -1000.0 + 10.0 * i;
    points.push_back({x, std::max(0.0, pb * (1.0 - std::fabs(x + 500.0) / 100.0)) +
                             std::max(0.0, cd * (1.0 - std::fabs(x + 800.0) / 100.0))});
  }
  TVAStruct& va = *n->VA();
  va.SetData(points);
  va.DatabaseName = std::to_string(f.Count());
  va.Params.SetMeasurementType(role);
  if (simulated) va.Params.SetComments(std::string(TRecordPlacement::SimulatedMark) + "run");
  va.Volumes[0] = 5.0;
  va.Volumes[1] = 2.0;
  va.Volumes[5] = 10.0;
  va.Volumes[6] = 0.1;
  va.Volumes[7] = 0.1;
  va.ResUnitTop = va.RecalcUnitTop = 5;
  va.ResUnitBottom = va.RecalcUnitBottom = 2;
  va.AddPeak("Pb", 0, 40, 60);
  va.SetAdditionConc("Pb", 10.0);
  va.AddPeak("Cd", 0, 10, 30);
  va.SetAdditionConc("Cd", 5.0);
}

std::string Text(const JsonValue& object, const char* name) {
  const JsonValue* v = object.field(name);
  return v && v->kind == JsonValue::Kind::String ? v->text : std::string("<none>");
}

class ResultsCommandTest : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    TPeakValueEvaluator::Install();
    // The command line makes its application object (Qt loads the database
    // drivers as plugins) before the test's own connections need one.
    Cli({"results"});
    if (GetParam() == Backend::Postgres) {
      VELMORA_NEED_POSTGRES();
      server_ = std::make_unique<TestPostgres>();
      where_ = {"--db", server_->url()};
    } else {
      where_ = {"--data-dir", dir_.path().string()};
    }
  }
  void TearDown() override { TVAStruct::SetPeakEvaluator(nullptr); }
  // The sample and two additions, recorded on the emulator.
  std::string Document() {
    TNodeForest f;
    AddCurve(f, 1, 10.0, 4.0, true);
    AddCurve(f, 2, 20.2, 8.1, false);
    AddCurve(f, 3, 29.9, 11.9, false);
    const fs::path file = dir_ / "additions.tvx";
    DocumentFile::SaveDocument(f, file);
    return file.string();
  }

  CliJsonRun Results(std::vector<std::string> args) {
    args.insert(args.begin(), "results");
    args.insert(args.end(), where_.begin(), where_.end());
    return CliJson(args);
  }
  // A control result typed by hand, `hour` hours into March 2025.
  static std::string Hour(int hour) { return ArchiveTime::Format(kMarch + hour * 3600000LL); }
  void Control(double value, int hour) {
    const auto r = Results({"add-value", "--control", "QC low", "--element", "Cd", "--value", std::to_string(value),
                            "--unit", "mg/dm³", "--time", Hour(hour), "--operator", "ana"});
    ASSERT_EQ(r.status, 0) << r.err;
  }

  TempDir dir_;
  std::unique_ptr<TestPostgres> server_;
  std::vector<std::string> where_;
};

TEST_P(ResultsCommandTest, AddArchivesEachElementWithTheValueCalcGives) {
  const std::string doc = Document();
  const CliJsonRun calc = CliJson({"calc", doc, "--method", "1"});
  ASSERT_EQ(calc.status, 0) << calc.err;
  std::map<std::string, double> expected;
  for (const JsonValue& e : calc.json.field("Elements")->items)
    if (JsonNumber(e, "SampleResult") > 0) expected[Text(e, "Name")] = JsonNumber(e, "SampleResult");
  ASSERT_FALSE(expected.empty());

  const CliJsonRun added =
      Results({"add", doc, "--method", "1", "--sample", "River 12", "--operator", "ana", "--json"});
  ASSERT_EQ(added.status, 0) << added.err;
  const auto& rows = added.json.field("Added")->items;
  ASSERT_EQ(rows.size(), 2u);
  ASSERT_EQ(rows.size(), expected.size());
  std::set<double> ids;
  for (const JsonValue& row : rows) {
    const std::string element = Text(row, "Element");
    ASSERT_TRUE(expected.count(element)) << element;
    EXPECT_EQ(JsonNumber(row, "Value"), expected[element]) << element;  // bit for bit
    EXPECT_EQ(Text(row, "Sample"), "River 12");
    EXPECT_EQ(Text(row, "Control"), "");
    EXPECT_EQ(JsonNumber(row, "Method"), 1);
    EXPECT_EQ(Text(row, "Operator"), "ana");
    EXPECT_EQ(Text(row, "Document"), fs::absolute(doc).lexically_normal().string());
    EXPECT_EQ(Text(row, "DocumentSha256").size(), 64u);
    EXPECT_EQ(Text(row, "Unit"), "mg/dm³");
    EXPECT_EQ(Text(row, "Curves"), "1, 2, 3");
    // The sample was recorded on the analyzer emulator.
    ASSERT_TRUE(row.field("Simulated"));
    EXPECT_TRUE(row.field("Simulated")->flag);
    // Standard additions give an uncertainty; no calibration, no limit of detection.
    EXPECT_GT(JsonNumber(row, "Uncertainty"), 0.0);
    EXPECT_EQ(row.field("Lod")->kind, JsonValue::Kind::Null);
    EXPECT_NE(Text(row, "Time").find('Z'), std::string::npos);
    ids.insert(JsonNumber(row, "Id"));
  }
  EXPECT_EQ(ids.size(), rows.size());

  // Query gives the same rows back, filtered.
  const std::string cd = "Cd";
  const CliJsonRun query = Results({"query", "--sample", "River 12", "--element", cd});
  ASSERT_EQ(query.status, 0) << query.err;
  ASSERT_EQ(query.json.field("Results")->items.size(), 1u);
  EXPECT_EQ(JsonNumber(query.json.field("Results")->items[0], "Value"), expected[cd]);
}

TEST_P(ResultsCommandTest, ControlResultsAreQueriedExportedAndCharted) {
  // 20 baseline results around 10 (mean 10), then a series that breaks
  // 1-3s, 2-2s, R-4s and 10x.
  int hour = 0;
  for (int i = 0; i < 20; ++i) Control(i % 2 ? 10.2 : 9.8, hour++);
  const double tail[] = {10.7, 10.5, 10.45, 9.5, 10.1, 10.1, 10.1, 10.1, 10.1, 10.1, 10.1, 10.1, 10.1, 10.1};
  for (double v : tail) Control(v, hour++);
  ASSERT_EQ(Results({"add-value", "--sample", "S1", "--element", "Cd", "--value", "3", "--unit", "mg/dm³"}).status, 0);

  CliJsonRun q = Results({"query", "--control", "QC low", "--element", "Cd", "--from", Hour(20), "--to", Hour(32)});
  ASSERT_EQ(q.status, 0) << q.err;
  EXPECT_EQ(q.json.field("Results")->items.size(), 13u);
  for (const JsonValue& row : q.json.field("Results")->items) {
    EXPECT_GE(Text(row, "Time"), Hour(20));
    EXPECT_EQ(row.field("Method")->kind, JsonValue::Kind::Null);  // typed by hand
  }

  const fs::path csv = dir_ / "qc.csv", xlsx = dir_ / "qc.xlsx", png = dir_ / "qc.png";
  CliJsonRun e = Results({"export", "--format", "csv", "-o", csv.string(), "--control", "QC low"});
  ASSERT_EQ(e.status, 0) << e.err;
  EXPECT_EQ(JsonNumber(e.json, "Exported"), 34);
  std::ifstream in(csv);
  std::string line;
  std::size_t lines = 0;
  while (std::getline(in, line)) ++lines;
  EXPECT_EQ(lines, 35u);
  e = Results({"export", "--format", "xlsx", "-o", xlsx.string()});
  ASSERT_EQ(e.status, 0) << e.err;
  EXPECT_EQ(JsonNumber(e.json, "Exported"), 35);
  EXPECT_GT(fs::file_size(xlsx), 1000u);

  CliJsonRun chart = Results({"chart", "--control", "QC low", "--element", "Cd", "-o", png.string(), "--json"});
  ASSERT_EQ(chart.status, 0) << chart.err;
  EXPECT_NEAR(JsonNumber(chart.json, "Target"), 10.0, 1e-12);
  EXPECT_NEAR(JsonNumber(chart.json, "Sd"), 0.2 * std::sqrt(20.0 / 19.0), 1e-12);
  const auto& points = chart.json.field("Points")->items;
  ASSERT_EQ(points.size(), 34u);
  std::set<std::string> broken;
  for (const JsonValue& p : points)
    for (const JsonValue& rule : p.field("Rules")->items) broken.insert(rule.text);
  for (const char* rule : {"1-2s", "1-3s", "2-2s", "R-4s", "10x"}) EXPECT_TRUE(broken.count(rule)) << rule;
  std::ifstream picture(png, std::ios::binary);
  char magic[4] = {};
  picture.read(magic, 4);
  EXPECT_EQ(std::string(magic + 1, 3), "PNG");

  // Entered limits replace the estimate.
  chart =
      Results({"chart", "--control", "QC low", "--element", "Cd", "--target", "10", "--sd", "1", "-o", png.string()});
  ASSERT_EQ(chart.status, 0) << chart.err;
  EXPECT_EQ(JsonNumber(chart.json, "Sd"), 1.0);
}

TEST_P(ResultsCommandTest, FailuresSayWhyAndWriteNothing) {
  Control(10.0, 1);
  // A document that cannot be read: exit 1, and nothing more in the archive.
  const fs::path bad = dir_ / "bad.tvx";
  TempDir::writeFile(bad, "not a document");
  CliRun r = Results({"add", Document(), bad.string(), "--method", "1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("bad.tvx"), std::string::npos) << r.err;
  CliJsonRun q = Results({"query"});
  ASSERT_EQ(q.status, 0);
  EXPECT_EQ(q.json.field("Results")->items.size(), 1u);
  // No control of that name to chart.
  r = Results({"chart", "--control", "none", "--element", "Cd", "-o", (dir_ / "x.png").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(fs::exists(dir_ / "x.png"));
  // Usage errors.
  EXPECT_EQ(Results({"add-value", "--control", "QC", "--element", "Cd", "--value", "1"}).status, 2);
  EXPECT_EQ(Results({"add-value", "--sample", "a", "--control", "b", "--element", "Cd", "--value", "1", "--unit", "u"})
                .status,
            2);
  EXPECT_EQ(Results({"query", "--from", "March"}).status, 2);
}

INSTANTIATE_TEST_SUITE_P(Databases, ResultsCommandTest, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         [](const auto& p) { return p.param == Backend::Sqlite ? "Sqlite" : "Postgres"; });

TEST(ResultsCommandAddressTest, AnArchiveThatCannotBeOpenedIsAFailureWithItsAddress) {
  TempDir dir;
  CliRun r = Cli({"results", "query", "--db", "postgresql://nobody@/none?host=" + dir.path().string() + "&port=1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Cannot open the results archive postgresql://nobody@/none"), std::string::npos) << r.err;
  r = Cli({"results", "query", "--db", "postgresql://h:99999/x"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("is not a database address"), std::string::npos) << r.err;
  // The settings of the data folder name the archive when --db is not given.
  TempDir::writeFile(dir / "Options.ini", "[Archive]\nDatabase=" + (dir / "elsewhere.sqlite").string() + "\n");
  ASSERT_EQ(Cli({"results", "add-value", "--sample", "s", "--element", "Cd", "--value", "1", "--unit", "mg/dm³",
                 "--data-dir", dir.path().string()})
                .status,
            0);
  EXPECT_TRUE(fs::exists(dir / "elsewhere.sqlite"));
  EXPECT_FALSE(fs::exists(dir / "Results.sqlite"));
}

}  // namespace
