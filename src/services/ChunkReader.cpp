#include "ChunkReader.h"

#include <string>

#include "FormatError.h"
#include "Messages.h"

namespace velmora {

bool ChunkReader::next(Chunk& chunk) {
  if (stream_.atEnd()) return false;
  const std::size_t offset = stream_.pos();
  if (stream_.remaining() < 8)
    throw EFormatError(Message(msg::ChunkHeaderTruncated, {std::to_string(stream_.remaining()), std::to_string(offset)}));
  const std::int32_t tag = stream_.i32();
  const std::int32_t size = stream_.i32();
  if (size < 0 || static_cast<std::size_t>(size) > stream_.remaining()) {
    const std::size_t left = stream_.remaining();
    stream_.seek(offset);
    throw EFormatError(Message(msg::ChunkSizeInvalid, {std::to_string(tag), std::to_string(offset),
                                                       std::to_string(size), std::to_string(left)}));
  }
  chunk.tag = tag;
  chunk.offset = offset;
  chunk.body = stream_.sub(static_cast<std::size_t>(size));
  return true;
}

}  // namespace velmora
