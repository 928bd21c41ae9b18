#include <QApplication>

#include "AppStartup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Velmora-VA");
  QApplication::setOrganizationName("Velmora");
  velmora::AppStartup startup;
  startup.start(QApplication::arguments().mid(1));
  return QApplication::exec();
}
