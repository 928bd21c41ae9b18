#include <gtest/gtest.h>

#include <qcustomplot.h>
#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>

#include "TCalcChart.h"
#include "TCalcSeriePlot.h"
#include "TPluginsManager.h"
#include "TStatForm.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

std::unique_ptr<TVAStruct> Curve(int role, std::vector<std::pair<std::string, double>> peaks) {
  auto c = std::make_unique<TVAStruct>();
  c->Params.SetMeasurementType(role);
  c->CalculationMethod = 1;
  c->Volumes[5] = 10.0;
  c->Volumes[6] = 0.1;
  c->ResUnitTop = 5;
  c->ResUnitBottom = 2;
  for (const auto& [name, value] : peaks) {
    TPeakRecord p;
    p.Name = name;
    p.PeakValue = value;
    p.ValueValid = 1;
    p.AdditionConc = 10.1;
    c->Peaks.push_back(p);
  }
  return c;
}

TEST(StatFormTest, ChartsOneSerieAnElementAndFollowsTheHub) {
  TVAStruct::SetPeakEvaluator(nullptr);
  std::vector<std::unique_ptr<TVAStruct>> owned;
  owned.push_back(Curve(1, {{"Pb", 10}, {"Cd", 4}}));
  owned.push_back(Curve(2, {{"Pb", 20}, {"Cd", 4}}));
  std::vector<TVAStruct*> shown;
  for (auto& c : owned) shown.push_back(c.get());

  TPluginsManager hub;
  TStatForm form(hub);
  form.setCurveSource([&shown] { return shown; });
  form.Refresh();
  ASSERT_EQ(form.serieCount(), 2);
  EXPECT_EQ(form.legend()->item(0)->text(), "Pb R2=1.0000");
  EXPECT_NEAR(form.plot(0).serie().Result, 0.1, 1e-12);
  EXPECT_EQ(form.legend()->item(1)->text(), "Cd R2=1.0000");  // equal signals: slope 0
  EXPECT_EQ(form.plot(1).serie().Result, 0.0);
  EXPECT_TRUE(form.equations()->toPlainText().startsWith("y[Pb]=10.00000+100.00000*C"));
  EXPECT_EQ(form.chart()->xAxis->label(), "Concentration, [mg/dm\u00b3]");
  EXPECT_EQ(form.chart()->yAxis->label(), "Signal, µA");  // peaks measured by height

  // Unticking an element detaches it; it stays unticked after a refresh.
  form.legend()->item(1)->setCheckState(Qt::Unchecked);
  EXPECT_FALSE(form.plot(1).attached());
  EXPECT_TRUE(form.plot(0).attached());
  // Without trends the line is gone, the result remains.
  form.trendsBox()->setChecked(false);
  EXPECT_TRUE(form.plot(0).serie().Line.empty());
  EXPECT_NEAR(form.plot(0).serie().Result, 0.1, 1e-12);

  // A selection change reaches a visible window only.
  shown.pop_back();
  hub.NotifySelectionDone(nullptr);
  EXPECT_EQ(form.plot(0).serie().Points.size(), 2u);
  // A sample alone gives standard additions nothing to compute: the table
  // stays empty, so does the chart.
  form.show();
  EXPECT_EQ(form.plot(0).serie().Points.size(), 0u);
  EXPECT_FALSE(form.calcChart().emptyReason().isEmpty());
  EXPECT_EQ(form.legend()->item(1)->checkState(), Qt::Unchecked);
  shown.clear();
  hub.NotifySelectionDone(nullptr);
  EXPECT_EQ(form.serieCount(), 0);
  EXPECT_DOUBLE_EQ(form.chart()->xAxis->range().lower, -0.01);
  form.hide();
}

}  // namespace
