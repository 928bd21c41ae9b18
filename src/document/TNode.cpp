#include "TNode.h"

#include "TArrayDataStruct.h"
#include "TBasicDataStruct.h"
#include "TNodeForest.h"
#include "TVAStruct.h"

namespace velmora {

TNode::TNode(TNodeForest* view, std::int32_t id) : View(view), Id(id) {}

TNode::~TNode() = default;

TVAStruct* TNode::VA() const { return dynamic_cast<TVAStruct*>(Record.get()); }

TArrayDataStruct* TNode::ArrayRecord() const { return dynamic_cast<TArrayDataStruct*>(Record.get()); }

void TNode::SetRecord(std::unique_ptr<TBasicDataStruct> record) {
  Record = std::move(record);
  if (Record) Record->Node = this;
}

std::string TNode::HintOf(const std::string& name) {
  std::string hint;
  hint.reserve(name.size());
  for (char c : name) {
    if (c != '^' && c != '_' && c != '$') hint.push_back(c);
  }
  return hint;
}

void TNode::SetNameSilently(const std::string& name) {
  Name = name;
  Hint = HintOf(name);
}

void TNode::SetName(const std::string& name) {
  const std::string oldName = Name;
  SetNameSilently(name);
  if (!View) return;
  if (oldName != Name) View->Undo().RecordRename(this, oldName);
  if (View->ShowCaptions) Repaint(true);
  if (View->OnRename) View->OnRename(this, Name);
}

void TNode::SetChecked(bool value) {
  const bool old = Checked != 0;
  Checked = value ? 1 : 0;
  if (!View) return;
  if (View->OnDecorationsChange) View->OnDecorationsChange(this);
  View->Undo().RecordCheck(this, old);
  View->MarkParentChain(this);
  if (value && View->IsSelected(this)) View->RaiseSelectionChange();
}

void TNode::Fold() {
  if (Folded) return;
  Folded = 1;
  if (!View) return;
  if (View->OnDecorationsChange) View->OnDecorationsChange(this);
  View->Undo().RecordFold(this, false);
  if (View->OnCollapse) View->OnCollapse(this);
}

void TNode::Unfold() {
  if (!Folded) return;
  Folded = 0;
  if (!View) return;
  if (View->OnDecorationsChange) View->OnDecorationsChange(this);
  View->Undo().RecordFold(this, true);
  if (View->OnExpand) View->OnExpand(this);
}

void TNode::ToggleFold() {
  if (Folded)
    Unfold();
  else
    Fold();
}

void TNode::Repaint(bool clear) {
  if (!View) return;
  if (!View->Painting) {
    NeedsRepaint = 1;
    return;
  }
  if (NeedsRepaint) {
    for (TNode* child = FirstChild; child; child = child->NextSibling) {
      if (child->NeedsRepaint) child->Repaint(clear);
    }
    NeedsRepaint = 0;
    if (Record) {
      Record->OnCalcData();  // repaints the node again
      return;
    }
  }
  if (Record) Record->PaintData(clear);
  if (View->OnNodeRepaint) View->OnNodeRepaint(this, clear);
  if (View->IsSelected(this)) {
    if (clear)
      View->RaiseSelectionChange();
    else if (View->OnSelectedRepaint)
      View->OnSelectedRepaint(false);
  }
}

int TNode::Depth() const {
  int depth = 0;
  for (const TNode* p = Parent; p; p = p->Parent) ++depth;
  return depth;
}

TNode* TNode::LastChild() const {
  TNode* child = FirstChild;
  while (child && child->NextSibling) child = child->NextSibling;
  return child;
}

TNode* TNode::FirstSibling() const {
  const TNode* n = this;
  while (n->PrevSibling) n = n->PrevSibling;
  return const_cast<TNode*>(n);
}

TNode* TNode::LastSibling() const {
  const TNode* n = this;
  while (n->NextSibling) n = n->NextSibling;
  return const_cast<TNode*>(n);
}

bool TNode::InForest() const {
  const TNode* n = this;
  while (n->Parent) n = n->Parent;
  return n->linkedRoot_;
}

bool TNode::IsShown() const {
  for (const TNode* p = Parent; p; p = p->Parent) {
    if (p->Folded) return false;
  }
  return InForest();
}

}  // namespace velmora
