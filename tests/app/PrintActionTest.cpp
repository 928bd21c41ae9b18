#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
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
  QTimer::singleShot(0, [&] {
    auto* form = qobject_cast<TRepForm*>(QApplication::activeModalWidget());
    if (!form) return;
    modal = form->isModal();
    if (!QTest::qWaitFor([&] { return form->previewPageCount() > 0; }, 2000)) return;
    pages = form->previewPageCount();
    form->reject();
  });
  print->trigger();
  EXPECT_TRUE(modal);
  EXPECT_EQ(pages, 1);
}
