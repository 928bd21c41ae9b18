#pragma once

#include <cstdint>

#include "AcquisitionDecoder.h"
#include "Message.h"
#include "ProgramStep.h"

namespace velmora {

class TAcquisitionRun;
class TTavrelDevice;

// The worker of one acquisition run: for every step of the program set it
// pre-conditions the 3-in-1 electrode and moves the autosampler when asked,
// applies the step's settings, loads and starts the step, polls the
// analyzer's status every 50 ms, fetches and decodes the data points and
// cuts them into voltammograms at the end markers, raising the run's
// events. It owns no device state: positions and counters live in the run.
class TRecThread {
 public:
  TRecThread(TAcquisitionRun& run, TTavrelDevice& device);

  // The whole run, on the calling (worker) thread.
  void Execute();

  const TRecPoints& DataBuf() const { return decoder_.DataBuf(); }
  const AcquisitionDecoder& Decoder() const { return decoder_; }

  // The pre-conditioning step of the 3-in-1 electrode: all zero except
  // SweepRate 50, ElectrolysisTime 1 and Retention 1.
  static ProgramStep PreconditioningStep();

 private:
  // One step at the current position; returns false when the worker must
  // end at once (a fault was reported).
  void RunStep(const ProgramStep& step);
  void Precondition();
  void ApplyStepSettings(const ProgramStep& step);
  void WriteStep(const ProgramStep& step);
  // Polls until the stage is 0 or the run stops. `onlyConditioning` handles
  // just the stages 1 and 2 besides the data bit.
  void Poll(bool onlyConditioning);
  void ReadData();
  void VoltammogramEnd();
  // Moves to the next step, program or repetition, or ends the run.
  void Advance();
  bool Recording() const;
  // Raises the end events unless a reset ended the run.
  void Finish();
  // The tray did not reach `cell`: the run stops, the electrode goes up and
  // the fault is reported with the cell named.
  void SamplerFault(int cell, bool answered);
  // A run that used the autosampler and ends before its last step raises
  // the electrode when it may be down, or always when `force` (not after a
  // reset or a lost line). Returns false when the autosampler did not answer.
  bool RaiseElectrodeIfLeft(bool force = false);
  void ReportError(const Message& message);

  TAcquisitionRun& run_;
  TTavrelDevice& device_;
  // The resets counted when the run started: a reset since ends the run
  // without its end events (the reset reports the link's new state).
  std::uint64_t resetsAtStart_ = 0;
  AcquisitionDecoder decoder_;
  ProgramStep current_;
  // The autosampler was driven in this run; the run went through its last
  // step; the electrode was raised after a fault already.
  bool samplerUsed_ = false;
  bool completed_ = false;
  bool electrodeSafe_ = false;
  // The electrode was sent down and no raise has been answered since.
  bool electrodeMayBeDown_ = false;
};

}  // namespace velmora
