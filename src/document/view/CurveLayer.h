#pragma once

#include <qcustomplot.h>

#include <QImage>
#include <cstdint>
#include <vector>

namespace velmora {

class CurvePlottable;

// Draws the curves of a chart on screen as one cached picture.
//
// It sits on a layer where the curves would be drawn (it is added before
// them) and draws the curves given to it (CurvePlottable::setCanvas), in
// the chart's order, with CurveRaster into a picture of the plot area,
// which it keeps: a replot in which no curve, pen, range or size changed
// (a peak mark moved, a hint changed, the calculation window asked for a
// new picture) only copies the picture, and curves added after those
// drawn are drawn onto it (the same picture as one drawn anew). Vector
// output (PDF, SVG, print) leaves every curve to draw itself. Curves with a
// dashed pen (black and white charts) also draw themselves.
class CurveLayer : public QCPLayerable {
  Q_OBJECT
 public:
  explicit CurveLayer(QCustomPlot* chart, const QString& layerName = QStringLiteral("main"));

  // The layer of `chart` for its document curves, made on first use.
  static CurveLayer* Of(QCustomPlot* chart);

  // The chart layer of a recording's live trace (below the curves).
  static constexpr const char* kLiveTraceLayer = "liveTrace";

  // How many times the picture was drawn anew (tests and benchmarks).
  int renders() const { return renders_; }

 protected:
  void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
  void draw(QCPPainter* painter) override;
  QRect clipRect() const override;

 private:
  friend class CurvePlottable;
  // True when `curve` is in the picture drawn in this replot.
  bool drew(const CurvePlottable* curve) const;

  struct Entry {
    const CurvePlottable* Curve = nullptr;
    std::uint64_t Geometry = 0;
    QRgb Color = 0;
    double Width = 0.0;
    bool Antialiased = false;
    friend bool operator==(const Entry&, const Entry&) = default;
  };

  std::vector<Entry> cachedEntries_;
  QRect cachedRect_;
  double cachedRatio_ = 0.0;
  QImage picture_;
  int renders_ = 0;
  std::uint64_t pass_ = 0;
};

}  // namespace velmora
