#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSerialPortInfo>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <memory>

#include "AnalyzerEmulator.h"
#include "DeviceLink.h"
#include "PseudoTerminalHost.h"
#include "RecordingMessageSink.h"
#include "ScaledClock.h"
#include "SerialPortFactory.h"
#include "SerialPortQt.h"
#include "TTavrelDevice.h"
#include "TempDir.h"

// The device component through QtSerialPort and a real pseudo-terminal
// served by the emulator, as the workstation meets a real analyzer.

namespace velmora {
namespace {

// Runs the event loop until `condition` holds or `ms` pass.
bool spinUntil(const std::function<bool()>& condition, int ms = 10000) { return QTest::qWaitFor(condition, ms); }

class PtyLink : public ::testing::Test {
 protected:
  // Protocol pauses run ten times faster; the emulated program 200 times.
  PtyLink() : deviceClock(10.0), emulatorClock(200.0) {}
  ~PtyLink() override {
    link.reset();
    host.reset();
  }

  void serve(AnalyzerEmulator::Config config = {}) {
    link.reset();
    host.reset();
    emulator = std::make_shared<AnalyzerEmulator>(emulatorClock, std::move(config));
    host = std::make_unique<PseudoTerminalHost>(emulator);
    std::string error;
    ASSERT_TRUE(host->start(dir / "ttyVA", error)) << error;
  }
  void connectLink() {
    link = std::make_unique<DeviceLink>(sink, deviceClock, emulatorClock);
    link->configure((dir / "ttyVA").string(), false, 3000);
  }
  // Resets through the link and waits for the handshake to end.
  bool resetLink() {
    QSignalSpy done(link.get(), &DeviceLink::resetDone);
    link->reset();
    return spinUntil([&] { return done.count() > 0; });
  }
  bool messageShown(const std::string& text) const {
    for (const auto& e : sink.entries)
      if (e.text == text) return true;
    return false;
  }

  test::TempDir dir;
  ScaledClock deviceClock;
  ScaledClock emulatorClock;
  test::RecordingMessageSink sink;  // only used on this (the UI) thread
  std::shared_ptr<AnalyzerEmulator> emulator;
  std::unique_ptr<PseudoTerminalHost> host;
  std::unique_ptr<DeviceLink> link;
};

TEST_F(PtyLink, FactoryChoosesTheEmulatorOnlyByName) {
  serve();
  EXPECT_TRUE(SerialPortFactory::create("emulator", emulatorClock).emulated());
  EXPECT_TRUE(SerialPortFactory::create("EMULATOR", emulatorClock).emulated());
  // A port that is not there (a typo, an unplugged adapter) stays a real port.
  for (const char* name : {"", "COM1", "/dev/velmora-no-such-port"}) {
    const auto port = SerialPortFactory::create(name, emulatorClock);
    EXPECT_FALSE(port.emulated()) << name;
    EXPECT_NE(dynamic_cast<SerialPortQt*>(port.port.get()), nullptr) << name;
  }
  const auto real = SerialPortFactory::create((dir / "ttyVA").string(), emulatorClock);
  EXPECT_FALSE(real.emulated());
  EXPECT_NE(dynamic_cast<SerialPortQt*>(real.port.get()), nullptr);
  // The ports a first start chooses from are this computer's, by the names
  // the settings give them.
  const auto present = SerialPortFactory::presentPorts();
  ASSERT_EQ(present.size(), static_cast<std::size_t>(QSerialPortInfo::availablePorts().size()));
  for (const auto& p : present) EXPECT_FALSE(p.name.empty());
  EXPECT_EQ(SerialPortFactory::firstStartPort("emulator").portName, "emulator");
}

TEST_F(PtyLink, ResetReadsCalibrationResistorsSerialNumberAndVersion) {
  serve();
  connectLink();
  ASSERT_FALSE(link->emulated());
  QSignalSpy connected(link.get(), &DeviceLink::connectedChanged);
  ASSERT_TRUE(resetLink());
  ASSERT_TRUE(sink.entries.empty()) << sink.entries.front().text;
  TTavrelDevice& d = link->device();
  EXPECT_TRUE(d.Active());
  EXPECT_EQ(d.DeviceType(), 1);
  EXPECT_EQ(d.AddOnType(), 1);
  EXPECT_EQ(d.CalibrationBlock().toImage(), AnalyzerEmulator::defaultCalibration().toImage());
  EXPECT_EQ(d.CalibrationBlock().Gain, 140);
  EXPECT_EQ(d.Resistor(), 255 - 200);
  EXPECT_EQ(d.NomberKlb(), 0x0012D687);
  EXPECT_EQ(d.Version(), "VA-EMU 1.04");
  EXPECT_EQ(link->statusText(), QStringLiteral("Ready for measurment"));
  ASSERT_TRUE(spinUntil([&] { return connected.count() > 0; }));
  EXPECT_TRUE(connected.last().at(0).toBool());
}

TEST_F(PtyLink, InjectedFaultsShowTheirMessageAndLeaveTheLinkOffLine) {
  struct Case {
    const char* fault;
    const char* message;
  };
  const Case cases[] = {
      {"uncalibrated", "Divice is not calibrated"},
      {"silent=0xC5", "No responce from device on reset."},
      {"silent=0xCC", "No responce from device. Command №204"},
      {"crc=0xC6", "Error CRC"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    sink.entries.clear();
    AnalyzerEmulator::Config config;
    std::string error;
    ASSERT_TRUE(config.faults.parse(c.fault, error));
    serve(config);
    connectLink();
    ASSERT_TRUE(resetLink());
    EXPECT_TRUE(spinUntil([&] { return messageShown(c.message); }, 5000));
    EXPECT_FALSE(link->active());
    EXPECT_FALSE(link->resetting());
  }
}

TEST_F(PtyLink, SplitFramesAndCommandTimeOutsAfterwards) {
  AnalyzerEmulator::Config config;
  std::string error;
  ASSERT_TRUE(config.faults.parse("split", error));
  serve(config);
  connectLink();
  ASSERT_TRUE(resetLink());
  EXPECT_TRUE(sink.entries.empty());
  EXPECT_TRUE(link->active());

  // The analyzer stops answering the motor command: the link goes off line.
  EmulatorFaults faults;
  ASSERT_TRUE(faults.parse("silent=0xD9", error));
  emulator->setFaults(faults);
  QSignalSpy status(link.get(), &DeviceLink::statusChanged);
  link->device().SetMixerOnOff(true);
  EXPECT_TRUE(spinUntil([&] { return messageShown("No responce from device. Command №217"); }, 5000));
  EXPECT_FALSE(link->active());
  EXPECT_EQ(link->device().DeviceStatus(), -1);
  EXPECT_TRUE(spinUntil([&] { return status.count() > 0; }));

  // A new reset brings it back.
  emulator->setFaults({});
  sink.entries.clear();
  ASSERT_TRUE(resetLink());
  EXPECT_TRUE(link->active());
  EXPECT_TRUE(sink.entries.empty());
}

TEST_F(PtyLink, AMissingPortStaysOffLineAndOnlyTheNamedEmulatorAnswers) {
  // The default port of the settings, absent here: no silent emulator.
  link = std::make_unique<DeviceLink>(sink, deviceClock, emulatorClock);
  link->configure("COM1", false, 3000);
  EXPECT_FALSE(link->emulated());
  EXPECT_EQ(link->emulator(), nullptr);
  EXPECT_FALSE(link->openPort());
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].kind, "error");
  EXPECT_EQ(sink.entries[0].text.rfind("Unable to open com port\n", 0), 0u) << sink.entries[0].text;
  sink.entries.clear();
  ASSERT_TRUE(resetLink());
  EXPECT_FALSE(link->active());
  EXPECT_FALSE(link->resetting());
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].text.rfind("Unable to open com port", 0), 0u);

  link->configure("emulator", false, 3000);
  ASSERT_NE(link->emulator(), nullptr);
  sink.entries.clear();
  ASSERT_TRUE(resetLink());
  EXPECT_TRUE(link->active());

  // A device path that vanished after configuration cannot be opened.
  serve();
  link = std::make_unique<DeviceLink>(sink, deviceClock, emulatorClock);
  link->configure((dir / "ttyVA").string(), false, 3000);
  host.reset();
  sink.entries.clear();
  EXPECT_FALSE(link->openPort());
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].text.rfind("Unable to open com port", 0), 0u);
}

TEST_F(PtyLink, APortOpenedLaterWaitsUntilTheWorkstationIsReady) {
  // A document that loads lets events through; the opening of a port that
  // fails must not put its message box in the middle of that load.
  link = std::make_unique<DeviceLink>(sink, deviceClock, emulatorClock);
  link->configure("COM1", false, 3000);
  bool loading = true;
  int asked = 0;
  link->openPortLater(0, [&] {
    ++asked;
    return !loading;
  });
  // It asks again and again while the load goes on, and says nothing.
  ASSERT_TRUE(spinUntil([&] { return asked >= 3; }, 5000));
  EXPECT_TRUE(sink.entries.empty());
  loading = false;
  ASSERT_TRUE(spinUntil([&] { return !sink.entries.empty(); }, 5000));
  EXPECT_EQ(sink.entries[0].text.rfind("Unable to open com port", 0), 0u);
  // Once it has tried, it neither asks nor tries again.
  const int askedBefore = asked;
  EXPECT_FALSE(spinUntil([&] { return asked > askedBefore || sink.entries.size() > 1; }, 600));
  EXPECT_EQ(sink.entries.size(), 1u);
}

TEST_F(PtyLink, TheOpeningNobodyAskedForShowsNoBoxAndAResetStillSaysWhy) {
  // The start-up's opening of a port that is not there stays silent ...
  link = std::make_unique<DeviceLink>(sink, deviceClock, emulatorClock);
  link->configure("/dev/velmora-no-such-port", false, 3000);
  link->openPortLater(0, {}, true);
  QTest::qWait(400);
  EXPECT_TRUE(sink.entries.empty());
  EXPECT_FALSE(link->active());
  // ... until the user asks for the analyzer.
  link->reset();
  ASSERT_TRUE(spinUntil([&] { return !sink.entries.empty(); }, 5000));
  EXPECT_EQ(sink.entries[0].kind, "error");
}

TEST_F(PtyLink, ALostLineTakesTheLinkOffLineAndAResetBringsItBackWithTheLine) {
  serve();
  connectLink();
  ASSERT_TRUE(resetLink());
  ASSERT_TRUE(link->active());
  QSignalSpy status(link.get(), &DeviceLink::statusChanged);
  // The other end of the line goes away (an unplugged adapter).
  host.reset();
  ASSERT_TRUE(spinUntil([&] { return !sink.entries.empty(); }, 5000));
  EXPECT_EQ(sink.entries[0].kind, "error");
  EXPECT_EQ(
      sink.entries[0].text.rfind("The serial port \"" + (dir / "ttyVA").string() + "\" of the analyzer was lost", 0),
      0u)
      << sink.entries[0].text;
  EXPECT_FALSE(link->active());
  EXPECT_FALSE(link->device().Port()->isOpen());
  EXPECT_TRUE(spinUntil([&] { return status.count() > 0; }, 5000));

  // Once the line is back, "Reset device" opens it again.
  emulator = std::make_shared<AnalyzerEmulator>(emulatorClock, AnalyzerEmulator::Config{});
  host = std::make_unique<PseudoTerminalHost>(emulator);
  std::string error;
  ASSERT_TRUE(host->start(dir / "ttyVA", error)) << error;
  sink.entries.clear();
  ASSERT_TRUE(resetLink());
  EXPECT_TRUE(link->active());
  EXPECT_TRUE(sink.entries.empty()) << sink.entries.front().text;
}

// The built-in emulator carries the autosampler when the settings ask for
// it: the reset finds it, the tray moves and its position comes back.
TEST_F(PtyLink, BuiltInEmulatorCarriesTheAutosamplerWhenAsked) {
  for (const bool withSampler : {true, false}) {
    link = std::make_unique<DeviceLink>(sink, deviceClock, emulatorClock);
    link->setEmulatorSetup({withSampler});
    link->configure("emulator", false, 3000);
    ASSERT_TRUE(link->emulated());
    ASSERT_TRUE(resetLink());
    TTavrelDevice& d = link->device();
    ASSERT_TRUE(d.Active());
    EXPECT_EQ(d.AutoSamplerEnabled(), withSampler);
    QSignalSpy moved(link.get(), &DeviceLink::samplerPositionChanged);
    EXPECT_EQ(d.SamplerMoveTo(7), withSampler);
    if (withSampler) {
      ASSERT_TRUE(spinUntil([&] { return moved.count() > 0; }));
      EXPECT_EQ(moved.last().at(0).toInt(), 6);  // 0-based
      EXPECT_EQ(d.CellNumber(), 6);
      EXPECT_TRUE(d.SetElectrodeDown(true));
    }
    link.reset();
  }
}

}  // namespace
}  // namespace velmora
