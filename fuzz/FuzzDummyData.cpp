#include <cstddef>
#include <cstdint>
#include <string_view>

#include "DummyDataText.h"
#include "FormatError.h"

// Reads the text file of a script's "Add dummy data" command.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const velmora::TDataArr points =
        velmora::DummyDataText::Read(std::string_view(reinterpret_cast<const char*>(data), size));
    if (points.size() > velmora::DummyDataText::kMaxPoints) __builtin_trap();
  } catch (const velmora::EFormatError&) {
  }
  return 0;
}
