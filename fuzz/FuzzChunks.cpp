#include <cstddef>
#include <cstdint>
#include <span>

#include "BinaryReader.h"
#include "ChunkReader.h"
#include "FileHeader.h"
#include "FormatError.h"

// Walks nested tagged blocks the way every reader of the system does.
static void walk(velmora::BinaryReader& r, int depth) {
  velmora::ChunkReader chunks(r);
  velmora::Chunk c;
  while (chunks.next(c)) {
    if (depth < 8 && (c.tag & 1)) walk(c.body, depth + 1);
    else if (c.body.size() >= 256) (void)c.body.shortString(255);
  }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::BinaryReader r(std::span(data, size));
  try {
    if (velmora::FileHeader::read(r, "TVNX")) walk(r, 0);
  } catch (const velmora::EFormatError&) {
  }
  return 0;
}
