#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../document/ForestTestUtil.h"
#include "Numbers.h"
#include "TUndoItem.h"
#include "TUndoRedoManager.h"

namespace velmora::test {

inline std::string Num(double v) { return FormatShortest(v); }

// Everything an undo step may touch, node by node in display order: the
// structure, flags, names, node types, points, shifts, peaks, volumes and
// variables.
inline std::string State(TNodeForest& f) {
  std::string s;
  for (TNode* n : f.DisplayOrder()) {
    s += "[" + n->Name + " d" + std::to_string(n->Depth()) + " c" + std::to_string(n->Checked) + " f" +
         std::to_string(n->Folded);
    if (TVAStruct* r = n->VA()) {
      s += " t" + std::to_string(r->NodeType) + " x" + Num(r->XShift);
      for (const auto& col : r->AveragedColumns) s += " v" + std::to_string(col->Visible);
      if (!n->FirstChild) {
        s += " pts";
        for (const TDataPoint& p : r->Data) s += " " + Num(p.X) + "," + Num(p.Y);
      }
      for (const TPeakRecord& p : r->Peaks) {
        s += " peak " + p.Name + ":" + std::to_string(p.BeginIndex) + "-" + std::to_string(p.EndIndex) + "/" +
             std::to_string(p.CalcType) + "/" + Num(p.AdditionConc);
      }
      for (double v : r->Volumes) s += " " + Num(v);
      for (const TCalcVar& v : r->Variables) s += " var " + v.Name + "=" + Num(v.Value);
      s += " units " + std::to_string(r->ResUnitTop) + "/" + std::to_string(r->ResUnitBottom) + " " +
           std::to_string(r->RecalcUnitTop) + "/" + std::to_string(r->RecalcUnitBottom);
      for (double v : r->CalcCoefficients) s += " k" + Num(v);
      s += " role " + std::to_string(r->Params.MeasurementType()) + " method " + std::to_string(r->CalculationMethod) +
           "/" + std::to_string(r->CalibrationType) + "/" + std::to_string(r->HasCustomMethod) + " " +
           r->CustomMethod.Name;
    }
    s += "]";
  }
  return s;
}

// A forest with the real recorder attached.
struct UndoFixture {
  TNodeForest f;
  TUndoRedoManager undo;
  UndoFixture() { undo.AttachView(&f); }
  ~UndoFixture() { undo.AttachView(nullptr); }
};

// Runs `edit`, which must change the state and record exactly one step of
// `code`; then checks that undo gives the state before it and redo the state
// after it, twice.
inline void ExpectRoundTrip(UndoFixture& fx, UndoAction code, const std::function<void()>& edit) {
  const std::string before = State(fx.f);
  const std::size_t count = fx.undo.UndoList().size();
  edit();
  const std::string after = State(fx.f);
  // An edit that changed nothing would pass every check below.
  ASSERT_NE(after, before) << "the edit changed nothing";
  ASSERT_EQ(fx.undo.UndoList().size(), count + 1) << "one step recorded";
  EXPECT_EQ(fx.undo.UndoList().back()->Action, static_cast<std::int32_t>(code));
  for (int round = 0; round < 2; ++round) {
    fx.undo.Undo();
    EXPECT_EQ(State(fx.f), before) << "after undo, round " << round;
    EXPECT_EQ(fx.undo.UndoList().size(), count);
    ASSERT_TRUE(fx.undo.CanRedo());
    fx.undo.Redo();
    EXPECT_EQ(State(fx.f), after) << "after redo, round " << round;
    EXPECT_EQ(fx.undo.UndoList().size(), count + 1);
    EXPECT_FALSE(fx.undo.CanRedo());
  }
}

}  // namespace velmora::test
