#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>
#include <limits>
#include <random>

#include "CurveLayer.h"
#include "CurvePlottable.h"
#include "CurveRaster.h"
#include "CurveSeries.h"
#include "PictureDiff.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TVAStruct.h"
#include "ThumbnailPainter.h"

using namespace velmora;

namespace {

QImage Blank(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  return image;
}

// How much ink a picture holds: the sum over pixels of how far each is from
// white.
double Ink(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      sum += (765 - qRed(p) - qGreen(p) - qBlue(p)) / 765.0;
    }
  }
  return sum;
}

// The centre of a picture's ink in the rectangle `r`.
QPointF InkCentre(const QImage& image, const QRect& r) {
  double sum = 0, sx = 0, sy = 0;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb p = image.pixel(x, y);
      const double ink = (765 - qRed(p) - qGreen(p) - qBlue(p)) / 765.0;
      sum += ink;
      sx += ink * (x + 0.5);
      sy += ink * (y + 0.5);
    }
  }
  return sum > 0 ? QPointF(sx / sum, sy / sum) : QPointF();
}

QPolygonF Wave(int n, double width, double height, double phase) {
  QPolygonF line;
  for (int i = 0; i < n; ++i) {
    const double x = 10 + width * i / (n - 1);
    line << QPointF(x, height / 2 + height * 0.35 * std::sin(i * 0.02 + phase) +
                           height * 0.3 * std::exp(-std::pow((i - n / 2.0) / 15.0, 2)));
  }
  return line;
}

CurveRaster::Stroke StrokeOf(const QPolygonF& line, QColor color, double width = 1.6, bool smooth = true) {
  CurveRaster::Stroke s;
  s.Points = line.constData();
  s.Count = static_cast<std::size_t>(line.size());
  s.Color = color;
  s.Width = width;
  s.Antialiased = smooth;
  return s;
}

TDataArr Sweep(int n, bool spike) {
  TDataArr pts;
  for (int i = 0; i < n; ++i) {
    const double x = -1200.0 + 1300.0 * i / (n - 1);
    pts.push_back({x, 0.2 + 0.001 * std::sin(i * 0.7)});
  }
  if (spike) pts[static_cast<std::size_t>(n / 3)].Y = 5.0;
  return pts;
}

}  // namespace

TEST(CurveRaster, AHorizontalLineCoversItsWidthAndNoMore) {
  QImage image = Blank(40, 20);
  const QPolygonF line{QPointF(5, 10), QPointF(35, 10)};
  const std::vector<CurveRaster::Stroke> strokes{StrokeOf(line, Qt::black, 1.6)};
  CurveRaster::Draw(image, image.rect(), strokes);
  // A line 1.6 pixels wide on a pixel edge: the two rows beside the edge
  // take 80 % each, the rows further out nothing.
  EXPECT_NEAR(qRed(image.pixel(20, 9)), 255 * 0.2, 2);
  EXPECT_NEAR(qRed(image.pixel(20, 10)), 255 * 0.2, 2);
  EXPECT_EQ(image.pixel(20, 8), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(20, 11), qRgb(255, 255, 255));
  EXPECT_NEAR(Ink(image), 1.6 * 30 + 1.6 * 1.6, 2.0);
}

TEST(CurveRaster, LooksLikeThePainterStrokeOfTheSameLine) {
  const QPolygonF line = Wave(900, 600, 300, 0.3);
  QImage own = Blank(640, 320);
  const std::vector<CurveRaster::Stroke> strokes{StrokeOf(line, QColor(0, 0x80, 0))};
  CurveRaster::Draw(own, own.rect(), strokes);
  QImage painted = Blank(640, 320);
  {
    QPainter p(&painted);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0x80, 0), 1.6));
    p.drawPolyline(line);
  }
  EXPECT_NEAR(Ink(own), Ink(painted), Ink(painted) * 0.06);
  // No pixel the stroke leaves white is dark in the raster, and the other
  // way round: the two lines lie on the same pixels.
  for (int y = 0; y < own.height(); ++y) {
    for (int x = 0; x < own.width(); ++x) {
      const int a = qRed(own.pixel(x, y)), b = qRed(painted.pixel(x, y));
      ASSERT_LT(std::abs(a - b), 130) << x << "," << y;
    }
  }
}

TEST(CurveRaster, ThePictureIsTheSameWhateverTheThreadsAndLaterCurvesLieOnTop) {
  std::vector<QPolygonF> lines;
  for (int c = 0; c < 12; ++c) lines.push_back(Wave(2000, 900, 600, c * 0.4));
  std::vector<CurveRaster::Stroke> strokes;
  for (int c = 0; c < 12; ++c)
    strokes.push_back(StrokeOf(lines[c], QColor::fromHsv(c * 30, 255, 200), 1.6, c % 3 != 0));
  QImage one = Blank(920, 620), two = Blank(920, 620), four = Blank(920, 620);
  CurveRaster::Draw(one, one.rect(), strokes, 1);
  CurveRaster::Draw(two, two.rect(), strokes, 2);
  CurveRaster::Draw(four, four.rect(), strokes, 4);
  EXPECT_EQ(one, two);
  EXPECT_EQ(one, four);

  // Two crossing lines: where they cross, the second one's colour.
  QImage cross = Blank(40, 40);
  const QPolygonF down{QPointF(20, 0), QPointF(20, 40)}, across{QPointF(0, 20.5), QPointF(40, 20.5)};
  const std::vector<CurveRaster::Stroke> pair{StrokeOf(down, Qt::red, 3), StrokeOf(across, Qt::blue, 3)};
  CurveRaster::Draw(cross, cross.rect(), pair);
  EXPECT_EQ(cross.pixel(20, 20), qRgb(0, 0, 255));
  EXPECT_EQ(cross.pixel(20, 5), qRgb(255, 0, 0));
}

TEST(CurveRaster, ANonFinitePointLeavesAGapAndTheClipIsKept) {
  QImage image = Blank(60, 20);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const QPolygonF line{QPointF(2, 10), QPointF(20, 10), QPointF(nan, nan), QPointF(40, 10), QPointF(58, 10)};
  const std::vector<CurveRaster::Stroke> strokes{StrokeOf(line, Qt::black, 2)};
  CurveRaster::Draw(image, QRect(0, 0, 50, 20), strokes);
  EXPECT_NE(image.pixel(10, 10), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(30, 10), qRgb(255, 255, 255)) << "no line across the gap";
  EXPECT_NE(image.pixel(45, 10), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(55, 10), qRgb(255, 255, 255)) << "nothing outside the clip";
}

namespace {

// Curves of the kind a chart of many curves holds, reduced to the pixel
// columns: up to four points a column, spikes, a gap, a cyclic sweep that
// runs back, and lines that leave the clip.
std::vector<QPolygonF> ManyAliasedLines() {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<QPolygonF> lines;
  for (int c = 0; c < 40; ++c) {
    QPolygonF line;
    for (int x = -20; x < 680; ++x) {
      const double base = 60 + c * 9 + 40 * std::sin(x * 0.013 + c);
      for (int k = 0; k < 4; ++k) {
        const double jitter = ((x * 7 + k * 13 + c * 5) % 11) - 5.0;
        line << QPointF(x + 0.05 + k * 0.3, base + jitter * (x % 97 == 0 ? 30 : 1));
      }
    }
    if (c % 5 == 1) line[300] = QPointF(nan, nan);
    if (c % 7 == 3) {
      // A cyclic sweep: back along the same columns, lower down.
      for (int x = 679; x >= -20; --x) line << QPointF(x + 0.5, 200 + c * 3 + 25 * std::cos(x * 0.02));
    }
    lines.push_back(line);
  }
  // One line leaving the top and bottom of the image and crossing the
  // middle column steeply.
  lines.push_back(QPolygonF{QPointF(280, -50), QPointF(320.5, 460), QPointF(321, -30), QPointF(700, 200)});
  // A single point and a two-point line inside one column.
  lines.push_back(QPolygonF{QPointF(100.5, 100.5)});
  lines.push_back(QPolygonF{QPointF(299.7, 10.2), QPointF(299.9, 390.6)});
  return lines;
}

std::vector<CurveRaster::Stroke> AliasedStrokes(const std::vector<QPolygonF>& lines, int alpha, double width = 1.0) {
  std::vector<CurveRaster::Stroke> strokes;
  for (std::size_t c = 0; c < lines.size(); ++c) {
    QColor color = QColor::fromHsv(static_cast<int>(c * 37 % 360), 255, 200);
    color.setAlpha(alpha);
    strokes.push_back(StrokeOf(lines[c], color, width, false));
  }
  return strokes;
}

// Which pixels hold any ink, as a mask.
std::vector<bool> InkedPixels(const QImage& image) {
  std::vector<bool> mask;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) mask.push_back(qAlpha(image.pixel(x, y)) != 0);
  return mask;
}

QImage Transparent(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

TEST(CurveRaster, AliasedLinesGiveTheSamePixelsWhicheverWayTheyAreDrawn) {
  const std::vector<QPolygonF> lines = ManyAliasedLines();
  const QRect clip(7, 5, 586, 380);
  for (const double width : {1.0, 2.5}) {
    SCOPED_TRACE(width);
    const std::vector<CurveRaster::Stroke> opaque = AliasedStrokes(lines, 255, width);
    // An antialiased stroke with no points changes nothing but makes the
    // picture be shared out by rows instead of columns.
    std::vector<CurveRaster::Stroke> byRows = opaque;
    byRows.push_back(StrokeOf(QPolygonF(), Qt::black));
    QImage one = Blank(600, 400), two = Blank(600, 400), three = Blank(600, 400), rows = Blank(600, 400);
    CurveRaster::Draw(one, clip, opaque, 1);
    CurveRaster::Draw(two, clip, opaque, 2);
    CurveRaster::Draw(three, clip, opaque, 3);
    CurveRaster::Draw(rows, clip, byRows, 2);
    EXPECT_EQ(one, two);
    EXPECT_EQ(one, three);
    EXPECT_EQ(one, rows);
    // Nothing outside the clip, and something on both sides of the
    // middle column.
    for (int x = 0; x < 600; ++x) {
      ASSERT_EQ(one.pixel(x, 4), qRgb(255, 255, 255)) << x;
      ASSERT_EQ(one.pixel(x, 385), qRgb(255, 255, 255)) << x;
    }
    for (int y = 0; y < 400; ++y) {
      ASSERT_EQ(one.pixel(6, y), qRgb(255, 255, 255)) << y;
      ASSERT_EQ(one.pixel(593, y), qRgb(255, 255, 255)) << y;
    }
    EXPECT_GT(Ink(one.copy(7, 5, 293, 380)), 1000);
    EXPECT_GT(Ink(one.copy(300, 5, 293, 380)), 1000);

    // Opaque pixels are written as they are; a translucent colour goes
    // through the coverage and the blend, on exactly the same pixels.
    const std::vector<CurveRaster::Stroke> translucent = AliasedStrokes(lines, 254, width);
    for (std::size_t c = 0; c < lines.size(); ++c) {
      SCOPED_TRACE(c);
      const std::vector<CurveRaster::Stroke> o{opaque[c]}, t{translucent[c]};
      QImage direct = Transparent(600, 400), blended = Transparent(600, 400);
      CurveRaster::Draw(direct, clip, o, 2);
      CurveRaster::Draw(blended, clip, t, 1);
      ASSERT_EQ(InkedPixels(direct), InkedPixels(blended));
      for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 600; ++x) {
          if (qAlpha(direct.pixel(x, y)) == 0) continue;
          ASSERT_EQ(direct.pixel(x, y), opaque[c].Color.rgba()) << x << "," << y;
          ASSERT_EQ(qAlpha(blended.pixel(x, y)), 254) << x << "," << y;
        }
      }
    }
    // Over other curves the later opaque one takes its pixels whole, as
    // the blend of full coverage gives.
    std::vector<CurveRaster::Stroke> mixed = opaque;
    for (std::size_t c = 0; c < mixed.size(); c += 2) mixed[c] = translucent[c];
    QImage mixedOne = Blank(600, 400), mixedTwo = Blank(600, 400);
    CurveRaster::Draw(mixedOne, clip, mixed, 1);
    CurveRaster::Draw(mixedTwo, clip, mixed, 2);
    EXPECT_EQ(mixedOne, mixedTwo);
  }
}

TEST(CurveRaster, AThinLineHasOnePixelPerColumnOrRowAndKeepsItsEnds) {
  QImage image = Transparent(600, 400);
  // Shallow, then steep, then a gap, then a point alone.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const QPolygonF line{QPointF(10.5, 20.5), QPointF(590.5, 30.5), QPointF(590.5, 380.5), QPointF(nan, 0),
                       QPointF(300.5, 200.5)};
  const std::vector<CurveRaster::Stroke> strokes{StrokeOf(line, Qt::black, 1.0, false)};
  CurveRaster::Draw(image, image.rect(), strokes, 2);
  int shallow = 0;
  for (int x = 0; x < 590; ++x) {
    int inColumn = 0;
    for (int y = 0; y < 35; ++y) inColumn += qAlpha(image.pixel(x, y)) != 0;
    ASSERT_LE(inColumn, 1) << x;
    shallow += inColumn;
  }
  EXPECT_EQ(shallow, 580);
  int steep = 0;
  for (int y = 31; y < 400; ++y) steep += qAlpha(image.pixel(590, y)) != 0;
  EXPECT_EQ(steep, 350);
  EXPECT_EQ(image.pixel(300, 200), qRgb(0, 0, 0));
  EXPECT_EQ(qAlpha(image.pixel(300, 201)), 0);
  EXPECT_EQ(qAlpha(image.pixel(300, 199)), 0);

  // A translucent line is blended over what lies below, an opaque one
  // covers it.
  QImage white = Blank(600, 400);
  const QPolygonF across{QPointF(0.5, 100.5), QPointF(599.5, 100.5)};
  const std::vector<CurveRaster::Stroke> halfRed{StrokeOf(across, QColor(255, 0, 0, 128), 1.0, false)};
  CurveRaster::Draw(white, white.rect(), halfRed, 2);
  for (const int x : {0, 299, 300, 599}) {
    const QRgb p = white.pixel(x, 100);
    EXPECT_EQ(qRed(p), 255) << x;
    EXPECT_NEAR(qGreen(p), 127, 1) << x;
    EXPECT_NEAR(qBlue(p), 127, 1) << x;
  }
}

TEST(CurvePlottable, OnScreenAHugeCurveIsDrawnThroughItsPixelColumnsAndKeepsItsSpike) {
  QCustomPlot chart;
  chart.resize(500, 300);
  auto* curve = static_cast<CurvePlottable*>(CurveSeries::Create(&chart, Sweep(200000, true)));
  curve->setPen(QPen(Qt::red, 1.6));
  chart.xAxis->setRange(-1200, 100);
  chart.yAxis->setRange(0, 6);
  chart.replot(QCustomPlot::rpImmediateRefresh);
  const int columns = chart.axisRect()->width();
  EXPECT_GT(curve->drawnPoints(), 0u);
  EXPECT_LE(curve->drawnPoints(), static_cast<std::size_t>(columns) * 4 + 16);
  EXPECT_EQ(curve->points().size(), 200000u) << "the points themselves are untouched";

  // The spike reaches the top of its column in the picture.
  const QImage picture = chart.toPixmap().toImage();
  const double spikeX = chart.xAxis->coordToPixel(curve->points()[200000 / 3].X);
  const double spikeTop = chart.yAxis->coordToPixel(5.0);
  bool red = false;
  for (int dx = -1; dx <= 1; ++dx) {
    const QRgb p = picture.pixel(static_cast<int>(spikeX) + dx, static_cast<int>(spikeTop) + 1);
    red = red || (qRed(p) > 200 && qGreen(p) < 120);
  }
  EXPECT_TRUE(red);
}

TEST(CurveLayer, APictureIsDrawnOnlyWhenACurvePenRangeOrSizeChanges) {
  QCustomPlot chart;
  chart.resize(400, 300);
  auto* a = static_cast<CurvePlottable*>(CurveSeries::Create(&chart, Sweep(5000, false)));
  auto* b = static_cast<CurvePlottable*>(CurveSeries::Create(&chart, Sweep(3000, true)));
  a->setPen(QPen(Qt::red, 1.6));
  b->setPen(QPen(Qt::blue, 1.6));
  chart.rescaleAxes();
  CurveLayer* layer = CurveLayer::Of(&chart);
  chart.replot(QCustomPlot::rpImmediateRefresh);
  const int first = layer->renders();
  EXPECT_EQ(first, 1);
  chart.replot(QCustomPlot::rpImmediateRefresh);
  EXPECT_EQ(layer->renders(), first) << "nothing changed";
  b->setPen(QPen(Qt::green, 1.6));
  chart.replot(QCustomPlot::rpImmediateRefresh);
  EXPECT_EQ(layer->renders(), first + 1);
  chart.xAxis->setRange(-800, -400);
  chart.replot(QCustomPlot::rpImmediateRefresh);
  EXPECT_EQ(layer->renders(), first + 2);
  b->setVisible(false);
  chart.replot(QCustomPlot::rpImmediateRefresh);
  EXPECT_EQ(layer->renders(), first + 3);
  a->setPoints(Sweep(10, false));
  chart.replot(QCustomPlot::rpImmediateRefresh);
  EXPECT_EQ(layer->renders(), first + 4);
}

TEST(CurveLayer, ThePictureLiesWhereTheChartsOwnLineWould) {
  // The same slanted line drawn by the library's own graph and by the
  // cached picture, antialiased and not: the ink sits in the same place.
  for (const bool smooth : {true, false}) {
    auto chartOf = [&](QCustomPlot& chart) {
      chart.resize(300, 200);
      chart.xAxis->setRange(0, 100);
      chart.yAxis->setRange(0, 100);
      chart.setAntialiasedElements(smooth ? QCP::aePlottables : QCP::aeNone);
      chart.setNotAntialiasedElements(smooth ? QCP::aeNone : QCP::aePlottables);
    };
    QCustomPlot own, library;
    chartOf(own);
    chartOf(library);
    TDataArr pts;
    QVector<double> xs, ys;
    for (int i = 0; i <= 40; ++i) {
      pts.push_back({10.0 + 2.0 * i, 20.0 + 1.3 * i});
      xs << pts.back().X;
      ys << pts.back().Y;
    }
    CurveSeries::Create(&own, pts)->setPen(QPen(Qt::black, 1.6));
    QCPGraph* graph = library.addGraph();
    graph->setData(xs, ys, true);
    graph->setPen(QPen(Qt::black, 1.6));
    own.replot(QCustomPlot::rpImmediateRefresh);
    library.replot(QCustomPlot::rpImmediateRefresh);
    ASSERT_EQ(CurveLayer::Of(&own)->renders(), 1);
    const QImage a = own.toPixmap().toImage(), b = library.toPixmap().toImage();
    const QRect plot = own.axisRect()->rect().adjusted(2, 2, -2, -2);
    const QPointF ca = InkCentre(a, plot), cb = InkCentre(b, plot);
    EXPECT_NEAR(ca.x(), cb.x(), 0.15) << (smooth ? "antialiased" : "aliased");
    EXPECT_NEAR(ca.y(), cb.y(), 0.15) << (smooth ? "antialiased" : "aliased");
    EXPECT_NEAR(Ink(a.copy(plot)), Ink(b.copy(plot)), Ink(b.copy(plot)) * 0.1);
  }
}

TEST(CurvePlottable, ItsPixelsAreTheAxesOwnForEveryDirectionOfTheAxes) {
  // The line in pixels must lie exactly where the axes put each point
  // (the picture, the pointer's hit test and the peak marks agree): the
  // hit test at an axis's own pixel of a point finds the line at distance 0.
  for (const bool keyReversed : {false, true}) {
    for (const bool valueReversed : {false, true}) {
      for (const bool keyVertical : {false, true}) {
        QCustomPlot chart;
        chart.resize(420, 310);
        QCPAxis* key = keyVertical ? chart.yAxis : chart.xAxis;
        QCPAxis* value = keyVertical ? chart.xAxis : chart.yAxis;
        key->setRange(-1190.3, 97.1);
        value->setRange(-0.37, 2.9);
        key->setRangeReversed(keyReversed);
        value->setRangeReversed(valueReversed);
        TDataArr pts;
        for (int i = 0; i < 300; ++i) pts.push_back({-1180.0 + 4.21 * i, 1.2 + std::sin(i * 0.37) * 1.3});
        auto* curve = new CurvePlottable(key, value);
        curve->setPoints(pts);
        chart.replot(QCustomPlot::rpImmediateRefresh);
        for (const TDataPoint& p : pts) {
          const double k = key->coordToPixel(p.X), v = value->coordToPixel(p.Y);
          const QPointF at = keyVertical ? QPointF(v, k) : QPointF(k, v);
          ASSERT_EQ(curve->selectTest(at, false), 0.0) << keyReversed << valueReversed << keyVertical << " at " << p.X;
        }
      }
    }
  }
}

TEST(CurveLayer, ANoisyCurveWithASharpPeakLooksLikeTheChartsOwnLine) {
  // A measured curve as the chart shows it: about one point per column,
  // noise that turns the line at every point, and a peak a few columns wide.
  std::mt19937 rng(11);
  std::normal_distribution<double> noise(0.0, 0.004);
  TDataArr pts;
  QVector<double> xs, ys;
  for (int i = 0; i < 520; ++i) {
    const double x = -1200.0 + 1300.0 * i / 519;
    pts.push_back({x, 0.1 + 0.0002 * (x + 1200) + std::exp(-std::pow((x + 600) / 12.0, 2)) + noise(rng)});
    xs << pts.back().X;
    ys << pts.back().Y;
  }
  for (const double width : {1.2, 1.6}) {
    QCustomPlot own, library;
    for (QCustomPlot* chart : {&own, &library}) {
      chart->resize(560, 320);
      chart->setViewport(QRect(0, 0, 560, 320));
      chart->xAxis->setRange(-1250, 150);
      chart->yAxis->setRange(-0.1, 1.5);
      chart->setAntialiasedElements(QCP::aePlottables);
    }
    CurveSeries::Create(&own, pts)->setPen(QPen(Qt::black, width));
    QCPGraph* graph = library.addGraph();
    graph->setData(xs, ys, true);
    graph->setPen(QPen(Qt::black, width));
    own.replot(QCustomPlot::rpImmediateRefresh);
    library.replot(QCustomPlot::rpImmediateRefresh);
    const QRect plot = own.axisRect()->rect();
    auto onWhite = [&](QCustomPlot& chart) {
      QImage image = Blank(plot.width(), plot.height());
      QPainter p(&image);
      p.drawImage(QPoint(), chart.toPixmap(560, 320).toImage().copy(plot));
      return image;
    };
    const QImage a = onWhite(own), b = onWhite(library);
    // As much ink, the same peak height, and where the pixels differ (the
    // edges and joints of the line) no two strongly differing pixels touch:
    // a gap, a lost spike or a shifted line would.
    EXPECT_NEAR(Ink(a), Ink(b), Ink(b) * 0.03) << width;
    auto topRow = [](const QImage& image) {
      for (int y = 0; y < image.height(); ++y)
        for (int x = 4; x < image.width() - 4; ++x)
          if (qRed(image.pixel(x, y)) < 128) return y;
      return -1;
    };
    EXPECT_GT(topRow(b), 0);
    EXPECT_EQ(topRow(a), topRow(b)) << width;
    PictureDiff::Options strong;
    strong.Tolerance = 96;
    strong.Gap = 1;
    const auto all = PictureDiff::Compare(a, b, {});
    const auto r = PictureDiff::Compare(a, b, strong);
    EXPECT_LE(r.Differing * 20, all.Differing) << width;
    for (const auto& region : r.Regions)
      EXPECT_LE(region.Pixels, 2) << width << " at " << region.Box.x() << "," << region.Box.y();
  }
}

TEST(CurveLayer, CurvesAddedLaterGiveThePictureOfAllDrawnAtOnce) {
  auto chartOf = [](QCustomPlot& chart, int curves) {
    chart.resize(420, 300);
    chart.xAxis->setRange(-1250, 150);
    chart.yAxis->setRange(-0.5, 6);
    for (int c = 0; c < curves; ++c) {
      TDataArr pts = Sweep(3000 + 500 * c, c == 1);
      for (TDataPoint& p : pts) p.Y += 0.7 * c;
      CurveSeries::Create(&chart, pts)->setPen(QPen(QColor::fromHsv(100 * c, 255, 200), 1.6));
    }
  };
  QCustomPlot stepwise, atOnce;
  chartOf(stepwise, 2);
  stepwise.replot(QCustomPlot::rpImmediateRefresh);
  TDataArr third = Sweep(4000, false);
  for (TDataPoint& p : third) p.Y += 1.4;
  CurveSeries::Create(&stepwise, third)->setPen(QPen(QColor::fromHsv(200, 255, 200), 1.6));
  stepwise.replot(QCustomPlot::rpImmediateRefresh);
  EXPECT_EQ(CurveLayer::Of(&stepwise)->renders(), 2);
  chartOf(atOnce, 3);
  atOnce.replot(QCustomPlot::rpImmediateRefresh);
  EXPECT_EQ(stepwise.toPixmap().toImage(), atOnce.toPixmap().toImage());
}

TEST(CurveLayer, VectorOutputHoldsEveryPointAndPrintingItsOwnResolution) {
  QCustomPlot chart;
  chart.resize(400, 300);
  auto* curve = static_cast<CurvePlottable*>(CurveSeries::Create(&chart, Sweep(30000, true)));
  curve->setPen(QPen(Qt::red, 1.2));
  chart.rescaleAxes();
  auto svgOf = [&] {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(400, 300));
    QCPPainter painter(&svg);
    painter.setMode(QCPPainter::pmVectorized);
    chart.toPainter(&painter, 400, 300);
    painter.end();
    return bytes;
  };
  // One path through all 30 000 points: far more coordinates than columns.
  const QByteArray full = svgOf();
  EXPECT_GT(full.count(' '), 3000);
  // Reduced to the printer's columns (here twice the chart's): a few per column.
  curve->setVectorColumnsPerPixel(2.0);
  const QByteArray printed = svgOf();
  EXPECT_LT(printed.size(), full.size() * 2 / 3);
  EXPECT_GT(printed.size(), 0);
}

TEST(ThumbnailPainter, AOnePointSpikeOfAHugeCurveShowsInItsThumbnail) {
  TNodeForest forest;
  TNode* node = forest.AddNode(forest.LastRoot(), nullptr);
  auto record = std::make_unique<TVAStruct>(node);
  TVAStruct* va = record.get();
  node->SetRecord(std::move(record));
  TDataArr points = Sweep(100000, false);
  points[70000].Y = 3.0;
  va->SetData(points);
  ThumbnailPainter::Style style;
  const QImage picture = ThumbnailPainter::paint(*node, style).toImage();
  // The spike is the highest point: the line reaches the top of the chart
  // area (inside the margins) in the spike's column.
  const int m = style.margins;
  const double x =
      m + (points[70000].X - points.front().X) / (points.back().X - points.front().X) * (style.width - 2 * m - 1);
  bool coloured = false;
  for (int dx = -1; dx <= 1; ++dx) {
    const QRgb p = picture.pixel(static_cast<int>(x) + dx, m + 1);
    coloured = coloured || (qGreen(p) < 200 && qRed(p) < 200);
  }
  EXPECT_TRUE(coloured);
}
