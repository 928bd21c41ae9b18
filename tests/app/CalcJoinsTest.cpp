// Where the calculation meets the other windows: a library method applied
// from the "Methods" menu reaches the curves shown and every later
// recording (its own equation included), "Add to report" takes the peak
// calculation type in force, and "Print" takes the main chart's scales.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "CalcHost.h"
#include "CalcTypeCycle.h"
#include "ChartToolsHost.h"
#include "CurveCommands.h"
#include "CustomMethods.h"
#include "DeviceLink.h"
#include "MainWindow.h"
#include "MethodFile.h"
#include "MethodsHost.h"
#include "RecordingMessageSink.h"
#include "RecordingReceiver.h"
#include "ReportHost.h"
#include "TCalcForm.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPluginsManager.h"
#include "TPrintOptionsBox.h"
#include "TRepForm.h"
#include "TReportRec.h"
#include "TVAStruct.h"
#include "TempDir.h"

using namespace velmora;

namespace {

TDataArr Stripping(double scale) {
  TDataArr out;
  for (int i = 0; i < 1300; ++i) {
    const double e = -1200.0 + i;
    double y = 0.05 + 0.0001 * (e + 1200);
    for (const auto& p : {std::pair{-620.0, 0.6}, std::pair{-450.0, 0.8}})
      y += scale * p.second * std::exp(-std::pow((e - p.first) / 25.0, 2.0));
    out.push_back({e, y});
  }
  return out;
}

struct Window {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  MainWindow w{settings, &hub};
  std::filesystem::path library = dir / "methods";
  Window() {
    CustomMethods::List().clear();
    SetCurrentCalcType(1);
    w.setMessageSink(&sink);
    w.show();
    std::filesystem::create_directories(library);
    w.methods().setLibraryFolder(library);
  }
  ~Window() {
    CustomMethods::List().clear();
    SetCurrentCalcType(1);
  }
  // A shown curve of `role` with the peaks Cd and Pb (of the given
  // calculation types), addition concentration 1 and units mg/dm³.
  TNode* curve(int role, double scale, int cdType = 1, int pbType = 1) {
    TNode* n = w.forest().AddNode(w.forest().LastRoot(), nullptr);
    n->SetNameSilently("curve " + std::to_string(role));
    n->SetRecord(std::make_unique<TVAStruct>(n));
    TVAStruct& va = *n->VA();
    va.SetData(Stripping(scale));
    va.Params.SetMeasurementType(role);
    va.AddPeak("Cd", cdType, 530, 630);
    va.AddPeak("Pb", pbType, 700, 800);
    va.SetAdditionConc("Cd", 1.0);
    va.SetAdditionConc("Pb", 1.0);
    va.Volumes = {10, 1, 0, 0, 0, 10, 0.1, 0, 0, 0.1};
    va.ResUnitTop = va.RecalcUnitTop = 5;
    va.ResUnitBottom = va.RecalcUnitBottom = 2;
    va.CalculationMethod = 0;
    return n;
  }
  void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  bool goOnline() {
    w.deviceLink().configure("emulator", false, 100);
    if (!w.deviceLink().openPort()) return false;
    w.deviceLink().reset();
    return QTest::qWaitFor([&] { return w.action("RecordActn")->isEnabled(); }, 20000);
  }
  // Records the record-parameters window's programs; the new curve.
  TVAStruct* record() {
    QSignalSpy finished(&w.recordingReceiver(), &RecordingReceiver::runFinished);
    TNode* made = nullptr;
    const auto c =
        QObject::connect(&w.recordingReceiver(), &RecordingReceiver::curveRecorded, [&](TNode* node) { made = node; });
    w.action("RecordActn")->trigger();
    const bool done = QTest::qWaitFor([&] { return finished.count() > 0; }, 60000);
    QObject::disconnect(c);
    return done && made ? made->VA() : nullptr;
  }
  TCalcForm& calc() { return w.calculations().form(); }
};

ProgramStep Sweep() {
  ProgramStep s = ProgramStep::Default();
  s.SetSweepRate(2000);
  s.SetSweepStart(-1200);
  s.SetSweepEnd(100);
  s.SetElectrolysisTime(1);
  s.SetMeasurementType(1);
  s.SetComments("sample");
  return s;
}

}  // namespace

TEST(CalcJoins, AMethodWithItsOwnEquationReachesTheShownCurvesAndEveryNewRecording) {
  Window win;
  const TCustomMethod doubled{"Doubled", "I0*2", {{"I0", "", 0}}, 5, 2};
  TMethod m;
  m.Programs = {{Sweep()}};
  TLocalizedMethod texts;
  texts.LanguageId = 1033;
  texts.Title = "Doubled signal";
  m.Localized = {texts};
  m.ShapeLanguages();
  m.CalcMethod = CustomMethods::NumberOf(0);
  MethodFile::Write(win.library / "doubled.mtd", m, TCustomMethodArr{doubled});
  win.w.methods().load();
  ASSERT_TRUE(win.sink.entries.empty());

  // A sample and a blank shown, carrying method 0; the calculation window
  // is open.
  TNode* a = win.curve(1, 1.0);
  TNode* b = win.curve(0, 0.2);
  win.w.forest().SetSelection({a, b});
  win.w.action("PeaksTreatmentActn")->setChecked(true);
  win.settle();
  win.w.setModified(false);
  QAction* item = nullptr;
  for (QAction* i : win.w.methods().methodActions())
    if (i->text() == QStringLiteral("Doubled signal")) item = i;
  ASSERT_NE(item, nullptr);
  item->trigger();

  // The shown curves and the window take the method with its equation.
  ASSERT_EQ(CustomMethods::List().size(), 1u);
  for (TNode* n : {a, b}) {
    EXPECT_EQ(n->VA()->HasCustomMethod, 1);
    EXPECT_EQ(n->VA()->CalculationMethod, -1);
    EXPECT_EQ(n->VA()->CustomMethod, doubled);
  }
  EXPECT_EQ(win.calc().calculation().Method(), CustomMethods::NumberOf(0));
  EXPECT_EQ(win.calc().methodList()->currentText(), QStringLiteral("Doubled"));
  EXPECT_TRUE(win.w.modified());
  // The sample result is the formula's value over the analyte's peak.
  const TCalcElement& cd = win.calc().calculation().Elements().at(0);
  EXPECT_NEAR(cd.SampleResult, 2 * a->VA()->Peaks[0].PeakValue, 1e-9);

  // A manual recording afterwards carries the method and its equation, and
  // the window shows it without a word about newer versions.
  ASSERT_TRUE(win.goOnline());
  TVAStruct* recorded = win.record();
  ASSERT_NE(recorded, nullptr);
  EXPECT_EQ(recorded->HasCustomMethod, 1);
  EXPECT_EQ(recorded->CalculationMethod, -1);
  EXPECT_EQ(recorded->CustomMethod, doubled);
  win.w.forest().SelectNode(recorded->Node);
  win.settle();
  win.calc().Recalculate();
  EXPECT_EQ(win.calc().calculation().Method(), CustomMethods::NumberOf(0));
  for (const auto& e : win.sink.entries) ADD_FAILURE() << e.kind << ": " << e.text;

  // A setting that names an equation no longer in the list gives the new
  // curves no method (the window asks for one), not a false version error.
  win.settings.options().calculationMethod = CustomMethods::NumberOf(4);
  recorded = win.record();
  ASSERT_NE(recorded, nullptr);
  EXPECT_EQ(recorded->HasCustomMethod, 0);
  EXPECT_EQ(recorded->CalculationMethod, -1);
  win.w.forest().SelectNode(recorded->Node);
  win.settle();
  win.calc().Recalculate();
  EXPECT_EQ(win.calc().calculation().Method(), -1);
  EXPECT_TRUE(win.sink.entries.empty());
}

TEST(CalcJoins, ABuiltInMethodAppliedIsOneUndoStepOnTheShownCurves) {
  Window win;
  new CurveCommands(win.w, win.settings);  // the undo recorder; owned by the window
  TMethod m;
  m.Programs = {{Sweep()}};
  TLocalizedMethod texts;
  texts.LanguageId = 1033;
  texts.Title = "Comparative";
  m.Localized = {texts};
  m.ShapeLanguages();
  m.CalcMethod = 3;
  MethodFile::Write(win.library / "comparative.mtd", m);
  win.w.methods().load();
  TNode* sample = win.curve(1, 1.0);
  TNode* reference = win.curve(5, 2.0);
  win.w.forest().SetSelection({sample, reference});
  win.w.action("PeaksTreatmentActn")->setChecked(true);
  win.settle();
  win.w.methods().applyMethod(0);
  for (TNode* n : {sample, reference}) EXPECT_EQ(n->VA()->CalculationMethod, 3);
  EXPECT_EQ(win.calc().calculation().Method(), 3);
  EXPECT_TRUE(win.calc().calculation().RequirementsMet());
  EXPECT_EQ(win.settings.options().calculationMethod, 3);
  win.settle();
  QAction* undo = win.w.action("UndoActn");
  ASSERT_TRUE(undo->isEnabled());
  EXPECT_TRUE(undo->text().contains(QStringLiteral("Parameters change"))) << undo->text().toStdString();
  undo->trigger();
  for (TNode* n : {sample, reference}) EXPECT_EQ(n->VA()->CalculationMethod, 0);
}

TEST(CalcJoins, AddToReportTakesThePeakCalculationTypeInForce) {
  Window win;
  // The peaks' types differ (height for Cd, min-max for Pb): the type in
  // force is the one picked last.
  SetCurrentCalcType(3);
  TNode* sample = win.curve(1, 1.0, 0, 2);
  TNode* reference = win.curve(5, 2.0, 0, 2);
  for (TNode* n : {sample, reference}) n->VA()->CalculationMethod = 3;
  win.w.forest().SetSelection({sample, reference});
  win.w.action("PeaksTreatmentActn")->setChecked(true);
  win.settle();
  win.calc().Recalculate();
  ASSERT_TRUE(win.w.reports().AddToReportActnExecute());
  const TReportRec& report = win.w.reports().report();
  ASSERT_EQ(report.Experiments.size(), 1u);
  EXPECT_EQ(report.Experiments[0].PeakCalcType, 3);

  // Peaks of one type: that type.
  for (TNode* n : {sample, reference}) n->VA()->SetPeakCalcType(-1, 7);
  win.w.forest().SetSelection({reference, sample});
  win.settle();
  win.calc().Recalculate();
  ASSERT_TRUE(win.w.reports().AddToReportActnExecute());
  EXPECT_EQ(report.Experiments[1].PeakCalcType, 7);
}

TEST(CalcJoins, ThePrintWindowTakesTheMainChartsScales) {
  Window win;
  TNode* n = win.curve(1, 1.0);
  win.w.forest().SelectNode(n);
  win.settle();
  ChartToolsHost& tools = win.w.chartTools();
  struct Seen {
    bool auto_ = true;
    QStringList fields;
  };
  auto open = [&] {
    std::vector<Seen> seen;
    QStringList main;
    for (int tag = 0; tag < 4; ++tag) main << tools.scaleField(tag)->text();
    QTimer::singleShot(0, [&] {
      auto* form = qobject_cast<TRepForm*>(QApplication::activeModalWidget());
      if (!form) return;
      for (TPrintOptionsBox* box : {form->options(), form->reportOptions()}) {
        Seen s;
        s.auto_ = box->box("ScaleAuto")->isChecked();
        for (const char* name : {"ScaleXMin", "ScaleXMax", "ScaleYMin", "ScaleYMax"})
          s.fields << box->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
        seen.push_back(s);
      }
      form->reject();
    });
    win.w.action("ReportActn")->trigger();
    return std::pair{seen, main};
  };
  win.w.action("FitImageActn")->setChecked(false);
  tools.scaleField(0)->setText(QStringLiteral("-900"));
  tools.scaleField(1)->setText(QStringLiteral("-100"));
  tools.scaleField(2)->setText(QStringLiteral("0"));
  tools.scaleField(3)->setText(QStringLiteral("1.5"));
  auto [fixed, main] = open();
  ASSERT_EQ(fixed.size(), 2u);
  for (const Seen& s : fixed) {
    EXPECT_FALSE(s.auto_);
    EXPECT_EQ(s.fields, main);
  }
  EXPECT_EQ(main.front(), QStringLiteral("-900"));

  win.w.action("FitImageActn")->setChecked(true);
  auto [fitted, unused] = open();
  ASSERT_EQ(fitted.size(), 2u);
  for (const Seen& s : fitted) EXPECT_TRUE(s.auto_);
}
