// Acquisition: decoding the analyzer's data stream, and the live trace of
// the main chart redrawn once per batch of points.
#include <benchmark/benchmark.h>

#include <qcustomplot.h>
#include <QApplication>

#include <cmath>
#include <deque>
#include <vector>

#include "AcquisitionDecoder.h"
#include "CurvePlottable.h"
#include "LinkFrame.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "Settings.h"
#include "TPluginsManager.h"

using namespace velmora;

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "bench_acquisition";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: Qt's own statics go first at exit, and a static
  // application object would then crash while tearing down.
  static auto* a = new QApplication(argc, argv);
  return *a;
}

// One voltammogram of 4 000 samples with its end marker, as the line delivers it.
std::vector<std::uint8_t> Stream(int samples) {
  std::vector<std::uint8_t> out;
  for (int i = 0; i < samples; ++i) {
    std::uint8_t b[4];
    LinkFrame::writeWordBE(b, -1200 + i / 3);
    LinkFrame::writeWordBE(b + 2, static_cast<int>(2000 * std::sin(i / 300.0)));
    out.insert(out.end(), b, b + 4);
  }
  std::uint8_t end[4];
  LinkFrame::writeWordBE(end, 0);
  LinkFrame::writeWordBE(end + 2, 10000);
  out.insert(out.end(), end, end + 4);
  return out;
}

// Decoding with the filter on, in answers of 1 024 bytes (the emulator's
// largest): bytes per second against the line's 2 000.
void BM_DecodeDataStream(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = Stream(4000);
  AcquisitionDecoder::Context context;
  context.DeviceType = 1;
  context.Calibration.Coeff.fill(32768);
  context.Step.SetValuesRange(2);
  context.Step.SetModulation(true);
  AcquisitionDecoder decoder;
  decoder.SetContext(context);
  decoder.SetInputFilter(2);
  std::size_t points = 0;
  for (auto _ : state) {
    for (std::size_t pos = 0; pos < bytes.size(); pos += 1024) {
      const std::size_t n = std::min<std::size_t>(1024, bytes.size() - pos);
      decoder.Feed(std::span(bytes).subspan(pos, n), [&] { points += decoder.DataBuf().size(); });
    }
  }
  benchmark::DoNotOptimize(points);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
  state.counters["x_line_rate"] =
      benchmark::Counter(static_cast<double>(bytes.size()) / 2000.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DecodeDataStream);

// The main window's live trace holding 4 000 points: one batch of 100 new
// points added and the chart drawn.
void BM_LiveTraceBatchRedraw(benchmark::State& state) {
  app();
  Settings settings(std::filesystem::temp_directory_path());
  TPluginsManager hub;
  MainWindow window(settings, &hub);
  window.resize(1280, 800);
  window.show();
  window.setRecording(true);
  CurvePlottable* series = window.chartView().recordingSeries();
  std::deque<TDataPoint> trace;
  for (int i = 0; i < 4000; ++i) trace.push_back({-1200 + i * 0.3, std::sin(i / 200.0)});
  series->setPoints(TDataArr(trace.begin(), trace.end()));
  QApplication::processEvents();
  if (!window.chartView().chartShown()) state.SkipWithError("the chart is not shown");
  double x = trace.back().X;
  for (auto _ : state) {
    // The trace keeps its last 4 000 points (a recording appends them).
    TDataArr batch;
    for (int i = 0; i < 100; ++i) {
      x += 0.3;
      batch.push_back({x, std::sin(x / 60.0)});
      trace.pop_front();
    }
    trace.insert(trace.end(), batch.begin(), batch.end());
    state.PauseTiming();
    series->setPoints(TDataArr(trace.begin(), trace.end() - 100));
    state.ResumeTiming();
    series->appendPoints(batch);
    series->rescaleAxes(false);
    series->parentPlot()->replot(QCustomPlot::rpImmediateRefresh);
  }
  window.setRecording(false);
}
BENCHMARK(BM_LiveTraceBatchRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
