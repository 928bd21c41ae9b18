#pragma once

#include <stdexcept>

#include "Message.h"

namespace velmora {

// Raised by the quantitation numerics when they cannot compute a result
// (for example a fit over too few points). It carries the catalogue message
// so that windows can show it translated; what() is the English text.
class ECalcError : public std::runtime_error {
 public:
  explicit ECalcError(Message message) : std::runtime_error(message.format()), message_(std::move(message)) {}
  const Message& message() const { return message_; }

 private:
  Message message_;
};

}  // namespace velmora
