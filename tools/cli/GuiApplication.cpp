#include "GuiApplication.h"

#include <QApplication>

namespace velmora {

void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "velmora-cli";
  static char* argv[] = {name, nullptr};
  // The charts are widgets, so the application is a widget application.
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

}  // namespace velmora
