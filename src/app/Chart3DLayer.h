#pragma once

#include <qcustomplot.h>

#include <QColor>
#include <functional>
#include <vector>

#include "TDataPoint.h"
#include "TPeakBandsLayer.h"

namespace velmora {

// The main chart's three-dimensional view: an oblique projection in which
// every curve lies on a plane of its own, the first curve furthest back,
// inside a box of back wall, floor and side wall with the axes' grid. The
// peak table's bands lie on the back wall and the floor; each curve's peak
// borders stand on its plane; the same peak is joined from curve to curve.
// While on, the flat layers of the chart are hidden and this layer draws
// the axes itself.
class Chart3DLayer : public QCPLayerable {
  Q_OBJECT
 public:
  struct Settings {
    int Rotation = 333;   // 270..360: 360 looks straight at the front
    int Elevation = 340;  // 270..360: 360 looks level
    int Zoom = 63;        // percent
    int Depth = 10;       // percent of the chart's width
  };
  struct Curve {
    TDataArr Points;
    QColor Color;
  };
  using CurveSource = std::function<std::vector<Curve>()>;
  using PeakSource = std::function<const TPeakDrawing&()>;

  Chart3DLayer(QCustomPlot* chart, CurveSource curves, PeakSource peaks);

  void setOn(bool on);
  bool isOn() const { return on_; }
  void setSettings(const Settings& settings) { settings_ = settings; }
  const Settings& settings() const { return settings_; }
  void setShowBorders(bool on) { borders_ = on; }
  void setShowLinks(bool on) { links_ = on; }

  // The pixel of a point of curve plane z (0 the front, n - 1 the back) for
  // the last drawn geometry.
  QPointF project(double x, double y, double z) const;
  // Number of peak links drawn at the last drawing (for tests).
  int linksDrawn() const { return linksDrawn_; }

  // The chart's own default zoom, at which the box fills the chart.
  static constexpr int kFillZoom = 63;

  static constexpr const char* kLayer = "view3d";

 protected:
  void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
  void draw(QCPPainter* painter) override;
  QRect clipRect() const override;

 private:
  void layout(int curveCount);
  void drawBox(QCPPainter* p);
  void drawBands(QCPPainter* p, const TPeakDrawing& d);
  void drawBorders(QCPPainter* p, const TPeakDrawing& d, const std::vector<Curve>& curves);
  void drawLinks(QCPPainter* p, const TPeakDrawing& d);
  // The measurement marks and labels of the peaks at each curve's depth.
  void drawMarks(QCPPainter* p, const TPeakDrawing& d);
  QFont axisFont() const;

  CurveSource curves_;
  PeakSource peaks_;
  Settings settings_;
  bool on_ = false;
  bool borders_ = false;
  bool links_ = false;
  int linksDrawn_ = 0;
  QStringList hiddenLayers_;
  // Geometry of the last drawing.
  QRectF front_;
  QPointF depth_;
  double zMax_ = 1;
  QCPRange xr_, yr_;
};

}  // namespace velmora
