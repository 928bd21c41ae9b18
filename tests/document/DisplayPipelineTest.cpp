#include <gtest/gtest.h>

#include <cmath>

#include "CurveProcessing.h"
#include "ForestTestUtil.h"
#include "TPaintingGuard.h"

namespace velmora {
namespace {

using test::AddLeaf;
using test::Line;

// An overlay group of two leaves: the leaves are partners.
struct Pair {
  TNodeForest f;
  TNode *g, *a, *b;
  Pair() {
    g = AddLeaf(f, nullptr, nullptr, "g");
    a = AddLeaf(f, nullptr, g, "a", Line(0, 1, 6, 1, 1));
    b = AddLeaf(f, a, nullptr, "b", Line(5, -1, 6, 2, 0.5));
    g->Record->OnCalcData();
  }
  TArrayDataStruct& A() { return *a->ArrayRecord(); }
  TArrayDataStruct& B() { return *b->ArrayRecord(); }
};

TEST(DisplayPipeline, SemiIntegralShiftAndSemilogInOrder) {
  Pair p;
  ASSERT_EQ(p.A().Partner, &p.B());
  EXPECT_EQ(p.A().DisplayData(), p.A().Data);

  p.f.SetSemiIntegralMode(true);
  const TSemiIntegral semi = SemiIntegrate(p.A().Data, p.B().Data);
  EXPECT_EQ(p.A().DisplayData(), semi.First);
  EXPECT_EQ(p.B().DisplayData(), semi.Second);

  p.A().SetXShift(10);
  EXPECT_EQ(p.A().DisplayData(), ShiftX(semi.First, 10));
  p.f.SetSemilogMode(true);
  EXPECT_EQ(p.A().DisplayData(), Semilog(ShiftX(semi.First, 10)));
  // Off again: each stage drops out.
  p.f.SetSemiIntegralMode(false);
  EXPECT_EQ(p.A().DisplayData(), Semilog(ShiftX(p.A().Data, 10)));
  p.f.SetSemilogMode(false);
  EXPECT_EQ(p.A().DisplayData(), ShiftX(p.A().Data, 10));
}

TEST(DisplayPipeline, CachesFollowThePointsOfTheRecordAndOfItsPartner) {
  Pair p;
  p.f.SetSemiIntegralMode(true);
  (void)p.A().DisplayData();
  EXPECT_EQ(p.A().SemiIntegralValid, 1);
  // The partner's points change: the semi-integral is computed again.
  p.B().SetData(Line(5, -1, 6, 7, 1));
  EXPECT_EQ(p.A().DisplayData(), SemiIntegrate(p.A().Data, p.B().Data).First);
  // Also while the mode is off: switching it on shows the new points.
  p.f.SetSemiIntegralMode(false);
  p.B().SetData(Line(5, -1, 6, 9, 2));
  p.f.SetSemiIntegralMode(true);
  EXPECT_EQ(p.A().DisplayData(), SemiIntegrate(p.A().Data, p.B().Data).First);
  // Switching the semilog mode keeps the semi-integral cache.
  p.f.SetSemilogMode(true);
  EXPECT_EQ(p.A().SemiIntegralValid, 1);
}

TEST(DisplayPipeline, DetachedRecordsAndAveragingGroups) {
  TNodeForest f;
  TNode* g = AddLeaf(f, nullptr, nullptr, "g");
  AddLeaf(f, nullptr, g, "a", Line(0, 1, 5, 10, 0));
  AddLeaf(f, g->FirstChild, nullptr, "b", Line(0, 1, 5, 1000, 0));
  f.ChangeNodeType({g}, 0);
  f.SetSemilogMode(true);
  // The average of the displayed children (1 and 3) is shown as it is, not
  // taken to the logarithm a second time.
  const TDataArr shown = g->ArrayRecord()->DisplayData();
  ASSERT_FALSE(shown.empty());
  for (const TDataPoint& pt : shown) EXPECT_NEAR(pt.Y, 2.0, 1e-12);

  TVAStruct free;
  free.Data = Line(0, 1, 3, -5, 0);
  free.XShift = 4;
  EXPECT_EQ(free.DisplayData(), free.Data);
}

TEST(CurveEdits, GroupShiftRuleAndEditsOnEveryLeaf) {
  TNodeForest f;
  TNode* g = AddLeaf(f, nullptr, nullptr, "g");
  TNode* c0 = AddLeaf(f, nullptr, g, "c0", Line(0, 1, 4, 0, 1));
  TNode* c1 = AddLeaf(f, c0, nullptr, "c1", Line(0, 1, 4, 0, 2));
  TNode* c2 = AddLeaf(f, c1, nullptr, "c2", Line(0, 1, 4, 0, 3));
  c1->SetChecked(false);
  c0->ArrayRecord()->SetXShift(5);
  c1->ArrayRecord()->SetXShift(3);
  c2->ArrayRecord()->SetXShift(3);
  EXPECT_EQ(g->ArrayRecord()->GetXShift(), 3.0);
  g->ArrayRecord()->SetXShift(-2);
  EXPECT_EQ(g->ArrayRecord()->GetXShift(), -2.0);
  EXPECT_EQ(c1->ArrayRecord()->XShift, -2.0);  // unchecked leaves too

  const TDataArr before = c1->ArrayRecord()->Data;
  g->ArrayRecord()->Invert(0);
  g->ArrayRecord()->Invert(0);
  EXPECT_EQ(c1->ArrayRecord()->Data, before);
  g->ArrayRecord()->Smooth(0);
  EXPECT_EQ(c1->ArrayRecord()->Data, before);
  // Subtracting a curve from itself leaves zero currents at every point.
  c2->ArrayRecord()->Subtract(c2->ArrayRecord()->Data);
  for (const TDataPoint& pt : c2->ArrayRecord()->Data) EXPECT_EQ(pt.Y, 0.0);
  EXPECT_EQ(c2->ArrayRecord()->Data.size(), 4u);
}

TEST(CurveEdits, SubtractionEdgesKeepMeasuredPoints) {
  const TDataArr a = Line(0, 10, 6, 5, 0);  // X 0..50
  // B ends before A: the points beyond are extrapolated, none left at (0, 0).
  const TDataArr tail = SubtractCurve(a, Line(0, 10, 3, 1, 0.1), 0);
  ASSERT_EQ(tail.size(), 6u);
  EXPECT_DOUBLE_EQ(tail[5].Y, 5 - (1 + 0.1 * 50));
  // B starts inside A: the points before B's first X are left out.
  EXPECT_EQ(SubtractCurve(a, Line(20, 10, 5, 0, 0), 0).size(), 4u);
  // Empty or single-point subtrahends, and curves that do not overlap.
  EXPECT_EQ(SubtractCurve(a, {}, 0), a);
  EXPECT_EQ(SubtractCurve(a, TDataArr{{999, 2}}, 0)[3].Y, 3.0);
  EXPECT_EQ(SubtractCurve(a, Line(100, 1, 3, 1, 0), 0), a);
  // A falling sweep stays falling.
  const TDataArr falling = SubtractCurve(Line(50, -10, 6, 5, 0), Line(0, 10, 6, 1, 0), 0);
  EXPECT_EQ(falling.front().X, 50.0);
}

}  // namespace
}  // namespace velmora
