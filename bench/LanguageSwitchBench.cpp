// Switching the user-interface language with every window of the
// workstation open, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <fstream>

#include "AppStartup.h"
#include "DataFolder.h"
#include "LanguageSwitcher.h"
#include "MainWindow.h"

using namespace velmora;

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "bench_language";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: Qt's own statics go first at exit.
  static auto* a = new QApplication(argc, argv);
  return *a;
}

// Russian and back to English, each switch timed on its own, with the
// demonstration document and every window of the workstation shown.
void BM_SwitchLanguageWithEveryWindowOpen(benchmark::State& state) {
  app();
  QTemporaryDir home;
  qputenv("HOME", home.path().toUtf8());
  QStandardPaths::setTestModeEnabled(false);
  const auto data = DataFolder::perUserFolder(AppStartup::documentsFolder());
  std::filesystem::create_directories(data);
  std::ofstream(data / "Options.ini") << "[Port]\nName=emulator\n[Install]\nAutoUpdate=0\n";
  AppStartup startup;
  MainWindow* w = startup.start({"--demo"});
  LanguageSwitcher& language = startup.language();
  language.setSearchFolders({QStringLiteral(VELMORA_QM_DIR)});
  if (language.catalogueFile(LanguageSwitcher::kRussian).isEmpty()) {
    state.SkipWithError("velmora_ru.qm was not built");
    return;
  }
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (qobject_cast<QMenu*>(top) || qobject_cast<QMessageBox*>(top) || top->isVisible()) continue;
    if (top->inherits("QComboBoxPrivateContainer") || top->windowType() == Qt::ToolTip) continue;
    if (auto* dialog = qobject_cast<QDialog*>(top)) dialog->setModal(false);
    top->show();
  }
  QApplication::processEvents();
  bool russian = false;
  for (auto _ : state) {
    russian = !russian;
    language.SwitchLanguage(russian ? LanguageSwitcher::kRussian : LanguageSwitcher::kEnglish);
    // Until the windows have painted their new texts.
    QApplication::processEvents();
  }
  language.SwitchLanguage(LanguageSwitcher::kEnglish);
  w->setModified(false);
  w->close();
}
BENCHMARK(BM_SwitchLanguageWithEveryWindowOpen)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
