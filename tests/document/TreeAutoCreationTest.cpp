#include <gtest/gtest.h>

#include "ForestTestUtil.h"
#include "TreeAutoCreation.h"

using namespace velmora;
using namespace velmora::test;

namespace {

// A root recorded `offset` seconds after the first, lasting 8 s: 5 s of
// electrolysis, 1 s of cleaning and a 2 s sweep of 100 mV at 50 mV/s.
TNode* Recorded(TNodeForest& f, const std::string& name, double offset) {
  TNode* n = AddLeaf(f, f.LastRoot(), nullptr, name, Line(-1000, 10, 11, 20, 0));
  TVAStruct* va = n->VA();
  va->RecordDate = 46000.5 + offset / 86400.0;
  va->Params.SetElectrolysisTime(5);
  va->Params.SetCleaningTime(1);
  va->Params.SetSweepStart(-1000);
  va->Params.SetSweepEnd(-900);
  va->Params.SetSweepRate(50);
  return n;
}

}  // namespace

TEST(TreeAutoCreation, RecordingDurations) {
  TNodeForest f;
  TNode* a = Recorded(f, "a", 0);
  EXPECT_EQ(TreeAutoCreation::RecordingDuration(*a), 8);
  TVAParams& p = a->VA()->Params;
  p.SetStirrer(1);
  p.SetDelayAfterMixing(3);
  p.SetPreparation1Time(2);
  p.SetPreparation2Time(4);
  EXPECT_EQ(TreeAutoCreation::RecordingDuration(*a), 17);
  p.SetSweepEnd(-975);  // 25 / 50 = 0.5 rounds to 0; 75 / 50 = 1.5 to 2
  EXPECT_EQ(TreeAutoCreation::RecordingDuration(*a), 15);
  p.SetSweepEnd(-925);
  EXPECT_EQ(TreeAutoCreation::RecordingDuration(*a), 17);
  p.SetSweepRate(0);  // no sweep time rather than a division by zero
  EXPECT_EQ(TreeAutoCreation::RecordingDuration(*a), 15);
  p.SetSweepRate(-50);
  EXPECT_EQ(TreeAutoCreation::RecordingDuration(*a), 13);

  TNode* b = Recorded(f, "b", 10);
  TNode* g = f.GroupNodes({a, b});
  EXPECT_EQ(TreeAutoCreation::RecordingDuration(*g), 13 + 8);
  EXPECT_EQ(TreeAutoCreation::SecondsBetween(46000.5, 46000.5 + 10.0 / 86400.0), 10);
  EXPECT_EQ(TreeAutoCreation::SecondsBetween(46000.5 + 10.9 / 86400.0, 46000.5), 10);
}

TEST(TreeAutoCreation, RunsByRecordingTime) {
  {
    // 10 s apart, 8 s each (limit 13 s): the second joins, the third starts anew.
    TNodeForest f;
    Recorded(f, "a", 0);
    Recorded(f, "b", 10);
    Recorded(f, "c", 20);
    const auto groups = TreeAutoCreation::Apply(f);
    EXPECT_EQ(groups.size(), 1u);
    EXPECT_EQ(Shape(f.FirstRoot()).substr(Shape(f.FirstRoot()).find('(')), "(a b) c");
  }
  {
    // 3 s apart: all three in one group.
    TNodeForest f;
    Recorded(f, "a", 0);
    Recorded(f, "b", 3);
    Recorded(f, "c", 6);
    EXPECT_EQ(TreeAutoCreation::Apply(f).size(), 1u);
    EXPECT_EQ(f.FirstRoot()->NextSibling, nullptr);
    EXPECT_EQ(Shape(f.FirstRoot()->FirstChild), "a b c");
  }
  {
    // Two runs of two and a lone curve; the first run starts where the
    // lone one ends, and the distance is taken from each run's first node.
    TNodeForest f;
    Recorded(f, "a", 0);
    Recorded(f, "b", 13);
    Recorded(f, "c", 14);
    Recorded(f, "d", 100);
    Recorded(f, "e", 95);
    const auto runs = TreeAutoCreation::Runs(f);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].size(), 2u);
    EXPECT_EQ(runs[1].size(), 1u);
    EXPECT_EQ(runs[2].size(), 2u);  // 5 s before d counts as well
    EXPECT_EQ(TreeAutoCreation::Apply(f).size(), 2u);
  }
}
