#include "TCalibrationPrintCharts.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

#include "CalibrationDocument.h"
#include "TCalcSeriePlot.h"
#include "TPrintRenderer.h"
#include "TVAStruct.h"
#include "ThumbnailPainter.h"
#include "UiText.h"

namespace velmora {

namespace {

std::uint32_t Rgb(const QColor& c) {
  return (static_cast<std::uint32_t>(c.red()) << 16) | (static_cast<std::uint32_t>(c.green()) << 8) |
         static_cast<std::uint32_t>(c.blue());
}

std::string Translate(const Message& m) { return UiText::toStd(UiText::message(m)); }

}  // namespace

TCalibrationPrintCharts::TCalibrationPrintCharts() : line_(std::make_unique<QCustomPlot>()) {
  line_->resize(TPrintChart::kWidth, TPrintChart::kHeight);
  line_->setBackground(Qt::white);
}

TCalibrationPrintCharts::~TCalibrationPrintCharts() = default;

bool TCalibrationPrintCharts::draw(QPainter& painter, int chart, const QRect& target,
                                   std::span<const TSingleCalibration> calibrations,
                                   const TPrintChart::Options& options) {
  std::size_t index = 0;
  bool lineChart = false;
  if (!DecodeCalibrationChart(chart, index, lineChart) || index >= calibrations.size()) return false;
  if (lineChart) {
    drawLine(painter, target, calibrations[index], index, options);
  } else {
    drawCurves(painter, target, calibrations[index], options);
  }
  return true;
}

void TCalibrationPrintCharts::drawCurves(QPainter& painter, const QRect& target, const TSingleCalibration& c,
                                         const TPrintChart::Options& options) {
  std::vector<TPrintChart::Curve> curves;
  for (const auto& curve : c.Curves) {
    if (!curve) continue;
    TPrintChart::Curve pc;
    pc.Title = UiText::fromStd(CalibrationCurveTitle(*curve, c.Name));
    pc.Points = curve->DisplayData();
    // The standards are drawn with the calibration's element only.
    for (const TPeakRecord& p : curve->GetPeaks())
      if (p.Name == c.Name) pc.Peaks.push_back(p);
    curves.push_back(std::move(pc));
  }
  curves_.setCurves(curves, options);
  curves_.draw(painter, target);
}

void TCalibrationPrintCharts::drawLine(QPainter& painter, const QRect& target, const TSingleCalibration& c,
                                       std::size_t index, const TPrintChart::Options& o) {
  if (target.width() <= 0) return;
  QCustomPlot& chart = *line_;
  plot_.reset();  // takes its own graphs off the chart
  chart.clearGraphs();
  chart.clearItems();
  QFont font = o.Font;
  font.setPointSize(o.FontSize);
  plot_ = std::make_unique<TCalcSeriePlot>(&chart);
  TCalcSeriePlot& plot = *plot_;
  {
    TCalcSerie& s = plot.serie();
    s.Reset();
    s.SetLabels(false);
    s.SetColor(o.BlackAndWhite ? 0u : Rgb(ThumbnailPainter::rowColor(index)));
    if (!c.Curves.empty()) {
      s.FillCalibration(c.AsCurves(), TSingleCalibration::kLineUnitTop, 0, TSingleCalibration::kLineUnitBottom);
    } else {
      // Without its standards' curves the stored points give the line.
      for (const TDataPoint& p : c.LinePoints()) s.AddPoint(p.X, p.Y);
      s.Fit();
    }
    // A calibration reads no concentration of its own: no result mark.
    s.ResultMark.clear();
    const TCalibrationChartTitles titles = CalibrationChartTitles(c, s.R2, Translate);
    s.SetTitle(titles.Series);
    plot.Attach();
    plot.Redraw();
    chart.xAxis->setLabel(UiText::fromStd(titles.Bottom));
    chart.yAxis->setLabel(UiText::fromStd(titles.Left));
    for (QCPAxis* axis : {chart.xAxis, chart.yAxis}) {
      axis->setLabelFont(font);
      axis->setTickLabelFont(font);
      axis->grid()->setVisible(o.Grid);
    }
    chart.xAxis->setVisible(o.BottomAxis);
    chart.yAxis->setVisible(o.LeftAxis);
    chart.legend->setFont(font);
    chart.legend->setVisible(o.Legend);
    chart.legend->setBorderPen(QPen(Qt::black));
    chart.axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignLeft | Qt::AlignTop);
    // From the origin to the last standard, with a margin.
    const double x0 = std::min(0.0, s.Extent(0)), x1 = s.Extent(1);
    const double y0 = std::min(0.0, s.Extent(2)), y1 = s.Extent(3);
    const double dx = x1 > x0 ? 0.05 * (x1 - x0) : 0.01;
    const double dy = y1 > y0 ? 0.08 * (y1 - y0) : 0.01;
    chart.xAxis->setRange(x0 - dx, x1 + dx);
    chart.yAxis->setRange(y0 - dy, y1 + dy);
    const int h = std::max(
        1, static_cast<int>(std::lround(static_cast<double>(target.height()) / target.width() * TPrintChart::kWidth)));
    chart.resize(TPrintChart::kWidth, h);
    chart.replot(QCustomPlot::rpImmediateRefresh);
    TPrintRenderer::DrawChart(painter, chart, QSize(TPrintChart::kWidth, h), target);
  }
}

}  // namespace velmora
