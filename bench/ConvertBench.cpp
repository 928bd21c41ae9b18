// Loading and saving a large document (what "velmora-cli convert" does)
// against a plain copy of the same bytes with fsync, measured in one run.
//
//   bench_convert                          the benchmarks
//   bench_convert --write-document FILE    writes the 64 MB document, for
//                                          measuring the command-line tool
//                                          (/usr/bin/time -v velmora-cli ...)
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "CliDocument.h"
#include "DocumentFile.h"
#include "FileIo.h"
#include "HugePageHeap.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TVAStruct.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

constexpr int kGroups = 100;  // overlay groups
constexpr int kLeaves = 10;   // 1 000 curves in all
constexpr int kPoints = 4000;

TNode* AddNode(TNodeForest& f, TNode* parent, const std::string& name) {
  TNode* n = parent != nullptr ? f.AddChild(parent) : f.AddNode(f.LastRoot(), nullptr);
  n->SetNameSilently(name);
  n->SetRecord(std::make_unique<TVAStruct>(n));
  return n;
}

// 1 000 stripping curves of 4 000 points on a background of tens of µA, in
// 100 overlay groups: a 64 MB document.
void WriteDocument(const fs::path& file) {
  TNodeForest f;
  {
    TPaintingGuard painting(f);
    TDataArr points(kPoints);
    for (int g = 0; g < kGroups; ++g) {
      TNode* group = AddNode(f, nullptr, "sample " + std::to_string(g));
      for (int l = 0; l < kLeaves; ++l) {
        TNode* leaf = AddNode(f, group, "curve " + std::to_string(l));
        for (int i = 0; i < kPoints; ++i) {
          const double x = -1200.0 + 0.3 * i;
          const double d = (x + 600.0 + l) / 40.0;
          points[i] = {x, 20.0 + 0.005 * (x + 1200.0) + (g % 7 + 1) / (1.0 + d * d)};
        }
        leaf->VA()->SetData(points);
        leaf->VA()->AddPeak("Cd", 1, 1800, 2200);
      }
      group->VA()->SetNodeType(1);
    }
  }
  DocumentFile::SaveDocument(f, file);
}

const fs::path& DocumentFileName() {
  static const fs::path file = [] {
    const fs::path f = fs::temp_directory_path() / "velmora_convert_bench.tvx";
    WriteDocument(f);
    return f;
  }();
  return file;
}

// The yardstick: read the bytes, write them to a new file and fsync it.
void CopyAndSync(const fs::path& from, const fs::path& to) {
  const std::vector<std::uint8_t> bytes = FileIo::readAll(from);
  const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw std::runtime_error("cannot create the copy");
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::fsync(fd);
  ::close(fd);
}

void Convert(const fs::path& from, const fs::path& to) {
  TNodeForest forest;
  CliDocument::Load(forest, from);
  CliDocument::Save(forest, to);
}

double Seconds(const std::function<void()>& work) {
  const auto t0 = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

void BM_CopyAndFsync(benchmark::State& state) {
  const fs::path in = DocumentFileName();
  const fs::path out = fs::temp_directory_path() / "velmora_convert_bench_copy.tvx";
  for (auto _ : state) CopyAndSync(in, out);
  fs::remove(out);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(in)));
}
BENCHMARK(BM_CopyAndFsync)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LoadAndSave(benchmark::State& state) {
  const fs::path in = DocumentFileName();
  const fs::path out = fs::temp_directory_path() / "velmora_convert_bench_out.tvx";
  for (auto _ : state) Convert(in, out);
  fs::remove(out);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(in)));
}
BENCHMARK(BM_LoadAndSave)->Unit(benchmark::kMillisecond)->Iterations(5);

// Both in turn, five times, and the ratio of the medians.
void BM_ConvertOverCopy(benchmark::State& state) {
  const fs::path in = DocumentFileName();
  const fs::path copy = fs::temp_directory_path() / "velmora_convert_bench_copy.tvx";
  const fs::path out = fs::temp_directory_path() / "velmora_convert_bench_out.tvx";
  std::vector<double> copies;
  std::vector<double> converts;
  for (auto _ : state) {
    copies.push_back(Seconds([&] { CopyAndSync(in, copy); }));
    converts.push_back(Seconds([&] { Convert(in, out); }));
  }
  fs::remove(copy);
  fs::remove(out);
  auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  state.counters["copy_ms"] = 1000 * median(copies);
  state.counters["convert_ms"] = 1000 * median(converts);
  state.counters["ratio"] = median(converts) / median(copies);
}
BENCHMARK(BM_ConvertOverCopy)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  velmora::HugePageHeap::restartWithHugePages(argv);
  if (argc == 3 && std::strcmp(argv[1], "--write-document") == 0) {
    WriteDocument(argv[2]);
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove(DocumentFileName());
  return 0;
}
