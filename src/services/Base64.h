#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The standard base64 alphabet with "=" padding, as signature files and
// key files carry it.
class Base64 {
 public:
  static std::string Encode(std::span<const std::uint8_t> bytes);
  // Strict: only the alphabet, a length that is a multiple of four and
  // padding at the end; surrounding blanks and line ends are ignored.
  // nullopt for anything else.
  static std::optional<std::vector<std::uint8_t>> Decode(std::string_view text);
};

}  // namespace velmora
