// Curve commands on 1 000 curves of 4 000 points with undo recording, and
// the undo and redo of such a step (together and apart).
#include <benchmark/benchmark.h>

#include <memory>

#include "CurveEdits.h"
#include "CurveProcessing.h"
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

  // A point edit of every curve as the main window runs it: the new points
  // computed on every core, then put in place as one undo step.
  void PointStep(const CurveEdits::Edit& edit) {
    auto results = CurveEdits::Compute(inputs(), edit);
    TPaintingGuard painting(forest);
    undo.BeginDataMultiChange();
    CurveEdits::Put(curves, std::move(*results));
    undo.CommitDataMultiChange();
  }
  std::vector<const TDataArr*> inputs() const {
    std::vector<const TDataArr*> out;
    for (const TArrayDataStruct* c : curves) out.push_back(&c->Data);
    return out;
  }
};

void BM_SmoothStep(benchmark::State& state) {
  Document doc;
  for (auto _ : state) {
    doc.PointStep([](const TDataArr& p) { return Smooth(p, 5); });
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
    doc.PointStep([](const TDataArr& p) { return Invert(p, InvertAxis::Y); });
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
  doc.PointStep([](const TDataArr& p) { return Smooth(p, 5); });
  for (auto _ : state) {
    doc.undo.Undo();
    doc.undo.Redo();
  }
  state.counters["UndoMB"] = static_cast<double>(doc.undo.DataBytes()) / (1 << 20);
}
BENCHMARK(BM_UndoRedoSmoothStep)->Unit(benchmark::kMillisecond)->Iterations(5);

// The undo and the redo of that step timed apart: argument 0 times the
// undo (the redo between runs untimed), 1 the redo.
void BM_UndoOrRedoSmoothStep(benchmark::State& state) {
  const bool redo = state.range(0) == 1;
  Document doc;
  doc.PointStep([](const TDataArr& p) { return Smooth(p, 5); });
  for (auto _ : state) {
    if (redo) {
      state.PauseTiming();
      doc.undo.Undo();
      state.ResumeTiming();
      doc.undo.Redo();
    } else {
      doc.undo.Undo();
      state.PauseTiming();
      doc.undo.Redo();
      state.ResumeTiming();
    }
  }
  state.SetLabel(redo ? "redo" : "undo");
}
BENCHMARK(BM_UndoOrRedoSmoothStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10);

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
