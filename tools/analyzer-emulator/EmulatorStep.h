#pragma once

#include <array>
#include <cstdint>

#include "DeviceProtocol.h"

namespace velmora {

// A program step as the analyzer receives it (COM_WRITE_PARAM_ARRAY): 27
// big-endian words; potentials and the sweep rate in analyzer units.
struct EmulatorStep {
  int sweepRate = 0;
  int sweepStart = 0;
  int sweepEnd = 0;
  int electrolysisPotential = 0;
  int electrolysisTime = 0;
  int cleaningPotential = 0;
  int cleaningTime = 0;
  int preparation1Potential = 0;
  int preparation1Time = 0;
  int preparation2Potential = 0;
  int preparation2Time = 0;
  bool cycle = false;
  int cycleCount = 0;
  int cycleType = 0;
  int reserved53 = 0;
  bool stirrer = false;
  int delayAfterMixing = 0;
  int valuesRange = 0;
  int conjunctionType = 0;
  bool modulation = false;
  int modulationAmplitude = 0;
  int modulationFrequency = 0;
  int retention = 0;  // bit 0 retention, bit 1 current control
  int retentionPotential = 0;
  int timeMode = 0;
  int skipCycles = 0;
  int index = 0;

  using Words = std::array<std::uint16_t, protocol::StepWordCount>;
  // Potentials and the rate are signed 16-bit, counts and times unsigned.
  static EmulatorStep decode(const Words& words);
  Words encode() const;
};

}  // namespace velmora
