#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "TDataPoint.h"

namespace velmora {

// The points of a curve that a polyline needs on a grid of pixel columns.
//
// Consecutive points (in drawing order) that fall in one column are merged
// into the first, the lowest, the highest and the last of them, kept in the
// order they were measured: the line through them covers exactly the
// vertical span the full line covers in that column and joins the
// neighbouring columns at the same points, so a one-point spike is never
// lost and nothing is sorted (cyclic sweeps go back and forth). The grid
// reaches one column beyond each side (a line's edge may show there); points
// further left form one column and points further right another, of which
// only the first and the last of each run are kept, since the line between
// them never comes near the grid. A point with a non-finite coordinate is kept as it
// is and ends the run, so the caller's gap in the line stays a gap.
//
// Only what is drawn is reduced: the points themselves never change.
class CurveDecimation {
 public:
  // Column c covers X from Origin + c / ColumnsPerUnit to Origin + (c + 1) /
  // ColumnsPerUnit (a negative ColumnsPerUnit for an axis that grows to the
  // left); the grid has Columns columns, 0 .. Columns - 1, and a point at
  // the far edge of the range falls in column Columns, which is kept too.
  struct Grid {
    double Origin = 0.0;
    double ColumnsPerUnit = 1.0;
    long long Columns = 0;
  };

  // The grid of `columns` columns spread over the X range [lower, upper] (a
  // reversed axis passes lower > upper).
  static Grid Span(double lower, double upper, long long columns);

  // Indices of the points to draw, in drawing order, appended to `out`.
  static void Reduce(std::span<const TDataPoint> points, const Grid& grid, std::vector<std::size_t>& out);

  // The same as points.
  static TDataArr Reduced(std::span<const TDataPoint> points, const Grid& grid);
};

}  // namespace velmora
