#include "ProgramStepEncoder.h"

#include "DeviceUnits.h"
#include "LinkFrame.h"

namespace velmora {

namespace {

std::uint16_t low16(std::int64_t v) { return static_cast<std::uint16_t>(static_cast<std::uint64_t>(v) & 0xFFFFu); }

}  // namespace

ProgramStepEncoder::Words ProgramStepEncoder::Encode(const ProgramStep& step, std::uint8_t index,
                                                     const Device& device) {
  auto scaled = [&](std::int32_t mv) { return low16(DeviceUnits::ToDeviceUnits(device.DeviceType, device.KDac, mv)); };
  auto plain = [](std::int64_t v) { return low16(v); };
  return Words{
      scaled(step.SweepRate()),
      scaled(step.SweepStart()),
      scaled(step.SweepEnd()),
      scaled(step.ElectrolysisPotential()),
      plain(step.ElectrolysisTime()),
      scaled(step.CleaningPotential()),
      plain(step.CleaningTime()),
      scaled(step.Preparation1Potential()),
      plain(step.Preparation1Time()),
      scaled(step.Preparation2Potential()),
      plain(step.Preparation2Time()),
      plain(step.Cycle() ? 1 : 0),
      plain(step.CycleCount()),
      plain(step.CycleType()),
      plain(step.Reserved53()),
      plain(step.Stirrer() ? 1 : 0),
      plain(step.DelayAfterMixing()),
      plain(step.ValuesRange()),
      plain(step.ConjunctionType()),
      plain(step.Modulation() ? 1 : 0),
      scaled(step.ModulationAmplitude()),
      plain(step.ModulationFrequency()),
      plain((step.Retention() ? 1 : 0) + (device.CurrentControl ? 2 : 0)),
      scaled(step.RetentionPotential()),
      plain(step.TimeMode()),
      plain(step.SkipCycles()),
      plain(index),
  };
}

std::vector<std::uint8_t> ProgramStepEncoder::Payload(const ProgramStep& step, std::uint8_t index,
                                                      const Device& device) {
  std::vector<std::uint8_t> payload;
  payload.reserve(kPayloadSize);
  payload.push_back(index);
  for (std::uint16_t word : Encode(step, index, device)) {
    payload.push_back(static_cast<std::uint8_t>(word >> 8));
    payload.push_back(static_cast<std::uint8_t>(word & 0xFF));
  }
  payload.push_back(0);
  return payload;
}

std::vector<std::uint8_t> ProgramStepEncoder::Frame(const ProgramStep& step, std::uint8_t index, const Device& device) {
  return LinkFrame::build(protocol::COM_WRITE_PARAM_ARRAY, Payload(step, index, device));
}

}  // namespace velmora
