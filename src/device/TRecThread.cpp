#include "TRecThread.h"

#include "AcquisitionEstimates.h"
#include "DeviceProtocol.h"
#include "EDeviceError.h"
#include "Messages.h"
#include "ProgramStepEncoder.h"
#include "TAcquisitionRun.h"
#include "TTavrelDevice.h"

namespace velmora {

using namespace protocol;

namespace {
// Stage parameter asked for while the analyzer is in a stage (COM_READ_PARAM).
int ParameterOfStage(int stage) {
  switch (stage) {
    case StageElectrolysis:
      return 4;
    case StageMeasurement:
      return 1;
    case StageCleaning:
      return 6;
    case StagePreparation1:
      return 8;
    case StagePreparation2:
      return 10;
    default:
      return -1;
  }
}
}  // namespace

TRecThread::TRecThread(TAcquisitionRun& run, TTavrelDevice& device) : run_(run), device_(device) {}

ProgramStep TRecThread::PreconditioningStep() {
  ProgramStep p;
  p.SetSweepRate(50);
  p.SetElectrolysisTime(1);
  p.SetRetention(true);
  return p;
}

bool TRecThread::Recording() const { return device_.Recording() && device_.ResetCount() == resetsAtStart_; }

void TRecThread::Execute() {
  resetsAtStart_ = device_.ResetCount();
  decoder_.Clear();
  run_.Raise(run_.OnRecordStart);
  run_.loopNumber_ = 0;
  try {
    while (Recording()) {
      const TVAProgramsArray programs = run_.VAProgram();
      const auto p = static_cast<std::size_t>(run_.programNumber_.load());
      const auto s = static_cast<std::size_t>(run_.programStep_.load());
      if (run_.programNumber_ < 0 || run_.programStep_ < 0 || p >= programs.size() || s >= programs[p].size()) {
        // An empty program (or a start past the end) records nothing.
        Advance();
        continue;
      }
      current_ = programs[p][s];
      RunStep(current_);
      if (Recording()) Advance();
    }
  } catch (const EDeviceError& e) {
    if (!Recording()) {
      // The link went off line under the command (a lost line, a reset):
      // the run is over and ends as any run whose link went away.
      RaiseElectrodeIfLeft();
      return Finish();
    }
    // A fault of the analyzer: the run ends here, without the end events;
    // the operator stops or resets.
    RaiseElectrodeIfLeft();
    ReportError(e.message());
    return;
  }
  RaiseElectrodeIfLeft();
  Finish();
}

void TRecThread::ReportError(const Message& message) {
  {
    std::lock_guard lock(run_.errorMutex_);
    run_.lastError_ = message;
  }
  if (run_.OnRunError) {
    try {
      run_.OnRunError(message);
    } catch (...) {
    }
  }
}

bool TRecThread::RaiseElectrodeIfLeft(bool force) {
  if (!samplerUsed_ || completed_ || electrodeSafe_ || (!force && !electrodeMayBeDown_)) return true;
  if (device_.ResetCount() != resetsAtStart_ || device_.Resetting() || device_.PortWasLost()) return true;
  electrodeSafe_ = true;
  try {
    return device_.RaiseElectrodeAfterFault();
  } catch (const EDeviceError&) {
    return false;  // the line went away meanwhile
  }
}

void TRecThread::SamplerFault(int cell, bool answered) {
  run_.samplerFaultCell_ = cell;
  device_.SetRecording(false);
  const bool raised = RaiseElectrodeIfLeft(true);
  std::string name = std::to_string(cell);
  if (run_.CellCaption) {
    try {
      const std::string caption = run_.CellCaption(cell);
      if (!caption.empty()) name += " (" + caption + ")";
    } catch (...) {
    }
  }
  const std::int64_t recorded = run_.vaGrammsRecorded_.load();
  ReportError(Message::Counted(answered ? msg::SamplerWrongCell : msg::SamplerNoAnswer, recorded, {name}));
  if (!raised) ReportError(Message(msg::SamplerElectrodeNotRaised));
}

void TRecThread::Finish() {
  // After a reset the new handshake speaks for the link; a second end of the
  // run would only confuse the window.
  if (device_.Resetting() || device_.ResetCount() != resetsAtStart_) return;
  run_.Raise(run_.OnRecordEnd);
  run_.Raise(run_.OnStatusChange);
}

void TRecThread::RunStep(const ProgramStep& step) {
  decoder_.BeginStep();
  run_.programStepCycle_ = 0;
  device_.ReadStatus();

  if (Recording() && device_.AutoSamplerEnabled() && device_.AllowNew3in1() && device_.UseNew3in1() &&
      !(run_.programNumber_ == 0 && run_.programStep_ == 0))
    Precondition();

  if (device_.AutoSamplerEnabled()) {
    const std::int32_t cell = step.SamplerCell();
    if (Recording() && cell != 0 && cell != run_.lastSamplerCell_) {
      samplerUsed_ = true;
      const bool answeredBefore = device_.Active();
      if (!device_.SamplerMoveTo(cell)) {
        // No step runs in a cell the tray did not reach.
        return SamplerFault(cell, answeredBefore && device_.Active());
      }
      run_.lastSamplerCell_ = cell;
    }
    run_.Pause(100);
    if (Recording() && step.ElectrodeDown()) {
      samplerUsed_ = true;
      electrodeMayBeDown_ = true;
      device_.SetElectrodeDown(true);
    }
  }

  if (Recording()) {
    ApplyStepSettings(step);
    WriteStep(step);
    device_.StartStep();
    run_.Raise(run_.OnSingleRecordStart);
  }

  Poll(false);

  // Step finished.
  if (device_.AutoSamplerEnabled() && step.ElectrodeUp() && !device_.AllowNew3in1() && !device_.UseNew3in1() &&
      device_.SetElectrodeDown(false))
    electrodeMayBeDown_ = false;
}

void TRecThread::Precondition() {
  ProgramStep p = PreconditioningStep();
  const int vsp = device_.VSP();
  p.SetSweepStart(-vsp);
  p.SetSweepEnd(-vsp);
  p.SetElectrolysisPotential(-vsp);
  p.SetRetentionPotential(-vsp);
  const ProgramStep saved = current_;
  current_ = p;
  WriteStep(p);
  device_.StartStep();
  Poll(true);
  current_ = saved;
  if (device_.SetElectrodeDown(false)) electrodeMayBeDown_ = false;
}

void TRecThread::ApplyStepSettings(const ProgramStep& step) {
  const int compensation = step.Compensation();
  if (compensation != run_.lastCompensation_) {
    const TCalibrationBlock cal = device_.CalibrationBlock();
    device_.WriteResistors(cal.Precise, cal.Gain, static_cast<std::uint8_t>(255 - compensation), cal.Coarse);
    run_.lastCompensation_ = compensation;
  }
  device_.SetInputFilter(step.FilterValue());
  if (device_.AddOnType() >= 0 &&
      (step.StirrerType() != device_.AddOnType() || step.StirrerSpeed() != device_.MixerSpeed())) {
    // The step's speed first, so that the type's setter sends the new type
    // with it and its speed setter follows with one more exchange. An unset
    // speed (-1) keeps the one the analyzer runs at.
    if (step.StirrerSpeed() >= 0) device_.StoreMixerSpeed(step.StirrerSpeed());
    device_.SetAddOnType(step.StirrerType());
  }
}

void TRecThread::WriteStep(const ProgramStep& step) {
  ProgramStepEncoder::Device d;
  d.DeviceType = device_.DeviceType() < 0 ? 0 : device_.DeviceType();
  d.KDac = device_.CalibrationBlock().KDac;
  d.CurrentControl = device_.CurrentControl();
  device_.WriteStepWords(0, ProgramStepEncoder::Encode(step, 0, d));
}

void TRecThread::Poll(bool onlyConditioning) {
  AcquisitionDecoder::Context context;
  context.Step = current_;
  context.DeviceType = device_.DeviceType();
  context.Calibration = device_.CalibrationBlock();
  decoder_.SetContext(context);
  while (Recording()) {
    if (!run_.Pause(50)) return;
    device_.ReadStatus();
    if (!Recording()) return;
    const int status = device_.DeviceStatus();
    if (status < 0) return;
    const int stage = status & StageMask;
    if (stage == StageOverflow) throw EDeviceError(Message(msg::CircularBufferOverflow));
    if (stage == StageMercuryGap) throw EDeviceError(Message(msg::MercuryJetGap));
    if (status & StatusDataReady) {
      ReadData();
      continue;
    }
    if (stage == StageIdle) return;
    if (onlyConditioning && stage != StageElectrolysis && stage != StageMeasurement) continue;
    const int parameter = ParameterOfStage(stage);
    if (parameter >= 0) device_.ReadParam(static_cast<std::uint8_t>(parameter));
  }
}

void TRecThread::ReadData() {
  const std::vector<std::uint8_t> bytes = device_.ReadDataBytes();
  if (bytes.empty()) return;
  decoder_.SetInputFilter(device_.InputFilter());
  const AcquisitionDecoder::Batch batch = decoder_.Feed(bytes, [this] { VoltammogramEnd(); });
  if (batch.EndSeen || !run_.OnDataReceived) return;
  if (batch.AnySample) device_.SetActualVoltage(batch.LastX);
  const TRecPoints& all = decoder_.DataBuf();
  if (batch.Start >= all.size()) return;
  const TRecPoints fresh(all.begin() + static_cast<std::ptrdiff_t>(batch.Start), all.end());
  try {
    run_.OnDataReceived(fresh);
  } catch (...) {
  }
}

void TRecThread::VoltammogramEnd() {
  run_.Raise(run_.OnSingleRecordEnd);
  ++run_.vaGrammsRecorded_;
  run_.programStepCycle_ = AcquisitionEstimates::AdvanceCycle(current_, run_.programStepCycle_);
  ++run_.curvesInProgram_;
}

void TRecThread::Advance() {
  const TVAProgramsArray programs = run_.VAProgram();
  std::int32_t program = run_.programNumber_;
  std::int32_t step = run_.programStep_ + 1;
  const bool programKnown = program >= 0 && static_cast<std::size_t>(program) < programs.size();
  if (!programKnown || static_cast<std::size_t>(step) >= programs[static_cast<std::size_t>(program)].size()) {
    ++program;
    step = 0;
    run_.curvesInProgram_ = 0;
  }
  if (program < 0 || static_cast<std::size_t>(program) >= programs.size()) {
    if (run_.loopNumber_ < run_.loopCount_ - 1) {
      ++run_.loopNumber_;
      program = 0;
      step = 0;
    } else {
      completed_ = true;
      device_.SetRecording(false);
      return;
    }
  }
  run_.programNumber_ = program;
  run_.programStep_ = step;
}

}  // namespace velmora
