#pragma once

#include <stdexcept>
#include <string>

#include "Message.h"

namespace velmora {

// Raised by every reader when a file, stream or frame is damaged, truncated
// or hostile. It carries the catalogue message so that windows can show it
// translated; what() is the English text.
class EFormatError : public std::runtime_error {
 public:
  explicit EFormatError(Message message) : std::runtime_error(message.format()), message_(std::move(message)) {}
  const Message& message() const { return message_; }

 private:
  Message message_;
};

}  // namespace velmora
