#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "CliCommands.h"
#include "CliDocument.h"
#include "CliRunner.h"
#include "CurveProcessing.h"
#include "DocumentFile.h"
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

TNode* Leaf(TNodeForest& f, TNode* after, TNode* parent, const std::string& name, TDataArr points) {
  TNode* n = f.CreateNode();
  n->SetNameSilently(name);
  n->SetRecord(std::make_unique<TVAStruct>(n));
  f.InsertNode(parent, after, n);
  n->VA()->SetData(points);
  return n;
}

TDataArr Ramp(int count, double level) {
  TDataArr p;
  for (int i = 0; i < count; ++i) p.push_back({-500.0 + 10.0 * i, level + (i % 3)});
  return p;
}

// A root leaf and a root group over two leaves, unchecked second child.
void WriteSample(const fs::path& file) {
  TNodeForest f;
  TNode* a = Leaf(f, nullptr, nullptr, "a", Ramp(8, 1));
  TNode* g = Leaf(f, a, nullptr, "g", {});
  TNode* b = Leaf(f, nullptr, g, "b", Ramp(8, 2));
  TNode* c = Leaf(f, b, nullptr, "c", Ramp(8, 3));
  c->SetChecked(false);
  DocumentFile::SaveDocument(f, file);
}

// The points of every leaf of a saved document, in tree order.
std::vector<TDataArr> Leaves(const fs::path& file) {
  TNodeForest f;
  CliDocument::Load(f, file);
  std::vector<TDataArr> out;
  for (TNode* n : f.DisplayOrder()) {
    if (!n->FirstChild) out.push_back(n->ArrayRecord()->Data);
  }
  return out;
}

std::vector<double> Shifts(const fs::path& file) {
  TNodeForest f;
  CliDocument::Load(f, file);
  std::vector<double> out;
  for (TNode* n : f.DisplayOrder()) {
    if (!n->FirstChild) out.push_back(n->ArrayRecord()->XShift);
  }
  return out;
}

TEST(CliProcess, AppliesEveryOperationToEveryLeafOfTheRoots) {
  TempDir dir;
  WriteSample(dir / "in.tvx");
  const std::vector<TDataArr> before = Leaves(dir / "in.tvx");

  CliRun r = Cli({"process", (dir / "in.tvx").string(), (dir / "out.tvx").string(), "smooth=2", "invert=y",
                  "shift=12.5", "invert=x"});
  ASSERT_EQ(r.status, 0) << r.err;
  // The overlay group shows its checked child only: the unchecked one is
  // not a displayed curve and stays as it was.
  EXPECT_EQ(r.out, "{\"Input\":\"" + (dir / "in.tvx").string() + "\",\"Output\":\"" + (dir / "out.tvx").string() +
                       "\",\"Curves\":2,\"Operations\":4,\"UndoSteps\":4}\n");
  const std::vector<TDataArr> after = Leaves(dir / "out.tvx");
  ASSERT_EQ(after.size(), 3u);
  for (std::size_t i = 0; i < 2; ++i) {
    const TDataArr expected = Invert(Invert(SmoothMovingAverage(before[i], 2), InvertAxis::Y), InvertAxis::X);
    EXPECT_EQ(after[i], expected) << i;
  }
  EXPECT_EQ(after[2], before[2]);
  EXPECT_EQ(Shifts(dir / "out.tvx"), (std::vector<double>{12.5, 12.5, 0.0}));
}

TEST(CliProcess, SubtractsTheFirstLeafCurveOfAnotherFile) {
  TempDir dir;
  WriteSample(dir / "in.tvx");
  CliRun r =
      Cli({"process", (dir / "in.tvx").string(), (dir / "out.tvx").string(), "subtract=" + (dir / "in.tvx").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<TDataArr> after = Leaves(dir / "out.tvx");
  // Curve a minus itself: zero everywhere, every point kept.
  ASSERT_EQ(after[0].size(), 8u);
  for (const TDataPoint& p : after[0]) EXPECT_EQ(p.Y, 0.0);
  for (const TDataPoint& p : after[1]) EXPECT_DOUBLE_EQ(p.Y, 1.0);

  // A two-column text file serves as subtrahend too; a single point is a
  // constant current taken off every point.
  TempDir::writeFile(dir / "one.txt", "0 0.5\n");
  r = Cli({"process", (dir / "in.tvx").string(), (dir / "one.tvx").string(), "subtract=" + (dir / "one.txt").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<TDataArr> minusConstant = Leaves(dir / "one.tvx");
  ASSERT_EQ(minusConstant[0].size(), 8u);
  EXPECT_DOUBLE_EQ(minusConstant[0][0].Y, 0.5);
}

TEST(CliProcess, UsageAndInputErrors) {
  TempDir dir;
  WriteSample(dir / "in.tvx");
  const std::string in = (dir / "in.tvx").string();
  const std::string out = (dir / "out.tvx").string();
  EXPECT_EQ(Cli({"process", in, out}).status, 2);
  EXPECT_EQ(Cli({"process", in, (dir / "out.mbd").string(), "smooth=1"}).status, 2);
  for (const char* bad : {"smooth=-1", "smooth=x", "shift=1,5", "shift=", "invert=z", "subtract=", "blur=3"}) {
    CliRun r = Cli({"process", in, out, bad});
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_NE(r.err.find("usage"), std::string::npos) << bad;
  }
  EXPECT_FALSE(fs::exists(out));

  TempDir::writeFile(dir / "bad.tvx", std::string("\x08TVNXv100\x01\x00\x00\x00\xff\xff\xff\x7f", 17));
  CliRun r = Cli({"process", (dir / "bad.tvx").string(), out, "smooth=1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
  r = Cli({"process", in, out, "subtract=" + (dir / "missing.tvx").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(fs::exists(out));
}

TEST(CliDumpModes, SemilogAndSemiIntegralReachTheDisplayedPoints) {
  TempDir dir;
  {
    // An overlay pair: the two curves of the group are partners.
    TNodeForest f;
    TNode* g = Leaf(f, nullptr, nullptr, "g", {});
    TNode* a = Leaf(f, nullptr, g, "a", {{0, 100}, {1, 0}, {2, -0.01}});
    Leaf(f, a, nullptr, "b", {{2, 1}, {1, 2}, {0, 3}});
    DocumentFile::SaveDocument(f, dir / "pair.tvx");
  }
  CliRun plain = Cli({"dump", (dir / "pair.tvx").string()});
  CliRun log = Cli({"dump", (dir / "pair.tvx").string(), "--semilog"});
  CliRun semi = Cli({"dump", (dir / "pair.tvx").string(), "--semi-integral"});
  ASSERT_EQ(log.status, 0) << log.err;
  EXPECT_NE(plain.out.find("\"Display\":[[0,100],[1,0],[2,-0.01]]"), std::string::npos) << plain.out;
  // log10|I|, a zero current kept.
  EXPECT_NE(log.out.find("\"Display\":[[0,2],[1,0],[2,-1.99999"), std::string::npos) << log.out;
  // Each curve of the pair shows its part of the semi-integral: 2 points.
  EXPECT_EQ(semi.out.find("\"Display\":[[0,100],[1,0],[2,-0.01]]"), std::string::npos) << semi.out;
  const TSemiIntegral expected =
      SemiIntegrate(TDataArr{{0, 100}, {1, 0}, {2, -0.01}}, TDataArr{{2, 1}, {1, 2}, {0, 3}});
  ASSERT_EQ(expected.First.size(), 2u);
  EXPECT_NEAR(expected.First[0].Y, 3.9413781646, 1e-9);
  EXPECT_NE(semi.out.find("\"Display\":[[0,3.9413781646"), std::string::npos) << semi.out;
}

}  // namespace
