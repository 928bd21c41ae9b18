#include "SamplerScreenshot.h"

#include <QApplication>
#include <QDir>
#include <QThread>

#include "MainWindow.h"
#include "SamplerHost.h"
#include "TAutoSampler.h"
#include "TSamplerForm.h"

namespace velmora {

namespace {

ProgramStep Rinse(int cell) {
  ProgramStep s = ProgramStep::Default();
  s.SetSamplerCell(cell);
  s.SetElectrodeDown(true);
  s.SetElectrodeUp(true);
  s.SetCleaningPotential(100);
  s.SetCleaningTime(30);
  s.SetStirrer(true);
  s.SetComments("Rinse");
  return s;
}

ProgramStep Sweep(int cell, int from, int to, int electrolysis) {
  ProgramStep s = ProgramStep::Default();
  s.SetSamplerCell(cell);
  s.SetElectrodeDown(true);
  s.SetElectrodeUp(true);
  s.SetSweepRate(200);
  s.SetSweepStart(from);
  s.SetSweepEnd(to);
  s.SetElectrolysisPotential(from - 100);
  s.SetElectrolysisTime(electrolysis);
  s.SetModulation(true);
  s.SetModulationAmplitude(20);
  s.SetModulationFrequency(25);
  s.SetValuesRange(1);
  s.SetStirrer(true);
  s.SetDelayAfterMixing(5);
  return s;
}

}  // namespace

std::vector<SamplerMethod> SamplerScreenshot::DemoMethods() {
  SamplerMethod metals;
  metals.Name = "Zn, Cd, Pb, Cu in water";
  metals.CalcMethod = 1;  // standard additions
  metals.SupportingElectrolyte = "Formic acid 0.1 M";
  metals.Programs = {{Rinse(1), Sweep(2, -1300, 100, 60)}};
  metals.Cells = {{1, 1, -1, "Rinse water"}, {2, 2, 1, "Sample"}};

  SamplerMethod mercury;
  mercury.Name = "Hg on gold";
  mercury.CalcMethod = 0;  // one standard addition
  mercury.SupportingElectrolyte = "HNO3 + KCl";
  mercury.Programs = {{Rinse(1), Rinse(3), Sweep(2, 200, 800, 120)}};
  mercury.Cells = {{1, 1, -1, "Rinse water"}, {3, 3, -1, "Gold cleaning"}, {2, 2, 1, "Sample"}};
  return {metals, mercury};
}

int SamplerScreenshot::run(MainWindow& w, const QString& folder) {
  SamplerHost& host = w.sampler();
  host.setMethodSource([] { return DemoMethods(); });
  TSamplerForm& form = host.form();
  form.resize(1020, 640);
  form.show();
  form.checkMethod(0, true);
  form.checkMethod(1, true);
  form.setSamplesCount(2);
  form.setPosition(2);
  form.trayView().setActiveCell(3);
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
  const bool saved = form.grab().save(QDir(folder).filePath(QStringLiteral("autosampler.png")));
  form.hide();
  return saved ? 1 : 0;
}

}  // namespace velmora
