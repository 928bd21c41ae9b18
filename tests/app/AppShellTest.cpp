#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <fstream>

#include "AppStartup.h"
#include "DataFolder.h"
#include "MainWindow.h"
#include "ScopedEnv.h"
#include "TempDir.h"

using namespace velmora;

namespace {

// Each test starts the workstation in a home folder of its own; HOME is put
// back however the test ends.
class AppShell : public ::testing::Test {
 protected:
  velmora::test::TempDir home;
  velmora::test::ScopedEnv homeVariable{"HOME", home.path().string()};
};

}  // namespace

TEST_F(AppShell, StartsWithNoNameTitleAndWritesSettingsAtClose) {
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

TEST_F(AppShell, DatabaseStorageModeNamesTheFirstDocumentInTheDatabaseFolder) {
  QStandardPaths::setTestModeEnabled(false);
  const std::filesystem::path database = home.path() / "database";
  std::filesystem::create_directories(database);
  const std::filesystem::path data = DataFolder::perUserFolder(AppStartup::documentsFolder());
  std::filesystem::create_directories(data);
  {
    std::ofstream ini(data / "Options.ini");
    ini << "[General]\nSaveType=1\nSaveDir=" << database.string() << "/\n";
  }
  AppStartup startup;
  MainWindow* w = startup.start({});
  ASSERT_NE(w, nullptr);
  // Named as "New" names it: the first recorded curve saves there.
  const std::filesystem::path named(w->documentFileName().toStdString());
  EXPECT_EQ(named.parent_path(), database);
  EXPECT_EQ(named.extension(), ".tvx");
  EXPECT_NE(w->windowTitle().toStdString().find(" 0.tvx - Velmora-VA (beta)"), std::string::npos);
  EXPECT_FALSE(w->modified());
  w->close();
}
