#pragma once

#include <QColor>

namespace velmora {

// The colours every drawn icon shares (tool bars, menus, script steps): dark
// outlines, a blue accent, paper, and the chart's green and red.
class IconPalette {
 public:
  static const QColor& Ink();
  static const QColor& Accent();
  static const QColor& Paper();
  static const QColor& Green();
  static const QColor& Red();
};

}  // namespace velmora
