#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "StepHeadLayout.h"

namespace velmora {

class BinaryReader;
class BinaryWriter;

// One step of a voltammetric program: the packed 269-byte record the editors
// build, the analyzer receives and the program files store. The image is
// kept byte for byte (reserved bytes and string tails included) so it
// round-trips exactly; the accessors read and write the little-endian
// fields at their offsets. Potentials are in mV, times in s.
//
// Bytes 0..243 are the head that every recorded curve keeps as its record
// parameters, 244..255 the autosampler part, 256..268 the add-on part.
class ProgramStep : public StepHeadLayout {
 public:
  static constexpr std::size_t kSize = 269;
  static constexpr std::size_t kExtraOffset = 244;
  static constexpr std::size_t kExtraSize = 12;
  static constexpr std::size_t kAddOnOffset = 256;

  // Beyond the head: the autosampler and add-on parts.
  enum StepOffset : std::size_t {
    oElectrodeDown = 244,
    oSamplerCell = 245,
    oElectrodeUp = 249,
    oStirrerType = 256,
    oStirrerSpeed = 260,
    oCompensation = 264,
    oFilterValue = 265,
  };

  std::array<std::uint8_t, kSize> Raw{};

  // The step of a new editor: all zero except ValuesRange 3 ("200 mkA"),
  // ConjunctionType 1 (three electrodes), StirrerSpeed 1000 and
  // FilterValue 2.
  static ProgramStep Default();

  // The whole 269-byte record.
  void ReadFrom(BinaryReader& in);
  void WriteTo(BinaryWriter& out) const;

  // Byte ranges of the record: the head (0..243) that curve records keep,
  // the autosampler part (244..255) and the add-on part (256..268).
  std::span<const std::uint8_t, kHeadSize> Head() const { return std::span(Raw).first<kHeadSize>(); }
  std::array<std::uint8_t, kHeadSize> HeadBytes() const;
  void SetHead(std::span<const std::uint8_t, kHeadSize> head);
  std::span<const std::uint8_t, kExtraSize> Extra() const { return std::span(Raw).subspan<kExtraOffset, kExtraSize>(); }
  void SetExtra(std::span<const std::uint8_t, kExtraSize> extra);
  // Copies `bytes` into the record at `offset`; what would fall beyond the
  // record is dropped.
  void SetBytes(std::size_t offset, std::span<const std::uint8_t> bytes);

  std::int32_t GetInt(std::size_t offset) const;
  void SetInt(std::size_t offset, std::int32_t value);
  std::uint8_t GetByte(std::size_t offset) const { return Raw.at(offset); }
  void SetByte(std::size_t offset, std::uint8_t value) { Raw.at(offset) = value; }

  std::int32_t SweepRate() const { return GetInt(oSweepRate); }
  void SetSweepRate(std::int32_t v) { SetInt(oSweepRate, v); }
  std::int32_t SweepStart() const { return GetInt(oSweepStart); }
  void SetSweepStart(std::int32_t v) { SetInt(oSweepStart, v); }
  std::int32_t SweepEnd() const { return GetInt(oSweepEnd); }
  void SetSweepEnd(std::int32_t v) { SetInt(oSweepEnd, v); }
  std::int32_t ElectrolysisPotential() const { return GetInt(oElectrolysisPotential); }
  void SetElectrolysisPotential(std::int32_t v) { SetInt(oElectrolysisPotential, v); }
  std::int32_t ElectrolysisTime() const { return GetInt(oElectrolysisTime); }
  void SetElectrolysisTime(std::int32_t v) { SetInt(oElectrolysisTime, v); }
  std::int32_t CleaningPotential() const { return GetInt(oCleaningPotential); }
  void SetCleaningPotential(std::int32_t v) { SetInt(oCleaningPotential, v); }
  std::int32_t CleaningTime() const { return GetInt(oCleaningTime); }
  void SetCleaningTime(std::int32_t v) { SetInt(oCleaningTime, v); }
  std::int32_t Preparation1Potential() const { return GetInt(oPreparation1Potential); }
  void SetPreparation1Potential(std::int32_t v) { SetInt(oPreparation1Potential, v); }
  std::int32_t Preparation1Time() const { return GetInt(oPreparation1Time); }
  void SetPreparation1Time(std::int32_t v) { SetInt(oPreparation1Time, v); }
  std::int32_t Preparation2Potential() const { return GetInt(oPreparation2Potential); }
  void SetPreparation2Potential(std::int32_t v) { SetInt(oPreparation2Potential, v); }
  std::int32_t Preparation2Time() const { return GetInt(oPreparation2Time); }
  void SetPreparation2Time(std::int32_t v) { SetInt(oPreparation2Time, v); }
  bool Cycle() const { return GetByte(oCycle) != 0; }
  void SetCycle(bool v) { SetByte(oCycle, v ? 1 : 0); }
  std::int32_t CycleCount() const { return GetInt(oCycleCount); }
  void SetCycleCount(std::int32_t v) { SetInt(oCycleCount, v); }
  std::int32_t CycleType() const { return GetInt(oCycleType); }
  void SetCycleType(std::int32_t v) { SetInt(oCycleType, v); }
  std::int32_t Reserved53() const { return GetInt(oReserved53); }
  void SetReserved53(std::int32_t v) { SetInt(oReserved53, v); }
  bool Stirrer() const { return GetByte(oStirrer) != 0; }
  void SetStirrer(bool v) { SetByte(oStirrer, v ? 1 : 0); }
  std::int32_t DelayAfterMixing() const { return GetInt(oDelayAfterMixing); }
  void SetDelayAfterMixing(std::int32_t v) { SetInt(oDelayAfterMixing, v); }
  std::int32_t ValuesRange() const { return GetInt(oValuesRange); }
  void SetValuesRange(std::int32_t v) { SetInt(oValuesRange, v); }
  std::int32_t ConjunctionType() const { return GetInt(oConjunctionType); }
  void SetConjunctionType(std::int32_t v) { SetInt(oConjunctionType, v); }
  bool Modulation() const { return GetByte(oModulation) != 0; }
  void SetModulation(bool v) { SetByte(oModulation, v ? 1 : 0); }
  std::int32_t ModulationAmplitude() const { return GetInt(oModulationAmplitude); }
  void SetModulationAmplitude(std::int32_t v) { SetInt(oModulationAmplitude, v); }
  std::int32_t ModulationFrequency() const { return GetInt(oModulationFrequency); }
  void SetModulationFrequency(std::int32_t v) { SetInt(oModulationFrequency, v); }
  bool Retention() const { return GetByte(oRetention) != 0; }
  void SetRetention(bool v) { SetByte(oRetention, v ? 1 : 0); }
  std::int32_t RetentionPotential() const { return GetInt(oRetentionPotential); }
  void SetRetentionPotential(std::int32_t v) { SetInt(oRetentionPotential, v); }
  // string[128] in Windows-1251 on disk, UTF-8 here; setting zero-fills the tail.
  std::string Comments() const;
  void SetComments(const std::string& utf8);
  std::int32_t MeasurementType() const { return GetInt(oMeasurementType); }
  void SetMeasurementType(std::int32_t v) { SetInt(oMeasurementType, v); }
  std::int32_t TimeMode() const { return GetInt(oTimeMode); }
  void SetTimeMode(std::int32_t v) { SetInt(oTimeMode, v); }
  std::int32_t SkipCycles() const { return GetInt(oSkipCycles); }
  void SetSkipCycles(std::int32_t v) { SetInt(oSkipCycles, v); }
  bool ElectrodeDown() const { return GetByte(oElectrodeDown) != 0; }
  void SetElectrodeDown(bool v) { SetByte(oElectrodeDown, v ? 1 : 0); }
  std::int32_t SamplerCell() const { return GetInt(oSamplerCell); }
  void SetSamplerCell(std::int32_t v) { SetInt(oSamplerCell, v); }
  bool ElectrodeUp() const { return GetByte(oElectrodeUp) != 0; }
  void SetElectrodeUp(bool v) { SetByte(oElectrodeUp, v ? 1 : 0); }
  std::int32_t StirrerType() const { return GetInt(oStirrerType); }
  void SetStirrerType(std::int32_t v) { SetInt(oStirrerType, v); }
  std::int32_t StirrerSpeed() const { return GetInt(oStirrerSpeed); }
  void SetStirrerSpeed(std::int32_t v) { SetInt(oStirrerSpeed, v); }
  std::uint8_t Compensation() const { return GetByte(oCompensation); }
  void SetCompensation(std::uint8_t v) { SetByte(oCompensation, v); }
  std::int32_t FilterValue() const { return GetInt(oFilterValue); }
  void SetFilterValue(std::int32_t v) { SetInt(oFilterValue, v); }

  // True in the time modes 1..3, where SweepRate is the interval between
  // points in ms and SweepEnd the number of points.
  static bool IsPointCountMode(std::int32_t timeMode) { return timeMode >= 1 && timeMode <= 3; }
  // The stored SweepEnd for a duration of `seconds` at `intervalMs`:
  // seconds * 1000 div interval + 1; the duration unchanged when the
  // interval is 0.
  static std::int32_t SweepEndFromDuration(std::int32_t seconds, std::int32_t intervalMs);
  // The duration shown for a stored SweepEnd: (SweepEnd - 1) * interval div 1000.
  static std::int32_t DurationFromSweepEnd(std::int32_t sweepEnd, std::int32_t intervalMs);

  // Voltammograms the step records: 0 when it only conditions the electrode
  // (start = end), (CycleType + 1) * CycleCount with cycling on, else 1.
  std::int64_t VoltammogramCount() const;

  friend bool operator==(const ProgramStep&, const ProgramStep&) = default;
};

}  // namespace velmora
