#include <gtest/gtest.h>

#include <QAction>
#include <QFile>

#include "IniFile.h"
#include "MainWindow.h"
#include "Messages.h"
#include "RecordingMessageSink.h"
#include "TPluginsManager.h"
#include "TUpdateForm.h"
#include "TempDir.h"
#include "UpdateHost.h"

using namespace velmora;

namespace {

std::string pathOnDisk(const Settings& settings) {
  IniFile ini;
  ini.load(settings.filePath());
  return ini.readString("Install", "Path", "");
}

// After an install the next start asks once whether to delete the saved
// installer; the answer is kept either way.
TEST(UpdateHostTest, AsksOnceToDeleteTheInstallerOfTheLastUpdate) {
  for (Answer answer : {Answer::Yes, Answer::No}) {
    test::TempDir dir;
    const auto installer = dir / "velmora-va_2027.01.15_amd64.deb";
    test::TempDir::writeFile(installer, "package");
    Settings settings{dir.path()};
    settings.ini().writeString("Install", "Path", installer.string());
    settings.ini().writeString("Install", "CatalogueUrl", "https://updates.example.org/va/catalogue.txt");
    ASSERT_TRUE(settings.save());

    TPluginsManager hub;
    test::RecordingMessageSink sink;
    sink.fallback = answer;
    MainWindow w{settings, &hub};
    w.setMessageSink(&sink);
    auto* host = new UpdateHost(w, settings);
    ASSERT_EQ(sink.entries.size(), 1u);
    EXPECT_EQ(sink.entries[0].kind, "yesno");
    EXPECT_EQ(sink.entries[0].text,
              "Would you like to delete the installer from the temporary folder (" + installer.string() + ")?");
    EXPECT_EQ(std::filesystem::exists(installer), answer == Answer::No);
    EXPECT_EQ(settings.ini().readString("Install", "Path", "?"), "");
    EXPECT_EQ(pathOnDisk(settings), "");
    // The catalogue's address comes from the settings; "Check for updates" is there.
    EXPECT_EQ(host->form().ownVersion().size(), 10);
    EXPECT_TRUE(w.action("CheckUpdateActn")->isEnabled());
    delete host;

    // The next start asks nothing.
    UpdateHost again(w, settings);
    EXPECT_EQ(sink.entries.size(), 1u);
  }
}

TEST(UpdateHostTest, LanguageOfTheReleaseNotes) {
  EXPECT_EQ(UpdateHost::languageAbbreviation(1049), "RUS");
  EXPECT_EQ(UpdateHost::languageAbbreviation(1033), "ENU");
  EXPECT_EQ(UpdateHost::languageAbbreviation(1031), "ENU");
}

}  // namespace
