#include <gtest/gtest.h>

#include <fstream>

#include "CurveProcessing.h"
#include "FolderDatabase.h"
#include "Numbers.h"
#include "TPaintingGuard.h"
#include "TempDir.h"
#include "TextImport.h"
#include "UndoTestUtil.h"

namespace velmora {
namespace {

using test::AddLeaf;
using test::AddRoots;
using test::ExpectRoundTrip;
using test::Line;
using test::Shape;
using test::State;
using test::UndoFixture;

// r0 r1(c0 c1(g0 g1) c2) r2 r3, every leaf with a few points.
struct NestedForest : UndoFixture {
  std::vector<TNode*> roots;
  TNode *c0, *c1, *c2, *g0, *g1;
  NestedForest() {
    undo.Suspend(true);
    for (int i = 0; i < 4; ++i) {
      roots.push_back(AddLeaf(f, f.LastRoot(), nullptr, "r" + std::to_string(i), Line(0, 10, 5, i, 1)));
    }
    c0 = AddLeaf(f, nullptr, roots[1], "c0", Line(0, 10, 5, 10, 2));
    c1 = AddLeaf(f, c0, nullptr, "c1", Line(0, 10, 5, 11, 2));
    c2 = AddLeaf(f, c1, nullptr, "c2", Line(0, 10, 5, 12, 2));
    g0 = AddLeaf(f, nullptr, c1, "g0", Line(0, 10, 5, 20, 3));
    g1 = AddLeaf(f, g0, nullptr, "g1", Line(0, 10, 5, 21, 3));
    undo.Suspend(false);
  }
  TVAStruct* va(TNode* n) { return n->VA(); }
};

TEST(UndoNodes, CheckFoldRenameAndMovesRoundTrip) {
  NestedForest fx;
  ExpectRoundTrip(fx, UndoAction::Check, [&] { fx.g0->SetChecked(false); });
  ExpectRoundTrip(fx, UndoAction::FoldUnfold, [&] { fx.c1->Fold(); });
  ExpectRoundTrip(fx, UndoAction::FoldUnfold, [&] { fx.c1->Unfold(); });
  ExpectRoundTrip(fx, UndoAction::Rename, [&] { fx.c2->SetName("renamed"); });
  ExpectRoundTrip(fx, UndoAction::MoveUp, [&] { fx.f.MoveUp(fx.c2); });
  ExpectRoundTrip(fx, UndoAction::MoveUp, [&] { fx.f.MoveUp(fx.roots[1]); });
  ExpectRoundTrip(fx, UndoAction::MoveDown, [&] { fx.f.MoveDown(fx.c0); });
  // The last sibling moving down becomes the first: undo puts it back last.
  ExpectRoundTrip(fx, UndoAction::MoveDown, [&] { fx.f.MoveDown(fx.roots[3]); });
  ExpectRoundTrip(fx, UndoAction::MoveDown, [&] { fx.f.MoveDown(fx.g1); });
}

TEST(UndoNodes, CheckUndoRedoLeavesOneRecordAndNewEditsDropRedo) {
  NestedForest fx;
  fx.roots[0]->SetChecked(false);
  fx.roots[0]->SetChecked(true);
  ASSERT_EQ(fx.undo.UndoList().size(), 2u);
  fx.undo.Undo();
  EXPECT_EQ(fx.roots[0]->Checked, 0);
  fx.undo.Undo();
  EXPECT_EQ(fx.roots[0]->Checked, 1);
  fx.undo.Redo();
  EXPECT_EQ(fx.roots[0]->Checked, 0);
  EXPECT_EQ(fx.undo.UndoList().size(), 1u);
  EXPECT_EQ(fx.undo.RedoList().size(), 1u);
  // Any new edit empties the redo list.
  fx.c0->SetName("new");
  EXPECT_FALSE(fx.undo.CanRedo());
  EXPECT_EQ(fx.undo.UndoList().size(), 2u);
}

TEST(UndoNodes, NodeTypeRestoresEachNodesOwnType) {
  NestedForest fx;
  fx.undo.Suspend(true);
  fx.f.ChangeNodeType({fx.roots[1]}, 0);
  fx.f.ChangeNodeType({fx.c1}, 2);
  fx.undo.Suspend(false);
  ExpectRoundTrip(fx, UndoAction::ChangeNodeType, [&] { fx.f.ChangeNodeType({fx.roots[1], fx.c1}, 1); });
  EXPECT_EQ(fx.roots[1]->ArrayRecord()->NodeType, 1);
  fx.undo.Undo();
  EXPECT_EQ(fx.roots[1]->ArrayRecord()->NodeType, 0);
  EXPECT_EQ(fx.c1->ArrayRecord()->NodeType, 2);
}

TEST(UndoNodes, ShowHideSeriesRoundTrip) {
  NestedForest fx;
  fx.undo.Suspend(true);
  fx.f.ChangeNodeType({fx.roots[1]}, 2);
  fx.undo.Suspend(false);
  ASSERT_FALSE(fx.roots[1]->ArrayRecord()->AveragedColumns.empty());
  ExpectRoundTrip(fx, UndoAction::ShowHideSeries, [&] { fx.f.ToggleColumns({fx.roots[1]}, 0); });
}

TEST(UndoNodes, RemoveRestoresPlacesInAnyOrderAndUnfoldsAncestors) {
  NestedForest fx;
  const std::string shape = Shape(fx.f.FirstRoot());
  // Neighbours listed after each other, a nested node before its parent's
  // sibling, and a node under a folded parent.
  fx.undo.Suspend(true);
  fx.c1->Fold();
  fx.undo.Suspend(false);
  ExpectRoundTrip(fx, UndoAction::RemoveSelected, [&] { fx.f.DeleteNodes({fx.roots[3], fx.roots[2], fx.g1, fx.c0}); });
  EXPECT_EQ(Shape(fx.f.FirstRoot()), "r0 r1(c1(g0) c2)");
  fx.undo.Undo();
  EXPECT_EQ(Shape(fx.f.FirstRoot()), shape);

  // A visible node's ancestors are unfolded when it comes back.
  NestedForest fy;
  fy.f.DeleteNodes({fy.g0, fy.roots[1]});
  fy.undo.Suspend(true);
  fy.roots[1]->Fold();  // folded while out of the forest
  fy.undo.Suspend(false);
  fy.undo.Undo();
  EXPECT_EQ(Shape(fy.f.FirstRoot()), "r0 r1(c0 c1(g0 g1) c2) r2 r3");
  EXPECT_EQ(fy.roots[1]->Folded, 0);
  EXPECT_TRUE(fy.g0->IsShown());
  EXPECT_EQ(fy.f.Selection, (TNodesArr{fy.g0, fy.roots[1]}));
}

TEST(UndoNodes, GroupAndSeparateWithNestedNodes) {
  NestedForest fx;
  // Nodes of different levels, the one below a group included.
  ExpectRoundTrip(fx, UndoAction::GroupNodes, [&] { fx.f.GroupNodes({fx.g1, fx.roots[2], fx.c0}); });
  ExpectRoundTrip(fx, UndoAction::SeparateNodes, [&] { fx.f.UngroupNode(fx.c1); });
  ExpectRoundTrip(fx, UndoAction::SeparateNodes, [&] { fx.f.UngroupNode(fx.roots[1]); });
  ExpectRoundTrip(fx, UndoAction::GroupNodes, [&] { fx.f.GroupNodes({fx.roots[0], fx.roots[1]}); });
  // The group node is reused: no node is created by redo.
  const std::size_t count = fx.f.Count();
  fx.undo.Undo();
  fx.undo.Redo();
  EXPECT_EQ(fx.f.Count(), count);
}

TEST(UndoNodes, PasteRoundTrip) {
  NestedForest fx;
  ExpectRoundTrip(fx, UndoAction::PasteData, [&] {
    fx.undo.Suspend(true);
    TNode* a = AddLeaf(fx.f, fx.c2, nullptr, "pa", Line(0, 1, 3, 0, 1));
    TNode* b = AddLeaf(fx.f, a, nullptr, "pb", Line(0, 1, 3, 1, 1));
    fx.undo.Suspend(false);
    fx.undo.RecordPaste({a, b});
  });
}

TEST(UndoCurves, SingleCurveChangeUsesTheCurvesHistory) {
  NestedForest fx;
  TVAStruct* r = fx.va(fx.roots[0]);
  // The points were put in place without SetData: the first change pushes
  // no history snapshot, so the step keeps the old points itself.
  ExpectRoundTrip(fx, UndoAction::DataChange, [&] { r->SetData(Line(0, 1, 3, 5, 5)); });
  ExpectRoundTrip(fx, UndoAction::DataChange, [&] { r->SetData(Line(0, 2, 4, 6, 6)); });
  EXPECT_EQ(fx.undo.UndoDescription(), "Data change");
}

TEST(UndoCurves, MultiCurveChangeSmoothInvertSubtractOnGroups) {
  NestedForest fx;
  auto command = [&](const std::function<void()>& body) {
    TPaintingGuard guard(fx.f);
    fx.undo.BeginDataMultiChange();
    body();
    fx.undo.CommitDataMultiChange();
  };
  ExpectRoundTrip(fx, UndoAction::DataMultiChange, [&] { command([&] { fx.roots[1]->ArrayRecord()->Smooth(2); }); });
  ExpectRoundTrip(fx, UndoAction::DataMultiChange, [&] {
    command([&] {
      fx.roots[0]->ArrayRecord()->Invert(0);
      fx.c1->ArrayRecord()->Invert(1);
    });
  });
  ExpectRoundTrip(fx, UndoAction::DataMultiChange,
                  [&] { command([&] { fx.roots[1]->ArrayRecord()->Subtract(Line(-100, 10, 50, 1, 0)); }); });
  // One step per command, whatever the number of curves.
  EXPECT_EQ(fx.undo.UndoList().size(), 3u);
}

TEST(UndoCurves, RedoOfASingleChangeSurvivesAMultiChangeUndoneBelowIt) {
  NestedForest fx;
  TVAStruct* r = fx.va(fx.roots[0]);
  const TDataArr original = r->Data;
  fx.undo.BeginDataMultiChange();
  r->Smooth(1);
  fx.undo.CommitDataMultiChange();
  const TDataArr smoothed = r->Data;
  r->SetData(Line(0, 1, 2, 9, 9));
  const TDataArr edited = r->Data;
  fx.undo.Undo();
  EXPECT_EQ(r->Data, smoothed);
  fx.undo.Undo();
  EXPECT_EQ(r->Data, original);
  fx.undo.Redo();
  EXPECT_EQ(r->Data, smoothed);
  fx.undo.Redo();
  EXPECT_EQ(r->Data, edited);
  fx.undo.Undo();
  EXPECT_EQ(r->Data, smoothed);
}

TEST(UndoCurves, PotentialShiftOnLeavesAndGroups) {
  NestedForest fx;
  ExpectRoundTrip(fx, UndoAction::PotentialShift, [&] {
    fx.undo.BeginXShift();
    fx.roots[0]->ArrayRecord()->SetXShift(12.5);
    fx.roots[1]->ArrayRecord()->SetXShift(-4);
    fx.undo.CommitXShift();
  });
  // A shift set outside a bracket is a step of its own.
  ExpectRoundTrip(fx, UndoAction::PotentialShift, [&] { fx.va(fx.g0)->SetXShift(3); });
  EXPECT_EQ(fx.undo.UndoDescription(), "Potential shift");
}

TEST(UndoPeaks, PeakListsNamedPeaksRenamesAndParameters) {
  NestedForest fx;
  TVAStructs curves{fx.va(fx.roots[0]), fx.va(fx.roots[2])};
  auto allPeaks = [&](UndoAction code, const std::function<void()>& body) {
    ExpectRoundTrip(fx, code, [&] {
      fx.undo.BeginAllPeaks(curves);
      body();
      fx.undo.CommitAllPeaks(code);
    });
  };
  allPeaks(UndoAction::NewPeak, [&] {
    for (TVAStruct* c : curves) c->AddPeak("Cd", 1, 0, 3);
  });
  allPeaks(UndoAction::PeaksAutoSearch, [&] {
    for (TVAStruct* c : curves) c->AddPeak("Pb", 0, 1, 4);
  });
  allPeaks(UndoAction::PeakChange2, [&] { curves[0]->SetPeakCalcType(-1, 3); });
  allPeaks(UndoAction::RemovePeak, [&] { curves[1]->DeletePeak("Cd"); });
  // Whole peak lists recorded under the one-peak code still come back whole.
  ExpectRoundTrip(fx, UndoAction::PeakChange2, [&] {
    fx.undo.BeginAllPeaks(curves);
    curves[0]->SetPeakCalcType(-1, 2);
    fx.undo.CommitAllPeaks(UndoAction::PeakChange);
  });

  // One named peak changed on several curves (absent on one of them).
  fx.undo.Suspend(true);
  fx.va(fx.roots[3])->AddPeak("Zn", 1, 0, 1);
  fx.undo.Suspend(false);
  TVAStructs three{fx.va(fx.roots[0]), fx.va(fx.roots[2]), fx.va(fx.roots[3])};
  ExpectRoundTrip(fx, UndoAction::PeakChange, [&] {
    fx.undo.BeginPeakChange(three, "Pb");
    fx.va(fx.roots[0])->SetAdditionConc("Pb", 2.5);
    fx.va(fx.roots[3])->AddPeak("Pb", 2, 0, 2);
    fx.undo.CommitPeakChange();
  });
  ExpectRoundTrip(fx, UndoAction::RenamePeak, [&] {
    for (TVAStruct* c : curves) c->RenamePeak("Pb", "Pb2");
    fx.undo.RecordRenamePeak(curves, "Pb", "Pb2");
  });
  ExpectRoundTrip(fx, UndoAction::ParametersChange, [&] {
    fx.undo.BeginParams(curves);
    curves[0]->Volumes[2] = 10.0;
    curves[1]->SetVariable(TCalcVar{"m", "", 1.5});
    fx.undo.CommitParams();
  });
  // Units, constants, roles and the method are calculation parameters too.
  ExpectRoundTrip(fx, UndoAction::ParametersChange, [&] {
    fx.undo.BeginParams(curves);
    curves[0]->ResUnitTop = 6;
    curves[1]->RecalcUnitBottom = 5;
    curves[0]->SetCalcCoefficients(2, 0.1, 1e-3, 300, 0.02);
    curves[1]->Params.SetMeasurementType(3);
    for (TVAStruct* c : curves) {
      c->CalculationMethod = -1;
      c->HasCustomMethod = 1;
      c->CustomMethod.Name = "own";
      c->CalibrationType = 2;
    }
    fx.undo.CommitParams();
  });
  EXPECT_EQ(fx.undo.UndoDescription(), "Parameters change");
}

TEST(UndoControl, SuspendClearDescriptionsAndListBehaviour) {
  NestedForest fx;
  EXPECT_EQ(fx.undo.UndoDescription(), "");
  EXPECT_EQ(fx.undo.RedoDescription(), "");
  int changes = 0;
  fx.undo.OnChange = [&] { ++changes; };
  fx.undo.Suspend(true);
  fx.roots[0]->SetChecked(false);
  fx.f.MoveUp(fx.roots[2]);
  fx.undo.Suspend(false);
  EXPECT_FALSE(fx.undo.CanUndo());
  EXPECT_EQ(changes, 0);

  fx.f.MoveUp(fx.roots[3]);
  EXPECT_EQ(fx.undo.UndoDescription(), "Move up");
  fx.undo.Undo();
  EXPECT_EQ(fx.undo.RedoDescription(), "Move up");
  EXPECT_EQ(changes, 2);
  // Undo and redo of empty lists do nothing.
  fx.undo.Undo();
  fx.undo.Redo();
  fx.undo.Redo();
  EXPECT_FALSE(fx.undo.CanRedo());

  EXPECT_STREQ(TUndoRedoManager::ActionText(99), "Data change");
  EXPECT_STREQ(TUndoRedoManager::ActionText(13), "Peak change");
  EXPECT_STREQ(TUndoRedoManager::ActionText(20), "Paste data");

  // Clearing the document clears both lists.
  fx.f.MoveUp(fx.roots[3]);
  fx.undo.Undo();
  fx.f.MoveUp(fx.roots[2]);
  fx.f.Clear();
  EXPECT_FALSE(fx.undo.CanUndo());
  EXPECT_FALSE(fx.undo.CanRedo());
}

TEST(UndoControl, OpeningAFolderDatabaseOrImportingTextIsNoStep) {
  test::TempDir dir;
  const TDataArr measured = test::StrippingCurve();
  {
    TNodeForest source;
    for (int k = 0; k < 2; ++k) {
      TNode* n = AddLeaf(source, source.LastRoot(), nullptr, "c", measured);
      n->VA()->DatabaseName = FolderDatabase::CurveFileName(k);
      n->VA()->Params.SetValuesRange(3);
    }
    FolderDatabase::SaveFolderDatabase(source, dir.path() / "run.mbd");
    std::ofstream text(dir.path() / "dpv.dat");
    for (const TDataPoint& p : measured) text << FormatShortest(p.X) << '\t' << FormatShortest(p.Y) << "\r\n";
  }
  UndoFixture fx;
  FolderDatabase::LoadFolderDatabase(fx.f, dir.path() / "run.mbd");
  TextImport::ImportText(fx.f, dir.path() / "dpv.dat");
  EXPECT_FALSE(fx.undo.CanUndo());
  EXPECT_FALSE(fx.undo.Suspended());
  ASSERT_EQ(fx.f.Count(), 3u);

  // Undo right after opening leaves every curve as it was read; the first
  // edit is the first step.
  fx.undo.Undo();
  for (const auto& n : fx.f.AllNodes) EXPECT_EQ(n->VA()->Data, measured) << n->Name;
  TVAStruct* imported = fx.f.LastRoot()->VA();
  imported->SetData(Smooth(imported->Data, 5));
  ASSERT_TRUE(fx.undo.CanUndo());
  fx.undo.Undo();
  EXPECT_EQ(imported->Data, measured);
  EXPECT_FALSE(fx.undo.CanUndo());
}

TEST(UndoControl, MemoryFollowsTheChangedPointsOnly) {
  UndoFixture fx;
  fx.undo.Suspend(true);
  std::vector<TNode*> nodes;
  for (int i = 0; i < 10; ++i) nodes.push_back(AddLeaf(fx.f, fx.f.LastRoot(), nullptr, "n", Line(0, 1, 1000, i, 1)));
  fx.undo.Suspend(false);
  fx.undo.BeginDataMultiChange();
  nodes[0]->ArrayRecord()->Smooth(3);
  nodes[1]->ArrayRecord()->Smooth(3);
  fx.undo.CommitDataMultiChange();
  const std::size_t points = 2 * 1000 * sizeof(TDataPoint);
  EXPECT_GE(fx.undo.DataBytes(), points);
  EXPECT_LT(fx.undo.DataBytes(), points + 1024);
  // Undone, the step holds the state to redo instead of the one to undo.
  fx.undo.Undo();
  EXPECT_GE(fx.undo.DataBytes(), points);
  EXPECT_LT(fx.undo.DataBytes(), points + 1024);
  // Shifts and node steps cost next to nothing.
  fx.undo.Clear();
  fx.undo.BeginXShift();
  for (TNode* n : nodes) n->ArrayRecord()->SetXShift(1);
  fx.undo.CommitXShift();
  EXPECT_LT(fx.undo.DataBytes(), 1024u);
}

}  // namespace
}  // namespace velmora
