#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "RecordingReceiver.h"
#include "StartPanel.h"

namespace velmora {

class IDocumentCommands;
class MainWindow;
class Settings;

// Puts the start panel into the main window's chart area (shown while the
// document is empty) and carries its requests out: "&Open", the recent
// documents, the example documents (opened from a copy in the data folder,
// so the shipped files stay as they are) and a first voltammogram from the
// built-in analyzer emulator, which switches the port setting to the
// emulator only after the user agreed to simulated data.
class StartPanelHost : public QObject {
  Q_OBJECT
 public:
  StartPanelHost(MainWindow& window, Settings& settings, IDocumentCommands& commands);

  StartPanel& panel() const { return *panel_; }
  // Fills the recent documents and the examples again.
  void refresh();

  // The folder of the shipped examples: $VELMORA_EXAMPLES_DIR, the installed
  // share folder beside the program, or the source tree's; empty when none
  // exists.
  static QString examplesFolder();
  // The example documents of `folder`, with their titles.
  static QList<StartPanel::Example> examplesIn(const QString& folder);
  // The sample step of the example program, as one run of one voltammogram;
  // nullopt (and `problem` set) when the program cannot be read.
  static std::optional<RecordingProgramSource> firstRecordingProgram(const QString& examplesFolder,
                                                                     std::string& problem);

  // The requests of the panel.
  void openRecent(const QString& file);
  void openExample(const QString& file);
  void recordFirstVoltammogram();

 private:
  void startFirstRecording();

  MainWindow& window_;
  Settings& settings_;
  IDocumentCommands& commands_;
  StartPanel* panel_ = nullptr;
};

}  // namespace velmora
