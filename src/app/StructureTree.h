#pragma once

#include <QHash>
#include <QTreeWidget>

namespace velmora {

class TImagePreviewBox;
class TNode;

// The "Structure" tab: a conventional tree control that mirrors the
// document forest. The top item is the document; below it every root node
// and, recursively, its children. Items of nested nodes show the checked
// state as an icon that toggles on a click. Selecting items selects their
// nodes (several only among siblings); expanding and collapsing unfold and
// fold the nodes.
class StructureTree : public QTreeWidget {
  Q_OBJECT
 public:
  StructureTree(TImagePreviewBox& view, QWidget* parent = nullptr);

  // Rebuilds every item from the forest.
  void rebuild(const QString& documentName);
  // The item of a node (TreeItem), or null.
  QTreeWidgetItem* itemOf(const TNode* node) const { return items_.value(node); }
  TNode* nodeOf(const QTreeWidgetItem* item) const;
  QTreeWidgetItem* documentItem() const { return topLevelItemCount() ? topLevelItem(0) : nullptr; }

  // Followers of the thumbnail view.
  void followSelection();
  void followRename(TNode* node);
  void followFold(TNode* node, bool folded);
  void updateCheckIcon(TNode* node);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void addChildren(QTreeWidgetItem* parentItem, TNode* first, int level);
  void onSelectionChanged();
  void onExpanded(QTreeWidgetItem* item);
  void onCollapsed(QTreeWidgetItem* item);

  TImagePreviewBox& view_;
  QHash<const TNode*, QTreeWidgetItem*> items_;
  bool syncing_ = false;
};

}  // namespace velmora
