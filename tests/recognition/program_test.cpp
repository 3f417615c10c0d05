#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "companion/recognition/Bitmap.h"
#include "tests/recognition/Drawing.h"

#ifdef SCORLET_READ_PROGRAM

namespace scorlet::recognition {
namespace {

using testing::DrawText;

struct ProgramRun {
  std::string out;
  int status = -1;
};

ProgramRun ReadProgram(const std::string& arguments) {
  ProgramRun run;
  run.out = testing::RunReadProgram(arguments, run.status);
  return run;
}

TEST(ScorletRead, ReadsASavedTable) {
  TableCapture picture = testing::TableWithFrame();
  DrawText(picture, 345, 400, "Bid:4");
  DrawText(picture, 230, 400, "Tricks:2");
  DrawText(picture, 230, 425, "Bid:N");
  DrawText(picture, 20, 100, "LastTrick");
  DrawText(picture, 420, 470, "alice");
  DrawText(picture, 470, 470, "1523");
  const std::filesystem::path file = std::filesystem::current_path() / "table.bmp";
  ASSERT_TRUE(WriteBitmap(file, picture));
  const ProgramRun run = ReadProgram("table " + file.string());
  EXPECT_EQ(run.status, 0);
  for (const char* line : {"box 215 296 450 445\n", "turn no\n", "waiting no\n", "ok no\n",
                           "bid 0 4\n", "bid 1 N\n", "bid 2 -\n", "tricks 0 2\n", "tricks 1 -\n",
                           "button LastTrick 58 104\n", "player alice,1523\n"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line << "in\n" << run.out;
  }

  ASSERT_TRUE(WriteBitmap(file, MakeTableCapture(615, 560, testing::Felt)));
  EXPECT_EQ(ReadProgram("table " + file.string()).out, "box none\n");
  EXPECT_EQ(ReadProgram("table " + file.string()).status, 1);
  EXPECT_EQ(ReadProgram("table no-such.bmp").status, 2);
  EXPECT_EQ(ReadProgram("table " + file.string() + " --language 99").status, 2);
}

}  // namespace
}  // namespace scorlet::recognition

#endif
