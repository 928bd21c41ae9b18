#pragma once

#include <Qt>

class QCustomPlot;

namespace velmora {

// Where a chart's legend goes so that it covers no data: outside the plot,
// on one of its four sides.
class ChartLegend {
 public:
  // Moves the legend of `chart` out of the plot to `side` (Qt::AlignLeft,
  // AlignRight, AlignTop or AlignBottom): beside the plot in a column of
  // its own for left and right; above or below it for top and bottom, the
  // entries then side by side in as many columns as the chart's width
  // holds. Call again after the entries or the size changed.
  static void PlaceOutside(QCustomPlot& chart, Qt::Alignment side);
};

}  // namespace velmora
