#include "DocumentCommandsController.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include "BackgroundTask.h"
#include "ImportColumnsDialog.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Numbers.h"
#include "ReadProgress.h"
#include "Settings.h"
#include "TImagePreviewBox.h"
#include "UiText.h"

namespace velmora {

DocumentCommandsController::DocumentCommandsController(MainWindow& window, Settings& settings)
    : QObject(&window), window_(window), settings_(settings), dialogs_(&window) {
  TDocumentHost host;
  host.ShowHint = [this](const Message& m) { window_.statusBar()->showMessage(UiText::message(m)); };
  host.ClearHint = [this] { window_.statusBar()->clearMessage(); };
  host.ProcessMessages = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
  host.ClearDocument = [this] { window_.newDocument(); };
  host.RebuildTree = [this] { window_.setDocumentFileName(window_.documentFileName()); };
  host.SetLoading = [this](bool loading) { window_.setDocumentLoading(loading); };
  // Files are read on a thread of their own; the window repaints meanwhile
  // and offers "Cancel" when the reading takes a while.
  host.RunReading = [this](const std::function<void(const ReadProgress&)>& read) {
    return BackgroundTask::Run(
        &window_, tr("Opening document..."),
        [&read](BackgroundTask::Progress& progress) {
          read(ReadProgress([&progress](std::size_t done, std::size_t total) {
            progress.setTotal(total);
            progress.counter() = done;
            return !progress.cancelled();
          }));
        },
        progressDelayMs_);
  };
  host.ChooseColumns = [this](const InstrumentTextImport::Table& table, const std::string& fileName) {
    return ImportColumnsDialog::choose(&window_, table, UiText::fromStd(fileName));
  };
  commands_ =
      std::make_unique<TDocumentCommands>(window.forest(), settings_, window.messageSink(), dialogs_, std::move(host));
  // Text import reads "." and the separator of the user's locale.
  commands_->DecimalSeparator = LocaleDecimalSeparator();

  for (const char* name : {"OpenActn", "AppendFileActn", "ImportActn", "SaveActn", "SaveAsActn", "RecentFilesActn"})
    window_.actions().adopt(name);
  if (QAction* recent = window_.action("RecentFilesActn")) {
    recentMenu_ = recent->menu();
    if (recentMenu_ != nullptr) connect(recentMenu_, &QMenu::aboutToShow, this, [this] { fillRecentMenu(); });
  }
  // The settings are read after the windows exist: show the menu once the
  // start-up is through.
  QTimer::singleShot(0, this, [this] { updateRecentMenu(); });
}

DocumentCommandsController::~DocumentCommandsController() = default;

void DocumentCommandsController::pull() {
  commands_->Modified = window_.modified();
  commands_->CurveCounter = window_.curveCounter();
}

void DocumentCommandsController::push() {
  const QString name = commands_->IsUnnamed() ? QCoreApplication::translate("Messages", msg::NoName)
                                              : UiText::fromStd(commands_->DocumentFileName);
  window_.setDocumentFileName(name);
  window_.setCurveCounter(commands_->CurveCounter);
  window_.setModified(commands_->Modified);
  window_.updateTitle();
  window_.updateActions();
  updateRecentMenu();
}

bool DocumentCommandsController::New() {
  pull();
  const bool done = commands_->New();
  push();
  return done;
}

void DocumentCommandsController::Open() {
  pull();
  const bool opened = commands_->Open();
  push();
  if (opened) focusThumbnails();
}

void DocumentCommandsController::OpenFile(const QString& fileName) {
  pull();
  const bool opened = commands_->OpenFile(UiText::toStd(fileName));
  push();
  if (opened) focusThumbnails();
}

bool DocumentCommandsController::OpenDocument(const QString& fileName) {
  pull();
  const bool opened = commands_->OpenDocument(UiText::toStd(fileName));
  push();
  if (opened) focusThumbnails();
  return opened;
}

void DocumentCommandsController::AppendFile() {
  pull();
  const bool appended = commands_->AppendFile();
  push();
  if (appended) focusThumbnails();
}

void DocumentCommandsController::Import() {
  pull();
  const int imported = commands_->Import();
  push();
  if (imported > 0) focusThumbnails();
}

void DocumentCommandsController::Save() {
  pull();
  commands_->Save();
  push();
}

void DocumentCommandsController::SaveAs() {
  pull();
  commands_->SaveAs();
  push();
}

bool DocumentCommandsController::QuerySave() {
  pull();
  const bool go = commands_->AskSaveChanges();
  push();
  return go;
}

bool DocumentCommandsController::AfterCurveRecorded() {
  pull();
  const bool stored = commands_->AfterCurveRecorded();
  push();
  return stored;
}

void DocumentCommandsController::focusThumbnails() {
  // The keys go on working in the document just read: the thumbnail view
  // takes the focus when its tab is the one shown.
  QWidget* view = &window_.tree();
  if (window_.pages() && window_.pages()->currentWidget() == view) view->setFocus(Qt::OtherFocusReason);
}

void DocumentCommandsController::updateRecentMenu() {
  if (QAction* recent = window_.action("RecentFilesActn")) recent->setVisible(!settings_.recentFiles().empty());
}

void DocumentCommandsController::fillRecentMenu() {
  if (recentMenu_ == nullptr) return;
  recentMenu_->clear();
  const auto files = settings_.recentFiles();
  for (auto it = files.rbegin(); it != files.rend(); ++it) {
    const QString file = UiText::fromStd(*it);
    QAction* item = recentMenu_->addAction(file);
    connect(item, &QAction::triggered, this, [this, file] {
      pull();
      const bool opened = commands_->OpenRecent(UiText::toStd(file));
      push();
      if (opened) focusThumbnails();
    });
  }
}

}  // namespace velmora
