#pragma once

#include <QColor>
#include <QHash>
#include <QTimer>
#include <QWidget>

#include "TNodeForest.h"
#include "TTableContent.h"

class QCustomPlot;
class QCPAbstractPlottable;

class QLabel;
class QStackedLayout;

namespace velmora {

class CurveLayer;
class CurvePlottable;
class TPluginsManager;

// The main chart of the main window: the curves of the selected nodes
// (DisplayedCurves), the recording series, the view switches (axes, grid,
// legend, background, black and white) and the batched redraw: changes mark
// the chart dirty and one single-shot timer redraws it.
class MainChartView : public QWidget {
  Q_OBJECT
 public:
  MainChartView(TNodeForest& forest, TPluginsManager& hub, QWidget* parent = nullptr);

  QCustomPlot* chart() const { return chart_; }
  // The live trace of a recording: drawn in the order measured, into a
  // picture of its own, so that a new batch of points leaves the picture
  // of the document's curves as it is.
  CurvePlottable* recordingSeries() const { return recordingSeries_; }
  TTableContentArr& DisplayedCurves() { return displayed_; }
  const TTableContentArr& DisplayedCurves() const { return displayed_; }

  // Rebuilds DisplayedCurves from the selection (previous series removed).
  void rebuildDisplayedCurves();
  // Marks the chart for a redraw at the next idle moment.
  void scheduleRedraw();
  // Redraws at once (and cancels a pending redraw).
  void redrawNow();
  bool redrawPending() const { return dirty_; }
  // A record's points changed: its series is rebuilt at the next redraw.
  void refillSeries(const TArrayDataStruct* record);
  // Forgets every cached series (the document was cleared).
  void forgetSeries();

  // --- View switches ---
  void setFitImage(bool on);
  bool fitImage() const { return fitImage_; }
  // While zoomed, a redraw keeps the axis ranges even with "&Fit image".
  void setZoomed(bool on) { zoomed_ = on; }
  bool zoomed() const { return zoomed_; }
  void setAxesVisible(bool x, bool y);
  void setGridVisible(bool on);
  // 0 none, 1 right, 2 left, 3 top, 4 bottom.
  void setLegendStyle(int style);
  int legendStyle() const { return legendStyle_; }
  void setBlackAndWhite(bool on);
  bool blackAndWhite() const { return blackAndWhite_; }
  // Switches between white and `color`.
  void setBackground(bool useColor, const QColor& color);
  // A recording runs: the chart stays visible without a focused node.
  void setRecording(bool on);
  // True when the chart itself (not the empty-state page) is shown.
  bool chartShown() const;
  // The page shown instead of the empty-state text while the document holds
  // no node and nothing records (the start panel); owned by this view.
  void setStartPanel(QWidget* panel);
  bool startPanelShown() const;
  // Titles of the plotted series, in drawing order (for tests and export).
  QStringList seriesTitles() const;
  QList<QColor> seriesColors() const;

  void retranslate();

 signals:
  void redrawn();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QCPAbstractPlottable* seriesFor(const TArrayDataStruct* record);
  void applyLegendPlacement();

  TNodeForest& forest_;
  TPluginsManager& hub_;
  QStackedLayout* stack_ = nullptr;
  QCustomPlot* chart_ = nullptr;
  QLabel* emptyLabel_ = nullptr;
  QWidget* startPanel_ = nullptr;
  CurvePlottable* recordingSeries_ = nullptr;
  TTableContentArr displayed_;
  QHash<const TArrayDataStruct*, QCPAbstractPlottable*> series_;
  QTimer redrawTimer_;
  bool dirty_ = false;
  bool fitImage_ = true;
  bool blackAndWhite_ = false;
  bool recording_ = false;
  bool zoomed_ = false;
  int legendStyle_ = 0;
};

}  // namespace velmora
