#pragma once

#include <QColor>
#include <QString>
#include <vector>

class QAction;
class QWidget;

namespace velmora {

class IMessageSink;
class IUndoRecorder;
class TVAStruct;

// What the calculation window needs from the main window: the shown curves,
// the undo recorder, the actions and the way to report edits.
class ICalcHost {
 public:
  virtual ~ICalcHost() = default;

  // The curves the main window shows for the selection (ticked rows of
  // DisplayedCurves), in list order.
  virtual std::vector<TVAStruct*> shownCurves() = 0;
  // The colour of a shown curve's row.
  virtual QColor curveColor(std::size_t index) = 0;
  virtual IUndoRecorder& undoRecorder() = 0;
  virtual IMessageSink& messageSink() = 0;
  // The main window's action of that name, or null.
  virtual QAction* action(const char* name) = 0;
  // Curve parameters were edited: the document is modified.
  virtual void curvesEdited() = 0;
  // Peaks were edited (borders, new or removed peaks): the document is
  // modified and the charts and peak windows follow.
  virtual void peaksEdited() = 0;
  // Renames a curve's node (with its undo step).
  virtual void renameCurve(TVAStruct* curve, const QString& name) = 0;
  // Asks for a text (null when cancelled); tests replace the dialog.
  virtual QString askText(const QString& caption, const QString& prompt, const QString& initial) = 0;
};

}  // namespace velmora
