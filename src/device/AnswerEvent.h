#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
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
  // As wait(), but also gives up (false) as soon as `cancelled` holds; it is
  // checked when the wait starts and after every wake().
  bool waitUnless(std::chrono::nanoseconds timeout, const std::function<bool()>& cancelled);
  // Wakes the waiters without setting the event, so they look at their
  // cancel condition again.
  void wake();

 private:
  mutable std::mutex mutex_;
  std::condition_variable cv_;
  bool set_ = false;
};

}  // namespace velmora
