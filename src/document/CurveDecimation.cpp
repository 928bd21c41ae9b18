#include "CurveDecimation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmora {

namespace {

// Where a run of points stands: a column of the grid (with one more on each
// side, where a line's edge may still reach into the first and last
// column), left of that or right of it.
constexpr long long kNoRun = std::numeric_limits<long long>::min();
constexpr long long kLeft = kNoRun + 1;
constexpr long long kRight = std::numeric_limits<long long>::max();

class Reducer {
 public:
  Reducer(std::span<const TDataPoint> points, const CurveDecimation::Grid& grid, std::vector<std::size_t>& out)
      : points_(points), grid_(grid), out_(out) {}

  void run() {
    for (std::size_t i = 0; i < points_.size(); ++i) {
      const TDataPoint& p = points_[i];
      if (!std::isfinite(p.X) || !std::isfinite(p.Y)) {
        flush();
        out_.push_back(i);
        continue;
      }
      const long long c = columnOf(p.X);
      if (c != column_) {
        flush();
        column_ = c;
        first_ = lo_ = hi_ = last_ = i;
        continue;
      }
      if (p.Y < points_[lo_].Y) lo_ = i;
      if (p.Y > points_[hi_].Y) hi_ = i;
      last_ = i;
    }
    flush();
  }

 private:
  long long columnOf(double x) const {
    if (grid_.ColumnsPerUnit == 0.0) return 0;
    const double c = std::floor((x - grid_.Origin) * grid_.ColumnsPerUnit);
    if (!(c >= -1.0)) return kLeft;
    if (c > static_cast<double>(grid_.Columns)) return kRight;
    return static_cast<long long>(c);
  }

  void flush() {
    if (column_ == kNoRun) return;
    // The first comes first and the last last; the extremes in between in
    // the order they were measured.
    const bool outside = column_ == kLeft || column_ == kRight;
    const std::size_t keep[4] = {first_, std::min(lo_, hi_), std::max(lo_, hi_), last_};
    std::size_t previous = std::numeric_limits<std::size_t>::max();
    for (std::size_t k = 0; k < 4; ++k) {
      if ((outside && (k == 1 || k == 2)) || keep[k] == previous) continue;
      out_.push_back(keep[k]);
      previous = keep[k];
    }
    column_ = kNoRun;
  }

  std::span<const TDataPoint> points_;
  const CurveDecimation::Grid& grid_;
  std::vector<std::size_t>& out_;
  long long column_ = kNoRun;
  std::size_t first_ = 0, lo_ = 0, hi_ = 0, last_ = 0;
};

}  // namespace

CurveDecimation::Grid CurveDecimation::Span(double lower, double upper, long long columns) {
  Grid g;
  g.Columns = std::max(columns, 1LL);
  g.Origin = lower;
  const double width = upper - lower;
  g.ColumnsPerUnit = (width != 0.0 && std::isfinite(width)) ? static_cast<double>(g.Columns) / width : 0.0;
  return g;
}

void CurveDecimation::Reduce(std::span<const TDataPoint> points, const Grid& grid, std::vector<std::size_t>& out) {
  out.reserve(out.size() + std::min<std::size_t>(points.size(), static_cast<std::size_t>(grid.Columns) * 4 + 8));
  Reducer(points, grid, out).run();
}

TDataArr CurveDecimation::Reduced(std::span<const TDataPoint> points, const Grid& grid) {
  std::vector<std::size_t> keep;
  Reduce(points, grid, keep);
  TDataArr out;
  out.reserve(keep.size());
  for (std::size_t i : keep) out.push_back(points[i]);
  return out;
}

}  // namespace velmora
