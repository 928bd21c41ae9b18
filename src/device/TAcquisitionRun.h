#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "AcquisitionDecoder.h"
#include "IClock.h"
#include "Message.h"
#include "TVAProgramsArray.h"

namespace velmora {

class TRecThread;
class TTavrelDevice;

// The acquisition run of the device component: the program set, the loop
// count, the position of the step being executed, the counters of the run
// and its events. StartRecording starts a worker (TRecThread) that walks the
// program set on the analyzer; StopRecording lets it finish its current
// poll and end the run normally. A reset or a lost link ends it as well
// (both clear the device's Recording flag).
//
// Threads: the worker raises every event on its own thread. OnRecordStart,
// OnSingleRecordStart, OnSingleRecordEnd, OnRecordEnd and the final
// OnStatusChange are meant to be synchronised by the receiver (it blocks the
// worker until its UI thread has handled them), so DataBuf() is stable while
// OnSingleRecordEnd copies it. OnDataReceived hands over a copy of the new
// points and must not block. The positions and counters are atomic words
// that any thread may read.
class TAcquisitionRun {
 public:
  using TNotifyEvent = std::function<void()>;
  using TDataReceivedEvent = std::function<void(const TRecPoints& data)>;
  using TErrorEvent = std::function<void(const Message& message)>;

  TAcquisitionRun(TTavrelDevice& device, IClock& clock);
  ~TAcquisitionRun();
  TAcquisitionRun(const TAcquisitionRun&) = delete;
  TAcquisitionRun& operator=(const TAcquisitionRun&) = delete;

  TTavrelDevice& Device() const { return device_; }

  // --- run settings (before StartRecording) ---
  void SetVAProgram(const TVAProgramsArray& programs);
  TVAProgramsArray VAProgram() const;
  void SetLoopCount(std::int32_t count) { loopCount_ = count < 1 ? 1 : count; }
  std::int32_t LoopCount() const { return loopCount_; }

  // Starts a run at (program, step). A run still going is stopped and
  // waited for first; callers check that the device is Active.
  void StartRecording(std::int32_t program = 0, std::int32_t step = 0);
  // Ends the run after the current poll (the analyzer is not told).
  void StopRecording();
  // True while the worker thread has not finished.
  bool Running() const { return running_; }
  // Waits for the worker to finish; false when `timeout` passed first.
  bool WaitFinished(std::chrono::milliseconds timeout);

  // --- state ---
  bool Recording() const;
  std::int32_t ProgramNumber() const { return programNumber_; }
  std::int32_t ProgramStep() const { return programStep_; }
  std::int32_t LoopNumber() const { return loopNumber_; }
  std::int32_t ProgramStepCycle() const { return programStepCycle_; }
  std::int32_t ProgramLength() const { return recordingLength(); }
  std::int32_t NodesToCreate() const { return nodesToCreate_; }
  std::int32_t VAgrammsCount() const { return vaGrammsCount_; }
  std::int32_t ProgramsWithVAGrams() const { return programsWithVAGrams_; }
  std::int32_t VAgrammsRecorded() const { return vaGrammsRecorded_; }
  std::int32_t CurvesInProgram() const { return curvesInProgram_; }
  std::int32_t LastSamplerCell() const { return lastSamplerCell_; }
  std::int32_t LastCompensation() const { return lastCompensation_; }
  std::int32_t NodesInCurrentProgram() const;
  // The step at the current position (a default step when out of range).
  velmora::ProgramStep CurrentStep() const;
  // Seconds left of one pass of the set from the current step, and of the
  // stage the analyzer reports.
  std::int64_t ProgramTimeLeft() const;
  std::int64_t StageTimeLeft() const;
  // The points of the voltammogram being recorded: stable only inside the
  // synchronised OnSingleRecordEnd.
  const TRecPoints& DataBuf() const;
  // The message the last run ended with ("Circular buffer overflow", ...),
  // empty when it ended normally.
  Message LastError() const;

  // --- events (assign before StartRecording) ---
  TNotifyEvent OnRecordStart;
  TNotifyEvent OnSingleRecordStart;
  TDataReceivedEvent OnDataReceived;
  TNotifyEvent OnSingleRecordEnd;
  TNotifyEvent OnRecordEnd;
  TNotifyEvent OnStatusChange;
  // The worker ended with an error (stage 4 or 7, a write failure); no end
  // events follow and the device's Recording flag stays as it was.
  // The autosampler failing to reach a cell is reported here as well; that
  // run is stopped and ends with its end events.
  TErrorEvent OnRunError;
  // Names a tray cell (1..15) in the autosampler's fault messages (for
  // instance "Sample 2"); may be empty. Called on the worker's thread.
  std::function<std::string(int cell)> CellCaption;
  // The tray cell the autosampler failed to reach in the last run, -1 none.
  std::int32_t SamplerFaultCell() const { return samplerFaultCell_; }

 private:
  friend class TRecThread;
  std::int32_t recordingLength() const;
  void Raise(const TNotifyEvent& handler);
  // Sleeps `ms` of protocol time; false when the run object is going away.
  bool Pause(std::int64_t ms);
  void JoinWorker();

  TTavrelDevice& device_;
  IClock& clock_;

  mutable std::mutex programMutex_;
  TVAProgramsArray program_;
  std::atomic<std::int32_t> loopCount_{1};
  std::atomic<std::int32_t> programNumber_{0};
  std::atomic<std::int32_t> programStep_{0};
  std::atomic<std::int32_t> loopNumber_{0};
  std::atomic<std::int32_t> programStepCycle_{0};
  std::atomic<std::int32_t> programLength_{0};
  std::atomic<std::int32_t> nodesToCreate_{0};
  std::atomic<std::int32_t> vaGrammsCount_{0};
  std::atomic<std::int32_t> programsWithVAGrams_{0};
  std::atomic<std::int32_t> vaGrammsRecorded_{0};
  std::atomic<std::int32_t> curvesInProgram_{0};
  std::atomic<std::int32_t> lastSamplerCell_{-1};
  std::atomic<std::int32_t> lastCompensation_{-1};
  std::atomic<std::int32_t> samplerFaultCell_{-1};
  std::atomic<bool> running_{false};

  mutable std::mutex errorMutex_;
  Message lastError_;

  std::unique_ptr<TRecThread> worker_;
  std::thread thread_;
  std::mutex stopMutex_;
  std::condition_variable stopCv_;
  bool stopping_ = false;
  std::mutex finishedMutex_;
  std::condition_variable finishedCv_;
};

}  // namespace velmora
