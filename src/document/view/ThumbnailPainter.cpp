#include "ThumbnailPainter.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

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

// Appends the curve as a polyline; long curves keep the lowest and highest
// point of every pixel column so that peaks survive the reduction.
void addPolyline(QPolygonF& poly, const TDataArr& pts, const Bounds& b, const QRectF& area) {
  const double sx = (b.maxX > b.minX) ? area.width() / (b.maxX - b.minX) : 0.0;
  const double sy = (b.maxY > b.minY) ? area.height() / (b.maxY - b.minY) : 0.0;
  auto map = [&](const TDataPoint& p) {
    const double x = sx > 0 ? area.left() + (p.X - b.minX) * sx : area.center().x();
    const double y = sy > 0 ? area.bottom() - (p.Y - b.minY) * sy : area.center().y();
    return QPointF(x, y);
  };
  const std::size_t n = pts.size();
  poly.reserve(static_cast<qsizetype>(std::min<std::size_t>(n, static_cast<std::size_t>(area.width() * 4 + 8))));
  if (n <= static_cast<std::size_t>(area.width() * 4)) {
    for (const TDataPoint& p : pts) {
      if (std::isfinite(p.X) && std::isfinite(p.Y)) poly.append(map(p));
    }
    return;
  }
  int column = INT32_MIN;
  QPointF lo, hi, first, last;
  auto flush = [&] {
    if (column == INT32_MIN) return;
    poly.append(first);
    if (lo.y() != first.y()) poly.append(lo);
    if (hi.y() != lo.y()) poly.append(hi);
    poly.append(last);
  };
  for (const TDataPoint& p : pts) {
    if (!std::isfinite(p.X) || !std::isfinite(p.Y)) continue;
    const QPointF q = map(p);
    const int c = static_cast<int>(std::floor(q.x()));
    if (c != column) {
      flush();
      column = c;
      first = lo = hi = last = q;
      continue;
    }
    if (q.y() > lo.y()) lo = q;
    if (q.y() < hi.y()) hi = q;
    last = q;
  }
  flush();
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
          QPolygonF poly;
          addPolyline(poly, entry.second, b, area);
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
