#include <gtest/gtest.h>

#include <cmath>

#include "TSubtraction.h"
#include "UndoTestUtil.h"

using namespace velmora;
using namespace velmora::test;

namespace {

// Curves on a background of about 20 µA: the blank (measurement type 0)
// and two samples with a peak on top of the same background.
TNode* Curve(TNodeForest& f, const std::string& name, int type, double peak) {
  TDataArr pts;
  for (int i = 0; i <= 40; ++i) {
    const double x = -1000.0 + 10.0 * i;
    pts.push_back({x, 20.0 + 0.01 * i + peak * std::exp(-(x + 800) * (x + 800) / 800.0)});
  }
  TNode* n = AddLeaf(f, f.LastRoot(), nullptr, name, pts);
  n->VA()->Params.SetMeasurementType(type);
  return n;
}

std::vector<TArrayDataStruct*> Records(std::initializer_list<TNode*> nodes) {
  std::vector<TArrayDataStruct*> out;
  for (TNode* n : nodes) out.push_back(n->ArrayRecord());
  return out;
}

}  // namespace

TEST(Subtraction, TheBlankIsTheDefaultSubtrahend) {
  TNodeForest f;
  TNode* a = Curve(f, "sample", 1, 5);
  TNode* b = Curve(f, "blank", 0, 0);
  TNode* c = Curve(f, "addition", 2, 9);
  EXPECT_EQ(TSubtraction::DefaultSubtrahend(Records({a, b, c})), 1);
  EXPECT_EQ(TSubtraction::DefaultSubtrahend(Records({a, c})), 0);  // no blank: the first curve
  EXPECT_EQ(TSubtraction::DefaultSubtrahend({}), -1);
  const TDataArr diff = TSubtraction::Preview(*a->ArrayRecord(), *b->ArrayRecord());
  ASSERT_EQ(diff.size(), 41u);
  EXPECT_NEAR(diff[20].Y, 5.0, 1e-9);  // the peak alone, the background gone
  EXPECT_NEAR(diff[0].Y, 0.0, 1e-3);
  EXPECT_NEAR(a->VA()->Data[20].Y, 25.2, 1e-9);  // a preview changes nothing
}

TEST(Subtraction, ApplyIsOneStepAndTheBlankBecomesZero) {
  UndoFixture fx;
  TNode* a = Curve(fx.f, "sample", 1, 5);
  TNode* b = Curve(fx.f, "blank", 0, 0);
  TNode* c = Curve(fx.f, "addition", 2, 9);
  EXPECT_FALSE(TSubtraction::Apply(Records({a, b, c}), nullptr, fx.undo));
  ExpectRoundTrip(fx, UndoAction::DataMultiChange, [&] {
    EXPECT_TRUE(TSubtraction::Apply(Records({a, b, c}), b->ArrayRecord(), fx.undo));
  });
  for (const TDataPoint& p : b->VA()->Data) EXPECT_EQ(p.Y, 0.0);
  EXPECT_NEAR(a->VA()->Data[20].Y, 5.0, 1e-9);
  EXPECT_NEAR(c->VA()->Data[20].Y, 9.0, 1e-9);  // the later curve used the blank's points from before
}

TEST(Subtraction, CreateNewCopiesBelowTheResultNodeAndLeavesTheSources) {
  UndoFixture fx;
  TNode* a = Curve(fx.f, "sample", 1, 5);
  Curve(fx.f, "blank", 0, 0);
  const std::string before = State(fx.f);

  // One selected node: its copy goes below "Subtraction result".
  TNode* result = TSubtraction::CreateCopies(fx.f, {a});
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(Shape(fx.f.FirstRoot()), "sample blank Subtraction result(sample)");
  EXPECT_EQ(fx.f.Selection, (TNodesArr{result}));
  TNode* copy = result->FirstChild;
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, a);
  EXPECT_EQ(copy->VA()->Data, a->VA()->Data);
  ASSERT_EQ(fx.undo.UndoList().size(), 1u);
  EXPECT_EQ(fx.undo.UndoList().back()->Action, static_cast<std::int32_t>(UndoAction::PasteData));
  fx.undo.Undo();
  EXPECT_EQ(State(fx.f), before);

  // A first child is copied beside the temporary node, not below it.
  TNode* g = fx.f.GroupNodes({fx.f.FirstRoot(), fx.f.FirstRoot()->NextSibling});
  TNode* first = g->FirstChild;
  TSubtraction::CreateCopies(fx.f, {first});
  EXPECT_EQ(Shape(fx.f.FirstRoot()).substr(Shape(fx.f.FirstRoot()).find("Subtraction")), "Subtraction result(sample)");
  EXPECT_NEAR(first->VA()->Data[20].Y, 25.2, 1e-9);
}

TEST(Subtraction, CreateNewWithSeveralNodesReadsThemAfterTheResultNode) {
  UndoFixture fx;
  TNode* a = Curve(fx.f, "sample", 1, 5);
  TNode* b = Curve(fx.f, "blank", 0, 0);
  const std::string before = State(fx.f);
  TSubtraction::CreateCopies(fx.f, {b, a});
  EXPECT_EQ(Shape(fx.f.FirstRoot()), "sample blank Subtraction result blank sample");
  fx.undo.Undo();
  EXPECT_EQ(State(fx.f), before);
}
