#include "ScreenshotTour.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QThread>

#include <QListWidget>

#include "CalibrationsHost.h"
#include "DemoCalibrations.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "StatisticsHost.h"
#include "TCalibrForm.h"
#include "TImagePreviewBox.h"
#include "TMethodStatForm.h"
#include "TNode.h"

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

// The Calibrations window on Pb with the active calibration drawn, and the
// Statistics window on a drinking-water record.
int ScreenshotTour::calibrationShots(MainWindow& w, const QString& folder) {
  int written = 0;
  DemoCalibrations::build(w.calibrations(), w.statistics());
  TCalibrForm& calibr = w.calibrations().form();
  calibr.Refill();
  calibr.show();
  const auto pb = calibr.elementList()->findItems(QStringLiteral("Pb"), Qt::MatchExactly);
  if (!pb.isEmpty()) calibr.selectElement(calibr.elementList()->row(pb.front()));
  calibr.selectCalibration(0);
  settle();
  written += calibr.grab().save(QDir(folder).filePath(QStringLiteral("calibrations.png")));
  calibr.hide();

  w.statistics().reload();
  TMethodStatForm& stat = w.statistics().form();
  stat.show();
  settle();
  const int last = stat.methodList()->count() - 1;
  stat.methodList()->setCurrentRow(last);
  stat.LoadRecord(last);
  stat.elementList()->setCurrentRow(2);
  settle();
  written += stat.grab().save(QDir(folder).filePath(QStringLiteral("statistics.png")));
  stat.hide();
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
  written += calibrationShots(w, folder);
  return written;
}

}  // namespace velmora
