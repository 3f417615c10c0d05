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
constexpr auto Taken = FolderLock::Status::Taken;
constexpr auto Busy = FolderLock::Status::Busy;

TEST(FolderLockTest, OneHolderAtATimeEvenInOneProcess) {
  const fs::path folder = TestFolder("folder_lock_two");
  FolderLock first;
  FolderLock second;
  ASSERT_EQ(first.acquire(folder, "Prog.lck"), Taken);
  EXPECT_EQ(first.acquire(folder, "Prog.lck"), Taken) << "taking a held lock again";
  EXPECT_EQ(second.acquire(folder, "Prog.lck"), Busy);
  EXPECT_FALSE(second.held());
  EXPECT_EQ(second.acquire(folder, "Other.lck"), Taken) << "another program's lock is free";
  second.release();

  FolderLock moved = std::move(first);
  EXPECT_FALSE(first.held());
  EXPECT_EQ(second.acquire(folder, "Prog.lck"), Busy) << "the lock moves with its holder";
  moved.release();
  EXPECT_EQ(second.acquire(folder, "Prog.lck"), Taken);
}

TEST(FolderLockTest, AFileLeftBehindDoesNotBlockAndAMissingFolderIsNoOtherHolder) {
  const fs::path folder = TestFolder("folder_lock_stale");
  WriteBytes(folder / "Prog.lck", "left by a run that crashed");
  FolderLock lock;
  EXPECT_EQ(lock.acquire(folder, "Prog.lck"), Taken);
  FolderLock elsewhere;
  EXPECT_EQ(elsewhere.acquire(folder / "missing", "Prog.lck"), FolderLock::Status::Failed);
  EXPECT_FALSE(elsewhere.held());
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
  EXPECT_FALSE(two.startProgram("Prog", (folder / "missing").string())->previousInstance("Prog"))
      << "where no lock file can be made there is no other copy to find";
  EXPECT_FALSE(plain.startProgram("Prog", folder.string())->previousInstance("Prog"));
  running.reset();
  EXPECT_FALSE(two.startProgram("Prog", folder.string())->previousInstance("Prog"));
}

}  // namespace
}  // namespace scorlet
