#include "TChartLabels.h"

#include <qcustomplot.h>

#include <QFontMetrics>

#include "LabelPlacer.h"
#include "TCalcSeriePlot.h"

namespace velmora {

namespace {

// Half the size of the points' circles and of the result's cross, with
// their pens.
constexpr double kPointRadius = 4.0;
constexpr double kResultRadius = 5.0;
// Pixels kept free around the legend's frame.
constexpr int kLegendMargin = 2;

}  // namespace

void TChartLabels::Arrange(QCustomPlot& chart, std::span<TCalcSeriePlot* const> plots, const QFont& font) {
  QCPAxisRect* rect = chart.axisRect();
  if (!rect || !chart.xAxis || !chart.yAxis) return;
  const QRect r = rect->rect();
  const TLabelBox frame{static_cast<double>(r.left()), static_cast<double>(r.top()),
                        static_cast<double>(r.left() + r.width()), static_cast<double>(r.top() + r.height())};
  LabelPlacer placer(frame);
  auto pixel = [&chart](const TDataPoint& p) {
    return QPointF(chart.xAxis->coordToPixel(p.X), chart.yAxis->coordToPixel(p.Y));
  };
  if (chart.legend && chart.legend->visible()) {
    const QRect l = chart.legend->outerRect().adjusted(-kLegendMargin, -kLegendMargin, kLegendMargin, kLegendMargin);
    placer.AddObstacle({static_cast<double>(l.left()), static_cast<double>(l.top()),
                        static_cast<double>(l.left() + l.width()), static_cast<double>(l.top() + l.height())});
  }
  auto addLine = [&](const TDataArr& points) {
    for (std::size_t i = 1; i < points.size(); ++i) {
      const QPointF a = pixel(points[i - 1]);
      const QPointF b = pixel(points[i]);
      placer.AddSegment(a.x(), a.y(), b.x(), b.y());
    }
  };
  for (const TCalcSeriePlot* plot : plots) {
    if (!plot) continue;
    const TCalcSerie& s = plot->serie();
    for (const TDataPoint& p : s.Points) {
      const QPointF q = pixel(p);
      placer.AddPoint(q.x(), q.y(), kPointRadius);
    }
    for (const TDataPoint& p : s.ResultMark) {
      const QPointF q = pixel(p);
      placer.AddPoint(q.x(), q.y(), kResultRadius);
    }
    addLine(s.Line);
    addLine(s.LevelLine);
  }

  // Measured as the text items measure themselves.
  const QFontMetrics metrics(font);
  auto place = [&](TCalcSeriePlot::Mark& mark) {
    QCPItemText* item = mark.Item;
    if (!item) return;
    const QPointF at = pixel({mark.X, mark.Y});
    if (!r.contains(at.toPoint())) {
      // Clipped with its point.
      item->setVisible(false);
      if (mark.Leader) mark.Leader->setVisible(false);
      return;
    }
    item->setFont(font);
    const QString text = item->text();
    const double radius = mark.Result ? kResultRadius : kPointRadius;
    const QRect size = metrics.boundingRect(0, 0, 0, 0, Qt::TextDontClip | Qt::AlignCenter, text);
    const TLabelPlacement p =
        placer.PlaceAtPoint(at.x(), at.y(), radius, size.width() + 2, size.height(), text.toStdString());
    const bool leader = p.PlacementKind == TLabelPlacement::Kind::Leader;
    if (mark.Leader) mark.Leader->setVisible(leader);
    if (p.PlacementKind == TLabelPlacement::Kind::Dropped) {
      item->setVisible(false);
      return;
    }
    item->setVisible(true);
    item->position->setType(QCPItemPosition::ptAbsolute);
    item->position->setCoords(p.Box.CentreX(), p.Box.CentreY());
    item->setPositionAlignment(Qt::AlignCenter);
    item->setPadding(QMargins());
    item->setClipToAxisRect(true);
    if (leader) {
      if (!mark.Leader) {
        mark.Leader = new QCPItemLine(&chart);
        mark.Leader->start->setType(QCPItemPosition::ptAbsolute);
        mark.Leader->end->setType(QCPItemPosition::ptAbsolute);
        mark.Leader->setClipToAxisRect(true);
      }
      mark.Leader->start->setCoords(p.LeaderX1, p.LeaderY1);
      mark.Leader->end->setCoords(p.LeaderX2, p.LeaderY2);
      mark.Leader->setPen(QPen(item->color(), 0.6));
    }
  };
  for (bool results : {true, false}) {
    for (TCalcSeriePlot* plot : plots) {
      if (!plot) continue;
      for (TCalcSeriePlot::Mark& m : plot->marks())
        if (m.Result == results) place(m);
    }
  }
}

}  // namespace velmora
