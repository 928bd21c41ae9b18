// Undo and redo: putting each kind of step back, and doing it again.
#include <algorithm>
#include <unordered_set>

#include "FlagScope.h"
#include "TAllPeaksObj.h"
#include "TArrayDataStruct.h"
#include "TDataMultiChangeObj.h"
#include "TNode.h"
#include "TNodeBoolObj.h"
#include "TNodeForest.h"
#include "TNodeStrObj.h"
#include "TNodesIndexObj.h"
#include "TNodesIntValuesObj.h"
#include "TNodesWithPosObj.h"
#include "TPaintingGuard.h"
#include "TParamsObj.h"
#include "TPeaksNamesObj.h"
#include "TPeaksObj.h"
#include "TUndoRedoManager.h"
#include "TVAStruct.h"
#include "TVAStructObj.h"
#include "TXShiftObj.h"
#include "WorkSplit.h"

namespace velmora {

namespace {

// Replaces (or adds, or removes when `present` is 0) the peak of that name.
void PutPeakBack(TVAStruct& curve, const std::string& name, const TPeakRecord& peak, bool present) {
  TPeaks peaks = curve.Peaks;
  const std::int32_t i = curve.FindPeak(name);
  if (present) {
    if (i >= 0)
      peaks[static_cast<std::size_t>(i)] = peak;
    else
      peaks.push_back(peak);
  } else if (i >= 0) {
    peaks.erase(peaks.begin() + i);
  } else {
    return;
  }
  curve.SetPeaks(std::move(peaks));
}

void PutParamsBack(TVAStruct& curve, const TParamsAll& params) {
  std::copy(params.Volumes.begin(), params.Volumes.end(), curve.Volumes.begin());
  // The whole table: variables the edit added go again.
  curve.Variables = params.Variables;
  curve.ResUnitTop = params.ResUnitTop;
  curve.ResUnitBottom = params.ResUnitBottom;
  curve.RecalcUnitTop = params.RecalcUnitTop;
  curve.RecalcUnitBottom = params.RecalcUnitBottom;
  curve.SetCalcCoefficients(params.CalcCoefficients);
  curve.Params.SetMeasurementType(params.MeasurementType);
  curve.CalculationMethod = params.CalculationMethod;
  curve.CalibrationType = params.CalibrationType;
  curve.HasCustomMethod = params.HasCustomMethod;
  curve.CustomMethod = params.CustomMethod;
}

// Copies of stored points, one per entry, made on every core.
std::vector<TDataArr> CopyPoints(const std::vector<TPointsRef>& points) {
  std::vector<TDataArr> copies(points.size());
  WorkSplit::ForEach(points.size(), [&](std::size_t i) {
    if (points[i]) copies[i] = *points[i];
  });
  return copies;
}

void SetFold(TNode& node, bool folded) {
  if (folded)
    node.Fold();
  else
    node.Unfold();
}

}  // namespace

// --- Control -----------------------------------------------------------------------

void TUndoRedoManager::Undo() {
  if (undoList_.empty() || undoing_ || !view_) return;
  std::unique_ptr<TUndoItem> item = std::move(undoList_.back());
  undoList_.pop_back();
  try {
    FlagScope scope(undoing_);
    ApplyUndo(*item);
  } catch (...) {
    // The step is gone half applied; the lists stay consistent.
    Changed();
    throw;
  }
  if (item->Twin) redoList_.push_back(std::move(item->Twin));
  Changed();
}

void TUndoRedoManager::Redo() {
  if (redoList_.empty() || redoing_ || !view_) return;
  std::unique_ptr<TUndoItem> item = std::move(redoList_.back());
  redoList_.pop_back();
  try {
    FlagScope scope(redoing_);
    ApplyRedo(*item);
  } catch (...) {
    Changed();
    throw;
  }
  Changed();
}

void TUndoRedoManager::RaiseSelectionChange() {
  if (view_ && view_->OnNodeSelectionChange) view_->OnNodeSelectionChange();
}

// --- Node places -------------------------------------------------------------------

void TUndoRedoManager::RestorePositions(const TNodesArr& nodes, const TPosArr& positions) {
  // A node goes back only once its anchor (previous sibling, else parent) is
  // in place, so the order the nodes were recorded in does not matter.
  std::vector<std::size_t> pending;
  std::unordered_set<const TNode*> waiting;
  for (std::size_t i = 0; i < nodes.size() && i < positions.size(); ++i) {
    if (!nodes[i]) continue;
    pending.push_back(i);
    waiting.insert(nodes[i]);
  }
  while (!pending.empty()) {
    bool progress = false;
    for (auto it = pending.begin(); it != pending.end();) {
      const TNodePos& pos = positions[*it];
      const TNode* anchor = pos.After ? pos.After : pos.Parent;
      if (anchor && (waiting.count(anchor) || !anchor->InForest())) {
        ++it;
        continue;
      }
      TNode* node = nodes[*it];
      view_->InsertNode(pos.Parent, pos.After, node);
      waiting.erase(node);
      it = pending.erase(it);
      progress = true;
    }
    if (progress) continue;
    // An anchor that never comes back (it was removed by an edit that was
    // not recorded): the node still returns, last under its parent or last
    // at root level, rather than being lost.
    for (std::size_t i : pending) {
      TNode* parent = positions[i].Parent;
      if (parent && (waiting.count(parent) || !parent->InForest())) parent = nullptr;
      TNode* last = parent ? parent->LastChild() : view_->LastRoot();
      if (last == nodes[i]) last = last->PrevSibling;
      view_->InsertNode(parent, last, nodes[i]);
      waiting.erase(nodes[i]);
    }
    pending.clear();
  }
}

void TUndoRedoManager::UnfoldAncestors(const TNodesArr& nodes, const TPosArr& positions) {
  for (std::size_t i = 0; i < nodes.size() && i < positions.size(); ++i) {
    if (!positions[i].Visible || !nodes[i]) continue;
    for (TNode* p = nodes[i]->Parent; p; p = p->Parent) p->Unfold();
  }
}

// --- Undo --------------------------------------------------------------------------

void TUndoRedoManager::ApplyUndo(TUndoItem& item) {
  TNodeForest& view = *view_;
  switch (static_cast<UndoAction>(item.Action)) {
    case UndoAction::RemoveSelected: {
      auto& r = static_cast<TNodesWithPosObj&>(item);
      {
        TPaintingGuard guard(view);
        RestorePositions(r.Nodes, r.Positions);
        UnfoldAncestors(r.Nodes, r.Positions);
      }
      view.SetSelection(r.Nodes);
      break;
    }
    case UndoAction::Rename: {
      auto& r = static_cast<TNodeStrObj&>(item);
      r.Node->SetName(r.Name);
      break;
    }
    case UndoAction::ChangeNodeType: {
      auto& r = static_cast<TNodesIntValuesObj&>(item);
      TPaintingGuard guard(view);
      for (std::size_t i = 0; i < r.Nodes.size() && i < r.Values.size(); ++i) {
        if (r.Nodes[i]->Record) r.Nodes[i]->Record->SetNodeType(r.Values[i]);
      }
      break;
    }
    case UndoAction::ShowHideSeries: {
      auto& r = static_cast<TNodesIndexObj&>(item);
      view.ToggleColumns(r.Nodes, r.Value);
      break;
    }
    case UndoAction::FoldUnfold: {
      auto& r = static_cast<TNodeBoolObj&>(item);
      SetFold(*r.Node, r.Flag != 0);
      break;
    }
    case UndoAction::MoveUp:
      view.MoveDown(static_cast<TNodeObj&>(item).Node);
      break;
    case UndoAction::MoveDown: {
      TNode* node = static_cast<TNodeObj&>(item).Node;
      if (!node->PrevSibling && node->NextSibling) {
        // Moving the last node down made it the first one: it goes back to
        // the end (moving it up would leave it in place).
        view.InsertNode(node->Parent, node->LastSibling(), node);
      } else {
        view.MoveUp(node);
      }
      break;
    }
    case UndoAction::Check: {
      auto& r = static_cast<TNodeBoolObj&>(item);
      r.Node->SetChecked(r.Flag != 0);
      break;
    }
    case UndoAction::GroupNodes: {
      auto& r = static_cast<TNodesWithPosObj&>(item);
      {
        TPaintingGuard guard(view);
        RestorePositions(r.Nodes, r.Positions);
        if (r.Node && !r.Node->FirstChild) view.RemoveNode(r.Node);
      }
      view.SetSelection(r.Nodes);
      break;
    }
    case UndoAction::SeparateNodes: {
      auto& r = static_cast<TNodesObj&>(item);
      // Grouping folds the group: it gets back the fold state it had.
      const bool folded = r.Node->Folded != 0;
      if (TNode* group = view.GroupNodes(r.Nodes, r.Node)) {
        SetFold(*group, folded);
        view.SelectNode(group);
      }
      break;
    }
    case UndoAction::DataChange: {
      auto& r = static_cast<TVAStructObj&>(item);
      // The twin keeps what the redo puts back.
      auto twin = std::make_unique<TVAStructObj>(item.Action);
      twin->Curve = r.Curve;
      twin->OwnPoints = 1;
      twin->Points = r.Curve->Data;
      item.Twin = std::move(twin);
      if (r.OwnPoints)
        r.Curve->SetData(r.Points);
      else
        r.Curve->UndoData();
      break;
    }
    case UndoAction::DataMultiChange: {
      auto& r = static_cast<TDataMultiChangeObj&>(item);
      auto twin = std::make_unique<TDataMultiChangeObj>(item.Action);
      twin->Curves = r.Curves;
      twin->Points.resize(r.Curves.size());
      // The stored points are shared with the curves' history: each curve
      // gets its own copy (made on every core), and the points it gives up
      // go to the redo step as they are.
      std::vector<TDataArr> copies = CopyPoints(r.Points);
      {
        TPaintingGuard guard(view);
        // Backwards, so that the state before the command wins should a
        // curve have been listed twice.
        for (std::size_t i = r.Curves.size(); i-- > 0;) {
          twin->Points[i] = r.Curves[i]->ExchangeData(std::move(copies[i]));
          r.Points[i].reset();  // the undone step is freed next
        }
      }
      item.Twin = std::move(twin);
      break;
    }
    case UndoAction::PeakChange: {
      auto& r = static_cast<TPeaksObj&>(item);
      for (std::size_t i = 0; i < r.Curves.size() && i < r.Peaks.size(); ++i) {
        PutPeakBack(*r.Curves[i], r.PeakName, r.Peaks[i], i >= r.Present.size() || r.Present[i] != 0);
      }
      RaiseSelectionChange();
      break;
    }
    case UndoAction::PeakChange2:
    case UndoAction::NewPeak:
    case UndoAction::RemovePeak:
    case UndoAction::PeaksAutoSearch: {
      if (auto* one = dynamic_cast<TPeaksObj*>(&item)) {
        for (std::size_t i = 0; i < one->Curves.size() && i < one->Peaks.size(); ++i) {
          PutPeakBack(*one->Curves[i], one->PeakName, one->Peaks[i], i >= one->Present.size() || one->Present[i]);
        }
      } else {
        auto& r = static_cast<TAllPeaksObj&>(item);
        for (std::size_t i = 0; i < r.Curves.size() && i < r.PeakLists.size(); ++i) {
          r.Curves[i]->SetPeaks(r.PeakLists[i]);
        }
      }
      RaiseSelectionChange();
      break;
    }
    case UndoAction::RenamePeak: {
      auto& r = static_cast<TPeaksNamesObj&>(item);
      for (TVAStruct* c : r.Curves) c->RenamePeak(r.NewName, r.OldName);
      RaiseSelectionChange();
      break;
    }
    case UndoAction::ParametersChange: {
      auto& r = static_cast<TParamsObj&>(item);
      for (std::size_t i = 0; i < r.Curves.size() && i < r.Params.size(); ++i) PutParamsBack(*r.Curves[i], r.Params[i]);
      RaiseSelectionChange();
      break;
    }
    case UndoAction::PotentialShift: {
      auto& r = static_cast<TXShiftObj&>(item);
      auto twin = std::make_unique<TXShiftObj>(item.Action);
      twin->Curves = r.Curves;
      for (const TArrayDataStruct* c : r.Curves) twin->Shifts.push_back(c->XShift);
      {
        TPaintingGuard guard(view);
        for (std::size_t i = r.Curves.size(); i-- > 0;) r.Curves[i]->SetXShift(r.Shifts[i]);
      }
      item.Twin = std::move(twin);
      break;
    }
    case UndoAction::PasteData: {
      auto& r = static_cast<TNodesWithPosObj&>(item);
      {
        TPaintingGuard guard(view);
        for (TNode* n : r.Nodes) view.RemoveNode(n);
      }
      break;
    }
  }
}

// --- Redo --------------------------------------------------------------------------

void TUndoRedoManager::ApplyRedo(TUndoItem& item) {
  TNodeForest& view = *view_;
  switch (static_cast<UndoAction>(item.Action)) {
    case UndoAction::RemoveSelected:
      view.DeleteNodes(static_cast<TNodesObj&>(item).Nodes);
      break;
    case UndoAction::Rename: {
      auto& r = static_cast<TNodeStrObj&>(item);
      r.Node->SetName(r.Name);
      break;
    }
    case UndoAction::ChangeNodeType: {
      auto& r = static_cast<TNodesIndexObj&>(item);
      view.ChangeNodeType(r.Nodes, r.Value);
      break;
    }
    case UndoAction::ShowHideSeries: {
      auto& r = static_cast<TNodesIndexObj&>(item);
      view.ToggleColumns(r.Nodes, r.Value);
      break;
    }
    case UndoAction::FoldUnfold: {
      auto& r = static_cast<TNodeBoolObj&>(item);
      SetFold(*r.Node, r.Flag != 0);
      break;
    }
    case UndoAction::MoveUp:
      view.MoveUp(static_cast<TNodeObj&>(item).Node);
      break;
    case UndoAction::MoveDown:
      view.MoveDown(static_cast<TNodeObj&>(item).Node);
      break;
    case UndoAction::Check: {
      auto& r = static_cast<TNodeBoolObj&>(item);
      r.Node->SetChecked(r.Flag != 0);
      break;
    }
    case UndoAction::GroupNodes: {
      auto& r = static_cast<TNodesObj&>(item);
      if (TNode* group = view.GroupNodes(r.Nodes, r.Node)) view.SelectNode(group);
      break;
    }
    case UndoAction::SeparateNodes: {
      auto& r = static_cast<TNodesObj&>(item);
      view.UngroupNode(r.Node);
      if (!r.Nodes.empty() && r.Nodes.front()->InForest()) view.SelectNode(r.Nodes.front());
      break;
    }
    case UndoAction::DataChange: {
      auto& r = static_cast<TVAStructObj&>(item);
      r.Curve->SetData(r.Points);
      break;
    }
    case UndoAction::DataMultiChange: {
      auto& r = static_cast<TDataMultiChangeObj&>(item);
      std::vector<TDataArr> copies = CopyPoints(r.Points);
      TPaintingGuard guard(view);
      BeginDataMultiChange();
      try {
        for (std::size_t i = 0; i < r.Curves.size() && i < copies.size(); ++i)
          r.Curves[i]->SetData(std::move(copies[i]));
      } catch (...) {
        CommitDataMultiChange();
        throw;
      }
      CommitDataMultiChange();
      break;
    }
    case UndoAction::PeakChange: {
      auto& r = static_cast<TPeaksObj&>(item);
      BeginPeakChange(r.Curves, r.PeakName);
      for (std::size_t i = 0; i < r.Curves.size() && i < r.Peaks.size(); ++i) {
        PutPeakBack(*r.Curves[i], r.PeakName, r.Peaks[i], i >= r.Present.size() || r.Present[i] != 0);
      }
      CommitPeakChange();
      RaiseSelectionChange();
      break;
    }
    case UndoAction::PeakChange2:
    case UndoAction::NewPeak:
    case UndoAction::RemovePeak:
    case UndoAction::PeaksAutoSearch: {
      if (auto* one = dynamic_cast<TPeaksObj*>(&item)) {
        BeginPeakChange(one->Curves, one->PeakName);
        for (std::size_t i = 0; i < one->Curves.size() && i < one->Peaks.size(); ++i) {
          PutPeakBack(*one->Curves[i], one->PeakName, one->Peaks[i], i >= one->Present.size() || one->Present[i]);
        }
        CommitPeakChange();
      } else {
        auto& r = static_cast<TAllPeaksObj&>(item);
        BeginAllPeaks(r.Curves);
        for (std::size_t i = 0; i < r.Curves.size() && i < r.PeakLists.size(); ++i) {
          r.Curves[i]->SetPeaks(r.PeakLists[i]);
        }
        CommitAllPeaks(static_cast<UndoAction>(item.Action));
      }
      RaiseSelectionChange();
      break;
    }
    case UndoAction::RenamePeak: {
      auto& r = static_cast<TPeaksNamesObj&>(item);
      RecordRenamePeak(r.Curves, r.OldName, r.NewName);
      for (TVAStruct* c : r.Curves) c->RenamePeak(r.OldName, r.NewName);
      RaiseSelectionChange();
      break;
    }
    case UndoAction::ParametersChange: {
      auto& r = static_cast<TParamsObj&>(item);
      BeginParams(r.Curves);
      for (std::size_t i = 0; i < r.Curves.size() && i < r.Params.size(); ++i) PutParamsBack(*r.Curves[i], r.Params[i]);
      CommitParams();
      RaiseSelectionChange();
      break;
    }
    case UndoAction::PotentialShift: {
      auto& r = static_cast<TXShiftObj&>(item);
      TPaintingGuard guard(view);
      BeginXShift();
      for (std::size_t i = 0; i < r.Curves.size() && i < r.Shifts.size(); ++i) r.Curves[i]->SetXShift(r.Shifts[i]);
      CommitXShift();
      break;
    }
    case UndoAction::PasteData: {
      auto& r = static_cast<TNodesWithPosObj&>(item);
      {
        TPaintingGuard guard(view);
        RestorePositions(r.Nodes, r.Positions);
        UnfoldAncestors(r.Nodes, r.Positions);
      }
      view.SetSelection(r.Nodes);
      RecordPaste(r.Nodes);
      break;
    }
  }
}

}  // namespace velmora
