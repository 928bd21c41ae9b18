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
#include "EmulatorRun.h"
#include "EmulatorStep.h"
#include "FrameAssembler.h"
#include "IClock.h"
#include "SampleModel.h"
#include "TCalibrationBlock.h"

namespace velmora {

// A stripping-voltammetry analyzer in software: it answers every command of
// the serial protocol, keeps its own calibration block, executes loaded
// program steps in (protocol) time and streams realistic voltammograms.
//
// The host feeds it received bytes (receive) and calls tick() every few
// milliseconds; answers leave through the output callback, called from
// those two calls on the host's thread, never with the internal lock held.
// The sample API may be used from any thread.
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
  };
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

  // --- inspection ----------------------------------------------------------------
  int status();
  TCalibrationBlock calibration() const;
  bool motorOn() const;
  int stirrerType() const;
  int stirrerSpeed() const;
  int samplerPosition() const;
  bool electrodeDown() const;
  std::int64_t commandsReceived() const;
  void setFaults(const EmulatorFaults& faults);

  // Buffer of unread data bytes the analyzer holds before it overflows.
  static constexpr std::size_t DataBufferSize = 16384;
  // Data bytes sent in one COM_READ_DATA answer at most.
  static constexpr std::size_t MaxDataPerAnswer = 1024;

 private:
  using Chunks = std::vector<std::vector<std::uint8_t>>;
  void handleFrame(std::span<const std::uint8_t> frame, std::int64_t now);
  void answer(std::uint8_t code, std::vector<std::uint8_t> payload, std::int64_t now, std::int64_t delayMs = 0);
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

  struct Pending {
    std::int64_t due;
    std::vector<std::uint8_t> frame;
  };
  std::deque<Pending> delayed_;
  Chunks ready_;  // answers to hand out once the lock is released

  std::map<int, EmulatorStep> steps_;
  std::unique_ptr<EmulatorRun> run_;
  std::vector<std::uint8_t> data_;  // unread data pairs
  bool overflowed_ = false;
  int runCount_ = 0;

  bool motorOn_ = false;
  int stirrerType_ = 0;
  int stirrerSpeed_ = 0;
  int samplerPosition_ = 0;
  bool electrodeDown_ = false;
  int dacValue_ = 0;
  int range_ = 0;
  std::int64_t commands_ = 0;
};

}  // namespace velmora
