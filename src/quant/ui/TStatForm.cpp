#include "TStatForm.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVBoxLayout>
#include <algorithm>

#include "CalcTypeCycle.h"
#include "CustomMethods.h"
#include "TCalcChart.h"
#include "TCalcSeriePlot.h"
#include "TCalculator.h"
#include "TPlugin.h"
#include "TPluginsManager.h"
#include "ThumbnailPainter.h"
#include "UiText.h"

namespace velmora {

namespace {

// The legend's colour square: the item's height inset by 2 pixels.
QIcon ColorSquare(const QColor& color, int side) {
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.fillRect(QRect(2, 2, side - 4, side - 4), color);
  return QIcon(pixmap);
}

// Rows of the legend shown before it scrolls.
constexpr int kLegendRows = 2;

}  // namespace

TStatForm::TStatForm(TPluginsManager& hub, QWidget* parent)
    : QWidget(parent, Qt::Tool), calculator_(std::make_unique<TCalculator>()) {
  chart_ = new QCustomPlot(this);
  chart_->legend->setVisible(false);
  chart_->setMinimumSize(320, 240);
  calcChart_ = std::make_unique<TCalcChart>(chart_);

  // Below the chart: the legend, its entries side by side, then the options.
  legend_ = new QListWidget(this);
  legend_->setFlow(QListView::LeftToRight);
  legend_->setWrapping(true);
  legend_->setResizeMode(QListView::Adjust);
  legend_->setSpacing(1);
  legend_->setFrameShape(QFrame::NoFrame);
  legend_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  showEquations_ = new QCheckBox(this);
  labels_ = new QCheckBox(this);
  labels_->setChecked(true);
  trends_ = new QCheckBox(this);
  trends_->setChecked(true);
  equations_ = new QPlainTextEdit(this);
  equations_->setReadOnly(true);
  equations_->setVisible(false);
  equations_->setMaximumHeight(6 * equations_->fontMetrics().height());

  auto* options = new QHBoxLayout;
  options->setContentsMargins(0, 0, 0, 0);
  options->addWidget(labels_);
  options->addWidget(trends_);
  options->addWidget(showEquations_);
  options->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(chart_, 1);
  layout->addWidget(legend_);
  layout->addLayout(options);
  layout->addWidget(equations_);
  resize(640, 480);

  connect(showEquations_, &QCheckBox::toggled, equations_, &QWidget::setVisible);
  connect(labels_, &QCheckBox::toggled, this, [this] { Refresh(); });
  connect(trends_, &QCheckBox::toggled, this, [this] { Refresh(); });
  connect(legend_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) { LegendItemChanged(item); });

  // The hub outlives the windows: the handler checks that this window still lives.
  TPlugin& plugin = hub.Register();
  const QPointer<TStatForm> self(this);
  // A calculation window that hands in its calculation refreshes the chart itself.
  plugin.OnSelectionDone = [self](void*) {
    if (self && self->isVisible() && !self->external_) self->Refresh();
  };
  own_.SetCustomMethods(&CustomMethods::List());
  own_.SetMethodEvaluator([this](const TCustomMethod& m) { return calculator_->EvaluateMethodValue(m); });
  retranslateUi();
}

TStatForm::~TStatForm() = default;

int TStatForm::serieCount() const { return calcChart_->serieCount(); }

const TCalcSeriePlot& TStatForm::plot(int index) const { return calcChart_->plot(index); }

void TStatForm::retranslateUi() {
  setWindowTitle(tr("Calculation statistics"));
  showEquations_->setText(tr("Equations"));
  labels_->setText(tr("Labels"));
  trends_->setText(tr("Linear trends"));
  legend_->setToolTip(tr("Legend"));
}

void TStatForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    retranslateUi();
    // The titles, the read-out and the marks in the new language; the
    // unticked elements stay as they are.
    Refresh();
  }
  QWidget::changeEvent(event);
}

void TStatForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();
  emit visibilityChanged(true);
}

void TStatForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit visibilityChanged(false);
}

void TStatForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  fitLegendHeight();
}

void TStatForm::fitLegendHeight() {
  // As many rows as the entries need side by side, at most kLegendRows; the
  // legend scrolls beyond.
  const int row = std::max(legend_->sizeHintForRow(0), legend_->fontMetrics().height() + 4) + 2;
  int width = 0;
  for (int i = 0; i < legend_->count(); ++i)
    width += legend_->sizeHintForIndex(legend_->model()->index(i, 0)).width() + 2;
  const int available = std::max(1, legend_->viewport()->width());
  const int rows = legend_->count() == 0 ? 1 : std::clamp((width + available - 1) / available, 1, kLegendRows);
  legend_->setFixedHeight(rows * row + 2 * legend_->frameWidth() + 2);
}

void TStatForm::LegendItemChanged(QListWidgetItem* item) {
  if (refilling_ || !item) return;
  const QString name = item->data(Qt::UserRole).toString();
  if (item->checkState() == Qt::Checked) {
    unticked_.remove(name);
  } else {
    unticked_.insert(name);
  }
  Refresh();
}

void TStatForm::Refresh() {
  if (refilling_) return;
  refilling_ = true;
  TConcCalculation& calc = calculation();
  if (!external_) {
    own_.SetCurves(curveSource_ ? curveSource_() : std::vector<TVAStruct*>{});
    own_.SetCurrentCalcType(CurrentCalcType());
    own_.TakeMethodFromCurves();
    own_.Recalculate();
  }
  const TElementsArr& elements = calc.Elements();

  // The chart: one series per element, as the calculation computed it.
  TCalcChart::Options options;
  options.Labels = labels_->isChecked();
  options.Trends = trends_->isChecked();
  options.Shown = [this, &elements](std::size_t i) { return !unticked_.contains(UiText::fromStd(elements[i].Name)); };
  calcChart_->Fill(calc, options);

  // The legend ("%s R2=%1.4f") and the equations of the lines.
  legend_->clear();
  const int side = std::max(12, legend_->fontMetrics().height());
  QStringList lines;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const QString name = UiText::fromStd(elements[i].Name);
    const TCalcSerie& s = calcChart_->plot(static_cast<int>(i)).serie();
    auto* item = new QListWidgetItem(ColorSquare(ThumbnailPainter::rowColor(i), side),
                                     QStringLiteral("%1 R2=%2").arg(name).arg(s.R2, 0, 'f', 4), legend_);
    item->setData(Qt::UserRole, name);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(unticked_.contains(name) ? Qt::Unchecked : Qt::Checked);
    lines << QStringLiteral("y[%1]=%2+%3*C").arg(name).arg(s.Intercept, 0, 'f', 5).arg(s.Slope, 0, 'f', 5);
  }
  equations_->setPlainText(lines.join(QLatin1Char('\n')));
  fitLegendHeight();
  chart_->replot();
  refilling_ = false;
}

}  // namespace velmora
