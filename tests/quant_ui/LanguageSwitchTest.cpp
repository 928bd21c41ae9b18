// The quantitation windows re-read their texts in place when the language
// switches: nothing stays in the source language, and selection, edited
// values, the document and the undo history survive.
#include <gtest/gtest.h>

#include <qcustomplot.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <cmath>

#include "CalibrationSaver.h"
#include "CustomMethods.h"
#include "ICalcHost.h"
#include "MainWindow.h"
#include "PeaksHost.h"
#include "PseudoTranslation.h"
#include "RecordingMessageSink.h"
#include "Settings.h"
#include "TCalcForm.h"
#include "TCalcGrid.h"
#include "TCalibrForm.h"
#include "TCalibrationsDB.h"
#include "TConcCalculation.h"
#include "TMethodStatForm.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakValueEvaluator.h"
#include "TPeaksController.h"
#include "TPeaksSelectionForm.h"
#include "TPluginsManager.h"
#include "TStatDB.h"
#include "TStatForm.h"
#include "TUndoRedoManager.h"
#include "TVAStruct.h"
#include "TempDir.h"

using namespace velmora;
using test::ScopedPseudoLanguage;
using test::untranslatedTexts;

namespace {

std::string Listed(const QStringList& texts) { return texts.join(QStringLiteral("\n")).toStdString(); }

// Cell texts of a table that carry letters but no marker.
QStringList UntranslatedCells(const QTableWidget* grid, const QStringList& ignored) {
  QStringList out;
  for (int r = 0; r < grid->rowCount(); ++r)
    for (int c = 0; c < grid->columnCount(); ++c) {
      const QTableWidgetItem* it = grid->item(r, c);
      if (it == nullptr) continue;
      const QString t = it->text().trimmed();
      bool letter = false;
      for (const QChar ch : t) letter = letter || ch.isLetter();
      if (!letter || t.contains(test::PseudoTranslator::Marker) || ignored.contains(t)) continue;
      out << QStringLiteral("%1 (cell %2,%3)").arg(t).arg(r).arg(c);
    }
  return out;
}

// Axis titles of a chart that were not translated.
QStringList UntranslatedAxes(const QCustomPlot* chart) {
  QStringList out;
  for (const QCPAxis* axis : {chart->xAxis, chart->yAxis})
    if (!axis->label().isEmpty() && !axis->label().contains(test::PseudoTranslator::Marker)) out << axis->label();
  return out;
}

class Document {
 public:
  Document() {
    TPeakValueEvaluator::Install();
    undo.AttachView(&forest);
  }
  ~Document() {
    undo.AttachView(nullptr);
    TVAStruct::SetPeakEvaluator(nullptr);
  }
  void Add(const std::string& name, int role, std::vector<std::pair<std::string, double>> peaks) {
    TNode* n = forest.CreateNode();
    n->SetNameSilently(name);
    n->SetRecord(std::make_unique<TVAStruct>(n));
    forest.InsertNode(nullptr, forest.LastRoot(), n);
    TDataArr points;
    for (int i = 0; i <= 200; ++i) {
      const double x = -1200.0 + 5.0 * i;
      double y = 30.0 + 0.01 * (x + 1200.0);
      for (std::size_t k = 0; k < peaks.size(); ++k) {
        const double centre = -1000.0 + 250.0 * static_cast<double>(k);
        y += std::max(0.0, peaks[k].second * (1.0 - std::fabs(x - centre) / 50.0));
      }
      points.push_back({x, y});
    }
    TVAStruct& va = *n->VA();
    va.SetData(points);
    va.Params.SetMeasurementType(role);
    va.Volumes[0] = 5.0;
    va.Volumes[5] = 10.0;
    va.Volumes[6] = 0.1;
    va.ResUnitTop = va.RecalcUnitTop = 5;
    va.ResUnitBottom = va.RecalcUnitBottom = 2;
    va.CalculationMethod = 0;
    for (std::size_t k = 0; k < peaks.size(); ++k) {
      const int centre = 40 + 50 * static_cast<int>(k);
      va.AddPeak(peaks[k].first, 0, centre - 10, centre + 10);
      va.SetAdditionConc(peaks[k].first, 1.0);
    }
    curves.push_back(&va);
  }
  TNodeForest forest;
  TUndoRedoManager undo;
  std::vector<TVAStruct*> curves;
};

class Host final : public ICalcHost {
 public:
  explicit Host(Document& d) : doc(d) {}
  std::vector<TVAStruct*> shownCurves() override { return doc.curves; }
  QColor curveColor(std::size_t) override { return Qt::blue; }
  IUndoRecorder& undoRecorder() override { return doc.undo; }
  IMessageSink& messageSink() override { return sink; }
  QAction* action(const char*) override { return nullptr; }
  void curvesEdited() override { ++edits; }
  void peaksEdited() override { ++edits; }
  void renameCurve(TVAStruct* curve, const QString& name) override { curve->Node->SetName(name.toStdString()); }
  QString askText(const QString&, const QString&, const QString&) override { return {}; }
  Document& doc;
  test::RecordingMessageSink sink;
  int edits = 0;
};

TEST(QuantLanguageSwitch, CalculationWindowAndChart) {
  CustomMethods::List().clear();
  Document doc;
  doc.Add("Background", 0, {{"Cd", 2}, {"Pb", 3}});
  doc.Add("Sample", 1, {{"Cd", 10}, {"Pb", 12}});
  doc.Add("Addition 1", 2, {{"Cd", 20}, {"Pb", 22}});
  Host host(doc);
  TPluginsManager hub;
  // The chart lives longer than the window that docks it, as in the program.
  TStatForm stat(hub);
  TCalcForm form(host, hub);
  form.setStatForm(&stat);
  stat.setCurveSource([&doc] { return doc.curves; });
  form.show();
  stat.show();
  form.Recalculate();
  form.grid()->setCurrentCell(5, 2);
  const QStringList data{"Background", "Sample", "Addition 1", "Cd", "Pb", "Cd, µA", "Pb, µA"};
  const std::size_t undoSteps = doc.undo.UndoList().size();
  {
    ScopedPseudoLanguage language;
    EXPECT_EQ(Listed(untranslatedTexts(&form, data)), "");
    EXPECT_EQ(Listed(UntranslatedCells(form.grid(), data)), "");
    EXPECT_EQ(Listed(UntranslatedCells(form.paramsEditor(), data)), "");
    EXPECT_EQ(Listed(untranslatedTexts(&stat, data)), "");
    EXPECT_EQ(form.grid()->currentRow(), 5);
    EXPECT_EQ(Listed(UntranslatedAxes(stat.chart())), "");
  }
  EXPECT_EQ(doc.undo.UndoList().size(), undoSteps);
  EXPECT_EQ(host.edits, 0);
  EXPECT_EQ(form.pages()->tabText(0), "Single calculation");
}

void SaveCalibrations(TCalibrationsDB& db, double sensitivity, double stamp) {
  std::vector<std::unique_ptr<TVAStruct>> owned;
  std::vector<TVAStruct*> curves;
  for (double c : {5.0, 10.0, 20.0, 40.0}) {
    auto va = std::make_unique<TVAStruct>();
    for (int k = 0; k < 200; ++k) va->Data.push_back({-1200.0 + 5.0 * k, 15.0 + 0.004 * k});
    TPeakRecord p;
    p.Name = "Pb";
    p.PeakValue = sensitivity * c;
    p.ValueValid = 1;
    p.GridValue = c;
    p.UnitTop = 4;
    p.UnitBottom = 2;
    p.BeginIndex = 80;
    p.EndIndex = 110;
    va->Peaks.push_back(p);
    curves.push_back(va.get());
    owned.push_back(std::move(va));
  }
  TConcCalculation calc;
  calc.SetCurves(curves);
  calc.SelectMethod(4);
  calc.Recalculate();
  velmora::SaveCalibrations(calc, curves, db, stamp);
}

TEST(QuantLanguageSwitch, CalibrationsKeepTheirSelectionAndCheckMarks) {
  TVAStruct::SetPeakEvaluator(nullptr);
  test::TempDir dir;
  TCalibrationsDB db(dir.path());
  SaveCalibrations(db, 0.1, 46000.0);
  SaveCalibrations(db, 0.2, 46001.0);
  test::RecordingMessageSink sink;
  TCalibrForm form(db, sink);
  form.show();
  form.selectCalibration(1);
  form.calibrationList()->item(0)->setCheckState(Qt::Unchecked);
  ASSERT_EQ(form.drawnCount(), 1);
  {
    ScopedPseudoLanguage language;
    QStringList texts = untranslatedTexts(&form, {"Pb"});
    texts << UntranslatedAxes(form.curvesChart()) << UntranslatedAxes(form.lineChart());
    // The list names each calibration's calculation type.
    for (int i = 0; i < form.calibrationList()->count(); ++i)
      if (!form.calibrationList()->item(i)->text().contains(test::PseudoTranslator::Marker))
        texts << form.calibrationList()->item(i)->text();
    if (!form.figuresText().contains(test::PseudoTranslator::Marker)) texts << form.figuresText();
    EXPECT_EQ(Listed(texts), "");
    EXPECT_EQ(form.selectedCalibration(), 1);
    EXPECT_EQ(form.drawnCount(), 1);
  }
  EXPECT_EQ(form.selectedCalibration(), 1);
  EXPECT_EQ(form.calibrationList()->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(form.calibrationList()->item(1)->checkState(), Qt::Unchecked);
  EXPECT_FALSE(form.calibrationList()->item(1)->text().contains(test::PseudoTranslator::Marker));
  EXPECT_TRUE(form.figuresText().contains("LOD="));
  EXPECT_TRUE(sink.entries.empty());
}

TEST(QuantLanguageSwitch, StatisticsWindowKeepsTheEditedRecord) {
  test::TempDir dir;
  TStatDB db(dir.path());
  db.LoadAll();
  test::RecordingMessageSink sink;
  TMethodStatForm form(db, sink);
  form.show();
  form.nameEdit()->setText("River water");
  emit form.nameEdit()->textEdited("River water");
  form.topUnits()->setCurrentIndex(1);
  emit form.topUnits()->activated(1);
  form.bottomUnits()->setCurrentIndex(2);
  emit form.bottomUnits()->activated(2);
  form.NewElementExecute("Pb");
  form.NewRangeExecute();
  form.grid()->item(1, 0)->setText("0.005");
  form.grid()->item(1, 1)->setText("0.05");
  form.grid()->setCurrentCell(1, 1);
  const QStringList data{"River water", "Pb", QString::fromUtf8("$\u0434$, %")};
  {
    ScopedPseudoLanguage language;
    QStringList texts = untranslatedTexts(&form, data);
    for (int c = 0; c < form.grid()->columnCount() - 1; ++c)
      if (!form.grid()->item(0, c)->text().contains(test::PseudoTranslator::Marker))
        texts << form.grid()->item(0, c)->text();
    EXPECT_EQ(Listed(texts), "");
    EXPECT_EQ(form.topUnits()->currentIndex(), 1);
    EXPECT_EQ(form.bottomUnits()->currentIndex(), 2);
    EXPECT_EQ(form.grid()->item(1, 1)->text(), "0.05");
    EXPECT_EQ(form.grid()->currentRow(), 1);
  }
  EXPECT_EQ(form.nameEdit()->text(), "River water");
  EXPECT_EQ(form.grid()->item(1, 0)->text(), "0.005");
  EXPECT_TRUE(form.grid()->item(0, 0)->text().startsWith("Lower bound"));
  const TStatRange& r = form.working().Elements.at(0).Ranges.at(0);
  EXPECT_DOUBLE_EQ(r.UpperBound, 0.05);
  EXPECT_TRUE(db.Records().empty());
}

TDataArr Stripping(double scale) {
  const double peaks[4][2] = {{-920, 1.0}, {-620, 0.6}, {-450, 0.8}, {-150, 0.5}};
  TDataArr out;
  for (int i = 0; i < 1300; ++i) {
    const double e = -1200.0 + i;
    double y = 20.0 + 0.01 * (e + 1200);
    for (const auto& p : peaks) y += scale * p[1] * std::exp(-std::pow((e - p[0]) / 25.0, 2.0));
    out.push_back({e, y});
  }
  return out;
}

TEST(QuantLanguageSwitch, PeaksWindowKeepsItsTableAndTheDocumentUnmodified) {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  MainWindow w{settings, &hub};
  w.resize(1400, 900);
  w.show();
  std::vector<TNode*> nodes;
  for (int i = 0; i < 2; ++i) {
    TNode* n = w.forest().AddNode(w.forest().LastRoot(), nullptr);
    n->SetNameSilently("river " + std::to_string(i + 1));
    n->SetRecord(std::make_unique<TVAStruct>(n));
    n->VA()->Params.SetValuesRange(3);
    n->VA()->SetData(Stripping(1.0 + i));
    nodes.push_back(n);
  }
  w.forest().SetSelection(TNodesArr(nodes.begin(), nodes.end()));
  TPeaksSelectionForm& form = w.peaks().controller().form();
  form.setAutoCollapse(false);
  QApplication::processEvents();
  w.action("PeaksAutoSearchActn")->trigger();
  QApplication::processEvents();
  ASSERT_EQ(form.grid()->rowCount(), 4);
  form.grid()->setCurrentCell(2, 0);
  w.setModified(false);
  const QString peak = form.grid()->item(2, 0)->text();
  const QStringList data{"river 1", "river 2"};
  {
    ScopedPseudoLanguage language;
    QStringList texts;
    for (const QString& t : untranslatedTexts(&form, data))
      if (!t.contains("(action of") && !t.contains("(tool tip of QAction")) texts << t;
    EXPECT_EQ(Listed(texts), "");
    EXPECT_EQ(form.grid()->currentRow(), 2);
    EXPECT_EQ(form.grid()->rowCount(), 4);
  }
  EXPECT_FALSE(w.modified());
  EXPECT_EQ(form.grid()->horizontalHeaderItem(0)->text(), "Peak");
  EXPECT_EQ(form.grid()->item(2, 0)->text(), peak);
}

}  // namespace
