#pragma once

#include <QColor>
#include <QList>

#include "TCalcSerie.h"

class QCustomPlot;
class QCPGraph;
class QCPItemLine;
class QCPItemText;

namespace velmora {

// Draws one regression series on a chart: the points (with value marks
// while Labels is on), the fitted line, the level lines and the result
// mark, tagged with the element's name (the concentration itself is read
// out beside the plot, see TCalcChart). Only Points appears in a legend.
// The marks start beside their points; TChartLabels lays them out.
class TCalcSeriePlot {
 public:
  explicit TCalcSeriePlot(QCustomPlot* chart);
  ~TCalcSeriePlot();
  TCalcSeriePlot(const TCalcSeriePlot&) = delete;
  TCalcSeriePlot& operator=(const TCalcSeriePlot&) = delete;

  TCalcSerie& serie() { return serie_; }
  const TCalcSerie& serie() const { return serie_; }
  bool attached() const { return attached_; }
  QCustomPlot* chart() const { return chart_; }

  // Puts the four series on the chart / takes them off.
  void Attach();
  void Detach();
  // Moves the series to another chart, attached there when they were here.
  void SetChart(QCustomPlot* chart);
  // Copies the series' points into the graphs (after a filling or fit).
  void Redraw();

  // How the points' values are written: in the peak value format, as the
  // calculation table shows them, or with four significant digits (signals
  // in amperes).
  enum class ValueFormat { Peak, Significant };
  void setValueFormat(ValueFormat format) { format_ = format; }

  // A mark on the chart and the point (data coordinates) it labels: a
  // point's value, or the element's name at the result mark; with the thin
  // line that joins a mark placed farther off to its point.
  struct Mark {
    QCPItemText* Item = nullptr;
    double X = 0.0;
    double Y = 0.0;
    bool Result = false;
    QCPItemLine* Leader = nullptr;
  };
  const QList<Mark>& marks() const { return marks_; }
  QList<Mark>& marks() { return marks_; }

 private:
  void create();
  void destroy();
  void clearMarks();

  QCustomPlot* chart_ = nullptr;
  TCalcSerie serie_;
  bool attached_ = false;
  QCPGraph* points_ = nullptr;
  QCPGraph* line_ = nullptr;
  QCPGraph* level_ = nullptr;
  QCPGraph* result_ = nullptr;
  QList<Mark> marks_;
  ValueFormat format_ = ValueFormat::Peak;
};

}  // namespace velmora
