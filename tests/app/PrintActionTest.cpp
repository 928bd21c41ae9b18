#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include "DemoDocument.h"
#include "MainChartView.h"
#include "MainWindow.h"
#include "Settings.h"
#include "TImagePreviewBox.h"
#include "TNode.h"
#include "TPluginsManager.h"
#include "TRepForm.h"
#include "TempDir.h"

using namespace velmora;

// "Print" (Ctrl+P) opens the print window over the main chart, modally,
// with the window caption as the job title; its preview shows one page.
TEST(PrintAction, OpensThePrintWindowOnTheMainChart) {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  MainWindow w{settings, &hub};
  w.show();
  DemoDocument::build(w.forest(), 1, 2);
  w.forest().SelectNode(w.forest().FirstRoot());
  w.chartView().redrawNow();
  QAction* print = w.action("ReportActn");
  ASSERT_TRUE(print->isEnabled());
  EXPECT_EQ(print->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
  int pages = -1;
  bool modal = false;
  // Looks at the modal window until its preview is drawn; a window that never
  // comes or never draws is closed at the deadline, so the test cannot hang.
  QElapsedTimer waited;
  waited.start();
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* open = QApplication::activeModalWidget();
    auto* form = qobject_cast<TRepForm*>(open);
    if (form && form->previewPageCount() > 0) {
      modal = form->isModal();
      pages = form->previewPageCount();
      poll.stop();
      form->reject();
    } else if (waited.elapsed() > 20000) {
      poll.stop();
      if (auto* dialog = qobject_cast<QDialog*>(open)) dialog->reject();
    }
  });
  poll.start();
  print->trigger();
  poll.stop();
  EXPECT_TRUE(modal);
  EXPECT_EQ(pages, 1);
}
