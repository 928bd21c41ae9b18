#include "TPeakPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "LabelPlacer.h"
#include "Message.h"
#include "NumberFormat.h"
#include "PeakFormat.h"
#include "UiText.h"

namespace velmora {

namespace {

QPointF toPoint(const TPixel& p) { return {p.X, p.Y}; }

const TPeakPainter::Mapper& mapperOf(const TPeakPainter::Curve& c, const TPeakPainter::Frame& f) {
  return c.Map ? c.Map : f.Map;
}

void setFontPixels(QPainter& painter, int pixels) {
  QFont font = painter.font();
  font.setPixelSize(std::max(1, pixels));
  painter.setFont(font);
}

void drawCentred(QPainter& painter, double x, double baseline, const QString& text) {
  const QFontMetricsF m(painter.font());
  painter.drawText(QPointF(x - m.horizontalAdvance(text) / 2.0, baseline), text);
}

// A mark's value with its unit ("12.35 µA").
QString valueText(const std::string& value, const char* unit) {
  if (!unit) return QString::fromStdString(value);
  const QString u = UiText::message(Message(unit));
  return QString::fromStdString(NumberFormat::WithUnit(value, u.toStdString()));
}

// The shapes of one curve's peak in `pen`; `map` places data points.
void drawShapes(QPainter& painter, const std::vector<TMarkShape>& shapes, const QPen& pen,
                const std::function<QPointF(const TMarkPoint&)>& map, double plotHeight) {
  for (const TMarkShape& s : shapes) {
    QPen p = pen;
    if (s.Black) p.setColor(Qt::black);
    painter.setPen(p);
    painter.setBrush(Qt::NoBrush);
    switch (s.ShapeKind) {
      case TMarkShape::Kind::Line:
        painter.drawLine(map(s.Points[0]), map(s.Points[1]));
        break;
      case TMarkShape::Kind::Polyline: {
        QPolygonF poly;
        poly.reserve(static_cast<qsizetype>(s.Points.size()));
        for (const TMarkPoint& q : s.Points) poly << map(q);
        painter.drawPolyline(poly);
        break;
      }
      case TMarkShape::Kind::DoubleArrow:
        TPeakPainter::DrawDoubleArrow(painter, map(s.Points[0]), map(s.Points[1]), plotHeight, p.color());
        break;
      case TMarkShape::Kind::ValueText: {
        const QFontMetricsF m(painter.font());
        const QPointF at = map(s.Points[0]);
        drawCentred(painter, at.x(), at.y() - 2 * m.height(), valueText(s.Text, s.Unit));
        break;
      }
    }
  }
}

// How many rows a name may be raised above the plot's bottom to clear the
// names of neighbouring bands.
constexpr int kLabelRows = 4;

// The names (and values) of the bands at the bottom of the plot, each
// centred on its band and kept within the plot; where bands lie so close
// that their names would run into each other, the later name goes a row up.
void drawLabels(QPainter& painter, const TPeakPainter::Frame& frame, const std::vector<TMarkLabel>& labels) {
  const QFontMetricsF m(painter.font());
  const QRectF& plot = frame.Plot;
  LabelPlacer placer({plot.left(), plot.top(), plot.right(), plot.bottom()});
  for (std::size_t i = 0; i < labels.size();) {
    // A row's name and the value above it go together.
    std::size_t end = i + 1;
    while (end < labels.size() && labels[end].Line > 0) ++end;
    std::vector<QString> texts;
    double width = 0.0;
    for (std::size_t k = i; k < end; ++k) {
      texts.push_back(valueText(labels[k].Text, labels[k].Unit));
      width = std::max(width, m.horizontalAdvance(texts.back()));
    }
    const double height = m.height() * static_cast<double>(end - i);
    const double x = frame.Map(labels[i].X, 0).x();
    std::vector<TLabelBox> rows;
    for (int r = 0; r < kLabelRows; ++r) {
      const double bottom = plot.bottom() - r * height;
      rows.push_back({x - width / 2, bottom - height, x + width / 2, bottom});
    }
    const TLabelBox box = placer.PlaceAmong(rows).Box;
    for (std::size_t k = i; k < end; ++k) {
      const double line = static_cast<double>(labels[k].Line);
      drawCentred(painter, box.CentreX(), box.Bottom - m.descent() - line * m.height(), texts[k - i]);
    }
    i = end;
  }
}

}  // namespace

std::vector<TPeakChartCurve> TPeakPainter::ChartCurves(const std::vector<Curve>& curves) {
  std::vector<TPeakChartCurve> out;
  out.reserve(curves.size());
  for (const Curve& c : curves) out.push_back({c.Points, c.Peaks});
  return out;
}

void TPeakPainter::DrawPeakBands(QPainter& painter, const Frame& frame, bool plain, const Colors& colors,
                                 const TElementsPeaksArr& table, const std::vector<Curve>& curves, bool borders) {
  if (!frame.Map) return;
  painter.save();
  const std::vector<TPeakChartCurve> chart = ChartCurves(curves);
  const TPeakBandsGeometry g = BuildPeakBands(table, chart);
  const double yTop = frame.Map(frame.Axes.XMin, frame.Axes.YMax).y();
  const double yBottom = frame.Map(frame.Axes.XMin, frame.Axes.YMin).y();
  painter.setPen(Qt::NoPen);
  for (const TPeakBand& band : g.Bands) {
    painter.setBrush(plain ? QColor(Qt::white) : (band.Cross ? colors.CrossPeaks : colors.Peaks));
    const double x1 = frame.Map(band.Begin, 0).x();
    const double x2 = frame.Map(band.End, 0).x();
    painter.drawRect(QRectF(QPointF(std::min(x1, x2), yTop + 1), QPointF(std::max(x1, x2), yBottom - 1)));
  }
  if (borders) {
    // The bands' pairs in black, then the curves' own borders inside bands
    // whose curves disagree, light; lines that fall on a pixel column
    // already drawn are left out: many curves make no dark bar of lines.
    std::vector<long> columns;
    columns.reserve(g.Borders.size());
    for (bool inner : {false, true}) {
      QPen pen(inner ? QColor(0, 0, 0, 70) : QColor(Qt::black), frame.LineWidth, Qt::SolidLine);
      pen.setCosmetic(true);
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
      for (const TPeakBorder& b : g.Borders) {
        if (b.Inner != inner) continue;
        const double x = mapperOf(curves[b.Curve], frame)(b.X, 0).x();
        const long column = std::lround(x);
        if (std::find(columns.begin(), columns.end(), column) != columns.end()) continue;
        columns.push_back(column);
        painter.drawLine(QLineF(x, yBottom, x, yTop));
      }
    }
  }
  painter.restore();
}

void TPeakPainter::DrawPeakMarks(QPainter& painter, const Frame& frame, const TElementsPeaksArr& table, bool geometry,
                                 const Colors& colors, const std::vector<Curve>& curves, bool labels) {
  if (!frame.Map) return;
  painter.save();
  // Every mark stays in the plot: a tangent drawn over the whole axis range
  // never runs through the axis labels.
  painter.setClipRect(frame.Plot, Qt::IntersectClip);
  setFontPixels(painter, frame.FontPixels);
  const std::vector<TPeakChartCurve> chart = ChartCurves(curves);
  const TPeakMarks marks = BuildPeakMarks(table, chart, frame.Axes, geometry, labels);
  const double height = frame.Plot.height();
  for (const TPeakMarks::CurveShapes& cs : marks.Geometry) {
    const Mapper& map = mapperOf(curves[cs.Curve], frame);
    QPen pen(curves[cs.Curve].Color, frame.LineWidth);
    pen.setCosmetic(true);
    drawShapes(
        painter, cs.Shapes, pen, [&map](const TMarkPoint& p) { return map(p.X, p.Y); }, height);
  }
  painter.setPen(colors.Caption);
  drawLabels(painter, frame, marks.Labels);
  painter.restore();
}

void TPeakPainter::DrawDoubleArrow(QPainter& painter, QPointF a, QPointF b, double plotHeight, const QColor& fill) {
  const TArrowPlan plan = PlanDoubleArrow({a.x(), a.y()}, {b.x(), b.y()}, plotHeight);
  for (const auto& seg : plan.Segments) painter.drawLine(toPoint(seg.first), toPoint(seg.second));
  if (plan.Heads.empty()) return;
  painter.save();
  painter.setBrush(fill);
  QPen pen = painter.pen();
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  for (const auto& h : plan.Heads) {
    const QPointF tri[3] = {toPoint(h[0]), toPoint(h[1]), toPoint(h[2])};
    painter.drawPolygon(tri, 3);
  }
  painter.restore();
}

// --- Three-dimensional chart -----------------------------------------------------

void TPeakPainter::DrawPeakBands3D(QPainter& painter, const Projection& view, bool plain, const Colors& colors,
                                   const TElementsPeaksArr& table) {
  if (!view.Map) return;
  painter.save();
  painter.setPen(Qt::NoPen);
  const double yMin = view.Axes.YMin;
  const double yMax = view.Axes.YMax;
  for (const TElementPeak& row : table) {
    painter.setBrush(plain ? QColor(Qt::white) : (row.BordersDiffer ? colors.CrossPeaks : colors.Peaks));
    // The back plane, one pixel beyond the vertical range.
    const QPointF b0 = view.Map(row.BeginPotential, yMax, view.DepthMax) + QPointF(0, -1);
    const QPointF b1 = view.Map(row.EndPotential, yMax, view.DepthMax) + QPointF(0, -1);
    const QPointF b2 = view.Map(row.EndPotential, yMin, view.DepthMax) + QPointF(0, 1);
    const QPointF b3 = view.Map(row.BeginPotential, yMin, view.DepthMax) + QPointF(0, 1);
    painter.drawPolygon(QPolygonF({b0, b1, b2, b3}));
    // The floor, one pixel above the lowest current.
    const QPointF f0 = view.Map(row.BeginPotential, yMin, view.DepthMax) + QPointF(0, -1);
    const QPointF f1 = view.Map(row.EndPotential, yMin, view.DepthMax) + QPointF(0, -1);
    const QPointF f2 = view.Map(row.EndPotential, yMin, view.DepthMin) + QPointF(0, -1);
    const QPointF f3 = view.Map(row.BeginPotential, yMin, view.DepthMin) + QPointF(0, -1);
    painter.drawPolygon(QPolygonF({f0, f1, f2, f3}));
  }
  painter.restore();
}

void TPeakPainter::DrawPeakBorders3D(QPainter& painter, const Projection& view, const std::vector<Curve>& curves) {
  if (!view.Map) return;
  painter.save();
  QPen pen(Qt::black, view.LineWidth);
  pen.setCosmetic(true);
  painter.setPen(pen);
  const TPeakBandsGeometry g = BuildPeakBands({}, ChartCurves(curves));
  for (const TPeakBorder& b : g.Borders) {
    const double z = CurveDepth(b.Curve, curves.size());
    painter.drawLine(view.Map(b.X, view.Axes.YMin, z), view.Map(b.X, view.Axes.YMax, z));
  }
  painter.restore();
}

void TPeakPainter::DrawPeakLinks3D(QPainter& painter, const Projection& view, const TElementsPeaksArr& table,
                                   const std::vector<Curve>& curves) {
  if (!view.Map) return;
  for (const TPeakLink& l : BuildPeakLinks(table, ChartCurves(curves))) {
    painter.drawLine(view.Map(l.From.X, l.From.Y, l.FromDepth), view.Map(l.To.X, l.To.Y, l.ToDepth));
  }
}

void TPeakPainter::DrawPeakMarks3D(QPainter& painter, const Projection& view, const TElementsPeaksArr& table,
                                   bool geometry, const Colors& colors, const std::vector<Curve>& curves, bool labels) {
  if (!view.Map) return;
  painter.save();
  setFontPixels(painter, view.FontPixels);
  const QFontMetricsF m(painter.font());
  const std::size_t n = curves.size();
  for (const TElementPeak& row : table) {
    if (row.BeginPotential == row.EndPotential) continue;
    const double cx = (row.BeginPotential + row.EndPotential) / 2;
    const QString name = QString::fromStdString(row.Name);
    const double front = view.Map(cx, view.Axes.YMin, view.DepthMin).y();
    const double bottom = std::min(view.Plot.bottom(), front);
    if (labels) {
      painter.setPen(colors.Caption);
      drawCentred(painter, view.Map(cx, view.Axes.YMin, view.DepthMin).x(), bottom - m.descent(), name);
    }
    if (!geometry) continue;
    for (std::size_t k = 0; k < n; ++k) {
      const Curve& c = curves[k];
      if (!c.Points || !c.Peaks) continue;
      const TPeakRecord* p = FindPeakByName(*c.Peaks, row.Name);
      if (!p) continue;
      const double z = CurveDepth(k, n);  // the last curve at the front
      painter.setPen(colors.Caption);
      const QPointF at = view.Map(cx, view.Axes.YMin, z);
      drawCentred(painter, at.x(), at.y() - m.descent() - m.height(),
                  valueText(FormatPeakValue(p->PeakValue), CalcTypeUnit(p->CalcType)));
      if (row.CalcType < 0) continue;
      QPen pen(c.Color, view.LineWidth);
      pen.setCosmetic(true);
      const auto shapes = PeakMarkShapesOfType(*c.Points, *p, row.CalcType, view.Axes);
      drawShapes(
          painter, shapes, pen, [&](const TMarkPoint& q) { return view.Map(q.X, q.Y, z); }, view.Plot.height());
    }
  }
  painter.restore();
}

}  // namespace velmora
