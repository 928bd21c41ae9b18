// Private temporary folders: made fresh and for this user alone, with files
// created exclusively and never through a link another user planted.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "FormatError.h"
#include "PrivateFolder.h"
#include "ScopedEnv.h"
#include "TempDir.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

mode_t modeOf(const fs::path& p) {
  struct stat st {};
  EXPECT_EQ(::lstat(p.c_str(), &st), 0) << p;
  return st.st_mode & 07777;
}

TEST(PrivateFolderTest, FoldersAreFreshAndForThisUserAlone) {
  TempDir base;
  ::chmod(base.path().c_str(), 0777);
  const fs::path a = PrivateFolder::Create(base.path(), "velmora-");
  const fs::path b = PrivateFolder::Create(base.path(), "velmora-");
  EXPECT_NE(a, b);
  EXPECT_EQ(a.parent_path(), base.path());
  EXPECT_EQ(a.filename().string().rfind("velmora-", 0), 0u);
  EXPECT_EQ(a.filename().string().size(), 14u);
  EXPECT_EQ(modeOf(a), 0700u);
  EXPECT_TRUE(PrivateFolder::IsPrivate(a));
  // A folder others may enter, and a link to a private folder, are not private.
  ::chmod(b.c_str(), 0755);
  EXPECT_FALSE(PrivateFolder::IsPrivate(b));
  fs::create_directory_symlink(a, base / "link");
  EXPECT_FALSE(PrivateFolder::IsPrivate(base / "link"));
  EXPECT_THROW(PrivateFolder::Create(base / "missing", "x-"), EFormatError);
}

TEST(PrivateFolderTest, FilesAreCreatedExclusivelyAndNeverThroughALink) {
  TempDir base;
  const fs::path folder = PrivateFolder::Create(base.path(), "p-");
  const fs::path victim = base / "victim.txt";
  TempDir::writeFile(victim, "the victim's own bytes");

  // A planted link and an existing file are refused; the victim is untouched.
  fs::create_symlink(victim, folder / "planted.deb");
  EXPECT_THROW(PrivateFolder::CreateFile(folder / "planted.deb"), EFormatError);
  TempDir::writeFile(folder / "there.deb", "old");
  EXPECT_THROW(PrivateFolder::CreateFile(folder / "there.deb"), EFormatError);
  EXPECT_EQ(TempDir::readFile(victim), "the victim's own bytes");
  EXPECT_EQ(TempDir::readFile(folder / "there.deb"), "old");

  const int fd = PrivateFolder::CreateFile(folder / "new.deb");
  ASSERT_GE(fd, 0);
  EXPECT_EQ(::write(fd, "abc", 3), 3);
  ::close(fd);
  EXPECT_EQ(modeOf(folder / "new.deb"), 0600u);
  EXPECT_EQ(TempDir::readFile(folder / "new.deb"), "abc");

  // Unique files keep the stem and the ending, with a random part between.
  std::set<fs::path> names;
  for (int i = 0; i < 20; ++i) {
    const fs::path f = PrivateFolder::CreateUniqueFile(folder, "Zn Cd Pb", ".xlsx");
    EXPECT_EQ(f.parent_path(), folder);
    EXPECT_EQ(f.extension(), ".xlsx");
    EXPECT_EQ(f.filename().string().rfind("Zn Cd Pb-", 0), 0u);
    EXPECT_EQ(fs::file_size(f), 0u);
    names.insert(f);
  }
  EXPECT_EQ(names.size(), 20u);

  // Removing the folder removes the link, not what it points at.
  PrivateFolder::Remove(folder);
  EXPECT_FALSE(fs::exists(folder));
  EXPECT_EQ(TempDir::readFile(victim), "the victim's own bytes");
}

TEST(PrivateFolderTest, TheUserBaseIsTheRuntimeFolderOnlyWhenItIsPrivate) {
  TempDir runtime;
  TempDir tmp;
  test::ScopedEnv tmpdir("TMPDIR", tmp.path().string());
  {
    ::chmod(runtime.path().c_str(), 0700);
    test::ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path().string());
    EXPECT_EQ(PrivateFolder::UserBase(), runtime.path());
  }
  {
    // A runtime folder others may enter is passed over.
    ::chmod(runtime.path().c_str(), 0755);
    test::ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path().string());
    EXPECT_EQ(PrivateFolder::UserBase(), tmp.path());
  }
  {
    test::ScopedEnv xdg("XDG_RUNTIME_DIR", std::nullopt);
    EXPECT_EQ(PrivateFolder::UserBase(), tmp.path());
    test::ScopedEnv relative("TMPDIR", "relative/tmp");
    EXPECT_EQ(PrivateFolder::UserBase(), fs::path("/tmp"));
  }
}

}  // namespace
}  // namespace velmora
