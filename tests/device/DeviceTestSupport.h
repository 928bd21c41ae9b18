#pragma once

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "MessageSink.h"

namespace velmora::test {

// Records messages from any thread.
class LockedMessageSink final : public IMessageSink {
 public:
  void error(const Message& m) override { record("error", m); }
  void warning(const Message& m) override { record("warning", m); }
  void information(const Message& m) override { record("information", m); }
  Answer askYesNo(const Message& m) override {
    record("yesno", m);
    return Answer::No;
  }
  Answer askYesNoCancel(const Message& m) override {
    record("yesnocancel", m);
    return Answer::Cancel;
  }
  std::vector<std::string> texts() const {
    std::lock_guard lock(mutex_);
    return texts_;
  }
  void clear() {
    std::lock_guard lock(mutex_);
    texts_.clear();
  }
  bool contains(const std::string& text) const {
    for (const auto& t : texts())
      if (t == text) return true;
    return false;
  }

 private:
  void record(const char*, const Message& m) {
    std::lock_guard lock(mutex_);
    texts_.push_back(m.format());
  }
  mutable std::mutex mutex_;
  std::vector<std::string> texts_;
};

// Polls `condition` every millisecond for at most `timeout`.
inline bool waitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

}  // namespace velmora::test
