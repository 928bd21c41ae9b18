#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "CliCommands.h"
#include "CliRunner.h"
#include "DocumentFile.h"
#include "Messages.h"
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

TNode* Leaf(TNodeForest& f, TNode* after, TNode* parent, const std::string& name, double level) {
  TNode* n = f.CreateNode();
  n->SetNameSilently(name);
  n->SetRecord(std::make_unique<TVAStruct>(n));
  f.InsertNode(parent, after, n);
  TDataArr points;
  for (int i = 0; i < 5; ++i) points.push_back({0.1 * i, level + i});
  n->VA()->SetData(points);
  return n;
}

// A group of node type 2 over two leaves, and a loose leaf with a peak.
void WriteSample(const fs::path& file) {
  TNodeForest f;
  TNode* g = Leaf(f, nullptr, nullptr, "group", 0);
  TNode* a = Leaf(f, nullptr, g, "a", 1);
  Leaf(f, a, g, "b", 3);
  g->VA()->SetNodeType(2);
  TNode* c = Leaf(f, g, nullptr, "c", 0.5);
  c->VA()->XShift = 0.1;
  c->VA()->StirrerType = 1;
  c->VA()->Params.SetComments("first \"quoted\"");
  c->VA()->Params.Raw[225] = 0xAB;
  c->VA()->AddPeak("Zn", 0, 1, 3);
  c->SetChecked(false);
  DocumentFile::SaveDocument(f, file);
}

std::string ReadBytes(const fs::path& file) { return TempDir::readFile(file); }

}  // namespace

TEST(CliDump, UsageAndUnusableInput) {
  TempDir dir;
  EXPECT_EQ(Cli({"dump"}).status, 2);
  EXPECT_EQ(Cli({"dump", "a.tvx", "b.tvx"}).status, 2);
  EXPECT_EQ(Cli({"dump", "a.tvx", "--bogus"}).status, 2);
  EXPECT_EQ(Cli({"convert", "a.tvx"}).status, 2);
  EXPECT_EQ(Cli({"convert", "a.tvx", "b.txt"}).status, 2);

  CliRun missing = Cli({"dump", (dir / "none.tvx").string()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, std::string(msg::FileNotFound) + "\n");
  EXPECT_TRUE(missing.out.empty());

  TempDir::writeFile(dir / "wrong.tvx", std::string("\x08TVNXv101", 9));
  CliRun version = Cli({"dump", (dir / "wrong.tvx").string()});
  EXPECT_EQ(version.status, 1);
  EXPECT_EQ(version.err, "Unknown file format TVNXv101\n");

  TempDir::writeFile(dir / "magic.tvx", std::string("\x08XXXXv100", 9));
  EXPECT_EQ(Cli({"dump", (dir / "magic.tvx").string()}).status, 1);

  TempDir::writeFile(dir / "bad.dat", "1 2\nnot a number\n");
  CliRun text = Cli({"dump", (dir / "bad.dat").string()});
  EXPECT_EQ(text.status, 1);
  EXPECT_EQ(text.err, "'not' is not a valid floating point value\n");

  WriteSample(dir / "doc.tvx");
  std::string cut = ReadBytes(dir / "doc.tvx");
  cut.resize(cut.size() - 30);
  TempDir::writeFile(dir / "cut.tvx", cut);
  CliRun damaged = Cli({"dump", (dir / "cut.tvx").string()});
  EXPECT_EQ(damaged.status, 1);
  EXPECT_EQ(std::count(damaged.err.begin(), damaged.err.end(), '\n'), 1);
}

TEST(CliDump, JsonShape) {
  TempDir dir;
  WriteSample(dir / "doc.tvx");
  CliRun r = Cli({"dump", (dir / "doc.tvx").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string& j = r.out;
  EXPECT_EQ(
      j.rfind(R"({"UnreadData":false,"Nodes":[{"Id":0,"Name":"group","Checked":true,"Folded":false,"NodeType":2,)", 0),
      0u);
  // The group's first averaged column averages a (Y 1..5) and b (Y 3..7).
  EXPECT_NE(j.find(R"("AveragedColumns":[{"Data":[[0,2],[0.1,3],)"), std::string::npos);
  EXPECT_NE(j.find(R"("Children":[{"Id":1,"Name":"a")"), std::string::npos);
  EXPECT_NE(j.find(R"("Name":"c","Checked":false)"), std::string::npos);
  EXPECT_NE(j.find(R"("XShift":0.1,"Visible":true,"DatabaseName":"")"), std::string::npos);
  EXPECT_NE(j.find(R"("Comments":"first \"quoted\"")"), std::string::npos);
  EXPECT_NE(j.find(R"("Reserved225":"ab000000000000000000000000000000000000")"), std::string::npos);
  EXPECT_NE(j.find(R"("StepExtra":{"ElectrodeDown":0,"SamplerCell":0,"ElectrodeUp":0},"StirrerType":1,)"),
            std::string::npos);
  EXPECT_NE(j.find(R"("CalcCoefficients":[1,0,0,298,0.01])"), std::string::npos);
  EXPECT_NE(j.find(R"("Peaks":[{"Name":"Zn","BeginIndex":1,"EndIndex":3,"PeakValue":)"), std::string::npos);
  EXPECT_NE(j.find(R"("HasCustomMethod":false)"), std::string::npos);
  EXPECT_EQ(j.back(), '\n');

  // The display modes change "Display" of the leaves, never "Data".
  CliRun log = Cli({"dump", (dir / "doc.tvx").string(), "--semilog"});
  ASSERT_EQ(log.status, 0);
  EXPECT_NE(log.out.find(R"("Name":"c","Checked":false,"Folded":false,"NodeType":1,"Record":{"Data":[[0,0.5],)"),
            std::string::npos);
}

TEST(CliConvert, DocumentsComeOutByteIdenticalAndDatabasesReadBack) {
  TempDir dir;
  WriteSample(dir / "doc.tvx");
  CliRun once = Cli({"convert", (dir / "doc.tvx").string(), (dir / "copy.tvx").string()});
  ASSERT_EQ(once.status, 0) << once.err;
  EXPECT_EQ(ReadBytes(dir / "copy.tvx"), ReadBytes(dir / "doc.tvx"));
  ASSERT_EQ(Cli({"convert", (dir / "copy.tvx").string(), (dir / "copy2.tvx").string()}).status, 0);
  EXPECT_EQ(ReadBytes(dir / "copy2.tvx"), ReadBytes(dir / "doc.tvx"));

  // To the folder database: the three leaves, named in order.
  fs::create_directory(dir / "db");
  ASSERT_EQ(Cli({"convert", (dir / "doc.tvx").string(), (dir / "db" / "x.mbd").string()}).status, 0);
  EXPECT_TRUE(fs::exists(dir / "db" / "_______2.dbd"));
  CliRun db = Cli({"dump", (dir / "db" / "x.mbd").string()});
  ASSERT_EQ(db.status, 0);
  EXPECT_NE(db.out.find(R"("DatabaseName":"_______2.dbd")"), std::string::npos);
  // The loose leaf is stored with its potential shift applied.
  EXPECT_NE(db.out.find(R"("Data":[[0.1,0.5],)"), std::string::npos);

  // From a text file.
  TempDir::writeFile(dir / "curve.dat", "-100 1.5\n-90 2\n");
  ASSERT_EQ(Cli({"convert", (dir / "curve.dat").string(), (dir / "curve.tvx").string()}).status, 0);
  CliRun t = Cli({"dump", (dir / "curve.tvx").string()});
  EXPECT_NE(t.out.find(R"("Name":"curve")"), std::string::npos);
  EXPECT_NE(t.out.find(R"("Data":[[-100,1.5],[-90,2]])"), std::string::npos);
}
