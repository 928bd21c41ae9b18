#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace velmora {

// A manual-reset event: once set it stays set, waking every waiter, until
// it is cleared.
class AnswerEvent {
 public:
  void set();
  void clear();
  bool isSet() const;
  // Waits until the event is set or `timeout` has passed; true when set.
  bool wait(std::chrono::nanoseconds timeout);

 private:
  mutable std::mutex mutex_;
  std::condition_variable cv_;
  bool set_ = false;
};

}  // namespace velmora
