#include "ScreenshotTour.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QThread>

#include "MainChartView.h"
#include "MainWindow.h"
#include "PeaksHost.h"
#include "TImagePreviewBox.h"
#include "TNode.h"
#include "TPeaksController.h"
#include "TRepForm.h"

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
  written += peakPictures(w, folder);
  return written;
}

// The peaks found on the first sample: the thumbnails with their bands and
// marks, the main chart with the marks of the calculation types, and the
// print window on that chart.
int ScreenshotTour::peakPictures(MainWindow& w, const QString& folder) {
  int written = 0;
  TNodeForest& f = w.forest();
  TNode* sample = f.FirstRoot();
  if (!sample || !sample->FirstChild) return 0;
  w.selectThumbnailsPage();
  // The recorded curves of every step (the searches read their ranges).
  TNodesArr groups, leaves;
  for (TNode* n = sample->FirstChild; n; n = n->NextSibling) {
    if (n->Folded) n->Unfold();
    groups.push_back(n);
    for (TNode* c = n->FirstChild; c; c = c->NextSibling) leaves.push_back(c);
  }
  f.SetSelection(leaves.empty() ? groups : leaves);
  settle();
  w.chartView().redrawNow();
  settle();
  w.peaks().controller().PeaksAutoSearchActnExecute();
  if (!w.action("ShowPeakBordersActn")->isChecked()) w.action("ShowPeakBordersActn")->trigger();
  written += save(w, folder, "thumbnails-peaks.png");

  // One curve of the first addition, its four peaks measured four ways at
  // a time.
  TNode* addition = groups.size() > 2 ? groups[2] : groups.back();
  TNode* curve = addition->FirstChild ? addition->FirstChild : addition;
  f.SelectNode(curve);
  if (!w.action("ShowPeakHintActn")->isChecked()) w.action("ShowPeakHintActn")->trigger();
  TPeaksController& peaks = w.peaks().controller();
  const char* names[4] = {"Zn", "Cd", "Pb", "Cu"};
  const int sets[2][4] = {{0, 1, 2, 3}, {7, 4, 6, 0}};
  const int baselines[2][4] = {{0, 1, 0, 0}, {0, 0, 0, 1}};
  QImage combined;
  for (int set = 0; set < 2; ++set) {
    for (int k = 0; k < 4; ++k) {
      peaks.setPeakCalcType(names[k], sets[set][k]);
      peaks.setPeakBaselineType(names[k], baselines[set][k]);
    }
    settle();
    w.chartView().redrawNow();
    settle();
    const QImage part = w.chartView().grab().toImage();
    if (combined.isNull()) {
      combined = QImage(part.width(), part.height() * 2, QImage::Format_RGB32);
      combined.fill(Qt::white);
    }
    QPainter p(&combined);
    p.drawImage(0, set * part.height(), part);
  }
  written += combined.save(QDir(folder).filePath(QStringLiteral("peak-marks.png")));
  for (int k = 0; k < 4; ++k) {
    peaks.setPeakCalcType(names[k], 0);
    peaks.setPeakBaselineType(names[k], 0);
  }

  TRepForm print(w.chartView().chart(), &w);
  print.selectPrinter(TRepForm::pdfPrinterName());
  print.setModal(false);
  print.show();
  settle();
  print.rebuildPreview();
  settle();
  written += print.grab().save(QDir(folder).filePath(QStringLiteral("print-chart.png")));
  print.close();
  return written;
}

}  // namespace velmora
