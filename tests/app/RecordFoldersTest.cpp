// A first start from a settings file next to the program moves the data
// folder to the user's folder: the record folders and the recovery journal
// follow it, so what that session saves is found by the next one.
#include <gtest/gtest.h>

#include <QApplication>
#include <fstream>

#include "CalibrationsHost.h"
#include "DataFolderMove.h"
#include "IniFile.h"
#include "MainWindow.h"
#include "MethodsHost.h"
#include "RecordingMessageSink.h"
#include "RecordingReceiver.h"
#include "ReportHost.h"
#include "Settings.h"
#include "StatisticsHost.h"
#include "TCalibrationsDB.h"
#include "THeaderManager.h"
#include "TMethodStat.h"
#include "TMethodsLibrary.h"
#include "TPluginsManager.h"
#include "TReportStore.h"
#include "TStatDB.h"
#include "TempDir.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

struct Session {
  TPluginsManager hub;
  test::RecordingMessageSink sink;
  std::unique_ptr<MainWindow> w;
  explicit Session(Settings& settings) {
    w = std::make_unique<MainWindow>(settings, &hub);
    w->setMessageSink(&sink);
  }
};

}  // namespace

TEST(RecordFolders, FollowTheDataFolderToTheUsersFolder) {
  test::TempDir dir;
  const fs::path program = dir.path() / "program";
  const fs::path documents = dir.path() / "documents";
  fs::create_directories(program);
  fs::create_directories(documents);
  std::ofstream(program / "Options.ini") << "[View]\nCaptionsType=2\n";
  const fs::path user = documents / "Velmora-VA";

  {
    Settings settings(program);
    settings.load();
    Session first(settings);
    ASSERT_TRUE(DataFolderMove::apply(*first.w, settings, documents));
    EXPECT_EQ(settings.dataFolder(), user);
    EXPECT_FALSE(fs::exists(program / "Options.ini"));
    EXPECT_EQ(first.w->reports().store().Folder().Folder(), user / "Reports");
    EXPECT_EQ(first.w->calibrations().database().Folder().Folder(), user / "Calibrations");
    EXPECT_EQ(first.w->statistics().database().Folder().Folder(), user / "Statistics");
    EXPECT_EQ(first.w->methods().library().RecordFolder(), user / "Methods");
    EXPECT_EQ(first.w->recordingReceiver().journal().Path().parent_path(), user);
    // What the first session saves lies in the user's folder ...
    TMethodStat record;
    record.Name = "Tap water";
    first.w->statistics().database().AddAndSave(record);
    first.w->reports().store().Folder().Add("Morning series", {}, std::vector<std::uint8_t>{});
    // ... and the settings name where the reports are kept.
    first.w->storeSettings();
    ASSERT_TRUE(settings.save());
    IniFile ini;
    ASSERT_TRUE(ini.load(user / "Options.ini"));
    EXPECT_EQ(fs::path(ini.readString("General", "RepBaseDir", "")), user / "Reports" / "");
    // A second move is none.
    EXPECT_FALSE(DataFolderMove::apply(*first.w, settings, documents));
  }
  // Nothing of it stayed next to the program.
  for (const char* folder : {"Reports", "Statistics"})
    EXPECT_FALSE(fs::exists(program / folder / THeaderManager::kIndexName)) << folder;

  // The next session starts in the user's folder and lists them.
  Settings settings(user);
  settings.load();
  Session next(settings);
  EXPECT_GE(next.w->statistics().database().IndexOfName("Tap water"), 0);
  ASSERT_EQ(next.w->reports().store().List().size(), 1u);
  EXPECT_EQ(next.w->reports().store().List().front().Title, "Morning series");
}
