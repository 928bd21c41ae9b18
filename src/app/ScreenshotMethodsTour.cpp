#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QThread>

#include "MainWindow.h"
#include "MethodsHost.h"
#include "ScreenshotTour.h"
#include "TMethodEditForm.h"
#include "TMethodsLibrary.h"

namespace velmora {

namespace {

void settleMethods() {
  for (int i = 0; i < 8; ++i) {
    QApplication::processEvents();
    QThread::msleep(25);
  }
}

}  // namespace

// The "Methods" menu open with the library's methods, and the methods
// editor on the first library method.
int ScreenshotTour::methods(MainWindow& w, const QString& folder) {
  int written = 0;
  MethodsHost& host = w.methods();
  QMenu* menu = host.menu();
  if (menu) {
    w.raise();
    w.activateWindow();
    settleMethods();
    // The menu drops from its title in the menu bar.
    QMenuBar* bar = w.menuBar();
    const QRect title = bar->actionGeometry(menu->menuAction());
    menu->popup(bar->mapToGlobal(title.bottomLeft()));
    settleMethods();
    // The window with the open menu drawn over it at its place.
    QImage picture = w.grab().toImage();
    {
      QPainter painter(&picture);
      const QPoint at = w.mapFromGlobal(menu->pos());
      painter.drawPixmap(at, menu->grab());
    }
    menu->hide();
    written += picture.save(QDir(folder).filePath(QStringLiteral("methods-menu.png")));
  }

  TMethodEditForm& editor = host.editor();
  const TMethods& methods = host.library().Methods();
  editor.NewExecute();
  if (!methods.empty()) editor.OpenFile(methods.front().FileName);
  editor.setModal(false);
  editor.show();
  settleMethods();
  written += editor.grab().save(QDir(folder).filePath(QStringLiteral("methods-editor.png")));
  editor.hide();
  return written;
}

}  // namespace velmora
