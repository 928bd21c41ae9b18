#include <QApplication>

#include "AppStartup.h"
#include "HugePageHeap.h"
#include "MainWindow.h"

int main(int argc, char* argv[]) {
  velmora::HugePageHeap::restartWithHugePages(argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Velmora-VA");
  QApplication::setOrganizationName("Velmora");
  velmora::AppStartup startup;
  velmora::MainWindow* window = startup.start(QApplication::arguments().mid(1));
  if (!startup.screenshotFolder().isEmpty()) {
    window->setModified(false);
    window->close();
    return 0;
  }
  return QApplication::exec();
}
