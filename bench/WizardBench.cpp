// The measurement wizard on the offscreen platform: page changes, the chart
// page with 4 000-point curves, and whole analyses on the analyzer emulator
// with its protocol time accelerated.
#include <benchmark/benchmark.h>

#include <qcustomplot.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>

#include "AnalyzerEmulator.h"
#include "DeviceLink.h"
#include "IWizardPages.h"
#include "MainWindow.h"
#include "MethodsHost.h"
#include "PseudoTerminalHost.h"
#include "RecordingReceiver.h"
#include "ScaledClock.h"
#include "Settings.h"
#include "TMWizForm.h"
#include "TMethodsLibrary.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPluginsManager.h"
#include "TVAStruct.h"
#include "WizardHost.h"

using namespace velmora;

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "bench_wizard";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* a = new QApplication(argc, argv);
  return *a;
}

std::filesystem::path MethodsFolder() { return std::filesystem::path(VELMORA_SOURCE_DIR) / "methods"; }

struct Workstation {
  std::filesystem::path dir;
  std::unique_ptr<Settings> settings;
  TPluginsManager hub;
  std::unique_ptr<MainWindow> w;

  Workstation() {
    dir = std::filesystem::temp_directory_path() /
          ("velmora-wizard-bench-" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::create_directories(dir);
    settings = std::make_unique<Settings>(dir);
    settings->options().insertType = 1;
    settings->options().askMethodChange = false;
    w = std::make_unique<MainWindow>(*settings, &hub);
    w->keepPortClosed();
    w->methods().setLibraryFolder(MethodsFolder());
    w->methods().load();
    w->show();
  }
  ~Workstation() {
    w.reset();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  TMWizForm& wiz() { return w->wizard().form(); }
  bool open(const std::string& fileName) {
    wiz().prepare();
    wiz().show();
    const auto& listed = wiz().listedMethods();
    for (std::size_t row = 0; row < listed.size(); ++row) {
      if (std::filesystem::path(w->methods().library().Methods()[listed[row]].FileName).filename() == fileName) {
        wiz().selectMethod(static_cast<int>(row));
        return true;
      }
    }
    return false;
  }
};

// Showing a page of a running analysis (the cell assembly and program
// input pages, which rebuild their texts and tables).
void BM_WizardPageChange(benchmark::State& state) {
  app();
  Workstation ws;
  if (!ws.open("Pb-standard-additions.mtd")) {
    state.SkipWithError("the shipped methods are missing");
    return;
  }
  ws.wiz().nextButton()->click();
  int page = IWizardPages::kCellAssembly;
  for (auto _ : state) {
    ws.wiz().ShowPage(page);
    QCoreApplication::processEvents();
    page = page == IWizardPages::kCellAssembly ? IWizardPages::kProgramInput : IWizardPages::kCellAssembly;
  }
}
BENCHMARK(BM_WizardPageChange)->Unit(benchmark::kMillisecond);

// The chart page over a run of four passes of 4 000 points each.
void BM_WizardChartPage4000Points(benchmark::State& state) {
  app();
  Workstation ws;
  TNodeForest& forest = ws.w->forest();
  TNode* root = forest.AddNode(nullptr, nullptr);
  root->SetRecord(std::make_unique<TVAStruct>(root));
  root->VA()->NodeType = 1;
  for (int pass = 0; pass < 4; ++pass) {
    TNode* node = forest.AddChild(root);
    node->SetRecord(std::make_unique<TVAStruct>(node));
    TDataArr points;
    for (int i = 0; i < 4000; ++i) {
      const double x = -800.0 + 0.15 * i;
      const double d = (x + 420.0) / 30.0;
      points.push_back({x, 25.0 + 0.01 * (x + 800.0) + (1.0 + pass) / (1.0 + d * d)});
    }
    node->VA()->SetData(points);
  }
  forest.SelectNode(root);
  TMWizForm& wiz = ws.wiz();
  wiz.prepare();
  wiz.show();
  wiz.resize(1200, 800);
  for (auto _ : state) {
    wiz.ShowPage(IWizardPages::kChart);
    wiz.chart()->replot(QCustomPlot::rpImmediateRefresh);
  }
  state.counters["curves"] = static_cast<double>(wiz.chart()->graphCount());
}
BENCHMARK(BM_WizardChartPage4000Points)->Unit(benchmark::kMillisecond);

// A whole analysis (one parallel sample) on the emulator, its protocol time
// 200 times faster: from the first Next to the report page.
void BM_WizardAnalysisOnEmulator(benchmark::State& state, const char* method) {
  app();
  if (!std::filesystem::exists(MethodsFolder() / method)) {
    state.SkipWithError("method file missing");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    ScaledClock clock(200.0);
    auto emulator = std::make_shared<AnalyzerEmulator>(clock, AnalyzerEmulator::Config{});
    auto host = std::make_unique<PseudoTerminalHost>(emulator);
    Workstation ws;
    std::string error;
    const auto tty = ws.dir / "ttyVA";
    if (!host->start(tty, error)) {
      state.SkipWithError(error.c_str());
      return;
    }
    RecordingReceiver* receiver = &ws.w->recordingReceiver();
    emulator->setMeasurementSource([receiver] { return receiver->run().CurrentStep().MeasurementType(); });
    ws.w->deviceLink().configure(tty.string(), false, 300);
    ws.w->deviceLink().reset();
    if (!QTest::qWaitFor([&] { return ws.w->deviceLink().active(); }, 20000) || !ws.open(method)) {
      state.SkipWithError("the analyzer or the method is not there");
      return;
    }
    state.ResumeTiming();
    TMWizForm& wiz = ws.wiz();
    wiz.nextButton()->click();
    wiz.parallelSamplesBox()->setValue(1);
    QElapsedTimer guard;
    guard.start();
    while (wiz.currentPage() != IWizardPages::kReport && guard.elapsed() < 120000) {
      if (wiz.nextButton()->isEnabled()) wiz.nextButton()->click();
      QTest::qWait(5);
    }
    state.PauseTiming();
    if (wiz.currentPage() != IWizardPages::kReport) state.SkipWithError("the analysis did not reach its report");
    ws.w->setModified(false);
    host->stop();
    state.ResumeTiming();
  }
}
BENCHMARK_CAPTURE(BM_WizardAnalysisOnEmulator, Pb, "Pb-standard-additions.mtd")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_WizardAnalysisOnEmulator, ZnCdPbCu, "ZnCdPbCu-standard-additions.mtd")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
