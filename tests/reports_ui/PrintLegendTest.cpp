#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "TPrintChart.h"

using namespace velmora;

namespace {

// Two voltammograms with a Cd peak: the print chart's legend, on each of its
// four sides, lies beside the plot and within the chart.
TEST(PrintLegend, EverySideKeepsTheLegendOffThePlotAndWithinTheChart) {
  std::vector<TPrintChart::Curve> curves(2);
  for (std::size_t k = 0; k < curves.size(); ++k) {
    curves[k].Title = k == 0 ? QStringLiteral("Supporting electrolyte") : QStringLiteral("Sample + addition 1");
    for (int i = 0; i <= 400; ++i) {
      const double x = -1000.0 + 2.5 * i;
      curves[k].Points.push_back({x, 30.0 + 0.01 * (x + 1000) + 6.0 * k * std::exp(-std::pow((x + 600) / 25.0, 2))});
    }
  }
  TPrintChart chart;
  for (int style = 1; style <= 4; ++style) {
    TPrintChart::Options o;
    o.LegendStyle = style;
    chart.setCurves(curves, o);
    QImage page(900, 600, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
      QPainter painter(&page);
      chart.draw(painter, QRect(100, 50, 700, 467));
    }
    const QCustomPlot& c = chart.chart();
    const QRect legend = c.legend->outerRect();
    const QRect plot = c.axisRect()->rect();
    EXPECT_FALSE(legend.intersects(plot)) << "style " << style;
    EXPECT_TRUE(QRect(0, 0, TPrintChart::kWidth, 467).contains(legend)) << "style " << style;
    // Compact: the legend takes the room of its entries, not a whole side.
    EXPECT_LT(legend.width() * legend.height(), plot.width() * plot.height() / 6) << "style " << style;
  }
}

}  // namespace
