#pragma once

#include <QColor>
#include <cstdint>
#include <vector>

namespace velmora {

// Colours as the settings file keeps them: 32-bit values 0x00BBGGRR, or a
// negative value 0xFF0000nn naming the system colour nn (-16777203 is the
// selection highlight). System colours follow the current palette.
class ColorValue {
 public:
  struct Named {
    std::int32_t value;
    const char* name;  // English; translated in the "ColorValue" context
  };

  static constexpr std::int32_t Highlight = -16777203;

  static bool isSystemColor(std::int32_t value) {
    return (static_cast<std::uint32_t>(value) & 0xFF000000u) == 0xFF000000u;
  }
  static std::int32_t systemColor(int index) {
    return static_cast<std::int32_t>(0xFF000000u | static_cast<std::uint32_t>(index & 0xFF));
  }
  // The colour to paint with.
  static QColor toQColor(std::int32_t value);
  // A plain RGB value (alpha dropped).
  static std::int32_t fromQColor(const QColor& color);
  // The colour list offered by the colour boxes: the standard colours, then
  // the system colours.
  static const std::vector<Named>& namedColors();
  // The entry of the list holding `value`, or null.
  static const Named* find(std::int32_t value);
};

}  // namespace velmora
