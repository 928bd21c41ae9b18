// The Calibrations and Statistics windows over their databases.
#include <gtest/gtest.h>

#include <cmath>

#include <qcustomplot.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

#include "CalibrationSaver.h"
#include "CalibrationsHost.h"
#include "CurvePlottable.h"
#include "MainWindow.h"
#include "RecordingMessageSink.h"
#include "Settings.h"
#include "StatisticsHost.h"
#include "TCalibrForm.h"
#include "TCalibrationsDB.h"
#include "TConcCalculation.h"
#include "TMethodStatForm.h"
#include "TPluginsManager.h"
#include "TStatDB.h"
#include "TStatForm.h"
#include "TVAStruct.h"
#include "TempDir.h"
#include "ThumbnailPainter.h"

using namespace velmora;

namespace {

// Pb and Cd standards with cached peak values (µg/dm³) and their
// calibration-curve calculation.
struct Standards {
  std::vector<std::unique_ptr<TVAStruct>> owned;
  std::vector<TVAStruct*> curves;
  TConcCalculation calc;

  explicit Standards(double sensitivity) {
    for (double c : {5.0, 10.0, 20.0, 40.0}) {
      auto va = std::make_unique<TVAStruct>();
      for (int k = 0; k < 200; ++k) va->Data.push_back({-1200.0 + 5.0 * k, 15.0 + 0.004 * k});
      for (const char* name : {"Pb", "Cd"}) {
        TPeakRecord p;
        p.Name = name;
        p.PeakValue = sensitivity * c * (1.0 + 0.01 * std::sin(c));
        p.ValueValid = 1;
        p.GridValue = c;
        p.UnitTop = 4;
        p.UnitBottom = 2;
        p.BeginIndex = 80;
        p.EndIndex = 110;
        va->Peaks.push_back(p);
      }
      curves.push_back(va.get());
      owned.push_back(std::move(va));
    }
    calc.SetCurves(curves);
    calc.SelectMethod(4);
    calc.Recalculate();
  }
};

void SaveDay(TCalibrationsDB& db, double sensitivity, double stamp) {
  Standards s(sensitivity);
  SaveCalibrations(s.calc, s.curves, db, stamp);
}

TEST(RecordsWindowsTest, CalibrationsWindowListsDrawsSetsActiveAndRemoves) {
  TVAStruct::SetPeakEvaluator(nullptr);
  test::TempDir dir;
  TCalibrationsDB db(dir.path());
  SaveDay(db, 0.1, 46000.0);
  SaveDay(db, 0.2, 46001.0);
  test::RecordingMessageSink sink;
  TCalibrForm form(db, sink);
  ASSERT_EQ(form.elementList()->count(), 2);
  EXPECT_EQ(form.elementList()->item(0)->text(), "Pb");
  ASSERT_EQ(form.calibrationList()->count(), 2);
  EXPECT_TRUE(form.calibrationList()->item(0)->text().startsWith("* "));
  EXPECT_FALSE(form.calibrationList()->item(1)->text().startsWith("* "));
  EXPECT_EQ(form.calibrationList()->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(form.selectedCalibration(), 0);
  // One line drawn: its equation and its figures of merit.
  EXPECT_EQ(form.drawnCount(), 1);
  EXPECT_TRUE(form.equationText().startsWith("y=")) << form.equationText().toStdString();
  EXPECT_TRUE(form.equationText().contains("R2=")) << form.equationText().toStdString();
  EXPECT_TRUE(form.figuresText().contains("LOD=")) << form.figuresText().toStdString();
  // The line chart's axes carry their units: the concentration's markup
  // drawn as characters, the signal in the unit of the calibration's type.
  const TSingleCalibration* drawn = db.Calibration(0, 0);
  ASSERT_NE(drawn, nullptr);
  EXPECT_EQ(form.lineChart()->xAxis->label(), QString::fromUtf8("Concentration, [mg/dm\u00b3]"));
  const QString signal =
      drawn->CalcType == 1 ? QString::fromUtf8("Signal, \u00b5A*mV") : QString::fromUtf8("Signal, \u00b5A");
  EXPECT_EQ(form.lineChart()->yAxis->label(), signal) << form.lineChart()->yAxis->label().toStdString();
  // The standards' curves of the selected calibration.
  ASSERT_EQ(form.curvesChart()->plottableCount(), 4);
  for (int i = 0; i < 4; ++i) {
    const auto* curve = qobject_cast<const CurvePlottable*>(form.curvesChart()->plottable(i));
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(curve->dataCount(), 200);
    EXPECT_EQ(curve->pen().color(), ThumbnailPainter::rowColor(static_cast<std::size_t>(i)));
  }
  // Selecting the second one draws it too (it is selected though unchecked).
  form.selectCalibration(1);
  EXPECT_EQ(form.drawnCount(), 2);
  EXPECT_TRUE(form.equationText().isEmpty());

  form.SetActiveExecute();
  EXPECT_TRUE(form.calibrationList()->item(1)->text().startsWith("* "));
  EXPECT_NEAR(db.ConcentrationFromCalibration("Pb", 4, 2, 2.0), 10.0, 0.3);

  // "No" keeps it; "Yes" removes it, and the last one takes its element along.
  sink.queueAnswer(Answer::No);
  form.RemoveExecute();
  EXPECT_EQ(form.calibrationList()->count(), 2);
  form.selectCalibration(0);
  form.RemoveExecute();
  EXPECT_EQ(form.calibrationList()->count(), 1);
  form.selectCalibration(0);
  form.RemoveExecute();
  EXPECT_EQ(form.elementList()->count(), 1);
  EXPECT_EQ(form.elementList()->item(0)->text(), "Cd");
  EXPECT_EQ(sink.entries.size(), 3u);
  EXPECT_EQ(sink.entries[0].kind, "yesno");
}

TEST(RecordsWindowsTest, StatisticsWindowEditsSavesUnderNewNamesAndRemoves) {
  test::TempDir dir;
  TStatDB db(dir.path());
  db.LoadAll();
  test::RecordingMessageSink sink;
  TMethodStatForm form(db, sink);
  form.RefillMethods();
  EXPECT_EQ(form.methodList()->count(), 0);

  form.nameEdit()->setText("River water");
  emit form.nameEdit()->textEdited("River water");
  form.topUnits()->setCurrentIndex(1);
  emit form.topUnits()->activated(1);  // mg
  form.bottomUnits()->setCurrentIndex(2);
  emit form.bottomUnits()->activated(2);  // dm³
  form.NewElementExecute("Pb");
  form.NewRangeExecute();
  QTableWidget* grid = form.grid();
  ASSERT_EQ(grid->rowCount(), 2);
  EXPECT_TRUE(grid->item(0, 0)->text().contains("mg/dm^3^")) << grid->item(0, 0)->text().toStdString();
  for (int c = 0; c < 5; ++c) EXPECT_TRUE(TMethodStatForm::CellMarked(grid->item(1, c)->text(), c)) << c;
  grid->item(1, 0)->setText("0,005");  // a comma is read too
  grid->item(1, 1)->setText("0.05");
  grid->item(1, 2)->setText("0.17");
  grid->item(1, 3)->setText("abc");
  grid->item(1, 4)->setText("30 %");
  const TStatRange& r = form.working().Elements.at(0).Ranges.at(0);
  EXPECT_DOUBLE_EQ(r.LowerBound, 0.005);
  EXPECT_DOUBLE_EQ(r.UpperBound, 0.05);
  EXPECT_DOUBLE_EQ(r.CriticalDifference, -1.0);
  EXPECT_EQ(r.Delta, 30);
  EXPECT_FALSE(TMethodStatForm::CellMarked(grid->item(1, 4)->text(), 4));

  form.SaveExecute();
  ASSERT_EQ(db.Records().size(), 1u);
  EXPECT_EQ(db.Records()[0].ResTop, 5);
  EXPECT_EQ(db.Records()[0].ResBottom, 2);
  EXPECT_EQ(form.methodList()->count(), 1);
  EXPECT_TRUE(sink.entries.empty());

  // The same name again: refused.
  form.LoadRecord(0);
  form.SaveExecute();
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].text, "Method already exists!");
  EXPECT_EQ(db.Records().size(), 1u);

  form.methodList()->setCurrentRow(0);
  form.RemoveExecute();
  EXPECT_TRUE(db.Records().empty());
  EXPECT_EQ(form.methodList()->count(), 0);
  TStatDB reread(dir.path());
  EXPECT_TRUE(reread.LoadAll().empty());
  EXPECT_TRUE(reread.Records().empty());
}

TEST(RecordsWindowsTest, MainWindowHostsBothWindowsAndTheChartReadsTheActiveCalibrations) {
  TVAStruct::SetPeakEvaluator(nullptr);
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  MainWindow w{settings, &hub};
  // The standards carry their peak values; the window's evaluator would
  // measure them on the flat test curves.
  TVAStruct::SetPeakEvaluator(nullptr);
  QAction* show = w.action("ShowCalibrationsActn");
  ASSERT_TRUE(show->isEnabled());
  show->trigger();
  EXPECT_TRUE(w.calibrations().form().isVisible());
  EXPECT_TRUE(w.action("EditCalculationStatisticsActn")->isEnabled());

  Standards s(0.1);
  const auto saved = w.calibrations().saveCalibration(s.calc, s.curves);
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_EQ(w.calibrations().form().elementList()->count(), 2);
  EXPECT_TRUE(w.action("RemoveCalibrationActn")->isEnabled());
  EXPECT_NEAR(w.statForm()->calculation().Calibrations().ConcentrationFromCalibration("Pb", 4, 2, 2.0), 20.0, 0.5);
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "Calibrations" / "Header"));
  show->trigger();
  EXPECT_FALSE(w.calibrations().form().isVisible());
  EXPECT_FALSE(w.action("RemoveCalibrationActn")->isEnabled());
}

}  // namespace
