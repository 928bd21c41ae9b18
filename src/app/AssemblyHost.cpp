#include "AssemblyHost.h"

#include <QAction>
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
