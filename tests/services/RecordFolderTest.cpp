// The record folder: naming of data files, the index, moved folders and
// damaged indexes.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "ChildProcesses.h"
#include "FileIo.h"
#include "THeaderManager.h"
#include "TempDir.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

std::string Name(const std::string& path) { return fs::path(path).filename().string(); }

std::vector<std::uint8_t> Text(const std::string& text) { return {text.begin(), text.end()}; }

TEST(RecordFolderTest, DataFilesAreNumberedAndSkipNamesAlreadyTaken) {
  test::TempDir dir;
  {
    THeaderManager folder(dir / "Records");
    EXPECT_FALSE(fs::exists(dir / "Records")) << "opening leaves no trace";
    EXPECT_EQ(Name(folder.Add("a", {}, Text("a"))), "0");
    EXPECT_TRUE(fs::is_regular_file(dir / "Records" / "Header"));
    EXPECT_EQ(Name(folder.Add("b", {}, Text("b"))), "1");
    EXPECT_EQ(Name(folder.Add("c", {}, Text("c"))), "2");
  }
  test::TempDir other;
  THeaderManager folder(other.path());
  folder.Add("a", {}, Text("a"));
  test::TempDir::writeFile(other / "1", "taken");
  EXPECT_EQ(Name(folder.Add("b", {}, Text("b"))), "1_0");
  test::TempDir::writeFile(other / "2", "taken");
  test::TempDir::writeFile(other / "2_0", "taken");
  EXPECT_EQ(Name(folder.Add("c", {}, Text("c"))), "2_0_1");
  EXPECT_EQ(test::TempDir::readFile(other / "2"), "taken");
  // After a delete the count names an item still in use.
  test::TempDir third;
  THeaderManager fresh(third.path());
  fresh.Add("a", {}, Text("a"));
  fresh.Add("b", {}, Text("b"));
  fresh.Delete(fresh.Headers()[0].FileName);
  EXPECT_EQ(Name(fresh.Add("c", {}, Text("c"))), "1_0");
  EXPECT_EQ(test::TempDir::readFile(third / "1"), "b");
}

TEST(RecordFolderTest, IndexKeepsTitlesStampsAndDataAndAMovedFolderStillFindsItsFiles) {
  test::TempDir dir;
  int changes = 0;
  {
    THeaderManager folder(dir / "Calibrations");
    folder.OnChange = [&](THeaderManager&) { ++changes; };
    const std::vector<std::uint8_t> data = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    folder.Add("Pb", data, Text("lead"));
    folder.Add("Кадмий", {}, Text("cadmium"));
    EXPECT_TRUE(folder.Rename(folder.Headers()[1].FileName, "Cd"));
  }
  EXPECT_EQ(changes, 3);
  fs::rename(dir / "Calibrations", dir / "Moved");
  THeaderManager moved(dir / "Moved");
  ASSERT_EQ(moved.Headers().size(), 2u);
  EXPECT_EQ(moved.Headers()[0].Title, "Pb");
  EXPECT_EQ(moved.Headers()[0].Data.size(), 12u);
  EXPECT_EQ(moved.Headers()[1].Title, "Cd");
  EXPECT_TRUE(moved.Headers()[1].Data.empty());
  EXPECT_GT(moved.Headers()[0].Stamp, 40000.0);
  EXPECT_EQ(fs::path(moved.Headers()[0].FileName).parent_path(), dir / "Moved");
  EXPECT_EQ(test::TempDir::readFile(moved.Headers()[0].FileName), "lead");
  EXPECT_EQ(moved.List(moved.Headers()[0].Stamp).size(), 2u);
  EXPECT_TRUE(moved.List(moved.Headers()[0].Stamp - 1.0).empty());

  moved.Delete(moved.Headers()[0].FileName);
  EXPECT_FALSE(fs::exists(dir / "Moved" / "0"));
  THeaderManager again(dir / "Moved");
  ASSERT_EQ(again.Headers().size(), 1u);
  EXPECT_EQ(again.Headers()[0].Title, "Cd");
}

TEST(RecordFolderTest, ForeignAndDamagedIndexesLoseNoItem) {
  test::TempDir dir;
  // A foreign file: an empty folder, nothing reported.
  test::TempDir::writeFile(dir / "Header", "\x08TVXMv100 not an index");
  {
    THeaderManager folder(dir.path());
    EXPECT_TRUE(folder.Headers().empty());
    EXPECT_EQ(*folder.TakeIndexProblem().text, '\0');
  }
  fs::remove(dir / "Header");
  {
    THeaderManager folder(dir.path());
    for (const char* title : {"Zn", "Cd", "Pb"}) folder.Add(title, {}, Text(title));
  }
  // Cut the index inside the third header's blocks.
  auto bytes = FileIo::readAll(dir / "Header");
  const std::vector<std::uint8_t> whole = bytes;
  bytes.resize(bytes.size() - 300);
  FileIo::writeAtomically(dir / "Header", bytes);

  THeaderManager folder(dir.path());
  ASSERT_EQ(folder.Headers().size(), 2u);
  const Message problem = folder.TakeIndexProblem();
  EXPECT_NE(std::string(problem.text).find("damaged"), std::string::npos);
  EXPECT_NE(problem.format().find((dir / "Header").string()), std::string::npos);
  EXPECT_EQ(*folder.TakeIndexProblem().text, '\0') << "reported once";
  const auto orphans = folder.Orphans();
  ASSERT_EQ(orphans.size(), 1u);
  EXPECT_EQ(Name(orphans[0]), "2");
  EXPECT_TRUE(folder.Adopt("Pb", orphans[0], 0.0));
  EXPECT_FALSE(folder.Adopt("Pb", orphans[0], 0.0)) << "listed once";
  EXPECT_EQ(FileIo::readAll(dir / "Header.damaged"), bytes) << "the damaged index is kept aside";
  THeaderManager mended(dir.path());
  ASSERT_EQ(mended.Headers().size(), 3u);
  EXPECT_EQ(mended.Headers()[2].Title, "Pb");
  EXPECT_FALSE(mended.IndexDamaged());

  // A hostile size in a block is an error at that block, never an allocation.
  std::vector<std::uint8_t> hostile(whole.begin(), whole.begin() + 9);
  for (std::uint8_t b : {1, 0, 0, 0, 0xff, 0xff, 0xff, 0x7f}) hostile.push_back(b);
  std::vector<TBaseHeader> headers;
  std::string damage;
  EXPECT_TRUE(THeaderManager::ReadIndex(hostile, dir.path(), headers, damage));
  EXPECT_TRUE(headers.empty());
  EXPECT_FALSE(damage.empty());
}

TEST(RecordFolderTest, LoadAllReportsAMissingDataFileOnceAndReadsTheOthers) {
  test::TempDir dir;
  THeaderManager folder(dir.path());
  for (const char* title : {"one", "two", "three"}) folder.Add(title, {}, Text(title));
  fs::remove(folder.Headers()[1].FileName);
  std::vector<std::string> read;
  std::vector<Message> problems;
  folder.LoadAll(
      [&](const TBaseHeader& h, const std::vector<std::uint8_t>& bytes) {
        read.push_back(h.Title + "=" + std::string(bytes.begin(), bytes.end()));
      },
      problems);
  EXPECT_EQ(read, (std::vector<std::string>{"one=one", "three=three"}));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].format().find(folder.Headers()[1].FileName), std::string::npos);
}

// The workstation keeps its record folders open all day while the command
// line (or a second workstation) saves into them.
TEST(RecordFolderTest, EveryChangeStartsFromTheIndexOnDisk) {
  test::TempDir dir;
  std::string cliItem;
  {
    THeaderManager window(dir.path());
    THeaderManager cli(dir.path());
    cliItem = cli.Add("from the command line", {}, Text("cli"));
    window.Add("from the window", {}, Text("window"));
    ASSERT_EQ(window.Headers().size(), 2u);
    EXPECT_NE(window.Headers()[0].FileName, window.Headers()[1].FileName);
    cli.Add("late", {}, Text("late"));
    // The window removes an item the other program made.
    window.Delete(cliItem);
    EXPECT_EQ(window.Headers().size(), 2u);
    EXPECT_FALSE(fs::exists(cliItem));
    EXPECT_EQ(cli.Headers().size(), 3u) << "a handle shows what it read last";
    cli.Reload();
    EXPECT_EQ(cli.Headers().size(), 2u);
  }
  // Closing either handle wrote nothing back.
  THeaderManager fresh(dir.path());
  std::vector<std::string> titles;
  for (const TBaseHeader& h : fresh.Headers()) titles.push_back(h.Title + "=" + test::TempDir::readFile(h.FileName));
  EXPECT_EQ(titles, (std::vector<std::string>{"from the window=window", "late=late"}));
}

TEST(RecordFolderTest, ProcessesAddingAtOnceLoseNoItem) {
  test::TempDir dir;
  constexpr int kProcesses = 8;
  constexpr int kItems = 10;
  const std::vector<int> statuses = test::RunTogether(kProcesses, [&](int p) {
    THeaderManager folder(dir / "Calibrations");
    for (int i = 0; i < kItems; ++i) {
      const std::string title = std::to_string(p) + "/" + std::to_string(i);
      folder.Add(title, {}, Text(title));
    }
    return 0;
  });
  EXPECT_EQ(statuses, std::vector<int>(kProcesses, 0));
  THeaderManager folder(dir / "Calibrations");
  ASSERT_EQ(folder.Headers().size(), std::size_t{kProcesses * kItems});
  std::set<std::string> titles;
  for (const TBaseHeader& h : folder.Headers()) {
    EXPECT_EQ(test::TempDir::readFile(h.FileName), h.Title) << "each item keeps its own data file";
    titles.insert(h.Title);
  }
  EXPECT_EQ(titles.size(), std::size_t{kProcesses * kItems});
}

}  // namespace
