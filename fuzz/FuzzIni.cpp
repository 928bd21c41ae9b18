#include <cstddef>
#include <cstdint>
#include <string_view>

#include "IniFile.h"
#include "Options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::IniFile ini;
  ini.parse(std::string_view(reinterpret_cast<const char*>(data), size));
  velmora::Options options;
  options.read(ini);
  options.write(ini);
  (void)ini.serialize();
  return 0;
}
