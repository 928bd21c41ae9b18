#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora {

class BinaryReader;
class BinaryWriter;

// The program step bytes 244..255: the autosampler part.
struct TStepExtra {
  static constexpr std::size_t kSize = 12;
  std::uint8_t ElectrodeDown = 0;
  std::int32_t SamplerCell = 0;
  std::uint8_t ElectrodeUp = 0;
  std::array<std::uint8_t, 6> Reserved{};

  void ReadFrom(BinaryReader& in);
  void WriteTo(BinaryWriter& out) const;
  friend bool operator==(const TStepExtra&, const TStepExtra&) = default;
};

}  // namespace velmora
