// The end of a deal without windows: trick winners, the deal's end by the trick counts, whether a
// last hand read is recorded, and the rating history file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "companion/recognition/LastHand.h"
#include "companion/recognition/PlayerList.h"
#include "companion/recognition/RatingHistory.h"
#include "companion/recognition/ReadingState.h"
#include "companion/recognition/TrickStep.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

namespace fs = std::filesystem;

TEST(TrickWinnerTest, CountsNameTheSeatThatRoseAndBreakNils) {
  std::array<int, 4> previous{3, 1, 0, 2};
  const std::array<std::string, 4> bids{"4", "N", "3", "D"};
  WinnerByCounts w = GetWinner({4, 1, 0, 2}, previous, bids);
  EXPECT_EQ(w.winner, 0);
  EXPECT_EQ(w.teamTricks, (std::array<int, 3>{4, 3, 7}));
  EXPECT_EQ(w.nilsBroken, 0);
  EXPECT_EQ(previous, (std::array<int, 4>{4, 1, 0, 2}));

  // The Nil bidder on the left takes a trick: its Nil is broken; the Double Nil rising too wins.
  w = GetWinner({4, 2, 0, 3}, previous, bids);
  EXPECT_EQ(w.winner, 3);
  EXPECT_EQ(w.brokenNil, (std::array<int, 4>{0, 1, 0, 2}));
  EXPECT_EQ(w.nilsBroken, 2);

  // Nothing rose: no winner.
  EXPECT_EQ(GetWinner({4, 2, 0, 3}, previous, bids).winner, -1);
}

TEST(TrickWinnerTest, CardsWinByLedSuitUnlessSpadesArePlayed) {
  // Hearts led by the left seat: the highest heart wins, a higher club does not.
  EXPECT_EQ(WinnerByCards({2, 2, 0, 2}, {9, 5, 14, 12}, 1), 3);
  // A low spade on a heart lead wins; of two spades the higher.
  EXPECT_EQ(WinnerByCards({2, 3, 2, 2}, {14, 2, 13, 3}, 0), 1);
  EXPECT_EQ(WinnerByCards({3, 2, 3, 2}, {5, 14, 11, 3}, 1), 2);
  // Spades led: the highest spade.
  EXPECT_EQ(WinnerByCards({3, 3, 3, 3}, {2, 10, 9, 4}, 0), 1);
  EXPECT_EQ(WinnerByCards({3, 3, 3, 3}, {2, 10, 9, 4}, -1), -1);
}

TEST(TrickWinnerTest, CountsNameEachTricksWinnerOnlyWhenOneSeatRose) {
  std::array<TrickSeen, 13> tricks{};
  // One trick, one seat: trick 3 (index 2) was won by the left seat.
  NoteCountWinners(tricks, {1, 0, 1, 0}, {1, 1, 1, 0});
  EXPECT_EQ(tricks[2].winner, 1);
  // Two tricks both won by the top seat.
  NoteCountWinners(tricks, {1, 1, 1, 0}, {1, 1, 3, 0});
  EXPECT_EQ(tricks[3].winner, 2);
  EXPECT_EQ(tricks[4].winner, 2);
  // Two seats rose: which won which is not known.
  NoteCountWinners(tricks, {1, 1, 3, 0}, {2, 1, 3, 1});
  EXPECT_EQ(tricks[5].winner, -1);
  EXPECT_EQ(tricks[6].winner, -1);
  // A count that went down (a misreading, or the next deal) tells nothing; a winner known stays.
  NoteCountWinners(tricks, {2, 1, 3, 1}, {0, 1, 3, 4});
  EXPECT_EQ(tricks[7].winner, -1);
  NoteCountWinners(tricks, {1, 0, 1, 0}, {1, 0, 1, 1});
  EXPECT_EQ(tricks[2].winner, 1);
  // Counts beyond thirteen tricks are not written past the deal.
  NoteCountWinners(tricks, {6, 0, 6, 0}, {6, 0, 9, 0});
  EXPECT_EQ(tricks[12].winner, 2);
}

// A deal in which trick 1 was recorded (won by the left seat, who is out of clubs) and the
// counts say the right seat won trick 2.
TrickState TrickTwoCounted() {
  TrickState t;
  t.TrickNumber = 1;
  t.tricks[0] = {-1, 1, {202, 214, 209, 203}};  // hearts: 2, ace, 9, 3
  t.tricks[1].winner = 3;
  t.voids[1][0] = true;
  return t;
}

TEST(TrickCardsTest, CardsFitATrickOnlyWhenNewPossibleAndWonByTheCountedSeat) {
  const TrickState t = TrickTwoCounted();
  // Led by the left seat (the winner of trick 1): a spade from the right wins the heart lead.
  EXPECT_TRUE(CardsFitTrick(t, {2, 2, 2, 3}, {5, 13, 7, 2}, 1));
  // The same cards won by another seat than the counts say.
  EXPECT_FALSE(CardsFitTrick(t, {2, 2, 2, 2}, {5, 13, 7, 4}, 1));
  // A card of trick 1 again: the window still shows it, or a misreading.
  EXPECT_FALSE(CardsFitTrick(t, {2, 2, 2, 3}, {5, 14, 7, 2}, 1));
  // A club from the left seat, who showed out of clubs.
  EXPECT_FALSE(CardsFitTrick(t, {2, 0, 2, 3}, {5, 13, 7, 2}, 1));
  // Unread or doubled cards.
  EXPECT_FALSE(CardsFitTrick(t, {2, 2, 2, 3}, {5, 0, 7, 2}, 1));
  EXPECT_FALSE(CardsFitTrick(t, {2, 2, 2, 2}, {5, 13, 5, 4}, 1));
  EXPECT_FALSE(CardsFitTrick(t, {2, 2, 2, 3}, {5, 13, 7, 2}, 13));
  // Trick 3's winner is not counted yet: any new cards fit.
  EXPECT_TRUE(CardsFitTrick(t, {1, 1, 1, 1}, {5, 13, 7, 4}, 2));

  // The first trick's leader is not known: some seat must lead it to the winner counted.
  TrickState first;
  first.tricks[0].winner = 2;
  EXPECT_TRUE(CardsFitTrick(first, {0, 0, 0, 0}, {5, 9, 14, 2}, 0));
  EXPECT_TRUE(CardsFitTrick(first, {0, 0, 3, 0}, {5, 9, 2, 14}, 0));
  // The left seat's spade wins whoever led; the top seat wins from no leader.
  EXPECT_FALSE(CardsFitTrick(first, {0, 3, 0, 0}, {5, 2, 14, 9}, 0));
  EXPECT_FALSE(CardsFitTrick(first, {0, 1, 1, 0}, {5, 14, 2, 9}, 0));
}

TEST(TrickCardsTest, WindowCardsAreTakenForTheOneTrickTheyFit) {
  TrickState t = TrickTwoCounted();
  const std::array<int, 4> suits{2, 2, 2, 3};
  const std::array<int, 4> ranks{5, 13, 7, 2};
  const LastTrickWindow shownBefore{{205, 213, 207, 302}, 1};
  // The window read while one trick was counted showed these cards: they are no later trick.
  EXPECT_EQ(TrickOfWindowCards(t, shownBefore, suits, ranks, 1, 1), -1);
  // Read in an earlier deal: no trick of this one.
  EXPECT_EQ(TrickOfWindowCards(t, {{205, 213, 207, 302}, 0}, suits, ranks, 0, 1), -1);
  // New cards, counts unchanged around the reading.
  EXPECT_EQ(TrickOfWindowCards(t, {}, suits, ranks, 1, 1), 1);
  // The counts went on by a trick meanwhile, won by the left seat: a spade on the right took
  // trick 2, so these cards are not trick 3, led by the right seat and won by the left.
  t.tricks[2].winner = 1;
  EXPECT_EQ(TrickOfWindowCards(t, {}, suits, ranks, 1, 2), 1);
  // Won by the right seat from either leader: which trick they are is not known.
  t.tricks[2].winner = 3;
  EXPECT_EQ(TrickOfWindowCards(t, {}, suits, ranks, 1, 2), -1);
  // Cards fitting only the later trick.
  t.tricks[2].winner = 0;
  EXPECT_EQ(TrickOfWindowCards(t, {}, {1, 1, 1, 1}, {14, 3, 4, 5}, 1, 2), 2);
}

TEST(DealEndTest, TotalsEndTheDealOnlyAfterTricksWereCounted) {
  // Every reading before the first trick shows 0: that ends nothing.
  EXPECT_FALSE(DealOverByCounts({0, -1, 0, false, true}));
  EXPECT_FALSE(DealOverByCounts({0, 0, 0, false, true}));
  EXPECT_FALSE(DealOverByCounts({0, 0, 0, false, false}));
  // After tricks were counted, a total of 0 is the next deal.
  EXPECT_TRUE(DealOverByCounts({0, 9, 9, false, true}));
  EXPECT_TRUE(DealOverByCounts({0, 0, 5, false, false}));
  // Thirteen tricks are the end in both forms.
  EXPECT_TRUE(DealOverByCounts({13, 12, 12, false, false}));
  // A falling total: the end when ten or more were counted, or (counting) the table says OK.
  EXPECT_TRUE(DealOverByCounts({3, 11, 11, false, false}));
  EXPECT_FALSE(DealOverByCounts({3, 8, 8, false, false}));
  EXPECT_TRUE(DealOverByCounts({3, 8, 8, true, true}));
  EXPECT_FALSE(DealOverByCounts({3, 8, 8, true, false}));
  EXPECT_FALSE(DealOverByCounts({9, 8, 8, true, true}));
}

TEST(DealRecordTest, OnlyTheDealWhoseBiddingWasReadIsRecordedWithItsOwnScore) {
  // The deal bid while the score showed 4 rows ends with row 5: recorded.
  EXPECT_EQ(DecideDealRecord({true, 4, 5, true}), DealRecordDecision::Record);
  // First deal of a game: the cleared score, then one row.
  EXPECT_EQ(DecideDealRecord({true, 0, 1, true}), DealRecordDecision::Record);
  // The hand shown is the one read before.
  EXPECT_EQ(DecideDealRecord({false, 4, 5, true}), DealRecordDecision::Unchanged);
  // A new hand but the score still of the bidding: the last hand is not this deal's yet.
  EXPECT_EQ(DecideDealRecord({true, 4, 4, true}), DealRecordDecision::Unchanged);
  // The next game began at once and cleared the score: not recorded.
  EXPECT_EQ(DecideDealRecord({true, 7, 0, true}), DealRecordDecision::ScoreGone);
  // Bids not read in this deal (or the score at bidding unknown): not recorded.
  EXPECT_EQ(DecideDealRecord({true, -1, 5, true}), DealRecordDecision::BiddingUnseen);
  EXPECT_EQ(DecideDealRecord({true, 4, 5, false}), DealRecordDecision::BiddingUnseen);
}

TEST(DealRecordTest, GameEndsAtTheTargetWithoutATie) {
  HandRecord r;
  r.ScoreRowCount = 2;
  r.ScoreRows[2] = {512, 3, 430, 7};
  EXPECT_TRUE(GameEnded(r));
  r.ScoreRows[2] = {510, 3, 510, 7};
  EXPECT_FALSE(GameEnded(r));
  r.ScoreRows[2] = {300, 3, 499, 7};
  EXPECT_FALSE(GameEnded(r));
  r.ScoreRowCount = 0;
  EXPECT_FALSE(GameEnded(r));
}

// The settings keep the user's game IDs in lower case; the list shows names as the site writes
// them.
TEST(RatingHistoryTest, UserIsFoundInThePlayerListInAnyCase) {
  const std::vector<std::string> lines{"Kx9_Ann,1612", "BobBy_Q,prov"};
  const recognition::NameFound found = recognition::SearchNameInTable(lines, {"bobby_q"});
  EXPECT_EQ(found.line, "BobBy_Q,prov");
  EXPECT_EQ(found.index, 1);
}

HistoryEntry Entry(const std::string& rating) {
  HistoryEntry e;
  e.rating = rating;
  e.year = 2026;
  e.month = 3;
  e.day = 9;
  e.hour = 7;
  e.minute = 5;
  e.second = 1;
  e.teamScore0 = 520;
  e.teamScore1 = 40;
  e.names = {"ann", "bob_the_long_name", "cy", "dee"};
  e.country = "USA";
  return e;
}

TEST(RatingHistoryTest, LineHoldsRatingTimeResultScoresNamesAndCountry) {
  HistoryEntry e = Entry("1523");
  e.gameCompleted = true;
  e.won = true;
  EXPECT_EQ(FormatHistoryLine(e),
            "1523 2026/03/09 07:05:01 Win  (520, 40) ann          bob_the_long_"
            "cy           dee          USA");
  e.gameCompleted = false;
  e.teamScore1 = -7;
  EXPECT_EQ(FormatHistoryLine(e).substr(0, 35), "1523 2026/03/09 07:05:01 (520, -7) ");
  EXPECT_TRUE(RobotsAtTable({"Robot1", "x", "robot_b", "y"}));
  EXPECT_FALSE(RobotsAtTable({"Robot1", "x", "z", "y"}));
}

TEST(RatingHistoryTest, NewestFirstComparedWithTheNewestKeptTo3000AndReplacedSafely) {
  const fs::path folder = testing::TestFolder("RatingHistory");
  const fs::path file = folder / "SpadesHistory.TXT";
  ASSERT_EQ(AddHistoryLine(file, "1500 first", 1500, CodePage::Western), HistoryWrite::Written);
  ASSERT_EQ(AddHistoryLine(file, "1540 second", 1540, CodePage::Western), HistoryWrite::Written);
  EXPECT_EQ(testing::ReadAll(file), "1540 second\r\n1500 first\r\n");
  // The same rating as the newest entry writes nothing; equal to the oldest only, it is written.
  EXPECT_EQ(AddHistoryLine(file, "1540 again", 1540, CodePage::Western), HistoryWrite::Unchanged);
  EXPECT_EQ(AddHistoryLine(file, "1500 back", 1500, CodePage::Western), HistoryWrite::Written);
  EXPECT_EQ(testing::ReadAll(file), "1500 back\r\n1540 second\r\n1500 first\r\n");
  // A provisional rating is always written.
  EXPECT_EQ(AddHistoryLine(file, "prov x", -1, CodePage::Western), HistoryWrite::Written);

  // A long history keeps its newest 3000 lines.
  {
    std::ofstream out(file, std::ios::binary);
    for (int i = 0; i < 3100; ++i) out << (2000 + i) << " line\r\n";
  }
  ASSERT_EQ(AddHistoryLine(file, "1111 newest", 1111, CodePage::Western), HistoryWrite::Written);
  const std::string text = testing::ReadAll(file);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3000);
  EXPECT_EQ(text.substr(0, 13), "1111 newest\r\n");
  EXPECT_NE(text.find("4998 line\r\n"), std::string::npos);
  EXPECT_EQ(text.find("4999 line"), std::string::npos);

  // A history that cannot be written stays as it was, and no temporary file is left.
  const fs::path blocked = folder / "Blocked";
  fs::create_directories(blocked / "SpadesHistory.TXT");
  EXPECT_EQ(AddHistoryLine(blocked / "SpadesHistory.TXT", "1 x", 1, CodePage::Western),
            HistoryWrite::Failed);
  EXPECT_TRUE(fs::is_directory(blocked / "SpadesHistory.TXT"));
  EXPECT_EQ(std::distance(fs::directory_iterator(blocked), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace scorlet::companion
