#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "TElementPeak.h"
#include "TPredefPeak.h"
#include "TTableContent.h"

namespace velmora {

class IMessageSink;
class IUndoRecorder;
class TVAStruct;

// The peak edits of the main window and the Peaks window over the displayed
// curves: automatic search, manual creation and border changes, calculation
// and baseline types, renaming, removal and the shift to a peak potential.
// Every edit is one undo step. Only checked (shown) curves take part in the
// search, the table and the marking; renaming, removal and the types act on
// every displayed curve that holds the peak.
class TPeakEditor {
 public:
  // `undo` gives the recorder in force at each edit.
  TPeakEditor(TTableContentArr& displayed, std::function<IUndoRecorder&()> undo);

  // Curve records of the displayed curves, in list order (checked ones only
  // for Checked()).
  std::vector<TVAStruct*> Displayed() const;
  std::vector<TVAStruct*> Checked() const;
  // Displayed curves that hold a peak of this name.
  std::vector<TVAStruct*> Holding(const std::string& name) const;

  // The peak table of the checked curves, values fresh.
  TElementsPeaksArr BuildTable() const;

  // "Peaks auto search": one undo step over every displayed curve; returns
  // the curves searched.
  std::vector<TVAStruct*> AutoSearch(int invert, const TPredefPeaks& predefined, int calcType);

  // --- Manual marking ---
  // Adds an empty-named peak at `potential` to every checked curve (after a
  // snapshot of every displayed curve's peaks). Returns the curves changed.
  std::vector<TVAStruct*> BeginNewPeak(double potential, int calcType);
  // True while the naming dialog must ask again: some displayed curve that
  // holds `oldName` also holds a real (non-empty span) peak `newName`.
  bool NameTaken(const std::string& oldName, const std::string& newName) const;
  // Gives the empty-named peak its name (replacing peaks of that name) and
  // records the step "New peak".
  std::vector<TVAStruct*> FinishNewPeak(const std::string& name, double additionConc);
  // Removes the empty-named peak again; nothing is recorded.
  std::vector<TVAStruct*> CancelNewPeak();

  // Border drag: snapshot of the curves holding the peak, then border moves
  // (indices of the potentials, ordered), then the step "Peak change".
  void BeginBorderChange(const std::string& name);
  std::vector<TVAStruct*> MoveBorders(const std::string& name, double beginPotential, double endPotential);
  void CommitBorderChange();
  bool BorderChangeOpen() const { return borderChangeOpen_; }

  // --- Types ---
  // One peak in every displayed curve that holds it; one undo step.
  std::vector<TVAStruct*> SetPeakCalcType(const std::string& name, int calcType);
  std::vector<TVAStruct*> SetPeakBaselineType(const std::string& name, int baselineType);
  // Every peak of every displayed curve. When the table's rows differ in the
  // type the sink is asked first; returns false (nothing changed) on No.
  bool SetAllCalcTypes(int calcType, IMessageSink& sink);
  bool SetAllBaselineTypes(int baselineType, IMessageSink& sink);
  // True when some row is mixed (-1) or two adjacent rows differ.
  static bool CalcTypesDiffer(const TElementsPeaksArr& table);
  static bool BaselineTypesDiffer(const TElementsPeaksArr& table);

  // --- Rename, remove, potential ---
  // Renames the first peak `oldName` of every displayed curve; false when
  // nothing was renamed.
  bool RenamePeak(const std::string& oldName, const std::string& newName);
  bool RemovePeak(const std::string& name);
  // The potential of the named peak when exactly one displayed curve holds
  // it and its type has one (0, 3, 7).
  std::optional<double> PeakPotential(const std::string& name) const;
  // Adds `delta` to the potential shift of every displayed curve; one step.
  void ShiftAll(double delta);

 private:
  IUndoRecorder& undo() const { return undo_(); }

  TTableContentArr& displayed_;
  std::function<IUndoRecorder&()> undo_;
  bool borderChangeOpen_ = false;
};

}  // namespace velmora
