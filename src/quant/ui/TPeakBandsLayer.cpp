#include "TPeakBandsLayer.h"

#include "TPeakPainter.h"

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

// The chart's plot rectangle, axis ranges and data-to-pixel mapping.
TPeakPainter::Frame frameOf(QCustomPlot* chart) {
  QCPAxis* x = chart->xAxis;
  QCPAxis* y = chart->yAxis;
  TPeakPainter::Frame f;
  f.Plot = chart->axisRect()->rect();
  f.Axes = {x->range().lower, x->range().upper, y->range().lower, y->range().upper};
  f.Map = [x, y](double px, double py) { return QPointF(x->coordToPixel(px), y->coordToPixel(py)); };
  f.LineWidth = 1.2;
  return f;
}

std::vector<TPeakPainter::Curve> curvesOf(const TPeakDrawing& d) {
  std::vector<TPeakPainter::Curve> out;
  out.reserve(d.Curves.size());
  for (const TPeakDrawing::Curve& c : d.Curves) out.push_back({&c.Points, &c.Peaks, c.Color, {}});
  return out;
}

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
  TPeakPainter::Colors colors;
  colors.Peaks = d.PeaksColor;
  colors.CrossPeaks = d.CrossPeaksColor;
  TPeakPainter::Frame f = frameOf(mParentPlot);
  f.LineWidth = 0;
  TPeakPainter::DrawPeakBands(*painter, f, d.Plain, colors, d.Table, curvesOf(d), d.EachBorder);
}

void TPeakBandsLayer::drawMarks(QCPPainter* painter, const TPeakDrawing& d) {
  TPeakPainter::Colors colors;
  colors.Caption = d.CaptionColor;
  TPeakPainter::DrawPeakMarks(*painter, frameOf(mParentPlot), d.Table, true, colors, curvesOf(d), true);
}

}  // namespace velmora
