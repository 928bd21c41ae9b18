// File dialogs answered from a queue of names, for the window tests: each
// open or save dialog takes the next name; an empty queue is a cancelled
// dialog.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "IFileDialogs.h"

namespace velmora::test {

class ScriptedFileDialogs final : public IFileDialogs {
 public:
  std::deque<std::string> files;
  std::optional<std::string> openFile(const Message&) override { return next(); }
  std::vector<std::string> openFiles(const Message&, const std::string&) override { return {}; }
  std::optional<std::string> saveFile(const Message&, const std::string&, const std::string&) override {
    return next();
  }

 private:
  std::optional<std::string> next() {
    if (files.empty()) return std::nullopt;
    std::string f = files.front();
    files.pop_front();
    return f;
  }
};

}  // namespace velmora::test
