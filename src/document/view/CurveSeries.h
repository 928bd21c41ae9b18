#pragma once

#include <QList>
#include <QString>

#include "IUndoRecorder.h"
#include "TDataPoint.h"
#include "TNode.h"
#include "TTableContent.h"

class QCustomPlot;
class QCPAbstractPlottable;
class QPen;

namespace velmora {

// The series and the look of a voltammogram chart, shared by the main chart
// and the pictures drawn without a window.
class CurveSeries {
 public:
  // The curves a chart shows for `nodes`: every row of each node's record
  // (a leaf is its own row), one colour of the cycle per row.
  static TTableContentArr Rows(const TNodesArr& nodes);
  // The title of a curve's series: its node's name without carets.
  static QString Title(const TArrayDataStruct* curve);
  // Axis pens, grid pens, bold axis titles and the legend frame.
  static void StyleChart(QCustomPlot* chart);
  // A series of the points (a CurvePlottable, drawn in recording order and
  // reduced to the screen's pixel columns), drawn on screen into the chart's
  // cached curve picture (CurveLayer::Of). Not in the legend.
  static QCPAbstractPlottable* Create(QCustomPlot* chart, TDataArr points);
  // The same series drawn with `pen`; a non-empty `name` gives it its entry
  // in the legend.
  static QCPAbstractPlottable* Create(QCustomPlot* chart, TDataArr points, const QPen& pen,
                                      const QString& name = QString());
  // Sets both axes to the joint range of the visible series (Y with 5 %
  // room); false when none has points.
  static bool FitAxes(QCustomPlot* chart, const QList<QCPAbstractPlottable*>& series);
};

}  // namespace velmora
