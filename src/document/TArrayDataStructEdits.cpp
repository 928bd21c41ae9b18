// The point edits of a curve record: potential shift, smoothing, inversion
// and subtraction, on a leaf or on every leaf below a group.
#include <unordered_set>

#include "CurveProcessing.h"
#include "TArrayDataStruct.h"
#include "TNode.h"
#include "TNodeForest.h"

namespace velmora {

namespace {

void CollectLeaves(TArrayDataStruct& record, std::vector<TArrayDataStruct*>& out,
                   std::unordered_set<const TArrayDataStruct*>& seen) {
  if (record.IsGroup()) {
    // Every child, checked or not.
    for (TNode* child = record.Node->FirstChild; child; child = child->NextSibling) {
      if (TArrayDataStruct* rec = child->ArrayRecord()) CollectLeaves(*rec, out, seen);
    }
    return;
  }
  if (record.Detached && !record.Curves.empty()) {
    // An averaged column: the curves it averages.
    for (const auto& row : record.Curves) {
      for (TArrayDataStruct* c : row) {
        if (c && c != &record) CollectLeaves(*c, out, seen);
      }
    }
    return;
  }
  if (seen.insert(&record).second) out.push_back(&record);
}

}  // namespace

std::vector<TArrayDataStruct*> TArrayDataStruct::EditTargets() {
  std::vector<TArrayDataStruct*> out;
  std::unordered_set<const TArrayDataStruct*> seen;
  CollectLeaves(*this, out, seen);
  return out;
}

void TArrayDataStruct::SetXShift(double shift) {
  if (IsGroup() || (Detached && !Curves.empty())) {
    for (TArrayDataStruct* leaf : EditTargets()) leaf->SetXShift(shift);
    return;
  }
  if (!Detached) {
    if (TNodeForest* forest = Forest()) forest->Undo().AddXShift(this);
  }
  XShift = shift;
  InvalidateCaches();
  RefillSeries();
  NotifyChanged(true);
}

double TArrayDataStruct::GetXShift() const {
  std::vector<std::vector<double>> byChild;
  if (IsGroup()) {
    for (TNode* child = Node->FirstChild; child; child = child->NextSibling) {
      TArrayDataStruct* rec = child->ArrayRecord();
      if (!rec) continue;
      std::vector<double>& shifts = byChild.emplace_back();
      for (const TArrayDataStruct* leaf : rec->EditTargets()) shifts.push_back(leaf->XShift);
    }
  } else if (Detached && !Curves.empty()) {
    for (const auto& row : Curves) {
      std::vector<double>& shifts = byChild.emplace_back();
      for (TArrayDataStruct* c : row) {
        if (!c || c == this) continue;
        for (const TArrayDataStruct* leaf : c->EditTargets()) shifts.push_back(leaf->XShift);
      }
    }
  } else {
    return XShift;
  }
  return GroupXShift(byChild);
}

void TArrayDataStruct::Smooth(std::int32_t window) {
  for (TArrayDataStruct* leaf : EditTargets()) leaf->SetData(velmora::Smooth(leaf->Data, window));
}

void TArrayDataStruct::Invert(std::int32_t axis) {
  if (axis != 0 && axis != 1) return;
  const InvertAxis which = axis == 0 ? InvertAxis::X : InvertAxis::Y;
  for (TArrayDataStruct* leaf : EditTargets()) leaf->SetData(velmora::Invert(leaf->Data, which));
}

void TArrayDataStruct::Subtract(const TDataArr& points) {
  // A copy: `points` may be the points of one of the targets.
  const TDataArr subtrahend = points;
  for (TArrayDataStruct* leaf : EditTargets()) leaf->SetData(SubtractCurve(leaf->Data, subtrahend, 0.0));
}

}  // namespace velmora
