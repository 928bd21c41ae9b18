#include "PeakMarkGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <optional>

#include "Numbers.h"
#include "PeakFormat.h"
#include "PeakValue.h"

namespace velmora {

namespace {

using Kind = TMarkShape::Kind;

TMarkShape line(TMarkPoint a, TMarkPoint b) { return {Kind::Line, {a, b}, false, {}}; }
TMarkShape arrow(TMarkPoint a, TMarkPoint b) { return {Kind::DoubleArrow, {a, b}, false, {}}; }

TMarkPoint at(const TDataPoint& p) { return {p.X, p.Y}; }

double lineAt(const std::array<double, 4>& c, double x) { return c[0] + c[1] * x; }
double cubicAt(const std::array<double, 4>& c, double x) { return c[0] + x * (c[1] + x * (c[2] + x * c[3])); }

int spanOf(const TPeakRecord& p) { return std::abs(p.EndIndex - p.BeginIndex); }

// The cubic baseline: the begin point, then the cubic at the potentials of
// the points from seven before the peak to seven after it.
TMarkShape cubicBaseline(const TDataArr& pts, const TPeakRecord& p) {
  const std::int32_t b = std::min(p.BeginIndex, p.EndIndex);
  const std::int32_t e = std::max(p.BeginIndex, p.EndIndex);
  TMarkShape s{Kind::Polyline, {}, false, {}};
  s.Points.push_back(at(pts[static_cast<std::size_t>(p.BeginIndex)]));
  const std::int32_t last = static_cast<std::int32_t>(pts.size()) - 1;
  for (std::int32_t i = std::max(0, b - 7); i <= std::min(last, e + 7); ++i) {
    const double x = pts[static_cast<std::size_t>(i)].X;
    s.Points.push_back({x, cubicAt(p.BaseCoef, x)});
  }
  return s;
}

void straightBaseline(std::vector<TMarkShape>& out, const TDataArr& pts, const TPeakRecord& p) {
  if (p.BeginIndex == p.EndIndex) return;
  out.push_back(line(at(pts[static_cast<std::size_t>(p.BeginIndex)]), at(pts[static_cast<std::size_t>(p.EndIndex)])));
}

void drawHeight(std::vector<TMarkShape>& out, const TDataArr& pts, const TPeakRecord& p) {
  const TDataPoint& pb = pts[static_cast<std::size_t>(p.BeginIndex)];
  const TDataPoint& pe = pts[static_cast<std::size_t>(p.EndIndex)];
  const TDataPoint* top = PointAt(pts, p.MarkIndex2);
  // A cubic was fitted only over spans long enough for it; shorter ones
  // were measured from the straight baseline.
  if (p.BaselineType == BaseLinePoly && spanOf(p) >= kMinTangentSpan) {
    out.push_back(cubicBaseline(pts, p));
    if (top) out.push_back(arrow(at(*top), {top->X, cubicAt(p.BaseCoef, top->X)}));
    return;
  }
  out.push_back(line(at(pb), at(pe)));
  const TDataPoint* m1 = PointAt(pts, p.MarkIndex1);
  if (!top || !m1 || pe.X == pb.X) return;
  const double slope = (pe.Y - pb.Y) / (pe.X - pb.X);
  out.push_back(arrow(at(*top), {top->X, m1->Y + (top->X - m1->X) * slope}));
}

void drawArea(std::vector<TMarkShape>& out, const TDataArr& pts, const TPeakRecord& p) {
  if (p.BaselineType == BaseLinePoly && spanOf(p) >= kMinTangentSpan) {
    out.push_back(cubicBaseline(pts, p));
  } else {
    straightBaseline(out, pts, p);
  }
}

void drawMinMax(std::vector<TMarkShape>& out, const TDataArr& pts, const TPeakRecord& p) {
  if (p.BeginIndex == p.EndIndex) return;
  const TDataPoint* lo = PointAt(pts, p.MarkIndex1);
  const TDataPoint* hi = PointAt(pts, p.MarkIndex2);
  if (!lo || !hi) return;
  out.push_back(line({lo->X, lo->Y}, {hi->X, lo->Y}));
  out.push_back(line({lo->X, hi->Y}, {hi->X, hi->Y}));
  const double mid = (lo->X + hi->X) / 2;
  out.push_back(arrow({mid, hi->Y}, {mid, lo->Y}));
}

void drawTangents(std::vector<TMarkShape>& out, const TDataArr& pts, const TPeakRecord& p) {
  const double xb = pts[static_cast<std::size_t>(p.BeginIndex)].X;
  const double xe = pts[static_cast<std::size_t>(p.EndIndex)].X;
  out.push_back(line({xb, lineAt(p.BaseCoef, xb)}, {xe, lineAt(p.BaseCoef, xe)}));
  out.push_back(line({xe, lineAt(p.RightLineCoef, xe)}, {xb, lineAt(p.RightLineCoef, xb)}));
}

// The measured segment of the tangent types at MarkIndex1.
void tangentArrow(std::vector<TMarkShape>& out, const TDataArr& pts, const TPeakRecord& p) {
  const double xb = pts[static_cast<std::size_t>(p.BeginIndex)].X;
  const double xe = pts[static_cast<std::size_t>(p.EndIndex)].X;
  const TDataPoint* m = PointAt(pts, p.MarkIndex1);
  if (!m || xb == xe) return;
  out.push_back(arrow({m->X, p.MarkY1}, {m->X, p.MarkY2}));
}

void drawPotDiff(std::vector<TMarkShape>& out, const TPeakRecord& p, const TAxisRanges& axes) {
  if (p.PeakValue == 0.0) return;
  out.push_back(line({p.MarkX1, axes.YMin}, {p.MarkX1, axes.YMax}));
  const double y = (p.MarkY1 + p.MarkY2) / 2;
  TMarkShape a = arrow({p.MarkX1, y}, {p.MarkX2, y});
  a.Black = true;
  out.push_back(a);
  TMarkShape t{
      Kind::ValueText, {{(p.MarkX1 + p.MarkX2) / 2, y}}, true, MarkValueText(p.PeakValue), CalcTypeUnit(p.CalcType)};
  out.push_back(t);
}

}  // namespace

const TDataPoint* PointAt(const TDataArr& points, std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= points.size()) return nullptr;
  return &points[static_cast<std::size_t>(index)];
}

const TPeakRecord* FindPeakByName(const TPeaks& peaks, const std::string& name) {
  for (const TPeakRecord& p : peaks) {
    if (p.Name == name) return &p;
  }
  return nullptr;
}

std::string MarkValueText(double value) { return FormatFixed(value, 18, 2); }

std::vector<TMarkShape> PeakMarkShapes(const TDataArr& points, const TPeakRecord& peak, const TAxisRanges& axes) {
  std::vector<TMarkShape> out;
  if (!PointAt(points, peak.BeginIndex) || !PointAt(points, peak.EndIndex)) return out;
  const bool shortSpan = spanOf(peak) < kMinTangentSpan;
  switch (peak.CalcType) {
    case CalcByHeight:
      drawHeight(out, points, peak);
      break;
    case CalcBySquare:
      drawArea(out, points, peak);
      break;
    case CalcByMinMax:
      drawMinMax(out, points, peak);
      break;
    case CalcByMinMaxWLines:
      if (shortSpan || peak.MarkIndex1 != peak.MarkIndex2) {
        drawMinMax(out, points, peak);
      } else {
        drawTangents(out, points, peak);
        tangentArrow(out, points, peak);
      }
      break;
    case CalcIntersection:
      // Short spans were measured as minimum and maximum.
      if (shortSpan) {
        drawMinMax(out, points, peak);
      } else {
        drawTangents(out, points, peak);
      }
      break;
    case CalcPotDiff:
      drawPotDiff(out, peak, axes);
      break;
    case CalcLinSlope: {
      const double xb = points[static_cast<std::size_t>(peak.BeginIndex)].X;
      const double xe = points[static_cast<std::size_t>(peak.EndIndex)].X;
      out.push_back(line({xb, lineAt(peak.BaseCoef, xb)}, {xe, lineAt(peak.BaseCoef, xe)}));
      break;
    }
    case CalcByMinMaxWLines2:
      if (shortSpan || peak.MarkIndex1 != peak.MarkIndex2) {
        drawMinMax(out, points, peak);
      } else {
        if (peak.ChosenLine == 1 || peak.ChosenLine == 2) {
          const auto& c = peak.ChosenLine == 1 ? peak.BaseCoef : peak.RightLineCoef;
          out.push_back(line({axes.XMin, lineAt(c, axes.XMin)}, {axes.XMax, lineAt(c, axes.XMax)}));
        }
        tangentArrow(out, points, peak);
      }
      break;
    default:
      break;
  }
  return out;
}

std::vector<TMarkShape> PeakMarkShapesOfType(const TDataArr& points, const TPeakRecord& peak, int calcType,
                                             const TAxisRanges& axes) {
  TPeakRecord p = peak;
  p.CalcType = calcType;
  p.BaselineType = BaseLineLine;
  return PeakMarkShapes(points, p, axes);
}

TPeakMarks BuildPeakMarks(const TElementsPeaksArr& table, std::span<const TPeakChartCurve> curves,
                          const TAxisRanges& axes, bool geometry, bool labels) {
  TPeakMarks out;
  for (const TElementPeak& row : table) {
    if (row.BeginPotential == row.EndPotential) continue;
    const double cx = (row.BeginPotential + row.EndPotential) / 2;
    if (labels) out.Labels.push_back({cx, 0, row.Name});
    if (!geometry) continue;
    if (labels && curves.size() == 1 && curves[0].Peaks) {
      if (const TPeakRecord* p = FindPeakByName(*curves[0].Peaks, row.Name)) {
        out.Labels.push_back({cx, 1, MarkValueText(p->PeakValue), CalcTypeUnit(p->CalcType)});
      }
    }
    for (std::size_t k = 0; k < curves.size(); ++k) {
      if (!curves[k].Points || !curves[k].Peaks) continue;
      const TPeakRecord* p = FindPeakByName(*curves[k].Peaks, row.Name);
      if (!p) continue;
      std::vector<TMarkShape> shapes = PeakMarkShapes(*curves[k].Points, *p, axes);
      if (!shapes.empty()) out.Geometry.push_back({k, std::move(shapes)});
    }
  }
  return out;
}

TArrowPlan PlanDoubleArrow(TPixel a, TPixel b, double plotHeight) {
  TArrowPlan plan;
  if (a.X == b.X && a.Y == b.Y) return plan;
  const double dy = std::abs(b.Y - a.Y);
  int s = 10;
  if (plotHeight < 200) {
    s = static_cast<int>(RoundHalfEven(plotHeight / 20));
    if (dy <= 5.0 * s) {
      s = static_cast<int>(RoundHalfEven(dy / 5));
      if (s < 5) s = 10;
    }
  }
  plan.HeadSize = s;
  if (plotHeight < 20.0 * s && dy < 5.0 * s) {
    plan.ArrowKind = TArrowPlan::Kind::Plain;
    plan.Segments.push_back({a, b});
    return plan;
  }
  const double len = std::hypot(b.X - a.X, b.Y - a.Y);
  // Unit vector from A towards B.
  const double ux = (b.X - a.X) / len;
  const double uy = (b.Y - a.Y) / len;
  const double c = std::cos(20.0 * std::numbers::pi / 180.0);
  const double sn = std::sin(20.0 * std::numbers::pi / 180.0);
  // A head with its tip at `tip`, its sides running back along (dx, dy).
  auto head = [&](TPixel tip, double dx, double dy2) {
    const TPixel l{tip.X + s * (dx * c - dy2 * sn), tip.Y + s * (dx * sn + dy2 * c)};
    const TPixel r{tip.X + s * (dx * c + dy2 * sn), tip.Y + s * (-dx * sn + dy2 * c)};
    return std::array<TPixel, 3>{tip, l, r};
  };
  if (len > 2.0 * s) {
    plan.ArrowKind = TArrowPlan::Kind::Outward;
    plan.Segments.push_back({a, b});
    plan.Heads.push_back(head(a, ux, uy));
    plan.Heads.push_back(head(b, -ux, -uy));
  } else {
    plan.ArrowKind = TArrowPlan::Kind::Inward;
    const double ext = 1.5 * s;
    plan.Segments.push_back({{a.X - ux * ext, a.Y - uy * ext}, {b.X + ux * ext, b.Y + uy * ext}});
    plan.Heads.push_back(head(a, -ux, -uy));
    plan.Heads.push_back(head(b, ux, uy));
  }
  return plan;
}

TPeakBandsGeometry BuildPeakBands(const TElementsPeaksArr& table, std::span<const TPeakChartCurve> curves) {
  TPeakBandsGeometry g;
  for (const TElementPeak& row : table)
    g.Bands.push_back({row.BeginPotential, row.EndPotential, row.BordersDiffer != 0});
  // Each row's pair once, at the curve that first holds the peak.
  std::vector<bool> paired(table.size(), false);
  for (std::size_t k = 0; k < curves.size(); ++k) {
    if (!curves[k].Points || !curves[k].Peaks) continue;
    for (const TPeakRecord& p : *curves[k].Peaks) {
      const TDataPoint* begin = PointAt(*curves[k].Points, p.BeginIndex);
      const TDataPoint* end = PointAt(*curves[k].Points, p.EndIndex);
      const auto row = std::find_if(table.begin(), table.end(), [&](const TElementPeak& r) {
        return r.Name == p.Name && r.BeginPotential != r.EndPotential;
      });
      if (row == table.end()) {
        for (const TDataPoint* pt : {begin, end})
          if (pt) g.Borders.push_back({k, pt->X, false});
        continue;
      }
      const std::size_t i = static_cast<std::size_t>(row - table.begin());
      if (!paired[i] && begin && end) {
        paired[i] = true;
        g.Borders.push_back({k, row->BeginPotential, false});
        g.Borders.push_back({k, row->EndPotential, false});
      }
      if (!row->BordersDiffer) continue;
      for (const TDataPoint* pt : {begin, end})
        if (pt) g.Borders.push_back({k, pt->X, true});
    }
  }
  return g;
}

namespace {

// The points of a peak that the links of its type join, in a fixed order;
// nothing when the pair cannot be formed.
std::vector<TMarkPoint> linkPoints(const TDataArr& pts, const TPeakRecord& p, int type, bool& ok) {
  ok = true;
  std::vector<TMarkPoint> out;
  auto byIndex = [&](std::int32_t i) -> std::optional<TMarkPoint> {
    if (const TDataPoint* q = PointAt(pts, i)) return TMarkPoint{q->X, q->Y};
    return std::nullopt;
  };
  switch (type) {
    case CalcByHeight:
    case CalcBySquare: {
      std::vector<std::int32_t> idx = {p.BeginIndex, p.EndIndex};
      if (type == CalcByHeight) idx.push_back(p.MarkIndex2);
      for (std::int32_t i : idx) {
        // A missing point leaves a hole that the other curve cannot fill.
        const auto q = byIndex(i);
        out.push_back(q.value_or(TMarkPoint{NAN, NAN}));
      }
      break;
    }
    case CalcByMinMax: {
      const auto a = byIndex(p.MarkIndex2);
      const auto b = byIndex(p.MarkIndex1);
      if (!a || !b) {
        ok = false;
        break;
      }
      out = {*a, *b};
      break;
    }
    case CalcByMinMaxWLines: {
      const auto m = byIndex(p.MarkIndex1);
      if (!m) {
        ok = false;
        break;
      }
      out = {{m->X, p.MarkY1}, {m->X, p.MarkY2}};
      break;
    }
    case CalcIntersection:
      out = {{p.MarkX1, p.MarkY1}};
      break;
    case CalcByMinMaxWLines2: {
      const auto m = byIndex(p.MarkIndex1);
      if (!m) {
        ok = false;
        break;
      }
      out = {{m->X, p.MarkY2}};
      break;
    }
    default:
      ok = false;
      break;
  }
  return out;
}

}  // namespace

std::vector<TPeakLink> BuildPeakLinks(const TElementsPeaksArr& table, std::span<const TPeakChartCurve> curves) {
  std::vector<TPeakLink> links;
  const std::size_t n = curves.size();
  for (const TElementPeak& row : table) {
    const int type = row.CalcType;
    if (type < 0 || type == CalcPotDiff || type == CalcLinSlope || type > CalcByMinMaxWLines2) continue;
    const TPeakRecord* prev = nullptr;
    std::size_t prevCurve = 0;
    for (std::size_t k = 0; k < n; ++k) {
      if (!curves[k].Points || !curves[k].Peaks) continue;
      const TPeakRecord* p = FindPeakByName(*curves[k].Peaks, row.Name);
      if (!p) continue;
      if (prev) {
        bool okA = false, okB = false;
        const auto a = linkPoints(*curves[prevCurve].Points, *prev, type, okA);
        const auto b = linkPoints(*curves[k].Points, *p, type, okB);
        bool join = okA && okB && a.size() == b.size();
        if (type == CalcIntersection) join = join && prev->MarkX1 != 0.0 && p->MarkX1 != 0.0;
        if (type == CalcByMinMaxWLines2) {
          join = join && prev->ChosenLine == p->ChosenLine && (p->ChosenLine == 1 || p->ChosenLine == 2);
        }
        if (join) {
          for (std::size_t i = 0; i < a.size(); ++i) {
            if (std::isnan(a[i].X) || std::isnan(b[i].X)) continue;
            links.push_back({a[i], CurveDepth(prevCurve, n), b[i], CurveDepth(k, n)});
          }
        }
      }
      prev = p;
      prevCurve = k;
    }
  }
  return links;
}

}  // namespace velmora
