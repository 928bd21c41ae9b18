#include "LinkFrame.h"

#include <stdexcept>

#include "DeviceProtocol.h"

namespace velmora {

std::uint8_t LinkFrame::checkByte(const std::uint8_t* frame, std::size_t len) {
  std::uint8_t x = protocol::StartByte;
  for (std::size_t i = 1; i <= len + 2; ++i) x ^= frame[i];
  return x;
}

std::size_t LinkFrame::complete(std::uint8_t* buffer, std::size_t bufferSize, std::uint8_t code, std::size_t len) {
  if (len == 0 || len > 0xFFFF || len + 4 > bufferSize) throw std::length_error("analyzer frame too long");
  buffer[0] = protocol::StartByte;
  buffer[1] = static_cast<std::uint8_t>(len & 0xFF);
  buffer[2] = static_cast<std::uint8_t>(len >> 8);
  buffer[3] = code;
  buffer[len + 3] = checkByte(buffer, len);
  return len + 4;
}

std::vector<std::uint8_t> LinkFrame::build(std::uint8_t code, std::span<const std::uint8_t> payload) {
  const std::size_t len = payload.size() + 1;
  if (len > 0xFFFF) throw std::length_error("analyzer frame too long");
  // Appended byte by byte: GCC's overflow analysis misreads indexed writes into a freshly sized vector.
  std::vector<std::uint8_t> frame;
  frame.reserve(len + 4);
  frame.push_back(protocol::StartByte);
  frame.push_back(static_cast<std::uint8_t>(len & 0xFF));
  frame.push_back(static_cast<std::uint8_t>(len >> 8));
  frame.push_back(code);
  frame.insert(frame.end(), payload.begin(), payload.end());
  frame.push_back(checkByte(frame.data(), len));
  return frame;
}

bool LinkFrame::isValid(std::span<const std::uint8_t> frame) {
  if (frame.size() < 4 || frame[0] != protocol::StartByte) return false;
  if (lenOf(frame) + 4 != frame.size()) return false;
  std::uint8_t x = 0;
  for (std::uint8_t b : frame) x ^= b;
  return x == 0;
}

}  // namespace velmora
