#pragma once

#include <QObject>
#include <memory>

#include "IDocumentCommands.h"
#include "QtFileDialogs.h"
#include "TDocumentCommands.h"

class QMenu;

namespace velmora {

class MainWindow;
class Settings;

// Serves the main window's File commands with the document commands of the
// document library: keeps the window's file name, modified flag and curve
// counter in step with them, fills the "&Recent files" menu, and adopts the
// File actions it serves.
class DocumentCommandsController final : public QObject, public IDocumentCommands {
  Q_OBJECT
 public:
  DocumentCommandsController(MainWindow& window, Settings& settings);
  ~DocumentCommandsController() override;

  bool New() override;
  void Open() override;
  void OpenFile(const QString& fileName) override;
  bool OpenDocument(const QString& fileName) override;
  void AppendFile() override;
  void Import() override;
  void Save() override;
  void SaveAs() override;
  bool QuerySave() override;

  // After each recorded curve: the backup, or the save in database mode;
  // false when it failed.
  bool AfterCurveRecorded();
  TDocumentCommands& commands() { return *commands_; }
  // How long a file may be read before its progress window shows.
  void setProgressDelay(int ms) { progressDelayMs_ = ms; }

 private:
  // The window's state into the commands before a command, and back after.
  void pull();
  void push();
  void fillRecentMenu();
  void focusThumbnails();
  void updateRecentMenu();

  MainWindow& window_;
  Settings& settings_;
  QtFileDialogs dialogs_;
  std::unique_ptr<TDocumentCommands> commands_;
  QMenu* recentMenu_ = nullptr;
  int progressDelayMs_ = 300;
};

}  // namespace velmora
