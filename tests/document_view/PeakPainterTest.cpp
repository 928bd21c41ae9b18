#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "PeakValue.h"
#include "TNode.h"
#include "TNodeForest.h"
#include "TPeakPainter.h"
#include "TPeakValueEvaluator.h"
#include "TVAStruct.h"
#include "ThumbnailPainter.h"

using namespace velmora;

namespace {

// A Pb peak of 6 µA at -420 mV on a background of about 30 µA.
TDataArr PbCurve(double height = 6.0) {
  TDataArr pts;
  for (int i = 0; i <= 400; ++i) {
    const double x = -1000.0 + 2.5 * i;
    pts.push_back({x, 30.0 + 0.01 * (x + 1000) + height * std::exp(-std::pow((x + 420.0) / 25.0, 2.0))});
  }
  return pts;
}

int Count(const QImage& img, const QColor& c, const QRect& within = QRect()) {
  const QRect r = within.isNull() ? img.rect() : within;
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) n += img.pixelColor(x, y) == c;
  }
  return n;
}

TPeakPainter::Frame LinearFrame(const QRect& plot, const TAxisRanges& a) {
  TPeakPainter::Frame f;
  f.Plot = plot;
  f.Axes = a;
  f.Map = [plot, a](double x, double y) {
    return QPointF(plot.left() + (x - a.XMin) / (a.XMax - a.XMin) * plot.width(),
                   plot.bottom() - (y - a.YMin) / (a.YMax - a.YMin) * plot.height());
  };
  return f;
}

}  // namespace

TEST(Thumbnails, ShowThePeakBandAndBordersOfTheirCurves) {
  TPeakValueEvaluator::Install();
  TNodeForest forest;
  TNode* n = forest.AddNode(nullptr, nullptr);
  auto rec = std::make_unique<TVAStruct>(n);
  TVAStruct* va = rec.get();
  n->SetRecord(std::move(rec));
  va->SetData(PbCurve());
  ThumbnailPainter::Style style;
  style.width = 200;
  style.height = 150;
  const QImage bare = ThumbnailPainter::paint(*n, style).toImage();
  EXPECT_EQ(Count(bare, style.peaksColor), 0);

  va->AddPeak("Pb", CalcByHeight, 200, 280);
  const QImage marked = ThumbnailPainter::paint(*n, style).toImage();
  // The band runs from -500 to -300 mV: a fifth of the width, nearly all the height.
  const int band = Count(marked, style.peaksColor);
  EXPECT_GT(band, 36 * 120);
  EXPECT_LT(band, 40 * 140);
  // Two black border lines inside the frame.
  EXPECT_GT(Count(marked, Qt::black, QRect(2, 2, 196, 146)) - Count(bare, Qt::black, QRect(2, 2, 196, 146)), 200);
}

TEST(PeakPainter, BandsArePlainInBlackAndWhiteAndCrossColouredWhereBordersDiffer) {
  const TDataArr pts = PbCurve();
  TPeaks peaks(1);
  peaks[0].Name = "Pb";
  peaks[0].BeginIndex = 200;
  peaks[0].EndIndex = 280;
  CalcPeakValue(pts, nullptr, peaks[0]);
  TElementsPeaksArr table(1);
  table[0].Name = "Pb";
  table[0].BeginPotential = -500;
  table[0].EndPotential = -300;
  table[0].BordersDiffer = 1;
  const QRect plot(20, 10, 400, 200);
  const TPeakPainter::Frame frame = LinearFrame(plot, {-1000, 0, 25, 45});
  TPeakPainter::Colors colors;
  const std::vector<TPeakPainter::Curve> curves = {{&pts, &peaks, Qt::red, {}}};
  QImage img(440, 230, QImage::Format_RGB32);
  auto paint = [&](bool plain) {
    img.fill(Qt::gray);
    QPainter p(&img);
    TPeakPainter::DrawPeakBands(p, frame, plain, colors, table, curves);
  };
  paint(false);
  EXPECT_GT(Count(img, colors.CrossPeaks), 70 * 190);
  EXPECT_EQ(Count(img, colors.Peaks), 0);
  // One pixel inside the plot's height (the top of the axis at pixel 9).
  EXPECT_EQ(frame.Map(0, 45).y(), 9);
  EXPECT_EQ(img.pixelColor(250, 9), QColor(Qt::gray));
  EXPECT_EQ(img.pixelColor(250, 11), colors.CrossPeaks);
  paint(true);
  EXPECT_EQ(Count(img, colors.CrossPeaks), 0);
  EXPECT_GT(Count(img, Qt::white), 70 * 190);
}

TEST(PeakPainter, MarksDrawTheMeasuredHeightWithArrowheadsAndTheLabels) {
  const TDataArr pts = PbCurve();
  TPeaks peaks(1);
  peaks[0].Name = "Pb";
  peaks[0].BeginIndex = 200;
  peaks[0].EndIndex = 280;
  CalcPeakValue(pts, nullptr, peaks[0]);
  TElementsPeaksArr table(1);
  table[0].Name = "Pb";
  table[0].BeginPotential = -500;
  table[0].EndPotential = -300;
  const QRect plot(20, 10, 400, 300);
  const TPeakPainter::Frame frame = LinearFrame(plot, {-1000, 0, 25, 45});
  TPeakPainter::Colors colors;
  colors.Caption = QColor(0, 0, 0x40);
  const QColor curve(0, 0, 255);
  const std::vector<TPeakPainter::Curve> curves = {{&pts, &peaks, curve, {}}};
  QImage img(440, 330, QImage::Format_RGB32);
  img.fill(Qt::white);
  {
    QPainter p(&img);
    TPeakPainter::DrawPeakMarks(p, frame, table, true, colors, curves, true);
  }
  // The arrow stands at -420 mV (x = 20 + 0.58 * 400 = 252) over the height
  // of 6 µA (90 px); its filled heads make it wider than a line at the ends.
  const int x = 252;
  const QPointF top = frame.Map(-420, pts[232].Y);
  int column = 0;
  for (int y = static_cast<int>(top.y()) + 12; y < static_cast<int>(top.y()) + 78; ++y) {
    column += Count(img, curve, QRect(x - 2, y, 5, 1)) > 0;
  }
  EXPECT_EQ(column, 66);
  EXPECT_GT(Count(img, curve, QRect(x - 3, static_cast<int>(top.y()) + 1, 7, 5)), 8);
  // The name and, for one curve, the value in the caption colour at the bottom.
  EXPECT_GT(300 * 40 - Count(img, Qt::white, QRect(100, 270, 300, 40)), 40);
}

TEST(PeakPainter, ManyCurvesDrawTheBandsEdgesBlackAndTheirOwnBordersLight) {
  // Ten parallels whose borders each lie a point further on: the band's two
  // edges in black, the curves' own borders light, no bar of black lines.
  const TDataArr pts = PbCurve();
  std::vector<TPeaks> peaks(10, TPeaks(1));
  std::vector<TPeakPainter::Curve> curves;
  for (int k = 0; k < 10; ++k) {
    TPeakRecord& p = peaks[static_cast<std::size_t>(k)][0];
    p.Name = "Pb";
    p.BeginIndex = 190 + 2 * k;
    p.EndIndex = 270 + 2 * k;
    curves.push_back({&pts, &peaks[static_cast<std::size_t>(k)], Qt::red, {}});
  }
  TElementsPeaksArr table(1);
  table[0].Name = "Pb";
  table[0].BeginPotential = pts[190].X;
  table[0].EndPotential = pts[288].X;
  table[0].BordersDiffer = 1;
  const QRect plot(20, 10, 400, 200);
  const TPeakPainter::Frame frame = LinearFrame(plot, {-1000, 0, 25, 45});
  QImage img(440, 230, QImage::Format_RGB32);
  img.fill(Qt::white);
  {
    QPainter p(&img);
    TPeakPainter::DrawPeakBands(p, frame, true, TPeakPainter::Colors{}, table, curves);
  }
  int black = 0, light = 0;
  for (int x = 0; x < img.width(); ++x) {
    const QColor c = img.pixelColor(x, 100);
    black += c == QColor(Qt::black);
    light += c != QColor(Qt::black) && c != QColor(Qt::white);
  }
  EXPECT_EQ(black, 2);
  EXPECT_GE(light, 8);
}

TEST(PeakPainter, MarksStayInsideThePlot) {
  // The linear correction draws its chosen tangent over the whole potential
  // axis; steep, it leaves the plot through the top and the bottom, where
  // the axes' labels are.
  const TDataArr pts = PbCurve();
  TPeaks peaks(1);
  TPeakRecord& p = peaks[0];
  p.Name = "Pb";
  p.CalcType = CalcByMinMaxWLines2;
  p.BeginIndex = 200;
  p.EndIndex = 280;
  p.MarkIndex1 = p.MarkIndex2 = 232;
  p.ChosenLine = 1;
  p.BaseCoef[0] = 30.0 + 0.5 * 420.0;  // through (-420 mV, 30 µA), 0.5 µA/mV
  p.BaseCoef[1] = 0.5;
  p.MarkY1 = 30.0;
  p.MarkY2 = 36.0;
  p.PeakValue = 6.0;
  TElementsPeaksArr table(1);
  table[0].Name = "Pb";
  table[0].BeginPotential = -500;
  table[0].EndPotential = -300;
  table[0].CalcType = CalcByMinMaxWLines2;
  const QRect plot(40, 30, 360, 240);
  const TPeakPainter::Frame frame = LinearFrame(plot, {-1000, 0, 25, 45});
  const QColor curve(0, 0, 255);
  QImage img(440, 300, QImage::Format_RGB32);
  img.fill(Qt::white);
  {
    QPainter painter(&img);
    TPeakPainter::DrawPeakMarks(painter, frame, table, true, TPeakPainter::Colors{}, {{&pts, &peaks, curve, {}}}, true);
  }
  const int inside = Count(img, curve, plot);
  EXPECT_GT(inside, 100);                // the tangent is drawn ...
  EXPECT_EQ(Count(img, curve), inside);  // ... and nothing of it beyond the plot
}

TEST(PeakPainter, NamesOfCloseBandsStackAndStayInsideThePlot) {
  // Cd and Pb bands 20 mV apart (8 pixels), Cu at the right end of the
  // potential range: names only, as for several curves.
  TElementsPeaksArr table(3);
  const char* names[] = {"Cd", "Pb", "Cu"};
  const double centres[] = {-500, -480, -5};
  for (int k = 0; k < 3; ++k) {
    table[static_cast<std::size_t>(k)].Name = names[k];
    table[static_cast<std::size_t>(k)].BeginPotential = centres[k] - 10;
    table[static_cast<std::size_t>(k)].EndPotential = centres[k] + 10;
  }
  const QRect plot(20, 10, 400, 300);
  TPeakPainter::Frame frame = LinearFrame(plot, {-1000, 0, 25, 45});
  frame.FontPixels = 12;
  QImage img(460, 330, QImage::Format_RGB32);
  img.fill(Qt::white);
  {
    QPainter p(&img);
    TPeakPainter::DrawPeakMarks(p, frame, table, false, TPeakPainter::Colors{}, {}, true);
  }
  auto inked = [&img](const QRect& r) { return r.width() * r.height() - Count(img, Qt::white, r); };
  QFont font;
  font.setPixelSize(12);
  const int row = static_cast<int>(std::ceil(QFontMetricsF(font).height()));
  const int bottom = plot.top() + plot.height();
  // Cd on the bottom row, Pb a row above it, nothing in between overlaid.
  EXPECT_GT(inked(QRect(200, bottom - row, 40, row)), 20);
  EXPECT_GT(inked(QRect(200, bottom - 2 * row, 40, row)), 20);
  EXPECT_EQ(inked(QRect(200, bottom - 4 * row, 40, 2 * row)), 0);
  // Cu is pulled in from the plot's right edge.
  EXPECT_GT(inked(QRect(380, bottom - row, 40, row)), 20);
  EXPECT_EQ(inked(QRect(plot.left() + plot.width() + 1, 0, 39, 330)), 0);
}
