#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
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
  const std::string command = std::string(SCORLET_READ_PROGRAM) + " " + arguments + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) run.out += buffer;
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
