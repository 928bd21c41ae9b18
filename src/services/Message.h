#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A catalogue text whose wording follows a count ("%n" stands for it): the
// English wording for one and for any other count. `other` is the text that
// translations are keyed by; each language has as many forms as it needs.
struct PluralText {
  const char* one;
  const char* other;
};

// A text the user will see: a fixed English template from the message
// catalogue (Messages.h) and the arguments for its %s / %d / %g places.
// Windows translate the template before substituting the arguments, so the
// core never needs to know the language.
struct Message {
  const char* text = "";
  std::vector<std::string> args;
  // For a counted text: the count that "%n" stands for (else -1), and the
  // English wording for one.
  std::int64_t count = -1;
  const char* one = nullptr;

  Message() = default;
  Message(const char* templ) : text(templ) {}  // NOLINT: implicit on purpose
  Message(const char* templ, std::vector<std::string> arguments) : text(templ), args(std::move(arguments)) {}

  // A counted text: the wording for `n` with "%n" in its place, then the
  // other arguments.
  static Message Counted(const PluralText& text, std::int64_t n, std::vector<std::string> arguments = {});

  // The English text with the arguments in place.
  std::string format() const;
  // The English template for the count, "%n" filled in (the plain template
  // of an uncounted text).
  std::string englishTemplate() const;

  // Replaces the printf-style places of `templ` (%s, %d, %g, %f, %.Nf, %%)
  // one by one with `args`; surplus places stay empty.
  static std::string substitute(std::string_view templ, const std::vector<std::string>& args);
};

}  // namespace velmora
