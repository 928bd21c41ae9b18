#pragma once

#include "IFileDialogs.h"

class QWidget;

namespace velmora {

// The document commands' file dialogs as the platform's open and save
// dialogs. Filters come as "caption|patterns|..." catalogue texts.
class QtFileDialogs final : public IFileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}

  std::optional<std::string> openFile(const Message& filter) override;
  std::vector<std::string> openFiles(const Message& filter, const std::string& defaultExtension) override;
  std::optional<std::string> saveFile(const Message& filter, const std::string& defaultExtension,
                                      const std::string& initialFile) override;

 private:
  QWidget* parent_;
};

}  // namespace velmora
