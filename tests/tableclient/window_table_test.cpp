// The substitute table on the virtual desktop: its windows, their titles, the buttons
// that open the small windows, whole unattended deals, the user's seat and the faults.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/virtual/VirtualProgram.h"
#include "tableclient/engine/Bots.h"
#include "tableclient/engine/Truth.h"
#include "tableclient/window/Languages.h"
#include "tableclient/window/TableClient.h"
#include "tests/common/TestFolder.h"

namespace scorlet::table {
namespace {

using scorlet::testing::TestFolder;

// A quick table: short pauses so that deals take little virtual time.
TableClientOptions QuickOptions() {
  TableClientOptions options;
  options.game.names = {"ann", "bob", "cy", "dee"};
  options.game.seed = 17;
  options.startDelayMs = 100;
  options.actionDelayMs = 50;
  options.trickPauseMs = 100;
  options.dealPauseMs = 300;
  return options;
}

class TableOnDesktop : public ::testing::Test {
 protected:
  void Start(TableClientOptions options) {
    program = desktop.startProgram("SpadesTable", TestFolder("table").string());
    table = std::make_unique<TableClient>(*program, *program, std::move(options));
    ASSERT_TRUE(table->Open());
  }
  void TearDown() override {
    table.reset();
    program.reset();
  }

  // Titles of the visible captioned windows, in the order of the window walk.
  std::vector<std::string> Titles() {
    std::vector<std::string> titles;
    for (WindowHandle w = program->firstWindow(); w != 0; w = program->nextWindow(w))
      if ((program->windowStyle(w) & WindowStyle::Visible) != 0) titles.push_back(program->windowTitle(w));
    return titles;
  }
  bool HasTitle(const std::string& title) {
    auto titles = Titles();
    return std::find(titles.begin(), titles.end(), title) != titles.end();
  }
  // A real mouse click, through the desktop's cursor, on a point of the table's client area.
  void ClickOnTable(Point client) {
    Point origin;
    ASSERT_TRUE(program->clientOrigin(table->tableWindow(), origin));
    program->setCursorPos({origin.x + client.x, origin.y + client.y});
    program->leftClick();
    desktop.runFor(200);
  }
  Point Centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

  VirtualDesktop desktop;
  std::unique_ptr<VirtualProgram> program;
  std::unique_ptr<TableClient> table;
};

TEST_F(TableOnDesktop, LobbyAndTableCarryTheGameTitlesAndButtonsOpenTheSmallWindowsOnce) {
  TableClientOptions options = QuickOptions();
  options.tableNumber = "4711";
  options.host = "zed";
  Start(options);
  EXPECT_TRUE(HasTitle("Yahoo! Spades"));
  EXPECT_EQ(program->windowTitle(table->tableWindow()), "Game: Spades - Table: 4711 - Host: zed");
  EXPECT_FALSE(HasTitle("Last Trick"));
  const char* titles[] = {"", "Last Trick", "Last Hand", "Spades Score"};
  for (int kind = LastTrickKind; kind <= ScoreKind; ++kind) {
    ClickOnTable(Centre(table->ButtonRect(kind)));
    ASSERT_NE(table->subWindow(kind), 0u) << kind;
    EXPECT_EQ(program->windowTitle(table->subWindow(kind)), titles[kind]);
  }
  WindowHandle score = table->subWindow(ScoreKind);
  ClickOnTable(Centre(table->ButtonRect(ScoreKind)));
  EXPECT_EQ(table->subWindow(ScoreKind), score);
  auto all = Titles();
  EXPECT_EQ(std::count(all.begin(), all.end(), "Spades Score"), 1);
}

TEST_F(TableOnDesktop, OtherLanguagesTitleEveryWindowInTheirOwnWords) {
  TableClientOptions options = QuickOptions();
  options.language = 6;
  options.scoreTitle = "Puntuacion de picas";  // the Spanish variant's score title
  Start(options);
  for (int kind = LastTrickKind; kind <= ScoreKind; ++kind) table->PressButton(kind);
  EXPECT_TRUE(HasTitle("Partida: Spades - Table: 1234 - Host: ann"));
  EXPECT_TRUE(HasTitle("Ultima baza"));
  EXPECT_TRUE(HasTitle("Ultima mano"));
  EXPECT_TRUE(HasTitle("Puntuacion de picas"));
}

TEST_F(TableOnDesktop, UnattendedDealsWriteTheirTruthAndFillTheWindows) {
  TableClientOptions options = QuickOptions();
  options.maxDeals = 3;
  options.truthFolder = TestFolder("truth");
  Start(options);
  for (int kind = LastTrickKind; kind <= ScoreKind; ++kind) table->PressButton(kind);
  ASSERT_TRUE(desktop.runUntil([&] { return table->finished(); }, 30 * 60 * 1000));
  ASSERT_EQ(table->dealsPlayed(), 3);
  for (int n = 1; n <= 3; ++n) {
    HandRecord back;
    ASSERT_TRUE(ReadTruthFile(back, options.truthFolder, n));
    EXPECT_EQ(back.PlayTexts, table->truths()[static_cast<std::size_t>(n - 1)].PlayTexts);
    EXPECT_EQ(back.ScoreRowCount, n);
  }
  // The score window grew by a row per deal and the last-trick window shows four cards.
  Rect client;
  ASSERT_TRUE(program->clientRect(table->subWindow(ScoreKind), client));
  EXPECT_GT(client.height(), 0);
  EXPECT_TRUE(table->isOpen());  // the windows stay for the companion to read
}

TEST_F(TableOnDesktop, TheTableStopsAfterWholeGamesAndStartsTheNextItself) {
  TableClientOptions options = QuickOptions();
  options.maxGames = 2;
  Start(options);
  ASSERT_TRUE(desktop.runUntil([&] { return table->finished(); }, 4 * 60 * 60 * 1000));
  // Two games: the score table started again from its first row once, and play stopped at
  // the end of the second game, not a deal before or after it.
  int gamesStarted = 0;
  for (const HandRecord& truth : table->truths()) gamesStarted += truth.ScoreRowCount == 1;
  EXPECT_EQ(gamesStarted, 2);
  EXPECT_EQ(table->game().gameNumber(), 2);
  EXPECT_EQ(table->game().phase(), Phase::GameOver);
  EXPECT_EQ(table->truths().back().ScoreRowCount,
            static_cast<int>(table->game().scoreRows().size()));
}

TEST_F(TableOnDesktop, SameSeedPlaysTheSameDealsOnTheDesktop) {
  TableClientOptions options = QuickOptions();
  options.maxDeals = 2;
  Start(options);
  ASSERT_TRUE(desktop.runUntil([&] { return table->finished(); }, 30 * 60 * 1000));
  std::vector<HandRecord> first = table->truths();
  SpadesGame replay(options.game);
  EXPECT_EQ(first[0].PlayTexts, [&] {
    while (BotAct(replay)) {
    }
    return replay.lastTruth().PlayTexts;
  }());
}

TEST_F(TableOnDesktop, TheUserBidsAndPlaysThroughTheTable) {
  TableClientOptions options = QuickOptions();
  options.userIsBot = false;
  options.maxDeals = 1;
  int turns = 0;
  Start(options);
  table->onUserTurn = [&](TableClient&) { ++turns; };
  ASSERT_TRUE(desktop.runUntil([&] { return table->waitingForUser(); }, 60 * 1000));
  EXPECT_EQ(table->game().phase(), Phase::Bidding);
  ClickOnTable(Centre(table->BidButtonRect(4)));  // not on show while the cards are hidden
  EXPECT_EQ(table->game().deal().bids[2].kind, BidKind::None);
  ClickOnTable(Centre(table->BidButtonRect(BidButtonShow)));
  ClickOnTable(Centre(table->BidButtonRect(4)));  // the "4" of the bid panel
  EXPECT_EQ(table->game().deal().bids[2], Bid::Number(4));
  // From here a test plays the seat through the hook.
  table->onUserTurn = [&](TableClient& t) {
    ++turns;
    t.SubmitPlay(t.game().LegalPlaysFor(t.options().userSeat).front());
  };
  ASSERT_TRUE(desktop.runUntil([&] { return table->finished(); }, 30 * 60 * 1000));
  EXPECT_EQ(turns, 1 + 13);
  EXPECT_EQ(table->truths()[0].Bids[2], "4");
}

// Asked to wait for the user's bid only: the panel's Double Nil choice takes the bid, the bot
// plays the cards, and a lost click leaves the panel as it was.
TEST_F(TableOnDesktop, TheTableWaitsForTheUsersBidOnlyAndTakesDoubleNilFromTheChoice) {
  TableClientOptions options = QuickOptions();
  options.userBids = true;
  options.maxDeals = 2;
  Start(options);
  ASSERT_TRUE(desktop.runUntil([&] { return table->waitingForUser(); }, 60 * 1000));
  table->IgnoreBidPanel(true);
  ClickOnTable(Centre(table->BidButtonRect(BidButtonDoubleNil)));
  EXPECT_TRUE(table->waitingForUser());
  table->IgnoreBidPanel(false);
  ClickOnTable(Centre(table->BidButtonRect(BidButtonDoubleNil)));
  EXPECT_EQ(table->game().deal().bids[2], Bid::DoubleNil());
  ASSERT_TRUE(desktop.runUntil([&] { return table->dealsPlayed() == 1 && table->waitingForUser(); },
                               30 * 60 * 1000));
  EXPECT_EQ(table->truths()[0].Bids[2], "D");
  EXPECT_EQ(table->game().phase(), Phase::Bidding);
}

// With a bid wait the panel stays up that long for the user, then the bot bids; a user who
// bids in time still makes the bid.
TEST_F(TableOnDesktop, ABidWaitLetsTheBotBidForAUserWhoDoesNotBid) {
  TableClientOptions options = QuickOptions();
  options.userBids = true;
  options.userBidWaitMs = 3000;
  options.maxDeals = 2;
  Start(options);
  ASSERT_TRUE(desktop.runUntil([&] { return table->waitingForUser(); }, 60 * 1000));
  desktop.runFor(2500);
  EXPECT_TRUE(table->waitingForUser());
  EXPECT_EQ(table->game().deal().bids[2].kind, BidKind::None);
  desktop.runFor(1000);
  EXPECT_FALSE(table->waitingForUser());
  EXPECT_NE(table->game().deal().bids[2].kind, BidKind::None);
  ASSERT_TRUE(desktop.runUntil([&] { return table->dealsPlayed() == 1 && table->waitingForUser(); },
                               30 * 60 * 1000));
  ClickOnTable(Centre(table->BidButtonRect(BidButtonShow)));
  ClickOnTable(Centre(table->BidButtonRect(5)));
  ASSERT_TRUE(desktop.runUntil([&] { return table->finished(); }, 30 * 60 * 1000));
  EXPECT_EQ(table->truths()[1].Bids[2], "5");
}

TEST_F(TableOnDesktop, FaultsLateMissingClosedAndMovedWindows) {
  Start(QuickOptions());
  table->DelaySubWindow(LastHandKind, 2000);
  table->PressButton(LastHandKind);
  desktop.runFor(500);
  EXPECT_EQ(table->subWindow(LastHandKind), 0u);
  desktop.runFor(2000);
  EXPECT_NE(table->subWindow(LastHandKind), 0u);

  table->SuppressSubWindow(ScoreKind, true);
  table->PressButton(ScoreKind);
  desktop.runFor(500);
  EXPECT_EQ(table->subWindow(ScoreKind), 0u);

  table->PressButton(LastTrickKind);
  table->CloseSubWindow(LastTrickKind);
  EXPECT_FALSE(HasTitle("Last Trick"));

  table->MoveWindowOffScreen(TableKind);
  Rect rect;
  ASSERT_TRUE(program->windowRect(table->tableWindow(), rect));
  EXPECT_LT(rect.right, 0);

  table->CloseTableMidDeal();
  desktop.runFor(200);
  EXPECT_FALSE(table->isOpen());
  EXPECT_EQ(table->subWindow(LastHandKind), 0u);
  EXPECT_EQ(Titles(), std::vector<std::string>{"Yahoo! Spades"});
}

TEST_F(TableOnDesktop, SlowRepaintShowsEveryChangeLate) {
  Start(QuickOptions());
  table->SetRepaintDelay(1000);
  Image waiting = program->formImage("frmTable");
  ASSERT_TRUE(desktop.runUntil([&] { return table->game().deal().bidsMade >= 1; }, 60 * 1000));
  EXPECT_EQ(program->formImage("frmTable").pixels, waiting.pixels);
  desktop.runFor(1100);
  EXPECT_NE(program->formImage("frmTable").pixels, waiting.pixels);
}

// Faults at random moments: each deal's fault is noted against it, a deal cut off by the
// table's closing has no truth and a new table takes over, and the same seed meets the same
// faults.
TEST_F(TableOnDesktop, RandomFaultsAreNotedPerDealAndAClosedTableIsFollowedByANewOne) {
  std::filesystem::path truthFolder;
  auto play = [&](const std::string& name) {
    TableClientOptions options = QuickOptions();
    options.maxDeals = 14;
    options.faultShare = 1;
    options.faultSeed = 3;
    options.reopenDelayMs = 500;
    options.truthFolder = truthFolder = TestFolder(name);
    Start(options);
    for (int kind = LastTrickKind; kind <= ScoreKind; ++kind) table->PressButton(kind);
    EXPECT_TRUE(desktop.runUntil([&] { return table->finished(); }, 60 * 60 * 1000));
    std::vector<std::string> notes;
    for (const Disturbance& d : table->disturbances()) notes.push_back(DescribeDisturbance(d));
    return notes;
  };
  const std::vector<std::string> notes = play("faults1");
  EXPECT_EQ(table->dealsPlayed() + table->dealsAbandoned(), 14);
  ASSERT_GE(table->dealsAbandoned(), 1) << "seed 3 closes a table in the middle of a deal";
  int lastDeal = 0;
  for (const Disturbance& d : table->disturbances()) {
    EXPECT_GT(d.deal, lastDeal) << "one fault a deal at most";
    lastDeal = d.deal;
    EXPECT_EQ(table->truthOfDeal(d.deal) == 0, d.kind == FaultKind::TableClosed) << DescribeDisturbance(d);
  }
  // Truths are numbered over the finished deals, in order.
  int truth = 0;
  for (int deal = 1; deal <= table->dealsBegun(); ++deal) {
    if (table->truthOfDeal(deal) == 0) continue;
    EXPECT_EQ(table->truthOfDeal(deal), ++truth);
  }
  EXPECT_EQ(truth, table->dealsPlayed());
  // The table that took over carries another number.
  EXPECT_TRUE(HasTitle(TableTitle(EnglishLanguage, std::to_string(1234 + table->dealsAbandoned()), "ann")));
  std::ifstream file(truthFolder / "faults.txt", std::ios::binary);
  const std::string lines{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), static_cast<long>(notes.size()));
  table.reset();
  EXPECT_EQ(play("faults2"), notes);
}

}  // namespace
}  // namespace scorlet::table
