#include "CurveSeries.h"

#include <qcustomplot.h>

#include "SimulatedBadge.h"
#include "TArrayDataStruct.h"
#include "TNode.h"
#include "TRecordPlacement.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

bool ascending(const TDataArr& pts) {
  for (std::size_t i = 1; i < pts.size(); ++i) {
    if (pts[i].X < pts[i - 1].X) return false;
  }
  return true;
}

bool descending(const TDataArr& pts) {
  for (std::size_t i = 1; i < pts.size(); ++i) {
    if (pts[i].X > pts[i - 1].X) return false;
  }
  return true;
}

}  // namespace

TTableContentArr CurveSeries::Rows(const TNodesArr& nodes) {
  TTableContentArr out;
  std::int32_t color = 0;
  std::int32_t row = 0;
  for (TNode* node : nodes) {
    TArrayDataStruct* record = node ? node->ArrayRecord() : nullptr;
    if (!record) continue;
    TStructCollection rows = record->Curves;
    if (rows.empty() && !record->IsGroup() && !record->Data.empty()) rows = {{record}};
    for (const auto& r : rows) {
      for (TArrayDataStruct* curve : r) {
        if (curve) out.push_back({color, curve, 1, row});
      }
      color = (color + 1) % 8;
      ++row;
    }
  }
  return out;
}

QString CurveSeries::Title(const TArrayDataStruct* curve) {
  const TNode* owner = curve ? curve->Node : nullptr;
  QString title = owner ? QString::fromStdString(owner->Name) : QString();
  title.remove(u'^');  // chart titles drop the superscript markers
  // Simulated curves say so in the legend too (their caption no longer does).
  const auto* va = dynamic_cast<const TVAStruct*>(curve);
  if (va && TRecordPlacement::HasSimulatedMark(va->Params.Comments()) &&
      !TRecordPlacement::HasSimulatedMark(owner ? owner->Name : std::string()))
    title += QStringLiteral(" [") + SimulatedBadge::text() + u']';
  return title;
}

void CurveSeries::StyleChart(QCustomPlot* chart) {
  for (QCPAxis* axis : {chart->xAxis, chart->yAxis}) {
    axis->grid()->setPen(QPen(QColor(0xc8, 0xcf, 0xd8), 0, Qt::DotLine));
    axis->grid()->setZeroLinePen(QPen(QColor(0x9a, 0xa4, 0xb2), 0));
    axis->setBasePen(QPen(QColor(0x40, 0x48, 0x55)));
    axis->setTickPen(QPen(QColor(0x40, 0x48, 0x55)));
    axis->setSubTickPen(QPen(QColor(0x70, 0x78, 0x85)));
    QFont lf = axis->labelFont();
    lf.setBold(true);
    axis->setLabelFont(lf);
  }
  chart->legend->setBrush(QColor(255, 255, 255, 225));
  chart->legend->setBorderPen(QPen(QColor(0xa0, 0xa8, 0xb4)));
}

QCPAbstractPlottable* CurveSeries::Create(QCustomPlot* chart, const TDataArr& pts) {
  QCPAbstractPlottable* s = nullptr;
  const bool up = ascending(pts);
  if (up || descending(pts)) {
    auto* g = new QCPGraph(chart->xAxis, chart->yAxis);
    QVector<double> x(static_cast<qsizetype>(pts.size()));
    QVector<double> y(static_cast<qsizetype>(pts.size()));
    for (std::size_t i = 0; i < pts.size(); ++i) {
      x[static_cast<qsizetype>(i)] = pts[i].X;
      y[static_cast<qsizetype>(i)] = pts[i].Y;
    }
    g->setData(x, y, up);
    g->setAdaptiveSampling(true);
    s = g;
  } else {
    auto* c = new QCPCurve(chart->xAxis, chart->yAxis);
    QVector<double> t(static_cast<qsizetype>(pts.size()));
    QVector<double> x(t.size());
    QVector<double> y(t.size());
    for (std::size_t i = 0; i < pts.size(); ++i) {
      t[static_cast<qsizetype>(i)] = static_cast<double>(i);
      x[static_cast<qsizetype>(i)] = pts[i].X;
      y[static_cast<qsizetype>(i)] = pts[i].Y;
    }
    c->setData(t, x, y, true);
    s = c;
  }
  s->removeFromLegend();
  return s;
}

bool CurveSeries::FitAxes(QCustomPlot* chart, const QList<QCPAbstractPlottable*>& series) {
  bool any = false;
  QCPRange xr, yr;
  for (QCPAbstractPlottable* s : series) {
    if (!s || !s->visible()) continue;
    bool okX = false, okY = false;
    const QCPRange kx = s->getKeyRange(okX);
    const QCPRange vy = s->getValueRange(okY);
    if (!okX || !okY) continue;
    if (!any) {
      xr = kx;
      yr = vy;
      any = true;
    } else {
      xr.expand(kx);
      yr.expand(vy);
    }
  }
  if (!any) return false;
  if (xr.size() <= 0) xr = QCPRange(xr.lower - 1, xr.upper + 1);
  if (yr.size() <= 0) yr = QCPRange(yr.lower - 1, yr.upper + 1);
  const double padY = yr.size() * 0.05;
  chart->xAxis->setRange(xr);
  chart->yAxis->setRange(yr.lower - padY, yr.upper + padY);
  return true;
}

}  // namespace velmora
