#include "ColorValue.h"

#include <QApplication>
#include <QPalette>

namespace velmora {

QColor ColorValue::toQColor(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  if (isSystemColor(value)) {
    const QPalette pal = QApplication::palette();
    switch (v & 0xFFu) {
      case 1:   // desktop
      case 15:  // button face
      case 4:   // menu
        return pal.color(QPalette::Button);
      case 2:   // active caption
      case 13:  // highlight
        return pal.color(QPalette::Highlight);
      case 5:  // window
        return pal.color(QPalette::Base);
      case 6:   // window frame
      case 16:  // button shadow
        return pal.color(QPalette::Mid);
      case 7:  // menu text
      case 8:  // window text
        return pal.color(QPalette::Text);
      case 9:   // caption text
      case 14:  // highlighted text
        return pal.color(QPalette::HighlightedText);
      case 17:  // grey text
        return pal.color(QPalette::Disabled, QPalette::Text);
      case 18:  // button text
        return pal.color(QPalette::ButtonText);
      case 20:  // 3-D highlight
        return pal.color(QPalette::Light);
      case 21:  // 3-D dark shadow
        return pal.color(QPalette::Shadow);
      case 23:  // info text
        return pal.color(QPalette::ToolTipText);
      case 24:  // info background
        return pal.color(QPalette::ToolTipBase);
      default:
        return pal.color(QPalette::Window);
    }
  }
  return QColor(static_cast<int>(v & 0xFFu), static_cast<int>((v >> 8) & 0xFFu), static_cast<int>((v >> 16) & 0xFFu));
}

std::int32_t ColorValue::fromQColor(const QColor& color) {
  const QColor c = color.toRgb();
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
                                   (static_cast<std::uint32_t>(c.blue()) << 16));
}

const std::vector<ColorValue::Named>& ColorValue::namedColors() {
  static const std::vector<Named> list = {
      {0x000000, QT_TRANSLATE_NOOP("ColorValue", "Black")},
      {0x000080, QT_TRANSLATE_NOOP("ColorValue", "Maroon")},
      {0x008000, QT_TRANSLATE_NOOP("ColorValue", "Green")},
      {0x008080, QT_TRANSLATE_NOOP("ColorValue", "Olive")},
      {0x800000, QT_TRANSLATE_NOOP("ColorValue", "Navy")},
      {0x800080, QT_TRANSLATE_NOOP("ColorValue", "Purple")},
      {0x808000, QT_TRANSLATE_NOOP("ColorValue", "Teal")},
      {0x808080, QT_TRANSLATE_NOOP("ColorValue", "Gray")},
      {0xC0C0C0, QT_TRANSLATE_NOOP("ColorValue", "Silver")},
      {0x0000FF, QT_TRANSLATE_NOOP("ColorValue", "Red")},
      {0x00FF00, QT_TRANSLATE_NOOP("ColorValue", "Lime")},
      {0x00FFFF, QT_TRANSLATE_NOOP("ColorValue", "Yellow")},
      {0xFF0000, QT_TRANSLATE_NOOP("ColorValue", "Blue")},
      {0xFF00FF, QT_TRANSLATE_NOOP("ColorValue", "Fuchsia")},
      {0xFFFF00, QT_TRANSLATE_NOOP("ColorValue", "Aqua")},
      {0xFFFFFF, QT_TRANSLATE_NOOP("ColorValue", "White")},
      {0xC0DCC0, QT_TRANSLATE_NOOP("ColorValue", "Money green")},
      {0xF0CAA6, QT_TRANSLATE_NOOP("ColorValue", "Sky blue")},
      {0xF0FBFF, QT_TRANSLATE_NOOP("ColorValue", "Cream")},
      {0xA4A0A0, QT_TRANSLATE_NOOP("ColorValue", "Medium gray")},
      {systemColor(13), QT_TRANSLATE_NOOP("ColorValue", "Highlight")},
      {systemColor(14), QT_TRANSLATE_NOOP("ColorValue", "Highlighted text")},
      {systemColor(5), QT_TRANSLATE_NOOP("ColorValue", "Window")},
      {systemColor(8), QT_TRANSLATE_NOOP("ColorValue", "Window text")},
      {systemColor(15), QT_TRANSLATE_NOOP("ColorValue", "Button face")},
      {systemColor(18), QT_TRANSLATE_NOOP("ColorValue", "Button text")},
  };
  return list;
}

const ColorValue::Named* ColorValue::find(std::int32_t value) {
  for (const Named& n : namedColors())
    if (n.value == value) return &n;
  return nullptr;
}

}  // namespace velmora
