#pragma once

#include <cstdint>

#include "BinaryReader.h"

namespace velmora {

// One tagged block: int32 tag, int32 size, payload.
struct Chunk {
  std::int32_t tag = 0;
  std::size_t offset = 0;  // offset of the tag within the parent stream
  BinaryReader body;       // the payload
};

// Walks the tagged blocks of a stream until its end. A negative size or one
// beyond the end of the stream is an error, never an allocation. Readers
// call skip() for tags they do not know; unreadData() then tells the caller
// to report that unknown data was met.
class ChunkReader {
 public:
  explicit ChunkReader(BinaryReader& stream) : stream_(stream) {}

  // The next block, or false at the end of the stream. Throws EFormatError
  // for a damaged block header.
  bool next(Chunk& chunk);

  // Marks an unknown block as passed over.
  void skip(const Chunk&) { unreadData_ = true; }
  bool unreadData() const { return unreadData_; }

 private:
  BinaryReader& stream_;
  bool unreadData_ = false;
};

}  // namespace velmora
