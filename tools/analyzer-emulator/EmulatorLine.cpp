#include "EmulatorLine.h"

#include <algorithm>
#include <cmath>

namespace velmora {

void EmulatorLine::send(std::vector<std::uint8_t> frame, std::int64_t dueMs) {
  if (frame.empty()) return;
  if (!queue_.empty()) dueMs = std::max(dueMs, queue_.back().due);
  queue_.push_back({dueMs, std::move(frame)});
}

void EmulatorLine::clear() {
  queue_.clear();
  sending_ = false;
  sent_ = 0;
}

std::vector<std::vector<std::uint8_t>> EmulatorLine::release(std::int64_t nowMs) {
  std::vector<std::vector<std::uint8_t>> out;
  const double now = static_cast<double>(nowMs);
  while (!queue_.empty() && queue_.front().due <= nowMs) {
    Pending& head = queue_.front();
    if (!paced_) {
      out.push_back(std::move(head.frame));
      queue_.pop_front();
      continue;
    }
    if (!sending_) {
      // The line carries one byte after the other: a frame starts when it
      // is ready and the previous one has left.
      sending_ = true;
      sendStartMs_ = std::max(static_cast<double>(head.due), lineFreeMs_);
      sent_ = 0;
    }
    const double elapsed = now - sendStartMs_;
    const auto done = static_cast<std::size_t>(
        std::clamp(std::floor(elapsed / byteMs() + 1e-9), 0.0, static_cast<double>(head.frame.size())));
    if (done > sent_) {
      out.emplace_back(head.frame.begin() + static_cast<std::ptrdiff_t>(sent_),
                       head.frame.begin() + static_cast<std::ptrdiff_t>(done));
      sent_ = done;
    }
    if (sent_ < head.frame.size()) break;
    lineFreeMs_ = sendStartMs_ + static_cast<double>(head.frame.size()) * byteMs();
    sending_ = false;
    queue_.pop_front();
  }
  return out;
}

}  // namespace velmora
