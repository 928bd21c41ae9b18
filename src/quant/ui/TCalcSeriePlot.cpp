#include "TCalcSeriePlot.h"

#include <qcustomplot.h>

#include "NumberFormat.h"
#include "UiText.h"

namespace velmora {

namespace {

QColor ColorOf(std::uint32_t rgb) { return QColor::fromRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

void Fill(QCPGraph* graph, const TDataArr& points) {
  QVector<double> xs, ys;
  for (const TDataPoint& p : points) {
    xs << p.X;
    ys << p.Y;
  }
  graph->setData(xs, ys, true);
}

}  // namespace

TCalcSeriePlot::TCalcSeriePlot(QCustomPlot* chart) : chart_(chart) {}

TCalcSeriePlot::~TCalcSeriePlot() { Detach(); }

void TCalcSeriePlot::create() {
  if (!chart_ || points_) return;
  points_ = chart_->addGraph();
  points_->setLineStyle(QCPGraph::lsNone);
  points_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, 7));
  line_ = chart_->addGraph();
  line_->removeFromLegend();
  level_ = chart_->addGraph();
  level_->removeFromLegend();
  // The level lines run back along x (down to the axis): keep their order.
  level_->setAdaptiveSampling(false);
  result_ = chart_->addGraph();
  result_->removeFromLegend();
  result_->setLineStyle(QCPGraph::lsNone);
  result_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCross, 9));
}

void TCalcSeriePlot::clearMarks() {
  for (const Mark& m : marks_) {
    if (!chart_) continue;
    chart_->removeItem(m.Item);
    if (m.Leader) chart_->removeItem(m.Leader);
  }
  marks_.clear();
}

void TCalcSeriePlot::destroy() {
  clearMarks();
  if (!chart_) return;
  for (QCPGraph* g : {points_, line_, level_, result_})
    if (g) chart_->removeGraph(g);
  points_ = line_ = level_ = result_ = nullptr;
}

void TCalcSeriePlot::Attach() {
  if (attached_ || !chart_) return;
  attached_ = true;
  create();
  Redraw();
}

void TCalcSeriePlot::Detach() {
  if (!attached_) return;
  attached_ = false;
  destroy();
}

void TCalcSeriePlot::SetChart(QCustomPlot* chart) {
  const bool was = attached_;
  Detach();
  chart_ = chart;
  if (was) Attach();
}

void TCalcSeriePlot::Redraw() {
  if (!attached_ || !points_) return;
  const QColor color = ColorOf(serie_.Color);
  points_->setName(UiText::fromStd(serie_.Title));
  points_->setPen(QPen(color));
  points_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, color, color, 7));
  line_->setPen(QPen(color, 1.5));
  level_->setPen(QPen(color, 1, Qt::DashLine));
  result_->setPen(QPen(color, 2));
  Fill(points_, serie_.Points);
  Fill(line_, serie_.Line);
  Fill(level_, serie_.LevelLine);  // kept in the order given: it turns down at x*
  Fill(result_, serie_.ResultMark);

  clearMarks();
  auto addMark = [this](double x, double y, const QString& text, const QColor& textColor, int dy, bool result) {
    auto* item = new QCPItemText(chart_);
    item->position->setType(QCPItemPosition::ptPlotCoords);
    item->position->setCoords(x, y);
    item->setPositionAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    item->setPadding(QMargins(0, 0, 0, dy));
    item->setText(text);
    item->setColor(textColor);
    item->setClipToAxisRect(true);
    marks_ << Mark{item, x, y, result};
  };
  if (serie_.Labels) {
    for (const TDataPoint& p : serie_.Points) {
      const std::string text =
          format_ == ValueFormat::Peak ? NumberFormat::Peak(p.Y) : NumberFormat::Significant(p.Y, 4);
      addMark(p.X, p.Y, UiText::fromStd(text), color, 6, false);
    }
  }
  // The result mark carries the element's name: the crosses of several
  // elements sit close together, and in black and white only the name
  // tells them apart.
  for (const TDataPoint& p : serie_.ResultMark) addMark(p.X, p.Y, UiText::fromStd(serie_.Title), color, 8, true);
}

}  // namespace velmora
