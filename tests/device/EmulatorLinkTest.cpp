#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>
#include <vector>

#include "AcquisitionDecoder.h"
#include "AnalyzerEmulator.h"
#include "DeviceTestSupport.h"
#include "DeviceUnits.h"
#include "EmulatorSerialPort.h"
#include "SampleModel.h"
#include "ScaledClock.h"
#include "TTavrelDevice.h"

// The device component against the in-process emulator: the whole reset
// handshake, commands, injected faults and a measured voltammogram.

namespace velmora {
namespace {

using test::LockedMessageSink;
using test::waitUntil;

struct Point {
  double mv;
  double microAmps;
};

class EmulatorLink : public ::testing::Test {
 protected:
  // Protocol pauses run 20 times faster than real time, the emulated
  // program 400 times faster.
  EmulatorLink() : deviceClock(20.0), emulatorClock(400.0) {}

  void start(AnalyzerEmulator::Config config = {}) {
    emulator = std::make_shared<AnalyzerEmulator>(emulatorClock, std::move(config));
    port = std::make_unique<EmulatorSerialPort>(emulator);
    device = std::make_unique<TTavrelDevice>(sink, deviceClock);
    device->SetPort(port.get());
    device->SetPortName("emulator");
    device->OnReset = [this] { ++resets; };
    device->OnStatusChange = [this] { ++statusChanges; };
  }
  void TearDown() override {
    device.reset();
    port.reset();
  }
  bool resetAndWait() {
    const int before = resets;
    device->ResetDevice();
    return waitUntil([&] { return resets.load() > before; });
  }

  // Loads and runs one step; returns the voltammograms it produced, read
  // through the program's decoder.
  std::vector<std::vector<Point>> runStep(const EmulatorStep& step, int* finalStage = nullptr) {
    device->WriteStepWords(0, step.encode());
    device->StartStep();
    AcquisitionDecoder decoder;
    AcquisitionDecoder::Context context;
    context.Step.SetValuesRange(step.valuesRange);
    context.Step.SetModulation(step.modulation);
    context.Step.SetTimeMode(step.timeMode);
    context.DeviceType = device->DeviceType();
    context.Calibration = device->CalibrationBlock();
    decoder.SetContext(context);
    decoder.BeginStep();
    std::vector<std::vector<Point>> curves;
    auto keep = [&] {
      curves.emplace_back();
      for (const TRecPoint& p : decoder.DataBuf()) curves.back().push_back({p.X, p.Y});
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
      device->ReadStatus();
      const int status = device->DeviceStatus();
      if (status < 0) break;
      if (status & 0x40) {
        decoder.Feed(device->ReadDataBytes(), keep);
        continue;
      }
      const int stage = status & 0x0F;
      if (stage == 0 || stage == 4 || stage == 7) {
        if (finalStage) *finalStage = stage;
        break;
      }
    }
    return curves;
  }

  EmulatorStep strippingStep(int electrolysisSeconds) const {
    EmulatorStep s;
    s.sweepRate = static_cast<int>(device->ToDeviceUnits(100));
    s.sweepStart = static_cast<int>(device->ToDeviceUnits(-1200));
    s.sweepEnd = static_cast<int>(device->ToDeviceUnits(100));
    s.electrolysisPotential = static_cast<int>(device->ToDeviceUnits(-1300));
    s.electrolysisTime = electrolysisSeconds;
    s.cleaningPotential = static_cast<int>(device->ToDeviceUnits(100));
    s.cleaningTime = 5;
    s.stirrer = true;
    s.delayAfterMixing = 5;
    s.valuesRange = 1;
    return s;
  }

  // Height of the peak near `mv` above the straight line between its sides.
  static double peakHeight(const std::vector<Point>& curve, double mv, double* at = nullptr) {
    auto near = [&](double e) {
      return *std::min_element(curve.begin(), curve.end(), [e](const Point& a, const Point& b) {
        return std::fabs(a.mv - e) < std::fabs(b.mv - e);
      });
    };
    const Point left = near(mv - 90), right = near(mv + 90);
    double best = -1e9;
    for (const auto& p : curve) {
      if (p.mv < mv - 60 || p.mv > mv + 60) continue;
      const double base = left.microAmps + (right.microAmps - left.microAmps) * (p.mv - left.mv) / (right.mv - left.mv);
      if (p.microAmps - base > best) {
        best = p.microAmps - base;
        if (at) *at = p.mv;
      }
    }
    return best;
  }

  LockedMessageSink sink;
  ScaledClock deviceClock;
  ScaledClock emulatorClock;
  std::shared_ptr<AnalyzerEmulator> emulator;
  std::unique_ptr<EmulatorSerialPort> port;
  std::unique_ptr<TTavrelDevice> device;
  std::atomic<int> resets{0};
  std::atomic<int> statusChanges{0};
};

TEST_F(EmulatorLink, ResetHandshakeBringsTheLinkOnLine) {
  start();
  ASSERT_TRUE(resetAndWait());
  EXPECT_TRUE(sink.texts().empty()) << sink.texts().front();
  EXPECT_TRUE(device->Active());
  EXPECT_FALSE(device->Resetting());
  EXPECT_EQ(device->DeviceType(), 1);
  EXPECT_EQ(device->AddOnType(), 1);
  EXPECT_EQ(device->MixerSpeed(), 1000);
  EXPECT_EQ(device->NomberKlb(), 0x0012D687);
  EXPECT_TRUE(device->AllowNew3in1());
  EXPECT_FALSE(device->AutoSamplerEnabled());
  EXPECT_EQ(device->DeviceStatus(), 0);
  EXPECT_EQ(device->StatusAsText().format(), "Ready for measurment");
  EXPECT_EQ(device->Description().format(), "Usage of new 3 in 1 electrode is allowed");
  const auto cal = device->CalibrationBlock();
  const auto expected = AnalyzerEmulator::defaultCalibration();
  EXPECT_EQ(cal.toImage(), expected.toImage());
  EXPECT_EQ(device->Version(), "VA-EMU 1.04");
  EXPECT_GE(statusChanges.load(), 1);

  // Stirrer and calibration writes reach the analyzer.
  device->SetMixerOnOff(true);
  EXPECT_TRUE(emulator->motorOn());
  device->SetMixerSpeed(1500);
  EXPECT_EQ(emulator->stirrerSpeed(), 1500);
  auto changed = cal;
  changed.Coeff[2] = 30000;
  device->WriteCalibration(changed);
  EXPECT_EQ(emulator->calibration().Coeff[2], 30000);
  device->WriteResistors(1, 2, 3, 4);
  device->ReadResistors();
  EXPECT_EQ(device->CalibrationBlock().Coarse, 4);
  EXPECT_TRUE(sink.texts().empty());
  EXPECT_EQ(emulator->refusedFrames(), 0);
}

TEST_F(EmulatorLink, CalibrationMeasurementAndReferencePotential) {
  start();
  ASSERT_TRUE(resetAndWait());
  auto block = device->CalibrationBlock();
  block.BenchPotential = 1000;
  block.BenchRange = 4;
  block.BenchResistance = 1000;
  device->WriteCalibration(block);
  device->MeasureCalibrationCurrent();
  // 1000 mV across 1000 ohm is 1000 units on the 2 mA range.
  EXPECT_NEAR(device->Corect_data_Clb(), 1000.0, 3.0);
  const auto raw = device->CalibrationBlock().LastRawCurrent;
  const auto k = DeviceUnits::CalibrCoefficient(1000, 1000, 4, raw);
  EXPECT_NEAR(k, block.Coeff[4], 100);
  EXPECT_NEAR(device->VSP(), -480, 2);
  EXPECT_TRUE(sink.texts().empty());
  EXPECT_EQ(emulator->refusedFrames(), 0);
}

TEST_F(EmulatorLink, AutosamplerIsDetectedAndMoves) {
  AnalyzerEmulator::Config config;
  config.autosampler = true;
  start(config);
  std::atomic<int> lastPosition{-1};
  device->OnSamplerPositionChange = [&](int p) { lastPosition = p; };
  ASSERT_TRUE(resetAndWait());
  EXPECT_TRUE(device->AutoSamplerEnabled());
  EXPECT_EQ(device->AddOnType(), 0);
  device->SamplerMoveTo(6);
  EXPECT_EQ(device->CellNumber(), 5);
  EXPECT_EQ(lastPosition, 5);
  device->SetElectrodeDown(true);
  EXPECT_TRUE(emulator->electrodeDown());
  EXPECT_TRUE(sink.texts().empty());
  EXPECT_EQ(emulator->refusedFrames(), 0);
}

TEST_F(EmulatorLink, FaultsGiveTheirMessagesAndLeaveTheLinkOffLine) {
  struct Case {
    const char* fault;
    const char* message;
  };
  const Case cases[] = {
      {"uncalibrated", "Divice is not calibrated"},
      {"silent=0xC5", "No responce from device on reset."},
      {"silent=0xD2", "No responce from device. Command №210"},
      {"silent=0xD3", "No responce from device. Command №211"},
      {"crc=0xC6", "Error CRC"},
      {"crc=all", "No responce from device on reset."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    sink.clear();
    AnalyzerEmulator::Config config;
    std::string error;
    ASSERT_TRUE(config.faults.parse(c.fault, error));
    start(config);
    ASSERT_TRUE(resetAndWait());
    EXPECT_TRUE(waitUntil([&] { return sink.contains(c.message); }, std::chrono::seconds(5)));
    EXPECT_FALSE(device->Active());
    EXPECT_FALSE(device->Resetting());
    TearDown();
  }
}

TEST_F(EmulatorLink, SplitFramesAndSilentOptionalQueriesStillWork) {
  AnalyzerEmulator::Config config;
  std::string error;
  ASSERT_TRUE(config.faults.parse("split", error));
  ASSERT_TRUE(config.faults.parse("silent=0xDA", error));
  config.supports3in1 = false;
  config.deviceType = 0;
  start(config);
  ASSERT_TRUE(resetAndWait());
  EXPECT_TRUE(device->Active());
  EXPECT_EQ(device->DeviceType(), 0);
  EXPECT_EQ(device->AddOnType(), -1);
  EXPECT_FALSE(device->AllowNew3in1());
  EXPECT_EQ(device->Version(), "-");
  EXPECT_EQ(device->NomberKlb(), 0x0012D687);
  EXPECT_EQ(device->ToDeviceUnits(-1200), -1200);
  EXPECT_TRUE(sink.texts().empty());
}

TEST_F(EmulatorLink, VoltammogramShowsStrippingPeaksThatScale) {
  start();
  emulator->fillSupportingElectrolyte(10.0, {0, 0, 0, 0});
  emulator->addSample(10.0, {40, 10, 20, 30});  // cell: Zn 20, Cd 5, Pb 10, Cu 15 ug/L
  ASSERT_TRUE(resetAndWait());

  auto curves = runStep(strippingStep(30));
  ASSERT_EQ(curves.size(), 1u);
  const auto& curve = curves[0];
  EXPECT_GT(curve.size(), 600u);
  EXPECT_NEAR(curve.front().mv, -1200, 5);
  EXPECT_NEAR(curve.back().mv, 100, 5);
  const auto ep = [](SampleModel::Element e) { return SampleModel::peakPotential(e); };
  double at = 0;
  const double pb30 = peakHeight(curve, ep(SampleModel::Pb), &at);
  EXPECT_NEAR(at, ep(SampleModel::Pb), 15);
  EXPECT_GT(pb30, 0.1);
  EXPECT_GT(peakHeight(curve, ep(SampleModel::Zn)), 0.1);
  EXPECT_GT(peakHeight(curve, ep(SampleModel::Cd)), 0.03);
  EXPECT_GT(peakHeight(curve, ep(SampleModel::Cu)), 0.05);

  // Twice the deposition time, twice the peak.
  curves = runStep(strippingStep(60));
  ASSERT_EQ(curves.size(), 1u);
  EXPECT_NEAR(peakHeight(curves[0], ep(SampleModel::Pb)) / pb30, 2.0, 0.25);

  // A standard addition of lead doubles its concentration in the cell.
  emulator->addStandard(SampleModel::Pb, 0.2, 1.0);
  curves = runStep(strippingStep(30));
  ASSERT_EQ(curves.size(), 1u);
  const double ratio = emulator->sample().cellConcentrations()[SampleModel::Pb] / 10.0;
  EXPECT_NEAR(peakHeight(curves[0], ep(SampleModel::Pb)) / pb30, ratio, 0.25 * ratio);
  EXPECT_TRUE(sink.texts().empty());
  EXPECT_EQ(emulator->refusedFrames(), 0);
}

TEST_F(EmulatorLink, CyclesGiveOneVoltammogramPerSweep) {
  start();
  ASSERT_TRUE(resetAndWait());
  EmulatorStep s = strippingStep(0);
  s.cleaningTime = 0;
  s.delayAfterMixing = 0;
  s.sweepRate = static_cast<int>(device->ToDeviceUnits(500));
  s.cycle = true;
  s.cycleType = 1;  // full: there and back
  s.cycleCount = 2;
  s.skipCycles = 1;
  const auto curves = runStep(s);
  EXPECT_EQ(curves.size(), 4u);
  EXPECT_EQ(emulator->refusedFrames(), 0);
}

TEST_F(EmulatorLink, RunFaultsStopWithTheirStage) {
  for (const char* fault : {"overflow", "mercury-gap"}) {
    SCOPED_TRACE(fault);
    AnalyzerEmulator::Config config;
    std::string error;
    ASSERT_TRUE(config.faults.parse(fault, error));
    start(config);
    ASSERT_TRUE(resetAndWait());
    int stage = -1;
    const auto curves = runStep(strippingStep(2), &stage);
    EXPECT_TRUE(curves.empty());
    EXPECT_EQ(stage, std::string(fault) == "overflow" ? 4 : 7);
    EXPECT_EQ(device->StatusAsText().format(),
              std::string(fault) == "overflow" ? "Circular buffer overflow" : "Mercury jet gap");
    TearDown();
  }
}

}  // namespace
}  // namespace velmora
