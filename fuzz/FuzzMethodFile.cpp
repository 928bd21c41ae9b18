#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "FormatError.h"
#include "MethodFile.h"
#include "TMethodsMenuModel.h"

// Reads a method file image; what it reads is written and read again, which
// must succeed, and its menu entry is built.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::TMethod method;
  try {
    if (!velmora::MethodFile::Decode(std::span<const std::uint8_t>(data, size), method)) return 0;
  } catch (const velmora::EFormatError&) {
    return 0;
  }
  const std::vector<std::uint8_t> again = velmora::MethodFile::Encode(method);
  velmora::TMethod back;
  try {
    if (!velmora::MethodFile::Decode(again, back)) std::abort();
  } catch (const velmora::EFormatError&) {
    std::abort();  // the writer made a file its reader refuses
  }
  (void)velmora::TMethodsMenuModel::Build({method}, 1033);
  return 0;
}
