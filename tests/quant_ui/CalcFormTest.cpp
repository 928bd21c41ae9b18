#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <cmath>

#include "CaptionComboBox.h"
#include "CustomMethods.h"
#include "ICalcHost.h"
#include "PeakFormat.h"
#include "RecordingMessageSink.h"
#include "TCalcForm.h"
#include "TCalcGrid.h"
#include "TCalcSeriePlot.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakValueEvaluator.h"
#include "TPluginsManager.h"
#include "TStatForm.h"
#include "TUndoRedoManager.h"
#include "TVAStruct.h"

using namespace velmora;
using Kind = CalcGridLayout::Kind;

namespace {

QString V(double value) { return QString::fromStdString(FormatPeakValue(value)); }

// A standard-additions document: curves with one triangular peak per
// element on a background of tens of µA; the value by height over the
// peak's borders is exactly the given height.
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
  TVAStruct& Add(const std::string& name, int role, std::vector<std::pair<std::string, double>> peaks) {
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
    va.Params.SetSweepRate(100 * (1 + static_cast<int>(curves.size())));
    va.StirrerSpeed = 500 * (1 + static_cast<int>(curves.size()));
    va.Volumes[0] = 5.0;
    va.Volumes[1] = 2.0;
    va.Volumes[5] = 10.0;
    va.Volumes[6] = 0.1;
    va.ResUnitTop = va.RecalcUnitTop = 5;
    va.ResUnitBottom = va.RecalcUnitBottom = 2;
    for (std::size_t k = 0; k < peaks.size(); ++k) {
      const int centre = 40 + 50 * static_cast<int>(k);
      va.AddPeak(peaks[k].first, 0, centre - 10, centre + 10);
      va.SetAdditionConc(peaks[k].first, 1.0);
    }
    curves.push_back(&va);
    return va;
  }
  TNodeForest forest;
  TUndoRedoManager undo;
  std::vector<TVAStruct*> curves;
};

class FakeHost final : public ICalcHost {
 public:
  explicit FakeHost(Document& d) : doc(d) {}
  std::vector<TVAStruct*> shownCurves() override { return doc.curves; }
  QColor curveColor(std::size_t) override { return Qt::blue; }
  IUndoRecorder& undoRecorder() override { return doc.undo; }
  IMessageSink& messageSink() override { return sink; }
  QAction* action(const char* name) override { return std::string(name) == "PasteClpBrdToGridActn" ? &paste : nullptr; }
  void curvesEdited() override { ++edits; }
  void peaksEdited() override { ++peakEdits; }
  void renameCurve(TVAStruct* curve, const QString& name) override { curve->Node->SetName(name.toStdString()); }
  QString askText(const QString&, const QString&, const QString&) override {
    return answers.isEmpty() ? QString() : answers.takeFirst();
  }
  Document& doc;
  QAction paste;
  test::RecordingMessageSink sink;
  int edits = 0;
  int peakEdits = 0;
  QStringList answers;
};

class CalcFormTest : public ::testing::Test {
 protected:
  void SetUp() override { CustomMethods::List().clear(); }
  void TearDown() override { CustomMethods::List().clear(); }
  // A standard-additions set: background, analyte, two additions.
  void Additions() {
    doc.Add("Background", 0, {{"Cd", 2}, {"Pb", 3}});
    doc.Add("Sample", 1, {{"Cd", 10}, {"Pb", 12}});
    doc.Add("Addition 1", 2, {{"Cd", 20}, {"Pb", 22}});
    doc.Add("Addition 2", 3, {{"Cd", 30}, {"Pb", 32}});
  }
  QString Text(int row, int column) const {
    const QTableWidgetItem* it = form.grid()->item(row, column);
    return it ? it->text() : QString("<none>");
  }
  QString Param(int row) const { return form.paramsEditor()->item(row, 1)->text(); }
  QString ParamCaption(int row) const { return form.paramsEditor()->item(row, 0)->text(); }
  void EditCell(int row, int column, const QString& text) { form.grid()->item(row, column)->setText(text); }
  void EditParam(int row, const QString& text) { form.paramsEditor()->item(row, 1)->setText(text); }
  void Method(int m) {
    for (TVAStruct* c : doc.curves) c->CalculationMethod = m;
    form.Recalculate();
  }

  Document doc;
  FakeHost host{doc};
  TPluginsManager hub;
  TCalcForm form{host, hub};
};

TEST_F(CalcFormTest, OneAdditionLayoutHeadersResultsAndParameters) {
  Additions();
  Method(0);
  const TCalcGrid& g = *form.grid();
  EXPECT_EQ(g.rowCount(), 8);
  EXPECT_EQ(g.columnCount(), 5);
  EXPECT_EQ(Text(0, 2), "Measurment type");
  EXPECT_EQ(Text(0, 3), "Cd, µA");
  EXPECT_EQ(Text(1, 2), "C(Add),");
  EXPECT_EQ(Text(2, 2), "Result in cell (C_x_), mg/dm^3^");
  EXPECT_EQ(Text(3, 2), "In sample (X),");
  EXPECT_EQ(g.item(3, 2)->data(TCalcGrid::kUnitTopRole).toString(), "mg");
  EXPECT_EQ(g.item(3, 2)->data(TCalcGrid::kUnitBottomRole).toString(), "dm^3^");
  EXPECT_FALSE(g.item(3, 2)->data(TCalcGrid::kRedFrameRole).toBool());
  EXPECT_EQ(Text(4, 1), "Background");
  EXPECT_EQ(Text(5, 2), "Analyte");
  EXPECT_EQ(Text(6, 3), V(20));
  EXPECT_EQ(Text(7, 4), V(32));
  EXPECT_EQ(Text(1, 3), "1");
  // Cd: I0 = 10, I1 = 20, IB = 2, C = 1, Vc = 10, V1 = 0.1.
  const double cd = 0.1 / ((20.0 - 2.0) / (10.0 - 2.0) * 10.1 - 10.0);
  EXPECT_NEAR(form.calculation().Elements()[0].CellResult, cd, 1e-12);
  // Pb: I0 = 12, I1 = 22, IB = 3.
  const double pb = 0.1 / ((22.0 - 3.0) / (12.0 - 3.0) * 10.1 - 10.0);
  EXPECT_EQ(Text(2, 3), V(cd));
  EXPECT_EQ(Text(2, 4), V(pb));
  // In the sample: the cell's 10 cm³, diluted 2 times, from a 5 cm³ aliquot.
  EXPECT_EQ(Text(3, 3), V(cd * 10.0 * 2.0 / 5.0));
  EXPECT_EQ(Text(3, 4), V(pb * 10.0 * 2.0 / 5.0));
  EXPECT_EQ(g.rowHeight(1), g.rowHeight(3));
  EXPECT_GT(g.rowHeight(1), g.rowHeight(4));
  EXPECT_TRUE(g.item(1, 3)->flags() & Qt::ItemIsEditable);
  EXPECT_FALSE(g.item(2, 3)->flags() & Qt::ItemIsEditable);
  EXPECT_FALSE(g.item(4, 3)->flags() & Qt::ItemIsEditable);
  EXPECT_TRUE(g.item(4, 1)->flags() & Qt::ItemIsEditable);
  // Parameters: aliquot, cell, addition 1, dilution.
  ASSERT_EQ(form.paramsEditor()->rowCount(), 4);
  EXPECT_EQ(ParamCaption(0), "Aliquot volume, cm^3^");
  EXPECT_EQ(Param(1), "10");
  EXPECT_EQ(ParamCaption(2), "Addition 1, cm^3^");
  EXPECT_EQ(ParamCaption(3), "Dilution factor");
  EXPECT_TRUE(form.inputValid());
  EXPECT_FALSE(form.legend()->isVisibleTo(&form));

  // Selecting a role cell opens the drop-down on it.
  form.grid()->setCurrentCell(5, 2);
  EXPECT_TRUE(form.roleList()->isVisibleTo(form.grid()));
  EXPECT_EQ(form.roleList()->currentIndex(), 1);
  form.grid()->setCurrentCell(1, 2);
  EXPECT_FALSE(form.roleList()->isVisibleTo(form.grid()));
  EXPECT_TRUE(form.unitTopList()->isVisibleTo(form.grid()));
  EXPECT_EQ(form.unitBottomList()->count(), 4);
  form.grid()->setCurrentCell(3, 2);
  EXPECT_EQ(form.unitBottomList()->count(), 8);  // mass units for mass fractions
}

TEST_F(CalcFormTest, LayoutOfEveryMethodAndAbscissa) {
  Additions();
  Method(1);
  EXPECT_EQ(form.paramsEditor()->rowCount(), 5);  // addition 2 with a role-3 curve shown
  EXPECT_EQ(ParamCaption(3), "Addition 2, cm^3^");
  Method(2);
  EXPECT_EQ(form.paramsEditor()->rowCount(), 6);
  Method(3);
  EXPECT_EQ(ParamCaption(2), "Reference, cm^3^");
  Method(5);
  EXPECT_EQ(Text(1, 2), "In cell (C_x_),");
  EXPECT_EQ(Text(2, 2), "In sample (X),");
  EXPECT_EQ(Text(3, 1), "Background");
  EXPECT_FALSE(form.grid()->item(1, 3)->flags() & Qt::ItemIsEditable);

  Method(4);
  for (TVAStruct* c : doc.curves) c->CalibrationType = 0;
  form.Recalculate();
  EXPECT_FALSE(form.paramsEditor()->isVisibleTo(&form));
  EXPECT_EQ(Text(0, 2), "C(Cd)");
  EXPECT_EQ(Text(0, 4), "Cd, µA");
  EXPECT_EQ(Text(2, 2), "0");  // the calibration concentration
  EXPECT_EQ(Text(2, 1), "Background");
  form.chooseCalibrationType(1);
  EXPECT_EQ(Text(0, 2), "Sweep rate");
  EXPECT_EQ(Text(0, 3), "Sweep rate^1/2^");
  EXPECT_EQ(Text(2, 3), "Diffusion coefficient, cm^2^/s");
  EXPECT_EQ(Text(3, 2), "0.1");
  EXPECT_EQ(Text(3, 3), "0.3162");
  EXPECT_TRUE(form.paramsEditor()->isVisibleTo(&form));
  EXPECT_EQ(form.paramsEditor()->rowCount(), 4);
  EXPECT_EQ(ParamCaption(0), "Number of electrons transferred in the redox event");
  for (TVAStruct* c : doc.curves) EXPECT_EQ(c->CalibrationType, 1);
  form.chooseCalibrationType(2);
  EXPECT_EQ(Text(0, 2), "Stirrer frequency");
  EXPECT_EQ(Text(0, 3), "Angular frequency^1/2^");
  EXPECT_EQ(Text(3, 2), "500");
  EXPECT_EQ(form.paramsEditor()->rowCount(), 5);
  form.chooseCalibrationType(9);
  EXPECT_EQ(Text(0, 2), "Electrolysis potential, mV");
  EXPECT_EQ(form.grid()->columnCount(), 5);
  // Curves that disagree on the abscissa: an empty grid.
  doc.curves[0]->CalibrationType = 3;
  form.Recalculate();
  EXPECT_EQ(form.grid()->rowCount(), 2);
  EXPECT_EQ(form.abscissaList()->currentIndex(), -1);
  // Undo of an abscissa choice puts the curves' type back.
  doc.undo.Undo();
  EXPECT_EQ(doc.curves[1]->CalibrationType, 2);
}

TEST_F(CalcFormTest, RolesCheckBoxesUnitsAndParameterEditsWithUndo) {
  Additions();
  doc.curves[3]->Params.SetMeasurementType(1);  // two analytes
  Method(0);
  ASSERT_TRUE(form.calculation().CheckBoxesOffered());
  QTableWidgetItem* mark = form.grid()->item(5, 0);
  EXPECT_EQ(mark->checkState(), Qt::Unchecked);
  EXPECT_TRUE(form.hintPanel()->text().contains("Select series using checkboxes"));
  EXPECT_FALSE(form.calculation().RequirementsMet());
  for (int row : {4, 5, 6}) form.grid()->item(row, 0)->setCheckState(Qt::Checked);
  EXPECT_TRUE(form.calculation().RequirementsMet());
  // The checked background, sample and first addition: Cd as in the plain
  // one-addition case (I0 = 10, I1 = 20, IB = 2).
  EXPECT_EQ(Text(2, 3), V(0.1 / ((20.0 - 2.0) / (10.0 - 2.0) * 10.1 - 10.0)));

  // A role change: the check boxes go, the document changes, undo restores.
  const int editsBefore = host.edits;
  form.chooseRole(3, 3);
  EXPECT_EQ(doc.curves[3]->Params.MeasurementType(), 3);
  EXPECT_FALSE(form.calculation().CheckBoxesOffered());
  EXPECT_EQ(Text(7, 2), "Added standard 2");
  EXPECT_GT(host.edits, editsBefore);
  EXPECT_EQ(doc.undo.UndoDescription(), "Parameters change");

  // The sample unit over a mass: the sample mass rows appear.
  form.chooseSampleUnits(5, 6);
  for (TVAStruct* c : doc.curves) EXPECT_EQ(c->RecalcUnitBottom, 6);
  ASSERT_EQ(form.paramsEditor()->rowCount(), 6);
  EXPECT_EQ(ParamCaption(4), "Sample mass, g");
  EXPECT_EQ(ParamCaption(5), "Prepared volume, cm^3^");
  EXPECT_EQ(Param(4), "?");
  EXPECT_TRUE(form.legend()->isVisibleTo(&form));

  // Parameters typed with a comma or a point; letters write nothing.
  EditParam(4, "0,25");
  EditParam(5, "50.5");
  for (TVAStruct* c : doc.curves) {
    EXPECT_EQ(c->Volumes[2], 0.25);
    EXPECT_EQ(c->Volumes[3], 50.5);
  }
  EXPECT_FALSE(form.legend()->isVisibleTo(&form));
  EditParam(1, "ten");
  EXPECT_EQ(doc.curves[0]->Volumes[5], 10.0);
  EXPECT_EQ(Param(1), "ten");
  EXPECT_TRUE(form.paramsEditor()->item(1, 1)->data(TCalcGrid::kRedFrameRole).toBool());
  EXPECT_FALSE(form.inputValid());
  EditParam(1, "0");
  EXPECT_EQ(doc.curves[2]->Volumes[5], 0.0);
  EXPECT_TRUE(form.paramsEditor()->item(1, 1)->data(TCalcGrid::kRedFrameRole).toBool());

  // Undo walks back: cell volume, the typed text (no change), mass rows, units, role.
  doc.undo.Undo();
  EXPECT_EQ(doc.curves[2]->Volumes[5], 10.0);
  doc.undo.Undo();
  doc.undo.Undo();
  doc.undo.Undo();
  EXPECT_EQ(doc.curves[1]->Volumes[2], 0.0);
  doc.undo.Undo();
  EXPECT_EQ(doc.curves[1]->RecalcUnitBottom, 2);
  doc.undo.Undo();
  EXPECT_EQ(doc.curves[3]->Params.MeasurementType(), 1);
  doc.undo.Redo();
  EXPECT_EQ(doc.curves[3]->Params.MeasurementType(), 3);
  doc.undo.Redo();
  EXPECT_EQ(doc.curves[0]->RecalcUnitBottom, 6);
}

TEST_F(CalcFormTest, AddedConcentrationCellsAndNamesWithUndo) {
  Additions();
  Method(0);
  EditCell(1, 3, "2,5");
  for (TVAStruct* c : doc.curves) EXPECT_EQ(c->Peaks[0].AdditionConc, 2.5);
  EXPECT_EQ(doc.undo.UndoDescription(), "Peak change");
  EXPECT_EQ(Text(1, 3), "2.5");
  const double withTwoAndHalf = form.calculation().Elements()[0].CellResult;
  EditCell(1, 3, "x");  // not a number: unchanged
  EXPECT_EQ(doc.curves[0]->Peaks[0].AdditionConc, 2.5);
  EditCell(1, 3, "0");
  EXPECT_TRUE(form.grid()->item(1, 3)->data(TCalcGrid::kRedFrameRole).toBool());
  EXPECT_FALSE(form.inputValid());
  doc.undo.Undo();
  EXPECT_EQ(doc.curves[2]->Peaks[0].AdditionConc, 2.5);
  form.Recalculate();
  EXPECT_DOUBLE_EQ(form.calculation().Elements()[0].CellResult, withTwoAndHalf);
  doc.undo.Undo();
  EXPECT_EQ(doc.curves[2]->Peaks[0].AdditionConc, 1.0);
  doc.undo.Redo();
  EXPECT_EQ(doc.curves[2]->Peaks[0].AdditionConc, 2.5);

  EditCell(5, 1, "Sample A");
  EXPECT_EQ(doc.curves[1]->Node->Name, "Sample A");

  // Choosing a method writes it into every curve, undoably.
  form.chooseMethod(3);
  for (TVAStruct* c : doc.curves) EXPECT_EQ(c->CalculationMethod, 3);
  doc.undo.Undo();
  for (TVAStruct* c : doc.curves) EXPECT_EQ(c->CalculationMethod, 0);
}

TEST_F(CalcFormTest, FillHandleRepeatsTheSelectedRows) {
  // Eight curves; rows of curves 0 and 1 copied down to curve 5.
  for (int i = 0; i < 8; ++i) doc.Add("c" + std::to_string(i), 1, {{"Cd", 10.0 + i}, {"Pb", 20.0 + i}});
  doc.curves[3]->DeletePeak("Pb");  // a "-" cell stays without a peak
  doc.curves[0]->Peaks[0].BeginIndex = 25;
  doc.curves[0]->Peaks[0].EndIndex = 55;
  doc.curves[1]->Peaks[0].BeginIndex = 28;
  doc.curves[1]->Peaks[0].EndIndex = 52;
  doc.curves[0]->Peaks[1].BeginIndex = 77;
  doc.curves[1]->Peaks[1].BeginIndex = 78;
  Method(1);
  const int first = form.gridLayout().FirstDataRow();
  EXPECT_EQ(Text(first + 3, 4), "-");
  form.fillPeaks(first, first + 1, 3, 4, first + 2, first + 5);
  EXPECT_EQ(host.peakEdits, 1);
  EXPECT_EQ(doc.undo.UndoDescription(), "Peak change");
  for (int i : {2, 4}) {
    EXPECT_EQ(doc.curves[static_cast<std::size_t>(i)]->Peaks[0].BeginIndex, 25) << i;
    EXPECT_EQ(doc.curves[static_cast<std::size_t>(i)]->Peaks[0].EndIndex, 55) << i;
  }
  for (int i : {3, 5}) {
    EXPECT_EQ(doc.curves[static_cast<std::size_t>(i)]->Peaks[0].BeginIndex, 28) << i;
    EXPECT_EQ(doc.curves[static_cast<std::size_t>(i)]->Peaks[0].EndIndex, 52) << i;
  }
  EXPECT_EQ(doc.curves[3]->FindPeak("Pb"), -1);
  EXPECT_EQ(doc.curves[5]->Peaks[1].BeginIndex, 78);
  EXPECT_EQ(doc.curves[6]->Peaks[0].BeginIndex, 30);  // beyond the drag: untouched
  doc.undo.Undo();
  EXPECT_EQ(doc.curves[4]->Peaks[0].BeginIndex, 30);
  doc.undo.Redo();
  EXPECT_EQ(doc.curves[4]->Peaks[0].BeginIndex, 25);

  // The handle is drawn under a selected block of peak cells.
  form.resize(900, 600);
  form.show();
  form.grid()->clearSelection();
  form.grid()->setRangeSelected(QTableWidgetSelectionRange(first, 3, first + 1, 4), true);
  QApplication::processEvents();
  form.grid()->viewport()->repaint();
  EXPECT_FALSE(form.grid()->fillHandleRect().isEmpty());
  form.hide();
}

TEST_F(CalcFormTest, ClipboardCopyAndPasteCellByCell) {
  Additions();
  Method(0);
  form.grid()->setRangeSelected(QTableWidgetSelectionRange(4, 3, 5, 4), true);
  const QString block = V(2) + "\t" + V(3) + "\r" + V(10) + "\t" + V(12) + "\r";
  EXPECT_EQ(form.grid()->selectionText(), block);
  form.copySelection();
  EXPECT_EQ(QApplication::clipboard()->text(), block);

  // A tab moves right, a line feed down; carriage returns are ignored.
  form.grid()->setCurrentCell(1, 3);
  EXPECT_EQ(form.pasteText("0,5\t2\r\n"), 2);
  for (TVAStruct* c : doc.curves) {
    EXPECT_EQ(c->Peaks[0].AdditionConc, 0.5);
    EXPECT_EQ(c->Peaks[1].AdditionConc, 2.0);
  }
  form.grid()->setCurrentCell(4, 1);
  EXPECT_EQ(form.pasteText("Blank\nSample"), 2);
  EXPECT_EQ(doc.curves[0]->Node->Name, "Blank");
  EXPECT_EQ(doc.curves[1]->Node->Name, "Sample");

  // Cells that cannot take their text keep their values; the others are
  // pasted all the same, and the status bar names the first refusal.
  form.grid()->setCurrentCell(1, 3);
  EXPECT_EQ(form.pasteText("7\t8\t9"), 2);  // the third cell is beyond the table
  EXPECT_EQ(doc.curves[0]->Peaks[0].AdditionConc, 7.0);
  EXPECT_EQ(doc.curves[0]->Peaks[1].AdditionConc, 8.0);
  EXPECT_TRUE(form.statusBar()->currentMessage().contains("2:6"));
  EXPECT_TRUE(form.statusBar()->currentMessage().contains("\"9\""));
  form.grid()->setCurrentCell(1, 3);
  EXPECT_EQ(form.pasteText("abc\t3"), 1);
  EXPECT_EQ(doc.curves[0]->Peaks[0].AdditionConc, 7.0);
  EXPECT_EQ(doc.curves[0]->Peaks[1].AdditionConc, 3.0);
  // A block over names, roles and peak values: only the names take text.
  form.grid()->setCurrentCell(5, 1);
  EXPECT_EQ(form.pasteText("Analyte A\tAnalyte\t99\nFirst addition\tReference\t99"), 2);
  EXPECT_EQ(doc.curves[1]->Node->Name, "Analyte A");
  EXPECT_EQ(doc.curves[2]->Node->Name, "First addition");
  EXPECT_EQ(doc.curves[2]->Params.MeasurementType(), 2);
  EXPECT_TRUE(form.statusBar()->currentMessage().startsWith("4 of the pasted cells"));
  EXPECT_TRUE(host.sink.entries.empty());
}

TEST_F(CalcFormTest, PasteIsOfferedWhileTheClipboardHoldsText) {
  Additions();
  Method(0);
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->clear();
  QApplication::processEvents();
  form.grid()->setCurrentCell(1, 3);
  EXPECT_FALSE(host.paste.isEnabled());
  clipboard->setText("0.25");
  QApplication::processEvents();
  EXPECT_TRUE(host.paste.isEnabled());
  // Without a current cell the text goes to the first cell that takes text.
  form.grid()->setCurrentCell(-1, -1);
  EXPECT_TRUE(host.paste.isEnabled());
  host.paste.trigger();
  EXPECT_EQ(doc.curves[0]->Peaks[0].AdditionConc, 0.25);
  clipboard->clear();
  QApplication::processEvents();
  EXPECT_FALSE(host.paste.isEnabled());
}

TEST_F(CalcFormTest, CustomMethodDividingByZeroShowsMissingWithTheMessage) {
  Additions();
  TCustomMethod m;
  m.Name = "Ratio";
  m.Formula = "I0/(I1-I1)";
  m.Vars = {{"I0", "", 0}, {"I1", "", 0}};
  CustomMethods::List().push_back(m);
  form.refillMethodList();
  EXPECT_EQ(form.methodList()->count(), 7);
  EXPECT_EQ(form.methodList()->itemText(6), "Ratio");
  form.chooseMethod(6);
  for (TVAStruct* c : doc.curves) {
    EXPECT_EQ(c->HasCustomMethod, 1);
    EXPECT_EQ(c->CustomMethod.Name, "Ratio");
  }
  const int sample = form.gridLayout().SampleResultRow();
  EXPECT_EQ(Text(sample, 3), "?");
  EXPECT_EQ(form.calculation().Elements()[0].SampleResult, -1.0);
  EXPECT_EQ(form.grid()->item(sample, 3)->toolTip(), "Division by zero '(I1-I1)'");
  EXPECT_TRUE(form.hintPanel()->text().contains("Cd: Division by zero '(I1-I1)'"));
  // A computing formula shows its value.
  CustomMethods::List()[0].Formula = "I0*2";
  form.chooseMethod(6);
  for (TVAStruct* c : doc.curves) c->CustomMethod.Formula = "I0*2";
  form.Recalculate();
  EXPECT_EQ(Text(sample, 3), V(20));
}

TEST_F(CalcFormTest, AddCellAddPeakAndRemoveCell) {
  Additions();
  doc.curves[2]->DeletePeak("Pb");
  Method(1);
  EXPECT_EQ(Text(6, 4), "-");
  form.grid()->setRangeSelected(QTableWidgetSelectionRange(6, 4, 6, 4), true);
  form.addCell();
  EXPECT_EQ(doc.curves[2]->Peaks.size(), 2u);
  EXPECT_EQ(doc.curves[2]->Peaks[1].BeginIndex, doc.curves[1]->Peaks[1].BeginIndex);
  EXPECT_EQ(doc.undo.UndoDescription(), "New peak");
  form.grid()->clearSelection();
  form.grid()->setRangeSelected(QTableWidgetSelectionRange(4, 3, 4, 3), true);
  form.removeCell();
  EXPECT_EQ(doc.curves[0]->FindPeak("Cd"), -1);
  EXPECT_EQ(doc.undo.UndoDescription(), "Remove peak");
  doc.undo.Undo();
  EXPECT_EQ(doc.curves[0]->FindPeak("Cd"), 0);
  form.Recalculate();

  host.answers = {"Pb", "Zn"};  // a taken name, then a new one
  form.grid()->setCurrentCell(5, 3);
  form.addPeak();
  for (TVAStruct* c : doc.curves) EXPECT_GE(c->FindPeak("Zn"), 0);
  EXPECT_EQ(form.calculation().Elements().size(), 3u);
  EXPECT_EQ(form.selectedPeakName().value_or(""), "Cd");
}

TEST_F(CalcFormTest, DockedChartShowsTheCalculationsOwnSeries) {
  // Calibration curve with "Include zero point": the chart plots what the
  // calculation computes, origin included.
  Additions();
  for (TVAStruct* c : doc.curves) {
    c->CalculationMethod = 4;
    c->CalibrationType = 0;
    for (std::size_t k = 0; k < c->Peaks.size(); ++k) {
      c->Peaks[k].GridValue = static_cast<double>(c->Params.MeasurementType());
      c->Peaks[k].UnitTop = 5;
      c->Peaks[k].UnitBottom = 2;
    }
  }
  TStatForm stat(hub);
  form.setStatForm(&stat);
  form.calculation().SetIncludeZeroPoint(true);
  form.resize(1000, 600);
  form.show();
  stat.show();
  EXPECT_TRUE(form.chartPanel()->isVisible());
  ASSERT_EQ(stat.serieCount(), 2);
  const TCalcSerie& s = stat.plot(0).serie();
  ASSERT_EQ(s.Points.size(), 5u);
  EXPECT_EQ(s.Points[0].X, 0.0);
  EXPECT_EQ(s.Points[0].Y, 0.0);
  const TCalcSerie expected = [&] {
    TCalcSerie e;
    e.FillCalibration(form.calculation().OnTheFlyCalibration(0), 5, 0, 2);
    return e;
  }();
  EXPECT_DOUBLE_EQ(s.Slope, expected.Slope);
  EXPECT_DOUBLE_EQ(s.Intercept, expected.Intercept);
  stat.hide();
  EXPECT_FALSE(form.chartPanel()->isVisible());
  form.hide();
  form.setStatForm(nullptr);
}

}  // namespace
