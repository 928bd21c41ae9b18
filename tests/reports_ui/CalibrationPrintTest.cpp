#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QCheckBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

#include "CalibrationDocument.h"
#include "PeakValue.h"
#include "TCalcSeriePlot.h"
#include "TCalibrationPrintCharts.h"
#include "TPrintOptionsBox.h"
#include "TRepForm.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

// Three lead standards at 0.5, 1 and 2 mg/dm³: a Pb peak at -420 mV on a
// background of about 30 µA, 2 mV steps.
TSingleCalibration Lead() {
  TSingleCalibration c;
  c.Name = "Pb";
  c.Stamp = 46000.4;
  c.CalcType = CalcByHeight;
  c.UnitTop = 5;
  c.UnitBottom = 2;
  const double conc[] = {0.5, 1.0, 2.0};
  const double height[] = {1.3, 2.4, 4.9};
  for (int k = 0; k < 3; ++k) {
    auto curve = std::make_shared<TVAStruct>();
    curve->DatabaseName = std::to_string(31 + k);
    for (int i = 0; i <= 300; ++i) {
      const double x = -900.0 + 2.0 * i;
      const double g = (x + 420.0) / 25.0;
      curve->Data.push_back({x, 30.0 + 0.01 * (x + 900.0) + height[k] * std::exp(-g * g)});
    }
    TPeakRecord p;
    p.Name = "Pb";
    p.BeginIndex = 200;
    p.EndIndex = 280;
    p.CalcType = CalcByHeight;
    p.GridValue = conc[k];
    p.UnitTop = 5;
    p.UnitBottom = 2;
    CalcPeakValue(curve->Data, nullptr, p);
    curve->Peaks.push_back(p);
    c.Points.push_back({conc[k], p.PeakValue});
    c.Curves.push_back(curve);
  }
  c.Intercept = 0.03;
  c.Slope = 2.4;
  c.R2 = 0.9996;
  c.Loaded = true;
  return c;
}

std::unique_ptr<QCustomPlot> MainChart() {
  auto plot = std::make_unique<QCustomPlot>();
  plot->resize(900, 560);
  QCPGraph* g = plot->addGraph();
  g->setPen(QPen(QColor(200, 0, 0), 2));
  for (int i = 0; i < 100; ++i) g->addData(i, std::sin(i / 10.0));
  plot->rescaleAxes();
  plot->replot();
  return plot;
}

bool Grey(const QImage& img) {
  for (int y = 0; y < img.height(); y += 2) {
    for (int x = 0; x < img.width(); x += 2) {
      const QColor c = img.pixelColor(x, y);
      if (c.red() != c.green() || c.green() != c.blue()) return false;
    }
  }
  return true;
}

}  // namespace

TEST(PrintCalibration, OptionsRebuildThePagesAndPrintToPdf) {
  auto chart = MainChart();
  TRepForm form(chart.get());
  form.selectPrinter(TRepForm::pdfPrinterName());
  auto* calibration = form.findChild<QRadioButton*>(QStringLiteral("PrintCalibration"));
  ASSERT_NE(calibration, nullptr);
  EXPECT_FALSE(calibration->isEnabled());  // nothing to print yet
  form.setCalibrations({Lead(), Lead()});
  EXPECT_TRUE(calibration->isEnabled());
  form.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.previewPageCount() > 0; }, 2000));
  TPrintOptionsBox* o = form.options();
  EXPECT_TRUE(o->box("OptEquation")->isHidden());
  EXPECT_FALSE(o->box("OptNotes")->isHidden());

  form.chooseCalibration();
  EXPECT_FALSE(o->box("OptEquation")->isHidden());
  for (const char* name : {"OptMeasurementType", "OptResultCalculationData", "OptResultsTable", "OptNotes"})
    EXPECT_TRUE(o->box(name)->isHidden()) << name;
  // Two calibrations with both charts, tables and equations: several pages.
  const int full = form.previewPageCount();
  EXPECT_GE(full, 2);
  EXPECT_EQ(form.document().front().Text, "Calibration curve");

  // Without the curves' chart, parameters and calibration chart it all
  // fits on one page; the preview follows every box.
  o->box("OptDiagram")->setChecked(false);
  o->box("OptRecordParameters")->setChecked(false);
  o->box("OptCalcChart")->setChecked(false);
  EXPECT_EQ(form.previewPageCount(), 1);
  const QImage small = form.previewPage(0);
  form.setFontSize(16);
  EXPECT_NE(form.previewPage(0), small);
  form.setMargins(20, 30, 20, 15);
  o->box("OptCalcChart")->setChecked(true);
  EXPECT_GT(form.previewPageCount(), 1);

  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("calibration.pdf"));
  form.setPdfFile(file);
  EXPECT_EQ(form.print(), form.previewPageCount());
  EXPECT_GT(QFileInfo(file).size(), 1000);

  // Back to the main chart: the report's boxes again, one page.
  form.findChild<QRadioButton*>(QStringLiteral("PrintCurrentChart"))->setChecked(true);
  EXPECT_TRUE(o->box("OptEquation")->isHidden());
  EXPECT_EQ(form.previewPageCount(), 1);
  form.setCalibrations({});
  EXPECT_FALSE(calibration->isEnabled());
  form.close();
}

TEST(PrintCalibration, ChartsTitleTheStandardsAndTheLineAndGoBlack) {
  auto chart = MainChart();
  TRepForm form(chart.get());
  form.selectPrinter(TRepForm::pdfPrinterName());
  form.setCalibrations({Lead()});
  form.chooseCalibration();
  form.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.previewPageCount() > 0; }, 2000));

  // The calibration line through the three standards, in the first colour.
  TCalibrationPrintCharts& charts = form.calibrationCharts();
  const TCalcSeriePlot* line = charts.linePlot();
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->serie().Points.size(), 3u);
  EXPECT_NEAR(line->serie().R2, 1.0, 1e-3);
  QCustomPlot& lc = charts.lineChart();
  ASSERT_GE(lc.legend->itemCount(), 1);
  auto* item = qobject_cast<QCPPlottableLegendItem*>(lc.legend->item(0));
  ASSERT_NE(item, nullptr);
  EXPECT_TRUE(item->plottable()->name().startsWith(QStringLiteral("Pb R2=0.99")));
  EXPECT_EQ(lc.xAxis->label(), QStringLiteral("Concentration, [mg/dm3]"));
  EXPECT_EQ(lc.yAxis->label(), QStringLiteral("µA"));
  EXPECT_NE(item->plottable()->pen().color(), QColor(Qt::black));
  // The standards' curves are named by their concentrations.
  QCustomPlot& cc = charts.curveChart().chart();
  ASSERT_EQ(cc.plottableCount(), 3);
  EXPECT_EQ(cc.plottable(1)->name(), QStringLiteral("1 mg/dm3"));

  form.setBlackAndWhite(true);
  EXPECT_EQ(charts.linePlot()->serie().Color, 0u);
  for (int i = 0; i < cc.plottableCount(); ++i) EXPECT_EQ(cc.plottable(i)->pen().color(), QColor(Qt::black));
  form.close();
}

TEST(PrintCalibration, CurrentChartInBlackAndWhiteIsGrey) {
  auto chart = MainChart();
  TRepForm form(chart.get());
  form.selectPrinter(TRepForm::pdfPrinterName());
  form.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.previewPageCount() > 0; }, 2000));
  EXPECT_FALSE(Grey(form.previewPage(0)));  // the red curve
  form.setBlackAndWhite(true);
  EXPECT_TRUE(Grey(form.previewPage(0)));
  form.close();
}
