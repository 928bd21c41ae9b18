#include "FrameAssembler.h"

namespace velmora {

void FrameAssembler::feed(std::span<const std::uint8_t> chunk, const Handler& handler) {
  for (std::uint8_t b : chunk) {
    if (!active_) {
      if (b != protocol::StartByte) continue;
      active_ = true;
      xor_ = protocol::StartByte;
      buffer_[0] = b;
      pos_ = 1;
      len_ = 0;
      continue;
    }
    buffer_[pos_] = b;
    xor_ ^= b;
    if (pos_ == 1) {
      len_ = b;
    } else if (pos_ == 2) {
      len_ += static_cast<std::size_t>(b) << 8;
      if (len_ > protocol::MaxLen) {
        active_ = false;
        handler(Result::Oversized, std::span<const std::uint8_t>(buffer_.data(), 3));
        continue;
      }
    }
    if (pos_ >= 3 && pos_ == len_ + 3) {
      active_ = false;
      const std::span<const std::uint8_t> frame(buffer_.data(), pos_ + 1);
      handler(xor_ == 0 ? Result::Frame : Result::CheckError, frame);
      continue;
    }
    ++pos_;
  }
}

}  // namespace velmora
