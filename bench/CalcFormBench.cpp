// The calculation window following the main window's selection: 50 (or
// 1 000) shown curves with 6 elements each, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>

#include "CalcHost.h"
#include "DemoDocument.h"
#include "MainWindow.h"
#include "Settings.h"
#include "TCalcForm.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPluginsManager.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "bench_calc_form";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* a = new QApplication(argc, argv);  // outlives Qt's statics
  return *a;
}

// Leaves, each with six named peaks, volumes and units for method 0.
void Prepare(MainWindow& w, int leaves = 50) {
  DemoDocument::buildFlat(w.forest(), leaves);
  const char* names[] = {"Zn", "Cd", "Pb", "Cu", "Sb", "Bi"};
  int k = 0;
  for (TNode* n = w.forest().FirstRoot(); n; n = n->NextSibling, ++k) {
    TVAStruct* va = n->VA();
    if (!va) continue;
    const int points = static_cast<int>(va->Data.size());
    for (int e = 0; e < 6; ++e) {
      const int begin = points * (e + 1) / 8;
      va->AddPeak(names[e], 0, begin, begin + points / 16);
      va->SetAdditionConc(names[e], 1.0);
    }
    va->Params.SetMeasurementType(k % 3);
    va->CalculationMethod = 1;
    va->Volumes[0] = 5;
    va->Volumes[1] = 2;
    va->Volumes[5] = 10;
    va->Volumes[6] = 0.1;
    va->Volumes[7] = 0.1;
    va->ResUnitTop = va->RecalcUnitTop = 5;
    va->ResUnitBottom = va->RecalcUnitBottom = 2;
  }
}

// A selection change of the main window with the calculation window and
// its docked chart shown: the whole handling (main chart included), and
// the calculation window's refresh alone (grid, parameters, chart).
void BM_SelectionRefreshesCalculations(benchmark::State& state) {
  app();
  Settings settings;
  TPluginsManager hub;
  MainWindow w(settings, &hub);
  w.resize(1440, 900);
  w.show();
  // Arguments 3 and 4: 1 000 leaves with their peaks, the window hidden (3)
  // or shown (4).
  Prepare(w, state.range(0) >= 3 ? 1000 : 50);
  // Argument 2: the same selection changes with the window hidden (the
  // main window's own share).
  const bool shown = state.range(0) != 2 && state.range(0) != 3;
  w.action("PeaksTreatmentActn")->setChecked(shown);
  w.action("StatActn")->setChecked(shown);
  TCalcForm& form = w.calculations().form();
  w.forest().SelectAll();
  QApplication::processEvents();
  const bool whole = state.range(0) != 1;
  TNodesArr fortyNine;
  for (TNode* n = w.forest().FirstRoot(); n && n->NextSibling; n = n->NextSibling) fortyNine.push_back(n);
  bool all = false;
  for (auto _ : state) {
    if (whole) {
      // Alternately 50 and 49 curves: one selection change per round.
      all = !all;
      if (all) {
        w.forest().SelectAll();
      } else {
        w.forest().SetSelection(fortyNine);
      }
    } else {
      form.Recalculate();
    }
    state.PauseTiming();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["curves"] = static_cast<double>(form.calculation().Curves().size());
  state.counters["elements"] = static_cast<double>(form.calculation().Elements().size());
  w.setModified(false);
}
BENCHMARK(BM_SelectionRefreshesCalculations)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_SelectionRefreshesCalculations)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(5);

// Typing a parameter: the results update without rebuilding the table.
void BM_ResultsUpdateAfterAnEdit(benchmark::State& state) {
  app();
  Settings settings;
  TPluginsManager hub;
  MainWindow w(settings, &hub);
  w.show();
  Prepare(w);
  w.action("PeaksTreatmentActn")->setChecked(true);
  w.action("StatActn")->setChecked(true);
  w.forest().SelectAll();
  QApplication::processEvents();
  TCalcForm& form = w.calculations().form();
  for (auto _ : state) form.UpdateResults();
  w.setModified(false);
}
BENCHMARK(BM_ResultsUpdateAfterAnEdit)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace
