#pragma once

#include <QFont>
#include <functional>
#include <memory>
#include <span>

#include "TPrintChart.h"
#include "TSingleCalibration.h"

class QCustomPlot;

namespace velmora {
class TCalcSeriePlot;
}
class QPainter;
class QRect;

namespace velmora {

// The charts of the calibration pages: the standards' curves of a
// calibration (legend titles by their concentrations, peak bands and marks
// with "Peaks") and its calibration line through the regression series,
// titled with the element and R², on a concentration axis in mg/dm³.
class TCalibrationPrintCharts {
 public:
  TCalibrationPrintCharts();
  ~TCalibrationPrintCharts();

  // Draws chart number `chart` of the calibration document into `target`;
  // false for a number that names no calibration chart.
  bool draw(QPainter& painter, int chart, const QRect& target, std::span<const TSingleCalibration> calibrations,
            const TPrintChart::Options& options);

  // The calibration line chart and its series as last drawn.
  QCustomPlot& lineChart() { return *line_; }
  const TCalcSeriePlot* linePlot() const { return plot_.get(); }
  TPrintChart& curveChart() { return curves_; }

 private:
  void drawCurves(QPainter& painter, const QRect& target, const TSingleCalibration& c,
                  const TPrintChart::Options& options);
  void drawLine(QPainter& painter, const QRect& target, const TSingleCalibration& c, std::size_t index,
                const TPrintChart::Options& options);

  TPrintChart curves_;
  std::unique_ptr<QCustomPlot> line_;
  std::unique_ptr<TCalcSeriePlot> plot_;  // the line's series, kept with the chart
};

}  // namespace velmora
