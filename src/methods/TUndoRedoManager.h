#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "IUndoRecorder.h"
#include "TDataPoint.h"
#include "TParamsAll.h"
#include "TPeakRecord.h"

namespace velmora {

class TNodeForest;
class TUndoItem;
class TNodesWithPosObj;

// The undo and redo lists of the open document. One recorder serves the
// whole program run: it is attached to the document's forest, which reports
// every edit to it (IUndoRecorder), and it puts the edits back on undo and
// redo. Both lists grow without limit until the document is cleared.
//
// Memory: steps about nodes keep node references and positions; a point
// change of several curves keeps one copy of each changed curve's points
// (the state after the edit is taken from the curves themselves when the
// step is undone, and held only while it waits on the redo list); a single
// curve's point change keeps nothing, the curve holding its own history.
class TUndoRedoManager : public IUndoRecorder {
 public:
  using ItemList = std::vector<std::unique_ptr<TUndoItem>>;

  TUndoRedoManager();
  ~TUndoRedoManager() override;
  TUndoRedoManager(const TUndoRedoManager&) = delete;
  TUndoRedoManager& operator=(const TUndoRedoManager&) = delete;

  // Attaches the document's forest (and becomes its recorder); null
  // detaches. Both lists are cleared. The previous forest, when still
  // attached, gets its built-in recorder back.
  void AttachView(TNodeForest* view);
  TNodeForest* View() const { return view_; }

  // --- IUndoRecorder ---
  void RecordCheck(TNode* node, bool oldChecked) override;
  void RecordFold(TNode* node, bool oldFolded) override;
  void RecordRename(TNode* node, const std::string& oldName) override;
  void RecordMoveUp(TNode* node) override;
  void RecordMoveDown(TNode* node) override;
  void RecordNodeType(const TNodesArr& nodes, std::int32_t newType) override;
  void RecordToggleColumns(const TNodesArr& nodes, std::int32_t columnIndex) override;
  void RecordRemove(const TNodesArr& nodes) override;
  void RecordPaste(const TNodesArr& nodes) override;
  void RecordGroup(TNode* group, const TNodesArr& nodes, const TPosArr& oldPositions) override;
  void RecordSeparate(TNode* group, const TNodesArr& nodes) override;
  void RecordDataChange(TArrayDataStruct* curve, const TPointsRef& before) override;
  void BeginDataMultiChange() override;
  void CommitDataMultiChange() override;
  void BeginXShift() override;
  void AddXShift(TArrayDataStruct* curve) override;
  void CommitXShift() override;
  void BeginPeakChange(const TVAStructs& curves, const std::string& peakName) override;
  void CommitPeakChange() override;
  void BeginAllPeaks(const TVAStructs& curves) override;
  void CommitAllPeaks(UndoAction code) override;
  void RecordRenamePeak(const TVAStructs& curves, const std::string& oldName, const std::string& newName) override;
  void BeginParams(const TVAStructs& curves) override;
  void CommitParams() override;
  void Clear() override;
  void Suspend(bool on) override;
  bool Suspended() const override { return suspended_; }

  // --- Control ---
  void Undo();
  void Redo();
  bool CanUndo() const { return !undoList_.empty(); }
  bool CanRedo() const { return !redoList_.empty(); }
  // The catalogue text of the top step of either list; empty when the list
  // is empty.
  std::string UndoDescription() const;
  std::string RedoDescription() const;
  // The catalogue text of an action code ("Data change" for unknown codes).
  static const char* ActionText(std::int32_t code);
  bool Undoing() const { return undoing_; }
  bool Redoing() const { return redoing_; }
  const ItemList& UndoList() const { return undoList_; }
  const ItemList& RedoList() const { return redoList_; }
  // Bytes of document data the two lists keep.
  std::size_t DataBytes() const;

  // Raised after either list changed (for the captions of the windows).
  std::function<void()> OnChange;

 private:
  bool Recording() const { return view_ != nullptr && !undoing_ && !suspended_; }
  void Push(std::unique_ptr<TUndoItem> item);
  void Changed();

  // Undo and redo of one item by its action code (TUndoRedoManagerApply.cpp).
  void ApplyUndo(TUndoItem& item);
  void ApplyRedo(TUndoItem& item);
  // Puts nodes back at their recorded places, anchors first.
  void RestorePositions(const TNodesArr& nodes, const TPosArr& positions);
  void UnfoldAncestors(const TNodesArr& nodes, const TPosArr& positions);
  void RaiseSelectionChange();

  TNodeForest* view_ = nullptr;
  ItemList undoList_;
  ItemList redoList_;
  bool undoing_ = false;
  bool redoing_ = false;
  bool suspended_ = false;

  // The pending snapshot of a multi-step recording.
  bool collectingData_ = false;
  std::vector<TArrayDataStruct*> pendingDataCurves_;
  std::vector<TPointsRef> pendingPoints_;
  bool collectingShift_ = false;
  std::vector<TArrayDataStruct*> pendingShiftCurves_;
  std::vector<double> pendingShifts_;
  bool collectingPeak_ = false;
  TVAStructs pendingPeakCurves_;
  std::string pendingPeakName_;
  TPeaks pendingPeaks_;
  std::vector<std::uint8_t> pendingPeakPresent_;
  bool collectingAllPeaks_ = false;
  TVAStructs pendingAllPeaksCurves_;
  std::vector<TPeaks> pendingPeakLists_;
  bool collectingParams_ = false;
  TVAStructs pendingParamCurves_;
  std::vector<TParamsAll> pendingParams_;
};

}  // namespace velmora
