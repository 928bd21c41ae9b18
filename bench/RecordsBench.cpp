// Record folders: the Calibrations window over 1 000 calibrations and the
// "By calibration" lookup, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <QPixmap>
#include <filesystem>
#include <fstream>

#include "MessageSink.h"
#include "TCalibrForm.h"
#include "TCalibrationsDB.h"
#include "THeaderManager.h"
#include "TVAStruct.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "bench_records";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* a = new QApplication(argc, argv);
  return *a;
}

const char* const kElements[] = {"Zn", "Cd", "Pb", "Cu", "Bi", "Sb", "Tl", "In", "Sn", "Hg"};

// 1 000 calibrations (100 per element), each with three standards' curves
// of 700 points, written once per run of the program.
const fs::path& Folder() {
  static const fs::path folder = [] {
    const fs::path dir = fs::temp_directory_path() / ("velmora-bench-records-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    static const struct Cleanup {
      fs::path path;
      ~Cleanup() {
        std::error_code ec;
        fs::remove_all(path, ec);
      }
    } cleanup{dir};
    std::vector<TBaseHeader> headers;
    for (int i = 0; i < 1000; ++i) {
      TSingleCalibration c;
      c.Name = kElements[i % 10];
      c.Stamp = 46000.0 + i / 10;
      c.CalcType = 1;
      c.UnitTop = 4;
      c.UnitBottom = 2;
      c.Slope = 95.0 + i % 7;
      c.Intercept = 0.01 * (i % 5);
      c.R2 = 0.999;
      for (double x : {5.0, 10.0, 20.0}) {
        c.Points.push_back({x, c.Intercept + c.Slope * x / 1000.0 + 0.002 * (i % 3)});
        auto curve = std::make_shared<TVAStruct>();
        for (int k = 0; k < 700; ++k) curve->Data.push_back({-1300.0 + 2.0 * k, 20.0 + 0.01 * k});
        curve->AddPeak(c.Name, 1, 300, 370);
        c.Curves.push_back(curve);
      }
      const std::string file = (dir / std::to_string(i)).string();
      const auto bytes = c.FileBytes();
      std::ofstream(file, std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      headers.push_back({c.Name, file, c.Stamp, c.HeaderData()});
    }
    const auto index = THeaderManager::IndexBytes(headers);
    std::ofstream(dir / THeaderManager::kIndexName, std::ios::binary)
        .write(reinterpret_cast<const char*>(index.data()), static_cast<std::streamsize>(index.size()));
    return dir;
  }();
  return folder;
}

// Opening the window: the database over the folder, the window with its
// lists, the active calibration of the first element drawn, first paint.
void BM_OpenCalibrationsWindowOver1000(benchmark::State& state) {
  app();
  const fs::path& folder = Folder();
  NullMessageSink sink;
  for (auto _ : state) {
    TCalibrationsDB db(folder);
    TCalibrForm form(db, sink);
    form.show();
    QPixmap pm = form.grab();
    benchmark::DoNotOptimize(pm);
    state.PauseTiming();
    form.hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenCalibrationsWindowOver1000)->Unit(benchmark::kMillisecond)->Iterations(5);

// Method 5: the first reading of an element (its active calibration's data
// file is read), then every further one.
void BM_ByCalibrationFirstLookup(benchmark::State& state) {
  const fs::path& folder = Folder();
  TCalibrationsDB db(folder);
  int e = 0;
  for (auto _ : state) {
    state.PauseTiming();
    db.Load();  // forget what was read
    state.ResumeTiming();
    benchmark::DoNotOptimize(db.ConcentrationFromCalibration(kElements[e++ % 10], 4, 2, 1.0));
  }
}
BENCHMARK(BM_ByCalibrationFirstLookup)->Unit(benchmark::kMicrosecond);

void BM_ByCalibrationLookup(benchmark::State& state) {
  TCalibrationsDB db(Folder());
  int e = 0;
  for (auto _ : state) {
    const char* name = kElements[e++ % 10];
    benchmark::DoNotOptimize(db.ConcentrationFromCalibration(name, 4, 2, 1.0));
    benchmark::DoNotOptimize(db.CalibrationUncertainty(name, 4, 2, 1.0, 1));
  }
}
BENCHMARK(BM_ByCalibrationLookup)->Unit(benchmark::kMicrosecond);

// Loading the index of 1 000 calibrations alone.
void BM_LoadIndexOf1000(benchmark::State& state) {
  const fs::path& folder = Folder();
  for (auto _ : state) {
    TCalibrationsDB db(folder);
    benchmark::DoNotOptimize(db.Elements().size());
  }
}
BENCHMARK(BM_LoadIndexOf1000)->Unit(benchmark::kMillisecond);

}  // namespace
