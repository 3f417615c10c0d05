// The lock file a program holds in its folder for the run.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FolderLock.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"
#include "tests/common/TestFolder.h"

namespace scorlet {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;
using testing::WriteBytes;

TEST(FolderLockTest, OneHolderAtATimeEvenInOneProcess) {
  const fs::path folder = TestFolder("folder_lock_two");
  FolderLock first;
  FolderLock second;
  ASSERT_TRUE(first.acquire(folder, "Prog.lck"));
  EXPECT_TRUE(first.acquire(folder, "Prog.lck")) << "taking a held lock again";
  EXPECT_FALSE(second.acquire(folder, "Prog.lck"));
  EXPECT_FALSE(second.held());
  EXPECT_TRUE(second.acquire(folder, "Other.lck")) << "another program's lock is free";
  second.release();

  FolderLock moved = std::move(first);
  EXPECT_FALSE(first.held());
  EXPECT_FALSE(second.acquire(folder, "Prog.lck")) << "the lock moves with its holder";
  moved.release();
  EXPECT_TRUE(second.acquire(folder, "Prog.lck"));
}

TEST(FolderLockTest, AFileLeftBehindDoesNotBlockAndAMissingFolderFails) {
  const fs::path folder = TestFolder("folder_lock_stale");
  WriteBytes(folder / "Prog.lck", "left by a run that crashed");
  FolderLock lock;
  EXPECT_TRUE(lock.acquire(folder, "Prog.lck"));
  FolderLock elsewhere;
  EXPECT_FALSE(elsewhere.acquire(folder / "missing", "Prog.lck"));
}

TEST(FolderLockTest, VirtualProgramsTakeTheLockOnlyWhenTheDesktopSaysSo) {
  const fs::path folder = TestFolder("folder_lock_desktop");
  const fs::path other = TestFolder("folder_lock_desktop_other");
  VirtualDesktopConfig locking;
  locking.folderLocks = true;
  VirtualDesktop one(locking);
  VirtualDesktop two(locking);
  VirtualDesktop plain;
  auto running = one.startProgram("Prog", folder.string());
  EXPECT_FALSE(running->previousInstance("Prog"));
  EXPECT_TRUE(two.startProgram("Prog", folder.string())->previousInstance("Prog"));
  EXPECT_FALSE(two.startProgram("Prog", other.string())->previousInstance("Prog"));
  EXPECT_FALSE(plain.startProgram("Prog", folder.string())->previousInstance("Prog"));
  running.reset();
  EXPECT_FALSE(two.startProgram("Prog", folder.string())->previousInstance("Prog"));
}

}  // namespace
}  // namespace scorlet
