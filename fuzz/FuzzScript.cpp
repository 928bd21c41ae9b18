#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "BinaryReader.h"
#include "FormatError.h"
#include "TWizSteps.h"

// The first byte picks the input: 0 a bare command stream, otherwise a
// script file (".tvs"). What is read is described, written and read again,
// which must succeed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::span<const std::uint8_t> input(data + 1, size - 1);
  velmora::TWizSteps script;
  try {
    if (data[0] == 0) {
      velmora::BinaryReader in(input);
      script = velmora::TWizSteps::Read(in);
    } else {
      std::optional<velmora::TWizSteps> file = velmora::TWizSteps::Decode(input);
      if (!file) return 0;
      script = std::move(*file);
    }
  } catch (const velmora::EFormatError&) {
    return 0;
  }
  for (const velmora::ValueRecord& step : script) (void)velmora::DescribeStep(step, 1049);
  const std::vector<std::uint8_t> again = velmora::TWizSteps::Bytes(script);
  try {
    velmora::BinaryReader in(again);
    if (velmora::TWizSteps::Read(in).size() != script.size()) std::abort();
  } catch (const velmora::EFormatError&) {
    std::abort();  // the writer made a stream its reader refuses
  }
  return 0;
}
