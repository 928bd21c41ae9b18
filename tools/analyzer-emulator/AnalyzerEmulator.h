#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "EmulatorFaults.h"
#include "EmulatorLine.h"
#include "EmulatorRun.h"
#include "EmulatorStep.h"
#include "FrameAssembler.h"
#include "IClock.h"
#include "SampleModel.h"
#include "TCalibrationBlock.h"
#include "VirtualOperator.h"

namespace velmora {

// A stripping-voltammetry analyzer in software: it answers every command of
// the serial protocol, keeps its own calibration block, executes loaded
// program steps in (protocol) time and streams realistic voltammograms.
//
// The host feeds it received bytes (receive) and calls tick() every few
// milliseconds; answers leave through the output callback, called from
// those two calls on the host's thread, never with the internal lock held.
// The sample API may be used from any thread.
//
// Like the instrument it drops every frame it cannot execute (a damaged
// frame, an unknown command, a LEN that does not fit the command, a
// malformed payload) without an answer; it counts them, so that tests can
// show that the workstation never sends one. Besides its answers it sends
// the frames the analyzer sends on its own: COM_VOSST_EL when it starts to
// recover the 3-in-1 electrode, COM_READ_PARAM_ARRAY with the step's
// parameters when a step is complete.
//
// A virtual operator fills the cell before every recorded step as the
// step's measurement type asks (see VirtualOperator). The line does not
// carry the measurement type: in process the host names it through
// setMeasurementSource; otherwise a cell sequence names one type per
// recorded step.
class AnalyzerEmulator {
 public:
  struct Config {
    int deviceType = 1;     // 0 without potential scale, 1 with KDac
    int addOnType = 1;      // stirrer add-on reported on reset, -1 none
    int mixerSpeed = 1000;  // rpm
    bool autosampler = false;
    bool supports3in1 = true;
    std::string version = "VA-EMU 1.04";
    std::int32_t serialNumber = 0x0012D687;
    std::uint64_t seed = 20240501;
    EmulatorFaults faults;
    TCalibrationBlock calibration = defaultCalibration();
    // Answers leave at the line's rate (19200 baud) instead of at once.
    bool realtime = false;
    // Keep every received frame for receivedFrames().
    bool logFrames = false;
    // What the virtual operator puts into the cell.
    VirtualOperator::Recipe recipe;
    // Measurement types of the recorded steps, one per step, repeated when
    // the run goes on past its end; empty: no operator unless a
    // measurement source is set.
    std::vector<int> cellSequence;
  };
  // Names the measurement type of the step being started (called on the
  // emulator's thread with its lock held: it must not block or call back).
  using MeasurementSource = std::function<int()>;
  using Output = std::function<void(std::span<const std::uint8_t> chunk)>;

  static TCalibrationBlock defaultCalibration();

  AnalyzerEmulator(IClock& clock, Config config);

  void setOutput(Output output);
  // Bytes from the line.
  void receive(std::span<const std::uint8_t> bytes);
  // Lets protocol time pass: releases delayed answers and advances a run.
  void tick();

  // --- the cell ----------------------------------------------------------------
  void fillSupportingElectrolyte(double volumeMl, const SampleModel::Concentrations& impurities);
  void addSample(double volumeMl, const SampleModel::Concentrations& concentrations);
  void addStandard(SampleModel::Element element, double volumeMl, double concentrationMgL);
  SampleModel sample() const;
  // The operator fills the cell for each recorded step by the type the
  // source names (null: back to the cell sequence, or to the cell as it is).
  void setMeasurementSource(MeasurementSource source);
  void setCellSequence(std::vector<int> sequence);
  const VirtualOperator::Recipe& recipe() const { return cellOperator_.recipe(); }
  // The measurement type the operator last filled the cell for, -1 none.
  int lastFilledFor() const;

  // --- inspection ----------------------------------------------------------------
  int status();
  TCalibrationBlock calibration() const;
  bool motorOn() const;
  int stirrerType() const;
  int stirrerSpeed() const;
  int samplerPosition() const;
  bool electrodeDown() const;
  // The tray jammed on a move (EmulatorFaults::trayJam) and awaits a reset.
  bool trayJammed() const;
  std::int64_t commandsReceived() const;
  // Frames dropped without an answer, and why (the last hundred reasons).
  std::int64_t refusedFrames() const;
  std::vector<std::string> refusals() const;
  // Every received frame in order, start byte to check byte (only with
  // Config::logFrames).
  std::vector<std::vector<std::uint8_t>> receivedFrames() const;
  void clearReceivedFrames();
  void setFaults(const EmulatorFaults& faults);

  // Buffer of unread data bytes the analyzer holds before it overflows.
  static constexpr std::size_t DataBufferSize = 16384;
  // A COM_READ_DATA answer hands out every whole pair buffered, as many as
  // fit one frame of the receiver's buffer (the count byte, then data).
  static constexpr std::size_t MaxDataPerAnswer = (protocol::MaxLen - 2) / 4 * 4;

 private:
  using Chunks = std::vector<std::vector<std::uint8_t>>;
  void handleFrame(std::span<const std::uint8_t> frame, std::int64_t now);
  void execute(std::uint8_t code, std::span<const std::uint8_t> p, std::int64_t now);
  void refuse(const std::string& reason);
  void startStep(const EmulatorStep& step, std::int64_t now);
  void answer(std::uint8_t code, std::vector<std::uint8_t> payload, std::int64_t now, std::int64_t delayMs = 0);
  // A frame the analyzer sends on its own, ready at `at`.
  void report(std::uint8_t code, std::vector<std::uint8_t> payload, std::int64_t at);
  void releaseDue(std::int64_t now);
  void advanceRun(std::int64_t now);
  int statusByte(std::int64_t now);
  void flush(Chunks& chunks);

  IClock& clock_;
  Config config_;
  mutable std::mutex mutex_;
  Output output_;
  FrameAssembler assembler_;
  SampleModel sample_;
  std::mt19937 random_;

  EmulatorLine line_;
  Chunks ready_;  // bytes to hand out once the lock is released

  std::map<int, EmulatorStep> steps_;
  std::unique_ptr<EmulatorRun> run_;
  std::vector<std::uint8_t> data_;  // unread data pairs
  bool overflowed_ = false;
  bool completionReported_ = false;
  int runCount_ = 0;

  VirtualOperator cellOperator_;
  MeasurementSource measurementSource_;
  std::vector<int> cellSequence_;
  std::size_t sequencePos_ = 0;
  int lastFilledFor_ = -1;

  std::int64_t refused_ = 0;
  std::deque<std::string> refusals_;
  std::vector<std::vector<std::uint8_t>> received_;

  bool motorOn_ = false;
  int stirrerType_ = 0;
  int stirrerSpeed_ = 0;
  int samplerPosition_ = 0;
  bool electrodeDown_ = false;
  bool trayJammed_ = false;
  int dacValue_ = 0;
  int range_ = 0;
  std::int64_t commands_ = 0;
};

}  // namespace velmora
