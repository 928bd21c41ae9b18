#pragma once

#include <QColor>
#include <QString>

#include "TPredefPeak.h"
#include "TTableContent.h"

class QAction;
class QCustomPlot;
class QDockWidget;
class QWidget;

namespace velmora {

class IMessageSink;
class IUndoRecorder;
class TArrayDataStruct;

// What the peak windows need from the main window: its displayed curves,
// its chart, its actions and the way to report edits.
class IPeaksHost {
 public:
  virtual ~IPeaksHost() = default;

  virtual TTableContentArr& DisplayedCurves() = 0;
  virtual IUndoRecorder& undoRecorder() = 0;
  virtual IMessageSink& messageSink() = 0;
  virtual QCustomPlot* mainChart() = 0;
  // The dock the Peaks window lives in (null: a free window).
  virtual QDockWidget* peaksDock() = 0;
  // The parent for dialogs and menus.
  virtual QWidget* window() = 0;
  // The main window's action of that name, or null.
  virtual QAction* action(const char* name) = 0;
  // The name shown for a curve (its node's name).
  virtual QString curveName(const TArrayDataStruct* curve) = 0;

  // Curves were edited: the document is modified and the views follow.
  virtual void curvesEdited() = 0;
  // The check marks of DisplayedCurves changed: the chart follows.
  virtual void checksChanged() = 0;
  // Redraws the main chart (batched).
  virtual void redrawChart() = 0;
  virtual bool blackAndWhite() = 0;
  // Colours of the bands and of the peak captions, from the settings.
  virtual QColor peaksColor() = 0;
  virtual QColor crossPeaksColor() = 0;
  virtual QColor peakCaptionColor() = 0;
  // The colour of a curve of the colour cycle (black in black and white).
  virtual QColor curveColor(int colorIndex) = 0;

  // The measurement wizard's predefined peaks while it is shown (empty
  // otherwise) and whether it is shown.
  virtual bool wizardShown() = 0;
  virtual TPredefPeaks wizardPredefinedPeaks() = 0;
};

}  // namespace velmora
