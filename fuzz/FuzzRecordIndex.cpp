#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "THeaderManager.h"

// Reads a record-folder index image and writes back what it kept.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<velmora::TBaseHeader> headers;
  std::string damage;
  if (velmora::THeaderManager::ReadIndex(std::span<const std::uint8_t>(data, size), "/records", headers, damage))
    (void)velmora::THeaderManager::IndexBytes(headers);
  return 0;
}
