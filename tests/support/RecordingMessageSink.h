#pragma once

#include <deque>
#include <string>
#include <vector>

#include "MessageSink.h"

namespace velmora::test {

// Records every message and answers questions from a queue (default: the
// `fallback` answer).
class RecordingMessageSink final : public IMessageSink {
 public:
  struct Entry {
    std::string kind;  // "error", "warning", "information", "yesno", "yesnocancel"
    std::string text;  // formatted English text
    const char* templ = "";
  };

  void error(const Message& m) override { record("error", m); }
  void warning(const Message& m) override { record("warning", m); }
  void information(const Message& m) override { record("information", m); }
  Answer askYesNo(const Message& m) override {
    record("yesno", m);
    return next();
  }
  Answer askYesNoCancel(const Message& m) override {
    record("yesnocancel", m);
    return next();
  }

  void queueAnswer(Answer a) { answers.push_back(a); }

  std::vector<Entry> entries;
  std::deque<Answer> answers;
  Answer fallback = Answer::Yes;

 private:
  void record(const char* kind, const Message& m) { entries.push_back({kind, m.format(), m.text}); }
  Answer next() {
    if (answers.empty()) return fallback;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace velmora::test
