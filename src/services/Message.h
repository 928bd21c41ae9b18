#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A text the user will see: a fixed English template from the message
// catalogue (Messages.h) and the arguments for its %s / %d / %g places.
// Windows translate the template before substituting the arguments, so the
// core never needs to know the language.
struct Message {
  const char* text = "";
  std::vector<std::string> args;

  Message() = default;
  Message(const char* templ) : text(templ) {}  // NOLINT: implicit on purpose
  Message(const char* templ, std::vector<std::string> arguments) : text(templ), args(std::move(arguments)) {}

  // The English text with the arguments in place.
  std::string format() const { return substitute(text, args); }

  // Replaces the printf-style places of `templ` (%s, %d, %g, %f, %.Nf, %%)
  // one by one with `args`; surplus places stay empty.
  static std::string substitute(std::string_view templ, const std::vector<std::string>& args);
};

}  // namespace velmora
