#include "LabelPlacer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace velmora {

namespace {

struct Direction {
  int Dx;
  int Dy;  // -1 above, 1 below
};

// Above, below, right, left, then the diagonals.
constexpr Direction kDirections[] = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}};

// How many rings farther out a label may go on a leader line, and at how
// many angles round the point on each.
constexpr int kLeaderRings = 6;
constexpr int kLeaderAngles = 24;
// A crossed line costs more than any worse direction of the same ring; a
// ring farther out costs more than a crossed line.
constexpr double kCrossingCost = 10.0;
constexpr double kRingCost = 25.0;
constexpr double kLeaderThroughCost = 400.0;

// The box `width` × `height` off (x, y) in `d`, `offset` pixels from the
// point along each axis the direction leaves it.
TLabelBox Off(double x, double y, Direction d, double offset, double width, double height) {
  const double left = d.Dx == 0 ? x - width / 2 : d.Dx > 0 ? x + offset : x - offset - width;
  const double top = d.Dy == 0 ? y - height / 2 : d.Dy > 0 ? y + offset : y - offset - height;
  return {left, top, left + width, top + height};
}

}  // namespace

bool TLabelBox::Overlaps(const TLabelBox& o) const {
  return Left < o.Right && o.Left < Right && Top < o.Bottom && o.Top < Bottom;
}

double TLabelBox::OverlapArea(const TLabelBox& o) const {
  const double w = std::min(Right, o.Right) - std::max(Left, o.Left);
  const double h = std::min(Bottom, o.Bottom) - std::max(Top, o.Top);
  return w > 0 && h > 0 ? w * h : 0.0;
}

bool TLabelBox::Within(const TLabelBox& f) const {
  return Left >= f.Left && Right <= f.Right && Top >= f.Top && Bottom <= f.Bottom;
}

bool TLabelBox::Crosses(double x1, double y1, double x2, double y2) const {
  // Clips the segment's parameter range to the four half-planes.
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - Left, Right - x1, y1 - Top, Bottom - y1};
  double t0 = 0.0, t1 = 1.0;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] <= 0.0) return false;  // parallel to and outside (or on) this edge
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 >= t1) return false;
  }
  return true;
}

TLabelBox TLabelBox::ShiftedInto(const TLabelBox& f) const {
  TLabelBox b = *this;
  auto shift = [](double& lo, double& hi, double flo, double fhi) {
    const double size = hi - lo;
    double start = lo;
    if (size > fhi - flo) {
      start = (flo + fhi - size) / 2;
    } else if (lo < flo) {
      start = flo;
    } else if (hi > fhi) {
      start = fhi - size;
    }
    lo = start;
    hi = start + size;
  };
  shift(b.Left, b.Right, f.Left, f.Right);
  shift(b.Top, b.Bottom, f.Top, f.Bottom);
  return b;
}

TLabelBox TLabelBox::Centred(double x, double y, double width, double height) {
  return {x - width / 2, y - height / 2, x + width / 2, y + height / 2};
}

LabelPlacer::LabelPlacer(const TLabelBox& frame) : frame_(frame) {}

void LabelPlacer::AddObstacle(const TLabelBox& box) { obstacles_.push_back(box); }

void LabelPlacer::AddPoint(double x, double y, double radius) {
  obstacles_.push_back({x - radius, y - radius, x + radius, y + radius});
}

void LabelPlacer::AddSegment(double x1, double y1, double x2, double y2) {
  if (std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2))
    segments_.push_back({x1, y1, x2, y2});
}

bool LabelPlacer::free(const TLabelBox& box) const {
  if (!box.Within(frame_)) return false;
  for (const TLabelBox& b : placed_)
    if (b.Overlaps(box)) return false;
  for (const TLabelBox& b : obstacles_)
    if (b.Overlaps(box)) return false;
  return true;
}

int LabelPlacer::crossings(const TLabelBox& box) const {
  int n = 0;
  for (const Segment& s : segments_) n += box.Crosses(s.X1, s.Y1, s.X2, s.Y2) ? 1 : 0;
  return n;
}

double LabelPlacer::covered(const TLabelBox& box) const {
  double area = 0.0;
  for (const TLabelBox& b : placed_) area += box.OverlapArea(b);
  for (const TLabelBox& b : obstacles_) area += box.OverlapArea(b);
  return area;
}

int LabelPlacer::labelsCrossed(double x1, double y1, double x2, double y2) const {
  int n = 0;
  for (const TLabelBox& b : placed_) n += b.Crosses(x1, y1, x2, y2) ? 1 : 0;
  return n;
}

TLabelPlacement LabelPlacer::keep(TLabelPlacement placement, double x, double y, const std::string& text) {
  placed_.push_back(placement.Box);
  shown_.push_back({x, y, text});
  return placement;
}

TLabelPlacement LabelPlacer::PlaceAtPoint(double x, double y, double radius, double width, double height,
                                          const std::string& text) {
  const double near = radius + Gap;
  constexpr double kNone = std::numeric_limits<double>::infinity();
  // A neighbour that reads the same says it already: always for a point
  // whose mark runs into the neighbour's, within NeighbourDistance when
  // nothing is free beside the point.
  auto repeats = [&](double reach) {
    for (const Shown& s : shown_)
      if (s.Text == text && std::hypot(s.X - x, s.Y - y) <= reach) return true;
    return false;
  };
  if (repeats(2 * radius)) return {TLabelPlacement::Kind::Dropped, {}};

  // Next to the point.
  double bestCost = kNone;
  TLabelBox best;
  for (std::size_t i = 0; i < std::size(kDirections); ++i) {
    const TLabelBox b = Off(x, y, kDirections[i], near, width, height);
    if (!free(b)) continue;
    const double cost = static_cast<double>(i) + kCrossingCost * crossings(b);
    if (cost < bestCost) {
      bestCost = cost;
      best = b;
    }
  }
  if (bestCost < kNone) return keep({TLabelPlacement::Kind::Beside, best}, x, y, text);

  if (repeats(NeighbourDistance)) return {TLabelPlacement::Kind::Dropped, {}};

  // Farther off, all round the point, on a leader line: nearer rings
  // first, then the angles nearest straight up.
  TLabelPlacement leader{TLabelPlacement::Kind::Leader, {}};
  const double step = std::max(height, 4.0);
  for (int ring = 1; ring <= kLeaderRings; ++ring) {
    const double d = near + ring * step;
    for (int k = 0; k < kLeaderAngles; ++k) {
      const double turn = 2.0 * std::numbers::pi * k / kLeaderAngles;  // from straight up, clockwise
      const double cx = x + std::sin(turn) * (d + width / 2);
      const double cy = y - std::cos(turn) * (d + height / 2);
      const TLabelBox b = TLabelBox::Centred(cx, cy, width, height);
      if (!free(b)) continue;
      const double cost =
          kRingCost * ring + std::min(turn, 2.0 * std::numbers::pi - turn) + kCrossingCost * crossings(b);
      if (cost >= bestCost) continue;
      // From the mark's edge towards the nearest point of the box.
      const double ex = std::clamp(x, b.Left, b.Right);
      const double ey = std::clamp(y, b.Top, b.Bottom);
      const double len = std::hypot(ex - x, ey - y);
      if (len <= radius) continue;
      const double sx = x + (ex - x) / len * radius;
      const double sy = y + (ey - y) / len * radius;
      // A line through another label is the last resort of a point that
      // the labels of its neighbours ring in.
      const double through = kLeaderThroughCost * labelsCrossed(sx, sy, ex, ey);
      if (cost + through >= bestCost) continue;
      bestCost = cost + through;
      leader.Box = b;
      leader.LeaderX1 = sx;
      leader.LeaderY1 = sy;
      leader.LeaderX2 = ex;
      leader.LeaderY2 = ey;
    }
  }
  if (bestCost < kNone) {
    // Later labels keep off the line as off the chart's own.
    AddSegment(leader.LeaderX1, leader.LeaderY1, leader.LeaderX2, leader.LeaderY2);
    return keep(leader, x, y, text);
  }

  // No free place: the text stays where it hides the least.
  double least = kNone;
  for (std::size_t i = 0; i < std::size(kDirections); ++i) {
    const TLabelBox b = Off(x, y, kDirections[i], near, width, height).ShiftedInto(frame_);
    const double area = covered(b) + static_cast<double>(i) * 1e-3;
    if (area < least) {
      least = area;
      best = b;
    }
  }
  return keep({TLabelPlacement::Kind::Crowded, best}, x, y, text);
}

TLabelPlacement LabelPlacer::PlaceAmong(std::span<const TLabelBox> candidates) {
  if (candidates.empty()) return {TLabelPlacement::Kind::Dropped, {}};
  double least = std::numeric_limits<double>::infinity();
  TLabelBox best;
  for (const TLabelBox& c : candidates) {
    const TLabelBox b = c.ShiftedInto(frame_);
    if (free(b)) {
      placed_.push_back(b);
      return {TLabelPlacement::Kind::Beside, b};
    }
    const double area = covered(b);
    if (area < least) {
      least = area;
      best = b;
    }
  }
  placed_.push_back(best);
  return {TLabelPlacement::Kind::Crowded, best};
}

}  // namespace velmora
