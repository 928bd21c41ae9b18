#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "AppStartup.h"
#include "MainWindow.h"
#include "TempDir.h"

using namespace velmora;

TEST(AppShell, StartsWithNoNameTitleAndWritesSettingsAtClose) {
  velmora::test::TempDir home;
  qputenv("HOME", QByteArray::fromStdString(home.path().string()));
  QStandardPaths::setTestModeEnabled(false);
  AppStartup startup;
  MainWindow* w = startup.start({});
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->windowTitle(), "No name - Velmora-VA (beta)");
  const auto ini = startup.settings().dataFolder() / "Options.ini";
  EXPECT_FALSE(std::filesystem::exists(ini));
  w->close();
  EXPECT_TRUE(std::filesystem::exists(ini));
}
