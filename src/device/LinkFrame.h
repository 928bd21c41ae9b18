#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace velmora {

// The analyzer frame codec as pure functions on byte arrays: 0xA5, LEN low,
// LEN high, command code, LEN - 1 payload bytes, check byte. LEN counts the
// code and the payload; the XOR of every byte of a good frame is zero.
class LinkFrame {
 public:
  // 0xA5 XOR the bytes 1 .. len + 2 of `frame` (which must hold len + 3 bytes).
  static std::uint8_t checkByte(const std::uint8_t* frame, std::size_t len);

  // Completes a frame whose payload already sits at byte 4 of `buffer`:
  // writes the start byte, LEN, the code and the check byte. Returns the
  // frame size (len + 4). Throws std::length_error when it does not fit.
  static std::size_t complete(std::uint8_t* buffer, std::size_t bufferSize, std::uint8_t code, std::size_t len);

  // A whole frame for `code` with `payload` (LEN = payload size + 1).
  static std::vector<std::uint8_t> build(std::uint8_t code, std::span<const std::uint8_t> payload);
  static std::vector<std::uint8_t> build(std::uint8_t code, std::initializer_list<std::uint8_t> payload) {
    return build(code, std::span<const std::uint8_t>(payload.begin(), payload.size()));
  }

  // True when `frame` is exactly one frame with a matching length and check byte.
  static bool isValid(std::span<const std::uint8_t> frame);

  // LEN of a frame (bytes 1 and 2); the frame must hold at least 3 bytes.
  static std::size_t lenOf(std::span<const std::uint8_t> frame) {
    return static_cast<std::size_t>(frame[1]) | (static_cast<std::size_t>(frame[2]) << 8);
  }

  // Big-endian 16-bit words as they travel in payloads.
  static std::int16_t readInt16BE(const std::uint8_t* p) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((p[0] << 8) | p[1]));
  }
  static void writeWordBE(std::uint8_t* p, std::int64_t value) {
    const auto w = static_cast<std::uint16_t>(static_cast<std::uint64_t>(value) & 0xFFFFu);
    p[0] = static_cast<std::uint8_t>(w >> 8);
    p[1] = static_cast<std::uint8_t>(w & 0xFF);
  }
};

}  // namespace velmora
