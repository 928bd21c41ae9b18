#include "TAcquisitionRun.h"

#include "AcquisitionEstimates.h"
#include "TRecThread.h"
#include "TTavrelDevice.h"

namespace velmora {

TAcquisitionRun::TAcquisitionRun(TTavrelDevice& device, IClock& clock) : device_(device), clock_(clock) {}

TAcquisitionRun::~TAcquisitionRun() {
  device_.SetRecording(false);
  {
    std::lock_guard lock(stopMutex_);
    stopping_ = true;
  }
  stopCv_.notify_all();
  JoinWorker();
}

void TAcquisitionRun::SetVAProgram(const TVAProgramsArray& programs) {
  std::lock_guard lock(programMutex_);
  program_ = programs;
}

TVAProgramsArray TAcquisitionRun::VAProgram() const {
  std::lock_guard lock(programMutex_);
  return program_;
}

bool TAcquisitionRun::Recording() const { return device_.Recording(); }

std::int32_t TAcquisitionRun::recordingLength() const { return device_.Recording() ? programLength_.load() : 0; }

void TAcquisitionRun::JoinWorker() {
  if (thread_.joinable()) thread_.join();
}

void TAcquisitionRun::StartRecording(std::int32_t program, std::int32_t step) {
  if (running_) {
    device_.SetRecording(false);
    JoinWorker();
  } else {
    JoinWorker();
  }
  {
    std::lock_guard lock(errorMutex_);
    lastError_ = Message();
  }
  const TVAProgramsArray programs = VAProgram();
  curvesInProgram_ = 0;
  programNumber_ = program < 0 ? 0 : program;
  programStep_ = step < 0 ? 0 : step;
  loopNumber_ = 0;
  programStepCycle_ = 0;
  lastSamplerCell_ = -1;
  lastCompensation_ = -1;
  samplerFaultCell_ = -1;
  programLength_ = static_cast<std::int32_t>(programs.size()) - programNumber_;
  const AcquisitionEstimates::Counts counts = AcquisitionEstimates::CountCurves(programs, programNumber_, programStep_);
  nodesToCreate_ = counts.NodesToCreate;
  vaGrammsCount_ = counts.VAgrammsCount;
  programsWithVAGrams_ = counts.ProgramsWithVAGrams;
  vaGrammsRecorded_ = 0;
  device_.SetRecording(true);
  worker_ = std::make_unique<TRecThread>(*this, device_);
  running_ = true;
  thread_ = std::thread([this] {
    worker_->Execute();
    {
      std::lock_guard lock(finishedMutex_);
      running_ = false;
    }
    finishedCv_.notify_all();
  });
}

void TAcquisitionRun::StopRecording() { device_.SetRecording(false); }

bool TAcquisitionRun::WaitFinished(std::chrono::milliseconds timeout) {
  std::unique_lock lock(finishedMutex_);
  return finishedCv_.wait_for(lock, timeout, [this] { return !running_.load(); });
}

std::int32_t TAcquisitionRun::NodesInCurrentProgram() const {
  return AcquisitionEstimates::NodesInCurrentProgram(VAProgram(), programNumber_, programStep_);
}

velmora::ProgramStep TAcquisitionRun::CurrentStep() const {
  std::lock_guard lock(programMutex_);
  const auto p = static_cast<std::size_t>(programNumber_.load());
  const auto s = static_cast<std::size_t>(programStep_.load());
  if (programNumber_ < 0 || programStep_ < 0 || p >= program_.size() || s >= program_[p].size())
    return velmora::ProgramStep();
  return program_[p][s];
}

std::int64_t TAcquisitionRun::ProgramTimeLeft() const {
  return AcquisitionEstimates::ProgramTimeLeft(VAProgram(), programNumber_, programStep_);
}

std::int64_t TAcquisitionRun::StageTimeLeft() const {
  return AcquisitionEstimates::StageTimeLeft(CurrentStep(), device_.DeviceStatus());
}

const TRecPoints& TAcquisitionRun::DataBuf() const {
  static const TRecPoints kEmpty;
  return worker_ ? worker_->DataBuf() : kEmpty;
}

Message TAcquisitionRun::LastError() const {
  std::lock_guard lock(errorMutex_);
  return lastError_;
}

void TAcquisitionRun::Raise(const TNotifyEvent& handler) {
  if (!handler) return;
  try {
    handler();
  } catch (...) {
    // A receiver's failure must not end the run.
  }
}

bool TAcquisitionRun::Pause(std::int64_t ms) {
  std::unique_lock lock(stopMutex_);
  return !stopCv_.wait_for(lock, clock_.realDuration(ms), [this] { return stopping_; });
}

}  // namespace velmora
