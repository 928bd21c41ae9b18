#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FormatError.h"
#include "RtfText.h"
#include "UpdateCatalogue.h"

// The update catalogue and the release notes come from a web server: any
// bytes give a catalogue or a clear error.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const velmora::UpdateCatalogue c = velmora::UpdateCatalogue::Parse(text);
    (void)velmora::FindUpdate(c, "2026.12.09", true);
    (void)c.InstallerFileName();
  } catch (const velmora::EFormatError&) {
  }
  try {
    (void)velmora::RtfText::ToPlainText(text);
  } catch (const velmora::EFormatError&) {
  }
  return 0;
}
