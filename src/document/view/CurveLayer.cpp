#include "CurveLayer.h"

#include <QPaintDevice>
#include <algorithm>

#include "CurvePlottable.h"
#include "CurveRaster.h"
#include "WorkSplit.h"

namespace velmora {

namespace {

constexpr const char* kProperty = "velmoraCurveLayer";

}  // namespace

CurveLayer::CurveLayer(QCustomPlot* chart, const QString& layerName) : QCPLayerable(chart) {
  if (QCPLayer* l = chart->layer(layerName)) setLayer(l);
}

CurveLayer* CurveLayer::Of(QCustomPlot* chart) {
  if (auto* existing = qobject_cast<CurveLayer*>(chart->property(kProperty).value<QObject*>())) return existing;
  auto* made = new CurveLayer(chart);
  chart->setProperty(kProperty, QVariant::fromValue(static_cast<QObject*>(made)));
  return made;
}

void CurveLayer::applyDefaultAntialiasingHint(QCPPainter* painter) const { painter->setAntialiasing(false); }

QRect CurveLayer::clipRect() const {
  if (mParentPlot && mParentPlot->axisRect()) return mParentPlot->axisRect()->rect();
  return QRect();
}

bool CurveLayer::drew(const CurvePlottable* curve) const {
  return curve->claimedPass_ != 0 && curve->claimedPass_ == pass_;
}

void CurveLayer::draw(QCPPainter* painter) {
  ++pass_;
  if (!mParentPlot || !mParentPlot->axisRect()) return;
  // Vector output: every curve draws its own path.
  if (painter->modes().testFlag(QCPPainter::pmVectorized)) return;

  std::vector<CurvePlottable*> curves;
  for (int i = 0; i < mParentPlot->plottableCount(); ++i) {
    auto* c = qobject_cast<CurvePlottable*>(mParentPlot->plottable(i));
    if (!c || c->canvas() != this || !c->visible() || c->points().empty()) continue;
    if (c->pen().style() == Qt::NoPen) continue;
    // A dashed line is the painter's: then every curve is, so that the
    // order of the curves stays as it is.
    if (c->pen().style() != Qt::SolidLine || c->brush().style() != Qt::NoBrush) return;
    curves.push_back(c);
  }
  // The chart clips its layers one pixel higher than the plot; the picture
  // covers what the curves themselves would.
  const QRect rect = clipRect().translated(0, -1);
  if (curves.empty() || rect.isEmpty()) return;
  const double ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;

  // The lines in pixels of curves new to the chart or to its range are
  // computed on both cores when there are many (each curve keeps its own).
  std::vector<long long> columns(curves.size());
  std::size_t stale = 0;
  for (std::size_t i = 0; i < curves.size(); ++i) {
    columns[i] = curves[i]->screenColumns(ratio);
    if (!curves[i]->geometryCurrent(columns[i])) ++stale;
  }
  WorkSplit::ForEach(
      curves.size(), [&](std::size_t i) { curves[i]->geometry(columns[i]); }, nullptr, stale >= 16 ? 0 : 1);

  std::vector<Entry> entries;
  entries.reserve(curves.size());
  for (CurvePlottable* c : curves) {
    const bool smooth = c->antialiasedOn(painter);
    const double width = c->pen().widthF() > 0 ? c->pen().widthF() : 1.0;
    entries.push_back({c, c->geometryStamp(), c->pen().color().rgba(), width, smooth});
    c->drawn_ = static_cast<std::size_t>(c->cached_.size());
  }
  const bool samePlace = rect == cachedRect_ && ratio == cachedRatio_ && !picture_.isNull();
  // Curves added after the ones drawn (a node added to the selection) go
  // onto the picture as it is: the picture is the same as one drawn anew.
  const bool added = samePlace && entries.size() > cachedEntries_.size() &&
                     std::equal(cachedEntries_.begin(), cachedEntries_.end(), entries.begin());
  if (!samePlace || entries != cachedEntries_) {
    const std::size_t first = added ? cachedEntries_.size() : 0;
    if (!added) {
      // The picture's memory is kept from one drawing to the next.
      const QSize size = rect.size() * ratio;
      if (picture_.size() != size || picture_.format() != QImage::Format_ARGB32_Premultiplied) {
        picture_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
      }
      picture_.fill(Qt::transparent);
    }
    picture_.setDevicePixelRatio(1.0);
    std::vector<CurveRaster::Stroke> strokes;
    strokes.reserve(entries.size() - first);
    for (std::size_t i = first; i < entries.size(); ++i) {
      const QPolygonF& line = curves[i]->cached_;
      CurveRaster::Stroke s;
      s.Points = line.constData();
      s.Count = static_cast<std::size_t>(line.size());
      // The chart's painter draws antialiased lines half a pixel right of
      // and below their coordinates; the picture keeps that place.
      s.Origin = QPointF(rect.topLeft()) - (entries[i].Antialiased ? QPointF(0.5, 0.5) : QPointF());
      s.Scale = ratio;
      s.Color = curves[i]->pen().color();
      s.Width = entries[i].Width * ratio;
      s.Antialiased = entries[i].Antialiased;
      strokes.push_back(s);
    }
    CurveRaster::Draw(picture_, picture_.rect(), strokes);
    picture_.setDevicePixelRatio(ratio);
    cachedEntries_ = std::move(entries);
    cachedRect_ = rect;
    cachedRatio_ = ratio;
    ++renders_;
  }
  for (CurvePlottable* c : curves) c->claimedPass_ = pass_;
  painter->drawImage(rect.topLeft(), picture_);
}

}  // namespace velmora
