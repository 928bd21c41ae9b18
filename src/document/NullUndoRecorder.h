#pragma once

#include "IUndoRecorder.h"

namespace velmora {

// The recorder a forest uses until the real one is attached: it keeps
// nothing but honours Suspend so callers can bracket bulk work uniformly.
class NullUndoRecorder : public IUndoRecorder {
 public:
  void RecordCheck(TNode*, bool) override {}
  void RecordFold(TNode*, bool) override {}
  void RecordRename(TNode*, const std::string&) override {}
  void RecordMoveUp(TNode*) override {}
  void RecordMoveDown(TNode*) override {}
  void RecordNodeType(const TNodesArr&, std::int32_t) override {}
  void RecordToggleColumns(const TNodesArr&, std::int32_t) override {}
  void RecordRemove(const TNodesArr&) override {}
  void RecordPaste(const TNodesArr&) override {}
  void RecordGroup(TNode*, const TNodesArr&, const TPosArr&) override {}
  void RecordSeparate(TNode*, const TNodesArr&) override {}
  void RecordDataChange(TArrayDataStruct*, const TPointsRef&) override {}
  void BeginDataMultiChange() override {}
  void CommitDataMultiChange() override {}
  void BeginXShift() override {}
  void AddXShift(TArrayDataStruct*) override {}
  void CommitXShift() override {}
  void BeginPeakChange(const TVAStructs&, const std::string&) override {}
  void CommitPeakChange() override {}
  void BeginAllPeaks(const TVAStructs&) override {}
  void CommitAllPeaks(UndoAction) override {}
  void RecordRenamePeak(const TVAStructs&, const std::string&, const std::string&) override {}
  void BeginParams(const TVAStructs&) override {}
  void CommitParams() override {}
  void Clear() override {}
  void Suspend(bool on) override { suspended_ = on; }
  bool Suspended() const override { return suspended_; }

 private:
  bool suspended_ = false;
};

}  // namespace velmora
