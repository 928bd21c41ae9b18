#include "ScreenshotTour.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QThread>
#include <cmath>

#include <qcustomplot.h>

#include <QMouseEvent>

#include "ChartToolsHost.h"
#include "ImportColumnsDialog.h"
#include "MainChartView.h"
#include "MainToolsHost.h"
#include "MainWindow.h"
#include "TImagePreviewBox.h"
#include "TNode.h"
#include "TSubtractionForm.h"
#include "TimerWindow.h"

namespace velmora {

namespace {

void settle() {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

bool save(MainWindow& w, const QString& folder, const QString& name) {
  settle();
  return w.grab().save(QDir(folder).filePath(name));
}

}  // namespace

// The chart tools and the tool windows: zoom, read-out, 3-D view,
// subtraction, import preview and timer.
int ScreenshotTour::ChartToolsTour(MainWindow& w, const QString& folder) {
  int written = 0;
  TNodeForest& f = w.forest();
  TNode* sample = f.FirstRoot();
  if (!sample || !sample->FirstChild) return 0;
  // Background, sample and additions of the first sample, side by side.
  TNodesArr groups;
  for (TNode* n = sample->FirstChild; n; n = n->NextSibling) groups.push_back(n);
  f.SetSelection(groups);
  settle();
  w.chartView().redrawNow();
  ChartToolsHost& tools = w.chartTools();
  QCustomPlot* chart = w.chartView().chart();
  const QRect plot = chart->axisRect()->rect();
  tools.zoomTo(QRect(plot.left() + plot.width() * 30 / 100, plot.top() + plot.height() / 10, plot.width() * 45 / 100,
                     plot.height() * 8 / 10));
  written += save(w, folder, "zoom.png");
  tools.undoZoom();
  settle();
  // The pointer over the highest peak.
  const QPoint at(chart->xAxis->coordToPixel(-560), chart->yAxis->coordToPixel(chart->yAxis->range().center()));
  QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(chart->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(chart, &move);
  written += save(w, folder, "read-out.png");

  w.action("ShowPeakBordersActn")->setChecked(true);
  w.action("Show3DActn")->setChecked(true);
  w.action("ShowEachBorderActn")->setChecked(true);
  written += save(w, folder, "chart-3d.png");
  w.action("Show3DActn")->setChecked(false);
  w.action("ShowPeakBordersActn")->setChecked(false);

  // Subtraction of the background from the sample and its additions.
  w.action("SubtractionActn")->setChecked(true);
  settle();
  TSubtractionForm& sub = w.tools().subtraction();
  sub.refill();
  settle();
  written += sub.grab().save(QDir(folder).filePath("subtraction.png"));
  w.action("SubtractionActn")->setChecked(false);

  // The preview of an instrument's table with four columns.
  // Numbers with a decimal comma, a background of about 20 µA and a peak.
  auto number = [](double v) { return QString::number(v, 'g', 6).replace(u'.', u',').toStdString(); };
  std::string table = "Time (s);WE(1).Potential (V);WE(1).Current (A);Index\n";
  for (int i = 0; i < 40; ++i) {
    const double e = -1.2 + 0.005 * i;
    const double current = (20.0 + 0.05 * i + 6.0 * std::exp(-(i - 24.0) * (i - 24.0) / 10.0)) * 1e-6;
    table += number(i * 0.05) + ";" + number(e) + ";" + number(current) + ";" + std::to_string(i + 1) + "\n";
  }
  const auto parsed = InstrumentTextImport::Parse(table);
  ImportColumnsDialog dialog(parsed, QStringLiteral("scan-0412.csv"), &w);
  dialog.show();
  settle();
  written += dialog.grab().save(QDir(folder).filePath("import-preview.png"));
  dialog.hide();

  TimerWindow& timer = w.tools().timer();
  timer.beep = [] {};
  w.action("ShowTimerActn")->setChecked(true);
  timer.startStop();
  for (int i = 0; i < 75; ++i) timer.tick();
  settle();
  written += timer.grab().save(QDir(folder).filePath("timer.png"));
  timer.startStop();
  w.action("ShowTimerActn")->setChecked(false);
  return written;
}

int ScreenshotTour::run(MainWindow& w, const QString& folder) {
  QDir().mkpath(folder);
  int written = 0;
  TNodeForest& f = w.forest();
  w.selectThumbnailsPage();
  // The first sample group, unfolded, with its additions selected.
  TNode* sample = f.FirstRoot();
  if (sample && sample->Folded) sample->Unfold();
  if (sample && sample->FirstChild) {
    TNodesArr nodes;
    for (TNode* n = sample->FirstChild; n; n = n->NextSibling) nodes.push_back(n);
    f.SetSelection(nodes);
  }
  written += save(w, folder, "thumbnails.png");
  w.action("ShowLegendRightActn")->trigger();
  written += save(w, folder, "legend.png");
  w.selectStructurePage();
  written += save(w, folder, "structure.png");
  w.selectThumbnailsPage();
  if (sample && sample->FirstChild && sample->FirstChild->NextSibling) {
    f.SelectNode(sample->FirstChild->NextSibling);
    if (sample->FirstChild->NextSibling->Folded) sample->FirstChild->NextSibling->Unfold();
  }
  w.action("BandWChartActn")->trigger();
  written += save(w, folder, "black-and-white.png");
  w.action("BandWChartActn")->trigger();
  w.action("ShowLegendNoneActn")->trigger();
  w.action("SelectAllActn")->trigger();
  written += save(w, folder, "select-all.png");
  written += ChartToolsTour(w, folder);
  return written;
}

}  // namespace velmora
