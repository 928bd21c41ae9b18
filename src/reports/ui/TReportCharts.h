#pragma once

#include <QRect>
#include <memory>
#include <vector>

#include "TPrintChart.h"
#include "TReportDocument.h"

class QCustomPlot;
class QPainter;

namespace velmora {

class TCalcChart;
class TReportRec;

// Draws the charts of a printed report: an experiment's curves on the
// print chart, and its calculation chart on a hidden chart of the same
// size: the calculation of the experiment, redone over its curves, drawn
// as the calculation window draws it (the regressions its results are
// read from, the read-out of the concentrations found).
class TReportCharts {
 public:
  TReportCharts();
  ~TReportCharts();

  // The report and the charts of its laid-out document (not owned).
  void setReport(TReportRec* report, std::vector<TReportChartRef> charts, const TPrintChart::Options& options);
  // Chart number `chart` (1-based, as the blocks number them) into `target`.
  void draw(QPainter& painter, int chart, const QRect& target);

 private:
  void drawCurves(QPainter& painter, std::size_t experiment, const QRect& target);
  void drawCalculation(QPainter& painter, std::size_t experiment, const QRect& target);

  TReportRec* report_ = nullptr;
  std::vector<TReportChartRef> charts_;
  TPrintChart::Options options_;
  TPrintChart curves_;
  std::unique_ptr<QCustomPlot> calc_;
  std::unique_ptr<TCalcChart> calcChart_;  // on calc_
};

}  // namespace velmora
