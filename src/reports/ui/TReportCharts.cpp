#include "TReportCharts.h"

#include <qcustomplot.h>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "CalcMethods.h"
#include "ChartLegend.h"
#include "TCalcChart.h"
#include "TCalibrationList.h"
#include "TConcCalculation.h"
#include "TPrintRenderer.h"
#include "TReportRec.h"
#include "TVAStruct.h"

namespace velmora {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Messages", text); }

}  // namespace

TReportCharts::TReportCharts() : calc_(std::make_unique<QCustomPlot>()) {
  calc_->resize(TPrintChart::kWidth, TPrintChart::kHeight);
  calc_->setBackground(Qt::white);
  calcChart_ = std::make_unique<TCalcChart>(calc_.get());
  // The legend beside the plot, where it covers no point or line.
  ChartLegend::PlaceOutside(*calc_, Qt::AlignRight);
}

TReportCharts::~TReportCharts() { calcChart_.reset(); }
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
  QFont font = options_.Font;
  font.setPointSize(options_.FontSize);
  for (QCPAxis* axis : {c.xAxis, c.yAxis}) {
    axis->setLabelFont(font);
    axis->setTickLabelFont(font);
    axis->setVisible(true);
    axis->grid()->setVisible(options_.Grid);
    axis->grid()->setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 0, Qt::DotLine));
  }
  c.legend->setFont(font);
  c.legend->setVisible(options_.Legend);
  c.legend->setBorderPen(QPen(Qt::black));

  // The experiment's calculation, redone over its curves: the method, the
  // roles, volumes, units and calibrations it was added with.
  std::vector<TVAStruct*> curves;
  for (const auto& cv : e.Curves)
    if (cv) curves.push_back(cv.get());
  TCalibrationList calibrations(e.Calibrations);
  TCustomMethodArr custom;
  TConcCalculation calc;
  calc.SetCurves(curves);
  calc.SetCalibrations(&calibrations);
  calc.SetCurrentCalcType(e.PeakCalcType);
  if (CalcMethods::IsCustom(e.CalcMethod) && !curves.empty()) {
    custom.push_back(curves.front()->CustomMethod);
    calc.SetCustomMethods(&custom);
    calc.SelectMethod(CalcMethods::kFirstCustom);
  } else if (!calc.SelectMethod(e.CalcMethod)) {
    calc.SelectMethod(CalcMethods::kNone);
  }
  calc.TakeCalibrationTypeFromCurves();
  calc.Recalculate();

  TCalcChart::Options o;
  o.Font = font;
  if (options_.BlackAndWhite) o.Color = [](std::size_t) { return QColor(Qt::black); };
  const int type = e.PeakCalcType;
  o.LeftTitle = [type] {
    return type == 0 || type == 2 ? QCoreApplication::translate("velmora::TReportCharts", "µA")
           : type == 1            ? QCoreApplication::translate("velmora::TReportCharts", "µA*mV")
                                  : QString();
  };
  calcChart_->Fill(calc, o);

  const int h = std::max(
      1, static_cast<int>(std::lround(static_cast<double>(target.height()) / target.width() * TPrintChart::kWidth)));
  c.resize(TPrintChart::kWidth, h);
  // A hidden chart takes its new size only when shown: lay it out at the
  // size it is drawn at, where the marks find their places.
  c.setViewport(QRect(0, 0, TPrintChart::kWidth, h));
  c.replot(QCustomPlot::rpImmediateRefresh);
  TPrintRenderer::DrawChart(painter, c, QSize(TPrintChart::kWidth, h), target);
}

}  // namespace velmora
