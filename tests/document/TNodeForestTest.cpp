#include <gtest/gtest.h>

#include <stdexcept>

#include "ForestTestUtil.h"
#include "RecordingMessageSink.h"
#include "TPaintingGuard.h"

namespace velmora {
namespace {

using test::AddLeaf;
using test::AddRoots;
using test::Line;
using test::Shape;

void ExpectLinksConsistent(const TNodeForest& f) {
  for (const auto& owned : f.AllNodes) {
    const TNode* n = owned.get();
    if (n->NextSibling) {
      EXPECT_EQ(n->NextSibling->PrevSibling, n);
    }
    if (n->PrevSibling) {
      EXPECT_EQ(n->PrevSibling->NextSibling, n);
    }
    if (!n->PrevSibling && n->Parent) {
      EXPECT_EQ(n->Parent->FirstChild, n);
    }
    for (const TNode* c = n->FirstChild; c; c = c->NextSibling) EXPECT_EQ(c->Parent, n);
  }
}

TEST(NodeForestStructure, InsertAddAndWalks) {
  TNodeForest f;
  EXPECT_EQ(f.FirstRoot(), nullptr);
  auto roots = AddRoots(f, 3);
  EXPECT_EQ(Shape(f.FirstRoot()), "n0 n1 n2");
  TNode* c1 = f.AddChild(roots[1]);
  c1->SetNameSilently("c1");
  TNode* c2 = f.AddChild(roots[1]);
  c2->SetNameSilently("c2");
  EXPECT_EQ(Shape(f.FirstRoot()), "n0 n1(c1 c2) n2");
  // AddNode with no place makes the first root; with `after` the next sibling.
  TNode* top = f.AddNode(nullptr, nullptr);
  top->SetNameSilently("top");
  TNode* mid = f.AddNode(c1, nullptr);
  mid->SetNameSilently("mid");
  EXPECT_EQ(Shape(f.FirstRoot()), "top n0 n1(c1 mid c2) n2");
  EXPECT_EQ(mid->Depth(), 1);
  EXPECT_EQ(roots[1]->LastChild(), c2);
  EXPECT_EQ(c2->FirstSibling(), c1);
  EXPECT_EQ(c1->LastSibling(), c2);
  EXPECT_EQ(f.NodeById(c1->Id), c1);
  std::string order;
  for (TNode* n : f.DisplayOrder()) order += n->Name + ",";
  EXPECT_EQ(order, "top,n0,n1,c1,mid,c2,n2,");
  ExpectLinksConsistent(f);

  // A node cannot be placed inside its own subtree.
  f.InsertNode(c1, nullptr, roots[1]);
  EXPECT_EQ(Shape(f.FirstRoot()), "top n0 n1(c1 mid c2) n2");
}

TEST(NodeForestStructure, MoveUpAndDownAmongSiblings) {
  TNodeForest f;
  test::RecordingUndo undo;
  f.SetUndoRecorder(&undo);
  auto n = AddRoots(f, 3);
  std::vector<std::string> hooks;
  f.OnMoveDown = [&](TNode* x) { hooks.push_back("down " + x->Name); };
  f.OnMoveUp = [&](TNode* x) { hooks.push_back("up " + x->Name); };

  f.MoveDown(n[2]);  // the last becomes the first
  EXPECT_EQ(Shape(f.FirstRoot()), "n2 n0 n1");
  f.MoveUp(n[0]);  // the second becomes the first
  EXPECT_EQ(Shape(f.FirstRoot()), "n0 n2 n1");
  f.MoveUp(n[0]);  // the first stays
  EXPECT_EQ(Shape(f.FirstRoot()), "n0 n2 n1");
  f.MoveDown(n[0]);
  EXPECT_EQ(Shape(f.FirstRoot()), "n2 n0 n1");
  EXPECT_EQ(hooks, (std::vector<std::string>{"down n2", "up n0", "down n0"}));
  EXPECT_EQ(undo.log, (std::vector<std::string>{"down n2", "up n0", "down n0"}));
  ExpectLinksConsistent(f);
}

TEST(NodeForestStructure, MovingSelectedNeighboursKeepsThemTogether) {
  TNodeForest f;
  auto n = AddRoots(f, 4);
  f.SetSelection({n[0], n[1]});
  EXPECT_FALSE(f.CanMoveSelectionUp());
  ASSERT_TRUE(f.CanMoveSelectionDown());
  f.MoveSelectionDown();
  EXPECT_EQ(Shape(f.FirstRoot()), "n2 n0 n1 n3");
  f.MoveSelectionUp();
  EXPECT_EQ(Shape(f.FirstRoot()), "n0 n1 n2 n3");
}

TEST(NodeForestStructure, RemovedNodesKeepIdsAndRelinkNothing) {
  TNodeForest f;
  auto n = AddRoots(f, 3);
  TNode* child = AddLeaf(f, nullptr, n[0], "c");
  f.RemoveNode(n[0]);
  EXPECT_EQ(Shape(f.FirstRoot()), "n1 n2");
  EXPECT_EQ(n[0]->Id, 0);
  EXPECT_EQ(child->Parent, n[0]);  // children stay attached
  EXPECT_FALSE(n[0]->InForest());
  EXPECT_FALSE(child->InForest());

  // Operations on removed nodes change nothing.
  f.RemoveNode(n[0]);
  f.MoveUp(n[0]);
  f.MoveDown(child);
  TNode* fresh = f.CreateNode();
  f.InsertNode(n[0], nullptr, fresh);
  f.InsertNode(nullptr, child, fresh);
  EXPECT_EQ(fresh->Parent, nullptr);
  EXPECT_FALSE(fresh->InForest());
  EXPECT_EQ(f.GroupNodes({n[0], child}), nullptr);
  EXPECT_EQ(Shape(f.FirstRoot()), "n1 n2");

  // Putting it back (as undo does) restores the subtree.
  f.InsertNode(nullptr, nullptr, n[0]);
  EXPECT_EQ(Shape(f.FirstRoot()), "n0(c) n1 n2");
  ExpectLinksConsistent(f);

  int treeChanges = 0;
  f.OnTreeChange = [&] { ++treeChanges; };
  f.Clear();
  EXPECT_EQ(treeChanges, 1);
  EXPECT_TRUE(f.AllNodes.empty());
  EXPECT_EQ(f.FirstRoot(), nullptr);
  EXPECT_EQ(f.CreateNode()->Id, 0);
}

TEST(NodeForestStructure, EmptyForestOperationsAreHarmless) {
  TNodeForest f;
  test::RecordingMessageSink sink;
  f.SelectAll();
  f.Select(ssShift, TSelectButton::Left);
  f.Select(ssCtrl, TSelectButton::Left);
  f.SelectNode(nullptr);
  f.MoveSelectionDown();
  f.MoveSelectionUp();
  f.GroupNodes({});
  f.UngroupNode(nullptr);
  f.DeleteNodes({});
  EXPECT_FALSE(f.RemoveSelected(sink));
  f.ToggleColumns({}, 0);
  f.SetSemilogMode(true);
  f.SetPainting(false);
  f.SetPainting(true);
  EXPECT_EQ(f.TopmostSelected(), nullptr);
  EXPECT_EQ(f.BottommostSelected(), nullptr);
  EXPECT_TRUE(f.DisplayOrder().empty());
  f.Clear();
}

TEST(NodeForestGrouping, DifferentCommentsGiveAnUnnamedFoldedOverlayAtTheHigherPlace) {
  TNodeForest f;
  test::RecordingUndo undo;
  f.SetUndoRecorder(&undo);
  auto n = AddRoots(f, 3);
  n[1]->VA()->Params.SetComments("first");
  n[2]->VA()->Params.SetComments("second");
  int treeChanges = 0;
  f.OnTreeChange = [&] { ++treeChanges; };
  TNode* g = f.GroupNodes({n[2], n[1]});
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(Shape(f.FirstRoot()), "n0 (n2 n1)");
  EXPECT_EQ(g->Name, "");
  EXPECT_EQ(g->Folded, 1);
  ASSERT_NE(g->VA(), nullptr);
  EXPECT_EQ(g->VA()->NodeType, 1);
  EXPECT_EQ(treeChanges, 1);
  EXPECT_EQ(undo.log.back(), "group 2 2");
  ExpectLinksConsistent(f);
}

TEST(NodeForestGrouping, SameCommentsGiveTheFirstNodesNameAndParameters) {
  TNodeForest f;
  auto n = AddRoots(f, 2);
  for (TNode* x : n) x->VA()->Params.SetComments("Cd, Pb");
  n[0]->VA()->Params.SetSweepRate(100);
  n[0]->VA()->DatabaseName = "_______1.dbd";
  n[0]->VA()->AddPeak("Cd", 0, 1, 2);
  TNode* g = f.GroupNodes({n[0], n[1]});
  EXPECT_EQ(g->Name, "n0");
  EXPECT_EQ(g->VA()->DatabaseName, "_______1.dbd");
  ASSERT_EQ(g->VA()->Peaks.size(), 1u);
  EXPECT_EQ(g->VA()->Params.Comments(), "Cd, Pb");
}

TEST(NodeForestGrouping, PlaceFollowsTheHighestNode) {
  TNodeForest f;
  auto r = AddRoots(f, 2);
  TNode* a = AddLeaf(f, nullptr, r[0], "a");
  TNode* b = AddLeaf(f, a, nullptr, "b");
  TNode* c = AddLeaf(f, nullptr, r[1], "c");
  EXPECT_EQ(Shape(f.FirstRoot()), "n0(a b) n1(c)");
  // Highest is a first child and the parents differ: the group is the first root.
  TNode* g1 = f.GroupNodes({c, a});
  g1->SetNameSilently("g1");
  EXPECT_EQ(Shape(f.FirstRoot()), "g1(c a) n0(b) n1");

  // Highest with a previous sibling: the group follows that sibling.
  TNode* d = AddLeaf(f, b, nullptr, "d");
  TNode* g2 = f.GroupNodes({d, r[1]});
  g2->SetNameSilently("g2");
  EXPECT_EQ(Shape(f.FirstRoot()), "g1(c a) n0(b g2(d n1))");

  // Siblings sharing a parent, the highest a first child: first child of that parent.
  TNode* g3 = f.GroupNodes({a, c});
  g3->SetNameSilently("g3");
  EXPECT_EQ(Shape(f.FirstRoot()), "g1(g3(a c)) n0(b g2(d n1))");
  ExpectLinksConsistent(f);
}

TEST(NodeForestGrouping, SeparatingPutsTheChildrenInTheGroupsPlace) {
  TNodeForest f;
  test::RecordingUndo undo;
  f.SetUndoRecorder(&undo);
  auto n = AddRoots(f, 4);
  TNode* g = f.GroupNodes({n[1], n[2]});
  g->SetNameSilently("g");
  f.SelectNode(g);
  f.UngroupNode(g);
  EXPECT_EQ(Shape(f.FirstRoot()), "n0 n1 n2 n3");
  EXPECT_FALSE(g->InForest());
  EXPECT_EQ(f.FocusedNode, nullptr);
  EXPECT_EQ(undo.log.back(), "separate 2");
  // Regrouping into the same group node (redo) puts it back.
  EXPECT_EQ(f.GroupNodes({n[1], n[2]}, g), g);
  EXPECT_EQ(Shape(f.FirstRoot()), "n0 g(n1 n2) n3");

  // A group that is a first child: its children become the parent's first children.
  TNode* outer = f.GroupNodes({g, n[3]});
  outer->SetNameSilently("o");
  f.UngroupNode(g);
  EXPECT_EQ(Shape(f.FirstRoot()), "n0 o(n1 n2 n3)");
  ExpectLinksConsistent(f);
}

TEST(NodeForestGrouping, RemovingTheOnlyChildOfAnOverlayLeavesALeafWithoutPoints) {
  TNodeForest f;
  auto n = AddRoots(f, 1);
  n[0]->VA()->Data = Line(0, 1, 5, 0, 1);
  TNode* g = f.GroupNodes({n[0]});
  f.RemoveNode(n[0]);
  EXPECT_EQ(g->FirstChild, nullptr);
  EXPECT_TRUE(g->VA()->Data.empty());
  ASSERT_EQ(g->VA()->DrawnCurves().size(), 1u);
  EXPECT_EQ(g->VA()->DrawnCurves()[0], g->VA());
}

TEST(NodeForestGrouping, CheckingAChildRecomputesTheAverage) {
  TNodeForest f;
  test::RecordingUndo undo;
  f.SetUndoRecorder(&undo);
  TNode* a = AddLeaf(f, nullptr, nullptr, "a", Line(0, 1, 11, 2, 0));
  TNode* b = AddLeaf(f, a, nullptr, "b", Line(0, 1, 11, 4, 0));
  TNode* g = f.GroupNodes({a, b});
  f.ChangeNodeType({g}, 0);
  EXPECT_EQ(undo.log.back(), "type 1 0");
  ASSERT_EQ(g->VA()->Data.size(), 11u);
  EXPECT_DOUBLE_EQ(g->VA()->Data[5].Y, 3.0);
  b->SetChecked(false);
  EXPECT_EQ(undo.log.back(), "check b 1");
  EXPECT_DOUBLE_EQ(g->VA()->Data[5].Y, 2.0);
  b->SetChecked(true);
  EXPECT_DOUBLE_EQ(g->VA()->Data[5].Y, 3.0);
  a->SetChecked(false);
  b->SetChecked(false);
  EXPECT_TRUE(g->VA()->Data.empty());
}

TEST(NodeForestPainting, SuspendedChangesRecomputeOnceWhenResumed) {
  TNodeForest f;
  TNode* a = AddLeaf(f, nullptr, nullptr, "a", Line(0, 1, 11, 2, 0));
  TNode* b = AddLeaf(f, a, nullptr, "b", Line(0, 1, 11, 4, 0));
  TNode* g = f.GroupNodes({a, b});
  f.ChangeNodeType({g}, 0);
  int repaints = 0;
  f.OnNodeRepaint = [&](TNode* n, bool) { repaints += n == g; };
  {
    TPaintingGuard guard(f);
    a->VA()->SetData(Line(0, 1, 11, 6, 0));
    b->VA()->SetData(Line(0, 1, 11, 8, 0));
    EXPECT_EQ(g->NeedsRepaint, 1);
    EXPECT_DOUBLE_EQ(g->VA()->Data[0].Y, 3.0);  // not yet
    EXPECT_EQ(repaints, 0);
  }
  EXPECT_EQ(f.Painting, 1);
  EXPECT_EQ(g->NeedsRepaint, 0);
  EXPECT_DOUBLE_EQ(g->VA()->Data[0].Y, 7.0);
  EXPECT_EQ(repaints, 1);

  // The guard restores painting when the work fails.
  EXPECT_THROW(
      {
        TPaintingGuard guard(f);
        throw std::runtime_error("failed");
      },
      std::runtime_error);
  EXPECT_EQ(f.Painting, 1);
  EXPECT_EQ(f.BulkRepaint, 0);
}

TEST(NodeForestPainting, FoldRenameAndHooks) {
  TNodeForest f;
  test::RecordingUndo undo;
  f.SetUndoRecorder(&undo);
  auto n = AddRoots(f, 2);
  TNode* g = f.GroupNodes({n[0], n[1]});
  g->SetNameSilently("g");
  std::vector<std::string> hooks;
  f.OnCollapse = [&](TNode* x) { hooks.push_back("collapse " + x->Name); };
  f.OnExpand = [&](TNode* x) { hooks.push_back("expand " + x->Name); };
  f.OnRename = [&](TNode* x, const std::string& name) {
    hooks.push_back("rename " + name);
    (void)x;
  };
  EXPECT_FALSE(n[0]->IsShown());
  g->ToggleFold();
  EXPECT_TRUE(n[0]->IsShown());
  g->ToggleFold();
  EXPECT_EQ(f.PositionOf(n[1]).Visible, 0);
  EXPECT_EQ(f.PositionOf(n[1]).After, n[0]);
  g->SetName("Cd^2+^_x_$a$");
  EXPECT_EQ(g->Hint, "Cd2+xa");
  EXPECT_EQ(hooks, (std::vector<std::string>{"expand g", "collapse g", "rename Cd^2+^_x_$a$"}));
  EXPECT_EQ(undo.log, (std::vector<std::string>{"group 2 2", "fold g 1", "fold g 0", "rename g->Cd^2+^_x_$a$"}));
}

TEST(NodeForestSelection, CtrlShiftAndPlainClicks) {
  TNodeForest f;
  auto n = AddRoots(f, 5);
  int changes = 0;
  f.OnNodeSelectionChange = [&] { ++changes; };
  f.ClickNode(n[1], ssNone, TSelectButton::Left);
  EXPECT_EQ(f.Selection, (TNodesArr{n[1]}));
  EXPECT_EQ(f.PopupTag, n[1]->Id);
  // Ctrl+click on the only selected node keeps it.
  f.ClickNode(n[1], ssCtrl, TSelectButton::Left);
  EXPECT_EQ(f.Selection, (TNodesArr{n[1]}));
  f.ClickNode(n[3], ssCtrl, TSelectButton::Left);
  f.ClickNode(n[4], ssCtrl, TSelectButton::Left);
  EXPECT_EQ(f.Selection, (TNodesArr{n[1], n[3], n[4]}));
  // Ctrl+click on one of several deselects it; by keyboard it stays.
  f.ClickNode(n[3], ssCtrl, TSelectButton::Keyboard);
  EXPECT_EQ(f.Selection.size(), 3u);
  f.ClickNode(n[3], ssCtrl, TSelectButton::Left);
  EXPECT_EQ(f.Selection, (TNodesArr{n[1], n[4]}));
  EXPECT_EQ(f.TopmostSelected(), n[1]);
  EXPECT_EQ(f.BottommostSelected(), n[4]);
  // Shift selects the run from the anchor, down or up.
  f.ClickNode(n[2], ssNone, TSelectButton::Left);
  f.ClickNode(n[4], ssShift, TSelectButton::Left);
  EXPECT_EQ(f.Selection, (TNodesArr{n[2], n[3], n[4]}));
  f.ClickNode(n[0], ssShift, TSelectButton::Left);
  EXPECT_EQ(f.Selection, (TNodesArr{n[2], n[1], n[0]}));
  f.ClickNode(n[2], ssShift, TSelectButton::Left);
  EXPECT_EQ(f.Selection, (TNodesArr{n[2]}));
  // Different parents leave the selection as it was.
  TNode* child = AddLeaf(f, nullptr, n[2], "c");
  f.ClickNode(child, ssShift, TSelectButton::Left);
  EXPECT_EQ(f.Selection, (TNodesArr{n[2]}));
  f.SelectAll();
  EXPECT_EQ(f.Selection.size(), 5u);
  EXPECT_GE(changes, 10);
}

TEST(NodeForestSelection, RemovingTheFocusedNodeOfThree) {
  TNodeForest f;
  auto n = AddRoots(f, 4);
  f.SetSelection({n[0], n[2], n[1]});
  EXPECT_EQ(f.FocusedNode, n[1]);
  f.RemoveNode(n[1]);
  EXPECT_EQ(f.Selection, (TNodesArr{n[0]}));
  EXPECT_EQ(f.FocusedNode, n[0]);

  // With one other selected node the focus is cleared, and so is the selection.
  f.SetSelection({n[2], n[3]});
  f.RemoveNode(n[3]);
  EXPECT_EQ(f.FocusedNode, nullptr);
  EXPECT_TRUE(f.Selection.empty());

  // A selected node inside a removed subtree leaves the selection too.
  TNode* child = AddLeaf(f, nullptr, n[2], "c");
  f.SetSelection({child});
  f.RemoveNode(n[2]);
  EXPECT_TRUE(f.Selection.empty());
  EXPECT_EQ(f.FocusedNode, nullptr);
}

TEST(NodeForestSelection, SetSelectionRejectsUnknownNodes) {
  TNodeForest f;
  TNodeForest other;
  auto n = AddRoots(f, 2);
  auto foreign = AddRoots(other, 3);
  f.SetSelection({n[0], n[1]});
  EXPECT_EQ(f.FocusedNode, n[1]);
  f.SetSelection({n[0], foreign[2]});
  EXPECT_EQ(f.FocusedNode, nullptr);
  f.SetSelection({nullptr});
  EXPECT_EQ(f.FocusedNode, nullptr);
  f.RemoveNode(n[0]);
  f.SetSelection({n[0]});
  EXPECT_EQ(f.FocusedNode, nullptr);
}

TEST(NodeForestSelection, RemoveSelectedAsksFirst) {
  TNodeForest f;
  test::RecordingUndo undo;
  f.SetUndoRecorder(&undo);
  auto n = AddRoots(f, 3);
  f.SetSelection({n[0], n[2]});
  test::RecordingMessageSink sink;
  sink.answers.push_back(Answer::No);
  EXPECT_FALSE(f.RemoveSelected(sink));
  EXPECT_EQ(Shape(f.FirstRoot()), "n0 n1 n2");
  sink.answers.push_back(Answer::Yes);
  EXPECT_TRUE(f.RemoveSelected(sink));
  EXPECT_EQ(Shape(f.FirstRoot()), "n1");
  EXPECT_EQ(undo.log.back(), "remove 2");
  ASSERT_EQ(sink.entries.size(), 2u);
  EXPECT_EQ(sink.entries[1].text, "Remove selected?");
}

}  // namespace
}  // namespace velmora
