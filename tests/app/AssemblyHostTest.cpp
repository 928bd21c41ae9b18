#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "AssemblyHost.h"
#include "AssemblyPlan.h"
#include "MainWindow.h"
#include "OptionsController.h"
#include "RecordingMessageSink.h"
#include "TAssemblyForm.h"
#include "TOptionsForm.h"
#include "TPluginsManager.h"
#include "TempDir.h"

using namespace velmora;

namespace {

// "Assembly assistant..." opens the assistant; its last step opens the
// Options dialog on "Ports" with the page tree locked, and unlocks it after.
TEST(AssemblyHostTest, ConnectionStepOpensThePortsPage) {
  test::TempDir dir;
  Settings settings{dir.path()};
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  MainWindow w{settings, &hub};
  w.setMessageSink(&sink);
  auto* host = new AssemblyHost(w);
  QAction* action = w.action("AssemblyAcnt");
  ASSERT_TRUE(action->isEnabled());
  action->trigger();
  TAssemblyForm& form = host->form();
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(form.onStartPage());

  form.chooseSetup(AssemblyPlan::Analyzer);
  form.next();
  form.next();
  TOptionsForm& options = w.optionsController().form();
  bool sawPorts = false;
  bool treeLocked = false;
  QTimer::singleShot(0, &w, [&] {
    sawPorts = options.isVisible() && options.currentPage() == TOptionsForm::Ports;
    treeLocked = !options.pageTree()->isEnabled();
    options.reject();
  });
  form.next();
  EXPECT_TRUE(sawPorts);
  EXPECT_TRUE(treeLocked);
  EXPECT_TRUE(options.pageTree()->isEnabled());
  EXPECT_EQ(form.instruction(), "Connection setup...");
  EXPECT_TRUE(form.isVisible());
  form.next();
  EXPECT_FALSE(form.isVisible());

  // Opened again, it starts from the four set-ups.
  action->trigger();
  EXPECT_TRUE(form.onStartPage());
  form.close();
}

}  // namespace
