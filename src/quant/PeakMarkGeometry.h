#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "TDataPoint.h"
#include "TElementPeak.h"
#include "TPeakRecord.h"

namespace velmora {

// One curve of a chart as the peak drawing sees it: its displayed points
// (those its series holds) and its peaks with fresh values.
struct TPeakChartCurve {
  const TDataArr* Points = nullptr;
  const TPeaks* Peaks = nullptr;
};

// The visible ranges of a chart's axes, in data units.
struct TAxisRanges {
  double XMin = 0.0;
  double XMax = 1.0;
  double YMin = 0.0;
  double YMax = 1.0;
};

struct TMarkPoint {
  double X = 0.0;
  double Y = 0.0;
  friend bool operator==(const TMarkPoint&, const TMarkPoint&) = default;
};

// One element of a peak's measurement drawing, in data coordinates.
struct TMarkShape {
  enum class Kind {
    Line,         // Points[0] to Points[1]
    Polyline,     // through every point
    DoubleArrow,  // Points[0] to Points[1] with arrowheads (see PlanDoubleArrow)
    ValueText,    // Text centred on Points[0].X, two text heights above Points[0].Y
  };
  Kind ShapeKind = Kind::Line;
  std::vector<TMarkPoint> Points;
  bool Black = false;  // drawn in black rather than in the curve's colour
  std::string Text;
  const char* Unit = nullptr;  // the value's unit (catalogue text), ValueText only
};

// The measurement drawing of one peak of one curve by its calculation type
// and baseline type. Nothing for a peak whose border indexes lie outside the
// points; degenerate parts (equal borders, a vertical baseline) are left
// out. Types that fall back to a simpler calculation over a short span draw
// what that calculation measured. `uniformDrawer` draws by `calcType`
// without the baseline variants (the three-dimensional chart).
std::vector<TMarkShape> PeakMarkShapes(const TDataArr& points, const TPeakRecord& peak, const TAxisRanges& axes);
std::vector<TMarkShape> PeakMarkShapesOfType(const TDataArr& points, const TPeakRecord& peak, int calcType,
                                             const TAxisRanges& axes);

// A label under a peak band: line 0 is the name at the bottom of the plot,
// line 1 the value directly above it.
struct TMarkLabel {
  double X = 0.0;
  int Line = 0;
  std::string Text;
  const char* Unit = nullptr;  // the value's unit (catalogue text); none for a name
};

// What DrawPeakMarks draws for a chart: the labels of every table row and,
// per curve (index into the curve list), the shapes of its peak.
struct TPeakMarks {
  struct CurveShapes {
    std::size_t Curve = 0;
    std::vector<TMarkShape> Shapes;
  };
  std::vector<TMarkLabel> Labels;
  std::vector<CurveShapes> Geometry;
};

TPeakMarks BuildPeakMarks(const TElementsPeaksArr& table, std::span<const TPeakChartCurve> curves,
                          const TAxisRanges& axes, bool geometry, bool labels);

// The peak value as the marks write it ("%8.2f", without the padding).
std::string MarkValueText(double value);

// A peak's point by index, or nothing outside the points.
const TDataPoint* PointAt(const TDataArr& points, std::int32_t index);
const TPeakRecord* FindPeakByName(const TPeaks& peaks, const std::string& name);

// --- Double arrows, in pixels -------------------------------------------------

struct TPixel {
  double X = 0.0;
  double Y = 0.0;
};

// How a double arrow between pixel points A and B is drawn on a plot of
// `plotHeight` pixels: the segments and the filled arrowheads (triangles of
// tip and two side points).
struct TArrowPlan {
  enum class Kind { None, Plain, Outward, Inward };
  Kind ArrowKind = Kind::None;
  int HeadSize = 0;
  std::vector<std::pair<TPixel, TPixel>> Segments;
  std::vector<std::array<TPixel, 3>> Heads;
};

TArrowPlan PlanDoubleArrow(TPixel a, TPixel b, double plotHeight);

// --- Bands and borders ---------------------------------------------------------

struct TPeakBand {
  double Begin = 0.0;  // mV
  double End = 0.0;
  bool Cross = false;  // the curves do not agree on the borders
};

// One black border line of a curve's peak, at potential X.
struct TPeakBorder {
  std::size_t Curve = 0;
  double X = 0.0;
  // A curve's own border inside a band whose curves disagree: drawn light,
  // so that many curves make no dark bar of lines.
  bool Inner = false;
};

struct TPeakBandsGeometry {
  std::vector<TPeakBand> Bands;
  std::vector<TPeakBorder> Borders;
};

// Bands of every table row (in order) and the border lines: one pair per
// row at the row's potentials (given to the first curve holding the peak),
// then, for a row whose curves disagree on the borders, every curve's own
// begin and end lines as inner borders; the lines of peaks that no row
// names (and all with an empty table) are every curve's own. Only indexes
// within a curve's points count.
TPeakBandsGeometry BuildPeakBands(const TElementsPeaksArr& table, std::span<const TPeakChartCurve> curves);

// The depth of curve `k` of `n` on the three-dimensional chart: the first
// curve lies furthest back.
inline int CurveDepth(std::size_t k, std::size_t n) { return static_cast<int>(n) - 1 - static_cast<int>(k); }

// A line joining the same peak on two curves of the three-dimensional chart.
struct TPeakLink {
  TMarkPoint From;
  int FromDepth = 0;
  TMarkPoint To;
  int ToDepth = 0;
};

// The links of every row whose curves agree on the calculation type, each
// curve holding the peak joined to the previous curve holding it.
std::vector<TPeakLink> BuildPeakLinks(const TElementsPeaksArr& table, std::span<const TPeakChartCurve> curves);

}  // namespace velmora
