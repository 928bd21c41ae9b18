#include "CurveRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "WorkSplit.h"

namespace velmora {

namespace {

// floor and ceil as int for the pixel positions of a line; positions
// beyond a billion pixels (never on an image) are held there.
int Floor(double v) {
  v = v > -1e9 ? (v < 1e9 ? v : 1e9) : -1e9;
  const int i = static_cast<int>(v);
  return i - (v < static_cast<double>(i) ? 1 : 0);
}

// Floor for positions known to lie well inside the int range.
int FloorNear(double v) {
  const int i = static_cast<int>(v);
  return i - (v < static_cast<double>(i) ? 1 : 0);
}

int Ceil(double v) {
  v = v > -1e9 ? (v < 1e9 ? v : 1e9) : -1e9;
  const int i = static_cast<int>(v);
  return i + (v > static_cast<double>(i) ? 1 : 0);
}

bool finite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// The share of a pixel's square on the near side of a straight edge: the
// edge's normal has the components `nx`, `ny`; `tau` is how far beyond the
// pixel's centre (along the normal) the edge lies.
class PixelArea {
 public:
  PixelArea(double nx, double ny) : a_(std::max(nx, ny)), b_(std::min(nx, ny)) {
    reach_ = (a_ + b_) / 2.0;
    inverseA_ = 1.0 / a_;
    inverseCorner_ = b_ < 1e-9 ? 0.0 : 1.0 / (2.0 * a_ * b_);
  }
  // How far from the centre an edge still cuts the square.
  double reach() const { return reach_; }
  double operator()(double tau) const {
    const double u = tau + reach_;
    if (u <= 0.0) return 0.0;
    if (u >= a_ + b_) return 1.0;
    if (u < b_) return u * u * inverseCorner_;
    if (u <= a_) return (u - b_ / 2.0) * inverseA_;
    const double v = a_ + b_ - u;
    return 1.0 - v * v * inverseCorner_;
  }

 private:
  double a_, b_, reach_, inverseA_, inverseCorner_;
};

// The rows [Top, Bottom) and columns [Left, Right) one thread draws, with
// the coverage of the curve being drawn.
class Band {
 public:
  // Rows top..bottom - 1 in stripes of eight rows; this band draws the
  // stripes `index`, `index` + `bands`, ... (the curves of a chart crowd
  // its lower part: stripes share the work out evenly). With one band it
  // draws every row of its columns.
  static constexpr int kStripeShift = 3;  // stripes of 8 rows
  Band(uchar* bits, qsizetype stride, int left, int right, int top, int bottom, int index, int bands)
      : left_(left),
        right_(right),
        top_(top),
        bottom_(bottom),
        index_(index),
        bands_(bands),
        bits_(bits),
        stride_(stride) {
    width_ = right_ - left_;
    // Each thread keeps its coverage between drawings: every cell a curve
    // touched is back at 0 once the curve is blended.
    thread_local std::vector<std::uint8_t> coverage;
    const std::size_t cells = static_cast<std::size_t>(width_) * static_cast<std::size_t>(std::max(0, bottom_ - top_));
    if (coverage.size() < cells) coverage.resize(cells, 0);
    coverage_ = coverage.data();
  }

  void stroke(const CurveRaster::Stroke& s) {
    if (s.Count == 0 || s.Points == nullptr || width_ <= 0 || bottom_ <= top_) return;
    const double reach = std::max(s.Width, 0.0) / 2.0 + 0.5;
    mode_ = s.Antialiased ? Mode::Smooth : (s.Width > 1.5 ? Mode::Hard : Mode::Thin);
    // An aliased line covers its pixels wholly or not at all: in an opaque
    // colour each pixel simply takes the colour (what the blend would give),
    // with no coverage to keep.
    const QRgb premultiplied = qPremultiply(s.Color.rgba());
    direct_ = mode_ != Mode::Smooth && qAlpha(premultiplied) == 255;
    colour_ = premultiplied;
    auto at = [&](std::size_t k) { return (s.Points[k] - s.Origin) * s.Scale; };
    std::size_t i = 0;
    while (i < s.Count) {
      // One unbroken piece of the line.
      while (i < s.Count && !finite(s.Points[i])) ++i;
      const std::size_t start = i;
      while (i < s.Count && finite(s.Points[i])) ++i;
      if (i - start == 1) segment(at(start), at(start), reach, true);
      // A joint is rounded by the segment that ends there; only the first
      // segment rounds its start.
      for (std::size_t k = start; k + 1 < i; ++k) segment(at(k), at(k + 1), reach, k == start);
    }
    if (!direct_) blend(premultiplied);
  }

 private:
  bool owns(int y) const { return bands_ == 1 || ((y - top_) >> kStripeShift) % bands_ == index_; }

  void mark(int x, int y, std::uint8_t c) {
    if (direct_) {
      reinterpret_cast<QRgb*>(bits_ + static_cast<std::ptrdiff_t>(y) * stride_)[x] = colour_;
      return;
    }
    std::uint8_t& slot = coverage_[static_cast<std::size_t>(y - top_) * static_cast<std::size_t>(width_) +
                                   static_cast<std::size_t>(x - left_)];
    if (slot == 0) touched_.push_back(static_cast<std::uint32_t>(&slot - coverage_));
    if (c > slot) slot = c;
  }

  void segment(const QPointF& a, const QPointF& b, double reach, bool roundStart) {
    // Segments wholly above, below, left or right of this band leave it
    // alone.
    if (std::max(a.y(), b.y()) + reach + 1.0 < top_ || std::min(a.y(), b.y()) - reach - 1.0 > bottom_) return;
    if (std::max(a.x(), b.x()) + reach + 1.0 < left_ || std::min(a.x(), b.x()) - reach - 1.0 > right_) return;
    startCap_ = roundStart;
    if (mode_ == Mode::Thin) {
      thin(a, b);
    } else {
      capsule(a, b, reach);
    }
  }

  // The line of half width `reach` - 0.5 along the segment a-b: a pixel
  // whose centre projects onto the segment is covered by the share of its
  // square that lies inside the line (exact for the straight line); beyond
  // the segment's ends, where the next segment joins, the coverage falls
  // off with the centre's distance to the end point (a round join).
  void capsule(const QPointF& a, const QPointF& b, double reach) {
    const double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
    const double dx = bx - ax, dy = by - ay;
    const double length = std::sqrt(dx * dx + dy * dy);
    const double ux = length > 0 ? dx / length : 1.0;
    const double uy = length > 0 ? dy / length : 0.0;
    const double half = reach - 0.5;
    const double reach2 = reach * reach;
    // A pixel square reaches (|nx| + |ny|) / 2 <= 0.71 from its centre.
    const double bound = half + 0.7072;
    const double bound2 = bound * bound;
    const PixelArea area(std::abs(uy), std::abs(ux));
    const int y0 = std::max(top_, static_cast<int>(std::floor(std::min(ay, by) - bound)));
    const int y1 = std::min(bottom_ - 1, static_cast<int>(std::ceil(std::max(ay, by) + bound)));
    // A short segment (the usual one of a dense curve): every row looks at
    // the segment's box, no wider than a few pixels.
    const bool shortOne = std::abs(dx) <= 4.0;
    const int boxLeft = std::max(left_, static_cast<int>(std::floor(std::min(ax, bx) - bound)));
    const int boxRight = std::min(right_ - 1, static_cast<int>(std::ceil(std::max(ax, bx) + bound)));
    for (int py = y0; py <= y1; ++py) {
      if (!owns(py)) continue;
      const double cy = py + 0.5;
      const double ry = cy - ay;
      if (shortOne) {
        for (int px = boxLeft; px <= boxRight; ++px) pixel(px, py, ry, ax, ux, uy, length, half, reach, reach2, area);
        continue;
      }
      // The stretch of this row the line may touch: the two end circles
      // and the body between them.
      double lo = HUGE_VAL, hi = -HUGE_VAL;
      auto circle = [&](double px, double pyy) {
        const double h2 = bound2 - (cy - pyy) * (cy - pyy);
        if (h2 <= 0) return;
        const double h = std::sqrt(h2);
        lo = std::min(lo, px - h);
        hi = std::max(hi, px + h);
      };
      circle(ax, ay);
      circle(bx, by);
      if (length > 0) {
        // Perpendicular distance within bound, projection within the segment.
        double bodyLo = -HUGE_VAL, bodyHi = HUGE_VAL;
        auto clampTo = [&](double l, double h) {
          if (l > h) std::swap(l, h);
          bodyLo = std::max(bodyLo, l);
          bodyHi = std::min(bodyHi, h);
        };
        if (uy != 0) {
          clampTo((ux * ry - bound) / uy, (ux * ry + bound) / uy);
        } else if (std::abs(ry) >= bound) {
          bodyLo = HUGE_VAL;
        }
        if (ux != 0) {
          clampTo(-uy * ry / ux, (length - uy * ry) / ux);
        } else if (uy * ry < 0 || uy * ry > length) {
          bodyLo = HUGE_VAL;
        }
        if (bodyLo < bodyHi) {
          lo = std::min(lo, ax + bodyLo);
          hi = std::max(hi, ax + bodyHi);
        }
      }
      if (!(lo < hi)) continue;
      const int x0 = std::max(left_, static_cast<int>(std::ceil(lo - 0.5)));
      const int x1 = std::min(right_ - 1, static_cast<int>(std::floor(hi - 0.5)));
      for (int px = x0; px <= x1; ++px) pixel(px, py, ry, ax, ux, uy, length, half, reach, reach2, area);
    }
  }

  // One pixel's coverage by the line (see capsule).
  void pixel(int px, int py, double ry, double ax, double ux, double uy, double length, double half, double reach,
             double reach2, const PixelArea& area) {
    if (!direct_) {
      const std::uint8_t slot = coverage_[static_cast<std::size_t>(py - top_) * static_cast<std::size_t>(width_) +
                                          static_cast<std::size_t>(px - left_)];
      if (slot == 255) return;  // nothing to add
    }
    const double rx = px + 0.5 - ax;
    const double t = rx * ux + ry * uy;
    double c = 0.0;
    if (length > 0 && t >= 0 && t <= length) {
      const double side = std::abs(ry * ux - rx * uy);
      if (side >= half + area.reach()) return;
      c = side <= half - area.reach() ? 1.0 : area(half - side) - area(-half - side);
    } else {
      if (t < 0 && !startCap_) return;
      const double tc = std::clamp(t, 0.0, length);
      const double ex = rx - tc * ux, ey = ry - tc * uy;
      const double d2 = ex * ex + ey * ey;
      if (d2 >= reach2) return;
      c = std::min(1.0, reach - std::sqrt(d2));
    }
    const auto c8 = mode_ == Mode::Hard ? static_cast<std::uint8_t>(c >= 0.5 ? 255 : 0)
                                        : static_cast<std::uint8_t>(c * 255.0 + 0.5);
    if (c8 != 0) mark(px, py, c8);
  }

  // Both ends within a hundred million pixels: every position on the
  // segment and a pixel beyond converts to int safely.
  static bool Near(const QPointF& a, const QPointF& b) {
    constexpr double kNear = 1e8;
    return std::abs(a.x()) < kNear && std::abs(a.y()) < kNear && std::abs(b.x()) < kNear && std::abs(b.y()) < kNear;
  }

  // A one-pixel line: one pixel per column for a shallow segment, one per
  // row for a steep one, at the line's position at the pixel centres.
  void thin(const QPointF& a, const QPointF& b) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    auto plot = [&](double x, double y) {
      const int px = Floor(x);
      const int py = Floor(y);
      if (px >= left_ && px < right_ && py >= top_ && py < bottom_ && owns(py)) mark(px, py, 255);
    };
    // The joint with the previous segment is that one's end point.
    if (startCap_) plot(a.x(), a.y());
    if (std::abs(dx) >= std::abs(dy)) {
      if (dx == 0) return;
      const double x0 = std::min(a.x(), b.x()), x1 = std::max(a.x(), b.x());
      const int first = std::max(left_, Ceil(x0 - 0.5));
      const int last = std::min(right_ - 1, Floor(x1 - 0.5));
      const double slope = dy / dx;
      // The column is the loop's own (floor of its centre), the row the
      // line's there; a segment near the image needs no clamping on the way.
      auto row = [&](int px) { return a.y() + (px + 0.5 - a.x()) * slope; };
      if (Near(a, b)) {
        for (int px = first; px <= last; ++px) {
          const int py = FloorNear(row(px));
          if (py >= top_ && py < bottom_ && owns(py)) mark(px, py, 255);
        }
      } else {
        for (int px = first; px <= last; ++px) plot(px + 0.5, row(px));
      }
    } else {
      const double y0 = std::min(a.y(), b.y()), y1 = std::max(a.y(), b.y());
      const int first = std::max(top_, Ceil(y0 - 0.5));
      const int last = std::min(bottom_ - 1, Floor(y1 - 0.5));
      const double slope = dx / dy;
      auto column = [&](int py) { return a.x() + (py + 0.5 - a.y()) * slope; };
      if (Near(a, b)) {
        for (int py = first; py <= last; ++py) {
          const int px = FloorNear(column(py));
          if (px >= left_ && px < right_ && owns(py)) mark(px, py, 255);
        }
      } else {
        for (int py = first; py <= last; ++py) plot(column(py), py + 0.5);
      }
    }
    plot(b.x(), b.y());
  }

  // Source over: the curve's colour at each pixel's coverage.
  void blend(QRgb premultiplied) {
    const std::uint32_t sa = qAlpha(premultiplied), sr = qRed(premultiplied), sg = qGreen(premultiplied),
                        sb = qBlue(premultiplied);
    for (std::uint32_t index : touched_) {
      const std::uint32_t c = coverage_[index];
      coverage_[index] = 0;
      const int y = top_ + static_cast<int>(index / static_cast<std::uint32_t>(width_));
      const int x = left_ + static_cast<int>(index % static_cast<std::uint32_t>(width_));
      auto* row = reinterpret_cast<QRgb*>(bits_ + static_cast<std::ptrdiff_t>(y) * stride_);
      const QRgb d = row[x];
      // Channels scaled by coverage, then the destination by what is left.
      const std::uint32_t a = (sa * c + 127) / 255;
      const std::uint32_t keep = 255 - a;
      auto mix = [&](std::uint32_t s, std::uint32_t dc) { return (s * c + 127) / 255 + (dc * keep + 127) / 255; };
      row[x] = qRgba(static_cast<int>(std::min(255u, mix(sr, qRed(d)))),
                     static_cast<int>(std::min(255u, mix(sg, qGreen(d)))),
                     static_cast<int>(std::min(255u, mix(sb, qBlue(d)))),
                     static_cast<int>(std::min(255u, a + (qAlpha(d) * keep + 127) / 255)));
    }
    touched_.clear();
  }

  enum class Mode { Smooth, Hard, Thin };

  Mode mode_ = Mode::Smooth;
  bool startCap_ = true;
  bool direct_ = false;
  QRgb colour_ = 0;
  int left_, right_, top_, bottom_;
  int index_, bands_;
  uchar* bits_;
  qsizetype stride_;
  int width_ = 0;
  std::uint8_t* coverage_ = nullptr;
  std::vector<std::uint32_t> touched_;
};

}  // namespace

void CurveRaster::Draw(QImage& image, const QRect& clip, std::span<const Stroke> strokes, unsigned threads) {
  const QRect area = clip.intersected(image.rect());
  if (area.isEmpty() || strokes.empty() || image.format() != QImage::Format_ARGB32_Premultiplied) return;
  // Detach once here: the threads then only write their own rows.
  uchar* bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  if (threads == 0) threads = WorkSplit::Threads();
  // Small pictures are not worth a thread.
  const std::size_t work = static_cast<std::size_t>(area.width()) * static_cast<std::size_t>(area.height());
  // Aliased lines (many curves) are shared out by columns: a curve runs
  // across the chart, and each thread passes over the segments outside its
  // columns at the cost of a comparison. Antialiased ones by row stripes.
  const bool byColumns = std::none_of(strokes.begin(), strokes.end(), [](const Stroke& s) { return s.Antialiased; });
  const int extent = byColumns ? area.width() : area.height();
  std::size_t bands = work < 200000 ? 1 : std::min<std::size_t>(threads, static_cast<std::size_t>(extent / 32 + 1));
  bands = std::max<std::size_t>(bands, 1);
  WorkSplit::ForEach(
      bands,
      [&](std::size_t b) {
        if (byColumns) {
          const int n = static_cast<int>(bands);
          const int i = static_cast<int>(b);
          const int left = area.left() + static_cast<int>(static_cast<long long>(area.width()) * i / n);
          const int right = area.left() + static_cast<int>(static_cast<long long>(area.width()) * (i + 1) / n);
          Band band(bits, stride, left, right, area.top(), area.bottom() + 1, 0, 1);
          for (const Stroke& s : strokes) band.stroke(s);
          return;
        }
        Band band(bits, stride, area.left(), area.right() + 1, area.top(), area.bottom() + 1, static_cast<int>(b),
                  static_cast<int>(bands));
        for (const Stroke& s : strokes) band.stroke(s);
      },
      nullptr, static_cast<unsigned>(bands));
}

}  // namespace velmora
