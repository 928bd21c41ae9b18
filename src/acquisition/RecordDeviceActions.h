#pragma once

#include <cstdint>

namespace velmora {

class TTavrelDevice;

// The record-parameters window's commands that act on the analyzer at
// once: stirrer speed and mode, autosampler cell and electrode. None of
// them runs while a recording is in progress or the analyzer is off line.
// Device errors (EDeviceError) reach the caller.
class RecordDeviceActions {
 public:
  explicit RecordDeviceActions(TTavrelDevice& device) : device_(device) {}

  // The analyzer answers and no recording runs.
  bool Available() const;
  bool SamplerAvailable() const;

  // "Rotation speed (rpm)": a running stirrer is stopped, the speed sent and
  // the stirrer started again. False when nothing was sent.
  bool ChangeMixerSpeed(int speed, bool mixerRunning);

  struct ModeOutcome {
    bool sent = false;            // the add-on type went to the analyzer
    bool resetList = false;       // the list goes back to item 0 (no add-on)
    bool clearStepTypes = false;  // a method's unchanged set drops its stirrer types
  };
  // "Mixer mode" chosen.
  ModeOutcome ChangeMixerMode(int type, bool methodEditMode, bool fromMethod);

  // "Autosampler cell number": moves the tray (cells 1..15).
  bool MoveSampler(int cell);
  // "Electrode down" / "Electrode up".
  bool SetElectrodeDown(bool down);

 private:
  TTavrelDevice& device_;
};

}  // namespace velmora
