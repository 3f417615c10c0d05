// The NIL statistics: the rule test of a hand, the counting of a deal under the score
// conditions, the report's lines in both languages read back, and the file replaced and backed up.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "common/CodePage.h"
#include "companion/main/App.h"
#include "companion/players/NilStats.h"
#include "companion/record/Record.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

namespace fs = std::filesystem;

using Hand = std::array<CardCode, TrickCount>;

// A hand of 13 cards: the listed ones first, then low diamonds and hearts that change nothing.
Hand HandOf(std::initializer_list<int> cards) {
  Hand h{};
  std::size_t i = 0;
  for (int c : cards) h[i++] = static_cast<CardCode>(c);
  // Fillers: suits 1 and 2, ranks 2..7, never three of a suit with two of eight or more.
  for (int rank = 2; i < h.size(); ++rank) {
    h[i++] = static_cast<CardCode>(100 + rank);
    if (i < h.size()) h[i++] = static_cast<CardCode>(200 + rank);
  }
  return h;
}

const Hand Plain = HandOf({});
const Hand FourSpades = HandOf({302, 303, 304, 305});
const Hand SpadeQueen = HandOf({312});

struct Deal {
  std::array<std::string, 4> bids{"3", "3", "3", "3"};
  std::array<int, 4> tricks{3, 3, 3, 4};
  std::array<Hand, 4> hands{Plain, Plain, Plain, Plain};
  std::array<std::string, 4> names{"North", "East", "Me", "West"};
};

HandRecord RecordOf(const Deal& d) {
  HandRecord r;
  for (std::size_t s = 0; s < 4; ++s) {
    r.PlayerNames[s] = d.names[s];
    r.Bids[s] = d.bids[s];
    r.TricksWon[s] = static_cast<std::uint8_t>(d.tricks[s]);
    for (std::size_t t = 0; t < TrickCount; ++t) r.PlayCodes[t][s] = d.hands[s][t];
  }
  return r;
}

// The user sits South (seat 2): partner North, opponents West (position 1) and East (3).
NilTable UserSouth() {
  NilTable t;
  t.userKnown = true;
  t.seatAt = {2, 3, 0, 1};
  return t;
}

TeamScores Scores(int ours, int theirs) {
  TeamScores s;
  s.scores = {ours, theirs};
  return s;
}

NilCounts Count(const Deal& d, TeamScores scores = Scores(100, 100), NilTable table = UserSouth()) {
  NilCounts c;
  CountNilDeal(c, RecordOf(d), scores, table);
  return c;
}

NilCount Pair(int s, int f) { return {s, f}; }

TEST(NilHandCheck, SpadeCountHighSpadesAndThreeCardSuits) {
  EXPECT_EQ(NilHandCheck(Plain).test, 0);
  EXPECT_EQ(NilHandCheck(Plain).spades, 0);
  EXPECT_EQ(NilHandCheck(FourSpades).spades, 4);
  EXPECT_EQ(NilHandCheck(FourSpades).test, 0);
  EXPECT_EQ(NilHandCheck(SpadeQueen).test, 12);
  // The last high spade met in play order sets the value.
  EXPECT_EQ(NilHandCheck(HandOf({314, 312})).test, 12);
  EXPECT_EQ(NilHandCheck(HandOf({312, 314})).test, 14);
  // Clubs 8, 9 and 2 and no high spade: -1, which a high spade does not undo.
  EXPECT_EQ(NilHandCheck(HandOf({8, 9, 2})).test, -1);
  EXPECT_EQ(NilHandCheck(HandOf({313, 8, 9, 2})).test, -1);
  // Three clubs with one high card, or four with two: the rule holds.
  EXPECT_EQ(NilHandCheck(HandOf({8, 3, 2})).test, 0);
  EXPECT_EQ(NilHandCheck(HandOf({8, 9, 3, 2})).test, 0);
}

TEST(NilCounting, TheUsersAndThePartnersNils) {
  Deal d;
  d.bids[2] = "N";
  d.tricks = {4, 4, 0, 5};
  NilCounts c = Count(d);
  EXPECT_EQ(c[NilRowMine], Pair(1, 0));
  EXPECT_EQ(c[NilRowFollowing], Pair(1, 0));
  // Made while the opponents lead 520 to 300: nothing.
  EXPECT_FALSE(CountNilDeal(c, RecordOf(d), Scores(300, 520), UserSouth()));
  EXPECT_EQ(c[NilRowMine], Pair(1, 0));
  // Failed holding the spade queen: row 1 and the rule's violations.
  d.tricks = {4, 4, 1, 4};
  d.hands[2] = SpadeQueen;
  c = Count(d);
  EXPECT_EQ(c[NilRowMine], Pair(0, 1));
  EXPECT_EQ(c[NilRowViolating], Pair(0, 1));

  // The partner's failed Nil counts only when his hand followed the rule.
  Deal p;
  p.bids[0] = "N";
  p.tricks = {1, 4, 4, 4};
  p.hands[0] = FourSpades;
  EXPECT_EQ(Count(p)[NilRowCover], Pair(0, 0));
  p.hands[0] = Plain;
  c = Count(p);
  EXPECT_EQ(c[NilRowCover], Pair(0, 1));
  EXPECT_EQ(c[NilRowFollowing], Pair(0, 1));
  p.tricks = {0, 4, 5, 4};
  p.hands[0] = HandOf({8, 9, 2});
  c = Count(p);
  EXPECT_EQ(c[NilRowCover], Pair(1, 0));
  EXPECT_EQ(c[NilRowViolating], Pair(1, 0));
}

TEST(NilCounting, OpponentsNils) {
  // Both opponents bid Nil and both are set: two successes of row 3.
  Deal d;
  d.bids[1] = d.bids[3] = "N";
  d.tricks = {6, 1, 5, 1};
  d.hands[1] = FourSpades;
  NilCounts c = Count(d);
  EXPECT_EQ(c[NilRowSet], Pair(2, 0));
  EXPECT_EQ(c[NilRowSet4], Pair(1, 0));
  EXPECT_EQ(c[NilRowFollowing], Pair(0, 2));
  // Leading by 200 or more at a Double-Nil-pass table, a set Nil is not counted.
  NilTable pass = UserSouth();
  pass.doubleNilPass = true;
  EXPECT_EQ(Count(d, Scores(400, 100), pass)[NilRowSet], Pair(0, 0));
  EXPECT_EQ(Count(d, Scores(400, 250), pass)[NilRowSet], Pair(2, 0));
  // The user's side has won (ahead and at 500): nothing.
  EXPECT_EQ(Count(d, Scores(510, 400))[NilRowSet], Pair(0, 0));

  // An opponent's Nil made counts as a failure, unless the partner made a Nil too.
  Deal m;
  m.bids[1] = "N";
  m.tricks = {5, 0, 4, 4};
  c = Count(m);
  EXPECT_EQ(c[NilRowSet], Pair(0, 1));
  EXPECT_EQ(c[NilRowFollowing], Pair(1, 0));
  m.bids[0] = "N";
  m.tricks = {0, 0, 6, 7};
  c = Count(m);
  EXPECT_EQ(c[NilRowSet], Pair(0, 0));
  EXPECT_EQ(c[NilRowCover], Pair(1, 0));
}

TEST(NilCounting, DoubleNilsAndTablesWithoutStatistics) {
  Deal d;
  d.bids[1] = "D";
  d.tricks = {4, 0, 4, 5};
  EXPECT_EQ(Count(d)[NilRowDouble], Pair(1, 0));
  d.tricks = {4, 2, 4, 3};
  EXPECT_EQ(Count(d)[NilRowDouble], Pair(0, 1));
  // The bidder's opponents (the user's side) have won: not counted.
  EXPECT_EQ(Count(d, Scores(530, 100))[NilRowDouble], Pair(0, 0));
  NilTable pass = UserSouth();
  pass.doubleNilPass = true;
  NilCounts c;
  EXPECT_FALSE(CountNilDeal(c, RecordOf(d), Scores(0, 0), pass));

  Deal nil;
  nil.bids[2] = "N";
  nil.tricks = {4, 4, 0, 5};
  NilTable t = UserSouth();
  t.suicide = true;
  EXPECT_FALSE(CountNilDeal(c, RecordOf(nil), Scores(0, 0), t));
  t = UserSouth();
  t.userKnown = false;
  EXPECT_FALSE(CountNilDeal(c, RecordOf(nil), Scores(0, 0), t));
  nil.names[1] = "Robot 7";
  EXPECT_FALSE(CountNilDeal(c, RecordOf(nil), Scores(0, 0), UserSouth()));
  Deal none;
  EXPECT_FALSE(CountNilDeal(c, RecordOf(none), Scores(0, 0), UserSouth()));
  EXPECT_EQ(c, NilCounts{});
}

TEST(NilReport, CountsAreNeverCut) {
  EXPECT_EQ(PadCount(7, 3), "   7");
  EXPECT_EQ(PadCount(12, 3), "  12");
  EXPECT_EQ(PadCount(150, 3), " 150");
  EXPECT_EQ(PadCount(0, 1), " 0");
  EXPECT_EQ(PadCount(12345, 2), " 12345");
  // The width follows the largest number written, also a Double Nil count above the total.
  NilCounts c;
  c[NilRowMine] = Pair(7, 12);
  c[NilRowSet] = Pair(50, 81);
  EXPECT_EQ(NilCountWidth(c), 3);  // grand total 150
  c[NilRowDouble] = Pair(1000, 3);
  EXPECT_EQ(NilCountWidth(c), 4);
}

TEST(NilReport, LinesInBothLanguagesReadBack) {
  NilCounts c;
  c[NilRowMine] = Pair(7, 12);
  c[NilRowCover] = Pair(5, 0);
  c[NilRowSet] = Pair(50, 76);
  c[NilRowSet4] = Pair(9, 3);
  c[NilRowFollowing] = Pair(60, 70);
  c[NilRowViolating] = Pair(4, 2);
  c[NilRowDouble] = Pair(2, 1);
  std::tm now{};
  now.tm_year = 126, now.tm_mon = 4, now.tm_mday = 5, now.tm_hour = 9, now.tm_min = 3;
  const std::vector<std::string> en = NilStatLines(c, false, now);
  ASSERT_EQ(en.size(), 16u);
  EXPECT_EQ(en[0], "    << History of My NILs >> 2026/05/05, 09:03:00");
  EXPECT_EQ(en[1], " (1) My NIL Bids   Success   7,  Failure  12,  Success Probability =   7 /  19"
                   " = 36.8 % [13 %]");
  EXPECT_EQ(en[4].substr(en[4].size() - 13), " [ 4 spades ]");
  EXPECT_EQ(en[5], std::string(74, '-'));
  // Total: made 7 + 5 + 76, failed 12 + 0 + 50; grand total 150.
  EXPECT_EQ(en[6], " (4) NILs Total    Success  88,  Failure  62,  Making Probability  =  88 / 150"
                   " = 58.7 %");
  EXPECT_EQ(en[12], " Standard Rule for Bidding NILs (Rule of 4 & 8)");
  EXPECT_EQ(ReadNilStatLines(en), c);

  const std::vector<std::string> ja = NilStatLines(c, true, now);
  EXPECT_EQ(ja[1].rfind(" (1) 私のニル･ビッド 成功   7,  失敗  12,  成功率＝   7 /  19 = 36.8 %", 0), 0u)
      << ja[1];
  EXPECT_EQ(ReadNilStatLines(ja), c);
  // Through the code page and back, as the file holds it.
  EXPECT_EQ(ReadNilStatLines(DecodeTextLines(EncodeTextLines(ja, CodePage::Japanese),
                                             CodePage::Japanese)),
            c);

  // Only a Double Nil so far: no share, no rate for empty rows.
  NilCounts d;
  d[NilRowDouble] = Pair(1, 0);
  const std::vector<std::string> only = NilStatLines(d, false, now);
  EXPECT_EQ(only[1], " (1) My NIL Bids   Success 0,  Failure 0");
  EXPECT_EQ(only[10], " (5) DNIL Bids     Success 1,  Failure 0,  Making Probability = 1 / 1 = 100.0 %");
  EXPECT_EQ(ReadNilStatLines(only), d);
  // Counts too large for the file stop at the largest it holds; totals never overflow.
  NilCounts huge = ReadNilStatLines({"", " (1) My NIL Bids   Success 99999999999,  Failure 2147483647"});
  EXPECT_EQ(huge[NilRowMine], Pair(INT32_MAX, INT32_MAX));
  Deal mine;
  mine.bids[2] = "N";
  mine.tricks = {4, 4, 0, 5};
  ASSERT_TRUE(CountNilDeal(huge, RecordOf(mine), Scores(0, 0), UserSouth()));
  EXPECT_EQ(huge[NilRowMine], Pair(INT32_MAX, INT32_MAX));
  EXPECT_NE(NilStatLines(huge, false, now)[6].find("2147483647 / 4294967294 = 50.0 %"), std::string::npos);
  // A damaged or short file reads as far as it goes.
  EXPECT_EQ(ReadNilStatLines({"x", "garbage"}), NilCounts{});
}

class NilFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = testing::TestFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    mine.bids[2] = "N";
    mine.tricks = {4, 4, 0, 5};
    now = LocalTime(std::time(nullptr));
  }
  NilStatStatus Update(bool japanese = false) {
    return NilStatsUpdate(folder, japanese, RecordOf(mine), Scores(0, 0), UserSouth(), now);
  }
  NilCounts FileCounts(const fs::path& file, bool japanese = false) {
    return ReadNilStatLines(
        ReadTextFile(file, japanese ? CodePage::Japanese : CodePage::Western).lines);
  }
  fs::path folder;
  Deal mine;
  std::tm now{};
};

TEST_F(NilFileTest, EachUpdateAddsTheDealAndTheFirstChangeOfADayIsBackedUp) {
  ASSERT_EQ(Update(), NilStatStatus::Written);
  const fs::path file = folder / "RecordNILs.TXT";
  const fs::path backup = folder / "RecordNILs.BAK";
  EXPECT_EQ(FileCounts(file)[NilRowMine], Pair(1, 0));
  EXPECT_FALSE(fs::exists(backup));  // nothing to back up yet

  // The file was last changed two days ago: the first update of today copies it first.
  fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(48));
  const std::string before = testing::ReadAll(file);
  ASSERT_EQ(Update(), NilStatStatus::Written);
  EXPECT_EQ(testing::ReadAll(backup), before);
  EXPECT_EQ(FileCounts(file)[NilRowMine], Pair(2, 0));
  // Later updates of the day leave the backup alone.
  ASSERT_EQ(Update(), NilStatStatus::Written);
  EXPECT_EQ(testing::ReadAll(backup), before);
  EXPECT_EQ(FileCounts(file)[NilRowMine], Pair(3, 0));

  // A deal without a Nil changes nothing.
  mine.bids[2] = "4";
  const std::string kept = testing::ReadAll(file);
  EXPECT_EQ(Update(), NilStatStatus::NotCounted);
  EXPECT_EQ(testing::ReadAll(file), kept);
  // Nothing temporary is left behind.
  for (const auto& e : fs::directory_iterator(folder))
    EXPECT_NE(e.path().extension(), ".tmp") << e.path();
}

TEST_F(NilFileTest, JapaneseFileAndAFileThatCannotBeRead) {
  ASSERT_EQ(Update(true), NilStatStatus::Written);
  const fs::path file = folder / fs::path(u8"ニル集計.TXT");
  EXPECT_EQ(FileCounts(file, true)[NilRowMine], Pair(1, 0));
  EXPECT_EQ(ReadTextFile(file, CodePage::Japanese).lines.at(0).rfind("    《 ニルの成功と失敗の履歴 》 ", 0),
            0u);
  // A folder where the file should be: reported, nothing replaced.
  fs::create_directories(folder / "RecordNILs.TXT");
  EXPECT_EQ(Update(), NilStatStatus::WriteFailed);
  EXPECT_TRUE(fs::is_directory(folder / "RecordNILs.TXT"));
}

// Showing a stored hand (a click on the file list) never counts its Nils again.
TEST(NilStatsOnLoading, AStoredHandLoadedForDisplayIsNotCounted) {
  testing::Harness h("NilStatsOnLoading");
  h.WriteIni("MyYahooID=Me\r\n");
  ASSERT_TRUE(h.Start());
  Deal d;
  d.bids[2] = "N";
  d.tricks = {4, 4, 0, 5};
  HandRecord r = RecordOf(d);
  for (std::size_t t = 0; t < TrickCount; ++t)
    for (std::size_t s = 0; s < 4; ++s) r.PlayTexts[t][s] = CardTextOf(r.PlayCodes[t][s]);
  const fs::path work = h.folder / "Work";
  fs::create_directories(work);
  ASSERT_EQ(WriteRecordFile(r, work, "stored_nil", CodePage::Western), RecordFileStatus::Done);
  LoadAndShowRecord(h.app(), "stored_nil", h.app().record.BrowseRecord);
  LoadAndShowRecord(h.app(), "stored_nil", h.app().record.BrowseRecord);
  EXPECT_EQ(h.app().record.BrowseRecord.Bids[2], "N");
  EXPECT_FALSE(fs::exists(h.folder / "RecordNILs.TXT"));
}

}  // namespace
}  // namespace scorlet::companion
