#pragma once

#include <stdexcept>
#include <utility>

#include "Message.h"

namespace velmora {

// Raised to the caller of a device operation that cannot be carried out
// (write failure, port missing or not opening, refused calibration values).
// It carries the catalogue message so that windows show it translated.
class EDeviceError : public std::runtime_error {
 public:
  explicit EDeviceError(Message message) : std::runtime_error(message.format()), message_(std::move(message)) {}
  const Message& message() const { return message_; }

 private:
  Message message_;
};

}  // namespace velmora
