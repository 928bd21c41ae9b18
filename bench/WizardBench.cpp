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

#include "AcceleratedClock.h"
#include "AnalyzerEmulator.h"
#include "DeviceLink.h"
#include "IWizardPages.h"
#include "MainWindow.h"
#include "MessageSink.h"
#include "MethodsHost.h"
#include "PseudoTerminalHost.h"
#include "RecordingReceiver.h"
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

// A main window with the shipped methods; with a clock, its link and
// recordings run on that clock, and goOnline() brings up the emulator on
// the same clock behind a pseudo-terminal.
struct Workstation {
  std::filesystem::path dir;
  std::unique_ptr<Settings> settings;
  TPluginsManager hub;
  NullMessageSink sink;  // no box may stop a bench
  std::shared_ptr<AnalyzerEmulator> emulator;
  std::unique_ptr<PseudoTerminalHost> host;
  std::unique_ptr<MainWindow> w;

  explicit Workstation(IClock* clock = nullptr) {
    dir = std::filesystem::temp_directory_path() /
          ("velmora-wizard-bench-" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::create_directories(dir);
    settings = std::make_unique<Settings>(dir);
    settings->options().insertType = 1;
    settings->options().askMethodChange = false;
    w = clock ? std::make_unique<MainWindow>(*settings, &hub, *clock) : std::make_unique<MainWindow>(*settings, &hub);
    w->setMessageSink(&sink);
    w->keepPortClosed();
    w->methods().setLibraryFolder(MethodsFolder());
    w->methods().load();
    w->show();
  }
  ~Workstation() {
    w.reset();
    if (host) host->stop();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  // The emulator on `clock` behind a pseudo-terminal, the workstation
  // connected to it and the analyzer active; the error when not.
  std::string goOnline(IClock& clock) {
    emulator = std::make_shared<AnalyzerEmulator>(clock, AnalyzerEmulator::Config{});
    host = std::make_unique<PseudoTerminalHost>(emulator);
    std::string error;
    const auto tty = dir / "ttyVA";
    if (!host->start(tty, error)) return error;
    // The operator fills the cell as the running step's role asks.
    RecordingReceiver* receiver = &w->recordingReceiver();
    emulator->setMeasurementSource([receiver] { return receiver->run().CurrentStep().MeasurementType(); });
    w->deviceLink().configure(tty.string(), false, 300);
    w->deviceLink().reset();
    if (!QTest::qWaitFor([&] { return w->deviceLink().active(); }, 20000)) return "the analyzer did not answer";
    return {};
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

constexpr double kAcceleration = 100.0;

// Next from the welcome page (the method copied in, its stage tree built,
// the script run to the cell assembly page) and Back again (the run reset),
// each shown and painted: one page change per iteration.
void BM_WizardNextBack(benchmark::State& state) {
  app();
  AcceleratedClock clock(kAcceleration);
  Workstation ws(&clock);
  if (const std::string error = ws.goOnline(clock); !error.empty()) {
    state.SkipWithError(error.c_str());
    return;
  }
  if (!ws.open("ZnCdPbCu-standard-additions.mtd")) {
    state.SkipWithError("the shipped methods are missing");
    return;
  }
  TMWizForm& wiz = ws.wiz();
  bool forward = true;
  std::int64_t wrongPages = 0;
  for (auto _ : state) {
    (forward ? wiz.nextButton() : wiz.backButton())->click();
    wiz.repaint();
    if (wiz.currentPage() != (forward ? IWizardPages::kCellAssembly : IWizardPages::kWelcome)) ++wrongPages;
    forward = !forward;
  }
  if (wrongPages > 0) state.SkipWithError("Next or Back did not change the page");
}
BENCHMARK(BM_WizardNextBack)->Unit(benchmark::kMillisecond);

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
    ws.wiz().repaint();
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

// A whole analysis (one parallel sample) on the emulator, the protocol
// time of both sides 100 times faster: from the first Next on the chosen
// method to the report page, every pass recorded and its chart shown. The
// recordings alone take some 6 s of it: four passes of two replicates, each
// 72-76 s of protocol time (cleaning, electrolysis, sweep).
void BM_WizardAnalysisOnEmulator(benchmark::State& state, const char* method) {
  app();
  if (!std::filesystem::exists(MethodsFolder() / method)) {
    state.SkipWithError("method file missing");
    return;
  }
  int passes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    AcceleratedClock clock(kAcceleration);
    auto ws = std::make_unique<Workstation>(&clock);
    if (const std::string error = ws->goOnline(clock); !error.empty()) {
      state.SkipWithError(error.c_str());
      return;
    }
    if (!ws->open(method)) {
      state.SkipWithError("the method is not offered");
      return;
    }
    state.ResumeTiming();
    TMWizForm& wiz = ws->wiz();
    wiz.nextButton()->click();
    wiz.parallelSamplesBox()->setValue(1);
    QElapsedTimer guard;
    guard.start();
    passes = 0;
    while (wiz.currentPage() != IWizardPages::kReport && guard.elapsed() < 120000) {
      if (wiz.nextButton()->isEnabled()) {
        if (wiz.currentPage() == IWizardPages::kChart) ++passes;
        wiz.nextButton()->click();
      }
      QTest::qWait(1);
    }
    state.PauseTiming();
    const bool reached = wiz.currentPage() == IWizardPages::kReport;
    ws->w->setModified(false);
    ws.reset();
    if (!reached) {
      state.SkipWithError("the analysis did not reach its report");
      return;
    }
    state.ResumeTiming();
  }
  state.counters["passes"] = passes;
}
BENCHMARK_CAPTURE(BM_WizardAnalysisOnEmulator, Pb, "Pb-standard-additions.mtd")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_WizardAnalysisOnEmulator, ZnCdPbCu, "ZnCdPbCu-standard-additions.mtd")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
