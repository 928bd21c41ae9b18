// Thumbnail view and main chart with a large document, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <qcustomplot.h>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScrollBar>
#include <QTest>

#include "CurveLayer.h"
#include "DemoDocument.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "PeakValue.h"
#include "RecordPeaks.h"
#include "Settings.h"
#include "TImagePreviewBox.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakValueEvaluator.h"
#include "TPluginsManager.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "bench_ui";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: Qt's own statics go first at exit, and a static
  // application object would then crash while tearing down.
  static auto* a = new QApplication(argc, argv);
  return *a;
}

// A document of 1 000 leaves, shown: the time until the first screen of
// thumbnails is painted.
void BM_FirstThumbnailsOf1000Leaves(benchmark::State& state) {
  app();
  for (auto _ : state) {
    TImagePreviewBox view;
    view.resize(260, 900);
    DemoDocument::buildFlat(view.forest(), 1000);
    view.show();
    QPixmap pm = view.viewport()->grab();
    benchmark::DoNotOptimize(pm);
    state.PauseTiming();
    view.hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FirstThumbnailsOf1000Leaves)->Unit(benchmark::kMillisecond)->Iterations(3);

// Finds Zn, Cd, Pb and Cu on every leaf; the number of peaks found.
std::size_t FindPeaksEverywhere(TNodeForest& forest) {
  TPeakValueEvaluator::Install();
  std::size_t peaks = 0;
  for (const auto& n : forest.AllNodes) {
    if (auto* va = dynamic_cast<TVAStruct*>(n->ArrayRecord())) {
      AutoSearchPeaks(*va, 0, {}, CalcByHeight);
      peaks += va->Peaks.size();
    }
  }
  return peaks;
}

// The same with Zn, Cd, Pb and Cu found on every leaf: every thumbnail
// draws its peak bands and marks (the search itself is not timed).
void BM_FirstThumbnailsOf1000LeavesWithPeaks(benchmark::State& state) {
  app();
  for (auto _ : state) {
    TImagePreviewBox view;
    view.resize(260, 900);
    DemoDocument::buildFlat(view.forest(), 1000);
    state.PauseTiming();
    state.counters["peaks"] = static_cast<double>(FindPeaksEverywhere(view.forest()));
    state.ResumeTiming();
    view.show();
    QPixmap pm = view.viewport()->grab();
    benchmark::DoNotOptimize(pm);
    state.PauseTiming();
    view.hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FirstThumbnailsOf1000LeavesWithPeaks)->Unit(benchmark::kMillisecond)->Iterations(3);

// Building the document alone (for comparison with the figure above).
void BM_Build1000Leaves(benchmark::State& state) {
  app();
  for (auto _ : state) {
    TNodeForest forest;
    DemoDocument::buildFlat(forest, 1000);
    benchmark::DoNotOptimize(forest.Count());
  }
}
BENCHMARK(BM_Build1000Leaves)->Unit(benchmark::kMillisecond)->Iterations(3);

// "Select all" in a document of 1 000 leaves: DisplayedCurves rebuilt and
// the main chart redrawn.
void BM_SelectAllRedrawsMainChart(benchmark::State& state) {
  app();
  Settings settings;
  TPluginsManager hub;
  MainWindow w(settings, &hub);
  w.resize(1440, 900);
  w.show();
  DemoDocument::buildFlat(w.forest(), 1000);
  QApplication::processEvents();
  for (auto _ : state) {
    // The selection handling rebuilds DisplayedCurves and redraws at once.
    w.forest().SelectAll();
    state.PauseTiming();
    w.forest().SelectNode(nullptr);
    QApplication::processEvents();
    state.ResumeTiming();
  }
  w.setModified(false);
}
BENCHMARK(BM_SelectAllRedrawsMainChart)->Unit(benchmark::kMillisecond)->Iterations(5);

// Scrolling through the whole view a page at a time, every thumbnail
// painted; with the argument 1 every leaf carries its peaks.
void BM_ScrollThrough1000Thumbnails(benchmark::State& state) {
  app();
  TImagePreviewBox view;
  view.resize(260, 900);
  DemoDocument::buildFlat(view.forest(), 1000);
  if (state.range(0) == 1) state.counters["peaks"] = static_cast<double>(FindPeaksEverywhere(view.forest()));
  view.show();
  for (auto _ : state) {
    QScrollBar* v = view.verticalScrollBar();
    for (int pos = 0; pos <= v->maximum(); pos += v->pageStep()) {
      v->setValue(pos);
      QPixmap pm = view.viewport()->grab();
      benchmark::DoNotOptimize(pm);
    }
  }
}
BENCHMARK(BM_ScrollThrough1000Thumbnails)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

namespace {

// The parts of "select all": DisplayedCurves (0) and the chart drawing
// alone (1).
void BM_SelectAllParts(benchmark::State& state) {
  app();
  Settings settings;
  TPluginsManager hub;
  MainWindow w(settings, &hub);
  w.resize(1440, 900);
  w.show();
  DemoDocument::buildFlat(w.forest(), 1000);
  w.forest().SelectAll();
  w.chartView().redrawNow();
  for (auto _ : state) {
    if (state.range(0) == 0) {
      w.chartView().rebuildDisplayedCurves();
    } else {
      w.chartView().chart()->replot();
    }
  }
  w.setModified(false);
}
BENCHMARK(BM_SelectAllParts)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

namespace {

// Counts the paint events of a widget.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// Two groups of 50 curves, each curve with six named peaks.
std::pair<TNode*, TNode*> TwoGroupsWithPeaks(TNodeForest& forest) {
  DemoDocument::buildFlat(forest, 100);
  const char* names[] = {"Zn", "Cd", "Pb", "Cu", "Sb", "Bi"};
  TNodesArr first, second;
  int k = 0;
  for (TNode* n = forest.FirstRoot(); n; n = n->NextSibling, ++k) {
    TVAStruct* va = n->VA();
    const int points = static_cast<int>(va->Data.size());
    for (int e = 0; e < 6; ++e) {
      const int begin = points * (e + 1) / 8;
      va->AddPeak(names[e], 0, begin, begin + points / 16);
    }
    (k < 50 ? first : second).push_back(n);
  }
  TNode* a = forest.GroupNodes(first);
  TNode* b = forest.GroupNodes(second);
  return {a, b};
}

// A click on a group's thumbnail until the main chart has repainted,
// through the event loop: each click shows the other group's 50 curves
// with their peak bands. Argument 1: the calculation window and its chart
// are shown as well.
void BM_ClickToRepaintedChart(benchmark::State& state) {
  app();
  Settings settings;
  TPluginsManager hub;
  MainWindow w(settings, &hub);
  w.resize(1440, 900);
  w.show();
  const auto [a, b] = TwoGroupsWithPeaks(w.forest());
  w.selectThumbnailsPage();
  w.action("ShowPeakBordersActn")->setChecked(true);
  const bool calculations = state.range(0) == 1;
  w.action("PeaksTreatmentActn")->setChecked(calculations);
  w.action("StatActn")->setChecked(calculations);
  QCustomPlot* chart = w.chartView().chart();
  PaintCounter counter;
  chart->installEventFilter(&counter);
  TImagePreviewBox& tree = w.tree();
  w.forest().SelectNode(a);
  QApplication::processEvents();
  bool toB = true;
  for (auto _ : state) {
    state.PauseTiming();
    TNode* target = toB ? b : a;
    toB = !toB;
    QApplication::processEvents();
    const QPoint at = tree.nodeRect(target).center();
    const int before = counter.paints;
    state.ResumeTiming();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
    while (counter.paints == before) QApplication::processEvents(QEventLoop::AllEvents, 5);
    state.PauseTiming();
    if (w.forest().FocusedNode != target) state.SkipWithError("the click did not select the group");
    state.ResumeTiming();
  }
  state.counters["curves"] = static_cast<double>(w.chartView().DisplayedCurves().size());
  state.counters["pictures"] = CurveLayer::Of(chart)->renders();
  chart->removeEventFilter(&counter);
  w.setModified(false);
}
BENCHMARK(BM_ClickToRepaintedChart)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
