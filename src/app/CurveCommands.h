#pragma once

#include <QObject>

#include <QPointer>
#include <functional>
#include <vector>
#include "TDataPoint.h"

#include "TUndoRedoManager.h"

class QSpinBox;

namespace velmora {

class MainWindow;
class Settings;
class TArrayDataStruct;
class TImagePreviewBox;

// The main window's curve commands and its undo and redo: "Smoothing"
// (with the "Smoothing filter value" box), "Inverse by X" / "Inverse by Y",
// "Set potential shift", the "Semi-integral" and "Semilogarithmic
// coordinates" display modes, "Undo" and "Redo". It owns the program's one
// undo recorder and attaches it to the window's document.
//
// Every curve command applies to each curve drawn in the main chart
// (DisplayedCurves; a group stands for every leaf below it), suspends the
// painting of the tree, is recorded as one undo step and marks the document
// modified.
class CurveCommands : public QObject {
  Q_OBJECT
 public:
  CurveCommands(MainWindow& window, Settings& settings);
  ~CurveCommands() override;

  TUndoRedoManager& undo() { return undo_; }
  QSpinBox* filterBox() const { return filterBox_; }

  // Takes the smoothing filter value from the settings (after they were
  // read).
  void applySettings();

  // The commands, also for tests and scripts.
  void Smooth();
  void Invert(int axis);
  // Asks for the shift with the input box "Enter the potential shift".
  void SetXShift();
  void ApplyXShift(double shift);
  void SetSemiIntegralMode(bool on);
  void SetSemilogMode(bool on);
  void Undo();
  void Redo();

  // The leaf curves the commands change: every leaf of every displayed
  // curve, each once.
  std::vector<TArrayDataStruct*> targets() const;

  // Replaces the input box (tests): gets the suggested text, fills the
  // typed text and returns whether it was confirmed.
  std::function<bool(const QString& suggestion, QString& text)> askText;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Runs a point edit on every target as one undo step: the new points are
  // computed on every core (off the window's thread, with progress and
  // "Cancel", when there are many), then put in place at once; a cancelled
  // edit changes nothing.
  void editPoints(const std::function<TDataArr(const TDataArr&)>& edit, bool busy);
  void switchMode(bool semiIntegral, bool on);
  void updateUndoActions();
  void retranslate();
  void reportError(const std::exception& e);

  MainWindow& window_;
  Settings& settings_;
  QPointer<TImagePreviewBox> tree_;
  TUndoRedoManager undo_;
  QSpinBox* filterBox_ = nullptr;
};

}  // namespace velmora
