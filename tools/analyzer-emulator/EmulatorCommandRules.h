#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace velmora {

// What the analyzer accepts on its line: every command has a fixed LEN (the
// autosampler's one LEN per sub-command) and a payload of a known form. A
// frame that breaks these rules is dropped without an answer, as the
// instrument drops a damaged frame.
class EmulatorCommandRules {
 public:
  // True when a frame with `code` and `payload` (the bytes between the code
  // and the check byte) is a command the analyzer executes; otherwise false
  // with a short reason in `reason`.
  static bool accepts(std::uint8_t code, std::span<const std::uint8_t> payload, std::string& reason);
  // The LEN a command must carry (the code byte and its payload), 0 for a
  // code the analyzer does not know. COM_ZAMPLER_C: the LEN of sub-command
  // `subCommand`.
  static std::size_t lenOf(std::uint8_t code, int subCommand = -1);
};

}  // namespace velmora
