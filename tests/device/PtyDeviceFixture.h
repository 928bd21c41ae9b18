// The device component on the emulator served on a pseudo-terminal, on
// line after a reset: the fixture of the run tests that check what the
// analyzer received.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "AcceleratedClock.h"
#include "AnalyzerEmulator.h"
#include "DeviceTestSupport.h"
#include "FrameHex.h"
#include "PosixSerialPort.h"
#include "PseudoTerminalHost.h"
#include "TTavrelDevice.h"

namespace velmora::test {

class PtyDeviceFixture : public ::testing::Test {
 protected:
  PtyDeviceFixture() : clock(25.0) {}
  ~PtyDeviceFixture() override {
    device.reset();
    port.reset();
    if (host) host->stop();
  }

  // Serves an emulator (logging its frames) and resets the device on its
  // line; `prepare` sets the device up before the reset (handlers are set
  // before the port's reader thread can raise them). False when this
  // system has no pseudo-terminals.
  bool serve(AnalyzerEmulator::Config config, const std::function<void(TTavrelDevice&)>& prepare = {}) {
    config.logFrames = true;
    emulator = std::make_shared<AnalyzerEmulator>(clock, config);
    host = std::make_unique<PseudoTerminalHost>(emulator);
    const auto link = std::filesystem::temp_directory_path() / ("velmora-pty-" + std::to_string(::getpid()));
    std::string error;
    if (!host->start(link, error)) return false;
    port = std::make_unique<PosixSerialPort>();
    device = std::make_unique<TTavrelDevice>(sink, clock);
    device->SetPort(port.get());
    device->SetPortName(link.string());
    device->OnReset = [this] { ++resets; };
    if (prepare) prepare(*device);
    device->ResetDevice();
    EXPECT_TRUE(waitUntil([&] { return resets.load() > 0; }, std::chrono::seconds(20)));
    EXPECT_TRUE(device->Active());
    emulator->clearReceivedFrames();
    return true;
  }

  AcceleratedClock clock;
  LockedMessageSink sink;
  std::shared_ptr<AnalyzerEmulator> emulator;
  std::unique_ptr<PseudoTerminalHost> host;
  std::unique_ptr<PosixSerialPort> port;
  std::unique_ptr<TTavrelDevice> device;
  std::atomic<int> resets{0};
};

}  // namespace velmora::test
