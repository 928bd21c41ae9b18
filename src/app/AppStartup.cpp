#include "AppStartup.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

#include "AssemblyHost.h"
#include "CurveCommands.h"
#include "DataFolder.h"
#include "DataFolderMove.h"
#include "DemoDocument.h"
#include "DocumentCommandsController.h"
#include "HelpHost.h"
#include "IDocumentCommands.h"
#include "LanguageSwitcher.h"
#include "MainWindow.h"
#include "Messages.h"
#include "MethodsHost.h"
#include "RecordParametersHost.h"
#include "RecordingReceiver.h"
#include "ScreenshotTour.h"
#include "SerialPortFactory.h"
#include "SplashWindow.h"
#include "StartPanel.h"
#include "StartPanelHost.h"
#include "TImagePreviewBox.h"
#include "TPluginsManager.h"
#include "UpdateHost.h"

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

MainWindow* AppStartup::start(const QStringList& rawArguments) {
  // Hidden switches for demonstrations and the screenshot script.
  QStringList arguments;
  bool demo = false;
  for (int i = 0; i < rawArguments.size(); ++i) {
    const QString& a = rawArguments[i];
    if (a == QLatin1String("--demo")) {
      demo = true;
    } else if (a == QLatin1String("--screenshots") && i + 1 < rawArguments.size()) {
      screenshotFolder_ = rawArguments[++i];
      demo = true;
    } else {
      arguments << a;
    }
  }

  // 1. The data folder; the notification hub exists before any window.
  const fs::path documents = documentsFolder();
  settings_.setDataFolder(DataFolder::determine(programFolder(), documents));
  TPluginsManager& hub = TPluginsManager::instance();

  // 2. The language is read before any window exists.
  settings_.options().localeId = Settings::readLocaleId(settings_.dataFolder());
  language_ = std::make_unique<LanguageSwitcher>(settings_);
  language_->applyAtStart();

  // 3. Splash.
  SplashWindow splash;
  splash.show();
  splash.showStatus(msg::SplashLoadingForms);

  // 4-5. Windows.
  mainWindow_ = std::make_unique<MainWindow>(settings_, &hub);
  language_->attach(*mainWindow_, &hub);
  // The assembly assistant comes right after the main window.
  new AssemblyHost(*mainWindow_);
  // The undo recorder and the curve commands, before any document loads.
  curveCommands_ = new CurveCommands(*mainWindow_, settings_);
  mainWindow_->recordParameters().linkFilterBox(curveCommands_->filterBox());
  // The File commands; the window owns their controller.
  auto* fileCommands = new DocumentCommandsController(*mainWindow_, settings_);
  mainWindow_->setDocumentCommands(fileCommands);
  if (documentCommands_ == nullptr) documentCommands_ = fileCommands;
  // The start panel of an empty document; the window owns it.
  new StartPanelHost(*mainWindow_, settings_, *documentCommands_);
  // F1, "&Help Context" and the windows' "Help" buttons; the window owns it.
  new HelpHost(*mainWindow_);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmora/velmora-va.svg")));

  // 6. Settings.
  splash.showStatus(msg::SplashLoadingParameters);
  const bool firstStart = !fs::exists(settings_.filePath());
  settings_.load();
  // A first start takes the analyzer's port where it can be found (the
  // configured one where it exists, or the single USB serial adapter); a
  // machine without any serial port gets the built-in emulator, and one
  // whose ports are none of these opens nothing. The user hears of either
  // once, and of no error before asking for the analyzer.
  bool emulatorChosen = false;
  bool noPortFound = false;
  if (firstStart) {
    std::string& port = settings_.options().portName;
    const FirstStartPort::Result chosen = SerialPortFactory::firstStartPort(port);
    emulatorChosen = chosen.choice == FirstStartPort::Choice::Emulator;
    noPortFound = !chosen.open();
    if (chosen.portName != port) {
      port = chosen.portName;
      settings_.save();
    }
    if (noPortFound) mainWindow_->keepPortClosed();
  }
  if (!screenshotFolder_.isEmpty()) mainWindow_->keepPortClosed();
  mainWindow_->applySettings();
  curveCommands_->applySettings();

  // 7. The methods library and the "Methods" menu.
  splash.showStatus(msg::SplashLoadingMethods);
  mainWindow_->methods().load(
      [&splash](const std::string& file) { splash.showStatus(Message(msg::SplashLoadingMethod, {file})); });

  // 8. The document named on the command line, or a new one.
  if (!arguments.isEmpty()) splash.showStatus(msg::SplashLoadingFile);
  if (!arguments.isEmpty() && documentCommands_) {
    documentCommands_->OpenFile(arguments.join(u' '));
  } else if (documentCommands_) {
    // As "New": in database storage mode the document is named in the
    // database folder at once, so recording never stops for "Save as".
    documentCommands_->New();
  } else {
    mainWindow_->newDocument();
  }
  if (demo) {
    DemoDocument::build(mainWindow_->forest());
    mainWindow_->forest().SelectNode(mainWindow_->forest().FirstRoot());
    // The demonstration is where the session starts, not an edit.
    mainWindow_->setModified(false);
  }

  // 9. A settings file next to the program moves to the per-user folder,
  // and the record folders are opened there.
  DataFolderMove::apply(*mainWindow_, settings_, documents);

  // 11. Done.
  splash.close();
  mainWindow_->show();
  // The "Program update" window; the screenshot tour checks nothing on its own.
  if (screenshotFolder_.isEmpty()) new UpdateHost(*mainWindow_, settings_);
  if (emulatorChosen && screenshotFolder_.isEmpty())
    mainWindow_->messageSink().information(Message(msg::EmulatorChosen));
  if (noPortFound)
    if (auto* panel = mainWindow_->findChild<StartPanel*>()) panel->setPortNote(StartPanel::kNoAnalyzerPort);
  // Curves recorded in a session that did not end normally.
  mainWindow_->recordingReceiver().offerRecovery();
  if (!screenshotFolder_.isEmpty()) {
    mainWindow_->resize(1440, 900);
    ScreenshotTour::run(*mainWindow_, screenshotFolder_);
    ScreenshotTour::russianShots(*mainWindow_, *language_, screenshotFolder_);
  }
  return mainWindow_.get();
}

}  // namespace velmora
