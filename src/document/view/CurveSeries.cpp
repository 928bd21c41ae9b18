#include "CurveSeries.h"

#include <qcustomplot.h>

#include "CurveLayer.h"
#include "CurvePlottable.h"
#include "SimulatedBadge.h"
#include "TArrayDataStruct.h"
#include "TNode.h"
#include "TRecordPlacement.h"
#include "TVAStruct.h"

namespace velmora {

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

QCPAbstractPlottable* CurveSeries::Create(QCustomPlot* chart, TDataArr pts) {
  // The chart's curve picture first, so that it is drawn where the curves go.
  CurveLayer* canvas = CurveLayer::Of(chart);
  auto* s = new CurvePlottable(chart->xAxis, chart->yAxis);
  s->setPoints(std::move(pts));
  s->setCanvas(canvas);
  s->removeFromLegend();
  return s;
}

QCPAbstractPlottable* CurveSeries::Create(QCustomPlot* chart, TDataArr pts, const QPen& pen, const QString& name) {
  QCPAbstractPlottable* s = Create(chart, std::move(pts));
  s->setPen(pen);
  if (!name.isEmpty()) {
    s->setName(name);
    s->addToLegend();
  }
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
