#include "EmulatorSerialPort.h"

#include <chrono>

namespace velmora {

EmulatorSerialPort::EmulatorSerialPort(std::shared_ptr<AnalyzerEmulator> emulator) : emulator_(std::move(emulator)) {
  emulator_->setOutput([this](std::span<const std::uint8_t> chunk) {
    ReceiveHandler handler;
    {
      std::lock_guard lock(mutex_);
      if (!open_) return;
      handler = handler_;
    }
    if (handler) handler(chunk);
  });
}

EmulatorSerialPort::~EmulatorSerialPort() {
  close();
  emulator_->setOutput(nullptr);
}

bool EmulatorSerialPort::open(const std::string& name, std::string&) {
  std::lock_guard life(lifecycle_);
  {
    std::lock_guard lock(mutex_);
    if (open_) return true;
    name_ = name;
    open_ = true;
    stop_ = false;
    input_.clear();
  }
  thread_ = std::thread([this] { run(); });
  return true;
}

void EmulatorSerialPort::close() {
  std::lock_guard life(lifecycle_);
  {
    std::lock_guard lock(mutex_);
    if (!open_) return;
    open_ = false;
    stop_ = true;
  }
  cv_.notify_all();
  if (thread_.joinable()) {
    if (thread_.get_id() == std::this_thread::get_id())
      thread_.detach();
    else
      thread_.join();
  }
}

bool EmulatorSerialPort::isOpen() const {
  std::lock_guard lock(mutex_);
  return open_;
}

std::string EmulatorSerialPort::name() const {
  std::lock_guard lock(mutex_);
  return name_;
}

std::size_t EmulatorSerialPort::write(std::span<const std::uint8_t> bytes) {
  {
    std::lock_guard lock(mutex_);
    if (!open_) return 0;
    input_.emplace_back(bytes.begin(), bytes.end());
  }
  cv_.notify_all();
  return bytes.size();
}

void EmulatorSerialPort::setReceiveHandler(ReceiveHandler handler) {
  std::lock_guard lock(mutex_);
  handler_ = std::move(handler);
}

void EmulatorSerialPort::run() {
  for (;;) {
    std::vector<std::uint8_t> bytes;
    {
      std::unique_lock lock(mutex_);
      cv_.wait_for(lock, std::chrono::milliseconds(2), [this] { return stop_ || !input_.empty(); });
      if (stop_) return;
      if (!input_.empty()) {
        bytes = std::move(input_.front());
        input_.pop_front();
      }
    }
    if (!bytes.empty()) emulator_->receive(bytes);
    emulator_->tick();
  }
}

}  // namespace velmora
