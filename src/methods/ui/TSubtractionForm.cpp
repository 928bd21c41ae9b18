#include "TSubtractionForm.h"

#include <qcustomplot.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "ChartLegend.h"
#include "CurvePlottable.h"
#include "CurveSeries.h"
#include "TArrayDataStruct.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TPluginsManager.h"
#include "TSubtraction.h"

namespace velmora {

TSubtractionForm::TSubtractionForm(Host host, TPluginsManager& hub, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), host_(std::move(host)) {
  setObjectName(QStringLiteral("SubtractionForm"));
  minuends_ = new QListWidget(this);
  minuends_->setObjectName(QStringLiteral("MinuendList"));
  subtrahends_ = new QListWidget(this);
  subtrahends_->setObjectName(QStringLiteral("SubtrahendList"));
  subtrahends_->setSelectionMode(QAbstractItemView::SingleSelection);
  preview_ = new QCustomPlot(this);
  preview_->setObjectName(QStringLiteral("ResultChart"));
  CurveSeries::StyleChart(preview_);
  preview_->plotLayout()->insertRow(0);
  preview_->plotLayout()->addElement(0, 0,
                                     new QCPTextElement(preview_, QString(), QFont(font().family(), 10, QFont::Bold)));
  preview_->legend->setVisible(true);
  preview_->setMinimumSize(420, 300);

  apply_ = new QPushButton(this);
  createNew_ = new QPushButton(this);
  cancel_ = new QPushButton(this);
  help_ = new QPushButton(this);
  help_->setObjectName(QStringLiteral("HelpButton"));

  auto* lists = new QVBoxLayout;
  auto* minuendLabel = new QLabel(this);
  minuendLabel->setObjectName(QStringLiteral("MinuendLabel"));
  auto* subtrahendLabel = new QLabel(this);
  subtrahendLabel->setObjectName(QStringLiteral("SubtrahendLabel"));
  lists->addWidget(minuendLabel);
  lists->addWidget(minuends_, 1);
  lists->addWidget(subtrahendLabel);
  lists->addWidget(subtrahends_, 1);
  auto* top = new QHBoxLayout;
  top->addLayout(lists, 0);
  top->addWidget(preview_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {apply_, createNew_, cancel_, help_}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);

  connect(subtrahends_, &QListWidget::currentRowChanged, this, [this] { rebuildPreview(); });
  connect(minuends_, &QListWidget::itemChanged, this, [this] { rebuildPreview(); });
  connect(apply_, &QPushButton::clicked, this, &TSubtractionForm::apply);
  connect(createNew_, &QPushButton::clicked, this, &TSubtractionForm::createNew);
  connect(cancel_, &QPushButton::clicked, this, &QWidget::close);
  connect(help_, &QPushButton::clicked, this, [this] { emit helpRequested(HelpContext); });

  // Subscriptions outlive windows (the hub never removes them): the
  // handler checks that this window still exists.
  TPlugin& plugin = hub.Register();
  QPointer<TSubtractionForm> self(this);
  plugin.OnSelectionDone = [self](void*) {
    if (self && self->isVisible() && !self->busy_) self->refill();
  };
  retranslate();
  resize(760, 440);
}

void TSubtractionForm::retranslate() {
  setWindowTitle(tr("Subtraction"));
  findChild<QLabel*>(QStringLiteral("MinuendLabel"))->setText(tr("Minuend"));
  findChild<QLabel*>(QStringLiteral("SubtrahendLabel"))->setText(tr("Subtrahend"));
  static_cast<QCPTextElement*>(preview_->plotLayout()->element(0, 0))->setText(tr("Result"));
  preview_->xAxis->setLabel(QCoreApplication::translate("velmora::MainChartView", "Potential, mV"));
  preview_->yAxis->setLabel(QCoreApplication::translate("velmora::MainChartView", "Current, µA"));
  apply_->setText(tr("Apply"));
  createNew_->setText(tr("Create new"));
  cancel_->setText(tr("&Cancel"));
  help_->setText(tr("Help"));
}

void TSubtractionForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void TSubtractionForm::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit visibilityChanged(false);
}

void TSubtractionForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refill();
  emit visibilityChanged(true);
}

std::vector<TArrayDataStruct*> TSubtractionForm::curves() const {
  std::vector<TArrayDataStruct*> out;
  for (const TTableContent& c : host_.DisplayedCurves()) out.push_back(c.Curve);
  return out;
}

void TSubtractionForm::refill() {
  const std::vector<TArrayDataStruct*> list = curves();
  const QSignalBlocker q1(minuends_), q2(subtrahends_);
  minuends_->clear();
  subtrahends_->clear();
  for (TArrayDataStruct* c : list) {
    const QString name = CurveSeries::Title(c);
    auto* item = new QListWidgetItem(name, minuends_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
    new QListWidgetItem(name, subtrahends_);
  }
  subtrahends_->setCurrentRow(TSubtraction::DefaultSubtrahend(list));
  rebuildPreview();
}

void TSubtractionForm::rebuildPreview() {
  const TTableContentArr& shown = host_.DisplayedCurves();
  for (CurvePlottable* g : series_) {
    g->clearPoints();
    g->setVisible(false);
    g->removeFromLegend();
  }
  const int sub = subtrahends_->currentRow();
  if (sub >= 0 && static_cast<std::size_t>(sub) < shown.size()) {
    const TArrayDataStruct* subtrahend = shown[static_cast<std::size_t>(sub)].Curve;
    for (std::size_t i = 0; i < shown.size(); ++i) {
      if (series_.size() <= i)
        series_.push_back(qobject_cast<CurvePlottable*>(CurveSeries::Create(preview_, TDataArr())));
      CurvePlottable* g = series_[i];
      g->setName(CurveSeries::Title(shown[i].Curve));
      g->setPen(QPen(host_.CurveColor ? host_.CurveColor(shown[i].ColorIndex) : QColor(Qt::black), 1.4));
      const QListWidgetItem* item = minuends_->item(static_cast<int>(i));
      if (!item || item->checkState() != Qt::Checked || !shown[i].Curve || !subtrahend) continue;
      g->setPoints(TSubtraction::Preview(*shown[i].Curve, *subtrahend));
      g->setVisible(true);
      g->addToLegend();
    }
  }
  // Below the plot, where the names cover no peak.
  ChartLegend::PlaceOutside(*preview_, Qt::AlignBottom);
  preview_->rescaleAxes(true);
  preview_->replot(QCustomPlot::rpQueuedReplot);
}

QStringList TSubtractionForm::previewTitles() const {
  QStringList out;
  for (const CurvePlottable* g : series_)
    if (g->visible()) out << g->name();
  return out;
}

void TSubtractionForm::apply() {
  const int sub = subtrahends_->currentRow();
  const std::vector<TArrayDataStruct*> list = curves();
  if (sub < 0 || static_cast<std::size_t>(sub) >= list.size()) return;
  busy_ = true;
  {
    TNodeForest& forest = host_.Forest();
    TPaintingGuard painting(forest);
    TSubtraction::Apply(list, list[static_cast<std::size_t>(sub)], forest.Undo());
  }
  busy_ = false;
  if (host_.CurvesChanged) host_.CurvesChanged();
  rebuildPreview();
}

void TSubtractionForm::createNew() {
  TNodeForest& forest = host_.Forest();
  if (forest.Selection.empty()) return;
  // The check marks and the subtrahend, by position.
  std::vector<bool> checks;
  for (int i = 0; i < minuends_->count(); ++i) checks.push_back(minuends_->item(i)->checkState() == Qt::Checked);
  const int sub = subtrahends_->currentRow();
  TSubtraction::CreateCopies(forest, forest.Selection);
  refill();
  {
    const QSignalBlocker quiet(minuends_);
    for (int i = 0; i < minuends_->count() && static_cast<std::size_t>(i) < checks.size(); ++i)
      minuends_->item(i)->setCheckState(checks[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
  }
  if (sub >= 0 && sub < subtrahends_->count()) subtrahends_->setCurrentRow(sub);
  apply();
}

}  // namespace velmora
