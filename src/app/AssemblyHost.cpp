#include "AssemblyHost.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "DeviceLink.h"
#include "MainWindow.h"
#include "OptionsController.h"
#include "TAssemblyForm.h"
#include "TOptionsForm.h"

namespace velmora {

AssemblyHost::AssemblyHost(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName(QStringLiteral("AssemblyHost"));
  form_ = new TAssemblyForm(picturesFolder(), &window);
  form_->analyzerBusy = [this] { return window_.recording() || window_.deviceLink().active(); };
  form_->openConnectionSettings = [this] {
    OptionsController& options = window_.optionsController();
    options.execute(1);
    // The page tree is for the whole dialog again.
    options.form().setTag(0);
  };
  window.actions().adopt("AssemblyAcnt");
  connect(window.action("AssemblyAcnt"), &QAction::triggered, this, &AssemblyHost::show);
}

TAssemblyForm& AssemblyHost::form() const { return *form_; }

AssemblyHost::~AssemblyHost() {
  // The window goes with its host (the main window may have taken it first).
  delete form_;
}

void AssemblyHost::show() {
  form_->goToStep(-1);
  // Asked for from a modal window (the measurement wizard's cell page), the
  // assistant comes above it and takes the input until it is closed.
  const bool overModal =
      QApplication::activeModalWidget() != nullptr && QApplication::activeModalWidget() != form_.data();
  if (form_->isVisible() && form_->isModal() != overModal) form_->hide();
  form_->setWindowModality(overModal ? Qt::ApplicationModal : Qt::NonModal);
  form_->show();
  form_->raise();
  form_->activateWindow();
}

QString AssemblyHost::picturesFolder() {
  const QDir program(QCoreApplication::applicationDirPath());
  const QString beside = program.filePath(QStringLiteral("help/pics"));
  if (QFileInfo(beside).isDir()) return beside;
  return QDir::cleanPath(program.filePath(QStringLiteral("../share/velmora-va/help/pics")));
}

}  // namespace velmora
