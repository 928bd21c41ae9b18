#include "LabelPlacer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Numbers.h"

using namespace velmora;

namespace {

using Kind = TLabelPlacement::Kind;

// The plot frame of a printed calculation chart (700 × 467 pixels).
const TLabelBox kFrame{52, 12, 688, 430};
constexpr double kRadius = 4.0;  // the points' circles
constexpr double kTextHeight = 14.0;

// A value's text as the chart writes it, about 6.5 pixels a character.
std::string Text(double value) { return FormatShortest(std::round(value * 1e4) / 1e4); }
double WidthOf(const std::string& text) { return 6.5 * static_cast<double>(text.size()) + 2; }

struct Point {
  double X, Y;  // pixels
  std::string Text;
};

// Data coordinates to pixels over the frame.
struct Axes {
  double X0, X1, Y0, Y1;
  double px(double x) const { return kFrame.Left + (x - X0) / (X1 - X0) * kFrame.Width(); }
  double py(double y) const { return kFrame.Bottom - (y - Y0) / (Y1 - Y0) * kFrame.Height(); }
};

struct Layout {
  std::vector<Point> Points;
  std::vector<TLabelPlacement> Placements;
};

// Every point a mark, every line a segment, then every label in order.
Layout Place(LabelPlacer& placer, std::vector<Point> points) {
  for (const Point& p : points) placer.AddPoint(p.X, p.Y, kRadius);
  Layout out;
  for (const Point& p : points)
    out.Placements.push_back(placer.PlaceAtPoint(p.X, p.Y, kRadius, WidthOf(p.Text), kTextHeight, p.Text));
  out.Points = std::move(points);
  return out;
}

// What a reader needs: every shown label inside the frame, clear of the
// other labels and of every point; a label left out only where a point
// within reach shows the same text.
void ExpectLegible(const Layout& l, double neighbourDistance = 40.0) {
  ASSERT_EQ(l.Points.size(), l.Placements.size());
  for (std::size_t i = 0; i < l.Placements.size(); ++i) {
    const TLabelPlacement& a = l.Placements[i];
    if (a.PlacementKind == Kind::Dropped) {
      bool said = false;
      for (std::size_t j = 0; j < l.Placements.size(); ++j) {
        said =
            said || (j != i && l.Placements[j].PlacementKind != Kind::Dropped && l.Points[j].Text == l.Points[i].Text &&
                     std::hypot(l.Points[j].X - l.Points[i].X, l.Points[j].Y - l.Points[i].Y) <= neighbourDistance);
      }
      EXPECT_TRUE(said) << "label " << i << " " << l.Points[i].Text << " lost";
      continue;
    }
    EXPECT_NE(a.PlacementKind, Kind::Crowded) << "label " << i;
    EXPECT_TRUE(a.Box.Within(kFrame)) << "label " << i << " leaves the frame";
    EXPECT_NEAR(a.Box.Width(), WidthOf(l.Points[i].Text), 1e-9);
    for (std::size_t j = 0; j < l.Placements.size(); ++j) {
      if (j != i && l.Placements[j].PlacementKind != Kind::Dropped) {
        EXPECT_FALSE(a.Box.Overlaps(l.Placements[j].Box)) << "labels " << i << " and " << j;
      }
      const Point& p = l.Points[j];
      EXPECT_FALSE(a.Box.Overlaps({p.X - kRadius, p.Y - kRadius, p.X + kRadius, p.Y + kRadius}))
          << "label " << i << " covers point " << j;
    }
  }
}

int Count(const Layout& l, Kind kind) {
  int n = 0;
  for (const TLabelPlacement& p : l.Placements) n += p.PlacementKind == kind ? 1 : 0;
  return n;
}

}  // namespace

TEST(LabelPlacer, BoxGeometry) {
  const TLabelBox b{10, 10, 50, 24};
  EXPECT_TRUE(b.Overlaps({49, 23, 60, 30}));
  EXPECT_FALSE(b.Overlaps({50, 10, 60, 24}));  // touching edges
  EXPECT_DOUBLE_EQ(b.OverlapArea({40, 20, 60, 30}), 40.0);

  EXPECT_TRUE(b.Crosses(0, 0, 60, 30));      // through the box
  EXPECT_TRUE(b.Crosses(30, 17, 31, 18));    // wholly inside
  EXPECT_FALSE(b.Crosses(0, 10, 100, 10));   // along the top edge
  EXPECT_FALSE(b.Crosses(60, 0, 100, 100));  // its line would, the segment does not
  EXPECT_FALSE(b.Crosses(0, 15, 15, 0));     // passes the top-left corner outside

  const TLabelBox frame{0, 0, 100, 50};
  const TLabelBox right = TLabelBox{90, 45, 130, 59}.ShiftedInto(frame);
  EXPECT_DOUBLE_EQ(right.Left, 60);
  EXPECT_DOUBLE_EQ(right.Top, 36);
  const TLabelBox wide = TLabelBox{-20, 5, 130, 19}.ShiftedInto(frame);
  EXPECT_DOUBLE_EQ(wide.Left, -25);  // centred: too wide to fit
  EXPECT_DOUBLE_EQ(wide.Top, 5);
}

TEST(LabelPlacer, ALoneLabelSitsAboveItsPointAndTurnsAwayFromTheFrameAndTheLine) {
  LabelPlacer placer(kFrame);
  placer.AddPoint(300, 200, kRadius);
  TLabelPlacement p = placer.PlaceAtPoint(300, 200, kRadius, 40, kTextHeight, "1.234");
  EXPECT_EQ(p.PlacementKind, Kind::Beside);
  EXPECT_DOUBLE_EQ(p.Box.CentreX(), 300);
  EXPECT_DOUBLE_EQ(p.Box.Bottom, 200 - kRadius - placer.Gap);

  // At the top right corner there is room only below and to the left.
  p = placer.PlaceAtPoint(680, 16, kRadius, 40, kTextHeight, "9.87");
  EXPECT_TRUE(p.Box.Within(kFrame));
  EXPECT_LE(p.Box.Right, 680 - kRadius);
  EXPECT_GE(p.Box.Top, 16 + kRadius);
  // At the left edge, low down: above, but not past the frame's left side.
  p = placer.PlaceAtPoint(54, 428, kRadius, 40, kTextHeight, "0");
  EXPECT_TRUE(p.Box.Within(kFrame));
  EXPECT_LT(p.Box.Bottom, 428);

  // A steep line through the space above sends the label elsewhere.
  LabelPlacer lined(kFrame);
  lined.AddSegment(280, 300, 320, 100);
  p = lined.PlaceAtPoint(300, 200, kRadius, 40, kTextHeight, "2.5");
  EXPECT_EQ(p.PlacementKind, Kind::Beside);
  EXPECT_FALSE(p.Box.Crosses(280, 300, 320, 100));
}

TEST(LabelPlacer, TenStandardsOfACalibrationKeepOffTheLine) {
  // 10 standards 1..10 µg/dm³ on a rising line; the labels keep clear of
  // the fitted line, which runs from the origin to past the last standard.
  const Axes axes{-0.5, 10.5, -0.3, 6.0};
  LabelPlacer placer(kFrame);
  const double x0 = axes.px(0), y0 = axes.py(0), x1 = axes.px(10.5), y1 = axes.py(0.55 * 10.5);
  placer.AddSegment(x0, y0, x1, y1);
  std::vector<Point> points;
  for (int c = 1; c <= 10; ++c) {
    const double y = 0.55 * c + (c % 2 == 0 ? 0.02 : -0.03);
    points.push_back({axes.px(c), axes.py(y), Text(y)});
  }
  const Layout l = Place(placer, points);
  ExpectLegible(l);
  EXPECT_EQ(Count(l, Kind::Beside), 10);
  for (const TLabelPlacement& p : l.Placements) EXPECT_FALSE(p.Box.Crosses(x0, y0, x1, y1));
}

TEST(LabelPlacer, ACrowdedClusterDropsRepeatedValuesAndLeadsTheOthersAway) {
  // Twenty parallels of one standard within a few pixels, ten distinct
  // values among them: repeated values are said once, and what finds no
  // place beside the cluster goes farther off on a leader line.
  std::vector<Point> points;
  for (int i = 0; i < 20; ++i) {
    const double y = 2.5 + 0.001 * (i % 10);
    points.push_back({400.0 + (i % 3), 220.0 - (i % 5), Text(y)});
  }
  LabelPlacer placer(kFrame);
  const Layout l = Place(placer, points);
  ExpectLegible(l);
  EXPECT_EQ(Count(l, Kind::Beside) + Count(l, Kind::Leader), 10);
  EXPECT_EQ(Count(l, Kind::Dropped), 10);
  EXPECT_GE(Count(l, Kind::Leader), 2);  // eight places at most beside it
  for (std::size_t i = 0; i < l.Placements.size(); ++i) {
    const TLabelPlacement& p = l.Placements[i];
    if (p.PlacementKind != Kind::Leader) continue;
    // From the mark's edge to the nearest edge of the label.
    EXPECT_NEAR(std::hypot(p.LeaderX1 - l.Points[i].X, p.LeaderY1 - l.Points[i].Y), kRadius, 1e-9);
    EXPECT_GE(p.LeaderX2, p.Box.Left);
    EXPECT_LE(p.LeaderX2, p.Box.Right);
    EXPECT_GE(p.LeaderY2, p.Box.Top);
    EXPECT_LE(p.LeaderY2, p.Box.Bottom);
    EXPECT_TRUE(p.LeaderX2 == p.Box.Left || p.LeaderX2 == p.Box.Right || p.LeaderY2 == p.Box.Top ||
                p.LeaderY2 == p.Box.Bottom);
  }
}

TEST(LabelPlacer, PeakNamesOfCloseBandsStackUpwards) {
  // Cd, Pb and Cu bands 30 pixels apart: the names at the bottom of the
  // plot, each raised a row until it clears the others.
  LabelPlacer placer(kFrame);
  const double row = kTextHeight;
  std::vector<TLabelPlacement> got;
  for (double x : {300.0, 330.0, 360.0, 600.0, 686.0}) {
    std::vector<TLabelBox> rows;
    for (int k = 0; k < 4; ++k)
      rows.push_back({x - 20, kFrame.Bottom - (k + 1) * row, x + 20, kFrame.Bottom - k * row});
    got.push_back(placer.PlaceAmong(rows));
  }
  for (const TLabelPlacement& p : got) EXPECT_EQ(p.PlacementKind, Kind::Beside);
  EXPECT_DOUBLE_EQ(got[0].Box.Bottom, kFrame.Bottom);
  EXPECT_DOUBLE_EQ(got[1].Box.Bottom, kFrame.Bottom - row);
  EXPECT_DOUBLE_EQ(got[2].Box.Bottom, kFrame.Bottom);  // clear of the first
  EXPECT_DOUBLE_EQ(got[3].Box.Bottom, kFrame.Bottom);
  EXPECT_DOUBLE_EQ(got[4].Box.Right, kFrame.Right);  // pulled in from the edge
  EXPECT_DOUBLE_EQ(got[4].Box.Bottom, kFrame.Bottom);
}
