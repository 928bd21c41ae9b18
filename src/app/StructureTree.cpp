#include "StructureTree.h"

#include <QHeaderView>
#include <QItemSelection>
#include <QMouseEvent>
#include <algorithm>

#include "ActionIcons.h"
#include "CaptionPainter.h"
#include "TImagePreviewBox.h"
#include "TNode.h"

namespace velmora {

namespace {

constexpr int kNodeRole = Qt::UserRole + 1;

QString nameOf(const TNode* node) { return QString::fromStdString(node->Name); }

}  // namespace

StructureTree::StructureTree(TImagePreviewBox& view, QWidget* parent) : QTreeWidget(parent), view_(view) {
  setObjectName(QStringLiteral("StructureTree"));
  setHeaderHidden(true);
  // Captions that differ only at their end (dates, addition numbers) stay
  // told apart when the tree is narrow.
  setTextElideMode(Qt::ElideMiddle);
  setColumnCount(1);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setUniformRowHeights(true);
  setIconSize(QSize(16, 16));
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QTreeWidget::itemSelectionChanged, this, &StructureTree::onSelectionChanged);
  connect(this, &QTreeWidget::itemExpanded, this, &StructureTree::onExpanded);
  connect(this, &QTreeWidget::itemCollapsed, this, &StructureTree::onCollapsed);
}

TNode* StructureTree::nodeOf(const QTreeWidgetItem* item) const {
  if (!item) return nullptr;
  bool ok = false;
  const int id = item->data(0, kNodeRole).toInt(&ok);
  return ok ? view_.forest().NodeById(id) : nullptr;
}

void StructureTree::rebuild(const QString& documentName) {
  syncing_ = true;
  setUpdatesEnabled(false);
  clear();
  items_.clear();
  auto* top = new QTreeWidgetItem(this, QStringList(documentName));
  top->setIcon(0, ActionIcons::icon(ActionIcons::Kind::Document));
  top->setFlags(Qt::ItemIsEnabled);
  addChildren(top, view_.forest().FirstRoot(), 1);
  top->setExpanded(true);
  setUpdatesEnabled(true);
  syncing_ = false;
  followSelection();
}

void StructureTree::addChildren(QTreeWidgetItem* parentItem, TNode* first, int level) {
  for (TNode* n = first; n; n = n->NextSibling) {
    auto* item = new QTreeWidgetItem(parentItem, QStringList(nameOf(n)));
    item->setData(0, kNodeRole, n->Id);
    item->setToolTip(0, QString::fromStdString(n->Hint));
    items_.insert(n, item);
    if (level >= 2) {
      item->setIcon(0, ActionIcons::icon(n->Checked ? ActionIcons::Kind::CheckedBox : ActionIcons::Kind::UncheckedBox));
    }
    if (n->FirstChild) {
      addChildren(item, n->FirstChild, level + 1);
      item->setExpanded(!n->Folded);
    }
  }
}

void StructureTree::followSelection() {
  syncing_ = true;
  // One selection change for the whole set: item by item is quadratic.
  const TNodeForest& f = view_.forest();
  QItemSelection selection;
  for (TNode* n : f.Selection) {
    if (QTreeWidgetItem* item = items_.value(n)) {
      const QModelIndex index = indexFromItem(item);
      selection.select(index, index);
    }
  }
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  if (QTreeWidgetItem* item = items_.value(f.FocusedNode)) {
    setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    scrollToItem(item);
  }
  syncing_ = false;
}

void StructureTree::followRename(TNode* node) {
  if (QTreeWidgetItem* item = items_.value(node)) {
    item->setText(0, nameOf(node));
    item->setToolTip(0, QString::fromStdString(node->Hint));
  }
}

void StructureTree::followFold(TNode* node, bool folded) {
  QTreeWidgetItem* item = items_.value(node);
  if (!item || item->isExpanded() == !folded) return;
  syncing_ = true;
  item->setExpanded(!folded);
  syncing_ = false;
}

void StructureTree::updateCheckIcon(TNode* node) {
  QTreeWidgetItem* item = items_.value(node);
  if (!item || !node->Parent) return;
  item->setIcon(0, ActionIcons::icon(node->Checked ? ActionIcons::Kind::CheckedBox : ActionIcons::Kind::UncheckedBox));
}

void StructureTree::onSelectionChanged() {
  if (syncing_) return;
  QTreeWidgetItem* current = currentItem();
  TNode* anchor = nodeOf(current);
  TNodesArr nodes;
  for (QTreeWidgetItem* item : selectedItems()) {
    TNode* n = nodeOf(item);
    if (!n) continue;
    // Several items only among siblings of the current one.
    if (anchor && n->Parent != anchor->Parent) continue;
    nodes.push_back(n);
  }
  // The current item is the focused one: it goes last.
  if (anchor) {
    auto it = std::find(nodes.begin(), nodes.end(), anchor);
    if (it != nodes.end()) {
      nodes.erase(it);
      nodes.push_back(anchor);
    }
  }
  view_.forest().SetSelection(nodes);
}

void StructureTree::onExpanded(QTreeWidgetItem* item) {
  if (syncing_) return;
  if (TNode* n = nodeOf(item); n && n->Folded) n->Unfold();
}

void StructureTree::onCollapsed(QTreeWidgetItem* item) {
  if (syncing_) return;
  if (TNode* n = nodeOf(item); n && !n->Folded) n->Fold();
}

void StructureTree::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  QTreeWidgetItem* item = itemAt(pos);
  TNode* node = nodeOf(item);
  if (item && node && node->Parent && event->button() == Qt::LeftButton) {
    // A click on the check icon toggles the node without changing the selection.
    const QRect r = visualItemRect(item);
    const int iconLeft = r.left() + 2;
    if (pos.x() >= iconLeft && pos.x() < iconLeft + iconSize().width() + 2) {
      node->SetChecked(!node->Checked);
      updateCheckIcon(node);
      event->accept();
      return;
    }
  }
  if (item && event->button() == Qt::RightButton && !item->isSelected()) {
    setCurrentItem(item);
  }
  QTreeWidget::mousePressEvent(event);
}

}  // namespace velmora
