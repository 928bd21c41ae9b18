// Start-up of the workstation with a methods library: the main window
// built, the library read, the "Methods" menu built and the window shown
// (usable), with no methods and with 100 methods of realistic size.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "MainWindow.h"
#include "MethodFile.h"
#include "MethodScriptCreator.h"
#include "MethodsHost.h"
#include "Settings.h"
#include "TMethodsLibrary.h"
#include "TPluginsManager.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "bench_methods";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* a = new QApplication(argc, argv);  // never destroyed, as in the other window benchmarks
  return *a;
}

// A library folder of `count` methods: two programs of five steps, two
// languages with step comments, statistics of four elements and the
// standard script; every fifth method in a submenu.
fs::path Library(int count) {
  const fs::path folder = fs::temp_directory_path() / ("velmora_methods_bench_" + std::to_string(count));
  if (fs::exists(folder / "done")) return folder;
  fs::create_directories(folder);
  for (int i = 0; i < count; ++i) {
    TMethod m;
    for (int p = 0; p < 2; ++p) {
      TSingleProgramArray program;
      for (int s = 0; s < 5; ++s) {
        ProgramStep step = ProgramStep::Default();
        step.SetComments("Step " + std::to_string(s + 1));
        program.push_back(step);
      }
      m.Programs.push_back(program);
    }
    m.AddDefaultLanguages();
    for (TLocalizedMethod& texts : m.Localized) {
      texts.Title = "Method " + std::to_string(i);
      if (i % 5 == 0) texts.SubMenu = "Group " + std::to_string(i / 20);
      texts.MethodName = "Statistics " + std::to_string(i);
    }
    m.ShapeLanguages();
    m.SupportingElectrolyte = "0.1 M HCl";
    m.Statistics.Name = "Statistics " + std::to_string(i);
    m.Statistics.ResTop = 5;
    m.Statistics.ResBottom = 2;
    for (const char* element : {"Zn", "Cd", "Pb", "Cu"})
      m.Statistics.Elements.push_back({element, {{0.001, 0.01, 30, 40, 30}, {0.01, 1.0, 20, 28, 25}}});
    m.Script = MethodScriptCreator::Generate(m, 1);
    std::string number = std::to_string(i);
    number.insert(0, 3 - std::min<std::size_t>(3, number.size()), '0');
    MethodFile::Write(folder / ("method-" + number + ".mtd"), m);
  }
  std::ofstream(folder / "done") << "";
  return folder;
}

void BM_StartUpWithMethods(benchmark::State& state) {
  app();
  const fs::path library = Library(static_cast<int>(state.range(0)));
  const fs::path data = fs::temp_directory_path() / "velmora_methods_bench_data";
  fs::create_directories(data);
  for (auto _ : state) {
    Settings settings(data);
    TPluginsManager hub;
    MainWindow w(settings, &hub);
    w.methods().setLibraryFolder(library);
    w.methods().load();
    w.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(w.methods().methodActions().size());
    state.PauseTiming();
    w.setModified(false);
    w.hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpWithMethods)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(5);

// The library alone: 100 files read and the menu rebuilt.
void BM_ReloadLibraryAndMenu(benchmark::State& state) {
  app();
  const fs::path library = Library(100);
  const fs::path data = fs::temp_directory_path() / "velmora_methods_bench_data";
  fs::create_directories(data);
  Settings settings(data);
  TPluginsManager hub;
  MainWindow w(settings, &hub);
  w.methods().setLibraryFolder(library);
  for (auto _ : state) {
    w.methods().load();
    benchmark::DoNotOptimize(w.methods().methodActions().size());
  }
  w.setModified(false);
}
BENCHMARK(BM_ReloadLibraryAndMenu)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
