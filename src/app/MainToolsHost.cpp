#include "MainToolsHost.h"

#include <QAction>

#include "MainChartView.h"
#include "MainWindow.h"
#include "StructureTree.h"
#include "TNodeForest.h"
#include "TPluginsManager.h"
#include "TSubtractionForm.h"
#include "ThumbnailPainter.h"
#include "TimerWindow.h"
#include "TreeAutoCreation.h"

namespace velmora {

MainToolsHost::MainToolsHost(MainWindow& window, TPluginsManager& hub) : QObject(&window), window_(window) {
  for (const char* name : {"ShowTimerActn", "SubtractionActn", "FindPairsActn"}) window.actions().adopt(name);

  timer_ = new TimerWindow(&window);
  timer_->hide();
  connect(window.action("ShowTimerActn"), &QAction::toggled, timer_, [this](bool on) {
    if (on) {
      timer_->show();
      timer_->raise();
    } else {
      timer_->hide();
    }
  });
  connect(timer_, &TimerWindow::visibilityChanged, this, [this](bool visible) {
    if (!visible) window_.action("ShowTimerActn")->setChecked(false);
  });

  TSubtractionForm::Host host;
  host.DisplayedCurves = [this]() -> TTableContentArr& { return window_.DisplayedCurves(); };
  host.Forest = [this]() -> TNodeForest& { return window_.forest(); };
  host.CurvesChanged = [this] {
    window_.setModified(true);
    window_.chartView().scheduleRedraw();
    window_.updateActions();
  };
  host.CurveColor = [this](int index) {
    if (window_.chartView().blackAndWhite()) return QColor(Qt::black);
    return ThumbnailPainter::rowColor(static_cast<std::size_t>(std::max(index, 0)));
  };
  subtraction_ = new TSubtractionForm(std::move(host), hub, &window);
  subtraction_->hide();
  connect(window.action("SubtractionActn"), &QAction::toggled, subtraction_, [this](bool on) {
    if (on) {
      subtraction_->show();
      subtraction_->raise();
    } else {
      subtraction_->hide();
    }
  });
  connect(subtraction_, &TSubtractionForm::visibilityChanged, this, [this](bool visible) {
    if (!visible) window_.action("SubtractionActn")->setChecked(false);
  });

  connect(window.action("FindPairsActn"), &QAction::triggered, this, [this] { FindPairsActnExecute(); });
}

void MainToolsHost::FindPairsActnExecute() {
  TNodeForest& forest = window_.forest();
  if (forest.FirstRoot() == nullptr) return;
  TreeAutoCreation::Apply(forest);
  window_.structureTree().rebuild(window_.documentFileName());
  window_.setModified(true);
  window_.updateActions();
}

}  // namespace velmora
