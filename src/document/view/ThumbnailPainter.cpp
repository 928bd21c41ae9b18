#include "ThumbnailPainter.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "CurveDecimation.h"
#include "TArrayDataStruct.h"
#include "TNode.h"

namespace velmora {

namespace {

struct Bounds {
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  bool valid = false;
  void add(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    if (!valid) {
      minX = maxX = x;
      minY = maxY = y;
      valid = true;
      return;
    }
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
};

// The rows a record draws; a leaf that has not collected yet draws itself.
TStructCollection rowsOf(TArrayDataStruct& record) {
  if (!record.Curves.empty()) return record.Curves;
  if (!record.IsGroup() && !record.Data.empty()) return {{&record}};
  return {};
}

// The curve as a polyline through no more points than the picture's pixel
// columns show: the lowest and highest point of every column survive, so
// peaks do too.
QPolygonF polylineOf(const TDataArr& pts, const Bounds& b, const QRectF& area, qreal devicePixelRatio) {
  const double sx = (b.maxX > b.minX) ? area.width() / (b.maxX - b.minX) : 0.0;
  const double sy = (b.maxY > b.minY) ? area.height() / (b.maxY - b.minY) : 0.0;
  auto map = [&](const TDataPoint& p) {
    const double x = sx > 0 ? area.left() + (p.X - b.minX) * sx : area.center().x();
    const double y = sy > 0 ? area.bottom() - (p.Y - b.minY) * sy : area.center().y();
    return QPointF(x, y);
  };
  const auto columns = static_cast<long long>(std::ceil(area.width() * devicePixelRatio));
  QPolygonF poly;
  auto add = [&](const TDataPoint& p) {
    if (std::isfinite(p.X) && std::isfinite(p.Y)) poly.append(map(p));
  };
  // No more than four points per column: the line as measured.
  if (pts.size() <= 4 * static_cast<std::size_t>(std::max(columns, 1LL))) {
    poly.reserve(static_cast<qsizetype>(pts.size()));
    for (const TDataPoint& p : pts) add(p);
    return poly;
  }
  std::vector<std::size_t> keep;
  CurveDecimation::Reduce(pts, CurveDecimation::Span(b.minX, b.maxX, columns), keep);
  poly.reserve(static_cast<qsizetype>(keep.size()));
  for (std::size_t i : keep) add(pts[i]);
  return poly;
}

}  // namespace

const std::array<QColor, 8>& ThumbnailPainter::colorCycle() {
  static const std::array<QColor, 8> cycle = {
      QColor(0x00, 0x80, 0x00), QColor(0xFF, 0x00, 0x00), QColor(0x00, 0x00, 0xFF), QColor(0x80, 0x00, 0x00),
      QColor(0x00, 0xFF, 0x00), QColor(0x80, 0x80, 0x00), QColor(0x00, 0x80, 0x80), QColor(0x80, 0x00, 0x80)};
  return cycle;
}

QPixmap ThumbnailPainter::paint(const TNode& node, const Style& style, qreal devicePixelRatio) {
  const int w = std::max(1, style.width);
  const int h = std::max(1, style.height);
  QPixmap pm(QSize(w, h) * devicePixelRatio);
  pm.setDevicePixelRatio(devicePixelRatio);
  pm.fill(style.background);
  QPainter p(&pm);
  p.setPen(style.border);
  p.drawRect(0, 0, w - 1, h - 1);

  if (TArrayDataStruct* record = node.ArrayRecord()) {
    const TStructCollection rows = rowsOf(*record);
    std::vector<std::vector<std::pair<const TArrayDataStruct*, TDataArr>>> curves(rows.size());
    Bounds b;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      for (const TArrayDataStruct* c : rows[r]) {
        if (!c || !c->Visible) continue;
        TDataArr pts = c->DisplayData();
        for (const TDataPoint& pt : pts) b.add(pt.X, pt.Y);
        curves[r].emplace_back(c, std::move(pts));
      }
    }
    if (b.valid) {
      const int m = std::clamp(style.margins, 0, std::min(w, h) / 3);
      const QRectF area(m, m, std::max(1, w - 2 * m - 1), std::max(1, h - 2 * m - 1));
      std::unique_ptr<IThumbnailPeaks::Drawing> peaks;
      if (style.peaks) {
        std::vector<IThumbnailPeaks::Curve> marked;
        for (std::size_t r = 0; r < curves.size(); ++r) {
          for (const auto& entry : curves[r]) marked.push_back({entry.first, &entry.second, rowColor(r)});
        }
        const IThumbnailPeaks::Plot plot{area, b.minX, b.maxX, b.minY, b.maxY, style.peaksColor, style.crossPeaksColor};
        peaks = style.peaks->prepare(plot, marked);
      }
      if (peaks) peaks->drawBands(p);
      p.setRenderHint(QPainter::Antialiasing, true);
      for (std::size_t r = 0; r < curves.size(); ++r) {
        QPen pen(rowColor(r), 1.0);
        pen.setCosmetic(true);
        p.setPen(pen);
        for (const auto& entry : curves[r]) {
          const QPolygonF poly = polylineOf(entry.second, b, area, devicePixelRatio);
          if (poly.size() > 1) p.drawPolyline(poly);
        }
      }
      if (peaks) peaks->drawMarks(p);
      p.setRenderHint(QPainter::Antialiasing, false);
    }
  }
  p.setPen(style.border);
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, w - 1, h - 1);
  return pm;
}

}  // namespace velmora
