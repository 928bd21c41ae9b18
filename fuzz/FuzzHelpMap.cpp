#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FormatError.h"
#include "HelpContextMap.h"

using velmora::HelpContextMap;

// Reads a help context map and looks up the contexts it names, as the help
// viewer does for every help button.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const HelpContextMap map = HelpContextMap::parse(text);
    for (const auto& [context, target] : map.entries()) {
      const velmora::HelpTarget found = map.resolve(context);
      if (!(found == target) || !HelpContextMap::isPageName(found.page)) __builtin_trap();
      if (!found.anchor.empty() && !HelpContextMap::isAnchor(found.anchor)) __builtin_trap();
    }
    (void)map.resolve(-1);
  } catch (const velmora::EFormatError&) {
  }
  (void)HelpContextMap::isPageName(text);
  (void)HelpContextMap::isAnchor(text);
  return 0;
}
