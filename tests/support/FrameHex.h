// A frame the analyzer received as hex text, for the tests that compare
// what went over the line.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace velmora::test {

// The frame's bytes from `from` up to its checksum: "10 03".
inline std::string FrameHex(const std::vector<std::uint8_t>& frame, std::size_t from) {
  std::string text;
  char hex[4];
  for (std::size_t i = from; i + 1 < frame.size(); ++i) {
    std::snprintf(hex, sizeof hex, i == from ? "%02X" : " %02X", frame[i]);
    text += hex;
  }
  return text;
}

}  // namespace velmora::test
