#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Windows-1251 <-> UTF-8. Every byte 0x00..0xFF decodes to a code point and
// encodes back to the same byte (0x98, undefined in the code page, maps to
// U+0098). Code points the code page cannot hold and malformed UTF-8 become
// "?".
class Cp1251 {
 public:
  static std::string toUtf8(std::span<const std::uint8_t> bytes);
  static std::vector<std::uint8_t> fromUtf8(std::string_view utf8);
  static char32_t decodeByte(std::uint8_t byte);
  // The byte for a code point, or '?' when there is none.
  static std::uint8_t encodeCodePoint(char32_t cp);
};

// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, char32_t cp);

}  // namespace velmora
