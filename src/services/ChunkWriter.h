#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "BinaryWriter.h"

namespace velmora {

// Writes tagged blocks into a BinaryWriter. Blocks may nest: begin() writes
// the tag and a placeholder size, end() patches the size of the innermost
// open block.
class ChunkWriter {
 public:
  explicit ChunkWriter(BinaryWriter& out) : out_(out) {}

  void begin(std::int32_t tag);
  void end();

  // A whole block at once.
  void chunk(std::int32_t tag, std::span<const std::uint8_t> payload);
  void emptyChunk(std::int32_t tag);
  void byteChunk(std::int32_t tag, std::uint8_t value);
  void int32Chunk(std::int32_t tag, std::int32_t value);
  void doubleChunk(std::int32_t tag, double value);

  BinaryWriter& out() { return out_; }

 private:
  BinaryWriter& out_;
  std::vector<std::size_t> open_;
};

}  // namespace velmora
