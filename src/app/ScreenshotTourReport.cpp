// The report pictures of the screenshot tour: three measurements of the
// first sample read on the demo calibrations, added to the current report,
// judged against the demo statistics, and the print window on the report.

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QTabWidget>

#include "CalcHost.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "ReportHost.h"
#include "ScreenshotTour.h"
#include "StatisticsHost.h"
#include "TCalcForm.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TRepForm.h"
#include "TReportPage.h"
#include "TReportRec.h"
#include "TStatDB.h"

namespace velmora {

namespace {

void settleEvents() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

}  // namespace

int ScreenshotTour::reportShots(MainWindow& w, const QString& folder) {
  TNodeForest& f = w.forest();
  TNode* sample = f.FirstRoot();
  if (!sample || !sample->FirstChild || !sample->FirstChild->NextSibling) return 0;
  TNode* blankStep = sample->FirstChild;
  TNode* analyteStep = blankStep->NextSibling;
  TNode* blank = blankStep->FirstChild ? blankStep->FirstChild : blankStep;
  TCalcForm& form = w.calculations().form();
  TReportRec& report = w.reports().report();
  report.Clear();
  // Each replicate of the analyte step is one measurement of the sample.
  TNode* analyte = analyteStep->FirstChild ? analyteStep->FirstChild : analyteStep;
  for (int k = 0; k < 3 && analyte; ++k) {
    f.SetSelection({blank, analyte});
    settleEvents();
    w.action("PeaksAutoSearchActn")->trigger();
    settleEvents();
    form.Recalculate();
    form.chooseMethod(5);
    form.chooseRole(0, 0);
    form.chooseRole(1, 1);
    form.chooseResultUnits(5, 2);
    form.chooseSampleUnits(5, 2);
    form.Recalculate();
    w.reports().AddToReportActnExecute();
    if (analyte->NextSibling) analyte = analyte->NextSibling;
  }
  if (report.Empty()) return 0;
  report.Title = "Tap water, heavy metals";
  const TMethodStatArr& stats = w.statistics().database().Records();
  if (!stats.empty()) report.SetStatistics(stats.front());
  int written = 0;
  form.pages()->setCurrentIndex(1);
  w.reports().page().refill();
  settleEvents();
  written += form.grab().save(QDir(folder).filePath(QStringLiteral("calculations-report.png")));
  form.pages()->setCurrentIndex(0);

  TRepForm print(w.chartView().chart(), &w);
  print.selectPrinter(TRepForm::pdfPrinterName());
  print.setReport(&report);
  print.setModal(false);
  print.resize(1100, 900);
  print.show();
  settleEvents();
  print.rebuildPreview();
  settleEvents();
  written += print.grab().save(QDir(folder).filePath(QStringLiteral("print-report.png")));
  // The page with the calculation chart, as it is printed.
  for (int page = 1; page < print.previewPageCount(); ++page) {
    written +=
        print.previewPage(page).save(QDir(folder).filePath(QStringLiteral("print-report-page%1.png").arg(page + 1)));
  }
  print.close();
  return written;
}

}  // namespace velmora
