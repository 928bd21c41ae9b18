#include "RecordDeviceActions.h"

#include "TTavrelDevice.h"

namespace velmora {

bool RecordDeviceActions::Available() const { return device_.Active() && !device_.Recording(); }

bool RecordDeviceActions::SamplerAvailable() const { return Available() && device_.AutoSamplerEnabled(); }

bool RecordDeviceActions::ChangeMixerSpeed(int speed, bool mixerRunning) {
  if (!Available() || device_.AddOnType() < 0) return false;
  if (mixerRunning) device_.SetMixerOnOff(false);
  device_.SetMixerSpeed(speed);
  if (mixerRunning) device_.SetMixerOnOff(true);
  return true;
}

RecordDeviceActions::ModeOutcome RecordDeviceActions::ChangeMixerMode(int type, bool methodEditMode, bool fromMethod) {
  ModeOutcome outcome;
  if (device_.Recording()) return outcome;
  const bool addOn = device_.AddOnType() >= 0;
  if ((addOn || methodEditMode) && device_.Active()) {
    device_.SetAddOnType(type);
    outcome.sent = true;
  }
  if (!methodEditMode && device_.Active() && !addOn) {
    outcome.resetList = true;
    outcome.clearStepTypes = fromMethod;
  }
  return outcome;
}

bool RecordDeviceActions::MoveSampler(int cell) {
  if (!SamplerAvailable() || cell < 1 || cell > 15) return false;
  device_.SamplerMoveTo(cell);
  return true;
}

bool RecordDeviceActions::SetElectrodeDown(bool down) {
  if (!SamplerAvailable()) return false;
  device_.SetElectrodeDown(down);
  return true;
}

}  // namespace velmora
