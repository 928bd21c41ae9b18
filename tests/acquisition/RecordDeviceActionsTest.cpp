#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "AnalyzerEmulator.h"
#include "EmulatorSerialPort.h"
#include "MessageSink.h"
#include "RecordDeviceActions.h"
#include "ScaledClock.h"
#include "TTavrelDevice.h"

// The record-parameters window's analyzer commands against the in-process
// emulator, with and without the stirrer add-on and the autosampler.

namespace velmora {
namespace {

bool waitFor(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

class RecordDeviceActionsTest : public ::testing::Test {
 protected:
  RecordDeviceActionsTest() : deviceClock(20.0), emulatorClock(400.0) {}
  void start(AnalyzerEmulator::Config config) {
    emulator = std::make_shared<AnalyzerEmulator>(emulatorClock, std::move(config));
    port = std::make_unique<EmulatorSerialPort>(emulator);
    device = std::make_unique<TTavrelDevice>(sink, deviceClock);
    device->SetPort(port.get());
    device->SetPortName("emulator");
    device->ResetDevice();
    ASSERT_TRUE(waitFor([&] { return device->Active(); }));
  }
  void TearDown() override {
    device.reset();
    port.reset();
  }

  NullMessageSink sink;
  ScaledClock deviceClock, emulatorClock;
  std::shared_ptr<AnalyzerEmulator> emulator;
  std::unique_ptr<EmulatorSerialPort> port;
  std::unique_ptr<TTavrelDevice> device;
};

TEST_F(RecordDeviceActionsTest, StirrerSpeedAndModeWithAnAddOn) {
  AnalyzerEmulator::Config config;
  config.addOnType = 1;
  start(config);
  RecordDeviceActions actions(*device);
  ASSERT_TRUE(actions.Available());
  EXPECT_FALSE(actions.SamplerAvailable());
  EXPECT_FALSE(actions.MoveSampler(3));

  device->SetMixerOnOff(true);
  ASSERT_TRUE(actions.ChangeMixerSpeed(1500, true));
  EXPECT_EQ(device->MixerSpeed(), 1500);
  EXPECT_EQ(emulator->stirrerSpeed(), 1500);
  EXPECT_TRUE(emulator->motorOn());  // switched on again

  const auto outcome = actions.ChangeMixerMode(3, false, true);
  EXPECT_TRUE(outcome.sent);
  EXPECT_FALSE(outcome.resetList);
  EXPECT_EQ(device->AddOnType(), 3);
  EXPECT_EQ(emulator->stirrerType(), 3);

  device->SetRecording(true);
  EXPECT_FALSE(actions.ChangeMixerSpeed(500, false));
  EXPECT_FALSE(actions.ChangeMixerMode(0, false, false).sent);
  EXPECT_EQ(device->AddOnType(), 3);
  device->SetRecording(false);
}

TEST_F(RecordDeviceActionsTest, TheAutosamplerBringsItsStirrerAndMovesTheTray) {
  AnalyzerEmulator::Config config;
  config.addOnType = -1;
  config.autosampler = true;
  start(config);
  RecordDeviceActions actions(*device);
  ASSERT_TRUE(actions.SamplerAvailable());
  // The autosampler's stirrer counts as add-on type 0: the mode is sent, the list stays.
  EXPECT_EQ(device->AddOnType(), 0);
  const auto outcome = actions.ChangeMixerMode(1, false, true);
  EXPECT_TRUE(outcome.sent);
  EXPECT_FALSE(outcome.resetList);
  EXPECT_EQ(emulator->stirrerType(), 1);
  ASSERT_TRUE(actions.MoveSampler(7));
  EXPECT_EQ(emulator->samplerPosition(), 6);  // 0-based
  EXPECT_EQ(device->CellNumber(), 6);
  EXPECT_FALSE(actions.MoveSampler(16));
  ASSERT_TRUE(actions.SetElectrodeDown(true));
  EXPECT_TRUE(emulator->electrodeDown());
  ASSERT_TRUE(actions.SetElectrodeDown(false));
  EXPECT_FALSE(emulator->electrodeDown());
}

TEST_F(RecordDeviceActionsTest, ModeWithoutAddOnOrSampler) {
  AnalyzerEmulator::Config config;
  config.addOnType = -1;
  start(config);
  RecordDeviceActions actions(*device);
  EXPECT_FALSE(actions.ChangeMixerSpeed(1200, false));
  auto outcome = actions.ChangeMixerMode(2, false, false);
  EXPECT_FALSE(outcome.sent);
  EXPECT_TRUE(outcome.resetList);
  EXPECT_FALSE(outcome.clearStepTypes);
  // A method's unchanged set loses the stirrer types of its steps.
  outcome = actions.ChangeMixerMode(2, false, true);
  EXPECT_FALSE(outcome.sent);
  EXPECT_TRUE(outcome.resetList);
  EXPECT_TRUE(outcome.clearStepTypes);
  EXPECT_EQ(device->AddOnType(), -1);
  // Editing a method: the type is sent even without an add-on, and the list stays.
  outcome = actions.ChangeMixerMode(2, true, false);
  EXPECT_TRUE(outcome.sent);
  EXPECT_FALSE(outcome.resetList);
}

}  // namespace
}  // namespace velmora
