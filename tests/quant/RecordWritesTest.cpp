// What a record folder holds after a save or a delete that failed or was
// cut short: a data file is complete before the index lists it, an index
// never names a file that is gone, and a change that could not be written
// is reported, never taken for done.
#include <gtest/gtest.h>

#include <filesystem>

#include "ChildProcesses.h"
#include "FormatError.h"
#include "THeaderManager.h"
#include "TStatDB.h"
#include "TempDir.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

// About 1.3 kB as a data file; the index entry of a record takes about 0.5 kB.
TMethodStat Record(const std::string& name) {
  TMethodStat s;
  s.Name = name;
  s.ResTop = 4;
  s.ResBottom = 2;
  s.Elements.push_back({"Pb", {{1.0, 5.0, 0.28, 0.39, 40}, {5.0, 10.0, 0.22, 0.31, 30}, {10.0, 500.0, 0.15, 0.2, 25}}});
  s.Elements.push_back({"Cd", {{0.2, 100.0, 0.3, 0.42, 45}}});
  s.Elements.push_back({"Cu", {}});
  return s;
}

std::vector<std::string> Names(const TStatDB& db) {
  std::vector<std::string> names;
  for (const TMethodStat& r : db.Records()) names.push_back(r.Name);
  return names;
}

// The data files in the folder (names made of digits and "_").
int DataFiles(const fs::path& folder) {
  int n = 0;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().find_first_not_of("0123456789_") == std::string::npos) ++n;
  return n;
}

class RecordWritesTest : public ::testing::Test {
 protected:
  fs::path folder() const { return dir / TStatDB::kFolderName; }
  void SaveThree() {
    TStatDB db(folder());
    for (const char* name : {"one", "two", "three"}) db.AddAndSave(Record(name));
  }
  // The records a fresh start sees, and the problems it reports.
  std::vector<std::string> Reopened(std::size_t& problems) const {
    TStatDB db(folder());
    problems = db.LoadAll().size();
    return Names(db);
  }
  test::TempDir dir;
};

TEST_F(RecordWritesTest, APowerCutWhileTheDataFileIsWrittenLeavesNoHeaderWithoutItsFile) {
  SaveThree();
  // The program dies in the middle of the new record's data file.
  const int status = test::RunInChild([&] {
    TStatDB db(folder());
    // About 5.7 kB of data file against 2.2 kB of index.
    TMethodStat big = Record("cut short");
    big.Elements.push_back({"Zn", std::vector<TStatRange>(100, TStatRange{1.0, 2.0, 0.1, 0.2, 10})});
    test::FileSizeLimit limit(3000, /*crash=*/true);
    db.AddAndSave(big);
    return 0;
  });
  EXPECT_EQ(status, 128 + SIGXFSZ);
  std::size_t problems = 0;
  EXPECT_EQ(Reopened(problems), (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(problems, 0u) << "no listed record lost its file";
}

TEST_F(RecordWritesTest, AnIndexThatCannotBeWrittenFailsTheSaveAndLeavesNoFile) {
  SaveThree();
  TStatDB db(folder());
  db.LoadAll();
  TMethodStat small;
  small.Name = "small";
  bool thrown = false;
  {
    // Room for the small data file, not for the longer index.
    test::FileSizeLimit limit(1700);
    try {
      db.AddAndSave(small);
    } catch (const EFormatError&) {
      thrown = true;
    }
  }
  EXPECT_TRUE(thrown) << "a record the index does not list is not saved";
  EXPECT_EQ(Names(db), (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(DataFiles(folder()), 3);
  std::size_t problems = 0;
  EXPECT_EQ(Reopened(problems), (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(problems, 0u);
}

TEST_F(RecordWritesTest, ADeleteThatCannotWriteTheIndexKeepsTheRecordAndItsFile) {
  SaveThree();
  TStatDB db(folder());
  db.LoadAll();
  const std::string file = db.Records().front().FileName;
  bool thrown = false;
  {
    test::FileSizeLimit limit(100);
    try {
      db.Delete(0);
    } catch (const EFormatError&) {
      thrown = true;
    }
  }
  EXPECT_TRUE(thrown);
  EXPECT_TRUE(fs::exists(file));
  EXPECT_EQ(Names(db), (std::vector<std::string>{"one", "two", "three"}));
  std::size_t problems = 0;
  EXPECT_EQ(Reopened(problems), (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(problems, 0u);

  // With room again the delete goes through: header first, then the file.
  db.Delete(0);
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(Reopened(problems), (std::vector<std::string>{"two", "three"}));
  EXPECT_EQ(problems, 0u);
}

}  // namespace
