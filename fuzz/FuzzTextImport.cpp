#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FormatError.h"
#include "TextImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (char separator : {'.', ','}) {
    try {
      (void)velmora::TextImport::ParseText(text, separator);
    } catch (const velmora::EFormatError&) {
    }
  }
  return 0;
}
