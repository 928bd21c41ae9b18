#pragma once

#include <span>
#include <string>
#include <vector>

namespace velmora {

// A rectangle in chart pixels, y growing downwards.
struct TLabelBox {
  double Left = 0.0;
  double Top = 0.0;
  double Right = 0.0;
  double Bottom = 0.0;

  double Width() const { return Right - Left; }
  double Height() const { return Bottom - Top; }
  double CentreX() const { return (Left + Right) / 2; }
  double CentreY() const { return (Top + Bottom) / 2; }
  // Boxes that only touch along an edge do not overlap.
  bool Overlaps(const TLabelBox& other) const;
  // The area the two boxes share; 0 when they do not overlap.
  double OverlapArea(const TLabelBox& other) const;
  bool Within(const TLabelBox& frame) const;
  // Whether the segment (x1, y1)–(x2, y2) passes through the box's inside.
  bool Crosses(double x1, double y1, double x2, double y2) const;
  // The box moved the least that lies within `frame`; along an axis where it
  // is larger than the frame it is centred on the frame.
  TLabelBox ShiftedInto(const TLabelBox& frame) const;

  static TLabelBox Centred(double x, double y, double width, double height);
};

// Where a label went.
struct TLabelPlacement {
  enum class Kind {
    Beside,   // next to its point, or at the caller's first free candidate
    Leader,   // farther off, joined to its point by a thin line
    Dropped,  // a neighbour nearby already shows the same text
    Crowded,  // no free place: kept where it covers the least
  };
  Kind PlacementKind = Kind::Beside;
  TLabelBox Box;  // empty for Dropped
  // The leader line from the point's mark to the box (Leader only).
  double LeaderX1 = 0.0, LeaderY1 = 0.0, LeaderX2 = 0.0, LeaderY2 = 0.0;
};

// Places the value labels of a chart so that they stay legible: every label
// keeps inside the plot frame, clear of the labels placed before it and of
// the obstacles (points, marks, a legend), and crosses as few of the chart's
// lines as it can. Labels are placed in the order they are asked for, so
// the most important go first. Pure geometry in pixels.
class LabelPlacer {
 public:
  explicit LabelPlacer(const TLabelBox& frame);

  // Pixels between a point's mark and its label.
  double Gap = 3.0;
  // Labels of points closer than this that would show the same text are
  // left out rather than pushed away.
  double NeighbourDistance = 40.0;

  // A place no label may cover.
  void AddObstacle(const TLabelBox& box);
  // A point's mark: a square `radius` pixels around (x, y).
  void AddPoint(double x, double y, double radius);
  // A line that labels avoid where they can.
  void AddSegment(double x1, double y1, double x2, double y2);

  // The label `width` × `height` of the point (x, y) with a mark `radius`
  // pixels around it: above, below, right, left or diagonally off the
  // point; else, when a near neighbour already shows `text`, dropped; else
  // farther off on a leader line (one that passes other labels only when
  // they ring the point in); else kept where it covers the least. A
  // label repeating the text of a point whose mark touches this one's is
  // always dropped.
  TLabelPlacement PlaceAtPoint(double x, double y, double radius, double width, double height, const std::string& text);

  // A label at the first of the caller's `candidates` (in preference order,
  // each shifted into the frame) that clears the labels and obstacles;
  // Crowded at the one covering the least otherwise. Nothing for an empty
  // list.
  TLabelPlacement PlaceAmong(std::span<const TLabelBox> candidates);

  const TLabelBox& Frame() const { return frame_; }
  // The boxes of the labels placed so far.
  const std::vector<TLabelBox>& Placed() const { return placed_; }

 private:
  struct Segment {
    double X1, Y1, X2, Y2;
  };
  struct Shown {
    double X, Y;
    std::string Text;
  };

  bool free(const TLabelBox& box) const;
  int crossings(const TLabelBox& box) const;
  double covered(const TLabelBox& box) const;
  int labelsCrossed(double x1, double y1, double x2, double y2) const;
  TLabelPlacement keep(TLabelPlacement placement, double x, double y, const std::string& text);

  TLabelBox frame_;
  std::vector<TLabelBox> obstacles_;
  std::vector<Segment> segments_;
  std::vector<TLabelBox> placed_;
  std::vector<Shown> shown_;
};

}  // namespace velmora
