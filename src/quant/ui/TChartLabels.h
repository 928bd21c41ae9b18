#pragma once

#include <span>

class QCustomPlot;
class QFont;

namespace velmora {

class TCalcSeriePlot;

// The value marks of a printed calculation chart, laid out so that each
// stays legible: inside the plot frame, clear of the other marks, of every
// point and of the legend, and off the fitted and level lines where there
// is room. A mark with no room beside its point goes farther off on a thin
// leader line; one repeating the value of a neighbouring point is left
// out. The chart must be laid out at its final size and ranges.
class TChartLabels {
 public:
  // The marks of `plots` on `chart`, written in `font`. The results' marks
  // are placed first, then the points' marks series by series.
  static void Arrange(QCustomPlot& chart, std::span<TCalcSeriePlot* const> plots, const QFont& font);
};

}  // namespace velmora
