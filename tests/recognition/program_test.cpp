#include "tests/common/TestFolder.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "companion/recognition/Bitmap.h"
#include "gamedata/WindowTitles.h"
#include "tableclient/render/SubViews.h"
#include "tests/recognition/PanelScenes.h"
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
  const std::filesystem::path file = scorlet::testing::TestFolder("read_table") / "table.bmp";
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

std::string SavedPanel(const Image& image, const std::string& name) {
  const std::filesystem::path file = scorlet::testing::TestRunRoot() / name;
  return WriteBitmap(file, testing::PanelOf(image)) ? file.string() : std::string{};
}

TEST(ScorletRead, ReadsTheSmallWindowsFromSavedCaptures) {
  table::LastTrickScene trick;
  trick.cards = {312, 110, 2, 214};
  trick.layoutSeed = 17;
  const std::string trickFile = SavedPanel(table::RenderLastTrick(trick), "lasttrick.bmp");
  ProgramRun run = ReadProgram("lasttrick " + trickFile);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "card 0 QS\ncard 1 TD\ncard 2 2C\ncard 3 AH\n");

  table::LastHandScene hand = testing::OrderedLastHand();
  hand.cells[2][5] = "(7H)";
  hand.names[3] = "";
  hand.language = LangItalian;
  hand.layoutSeed = 4;
  const std::string handFile = SavedPanel(table::RenderLastHand(hand), "lasthand.bmp");
  run = ReadProgram("lasthand " + handFile + " --language 5");
  EXPECT_EQ(run.status, 0);
  for (const char* line :
       {"name 0 alice\n", "name 3 -\n",
        "cards 0 [2C [3C [4C [5C [6C [7C [8C [9C [TC [JC [QC [KC [AC\n",
        "cards 2 2H 3H 4H 5H 6H (7H 8H 9H TH JH QH KH AH\n"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line << "in\n" << run.out;
  }
  // Read in another language row, the letters are not the cards.
  EXPECT_EQ(ReadProgram("lasthand " + handFile).out.find("cards 1 2D"), std::string::npos);

  table::ScoreScene score;
  score.rows = {{0, 0, 0, 0}, {-42, 3, 118, 10}};
  score.layoutSeed = 8;
  const Image scoreImage = table::RenderScore(score);
  run = ReadProgram("score " + SavedPanel(scoreImage, "score.bmp"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "row 1 0 0 0 0\nrow 2 -42 3 118 10\n");

  // A window too short, a blank one, a cut last trick: exit 1 with nothing claimed.
  run = ReadProgram("score " + SavedPanel(testing::Cropped(scoreImage, scoreImage.width,
                                                           scoreImage.height - 12),
                                          "short.bmp"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  const std::string blank = SavedPanel(Image(600, 150, Colors::White), "blank.bmp");
  EXPECT_EQ(ReadProgram("lasthand " + blank).status, 1);
  EXPECT_EQ(ReadProgram("score " + blank).status, 1);
  run = ReadProgram("lasttrick " + blank);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "card 0 -\ncard 1 -\ncard 2 -\ncard 3 -\n");
  EXPECT_EQ(ReadProgram("score no-such.bmp").status, 2);
  EXPECT_EQ(ReadProgram("lastscore " + blank).status, 2);
}

}  // namespace
}  // namespace scorlet::recognition

#endif
