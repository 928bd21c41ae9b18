#pragma once

#include <cstddef>
#include <string>

namespace velmora {

class BinaryReader;

// Text fields of the record and node blocks.
class StreamText {
 public:
  // A string[N] field. A block cut short (fewer than N + 1 bytes left)
  // still yields the text it holds, its length byte clamped to the bytes
  // that remain; an empty block gives an empty text.
  static std::string ReadShortString(BinaryReader& in, std::size_t capacity);
};

}  // namespace velmora
