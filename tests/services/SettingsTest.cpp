#include <gtest/gtest.h>

#include "DataFolder.h"
#include "IniFile.h"
#include "Settings.h"
#include "TempDir.h"

using namespace velmora;
using velmora::test::TempDir;

TEST(IniFiles, ReadsWithOrWithoutBlanksAndKeepsUnknownContent) {
  IniFile ini;
  ini.parse("; shared with other versions\n[View]\nPaintGrid = 0\nFuture=x y\n\n[Unknown]\nA=1\n[port]\nName=COM3\r\n");
  EXPECT_FALSE(ini.readBool("View", "PaintGrid", true));
  EXPECT_EQ(ini.readString("PORT", "name", ""), "COM3");  // case-insensitive
  ini.writeBool("View", "PaintXAxis", true);
  ini.writeInteger("View", "PaintGrid", 1);
  const std::string out = ini.serialize();
  EXPECT_EQ(out,
            "; shared with other versions\n[View]\nPaintGrid=1\nFuture=x y\nPaintXAxis=1\n\n[Unknown]\nA=1\n"
            "[port]\nName=COM3\n");
}

TEST(IniFiles, NumbersAndBooleans) {
  IniFile ini;
  ini.parse("[A]\nneg=-16777203\nhex=$FF\nbad=12x\nbig=99999999999999999999999\nf=0,5\nb=7\n");
  EXPECT_EQ(ini.readInteger("A", "neg", 0), -16777203);
  EXPECT_EQ(ini.readInteger("A", "hex", 0), 255);
  EXPECT_EQ(ini.readInteger("A", "bad", 3), 3);
  EXPECT_EQ(ini.readInteger("A", "big", 3), 3);
  EXPECT_EQ(ini.readFloat("A", "f", 0), 0.5);
  EXPECT_TRUE(ini.readBool("A", "b", false));
  EXPECT_TRUE(ini.readBool("A", "missing", true));
}

TEST(SettingsFile, MissingFileGivesDefaultsAndSaveWritesEveryKey) {
  TempDir dir;
  Settings s(dir.path());
  s.load();
  const Options& o = s.options();
  // The first USB serial adapter by the platform's own name.
#ifdef _WIN32
  EXPECT_EQ(o.portName, "COM1");
#else
  EXPECT_EQ(o.portName, "/dev/ttyUSB0");
#endif
  EXPECT_EQ(o.picWidth, 100);
  EXPECT_EQ(o.selectColor, -16777203);
  EXPECT_TRUE(o.backupEnabled);
  EXPECT_EQ(o.insertType, 1);
  s.options().portName = "emulator";
  s.options().asInitTimeout = 5;  // read only: never written
  ASSERT_TRUE(s.save());
  IniFile written;
  ASSERT_TRUE(written.load(dir / "Options.ini"));
  EXPECT_EQ(written.readString("Port", "Name", ""), "emulator");
  EXPECT_EQ(written.readString("PicParams", "SelectColor", ""), "-16777203");
  EXPECT_EQ(written.readString("Backup", "Enabled", ""), "1");
  EXPECT_FALSE(written.value("Custom", "ASInitTimeout"));

  Settings again(dir.path());
  again.load();
  EXPECT_EQ(again.options().portName, "emulator");
}

TEST(SettingsFile, UnknownKeysSurviveAWriteAndDamagedValuesFallBack) {
  TempDir dir;
  TempDir::writeFile(dir / "Options.ini",
                     "[PicParams]\nPicWidth=abc\nOther=5\n[Mine]\nX=1\n[LocaleID]\nLocaleID=1049\n");
  EXPECT_EQ(Settings::readLocaleId(dir.path()), 1049);
  Settings s(dir.path());
  s.load();
  EXPECT_EQ(s.options().picWidth, 100);
  ASSERT_TRUE(s.save());
  const std::string text = TempDir::readFile(dir / "Options.ini");
  EXPECT_NE(text.find("Other=5"), std::string::npos);
  EXPECT_NE(text.find("[Mine]\nX=1"), std::string::npos);
  EXPECT_EQ(Settings::readLocaleId(dir / "nowhere"), 0);
}

TEST(SettingsFile, SaveIntoAnUnwritablePlaceReportsFailure) {
  TempDir dir;
  TempDir::writeFile(dir / "file", "x");
  Settings s(dir / "file" / "sub");  // a folder below a plain file cannot exist
  s.load();
  EXPECT_FALSE(s.save());
}

namespace {
std::vector<std::string> add(IniFile& ini, const std::string& path, int max = 8) {
  Settings::addRecentFile(ini, path, max);
  std::vector<std::string> items;
  for (long long i = 0; i < ini.readInteger("RecentFiles", "Count", 0); ++i)
    items.push_back(ini.readString("RecentFiles", "Item" + std::to_string(i), ""));
  return items;
}
}  // namespace

TEST(RecentFiles, ListRules) {
  IniFile ini;
  EXPECT_EQ(add(ini, "a"), (std::vector<std::string>{"a"}));
  add(ini, "b");
  EXPECT_EQ(add(ini, "c"), (std::vector<std::string>{"a", "b", "c"}));
  // Re-opening Item0 of three moves it to Item2.
  EXPECT_EQ(add(ini, "a"), (std::vector<std::string>{"b", "c", "a"}));
  // The most recent again changes nothing.
  EXPECT_EQ(add(ini, "a"), (std::vector<std::string>{"b", "c", "a"}));
  // Full list: Item0 disappears, the new path is last.
  EXPECT_EQ(add(ini, "d", 3), (std::vector<std::string>{"c", "a", "d"}));
  // A list bounded to nothing stays empty; a damaged count does not explode.
  IniFile none;
  EXPECT_TRUE(add(none, "x", 0).empty());
  IniFile damaged;
  damaged.parse("[RecentFiles]\nCount=2147483647\n");
  EXPECT_NO_THROW(Settings::addRecentFile(damaged, "x", 8));
}

TEST(RecentFiles, KeptInTheFileAtOnceWithoutOtherPreferences) {
  TempDir dir;
  TempDir::writeFile(dir / "Options.ini", "[View]\nPaintGrid=0\n");
  Settings s(dir.path());
  s.load();
  s.options().paintGrid = true;  // not yet written: that waits for the exit
  s.addRecentFile("/data/a.tvx");
  s.addRecentFile("/data/b.tvx");
  IniFile onDisk;
  onDisk.load(dir / "Options.ini");
  EXPECT_EQ(onDisk.readInteger("RecentFiles", "Count", 0), 2);
  EXPECT_EQ(onDisk.readString("RecentFiles", "Item1", ""), "/data/b.tvx");
  EXPECT_FALSE(onDisk.readBool("View", "PaintGrid", true));
  EXPECT_EQ(s.recentFiles(), (std::vector<std::string>{"/data/a.tvx", "/data/b.tvx"}));
}

TEST(DataFolders, ProgramFolderFileIsReadOnceThenMoved) {
  TempDir program, documents;
  // Without a settings file beside the program the per-user folder is used.
  const auto perUser = DataFolder::determine(program.path(), documents.path());
  EXPECT_EQ(perUser, documents / "Velmora-VA");
  EXPECT_TRUE(std::filesystem::is_directory(perUser));

  TempDir::writeFile(program / "Options.ini", "[Port]\nName=COM7\n");
  const auto first = DataFolder::determine(program.path(), documents.path());
  EXPECT_EQ(first, program.path());
  Settings s(first);
  s.load();
  EXPECT_EQ(s.options().portName, "COM7");
  s.setDataFolder(DataFolder::moveToPerUserFolder(first, documents.path()));
  EXPECT_FALSE(std::filesystem::exists(program / "Options.ini"));
  ASSERT_TRUE(s.save());

  // The second run starts from the per-user folder.
  const auto second = DataFolder::determine(program.path(), documents.path());
  EXPECT_EQ(second, documents / "Velmora-VA");
  Settings s2(second);
  s2.load();
  EXPECT_EQ(s2.options().portName, "COM7");
  EXPECT_EQ(DataFolder::moveToPerUserFolder(second, documents.path()), second);
}
