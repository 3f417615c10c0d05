// Whole sessions at the substitute table on the virtual desktop: the companion records every
// deal from what it reads on the screen, and every work file it writes must equal the table's
// own record of that deal byte for byte, the count recorded equal to the count played.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

#include "common/CodePage.h"
#include "common/WorkFiles.h"
#include "companion/recognition/LastHand.h"
#include "companion/main/MainLoop.h"
#include "companion/main/Program.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"
#include "tableclient/engine/Truth.h"
#include "tableclient/window/TableClient.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

namespace fs = std::filesystem;

enum class StepForm { Cards, Counting, LastHandOnly };

struct Session {
  std::string name;
  std::uint32_t seed = 1;
  int deals = 40;
  int userSeat = 2;
  int language = 1;
  std::uint32_t layoutSeed = 0;
  StepForm form = StepForm::Counting;
  bool suicide = false;
  bool secondGame = true;   // the session plays past a game's end at 500
  bool doubleNil = false;   // the session holds a Double Nil bid
  // The finished deal stays on show this long; the reading of the score and the last hand
  // (two captures with their repaint waits, after the trick counts' capture) takes about two
  // seconds of it.
  int dealPauseMs = 5000;
  // A Japanese system (code page 932) with Japanese player names: the work files, the truth
  // and the settings file are Shift_JIS.
  bool japaneseSystem = false;
};

void PrintTo(const Session& s, std::ostream* os) { *os << s.name; }

struct Outcome {
  int played = 0;
  std::vector<fs::path> recorded;  // the companion's work files, in the order written
  fs::path truthFolder;
  int games = 0;
  int gamesCompleted = 0;           // deals that ended a game
  std::vector<std::string> history; // the rating history's lines, newest first
  std::set<std::string> bids;       // every bid text the table recorded
  std::vector<std::string> printed; // what the companion printed on its main window
  int counterChecks = 0;            // counter updates compared with the table's play
  std::vector<std::string> counterFaults;
};

// After each update of the right counter: the tricks it shows are those the table's play gave
// each partnership after as many tricks, never more than have been played, never fewer than it
// showed before in the same deal; its bids are the table's.
void CheckCounters(const table::TableClient& table, VirtualProgram& program, int userSeat,
                   Outcome& out, std::array<int, 4>& last) {
  const table::SpadesGame& game = table.game();
  if (game.phase() == table::Phase::Bidding) return;  // the table has begun the next deal
  const table::DealState& deal = game.deal();
  const int ownTricks = std::stoi("0" + program.caption("frmCounter", "cTrk(0)"));
  const int otherTricks = std::stoi("0" + program.caption("frmCounter", "cTrk(1)"));
  const int shown = ownTricks + otherTricks;
  const int dealId = game.gameNumber() * 1000 + deal.number;
  std::string fault;
  int completed = 0;
  for (const table::Trick& t : deal.tricks) completed += t.Complete() ? 1 : 0;
  int own = 0;
  for (int t = 0; t < std::min(shown, completed); ++t)
    own += (table::TrickWinner(deal.tricks[static_cast<std::size_t>(t)]) & 1) == (userSeat & 1) ? 1 : 0;
  int ownBid = 0;
  for (int seat = userSeat & 1; seat < 4; seat += 2)
    ownBid += deal.bids[static_cast<std::size_t>(seat)].tricks;
  if (shown > completed) fault = "more tricks shown than played";
  else if (ownTricks != own || otherTricks != shown - own) fault = "tricks differ from the play";
  else if (program.caption("frmCounter", "cBid(0)") != std::to_string(ownBid)) fault = "bid differs";
  else if (last[0] == dealId && (ownTricks < last[1] || otherTricks < last[2])) fault = "count went down";
  ++out.counterChecks;
  if (!fault.empty())
    out.counterFaults.push_back("game " + std::to_string(game.gameNumber()) + " deal " +
                                std::to_string(deal.number) + ": " + fault + " (shown " +
                                std::to_string(ownTricks) + "-" + std::to_string(otherTricks) +
                                ", " + std::to_string(completed) + " played)");
  last = {dealId, ownTricks, otherTricks, 0};
}

std::string IniFor(const Session& s, const std::string& userName) {
  std::string ini = "MyYahooID=" + userName + "\r\n";
  if (s.form != StepForm::LastHandOnly) ini += "BidTrickCounter=(110,315),(500,400)\r\n";
  if (s.form == StepForm::Cards) ini += "CountCards=(644,20)\r\n";
  return ini;
}

Outcome Play(const Session& s) {
  Outcome out;
  const fs::path folder = testing::TestFolder("Session" + s.name);
  VirtualDesktopConfig config;
  if (s.japaneseSystem) config.codePage = 932;
  VirtualDesktop desktop(config);
  auto tableProgram = desktop.startProgram("SpadesTable", folder.string());
  table::TableClientOptions options;
  options.game.seed = s.seed;
  options.game.options.suicide = s.suicide;
  options.maxDeals = s.deals;
  options.userSeat = s.userSeat;
  options.language = s.language;
  options.layoutSeed = s.layoutSeed;
  options.dealPauseMs = s.dealPauseMs;
  options.closeWhenDone = true;
  options.truthFolder = folder / "Truth";
  if (s.japaneseSystem) options.game.names = {"さくら", "ケンジ", "ひろみ", "Kenケン"};
  out.truthFolder = options.truthFolder;
  table::TableClient table(*tableProgram, *tableProgram, options);
  const std::string user = table.options().game.names[static_cast<std::size_t>(s.userSeat & 3)];
  testing::Harness::WriteIniTo(
      folder, s.japaneseSystem ? ToAnsi(IniFor(s, user), CodePage::Japanese) : IniFor(s, user));

  auto companionProgram = desktop.startProgram("ScorletS", folder.string());
  Companion companion(*companionProgram, *companionProgram);
  App& app = companion.app();
  std::array<int, 4> lastShown{-1, 0, 0, 0};
  VirtualProgram& shownBy = *companionProgram;
  app.trace = [&](const std::string& line) {
    if (line == "counters updated") CheckCounters(table, shownBy, s.userSeat, out, lastShown);
  };
  EXPECT_TRUE(companion.Start());
  EXPECT_TRUE(table.Open());
  desktop.runUntil(
      [&] { return app.loop.ended || app.loop.OnlineState == WentOffline; },
      static_cast<std::uint32_t>(s.deals + 5) * 120u * 1000u);
  out.printed = companionProgram->drawnTexts("frmZ");
  if (!app.loop.ended) {
    CloseSession(app);
    EndProgram(app, ExitNormal);
  }
  out.played = table.dealsPlayed();
  int rowsBefore = 0;
  for (const HandRecord& truth : table.truths()) {
    if (truth.ScoreRowCount <= rowsBefore) ++out.games;
    rowsBefore = truth.ScoreRowCount;
    out.bids.insert(truth.Bids.begin(), truth.Bids.end());
    if (GameEnded(truth)) ++out.gamesCompleted;
  }
  std::istringstream history(testing::ReadAll(folder / "SpadesHistory.TXT"));
  for (std::string line; std::getline(history, line);) out.history.push_back(line);
  out.games += out.played > 0 ? 1 : 0;
  const WorkFolderScan scan = ScanWorkFolder(folder / "Work");
  for (const std::string& stem : scan.recordStems)
    out.recorded.push_back(folder / "Work" / RecordFileName(stem));
  return out;
}

// The first line where two files differ, "" when they are equal.
std::string FirstDifference(const std::string& ours, const std::string& truth) {
  if (ours == truth) return "";
  std::istringstream a(ours);
  std::istringstream b(truth);
  std::string lineA;
  std::string lineB;
  for (int n = 1;; ++n) {
    const bool moreA = static_cast<bool>(std::getline(a, lineA));
    const bool moreB = static_cast<bool>(std::getline(b, lineB));
    if (!moreA && !moreB) return "the line ends differ";
    if (lineA != lineB || moreA != moreB)
      return "line " + std::to_string(n) + "\n  recorded: " + (moreA ? lineA : "(none)") +
             "\n  played:   " + (moreB ? lineB : "(none)");
  }
}

// Every deal played was recorded, each equal to the table's record of it.
void ExpectRecordedExactly(const Outcome& out) {
  ASSERT_GT(out.played, 0);
  for (std::size_t i = 0; i < out.recorded.size() && i < static_cast<std::size_t>(out.played);
       ++i) {
    const fs::path truth = out.truthFolder / (table::TruthStem(static_cast<int>(i) + 1) + ".spd");
    const std::string difference =
        FirstDifference(testing::ReadAll(out.recorded[i]), testing::ReadAll(truth));
    ASSERT_EQ(difference, "") << "deal " << i + 1 << ": " << out.recorded[i].filename()
                              << " against " << truth.filename();
  }
  ASSERT_EQ(static_cast<int>(out.recorded.size()), out.played) << "deals recorded";
}

class RecordedSessionTest : public ::testing::TestWithParam<Session> {};

TEST_P(RecordedSessionTest, EveryDealIsRecordedAsPlayed) {
  const Session& s = GetParam();
  const Outcome out = Play(s);
  ExpectRecordedExactly(out);
  EXPECT_EQ(out.played, s.deals);
  if (s.form != StepForm::LastHandOnly) {
    EXPECT_GE(out.counterChecks, out.played * 10) << "the counters followed the tricks";
    for (const std::string& fault : out.counterFaults) ADD_FAILURE() << fault;
  }
  if (s.secondGame) {
    EXPECT_GE(out.games, 2) << "a second game after the first reached 500";
  }
  // One rating line per completed game, the user's result in it.
  EXPECT_EQ(static_cast<int>(out.history.size()), out.gamesCompleted);
  for (const std::string& line : out.history)
    EXPECT_TRUE(line.find(" Win  (") != std::string::npos || line.find(" Lost (") != std::string::npos)
        << line;
  EXPECT_TRUE(out.bids.count("N") != 0) << "a Nil bid";
  if (s.doubleNil) {
    EXPECT_TRUE(out.bids.count("D") != 0) << "a Double Nil bid";
  }
}

// Seats, language rows, layouts and both forms of the trick step (and neither: the last hand
// watched alone); the Japanese row on a Japanese system. The suicide table makes every partnership bid Nil or Double Nil.
INSTANTIATE_TEST_SUITE_P(
    Sessions, RecordedSessionTest,
    ::testing::Values(
        Session{"SouthCards", 11, 40, 2, 1, 0, StepForm::Cards, false, true, true},
        Session{"NorthCountingGerman", 12, 40, 0, 3, 5, StepForm::Counting, false, true, true},
        Session{"EastCardsItalian", 13, 40, 1, 5, 9, StepForm::Cards, true, false},
        Session{"WestCountingSuicide", 14, 40, 3, 1, 17, StepForm::Counting, true, false},
        Session{"SouthLastHandOnly", 15, 40, 2, 1, 23, StepForm::LastHandOnly, false, true, true},
        Session{"SouthCardsJapanese", 16, 40, 2, 2, 3, StepForm::Cards, false, true, false, 5000,
                true}),
    [](const ::testing::TestParamInfo<Session>& info) { return info.param.name; });

// A table that starts the next game at once clears its score before the game's last deal can
// be read: that deal is not recorded, the user is told, and every other deal is.
TEST(SessionEdgeTest, DealWhoseScoreWasClearedIsNotRecordedAndTheUserIsTold) {
  Session s{"NoPause", 11, 16, 2, 1, 0, StepForm::LastHandOnly, false, true};
  s.dealPauseMs = 0;
  const Outcome out = Play(s);
  ASSERT_GE(out.games, 2);
  const bool told = std::any_of(out.printed.begin(), out.printed.end(), [](const std::string& t) {
    return t.rfind("  The deal was not recorded: ", 0) == 0;
  });
  EXPECT_TRUE(told);
  EXPECT_LT(static_cast<int>(out.recorded.size()), out.played);
  // Whatever was recorded is exact: each file equals one of the deals played.
  std::set<std::string> truths;
  for (int d = 1; d <= out.played; ++d)
    truths.insert(testing::ReadAll(out.truthFolder / (table::TruthStem(d) + ".spd")));
  for (const fs::path& file : out.recorded)
    EXPECT_TRUE(truths.count(testing::ReadAll(file)) != 0) << file.filename();
}

// A new table is taken over after the old one closed mid-deal, and while the companion opens
// its sub-windows the table window is moved off the screen: the companion brings it back, opens
// them and records the deals that follow.
TEST(SessionEdgeTest, ATableMovedOffTheScreenWhileTakenOverIsFollowed) {
  const fs::path folder = testing::TestFolder("SessionOffScreen");
  VirtualDesktop desktop;
  auto tableProgram = desktop.startProgram("SpadesTable", folder.string());
  table::TableClientOptions options;
  options.game.seed = 5;
  options.maxDeals = 5;
  options.closeWhenDone = true;
  options.truthFolder = folder / "Truth";
  table::TableClient table(*tableProgram, *tableProgram, options);
  testing::Harness::WriteIniTo(folder, "MyYahooID=" + table.options().game.names[2] + "\r\n");
  auto companionProgram = desktop.startProgram("ScorletS", folder.string());
  Companion companion(*companionProgram, *companionProgram);
  App& app = companion.app();
  int takenOver = 0;
  std::vector<std::string> saved;
  app.trace = [&](const std::string& line) {
    if (line.rfind("table taken over", 0) == 0 && ++takenOver == 2)
      table.InjectFault(table::FaultKind::WindowOffScreen, 0);
    if (line.rfind("hand saved", 0) == 0) saved.push_back(line);
  };
  ASSERT_TRUE(companion.Start());
  ASSERT_TRUE(table.Open());
  ASSERT_TRUE(desktop.runUntil([&] { return table.game().deal().bidsMade >= 2; }, 120000));
  table.InjectFault(table::FaultKind::TableClosed);
  desktop.runUntil(
      [&] { return app.loop.ended || (table.finished() && !table.isOpen() && app.loop.OnlineState != Online); },
      10u * 120u * 1000u);
  if (!app.loop.ended) {
    CloseSession(app);
    EndProgram(app, ExitNormal);
  }
  ASSERT_EQ(takenOver, 2);
  ASSERT_EQ(table.dealsPlayed(), 4);
  EXPECT_EQ(saved.size(), 4u);
  Outcome out;
  out.played = table.dealsPlayed();
  out.truthFolder = options.truthFolder;
  for (const std::string& stem : ScanWorkFolder(folder / "Work").recordStems)
    out.recorded.push_back(folder / "Work" / RecordFileName(stem));
  ExpectRecordedExactly(out);
}

}  // namespace
}  // namespace scorlet::companion
