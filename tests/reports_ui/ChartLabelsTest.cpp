#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QDir>
#include <QPixmap>
#include <cstdlib>
#include <memory>
#include <set>
#include <vector>

#include "TCalcSeriePlot.h"
#include "TChartLabels.h"
#include "TPrintChart.h"

using namespace velmora;

namespace {

// A calculation chart as the report prints it: regression series on a
// hidden chart of the print size, the legend in the top left corner.
struct CalcChart {
  std::unique_ptr<QCustomPlot> chart = std::make_unique<QCustomPlot>();
  std::vector<std::unique_ptr<TCalcSeriePlot>> plots;
  QFont font;

  CalcChart() {
    font.setPointSize(8);
    chart->setBackground(Qt::white);
    chart->legend->setVisible(true);
    chart->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignLeft | Qt::AlignTop);
  }
  TCalcSerie& add(const char* title, std::uint32_t color) {
    plots.push_back(std::make_unique<TCalcSeriePlot>(chart.get()));
    TCalcSerie& s = plots.back()->serie();
    s.SetTitle(title);
    s.SetColor(color);
    return s;
  }
  // Attaches the series, sets the ranges as the report does and places
  // the marks at the print size.
  void layOut() {
    std::vector<TCalcSeriePlot*> shown;
    for (auto& p : plots) {
      p->Attach();
      p->Redraw();
      shown.push_back(p.get());
    }
    chart->rescaleAxes();
    for (QCPAxis* axis : {chart->xAxis, chart->yAxis}) {
      const QCPRange r = axis->range();
      axis->setRange(std::min(0.0, r.lower - r.size() * 0.08), r.upper + r.size() * 0.08);
    }
    chart->setViewport(QRect(0, 0, TPrintChart::kWidth, TPrintChart::kHeight));
    chart->replot(QCustomPlot::rpImmediateRefresh);
    TChartLabels::Arrange(*chart, shown, font);
  }
  // Kept for a look by eye when VELMORA_LABELS_SAMPLE names a folder.
  void keep(const char* name) const {
    if (const char* dir = std::getenv("VELMORA_LABELS_SAMPLE")) {
      chart->toPixmap(TPrintChart::kWidth, TPrintChart::kHeight, 2.0)
          .save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name)));
    }
  }
};

QRectF BoxOf(const QCPItemText* t) { return QRectF(t->topLeft->pixelPosition(), t->bottomRight->pixelPosition()); }

// Every mark shown lies in the plot, clear of the legend, the other marks
// and every point; a mark is hidden only where another one shows its text.
void ExpectLegible(const CalcChart& c) {
  const QRectF frame = c.chart->axisRect()->rect();
  const QRectF legend = c.chart->legend->outerRect();
  std::vector<const QCPItemText*> shown;
  std::vector<QString> hidden;
  std::vector<QPointF> points;
  for (const auto& p : c.plots) {
    for (const TDataPoint& q : p->serie().Points)
      points.push_back({c.chart->xAxis->coordToPixel(q.X), c.chart->yAxis->coordToPixel(q.Y)});
    for (const TCalcSeriePlot::Mark& m : p->marks()) {
      if (m.Item->visible()) {
        shown.push_back(m.Item);
      } else {
        hidden.push_back(m.Item->text());
      }
    }
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const QRectF a = BoxOf(shown[i]);
    const QString t = shown[i]->text();
    EXPECT_TRUE(frame.contains(a)) << t.toStdString() << " leaves the plot";
    EXPECT_FALSE(a.intersects(legend)) << t.toStdString() << " covers the legend";
    for (std::size_t j = i + 1; j < shown.size(); ++j)
      EXPECT_FALSE(a.intersects(BoxOf(shown[j]))) << t.toStdString() << " on " << shown[j]->text().toStdString();
    for (const QPointF& q : points)
      EXPECT_FALSE(a.intersects(QRectF(q.x() - 3.5, q.y() - 3.5, 7, 7))) << t.toStdString() << " covers a point";
  }
  for (const QString& t : hidden) {
    bool said = false;
    for (const QCPItemText* s : shown) said = said || s->text() == t;
    EXPECT_TRUE(said) << t.toStdString() << " is lost";
  }
}

}  // namespace

TEST(ChartLabels, FourAdditionsOfThreeElementsWithParallelsKeepTheirValuesLegible) {
  // Cd, Pb and Cu by standard additions: the sample and four additions,
  // two parallels each, signals of the three elements within a few tenths
  // of a µA, so the points of an addition crowd together.
  CalcChart c;
  const double slopes[] = {0.31, 0.32, 0.30};
  const double blanks[] = {1.10, 1.16, 1.24};
  const std::uint32_t colors[] = {0x008000, 0xff0000, 0x0000ff};
  const char* names[] = {"Cd", "Pb", "Cu"};
  for (int e = 0; e < 3; ++e) {
    TCalcSerie& s = c.add(names[e], colors[e]);
    for (int a = 0; a <= 4; ++a)
      for (double d : {-0.02, 0.025}) s.AddPoint(2.0 * a, blanks[e] + slopes[e] * 2.0 * a + d);
    s.Fit();
  }
  c.layOut();
  c.keep("additions.png");
  ExpectLegible(c);
  // Thirty values and three results: only a value a neighbour repeats may go.
  std::set<QString> texts;
  int marks = 0, hidden = 0;
  for (const auto& p : c.plots) {
    for (const TCalcSeriePlot::Mark& m : p->marks()) {
      texts.insert(m.Item->text());
      ++marks;
      hidden += m.Item->visible() ? 0 : 1;
    }
  }
  EXPECT_EQ(marks, 33);
  EXPECT_LE(hidden, marks - static_cast<int>(texts.size()));
}
