#include "AnswerEvent.h"

namespace velmora {

void AnswerEvent::set() {
  {
    std::lock_guard lock(mutex_);
    set_ = true;
  }
  cv_.notify_all();
}

void AnswerEvent::clear() {
  std::lock_guard lock(mutex_);
  set_ = false;
}

bool AnswerEvent::isSet() const {
  std::lock_guard lock(mutex_);
  return set_;
}

bool AnswerEvent::wait(std::chrono::nanoseconds timeout) {
  std::unique_lock lock(mutex_);
  return cv_.wait_for(lock, timeout, [this] { return set_; });
}

bool AnswerEvent::waitUnless(std::chrono::nanoseconds timeout, const std::function<bool()>& cancelled) {
  std::unique_lock lock(mutex_);
  cv_.wait_for(lock, timeout, [&] { return set_ || cancelled(); });
  return set_ && !cancelled();
}

void AnswerEvent::wake() {
  { std::lock_guard lock(mutex_); }
  cv_.notify_all();
}

}  // namespace velmora
