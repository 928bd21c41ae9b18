#include "MainChartView.h"

#include <qcustomplot.h>

#include <QEvent>
#include <QLabel>
#include <QStackedLayout>
#include <algorithm>

#include "CaptionPainter.h"
#include "CurveLayer.h"
#include "CurvePlottable.h"
#include "CurveSeries.h"
#include "TArrayDataStruct.h"
#include "TNode.h"
#include "TPluginsManager.h"
#include "ThumbnailPainter.h"

namespace velmora {

namespace {

constexpr int kManyCurves = 60;  // beyond this, lines are drawn without antialiasing

int shiftOf(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
  int s = 0;
  if (mods & Qt::ShiftModifier) s |= TPlugin::ShiftKey;
  if (mods & Qt::AltModifier) s |= TPlugin::AltKey;
  if (mods & Qt::ControlModifier) s |= TPlugin::CtrlKey;
  if (buttons & Qt::LeftButton) s |= TPlugin::LeftButton;
  if (buttons & Qt::RightButton) s |= TPlugin::RightButton;
  if (buttons & Qt::MiddleButton) s |= TPlugin::MiddleButton;
  return s;
}

int buttonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::RightButton:
      return TPlugin::ButtonRight;
    case Qt::MiddleButton:
      return TPlugin::ButtonMiddle;
    default:
      return TPlugin::ButtonLeft;
  }
}

}  // namespace

MainChartView::MainChartView(TNodeForest& forest, TPluginsManager& hub, QWidget* parent)
    : QWidget(parent), forest_(forest), hub_(hub) {
  stack_ = new QStackedLayout(this);
  chart_ = new QCustomPlot(this);
  chart_->setObjectName(QStringLiteral("MainChart"));
  chart_->setNoAntialiasingOnDrag(true);
  chart_->setPlottingHint(QCP::phCacheLabels, true);
  chart_->xAxis->setRange(-1200, 200);
  chart_->yAxis->setRange(0, 1);
  CurveSeries::StyleChart(chart_);
  chart_->legend->setVisible(false);

  // The live trace below the document's curves, on a layer of its own.
  const QString liveLayer = QString::fromLatin1(CurveLayer::kLiveTraceLayer);
  chart_->addLayer(liveLayer, chart_->layer(QStringLiteral("main")), QCustomPlot::limBelow);
  auto* liveCanvas = new CurveLayer(chart_, liveLayer);
  recordingSeries_ = new CurvePlottable(chart_->xAxis, chart_->yAxis);
  recordingSeries_->setCanvas(liveCanvas);
  recordingSeries_->setName(QStringLiteral("Recording series"));
  recordingSeries_->setPen(QPen(QColor(0x00, 0x80, 0x00), 1.5));
  recordingSeries_->removeFromLegend();
  CurveLayer::Of(chart_);

  emptyLabel_ = new QLabel(this);
  emptyLabel_->setObjectName(QStringLiteral("MainChartEmpty"));
  emptyLabel_->setAlignment(Qt::AlignCenter);
  emptyLabel_->setWordWrap(true);
  emptyLabel_->setStyleSheet(QStringLiteral("QLabel { color: #7a8594; background: white; font-size: 13px; }"));

  stack_->addWidget(emptyLabel_);
  stack_->addWidget(chart_);
  stack_->setCurrentWidget(emptyLabel_);

  redrawTimer_.setSingleShot(true);
  redrawTimer_.setInterval(0);
  connect(&redrawTimer_, &QTimer::timeout, this, &MainChartView::redrawNow);
  connect(chart_, &QCustomPlot::afterReplot, this, [this] { hub_.NotifyChartDrawn(chart_); });
  connect(chart_, &QCustomPlot::mouseMove, this, [this](QMouseEvent* e) {
    hub_.NotifyChartMouseMove(chart_, shiftOf(e->modifiers(), e->buttons()), e->pos().x(), e->pos().y());
  });
  connect(chart_, &QCustomPlot::mousePress, this, [this](QMouseEvent* e) {
    hub_.NotifyChartMouseDown(chart_, buttonOf(e->button()), shiftOf(e->modifiers(), e->buttons()), e->pos().x(),
                              e->pos().y());
  });
  connect(chart_, &QCustomPlot::mouseRelease, this, [this](QMouseEvent* e) {
    hub_.NotifyChartMouseUp(chart_, buttonOf(e->button()), shiftOf(e->modifiers(), e->buttons()), e->pos().x(),
                            e->pos().y());
  });
  retranslate();
}

void MainChartView::retranslate() {
  chart_->xAxis->setLabel(tr("Potential, mV"));
  chart_->yAxis->setLabel(tr("Current, µA"));
  emptyLabel_->setText(tr("Select a curve or a group on the left to show it here."));
  scheduleRedraw();
}

void MainChartView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void MainChartView::rebuildDisplayedCurves() {
  // Every curve shown so far leaves the chart.
  for (const TTableContent& c : displayed_) {
    if (QCPAbstractPlottable* s = series_.value(c.Curve)) {
      s->setVisible(false);
      s->removeFromLegend();
    }
  }
  TTableContentArr next = CurveSeries::Rows(forest_.Selection);
  // Series of curves no longer shown are dropped, so that a record freed
  // later can never be mistaken for one we still hold.
  QHash<const TArrayDataStruct*, bool> keep;
  for (const TTableContent& c : next) keep.insert(c.Curve, true);
  for (auto it = series_.begin(); it != series_.end();) {
    if (!keep.contains(it.key())) {
      chart_->removePlottable(it.value());
      it = series_.erase(it);
    } else {
      ++it;
    }
  }
  displayed_ = std::move(next);
  scheduleRedraw();
}

void MainChartView::refillSeries(const TArrayDataStruct* record) {
  if (QCPAbstractPlottable* s = series_.take(record)) chart_->removePlottable(s);
  scheduleRedraw();
}

void MainChartView::forgetSeries() {
  for (QCPAbstractPlottable* s : std::as_const(series_)) chart_->removePlottable(s);
  series_.clear();
  displayed_.clear();
  scheduleRedraw();
}

QCPAbstractPlottable* MainChartView::seriesFor(const TArrayDataStruct* record) {
  if (QCPAbstractPlottable* s = series_.value(record)) return s;
  QCPAbstractPlottable* s = CurveSeries::Create(chart_, record->DisplayData());
  series_.insert(record, s);
  return s;
}

void MainChartView::scheduleRedraw() {
  dirty_ = true;
  if (!redrawTimer_.isActive()) redrawTimer_.start();
}

void MainChartView::redrawNow() {
  redrawTimer_.stop();
  dirty_ = false;
  const bool show = forest_.FocusedNode != nullptr || recording_;
  QWidget* empty = startPanel_ != nullptr && forest_.FirstRoot() == nullptr ? startPanel_ : emptyLabel_;
  stack_->setCurrentWidget(show ? static_cast<QWidget*>(chart_) : empty);
  if (!show) return;

  static const Qt::PenStyle kBwStyles[4] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
  chart_->legend->clearItems();
  const bool many = displayed_.size() > kManyCurves;
  if (many) {
    chart_->setNotAntialiasedElements(QCP::aePlottables);
  } else {
    chart_->setAntialiasedElements(QCP::aePlottables);
  }
  for (const TTableContent& c : displayed_) {
    QCPAbstractPlottable* s = seriesFor(c.Curve);
    if (!c.Shown) {
      s->setVisible(false);
      continue;
    }
    QPen pen;
    if (blackAndWhite_) {
      pen = QPen(Qt::black, 1.2, kBwStyles[c.RowNumber % 4]);
    } else {
      pen = QPen(ThumbnailPainter::rowColor(static_cast<std::size_t>(c.ColorIndex)), many ? 1.0 : 1.6);
    }
    s->setPen(pen);
    s->setName(CurveSeries::Title(c.Curve));
    s->setVisible(true);
    if (legendStyle_ != 0) s->addToLegend();
  }
  if (fitImage_ && !zoomed_) {
    QList<QCPAbstractPlottable*> shown;
    for (const TTableContent& c : displayed_) shown << series_.value(c.Curve);
    CurveSeries::FitAxes(chart_, shown);
  }
  applyLegendPlacement();
  chart_->replot();
  emit redrawn();
}

void MainChartView::setStartPanel(QWidget* panel) {
  startPanel_ = panel;
  stack_->addWidget(panel);
  scheduleRedraw();
}

bool MainChartView::startPanelShown() const { return startPanel_ != nullptr && stack_->currentWidget() == startPanel_; }

void MainChartView::setFitImage(bool on) {
  fitImage_ = on;
  scheduleRedraw();
}

void MainChartView::setAxesVisible(bool x, bool y) {
  chart_->xAxis->setVisible(x);
  chart_->yAxis->setVisible(y);
  scheduleRedraw();
}

void MainChartView::setGridVisible(bool on) {
  chart_->xAxis->grid()->setVisible(on);
  chart_->yAxis->grid()->setVisible(on);
  scheduleRedraw();
}

void MainChartView::setLegendStyle(int style) {
  legendStyle_ = std::clamp(style, 0, 4);
  scheduleRedraw();
}

void MainChartView::applyLegendPlacement() {
  QCPLegend* legend = chart_->legend;
  legend->setVisible(legendStyle_ != 0);
  if (legendStyle_ == 0) return;
  Qt::Alignment align = Qt::AlignRight | Qt::AlignTop;
  switch (legendStyle_) {
    case 2:
      align = Qt::AlignLeft | Qt::AlignTop;
      break;
    case 3:
      align = Qt::AlignHCenter | Qt::AlignTop;
      break;
    case 4:
      align = Qt::AlignHCenter | Qt::AlignBottom;
      break;
    default:
      break;
  }
  const bool horizontal = legendStyle_ >= 3;
  legend->setFillOrder(horizontal ? QCPLayoutGrid::foColumnsFirst : QCPLayoutGrid::foRowsFirst);
  legend->setWrap(horizontal ? 6 : 0);
  chart_->axisRect()->insetLayout()->setInsetAlignment(0, align);
}

void MainChartView::setBlackAndWhite(bool on) {
  blackAndWhite_ = on;
  scheduleRedraw();
}

void MainChartView::setBackground(bool useColor, const QColor& color) {
  chart_->setBackground(useColor ? QBrush(color) : QBrush(Qt::white));
  scheduleRedraw();
}

void MainChartView::setRecording(bool on) {
  recording_ = on;
  scheduleRedraw();
}

bool MainChartView::chartShown() const { return stack_->currentWidget() == chart_; }

QStringList MainChartView::seriesTitles() const {
  QStringList out;
  for (const TTableContent& c : displayed_) {
    const QCPAbstractPlottable* s = series_.value(c.Curve);
    if (s && s->visible()) out << s->name();
  }
  return out;
}

QList<QColor> MainChartView::seriesColors() const {
  QList<QColor> out;
  for (const TTableContent& c : displayed_) {
    const QCPAbstractPlottable* s = series_.value(c.Curve);
    if (s && s->visible()) out << s->pen().color();
  }
  return out;
}

}  // namespace velmora
