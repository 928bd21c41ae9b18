#include "ChunkWriter.h"

#include <limits>
#include <stdexcept>

namespace velmora {

void ChunkWriter::begin(std::int32_t tag) {
  out_.i32(tag);
  open_.push_back(out_.size());
  out_.i32(0);
}

void ChunkWriter::end() {
  if (open_.empty()) throw std::logic_error("ChunkWriter::end without begin");
  const std::size_t sizeAt = open_.back();
  open_.pop_back();
  const std::size_t size = out_.size() - sizeAt - 4;
  if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw std::length_error("block larger than 2 GiB");
  out_.patchI32(sizeAt, static_cast<std::int32_t>(size));
}

void ChunkWriter::chunk(std::int32_t tag, std::span<const std::uint8_t> payload) {
  if (payload.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw std::length_error("block larger than 2 GiB");
  out_.i32(tag);
  out_.i32(static_cast<std::int32_t>(payload.size()));
  out_.bytes(payload);
}

void ChunkWriter::emptyChunk(std::int32_t tag) {
  out_.i32(tag);
  out_.i32(0);
}

void ChunkWriter::byteChunk(std::int32_t tag, std::uint8_t value) {
  out_.i32(tag);
  out_.i32(1);
  out_.u8(value);
}

void ChunkWriter::int32Chunk(std::int32_t tag, std::int32_t value) {
  out_.i32(tag);
  out_.i32(4);
  out_.i32(value);
}

void ChunkWriter::doubleChunk(std::int32_t tag, double value) {
  out_.i32(tag);
  out_.i32(8);
  out_.f64(value);
}

}  // namespace velmora
