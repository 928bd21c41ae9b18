#pragma once

#include <QStringList>
#include <filesystem>
#include <memory>

#include "Settings.h"

namespace velmora {

class CurveCommands;
class IDocumentCommands;
class LanguageSwitcher;
class MainWindow;

// The start-up sequence of the workstation: data folder, language, splash,
// windows, settings, first document, data-folder move.
class AppStartup {
 public:
  AppStartup();
  ~AppStartup();

  // Runs the sequence up to the message loop; returns the main window,
  // shown. `arguments` are the command-line arguments after the program.
  MainWindow* start(const QStringList& arguments);

  Settings& settings() { return settings_; }
  LanguageSwitcher& language() { return *language_; }
  // The document commands that open the file named on the command line;
  // not owned.
  void setDocumentCommands(IDocumentCommands* commands) { documentCommands_ = commands; }
  // Set by the hidden --screenshots switch: the application saves its
  // pictures there and the caller quits.
  const QString& screenshotFolder() const { return screenshotFolder_; }
  static std::filesystem::path documentsFolder();
  static std::filesystem::path programFolder();

 private:
  Settings settings_;
  // The language outlives every window.
  std::unique_ptr<LanguageSwitcher> language_;
  std::unique_ptr<MainWindow> mainWindow_;
  CurveCommands* curveCommands_ = nullptr;  // owned by the main window
  IDocumentCommands* documentCommands_ = nullptr;
  QString screenshotFolder_;
};

}  // namespace velmora
