#pragma once

#include "MessageSink.h"

namespace velmora {

class MainWindow;

// Sends every message to the main window's sink as it is when the message
// comes, so that a sink set on the window later (tests do) is honoured by
// the hosts and dialogs made before.
class WindowMessageSink final : public IMessageSink {
 public:
  explicit WindowMessageSink(MainWindow& window) : window_(window) {}
  void error(const Message& m) override;
  void warning(const Message& m) override;
  void information(const Message& m) override;
  Answer askYesNo(const Message& m) override;
  Answer askYesNoCancel(const Message& m) override;

 private:
  MainWindow& window_;
};

}  // namespace velmora
