#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "FileIo.h"
#include "FormatError.h"
#include "TempDir.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

mode_t ModeOf(const fs::path& file) {
  struct stat st {};
  EXPECT_EQ(::stat(file.c_str(), &st), 0);
  return st.st_mode & 07777;
}

std::vector<std::string> Entries(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Sets the process's file creation mask for one test.
class UmaskScope {
 public:
  explicit UmaskScope(mode_t mask) : old_(::umask(mask)) {}
  ~UmaskScope() { ::umask(old_); }

 private:
  mode_t old_;
};

}  // namespace

TEST(AtomicWrite, ReplacesTheFileAndKeepsItsPermissions) {
  test::TempDir dir;
  const fs::path file = dir / "doc.tvx";
  test::TempDir::writeFile(file, "the previous document");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  FileIo::writeAtomically(file, std::string("the new one"));
  EXPECT_EQ(test::TempDir::readFile(file), "the new one");
  EXPECT_EQ(ModeOf(file), 0640u);
  ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
  FileIo::writeAtomically(file, std::string());
  EXPECT_EQ(ModeOf(file), 0600u);
  EXPECT_EQ(test::TempDir::readFile(file), "");
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"doc.tvx"});

  // A new file gets what the creation mask allows, as any created file.
  UmaskScope mask(002);
  FileIo::writeAtomically(dir / "new.tvx", std::string("x"));
  EXPECT_EQ(ModeOf(dir / "new.tvx"), 0664u);
}

TEST(AtomicWrite, FailuresLeaveThePreviousFileAndNoTemporaryFile) {
  test::TempDir dir;
  // The target is a folder: the rename fails after the data is written.
  fs::create_directory(dir / "doc.tvx");
  test::TempDir::writeFile(dir / "doc.tvx" / "inner", "kept");
  EXPECT_THROW(FileIo::writeAtomically(dir / "doc.tvx", std::string(100000, 'x')), EFormatError);
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"doc.tvx"});
  EXPECT_EQ(test::TempDir::readFile(dir / "doc.tvx" / "inner"), "kept");
  try {
    FileIo::writeAtomically(dir / "missing" / "doc.tvx", std::string("x"));
    FAIL();
  } catch (const EFormatError& e) {
    EXPECT_NE(std::string(e.what()).find("doc.tvx"), std::string::npos);
  }
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"doc.tvx"});
}

TEST(AtomicWrite, NamesAsLongAsTheFolderAllowsCanBeSaved) {
  test::TempDir dir;
  // 125 Cyrillic letters and ".tvx": 254 bytes, one short of the limit.
  std::string name;
  for (int i = 0; i < 125; ++i) name += "\xD0\x96";
  name += ".tvx";
  ASSERT_EQ(name.size(), 254u);
  FileIo::writeAtomically(dir / name, std::string("first"));
  FileIo::writeAtomically(dir / name, std::string("second"));
  EXPECT_EQ(test::TempDir::readFile(dir / name), "second");
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{name});

  // The temporary name keeps whole characters of the file's name.
  fs::path temp;
  const int fd = FileIo::createTemporaryBeside(dir / ("a" + name.substr(0, 200)), temp);
  ASSERT_GE(fd, 0);
  ::close(fd);
  const std::string tempName = temp.filename().string();
  EXPECT_LE(tempName.size(), 64u);
  EXPECT_EQ(tempName.substr(0, 2), ".a");
  EXPECT_EQ(tempName.substr(tempName.size() - 4), ".tmp");
  // "a", then 19 two-byte letters: the 40-byte head ends before a split one.
  EXPECT_EQ(tempName.substr(1, 39), "a" + name.substr(0, 38));
  EXPECT_EQ(tempName[40], '.');
  EXPECT_TRUE(fs::is_regular_file(temp));
}
