#pragma once

#include <string>

#include "Message.h"

namespace velmora {

// One finding of a formula check or evaluation: the catalogue message and
// the offending text (or the 1-based number of the offending variable).
struct TCalcError {
  std::string Token;
  const char* Message = "";  // a text of the catalogue (msg::Calc...)

  // The line shown to the user: "%s '%s'" with the message and the token.
  // Windows translate Message before they format the line.
  velmora::Message toMessage() const;
  std::string text() const { return toMessage().format(); }

  friend bool operator==(const TCalcError& a, const TCalcError& b) {
    return a.Token == b.Token && std::string(a.Message) == b.Message;
  }
};

}  // namespace velmora
