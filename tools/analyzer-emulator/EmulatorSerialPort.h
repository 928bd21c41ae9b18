#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "AnalyzerEmulator.h"
#include "ISerialPort.h"

namespace velmora {

// A serial port wired straight to an in-process analyzer emulator: bytes
// written reach the emulator, and its answers are delivered as received
// chunks on the port's own thread, as a real port would.
class EmulatorSerialPort final : public ISerialPort {
 public:
  // Drives `emulator` (shared so the caller may keep adding samples).
  explicit EmulatorSerialPort(std::shared_ptr<AnalyzerEmulator> emulator);
  ~EmulatorSerialPort() override;

  bool open(const std::string& name, std::string& error) override;
  void close() override;
  bool isOpen() const override;
  std::string name() const override;
  std::size_t write(std::span<const std::uint8_t> bytes) override;
  void setReceiveHandler(ReceiveHandler handler) override;

  AnalyzerEmulator& emulator() { return *emulator_; }
  std::shared_ptr<AnalyzerEmulator> sharedEmulator() const { return emulator_; }

 private:
  void run();

  std::shared_ptr<AnalyzerEmulator> emulator_;
  mutable std::mutex mutex_;
  std::condition_variable cv_;
  std::deque<std::vector<std::uint8_t>> input_;
  ReceiveHandler handler_;
  std::string name_;
  bool open_ = false;
  bool stop_ = false;
  std::thread thread_;
  std::mutex lifecycle_;  // serialises open() and close()
};

}  // namespace velmora
