// The results archive in the screenshot tour: the report's results and a
// control solution's daily results archived (in a private archive, never
// the user's), the Results window and the control chart of the control,
// whose series breaks several Westgard rules.

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <memory>

#include "ArchiveTime.h"
#include "ControlChartWindow.h"
#include "MainWindow.h"
#include "ReportHost.h"
#include "ResultsHost.h"
#include "ResultsWindow.h"
#include "ScreenshotTour.h"
#include "SqlResultsArchive.h"
#include "TReportArchive.h"
#include "TReportRec.h"

namespace velmora {

namespace {

void settleEvents() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

// 20 days around 10 µg/dm³, then results that break 1-3s, 2-2s, R-4s,
// 4-1s and 10x; the last week was measured on the emulator.
std::vector<ArchiveRow> ControlSeries(std::int64_t start) {
  const double baseline[] = {10.1, 9.8,  10.2, 9.9, 10.0, 10.3, 9.7,   10.1, 9.9,  10.2,
                             9.8,  10.0, 10.1, 9.9, 10.2, 9.8,  10.05, 9.95, 10.1, 9.9};
  const double tail[] = {10.85, 10.0,  10.47, 10.5,  9.45,  10.05, 10.25, 10.3,
                         10.28, 10.26, 10.1,  10.12, 10.08, 10.1,  10.15, 10.1};
  std::vector<ArchiveRow> rows;
  std::size_t day = 0;
  auto add = [&](double value, bool simulated) {
    ArchiveRow r;
    r.Control = "QC Cd 10 µg/dm³";
    r.Element = "Cd";
    r.Value = value;
    r.Unit = "µg/dm³";
    r.Uncertainty = 0.4;
    r.Method = 5;
    r.Operator = day % 3 ? "A. Petrova" : "I. Smirnov";
    r.Workstation = "lab-ws-2";
    r.TimeMs = start + static_cast<std::int64_t>(day++) * 86400000 + 8 * 3600000;
    r.Simulated = simulated;
    rows.push_back(r);
  };
  for (double v : baseline) add(v, false);
  for (std::size_t i = 0; i < std::size(tail); ++i) add(tail[i], i + 7 >= std::size(tail));
  return rows;
}

}  // namespace

int ScreenshotTour::resultsShots(MainWindow& w, const QString& folder) {
  QTemporaryDir temp;
  if (!temp.isValid()) return 0;
  ResultsHost& host = w.results();
  try {
    auto archive = std::make_unique<SqlResultsArchive>(
        ArchiveAddress::SqliteFile(QDir(temp.path()).filePath(QStringLiteral("Results.sqlite")).toStdString()));
    const std::int64_t start = ArchiveTime::NowMs() - 40LL * 86400000;
    std::vector<ArchiveRow> rows = ControlSeries(start);
    ArchiveRows::Origin origin;
    origin.Sample = w.reports().report().Title.empty() ? "Tap water" : w.reports().report().Title;
    origin.Operator = "A. Petrova";
    origin.Workstation = "lab-ws-2";
    origin.TimeMs = ArchiveTime::NowMs() - 3600000;
    for (ArchiveRow& r : TReportArchive::Rows(w.reports().report(), origin)) rows.push_back(r);
    archive->Add(rows);
    host.setArchive(std::move(archive));
  } catch (const std::exception&) {
    return 0;
  }
  int written = 0;
  ResultsWindow& results = host.resultsWindow();
  results.resize(1400, 800);
  results.show();
  results.refresh();
  settleEvents();
  written += results.grab().save(QDir(folder).filePath(QStringLiteral("results.png")));

  const int control = results.controlList()->findText(QStringLiteral("QC Cd 10 µg/dm³"));
  results.controlList()->setCurrentIndex(control);
  results.openControlChart();
  if (ControlChartWindow* chart = results.chartWindow()) {
    chart->resize(1400, 760);
    settleEvents();
    chart->refresh();
    settleEvents();
    written += chart->grab().save(QDir(folder).filePath(QStringLiteral("control-chart.png")));
    chart->close();
  }
  results.close();
  host.setArchive(nullptr);
  return written;
}

}  // namespace velmora
