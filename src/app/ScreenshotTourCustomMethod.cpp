#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTableWidget>
#include <QThread>
#include <functional>

#include "CalcHost.h"
#include "DeviceLink.h"
#include "MainWindow.h"
#include "MethodsHost.h"
#include "PeaksHost.h"
#include "RecordParametersHost.h"
#include "RecordingReceiver.h"
#include "ScreenshotTour.h"
#include "TCalcForm.h"
#include "TCalculator.h"
#include "TMethodsLibrary.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TOldStyleRecordForm.h"
#include "TPeaksController.h"

namespace velmora {

namespace {

void settleFor(int ms) {
  QElapsedTimer t;
  t.start();
  do {
    QApplication::processEvents();
    QThread::msleep(20);
  } while (t.elapsed() < ms);
}

bool waitUntil(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) settleFor(20);
  return done();
}

// A library method whose result is the analyte's signal over a sensitivity
// the operator gives, times the dilution: one sweep of Zn, Cd, Pb and Cu.
TMethod SensitivityMethod() {
  TMethod m;
  ProgramStep s = ProgramStep::Default();
  s.SetSweepRate(500);
  s.SetSweepStart(-1300);
  s.SetSweepEnd(100);
  s.SetValuesRange(2);  // 2 µA full scale with modulation: the peaks stay below it
  s.SetModulation(true);
  s.SetModulationAmplitude(20);
  s.SetModulationFrequency(25);
  s.SetElectrolysisPotential(-1400);
  s.SetElectrolysisTime(8);
  s.SetStirrer(true);
  s.SetMeasurementType(1);
  s.SetComments("Zn, Cd, Pb, Cu");
  m.Programs = {{s}};
  TLocalizedMethod english;
  english.LanguageId = 1033;
  english.Title = "Metals by sensitivity";
  m.Localized.push_back(english);
  m.ShapeLanguages();
  TCalculator calculator;
  calculator.ResetVars();
  calculator.AddVar();
  TCalcVar& sensitivity = calculator.Vars().back();
  sensitivity.Name = "S";
  sensitivity.Comment = "Sensitivity, signal per mg/dm^3^";
  sensitivity.Value = 1.0;
  m.CustomEquation.Name = "Signal over sensitivity";
  calculator.BuildMethod("I0*D/S", m.CustomEquation);
  m.CustomEquation.ResultUnitTop = 5;
  m.CustomEquation.ResultUnitBottom = 2;
  m.CalcMethod = -1;
  m.FileName = "metals-by-sensitivity.mtd";
  return m;
}

}  // namespace

// A library method with its own equation applied, one curve recorded from
// the built-in emulator, its peaks found, and the calculation window
// showing that method and its result.
int ScreenshotTour::customMethodShot(MainWindow& w, const QString& folder) {
  // A document of its own: the method reaches no curve of the others.
  w.newDocument();
  MethodsHost& methods = w.methods();
  TMethods& library = methods.library().Methods();
  library.push_back(SensitivityMethod());
  methods.applyMethod(library.size() - 1);
  w.recordParameters().form().hide();

  DeviceLink& link = w.deviceLink();
  link.configure("emulator", false, 100);
  if (!link.openPort()) return 0;
  link.reset();
  if (!waitUntil([&] { return w.action("RecordActn")->isEnabled(); }, 20000)) return 0;
  TNode* recorded = nullptr;
  bool finished = false;
  RecordingReceiver& receiver = w.recordingReceiver();
  const QMetaObject::Connection onCurve =
      QObject::connect(&receiver, &RecordingReceiver::curveRecorded, [&](TNode* node) { recorded = node; });
  const QMetaObject::Connection onEnd =
      QObject::connect(&receiver, &RecordingReceiver::runFinished, [&] { finished = true; });
  w.action("RecordActn")->trigger();
  waitUntil([&] { return finished; }, 90000);
  QObject::disconnect(onCurve);
  QObject::disconnect(onEnd);
  if (!recorded || !recorded->InForest()) return 0;

  w.forest().SelectNode(recorded);
  settleFor(200);
  w.peaks().controller().PeaksAutoSearchActnExecute();
  TCalcForm& form = w.calculations().form();
  w.action("PeaksTreatmentActn")->setChecked(true);
  form.resize(1400, 560);
  form.Recalculate();
  form.chooseSampleUnits(5, 2);
  // The operator's dilution and the electrode's sensitivity.
  QTableWidget* params = form.paramsEditor();
  for (int r = 0; r < params->rowCount(); ++r) {
    const QString caption = params->item(r, 0)->text();
    if (caption.startsWith(QStringLiteral("Dilution"))) params->item(r, 1)->setText(QStringLiteral("10"));
    if (caption.startsWith(QStringLiteral("Sensitivity"))) params->item(r, 1)->setText(QStringLiteral("2.5"));
  }
  settleFor(200);
  const bool written = form.grab().save(QDir(folder).filePath(QStringLiteral("calculations-custom-method.png")));
  w.action("PeaksTreatmentActn")->setChecked(false);
  link.configure("", false, 100);
  // Nothing of this recording is kept for recovery.
  w.setModified(false);
  return written ? 1 : 0;
}

}  // namespace velmora
