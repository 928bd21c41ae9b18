// The group logic of curve records: collecting the curves of the children,
// averaging them, the averaged columns of an average-and-overlay group, and
// the pairing of two-curve groups.
#include <algorithm>
#include <cmath>
#include <limits>

#include "Numbers.h"
#include "TArrayDataStruct.h"
#include "TNode.h"
#include "TNodeForest.h"

namespace velmora {

namespace {

// Sorts ascending by X with gaps halving from count / 2. Unlike std::sort it
// stays well-defined for any comparison outcome, NaN included.
void ShellSortByX(TDataArr& points) {
  const std::size_t n = points.size();
  for (std::size_t gap = n / 2; gap > 0; gap /= 2) {
    for (std::size_t i = gap; i < n; ++i) {
      const TDataPoint value = points[i];
      std::size_t j = i;
      while (j >= gap && points[j - gap].X > value.X) {
        points[j] = points[j - gap];
        j -= gap;
      }
      points[j] = value;
    }
  }
}

// The averaging grid never grows beyond this many points, or beyond the
// points of all its curves together when they are more: curves far apart
// in X must not make the grid (and the memory) explode.
constexpr std::size_t kMinGridCap = std::size_t{1} << 20;

}  // namespace

TStructCollection TArrayDataStruct::CollectCurves(bool checkedOnly, std::int32_t depth) {
  if (!Curves.empty() || Detached) return Curves;
  return CollectCurvesAs(checkedOnly, depth, NodeType);
}

TStructCollection TArrayDataStruct::CollectCurvesAs(bool checkedOnly, std::int32_t depth, std::int32_t nodeType) {
  if (Detached) return Curves;
  TStructCollection rows;
  const bool leaf = !Node || !Node->FirstChild;
  if (leaf || nodeType == 0) {
    if (depth == 0 || !checkedOnly || (Node && Node->Checked)) rows.push_back({this});
    return rows;
  }
  for (TNode* child = Node->FirstChild; child; child = child->NextSibling) {
    if (checkedOnly && !child->Checked) continue;
    TArrayDataStruct* rec = child->ArrayRecord();
    if (!rec) continue;
    const TStructCollection sub = rec->CollectCurves(checkedOnly, depth + 1);
    if (sub.empty()) continue;
    std::vector<TArrayDataStruct*> row;
    for (const auto& r : sub) row.insert(row.end(), r.begin(), r.end());
    rows.push_back(std::move(row));
  }
  if (nodeType == 2) {
    Curves = BuildAveragedColumns(rows);
    rows = Curves;
  }
  if (nodeType == NodeType) ApplyPairing(rows);
  return rows;
}

void TArrayDataStruct::ApplyPairing(const TStructCollection& rows) {
  if (Detached || NodeType == 0) return;
  if (rows.size() != 2 || rows[0].size() != 1 || rows[1].size() != 1) return;
  TArrayDataStruct* first = rows[0][0];
  TArrayDataStruct* second = rows[1][0];
  if (!first || !second || first == second) return;
  first->SetPartner(second, 0);
  second->SetPartner(first, 1);
}

void TArrayDataStruct::SetPartner(TArrayDataStruct* partner, std::uint8_t side) {
  if (Partner == partner && PartnerSide == side) return;
  Partner = partner;
  PartnerSide = side;
  InvalidateCaches();
}

void TArrayDataStruct::AverageChildren() {
  // A leaf's points are measured: its node type never derives them.
  if (!Detached && !IsGroup()) return;
  const TStructCollection rows = Detached ? Curves : CollectCurvesAs(true, 0, 1);
  Data = AverageCurves(rows);
  holdsAverage_ = !Detached;
  InvalidateCaches();
  RefillSeries();
}

void TArrayDataStruct::DropAverageOfLostChildren() {
  // A group that lost its last child keeps no average it once derived: it
  // is left without points, whatever its node type.
  if (!holdsAverage_ || Detached || IsGroup()) return;
  holdsAverage_ = false;
  Data.clear();
  InvalidateCaches();
  RefillSeries();
}

TDataArr TArrayDataStruct::AverageCurves(const TStructCollection& rows) {
  struct Curve {
    TDataArr points;
    double minX, maxX;
  };
  std::vector<Curve> curves;
  std::size_t totalPoints = 0;
  for (const auto& row : rows) {
    for (const TArrayDataStruct* rec : row) {
      if (!rec) continue;
      Curve c{rec->DisplayData(), kBoundsReset, -kBoundsReset};
      if (c.points.empty()) continue;
      for (const TDataPoint& p : c.points) {
        if (p.X < c.minX) c.minX = p.X;
        if (p.X > c.maxX) c.maxX = p.X;
      }
      totalPoints += c.points.size();
      curves.push_back(std::move(c));
    }
  }
  if (curves.empty()) return {};

  double start = -std::numeric_limits<double>::infinity();
  double end = std::numeric_limits<double>::infinity();
  double step = std::numeric_limits<double>::infinity();
  for (const Curve& c : curves) {
    start = std::max(start, c.minX);
    end = std::min(end, c.maxX);
    // A single point (or a curve standing at one potential) has no step; it
    // still narrows the range and counts as a constant.
    if (c.points.size() > 1 && c.maxX > c.minX) {
      step = std::min(step, (c.maxX - c.minX) / static_cast<double>(c.points.size() - 1));
    }
  }
  if (!std::isfinite(start) || !std::isfinite(end)) return {};
  std::size_t count = 1;
  if (std::isfinite(step) && step > 0.0) {
    const double cells = std::fabs(end - start) / step;
    const double cap = static_cast<double>(std::max(kMinGridCap, totalPoints));
    count = cells + 1.0 >= cap ? static_cast<std::size_t>(cap) : static_cast<std::size_t>(RoundHalfEven(cells)) + 1;
  } else {
    step = 0.0;
  }

  TDataArr grid(count);
  for (std::size_t i = 0; i < count; ++i) grid[i].X = start + static_cast<double>(i) * step;

  for (Curve& c : curves) {
    TDataArr& pts = c.points;
    const std::size_t n = pts.size();
    if (n == 1) {
      for (TDataPoint& g : grid) g.Y += pts[0].Y;
      continue;
    }
    ShellSortByX(pts);
    std::size_t k = 1;
    for (std::size_t i = 0; i < count; ++i) {
      const double gx = grid[i].X;
      while (pts[k].X < gx && k != n - 1) ++k;
      const TDataPoint& a = pts[k - 1];
      const TDataPoint& b = pts[k];
      const double dx = b.X - a.X;
      // Equal potentials would divide by zero: take the later point's value.
      grid[i].Y += dx != 0.0 ? a.Y + (gx - a.X) * (b.Y - a.Y) / dx : b.Y;
      if (k == n - 1) {
        for (std::size_t j = i + 1; j < count; ++j) grid[j].Y += b.Y;
        break;
      }
    }
  }
  const double divisor = static_cast<double>(curves.size());
  for (TDataPoint& g : grid) g.Y /= divisor;
  return grid;
}

TStructCollection TArrayDataStruct::BuildAveragedColumns(const TStructCollection& rows) {
  std::size_t columns = 0;
  for (const auto& row : rows) columns = std::max(columns, row.size());

  for (std::size_t i = 0; i < columns; ++i) {
    TStructCollection column;
    for (const auto& row : rows) {
      if (row.empty()) continue;
      column.push_back({row[std::min(i, row.size() - 1)]});
    }
    if (i < AveragedColumns.size()) {
      AveragedColumns[i]->Curves = std::move(column);
      AveragedColumns[i]->OnCalcData();
      continue;
    }
    std::unique_ptr<TBasicDataStruct> made = GetSelfType();
    auto* entry = dynamic_cast<TArrayDataStruct*>(made.get());
    if (!entry) continue;
    made.release();
    AveragedColumns.emplace_back(entry);
    entry->Detached = 1;
    entry->Curves = std::move(column);
    entry->SetNodeType(0);
    CopyParamsTo(*entry);
  }
  for (std::size_t i = columns; i < AveragedColumns.size(); ++i) {
    AveragedColumns[i]->Curves.clear();
    AveragedColumns[i]->OnCalcData();
  }

  TStructCollection result;
  for (const auto& entry : AveragedColumns) {
    if (!entry->Curves.empty() && entry->Visible) result.push_back({entry.get()});
  }
  return result;
}

void TArrayDataStruct::ToggleColumnVisible(std::int32_t index) {
  if (NodeType != 2 || index < 0 || static_cast<std::size_t>(index) >= AveragedColumns.size()) return;
  AveragedColumns[static_cast<std::size_t>(index)]->Visible ^= 1;
  OnCalcData();
}

}  // namespace velmora
