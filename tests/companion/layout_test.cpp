// The window-position file, the main window minimised with the table, the score button and the
// stop-mode look.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/CodePage.h"
#include "companion/main/Layout.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

using testing::Harness;
using testing::ReadAll;

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Lines(const std::filesystem::path& path) {
  return ReadTextFile(path, CodePage::Western).lines;
}

// A position file of the given screen width; the table at (30, 40).
std::string PositionFile(int width, const std::string& mainLine = "600 10 560") {
  return std::to_string(width) + " PC Screen Width\r\n" + mainLine +
         " Scorlet Window\r\n"
         "30 40 Spades Window\r\n"
         "700 40 Score Window\r\n"
         "1200 -40 Last Hand Window\r\n"
         "0 0 Last Trick Window\r\n"
         "650 25 Card Play Window\r\n"
         "120 330 Left Counter\r\n"
         "510 410 Right Counter\r\n";
}

TEST(PositionFileTest, ParsesOnlyFilesOfNumbersAndLabels) {
  const auto lines = [](const std::string& text) { return DecodeTextLines(text, CodePage::Western); };
  EXPECT_TRUE(LooksLikePositionFile(lines(PositionFile(1280))));
  EXPECT_TRUE(LooksLikePositionFile(lines("1024 PC Screen Width\r\n300 5 1 Scorlet Window\r\n\r\n")));
  EXPECT_TRUE(LooksLikePositionFile(lines("1024,PC Screen Width\r\n-5,7\r\n")));
  EXPECT_FALSE(LooksLikePositionFile(lines("CFG=ScorletS.cfg\r\nlog=events.log\r\n")));
  EXPECT_FALSE(LooksLikePositionFile(lines("1024\r\n300 Scorlet Window\r\n")));  // one number
  EXPECT_FALSE(LooksLikePositionFile(lines("1024\r\n\r\n300 5\r\n")));  // a gap
  EXPECT_FALSE(LooksLikePositionFile(lines(PositionFile(1280) + "1 2 More\r\n")));  // ten lines
  EXPECT_FALSE(LooksLikePositionFile(lines("")));
}

TEST(PositionFileTest, PositionsAreClampedOnReadingAndOnWriting) {
  EXPECT_EQ(ClampReadPosition({1200, -40}), (WindowPos{0, -15}));
  EXPECT_EQ(ClampWrittenPosition({1200, -40}), (WindowPos{0, -10}));
  EXPECT_EQ(ClampReadPosition({-11, 1001}), (WindowPos{-10, 0}));
  EXPECT_EQ(ClampReadPosition({1000, 1000}), (WindowPos{1000, 1000}));
  EXPECT_EQ(ClampWrittenPosition({-10, -12}), (WindowPos{-10, -10}));
}

TEST(LayoutTest, PositionsAreReadAndTheMainWindowKeptOnTheScreen) {
  VirtualDesktopConfig config;
  config.screen = {1024, 768};
  Harness h("PosRead", config);
  h.WriteIni("CFG=ScorletS.pos\r\n");
  WriteFile(h.folder / "ScorletS.pos", PositionFile(1024, "900 10 560"));
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  const Rect main = app.frmZ.form->bounds();
  EXPECT_EQ(main.left, 1024 - main.width());  // would pass the right edge
  EXPECT_EQ(main.top, 10);
  EXPECT_EQ(main.height(), app.system.mainHeight);
  const auto& saved = app.game.SavedPositions;
  EXPECT_EQ(saved[KindTable], (WindowPos{30, 40}));
  EXPECT_EQ(saved[KindScore], (WindowPos{700, 40}));
  EXPECT_EQ(saved[KindLastHand], (WindowPos{0, -15}));
  EXPECT_EQ(saved[KindLastTrick], (WindowPos{0, 0}));
  EXPECT_EQ(saved[PlaceCardPlay], (WindowPos{650, 25}));
  EXPECT_EQ(saved[PlaceLeftCounter], (WindowPos{120, 330}));
  EXPECT_EQ(saved[PlaceRightCounter], (WindowPos{510, 410}));

  // A main-window height of 0 gives the default height; positions the file does not hold keep
  // the built-in ones.
  Harness g("PosHeight", config);
  g.WriteIni("CFG=ScorletS.pos\r\n");
  WriteFile(g.folder / "ScorletS.pos", "1024 PC Screen Width\r\n-20 700 0 Scorlet Window\r\n");
  ASSERT_TRUE(g.Start());
  const Rect fallback = g.app().frmZ.form->bounds();
  EXPECT_EQ(fallback.height(), DefaultMainHeight);
  EXPECT_EQ(fallback.left, 1024 - fallback.width());
  EXPECT_EQ(fallback.top, 0);  // 700 + 580 would pass the bottom edge
  EXPECT_EQ(g.app().game.SavedPositions[PlaceCardPlay], (WindowPos{644, 20}));
}

TEST(LayoutTest, AFileOfAnotherScreenWidthIsDeleted) {
  Harness h("PosOtherScreen");
  h.WriteIni("CFG=ScorletS.pos\r\n");
  WriteFile(h.folder / "ScorletS.pos", PositionFile(1024));
  ASSERT_TRUE(h.Start());
  EXPECT_FALSE(std::filesystem::exists(h.folder / "ScorletS.pos"));
  const auto& saved = h.app().game.SavedPositions;
  EXPECT_EQ(saved[PlaceCardPlay], (WindowPos{644, 20}));  // the built-in places, not the file's
  EXPECT_EQ(saved[KindTable], (WindowPos{}));
}

TEST(LayoutTest, ACfgNamingAnotherFileNeverDestroysIt) {
  Harness h("PosForeign");
  const std::string ini = "CFG=ScorletS.INI\r\nAutoCapt Bid=yes\r\n";
  h.WriteIni(ini);
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(h.app().game.SavedPositions[PlaceCardPlay], (WindowPos{644, 20}));
  EXPECT_FALSE(SaveWindowPositions(h.app()));
  h.program->clickControl("frmZ", "cmdEnd");
  EXPECT_EQ(ReadAll(h.folder / "ScorletS.INI"), ini);

  // Also a file that only begins like one: a number on its first line, then text.
  Harness g("PosForeign2");
  g.WriteIni("CFG=Notes.txt\r\n");
  const std::string notes = "1280 reasons\r\nto keep this\r\n";
  WriteFile(g.folder / "Notes.txt", notes);
  ASSERT_TRUE(g.Start());
  EXPECT_FALSE(SaveWindowPositions(g.app()));
  EXPECT_EQ(ReadAll(g.folder / "Notes.txt"), notes);
}

TEST(LayoutTest, PositionsAreWrittenBackAtTheEnd) {
  Harness h("PosWrite");
  h.WriteIni("CFG=ScorletS.pos\r\n");
  WriteFile(h.folder / "ScorletS.pos", PositionFile(1280));
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  // The table was not open in this run; the score window moved; the last-trick window is
  // minimised; the card-play window stands far out.
  app.game.WindowRects[KindScore] = {710, 50, 910, 250};
  app.game.WindowRects[KindLastTrick] = {MinimizedPosition, MinimizedPosition,
                                         MinimizedPosition + 160, MinimizedPosition + 24};
  app.game.WindowRects[PlaceCardPlay] = {1200, -40, 1400, 100};
  const Rect main = app.frmZ.form->bounds();

  h.program->clickControl("frmZ", "cmdEnd");
  const auto lines = Lines(h.folder / "ScorletS.pos");
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_TRUE(LooksLikePositionFile(lines));
  EXPECT_EQ(lines[0], "1280  PC Screen Width");
  EXPECT_EQ(lines[1], std::to_string(main.left) + " " + std::to_string(main.top) + " " +
                          std::to_string(main.height()) + "  Scorlet Window");
  EXPECT_EQ(lines[2], "30 40  Spades Window");
  EXPECT_EQ(lines[3], "710 50  Score Window");
  EXPECT_EQ(lines[4], "0 -10  Last Hand Window");  // old (1200, -40) clamped again
  EXPECT_EQ(lines[5], "0 0  Last Trick Window");
  EXPECT_EQ(lines[6], "0 -10  Card Play Window");
  EXPECT_EQ(lines[8], "510 410  Right Counter");
  // Replaced as a whole: nothing but the file and the program's own are left in the folder.
  for (const auto& entry : std::filesystem::directory_iterator(h.folder)) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "ScorletS.pos" || name == "ScorletS.INI" || name == "Work") << name;
  }
}

TEST(LayoutTest, WithoutAFileOneIsWrittenOnAnyScreen) {
  VirtualDesktopConfig config;
  config.screen = {800, 600};
  Harness h("PosNew", config);
  h.WriteIni("CFG=ScorletS.pos\r\n");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  Form& form = *app.frmZ.form;
  // On a narrow screen a main window standing left is saved flush with the right edge.
  form.setBounds(form.bounds().movedTo(100, 20));
  const Rect main = form.bounds();
  ASSERT_TRUE(SaveWindowPositions(app));
  const auto lines = Lines(h.folder / "ScorletS.pos");
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "800  PC Screen Width");
  EXPECT_EQ(lines[1].substr(0, lines[1].find(' ')), std::to_string(100 + 800 - main.right));
  EXPECT_EQ(lines[6], "0 0  Card Play Window");
}

TEST(LayoutTest, MinimisingTheProgramMinimisesTheTable) {
  Harness h("Resize");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  h.GoOnline();
  Rect r;
  app.frmZ.form->setWindowState(WindowState::Minimized);
  EXPECT_EQ(app.loop.busy.MainMinimised, 1);
  h.program->windowRect(h.table, r);
  EXPECT_EQ(r.left, MinimizedPosition);
  app.frmZ.form->setWindowState(WindowState::Normal);
  EXPECT_EQ(app.loop.busy.MainMinimised, 0);
  h.program->windowRect(h.table, r);
  EXPECT_EQ(r, (Rect{0, 0, 615, 700}));
}

TEST(LayoutTest, ScoreButtonShowsAndHidesTheGameScoreWindow) {
  Harness h("ScoreButton");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  const WindowHandle score = h.desktop.createWindow({"Spades Score", {700, 400, 900, 600}});
  h.GoOnline();
  ASSERT_EQ(app.game.handle(KindScore), score);
  Button& button = *app.frmZ.cmdScore;
  button.setCaption("Show Score");
  Rect r;

  h.program->clickControl("frmZ", "cmdScore");
  EXPECT_EQ(button.caption(), "Hide Score");
  EXPECT_TRUE(app.settings.topMostScoreWindow);

  h.program->clickControl("frmZ", "cmdScore");
  EXPECT_EQ(button.caption(), "Show Score");
  EXPECT_FALSE(app.settings.topMostScoreWindow);
  h.program->windowRect(score, r);
  EXPECT_EQ(r.left, MinimizedPosition);

  h.program->clickControl("frmZ", "cmdScore");
  h.program->windowRect(score, r);
  EXPECT_EQ(r.left, 700);
}

TEST(LayoutTest, StopModeLeavesOnlyTheEndButton) {
  Harness h("UnVisible");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  UnVisibleAll(app);
  for (const auto& control : app.frmZ.form->controls())
    EXPECT_EQ(control->visible(), control.get() == app.frmZ.cmdEnd) << control->name();
  for (const auto& menu : app.frmZ.form->menus()) EXPECT_FALSE(menu->visible()) << menu->name();
  EXPECT_TRUE(app.frmZ.Timer1 != nullptr);
}

}  // namespace
}  // namespace scorlet::companion
