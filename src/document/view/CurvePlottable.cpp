#include "CurvePlottable.h"

#include <QPaintDevice>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>

#include "CurveDecimation.h"
#include "CurveLayer.h"

namespace velmora {

namespace {

// Every computation of a curve's pixels gets a number no other gets, so a
// cached picture can tell a curve's new line from its old one.
std::atomic<std::uint64_t> gStamps{0};

bool finite(const TDataPoint& p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

bool inDomain(double v, QCP::SignDomain d) {
  return d == QCP::sdBoth || (d == QCP::sdPositive && v > 0) || (d == QCP::sdNegative && v < 0);
}

// Distance from `p` to the segment a-b.
double distanceToSegment(const QPointF& p, const QPointF& a, const QPointF& b) {
  const QPointF ab = b - a;
  const double len2 = ab.x() * ab.x() + ab.y() * ab.y();
  double t = len2 > 0 ? ((p.x() - a.x()) * ab.x() + (p.y() - a.y()) * ab.y()) / len2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  const QPointF d = p - (a + t * ab);
  return std::sqrt(d.x() * d.x() + d.y() * d.y());
}

}  // namespace

CurvePlottable::CurvePlottable(QCPAxis* keyAxis, QCPAxis* valueAxis) : QCPAbstractPlottable(keyAxis, valueAxis) {}

void CurvePlottable::setPoints(TDataArr points) {
  points_ = std::move(points);
  ++version_;
  hasBounds_ = false;
  widenBounds(points_);
}

void CurvePlottable::setCanvas(CurveLayer* canvas) {
  canvas_ = canvas;
  if (canvas && canvas->layer()) setLayer(canvas->layer());
}

CurveLayer* CurvePlottable::canvas() const { return canvas_.data(); }

void CurvePlottable::appendPoints(std::span<const TDataPoint> points) {
  if (points.empty()) return;
  points_.insert(points_.end(), points.begin(), points.end());
  ++version_;
  widenBounds(points);
}

void CurvePlottable::widenBounds(std::span<const TDataPoint> points) {
  double kLo = keyBounds_.lower, kHi = keyBounds_.upper, vLo = valueBounds_.lower, vHi = valueBounds_.upper;
  bool any = hasBounds_;
  for (const TDataPoint& p : points) {
    if (!finite(p)) continue;
    if (!any) {
      kLo = kHi = p.X;
      vLo = vHi = p.Y;
      any = true;
      continue;
    }
    kLo = std::min(kLo, p.X);
    kHi = std::max(kHi, p.X);
    vLo = std::min(vLo, p.Y);
    vHi = std::max(vHi, p.Y);
  }
  if (!any) return;
  keyBounds_ = QCPRange(kLo, kHi);
  valueBounds_ = QCPRange(vLo, vHi);
  hasBounds_ = true;
}

QCPRange CurvePlottable::getKeyRange(bool& foundRange, QCP::SignDomain inSignDomain) const {
  if (inSignDomain == QCP::sdBoth) {
    foundRange = hasBounds_;
    return hasBounds_ ? keyBounds_ : QCPRange();
  }
  QCPRange r;
  foundRange = false;
  for (const TDataPoint& p : points_) {
    if (!finite(p) || !inDomain(p.X, inSignDomain)) continue;
    if (!foundRange) {
      r = QCPRange(p.X, p.X);
      foundRange = true;
    } else {
      r.expand(p.X);
    }
  }
  return r;
}

QCPRange CurvePlottable::getValueRange(bool& foundRange, QCP::SignDomain inSignDomain,
                                       const QCPRange& inKeyRange) const {
  const bool restrictKeys = inKeyRange != QCPRange();
  if (inSignDomain == QCP::sdBoth && !restrictKeys) {
    foundRange = hasBounds_;
    return hasBounds_ ? valueBounds_ : QCPRange();
  }
  QCPRange r;
  foundRange = false;
  for (const TDataPoint& p : points_) {
    if (!finite(p) || !inDomain(p.Y, inSignDomain)) continue;
    if (restrictKeys && !inKeyRange.contains(p.X)) continue;
    if (!foundRange) {
      r = QCPRange(p.Y, p.Y);
      foundRange = true;
    } else {
      r.expand(p.Y);
    }
  }
  return r;
}

namespace {

// An axis's linear map from coordinates to pixels, the same operations in
// the same order as the axis's own, without a call per point.
class LinearMap {
 public:
  explicit LinearMap(const QCPAxis* axis)
      : lower_(axis->range().lower),
        upper_(axis->range().upper),
        reversed_(axis->rangeReversed()),
        horizontal_(axis->orientation() == Qt::Horizontal),
        start_(horizontal_ ? axis->axisRect()->left() : axis->axisRect()->bottom()),
        extent_(horizontal_ ? axis->axisRect()->width() : axis->axisRect()->height()) {}
  double operator()(double value) const {
    const double along = (reversed_ ? upper_ - value : value - lower_) / (upper_ - lower_) * extent_;
    return horizontal_ ? along + start_ : start_ - along;
  }

 private:
  double lower_, upper_;
  bool reversed_, horizontal_;
  double start_, extent_;
};

}  // namespace

QPointF CurvePlottable::toPixels(const TDataPoint& p) const {
  QCPAxis* k = mKeyAxis.data();
  QCPAxis* v = mValueAxis.data();
  const double kp = k->coordToPixel(p.X);
  const double vp = v->coordToPixel(p.Y);
  return k->orientation() == Qt::Horizontal ? QPointF(kp, vp) : QPointF(vp, kp);
}

CurvePlottable::GeometryKey CurvePlottable::keyFor(long long columns) const {
  QCPAxis* k = mKeyAxis.data();
  QCPAxis* v = mValueAxis.data();
  GeometryKey key;
  key.Keys = k->range();
  key.Values = v->range();
  key.Rect = k->axisRect()->rect();
  key.Columns = columns;
  key.KeyReversed = k->rangeReversed();
  key.ValueReversed = v->rangeReversed();
  key.Version = version_;
  return key;
}

bool CurvePlottable::geometryCurrent(long long columns) const { return keyFor(columns) == cachedKey_; }

const QPolygonF& CurvePlottable::geometry(long long columns) const {
  QCPAxis* k = mKeyAxis.data();
  QCPAxis* v = mValueAxis.data();
  const GeometryKey key = keyFor(columns);
  if (key == cachedKey_) return cached_;
  cachedKey_ = key;
  stamp_ = ++gStamps;
  cached_.clear();
  const TDataArr& pts = points_;
  // A curve of no more than four points per column is drawn whole: the
  // reduction would save little and the line stays the measured one.
  if (columns > 0 && k->scaleType() == QCPAxis::stLinear && pts.size() > 4 * static_cast<std::size_t>(columns)) {
    std::vector<std::size_t> keep;
    CurveDecimation::Reduce(pts, CurveDecimation::Span(key.Keys.lower, key.Keys.upper, columns), keep);
    cached_.reserve(static_cast<qsizetype>(keep.size()));
    for (std::size_t i : keep) cached_.append(toPixels(pts[i]));
  } else if (k->scaleType() == QCPAxis::stLinear && v->scaleType() == QCPAxis::stLinear) {
    const LinearMap keyMap(k), valueMap(v);
    const bool horizontal = k->orientation() == Qt::Horizontal;
    cached_.resize(static_cast<qsizetype>(pts.size()));
    QPointF* out = cached_.data();
    for (const TDataPoint& p : pts) {
      const double kp = keyMap(p.X), vp = valueMap(p.Y);
      *out++ = horizontal ? QPointF(kp, vp) : QPointF(vp, kp);
    }
  } else {
    cached_.reserve(static_cast<qsizetype>(pts.size()));
    for (const TDataPoint& p : pts) cached_.append(toPixels(p));
  }
  return cached_;
}

long long CurvePlottable::screenColumns(double ratio) const {
  return std::llround(std::abs(static_cast<double>(mKeyAxis->axisRect()->width())) * ratio);
}

bool CurvePlottable::antialiasedOn(QCPPainter* painter) const {
  const bool before = painter->antialiasing();
  applyDefaultAntialiasingHint(painter);
  const bool on = painter->antialiasing();
  painter->setAntialiasing(before);
  return on;
}

void CurvePlottable::draw(QCPPainter* painter) {
  if (canvas_ && canvas_->drew(this)) return;
  if (points_.empty() || !mKeyAxis || !mValueAxis) return;
  if (mPen.style() == Qt::NoPen) return;
  const bool vector = painter->modes().testFlag(QCPPainter::pmVectorized);
  long long columns = 0;
  if (!vector) {
    columns = screenColumns(painter->device() ? painter->device()->devicePixelRatioF() : 1.0);
  } else if (vectorColumnsPerPixel_ > 0) {
    columns = std::llround(std::abs(static_cast<double>(mKeyAxis->axisRect()->width())) * vectorColumnsPerPixel_);
  }
  const QPolygonF& line = geometry(columns);
  if (!vector) drawn_ = static_cast<std::size_t>(line.size());
  QPen pen = mPen;
  // A one-pixel line on screen is drawn cosmetic, as the library's own
  // series do: the same pixels, much faster.
  if (!vector && qFuzzyCompare(pen.widthF(), 1.0)) pen.setWidth(0);
  painter->setPen(pen);
  painter->setBrush(Qt::NoBrush);
  // Non-finite points break the line.
  qsizetype start = 0;
  const qsizetype n = line.size();
  auto flush = [&](qsizetype end) {
    if (end - start > 1) painter->drawPolyline(line.constData() + start, static_cast<int>(end - start));
  };
  for (qsizetype i = 0; i < n; ++i) {
    const QPointF& p = line[i];
    if (std::isfinite(p.x()) && std::isfinite(p.y())) continue;
    flush(i);
    start = i + 1;
  }
  flush(n);
}

void CurvePlottable::drawLegendIcon(QCPPainter* painter, const QRectF& rect) const {
  applyDefaultAntialiasingHint(painter);
  painter->setPen(mPen);
  const double y = rect.top() + rect.height() / 2.0;
  // Drawn a little past the box so that dashed pens show their last dash.
  painter->drawLine(QLineF(rect.left(), y, rect.right() + 5, y));
}

double CurvePlottable::selectTest(const QPointF& pos, bool onlySelectable, QVariant* details) const {
  Q_UNUSED(details)
  if ((onlySelectable && mSelectable == QCP::stNone) || points_.empty() || !mKeyAxis || !mValueAxis) return -1;
  if (!mKeyAxis->axisRect()->rect().contains(pos.toPoint())) return -1;
  // The line as last drawn, so that pointing at the chart never recomputes it.
  const QPolygonF& line = geometry(cachedKey_.Columns > 0 ? cachedKey_.Columns : screenColumns(1.0));
  double best = std::numeric_limits<double>::max();
  for (qsizetype i = 0; i + 1 < line.size(); ++i) {
    const QPointF& a = line[i];
    const QPointF& b = line[i + 1];
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y())) continue;
    best = std::min(best, distanceToSegment(pos, a, b));
  }
  return best == std::numeric_limits<double>::max() ? -1 : best;
}

}  // namespace velmora
