#include <cstddef>
#include <cstdint>
#include <span>

#include "CustomCalcFile.h"
#include "FormatError.h"
#include "TCalculator.h"

using velmora::CustomCalcFile;

// Reads the custom equation file, evaluates every equation it holds as the
// calculation does, and writes the list back and reads that again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::TCustomMethodArr methods;
  bool unread = false;
  try {
    methods = CustomCalcFile::Decode(std::span<const std::uint8_t>(data, size), &unread);
  } catch (const velmora::EFormatError&) {
    return 0;
  }
  velmora::TCalculator calculator;
  for (const velmora::TCustomMethod& method : methods) (void)calculator.EvaluateMethodValue(method);
  // What was written must read back.
  (void)CustomCalcFile::Decode(CustomCalcFile::Encode(methods));
  return 0;
}
