#pragma once

#include <cstddef>

namespace velmora {

// The 244-byte head of a program step, which every recorded curve keeps as
// its record parameters: one layout for the program model and the curve
// records. Integers are little-endian int32, flags single bytes, the
// comments a string[128].
struct StepHeadLayout {
  static constexpr std::size_t kHeadSize = 244;
  static constexpr std::size_t kCommentsCapacity = 128;

  enum HeadOffset : std::size_t {
    oSweepRate = 0,
    oSweepStart = 4,
    oSweepEnd = 8,
    oElectrolysisPotential = 12,
    oElectrolysisTime = 16,
    oCleaningPotential = 20,
    oCleaningTime = 24,
    oPreparation1Potential = 28,
    oPreparation1Time = 32,
    oPreparation2Potential = 36,
    oPreparation2Time = 40,
    oCycle = 44,
    oCycleCount = 45,
    oCycleType = 49,
    oReserved53 = 53,
    oStirrer = 57,
    oDelayAfterMixing = 58,
    oValuesRange = 62,
    oConjunctionType = 66,
    oModulation = 70,
    oModulationAmplitude = 71,
    oModulationFrequency = 75,
    oRetention = 79,
    oRetentionPotential = 80,
    oComments = 84,
    oMeasurementType = 213,
    oTimeMode = 217,
    oSkipCycles = 221,
    oReserved225 = 225,
  };

  // No state: records built on the layout compare by their own bytes.
  friend constexpr bool operator==(const StepHeadLayout&, const StepHeadLayout&) { return true; }
};

}  // namespace velmora
