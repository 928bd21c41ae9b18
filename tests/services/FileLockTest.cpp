// The advisory lock every writer of a shared folder takes.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "ChildProcesses.h"
#include "FileLock.h"
#include "FormatError.h"
#include "TempDir.h"

using namespace velmora;

namespace {

TEST(FileLockTest, OneHolderAtATimeAcrossProcessesAndHandles) {
  test::TempDir dir;
  const auto path = dir / "Header.lock";
  std::optional<FileLock> held = FileLock::TryLock(path);
  ASSERT_TRUE(held.has_value());
  // Another process finds it taken; so does another handle of this one.
  EXPECT_EQ(test::RunInChild([&] { return FileLock::TryLock(path) ? 0 : 1; }), 1);
  EXPECT_FALSE(FileLock::TryLock(path).has_value());
  try {
    FileLock waiting(path, std::chrono::milliseconds(20));
    ADD_FAILURE() << "the lock is held";
  } catch (const EFormatError& e) {
    EXPECT_NE(std::string(e.what()).find("is in use by another program"), std::string::npos) << e.what();
  }
  // Moved, it is still held; released, it is free for everyone.
  FileLock moved = std::move(*held);
  EXPECT_TRUE(moved.Held());
  EXPECT_FALSE(FileLock::TryLock(path).has_value());
  moved.Release();
  EXPECT_EQ(test::RunInChild([&] { return FileLock::TryLock(path) ? 0 : 1; }), 0);
  FileLock again(path);
  EXPECT_TRUE(again.Held());
  // A folder where no lock file can be made says so.
  EXPECT_THROW(FileLock(dir / "missing" / "x.lock"), EFormatError);
}

}  // namespace
