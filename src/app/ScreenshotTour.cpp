#include "ScreenshotTour.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QThread>

#include "MainChartView.h"
#include "MainWindow.h"
#include "TImagePreviewBox.h"
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
  return written;
}

}  // namespace velmora
