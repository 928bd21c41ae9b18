#include "UpdateHost.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <QUrl>

#include "IniFile.h"
#include "MainWindow.h"
#include "Messages.h"
#include "ProgramVersion.h"
#include "Settings.h"
#include "TUpdateForm.h"
#include "UiText.h"
#include "UpdateDownloader.h"

namespace velmora {

namespace {

constexpr const char* kInstall = "Install";

}  // namespace

UpdateHost::UpdateHost(MainWindow& window, Settings& settings)
    : QObject(&window), window_(window), settings_(settings) {
  setObjectName(QStringLiteral("UpdateHost"));
  network_ = UpdateDownloader::createNetwork(this, true);
  form_ = new TUpdateForm(*network_, window.messageSink(), &window);
  form_->setOwnVersion(QString::fromStdString(ProgramVersion::BuildDate()));
  form_->startInstaller = [this](const QString& path) { startInstaller(path); };
  configure();

  askToDeleteInstaller();

  window.actions().adopt("CheckUpdateActn");
  connect(window.action("CheckUpdateActn"), &QAction::triggered, this, [this] {
    configure();
    form_->checkOnDemand();
  });
  timer_ = new QTimer(this);
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, [this] {
    if (!settings_.options().autoUpdate) return;
    configure();
    form_->checkInBackground();
  });
  timer_->start(AutoCheckDelayMs);
}

TUpdateForm& UpdateHost::form() const { return *form_; }

UpdateHost::~UpdateHost() {
  // The window goes with its host (the main window may have taken it first).
  delete form_;
}

void UpdateHost::configure() {
  const IniFile& ini = settings_.ini();
  form_->setCatalogueUrl(QUrl(UiText::fromStd(ini.readString(kInstall, "CatalogueUrl", ""))));
  form_->setNotesTemplate(UiText::fromStd(ini.readString(kInstall, "NotesUrl", "")));
  form_->setSnapshots(settings_.options().snapShotsUpdate);
  form_->setLanguage(languageAbbreviation(settings_.options().localeId));
}

QString UpdateHost::languageAbbreviation(int localeId) {
  if (localeId == 1049) return QStringLiteral("RUS");
  if (localeId == 0 && QLocale::system().language() == QLocale::Russian) return QStringLiteral("RUS");
  return QStringLiteral("ENU");
}

void UpdateHost::askToDeleteInstaller() {
  const QString path = UiText::fromStd(settings_.ini().readString(kInstall, "Path", ""));
  if (path.isEmpty()) return;
  const Message question(msg::UpdateDeleteInstaller, {UiText::toStd(QDir::toNativeSeparators(path))});
  if (window_.messageSink().askYesNo(question) == Answer::Yes) {
    QFile::remove(path);
    // The installer's private folder goes with it when nothing else is there.
    const QFileInfo info(path);
    if (info.dir().dirName().startsWith(QStringLiteral("velmora-update-"))) QDir().rmdir(info.absolutePath());
  }
  writeInstallerPath(QString());
}

// Install/Path reaches the file at once; the other preferences wait for
// the exit as always.
void UpdateHost::writeInstallerPath(const QString& path) {
  const std::string value = UiText::toStd(path);
  settings_.ini().writeString(kInstall, "Path", value);
  try {
    IniFile onDisk;
    onDisk.load(settings_.filePath());
    onDisk.writeString(kInstall, "Path", value);
    onDisk.save(settings_.filePath());
  } catch (const std::exception&) {
    // The key is written again with the settings at exit.
  }
}

void UpdateHost::startInstaller(const QString& path) {
  writeInstallerPath(path);
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
    window_.messageSink().error(
        Message(msg::UpdateCannotOpenInstaller, {UiText::toStd(QDir::toNativeSeparators(path))}));
    return;
  }
  // The program ends so that the installer can replace it (with the usual
  // question about unsaved work).
  window_.close();
}

}  // namespace velmora
