#pragma once

#include <QThread>
#include <atomic>
#include <mutex>
#include <string>

#include "ISerialPort.h"

class QSerialPort;
class QTimer;

namespace velmora {

// A real serial port on QSerialPort: 19200 baud, 8N1, no flow control, DTR
// and RTS inactive (dropped right after opening and, on POSIX systems, kept
// low at closing), a read buffer of 2048 bytes. The QSerialPort lives on a
// thread of its own, which delivers the received chunks and reports a lost
// device; every call from other threads is handed to that thread and waits
// for it.
class SerialPortQt final : public ISerialPort {
 public:
  SerialPortQt();
  ~SerialPortQt() override;
  SerialPortQt(const SerialPortQt&) = delete;
  SerialPortQt& operator=(const SerialPortQt&) = delete;

  bool open(const std::string& name, std::string& error) override;
  void close() override;
  bool isOpen() const override { return open_; }
  std::string name() const override;
  std::size_t write(std::span<const std::uint8_t> bytes) override;
  void setReceiveHandler(ReceiveHandler handler) override;
  void setLostHandler(LostHandler handler) override;

 private:
  template <typename F>
  void onPortThread(F&& f);
  void deliver();
  void lose(const std::string& reason);
  // The line went away: closes the port and tells the lost handler once (port thread).
  void loseLine(const QString& reason);

  QThread thread_;
  QObject* context_ = nullptr;   // lives on thread_
  QSerialPort* port_ = nullptr;  // child of context_, used on thread_ only
  QTimer* watch_ = nullptr;      // child of context_: looks for a hang-up
  std::atomic<bool> open_{false};
  mutable std::mutex mutex_;
  ReceiveHandler handler_;
  LostHandler lostHandler_;
  std::string name_;
};

}  // namespace velmora
