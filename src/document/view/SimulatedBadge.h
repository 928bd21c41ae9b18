#pragma once

#include <QCoreApplication>
#include <QIcon>
#include <QRect>
#include <QString>

class QPainter;
class QFont;

namespace velmora {

// The mark of curves that come from the built-in analyzer emulator: an
// amber badge over a thumbnail, an amber dot before a name in a list.
// Simulated data never pass for measured ones, and the caption keeps all
// its room for what tells the curves apart.
class SimulatedBadge {
  Q_DECLARE_TR_FUNCTIONS(SimulatedBadge)

 public:
  // The badge's word and the longer explanation for tooltips.
  static QString text();
  static QString toolTip();
  static QColor color();
  // The badge's rectangle with its top-right corner at `topRight`, in a
  // font derived from `font`.
  static QRect rect(const QFont& font, const QPoint& topRight);
  // Draws the badge with its top-right corner at `topRight`; returns its
  // rectangle.
  static QRect paint(QPainter& p, const QPoint& topRight);
  // The small icon list and tree items carry.
  static QIcon icon();
};

}  // namespace velmora
