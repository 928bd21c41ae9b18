#pragma once

#include <cstddef>
#include <functional>
#include <utility>

namespace velmora {

// How far a reader got through its input, and the caller's way to stop it:
// the reader reports now and then, and when the callback answers false the
// report throws Cancelled, which leaves the reader like an error would (the
// caller discards what was read). Without a callback nothing is reported.
class ReadProgress {
 public:
  // Thrown by report() when the caller stopped the reading. Not a
  // std::exception, so that no error handler takes it for a damaged file.
  struct Cancelled {};

  using Callback = std::function<bool(std::size_t done, std::size_t total)>;

  ReadProgress() = default;
  explicit ReadProgress(Callback callback) : callback_(std::move(callback)) {}

  void report(std::size_t done, std::size_t total) const {
    if (callback_ && !callback_(done, total)) throw Cancelled{};
  }

 private:
  Callback callback_;
};

}  // namespace velmora
