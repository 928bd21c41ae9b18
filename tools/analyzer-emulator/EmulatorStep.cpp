#include "EmulatorStep.h"

namespace velmora {

namespace {

int s16(std::uint16_t w) { return static_cast<std::int16_t>(w); }

}  // namespace

EmulatorStep EmulatorStep::decode(const Words& w) {
  EmulatorStep s;
  s.sweepRate = s16(w[0]);
  s.sweepStart = s16(w[1]);
  s.sweepEnd = s16(w[2]);
  s.electrolysisPotential = s16(w[3]);
  s.electrolysisTime = w[4];
  s.cleaningPotential = s16(w[5]);
  s.cleaningTime = w[6];
  s.preparation1Potential = s16(w[7]);
  s.preparation1Time = w[8];
  s.preparation2Potential = s16(w[9]);
  s.preparation2Time = w[10];
  s.cycle = w[11] != 0;
  s.cycleCount = w[12];
  s.cycleType = w[13];
  s.reserved53 = w[14];
  s.stirrer = w[15] != 0;
  s.delayAfterMixing = w[16];
  s.valuesRange = w[17];
  s.conjunctionType = w[18];
  s.modulation = w[19] != 0;
  s.modulationAmplitude = s16(w[20]);
  s.modulationFrequency = w[21];
  s.retention = w[22];
  s.retentionPotential = s16(w[23]);
  s.timeMode = w[24];
  s.skipCycles = w[25];
  s.index = w[26];
  return s;
}

EmulatorStep::Words EmulatorStep::encode() const {
  auto u = [](int v) { return static_cast<std::uint16_t>(static_cast<unsigned>(v) & 0xFFFFu); };
  return {u(sweepRate),
          u(sweepStart),
          u(sweepEnd),
          u(electrolysisPotential),
          u(electrolysisTime),
          u(cleaningPotential),
          u(cleaningTime),
          u(preparation1Potential),
          u(preparation1Time),
          u(preparation2Potential),
          u(preparation2Time),
          u(cycle ? 1 : 0),
          u(cycleCount),
          u(cycleType),
          u(reserved53),
          u(stirrer ? 1 : 0),
          u(delayAfterMixing),
          u(valuesRange),
          u(conjunctionType),
          u(modulation ? 1 : 0),
          u(modulationAmplitude),
          u(modulationFrequency),
          u(retention),
          u(retentionPotential),
          u(timeMode),
          u(skipCycles),
          u(index)};
}

}  // namespace velmora
