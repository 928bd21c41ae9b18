#include "TReportCharts.h"

#include <qcustomplot.h>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "ConcUnits.h"
#include "Message.h"
#include "Messages.h"
#include "TCalcElement.h"
#include "TCalcSeriePlot.h"
#include "TChartLabels.h"
#include "TPrintRenderer.h"
#include "TReportRec.h"
#include "TVAStruct.h"
#include "ThumbnailPainter.h"

namespace velmora {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Messages", text); }

QString NoCarets(QString text) { return text.remove(u'^'); }

// The element names of the curves' peaks in order of first appearance.
std::vector<std::string> ElementsOf(const std::vector<std::shared_ptr<TVAStruct>>& curves) {
  std::vector<std::string> names;
  for (const auto& c : curves) {
    if (!c) continue;
    for (const TPeakRecord& p : c->Peaks)
      if (std::find(names.begin(), names.end(), p.Name) == names.end()) names.push_back(p.Name);
  }
  return names;
}

std::uint32_t Rgb(const QColor& c) {
  return (static_cast<std::uint32_t>(c.red()) << 16) | (static_cast<std::uint32_t>(c.green()) << 8) |
         static_cast<std::uint32_t>(c.blue());
}

}  // namespace

TReportCharts::TReportCharts() : calc_(std::make_unique<QCustomPlot>()) {
  calc_->resize(TPrintChart::kWidth, TPrintChart::kHeight);
  calc_->setBackground(Qt::white);
}

TReportCharts::~TReportCharts() = default;

void TReportCharts::setReport(TReportRec* report, std::vector<TReportChartRef> charts,
                              const TPrintChart::Options& options) {
  report_ = report;
  charts_ = std::move(charts);
  options_ = options;
}

void TReportCharts::draw(QPainter& painter, int chart, const QRect& target) {
  if (!report_ || chart < 1 || static_cast<std::size_t>(chart) > charts_.size()) return;
  const TReportChartRef& ref = charts_[static_cast<std::size_t>(chart) - 1];
  if (ref.Experiment >= report_->Experiments.size()) return;
  if (ref.ChartKind == TReportChartRef::Kind::Curves) {
    drawCurves(painter, ref.Experiment, target);
  } else {
    drawCalculation(painter, ref.Experiment, target);
  }
}

void TReportCharts::drawCurves(QPainter& painter, std::size_t experiment, const QRect& target) {
  const TExpRec& e = report_->Experiments[experiment];
  std::vector<TPrintChart::Curve> curves;
  for (const auto& c : e.Curves) {
    if (!c) continue;
    TPrintChart::Curve pc;
    pc.Title = Tr(TVAStruct::MeasurementTypeCaption(c->Params.MeasurementType()));
    pc.Points = c->Data;
    pc.Peaks = c->GetPeaks();
    curves.push_back(std::move(pc));
  }
  curves_.setCurves(curves, options_);
  curves_.draw(painter, target);
}

void TReportCharts::drawCalculation(QPainter& painter, std::size_t experiment, const QRect& target) {
  if (target.width() <= 0) return;
  TExpRec& e = report_->Experiments[experiment];
  QCustomPlot& c = *calc_;
  c.clearItems();
  c.clearGraphs();
  c.clearPlottables();
  QFont font = options_.Font;
  font.setPointSize(options_.FontSize);
  for (QCPAxis* axis : {c.xAxis, c.yAxis}) {
    axis->setLabelFont(font);
    axis->setTickLabelFont(font);
    axis->setVisible(true);
    axis->grid()->setVisible(options_.Grid);
    axis->grid()->setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 0, Qt::DotLine));
  }
  const int type = e.PeakCalcType;
  c.yAxis->setLabel(type == 0 || type == 2 ? QCoreApplication::translate("velmora::TReportCharts", "µA")
                    : type == 1            ? QCoreApplication::translate("velmora::TReportCharts", "µA*mV")
                                           : QString());
  c.xAxis->setLabel(
      NoCarets(Tr(msg::ReportConcentrationAxis)
                   .replace(QStringLiteral("%s/%s"), QStringLiteral("%1/%2"))
                   .arg(Tr(ConcUnits::Caption(e.RecalcUnitTop)), Tr(ConcUnits::Caption(e.RecalcUnitBottom)))));
  c.legend->setFont(font);
  c.legend->setVisible(options_.Legend);
  c.legend->setBorderPen(QPen(Qt::black));
  // The lines rise to the right: the top left corner keeps clear of them.
  c.axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignLeft | Qt::AlignTop);

  std::vector<TVAStruct*> curves;
  for (const auto& cv : e.Curves)
    if (cv) curves.push_back(cv.get());
  const std::vector<std::string> names = ElementsOf(e.Curves);
  std::vector<std::unique_ptr<TCalcSeriePlot>> plots;
  for (std::size_t i = 0; i < names.size(); ++i) {
    auto plot = std::make_unique<TCalcSeriePlot>(&c);
    TCalcSerie& s = plot->serie();
    s.Reset();
    s.SetColor(options_.BlackAndWhite ? 0 : Rgb(ThumbnailPainter::rowColor(i)));
    if (e.CalcMethod == 5) {
      const TSingleCalibration* cal = nullptr;
      for (const TSingleCalibration& k : e.Calibrations)
        if (k.Name == names[i]) cal = &k;
      if (!cal && i < e.Calibrations.size()) cal = &e.Calibrations[i];
      if (!cal) continue;
      s.FillCalibration(cal->AsCurves(), report_->NativeUnitTop, 0, report_->NativeUnitBottom);
      s.DrawReading(curves, names[i]);
      s.SetTitle(names[i]);
    } else {
      TCalcElement el;
      el.Name = names[i];
      for (TVAStruct* cv : curves) {
        const std::int32_t k = cv->FindPeak(names[i]);
        if (k >= 0 && cv->Peaks[static_cast<std::size_t>(k)].AdditionConc != 0.0) {
          el.AddConc = cv->Peaks[static_cast<std::size_t>(k)].AdditionConc;
          break;
        }
      }
      s.FillAdditions(curves, el);
    }
    plot->Attach();
    plot->Redraw();
    plots.push_back(std::move(plot));
  }
  c.rescaleAxes();
  for (QCPAxis* axis : {c.xAxis, c.yAxis}) {
    const QCPRange r = axis->range();
    const double pad = r.size() > 0 ? r.size() * 0.08 : 1.0;
    axis->setRange(std::min(0.0, r.lower - pad), r.upper + pad);
  }
  const int h = std::max(
      1, static_cast<int>(std::lround(static_cast<double>(target.height()) / target.width() * TPrintChart::kWidth)));
  c.resize(TPrintChart::kWidth, h);
  // A hidden chart takes its new size only when shown: lay it out at the
  // size it is drawn at, where the value marks find their places.
  c.setViewport(QRect(0, 0, TPrintChart::kWidth, h));
  c.replot(QCustomPlot::rpImmediateRefresh);
  std::vector<TCalcSeriePlot*> shown;
  for (const auto& plot : plots) shown.push_back(plot.get());
  TChartLabels::Arrange(c, shown, font);
  TPrintRenderer::DrawChart(painter, c, QSize(TPrintChart::kWidth, h), target);
  plots.clear();
}

}  // namespace velmora
