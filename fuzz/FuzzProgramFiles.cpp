#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "FormatError.h"
#include "ProgramFiles.h"

using velmora::ProgramFiles;

// The first byte picks the format: 0 ".prg", 1 ".car", anything else ".vap".
// A ".car" file has one fixed size; its counts (the last 56 bytes) come from
// the start of the input and the program images from the rest, so that the
// fuzzer reaches the count checks with short inputs. Whatever reads must
// write and read back to the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t kind = data[0];
  std::span<const std::uint8_t> body(data + 1, size - 1);
  try {
    if (kind == 0) {
      const auto program = ProgramFiles::DecodeSingleProgram(body);
      const auto bytes = ProgramFiles::EncodeSingleProgram(program);
      if (ProgramFiles::EncodeSingleProgram(ProgramFiles::DecodeSingleProgram(bytes)) != bytes) std::abort();
    } else if (kind == 1) {
      std::vector<std::uint8_t> image(ProgramFiles::kCarFileSize, 0);
      const std::size_t tail = ProgramFiles::kCarFileSize - ProgramFiles::kCarCountsOffset;
      const std::size_t counts = std::min(tail, body.size());
      std::copy_n(body.begin(), counts, image.begin() + static_cast<std::ptrdiff_t>(ProgramFiles::kCarCountsOffset));
      const std::size_t rest = std::min(body.size() - counts, ProgramFiles::kCarCountsOffset);
      std::copy_n(body.begin() + static_cast<std::ptrdiff_t>(counts), rest, image.begin());
      const auto set = ProgramFiles::DecodeMultiProgram(image, "fuzz.car");
      std::vector<std::uint8_t> bytes;
      try {
        bytes = ProgramFiles::EncodeMultiProgram(set.Programs, set.Current);
      } catch (const velmora::EFormatError&) {
        std::abort();  // a set that was read always fits the format
      }
      const auto again = ProgramFiles::DecodeMultiProgram(bytes);
      if (ProgramFiles::EncodeMultiProgram(again.Programs, again.Current) != bytes) std::abort();
    } else {
      const auto set = ProgramFiles::DecodeProgramSet(body);
      if (!set) return 0;
      const auto bytes = ProgramFiles::EncodeProgramSet(set->Programs, set->Current);
      const auto again = ProgramFiles::DecodeProgramSet(bytes);
      if (!again || ProgramFiles::EncodeProgramSet(again->Programs, again->Current) != bytes) std::abort();
    }
  } catch (const velmora::EFormatError&) {
  }
  return 0;
}
