#include "TPrintChart.h"

#include <QCoreApplication>

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

#include "ChartLegend.h"
#include "CurvePlottable.h"
#include "CurveSeries.h"
#include "PeakTable.h"
#include "TPrintRenderer.h"
#include "ThumbnailPainter.h"

namespace velmora {

TPrintChart::TPrintChart() : chart_(std::make_unique<QCustomPlot>()) {
  chart_->resize(kWidth, kHeight);
  chart_->setBackground(Qt::white);
  auto source = [this]() -> const TPeakDrawing& { return drawing_; };
  bands_ = new TPeakBandsLayer(chart_.get(), TPeakBandsLayer::Role::Bands, source);
  marks_ = new TPeakBandsLayer(chart_.get(), TPeakBandsLayer::Role::Marks, source);
}

TPrintChart::~TPrintChart() {
  delete bands_;
  delete marks_;
}

void TPrintChart::setCurves(const std::vector<Curve>& curves, const Options& o) {
  QCustomPlot& c = *chart_;
  c.clearPlottables();
  QFont font = o.Font;
  font.setPointSize(o.FontSize);
  c.xAxis->setLabel(QCoreApplication::translate("velmora::TPrintChart", "mV"));
  c.yAxis->setLabel(QCoreApplication::translate("velmora::TPrintChart", "µA"));
  for (QCPAxis* axis : {c.xAxis, c.yAxis}) {
    axis->setLabelFont(font);
    axis->setTickLabelFont(font);
    axis->grid()->setVisible(o.Grid);
    axis->grid()->setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 0, Qt::DotLine));
  }
  c.xAxis->setVisible(o.BottomAxis);
  c.yAxis->setVisible(o.LeftAxis);
  c.legend->setFont(font);
  c.legend->setVisible(o.Legend && !curves.empty());
  c.legend->setBorderPen(QPen(Qt::black));

  TPeakDrawing d;
  d.Visible = o.Peaks;
  d.Plain = o.BlackAndWhite;
  d.EachBorder = true;
  d.Labels = true;
  d.PeaksColor = o.PeaksColor;
  d.CrossPeaksColor = o.CrossPeaksColor;
  d.CaptionColor = o.BlackAndWhite ? QColor(Qt::black) : o.CaptionColor;
  std::vector<TPeakTableCurve> tableCurves;
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const Curve& cv = curves[i];
    const QColor color = o.BlackAndWhite ? QColor(Qt::black) : ThumbnailPainter::rowColor(i);
    QCPAbstractPlottable* series = CurveSeries::Create(&c, cv.Points);
    series->addToLegend();
    series->setPen(QPen(color, 1.2));
    QString title = cv.Title;
    series->setName(title.remove(u'^'));
    d.Curves.push_back({cv.Points, cv.Peaks, color});
  }
  // The legend beside the plot on the chosen side, where it covers no peak.
  Qt::Alignment side = Qt::AlignRight;
  if (o.LegendStyle == 2) side = Qt::AlignLeft;
  if (o.LegendStyle == 3) side = Qt::AlignTop;
  if (o.LegendStyle == 4) side = Qt::AlignBottom;
  ChartLegend::PlaceOutside(c, side);
  ChartLegend::AllowForPrint(c);
  for (const TPeakDrawing::Curve& dc : d.Curves) tableCurves.push_back({&dc.Points, &dc.Peaks});
  if (o.Peaks) d.Table = BuildPeakTable(std::span<const TPeakTableCurve>(tableCurves));
  drawing_ = std::move(d);

  if (o.Auto) {
    c.rescaleAxes();
    const QCPRange yr = c.yAxis->range();
    c.yAxis->setRange(yr.lower - yr.size() * 0.05, yr.upper + yr.size() * 0.05);
  } else {
    c.xAxis->setRange(o.XMin, o.XMax);
    c.yAxis->setRange(o.YMin, o.YMax);
  }
}

void TPrintChart::draw(QPainter& painter, const QRect& target) {
  if (target.width() <= 0) return;
  const int h =
      std::max(1, static_cast<int>(std::lround(static_cast<double>(target.height()) / target.width() * kWidth)));
  chart_->resize(kWidth, h);
  // The curves reduced to the columns of the device the chart lands on
  // (the printer's or the preview's pixels), never coarser.
  const double deviceWidth = std::abs(painter.deviceTransform().m11()) * target.width();
  const double columnsPerPixel = std::max(1.0, deviceWidth / kWidth);
  for (int i = 0; i < chart_->plottableCount(); ++i) {
    if (auto* curve = qobject_cast<CurvePlottable*>(chart_->plottable(i)))
      curve->setVectorColumnsPerPixel(columnsPerPixel);
  }
  // A hidden chart takes its new size only when shown: lay it out at the
  // size it is drawn at, or what lies beyond the old width (the legend at
  // the right) is cut off.
  chart_->setViewport(QRect(0, 0, kWidth, h));
  chart_->replot(QCustomPlot::rpImmediateRefresh);
  TPrintRenderer::DrawChart(painter, *chart_, QSize(kWidth, h), target);
}

}  // namespace velmora
