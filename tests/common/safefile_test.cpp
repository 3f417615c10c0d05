#include "common/SafeFile.h"

#include <fstream>
#include <system_error>

#include <gtest/gtest.h>

#include "tests/common/TestFolder.h"

namespace scorlet {
namespace {

namespace fs = std::filesystem;

fs::path TestFolder(const std::string& name) { return testing::TestFolder("safefile/" + name); }

std::string Contents(const fs::path& path) { return testing::ReadBytes(path); }

std::size_t EntryCount(const fs::path& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++count;
  return count;
}

TEST(SafeFile, ReplacesTheOldContentsAndLeavesNoTemporaryFile) {
  fs::path folder = TestFolder("replace");
  fs::path target = folder / "Alert.TXT";
  ASSERT_TRUE(ReplaceFileSafely(target, "first\r\n"));
  ASSERT_TRUE(ReplaceFileSafely(target, "second"));
  EXPECT_EQ(Contents(target), "second");
  ASSERT_TRUE(ReplaceFileSafely(target, ""));
  EXPECT_EQ(Contents(target), "");
  EXPECT_EQ(EntryCount(folder), 1u);
}

TEST(SafeFile, ALeftoverTemporaryNameIsNotReused) {
  fs::path folder = TestFolder("leftover");
  fs::path target = folder / "x.spd";
  std::ofstream(folder / "~scorlet0.tmp") << "from a crash";
  ASSERT_TRUE(ReplaceFileSafely(target, "new"));
  EXPECT_EQ(Contents(target), "new");
  EXPECT_EQ(Contents(folder / "~scorlet0.tmp"), "from a crash");
}

TEST(SafeFile, StaleTemporaryFilesNeverStopWritingAndAreClearedAtStart) {
  fs::path folder = TestFolder("stale");
  // Far more leftovers than names were ever tried, in the old pattern and in the new one.
  for (int n = 0; n < 1500; ++n) std::ofstream(folder / ("~scorlet" + std::to_string(n) + ".tmp"));
  std::ofstream(folder / "~scorlet99999_0.tmp");
  std::ofstream(folder / "keep.tmp") << "not ours";
  std::string why;
  ASSERT_TRUE(ReplaceFileSafely(folder / "page.htm", "whole", why));
  EXPECT_EQ(Contents(folder / "page.htm"), "whole");
  EXPECT_EQ(RemoveStaleTempFiles(folder), 1501);
  EXPECT_EQ(EntryCount(folder), 2u);  // page.htm and keep.tmp
}

TEST(SafeFile, AFailedWriteSaysWhyAndLeavesEverythingAsItWas) {
  fs::path folder = TestFolder("fail");
  std::string why;
  // The folder of the target does not exist.
  EXPECT_FALSE(ReplaceFileSafely(folder / "missing" / "a.txt", "data", why));
  EXPECT_EQ(why, std::make_error_code(std::errc::no_such_file_or_directory).message());
  EXPECT_FALSE(ReplaceFileSafely(fs::path(), "data"));
  // The target is a folder: the new copy is written, but the rename over the folder fails.
  fs::create_directory(folder / "Work");
  std::ofstream(folder / "Work" / "keep.spd") << "kept";
  why.clear();
  EXPECT_FALSE(ReplaceFileSafely(folder / "Work", "data", why));
  EXPECT_FALSE(why.empty());
  EXPECT_TRUE(fs::is_directory(folder / "Work"));
  EXPECT_EQ(Contents(folder / "Work" / "keep.spd"), "kept");
  EXPECT_EQ(EntryCount(folder), 1u);  // no temporary file left behind
}

TEST(SafeFile, ANameNearTheLengthLimitCanBeReplaced) {
  fs::path folder = TestFolder("long");
  fs::path target = folder / (std::string(250, 'h') + ".TXT");
  std::ofstream(target) << "old history";
  EXPECT_TRUE(ReplaceFileSafely(target, "new history"));
  EXPECT_EQ(Contents(target), "new history");
  EXPECT_EQ(EntryCount(folder), 1u);
}

}  // namespace
}  // namespace scorlet
