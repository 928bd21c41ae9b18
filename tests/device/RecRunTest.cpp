// Whole acquisition runs against the analyzer emulator: event order,
// repetitions, cycles, stop, reset, faults, and a run over a pseudo-terminal.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "AcceleratedClock.h"
#include "AnalyzerEmulator.h"
#include "DeviceTestSupport.h"
#include "EmulatorSerialPort.h"
#include "MissingFacility.h"
#include "PosixSerialPort.h"
#include "PseudoTerminalHost.h"
#include "TAcquisitionRun.h"
#include "TTavrelDevice.h"

namespace velmora {
namespace {

using test::LockedMessageSink;
using test::waitUntil;

// Passes everything through to another port and keeps the frames written.
class TappedPort final : public ISerialPort {
 public:
  explicit TappedPort(std::unique_ptr<ISerialPort> inner) : inner_(std::move(inner)) {}
  bool open(const std::string& name, std::string& error) override { return inner_->open(name, error); }
  void close() override { inner_->close(); }
  bool isOpen() const override { return inner_->isOpen(); }
  std::string name() const override { return inner_->name(); }
  std::size_t write(std::span<const std::uint8_t> bytes) override {
    {
      std::lock_guard lock(mutex_);
      frames_.emplace_back(bytes.begin(), bytes.end());
    }
    return inner_->write(bytes);
  }
  void setReceiveHandler(ReceiveHandler handler) override { inner_->setReceiveHandler(std::move(handler)); }
  // The payloads of the frames written with `code`.
  std::vector<std::vector<std::uint8_t>> payloads(std::uint8_t code) const {
    std::lock_guard lock(mutex_);
    std::vector<std::vector<std::uint8_t>> out;
    for (const auto& f : frames_)
      if (f.size() > 4 && f[3] == code) out.emplace_back(f.begin() + 4, f.end() - 1);
    return out;
  }

 private:
  std::unique_ptr<ISerialPort> inner_;
  mutable std::mutex mutex_;
  std::vector<std::vector<std::uint8_t>> frames_;
};

ProgramStep Sweep(int from, int to) {
  ProgramStep s = ProgramStep::Default();
  s.SetSweepRate(1000);
  s.SetSweepStart(from);
  s.SetSweepEnd(to);
  s.SetElectrolysisTime(1);
  return s;
}

class RecRun : public ::testing::Test {
 protected:
  RecRun() : clock(25.0) {}

  void start(ISerialPort* p, const std::string& name = "emulator") {
    device = std::make_unique<TTavrelDevice>(sink, clock);
    device->SetPort(p);
    device->SetPortName(name);
    device->OnReset = [this] { ++resets; };
    ASSERT_TRUE(resetAndWait());
    ASSERT_TRUE(device->Active());
    run = std::make_unique<TAcquisitionRun>(*device, clock);
    run->OnRecordStart = [this] { log("start"); };
    run->OnSingleRecordStart = [this] {
      log("step " + std::to_string(run->LoopNumber()) + "." + std::to_string(run->ProgramNumber()) + "." +
          std::to_string(run->ProgramStep()));
    };
    run->OnDataReceived = [this](const TRecPoints& points) { livePoints += static_cast<int>(points.size()); };
    run->OnSingleRecordEnd = [this] {
      std::lock_guard lock(mutex);
      curveSizes.push_back(run->DataBuf().size());
      cycles.push_back(run->ProgramStepCycle());
      events.push_back("curve");
    };
    run->OnRecordEnd = [this] { log("end"); };
    run->OnStatusChange = [this] { log("status"); };
    run->OnRunError = [this](const Message& m) { log("error " + m.format()); };
  }
  void startEmulated(AnalyzerEmulator::Config config = {}) {
    emulator = std::make_shared<AnalyzerEmulator>(clock, std::move(config));
    emulator->fillSupportingElectrolyte(10.0, {0, 0, 0, 0});
    emulator->addSample(1.0, {400, 150, 250, 300});
    auto tapped = std::make_unique<TappedPort>(std::make_unique<EmulatorSerialPort>(emulator));
    tap = tapped.get();
    port = std::move(tapped);
    start(port.get());
  }
  void TearDown() override {
    run.reset();
    device.reset();
    port.reset();
  }
  bool resetAndWait() {
    const int before = resets;
    device->ResetDevice();
    return waitUntil([&] { return resets.load() > before; }, std::chrono::seconds(20));
  }
  void log(const std::string& e) {
    std::lock_guard lock(mutex);
    events.push_back(e);
  }
  std::vector<std::string> Events() {
    std::lock_guard lock(mutex);
    return events;
  }
  int Count(const std::string& e) {
    int n = 0;
    for (const auto& x : Events()) n += x == e;
    return n;
  }

  AcceleratedClock clock;
  LockedMessageSink sink;
  std::shared_ptr<AnalyzerEmulator> emulator;
  std::unique_ptr<ISerialPort> port;
  TappedPort* tap = nullptr;  // `port` when emulated in process
  std::unique_ptr<TTavrelDevice> device;
  std::unique_ptr<TAcquisitionRun> run;
  std::atomic<int> resets{0};
  std::atomic<int> livePoints{0};
  std::mutex mutex;
  std::vector<std::string> events;
  std::vector<std::size_t> curveSizes;
  std::vector<int> cycles;
};

TEST_F(RecRun, ProgramsAndRepetitionsRunInOrder) {
  startEmulated();
  TVAProgramsArray set;
  set.push_back({Sweep(-1200, 0), Sweep(0, 0)});  // the second step only conditions
  set.push_back({Sweep(-900, 100)});
  run->SetVAProgram(set);
  run->SetLoopCount(3);
  run->StartRecording();
  EXPECT_EQ(run->VAgrammsCount(), 2);
  EXPECT_EQ(run->NodesToCreate(), 2);
  EXPECT_EQ(run->ProgramsWithVAGrams(), 2);
  ASSERT_TRUE(run->WaitFinished(std::chrono::seconds(60)));
  const std::vector<std::string> expected = {"start", "step 0.0.0", "curve", "step 0.0.1", "step 0.1.0",
                                             "curve", "step 1.0.0", "curve", "step 1.0.1", "step 1.1.0",
                                             "curve", "step 2.0.0", "curve", "step 2.0.1", "step 2.1.0",
                                             "curve", "end",        "status"};
  EXPECT_EQ(Events(), expected);
  EXPECT_EQ(run->VAgrammsRecorded(), 6);
  EXPECT_FALSE(device->Recording());
  for (std::size_t n : curveSizes) EXPECT_GT(n, 100u);
  EXPECT_GT(livePoints.load(), 0);
  EXPECT_TRUE(sink.texts().empty());
  EXPECT_EQ(emulator->refusedFrames(), 0) << emulator->refusals().front();
}

TEST_F(RecRun, CycledStepCountsItsCyclesAndStartsFromAGivenStep) {
  startEmulated();
  ProgramStep full = Sweep(-1000, 0);
  full.SetCycle(true);
  full.SetCycleType(1);
  full.SetCycleCount(2);
  run->SetVAProgram({{Sweep(-1200, 100), full}});
  run->StartRecording(0, 1);  // "Start from current step"
  EXPECT_EQ(run->VAgrammsCount(), 4);
  ASSERT_TRUE(run->WaitFinished(std::chrono::seconds(60)));
  EXPECT_EQ(Count("curve"), 4);
  EXPECT_EQ(cycles, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(Count("step 0.0.0"), 0);
  EXPECT_EQ(emulator->refusedFrames(), 0);
}

TEST_F(RecRun, StopEndsTheRunNormallyAndResetWithoutEndEvents) {
  startEmulated();
  ProgramStep longStep = Sweep(-1200, 100);
  longStep.SetElectrolysisTime(600);  // 24 s at this speed
  run->SetVAProgram({{longStep, longStep}});
  run->StartRecording();
  ASSERT_TRUE(waitUntil([&] { return Count("step 0.0.0") == 1; }));
  run->StopRecording();
  ASSERT_TRUE(run->WaitFinished(std::chrono::seconds(5)));
  EXPECT_EQ(Events().back(), "status");
  EXPECT_EQ(Count("end"), 1);
  EXPECT_EQ(Count("curve"), 0);

  events.clear();
  run->StartRecording();
  ASSERT_TRUE(waitUntil([&] { return Count("step 0.0.0") == 1; }));
  ASSERT_TRUE(resetAndWait());
  ASSERT_TRUE(run->WaitFinished(std::chrono::seconds(5)));
  EXPECT_EQ(Count("end"), 0);
  EXPECT_TRUE(device->Active());
}

TEST_F(RecRun, FaultsEndTheWorkerWithTheirMessage) {
  for (const auto& [fault, text] :
       {std::pair{"overflow", "Circular buffer overflow"}, {"mercury-gap", "Mercury jet gap"}}) {
    AnalyzerEmulator::Config config;
    std::string problem;
    ASSERT_TRUE(config.faults.parse(fault, problem));
    startEmulated(config);
    run->SetVAProgram({{Sweep(-1200, 100)}});
    run->StartRecording();
    ASSERT_TRUE(run->WaitFinished(std::chrono::seconds(30))) << fault;
    EXPECT_EQ(Events().back(), std::string("error ") + text);
    EXPECT_EQ(Count("end"), 0);
    EXPECT_EQ(run->LastError().format(), text);
    // The operator resets; the flag stays until then.
    EXPECT_TRUE(device->Recording());
    TearDown();
    events.clear();
  }
}

TEST_F(RecRun, LostAnswerEndsTheRunAndTakesTheLinkOffLine) {
  startEmulated();
  run->SetVAProgram({{Sweep(-1200, 100)}});
  EmulatorFaults faults;
  faults.silent.insert(0xC8);  // COM_READ_DATA
  emulator->setFaults(faults);
  run->StartRecording();
  ASSERT_TRUE(run->WaitFinished(std::chrono::seconds(30)));
  EXPECT_FALSE(device->Active());
  EXPECT_TRUE(sink.contains("No responce from device. Command №200"));
  EXPECT_EQ(Count("end"), 1);
  EXPECT_EQ(Count("curve"), 0);
}

TEST_F(RecRun, RunsOverAPseudoTerminal) {
  auto served = std::make_shared<AnalyzerEmulator>(clock, AnalyzerEmulator::Config{});
  PseudoTerminalHost host(served);
  std::string error;
  const auto link = std::filesystem::temp_directory_path() / ("velmora-rec-" + std::to_string(::getpid()));
  if (!host.start(link, error)) VELMORA_MISSING_FACILITY() << error;
  port = std::make_unique<PosixSerialPort>();
  device = std::make_unique<TTavrelDevice>(sink, clock);
  device->SetPort(port.get());
  device->SetPortName(link.string());
  device->OnReset = [this] { ++resets; };
  ASSERT_TRUE(resetAndWait());
  ASSERT_TRUE(device->Active());
  std::atomic<int> curves{0};
  {
    TAcquisitionRun r(*device, clock);
    r.OnSingleRecordEnd = [&] {
      if (r.DataBuf().size() > 100) ++curves;
    };
    r.SetVAProgram({{Sweep(-1200, 100), Sweep(-1000, 0)}});
    r.StartRecording();
    ASSERT_TRUE(r.WaitFinished(std::chrono::seconds(60)));
  }
  EXPECT_EQ(curves.load(), 2);
  EXPECT_EQ(served->refusedFrames(), 0);
  device.reset();
  port.reset();
  host.stop();
}

TEST_F(RecRun, StepStirrerSettingsSendTheNewTypeWithTheNewSpeedThenTheSpeed) {
  AnalyzerEmulator::Config config;
  config.addOnType = 1;
  startEmulated(config);
  ASSERT_EQ(device->AddOnType(), 1);
  const std::size_t before = tap->payloads(0xDD).size();
  ProgramStep s = Sweep(-1200, 100);
  s.SetStirrerType(2);
  s.SetStirrerSpeed(800);
  ProgramStep same = s;  // a second step with the same settings sends nothing more
  run->SetVAProgram({{s, same}});
  run->StartRecording();
  ASSERT_TRUE(run->WaitFinished(std::chrono::seconds(60)));
  const auto sent = tap->payloads(0xDD);
  ASSERT_EQ(sent.size(), before + 2);
  EXPECT_EQ(sent[before], (std::vector<std::uint8_t>{2, 80}));
  EXPECT_EQ(sent[before + 1], (std::vector<std::uint8_t>{2, 80}));
  EXPECT_EQ(emulator->stirrerType(), 2);
  EXPECT_EQ(emulator->stirrerSpeed(), 800);
  EXPECT_EQ(device->MixerSpeed(), 800);
  EXPECT_TRUE(sink.texts().empty());
}

TEST_F(RecRun, AResetWhileATrayMoveWaitsEndsTheRunOnceAndSilently) {
  AnalyzerEmulator::Config config;
  config.autosampler = true;
  startEmulated(config);
  ASSERT_TRUE(device->AutoSamplerEnabled());
  // The tray does not answer its move, nor the analyzer its reset.
  EmulatorFaults faults;
  faults.silent = {0xDC, 0xC5};
  emulator->setFaults(faults);
  ProgramStep s = Sweep(-1200, 100);
  s.SetSamplerCell(3);
  run->SetVAProgram({{s}});
  const std::int64_t frames = device->FramesSent();
  const int resetsBefore = resets;
  run->StartRecording();
  // The status read, then the move, which waits up to 20 s of protocol time.
  ASSERT_TRUE(waitUntil([&] { return device->FramesSent() >= frames + 2; }));
  device->ResetDevice();
  ASSERT_TRUE(waitUntil([&] { return resets.load() > resetsBefore; }));
  ASSERT_TRUE(run->WaitFinished(std::chrono::seconds(5)));
  EXPECT_EQ(Count("start"), 1);
  EXPECT_EQ(Count("end"), 0);
  EXPECT_TRUE(sink.contains("No responce from device on reset."));
  EXPECT_FALSE(sink.contains("No responce from device. Command №220"));

  // The analyzer answers again: the fresh link stays on line.
  emulator->setFaults({});
  sink.clear();
  ASSERT_TRUE(resetAndWait());
  EXPECT_TRUE(device->Active());
  EXPECT_TRUE(sink.texts().empty());
}

TEST_F(RecRun, ALostLineEndsTheRunWithinSecondsAndKeepsItsCurves) {
  auto served = std::make_shared<AnalyzerEmulator>(clock, AnalyzerEmulator::Config{});
  auto host = std::make_unique<PseudoTerminalHost>(served);
  std::string error;
  const auto link = std::filesystem::temp_directory_path() / ("velmora-lost-" + std::to_string(::getpid()));
  if (!host->start(link, error)) VELMORA_MISSING_FACILITY() << error;
  port = std::make_unique<PosixSerialPort>();
  start(port.get(), link.string());
  ProgramStep longStep = Sweep(-1200, 100);
  longStep.SetElectrolysisTime(600);  // 24 s at this speed
  run->SetVAProgram({{Sweep(-1200, 100), longStep}});
  run->StartRecording();
  ASSERT_TRUE(waitUntil([&] { return Count("step 0.0.1") == 1; }, std::chrono::seconds(30)));
  const auto lostAt = std::chrono::steady_clock::now();
  host.reset();  // the other end of the line closes
  ASSERT_TRUE(run->WaitFinished(std::chrono::seconds(5)));
  EXPECT_LT(std::chrono::steady_clock::now() - lostAt, std::chrono::seconds(5));
  EXPECT_EQ(Count("curve"), 1);
  EXPECT_EQ(Count("end"), 1);
  EXPECT_FALSE(device->Recording());
  EXPECT_FALSE(device->Active());
  EXPECT_TRUE(device->PortWasLost());
  ASSERT_FALSE(sink.texts().empty());
  EXPECT_EQ(sink.texts().front().rfind("The serial port \"" + link.string() + "\" of the analyzer was lost", 0), 0u)
      << sink.texts().front();

  // With the line back a reset brings the analyzer on line again.
  host = std::make_unique<PseudoTerminalHost>(std::make_shared<AnalyzerEmulator>(clock, AnalyzerEmulator::Config{}));
  ASSERT_TRUE(host->start(link, error)) << error;
  ASSERT_TRUE(resetAndWait());
  EXPECT_TRUE(device->Active());
  EXPECT_FALSE(device->PortWasLost());
  run.reset();
  device.reset();
  port.reset();
}

}  // namespace
}  // namespace velmora
