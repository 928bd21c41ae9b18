#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "ISerialPort.h"

namespace velmora {

// A serial line through the operating system's terminal interface (a device
// path such as /dev/ttyUSB0, or a pseudo-terminal): 19200 baud, 8N1, raw,
// no flow control, DTR and RTS dropped right after opening and kept low at
// closing. A path that is not a terminal is refused. Received bytes are
// handed over by a reader thread of the port's own, which also reports a
// hang-up or an I/O error as a lost line. For the headless tools.
class PosixSerialPort final : public ISerialPort {
 public:
  PosixSerialPort() = default;
  ~PosixSerialPort() override;
  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;

  bool open(const std::string& name, std::string& error) override;
  void close() override;
  bool isOpen() const override;
  std::string name() const override;
  std::size_t write(std::span<const std::uint8_t> bytes) override;
  void setReceiveHandler(ReceiveHandler handler) override;
  void setLostHandler(LostHandler handler) override;

 private:
  void readLoop();
  void lose(const std::string& reason);
  // Stops the reader and closes the descriptors; `lifecycle_` held.
  void closeLocked();

  mutable std::mutex mutex_;  // handler and name
  std::mutex lifecycle_;      // open and close
  ReceiveHandler handler_;
  LostHandler lostHandler_;
  std::string name_;
  std::atomic<int> fd_{-1};
  int wakeRead_ = -1;  // self-pipe that wakes the reader for closing
  int wakeWrite_ = -1;
  std::atomic<bool> stop_{false};
  std::atomic<bool> lost_{false};
  std::thread reader_;
};

}  // namespace velmora
