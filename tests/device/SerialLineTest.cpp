// The POSIX serial port: what it refuses to open, and how it reports a line
// that goes away under it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>

#include "AnalyzerEmulator.h"
#include "DeviceTestSupport.h"
#include "MissingFacility.h"
#include "PosixSerialPort.h"
#include "PseudoTerminalHost.h"
#include "ScaledClock.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

fs::path ScratchPath(const char* name) {
  return fs::temp_directory_path() / ("velmora-line-" + std::to_string(::getpid()) + "-" + name);
}

TEST(SerialLine, PathsThatAreNoTerminalAreRefusedWithTheSystemsReason) {
  const fs::path file = ScratchPath("file");
  std::ofstream(file) << "not a serial port";
  for (const std::string& path : {std::string("/dev/null"), file.string()}) {
    if (!fs::exists(path)) continue;
    PosixSerialPort port;
    std::string error;
    EXPECT_FALSE(port.open(path, error)) << path;
    EXPECT_EQ(error, std::strerror(ENOTTY)) << path;
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.write(std::vector<std::uint8_t>{0xA5}), 0u);
  }
  PosixSerialPort port;
  std::string error;
  EXPECT_FALSE(port.open(ScratchPath("missing").string(), error));
  EXPECT_EQ(error, std::strerror(ENOENT));
  fs::remove(file);
}

TEST(SerialLine, AHangUpIsReportedOnceAndThePortOpensAgainWhenTheLineIsBack) {
  ScaledClock clock(50.0);
  const fs::path link = ScratchPath("pty");
  auto host =
      std::make_unique<PseudoTerminalHost>(std::make_shared<AnalyzerEmulator>(clock, AnalyzerEmulator::Config{}));
  std::string error;
  if (!host->start(link, error)) VELMORA_MISSING_FACILITY() << error;

  PosixSerialPort port;
  std::mutex mutex;
  std::vector<std::string> reasons;
  port.setLostHandler([&](const std::string& reason) {
    std::lock_guard lock(mutex);
    reasons.push_back(reason);
  });
  auto lost = [&] {
    std::lock_guard lock(mutex);
    return reasons.size();
  };
  ASSERT_TRUE(port.open(link.string(), error)) << error;
  EXPECT_TRUE(port.isOpen());

  host.reset();  // the other end closes
  ASSERT_TRUE(test::waitUntil([&] { return lost() > 0; }, std::chrono::seconds(5)));
  EXPECT_FALSE(port.isOpen());
  EXPECT_EQ(port.write(std::vector<std::uint8_t>{0xA5}), 0u);
  EXPECT_FALSE(reasons.front().empty());

  host = std::make_unique<PseudoTerminalHost>(std::make_shared<AnalyzerEmulator>(clock, AnalyzerEmulator::Config{}));
  ASSERT_TRUE(host->start(link, error)) << error;
  ASSERT_TRUE(port.open(link.string(), error)) << error;
  EXPECT_TRUE(port.isOpen());
  port.close();
  EXPECT_EQ(lost(), 1u);
}

}  // namespace
}  // namespace velmora
