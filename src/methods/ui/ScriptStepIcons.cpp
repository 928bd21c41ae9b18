#include "ScriptStepIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

#include "IconPalette.h"
#include "ValueRecord.h"

namespace velmora {

namespace {

// The colours of the main window's tool bar icons, and two of the steps' own.
const QColor& kInk = IconPalette::Ink();
const QColor& kAccent = IconPalette::Accent();
const QColor& kPaper = IconPalette::Paper();
const QColor& kGreen = IconPalette::Green();
const QColor& kRed = IconPalette::Red();
const QColor kLiquid(0xbf, 0xd7, 0xf2);
const QColor kAmber(0xe8, 0x8a, 0x00);

QPen ink(double width = 1.6) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }
QPen stroke(const QColor& c, double width = 2.2) { return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A stripping peak across a box, as on the chart icons.
QPainterPath peak(const QRectF& r, double height = 0.75) {
  QPainterPath path;
  const int n = 24;
  for (int i = 0; i <= n; ++i) {
    const double t = static_cast<double>(i) / n;
    const double g = std::exp(-std::pow((t - 0.55) / 0.13, 2.0));
    const QPointF pt(r.left() + r.width() * t, r.bottom() - r.height() * (0.12 + 0.1 * t + height * g));
    if (i == 0)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  return path;
}

// A beaker filled to a third; `r` is its outline.
void beaker(QPainter& p, const QRectF& r) {
  p.setPen(Qt::NoPen);
  p.setBrush(kLiquid);
  p.drawRect(QRectF(r.left(), r.top() + r.height() * 0.45, r.width(), r.height() * 0.55));
  p.setPen(ink());
  p.setBrush(Qt::NoBrush);
  QPainterPath path;
  path.moveTo(r.left() - 1.5, r.top());
  path.lineTo(r.left(), r.top() + 1.5);
  path.lineTo(r.left(), r.bottom());
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.right(), r.top());
  p.drawPath(path);
}

// A circular arrow around `c`, open at the top right.
void cycle(QPainter& p, const QPointF& c, double radius, const QColor& colour) {
  p.setPen(stroke(colour, 2.4));
  p.setBrush(Qt::NoBrush);
  const QRectF r(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
  p.drawArc(r, 60 * 16, 280 * 16);
  const double a = 60.0 * M_PI / 180.0;
  const QPointF tip(c.x() + radius * std::cos(a), c.y() - radius * std::sin(a));
  QPolygonF head;
  head << tip + QPointF(-5.5, -1.5) << tip + QPointF(1.5, 4.5) << tip + QPointF(2.5, -4.0);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(head);
}

void bracket(QPainter& p, bool open) {
  p.setPen(stroke(kInk, 2.2));
  p.setBrush(Qt::NoBrush);
  const double x = open ? 4 : 28;
  const double d = open ? 4 : -4;
  p.drawPolyline(QPolygonF() << QPointF(x + d, 5) << QPointF(x, 5) << QPointF(x, 27) << QPointF(x + d, 27));
}

void paintStep(QPainter& p, std::uint32_t type) {
  switch (type) {
    case kStepWait: {  // an hourglass
      p.setPen(ink());
      p.setBrush(kPaper);
      QPolygonF glass;
      glass << QPointF(9, 5) << QPointF(23, 5) << QPointF(16, 16) << QPointF(23, 27) << QPointF(9, 27)
            << QPointF(16, 16);
      p.drawPolygon(glass);
      p.setPen(Qt::NoPen);
      p.setBrush(kAmber);
      p.drawPolygon(QPolygonF() << QPointF(12, 9) << QPointF(20, 9) << QPointF(16, 15));
      p.drawPolygon(QPolygonF() << QPointF(16, 21) << QPointF(21, 26) << QPointF(11, 26));
      p.setPen(stroke(kInk, 2.6));
      p.drawLine(QPointF(7, 4), QPointF(25, 4));
      p.drawLine(QPointF(7, 28), QPointF(25, 28));
      break;
    }
    case kStepStageName:  // a caption bar over lines of text
      p.setPen(ink());
      p.setBrush(kPaper);
      p.drawRoundedRect(QRectF(4, 5, 24, 22), 2, 2);
      p.setPen(Qt::NoPen);
      p.setBrush(kAccent);
      p.drawRect(QRectF(5, 6, 23, 6));
      p.setPen(ink(1.4));
      p.drawLine(QPointF(8, 17), QPointF(24, 17));
      p.drawLine(QPointF(8, 22), QPointF(19, 22));
      break;
    case kStepActivePage:  // a window whose front tab is chosen
      p.setPen(ink());
      p.setBrush(QColor(0xdd, 0xe6, 0xf2));
      p.drawRect(QRectF(15, 5, 9, 6));
      p.setBrush(kPaper);
      p.drawRect(QRectF(4, 10, 24, 18));
      p.setBrush(kAccent);
      p.drawRect(QRectF(4, 5, 10, 6));
      p.setPen(stroke(kAccent, 2.0));
      p.drawLine(QPointF(8, 17), QPointF(24, 17));
      p.drawLine(QPointF(8, 22), QPointF(20, 22));
      break;
    case kStepConjunctionType:  // the cell: a beaker with two electrodes
      beaker(p, QRectF(6, 12, 20, 16));
      p.setPen(stroke(kInk, 2.6));
      p.drawLine(QPointF(12, 3), QPointF(12, 23));
      p.setPen(stroke(kAccent, 2.6));
      p.drawLine(QPointF(20, 3), QPointF(20, 23));
      break;
    case kStepElectrodeType:  // an electrode with its drop
      p.setPen(ink());
      p.setBrush(QColor(0xb8, 0xc2, 0xcf));
      p.drawRoundedRect(QRectF(12, 3, 8, 18), 2, 2);
      p.setBrush(kAccent);
      p.drawEllipse(QPointF(16, 24.5), 3.8, 3.8);
      break;
    case kStepBeginCycle:
      bracket(p, true);
      cycle(p, QPointF(18, 16), 7.5, kAccent);
      break;
    case kStepEndCycle:
      bracket(p, false);
      cycle(p, QPointF(14, 16), 7.5, kAccent);
      break;
    case kStepCalcMethod:  // a calibration line with its points
      p.setPen(ink(1.4));
      p.drawLine(QPointF(5, 4), QPointF(5, 28));
      p.drawLine(QPointF(3, 26), QPointF(29, 26));
      p.setPen(stroke(kGreen, 2.0));
      p.drawLine(QPointF(7, 25), QPointF(27, 6));
      p.setPen(Qt::NoPen);
      p.setBrush(kAccent);
      for (const QPointF& c : {QPointF(12, 19.5), QPointF(18, 14.8), QPointF(24, 8)}) p.drawEllipse(c, 2.4, 2.4);
      break;
    case kStepCalcTable: {  // a small table
      const QRectF r(4, 6, 24, 20);
      p.setPen(ink(1.2));
      p.setBrush(kPaper);
      p.drawRect(r);
      p.setBrush(QColor(0xdd, 0xe6, 0xf2));
      p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() / 3));
      for (int i = 1; i < 3; ++i) {
        p.drawLine(QPointF(r.left() + r.width() * i / 3, r.top()), QPointF(r.left() + r.width() * i / 3, r.bottom()));
        p.drawLine(QPointF(r.left(), r.top() + r.height() * i / 3), QPointF(r.right(), r.top() + r.height() * i / 3));
      }
      break;
    }
    case kStepConcUnits: {  // a measuring cylinder with its scale
      p.setPen(Qt::NoPen);
      p.setBrush(kLiquid);
      p.drawRect(QRectF(11, 14, 10, 13));
      p.setPen(ink());
      p.setBrush(Qt::NoBrush);
      p.drawPolyline(QPolygonF() << QPointF(11, 4) << QPointF(11, 27) << QPointF(21, 27) << QPointF(21, 4));
      p.drawLine(QPointF(8, 28), QPointF(24, 28));
      p.setPen(ink(1.2));
      for (int y = 8; y <= 24; y += 4) p.drawLine(QPointF(11, y), QPointF(y % 8 == 0 ? 17 : 15, y));
      break;
    }
    case kStepPredefPeaks:  // a peak with the marks of its measurement
      p.setPen(stroke(kGreen, 2.0));
      p.setBrush(Qt::NoBrush);
      p.drawPath(peak(QRectF(3, 5, 26, 22)));
      p.setPen(QPen(kRed, 1.4, Qt::DashLine));
      p.drawLine(QPointF(17.3, 6), QPointF(17.3, 24));
      p.setPen(Qt::NoPen);
      p.setBrush(kRed);
      p.drawEllipse(QPointF(17.3, 8.5), 2.2, 2.2);
      break;
    case kStepProgram:  // the potential program: a step, then a sweep
      p.setPen(ink(1.4));
      p.drawLine(QPointF(4, 4), QPointF(4, 28));
      p.drawLine(QPointF(2, 27), QPointF(29, 27));
      p.setPen(stroke(kAccent, 2.4));
      p.setBrush(Qt::NoBrush);
      p.drawPolyline(QPolygonF() << QPointF(6, 9) << QPointF(12, 9) << QPointF(12, 22) << QPointF(17, 22)
                                 << QPointF(28, 7));
      break;
    case kStepLoopsCount:  // repeated: two turns of the arrow
      cycle(p, QPointF(13, 17), 8.5, kAccent);
      p.setPen(ink(1.8));
      p.drawLine(QPointF(22, 20), QPointF(28, 26));
      p.drawLine(QPointF(28, 20), QPointF(22, 26));
      break;
    case kStepStirrerType:  // a stirring bar turning in the beaker
      beaker(p, QRectF(6, 8, 20, 20));
      p.setPen(stroke(kInk, 2.2));
      p.drawLine(QPointF(16, 3), QPointF(16, 21));
      p.setPen(Qt::NoPen);
      p.setBrush(kAccent);
      p.drawEllipse(QRectF(9.5, 19.5, 13, 4));
      break;
    case kStepSupportingElectrolyte:  // a bottle of solution
      p.setPen(Qt::NoPen);
      p.setBrush(kLiquid);
      p.drawRoundedRect(QRectF(8.5, 15, 15, 12), 2, 2);
      p.setPen(ink());
      p.setBrush(Qt::NoBrush);
      {
        QPainterPath bottle;
        bottle.moveTo(13, 4);
        bottle.lineTo(13, 10);
        bottle.lineTo(8, 14);
        bottle.lineTo(8, 28);
        bottle.lineTo(24, 28);
        bottle.lineTo(24, 14);
        bottle.lineTo(19, 10);
        bottle.lineTo(19, 4);
        p.drawPath(bottle);
      }
      p.setBrush(kAccent);
      p.drawRect(QRectF(12, 2.5, 8, 3));
      break;
    case kStepControlsVisibility: {  // an eye
      p.setPen(ink());
      p.setBrush(kPaper);
      QPainterPath eye;
      eye.moveTo(3, 16);
      eye.quadTo(16, 3, 29, 16);
      eye.quadTo(16, 29, 3, 16);
      p.drawPath(eye);
      p.setBrush(kAccent);
      p.drawEllipse(QPointF(16, 16), 5, 5);
      p.setBrush(kInk);
      p.drawEllipse(QPointF(16, 16), 2, 2);
      break;
    }
    case kStepStatistics: {  // a histogram under its bell curve
      p.setPen(ink(1.0));
      p.setBrush(QColor(0xdd, 0xe6, 0xf2));
      const double heights[] = {5, 12, 18, 12, 5};
      for (int i = 0; i < 5; ++i) p.drawRect(QRectF(4.5 + 4.6 * i, 27 - heights[i], 4.6, heights[i]));
      p.setPen(stroke(kAccent, 2.0));
      p.setBrush(Qt::NoBrush);
      QPainterPath bell;
      for (int i = 0; i <= 24; ++i) {
        const double x = 3 + i;
        const double y = 27 - 21 * std::exp(-std::pow((x - 16) / 5.5, 2.0));
        if (i == 0)
          bell.moveTo(x, y);
        else
          bell.lineTo(x, y);
      }
      p.drawPath(bell);
      break;
    }
    case kStepCustomEquation:  // a calculator
      p.setPen(ink());
      p.setBrush(kPaper);
      p.drawRoundedRect(QRectF(7, 3, 18, 26), 2, 2);
      p.setBrush(QColor(0xdd, 0xe6, 0xf2));
      p.drawRect(QRectF(10, 6, 12, 6));
      p.setPen(Qt::NoPen);
      for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
          p.setBrush(r == 2 && c == 2 ? kAccent : kInk);
          p.drawRect(QRectF(10 + 4.3 * c, 15 + 4.3 * r, 3, 3));
        }
      break;
    case kStepStartRecord:  // record
      p.setPen(QPen(kRed.darker(130), 1.2));
      p.setBrush(kRed);
      p.drawEllipse(QPointF(16, 16), 9, 9);
      break;
    case kStepControlSolution:  // a beaker with a check mark
      beaker(p, QRectF(4, 10, 17, 18));
      p.setPen(QPen(Qt::white, 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygonF() << QPointF(15, 12) << QPointF(20, 18) << QPointF(29, 5));
      p.setPen(stroke(kGreen, 2.8));
      p.drawPolyline(QPolygonF() << QPointF(15, 12) << QPointF(20, 18) << QPointF(29, 5));
      break;
    case kStepSimulation:  // a dashed, simulated curve in a frame
      p.setPen(ink(1.4));
      p.setBrush(kPaper);
      p.drawRect(QRectF(3, 4, 26, 24));
      p.setPen(QPen(kAmber, 2.2, Qt::DashLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawPath(peak(QRectF(5, 7, 22, 19)));
      break;
    case kStepDummyData: {  // a page of made-up points
      p.setPen(ink(1.4));
      p.setBrush(kPaper);
      QPainterPath page;
      page.moveTo(6, 3);
      page.lineTo(20, 3);
      page.lineTo(26, 9);
      page.lineTo(26, 29);
      page.lineTo(6, 29);
      page.closeSubpath();
      p.drawPath(page);
      p.setPen(Qt::NoPen);
      p.setBrush(kAmber);
      for (const QPointF& c : {QPointF(10, 24), QPointF(13, 21), QPointF(16, 13), QPointF(19, 20), QPointF(22, 23)})
        p.drawEllipse(c, 1.8, 1.8);
      break;
    }
    case kStepParallelSamples:  // two beakers side by side
      beaker(p, QRectF(4, 10, 10, 17));
      beaker(p, QRectF(18, 10, 10, 17));
      break;
    case kStepActivation: {  // a flash of current
      p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(QColor(0xf2, 0xc9, 0x4c));
      QPolygonF bolt;
      bolt << QPointF(18, 2) << QPointF(7, 18) << QPointF(15, 18) << QPointF(12, 30) << QPointF(25, 12)
           << QPointF(17, 12) << QPointF(21, 2);
      p.drawPolygon(bolt);
      break;
    }
    default:  // an unknown command
      p.setPen(ink());
      p.setBrush(QColor(0xdd, 0xe6, 0xf2));
      p.drawEllipse(QPointF(16, 16), 11, 11);
      p.setPen(stroke(kInk, 2.4));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(12, 8, 8, 8), -30 * 16, 210 * 16);
      p.drawLine(QPointF(17, 16), QPointF(16, 19));
      p.drawPoint(QPointF(16, 23));
      break;
  }
}

QPixmap Draw(std::uint32_t type, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  paintStep(p, type);
  return pixmap;
}

}  // namespace

QIcon ScriptStepIcons::icon(std::uint32_t type) {
  QIcon icon;
  for (int size : {16, 24, 32, 48}) icon.addPixmap(Draw(type, size));
  return icon;
}

}  // namespace velmora
