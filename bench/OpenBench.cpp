// Opening a large document (1 000 curves of 4 000 points in 100 overlay
// groups, 64 MB) in the workstation until its window is usable: the load,
// the first screen of thumbnails and the main chart drawn.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "DocumentCommandsController.h"
#include "DocumentFile.h"
#include "HugePageHeap.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "Settings.h"
#include "TImagePreviewBox.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TPluginsManager.h"
#include "TVAStruct.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "bench_open";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* a = new QApplication(argc, argv);  // never destroyed, as in the other window benchmarks
  return *a;
}

const fs::path& LargeDocument() {
  static const fs::path file = [] {
    const fs::path f = fs::temp_directory_path() / "velmora_open_bench.tvx";
    TNodeForest forest;
    {
      TPaintingGuard painting(forest);
      TDataArr points(4000);
      for (int g = 0; g < 100; ++g) {
        TNode* group = forest.AddNode(forest.LastRoot(), nullptr);
        group->SetNameSilently("sample " + std::to_string(g));
        group->SetRecord(std::make_unique<TVAStruct>(group));
        for (int l = 0; l < 10; ++l) {
          TNode* leaf = forest.AddChild(group);
          leaf->SetNameSilently("curve " + std::to_string(l));
          leaf->SetRecord(std::make_unique<TVAStruct>(leaf));
          for (int i = 0; i < 4000; ++i) {
            const double x = -1200.0 + 0.3 * i;
            const double d = (x + 600.0 + l) / 40.0;
            points[i] = {x, 20.0 + 0.005 * (x + 1200.0) + (g % 7 + 1) / (1.0 + d * d)};
          }
          leaf->VA()->SetData(points);
        }
        group->VA()->SetNodeType(1);
      }
    }
    DocumentFile::SaveDocument(forest, f);
    return f;
  }();
  return file;
}

void BM_OpenLargeDocumentUntilUsable(benchmark::State& state) {
  app();
  const QString file = QString::fromStdString(LargeDocument().string());
  for (auto _ : state) {
    Settings settings;
    TPluginsManager hub;
    MainWindow w(settings, &hub);
    auto* commands = new DocumentCommandsController(w, settings);
    w.setDocumentCommands(commands);
    w.resize(1440, 900);
    w.show();
    QApplication::processEvents();
    commands->OpenFile(file);
    QApplication::processEvents();
    QPixmap thumbnails = w.tree().viewport()->grab();
    w.chartView().redrawNow();
    benchmark::DoNotOptimize(thumbnails);
    state.PauseTiming();
    w.setModified(false);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenLargeDocumentUntilUsable)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  velmora::HugePageHeap::restartWithHugePages(argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  fs::remove(fs::temp_directory_path() / "velmora_open_bench.tvx", ec);
  return 0;
}
