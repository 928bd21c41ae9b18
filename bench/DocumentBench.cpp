#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TVAStruct.h"

namespace velmora {
namespace {

TDataArr Curve(int points, double phase) {
  TDataArr pts(static_cast<std::size_t>(points));
  for (int i = 0; i < points; ++i) {
    const double x = -1000.0 + 0.5 * i + phase;
    pts[static_cast<std::size_t>(i)] = {x, std::sin(x / 50.0) + phase};
  }
  return pts;
}

TNode* Leaf(TNodeForest& f, TNode* after, TNode* parent, TDataArr points) {
  TNode* n = f.CreateNode();
  auto rec = std::make_unique<TVAStruct>(n);
  rec->Data = std::move(points);
  rec->UpdateBounds(0);
  n->SetRecord(std::move(rec));
  f.InsertNode(parent, after, n);
  return n;
}

// 100 curves of 4000 points averaged on their common grid.
void BM_AverageCurves(benchmark::State& state) {
  std::vector<std::unique_ptr<TVAStruct>> curves;
  TStructCollection rows;
  for (int i = 0; i < 100; ++i) {
    curves.push_back(std::make_unique<TVAStruct>());
    curves.back()->Data = Curve(4000, i * 0.01);
    rows.push_back({curves.back().get()});
  }
  for (auto _ : state) benchmark::DoNotOptimize(TArrayDataStruct::AverageCurves(rows));
}
BENCHMARK(BM_AverageCurves)->Unit(benchmark::kMillisecond);

// A leaf below five nested averaging groups changes its points.
void BM_NestedChainRecompute(benchmark::State& state) {
  TNodeForest f;
  TNode* leaf = nullptr;
  TNode* top = nullptr;
  {
    TPaintingGuard guard(f);
    TNode* prev = nullptr;
    for (int i = 0; i < 10; ++i) prev = Leaf(f, prev, nullptr, Curve(4000, i * 0.1));
    leaf = f.FirstRoot();
    top = f.GroupNodes(f.DisplayOrder());
    for (int i = 0; i < 4; ++i) top = f.GroupNodes({top});
    TNodesArr groups;
    for (TNode* n = leaf->Parent; n; n = n->Parent) groups.push_back(n);
    f.ChangeNodeType(groups, 0);
  }
  int k = 0;
  for (auto _ : state) leaf->VA()->SetData(Curve(4000, (++k % 7) * 0.1));
  benchmark::DoNotOptimize(top->VA()->Data.size());
}
BENCHMARK(BM_NestedChainRecompute)->Unit(benchmark::kMillisecond);

// Grouping 1 000 root nodes and separating them again.
void BM_GroupUngroup1000(benchmark::State& state) {
  TNodeForest f;
  TNode* prev = nullptr;
  for (int i = 0; i < 1000; ++i) prev = Leaf(f, prev, nullptr, Curve(100, i * 0.01));
  const TNodesArr roots = f.DisplayOrder();
  for (auto _ : state) {
    TNode* g = f.GroupNodes(roots);
    f.UngroupNode(g);
  }
}
BENCHMARK(BM_GroupUngroup1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
