#include "ActionIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

#include "IconPalette.h"

namespace velmora {

namespace {

const QColor& kInk = IconPalette::Ink();
const QColor& kAccent = IconPalette::Accent();
const QColor& kPaper = IconPalette::Paper();
const QColor& kGreen = IconPalette::Green();
const QColor& kRed = IconPalette::Red();

// A stripping peak across a box: the motif of every chart icon.
QPainterPath peakPath(const QRectF& r, double height = 0.75) {
  QPainterPath p;
  const int n = 24;
  for (int i = 0; i <= n; ++i) {
    const double t = static_cast<double>(i) / n;
    const double g = std::exp(-std::pow((t - 0.55) / 0.13, 2.0));
    const double y = r.bottom() - r.height() * (0.12 + 0.1 * t + height * g);
    const QPointF pt(r.left() + r.width() * t, y);
    if (i == 0) {
      p.moveTo(pt);
    } else {
      p.lineTo(pt);
    }
  }
  return p;
}

void page(QPainter& p, const QRectF& r) {
  QPainterPath path;
  const double fold = r.width() * 0.3;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - fold, r.top());
  path.lineTo(r.right(), r.top() + fold);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setBrush(kPaper);
  p.setPen(QPen(kInk, 1.4));
  p.drawPath(path);
  p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
  p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, double width = 2.4) {
  p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(from, to);
  const QPointF d = to - from;
  const double len = std::hypot(d.x(), d.y());
  if (len <= 0) return;
  const QPointF u = d / len;
  const QPointF n(-u.y(), u.x());
  const double h = 6.0;
  QPolygonF head;
  head << to << to - u * h + n * h * 0.7 << to - u * h - n * h * 0.7;
  p.setBrush(c);
  p.setPen(Qt::NoPen);
  p.drawPolygon(head);
}

void chartFrame(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1.4));
  p.setBrush(kPaper);
  p.drawRect(r);
}

void curve(QPainter& p, const QRectF& r, const QColor& c, double height = 0.75) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(peakPath(r, height));
}

void tinyThumb(QPainter& p, const QRectF& r, const QColor& c) {
  chartFrame(p, r);
  curve(p, r.adjusted(2, 2, -2, -2), c, 0.7);
}

// A calibration or standard-additions chart: points on a rising line.
void regression(QPainter& p, bool points) {
  p.setPen(QPen(kInk, 1.4));
  p.drawLine(QPointF(5, 4), QPointF(5, 28));
  p.drawLine(QPointF(3, 26), QPointF(29, 26));
  p.setPen(QPen(kGreen, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(7, 25), QPointF(27, 6));
  if (!points) return;
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  for (const QPointF& c : {QPointF(12, 19.5), QPointF(18, 14.8), QPointF(24, 8)}) p.drawEllipse(c, 2.4, 2.4);
}

// A small table of 3 × 3 cells.
void table(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kPaper);
  p.drawRect(r);
  p.setBrush(QColor(0xdd, 0xe6, 0xf2));
  p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() / 3));
  for (int i = 1; i < 3; ++i) {
    p.drawLine(QPointF(r.left() + r.width() * i / 3, r.top()), QPointF(r.left() + r.width() * i / 3, r.bottom()));
    p.drawLine(QPointF(r.left(), r.top() + r.height() * i / 3), QPointF(r.right(), r.top() + r.height() * i / 3));
  }
}

// A plus (green) or a minus (red) in the top right corner.
void sign(QPainter& p, bool plus) {
  const QColor c = plus ? kGreen : kRed;
  p.setPen(QPen(Qt::white, 5.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20, 7), QPointF(29, 7));
  if (plus) p.drawLine(QPointF(24.5, 2.5), QPointF(24.5, 11.5));
  p.setPen(QPen(c, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20, 7), QPointF(29, 7));
  if (plus) p.drawLine(QPointF(24.5, 2.5), QPointF(24.5, 11.5));
}

void paintKind(QPainter& p, ActionIcons::Kind kind) {
  using K = ActionIcons::Kind;
  const QRectF box(4, 4, 24, 24);
  switch (kind) {
    case K::None:
      break;
    case K::New:
      page(p, QRectF(7, 3, 18, 25));
      curve(p, QRectF(9, 12, 14, 12), kGreen);
      break;
    case K::Open: {
      p.setPen(QPen(kInk, 1.4));
      p.setBrush(QColor(0xf2, 0xc9, 0x4c));
      QPainterPath back;
      back.moveTo(3, 8);
      back.lineTo(11, 8);
      back.lineTo(13, 11);
      back.lineTo(27, 11);
      back.lineTo(27, 26);
      back.lineTo(3, 26);
      back.closeSubpath();
      p.drawPath(back);
      p.setBrush(QColor(0xf7, 0xdb, 0x7a));
      QPolygonF front;
      front << QPointF(3, 26) << QPointF(8, 15) << QPointF(30, 15) << QPointF(27, 26);
      p.drawPolygon(front);
      break;
    }
    case K::AppendFile:
      page(p, QRectF(5, 3, 18, 25));
      arrow(p, QPointF(26, 20), QPointF(26, 29), kGreen);
      p.setPen(QPen(kGreen, 2.4, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(22, 24), QPointF(30, 24));
      break;
    case K::Save:
      p.setPen(QPen(kInk, 1.4));
      p.setBrush(kAccent);
      p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
      p.setBrush(kPaper);
      p.drawRect(QRectF(9, 4, 14, 9));
      p.setBrush(QColor(0xdd, 0xe6, 0xf2));
      p.drawRect(QRectF(8, 17, 16, 11));
      break;
    case K::Import:
      page(p, QRectF(11, 3, 17, 25));
      arrow(p, QPointF(2, 16), QPointF(16, 16), kAccent);
      break;
    case K::Print:
      p.setPen(QPen(kInk, 1.4));
      p.setBrush(kPaper);
      p.drawRect(QRectF(9, 4, 14, 9));
      p.setBrush(QColor(0xb8, 0xc2, 0xcf));
      p.drawRoundedRect(QRectF(4, 12, 24, 11), 2, 2);
      p.setBrush(kPaper);
      p.drawRect(QRectF(9, 19, 14, 9));
      break;
    case K::Undo:
    case K::Redo: {
      const bool undo = kind == K::Undo;
      QPainterPath path;
      path.moveTo(undo ? 24 : 8, 25);
      path.cubicTo(undo ? 30 : 2, 14, undo ? 18 : 14, 8, undo ? 9 : 23, 11);
      p.setPen(QPen(kAccent, 2.6, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawPath(path);
      arrow(p, QPointF(undo ? 12 : 20, 11), QPointF(undo ? 5 : 27, 12), kAccent);
      break;
    }
    case K::Rename:
      p.setPen(QPen(kInk, 1.4));
      p.setBrush(kPaper);
      p.drawRect(QRectF(3, 10, 26, 12));
      p.setPen(QPen(kAccent, 2.0));
      p.drawLine(QPointF(17, 7), QPointF(17, 25));
      p.drawLine(QPointF(14, 7), QPointF(20, 7));
      p.drawLine(QPointF(14, 25), QPointF(20, 25));
      p.setPen(QPen(kInk, 2.0));
      p.drawLine(QPointF(7, 16), QPointF(13, 16));
      break;
    case K::Group:
      p.setPen(QPen(kAccent, 1.6, Qt::DashLine));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(QRectF(2, 2, 28, 28), 3, 3);
      tinyThumb(p, QRectF(5, 5, 16, 11), kGreen);
      tinyThumb(p, QRectF(11, 16, 16, 11), kRed);
      break;
    case K::Ungroup:
      tinyThumb(p, QRectF(2, 3, 16, 11), kGreen);
      tinyThumb(p, QRectF(14, 18, 16, 11), kRed);
      arrow(p, QPointF(21, 9), QPointF(29, 9), kAccent, 2.0);
      arrow(p, QPointF(11, 23), QPointF(3, 23), kAccent, 2.0);
      break;
    case K::MoveUp:
      tinyThumb(p, QRectF(3, 17, 18, 12), kGreen);
      arrow(p, QPointF(25, 27), QPointF(25, 4), kAccent);
      break;
    case K::MoveDown:
      tinyThumb(p, QRectF(3, 3, 18, 12), kGreen);
      arrow(p, QPointF(25, 4), QPointF(25, 27), kAccent);
      break;
    case K::Delete:
      p.setPen(QPen(kRed, 3.2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(8, 8), QPointF(24, 24));
      p.drawLine(QPointF(24, 8), QPointF(8, 24));
      break;
    case K::Fold:
    case K::Unfold:
      p.setPen(QPen(kInk, 1.4));
      p.setBrush(kPaper);
      p.drawRect(QRectF(5, 5, 22, 22));
      p.setPen(QPen(kInk, 2.4));
      p.drawLine(QPointF(10, 16), QPointF(22, 16));
      if (kind == K::Unfold) p.drawLine(QPointF(16, 10), QPointF(16, 22));
      break;
    case K::Smooth: {
      chartFrame(p, box);
      QPainterPath noisy;
      for (int i = 0; i <= 20; ++i) {
        const double x = 6 + i;
        const double y = 20 - 7 * std::exp(-std::pow((i - 11) / 4.0, 2.0)) + ((i % 2) ? 2.0 : -2.0);
        if (i == 0) {
          noisy.moveTo(x, y);
        } else {
          noisy.lineTo(x, y);
        }
      }
      p.setPen(QPen(QColor(0xa0, 0xa8, 0xb4), 1.2));
      p.setBrush(Qt::NoBrush);
      p.drawPath(noisy);
      curve(p, box.adjusted(2, 2, -2, -2), kGreen, 0.55);
      break;
    }
    case K::Copy:
      tinyThumb(p, QRectF(3, 3, 18, 18), kGreen);
      tinyThumb(p, QRectF(11, 11, 18, 18), kGreen);
      break;
    case K::Fit:
      chartFrame(p, box);
      curve(p, box.adjusted(1, 1, -1, -1), kGreen, 0.8);
      arrow(p, QPointF(12, 12), QPointF(5, 5), kAccent, 1.8);
      arrow(p, QPointF(20, 20), QPointF(27, 27), kAccent, 1.8);
      break;
    case K::XAxis:
    case K::YAxis: {
      const bool x = kind == K::XAxis;
      p.setPen(QPen(QColor(0xb0, 0xb8, 0xc4), 1.4));
      p.drawLine(QPointF(6, 26), QPointF(28, 26));
      p.drawLine(QPointF(6, 4), QPointF(6, 26));
      p.setPen(QPen(kAccent, 2.6));
      if (x) {
        p.drawLine(QPointF(6, 26), QPointF(28, 26));
        for (int i = 10; i <= 26; i += 5) p.drawLine(QPointF(i, 26), QPointF(i, 22));
      } else {
        p.drawLine(QPointF(6, 4), QPointF(6, 26));
        for (int i = 6; i <= 22; i += 5) p.drawLine(QPointF(6, i), QPointF(10, i));
      }
      curve(p, QRectF(9, 6, 19, 17), kGreen, 0.8);
      break;
    }
    case K::Grid:
      chartFrame(p, box);
      p.setPen(QPen(QColor(0x9a, 0xa5, 0xb5), 1.0, Qt::DotLine));
      for (int i = 1; i < 4; ++i) {
        p.drawLine(QPointF(4 + 6 * i, 4), QPointF(4 + 6 * i, 28));
        p.drawLine(QPointF(4, 4 + 6 * i), QPointF(28, 4 + 6 * i));
      }
      break;
    case K::Captions: {
      tinyThumb(p, QRectF(3, 3, 26, 20), kGreen);
      QFont f;
      f.setPixelSize(11);
      f.setBold(true);
      p.setFont(f);
      p.setPen(kAccent);
      p.drawText(QRectF(6, 19, 24, 12), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Ab"));
      break;
    }
    case K::Legend:
      chartFrame(p, box);
      for (int i = 0; i < 3; ++i) {
        const QColor c = i == 0 ? kGreen : (i == 1 ? kRed : kAccent);
        p.setPen(QPen(c, 2.4));
        p.drawLine(QPointF(8, 10 + 6 * i), QPointF(13, 10 + 6 * i));
        p.setPen(QPen(kInk, 1.4));
        p.drawLine(QPointF(16, 10 + 6 * i), QPointF(24, 10 + 6 * i));
      }
      break;
    case K::Background:
      p.setPen(QPen(kInk, 1.4));
      p.setBrush(QColor(0xe8, 0xee, 0xf7));
      p.drawRect(box);
      p.setBrush(QColor(0xff, 0xf4, 0xd6));
      p.drawRect(QRectF(4, 4, 12, 24));
      curve(p, box.adjusted(1, 1, -1, -1), kGreen, 0.8);
      break;
    case K::BlackWhite:
      chartFrame(p, box);
      curve(p, box.adjusted(1, 1, -1, -1), Qt::black, 0.8);
      curve(p, box.adjusted(1, 5, -1, -1), QColor(0x70, 0x70, 0x70), 0.5);
      break;
    case K::Unzoom:
      p.setPen(QPen(kInk, 2.2));
      p.setBrush(kPaper);
      p.drawEllipse(QRectF(4, 4, 17, 17));
      p.drawLine(QPointF(18, 18), QPointF(28, 28));
      p.setPen(QPen(kAccent, 2.4));
      p.drawLine(QPointF(8, 12.5), QPointF(17, 12.5));
      break;
    case K::Properties:
      page(p, QRectF(6, 3, 20, 26));
      p.setPen(QPen(kAccent, 1.8));
      for (int i = 0; i < 4; ++i) p.drawLine(QPointF(10, 11 + 4.5 * i), QPointF(22, 11 + 4.5 * i));
      break;
    case K::Settings: {
      p.setPen(QPen(kInk, 1.4));
      p.setBrush(QColor(0xb8, 0xc2, 0xcf));
      QPainterPath gear;
      for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        const double r = (i % 2 == 0) ? 13.0 : 10.0;
        const QPointF pt(16 + r * std::cos(a), 16 + r * std::sin(a));
        if (i == 0) {
          gear.moveTo(pt);
        } else {
          gear.lineTo(pt);
        }
      }
      gear.closeSubpath();
      p.drawPath(gear);
      p.setBrush(kPaper);
      p.drawEllipse(QPointF(16, 16), 4.5, 4.5);
      break;
    }
    case K::Reset: {
      p.setPen(QPen(kAccent, 2.6, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(6, 6, 20, 20), 60 * 16, 290 * 16);
      arrow(p, QPointF(22, 4), QPointF(25, 9), kAccent, 2.0);
      break;
    }
    case K::RecordParams:
      chartFrame(p, box);
      p.setPen(QPen(kAccent, 2.0));
      p.drawLine(QPointF(6, 22), QPointF(12, 22));
      p.drawLine(QPointF(12, 22), QPointF(12, 10));
      p.drawLine(QPointF(12, 10), QPointF(18, 10));
      p.drawLine(QPointF(18, 10), QPointF(26, 24));
      break;
    case K::Record:
      p.setPen(QPen(QColor(0x8a, 0x1c, 0x19), 1.4));
      p.setBrush(kRed);
      p.drawEllipse(QPointF(16, 16), 10, 10);
      break;
    case K::Pause:
      p.setPen(Qt::NoPen);
      p.setBrush(kInk);
      p.drawRoundedRect(QRectF(8, 6, 6, 20), 1, 1);
      p.drawRoundedRect(QRectF(18, 6, 6, 20), 1, 1);
      break;
    case K::Stop:
      p.setPen(Qt::NoPen);
      p.setBrush(kInk);
      p.drawRoundedRect(QRectF(7, 7, 18, 18), 2, 2);
      break;
    case K::Mixer:
      p.setPen(QPen(kInk, 1.4));
      p.setBrush(QColor(0xdd, 0xe9, 0xf7));
      p.drawRoundedRect(QRectF(5, 9, 22, 19), 3, 3);
      p.setPen(QPen(kAccent, 2.2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(16, 2), QPointF(16, 22));
      p.drawLine(QPointF(10, 22), QPointF(22, 22));
      break;
    case K::Calculations: {
      p.setPen(QPen(kInk, 1.4));
      p.setBrush(QColor(0xe4, 0xe9, 0xf0));
      p.drawRoundedRect(QRectF(6, 3, 20, 26), 2, 2);
      p.setBrush(QColor(0xcf, 0xe8, 0xd5));
      p.drawRect(QRectF(9, 6, 14, 6));
      p.setBrush(kAccent);
      p.setPen(Qt::NoPen);
      for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) p.drawRect(QRectF(9 + 5 * c, 15 + 4.5 * r, 3.5, 3));
      }
      break;
    }
    case K::Peaks:
      chartFrame(p, box);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0x2f, 0x6f, 0xb8, 70));
      p.drawRect(QRectF(13, 5, 8, 22));
      curve(p, box.adjusted(1, 1, -1, -1), kGreen, 0.8);
      break;
    case K::Wizard: {
      p.setPen(QPen(QColor(0x8b, 0x5a, 0x2b), 3.0, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(6, 27), QPointF(20, 13));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0xf2, 0xb7, 0x05));
      QPolygonF star;
      for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = (i % 2 == 0) ? 8.0 : 3.5;
        star << QPointF(22 + r * std::cos(a), 10 + r * std::sin(a));
      }
      p.drawPolygon(star);
      break;
    }
    case K::Help: {
      p.setPen(QPen(kAccent, 1.4));
      p.setBrush(kAccent);
      p.drawEllipse(QPointF(16, 16), 12, 12);
      QFont f;
      f.setPixelSize(18);
      f.setBold(true);
      p.setFont(f);
      p.setPen(Qt::white);
      p.drawText(QRectF(4, 4, 24, 24), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case K::Document:
      page(p, QRectF(7, 3, 18, 25));
      curve(p, QRectF(9, 12, 14, 12), kGreen);
      break;
    case K::CheckedBox:
    case K::UncheckedBox:
      p.setPen(QPen(kInk, 1.6));
      p.setBrush(Qt::white);
      p.drawRoundedRect(QRectF(6, 6, 20, 20), 2, 2);
      if (kind == K::CheckedBox) {
        p.setPen(QPen(kGreen, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF() << QPointF(10, 16) << QPointF(14, 21) << QPointF(22, 10));
      }
      break;
    case K::Equation: {
      // A formula card: a fraction over a bar, an equals sign.
      page(p, QRectF(5, 3, 22, 26));
      p.setPen(QPen(kAccent, 2.0, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(9, 16), QPointF(18, 16));
      p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(11, 11), QPointF(16, 11));
      p.drawLine(QPointF(11, 21), QPointF(16, 21));
      p.drawLine(QPointF(20, 14), QPointF(24, 14));
      p.drawLine(QPointF(20, 18), QPointF(24, 18));
      break;
    }
    case K::ZeroPoint:
      regression(p, false);
      p.setPen(QPen(kRed, 1.4));
      p.setBrush(kRed);
      p.drawEllipse(QPointF(7, 25), 2.6, 2.6);
      break;
    case K::SaveCalibration:
      regression(p, true);
      p.setPen(QPen(kInk, 1.2));
      p.setBrush(kAccent);
      p.drawRoundedRect(QRectF(17, 17, 13, 13), 1.5, 1.5);
      p.setBrush(kPaper);
      p.drawRect(QRectF(20, 17, 7, 4.5));
      break;
    case K::Calibrations:
      // A stack of calibration cards.
      for (int i = 2; i >= 0; --i) {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(i == 0 ? kPaper : QColor(0xe4, 0xe9, 0xf0));
        p.drawRect(QRectF(4 + 2.5 * i, 10 - 3 * i, 20, 17));
      }
      p.setPen(QPen(kGreen, 1.8, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(7, 24), QPointF(21, 13));
      p.setPen(Qt::NoPen);
      p.setBrush(kAccent);
      for (const QPointF& c : {QPointF(9, 22), QPointF(14, 18.5), QPointF(19, 14.5)}) p.drawEllipse(c, 1.8, 1.8);
      break;
    case K::PeakCalcType:
      chartFrame(p, box);
      curve(p, box.adjusted(1, 1, -1, -1), kGreen, 0.8);
      p.setPen(QPen(kRed, 1.4));
      p.drawLine(QPointF(6, 24), QPointF(26, 22));
      arrow(p, QPointF(17.5, 19.5), QPointF(17.5, 8), kRed, 1.4);
      break;
    case K::BaselineType: {
      chartFrame(p, box);
      curve(p, box.adjusted(1, 1, -1, -1), kGreen, 0.8);
      QPainterPath base;
      base.moveTo(6, 24);
      base.cubicTo(12, 20, 20, 27, 26, 21);
      p.setPen(QPen(kRed, 1.6, Qt::DashLine));
      p.setBrush(Qt::NoBrush);
      p.drawPath(base);
      break;
    }
    case K::AddPeak:
    case K::RemovePeak:
      chartFrame(p, QRectF(3, 7, 22, 22));
      curve(p, QRectF(4, 8, 20, 20), kGreen, 0.8);
      sign(p, kind == K::AddPeak);
      break;
    case K::AddCell:
    case K::RemoveCell:
      table(p, QRectF(3, 7, 22, 22));
      sign(p, kind == K::AddCell);
      break;
    case K::Paste:
      p.setPen(QPen(kInk, 1.4));
      p.setBrush(QColor(0xc8, 0x9b, 0x62));
      p.drawRoundedRect(QRectF(5, 5, 18, 24), 2, 2);
      p.setBrush(QColor(0xb8, 0xc2, 0xcf));
      p.drawRect(QRectF(10, 3, 8, 5));
      table(p, QRectF(13, 13, 16, 16));
      break;
    case K::CalcChart:
      regression(p, true);
      p.setPen(QPen(kRed, 1.8));
      p.drawLine(QPointF(4, 22), QPointF(8, 26));
      p.drawLine(QPointF(8, 22), QPointF(4, 26));
      break;
    case K::AddToReport:
      page(p, QRectF(4, 3, 18, 25));
      p.setPen(QPen(kInk, 1.4));
      for (int i = 0; i < 3; ++i) p.drawLine(QPointF(7, 11 + 4.5 * i), QPointF(16, 11 + 4.5 * i));
      sign(p, true);
      break;
    case K::Archive:
      // A drawer of an archive cabinet with its handle.
      p.setPen(QPen(kInk, 1.4));
      p.setBrush(QColor(0xe4, 0xe9, 0xf0));
      p.drawRect(QRectF(3, 6, 26, 7));
      p.setBrush(kPaper);
      p.drawRect(QRectF(5, 13, 22, 15));
      p.setPen(QPen(kAccent, 2.0, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(12, 18), QPointF(20, 18));
      break;
    case K::EditScript:
    case K::GenerateScript: {
      // A script's page of steps, and a pencil or a spark that makes them.
      page(p, QRectF(4, 3, 18, 25));
      p.setPen(QPen(kInk, 1.4));
      for (int i = 0; i < 4; ++i) p.drawLine(QPointF(7, 10 + 4 * i), QPointF(i % 2 ? 13 : 17, 10 + 4 * i));
      if (kind == K::EditScript) {
        p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0xf2, 0xc9, 0x4c));
        QPolygonF pencil;
        pencil << QPointF(27, 11) << QPointF(30, 14) << QPointF(19, 25) << QPointF(15, 26) << QPointF(16, 22);
        p.drawPolygon(pencil);
      } else {
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        QPolygonF star;
        for (int i = 0; i < 8; ++i) {
          const double a = i * M_PI / 4;
          const double r = i % 2 ? 3.0 : 7.5;
          star << QPointF(23 + r * std::cos(a), 21 + r * std::sin(a));
        }
        p.drawPolygon(star);
      }
      break;
    }
  }
}

}  // namespace

QIcon ActionIcons::icon(Kind kind) {
  QIcon result;
  for (const int size : {16, 24, 32, 48}) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    paintKind(p, kind);
    p.end();
    result.addPixmap(pm);
  }
  return result;
}

}  // namespace velmora
