#include "TCalibrForm.h"

#include <qcustomplot.h>

#include <QDate>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include <cmath>

#include "ConcUnits.h"
#include "CurveSeries.h"
#include "DateTime.h"
#include "FormatError.h"
#include "Message.h"
#include "MessageSink.h"
#include "Messages.h"
#include "NumberFormat.h"
#include "PeakFormat.h"
#include "RecordPeaks.h"
#include "TCalcSeriePlot.h"
#include "TCalibrationsDB.h"
#include "TVAStruct.h"
#include "ThumbnailPainter.h"
#include "UiText.h"

namespace velmora {

namespace {

std::uint32_t Rgb(const QColor& c) {
  return (static_cast<std::uint32_t>(c.red()) << 16) | (static_cast<std::uint32_t>(c.green()) << 8) |
         static_cast<std::uint32_t>(c.blue());
}

QString ShortDate(double stamp) {
  const DateTime::Parts p = DateTime::split(stamp);
  return QLocale().toString(QDate(p.year, p.month, p.day), QLocale::ShortFormat);
}

QString CalcTypeText(int calcType) { return UiText::message(Message(CalcTypeReportName(calcType))); }

// A figure of merit with four significant digits and its unit (caption
// markup drawn as characters), "?" when it cannot be computed.
QString Figure(double v, const QString& unit) {
  if (v < 0.0 || !std::isfinite(v)) return QStringLiteral("?");
  return UiText::fromStd(
      NumberFormat::UnicodeText(NumberFormat::WithUnit(NumberFormat::Significant(v, 4), UiText::toStd(unit))));
}

}  // namespace

TCalibrForm::TCalibrForm(TCalibrationsDB& db, IMessageSink& sink, QWidget* parent)
    : QWidget(parent, Qt::Window), db_(db), sink_(sink) {
  setObjectName(QStringLiteral("CalibrForm"));
  elementsLabel_ = new QLabel(this);
  calibrationsLabel_ = new QLabel(this);
  elements_ = new QListWidget(this);
  calibrations_ = new QListWidget(this);
  setActive_ = new QPushButton(this);
  remove_ = new QPushButton(this);
  auto* left = new QVBoxLayout;
  left->addWidget(elementsLabel_);
  left->addWidget(elements_, 1);
  left->addWidget(calibrationsLabel_);
  left->addWidget(calibrations_, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(setActive_);
  buttons->addWidget(remove_);
  left->addLayout(buttons);

  curvesChart_ = new QCustomPlot(this);
  curvesChart_->setMinimumSize(360, 180);
  auto source = [this]() -> const TPeakDrawing& { return drawing_; };
  bands_ = new TPeakBandsLayer(curvesChart_, TPeakBandsLayer::Role::Bands, source);
  marks_ = new TPeakBandsLayer(curvesChart_, TPeakBandsLayer::Role::Marks, source);
  lineChart_ = new QCustomPlot(this);
  lineChart_->setMinimumSize(360, 200);
  equation_ = new QLabel(this);
  figures_ = new QLabel(this);
  equation_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* right = new QWidget(this);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  auto* charts = new QSplitter(Qt::Vertical, right);
  charts->addWidget(curvesChart_);
  charts->addWidget(lineChart_);
  rightLayout->addWidget(charts, 1);
  rightLayout->addWidget(equation_);
  rightLayout->addWidget(figures_);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 0);
  layout->addWidget(right, 1);
  resize(980, 640);

  connect(elements_, &QListWidget::currentRowChanged, this, [this](int) {
    if (!filling_) fillCalibrations();
  });
  connect(calibrations_, &QListWidget::currentRowChanged, this, [this](int) {
    if (filling_) return;
    drawCurves();
    drawLines();
  });
  connect(calibrations_, &QListWidget::itemChanged, this, [this](QListWidgetItem*) {
    if (!filling_) drawLines();
  });
  connect(setActive_, &QPushButton::clicked, this, &TCalibrForm::SetActiveExecute);
  connect(remove_, &QPushButton::clicked, this, &TCalibrForm::RemoveExecute);
  retranslateUi();
  Refill();
}

TCalibrForm::~TCalibrForm() {
  plots_.clear();
  delete bands_;
  delete marks_;
}

void TCalibrForm::retranslateUi() {
  setWindowTitle(tr("Calibrations"));
  elementsLabel_->setText(tr("Elements"));
  calibrationsLabel_->setText(tr("Calibrations by date"));
  setActive_->setText(tr("Set active"));
  remove_->setText(tr("Remove"));
  remove_->setToolTip(tr("Remove calibration"));
  lineTitles();
  curvesChart_->xAxis->setLabel(tr("E, mV"));
  curvesChart_->yAxis->setLabel(tr("I, µA"));
}

void TCalibrForm::lineTitles() {
  // The units in the caption markup drawn as characters ("dm³"), as on the
  // other charts; the signal in the unit of the drawn calibrations' type.
  auto plain = [](const QString& markup) { return UiText::fromStd(NumberFormat::UnicodeText(UiText::toStd(markup))); };
  lineChart_->xAxis->setLabel(
      plain(tr("Concentration, [%1/%2]")
                .arg(UiText::message(Message(ConcUnits::Caption(TSingleCalibration::kLineUnitTop))),
                     UiText::message(Message(ConcUnits::Caption(TSingleCalibration::kLineUnitBottom))))));
  const char* unit = lineCalcType_ >= 0 ? CalcTypeUnit(lineCalcType_) : nullptr;
  lineChart_->yAxis->setLabel(unit && *unit ? plain(tr("Signal, %1").arg(UiText::message(Message(unit))))
                                            : tr("Signal"));
}

void TCalibrForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    retranslateUi();
    retextCalibrations();
  }
  QWidget::changeEvent(event);
}

void TCalibrForm::retextCalibrations() {
  const int e = selectedElement();
  if (e < 0 || static_cast<std::size_t>(e) >= db_.Elements().size()) return;
  const TCalibrationCollection& element = db_.Elements()[static_cast<std::size_t>(e)];
  // The items keep their check marks and the selection; only the texts of
  // the calculation types and the figures below the chart change.
  filling_ = true;
  for (int i = 0; i < calibrations_->count() && static_cast<std::size_t>(i) < element.Calibrations.size(); ++i)
    calibrations_->item(i)->setText(itemText(element.Calibrations[static_cast<std::size_t>(i)], i == element.Active));
  filling_ = false;
  drawLines();
}

void TCalibrForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // What the command line or another workstation saved meanwhile.
  db_.Refresh();
  Refill();
  emit visibilityChanged(true);
}

void TCalibrForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit visibilityChanged(false);
}

int TCalibrForm::selectedElement() const { return elements_->currentRow(); }
int TCalibrForm::selectedCalibration() const { return calibrations_->currentRow(); }

void TCalibrForm::selectElement(int index) { elements_->setCurrentRow(index); }
void TCalibrForm::selectCalibration(int index) { calibrations_->setCurrentRow(index); }

void TCalibrForm::Refill() {
  const QString previous = elements_->currentItem() ? elements_->currentItem()->text() : QString();
  filling_ = true;
  elements_->clear();
  int keep = db_.Elements().empty() ? -1 : 0;
  for (std::size_t i = 0; i < db_.Elements().size(); ++i) {
    const QString name = UiText::fromStd(db_.Elements()[i].Name);
    elements_->addItem(name);
    if (name == previous) keep = static_cast<int>(i);
  }
  elements_->setCurrentRow(keep);
  filling_ = false;
  fillCalibrations();
}

QString TCalibrForm::itemText(const TSingleCalibration& c, bool active) const {
  QString text =
      QStringLiteral("%1 R2=%2 %3").arg(ShortDate(c.Stamp)).arg(c.R2, 0, 'f', 4).arg(CalcTypeText(c.CalcType));
  if (!c.Title.empty()) text += QStringLiteral(" \u2013 ") + UiText::fromStd(c.Title);
  return active ? QStringLiteral("* ") + text : text;
}

void TCalibrForm::fillCalibrations() {
  filling_ = true;
  calibrations_->clear();
  const int e = selectedElement();
  int active = -1;
  if (e >= 0 && static_cast<std::size_t>(e) < db_.Elements().size()) {
    const TCalibrationCollection& element = db_.Elements()[static_cast<std::size_t>(e)];
    active = element.Active;
    for (std::size_t i = 0; i < element.Calibrations.size(); ++i) {
      const bool isActive = static_cast<int>(i) == active;
      auto* item = new QListWidgetItem(itemText(element.Calibrations[i], isActive), calibrations_);
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(isActive ? Qt::Checked : Qt::Unchecked);
    }
  }
  calibrations_->setCurrentRow(active < calibrations_->count() ? active : -1);
  filling_ = false;
  remove_->setEnabled(calibrations_->count() > 0);
  setActive_->setEnabled(calibrations_->count() > 0);
  drawCurves();
  drawLines();
}

void TCalibrForm::drawLines() {
  plots_.clear();
  lineChart_->clearGraphs();
  lineChart_->clearItems();
  equation_->clear();
  figures_->clear();
  const int e = selectedElement();
  const int selected = selectedCalibration();
  if (e < 0) {
    lineCalcType_ = -1;
    lineTitles();
    lineChart_->replot();
    return;
  }
  int drawn = -1;
  int calcType = -2;  // the drawn calibrations' common type (-1 when they differ)
  double x0 = 0.0, x1 = 0.0, y0 = 0.0, y1 = 0.0;
  for (int i = 0; i < calibrations_->count(); ++i) {
    const bool checked = calibrations_->item(i)->checkState() == Qt::Checked;
    if (!checked && i != selected) continue;
    const TSingleCalibration* c = db_.Calibration(static_cast<std::size_t>(e), static_cast<std::size_t>(i));
    if (!c) continue;
    calcType = calcType == -2 || calcType == c->CalcType ? c->CalcType : -1;
    auto plot = std::make_unique<TCalcSeriePlot>(lineChart_);
    TCalcSerie& s = plot->serie();
    s.Reset();
    s.SetTitle(c->Name);
    s.SetLabels(false);
    const QColor color = checked ? ThumbnailPainter::rowColor(plots_.size()) : palette().color(QPalette::Highlight);
    s.SetColor(Rgb(color));
    for (const TDataPoint& p : c->LinePoints()) s.AddPoint(p.X, p.Y);
    s.Fit();
    // A calibration reads no concentration of its own: no result mark.
    s.ResultMark.clear();
    plot->Attach();
    plot->Redraw();
    if (!s.Points.empty()) {
      const bool first = drawn < 0;
      x0 = first ? s.Extent(0) : std::min(x0, s.Extent(0));
      x1 = first ? s.Extent(1) : std::max(x1, s.Extent(1));
      y0 = first ? s.Extent(2) : std::min(y0, s.Extent(2));
      y1 = first ? s.Extent(3) : std::max(y1, s.Extent(3));
      drawn = i;
    }
    plots_.push_back(std::move(plot));
  }
  if (plots_.size() == 1 && drawn >= 0) {
    const TSingleCalibration* c = db_.Calibration(static_cast<std::size_t>(e), static_cast<std::size_t>(drawn));
    const TCalcSerie& s = plots_.front()->serie();
    equation_->setText(QStringLiteral("y=%1+%2*C R2=%3 %4")
                           .arg(s.Intercept, 0, 'f', 5)
                           .arg(s.Slope, 0, 'f', 5)
                           .arg(s.R2, 0, 'f', 4)
                           .arg(CalcTypeText(c->CalcType)));
    const TRegressionFigures f = c->Figures();
    // s(y/x) in the signal's unit, the limits on the line's axis (mg/dm³).
    const char* signal = CalcTypeUnit(c->CalcType);
    const QString concentration = UiText::message(Message(ConcUnits::Caption(TSingleCalibration::kLineUnitTop))) +
                                  QLatin1Char('/') +
                                  UiText::message(Message(ConcUnits::Caption(TSingleCalibration::kLineUnitBottom)));
    figures_->setText(tr("s(y/x)=%1  LOD=%2  LOQ=%3  (n=%4)")
                          .arg(Figure(f.Syx, signal ? UiText::message(Message(signal)) : QString()),
                               Figure(f.Lod(), concentration), Figure(f.Loq(), concentration))
                          .arg(f.N));
  }
  // Every line from the origin side to its last point fits, with a margin.
  const double dx = x1 > x0 ? 0.05 * (x1 - x0) : 0.01;
  const double dy = y1 > y0 ? 0.08 * (y1 - y0) : 0.01;
  lineChart_->xAxis->setRange(std::min(0.0, x0) - dx, x1 + dx);
  lineChart_->yAxis->setRange(std::min(0.0, y0) - dy, y1 + dy);
  lineCalcType_ = std::max(calcType, -1);
  lineTitles();
  lineChart_->replot();
}

void TCalibrForm::drawCurves() {
  curvesChart_->clearPlottables();
  TPeakDrawing d;
  const TSingleCalibration* c = selectedElement() >= 0 && selectedCalibration() >= 0
                                    ? db_.Calibration(static_cast<std::size_t>(selectedElement()),
                                                      static_cast<std::size_t>(selectedCalibration()))
                                    : nullptr;
  if (c && !c->Curves.empty()) {
    std::vector<TVAStruct*> curves;
    for (const auto& curve : c->Curves) curves.push_back(curve.get());
    d.Visible = true;
    d.PeaksColor = QColor(255, 255, 200);
    d.CrossPeaksColor = QColor(255, 220, 200);
    d.CaptionColor = Qt::black;
    d.Labels = true;
    d.Table = BuildPeakTable(curves);
    QCPRange xs, ys;
    bool any = false;
    for (std::size_t i = 0; i < curves.size(); ++i) {
      const TDataArr points = curves[i]->DisplayData();
      const QColor color = ThumbnailPainter::rowColor(i);
      for (const TDataPoint& p : points) {
        if (!any) {
          xs = QCPRange(p.X, p.X);
          ys = QCPRange(p.Y, p.Y);
          any = true;
        }
        xs.expand(p.X);
        ys.expand(p.Y);
      }
      CurveSeries::Create(curvesChart_, points, QPen(color, 1.5));
      // The values the table above was built from.
      d.Curves.push_back({points, curves[i]->Peaks, color});
    }
    if (any) {
      curvesChart_->xAxis->setRange(xs);
      const double pad = 0.05 * (ys.upper - ys.lower);
      curvesChart_->yAxis->setRange(ys.lower - pad, ys.upper + pad);
    }
  }
  drawing_ = std::move(d);
  curvesChart_->replot();
  problems();
}

void TCalibrForm::problems() {
  for (const Message& m : db_.TakeProblems()) sink_.error(m);
}

void TCalibrForm::SetActiveExecute() {
  const int e = selectedElement();
  const int c = selectedCalibration();
  if (e < 0 || c < 0) return;
  db_.SetActive(static_cast<std::size_t>(e), static_cast<std::size_t>(c));
  fillCalibrations();
  emit databaseChanged();
}

void TCalibrForm::RemoveExecute() {
  const int e = selectedElement();
  const int c = selectedCalibration();
  if (e < 0 || c < 0) return;
  if (sink_.askYesNo(Message(msg::RemoveSelectedQuery)) == Answer::No) return;
  try {
    db_.RemoveCalibration(static_cast<std::size_t>(e), static_cast<std::size_t>(c));
  } catch (const EFormatError& error) {
    sink_.error(error.message());
    return;
  }
  // Other programs' changes came in with the folder's index: the lists are
  // filled again.
  Refill();
  emit databaseChanged();
}

QString TCalibrForm::equationText() const { return equation_->text(); }
QString TCalibrForm::figuresText() const { return figures_->text(); }

}  // namespace velmora
