#include "StreamText.h"

#include <algorithm>

#include "BinaryReader.h"
#include "Cp1251.h"

namespace velmora {

std::string StreamText::ReadShortString(BinaryReader& in, std::size_t capacity) {
  if (in.remaining() >= capacity + 1) return in.shortString(capacity);
  if (in.atEnd()) return {};
  const std::size_t stated = in.u8();
  const std::size_t length = std::min(stated, std::min(capacity, in.remaining()));
  std::string text = Cp1251::toUtf8(in.bytes(length));
  in.skip(in.remaining());
  return text;
}

}  // namespace velmora
