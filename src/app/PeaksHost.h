#pragma once

#include <QObject>

#include "IPeaksHost.h"

namespace velmora {

class MainWindow;
class Options;
class TPeaksController;
class TPluginsManager;

// The main window as the peak windows see it; owns their controller.
class PeaksHost : public QObject, public IPeaksHost {
  Q_OBJECT
 public:
  PeaksHost(MainWindow& window, TPluginsManager& hub);
  ~PeaksHost() override;

  TPeaksController& controller() const { return *controller_; }
  // "Calculations"/"PeakCalcType" in and out of the settings.
  void applySettings(const Options& options);
  void storeSettings(Options& options) const;

  // --- IPeaksHost ---
  TTableContentArr& DisplayedCurves() override;
  IUndoRecorder& undoRecorder() override;
  IMessageSink& messageSink() override;
  QCustomPlot* mainChart() override;
  QDockWidget* peaksDock() override;
  QWidget* window() override;
  QAction* action(const char* name) override;
  QString curveName(const TArrayDataStruct* curve) override;
  void curvesEdited() override;
  void checksChanged() override;
  void redrawChart() override;
  bool blackAndWhite() override;
  QColor peaksColor() override;
  QColor crossPeaksColor() override;
  QColor peakCaptionColor() override;
  QColor curveColor(int colorIndex) override;
  bool wizardShown() override;
  TPredefPeaks wizardPredefinedPeaks() override;

 private:
  MainWindow& window_;
  TPeaksController* controller_ = nullptr;
  int peaksColor_ = 16698812;
  int crossPeaksColor_ = 12639424;
  int captionColor_ = 4194304;
};

}  // namespace velmora
