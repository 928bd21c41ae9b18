#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "DeviceProtocol.h"
#include "ProgramStep.h"

namespace velmora {

// Encodes a program step the way the analyzer loads it (COM_WRITE_PARAM_ARRAY):
// the step index, 27 big-endian words and a pad byte. Potentials and the
// sweep rate are scaled to the analyzer's units; every word is the low 16
// bits of its value.
class ProgramStepEncoder {
 public:
  // What the encoding needs to know about the connected analyzer.
  struct Device {
    int DeviceType = 0;           // 0 without potential scale, 1 with KDac
    int KDac = 10000;             // potential scale, 10000 = unity
    bool CurrentControl = false;  // adds 2 to the retention word
  };

  static constexpr std::size_t kPayloadSize = 1 + 2 * protocol::StepWordCount + 1;  // 56, LEN 57

  using Words = std::array<std::uint16_t, protocol::StepWordCount>;

  // The 27 words, word 1 first.
  static Words Encode(const ProgramStep& step, std::uint8_t index, const Device& device);
  // The frame payload: index, the words high byte first, a zero pad byte.
  static std::vector<std::uint8_t> Payload(const ProgramStep& step, std::uint8_t index, const Device& device);
  // The whole 61-byte frame.
  static std::vector<std::uint8_t> Frame(const ProgramStep& step, std::uint8_t index, const Device& device);
};

}  // namespace velmora
