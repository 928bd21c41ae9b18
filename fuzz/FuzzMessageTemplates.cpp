#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "Message.h"

// Fills a message template as a translation may write it (printf-style and
// numbered places, in any order, with any text around them) with arguments.
// The input is the template, then the arguments, separated by NUL bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto parts = velmora::fuzz::Split(input, std::string_view("\0", 1));
  std::vector<std::string> args;
  for (std::size_t i = 1; i < parts.size() && i <= 16; ++i) args.emplace_back(parts[i]);
  std::size_t argBytes = 0;
  for (const std::string& a : args) argBytes += a.size();
  const std::string out = velmora::Message::substitute(parts[0], args);
  // Every place takes one argument at most, and takes at least its own two
  // characters: the text grows by no more than the arguments per place.
  if (out.size() > parts[0].size() * (1 + argBytes)) __builtin_trap();
  (void)velmora::Message::substitute(parts[0], {});
  return 0;
}
