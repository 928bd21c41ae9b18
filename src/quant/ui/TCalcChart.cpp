#include "TCalcChart.h"

#include <qcustomplot.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>

#include "CalcMethods.h"
#include "ConcUnits.h"
#include "Message.h"
#include "NumberFormat.h"
#include "PeakFormat.h"
#include "TCalcSeriePlot.h"
#include "TChartLabels.h"
#include "TConcCalculation.h"
#include "ThumbnailPainter.h"
#include "UiText.h"

namespace velmora {

namespace {

QString Catalogue(const char* text) { return text ? UiText::message(Message(text)) : QString(); }

// Caption markup as the chart draws it (no markup on a chart).
QString Plain(const QString& markup) { return UiText::fromStd(NumberFormat::UnicodeText(UiText::toStd(markup))); }

QString UnitOf(std::int32_t top, std::int32_t bottom) {
  if (!ConcUnits::IsValid(top)) return QString();
  QString unit = Catalogue(ConcUnits::Caption(top));
  if (ConcUnits::IsValid(bottom)) unit += QLatin1Char('/') + Catalogue(ConcUnits::Caption(bottom));
  return unit;
}

std::uint32_t Rgb(const QColor& c) {
  return (static_cast<std::uint32_t>(c.red()) << 16) | (static_cast<std::uint32_t>(c.green()) << 8) |
         static_cast<std::uint32_t>(c.blue());
}

// The peak calculation type the elements share; -1 when they differ.
int CommonCalcType(const TConcCalculation& calc) {
  int type = -2;
  for (const TCalcElement& e : calc.Elements()) {
    if (type == -2) type = e.CalcType;
    if (e.CalcType != type) return -1;
  }
  return type < 0 ? -1 : type;
}

constexpr int kReadoutGap = 18;  // pixels between two entries of a line

}  // namespace

// The read-out of the concentrations found: one entry per element in its
// colour, wrapped into as many lines as the chart's width needs, in a row
// of its own above the plot, so it never covers the data.
class TCalcChart::Readout : public QCPLayoutElement {
 public:
  struct Entry {
    QString Text;
    QColor Color;
  };

  explicit Readout(QCustomPlot* chart) : QCPLayoutElement(chart) { setMargins(QMargins(6, 2, 6, 0)); }

  void setEntries(std::vector<Entry> entries, const QFont& font) {
    entries_ = std::move(entries);
    font_ = font;
  }
  const std::vector<Entry>& entries() const { return entries_; }

  QSize minimumOuterSizeHint() const override {
    const int lines = static_cast<int>(lineBreaks(availableWidth()).size());
    const int height = lines == 0 ? 0 : lines * QFontMetrics(font_).height() + margins().top() + margins().bottom();
    return QSize(0, height);
  }
  QSize maximumOuterSizeHint() const override { return QSize(QWIDGETSIZE_MAX, minimumOuterSizeHint().height()); }

 protected:
  void draw(QCPPainter* painter) override {
    if (entries_.empty()) return;
    painter->setFont(font_);
    const QFontMetrics m(font_);
    const std::vector<std::size_t> breaks = lineBreaks(mRect.width());
    std::size_t line = 0;
    int x = mRect.left();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      if (line + 1 < breaks.size() && i == breaks[line + 1]) {
        ++line;
        x = mRect.left();
      }
      const int y = mRect.top() + static_cast<int>(line) * m.height() + m.ascent();
      painter->setPen(entries_[i].Color);
      painter->drawText(x, y, entries_[i].Text);
      x += m.horizontalAdvance(entries_[i].Text) + kReadoutGap;
    }
  }

 private:
  int availableWidth() const {
    const int width = mParentPlot ? mParentPlot->viewport().width() : 0;
    return std::max(1, width - margins().left() - margins().right());
  }
  // The index of the first entry of every line.
  std::vector<std::size_t> lineBreaks(int width) const {
    std::vector<std::size_t> breaks;
    const QFontMetrics m(font_);
    int x = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      const int w = m.horizontalAdvance(entries_[i].Text);
      if (breaks.empty() || (x > 0 && x + w > width)) {
        breaks.push_back(i);
        x = 0;
      }
      x += w + kReadoutGap;
    }
    return breaks;
  }

  std::vector<Entry> entries_;
  QFont font_;
};

TCalcChart::TCalcChart(QCustomPlot* chart, QObject* parent) : QObject(parent), chart_(chart) {
  font_ = chart_->font();
  readout_ = new Readout(chart_);
  chart_->plotLayout()->insertRow(0);
  chart_->plotLayout()->addElement(0, 0, readout_);
  chart_->plotLayout()->setRowStretchFactor(0, 0.001);
  empty_ = new QCPItemText(chart_);
  empty_->position->setType(QCPItemPosition::ptAxisRectRatio);
  empty_->position->setCoords(0.5, 0.5);
  empty_->setPositionAlignment(Qt::AlignCenter);
  empty_->setColor(QColor(0x60, 0x60, 0x60));
  empty_->setClipToAxisRect(true);
  empty_->setVisible(false);
  // The marks find their places whenever the chart has its geometry.
  connect(chart_, &QCustomPlot::afterLayout, this, [this] { Arrange(); });
}

TCalcChart::~TCalcChart() {
  plots_.clear();
  if (chart_) {
    chart_->removeItem(empty_);
    chart_->plotLayout()->remove(readout_);
    chart_->plotLayout()->simplify();
  }
}

QString TCalcChart::BottomTitle(const TConcCalculation& calc) {
  const QString concentration = tr("Concentration, [%1/%2]");
  const int method = calc.Method();
  if (method == CalcMethods::kCalibrationCurve) {
    static const char* const kParameters[] = {
        QT_TRANSLATE_NOOP("velmora::TCalcChart", "Cleaning potential, mV"),
        QT_TRANSLATE_NOOP("velmora::TCalcChart", "Cleaning time, s"),
        QT_TRANSLATE_NOOP("velmora::TCalcChart", "Preparation 1 potential, mV"),
        QT_TRANSLATE_NOOP("velmora::TCalcChart", "Preparation 1 time, s"),
        QT_TRANSLATE_NOOP("velmora::TCalcChart", "Preparation 2 potential, mV"),
        QT_TRANSLATE_NOOP("velmora::TCalcChart", "Preparation 2 time, s"),
        QT_TRANSLATE_NOOP("velmora::TCalcChart", "Electrolysis potential, mV"),
        QT_TRANSLATE_NOOP("velmora::TCalcChart", "Electrolysis time, s"),
        QT_TRANSLATE_NOOP("velmora::TCalcChart", "Delay after mixing, s"),
        QT_TRANSLATE_NOOP("velmora::TCalcChart", "Modulation amplitude, mV"),
        QT_TRANSLATE_NOOP("velmora::TCalcChart", "Modulation Frequency, Hz"),
    };
    const int type = calc.CalibrationType();
    if (type == CalcMethods::kAbscissaSweepRate) return tr("Sweep rate") + QStringLiteral("^1/2^");
    if (type == CalcMethods::kAbscissaAngularFrequency) return tr("Angular frequency") + QStringLiteral("^1/2^");
    if (type >= 3 && type < CalcMethods::kAbscissaCount) return tr(kParameters[type - 3]);
    if (type < 0) return QString();
    return concentration.arg(Catalogue(ConcUnits::Caption(5)), Catalogue(ConcUnits::Caption(2)));
  }
  const TConcParams& p = calc.Params();
  return concentration.arg(Catalogue(ConcUnits::Caption(p.ResUnitTop)), Catalogue(ConcUnits::Caption(p.ResUnitBottom)));
}

QString TCalcChart::leftTitle(const TConcCalculation& calc) const {
  QString name = tr("Signal");
  switch (calc.RegressionSignal()) {
    case TConcCalculation::SignalKind::ReferredToCell:
      name = tr("Signal referred to the cell volume");
      break;
    case TConcCalculation::SignalKind::LessDilutedSample:
      name = tr("Signal less the diluted sample");
      break;
    case TConcCalculation::SignalKind::LessBlank:
      name = tr("Signal less the blank");
      break;
    case TConcCalculation::SignalKind::Measured:
      break;
  }
  QString unit;
  const int type = calc.CalibrationType();
  if (calc.Method() == CalcMethods::kCalibrationCurve &&
      (type == CalcMethods::kAbscissaSweepRate || type == CalcMethods::kAbscissaAngularFrequency)) {
    unit = QStringLiteral("A");
  } else {
    unit = Catalogue(CalcTypeUnit(CommonCalcType(calc)));
  }
  return UiText::fromStd(NumberFormat::Heading(UiText::toStd(name), UiText::toStd(unit)));
}

void TCalcChart::Fill(const TConcCalculation& calc, const Options& options) {
  font_ = options.Font.family().isEmpty() ? chart_->font() : options.Font;
  const TElementsArr& elements = calc.Elements();
  while (plots_.size() > elements.size()) plots_.pop_back();
  while (plots_.size() < elements.size()) plots_.push_back(std::make_unique<TCalcSeriePlot>(chart_));
  const int method = calc.Method();
  const int type = calc.CalibrationType();
  const bool amperes = method == CalcMethods::kCalibrationCurve &&
                       (type == CalcMethods::kAbscissaSweepRate || type == CalcMethods::kAbscissaAngularFrequency);
  const QString resultUnit = Plain(UnitOf(calc.Params().ResUnitTop, calc.Params().ResUnitBottom));
  std::vector<Readout::Entry> entries;
  bool anyPoints = false;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    TCalcSeriePlot& plot = *plots_[i];
    TCalcSerie& s = plot.serie();
    s = calc.Regression(i);
    const QColor color = options.Color ? options.Color(i) : ThumbnailPainter::rowColor(i);
    s.SetColor(Rgb(color));
    s.SetTitle(elements[i].Name);
    s.SetLabels(options.Labels);
    if (!options.Trends) s.HideTrend();
    plot.setValueFormat(amperes ? TCalcSeriePlot::ValueFormat::Significant : TCalcSeriePlot::ValueFormat::Peak);
    const bool shown = !options.Shown || options.Shown(i);
    if (shown) {
      plot.Attach();
    } else {
      plot.Detach();
    }
    plot.Redraw();
    if (!shown) continue;
    anyPoints = anyPoints || !s.Points.empty();
    const TCalcElement& e = elements[i];
    const QString name = UiText::fromStd(e.Name);
    if (method == CalcMethods::kCalibrationCurve) {
      if (amperes && calc.RequirementsMet() && e.SampleResult >= 0.0)
        entries.push_back({QStringLiteral("D(%1) = %2")
                               .arg(name, Plain(UiText::fromStd(NumberFormat::WithUnit(
                                              NumberFormat::Scientific(e.SampleResult, 4), "cm^2^/s")))),
                           color});
    } else if (CalcMethods::IsBuiltin(method) && calc.RequirementsMet()) {
      QString value = e.CellResult < 0.0 ? QStringLiteral("?") : UiText::fromStd(NumberFormat::Peak(e.CellResult));
      if (e.CellResult >= 0.0 && e.Uncertainty >= 0.0)
        value += QStringLiteral(" \u00b1 ") + UiText::fromStd(NumberFormat::Uncertainty(e.Uncertainty));
      if (e.CellResult >= 0.0)
        value = UiText::fromStd(NumberFormat::WithUnit(UiText::toStd(value), UiText::toStd(resultUnit)));
      entries.push_back({QStringLiteral("C(%1) = %2").arg(name, value), color});
    }
  }
  readout_->setEntries(std::move(entries), font_);

  // Why the plot stays empty.
  QString reason;
  if (method >= 0 && !elements.empty() && !anyPoints) {
    if (CalcMethods::IsCustom(method)) {
      reason = tr("A custom equation draws no line");
    } else if (method == CalcMethods::kCalibrationCurve && type < 0) {
      reason = tr("The curves hold different abscissa types: choose one in the list");
    } else if (!calc.RequirementsMet()) {
      reason = tr("The table shows no result: nothing to draw");
    } else if (method == CalcMethods::kByCalibration) {
      reason = tr("No element has an active calibration");
    } else {
      reason = tr("No element has points to draw");
    }
  }
  empty_->setText(reason);
  empty_->setFont(font_);
  empty_->setVisible(!reason.isEmpty());

  const bool scientific = method == CalcMethods::kCalibrationCurve && type > 0;
  chart_->yAxis->setNumberFormat(scientific ? "eb" : "gb");
  chart_->yAxis->setNumberPrecision(scientific ? 2 : 6);
  chart_->xAxis->setLabel(Plain(BottomTitle(calc)));
  chart_->yAxis->setLabel(options.LeftTitle ? options.LeftTitle() : leftTitle(calc));
  setRanges();
}

QStringList TCalcChart::readout() const {
  QStringList lines;
  for (const Readout::Entry& e : readout_->entries()) lines << e.Text;
  return lines;
}

QString TCalcChart::emptyReason() const { return empty_->visible() ? empty_->text() : QString(); }

void TCalcChart::Arrange() {
  if (arranging_) return;
  arranging_ = true;
  std::vector<TCalcSeriePlot*> shown;
  for (const auto& plot : plots_)
    if (plot->attached()) shown.push_back(plot.get());
  TChartLabels::Arrange(*chart_, shown, font_);
  arranging_ = false;
}

void TCalcChart::setRanges() {
  bool any = false;
  double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
  for (const auto& plot : plots_) {
    const TCalcSerie& s = plot->serie();
    if (!plot->attached() || s.Points.empty()) continue;
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
      // Automatic: everything drawn (lines, level lines and result marks
      // included) fits, with a margin for the marks.
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
      const double pad = 0.06 * (base.upper - base.lower);
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
