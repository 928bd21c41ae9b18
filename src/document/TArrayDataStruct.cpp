#include "TArrayDataStruct.h"

#include <cmath>

#include "IDisplayTransforms.h"
#include "TCurveDisplayTransforms.h"
#include "TNode.h"
#include "TNodeForest.h"

namespace velmora {

namespace {
const IDisplayTransforms* gTransforms = &TCurveDisplayTransforms::Instance();
}  // namespace

void TArrayDataStruct::SetDisplayTransforms(const IDisplayTransforms* transforms) {
  gTransforms = transforms ? transforms : &TCurveDisplayTransforms::Instance();
}

TArrayDataStruct::TArrayDataStruct(TNode* node) : TBasicDataStruct(node) {}

TArrayDataStruct::~TArrayDataStruct() = default;

TNodeForest* TArrayDataStruct::Forest() const { return Node ? Node->View : nullptr; }

bool TArrayDataStruct::IsGroup() const { return !Detached && Node && Node->FirstChild; }

std::unique_ptr<TBasicDataStruct> TArrayDataStruct::GetSelfType() const {
  return std::make_unique<TArrayDataStruct>(Node);
}

// --- Points --------------------------------------------------------------------

void TArrayDataStruct::SetData(const TDataArr& points) { ExchangeData(TDataArr(points)); }

void TArrayDataStruct::SetData(TDataArr&& points) { ExchangeData(std::move(points)); }

TPointsRef TArrayDataStruct::ExchangeData(TDataArr&& points) {
  // The old points move into a shared snapshot: the history and the undo
  // step keep that one object, so nothing is copied.
  TPointsRef before = std::make_shared<const TDataArr>(std::move(Data));
  Data = std::move(points);
  if (!SkipSnapshot) PushSnapshot(before);
  SkipSnapshot = 0;
  holdsAverage_ = false;
  if (!Detached) {
    if (TNodeForest* forest = Forest()) forest->Undo().RecordDataChange(this, before);
  }
  InvalidateCaches();
  RefillSeries();
  NotifyChanged(false);
  // The partner's semi-integral is computed from these points too.
  if (Partner && !Detached && Partner != this) {
    Partner->SemiIntegralValid = 0;
    const TNodeForest* forest = Forest();
    if (forest && forest->SemiIntegralMode) {
      Partner->InvalidateCaches();
      Partner->RefillSeries();
      Partner->NotifyChanged(false);
    }
  }
  return before;
}

void TArrayDataStruct::NotifyChanged(bool /*refill*/) {
  if (Detached || !Node) return;
  Node->Repaint(true);
  if (TNodeForest* forest = Forest()) forest->MarkParentChain(Node);
}

void TArrayDataStruct::InvalidateCaches() {
  SemiIntegralValid = 0;
  LogValid = 0;
  ShiftValid = 0;
}

void TArrayDataStruct::GetDisplayData(TDataArr& out) const { out = DisplayPoints(); }

const TDataArr& TArrayDataStruct::DisplayPoints() const {
  const TNodeForest* forest = Detached ? nullptr : Forest();
  if (!forest) return Data;
  const TDataArr* points = &Data;
  if (forest->SemiIntegralMode && Partner && gTransforms) {
    if (!SemiIntegralValid) {
      SemiIntegralCache.clear();
      gTransforms->SemiIntegral(*this, Data, SemiIntegralCache);
      SemiIntegralValid = 1;
    }
    points = &SemiIntegralCache;
  }
  if (XShift != 0.0) {
    if (!ShiftValid) {
      ShiftCache = *points;
      for (TDataPoint& p : ShiftCache) p.X += XShift;
      ShiftValid = 1;
    }
    points = &ShiftCache;
  }
  // An averaging group's points are averages of displayed points: they are
  // in semilogarithmic form already.
  const bool averaged = NodeType == 0 && IsGroup();
  if (forest->SemilogMode && gTransforms && !averaged) {
    if (!LogValid) {
      LogCache.clear();
      gTransforms->Semilog(*this, *points, LogCache);
      LogValid = 1;
    }
    points = &LogCache;
  }
  return *points;
}

TDataArr TArrayDataStruct::DisplayData() const { return DisplayPoints(); }

void TArrayDataStruct::RefillSeries() {
  UpdateBounds(0);
  if (Detached) return;
  if (TNodeForest* forest = Forest()) {
    if (forest->OnSeriesRefill) forest->OnSeriesRefill(this);
  }
}

void TArrayDataStruct::UpdateBounds(std::size_t from) {
  if (from == 0) {
    MaxX = MaxY = -kBoundsReset;
    MinX = MinY = kBoundsReset;
  }
  const TDataArr& points = DisplayPoints();
  for (std::size_t i = from; i < points.size(); ++i) {
    const TDataPoint& p = points[i];
    if (p.X > MaxX) MaxX = p.X;
    if (p.X < MinX) MinX = p.X;
    if (p.Y > MaxY) MaxY = p.Y;
    if (p.Y < MinY) MinY = p.Y;
  }
}

std::int32_t TArrayDataStruct::IndexOfPotential(double x) const {
  const TDataArr& points = DisplayPoints();
  if (points.empty()) return -1;
  const bool rising = points.back().X > points.front().X;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (rising ? points[i].X >= x : points[i].X <= x) return static_cast<std::int32_t>(i);
  }
  return static_cast<std::int32_t>(points.size() - 1);
}

// --- Recomputation -------------------------------------------------------------

void TArrayDataStruct::SetNodeType(std::int32_t type) {
  if (type < 0 || type > 2) return;
  NodeType = type;
  OnCalcData();
}

void TArrayDataStruct::OnCalcData() {
  if (!Node && !Detached) return;
  TNodeForest* forest = Detached ? nullptr : Forest();
  const bool painting = !forest || forest->Painting;
  if (painting) {
    if (!Detached) {
      Curves.clear();
      DropAverageOfLostChildren();
    }
    if (NodeType == 0) AverageChildren();
    Curves = CollectCurves(true, 0);
    if (!Detached) AfterCollect();
  } else {
    Node->NeedsRepaint = 1;
  }
  if (!Detached && forest) {
    if (forest->Painting) Node->Repaint(true);
    if (Node->Parent && Node->Checked && !forest->BulkRepaint) forest->MarkParentChain(Node);
  }
}

void TArrayDataStruct::PaintData(bool refill) {
  if (IsGroup() && NodeType != 0) ApplyPairing(Curves);
  if (refill) RefillSeries();
  DrawThumbnail();
}

void TArrayDataStruct::DrawThumbnail() {
  if (Curves.empty()) Curves = CollectCurves(true, 0);
  // A group that overlays its curves shows them all: its bounds are theirs.
  if (NodeType != 0 && ((Node && Node->FirstChild) || Curves.size() > 1)) {
    MaxX = MaxY = -kBoundsReset;
    MinX = MinY = kBoundsReset;
    for (const auto& row : Curves) {
      for (const TArrayDataStruct* c : row) {
        if (!c || !c->Visible) continue;
        if (c != this && c->MaxX >= c->MinX) {
          MaxX = std::max(MaxX, c->MaxX);
          MinX = std::min(MinX, c->MinX);
          MaxY = std::max(MaxY, c->MaxY);
          MinY = std::min(MinY, c->MinY);
        }
      }
    }
  }
}

std::vector<TArrayDataStruct*> TArrayDataStruct::DrawnCurves() const {
  std::vector<TArrayDataStruct*> out;
  for (const auto& row : Curves) {
    for (TArrayDataStruct* c : row) {
      if (c) out.push_back(c);
    }
  }
  return out;
}

// --- History -------------------------------------------------------------------

void TArrayDataStruct::PushSnapshot() { PushSnapshot(std::make_shared<const TDataArr>(Data)); }

void TArrayDataStruct::PushSnapshot(TPointsRef points) {
  if (IsGroup()) return;
  ++HistoryIndex;
  History.resize(static_cast<std::size_t>(HistoryIndex) + 1);
  History[static_cast<std::size_t>(HistoryIndex)] = std::move(points);
}

bool TArrayDataStruct::CanUndoData() const { return HistoryIndex != -1; }

bool TArrayDataStruct::CanRedoData() const {
  return static_cast<std::int64_t>(History.size()) > static_cast<std::int64_t>(HistoryIndex) + 2;
}

void TArrayDataStruct::UndoData() { HistoryStep(-1); }

void TArrayDataStruct::RedoData() { HistoryStep(+1); }

void TArrayDataStruct::HistoryStep(int delta) {
  if (IsGroup()) {
    for (TNode* child = Node->FirstChild; child; child = child->NextSibling) {
      TArrayDataStruct* rec = child->ArrayRecord();
      if (!rec) continue;
      if (rec->Curves.empty()) {
        if (!child->FirstChild) rec->HistoryStep(delta);
        continue;
      }
      for (TArrayDataStruct* c : rec->DrawnCurves()) c->HistoryStep(delta);
    }
    return;
  }
  if (delta < 0 ? !CanUndoData() : !CanRedoData()) return;
  if (HistoryIndex == static_cast<std::int32_t>(History.size()) - 1) {
    const std::int32_t old = HistoryIndex;
    PushSnapshot();
    HistoryIndex = old;
  }
  HistoryIndex += delta;
  TDataArr points = *History[static_cast<std::size_t>(HistoryIndex + 1)];
  SkipSnapshot = 1;
  SetData(std::move(points));
}

}  // namespace velmora
