#pragma once

#include <stdexcept>

#include "Message.h"

namespace velmora {

// A results archive that cannot be opened, read or written. It carries the
// catalogue message, so windows can show it translated; what() is English.
class EArchiveError : public std::runtime_error {
 public:
  explicit EArchiveError(Message message) : std::runtime_error(message.format()), message_(std::move(message)) {}
  const Message& message() const { return message_; }

 private:
  Message message_;
};

}  // namespace velmora
