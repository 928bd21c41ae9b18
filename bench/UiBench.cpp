// Thumbnail view and main chart with a large document, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <qcustomplot.h>
#include <QApplication>
#include <QPixmap>
#include <QScrollBar>

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
