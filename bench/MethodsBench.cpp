// The methods library at start-up: 100 method files (the shipped methods
// over again, each with its programs, languages, statistics and script)
// read from the library folder, and the Methods menu model built from them.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "ExampleMethods.h"
#include "MethodFile.h"
#include "TMethodsLibrary.h"
#include "TMethodsMenuModel.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

constexpr int kMethods = 100;

// Written once per run of the program, removed when it ends.
const fs::path& Library() {
  static const fs::path folder = [] {
    const fs::path dir = fs::temp_directory_path() / ("velmora-bench-methods-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "methods");
    const std::vector<ExampleMethods::Entry> shipped = ExampleMethods::All();
    for (int i = 0; i < kMethods; ++i) {
      TMethod m = shipped[static_cast<std::size_t>(i) % shipped.size()].Method;
      for (TLocalizedMethod& l : m.Localized) l.Title += " " + std::to_string(i);
      MethodFile::Write(dir / "methods" / ("method-" + std::to_string(1000 + i) + ".mtd"), m);
    }
    return dir;
  }();
  static const struct Cleanup {
    ~Cleanup() {
      std::error_code ec;
      fs::remove_all(folder, ec);
    }
  } cleanup;
  return folder;
}

void BM_LoadLibraryOf100Methods(benchmark::State& state) {
  const fs::path dir = Library();
  for (auto _ : state) {
    TMethodsLibrary library(dir / "methods", dir / "data");
    const std::vector<Message> problems = library.Load();
    if (!problems.empty() || library.Methods().size() != kMethods) state.SkipWithError("library not read");
    benchmark::DoNotOptimize(library.Methods().data());
  }
}
BENCHMARK(BM_LoadLibraryOf100Methods)->Unit(benchmark::kMillisecond);

void BM_MenuModelOf100Methods(benchmark::State& state) {
  const fs::path dir = Library();
  TMethodsLibrary library(dir / "methods", dir / "data");
  library.Load();
  for (auto _ : state) {
    const TMethodsMenuModel menu = TMethodsMenuModel::Build(library.Methods(), 1049);
    benchmark::DoNotOptimize(menu.Entries.data());
  }
}
BENCHMARK(BM_MenuModelOf100Methods)->Unit(benchmark::kMicrosecond);

}  // namespace
