#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace velmora {

class BinaryReader;
class BinaryWriter;
struct TPeakRecord;

// The 28-byte peak entry of the older files (document blocks 19 and 21, and
// the folder database curve files): name string[4], BeginIndex, the
// reserved int32, EndIndex, PeakValue, three zero bytes.
struct OldPeakEntry {
  static constexpr std::size_t kSize = 28;
  static constexpr std::size_t kNameCapacity = 4;
  // Entries in block 19 and in a curve file.
  static constexpr int kFixedCount = 21;

  std::string Name;
  std::int32_t BeginIndex = 0;
  std::int32_t Reserved260 = 0;
  std::int32_t EndIndex = 0;
  double PeakValue = 0.0;

  static OldPeakEntry Read(BinaryReader& in);
  void Write(BinaryWriter& out) const;

  // A peak built from the entry: the entry's fields, ValueValid 0,
  // AdditionConc 0, units unset and the given calculation type; the other
  // fields zero.
  TPeakRecord ToPeak(std::int32_t calcType) const;
  static OldPeakEntry FromPeak(const TPeakRecord& peak);
};

}  // namespace velmora
