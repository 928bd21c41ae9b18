// The structural edits of the forest: grouping, separating, moving, node
// types, deleting, column visibility, and the painting state.
#include <algorithm>
#include <unordered_set>

#include "MessageSink.h"
#include "Messages.h"
#include "TArrayDataStruct.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TVAStruct.h"

namespace velmora {

TNode* TNodeForest::GroupNodes(const TNodesArr& nodes, TNode* group) {
  if (group && (group->View != this || group->InForest())) return nullptr;
  // Live nodes of this forest, each once, in the order given.
  TNodesArr members;
  std::unordered_set<const TNode*> seen;
  for (TNode* n : nodes) {
    if (n && n != group && n->View == this && n->InForest() && seen.insert(n).second) members.push_back(n);
  }
  if (members.empty()) return nullptr;

  TPosArr oldPositions;
  oldPositions.reserve(members.size());
  for (TNode* n : members) oldPositions.push_back(PositionOf(n));

  const bool isNew = group == nullptr;
  {
    TPaintingGuard guard(*this);
    const std::vector<int> index = OrderIndex();
    TNode* highest = members.front();
    for (TNode* n : members) {
      if (index[static_cast<std::size_t>(n->Id)] < index[static_cast<std::size_t>(highest->Id)]) highest = n;
    }
    if (isNew) group = CreateNode();
    if (TNode* prev = highest->PrevSibling) {
      InsertNode(prev->Parent, prev, group);
    } else {
      TNode* commonParent = highest->Parent;
      for (TNode* n : members) {
        if (n->Parent != commonParent) {
          commonParent = nullptr;
          break;
        }
      }
      InsertNode(commonParent, nullptr, group);
    }
    if (isNew) group->SetRecord(std::make_unique<TVAStruct>(group));

    TNode* last = group->LastChild();
    for (TNode* n : members) {
      if (last)
        InsertNode(group, last, n);
      else
        InsertNode(group, nullptr, n);
      last = n;
    }
    // A group is left folded.
    group->Folded = 1;
    if (OnDecorationsChange) OnDecorationsChange(group);

    if (isNew) {
      TVAStruct* first = members.front()->VA();
      bool sameComments = first != nullptr;
      if (first) {
        const std::string comments = first->Params.Comments();
        for (TNode* n : members) {
          const TVAStruct* va = n->VA();
          if (!va || va->Params.Comments() != comments) {
            sameComments = false;
            break;
          }
        }
      }
      if (sameComments) {
        group->SetNameSilently(members.front()->Name);
        first->CopyParamsTo(*group->Record);
      }
    }
    group->Repaint(true);
    undo_->RecordGroup(group, members, oldPositions);
  }
  RaiseTreeChange();
  return group;
}

void TNodeForest::UngroupNode(TNode* group) {
  if (!group || group->View != this || !group->InForest() || !group->FirstChild) return;
  TNodesArr children;
  for (TNode* c = group->FirstChild; c; c = c->NextSibling) children.push_back(c);
  {
    TPaintingGuard guard(*this);
    TNode* parent = group->Parent;
    TNode* after = group->PrevSibling;
    for (TNode* child : children) {
      if (after)
        InsertNode(parent, after, child);
      else
        InsertNode(parent, nullptr, child);
      after = child;
    }
    undo_->RecordSeparate(group, children);
    const bool wasSuspended = undo_->Suspended();
    undo_->Suspend(true);
    try {
      RemoveNode(group);
    } catch (...) {
      undo_->Suspend(wasSuspended);
      throw;
    }
    undo_->Suspend(wasSuspended);
  }
  RaiseTreeChange();
}

void TNodeForest::MoveDown(TNode* node) {
  if (!node || node->View != this || !node->InForest()) return;
  if (TNode* next = node->NextSibling)
    InsertNode(node->Parent, next, node);
  else
    InsertNode(node->Parent, nullptr, node);
  if (OnMoveDown) OnMoveDown(node);
  undo_->RecordMoveDown(node);
}

void TNodeForest::MoveUp(TNode* node) {
  if (!node || node->View != this || !node->InForest()) return;
  TNode* prev = node->PrevSibling;
  if (!prev) return;
  if (TNode* before = prev->PrevSibling)
    InsertNode(node->Parent, before, node);
  else
    InsertNode(node->Parent, nullptr, node);
  if (OnMoveUp) OnMoveUp(node);
  undo_->RecordMoveUp(node);
}

void TNodeForest::MoveSelection(bool up) {
  // Moving up goes from the top, moving down from the bottom, so that
  // neighbouring selected nodes move together instead of swapping.
  TNodesArr nodes = Selection;
  const std::vector<int> index = OrderIndex();
  std::erase_if(nodes, [&](TNode* n) { return index[static_cast<std::size_t>(n->Id)] < 0; });
  std::sort(nodes.begin(), nodes.end(), [&](TNode* a, TNode* b) {
    const int ia = index[static_cast<std::size_t>(a->Id)];
    const int ib = index[static_cast<std::size_t>(b->Id)];
    return up ? ia < ib : ia > ib;
  });
  TPaintingGuard guard(*this);
  for (TNode* n : nodes) {
    if (up)
      MoveUp(n);
    else
      MoveDown(n);
  }
}

void TNodeForest::MoveSelectionUp() {
  if (CanMoveSelectionUp()) MoveSelection(true);
}

void TNodeForest::MoveSelectionDown() {
  if (CanMoveSelectionDown()) MoveSelection(false);
}

void TNodeForest::ChangeNodeType(const TNodesArr& nodes, std::int32_t nodeType) {
  if (nodeType < 0 || nodeType > 2) return;
  TNodesArr targets;
  for (TNode* n : nodes) {
    if (n && n->View == this && n->ArrayRecord()) targets.push_back(n);
  }
  if (targets.empty()) return;
  undo_->RecordNodeType(targets, nodeType);
  TPaintingGuard guard(*this);
  for (TNode* n : targets) n->Record->SetNodeType(nodeType);
}

void TNodeForest::DeleteNodes(const TNodesArr& nodes) {
  TNodesArr targets;
  for (TNode* n : nodes) {
    if (n && n->View == this && n->InForest()) targets.push_back(n);
  }
  if (targets.empty()) return;
  undo_->RecordRemove(targets);
  {
    TPaintingGuard guard(*this);
    for (TNode* n : targets) RemoveNode(n);
  }
  RaiseTreeChange();
}

bool TNodeForest::RemoveSelected(IMessageSink& sink) {
  if (Selection.empty()) return false;
  if (sink.askYesNo(Message(msg::RemoveSelectedQuery)) != Answer::Yes) return false;
  const TNodesArr nodes = Selection;
  DeleteNodes(nodes);
  return true;
}

void TNodeForest::ToggleColumns(const TNodesArr& nodes, std::int32_t index) {
  TNodesArr toggled;
  for (TNode* n : nodes) {
    TArrayDataStruct* rec = n ? n->ArrayRecord() : nullptr;
    if (!rec || rec->NodeType != 2) continue;
    if (index < 0 || static_cast<std::size_t>(index) >= rec->AveragedColumns.size()) continue;
    rec->ToggleColumnVisible(index);
    toggled.push_back(n);
  }
  if (toggled.empty()) return;
  RepaintNodes(toggled);
  undo_->RecordToggleColumns(toggled, index);
}

// --- Painting ------------------------------------------------------------------

void TNodeForest::SetPainting(bool enabled) {
  Painting = enabled ? 1 : 0;
  BulkRepaint = 1;
  if (OnPaintingChange) OnPaintingChange(false);
  try {
    if (enabled) {
      // Nodes created by a recomputation are not visited; none are.
      const std::size_t count = AllNodes.size();
      for (std::size_t i = 0; i < count && Painting; ++i) {
        TNode* n = AllNodes[i].get();
        if (n->NeedsRepaint && n->Record && n->InForest()) n->Repaint(false);
      }
    }
  } catch (...) {
    BulkRepaint = 0;
    throw;
  }
  if (OnPaintingChange) OnPaintingChange(enabled);
  BulkRepaint = 0;
}

void TNodeForest::SetSemiIntegralMode(bool on) {
  if ((SemiIntegralMode != 0) == on) return;
  TPaintingGuard guard(*this);
  SemiIntegralMode = on ? 1 : 0;
  for (auto& n : AllNodes) {
    if (TArrayDataStruct* rec = n->ArrayRecord()) {
      // The semi-integral cache stays valid for its points; what is built
      // on the base points is not.
      rec->ShiftValid = 0;
      rec->LogValid = 0;
      rec->RefillSeries();
      n->NeedsRepaint = 1;
    }
  }
}

void TNodeForest::SetSemilogMode(bool on) {
  if ((SemilogMode != 0) == on) return;
  TPaintingGuard guard(*this);
  SemilogMode = on ? 1 : 0;
  for (auto& n : AllNodes) {
    if (TArrayDataStruct* rec = n->ArrayRecord()) {
      // The caches stay valid: each stage only reads the one before it.
      rec->RefillSeries();
      n->NeedsRepaint = 1;
    }
  }
}

void TNodeForest::RepaintNodes(const TNodesArr& nodes) {
  for (TNode* n : nodes) {
    if (!n || n->View != this) continue;
    n->Repaint(true);
    MarkParentChain(n);
  }
}

void TNodeForest::MarkParentChain(TNode* node) {
  if (!node || !node->Record || !node->Parent) return;
  RecomputeFrom(node->Parent);
}

void TNodeForest::RecomputeFrom(TNode* group) {
  if (!Painting) {
    for (TNode* p = group; p; p = p->Parent) p->NeedsRepaint = 1;
    return;
  }
  if (!BulkRepaint) {
    // A group's recomputation carries on to its own parent.
    if (group->Record) group->Record->OnCalcData();
    return;
  }
  for (TNode* p = group; p; p = p->Parent) {
    if (p->Record) p->Record->OnCalcData();
  }
}

}  // namespace velmora
