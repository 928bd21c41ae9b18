#pragma once

#include <cstdint>
#include <vector>

#include "EmulatorStep.h"
#include "SampleModel.h"
#include "TCalibrationBlock.h"
#include "VoltammogramModel.h"

namespace velmora {

// One started program step inside the emulator: its stages in time and the
// data points of its sweeps, produced as protocol time passes.
class EmulatorRun {
 public:
  struct Context {
    int deviceType = 1;
    TCalibrationBlock calibration;
    SampleModel::Concentrations cell{};
    bool bufferOverflow = false;  // fault: stop with stage 4 during the measurement
    bool mercuryJetGap = false;   // fault: stop with stage 7 during the measurement
    std::uint64_t seed = 1;
  };

  EmulatorRun(const EmulatorStep& step, const Context& context, std::int64_t startMs);

  // Appends the data pairs (big-endian potential word, current word) that
  // became available up to `nowMs`; each recorded sweep ends with the end
  // marker.
  void advance(std::int64_t nowMs, std::vector<std::uint8_t>& out);
  // The stage at `nowMs` (0 when the step is complete).
  int stage(std::int64_t nowMs) const;
  // The answer to COM_READ_PARAM: seconds left of the stage, or the present
  // potential (analyzer units) for parameter 1.
  int parameter(int index, std::int64_t nowMs) const;
  // Stops the run with a fault stage (4 or 7).
  void fail(int stage) { failedStage_ = stage; }
  int failedStage() const { return failedStage_; }
  const EmulatorStep& step() const { return step_; }
  std::int64_t endMs() const { return endMs_; }
  // Voltammograms completed so far.
  int completedSweeps() const { return completedSweeps_; }

 private:
  struct Stage {
    int code;
    std::int64_t start;
    std::int64_t end;
  };
  struct Sweep {
    double fromMv;
    double toMv;
    bool recorded;
    double depositShare;
    std::int64_t start;
    std::int64_t end;
    int points;
  };

  double toMv(int deviceUnits) const;
  std::int16_t toDeviceUnits(double mv) const;
  std::int16_t rawCurrent(double microAmps) const;
  void push(std::vector<std::uint8_t>& out, std::int16_t w1, std::int16_t w2);
  void pushSample(std::vector<std::uint8_t>& out, const Sweep& sweep, int k);

  EmulatorStep step_;
  Context context_;
  VoltammogramModel model_;
  std::vector<Stage> stages_;
  std::vector<Sweep> sweeps_;
  std::int64_t measureStart_ = 0;
  std::int64_t endMs_ = 0;
  std::int64_t failAt_ = -1;
  int failStageWanted_ = 0;
  int failedStage_ = 0;
  // Progress through the sweeps: sweep index, next sample index within it
  // (-2 and -1 are the two leading samples).
  std::size_t sweepIndex_ = 0;
  int nextSample_ = -2;
  int completedSweeps_ = 0;
  int lastPotential_ = 0;
};

}  // namespace velmora
