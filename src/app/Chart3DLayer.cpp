#include "Chart3DLayer.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "CurveLayer.h"
#include "NumberFormat.h"
#include "TPeakPainter.h"

namespace velmora {

namespace {

constexpr const char* kFlatLayers[] = {
    "grid", "main", "axes", CurveLayer::kLiveTraceLayer, TPeakBandsLayer::kBandsLayer, TPeakBandsLayer::kMarksLayer};

// Round steps of 1, 2 or 5 times a power of ten, about `count` of them.
std::vector<double> Ticks(const QCPRange& r, int count) {
  std::vector<double> out;
  if (!(r.size() > 0) || !std::isfinite(r.size())) return out;
  const double raw = r.size() / count;
  const double mag = std::pow(10.0, std::floor(std::log10(raw)));
  double step = mag;
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    step = m * mag;
    if (step >= raw) break;
  }
  for (double t = std::ceil(r.lower / step) * step; t <= r.upper + step * 1e-9 && out.size() < 100; t += step)
    out.push_back(std::abs(t) < step * 1e-9 ? 0.0 : t);
  return out;
}

}  // namespace

Chart3DLayer::Chart3DLayer(QCustomPlot* chart, CurveSource curves, PeakSource peaks)
    : QCPLayerable(chart), curves_(std::move(curves)), peaks_(std::move(peaks)) {
  if (!chart->layer(kLayer)) chart->addLayer(kLayer, chart->layer("main"), QCustomPlot::limAbove);
  setLayer(kLayer);
  setVisible(false);
}

void Chart3DLayer::setOn(bool on) {
  if (on == on_) return;
  on_ = on;
  setVisible(on);
  for (const char* name : kFlatLayers) {
    if (QCPLayer* l = parentPlot()->layer(name)) l->setVisible(!on);
  }
}

void Chart3DLayer::applyDefaultAntialiasingHint(QCPPainter* painter) const { painter->setAntialiasing(true); }

QRect Chart3DLayer::clipRect() const { return parentPlot()->viewport(); }

void Chart3DLayer::layout(int curveCount) {
  const QRect vp = parentPlot()->viewport();
  // Room for the tick labels and the titles at the left and at the bottom.
  const QFontMetricsF fm(axisFont());
  const double left = fm.horizontalAdvance(QStringLiteral("-0000.00")) + 2.5 * fm.height();
  const double bottom = 2.5 * fm.height() + 10;
  const QRectF avail = QRectF(vp).adjusted(left, 12, -16, -bottom);
  const double pi = 3.14159265358979323846;
  const double a = (360 - settings_.Rotation) * pi / 180.0;
  const double e = (360 - settings_.Elevation) * pi / 180.0;
  const double length = settings_.Depth / 100.0 * avail.width() * std::sqrt(2.0);
  double dx = std::min(length * std::sin(a), avail.width() * 0.5);
  double dy = std::min(length * std::sin(e), avail.height() * 0.5);
  QRectF front(avail.left(), avail.top() + dy, avail.width() - dx, avail.height() - dy);
  // The chart's default zoom fills the area; more zooms in, less leaves a
  // margin. The box shrinks or grows about the area's centre; the texts keep
  // their size.
  const double zoom = std::clamp(settings_.Zoom, 1, 500) / static_cast<double>(kFillZoom);
  if (zoom != 1.0) {
    const QPointF c = avail.center();
    front = QRectF(c + (front.topLeft() - c) * zoom, c + (front.bottomRight() - c) * zoom);
    dx *= zoom;
    dy *= zoom;
  }
  depth_ = QPointF(dx, -dy);
  front_ = front;
  zMax_ = std::max(curveCount - 1, 1);
  xr_ = parentPlot()->xAxis->range();
  yr_ = parentPlot()->yAxis->range();
}

QFont Chart3DLayer::axisFont() const {
  QFont font = parentPlot()->xAxis->tickLabelFont();
  if (font.pointSizeF() > 0 && font.pointSizeF() < 9) font.setPointSizeF(9);
  return font;
}

QPointF Chart3DLayer::project(double x, double y, double z) const {
  const double fx = xr_.size() != 0 ? (x - xr_.lower) / xr_.size() : 0.5;
  const double fy = yr_.size() != 0 ? (y - yr_.lower) / yr_.size() : 0.5;
  const double fz = z / zMax_;
  return {front_.left() + fx * front_.width() + fz * depth_.x(),
          front_.bottom() - fy * front_.height() + fz * depth_.y()};
}

void Chart3DLayer::draw(QCPPainter* p) {
  if (!on_) return;
  const std::vector<Curve> curves = curves_ ? curves_() : std::vector<Curve>{};
  const int n = static_cast<int>(curves.size());
  layout(n);
  p->save();
  drawBox(p);
  static const TPeakDrawing kNone;
  const TPeakDrawing& d = peaks_ ? peaks_() : kNone;
  if (d.Visible) {
    drawBands(p, d);
    if (borders_) drawBorders(p, d, curves);
  }
  // Back to front, so that nearer curves cover those behind.
  for (int k = 0; k < n; ++k) {
    const Curve& c = curves[static_cast<std::size_t>(k)];
    if (c.Points.empty()) continue;
    const double z = n - 1 - k;
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(c.Points.size()));
    for (const TDataPoint& pt : c.Points) line << project(pt.X, pt.Y, z);
    p->setPen(QPen(c.Color, 1.5));
    p->drawPolyline(line);
  }
  linksDrawn_ = 0;
  if (d.Visible && links_) drawLinks(p, d);
  if (d.Visible && d.Labels) drawMarks(p, d);
  p->restore();
}

void Chart3DLayer::drawBox(QCPPainter* p) {
  const double z = zMax_;
  const QPointF fbl = project(xr_.lower, yr_.lower, 0), fbr = project(xr_.upper, yr_.lower, 0);
  const QPointF bbl = project(xr_.lower, yr_.lower, z), bbr = project(xr_.upper, yr_.lower, z);
  const QPointF btl = project(xr_.lower, yr_.upper, z), btr = project(xr_.upper, yr_.upper, z);
  const QPointF ftl = project(xr_.lower, yr_.upper, 0);
  const QPen frame(QColor(0x40, 0x48, 0x55), 1);
  p->setPen(frame);
  p->setBrush(QColor(0xf5, 0xf7, 0xfa));
  p->drawPolygon(QPolygonF({bbl, bbr, btr, btl}));  // back wall
  p->setBrush(QColor(0xe8, 0xec, 0xf1));
  p->drawPolygon(QPolygonF({fbl, fbr, bbr, bbl}));  // floor
  p->setBrush(QColor(0xee, 0xf1, 0xf5));
  p->drawPolygon(QPolygonF({fbl, bbl, btl, ftl}));  // side wall
  p->setBrush(Qt::NoBrush);

  const QPen grid(QColor(0xc8, 0xcf, 0xd8), 0, Qt::DotLine);
  const QFont font = axisFont();
  p->setFont(font);
  const QFontMetricsF fm(font);
  const std::vector<double> xTicks = Ticks(xr_, std::clamp(static_cast<int>(front_.width() / 90), 2, 10));
  const double xStep = xTicks.size() > 1 ? xTicks[1] - xTicks[0] : xr_.size();
  for (double t : xTicks) {
    p->setPen(grid);
    p->drawLine(project(t, yr_.lower, z), project(t, yr_.upper, z));
    p->drawLine(project(t, yr_.lower, 0), project(t, yr_.lower, z));
    p->setPen(frame);
    const QPointF at = project(t, yr_.lower, 0);
    p->drawLine(at, at + QPointF(0, 4));
    const QString text = QString::fromStdString(NumberFormat::AtResolution(t, xStep));
    p->drawText(QRectF(at.x() - 50, at.y() + 5, 100, fm.height()), Qt::AlignHCenter | Qt::AlignTop, text);
  }
  const std::vector<double> yTicks = Ticks(yr_, std::clamp(static_cast<int>(front_.height() / 45), 2, 10));
  const double yStep = yTicks.size() > 1 ? yTicks[1] - yTicks[0] : yr_.size();
  for (double t : yTicks) {
    p->setPen(grid);
    p->drawLine(project(xr_.lower, t, z), project(xr_.upper, t, z));
    p->drawLine(project(xr_.lower, t, 0), project(xr_.lower, t, z));
    p->setPen(frame);
    const QPointF at = project(xr_.lower, t, 0);
    p->drawLine(at, at - QPointF(4, 0));
    const QString text = QString::fromStdString(NumberFormat::AtResolution(t, yStep));
    p->drawText(QRectF(at.x() - 106, at.y() - fm.height() / 2, 100, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                text);
  }
  p->setPen(frame);
  p->drawLine(fbl, fbr);
  p->drawLine(fbl, ftl);
  QFont titleFont = parentPlot()->xAxis->labelFont();
  p->setFont(titleFont);
  const QFontMetricsF tm(titleFont);
  p->drawText(QRectF(fbl.x(), fbl.y() + fm.height() + 8, fbr.x() - fbl.x(), tm.height()), Qt::AlignHCenter,
              parentPlot()->xAxis->label());
  p->save();
  p->translate(fbl.x() - 8 - fm.horizontalAdvance(QStringLiteral("-0000.00")) - tm.height(), (fbl.y() + ftl.y()) / 2);
  p->rotate(-90);
  p->drawText(QRectF(-200, 0, 400, tm.height()), Qt::AlignHCenter, parentPlot()->yAxis->label());
  p->restore();
}

void Chart3DLayer::drawBands(QCPPainter* p, const TPeakDrawing& d) {
  p->setPen(Qt::NoPen);
  const double z = zMax_;
  const double pixel = yr_.size() / std::max(front_.height(), 1.0);
  for (const TElementPeak& row : d.Table) {
    QColor c = d.Plain ? QColor(Qt::white) : (row.BordersDiffer ? d.CrossPeaksColor : d.PeaksColor);
    c.setAlpha(d.Plain ? 255 : 170);
    p->setBrush(c);
    const double top = yr_.upper - pixel, bottom = yr_.lower + pixel;
    p->drawPolygon(QPolygonF({project(row.BeginPotential, bottom, z), project(row.EndPotential, bottom, z),
                              project(row.EndPotential, top, z), project(row.BeginPotential, top, z)}));
    p->drawPolygon(QPolygonF({project(row.BeginPotential, bottom, z), project(row.EndPotential, bottom, z),
                              project(row.EndPotential, bottom, 0), project(row.BeginPotential, bottom, 0)}));
  }
  p->setBrush(Qt::NoBrush);
}

void Chart3DLayer::drawBorders(QCPPainter* p, const TPeakDrawing& d, const std::vector<Curve>&) {
  p->setPen(QPen(Qt::black, 1));
  const int n = static_cast<int>(d.Curves.size());
  for (int k = 0; k < n; ++k) {
    const auto& c = d.Curves[static_cast<std::size_t>(k)];
    const double z = n - 1 - k;
    for (const TPeakRecord& peak : c.Peaks) {
      for (std::int32_t index : {peak.BeginIndex, peak.EndIndex}) {
        if (index < 0 || static_cast<std::size_t>(index) >= c.Points.size()) continue;
        const double x = c.Points[static_cast<std::size_t>(index)].X;
        p->drawLine(project(x, yr_.lower, z), project(x, yr_.upper, z));
      }
    }
  }
}

void Chart3DLayer::drawMarks(QCPPainter* p, const TPeakDrawing& d) {
  TPeakPainter::Projection view;
  view.Map = [this](double x, double y, double z) { return project(x, y, z); };
  view.Axes = {xr_.lower, xr_.upper, yr_.lower, yr_.upper};
  view.DepthMin = 0;
  view.DepthMax = zMax_;
  view.Plot = front_;
  view.LineWidth = 1.2;
  TPeakPainter::Colors colors;
  colors.Caption = d.CaptionColor;
  std::vector<TPeakPainter::Curve> curves;
  curves.reserve(d.Curves.size());
  for (const TPeakDrawing::Curve& c : d.Curves) curves.push_back({&c.Points, &c.Peaks, c.Color, {}});
  TPeakPainter::DrawPeakMarks3D(*p, view, d.Table, true, colors, curves, true);
}

void Chart3DLayer::drawLinks(QCPPainter* p, const TPeakDrawing& d) {
  p->setPen(QPen(Qt::black, 1.2));
  const int n = static_cast<int>(d.Curves.size());
  // The points of a peak that are joined, in the order of its type.
  auto pointsOf = [](const TPeakDrawing::Curve& c, const TPeakRecord& pk, int type) {
    auto at = [&](std::int32_t i) -> std::optional<TDataPoint> {
      if (i < 0 || static_cast<std::size_t>(i) >= c.Points.size()) return std::nullopt;
      return c.Points[static_cast<std::size_t>(i)];
    };
    std::vector<std::optional<TDataPoint>> out;
    switch (type) {
      case 0:
        out = {at(pk.BeginIndex), at(pk.EndIndex), at(pk.MarkIndex2)};
        break;
      case 1:
        out = {at(pk.BeginIndex), at(pk.EndIndex)};
        break;
      case 2: {
        auto a = at(pk.MarkIndex2), b = at(pk.MarkIndex1);
        if (a && b) out = {a, b};
        break;
      }
      case 3: {
        auto m = at(pk.MarkIndex1);
        if (m) out = {TDataPoint{m->X, pk.MarkY1}, TDataPoint{m->X, pk.MarkY2}};
        break;
      }
      case 4:
        out = {TDataPoint{pk.MarkX1, pk.MarkY1}};
        break;
      case 7: {
        auto m = at(pk.MarkIndex1);
        out = {m ? std::optional<TDataPoint>(TDataPoint{m->X, pk.MarkY2}) : std::nullopt};
        break;
      }
      default:
        break;
    }
    return out;
  };
  for (const TElementPeak& row : d.Table) {
    if (row.CalcType < 0) continue;
    const TPeakRecord* prevPeak = nullptr;
    int prev = -1;
    for (int k = 0; k < n; ++k) {
      const auto& c = d.Curves[static_cast<std::size_t>(k)];
      const TPeakRecord* peak = nullptr;
      for (const TPeakRecord& pk : c.Peaks)
        if (pk.Name == row.Name) peak = &pk;
      if (peak == nullptr) continue;
      if (prevPeak != nullptr) {
        const auto& pc = d.Curves[static_cast<std::size_t>(prev)];
        bool draw = true;
        if (row.CalcType == 4) draw = prevPeak->MarkX1 != 0 && peak->MarkX1 != 0;
        if (row.CalcType == 7)
          draw = prevPeak->ChosenLine == peak->ChosenLine && (peak->ChosenLine == 1 || peak->ChosenLine == 2);
        const auto from = pointsOf(pc, *prevPeak, row.CalcType);
        const auto to = pointsOf(c, *peak, row.CalcType);
        for (std::size_t i = 0; draw && i < from.size() && i < to.size(); ++i) {
          if (!from[i] || !to[i]) continue;
          p->drawLine(project(from[i]->X, from[i]->Y, n - 1 - prev), project(to[i]->X, to[i]->Y, n - 1 - k));
          ++linksDrawn_;
        }
      }
      prevPeak = peak;
      prev = k;
    }
  }
}

}  // namespace velmora
