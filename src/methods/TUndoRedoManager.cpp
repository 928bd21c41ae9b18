// Recording of undo steps and the control of the two lists.
#include "TUndoRedoManager.h"

#include <algorithm>

#include "Messages.h"
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
#include "TParamsObj.h"
#include "TPeaksNamesObj.h"
#include "TPeaksObj.h"
#include "TVAStruct.h"
#include "TVAStructObj.h"
#include "TXShiftObj.h"

namespace velmora {

namespace {

template <class T>
std::unique_ptr<T> Make(UndoAction code) {
  return std::make_unique<T>(static_cast<std::int32_t>(code));
}

template <class T>
bool Contains(const std::vector<T*>& list, const T* item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

// The peak of that name on each curve (an all-zero record and 0 when absent).
void CopyNamedPeaks(const TVAStructs& curves, const std::string& name, TPeaks& peaks,
                    std::vector<std::uint8_t>& present) {
  peaks.clear();
  present.clear();
  for (const TVAStruct* c : curves) {
    TPeakRecord p = TPeakRecord::Zero();
    const bool found = c != nullptr && c->CopyPeak(name, p);
    peaks.push_back(std::move(p));
    present.push_back(found ? 1 : 0);
  }
}

TParamsAll ParamsOf(const TVAStruct& c) {
  TParamsAll p;
  std::copy(c.Volumes.begin(), c.Volumes.end(), p.Volumes.begin());
  p.Variables = c.Variables;
  p.ResUnitTop = c.ResUnitTop;
  p.ResUnitBottom = c.ResUnitBottom;
  p.RecalcUnitTop = c.RecalcUnitTop;
  p.RecalcUnitBottom = c.RecalcUnitBottom;
  p.CalcCoefficients = c.CalcCoefficients;
  p.MeasurementType = c.Params.MeasurementType();
  p.CalculationMethod = c.CalculationMethod;
  p.CalibrationType = c.CalibrationType;
  p.HasCustomMethod = c.HasCustomMethod;
  p.CustomMethod = c.CustomMethod;
  return p;
}

}  // namespace

TUndoRedoManager::TUndoRedoManager() = default;

TUndoRedoManager::~TUndoRedoManager() = default;

void TUndoRedoManager::AttachView(TNodeForest* view) {
  if (view_ && view_ != view && &view_->Undo() == this) view_->SetUndoRecorder(nullptr);
  view_ = view;
  if (view_) view_->SetUndoRecorder(this);
  Clear();
}

// --- Lists -----------------------------------------------------------------------

void TUndoRedoManager::Push(std::unique_ptr<TUndoItem> item) {
  if (!Recording()) return;
  // A new edit makes the undone steps meaningless, unless it is the redo
  // itself re-recording its step.
  if (!redoing_) redoList_.clear();
  undoList_.push_back(std::move(item));
  Changed();
}

void TUndoRedoManager::Changed() {
  if (OnChange) OnChange();
}

void TUndoRedoManager::Clear() {
  undoList_.clear();
  redoList_.clear();
  collectingData_ = collectingShift_ = collectingPeak_ = collectingAllPeaks_ = collectingParams_ = false;
  pendingDataCurves_.clear();
  pendingPoints_.clear();
  pendingShiftCurves_.clear();
  pendingShifts_.clear();
  pendingPeakCurves_.clear();
  pendingPeaks_.clear();
  pendingPeakPresent_.clear();
  pendingAllPeaksCurves_.clear();
  pendingPeakLists_.clear();
  pendingParamCurves_.clear();
  pendingParams_.clear();
  Changed();
}

void TUndoRedoManager::Suspend(bool on) { suspended_ = on; }

const char* TUndoRedoManager::ActionText(std::int32_t code) {
  switch (static_cast<UndoAction>(code)) {
    case UndoAction::RemoveSelected:
      return msg::UndoRemoveSelected;
    case UndoAction::Rename:
      return msg::UndoRename;
    case UndoAction::ChangeNodeType:
      return msg::UndoChangeNodeType;
    case UndoAction::ShowHideSeries:
      return msg::UndoShowHideSeries;
    case UndoAction::FoldUnfold:
      return msg::UndoFoldUnfold;
    case UndoAction::MoveUp:
      return msg::UndoMoveUp;
    case UndoAction::MoveDown:
      return msg::UndoMoveDown;
    case UndoAction::Check:
      return msg::UndoCheck;
    case UndoAction::GroupNodes:
      return msg::UndoGroupNodes;
    case UndoAction::SeparateNodes:
      return msg::UndoSeparateNodes;
    case UndoAction::PeakChange:
    case UndoAction::PeakChange2:
      return msg::UndoPeakChange;
    case UndoAction::NewPeak:
      return msg::UndoNewPeak;
    case UndoAction::RemovePeak:
      return msg::UndoRemovePeak;
    case UndoAction::PeaksAutoSearch:
      return msg::UndoPeaksAutoSearch;
    case UndoAction::RenamePeak:
      return msg::UndoRenamePeak;
    case UndoAction::ParametersChange:
      return msg::UndoParametersChange;
    case UndoAction::PotentialShift:
      return msg::UndoPotentialShift;
    case UndoAction::PasteData:
      return msg::UndoPasteData;
    default:
      return msg::UndoDataChange;
  }
}

std::string TUndoRedoManager::UndoDescription() const {
  return undoList_.empty() ? std::string() : ActionText(undoList_.back()->Action);
}

std::string TUndoRedoManager::RedoDescription() const {
  return redoList_.empty() ? std::string() : ActionText(redoList_.back()->Action);
}

std::size_t TUndoRedoManager::DataBytes() const {
  std::size_t n = 0;
  for (const auto& item : undoList_) n += item->DataBytes();
  for (const auto& item : redoList_) n += item->DataBytes();
  return n;
}

// --- Steps about nodes -----------------------------------------------------------

void TUndoRedoManager::RecordCheck(TNode* node, bool oldChecked) {
  if (!Recording() || !node) return;
  auto item = Make<TNodeBoolObj>(UndoAction::Check);
  item->Node = node;
  item->Flag = oldChecked ? 1 : 0;
  auto twin = Make<TNodeBoolObj>(UndoAction::Check);
  twin->Node = node;
  twin->Flag = node->Checked;
  item->Twin = std::move(twin);
  Push(std::move(item));
}

void TUndoRedoManager::RecordFold(TNode* node, bool oldFolded) {
  if (!Recording() || !node) return;
  auto item = Make<TNodeBoolObj>(UndoAction::FoldUnfold);
  item->Node = node;
  item->Flag = oldFolded ? 1 : 0;
  auto twin = Make<TNodeBoolObj>(UndoAction::FoldUnfold);
  twin->Node = node;
  twin->Flag = node->Folded;
  item->Twin = std::move(twin);
  Push(std::move(item));
}

void TUndoRedoManager::RecordRename(TNode* node, const std::string& oldName) {
  if (!Recording() || !node) return;
  auto item = Make<TNodeStrObj>(UndoAction::Rename);
  item->Node = node;
  item->Name = oldName;
  auto twin = Make<TNodeStrObj>(UndoAction::Rename);
  twin->Node = node;
  twin->Name = node->Name;
  item->Twin = std::move(twin);
  Push(std::move(item));
}

void TUndoRedoManager::RecordMoveUp(TNode* node) {
  if (!Recording() || !node) return;
  auto item = Make<TNodeObj>(UndoAction::MoveUp);
  item->Node = node;
  auto twin = Make<TNodeObj>(UndoAction::MoveUp);
  twin->Node = node;
  item->Twin = std::move(twin);
  Push(std::move(item));
}

void TUndoRedoManager::RecordMoveDown(TNode* node) {
  if (!Recording() || !node) return;
  auto item = Make<TNodeObj>(UndoAction::MoveDown);
  item->Node = node;
  auto twin = Make<TNodeObj>(UndoAction::MoveDown);
  twin->Node = node;
  item->Twin = std::move(twin);
  Push(std::move(item));
}

void TUndoRedoManager::RecordNodeType(const TNodesArr& nodes, std::int32_t newType) {
  if (!Recording() || nodes.empty()) return;
  auto item = Make<TNodesIntValuesObj>(UndoAction::ChangeNodeType);
  for (TNode* n : nodes) {
    const TArrayDataStruct* rec = n ? n->ArrayRecord() : nullptr;
    if (!rec) continue;
    item->Nodes.push_back(n);
    item->Values.push_back(rec->NodeType);
  }
  if (item->Nodes.empty()) return;
  auto twin = Make<TNodesIndexObj>(UndoAction::ChangeNodeType);
  twin->Nodes = item->Nodes;
  twin->Value = newType;
  item->Twin = std::move(twin);
  Push(std::move(item));
}

void TUndoRedoManager::RecordToggleColumns(const TNodesArr& nodes, std::int32_t columnIndex) {
  if (!Recording() || nodes.empty()) return;
  auto item = Make<TNodesIndexObj>(UndoAction::ShowHideSeries);
  item->Nodes = nodes;
  item->Value = columnIndex;
  auto twin = Make<TNodesIndexObj>(UndoAction::ShowHideSeries);
  twin->Nodes = nodes;
  twin->Value = columnIndex;
  item->Twin = std::move(twin);
  Push(std::move(item));
}

void TUndoRedoManager::RecordRemove(const TNodesArr& nodes) {
  if (!Recording() || nodes.empty()) return;
  auto item = Make<TNodesWithPosObj>(UndoAction::RemoveSelected);
  item->Nodes = nodes;
  for (TNode* n : nodes) item->Positions.push_back(view_->PositionOf(n));
  auto twin = Make<TNodesObj>(UndoAction::RemoveSelected);
  twin->Nodes = nodes;
  item->Twin = std::move(twin);
  Push(std::move(item));
}

void TUndoRedoManager::RecordPaste(const TNodesArr& nodes) {
  if (!Recording() || nodes.empty()) return;
  auto item = Make<TNodesWithPosObj>(UndoAction::PasteData);
  item->Nodes = nodes;
  for (TNode* n : nodes) item->Positions.push_back(view_->PositionOf(n));
  auto twin = Make<TNodesWithPosObj>(UndoAction::PasteData);
  twin->Nodes = item->Nodes;
  twin->Positions = item->Positions;
  item->Twin = std::move(twin);
  Push(std::move(item));
}

void TUndoRedoManager::RecordGroup(TNode* group, const TNodesArr& nodes, const TPosArr& oldPositions) {
  if (!Recording() || !group || nodes.empty() || nodes.size() != oldPositions.size()) return;
  auto item = Make<TNodesWithPosObj>(UndoAction::GroupNodes);
  item->Node = group;
  item->Nodes = nodes;
  item->Positions = oldPositions;
  auto twin = Make<TNodesObj>(UndoAction::GroupNodes);
  twin->Node = group;
  twin->Nodes = nodes;
  item->Twin = std::move(twin);
  Push(std::move(item));
}

void TUndoRedoManager::RecordSeparate(TNode* group, const TNodesArr& nodes) {
  if (!Recording() || !group || nodes.empty()) return;
  auto item = Make<TNodesObj>(UndoAction::SeparateNodes);
  item->Node = group;
  item->Nodes = nodes;
  auto twin = Make<TNodesObj>(UndoAction::SeparateNodes);
  twin->Node = group;
  twin->Nodes = nodes;
  item->Twin = std::move(twin);
  Push(std::move(item));
}

// --- Points and shifts -----------------------------------------------------------

void TUndoRedoManager::RecordDataChange(TArrayDataStruct* curve, const TPointsRef& before) {
  if (!Recording() || !curve || !before) return;
  if (collectingData_) {
    // The first call of a curve holds its points before the whole command.
    if (Contains(pendingDataCurves_, curve)) return;
    pendingDataCurves_.push_back(curve);
    pendingPoints_.push_back(before);
    return;
  }
  auto item = Make<TVAStructObj>(UndoAction::DataChange);
  item->Curve = curve;
  // The curve's history holds the points before the change unless the
  // change skipped its snapshot (the first one after the points were put in
  // place directly); then the step keeps them.
  const auto index = curve->HistoryIndex;
  const bool inHistory = index >= 0 && static_cast<std::size_t>(index) < curve->History.size() &&
                         curve->History[static_cast<std::size_t>(index)] == before;
  if (!inHistory) {
    item->OwnPoints = 1;
    item->Points = *before;
  }
  Push(std::move(item));
}

void TUndoRedoManager::BeginDataMultiChange() {
  pendingDataCurves_.clear();
  pendingPoints_.clear();
  collectingData_ = Recording();
}

void TUndoRedoManager::CommitDataMultiChange() {
  if (!collectingData_) return;
  collectingData_ = false;
  if (pendingDataCurves_.empty()) return;
  auto item = Make<TDataMultiChangeObj>(UndoAction::DataMultiChange);
  item->Curves = std::move(pendingDataCurves_);
  item->Points = std::move(pendingPoints_);
  pendingDataCurves_.clear();
  pendingPoints_.clear();
  Push(std::move(item));
}

void TUndoRedoManager::BeginXShift() {
  pendingShiftCurves_.clear();
  pendingShifts_.clear();
  collectingShift_ = Recording();
}

void TUndoRedoManager::AddXShift(TArrayDataStruct* curve) {
  if (!Recording() || !curve) return;
  if (collectingShift_) {
    if (Contains(pendingShiftCurves_, curve)) return;
    pendingShiftCurves_.push_back(curve);
    pendingShifts_.push_back(curve->XShift);
    return;
  }
  // A shift set outside a bracketed command is a step of its own.
  auto item = Make<TXShiftObj>(UndoAction::PotentialShift);
  item->Curves = {curve};
  item->Shifts = {curve->XShift};
  Push(std::move(item));
}

void TUndoRedoManager::CommitXShift() {
  if (!collectingShift_) return;
  collectingShift_ = false;
  if (pendingShiftCurves_.empty()) return;
  auto item = Make<TXShiftObj>(UndoAction::PotentialShift);
  item->Curves = std::move(pendingShiftCurves_);
  item->Shifts = std::move(pendingShifts_);
  pendingShiftCurves_.clear();
  pendingShifts_.clear();
  Push(std::move(item));
}

// --- Peaks and parameters --------------------------------------------------------

void TUndoRedoManager::BeginPeakChange(const TVAStructs& curves, const std::string& peakName) {
  collectingPeak_ = Recording();
  pendingPeakCurves_ = curves;
  pendingPeakName_ = peakName;
  CopyNamedPeaks(curves, peakName, pendingPeaks_, pendingPeakPresent_);
}

void TUndoRedoManager::CommitPeakChange() {
  if (!collectingPeak_) return;
  collectingPeak_ = false;
  if (pendingPeakCurves_.empty()) return;
  auto item = Make<TPeaksObj>(UndoAction::PeakChange);
  item->Curves = std::move(pendingPeakCurves_);
  item->PeakName = std::move(pendingPeakName_);
  item->Peaks = std::move(pendingPeaks_);
  item->Present = std::move(pendingPeakPresent_);
  auto twin = Make<TPeaksObj>(UndoAction::PeakChange);
  twin->Curves = item->Curves;
  twin->PeakName = item->PeakName;
  CopyNamedPeaks(twin->Curves, twin->PeakName, twin->Peaks, twin->Present);
  item->Twin = std::move(twin);
  pendingPeakCurves_.clear();
  pendingPeaks_.clear();
  pendingPeakPresent_.clear();
  Push(std::move(item));
}

void TUndoRedoManager::BeginAllPeaks(const TVAStructs& curves) {
  collectingAllPeaks_ = Recording();
  pendingAllPeaksCurves_.clear();
  pendingPeakLists_.clear();
  for (TVAStruct* c : curves) {
    if (!c) continue;
    pendingAllPeaksCurves_.push_back(c);
    pendingPeakLists_.push_back(c->Peaks);
  }
}

void TUndoRedoManager::CommitAllPeaks(UndoAction code) {
  if (!collectingAllPeaks_) return;
  collectingAllPeaks_ = false;
  // Whole peak lists are put back as a "Peak change" of code 13; code 12
  // belongs to the one-peak record and would be applied as one.
  if (code == UndoAction::PeakChange) code = UndoAction::PeakChange2;
  if (pendingAllPeaksCurves_.empty()) return;
  auto item = Make<TAllPeaksObj>(code);
  item->Curves = std::move(pendingAllPeaksCurves_);
  item->PeakLists = std::move(pendingPeakLists_);
  auto twin = Make<TAllPeaksObj>(code);
  twin->Curves = item->Curves;
  for (const TVAStruct* c : twin->Curves) twin->PeakLists.push_back(c->Peaks);
  item->Twin = std::move(twin);
  pendingAllPeaksCurves_.clear();
  pendingPeakLists_.clear();
  Push(std::move(item));
}

void TUndoRedoManager::RecordRenamePeak(const TVAStructs& curves, const std::string& oldName,
                                        const std::string& newName) {
  if (!Recording() || curves.empty()) return;
  auto item = Make<TPeaksNamesObj>(UndoAction::RenamePeak);
  item->Curves = curves;
  item->OldName = oldName;
  item->NewName = newName;
  auto twin = Make<TPeaksNamesObj>(UndoAction::RenamePeak);
  twin->Curves = curves;
  twin->OldName = oldName;
  twin->NewName = newName;
  item->Twin = std::move(twin);
  Push(std::move(item));
}

void TUndoRedoManager::BeginParams(const TVAStructs& curves) {
  collectingParams_ = Recording();
  pendingParamCurves_.clear();
  pendingParams_.clear();
  for (TVAStruct* c : curves) {
    if (!c) continue;
    pendingParamCurves_.push_back(c);
    pendingParams_.push_back(ParamsOf(*c));
  }
}

void TUndoRedoManager::CommitParams() {
  if (!collectingParams_) return;
  collectingParams_ = false;
  if (pendingParamCurves_.empty()) return;
  auto item = Make<TParamsObj>(UndoAction::ParametersChange);
  item->Curves = std::move(pendingParamCurves_);
  item->Params = std::move(pendingParams_);
  auto twin = Make<TParamsObj>(UndoAction::ParametersChange);
  twin->Curves = item->Curves;
  for (const TVAStruct* c : twin->Curves) twin->Params.push_back(ParamsOf(*c));
  item->Twin = std::move(twin);
  pendingParamCurves_.clear();
  pendingParams_.clear();
  Push(std::move(item));
}

}  // namespace velmora
