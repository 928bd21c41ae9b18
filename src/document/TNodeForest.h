#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "IUndoRecorder.h"
#include "TNode.h"
#include "TNodePos.h"

namespace velmora {

class IMessageSink;
class TArrayDataStruct;

// Keys held while a node is clicked or reached by the keyboard.
enum TShiftFlag : std::uint8_t { ssNone = 0, ssShift = 1, ssCtrl = 2 };
using TShiftState = std::uint8_t;

// What reached the node: a mouse button, or the keyboard.
enum class TSelectButton { Left, Right, Middle, Keyboard };

// The document forest: every node of the open document, the selection and
// every structural operation. The thumbnail view owns one and forwards to
// it; it draws what the forest reports through the hooks below and answers
// "where" questions from the tree order (DisplayOrder).
//
// Bulk operations suspend painting (Painting = 0) so that groups above
// changed nodes are only marked (NeedsRepaint) and recomputed once when
// painting resumes.
class TNodeForest {
 public:
  TNodeForest();
  ~TNodeForest();
  TNodeForest(const TNodeForest&) = delete;
  TNodeForest& operator=(const TNodeForest&) = delete;

  // --- State ---
  // Every node created since the document was opened or cleared; index = Id.
  std::vector<std::unique_ptr<TNode>> AllNodes;
  TNode* FocusedNode = nullptr;
  TNode* AnchorNode = nullptr;
  // Selected nodes in the order they were selected.
  TNodesArr Selection;
  std::uint8_t Painting = 1;
  std::uint8_t ShowCaptions = 0;
  std::uint8_t BulkRepaint = 0;
  std::uint8_t SemiIntegralMode = 0;
  std::uint8_t SemilogMode = 0;
  // Id of the node the popup menu acts on, -1 for none.
  std::int32_t PopupTag = -1;

  // --- Event hooks (each optional) ---
  std::function<void()> OnNodeSelectionChange;
  std::function<void(TNode*, const std::string&)> OnRename;
  std::function<void(TNode*)> OnCollapse;
  std::function<void(TNode*)> OnExpand;
  std::function<void(TNode*)> OnMoveDown;
  std::function<void(TNode*)> OnMoveUp;
  // Nodes were inserted, removed, grouped, separated or cleared (only while
  // painting).
  std::function<void()> OnTreeChange;
  // A selected node was repainted without clearing.
  std::function<void(bool)> OnSelectedRepaint;
  // For the views: the node's thumbnail must be redrawn (clear = redraw the
  // background first); raised only while painting.
  std::function<void(TNode*, bool clear)> OnNodeRepaint;
  // The node's fold or check decoration changed.
  std::function<void(TNode*)> OnDecorationsChange;
  // A record's displayed points changed: its chart series must be refilled.
  std::function<void(TArrayDataStruct*)> OnSeriesRefill;
  // Painting was suspended (false) or resumed (true): the main chart's
  // automatic repaint follows it.
  std::function<void(bool)> OnPaintingChange;
  // The focused node should be scrolled into view.
  std::function<void(TNode*)> OnScrollIntoView;

  // --- Undo ---
  // The recorder the model reports its edits to; not owned. Null restores
  // the built-in recorder that keeps nothing.
  void SetUndoRecorder(IUndoRecorder* recorder);
  IUndoRecorder& Undo() const { return *undo_; }

  // --- Nodes ---
  TNode* CreateNode();
  void InsertNode(TNode* parent, TNode* after, TNode* node);
  TNode* AddNode(TNode* after, TNode* parent);
  TNode* AddChild(TNode* parent);
  void RemoveNode(TNode* node);
  void Clear();
  TNode* FirstRoot() const { return firstRoot_; }
  TNode* LastRoot() const;
  TNode* NodeById(std::int32_t id) const;
  std::size_t Count() const { return AllNodes.size(); }

  // --- Tree order ---
  // The nodes of the forest in display order (depth first, parents before
  // their children), folded subtrees included.
  TNodesArr DisplayOrder() const;
  // The next node in display order after `node`'s subtree, or null.
  static TNode* NextAfterSubtree(const TNode* node);
  // Where the node stands now (arguments of InsertNode that put it back).
  TNodePos PositionOf(const TNode* node) const;

  // --- Selection ---
  bool IsSelected(const TNode* node) const;
  void SelectNode(TNode* node);
  void SetSelection(const TNodesArr& nodes);
  void SelectAll();
  // Selection by mouse or keyboard after FocusedNode was set to the node
  // clicked or reached.
  void Select(TShiftState shift, TSelectButton button);
  // Sets the focus to `node` and runs Select.
  void ClickNode(TNode* node, TShiftState shift, TSelectButton button);
  TNode* TopmostSelected() const;
  TNode* BottommostSelected() const;
  // "Move Up" / "Move down" are offered when these hold.
  bool CanMoveSelectionUp() const;
  bool CanMoveSelectionDown() const;

  // --- Structure ---
  TNode* GroupNodes(const TNodesArr& nodes, TNode* group = nullptr);
  void UngroupNode(TNode* group);
  void MoveDown(TNode* node);
  void MoveUp(TNode* node);
  // Moves every selected node in selection order with painting suspended.
  void MoveSelectionUp();
  void MoveSelectionDown();
  // Records one undo step and sets the node type of every node's record.
  void ChangeNodeType(const TNodesArr& nodes, std::int32_t nodeType);
  // Records one removal undo step and removes each node in order.
  void DeleteNodes(const TNodesArr& nodes);
  // Asks "Remove selected?" and on Yes deletes a copy of the selection.
  // Returns true when nodes were removed.
  bool RemoveSelected(IMessageSink& sink);
  void ToggleColumns(const TNodesArr& nodes, std::int32_t index);

  // --- Painting ---
  void SetPainting(bool enabled);
  void SetSemiIntegralMode(bool on);
  void SetSemilogMode(bool on);
  void RepaintNodes(const TNodesArr& nodes);
  // Recomputes (or, while painting is suspended, marks) every group above a
  // changed node.
  void MarkParentChain(TNode* node);

 private:
  friend class TNode;
  void Unlink(TNode* node);
  // Recomputes `group` and the groups above it (or marks them while painting
  // is suspended).
  void RecomputeFrom(TNode* group);
  void RaiseSelectionChange();
  void RaiseTreeChange();
  std::vector<int> OrderIndex() const;
  void MoveSelection(bool up);

  TNode* firstRoot_ = nullptr;
  IUndoRecorder* undo_ = nullptr;
  std::unique_ptr<IUndoRecorder> nullUndo_;
};

}  // namespace velmora
