#pragma once

#include "Message.h"

namespace velmora {

enum class Answer { Yes, No, Cancel };

// Where the core sends what it has to tell or ask the user. Windows show
// message boxes; tests record the calls and answer from a script.
class IMessageSink {
 public:
  virtual ~IMessageSink() = default;
  virtual void error(const Message& message) = 0;
  virtual void warning(const Message& message) = 0;
  virtual void information(const Message& message) = 0;
  // Yes / No confirmation.
  virtual Answer askYesNo(const Message& message) = 0;
  // Yes / No / Cancel confirmation.
  virtual Answer askYesNoCancel(const Message& message) = 0;
};

// A sink that swallows everything and answers No; for headless use where
// nobody can answer (the command-line tool passes its own).
class NullMessageSink final : public IMessageSink {
 public:
  void error(const Message&) override {}
  void warning(const Message&) override {}
  void information(const Message&) override {}
  Answer askYesNo(const Message&) override { return Answer::No; }
  Answer askYesNoCancel(const Message&) override { return Answer::Cancel; }
};

}  // namespace velmora
