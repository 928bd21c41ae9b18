#include <cstddef>
#include <cstdint>
#include <span>

#include "FormatError.h"
#include "TMethodStat.h"

// Reads a statistics stream, writes it back and looks a range up in it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const velmora::TMethodStat record = velmora::TMethodStat::Read(std::span<const std::uint8_t>(data, size));
    (void)velmora::TMethodStat::Bytes(record);
    if (!record.Elements.empty()) (void)velmora::TMethodStat::FindRange(record, record.Elements.front().Name, 1e-3);
  } catch (const velmora::EFormatError&) {
  }
  return 0;
}
