// Curve commands on 1 000 curves of 4 000 points with undo recording, and
// the undo and redo of such a step.
#include <benchmark/benchmark.h>

#include <memory>

#include "TNodeForest.h"
#include "TPaintingGuard.h"
#include "TUndoRedoManager.h"
#include "TVAStruct.h"

namespace velmora {
namespace {

constexpr int kCurves = 1000;
constexpr int kPoints = 4000;

struct Document {
  TNodeForest forest;
  TUndoRedoManager undo;
  std::vector<TArrayDataStruct*> curves;
  Document() {
    undo.AttachView(&forest);
    undo.Suspend(true);
    TDataArr points(kPoints);
    for (int i = 0; i < kPoints; ++i) points[static_cast<std::size_t>(i)] = {-1000.0 + 0.5 * i, (i % 97) * 0.01};
    for (int c = 0; c < kCurves; ++c) {
      TNode* n = forest.CreateNode();
      n->SetRecord(std::make_unique<TVAStruct>(n));
      forest.InsertNode(nullptr, forest.LastRoot(), n);
      n->ArrayRecord()->SetData(points);
      curves.push_back(n->ArrayRecord());
    }
    undo.Suspend(false);
  }
  ~Document() { undo.AttachView(nullptr); }

  template <class Edit>
  void PointStep(Edit edit) {
    TPaintingGuard painting(forest);
    undo.BeginDataMultiChange();
    for (TArrayDataStruct* c : curves) edit(*c);
    undo.CommitDataMultiChange();
  }
};

void BM_SmoothStep(benchmark::State& state) {
  Document doc;
  for (auto _ : state) {
    doc.PointStep([](TArrayDataStruct& c) { c.Smooth(5); });
    state.PauseTiming();
    doc.undo.Clear();
    for (TArrayDataStruct* c : doc.curves) {
      c->History.clear();
      c->HistoryIndex = -1;
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SmoothStep)->Unit(benchmark::kMillisecond);

void BM_InvertStep(benchmark::State& state) {
  Document doc;
  for (auto _ : state) {
    doc.PointStep([](TArrayDataStruct& c) { c.Invert(1); });
    state.PauseTiming();
    state.counters["UndoMB"] = static_cast<double>(doc.undo.DataBytes()) / (1 << 20);
    doc.undo.Clear();
    for (TArrayDataStruct* c : doc.curves) {
      c->History.clear();
      c->HistoryIndex = -1;
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_InvertStep)->Unit(benchmark::kMillisecond);

void BM_ShiftStep(benchmark::State& state) {
  Document doc;
  double shift = 0.0;
  for (auto _ : state) {
    TPaintingGuard painting(doc.forest);
    doc.undo.BeginXShift();
    shift += 1.0;
    for (TArrayDataStruct* c : doc.curves) c->SetXShift(shift);
    doc.undo.CommitXShift();
  }
}
BENCHMARK(BM_ShiftStep)->Unit(benchmark::kMillisecond);

void BM_UndoRedoSmoothStep(benchmark::State& state) {
  Document doc;
  doc.PointStep([](TArrayDataStruct& c) { c.Smooth(5); });
  for (auto _ : state) {
    doc.undo.Undo();
    doc.undo.Redo();
  }
  state.counters["UndoMB"] = static_cast<double>(doc.undo.DataBytes()) / (1 << 20);
}
BENCHMARK(BM_UndoRedoSmoothStep)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_UndoRedoShiftStep(benchmark::State& state) {
  Document doc;
  {
    TPaintingGuard painting(doc.forest);
    doc.undo.BeginXShift();
    for (TArrayDataStruct* c : doc.curves) c->SetXShift(25.0);
    doc.undo.CommitXShift();
  }
  for (auto _ : state) {
    doc.undo.Undo();
    doc.undo.Redo();
  }
}
BENCHMARK(BM_UndoRedoShiftStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
