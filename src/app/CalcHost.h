#pragma once

#include <QObject>

#include "ICalcHost.h"

namespace velmora {

class MainWindow;
class Settings;
class TCalcForm;
class TEquationEditor;
class TPluginsManager;

// The main window as the calculation window and the equation editor see it:
// adopts "Calculations", "Equation editor...", the cell and peak commands
// of the table and "Include zero point", and docks the calculation chart.
class CalcHost : public QObject, public ICalcHost {
  Q_OBJECT
 public:
  CalcHost(MainWindow& window, Settings& settings, TPluginsManager& hub);
  ~CalcHost() override;

  TCalcForm& form() const { return *form_; }
  TEquationEditor& equationEditor() const { return *editor_; }
  // Opens the equation editor (modal); the window's method list follows.
  void EqEditorActnExecute();

  // --- ICalcHost ---
  std::vector<TVAStruct*> shownCurves() override;
  QColor curveColor(std::size_t index) override;
  IUndoRecorder& undoRecorder() override;
  IMessageSink& messageSink() override;
  QAction* action(const char* name) override;
  void curvesEdited() override;
  void peaksEdited() override;
  void renameCurve(TVAStruct* curve, const QString& name) override;
  QString askText(const QString& caption, const QString& prompt, const QString& initial) override;

 private:
  MainWindow& window_;
  Settings& settings_;
  TPluginsManager& hub_;
  TCalcForm* form_ = nullptr;
  TEquationEditor* editor_ = nullptr;
};

}  // namespace velmora
