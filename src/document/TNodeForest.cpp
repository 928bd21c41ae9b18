#include "TNodeForest.h"

#include <algorithm>

#include "MessageSink.h"
#include "Messages.h"
#include "NullUndoRecorder.h"
#include "TArrayDataStruct.h"
#include "TPaintingGuard.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

// True when `node` is `root` or lies below it.
bool InSubtree(const TNode* node, const TNode* root) {
  for (const TNode* n = node; n; n = n->Parent) {
    if (n == root) return true;
  }
  return false;
}

}  // namespace

TNodeForest::TNodeForest() : nullUndo_(std::make_unique<NullUndoRecorder>()) { undo_ = nullUndo_.get(); }

TNodeForest::~TNodeForest() {
  // Records may refer to each other; drop the selection first, then every
  // node at once.
  Selection.clear();
  FocusedNode = AnchorNode = nullptr;
  AllNodes.clear();
}

void TNodeForest::SetUndoRecorder(IUndoRecorder* recorder) { undo_ = recorder ? recorder : nullUndo_.get(); }

// --- Nodes -------------------------------------------------------------------

TNode* TNodeForest::CreateNode() {
  AllNodes.push_back(std::make_unique<TNode>(this, static_cast<std::int32_t>(AllNodes.size())));
  return AllNodes.back().get();
}

TNode* TNodeForest::NodeById(std::int32_t id) const {
  if (id < 0 || static_cast<std::size_t>(id) >= AllNodes.size()) return nullptr;
  return AllNodes[static_cast<std::size_t>(id)].get();
}

TNode* TNodeForest::LastRoot() const { return firstRoot_ ? firstRoot_->LastSibling() : nullptr; }

void TNodeForest::Unlink(TNode* node) {
  TNode* parent = node->Parent;
  if (node->PrevSibling)
    node->PrevSibling->NextSibling = node->NextSibling;
  else if (parent)
    parent->FirstChild = node->NextSibling;
  else if (firstRoot_ == node)
    firstRoot_ = node->NextSibling;
  if (node->NextSibling) node->NextSibling->PrevSibling = node->PrevSibling;
  node->PrevSibling = node->NextSibling = node->Parent = nullptr;
  node->linkedRoot_ = false;
  // The former parent lost a child: recompute it and the groups above.
  if (parent && node->Record) RecomputeFrom(parent);
}

void TNodeForest::InsertNode(TNode* parent, TNode* after, TNode* node) {
  if (!node || node->View != this) return;
  if (after) {
    // The place must be in the forest and not inside the node itself.
    if (after->View != this || !after->InForest() || InSubtree(after, node)) return;
    if (after == node) return;
  } else if (parent) {
    if (parent->View != this || !parent->InForest() || InSubtree(parent, node)) return;
  }
  const bool linked = node->Parent || node->PrevSibling || node->NextSibling || node->linkedRoot_;
  if (linked) Unlink(node);

  if (after) {
    node->Parent = after->Parent;
    node->PrevSibling = after;
    node->NextSibling = after->NextSibling;
    if (after->NextSibling) after->NextSibling->PrevSibling = node;
    after->NextSibling = node;
    node->linkedRoot_ = node->Parent == nullptr;
  } else if (parent) {
    node->Parent = parent;
    node->NextSibling = parent->FirstChild;
    if (parent->FirstChild) parent->FirstChild->PrevSibling = node;
    parent->FirstChild = node;
  } else {
    node->NextSibling = firstRoot_;
    if (firstRoot_) firstRoot_->PrevSibling = node;
    firstRoot_ = node;
    node->linkedRoot_ = true;
  }

  if (Painting) node->Repaint(true);
  if (node->Parent) MarkParentChain(node);
  RaiseTreeChange();
}

TNode* TNodeForest::AddNode(TNode* after, TNode* parent) {
  TNode* node = CreateNode();
  InsertNode(parent, after, node);
  return node;
}

TNode* TNodeForest::AddChild(TNode* parent) {
  TNode* node = CreateNode();
  if (parent && parent->InForest()) {
    TNode* last = parent->LastChild();
    if (last)
      InsertNode(parent, last, node);
    else
      InsertNode(parent, nullptr, node);
  } else {
    TNode* last = LastRoot();
    InsertNode(nullptr, last, node);
  }
  return node;
}

void TNodeForest::RemoveNode(TNode* node) {
  if (!node || node->View != this || !node->InForest()) return;
  Unlink(node);

  // The node and everything below it leave the selection.
  const bool focusGone = FocusedNode && InSubtree(FocusedNode, node);
  std::erase_if(Selection, [node](TNode* n) { return InSubtree(n, node); });
  if (AnchorNode && InSubtree(AnchorNode, node)) AnchorNode = nullptr;
  if (focusGone) {
    FocusedNode = Selection.size() >= 2 ? Selection.front() : nullptr;
    Select(ssNone, TSelectButton::Keyboard);
  }
  RaiseTreeChange();
}

void TNodeForest::Clear() {
  const bool hadSelection = !Selection.empty() || FocusedNode;
  Selection.clear();
  FocusedNode = AnchorNode = nullptr;
  PopupTag = -1;
  firstRoot_ = nullptr;
  AllNodes.clear();
  RaiseTreeChange();
  if (hadSelection) RaiseSelectionChange();
  undo_->Clear();
}

// --- Tree order ----------------------------------------------------------------

TNodesArr TNodeForest::DisplayOrder() const {
  TNodesArr order;
  order.reserve(AllNodes.size());
  TNode* n = firstRoot_;
  while (n) {
    order.push_back(n);
    n = n->FirstChild ? n->FirstChild : NextAfterSubtree(n);
  }
  return order;
}

TNode* TNodeForest::NextAfterSubtree(const TNode* node) {
  for (const TNode* n = node; n; n = n->Parent) {
    if (n->NextSibling) return n->NextSibling;
  }
  return nullptr;
}

TNodePos TNodeForest::PositionOf(const TNode* node) const {
  TNodePos pos;
  if (!node) return pos;
  pos.Visible = node->IsShown() ? 1 : 0;
  pos.Parent = node->Parent;
  pos.After = node->PrevSibling;
  return pos;
}

std::vector<int> TNodeForest::OrderIndex() const {
  std::vector<int> index(AllNodes.size(), -1);
  int i = 0;
  for (TNode* n : DisplayOrder()) index[static_cast<std::size_t>(n->Id)] = i++;
  return index;
}

// --- Selection -------------------------------------------------------------------

bool TNodeForest::IsSelected(const TNode* node) const {
  return node && std::find(Selection.begin(), Selection.end(), node) != Selection.end();
}

void TNodeForest::RaiseSelectionChange() {
  if (OnNodeSelectionChange) OnNodeSelectionChange();
}

void TNodeForest::RaiseTreeChange() {
  if (Painting && OnTreeChange) OnTreeChange();
}

void TNodeForest::SelectNode(TNode* node) {
  if (node && (node->View != this || !node->InForest())) node = nullptr;
  FocusedNode = node;
  AnchorNode = node;
  Selection.clear();
  if (node) Selection.push_back(node);
  PopupTag = node ? node->Id : -1;
  RaiseSelectionChange();
}

void TNodeForest::SetSelection(const TNodesArr& nodes) {
  bool valid = true;
  for (TNode* n : nodes) {
    // Only live nodes of this forest: the id must index AllNodes and name
    // the very same node.
    if (!n || n != NodeById(n->Id) || !n->InForest()) {
      valid = false;
      break;
    }
  }
  if (valid) {
    Selection = nodes;
    FocusedNode = nodes.empty() ? nullptr : nodes.back();
  } else {
    FocusedNode = nullptr;
  }
  RaiseSelectionChange();
}

void TNodeForest::SelectAll() {
  Selection.clear();
  for (TNode* n = firstRoot_; n; n = n->NextSibling) Selection.push_back(n);
  if (!FocusedNode && firstRoot_) FocusedNode = firstRoot_;
  RaiseSelectionChange();
}

void TNodeForest::Select(TShiftState shift, TSelectButton button) {
  TNode* focused = FocusedNode;
  if (focused && !focused->InForest()) focused = FocusedNode = nullptr;
  if ((shift & ssCtrl) != 0) {
    if (focused) {
      auto it = std::find(Selection.begin(), Selection.end(), focused);
      if (it == Selection.end()) {
        Selection.push_back(focused);
      } else if (button == TSelectButton::Left && Selection.size() > 1) {
        Selection.erase(it);
      }
      if (Selection.size() == 1) FocusedNode = Selection.front();
    }
    AnchorNode = FocusedNode;
  } else if ((shift & ssShift) != 0 && focused && AnchorNode && AnchorNode->InForest()) {
    if (focused->Parent == AnchorNode->Parent) {
      TNodesArr run;
      if (focused == AnchorNode) {
        run.push_back(focused);
      } else {
        bool found = false;
        for (TNode* n = AnchorNode; n; n = n->NextSibling) {
          run.push_back(n);
          if (n == focused) {
            found = true;
            break;
          }
        }
        if (!found) {
          run.clear();
          for (TNode* n = AnchorNode; n; n = n->PrevSibling) {
            run.push_back(n);
            if (n == focused) break;
          }
        }
      }
      Selection = std::move(run);
    }
  } else {
    Selection.clear();
    if (focused) Selection.push_back(focused);
    AnchorNode = focused;
    PopupTag = focused ? focused->Id : -1;
  }
  if (FocusedNode && OnScrollIntoView) OnScrollIntoView(FocusedNode);
  RaiseSelectionChange();
}

void TNodeForest::ClickNode(TNode* node, TShiftState shift, TSelectButton button) {
  if (node && (node->View != this || !node->InForest())) return;
  FocusedNode = node;
  Select(shift, button);
}

TNode* TNodeForest::TopmostSelected() const {
  if (Selection.empty()) return nullptr;
  const std::vector<int> index = OrderIndex();
  TNode* best = nullptr;
  for (TNode* n : Selection) {
    const int i = index[static_cast<std::size_t>(n->Id)];
    if (i >= 0 && (!best || i < index[static_cast<std::size_t>(best->Id)])) best = n;
  }
  return best;
}

TNode* TNodeForest::BottommostSelected() const {
  if (Selection.empty()) return nullptr;
  const std::vector<int> index = OrderIndex();
  TNode* best = nullptr;
  for (TNode* n : Selection) {
    const int i = index[static_cast<std::size_t>(n->Id)];
    if (i >= 0 && (!best || i > index[static_cast<std::size_t>(best->Id)])) best = n;
  }
  return best;
}

bool TNodeForest::CanMoveSelectionUp() const {
  const TNode* top = TopmostSelected();
  return top && top->PrevSibling;
}

bool TNodeForest::CanMoveSelectionDown() const {
  const TNode* bottom = BottommostSelected();
  return bottom && bottom->NextSibling;
}

}  // namespace velmora
