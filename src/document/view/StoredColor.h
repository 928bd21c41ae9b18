#pragma once

#include <QColor>
#include <cstdint>

namespace velmora {

// Colours as the settings file stores them: 0x00BBGGRR, or a negative value
// naming a system colour (0xFF0000nn, nn the system colour index).
class StoredColor {
 public:
  static QColor toQColor(std::int32_t stored);
  // Always a plain RGB value.
  static std::int32_t fromQColor(const QColor& color);
};

}  // namespace velmora
