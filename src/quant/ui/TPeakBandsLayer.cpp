#include "TPeakBandsLayer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "PeakValue.h"

namespace velmora {

namespace {

QString ensureLayer(QCustomPlot* chart, TPeakBandsLayer::Role role) {
  const bool bands = role == TPeakBandsLayer::Role::Bands;
  const QString name = QString::fromLatin1(bands ? TPeakBandsLayer::kBandsLayer : TPeakBandsLayer::kMarksLayer);
  if (!chart->layer(name)) {
    QCPLayer* anchor = chart->layer(bands ? QStringLiteral("grid") : QStringLiteral("main"));
    chart->addLayer(name, anchor, bands ? QCustomPlot::limBelow : QCustomPlot::limAbove);
  }
  return name;
}

const TPeakRecord* findPeak(const TPeaks& peaks, const std::string& name) {
  for (const TPeakRecord& p : peaks) {
    if (p.Name == name) return &p;
  }
  return nullptr;
}

bool inside(const TDataArr& pts, std::int32_t i) { return i >= 0 && static_cast<std::size_t>(i) < pts.size(); }

}  // namespace

TPeakBandsLayer::TPeakBandsLayer(QCustomPlot* chart, Role role, Source source)
    : QCPLayerable(chart, ensureLayer(chart, role)), role_(role), source_(std::move(source)) {}

void TPeakBandsLayer::applyDefaultAntialiasingHint(QCPPainter* painter) const {
  applyAntialiasingHint(painter, role_ == Role::Marks, QCP::aeItems);
}

QRect TPeakBandsLayer::clipRect() const {
  if (mParentPlot && mParentPlot->axisRect()) return mParentPlot->axisRect()->rect();
  return QRect();
}

void TPeakBandsLayer::draw(QCPPainter* painter) {
  if (!source_ || !mParentPlot || !mParentPlot->axisRect()) return;
  const TPeakDrawing& d = source_();
  if (!d.Visible) return;
  if (role_ == Role::Bands) {
    drawBands(painter, d);
  } else if (d.Labels) {
    drawMarks(painter, d);
  }
}

void TPeakBandsLayer::drawBands(QCPPainter* painter, const TPeakDrawing& d) {
  QCPAxis* x = mParentPlot->xAxis;
  QCPAxis* y = mParentPlot->yAxis;
  const double top = y->coordToPixel(y->range().upper) + 1;
  const double bottom = y->coordToPixel(y->range().lower) - 1;
  painter->setPen(Qt::NoPen);
  for (const TElementPeak& row : d.Table) {
    QColor color = Qt::white;
    if (!d.Plain) color = row.BordersDiffer ? d.CrossPeaksColor : d.PeaksColor;
    painter->setBrush(color);
    const double x1 = x->coordToPixel(row.BeginPotential);
    const double x2 = x->coordToPixel(row.EndPotential);
    painter->drawRect(QRectF(QPointF(std::min(x1, x2), top), QPointF(std::max(x1, x2), bottom)));
  }
  if (!d.EachBorder) return;
  painter->setBrush(Qt::NoBrush);
  painter->setPen(QPen(Qt::black, 0, Qt::SolidLine));
  const double yMin = y->coordToPixel(y->range().lower);
  const double yMax = y->coordToPixel(y->range().upper);
  for (const TPeakDrawing::Curve& c : d.Curves) {
    for (const TPeakRecord& p : c.Peaks) {
      for (std::int32_t index : {p.BeginIndex, p.EndIndex}) {
        if (!inside(c.Points, index)) continue;
        const double px = x->coordToPixel(c.Points[static_cast<std::size_t>(index)].X);
        painter->drawLine(QLineF(px, yMin, px, yMax));
      }
    }
  }
}

void TPeakBandsLayer::drawMarks(QCPPainter* painter, const TPeakDrawing& d) {
  QCPAxis* x = mParentPlot->xAxis;
  QCPAxis* y = mParentPlot->yAxis;
  const QRect plot = mParentPlot->axisRect()->rect();
  QFont font = painter->font();
  font.setPixelSize(12);
  painter->setFont(font);
  const QFontMetrics metrics(font);
  for (const TElementPeak& row : d.Table) {
    if (row.BeginPotential == row.EndPotential) continue;
    const double cx = x->coordToPixel((row.BeginPotential + row.EndPotential) / 2);
    const QString name = QString::fromStdString(row.Name);
    const int w = metrics.horizontalAdvance(name);
    painter->setPen(d.CaptionColor);
    painter->drawText(QPointF(cx - w / 2.0, plot.bottom() - metrics.descent()), name);
    if (d.Curves.size() == 1) {
      if (const TPeakRecord* p = findPeak(d.Curves.front().Peaks, row.Name)) {
        const QString value = QString::number(p->PeakValue, 'f', 2);  // "." whatever the C locale
        const int vw = metrics.horizontalAdvance(value);
        painter->drawText(QPointF(cx - vw / 2.0, plot.bottom() - metrics.descent() - metrics.height()), value);
      }
    }
    // The straight baseline of height and area peaks on every curve.
    for (const TPeakDrawing::Curve& c : d.Curves) {
      const TPeakRecord* p = findPeak(c.Peaks, row.Name);
      if (!p || !inside(c.Points, p->BeginIndex) || !inside(c.Points, p->EndIndex)) continue;
      if ((p->CalcType != CalcByHeight && p->CalcType != CalcBySquare) || p->BaselineType != BaseLineLine) continue;
      if (p->BeginIndex == p->EndIndex) continue;
      const TDataPoint& b = c.Points[static_cast<std::size_t>(p->BeginIndex)];
      const TDataPoint& e = c.Points[static_cast<std::size_t>(p->EndIndex)];
      painter->setPen(QPen(c.Color, 1.2));
      const QPointF pb(x->coordToPixel(b.X), y->coordToPixel(b.Y));
      const QPointF pe(x->coordToPixel(e.X), y->coordToPixel(e.Y));
      painter->drawLine(pb, pe);
      if (p->CalcType == CalcByHeight && inside(c.Points, p->MarkIndex2) && pe.x() != pb.x()) {
        // The measured height: from the top point down to the baseline.
        const TDataPoint& t = c.Points[static_cast<std::size_t>(p->MarkIndex2)];
        const QPointF pt(x->coordToPixel(t.X), y->coordToPixel(t.Y));
        const double s = (pe.y() - pb.y()) / (pe.x() - pb.x());
        painter->drawLine(pt, QPointF(pt.x(), pb.y() + (pt.x() - pb.x()) * s));
      }
    }
  }
}

}  // namespace velmora
