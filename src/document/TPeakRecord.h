#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "TDataPoint.h"

namespace velmora {

class BinaryReader;
class BinaryWriter;

// One peak of a curve. Files store prefixes of its 419-byte packed image,
// which WriteTo / ReadFrom reproduce field by field:
//   0 Name string[255] | 256 BeginIndex | 260 Reserved260 | 264 EndIndex |
//   268 PeakValue | 276 ValueValid | 277 ChosenLine | 278 Reserved278 |
//   279 AdditionConc | 287 MarkIndex1 | 291 MarkIndex2 | 295 GridValue |
//   303 UnitTop | 307 UnitBottom | 311 BaseCoef[4] | 343 RightLineCoef[4] |
//   375 MarkY1 | 383 MarkY2 | 391 MarkX1 | 399 MarkX2 | 407 LinSeries slot |
//   411 CalcType | 415 BaselineType
struct TPeakRecord {
  static constexpr std::size_t kSize = 419;
  static constexpr std::size_t kNameCapacity = 255;
  static constexpr std::size_t kLinSeriesOffset = 407;

  std::string Name;  // element name, UTF-8 here
  std::int32_t BeginIndex = 0;
  std::int32_t Reserved260 = 0;  // kept and stored, not computed with
  std::int32_t EndIndex = 0;
  double PeakValue = 0.0;
  std::uint8_t ValueValid = 0;
  std::uint8_t ChosenLine = 0;
  std::uint8_t Reserved278 = 0;
  double AdditionConc = 0.0;
  std::int32_t MarkIndex1 = 0;
  std::int32_t MarkIndex2 = 0;
  double GridValue = 0.0;
  std::int32_t UnitTop = -1;
  std::int32_t UnitBottom = -1;
  std::array<double, 4> BaseCoef{};
  std::array<double, 4> RightLineCoef{};
  double MarkY1 = 0.0;
  double MarkY2 = 0.0;
  double MarkX1 = 0.0;
  double MarkX2 = 0.0;
  // The 4-byte series slot as it was read; written back unchanged.
  std::uint32_t LinSeriesSlot = 0;
  std::int32_t CalcType = 0;
  std::int32_t BaselineType = 0;
  // The linearized points of calculation type 6 (runtime, owned; the views
  // draw them as the peak's series). Not part of the packed image.
  TDataArr LinSeries;

  // Writes the first `size` bytes (at most 419) of the packed image.
  void WriteTo(BinaryWriter& out, std::size_t size = kSize) const;
  // Reads a prefix of `size` bytes; fields beyond it keep their values. A
  // size above 419 reads 419 bytes and skips the rest. Throws EFormatError
  // when fewer than `size` bytes remain.
  void ReadFrom(BinaryReader& in, std::size_t size = kSize);

  // An all-zero record (as the peak-copy operation hands out for an absent
  // name), unlike the defaults above which leave the units unset (-1).
  static TPeakRecord Zero();
};

using TPeaks = std::vector<TPeakRecord>;

}  // namespace velmora
