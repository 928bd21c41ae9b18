#include "IconPalette.h"

namespace velmora {

const QColor& IconPalette::Ink() {
  static const QColor c(0x33, 0x3d, 0x4a);
  return c;
}

const QColor& IconPalette::Accent() {
  static const QColor c(0x2f, 0x6f, 0xb8);
  return c;
}

const QColor& IconPalette::Paper() {
  static const QColor c(0xfb, 0xfc, 0xfe);
  return c;
}

const QColor& IconPalette::Green() {
  static const QColor c(0x1f, 0x8a, 0x3a);
  return c;
}

const QColor& IconPalette::Red() {
  static const QColor c(0xc6, 0x32, 0x2e);
  return c;
}

}  // namespace velmora
