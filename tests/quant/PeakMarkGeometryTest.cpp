#include "PeakMarkGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "PeakTable.h"
#include "PeakValue.h"

using namespace velmora;

namespace {

using Kind = TMarkShape::Kind;

// A stripping curve: a sloping background of tens of µA with a Cd peak of
// about 5 µA at -600 mV; 2 mV steps from -1200 mV.
TDataArr CdCurve(double height = 5.0) {
  TDataArr pts;
  for (int i = 0; i <= 600; ++i) {
    const double x = -1200.0 + 2.0 * i;
    const double g = (x + 600.0) / 30.0;
    pts.push_back({x, 20.0 + 0.01 * (x + 1200.0) + height * std::exp(-g * g)});
  }
  return pts;
}

TPeakRecord Measured(const TDataArr& pts, int calcType, int baseline = BaseLineLine, int begin = 250, int end = 350) {
  TPeakRecord p;
  p.Name = "Cd";
  p.BeginIndex = begin;
  p.EndIndex = end;
  p.CalcType = calcType;
  p.BaselineType = baseline;
  CalcPeakValue(pts, nullptr, p);
  return p;
}

const TAxisRanges kAxes{-1200, 0, 15, 40};

std::vector<Kind> KindsOf(const std::vector<TMarkShape>& shapes) {
  std::vector<Kind> out;
  for (const TMarkShape& s : shapes) out.push_back(s.ShapeKind);
  return out;
}

}  // namespace

TEST(PeakMarkGeometry, HeightDrawsBaselineAndArrowFromTopToBaseline) {
  const TDataArr pts = CdCurve();
  const TPeakRecord p = Measured(pts, CalcByHeight);
  const auto shapes = PeakMarkShapes(pts, p, kAxes);
  ASSERT_EQ(KindsOf(shapes), (std::vector<Kind>{Kind::Line, Kind::DoubleArrow}));
  EXPECT_EQ(shapes[0].Points[0], (TMarkPoint{pts[250].X, pts[250].Y}));
  EXPECT_EQ(shapes[0].Points[1], (TMarkPoint{pts[350].X, pts[350].Y}));
  const TMarkShape& arrow = shapes[1];
  EXPECT_DOUBLE_EQ(arrow.Points[0].X, -600.0);  // the top of the peak
  EXPECT_DOUBLE_EQ(arrow.Points[1].X, -600.0);
  // The arrow's length is the measured height.
  EXPECT_NEAR(arrow.Points[0].Y - arrow.Points[1].Y, p.PeakValue, 1e-9);

  // The cubic baseline: begin point, then the cubic from 7 points before
  // to 7 after; the arrow ends on the cubic.
  const TPeakRecord poly = Measured(pts, CalcByHeight, BaseLinePoly);
  const auto cubic = PeakMarkShapes(pts, poly, kAxes);
  ASSERT_EQ(KindsOf(cubic), (std::vector<Kind>{Kind::Polyline, Kind::DoubleArrow}));
  EXPECT_EQ(cubic[0].Points.size(), 1u + (357 - 243 + 1));
  EXPECT_NEAR(cubic[1].Points[0].Y - cubic[1].Points[1].Y, poly.PeakValue, 1e-6);

  // A peak too short for the cubic was measured, and is drawn, with the chord.
  const TPeakRecord shortPoly = Measured(pts, CalcByHeight, BaseLinePoly, 295, 305);
  EXPECT_EQ(PeakMarkShapes(pts, shortPoly, kAxes)[0].ShapeKind, Kind::Line);
}

TEST(PeakMarkGeometry, AreaAndMinMaxTypes) {
  const TDataArr pts = CdCurve();
  const auto area = PeakMarkShapes(pts, Measured(pts, CalcBySquare), kAxes);
  ASSERT_EQ(KindsOf(area), (std::vector<Kind>{Kind::Line}));
  TPeakRecord same = Measured(pts, CalcBySquare);
  same.EndIndex = same.BeginIndex;
  EXPECT_TRUE(PeakMarkShapes(pts, same, kAxes).empty());
  EXPECT_EQ(KindsOf(PeakMarkShapes(pts, Measured(pts, CalcBySquare, BaseLinePoly), kAxes)),
            (std::vector<Kind>{Kind::Polyline}));

  // Minimum and maximum: two horizontal lines and the arrow between them.
  const TPeakRecord mm = Measured(pts, CalcByMinMax);
  const auto minmax = PeakMarkShapes(pts, mm, kAxes);
  ASSERT_EQ(KindsOf(minmax), (std::vector<Kind>{Kind::Line, Kind::Line, Kind::DoubleArrow}));
  const TDataPoint& lo = pts[static_cast<std::size_t>(mm.MarkIndex1)];
  const TDataPoint& hi = pts[static_cast<std::size_t>(mm.MarkIndex2)];
  EXPECT_EQ(minmax[0].Points[0].Y, lo.Y);
  EXPECT_EQ(minmax[0].Points[1].Y, lo.Y);
  EXPECT_EQ(minmax[1].Points[0].Y, hi.Y);
  EXPECT_DOUBLE_EQ(minmax[2].Points[0].X, (lo.X + hi.X) / 2);
  EXPECT_NEAR(minmax[2].Points[0].Y - minmax[2].Points[1].Y, mm.PeakValue, 1e-9);

  // Bilinear: one mark index, so the two tangents and the arrow at it.
  const TPeakRecord bl = Measured(pts, CalcByMinMaxWLines);
  ASSERT_EQ(bl.MarkIndex1, bl.MarkIndex2);
  const auto bilinear = PeakMarkShapes(pts, bl, kAxes);
  ASSERT_EQ(KindsOf(bilinear), (std::vector<Kind>{Kind::Line, Kind::Line, Kind::DoubleArrow}));
  EXPECT_EQ(bilinear[2].Points[0], (TMarkPoint{pts[300].X, bl.MarkY1}));
  EXPECT_EQ(bilinear[2].Points[1], (TMarkPoint{pts[300].X, bl.MarkY2}));
}

TEST(PeakMarkGeometry, TangentTypesAndTheirShortSpanFallbacks) {
  const TDataArr pts = CdCurve();
  const TPeakRecord ip = Measured(pts, CalcIntersection);
  const auto inter = PeakMarkShapes(pts, ip, kAxes);
  ASSERT_EQ(KindsOf(inter), (std::vector<Kind>{Kind::Line, Kind::Line}));
  // Left tangent from the begin point to the end potential, and back.
  EXPECT_DOUBLE_EQ(inter[0].Points[0].X, pts[250].X);
  EXPECT_DOUBLE_EQ(inter[0].Points[1].X, pts[350].X);
  EXPECT_DOUBLE_EQ(inter[0].Points[0].Y, ip.BaseCoef[0] + ip.BaseCoef[1] * pts[250].X);
  EXPECT_DOUBLE_EQ(inter[1].Points[0].X, pts[350].X);
  EXPECT_DOUBLE_EQ(inter[1].Points[1].Y, ip.RightLineCoef[0] + ip.RightLineCoef[1] * pts[250].X);
  // 13 steps were measured as minimum and maximum, and are drawn so.
  const TPeakRecord shortInter = Measured(pts, CalcIntersection, BaseLineLine, 290, 303);
  EXPECT_EQ(PeakMarkShapes(pts, shortInter, kAxes).size(), 3u);

  // Linear correction: the chosen tangent over the whole bottom axis.
  const TPeakRecord l2 = Measured(pts, CalcByMinMaxWLines2);
  ASSERT_TRUE(l2.ChosenLine == 1 || l2.ChosenLine == 2);
  const auto lin2 = PeakMarkShapes(pts, l2, kAxes);
  ASSERT_EQ(KindsOf(lin2), (std::vector<Kind>{Kind::Line, Kind::DoubleArrow}));
  EXPECT_EQ(lin2[0].Points[0].X, kAxes.XMin);
  EXPECT_EQ(lin2[0].Points[1].X, kAxes.XMax);
  const auto& c = l2.ChosenLine == 1 ? l2.BaseCoef : l2.RightLineCoef;
  EXPECT_DOUBLE_EQ(lin2[0].Points[1].Y, c[0] + c[1] * kAxes.XMax);
  EXPECT_NEAR(std::abs(lin2[1].Points[0].Y - lin2[1].Points[1].Y), l2.PeakValue, 1e-9);

  // Wave linearization: its line between the border potentials.
  const TPeakRecord ls = Measured(pts, CalcLinSlope);
  const auto slope = PeakMarkShapes(pts, ls, kAxes);
  ASSERT_EQ(KindsOf(slope), (std::vector<Kind>{Kind::Line}));
  EXPECT_DOUBLE_EQ(slope[0].Points[1].Y, ls.BaseCoef[0] + ls.BaseCoef[1] * pts[350].X);
}

TEST(PeakMarkGeometry, RedOxDifferenceDrawsLineArrowAndValueInBlack) {
  const TDataArr pts = CdCurve();
  TPeakRecord p = Measured(pts, CalcByHeight);
  p.CalcType = CalcPotDiff;
  p.PeakValue = 0;
  EXPECT_TRUE(PeakMarkShapes(pts, p, kAxes).empty());
  p.PeakValue = 62.5;
  p.MarkX1 = -600;
  p.MarkY1 = 25;
  p.MarkX2 = -537.5;
  p.MarkY2 = 15;
  const auto shapes = PeakMarkShapes(pts, p, kAxes);
  ASSERT_EQ(KindsOf(shapes), (std::vector<Kind>{Kind::Line, Kind::DoubleArrow, Kind::ValueText}));
  EXPECT_EQ(shapes[0].Points[0], (TMarkPoint{-600, kAxes.YMin}));
  EXPECT_EQ(shapes[0].Points[1], (TMarkPoint{-600, kAxes.YMax}));
  EXPECT_FALSE(shapes[0].Black);
  EXPECT_TRUE(shapes[1].Black);
  EXPECT_EQ(shapes[1].Points[0], (TMarkPoint{-600, 20}));
  EXPECT_EQ(shapes[1].Points[1], (TMarkPoint{-537.5, 20}));
  EXPECT_EQ(shapes[2].Text, "62.50");
  EXPECT_STREQ(shapes[2].Unit, "mV");  // a potential difference
  EXPECT_DOUBLE_EQ(shapes[2].Points[0].X, -568.75);
}

TEST(PeakMarkGeometry, BordersOutsideThePointsDrawNothing) {
  const TDataArr pts = CdCurve();
  for (int type = 0; type <= 7; ++type) {
    TPeakRecord p = Measured(pts, type);
    p.EndIndex = static_cast<std::int32_t>(pts.size());
    EXPECT_TRUE(PeakMarkShapes(pts, p, kAxes).empty()) << type;
    p.EndIndex = 350;
    p.BeginIndex = -1;
    EXPECT_TRUE(PeakMarkShapes(pts, p, kAxes).empty()) << type;
  }
}

TEST(PeakMarkGeometry, LabelsNameEveryRowAndTheValueOnlyForOneCurve) {
  const TDataArr a = CdCurve();
  const TDataArr b = CdCurve(8.0);
  const TPeaks pa = {Measured(a, CalcByHeight)};
  const TPeaks pb = {Measured(b, CalcByHeight)};
  TElementsPeaksArr table(2);
  table[0].Name = "Cd";
  table[0].BeginPotential = -700;
  table[0].EndPotential = -500;
  table[1].Name = "Pb";  // no width: neither name nor marks
  table[1].BeginPotential = table[1].EndPotential = -400;

  const std::vector<TPeakChartCurve> one = {{&a, &pa}};
  const TPeakMarks single = BuildPeakMarks(table, one, kAxes, true, true);
  ASSERT_EQ(single.Labels.size(), 2u);
  EXPECT_EQ(single.Labels[0].Text, "Cd");
  EXPECT_EQ(single.Labels[0].Line, 0);
  EXPECT_DOUBLE_EQ(single.Labels[0].X, -600);
  EXPECT_EQ(single.Labels[1].Text, MarkValueText(pa[0].PeakValue));
  EXPECT_EQ(single.Labels[1].Line, 1);
  // The value carries its unit, the name none.
  EXPECT_STREQ(single.Labels[1].Unit, "µA");
  EXPECT_EQ(single.Labels[0].Unit, nullptr);
  ASSERT_EQ(single.Geometry.size(), 1u);

  const std::vector<TPeakChartCurve> two = {{&a, &pa}, {&b, &pb}};
  const TPeakMarks both = BuildPeakMarks(table, two, kAxes, true, true);
  ASSERT_EQ(both.Labels.size(), 1u);  // with two curves no value
  ASSERT_EQ(both.Geometry.size(), 2u);
  EXPECT_EQ(both.Geometry[1].Curve, 1u);

  const TPeakMarks groupChart = BuildPeakMarks(table, two, kAxes, true, false);
  EXPECT_TRUE(groupChart.Labels.empty());
  EXPECT_EQ(groupChart.Geometry.size(), 2u);
  EXPECT_EQ(MarkValueText(-3.14159), "-3.14");
  EXPECT_EQ(MarkValueText(1234.567), "1234.57");
}

TEST(PeakMarkGeometry, ArrowheadsFollowThePlotAndPeakHeights) {
  // 150-pixel plot, 30-pixel peak: round(150/20) = 8, 30 <= 40, round(30/5) = 6.
  TArrowPlan p = PlanDoubleArrow({50, 100}, {50, 70}, 150);
  EXPECT_EQ(p.HeadSize, 6);
  EXPECT_EQ(p.ArrowKind, TArrowPlan::Kind::Outward);
  ASSERT_EQ(p.Heads.size(), 2u);
  EXPECT_DOUBLE_EQ(p.Heads[0][0].Y, 100);  // tips at the ends
  EXPECT_DOUBLE_EQ(p.Heads[1][0].Y, 70);
  EXPECT_GT(p.Heads[0][1].Y, 70);  // sides run back inside the segment
  EXPECT_LT(p.Heads[0][1].Y, 100);
  EXPECT_NEAR(std::hypot(p.Heads[0][1].X - 50, p.Heads[0][1].Y - 100), 6, 1e-9);
  EXPECT_NEAR(std::abs(p.Heads[0][1].X - 50), 6 * std::sin(20 * 3.14159265358979 / 180), 1e-9);

  EXPECT_EQ(PlanDoubleArrow({50, 100}, {50, 70}, 300).HeadSize, 10);

  // A 4-pixel peak on a 150-pixel plot: size 10, and only a plain line.
  p = PlanDoubleArrow({50, 100}, {50, 96}, 150);
  EXPECT_EQ(p.HeadSize, 10);
  EXPECT_EQ(p.ArrowKind, TArrowPlan::Kind::Plain);
  EXPECT_TRUE(p.Heads.empty());

  // Short arrows on a tall plot: heads outside, pointing in, line extended.
  p = PlanDoubleArrow({50, 100}, {50, 88}, 400);
  EXPECT_EQ(p.ArrowKind, TArrowPlan::Kind::Inward);
  ASSERT_EQ(p.Segments.size(), 1u);
  EXPECT_DOUBLE_EQ(p.Segments[0].first.Y, 115);
  EXPECT_DOUBLE_EQ(p.Segments[0].second.Y, 73);
  EXPECT_GT(p.Heads[0][1].Y, 100);  // the head at A lies below A

  EXPECT_EQ(PlanDoubleArrow({5, 5}, {5, 5}, 300).ArrowKind, TArrowPlan::Kind::None);
}

TEST(PeakMarkGeometry, BandsBordersAndThreeDimensionalLinks) {
  const TDataArr a = CdCurve();
  const TDataArr b = CdCurve(7.0);
  const TDataArr c = CdCurve(9.0);
  TPeaks pa = {Measured(a, CalcByHeight)};
  const TPeaks pb;  // the middle curve has no Cd
  TPeaks pc = {Measured(c, CalcByHeight, BaseLineLine, 252, 348)};
  TElementsPeaksArr table(1);
  table[0].Name = "Cd";
  table[0].BeginPotential = -700;
  table[0].EndPotential = -500;
  table[0].BordersDiffer = 1;
  table[0].CalcType = CalcByHeight;

  pc[0].EndIndex = static_cast<std::int32_t>(c.size()) + 5;  // cut shorter: no end line
  const std::vector<TPeakChartCurve> curves = {{&a, &pa}, {&b, &pb}, {&c, &pc}};
  const TPeakBandsGeometry g = BuildPeakBands(table, curves);
  ASSERT_EQ(g.Bands.size(), 1u);
  EXPECT_TRUE(g.Bands[0].Cross);
  // The band's pair, then the curves' own borders inside it (light).
  ASSERT_EQ(g.Borders.size(), 5u);
  EXPECT_DOUBLE_EQ(g.Borders[0].X, -700);
  EXPECT_DOUBLE_EQ(g.Borders[1].X, -500);
  EXPECT_FALSE(g.Borders[1].Inner);
  EXPECT_EQ(g.Borders[4].Curve, 2u);
  EXPECT_TRUE(g.Borders[4].Inner);
  EXPECT_DOUBLE_EQ(g.Borders[4].X, c[252].X);

  // Links join the first to the third curve; begin, end and top points,
  // the end link left out where the third curve's end lies outside.
  std::vector<TPeakLink> links = BuildPeakLinks(table, curves);
  ASSERT_EQ(links.size(), 2u);
  EXPECT_EQ(links[0].FromDepth, 2);
  EXPECT_EQ(links[0].ToDepth, 0);
  EXPECT_EQ(links[0].From, (TMarkPoint{a[250].X, a[250].Y}));
  EXPECT_EQ(links[0].To, (TMarkPoint{c[252].X, c[252].Y}));

  pc[0].EndIndex = 348;
  EXPECT_EQ(BuildPeakLinks(table, curves).size(), 3u);
  table[0].CalcType = -1;  // the curves use different types
  EXPECT_TRUE(BuildPeakLinks(table, curves).empty());
  table[0].CalcType = CalcPotDiff;
  EXPECT_TRUE(BuildPeakLinks(table, curves).empty());
}

TEST(PeakMarkGeometry, CurvesThatAgreeOnTheBordersDrawOnePairPerBand) {
  // Twelve parallels of the same sample on one potential grid, the same
  // borders: one pair of lines for the band, not twelve.
  std::vector<TDataArr> points;
  std::vector<TPeaks> peaks;
  for (int k = 0; k < 12; ++k) {
    points.push_back(CdCurve(5.0 + 0.1 * k));
    peaks.push_back({Measured(points.back(), CalcByHeight)});
  }
  auto chartCurves = [&] {
    std::vector<TPeakChartCurve> out;
    for (std::size_t k = 0; k < points.size(); ++k) out.push_back({&points[k], &peaks[k]});
    return out;
  };
  auto table = [&] {
    std::vector<TPeakTableCurve> rows;
    for (std::size_t k = 0; k < points.size(); ++k) rows.push_back({&points[k], &peaks[k]});
    return BuildPeakTable(rows);
  };
  TPeakBandsGeometry g = BuildPeakBands(table(), chartCurves());
  ASSERT_EQ(g.Borders.size(), 2u);
  EXPECT_DOUBLE_EQ(g.Borders[0].X, points[0][250].X);
  EXPECT_DOUBLE_EQ(g.Borders[1].X, points[0][350].X);

  // One parallel measured over other borders: the band's pair at its
  // extremes, and every curve's own borders light inside it.
  peaks[5][0] = Measured(points[5], CalcByHeight, BaseLineLine, 246, 354);
  g = BuildPeakBands(table(), chartCurves());
  EXPECT_TRUE(g.Bands[0].Cross);
  ASSERT_EQ(g.Borders.size(), 26u);
  EXPECT_DOUBLE_EQ(g.Borders[0].X, points[5][246].X);
  EXPECT_DOUBLE_EQ(g.Borders[1].X, points[5][354].X);
  int inner = 0;
  for (const TPeakBorder& b : g.Borders) inner += b.Inner ? 1 : 0;
  EXPECT_EQ(inner, 24);
  // Without a table (the curves' own borders in depth): each curve's.
  EXPECT_EQ(BuildPeakBands({}, chartCurves()).Borders.size(), 24u);
}

// Every type and baseline on a realistic stripping curve and on the wave
// that the semi-integral view makes of it: the marks stay over the peak's
// band (the cubic baseline up to seven points beyond it), except the two
// lines drawn across the chart on purpose: the chosen tangent of the linear
// correction and the potential line of the Red/Ox difference.
TEST(PeakMarkGeometry, MarksOfEveryTypeStayOverTheBand) {
  TDataArr wave;
  for (int i = 0; i <= 600; ++i) {
    const double x = -1200.0 + 2.0 * i;
    wave.push_back({x, 20.0 + 0.01 * (x + 1200.0) + 8.0 / (1.0 + std::exp(-(x + 600.0) / 12.0))});
  }
  for (const TDataArr& pts : {CdCurve(), wave}) {
    for (int type = CalcByHeight; type <= CalcByMinMaxWLines2; ++type) {
      for (int baseline : {BaseLineLine, BaseLinePoly}) {
        TPeakRecord p = Measured(pts, type, baseline);
        p.MarkX1 = p.MarkX2 = pts[300].X;  // a Red/Ox difference with itself
        const double lo = pts[250 - 7].X, hi = pts[350 + 7].X;
        for (const TMarkShape& s : PeakMarkShapes(pts, p, kAxes)) {
          if (type == CalcByMinMaxWLines2 && s.ShapeKind == Kind::Line && s.Points[0].X == kAxes.XMin) continue;
          for (const TMarkPoint& q : s.Points) {
            EXPECT_GE(q.X, lo) << "type " << type << " baseline " << baseline;
            EXPECT_LE(q.X, hi) << "type " << type << " baseline " << baseline;
          }
        }
      }
    }
  }
}
