#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "DeviceProtocol.h"

namespace velmora {

// The analyzer's calibration data (stored in the analyzer, bytes 0..33 of
// the packed 47-byte record) plus the bench values kept only here (34..46).
struct TCalibrationBlock {
  static constexpr std::size_t Size = 47;
  static constexpr int RangeCount = 6;

  std::int16_t DacAdc = 0;
  std::int16_t Dac2 = 0;
  std::uint8_t Coarse = 0;
  std::uint8_t Precise = 0;
  std::array<std::int16_t, RangeCount> Zero{};
  std::array<std::uint16_t, RangeCount> Coeff{};  // gain = Coeff / 32768
  std::uint8_t Gain = 0;
  std::uint8_t Offset = 0;
  std::int16_t KDac = 10000;  // potential scale, 10000 = unity
  std::int32_t BenchPotential = 0;
  std::int32_t LastRawCurrent = 0;
  std::int32_t BenchResistance = 0;
  std::uint8_t BenchRange = 0;

  using Image = std::array<std::uint8_t, protocol::EepromImageSize>;
  using Bytes = std::array<std::uint8_t, Size>;

  // The packed little-endian record, field by field.
  Bytes toBytes() const;
  static TCalibrationBlock fromBytes(std::span<const std::uint8_t, Size> bytes);

  // The 34-byte image the analyzer stores: bytes 0..33 of the record with
  // bytes 4/5 and 30/31 exchanged.
  Image toImage() const;
  // Stores an image into bytes 0..33; the bench values keep their values.
  void assignImage(std::span<const std::uint8_t, protocol::EepromImageSize> image);

  friend bool operator==(const TCalibrationBlock&, const TCalibrationBlock&) = default;
};

}  // namespace velmora
