#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <functional>
#include <vector>

#include "PeakMarkGeometry.h"

class QPainter;

namespace velmora {

// Draws the peaks of a chart with a painter: the coloured bands of the peak
// table and the curves' border lines before the curves, the measurement
// marks (baselines, tangents, double arrows) and the labels after them. The
// geometry comes from PeakMarkGeometry; this class only maps data to pixels
// and paints. Every chart that shows voltammograms uses it: the thumbnails,
// the main chart, the printed chart and the windows with a curve chart.
class TPeakPainter {
 public:
  // Data (potential, current) to pixels.
  using Mapper = std::function<QPointF(double x, double y)>;

  struct Frame {
    QRectF Plot;       // the plot rectangle in pixels
    TAxisRanges Axes;  // its visible ranges
    Mapper Map;        // the chart's bottom and left axes
    qreal LineWidth = 1.0;
    int FontPixels = 12;
  };

  struct Colors {
    QColor Peaks = QColor(0xbc, 0xce, 0xfe);       // a band whose curves agree
    QColor CrossPeaks = QColor(0xc0, 0xdc, 0xc0);  // a band whose borders differ
    QColor Caption = QColor(0x00, 0x00, 0x40);
  };

  struct Curve {
    const TDataArr* Points = nullptr;  // displayed points, as the series holds them
    const TPeaks* Peaks = nullptr;     // with fresh values
    QColor Color = Qt::red;
    Mapper Map;  // the curve's own axes; the frame's when empty
  };

  // Bands of the table rows one pixel inside the plot's height (white when
  // `plain`), then, with `borders`, a black line at every curve's peak
  // begin and end over the whole plot height.
  static void DrawPeakBands(QPainter& painter, const Frame& frame, bool plain, const Colors& colors,
                            const TElementsPeaksArr& table, const std::vector<Curve>& curves, bool borders = true);

  // The measurement marks of every row on every curve holding the peak
  // (with `geometry`) and the names and, for a single curve, the values
  // (with `labels`).
  static void DrawPeakMarks(QPainter& painter, const Frame& frame, const TElementsPeaksArr& table, bool geometry,
                            const Colors& colors, const std::vector<Curve>& curves, bool labels);

  // A double arrow between two pixel points on a plot `plotHeight` high, in
  // the painter's pen; heads filled in `fill`.
  static void DrawDoubleArrow(QPainter& painter, QPointF a, QPointF b, double plotHeight, const QColor& fill);

  // --- Three-dimensional chart ---
  // Curve k of n lies at depth n − 1 − k; depths run from DepthMin (front)
  // to DepthMax (back).
  struct Projection {
    std::function<QPointF(double x, double y, double z)> Map;
    TAxisRanges Axes;
    double DepthMin = 0.0;
    double DepthMax = 1.0;
    QRectF Plot;
    qreal LineWidth = 1.0;
    int FontPixels = 12;
  };

  // Bands on the back plane and on the floor.
  static void DrawPeakBands3D(QPainter& painter, const Projection& view, bool plain, const Colors& colors,
                              const TElementsPeaksArr& table);
  // Each curve's peak borders at its own depth.
  static void DrawPeakBorders3D(QPainter& painter, const Projection& view, const std::vector<Curve>& curves);
  // The same peak joined from curve to curve, in the painter's pen.
  static void DrawPeakLinks3D(QPainter& painter, const Projection& view, const TElementsPeaksArr& table,
                              const std::vector<Curve>& curves);
  // Marks by each row's calculation type at every curve's depth.
  static void DrawPeakMarks3D(QPainter& painter, const Projection& view, const TElementsPeaksArr& table, bool geometry,
                              const Colors& colors, const std::vector<Curve>& curves, bool labels);

  // The chart curves as the geometry sees them.
  static std::vector<TPeakChartCurve> ChartCurves(const std::vector<Curve>& curves);
};

}  // namespace velmora
