#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <random>
#include <vector>

#include "AnalyzerEmulator.h"
#include "DeviceTestSupport.h"
#include "EDeviceError.h"
#include "LinkFrame.h"
#include "ScaledClock.h"
#include "TTavrelDevice.h"

namespace velmora {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::LockedMessageSink;

// A port that records what is written and answers nothing by itself; the
// test plays the analyzer by calling ReceiveBytes.
class ScriptedPort final : public ISerialPort {
 public:
  bool open(const std::string& name, std::string& error) override {
    if (failOpen) {
      error = "no such port";
      return false;
    }
    name_ = name;
    open_ = true;
    return true;
  }
  void close() override { open_ = false; }
  bool isOpen() const override { return open_; }
  std::string name() const override { return name_; }
  std::size_t write(std::span<const std::uint8_t> bytes) override {
    std::lock_guard lock(mutex_);
    writes_.emplace_back(bytes.begin(), bytes.end());
    if (onWrite) onWrite(writes_.back());
    return failWrite ? 0 : bytes.size();
  }
  void setReceiveHandler(ReceiveHandler) override {}
  std::vector<Bytes> writes() const {
    std::lock_guard lock(mutex_);
    return writes_;
  }

  std::function<void(const Bytes&)> onWrite;
  bool failOpen = false;
  bool failWrite = false;

 private:
  mutable std::mutex mutex_;
  std::vector<Bytes> writes_;
  std::string name_;
  std::atomic<bool> open_{false};
};

class LinkDevice : public ::testing::Test {
 protected:
  LinkDevice() : clock(200.0), device(sink, clock) {
    device.SetPort(&port);
    device.SetPortName("COM1");
    device.OnStatusChange = [this] { ++statusChanges; };
    device.OnReset = [this] { ++resets; };
    device.OnSamplerPositionChange = [this](int p) { positions.push_back(p); };
  }
  void answer(std::uint8_t code, const Bytes& payload) { device.ReceiveBytes(LinkFrame::build(code, payload)); }

  LockedMessageSink sink;
  ScaledClock clock;
  ScriptedPort port;
  TTavrelDevice device;
  std::atomic<int> statusChanges{0};
  std::atomic<int> resets{0};
  std::vector<int> positions;
};

TEST_F(LinkDevice, StatusAnswersSetTheStatusAndRaiseTheEventOnlyWithoutDataBit) {
  answer(0xC6, {0x40});
  EXPECT_EQ(device.DeviceStatus(), 0x40);
  EXPECT_EQ(statusChanges, 0);
  EXPECT_EQ(device.StatusAsText().format(), "Ready for measurment");
  device.SetRecording(true);
  EXPECT_EQ(device.StatusAsText().format(), "Stage complete");
  device.SetRecording(false);

  answer(0xC6, {0x01});
  EXPECT_EQ(statusChanges, 1);
  EXPECT_EQ(device.StatusAsText().format(), "Electrolysis");
  answer(0xC6, {0x0B});
  EXPECT_EQ(device.StatusAsText().format(), "Status: 11");
  answer(0xC6, {0x0F});
  EXPECT_EQ(device.StatusAsText().format(), "");
  answer(0xDB, {});
  EXPECT_EQ(device.DeviceStatus(), 8);
  EXPECT_EQ(device.StatusAsText().format(), "3 in 1 electrode recovering");
}

TEST_F(LinkDevice, DispatchStoresAnswerFields) {
  answer(0xDA, {});
  EXPECT_EQ(device.VersionText(), "");
  answer(0xDA, {'2', '.', '1'});
  EXPECT_EQ(device.VersionText(), "2.1");
  answer(0xC3, {4, 0xFE, 0xFF});
  EXPECT_EQ(device.LastParam(), -2);
  answer(0xD3, {0x22, 0x78, 0x56, 0x34, 0x12});
  EXPECT_EQ(device.NomberKlb(), 0x12345678);
  answer(0xCC, {1, 2, 3, 4});
  auto b = device.CalibrationBlock();
  EXPECT_EQ(b.Precise, 1);
  EXPECT_EQ(b.Gain, 2);
  EXPECT_EQ(b.Offset, 3);
  EXPECT_EQ(b.Coarse, 4);
  EXPECT_EQ(device.Resistor(), 252);
  answer(0xDF, {0x03, 0xE8});
  EXPECT_EQ(device.VspDivisor(), 1000);
  answer(0xD4, {0xFE, 0x20, 2});
  EXPECT_EQ(device.VspAdc(), -480);
  // Too short answers are ignored instead of reading stale bytes.
  answer(0xD3, {0x22, 0x01});
  EXPECT_EQ(device.NomberKlb(), 0x12345678);
}

TEST_F(LinkDevice, ResetAnswerLengthsGiveDeviceTypeAndAddOn) {
  answer(0xC5, {0x80});
  EXPECT_EQ(device.DeviceType(), 0);
  EXPECT_EQ(device.AddOnType(), -1);
  answer(0xC5, {0x80, 0});
  EXPECT_EQ(device.DeviceType(), 1);
  EXPECT_EQ(device.AddOnType(), -1);
  answer(0xC5, {0x80, 2, 150, 0});
  EXPECT_EQ(device.DeviceType(), 1);
  EXPECT_EQ(device.AddOnType(), 2);
  EXPECT_EQ(device.MixerSpeed(), 1500);
  EXPECT_TRUE(sink.texts().empty());
  answer(0xC5, {0x00, 2, 150, 0});
  EXPECT_TRUE(sink.contains("Divice is not calibrated"));
  EXPECT_EQ(resets, 1);
  EXPECT_FALSE(device.Active());
}

TEST_F(LinkDevice, SamplerAnswersUpdateThePositionBelowSixteenOnly) {
  answer(0xDC, {16, 4});
  EXPECT_EQ(device.CellNumber(), 4);
  ASSERT_EQ(positions.size(), 1u);
  EXPECT_EQ(positions[0], 4);
  answer(0xDC, {16, 16});
  EXPECT_EQ(device.CellNumber(), 4);
  EXPECT_EQ(positions.size(), 1u);
  answer(0xDC, {16, 4});
  EXPECT_EQ(positions.size(), 1u);
}

TEST_F(LinkDevice, CheckErrorsTakeTheLinkOffLineOutsideAReset) {
  Bytes frame = LinkFrame::build(0xC6, {0x01});
  frame.back() ^= 1;
  device.ReceiveBytes(frame);
  EXPECT_TRUE(sink.contains("Error CRC"));
  EXPECT_FALSE(device.Active());
  // A frame announcing a length beyond the buffer is damaged as well.
  sink.clear();
  device.ReceiveBytes(Bytes{0xA5, 0xFF, 0xFF, 0xC8});
  EXPECT_TRUE(sink.contains("Error CRC"));
}

TEST_F(LinkDevice, TimeOutClearsTheLinkAndNamesTheCommand) {
  answer(0xDA, {'1'});
  answer(0xC6, {0x01});
  std::string error;
  port.open("COM1", error);
  const int before = statusChanges;
  EXPECT_FALSE(device.SendAndWait(0xC6, Bytes{0}, 3000, TTavrelDevice::AnswerGroup::Status));
  EXPECT_TRUE(sink.contains("No responce from device. Command №198"));
  EXPECT_EQ(device.DeviceStatus(), -1);
  EXPECT_EQ(device.VersionText(), "-");
  EXPECT_EQ(statusChanges, before + 1);
  ASSERT_EQ(port.writes().size(), 1u);
  EXPECT_EQ(port.writes()[0], LinkFrame::build(0xC6, {0}));
}

TEST_F(LinkDevice, CommandsAnsweredInTimeReturnAndWriteFailuresRaise) {
  std::string error;
  port.open("COM1", error);
  port.onWrite = [this](const Bytes& frame) {
    if (frame[3] == 0xD9) answer(0xD9, {});
  };
  device.SetMixerOnOff(true);
  EXPECT_TRUE(sink.texts().empty());
  EXPECT_EQ(port.writes().back(), LinkFrame::build(0xD9, {1}));

  port.failWrite = true;
  try {
    device.SetMixerOnOff(false);
    FAIL() << "expected an output error";
  } catch (const EDeviceError& e) {
    EXPECT_STREQ(e.what(), "Output error");
  }
}

TEST_F(LinkDevice, StirrerSettersFollowTheAddOnAndSampler) {
  std::string error;
  port.open("COM1", error);
  port.onWrite = [this](const Bytes& frame) { answer(frame[3], {frame[4], 0}); };
  device.SetMixerSpeed(1200);  // no add-on: nothing sent, nothing stored
  EXPECT_TRUE(port.writes().empty());
  EXPECT_EQ(device.MixerSpeed(), 0);

  answer(0xC5, {0x80, 1, 100, 0});  // add-on 1 at 1000 rpm
  device.SetMixerSpeed(1239);
  EXPECT_EQ(port.writes().back(), LinkFrame::build(0xDD, {1, 123}));
  EXPECT_EQ(device.MixerSpeed(), 1239);
  EXPECT_THROW(device.SetMixerSpeed(2560), EDeviceError);
  EXPECT_EQ(device.MixerSpeed(), 1239);

  device.SetAddOnType(3);
  const auto w = port.writes();
  ASSERT_GE(w.size(), 3u);
  EXPECT_EQ(w[w.size() - 2], LinkFrame::build(0xDD, {3, 123}));
  EXPECT_EQ(w.back(), LinkFrame::build(0xDD, {3, 123}));
}

TEST_F(LinkDevice, CalibrationReadKeepsBenchValuesAndWriteSendsTheImage) {
  std::string error;
  port.open("COM1", error);
  TCalibrationBlock b;
  b.Coarse = 9;
  b.Precise = 8;
  b.BenchPotential = 1000;
  b.BenchRange = 4;
  b.BenchResistance = 1000;
  b.LastRawCurrent = 55;
  port.onWrite = [this](const Bytes& frame) {
    if (frame[3] == 0xD1) answer(0xD1, {});
  };
  device.WriteCalibration(b);
  const Bytes sent = port.writes().back();
  ASSERT_EQ(sent.size(), 40u);  // LEN 36
  EXPECT_EQ(sent[4], 34);
  EXPECT_EQ(sent[5 + 4], 8);  // Precise first
  EXPECT_EQ(sent[5 + 5], 9);

  TCalibrationBlock fromAnalyzer;
  fromAnalyzer.Coarse = 1;
  fromAnalyzer.KDac = 9000;
  Bytes payload{34};
  const auto image = fromAnalyzer.toImage();
  payload.insert(payload.end(), image.begin(), image.end());
  answer(0xD2, payload);
  const auto now = device.CalibrationBlock();
  EXPECT_EQ(now.Coarse, 1);
  EXPECT_EQ(now.KDac, 9000);
  EXPECT_EQ(now.BenchPotential, 1000);
  EXPECT_EQ(now.BenchRange, 4);
  EXPECT_EQ(now.BenchResistance, 1000);
  EXPECT_EQ(now.LastRawCurrent, 55);
}

TEST_F(LinkDevice, ResetWithoutAnswerReportsAndEndsTheHandshake) {
  device.ResetDevice();
  EXPECT_TRUE(device.Resetting());
  ASSERT_TRUE(test::waitUntil([this] { return resets.load() == 1; }));
  EXPECT_FALSE(device.Resetting());
  EXPECT_FALSE(device.Active());
  EXPECT_TRUE(sink.contains("No responce from device on reset."));
  EXPECT_EQ(port.writes().front(), LinkFrame::build(0xC5, {}));

  port.close();
  port.failOpen = true;
  EXPECT_THROW(device.ResetDevice(), EDeviceError);
  EXPECT_FALSE(device.Resetting());
}

TEST_F(LinkDevice, ResetWithoutPortIsRefused) {
  LockedMessageSink s;
  TTavrelDevice lonely(s, clock);
  try {
    lonely.SetActive(true);
    FAIL();
  } catch (const EDeviceError& e) {
    EXPECT_STREQ(e.what(), "Com-port component is not specified!");
  }
  EXPECT_EQ(lonely.Description().format(), "Usage of new 3 in 1 electrode is impossible");
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// Line noise and hostile frames never crash the receiver or the emulator,
// and the link keeps assembling good frames afterwards.
TEST(LinkRobustness, RandomBytesAreSurvived) {
  test::LockedMessageSink sink;
  ScaledClock clock(1000.0);
  TTavrelDevice device(sink, clock);
  AnalyzerEmulator emulator(clock, {});
  std::size_t emulatorOutput = 0;
  emulator.setOutput([&](std::span<const std::uint8_t> chunk) { emulatorOutput += chunk.size(); });
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    Bytes chunk(1 + random() % 200);
    for (auto& b : chunk) b = static_cast<std::uint8_t>(random() % 4 == 0 ? 0xA5 : random());
    // Short lengths keep frames completing inside the noise.
    if (chunk.size() > 3 && chunk[0] == 0xA5) chunk[2] = 0;
    device.ReceiveBytes(chunk);
    emulator.receive(chunk);
    emulator.tick();
  }
  // Close whatever frame the noise left open, then a good status answer gets through.
  device.ClearLinkState();
  device.ReceiveBytes(LinkFrame::build(0xC6, {0x02}));
  EXPECT_EQ(device.DeviceStatus(), 2);
  // The emulator, once a frame of the longest length is surely over, answers a good command again.
  emulator.receive(Bytes(70000, 0));
  const std::size_t before = emulatorOutput;
  emulator.receive(LinkFrame::build(0xC6, {0}));
  EXPECT_TRUE(test::waitUntil([&] {
    emulator.tick();
    return emulatorOutput > before;
  }));
}

}  // namespace
}  // namespace velmora
