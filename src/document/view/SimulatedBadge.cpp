#include "SimulatedBadge.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

namespace velmora {

namespace {

QFont badgeFont(const QFont& font) {
  QFont f = font;
  if (f.pixelSize() > 0)
    f.setPixelSize(std::max(7, f.pixelSize() * 4 / 5));
  else
    f.setPointSizeF(std::max(6.0, f.pointSizeF() * 0.8));
  f.setBold(true);
  return f;
}

}  // namespace

QString SimulatedBadge::text() { return tr("simulated"); }

QString SimulatedBadge::toolTip() { return tr("Simulated by the built-in analyzer emulator, not measured"); }

QColor SimulatedBadge::color() { return QColor(0xE8, 0x8A, 0x00); }

QRect SimulatedBadge::rect(const QFont& font, const QPoint& topRight) {
  const QFontMetrics fm(badgeFont(font));
  const int w = fm.horizontalAdvance(text()) + 6;
  const int h = fm.height();
  return QRect(topRight.x() - w + 1, topRight.y(), w, h);
}

QRect SimulatedBadge::paint(QPainter& p, const QPoint& topRight) {
  const QRect r = rect(p.font(), topRight);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(color());
  p.drawRoundedRect(QRectF(r), 3, 3);
  p.setFont(badgeFont(p.font()));
  p.setPen(Qt::white);
  p.drawText(r, Qt::AlignCenter, text());
  p.restore();
  return r;
}

QIcon SimulatedBadge::icon() {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(color().darker(130), 1));
  p.setBrush(color());
  p.drawEllipse(QRectF(3.5, 3.5, 9, 9));
  p.end();
  return QIcon(pm);
}

}  // namespace velmora
