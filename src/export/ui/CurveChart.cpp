#include "CurveChart.h"

#include <qcustomplot.h>

#include <QCoreApplication>

#include "CurveSeries.h"
#include "TArrayDataStruct.h"
#include "ThumbnailPainter.h"

namespace velmora {

namespace {
constexpr int kManyCurves = 60;  // as the main chart: beyond this, lines without antialiasing
}

std::unique_ptr<QCustomPlot> CurveChart::Build(const TNodesArr& nodes, QSize size) {
  auto chart = std::make_unique<QCustomPlot>();
  chart->resize(size);
  chart->setAttribute(Qt::WA_DontShowOnScreen);
  CurveSeries::StyleChart(chart.get());
  chart->xAxis->setLabel(QCoreApplication::translate("velmora::MainChartView", "Potential, mV"));
  chart->yAxis->setLabel(QCoreApplication::translate("velmora::MainChartView", "Current, µA"));
  chart->xAxis->setRange(-1200, 200);
  chart->yAxis->setRange(0, 1);
  const TTableContentArr rows = CurveSeries::Rows(nodes);
  const bool many = rows.size() > kManyCurves;
  if (many) {
    chart->setNotAntialiasedElements(QCP::aePlottables);
  } else {
    chart->setAntialiasedElements(QCP::aePlottables);
  }
  QList<QCPAbstractPlottable*> series;
  for (const TTableContent& row : rows) {
    QCPAbstractPlottable* s = CurveSeries::Create(chart.get(), row.Curve->DisplayData());
    s->setPen(QPen(ThumbnailPainter::rowColor(static_cast<std::size_t>(row.ColorIndex)), many ? 1.0 : 1.6));
    s->setName(CurveSeries::Title(row.Curve));
    series << s;
  }
  CurveSeries::FitAxes(chart.get(), series);
  chart->replot(QCustomPlot::rpImmediateRefresh);
  return chart;
}

}  // namespace velmora
