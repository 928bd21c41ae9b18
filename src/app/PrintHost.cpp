#include "PrintHost.h"

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>

#include "CalcHost.h"
#include "CalcMethods.h"
#include "CalibrationSaver.h"
#include "ChartToolsHost.h"
#include "DateTime.h"
#include "MainActions.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "ReportHost.h"
#include "TCalcForm.h"
#include "TConcCalculation.h"
#include "TRepForm.h"

namespace velmora {

PrintHost::PrintHost(MainWindow& window) : QObject(&window), window_(window) {
  window.actions().adopt("ReportActn");
  connect(window.action("ReportActn"), &QAction::triggered, this, &PrintHost::ReportActnExecute);
}

void PrintHost::ReportActnExecute() {
  TRepForm form(window_.chartView().chart(), &window_);
  form.setJobTitle(window_.windowTitle());
  form.setCalibrations(CalculationCalibrations());
  form.setReport(&window_.reports().report());
  // The curve charts are scaled as the main chart: "Auto" by "&Fit image",
  // else by the main window's scale fields.
  const ChartToolsHost& tools = window_.chartTools();
  form.setScales(window_.action("FitImageActn")->isChecked(), tools.scaleField(0)->text(), tools.scaleField(1)->text(),
                 tools.scaleField(2)->text(), tools.scaleField(3)->text());
  connect(&form, &TRepForm::addCalculationRequested, this, &PrintHost::AddCalculationToReport);
  form.exec();
}

void PrintHost::PrintCalibrationActnExecute(std::vector<TSingleCalibration> calibrations) {
  if (calibrations.empty()) calibrations = CalculationCalibrations();
  if (calibrations.empty()) return;
  TRepForm form(window_.chartView().chart(), &window_);
  form.setJobTitle(window_.windowTitle());
  form.setReport(&window_.reports().report());
  form.setCalibrations(std::move(calibrations));
  form.chooseCalibration();
  connect(&form, &TRepForm::addCalculationRequested, this, &PrintHost::AddCalculationToReport);
  form.exec();
}

void PrintHost::AddCalculationToReport() {
  window_.action("PeaksTreatmentActn")->setChecked(true);
  TCalcForm& f = window_.calculations().form();
  f.Recalculate();
  window_.reports().AddToReportActnExecute();
  f.pages()->setCurrentIndex(1);  // the page "Report"
}

std::vector<TSingleCalibration> PrintHost::CalculationCalibrations() {
  std::vector<TSingleCalibration> out;
  TCalcForm& f = window_.calculations().form();
  if (f.calculation().Method() != CalcMethods::kCalibrationCurve) return out;
  // The calibrations "Save calibration" would store now, one per element.
  f.Recalculate();
  const TConcCalculation& calc = f.calculation();
  std::vector<TVAStruct*> checked;
  const std::vector<TVAStruct*> shown = window_.calculations().shownCurves();
  for (std::size_t i = 0; i < shown.size(); ++i)
    if (!calc.CheckBoxesOffered() || calc.RowChecked(i)) checked.push_back(shown[i]);
  const double now = DateTime::now();
  for (std::size_t row = 0; row < calc.Elements().size(); ++row)
    out.push_back(BuildCalibration(calc, row, checked, now));
  return out;
}

}  // namespace velmora
