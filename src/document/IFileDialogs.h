#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Message.h"

namespace velmora {

// The file dialogs the document commands need. Filters are catalogue texts
// of pairs "caption|patterns|caption|patterns..." (patterns separated by
// ";"). Windows show the platform's dialogs; tests answer from a script.
// Every call returns nothing (or an empty list) when the user cancels.
class IFileDialogs {
 public:
  virtual ~IFileDialogs() = default;
  virtual std::optional<std::string> openFile(const Message& filter) = 0;
  // Several files, in the dialog's order.
  virtual std::vector<std::string> openFiles(const Message& filter, const std::string& defaultExtension) = 0;
  // `defaultExtension` (".tvx") is appended when the typed name has none.
  virtual std::optional<std::string> saveFile(const Message& filter, const std::string& defaultExtension,
                                              const std::string& initialFile) = 0;
};

}  // namespace velmora
