#include "HelpTourShot.h"

#include <QApplication>
#include <QDir>
#include <QThread>
#include <QVariant>

#include "HelpContexts.h"
#include "HelpHost.h"
#include "HelpViewer.h"
#include "MainWindow.h"

namespace velmora {

namespace {

void settle() {
  for (int i = 0; i < 8; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

}  // namespace

int HelpTourShot::run(MainWindow& window, const QString& folder) {
  auto* host = window.findChild<HelpHost*>();
  if (host == nullptr) return 0;
  const QVariant language = qApp->property("velmoraLanguage");
  int written = 0;
  const std::pair<int, const char*> shots[] = {{1033, "help.png"}, {1049, "help-rus.png"}};
  for (const auto& [id, name] : shots) {
    qApp->setProperty("velmoraLanguage", id);
    host->showContext(help::RecordParameters);
    HelpViewer* viewer = host->viewer();
    if (viewer == nullptr) continue;
    settle();
    written += viewer->grab().save(QDir(folder).filePath(QLatin1String(name))) ? 1 : 0;
  }
  qApp->setProperty("velmoraLanguage", language);
  if (host->viewer()) host->viewer()->close();
  return written;
}

}  // namespace velmora
