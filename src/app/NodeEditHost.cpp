#include "NodeEditHost.h"

#include <QAction>
#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QTabWidget>

#include "MainActions.h"
#include "MainWindow.h"
#include "StructureTree.h"
#include "TImagePreviewBox.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"

namespace velmora {

NodeEditHost::NodeEditHost(MainWindow& window) : QObject(&window), window_(window) {
  auto on = [this](const char* name, auto&& fn) { connect(window_.action(name), &QAction::triggered, this, fn); };
  on("RenameActn", [this] { Rename(); });
  for (const char* n : {"NodeTypeSummActn", "NodeTypeOverlayActn", "NodeTypeSummAndOverlayActn"}) {
    QAction* a = window_.action(n);
    connect(a, &QAction::triggered, this, [this, a] { NodeType(MainActions::tag(a)); });
  }
  on("SummActn", [this] { Summ(); });
  on("UnSummActn", [this] { UnSumm(); });
  on("MoveUpActn", [this] { MoveUp(); });
  on("MoveDownActn", [this] { MoveDown(); });
  on("DeleteActn", [this] { Delete(); });
  on("SelectAllActn", [this] { window_.forest().SelectAll(); });
  on("FoldAllActn", [this] { FoldAll(true); });
  on("UnfoldAllActn", [this] { FoldAll(false); });
}

void NodeEditHost::Rename() {
  TNodeForest& f = window_.forest();
  if (f.Selection.size() != 1) return;
  TNode* node = f.Selection.front();
  if (window_.pages()->currentWidget() == &window_.tree()) {
    window_.tree().StartRename(node);
    return;
  }
  bool ok = false;
  const QString text = QInputDialog::getText(&window_, QCoreApplication::translate("velmora::MainWindow", "Rename"),
                                             QString(), QLineEdit::Normal, QString::fromStdString(node->Name), &ok);
  if (!ok) return;
  const std::string name = text.toStdString();
  if (name == node->Name) return;
  node->SetName(name);
  window_.structureTree().followRename(node);
  window_.setModified(true);
}

void NodeEditHost::NodeType(int type) {
  TNodeForest& f = window_.forest();
  if (!f.FocusedNode || !f.FocusedNode->HasChildren()) return;
  const TNodesArr nodes = f.Selection;
  f.ChangeNodeType(nodes, type);
  window_.setModified(true);
  window_.updateActions();
}

void NodeEditHost::Summ() {
  TNodeForest& f = window_.forest();
  if (f.Selection.size() < 2) return;
  const TNodesArr nodes = f.Selection;
  TNode* group = f.GroupNodes(nodes);
  if (group) f.SelectNode(group);
  window_.setModified(true);
}

void NodeEditHost::UnSumm() {
  TNodeForest& f = window_.forest();
  if (f.Selection.size() != 1 || !f.Selection.front()->HasChildren()) return;
  TNode* group = f.Selection.front();
  TNode* first = group->FirstChild;
  f.UngroupNode(group);
  if (first && first->InForest()) f.SelectNode(first);
  window_.setModified(true);
}

void NodeEditHost::MoveUp() {
  if (!window_.forest().CanMoveSelectionUp()) return;
  window_.forest().MoveSelectionUp();
  window_.setModified(true);
  window_.updateActions();
}

void NodeEditHost::MoveDown() {
  if (!window_.forest().CanMoveSelectionDown()) return;
  window_.forest().MoveSelectionDown();
  window_.setModified(true);
  window_.updateActions();
}

void NodeEditHost::Delete() {
  if (window_.forest().Selection.empty()) return;
  if (window_.forest().RemoveSelected(window_.messageSink())) window_.setModified(true);
}

void NodeEditHost::FoldAll(bool fold) {
  TNodeForest& f = window_.forest();
  if (!f.FocusedNode || f.Selection.empty()) return;
  {
    TPaintingGuard guard(f);
    for (TNode* n : TNodesArr(f.Selection)) {
      if (!n->HasChildren()) continue;
      if (fold && !n->Folded) n->Fold();
      if (!fold && n->Folded) n->Unfold();
    }
  }
  window_.structureTree().rebuild(window_.documentFileName());
  window_.setModified(true);
}

}  // namespace velmora
