// Curve text export, workbook export and the zoom redraw of a large chart.
#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <QApplication>
#include <cmath>
#include <filesystem>
#include <random>

#include "ChartToolsHost.h"
#include "ChartWorkbook.h"
#include "CurveTextExport.h"
#include "DemoDocument.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "Settings.h"
#include "TNodeForest.h"
#include "TPluginsManager.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "bench_export";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* a = new QApplication(argc, argv);  // never destroyed, as in the other window benchmarks
  return *a;
}

TDataArr Sweep(int points, int seed) {
  std::mt19937 rng(static_cast<unsigned>(seed));
  std::normal_distribution<double> noise(0.0, 0.05);
  TDataArr pts(static_cast<std::size_t>(points));
  for (int i = 0; i < points; ++i) {
    const double x = -1200.0 + 1200.0 * i / points;
    pts[static_cast<std::size_t>(i)] = {x,
                                        20.0 + 0.004 * i + 6.0 * std::exp(-(x + 600) * (x + 600) / 900.0) + noise(rng)};
  }
  return pts;
}

fs::path FreshFolder(const char* name) {
  fs::path dir = fs::temp_directory_path() / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

// 1 000 curves of 4 000 points into a folder of text files.
void BM_TextExport1000Curves4000Points(benchmark::State& state) {
  std::vector<CurveTextExport::Curve> curves;
  for (int i = 0; i < 1000; ++i) curves.push_back({"Sample " + std::to_string(i % 50), Sweep(4000, i)});
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path dir = FreshFolder("velmora-bench-text");
    state.ResumeTiming();
    benchmark::DoNotOptimize(CurveTextExport::ExportCurves(dir, curves).size());
  }
  fs::remove_all(fs::temp_directory_path() / "velmora-bench-text");
}
BENCHMARK(BM_TextExport1000Curves4000Points)->Unit(benchmark::kMillisecond)->Iterations(3);

// 100 series of 4 000 points into a workbook with its chart.
void BM_Workbook100Series4000Points(benchmark::State& state) {
  std::vector<ChartWorkbook::Series> series;
  for (int i = 0; i < 100; ++i) series.push_back({"Sample " + std::to_string(i), Sweep(4000, i)});
  const fs::path dir = FreshFolder("velmora-bench-xlsx");
  for (auto _ : state) ChartWorkbook::Write(dir / "chart.xlsx", "bench.tvx", series);
  fs::remove_all(dir);
}
BENCHMARK(BM_Workbook100Series4000Points)->Unit(benchmark::kMillisecond)->Iterations(3);

// A zoom step of the main chart showing 100 curves of 4 000 points: new
// axis ranges and the redraw.
void BM_ZoomRedraw100Curves4000Points(benchmark::State& state) {
  app();
  fs::path home = FreshFolder("velmora-bench-zoom");
  Settings settings(home);
  TPluginsManager hub;
  MainWindow w(settings, &hub);
  w.resize(1400, 900);
  w.show();
  DemoDocument::buildFlat(w.forest(), 100, 4000);
  w.forest().SelectAll();
  QApplication::processEvents();
  w.chartView().redrawNow();
  QCustomPlot* chart = w.chartView().chart();
  const QCPRange x0 = chart->xAxis->range();
  int step = 0;
  for (auto _ : state) {
    const double f = 0.3 + 0.05 * (step++ % 10);
    chart->xAxis->setRange(x0.lower + x0.size() * f, x0.lower + x0.size() * (f + 0.25));
    chart->replot(QCustomPlot::rpImmediateRefresh);
  }
  w.hide();
}
BENCHMARK(BM_ZoomRedraw100Curves4000Points)->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
