#include "TPeakEditor.h"

#include <algorithm>

#include "CurveProcessing.h"
#include "IUndoRecorder.h"
#include "MessageSink.h"
#include "Messages.h"
#include "RecordPeaks.h"
#include "TVAStruct.h"

namespace velmora {

TPeakEditor::TPeakEditor(TTableContentArr& displayed, std::function<IUndoRecorder&()> undo)
    : displayed_(displayed), undo_(std::move(undo)) {}

std::vector<TVAStruct*> TPeakEditor::Displayed() const {
  std::vector<TVAStruct*> out;
  for (const TTableContent& c : displayed_) {
    if (auto* va = dynamic_cast<TVAStruct*>(c.Curve)) out.push_back(va);
  }
  return out;
}

std::vector<TVAStruct*> TPeakEditor::Checked() const {
  std::vector<TVAStruct*> out;
  for (const TTableContent& c : displayed_) {
    if (!c.Shown) continue;
    if (auto* va = dynamic_cast<TVAStruct*>(c.Curve)) out.push_back(va);
  }
  return out;
}

std::vector<TVAStruct*> TPeakEditor::Holding(const std::string& name) const {
  std::vector<TVAStruct*> out;
  for (TVAStruct* c : Displayed()) {
    if (c->FindPeak(name) >= 0) out.push_back(c);
  }
  return out;
}

TElementsPeaksArr TPeakEditor::BuildTable() const {
  const std::vector<TVAStruct*> checked = Checked();
  return BuildPeakTable(std::span<TVAStruct* const>(checked));
}

std::vector<TVAStruct*> TPeakEditor::AutoSearch(int invert, const TPredefPeaks& predefined, int calcType) {
  undo().BeginAllPeaks(Displayed());
  const std::vector<TVAStruct*> checked = Checked();
  for (TVAStruct* c : checked) AutoSearchPeaks(*c, invert, predefined, calcType);
  undo().CommitAllPeaks(UndoAction::PeaksAutoSearch);
  return checked;
}

// --- Manual marking -------------------------------------------------------------

std::vector<TVAStruct*> TPeakEditor::BeginNewPeak(double potential, int calcType) {
  undo().BeginAllPeaks(Displayed());
  const std::vector<TVAStruct*> checked = Checked();
  for (TVAStruct* c : checked) {
    // A leftover of an interrupted creation would be found first by name.
    c->DeletePeak(std::string());
    const std::int32_t index = c->IndexOfPotential(potential);
    if (index < 0) continue;  // no points: nothing to mark
    c->AddPeak(std::string(), calcType, index, index);
  }
  return checked;
}

bool TPeakEditor::NameTaken(const std::string& oldName, const std::string& newName) const {
  if (oldName == newName) return false;
  for (TVAStruct* c : Holding(oldName)) {
    const std::int32_t i = c->FindPeak(newName);
    if (i < 0) continue;
    const TPeakRecord& p = c->Peaks[static_cast<std::size_t>(i)];
    if (p.BeginIndex != p.EndIndex) return true;
  }
  return false;
}

std::vector<TVAStruct*> TPeakEditor::FinishNewPeak(const std::string& name, double additionConc) {
  const std::vector<TVAStruct*> checked = Checked();
  for (TVAStruct* c : checked) {
    if (c->FindPeak(std::string()) < 0) continue;
    if (!name.empty()) c->DeletePeak(name);
    c->RenamePeak(std::string(), name);
    c->SetAdditionConc(name, additionConc);
  }
  undo().CommitAllPeaks(UndoAction::NewPeak);
  return checked;
}

std::vector<TVAStruct*> TPeakEditor::CancelNewPeak() {
  const std::vector<TVAStruct*> checked = Checked();
  for (TVAStruct* c : checked) c->DeletePeak(std::string());
  return checked;
}

void TPeakEditor::BeginBorderChange(const std::string& name) {
  undo().BeginPeakChange(Holding(name), name);
  borderChangeOpen_ = true;
}

std::vector<TVAStruct*> TPeakEditor::MoveBorders(const std::string& name, double beginPotential, double endPotential) {
  std::vector<TVAStruct*> changed;
  for (TVAStruct* c : Checked()) {
    const std::int32_t i = c->FindPeak(name);
    if (i < 0) continue;
    TPeakRecord p = c->Peaks[static_cast<std::size_t>(i)];
    std::int32_t b = c->IndexOfPotential(beginPotential);
    std::int32_t e = c->IndexOfPotential(endPotential);
    if (b > e) std::swap(b, e);
    if (p.BeginIndex == b && p.EndIndex == e) continue;
    p.BeginIndex = b;
    p.EndIndex = e;
    c->SetPeak(i, p);
    changed.push_back(c);
  }
  return changed;
}

void TPeakEditor::CommitBorderChange() {
  if (!borderChangeOpen_) return;
  borderChangeOpen_ = false;
  undo().CommitPeakChange();
}

// --- Types ----------------------------------------------------------------------

std::vector<TVAStruct*> TPeakEditor::SetPeakCalcType(const std::string& name, int calcType) {
  const std::vector<TVAStruct*> curves = Holding(name);
  if (curves.empty()) return curves;
  undo().BeginPeakChange(curves, name);
  for (TVAStruct* c : curves) c->SetPeakCalcType(c->FindPeak(name), calcType);
  undo().CommitPeakChange();
  return curves;
}

std::vector<TVAStruct*> TPeakEditor::SetPeakBaselineType(const std::string& name, int baselineType) {
  const std::vector<TVAStruct*> curves = Holding(name);
  if (curves.empty()) return curves;
  undo().BeginPeakChange(curves, name);
  for (TVAStruct* c : curves) c->SetPeakBaselineType(c->FindPeak(name), baselineType);
  undo().CommitPeakChange();
  return curves;
}

bool TPeakEditor::CalcTypesDiffer(const TElementsPeaksArr& table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].CalcType < 0) return true;
    if (i > 0 && table[i].CalcType != table[i - 1].CalcType) return true;
  }
  return false;
}

bool TPeakEditor::BaselineTypesDiffer(const TElementsPeaksArr& table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].BaselineType < 0) return true;
    if (i > 0 && table[i].BaselineType != table[i - 1].BaselineType) return true;
  }
  return false;
}

bool TPeakEditor::SetAllCalcTypes(int calcType, IMessageSink& sink) {
  if (CalcTypesDiffer(BuildTable()) && sink.askYesNo(Message(msg::AskChangeAllCalcTypes)) != Answer::Yes) {
    return false;
  }
  const std::vector<TVAStruct*> curves = Displayed();
  undo().BeginAllPeaks(curves);
  for (TVAStruct* c : curves) {
    if (!c->Peaks.empty()) c->SetPeakCalcType(-1, calcType);
  }
  undo().CommitAllPeaks(UndoAction::PeakChange2);
  return true;
}

bool TPeakEditor::SetAllBaselineTypes(int baselineType, IMessageSink& sink) {
  if (BaselineTypesDiffer(BuildTable()) && sink.askYesNo(Message(msg::AskChangeAllBaselineTypes)) != Answer::Yes) {
    return false;
  }
  const std::vector<TVAStruct*> curves = Displayed();
  undo().BeginAllPeaks(curves);
  for (TVAStruct* c : curves) {
    if (!c->Peaks.empty()) c->SetPeakBaselineType(-1, baselineType);
  }
  undo().CommitAllPeaks(UndoAction::PeakChange2);
  return true;
}

// --- Rename, remove, potential ----------------------------------------------------

bool TPeakEditor::RenamePeak(const std::string& oldName, const std::string& newName) {
  if (oldName == newName) return false;
  const std::vector<TVAStruct*> curves = Holding(oldName);
  if (curves.empty()) return false;
  for (TVAStruct* c : curves) c->RenamePeak(oldName, newName);
  undo().RecordRenamePeak(curves, oldName, newName);
  return true;
}

bool TPeakEditor::RemovePeak(const std::string& name) {
  const std::vector<TVAStruct*> curves = Holding(name);
  if (curves.empty()) return false;
  undo().BeginAllPeaks(Displayed());
  for (TVAStruct* c : curves) c->DeletePeak(name);
  undo().CommitAllPeaks(UndoAction::RemovePeak);
  return true;
}

std::optional<double> TPeakEditor::PeakPotential(const std::string& name) const {
  const std::vector<TVAStruct*> curves = Holding(name);
  if (curves.size() != 1) return std::nullopt;
  TVAStruct* c = curves.front();
  const TPeakRecord peak = c->GetPeak(c->FindPeak(name));
  const TDataArr shown = c->DisplayData();
  return PeakPotentialForShift(shown, peak.CalcType, peak.MarkIndex1, peak.MarkIndex2);
}

void TPeakEditor::ShiftAll(double delta) {
  const std::vector<TVAStruct*> curves = Displayed();
  undo().BeginXShift();
  for (TVAStruct* c : curves) undo().AddXShift(c);
  for (TVAStruct* c : curves) c->SetXShift(c->GetXShift() + delta);
  undo().CommitXShift();
}

}  // namespace velmora
