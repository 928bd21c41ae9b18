#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "DeviceProtocol.h"

namespace velmora {

// Assembles analyzer frames from received chunks, byte by byte: bytes before
// a start byte are dropped, a frame stays open until its announced length is
// reached (a start byte inside it is data), and the check byte is verified.
// A frame announcing a LEN that cannot fit the 16 384-byte buffer is closed
// at once, reported as Oversized, and the following bytes are searched for
// the next start byte; nothing is ever written past the buffer.
class FrameAssembler {
 public:
  enum class Result { Frame, CheckError, Oversized };
  // `frame` is the whole frame (start byte to check byte); valid only during the call.
  using Handler = std::function<void(Result result, std::span<const std::uint8_t> frame)>;

  void feed(std::span<const std::uint8_t> chunk, const Handler& handler);
  // Forgets any open frame.
  void close() { active_ = false; }
  bool active() const { return active_; }

 private:
  std::array<std::uint8_t, protocol::BufferSize> buffer_{};
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
  std::uint8_t xor_ = 0;
  bool active_ = false;
};

}  // namespace velmora
