// The tour's last pictures: the main window, the calculation window and the
// "Options" dialog in Russian, on the demonstration document.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>

#include "CalcHost.h"
#include "DemoDocument.h"
#include "LanguageSwitcher.h"
#include "MainWindow.h"
#include "OptionsController.h"
#include "ScreenshotTour.h"
#include "TCalcForm.h"
#include "TImagePreviewBox.h"
#include "TNode.h"
#include "TOptionsForm.h"

namespace velmora {

namespace {

bool saveSettled(QWidget& widget, const QString& folder, const QString& name) {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
  return widget.grab().save(QDir(folder).filePath(name));
}

}  // namespace

int ScreenshotTour::russianShots(MainWindow& w, LanguageSwitcher& language, const QString& folder) {
  if (language.catalogueFile(LanguageSwitcher::kRussian).isEmpty()) return 0;
  const int before = language.languageInForce();
  // The demonstration document again, should the tour have ended on an empty one.
  if (w.forest().FirstRoot() == nullptr) {
    DemoDocument::build(w.forest());
    w.setModified(false);
  }
  if (!language.SwitchLanguage(LanguageSwitcher::kRussian)) return 0;
  int written = 0;
  // The calculation window set up as in the English pictures (those go to a
  // scratch folder), so the main window shows the same curves with peaks.
  {
    QTemporaryDir scratch;
    calculations(w, scratch.path());
  }
  TCalcForm& form = w.calculations().form();
  form.chooseMethod(0);
  written += saveSettled(w, folder, QStringLiteral("main-russian.png"));
  written += saveSettled(form, folder, QStringLiteral("calculations-russian.png"));
  // "Options" on its first page, shown without waiting for an answer.
  OptionsController& options = w.optionsController();
  options.prepare();
  options.form().show();
  written += saveSettled(options.form(), folder, QStringLiteral("options-russian.png"));
  options.form().hide();
  language.SwitchLanguage(before);
  return written;
}

}  // namespace velmora
