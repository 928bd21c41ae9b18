#pragma once

#include <span>

class QCustomPlot;
class QFont;

namespace velmora {

class TCalcSeriePlot;

// The marks of a calculation chart, on screen and in print, laid out so
// that each stays legible: inside the plot frame, clear of the other marks,
// of every point and of a legend inside the plot, and off the fitted and
// level lines where there is room. A mark with no room beside its point
// goes farther off on a thin leader line; one repeating the value of a
// neighbouring point is left out. The chart must be laid out at its final
// size and ranges; arranging again (after a resize) starts afresh.
class TChartLabels {
 public:
  // The marks of `plots` on `chart`, written in `font`. The results' marks
  // are placed first, then the points' marks series by series.
  static void Arrange(QCustomPlot& chart, std::span<TCalcSeriePlot* const> plots, const QFont& font);
};

}  // namespace velmora
