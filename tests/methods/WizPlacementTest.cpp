// Where the measurement wizard puts its recordings: run root, parallel
// samples, passes, repeats, and recordings of several voltammograms.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ProgramStep.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TRecordPlacement.h"
#include "TVAStruct.h"
#include "TWizPlacement.h"

namespace velmora {
namespace {

TRecordedCurve Curve(int measurementType, const std::string& comment, double peak = 2.0) {
  ProgramStep step = ProgramStep::Default();
  step.SetMeasurementType(measurementType);
  step.SetComments(comment);
  TRecordedCurve c;
  std::copy(step.Raw.begin(), step.Raw.end(), c.Step.begin());
  // A stripping peak on a background of tens of µA.
  for (int x = -800; x <= -200; x += 10) {
    const double d = (x + 420) / 40.0;
    c.Points.push_back({static_cast<double>(x), 25.0 + 0.01 * (x + 800) + peak / (1.0 + d * d)});
  }
  return c;
}

std::vector<std::string> Names(const TNode* parent) {
  std::vector<std::string> out;
  for (const TNode* c = parent->FirstChild; c; c = c->NextSibling) out.push_back(c->Name);
  return out;
}

class WizPlacementTest : public ::testing::Test {
 protected:
  WizPlacementTest() : placement(forest), wizard(forest, placement) {
    wizard.RepeatCaption = [](int n) { return "Repeat " + std::to_string(n); };
    wizard.FormatDateTime = [](double) { return std::string("10.12.2026 03:00:00"); };
    placement.CaptionOf = [](const TVAStruct& r) { return r.Params.Comments(); };
  }
  TWizPlacement::Pass Pass(int count, const std::string& caption, int sample = 1) {
    return {count, "Tap water", "Parallel sample " + std::to_string(sample) + " of 2", caption};
  }
  TNode* Record(int passCount, int type, const std::string& caption, int sample = 1) {
    wizard.BeginRecording(Pass(passCount, caption, sample));
    return wizard.Place(Curve(type, "Pb"), "_______0.dbd", 1);
  }
  TNodeForest forest;
  TRecordPlacement placement;
  TWizPlacement wizard;
};

TEST_F(WizPlacementTest, PassesOfAParallelSampleGoUnderOneRunRoot) {
  TNode* existing = forest.AddNode(nullptr, nullptr);
  existing->SetNameSilently("older curve");
  TNode* sample = Record(0, 1, "Analyte");
  TNode* addition = Record(1, 2, "Added standard 1");
  ASSERT_NE(sample, nullptr);
  ASSERT_NE(addition, nullptr);

  TNode* root = wizard.Root();
  ASSERT_NE(root, nullptr);
  // After the last top-level node, named by the sample and the date.
  EXPECT_EQ(root->PrevSibling, existing);
  EXPECT_EQ(root->Name, "Tap water 10.12.2026 03:00:00");
  EXPECT_EQ(Names(root), std::vector<std::string>{"Parallel sample 1 of 2"});
  EXPECT_EQ(Names(root->FirstChild), (std::vector<std::string>{"Analyte", "Added standard 1"}));
  // The measurement node holds the pass's curve and its role.
  EXPECT_EQ(sample->Parent, root->FirstChild);
  EXPECT_EQ(sample->VA()->Params.MeasurementType(), 1);
  EXPECT_EQ(addition->VA()->Params.MeasurementType(), 2);
  EXPECT_GT(sample->VA()->Data.size(), 50u);
  EXPECT_EQ(sample->VA()->DatabaseName, "_______0.dbd");

  // The next parallel sample opens its own group under the same root.
  wizard.ForgetMeasurementNode();
  Record(2, 1, "Analyte", 2);
  EXPECT_EQ(Names(root), (std::vector<std::string>{"Parallel sample 1 of 2", "Parallel sample 2 of 2"}));
  EXPECT_EQ(Names(root->LastChild()), std::vector<std::string>{"Analyte"});

  // A new run opens a new root.
  wizard.ForgetRun();
  Record(0, 1, "Analyte");
  EXPECT_NE(wizard.Root(), root);
  EXPECT_EQ(forest.LastRoot(), wizard.Root());
}

TEST_F(WizPlacementTest, ARepeatedPassBecomesAFoldedGroupOfRepeats) {
  TNode* first = Record(0, 1, "Analyte");
  TNode* second = Record(0, 1, "Analyte");
  TNode* group = wizard.Group();
  ASSERT_EQ(Names(group), std::vector<std::string>{"Analyte"});
  TNode* pass = group->FirstChild;
  EXPECT_TRUE(pass->Folded);
  EXPECT_EQ(Names(pass), (std::vector<std::string>{"Repeat 1", "Repeat 2"}));
  EXPECT_EQ(pass->FirstChild, first);
  EXPECT_EQ(pass->LastChild(), second);
  // The group keeps the pass's role for the calculation.
  EXPECT_EQ(pass->VA()->Params.MeasurementType(), 1);
  // Both recordings keep their points.
  EXPECT_GT(first->VA()->Data.size(), 50u);
  EXPECT_GT(second->VA()->Data.size(), 50u);

  TNode* third = Record(0, 1, "Analyte");
  EXPECT_EQ(Names(pass), (std::vector<std::string>{"Repeat 1", "Repeat 2", "Repeat 3"}));
  EXPECT_EQ(third->Parent, pass);
  EXPECT_EQ(wizard.Recordings(), 3);

  // The next pass is a new measurement node beside the group.
  Record(1, 2, "Added standard 1");
  EXPECT_EQ(Names(group), (std::vector<std::string>{"Analyte", "Added standard 1"}));
}

TEST_F(WizPlacementTest, ARecordingOfSeveralCurvesIsAGroupWithTheirRole) {
  wizard.BeginRecording(Pass(0, "Analyte"));
  TNode* a = wizard.Place(Curve(1, "Pb, replicate 1"), "_______0.dbd", 2);
  TNode* b = wizard.Place(Curve(1, "Pb, replicate 2"), "_______1.dbd", 2);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  TNode* pass = wizard.MeasurementNode();
  EXPECT_EQ(pass->Name, "Analyte");
  EXPECT_EQ(Names(pass), (std::vector<std::string>{"Pb, replicate 1", "Pb, replicate 2"}));
  EXPECT_EQ(pass->VA()->Params.MeasurementType(), 1);

  // Repeated: the first recording's group moves under "Repeat 1".
  wizard.BeginRecording(Pass(0, "Analyte"));
  wizard.Place(Curve(1, "Pb, replicate 1"), "_______2.dbd", 2);
  wizard.Place(Curve(1, "Pb, replicate 2"), "_______3.dbd", 2);
  TNode* holder = wizard.MeasurementNode();
  ASSERT_EQ(Names(holder), (std::vector<std::string>{"Repeat 1", "Repeat 2"}));
  EXPECT_EQ(Names(holder->FirstChild), (std::vector<std::string>{"Pb, replicate 1", "Pb, replicate 2"}));
  EXPECT_EQ(Names(holder->LastChild()), (std::vector<std::string>{"Pb, replicate 1", "Pb, replicate 2"}));
  EXPECT_EQ(holder->VA()->Params.MeasurementType(), 1);
}

TEST_F(WizPlacementTest, NodesTheUserRemovedAreNotWrittenInto) {
  Record(0, 1, "Analyte");
  TNode* oldRoot = wizard.Root();
  forest.RemoveNode(oldRoot);
  TNode* next = Record(1, 2, "Added standard 1");
  ASSERT_NE(next, nullptr);
  EXPECT_NE(wizard.Root(), oldRoot);
  EXPECT_TRUE(next->InForest());
  EXPECT_EQ(Names(wizard.Group()), std::vector<std::string>{"Added standard 1"});
  // Too few points make nothing.
  wizard.BeginRecording(Pass(2, "Added standard 2"));
  TRecordedCurve tiny = Curve(3, "Pb");
  tiny.Points.resize(2);
  EXPECT_EQ(wizard.Place(tiny, "x", 1), nullptr);
  EXPECT_EQ(Names(wizard.Group()), std::vector<std::string>{"Added standard 1"});
}

}  // namespace
}  // namespace velmora
