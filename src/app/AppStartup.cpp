#include "AppStartup.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "DataFolder.h"
#include "MainWindow.h"
#include "Messages.h"
#include "SplashWindow.h"

namespace velmora {

namespace fs = std::filesystem;

AppStartup::AppStartup() = default;
AppStartup::~AppStartup() = default;

fs::path AppStartup::documentsFolder() {
  QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (docs.isEmpty()) docs = QDir::homePath();
  return fs::path(docs.toStdString());
}

fs::path AppStartup::programFolder() { return fs::path(QCoreApplication::applicationDirPath().toStdString()); }

MainWindow* AppStartup::start(const QStringList& arguments) {
  // 1. The data folder.
  const fs::path documents = documentsFolder();
  settings_.setDataFolder(DataFolder::determine(programFolder(), documents));

  // 2. The language is read before any window exists.
  const int localeId = Settings::readLocaleId(settings_.dataFolder());
  (void)localeId;  // the language modules arrive with the language switch
  QApplication::setApplicationDisplayName(QCoreApplication::translate("Messages", msg::AppTitle));

  // 3. Splash.
  SplashWindow splash;
  splash.show();
  splash.showStatus(msg::SplashLoadingForms);

  // 4-5. Windows.
  mainWindow_ = std::make_unique<MainWindow>(settings_);

  // 6. Settings.
  splash.showStatus(msg::SplashLoadingParameters);
  settings_.load();
  mainWindow_->applySettings();

  // 8. The document named on the command line, or a new one.
  if (!arguments.isEmpty()) splash.showStatus(msg::SplashLoadingFile);
  mainWindow_->newDocument();

  // 9. A settings file next to the program moves to the per-user folder.
  settings_.setDataFolder(DataFolder::moveToPerUserFolder(settings_.dataFolder(), documents));

  // 11. Done.
  splash.close();
  mainWindow_->show();
  return mainWindow_.get();
}

}  // namespace velmora
