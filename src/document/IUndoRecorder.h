#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TDataPoint.h"
#include "TNodePos.h"

namespace velmora {

class TNode;
class TArrayDataStruct;
class TVAStruct;

using TNodesArr = std::vector<TNode*>;
using TVAStructs = std::vector<TVAStruct*>;

// Undo action codes; the recorder shows each by its text.
enum class UndoAction : std::int32_t {
  RemoveSelected = 0,
  Rename = 1,
  ChangeNodeType = 2,
  ShowHideSeries = 3,
  FoldUnfold = 4,
  MoveUp = 5,
  MoveDown = 6,
  Check = 7,
  GroupNodes = 8,
  SeparateNodes = 9,
  DataChange = 10,
  DataMultiChange = 11,
  PeakChange = 12,
  PeakChange2 = 13,
  NewPeak = 14,
  RemovePeak = 15,
  PeaksAutoSearch = 16,
  RenamePeak = 17,
  ParametersChange = 18,
  PotentialShift = 19,
  PasteData = 20,
};

// What the document model tells the undo recorder. Every call comes right
// after the edit with the state before it, except RecordNodeType and
// RecordRemove, which come before the change. The model only calls; the
// recorder decides what to keep (and ignores calls while it is undoing,
// redoing or suspended).
class IUndoRecorder {
 public:
  virtual ~IUndoRecorder() = default;

  // --- Single-step records of the tree ---
  virtual void RecordCheck(TNode* node, bool oldChecked) = 0;
  virtual void RecordFold(TNode* node, bool oldFolded) = 0;
  virtual void RecordRename(TNode* node, const std::string& oldName) = 0;
  virtual void RecordMoveUp(TNode* node) = 0;
  virtual void RecordMoveDown(TNode* node) = 0;
  // Before the change: the recorder keeps each node's current type.
  virtual void RecordNodeType(const TNodesArr& nodes, std::int32_t newType) = 0;
  virtual void RecordToggleColumns(const TNodesArr& nodes, std::int32_t columnIndex) = 0;
  // Before removing: positions come from the nodes' current links.
  virtual void RecordRemove(const TNodesArr& nodes) = 0;
  virtual void RecordPaste(const TNodesArr& nodes) = 0;
  virtual void RecordGroup(TNode* group, const TNodesArr& nodes, const TPosArr& oldPositions) = 0;
  virtual void RecordSeparate(TNode* group, const TNodesArr& nodes) = 0;

  // --- Curve content ---
  // A single curve's point change (the curve keeps its own history), with
  // the points before it. While a multi-curve change is being collected the
  // recorder adds the curve and those points to the pending snapshot
  // instead.
  virtual void RecordDataChange(TArrayDataStruct* curve, const TPointsRef& before) = 0;
  virtual void BeginDataMultiChange() = 0;
  virtual void CommitDataMultiChange() = 0;
  virtual void BeginXShift() = 0;
  virtual void AddXShift(TArrayDataStruct* curve) = 0;
  virtual void CommitXShift() = 0;
  virtual void BeginPeakChange(const TVAStructs& curves, const std::string& peakName) = 0;
  virtual void CommitPeakChange() = 0;
  virtual void BeginAllPeaks(const TVAStructs& curves) = 0;
  virtual void CommitAllPeaks(UndoAction code) = 0;
  virtual void RecordRenamePeak(const TVAStructs& curves, const std::string& oldName, const std::string& newName) = 0;
  virtual void BeginParams(const TVAStructs& curves) = 0;
  virtual void CommitParams() = 0;

  // --- Control ---
  virtual void Clear() = 0;
  virtual void Suspend(bool on) = 0;
  virtual bool Suspended() const = 0;
};

}  // namespace velmora
