#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "StepHeadLayout.h"

namespace velmora {

class BinaryReader;
class BinaryWriter;

// The record parameters of a curve: byte for byte the first 244 bytes of the
// program step record that was active when the curve was recorded. The raw
// image is kept as it was read (reserved bytes and string tails included) so
// it round-trips exactly; the accessors read and write the packed fields
// little-endian at their offsets.
class TVAParams : public StepHeadLayout {
 public:
  static constexpr std::size_t kSize = kHeadSize;

  std::array<std::uint8_t, kSize> Raw{};

  // Reads / writes the 244-byte block.
  void ReadFrom(BinaryReader& in);
  void WriteTo(BinaryWriter& out) const;

  // True when the block holds the settings of an analyzer program step (the
  // sweep, the stages, the current range, the electrodes, the modulation:
  // the bytes before the comments). A curve imported from a text file, or a
  // group whose curves share no parameter, has none, whatever comment or
  // role was given to it later: its current range is unknown.
  bool HasStepSettings() const;

  // Raw packed access, bounds-checked against the block.
  std::int32_t GetInt(std::size_t offset) const;
  void SetInt(std::size_t offset, std::int32_t value);
  std::uint8_t GetByte(std::size_t offset) const;
  void SetByte(std::size_t offset, std::uint8_t value);

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
  std::uint8_t Cycle() const { return GetByte(oCycle); }
  void SetCycle(std::uint8_t v) { SetByte(oCycle, v); }
  std::int32_t CycleCount() const { return GetInt(oCycleCount); }
  void SetCycleCount(std::int32_t v) { SetInt(oCycleCount, v); }
  std::int32_t CycleType() const { return GetInt(oCycleType); }
  void SetCycleType(std::int32_t v) { SetInt(oCycleType, v); }
  std::int32_t Reserved53() const { return GetInt(oReserved53); }
  void SetReserved53(std::int32_t v) { SetInt(oReserved53, v); }
  std::uint8_t Stirrer() const { return GetByte(oStirrer); }
  void SetStirrer(std::uint8_t v) { SetByte(oStirrer, v); }
  std::int32_t DelayAfterMixing() const { return GetInt(oDelayAfterMixing); }
  void SetDelayAfterMixing(std::int32_t v) { SetInt(oDelayAfterMixing, v); }
  std::int32_t ValuesRange() const { return GetInt(oValuesRange); }
  void SetValuesRange(std::int32_t v) { SetInt(oValuesRange, v); }
  std::int32_t ConjunctionType() const { return GetInt(oConjunctionType); }
  void SetConjunctionType(std::int32_t v) { SetInt(oConjunctionType, v); }
  std::uint8_t Modulation() const { return GetByte(oModulation); }
  void SetModulation(std::uint8_t v) { SetByte(oModulation, v); }
  std::int32_t ModulationAmplitude() const { return GetInt(oModulationAmplitude); }
  void SetModulationAmplitude(std::int32_t v) { SetInt(oModulationAmplitude, v); }
  std::int32_t ModulationFrequency() const { return GetInt(oModulationFrequency); }
  void SetModulationFrequency(std::int32_t v) { SetInt(oModulationFrequency, v); }
  std::uint8_t Retention() const { return GetByte(oRetention); }
  void SetRetention(std::uint8_t v) { SetByte(oRetention, v); }
  std::int32_t RetentionPotential() const { return GetInt(oRetentionPotential); }
  void SetRetentionPotential(std::int32_t v) { SetInt(oRetentionPotential, v); }
  // string[128] in Windows-1251; UTF-8 here. Setting zero-fills the tail.
  std::string Comments() const;
  void SetComments(const std::string& utf8);
  std::int32_t MeasurementType() const { return GetInt(oMeasurementType); }
  void SetMeasurementType(std::int32_t v) { SetInt(oMeasurementType, v); }
  std::int32_t TimeMode() const { return GetInt(oTimeMode); }
  void SetTimeMode(std::int32_t v) { SetInt(oTimeMode, v); }
  std::int32_t SkipCycles() const { return GetInt(oSkipCycles); }
  void SetSkipCycles(std::int32_t v) { SetInt(oSkipCycles, v); }
  // The first four reserved bytes read as an int32.
  std::int32_t Reserved225() const { return GetInt(oReserved225); }
  void SetReserved225(std::int32_t v) { SetInt(oReserved225, v); }

  friend bool operator==(const TVAParams&, const TVAParams&) = default;
};

}  // namespace velmora
