#pragma once

#include <qcustomplot.h>

#include <QPointer>
#include <cstdint>
#include <span>
#include <vector>

#include "TDataPoint.h"

namespace velmora {

class CurveLayer;

// A voltammogram on a chart, drawn in measuring order whatever way X runs
// (sweeps one way and cyclic sweeps alike).
//
// On screen the line goes through no more points than the screen can show:
// the points are reduced to the device pixel columns of the visible range
// (CurveDecimation: the exact lowest and highest point of every column,
// peaks never lost), and the reduced line in pixels is kept until the
// ranges, the plot size or the points change. Given to a CurveLayer, the
// curve is drawn by it into the chart's cached curve picture. Vector output
// (PDF, SVG, printing) gets every point in one path, or, for a printed
// chart, the points reduced at the printer's own resolution
// (setVectorColumnsPerPixel). The points are never changed.
class CurvePlottable : public QCPAbstractPlottable {
  Q_OBJECT
 public:
  CurvePlottable(QCPAxis* keyAxis, QCPAxis* valueAxis);

  void setPoints(TDataArr points);
  // A live trace grows batch by batch.
  void appendPoints(std::span<const TDataPoint> points);
  void clearPoints() { setPoints(TDataArr()); }
  const TDataArr& points() const { return points_; }
  int dataCount() const { return static_cast<int>(points_.size()); }

  // The layer that draws this curve on screen (null: it draws itself); the
  // curve moves onto the layer's chart layer, after it.
  void setCanvas(CurveLayer* canvas);
  CurveLayer* canvas() const;

  // Vector output reduced to this many columns per pixel of the chart (the
  // printer's resolution over the chart's); 0 (the default) draws every
  // point.
  void setVectorColumnsPerPixel(double columns) { vectorColumnsPerPixel_ = columns; }

  // The points the last screen drawing used (after reduction).
  std::size_t drawnPoints() const { return drawn_; }

  double selectTest(const QPointF& pos, bool onlySelectable, QVariant* details = nullptr) const override;
  QCPRange getKeyRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth) const override;
  QCPRange getValueRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth,
                         const QCPRange& inKeyRange = QCPRange()) const override;

 protected:
  void draw(QCPPainter* painter) override;
  void drawLegendIcon(QCPPainter* painter, const QRectF& rect) const override;

 private:
  friend class CurveLayer;

  struct GeometryKey {
    QCPRange Keys, Values;
    QRect Rect;
    long long Columns = -1;
    bool KeyReversed = false, ValueReversed = false;
    std::uint64_t Version = 0;
    friend bool operator==(const GeometryKey&, const GeometryKey&) = default;
  };
  // The line in pixels for `columns` device columns (0: every point), and
  // a number that changes whenever it is computed anew.
  const QPolygonF& geometry(long long columns) const;
  // Whether geometry(columns) would return the line kept from before.
  bool geometryCurrent(long long columns) const;
  std::uint64_t geometryStamp() const { return stamp_; }
  // The screen columns of the plot at `ratio` device pixels per pixel.
  long long screenColumns(double ratio) const;
  // Whether the chart draws this curve antialiased now.
  bool antialiasedOn(QCPPainter* painter) const;
  GeometryKey keyFor(long long columns) const;
  QPointF toPixels(const TDataPoint& p) const;
  void widenBounds(std::span<const TDataPoint> points);

  TDataArr points_;
  std::uint64_t version_ = 0;
  double vectorColumnsPerPixel_ = 0.0;
  QCPRange keyBounds_, valueBounds_;
  bool hasBounds_ = false;
  QPointer<CurveLayer> canvas_;
  // The canvas's drawing in which it last drew this curve (0: never).
  std::uint64_t claimedPass_ = 0;
  mutable GeometryKey cachedKey_;
  mutable QPolygonF cached_;
  mutable std::uint64_t stamp_ = 0;
  std::size_t drawn_ = 0;
};

}  // namespace velmora
