#include "CurveDecimation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <random>

using namespace velmora;

namespace {

using Grid = CurveDecimation::Grid;

// A noisy sweep with peaks; `cyclic` runs forward and back twice.
TDataArr Sweep(std::size_t n, bool cyclic, unsigned seed) {
  std::mt19937 rng(seed);
  std::normal_distribution<double> noise(0.0, 0.02);
  TDataArr out;
  for (std::size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / static_cast<double>(n);
    if (cyclic) t = std::abs(std::fmod(4.0 * t, 2.0) - 1.0);  // 0..1..0..1..0
    const double x = -1200.0 + 1300.0 * t;
    const double y = 0.1 + 2.0 * std::exp(-std::pow((x + 600.0) / 25.0, 2)) + noise(rng);
    out.push_back({x, y});
  }
  return out;
}

// The span of Y the line through `points` covers inside column `c`
// (segments clipped to the column, which holds the positions from c up to
// but not including c + 1 counted in columns from the grid's origin), or
// nothing when it does not enter it.
std::optional<std::pair<double, double>> CoveredSpan(const TDataArr& points, const Grid& g, long long c) {
  const auto u = [&](const TDataPoint& p) { return (p.X - g.Origin) * g.ColumnsPerUnit; };
  const double left = static_cast<double>(c);
  const double right = left + 1.0;
  std::optional<std::pair<double, double>> span;
  auto add = [&](double y) {
    if (!span) span = std::make_pair(y, y);
    span->first = std::min(span->first, y);
    span->second = std::max(span->second, y);
  };
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const TDataPoint& a = points[i];
    const TDataPoint& b = points[i + 1];
    const double ua = u(a), ub = u(b);
    if (std::max(ua, ub) < left || std::min(ua, ub) >= right) continue;
    if (ua == ub) {
      add(a.Y);
      add(b.Y);
      continue;
    }
    const auto yAt = [&](double w) { return a.Y + (b.Y - a.Y) * (w - ua) / (ub - ua); };
    add(yAt(std::max(std::min(ua, ub), left)));
    add(yAt(std::min(std::max(ua, ub), right)));
  }
  if (points.size() == 1 && u(points[0]) >= left && u(points[0]) < right) add(points[0].Y);
  return span;
}

// Per column of the grid: the lowest and highest point that falls in it.
std::map<long long, std::pair<double, double>> PointSpans(const TDataArr& points, const Grid& g) {
  std::map<long long, std::pair<double, double>> out;
  for (const TDataPoint& p : points) {
    const double c = std::floor((p.X - g.Origin) * g.ColumnsPerUnit);
    if (c < -1 || c > static_cast<double>(g.Columns)) continue;
    auto [it, fresh] = out.try_emplace(static_cast<long long>(c), p.Y, p.Y);
    if (!fresh) {
      it->second.first = std::min(it->second.first, p.Y);
      it->second.second = std::max(it->second.second, p.Y);
    }
  }
  return out;
}

// `passes`: how often the curve sweeps over the grid.
void ExpectSameOnGrid(const TDataArr& full, const Grid& g, std::size_t passes = 1) {
  std::vector<std::size_t> keep;
  CurveDecimation::Reduce(full, g, keep);
  ASSERT_FALSE(keep.empty());
  EXPECT_TRUE(std::is_sorted(keep.begin(), keep.end())) << "drawing order is kept";
  EXPECT_EQ(std::adjacent_find(keep.begin(), keep.end()), keep.end()) << "no point twice";
  EXPECT_EQ(keep.front(), 0u);
  EXPECT_EQ(keep.back(), full.size() - 1);
  EXPECT_LE(keep.size(), passes * (static_cast<std::size_t>(g.Columns) * 4 + 64));
  const TDataArr reduced = CurveDecimation::Reduced(full, g);
  ASSERT_EQ(reduced.size(), keep.size());
  EXPECT_EQ(PointSpans(reduced, g), PointSpans(full, g)) << "lowest and highest point of every column";
  for (long long c = -1; c <= g.Columns; ++c) {
    const auto a = CoveredSpan(full, g, c);
    const auto b = CoveredSpan(reduced, g, c);
    ASSERT_EQ(a.has_value(), b.has_value()) << "column " << c;
    if (!a) continue;
    EXPECT_NEAR(a->first, b->first, 1e-9) << "column " << c;
    EXPECT_NEAR(a->second, b->second, 1e-9) << "column " << c;
  }
}

}  // namespace

TEST(CurveDecimation, TheLineCoversTheSameSpanInEveryColumnAtEveryZoom) {
  for (const bool cyclic : {false, true}) {
    const TDataArr full = Sweep(20000, cyclic, cyclic ? 3u : 5u);
    // The whole curve on a wide and a narrow chart, a zoom into the peak,
    // a view that cuts the curve on both sides and a reversed axis.
    const std::size_t passes = cyclic ? 4 : 1;
    ExpectSameOnGrid(full, CurveDecimation::Span(-1200, 100, 900), passes);
    ExpectSameOnGrid(full, CurveDecimation::Span(-1200, 100, 90), passes);
    ExpectSameOnGrid(full, CurveDecimation::Span(-640, -560, 700), passes);
    ExpectSameOnGrid(full, CurveDecimation::Span(-900, -300, 333), passes);
    ExpectSameOnGrid(full, CurveDecimation::Span(100, -1200, 500), passes);
  }
}

TEST(CurveDecimation, AOnePointSpikeSurvivesAnyReduction) {
  TDataArr full = Sweep(100000, false, 9u);
  full[61234].Y = 50.0;
  full[71234].Y = -50.0;
  for (long long columns : {3LL, 40LL, 1000LL}) {
    const TDataArr reduced = CurveDecimation::Reduced(full, CurveDecimation::Span(-1200, 100, columns));
    EXPECT_NE(std::find(reduced.begin(), reduced.end(), full[61234]), reduced.end()) << columns;
    EXPECT_NE(std::find(reduced.begin(), reduced.end(), full[71234]), reduced.end()) << columns;
    EXPECT_LT(reduced.size(), full.size() / 20);
  }
}

TEST(CurveDecimation, SparsePointsComeBackUnchanged) {
  const TDataArr full = Sweep(300, true, 1u);
  EXPECT_EQ(CurveDecimation::Reduced(full, CurveDecimation::Span(-1200, 100, 2000)), full);
}

TEST(CurveDecimation, PointsOutsideTheViewKeepTheLinesThatCrossIt) {
  // Far left, into the view, far right and back: the crossing segments
  // keep their end points, the runs outside keep only their ends; a
  // vertical stretch on the view's far edge keeps its extremes.
  TDataArr full;
  for (int i = 0; i < 50; ++i) full.push_back({-5000.0 + i, std::sin(i * 1.0)});
  full.push_back({50.0, 3.0});
  for (int i = 0; i < 50; ++i) full.push_back({5000.0 + i, std::cos(i * 1.0)});
  full.push_back({-4000.0, 7.0});
  for (double y : {1.0, 9.0, -9.0, 2.0, 0.5}) full.push_back({100.0, y});
  const Grid g = CurveDecimation::Span(0, 100, 100);
  std::vector<std::size_t> keep;
  CurveDecimation::Reduce(full, g, keep);
  EXPECT_EQ(keep, (std::vector<std::size_t>{0, 49, 50, 51, 100, 101, 102, 103, 104, 106}));
  ExpectSameOnGrid(full, g);
}

TEST(CurveDecimation, NonFinitePointsStayAsGaps) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  TDataArr full;
  for (int i = 0; i < 40; ++i) full.push_back({i * 0.01, static_cast<double>(i % 7)});
  full.push_back({0.2, nan});
  for (int i = 0; i < 40; ++i) full.push_back({0.4 + i * 0.01, static_cast<double>(i % 5)});
  std::vector<std::size_t> keep;
  CurveDecimation::Reduce(full, CurveDecimation::Span(0, 1, 2), keep);
  ASSERT_NE(std::find(keep.begin(), keep.end(), 40u), keep.end());
  // Both sides of the gap are reduced on their own: each keeps its ends.
  for (std::size_t i : {0u, 39u, 41u, 80u}) EXPECT_NE(std::find(keep.begin(), keep.end(), i), keep.end()) << i;
  EXPECT_LE(keep.size(), 12u);
}

TEST(CurveDecimation, ADegenerateRangeKeepsTheEndsAndTheExtremes) {
  TDataArr full;
  for (int i = 0; i < 100; ++i) full.push_back({5.0, std::sin(i * 0.3)});
  const TDataArr reduced = CurveDecimation::Reduced(full, CurveDecimation::Span(5.0, 5.0, 100));
  ASSERT_GE(reduced.size(), 2u);
  EXPECT_EQ(reduced.front(), full.front());
  EXPECT_EQ(reduced.back(), full.back());
  const auto [lo, hi] = std::minmax_element(full.begin(), full.end(), [](auto& a, auto& b) { return a.Y < b.Y; });
  EXPECT_NE(std::find(reduced.begin(), reduced.end(), *lo), reduced.end());
  EXPECT_NE(std::find(reduced.begin(), reduced.end(), *hi), reduced.end());
}
