#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "DocumentFile.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TVAStruct.h"

using namespace velmora;

namespace {

constexpr int kGroups = 10;
constexpr int kSubgroups = 10;
constexpr int kLeaves = 10;  // 1 000 leaves in all
constexpr int kPoints = 4000;

TNode* AddNode(TNodeForest& f, TNode* parent, const std::string& name) {
  TNode* n = parent != nullptr ? f.AddChild(parent) : f.AddNode(f.LastRoot(), nullptr);
  n->SetNameSilently(name);
  n->SetRecord(std::make_unique<TVAStruct>(n));
  return n;
}

// Groups of subgroups of leaves; the groups average, overlay, or both.
void BuildDocument(TNodeForest& f) {
  TPaintingGuard painting(f);
  TDataArr points(kPoints);
  for (int g = 0; g < kGroups; ++g) {
    TNode* group = AddNode(f, nullptr, "group " + std::to_string(g));
    for (int s = 0; s < kSubgroups; ++s) {
      TNode* sub = AddNode(f, group, "step " + std::to_string(s));
      for (int l = 0; l < kLeaves; ++l) {
        TNode* leaf = AddNode(f, sub, "curve " + std::to_string(l));
        for (int i = 0; i < kPoints; ++i) points[i] = {-1000.0 + 0.3 * i, std::sin(0.01 * i + l) + g};
        leaf->VA()->SetData(points);
        leaf->VA()->AddPeak("Zn", 1, 100, 300);
      }
      sub->VA()->SetNodeType(s % 3);
    }
    group->VA()->SetNodeType(g % 3);
  }
}

const std::vector<std::uint8_t>& DocumentImage() {
  static const std::vector<std::uint8_t> image = [] {
    TNodeForest f;
    BuildDocument(f);
    return DocumentFile::DocumentBytes(f);
  }();
  return image;
}

void BM_SaveDocument(benchmark::State& state) {
  TNodeForest f;
  BuildDocument(f);
  const auto file = std::filesystem::temp_directory_path() / "velmora_files_bench.tvx";
  for (auto _ : state) DocumentFile::SaveDocument(f, file);
  std::filesystem::remove(file);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(DocumentImage().size()));
}
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_DocumentBytes(benchmark::State& state) {
  TNodeForest f;
  BuildDocument(f);
  for (auto _ : state) benchmark::DoNotOptimize(DocumentFile::DocumentBytes(f));
}
BENCHMARK(BM_DocumentBytes)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LoadDocument(benchmark::State& state) {
  const auto& image = DocumentImage();
  for (auto _ : state) {
    TNodeForest f;
    benchmark::DoNotOptimize(DocumentFile::LoadDocumentBytes(f, image));
    state.PauseTiming();
    {
      TNodeForest discard;
      f.AllNodes.swap(discard.AllNodes);  // freeing is not loading
    }
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(image.size()));
}
BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LoadFromDisk(benchmark::State& state) {
  TNodeForest src;
  BuildDocument(src);
  const auto file = std::filesystem::temp_directory_path() / "velmora_files_bench_load.tvx";
  DocumentFile::SaveDocument(src, file);
  for (auto _ : state) {
    TNodeForest f;
    benchmark::DoNotOptimize(DocumentFile::LoadDocument(f, file));
  }
  std::filesystem::remove(file);
}
BENCHMARK(BM_LoadFromDisk)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
