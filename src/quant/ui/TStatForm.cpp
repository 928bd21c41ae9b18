#include "TStatForm.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "CalcMethods.h"
#include "CalcTypeCycle.h"
#include "ConcUnits.h"
#include "CustomMethods.h"
#include "ICalibrationLookup.h"
#include "TCalcSeriePlot.h"
#include "TCalculator.h"
#include "TCalibrationCurves.h"
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

std::uint32_t Rgb(const QColor& c) {
  return (static_cast<std::uint32_t>(c.red()) << 16) | (static_cast<std::uint32_t>(c.green()) << 8) |
         static_cast<std::uint32_t>(c.blue());
}

QString UnitText(std::int32_t unit) { return UiText::message(Message(ConcUnits::Caption(unit))); }

}  // namespace

TStatForm::TStatForm(TPluginsManager& hub, QWidget* parent)
    : QWidget(parent, Qt::Tool), calculator_(std::make_unique<TCalculator>()) {
  auto* left = new QVBoxLayout;
  legend_ = new QListWidget(this);
  showEquations_ = new QCheckBox(this);
  equations_ = new QPlainTextEdit(this);
  equations_->setReadOnly(true);
  equations_->setVisible(false);
  labels_ = new QCheckBox(this);
  labels_->setChecked(true);
  trends_ = new QCheckBox(this);
  trends_->setChecked(true);
  left->addWidget(legend_, 1);
  left->addWidget(showEquations_);
  left->addWidget(equations_, 1);
  left->addWidget(labels_);
  left->addWidget(trends_);

  chart_ = new QCustomPlot(this);
  chart_->legend->setVisible(false);
  chart_->setMinimumSize(360, 260);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 0);
  layout->addWidget(chart_, 1);
  resize(760, 420);

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

void TStatForm::retranslateUi() {
  setWindowTitle(tr("Calculation statistics"));
  showEquations_->setText(tr("Equations"));
  labels_->setText(tr("Labels"));
  trends_->setText(tr("Linear trends"));
  legend_->setToolTip(tr("Legend"));
  chart_->yAxis->setLabel(tr("Signal"));
  if (isVisible()) Refresh();
}

void TStatForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    retranslateUi();
    // The bottom title names the abscissa and the units in the new language;
    // the series, the unticked elements and the ranges stay as they are.
    chart_->xAxis->setLabel(bottomTitle(calculation()).remove(QLatin1Char('^')));
    chart_->replot();
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

  // 1-2. Legend entries and one series per element.
  legend_->clear();
  while (plots_.size() > elements.size()) plots_.pop_back();
  while (plots_.size() < elements.size()) plots_.push_back(std::make_unique<TCalcSeriePlot>(chart_));
  const int side = std::max(12, legend_->fontMetrics().height());
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const QString name = UiText::fromStd(elements[i].Name);
    TCalcSeriePlot& plot = *plots_[i];
    TCalcSerie& s = plot.serie();
    s.Reset();
    const QColor color = ThumbnailPainter::rowColor(i);
    s.SetColor(Rgb(color));
    s.SetTitle(elements[i].Name);
    s.SetLabels(labels_->isChecked());
    s.ShowTrend = trends_->isChecked() ? 1 : 0;
    auto* item = new QListWidgetItem(ColorSquare(color, side), name, legend_);
    item->setData(Qt::UserRole, name);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(unticked_.contains(name) ? Qt::Unchecked : Qt::Checked);
    if (item->checkState() == Qt::Checked) {
      plot.Attach();
    } else {
      plot.Detach();
    }
  }

  // 3-5. Fill by method; axis formats and titles.
  const int method = calc.Method();
  const bool scientific = method == CalcMethods::kCalibrationCurve && calc.CalibrationType() > 0;
  chart_->yAxis->setNumberFormat(scientific ? "eb" : "gb");
  chart_->yAxis->setNumberPrecision(scientific ? 2 : 6);
  fillSeries(calc, calc.Curves());
  chart_->xAxis->setLabel(bottomTitle(calc).remove(QLatin1Char('^')));

  // 6. Legend texts and equations.
  QStringList lines;
  for (std::size_t i = 0; i < plots_.size(); ++i) {
    const TCalcSerie& s = plots_[i]->serie();
    const QString name = UiText::fromStd(elements[i].Name);
    legend_->item(static_cast<int>(i))->setText(QStringLiteral("%1 R2=%2").arg(name).arg(s.R2, 0, 'f', 4));
    lines << QStringLiteral("y[%1]=%2+%3*C").arg(name).arg(s.Intercept, 0, 'f', 5).arg(s.Slope, 0, 'f', 5);
    // A concentration read from a regression, with its expanded uncertainty (k = 2).
    if (elements[i].CellResult >= 0.0 && elements[i].Uncertainty >= 0.0)
      lines << QStringLiteral("C[%1]=%2 \u00b1 %3")
                   .arg(name, QString::number(elements[i].CellResult, 'g', 4),
                        QString::number(elements[i].Uncertainty, 'g', 2));
    plots_[i]->Redraw();
  }
  equations_->setPlainText(lines.join(QLatin1Char('\n')));

  // 7. Ranges.
  setRanges();
  chart_->replot();
  refilling_ = false;
}

void TStatForm::fillSeries(TConcCalculation& calc, const std::vector<TVAStruct*>& curves) {
  const TConcParams& params = calc.Params();
  const TElementsArr& elements = calc.Elements();
  for (std::size_t i = 0; i < plots_.size(); ++i) {
    TCalcSerie& s = plots_[i]->serie();
    const TCalcElement& e = elements[i];
    if (calc.Method() != CalcMethods::kByCalibration) {
      s.ValueSource = [&calc](TVAStruct& curve, const std::string& name, double& value) {
        return calc.PeakValue(curve, name, value);
      };
    } else {
      s.ValueSource = nullptr;
    }
    switch (calc.Method()) {
      case CalcMethods::kCalibrationCurve:
        // The calibration the calculation itself builds for the element.
        s.FillCalibration(calc.OnTheFlyCalibration(i), 5, std::max(0, calc.CalibrationType()), 2);
        break;
      case CalcMethods::kByCalibration: {
        TCalibrationCurves cal;
        if (calc.Calibrations().ActiveCalibration(e.Name, cal)) {
          s.FillCalibration(cal, params.ResUnitTop, CalcMethods::kAbscissaConcentration, params.ResUnitBottom);
          s.DrawReading(curves, e.Name);
        }
        break;
      }
      default:
        s.FillAdditions(curves, e);
        break;
    }
  }
}

QString TStatForm::bottomTitle(const TConcCalculation& calc) const {
  const QString concentration = tr("Concentration, [%1/%2]");
  const int method = calc.Method();
  if (method == CalcMethods::kCalibrationCurve) {
    switch (calc.CalibrationType()) {
      case 1:
        return tr("Sweep rate") + QStringLiteral("^^1/2");
      case 2:
        return tr("Angular frequency") + QStringLiteral("^^1/2");
      case 3:
        return tr("Cleaning potential, mV");
      case 4:
        return tr("Cleaning time, s");
      case 5:
        return tr("Preparation 1 potential, mV");
      case 6:
        return tr("Preparation 1 time, s");
      case 7:
        return tr("Preparation 2 potential, mV");
      case 8:
        return tr("Preparation 2 time, s");
      case 9:
        return tr("Electrolysis potential, mV");
      case 10:
        return tr("Electrolysis time, s");
      case 11:
        return tr("Delay after mixing, s");
      case 12:
        return tr("Modulation amplitude, mV");
      case 13:
        return tr("Modulation Frequency, Hz");
      default:
        return concentration.arg(UnitText(5), UnitText(2));
    }
  }
  const TConcParams& p = calc.Params();
  return concentration.arg(UnitText(p.ResUnitTop), UnitText(p.ResUnitBottom));
}

void TStatForm::setRanges() {
  bool any = false;
  double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
  for (const auto& plot : plots_) {
    const TCalcSerie& s = plot->serie();
    if (s.Points.empty()) continue;
    if (!any) {
      x0 = s.Extent(0), x1 = s.Extent(1), y0 = s.Extent(2), y1 = s.Extent(3);
      any = true;
      continue;
    }
    x0 = std::min(x0, s.Extent(0));
    x1 = std::max(x1, s.Extent(1));
    y0 = std::min(y0, s.Extent(2));
    y1 = std::max(y1, s.Extent(3));
  }
  auto apply = [this](QCPAxis* axis, double lo, double hi) {
    if (lo != hi) {
      // Automatic: everything drawn (lines and marks included) fits.
      bool found = false;
      QCPRange all;
      for (int g = 0; g < chart_->graphCount(); ++g) {
        bool ok = false;
        const QCPRange r =
            axis == chart_->xAxis ? chart_->graph(g)->getKeyRange(ok) : chart_->graph(g)->getValueRange(ok);
        if (!ok) continue;
        all = found ? QCPRange(std::min(all.lower, r.lower), std::max(all.upper, r.upper)) : r;
        found = true;
      }
      const QCPRange base = found ? all : QCPRange(lo, hi);
      const double pad = 0.05 * (base.upper - base.lower);
      axis->setRange(base.lower - pad, base.upper + pad);
    } else if (lo != 0.0) {
      axis->setRange(std::min(0.99 * lo, 1.01 * lo), std::max(0.99 * lo, 1.01 * lo));
    } else {
      axis->setRange(-0.01, 0.01);
    }
  };
  apply(chart_->xAxis, x0, x1);
  apply(chart_->yAxis, y0, y1);
}

}  // namespace velmora
