// Where recorded voltammograms go in the document tree, flat and nested.
#include <gtest/gtest.h>

#include <string>

#include "TNode.h"
#include "TNodeForest.h"
#include "TRecordPlacement.h"
#include "TVAStruct.h"

namespace velmora {
namespace {

void PutInt(TRecordedCurve& c, std::size_t offset, std::int32_t v) {
  for (int i = 0; i < 4; ++i) c.Step[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

TRecordedCurve Curve(int loop, int program, int step) {
  TRecordedCurve c;
  PutInt(c, 4, -1000);  // SweepStart
  PutInt(c, 8, 0);      // SweepEnd
  c.Step[84] = 1;       // Comments "s"
  c.Step[85] = 's';
  c.Step[245] = 3;       // SamplerCell
  PutInt(c, 256, 2);     // StirrerType
  PutInt(c, 260, 1500);  // StirrerSpeed
  c.Step[264] = 17;      // Compensation
  c.Points = {{-1000, 1}, {-500, 2}, {0, 3}};
  c.LoopNumber = loop;
  c.ProgramNumber = program;
  c.ProgramStep = step;
  return c;
}

int Children(const TNode* n) {
  int k = 0;
  for (const TNode* c = n->FirstChild; c; c = c->NextSibling) ++k;
  return k;
}

int Roots(const TNodeForest& f) {
  int k = 0;
  for (const TNode* c = f.FirstRoot(); c; c = c->NextSibling) ++k;
  return k;
}

class RecordPlacementTest : public ::testing::Test {
 protected:
  RecordPlacementTest() : placement(forest) {
    placement.Now = [] { return 45000.5; };
    placement.FilterValue = 4;
  }
  TNodeForest forest;
  TRecordPlacement placement;
};

TEST_F(RecordPlacementTest, FillsTheRecordFromTheStep) {
  TNode* n = placement.Place(Curve(0, 0, 0), "_______0.dbd");
  ASSERT_NE(n, nullptr);
  const TVAStruct* r = n->VA();
  EXPECT_EQ(r->Params.SweepStart(), -1000);
  EXPECT_EQ(r->Params.Comments(), "s");
  EXPECT_EQ(r->StepExtra.SamplerCell, 3);
  EXPECT_EQ(r->StirrerType, 2);
  EXPECT_EQ(r->StirrerSpeed, 1500);
  EXPECT_EQ(r->Compensation, 17);
  EXPECT_EQ(r->FilterValue, 4);
  EXPECT_EQ(r->DatabaseName, "_______0.dbd");
  EXPECT_DOUBLE_EQ(r->RecordDate, 45000.5);
  EXPECT_EQ(r->Data.size(), 3u);
  EXPECT_EQ(n->Name, "s");
  // Two points or fewer make no node.
  TRecordedCurve small = Curve(0, 0, 0);
  small.Points.resize(2);
  EXPECT_EQ(placement.Place(small, "x"), nullptr);
}

TEST_F(RecordPlacementTest, SimulatedCurvesKeepTheMarkInTheCommentsNotInTheCaption) {
  placement.Simulated = true;
  TNode* n = placement.Place(Curve(0, 0, 0), "_______0.dbd");
  ASSERT_NE(n, nullptr);
  EXPECT_EQ(n->VA()->Params.Comments(), std::string(TRecordPlacement::SimulatedMark) + "s");
  EXPECT_EQ(n->Name, "s");
  EXPECT_TRUE(TRecordPlacement::IsSimulated(*n));
  // A caller's caption loses the mark as well; the mark is never doubled.
  placement.CaptionOf = [](const TVAStruct& r) { return r.Params.Comments() + " #1"; };
  TNode* m = placement.Place(Curve(0, 0, 0), "_______1.dbd");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->Name, "s #1");
  EXPECT_EQ(m->VA()->Params.Comments(), std::string(TRecordPlacement::SimulatedMark) + "s");

  placement.Simulated = false;
  placement.CaptionOf = nullptr;
  placement.ForgetRoot();
  TNode* measured = placement.Place(Curve(0, 0, 0), "_______2.dbd");
  ASSERT_NE(measured, nullptr);
  EXPECT_FALSE(TRecordPlacement::IsSimulated(*measured));
  EXPECT_EQ(TRecordPlacement::WithoutSimulatedMark("[EMULATOR - simulated]"), "[EMULATOR - simulated]");
}

TEST_F(RecordPlacementTest, FlatModeGivesEveryCurveARoot) {
  placement.InsertType = 0;
  TRecordedCurve c = Curve(0, 0, 0);
  c.LoopCount = 2;
  c.NodesToCreate = 3;
  c.ProgramsWithVAGrams = 2;
  c.NodesInCurrentProgram = 2;
  for (int i = 0; i < 3; ++i) placement.Place(c, "n");
  EXPECT_EQ(Roots(forest), 3);
  EXPECT_FALSE(forest.FirstRoot()->HasChildren());
  EXPECT_EQ(placement.Root(), nullptr);
}

TEST_F(RecordPlacementTest, TreeModeNestsRepetitionsProgramsAndSteps) {
  // Two repetitions of two programs; the first has two sweep steps.
  for (int loop = 0; loop < 2; ++loop) {
    for (auto [program, step, inProgram] : {std::tuple{0, 0, 2}, {0, 1, 1}, {1, 0, 1}}) {
      TRecordedCurve c = Curve(loop, program, step);
      c.LoopCount = 2;
      c.NodesToCreate = 3;
      c.ProgramsWithVAGrams = 2;
      c.NodesInCurrentProgram = inProgram;
      ASSERT_NE(placement.Place(c, "n"), nullptr);
    }
  }
  ASSERT_EQ(Roots(forest), 1);
  TNode* root = forest.FirstRoot();
  EXPECT_EQ(root->Name, TRecordPlacement::DefaultDateTimeText(45000.5));
  ASSERT_EQ(Children(root), 2);
  for (TNode* loop = root->FirstChild; loop; loop = loop->NextSibling) {
    ASSERT_EQ(Children(loop), 2);
    EXPECT_EQ(Children(loop->FirstChild), 2);        // the steps of program 0
    EXPECT_FALSE(loop->LastChild()->HasChildren());  // program 1: one step, no step level
  }
  // A new run starts a new root.
  placement.ForgetRoot();
  placement.Place(Curve(0, 0, 0), "n");
  EXPECT_EQ(Roots(forest), 2);
}

TEST_F(RecordPlacementTest, SingleSweepStepStaysInTheRoot) {
  placement.Place(Curve(0, 0, 0), "n");
  EXPECT_EQ(Roots(forest), 1);
  EXPECT_FALSE(forest.FirstRoot()->HasChildren());
  EXPECT_EQ(forest.FirstRoot()->VA()->Data.size(), 3u);
}

TEST_F(RecordPlacementTest, FullCyclesArePairedInFoldedGroups) {
  // CycleType 1 ("Full"), CycleCount 2: four voltammograms, cycle 0..3.
  for (int cycle = 0; cycle < 4; ++cycle) {
    TRecordedCurve c = Curve(0, 0, 0);
    c.Step[44] = 1;
    PutInt(c, 45, 2);
    PutInt(c, 49, 1);
    c.ProgramStepCycle = cycle;
    ASSERT_NE(placement.Place(c, "n" + std::to_string(cycle)), nullptr);
  }
  TNode* root = forest.FirstRoot();
  ASSERT_EQ(Children(root), 2);
  for (TNode* pair = root->FirstChild; pair; pair = pair->NextSibling) {
    EXPECT_EQ(Children(pair), 2);
    EXPECT_TRUE(pair->Folded);
    EXPECT_EQ(pair->VA()->Params.SweepStart(), -1000);  // filled at once
  }
  EXPECT_EQ(root->FirstChild->FirstChild->VA()->DatabaseName, "n0");
  EXPECT_EQ(root->LastChild()->LastChild()->VA()->DatabaseName, "n3");
}

TEST_F(RecordPlacementTest, HalfCyclesGoBelowTheFilledStepNode) {
  for (int cycle = 0; cycle < 3; ++cycle) {
    TRecordedCurve c = Curve(0, 0, 0);
    c.Step[44] = 1;
    PutInt(c, 45, 3);
    PutInt(c, 49, 0);
    c.ProgramStepCycle = cycle;
    placement.Place(c, "n");
  }
  TNode* root = forest.FirstRoot();
  EXPECT_EQ(Children(root), 3);
  EXPECT_EQ(root->VA()->Params.SweepStart(), -1000);
}

}  // namespace
}  // namespace velmora
