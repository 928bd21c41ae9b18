#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "CliCommands.h"
#include "CliDocument.h"
#include "CliRunner.h"
#include "DocumentFile.h"
#include "FormatError.h"
#include "JsonReader.h"
#include "Numbers.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TVAStruct.h"
#include "TempDir.h"

using namespace velmora;
using velmora::test::Cli;
using velmora::test::CliRun;
using velmora::test::TempDir;
namespace fs = std::filesystem;

namespace {

// A stripping curve from -1200 to 100 mV with zinc, cadmium, lead and
// copper peaks of height `scale` µA on a gentle slope.
TDataArr Stripping(double scale, bool descending = false) {
  const double peaks[4][2] = {{-920, 1.0}, {-620, 0.6}, {-450, 0.8}, {-150, 0.5}};
  TDataArr out;
  for (int i = 0; i < 1300; ++i) {
    const double e = -1200.0 + i;
    double y = 0.05 + 0.0001 * (e + 1200);
    for (const auto& p : peaks) y += scale * p[1] * std::exp(-std::pow((e - p[0]) / 25.0, 2.0));
    out.push_back({e, y});
  }
  if (descending) std::reverse(out.begin(), out.end());
  return out;
}

TNode* Curve(TNodeForest& f, const std::string& name, const TDataArr& points) {
  TNode* n = f.AddNode(f.LastRoot(), nullptr);
  n->SetNameSilently(name);
  n->SetRecord(std::make_unique<TVAStruct>(n));
  n->VA()->Params.SetValuesRange(3);  // 200 µA full scale: never overloaded here
  n->VA()->SetData(points);
  return n;
}

// The area of one Gaussian bump of the curves above, µA·mV: height × 25 mV × √π.
// A search's borders cut its far tails; the chord below it removes the slope.
double GaussArea(double height) { return height * 25.0 * std::sqrt(std::acos(-1.0)); }

void WriteSample(const fs::path& file) {
  TNodeForest f;
  Curve(f, "background", Stripping(1.0));
  Curve(f, "sample", Stripping(2.0));
  DocumentFile::SaveDocument(f, file);
}

}  // namespace

TEST(CliPeaks, SearchesEveryRootCurveSavesAndPrintsTheTable) {
  TempDir dir;
  WriteSample(dir / "in.tvx");
  const CliRun r = Cli({"peaks", (dir / "in.tvx").string(), (dir / "out.tvx").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  const JsonValue json = JsonReader::Parse(r.out);
  const JsonValue* table = json.field("PeakTable");
  ASSERT_NE(table, nullptr);
  std::vector<std::string> names;
  // The table's values are those of the first curve: heights 1.0, 0.6, 0.8, 0.5 µA.
  const double heights[] = {1.0, 0.6, 0.8, 0.5};
  std::size_t k = 0;
  for (const JsonValue& row : table->items) {
    names.push_back(row.field("Name")->text);
    EXPECT_TRUE(row.field("InCurves")->flag);
    EXPECT_EQ(row.field("CalcType")->number, 1);
    EXPECT_EQ(row.field("BaselineType")->number, 0);
    if (k < 4) {
      const double area = GaussArea(heights[k]);
      EXPECT_NEAR(row.field("PeakValue")->number, area, 0.03 * area) << row.field("Name")->text;
    }
    ++k;
    EXPECT_LT(row.field("BeginPotential")->number, row.field("EndPotential")->number);
  }
  // Named from the element potentials, in the order they were found.
  EXPECT_EQ(names, (std::vector<std::string>{"Zn", "Cd", "Pb", "Cu"}));

  // The saved document holds the peaks, and dump shows fresh values.
  TNodeForest back;
  CliDocument::Load(back, dir / "out.tvx");
  ASSERT_NE(back.FirstRoot(), nullptr);
  EXPECT_EQ(back.FirstRoot()->VA()->Peaks.size(), 4u);
  const CliRun dump = Cli({"dump", (dir / "out.tvx").string()});
  ASSERT_EQ(dump.status, 0);
  const JsonValue nodes = JsonReader::Parse(dump.out);
  const JsonValue& peak = nodes.field("Nodes")->items[1].field("Record")->field("Peaks")->items[0];
  EXPECT_EQ(peak.field("Name")->text, "Zn");
  // The sample's zinc: twice the background's bump.
  EXPECT_NEAR(peak.field("PeakValue")->number, GaussArea(2.0), 0.03 * GaussArea(2.0));
  EXPECT_NE(peak.field("ChosenLine"), nullptr);
  EXPECT_NE(peak.field("MarkIndex2"), nullptr);
}

TEST(CliPeaks, TypesAndPredefinedPeaks) {
  TempDir dir;
  WriteSample(dir / "in.tvx");
  CliRun r =
      Cli({"peaks", (dir / "in.tvx").string(), (dir / "out.tvx").string(), "--calc-type", "0", "--baseline", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  const JsonValue typed = JsonReader::Parse(r.out);
  for (const JsonValue& row : typed.field("PeakTable")->items) {
    EXPECT_EQ(row.field("CalcType")->number, 0);
    EXPECT_EQ(row.field("BaselineType")->number, 1);
  }

  // Only peaks inside a predefined window with a known addition are kept.
  TempDir::writeFile(dir / "pre.json",
                     R"([{"Name": "Pb", "LeftBorder": -600, "MiddleBorder": 0, "RightBorder": -300,
                          "AdditionConc": 2.5, "CalcType": 1},
                         {"Name": "Cd", "LeftBorder": -800, "RightBorder": -500, "AdditionConc": 0}])");
  r = Cli(
      {"peaks", (dir / "in.tvx").string(), (dir / "out.tvx").string(), "--predefined", (dir / "pre.json").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  const JsonValue named = JsonReader::Parse(r.out);
  const JsonValue* table = named.field("PeakTable");
  ASSERT_EQ(table->items.size(), 1u);
  EXPECT_EQ(table->items[0].field("Name")->text, "Pb");
  TNodeForest back;
  CliDocument::Load(back, dir / "out.tvx");
  EXPECT_DOUBLE_EQ(back.FirstRoot()->VA()->Peaks.at(0).AdditionConc, 2.5);
}

TEST(CliPeaks, FindsThePeaksOfAnImportedTextCurve) {
  // A measured differential-pulse curve exported as two columns: 30 µA of
  // background under peaks of 2 to 15 µA; the text carries no record
  // parameters, so no current range to judge overload by.
  TempDir dir;
  std::string text;
  for (const TDataPoint& p : Stripping(15.0)) {
    text += FormatShortest(p.X) + "\t" + FormatShortest(30.0 + p.Y) + "\r\n";
  }
  TempDir::writeFile(dir / "dpv.dat", text);
  const CliRun r = Cli({"peaks", (dir / "dpv.dat").string(), (dir / "out.tvx").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  const JsonValue json = JsonReader::Parse(r.out);
  std::vector<std::string> names;
  for (const JsonValue& row : json.field("PeakTable")->items) names.push_back(row.field("Name")->text);
  EXPECT_EQ(names, (std::vector<std::string>{"Zn", "Cd", "Pb", "Cu"}));
}

TEST(CliPeaks, UsageErrorsAndUnusableInput) {
  TempDir dir;
  WriteSample(dir / "in.tvx");
  const std::string in = (dir / "in.tvx").string();
  const std::string out = (dir / "out.tvx").string();
  EXPECT_EQ(Cli({"peaks"}).status, 2);
  EXPECT_EQ(Cli({"peaks", in}).status, 2);
  EXPECT_EQ(Cli({"peaks", in, out, "--calc-type", "8"}).status, 2);
  EXPECT_EQ(Cli({"peaks", in, out, "--calc-type"}).status, 2);
  EXPECT_EQ(Cli({"peaks", in, out, "--baseline", "2"}).status, 2);
  EXPECT_EQ(Cli({"peaks", in, out, "--invert", "x"}).status, 2);
  EXPECT_EQ(Cli({"peaks", in, (dir / "out.txt").string()}).status, 2);
  EXPECT_EQ(Cli({"peaks", (dir / "none.tvx").string(), out}).status, 1);
  EXPECT_FALSE(fs::exists(out));

  // Damaged, hostile or ill-shaped predefined peaks: a clear error, no output.
  const std::pair<const char*, std::string> cases[] = {
      {"trailing.json", R"([{"Name": "Pb"}] x)"},
      {"open.json", R"([{"Name": "Pb")"},
      {"deep.json", std::string(100000, '[')},
      {"object.json", R"({"Name": "Pb"})"},
      {"noname.json", R"([{"LeftBorder": 1}])"},
      {"badtype.json", R"([{"Name": "Pb", "CalcType": 9}])"},
      {"badnumber.json", R"([{"Name": "Pb", "LeftBorder": "-600"}])"},
      {"longname.json", "[{\"Name\": \"" + std::string(300, 'a') + "\"}]"},
  };
  for (const auto& [name, text] : cases) {
    TempDir::writeFile(dir / name, text);
    const CliRun r = Cli({"peaks", in, out, "--predefined", (dir / name).string()});
    EXPECT_EQ(r.status, 1) << name;
    EXPECT_FALSE(r.err.empty()) << name;
    EXPECT_TRUE(r.out.empty()) << name;
  }
  EXPECT_FALSE(fs::exists(out));
}

TEST(CliJsonReader, ReadsStrictJson) {
  const JsonValue v =
      JsonReader::Parse(R"( {"a": [1, -2.5e1, true, false, null], "s": "x\"\\\/\n\u00e9\ud83d\ude00", "a": {}} )");
  ASSERT_EQ(v.kind, JsonValue::Kind::Object);
  EXPECT_EQ(v.field("a")->kind, JsonValue::Kind::Object);  // the last of repeated keys
  EXPECT_EQ(v.fields[0].second.items.size(), 5u);
  EXPECT_EQ(v.fields[0].second.items[1].number, -25.0);
  EXPECT_EQ(v.field("s")->text, "x\"\\/\n\xC3\xA9\xF0\x9F\x98\x80");
  for (const char* bad :
       {"", "01", "1.", "-", "[1,]", "{\"a\" 1}", "\"\x01\"", "\"\\ud800\"", "\"\\x\"", "tru", "[1e999]", "\"abc"}) {
    EXPECT_THROW(JsonReader::Parse(bad), EFormatError) << bad;
  }
  EXPECT_NO_THROW(
      JsonReader::Parse(std::string(JsonReader::kMaxDepth - 1, '[') + std::string(JsonReader::kMaxDepth - 1, ']')));
  EXPECT_THROW(JsonReader::Parse(std::string(JsonReader::kMaxDepth + 1, '[')), EFormatError);
}
