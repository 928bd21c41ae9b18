// The results archive: 10 000 results archived in one go on SQLite, a
// filtered query (one element over one month) in an archive of 1 000 000
// results, and the control chart of 1 000 results drawn.
#include <benchmark/benchmark.h>
#include <qcustomplot.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cmath>
#include <filesystem>

#include "ArchiveTime.h"
#include "ControlChart.h"
#include "ControlChartPlot.h"
#include "SqlResultsArchive.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "bench_archive";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static auto* a = new QApplication(argc, argv);
  return *a;
}

const char* const kElements[] = {"Zn", "Cd", "Pb", "Cu", "Sb", "Bi", "As", "Hg", "Se", "Ni"};
const std::int64_t kYear2020 = *ArchiveTime::Parse("2020-01-01");
constexpr std::int64_t kMinute = 60000;

// Result i of a laboratory archiving about 900 results a day for three years.
ArchiveRow Result(std::size_t i) {
  ArchiveRow r;
  r.Sample = "Sample " + std::to_string(i / 10);
  r.Element = kElements[i % 10];
  r.Value = 0.5 + static_cast<double>(i % 997) * 1e-3;
  r.Unit = "mg/dm³";
  r.Uncertainty = 0.02;
  r.Method = 1;
  r.Document = "/lab/documents/" + std::to_string(i / 60) + ".tvx";
  r.DocumentSha256 = std::string(64, 'a');
  r.Curves = "1, 2, 3";
  r.Operator = i % 3 ? "ana" : "boris";
  r.Workstation = "ws-1";
  r.TimeMs = kYear2020 + static_cast<std::int64_t>(i) * kMinute * 3 / 2;
  return r;
}

struct Folder {
  fs::path path;
  Folder() {
    path = fs::temp_directory_path() / ("velmora-bench-archive-" + std::to_string(::getpid()));
    fs::create_directories(path);
  }
  ~Folder() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

void ArchiveTenThousand(benchmark::State& state) {
  app();
  Folder folder;
  std::vector<ArchiveRow> rows;
  for (std::size_t i = 0; i < 10000; ++i) rows.push_back(Result(i));
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path file = folder.path / ("Results" + std::to_string(round++) + ".sqlite");
    auto archive = std::make_unique<SqlResultsArchive>(ArchiveAddress::SqliteFile(file.string()));
    state.ResumeTiming();
    archive->Add(rows);
    state.PauseTiming();
    archive.reset();
    fs::remove(file);
    state.ResumeTiming();
  }
  state.counters["results"] = 10000;
}
BENCHMARK(ArchiveTenThousand)->Unit(benchmark::kMillisecond)->Iterations(3);

void QueryElementAndMonthInAMillion(benchmark::State& state) {
  app();
  Folder folder;
  const fs::path file = folder.path / "Results.sqlite";
  auto archive = std::make_unique<SqlResultsArchive>(ArchiveAddress::SqliteFile(file.string()));
  std::vector<ArchiveRow> rows;
  for (std::size_t i = 0; i < 1000000; ++i) {
    rows.push_back(Result(i));
    if (rows.size() == 100000) {
      archive->Add(rows);
      rows.clear();
    }
  }
  ArchiveFilter filter;
  filter.Element = "Cd";
  filter.FromMs = *ArchiveTime::Parse("2021-03-01");
  filter.ToMs = *ArchiveTime::Parse("2021-03-31T23:59:59.999Z");
  std::size_t found = 0;
  for (auto _ : state) {
    found = archive->Query(filter).size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(QueryElementAndMonthInAMillion)->Unit(benchmark::kMillisecond);

void ControlChartOfAThousand(benchmark::State& state) {
  app();
  std::vector<ArchiveRow> rows;
  for (std::size_t i = 0; i < 1000; ++i) {
    ArchiveRow r;
    r.Id = static_cast<std::int64_t>(i + 1);
    r.Control = "QC low";
    r.Element = "Cd";
    r.Unit = "mg/dm³";
    // A slow drift and some scatter: a few dozen points break a rule.
    r.Value = 10.0 + 0.2 * std::sin(static_cast<double>(i) * 0.7) + (i % 50 == 0 ? 0.9 : 0.0) + i * 2e-4;
    r.TimeMs = kYear2020 + static_cast<std::int64_t>(i) * 86400000;
    rows.push_back(r);
  }
  const auto chart = ControlChart::Of(rows);
  QCustomPlot plot;
  plot.resize(1200, 600);
  ControlChartPlot drawing(&plot);
  for (auto _ : state) {
    drawing.Show(*chart);
    const QPixmap pixmap = plot.toPixmap(1200, 600);
    benchmark::DoNotOptimize(pixmap.cacheKey());
  }
  state.counters["points"] = static_cast<double>(chart->Points.size());
  state.counters["breaking"] = static_cast<double>(chart->Breaking());
}
BENCHMARK(ControlChartOfAThousand)->Unit(benchmark::kMillisecond);

}  // namespace
