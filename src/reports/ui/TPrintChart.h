#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <memory>
#include <vector>

#include "TDataPoint.h"
#include "TPeakBandsLayer.h"
#include "TPeakRecord.h"

class QCustomPlot;
class QPainter;
class QRect;

namespace velmora {

// The curve chart of a printed page: a hidden chart of 700 × 467 pixels
// with white background, the chosen axes, grid and legend, the curves in
// the colour cycle (or black), and, with peaks, the peak bands and borders
// before the curves and the measurement marks with names and values after
// them. Drawn as a vector picture stretched over its block.
class TPrintChart {
 public:
  struct Options {
    bool BottomAxis = true;
    bool LeftAxis = true;
    bool Grid = true;
    bool Legend = true;
    int LegendStyle = 1;  // 1 right, 2 left, 3 top, 4 bottom
    bool Peaks = true;
    bool BlackAndWhite = false;
    bool Auto = true;
    double XMin = -2000, XMax = 2000, YMin = -2000, YMax = 2000;
    QFont Font;
    int FontSize = 8;
    QColor PeaksColor = QColor(0xbc, 0xce, 0xfe);
    QColor CrossPeaksColor = QColor(0xc0, 0xdc, 0xc0);
    QColor CaptionColor = QColor(0x00, 0x00, 0x40);
  };
  struct Curve {
    QString Title;
    TDataArr Points;  // displayed points
    TPeaks Peaks;     // with fresh values
  };

  static constexpr int kWidth = 700;
  static constexpr int kHeight = 467;

  TPrintChart();
  ~TPrintChart();

  void setCurves(const std::vector<Curve>& curves, const Options& options);
  // The chart exported 700 pixels wide at the block's proportions and
  // stretched into `target`.
  void draw(QPainter& painter, const QRect& target);
  QCustomPlot& chart() { return *chart_; }
  const TPeakDrawing& peakDrawing() const { return drawing_; }

 private:
  std::unique_ptr<QCustomPlot> chart_;
  TPeakDrawing drawing_;
  TPeakBandsLayer* bands_ = nullptr;
  TPeakBandsLayer* marks_ = nullptr;
};

}  // namespace velmora
