#include "StoredColor.h"

#include <QApplication>
#include <QPalette>

namespace velmora {

QColor StoredColor::toQColor(std::int32_t stored) {
  const auto v = static_cast<std::uint32_t>(stored);
  if ((v & 0xFF000000u) == 0xFF000000u) {
    // System colours: the few the settings use, from the current palette.
    const QPalette pal = QApplication::palette();
    switch (v & 0xFFu) {
      case 5:
        return pal.color(QPalette::Base);  // window
      case 8:
        return pal.color(QPalette::Text);  // window text
      case 13:
        return pal.color(QPalette::Highlight);  // highlight
      case 14:
        return pal.color(QPalette::HighlightedText);
      case 15:
        return pal.color(QPalette::Button);  // button face
      case 16:
        return pal.color(QPalette::Mid);  // button shadow
      case 18:
        return pal.color(QPalette::ButtonText);
      default:
        return pal.color(QPalette::Highlight);
    }
  }
  return QColor(static_cast<int>(v & 0xFFu), static_cast<int>((v >> 8) & 0xFFu), static_cast<int>((v >> 16) & 0xFFu));
}

std::int32_t StoredColor::fromQColor(const QColor& color) {
  const QColor c = color.toRgb();
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
                                   (static_cast<std::uint32_t>(c.blue()) << 16));
}

}  // namespace velmora
