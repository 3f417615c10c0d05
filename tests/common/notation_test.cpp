#include "common/Notation.h"

#include <gtest/gtest.h>

#include <climits>

namespace scorlet {
namespace {

TEST(Notation, CardTextsAndCodesConvertBothWays) {
  const std::pair<const char*, int> texts[] = {{"AS", 314},  {"TD", 110}, {"2C", 2}, {"[KH]", 213},
                                               {"(9S)", 309}, {"", 0},     {"??", 0},
                                               {"A", 14}};  // padded: unknown suit counts as clubs
  for (const auto& [text, code] : texts) EXPECT_EQ(CardCodeOf(text), code) << text;
  EXPECT_EQ(CardTextOf(110), "TD");
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = MinRank; rank <= MaxRank; ++rank) {
      const int code = suit * 100 + rank;
      EXPECT_EQ(CardCodeOf(CardTextOf(code)), code);
    }
  }
}

TEST(Notation, UnusableCodesNeverReachOutsideTheTables) {
  for (int code : {0, -314, -1, 99, 402, 423, 2200, SHRT_MIN, SHRT_MAX, INT_MIN + 1, INT_MAX}) {
    EXPECT_FALSE(IsCardCode(CardCodeOf(CardTextOf(code)))) << code;
  }
  EXPECT_FALSE(IsCardCode(0));
  EXPECT_FALSE(IsCardCode(415));
  EXPECT_EQ(RankOf(-314), 14);
  EXPECT_EQ(SuitOf(-314), 3);
  EXPECT_EQ(RankOf(315), 0);
  EXPECT_EQ(SymbolChar(0), "");
  EXPECT_EQ(SymbolChar(23), "");
  EXPECT_EQ(SuitLetter(5), "");
  EXPECT_EQ(SuitLetter(-1), "");
  EXPECT_EQ(SuitIndexOf("x"), 0);
  EXPECT_EQ(SuitIndexOf(""), 0);
  EXPECT_EQ(SeatName(4), "");
  EXPECT_EQ(InvSeat(RotationFrom(1), 7), 0);
}

TEST(Notation, BidsAndSeatRotation) {
  EXPECT_EQ(BidKindOf("DP"), BidDoubleNil);
  EXPECT_EQ(BidKindOf("D"), BidDoubleNil);
  EXPECT_EQ(BidKindOf("N"), BidNil);
  EXPECT_EQ(BidKindOf(""), BidOrdinary);
  EXPECT_EQ(BidNumberOf("13"), 13);
  EXPECT_EQ(BidNumberOf("DP"), 0);
  EXPECT_EQ(BidNumberOf("99999999999999999999"), 999999);  // stops before overflow
  EXPECT_EQ(LhoOf(3), 0);
  EXPECT_EQ(RotationFrom(1), (SeatRotation{1, 2, 3, 0}));
  EXPECT_EQ(InvSeat(RotationFrom(1), 3), 2);
}

TEST(Notation, SortHandBothDirections) {
  const HandCodes hand{314, 2, 110, 0, 213, 309, 3, 102, 214, 302, 14, 113, 205};
  const HandCodes down = SortHand(hand, OrderDescending);
  const HandCodes up = SortHand(hand, OrderAscending);
  EXPECT_EQ(down.front(), 314);
  EXPECT_EQ(down.back(), 0);
  EXPECT_EQ(up.front(), 0);
  EXPECT_EQ(up[1], 2);
  EXPECT_EQ(up.back(), 314);
}

// A play matrix built trick by trick, each with its leader's mark 1.
struct Play {
  PlayGrid codes{};
  MarkGrid leads{};
  void Trick(int t, int leader, std::array<int, 4> cards) {
    for (int s = 0; s < 4; ++s) codes[t][s] = static_cast<CardCode>(cards[s]);
    leads[t][leader] = LeadLed;
  }
};

TEST(TrickWinners, LastTrickByCardsWithRuff) {
  Play play;
  // Trick 13 led by West with hearts; South ruffs with the 2 of spades.
  play.Trick(12, 3, {214, 210, 302, 205});
  const TrickResult r = TrickWinners(play.codes, play.leads, TrumpSuit);
  EXPECT_EQ(r.winMarks[12][2], 1);
  EXPECT_EQ(r.tricks[2], 1);
  EXPECT_EQ(r.tricks[0], 0);
  // Without trumps the ace of hearts wins.
  EXPECT_EQ(TrickWinners(play.codes, play.leads, NoTrump).tricks[0], 1);
}

TEST(TrickWinners, NextLeaderWinsAndMissingLeaderMeansNorth) {
  Play play;
  play.Trick(0, 0, {2, 3, 4, 5});
  play.Trick(1, 3, {102, 103, 104, 105});  // West led trick 2, so West won trick 1
  play.Trick(2, 1, {202, 203, 204, 205});
  // Trick 13 has no marks: North counts as leader, East's higher club wins.
  play.codes[12] = {6, 9, 7, 8};
  const TrickResult r = TrickWinners(play.codes, play.leads, TrumpSuit);
  EXPECT_EQ(r.winMarks[0][3], 1);
  EXPECT_EQ(r.winMarks[1][1], 1);
  EXPECT_EQ(r.winMarks[2], (std::array<std::uint8_t, 4>{}));  // trick 4 unmarked
  EXPECT_EQ(r.winMarks[12][1], 1);
  EXPECT_EQ(r.tricks, (std::array<std::uint8_t, 4>{0, 2, 0, 1}));
}

TEST(TrickWinners, LeadMarkTwoStopsTheScan) {
  Play play;
  play.Trick(0, 0, {2, 3, 4, 5});
  play.Trick(1, 2, {102, 103, 104, 105});
  play.leads[2][1] = LeadParen;  // trick 3: mark 2 before any mark 1
  play.Trick(3, 0, {302, 303, 304, 305});
  play.codes[1] = {102, 103, 104, 313};  // trick 2 by cards: South led diamonds, West ruffs
  const TrickResult r = TrickWinners(play.codes, play.leads, TrumpSuit);
  EXPECT_EQ(r.winMarks[0][2], 1);
  EXPECT_EQ(r.winMarks[1][3], 1);
  EXPECT_EQ(r.tricks, (std::array<std::uint8_t, 4>{0, 0, 1, 1}));  // nothing after

  // A mark 2 in the trick evaluated by cards leaves it without a winner.
  Play last;
  last.leads[12][0] = LeadParen;
  last.leads[12][1] = LeadLed;
  EXPECT_EQ(TrickWinners(last.codes, last.leads, TrumpSuit).tricks,
            (std::array<std::uint8_t, 4>{}));
  // So does a trick without any card.
  const Play empty;
  EXPECT_EQ(TrickWinners(empty.codes, empty.leads, TrumpSuit).tricks,
            (std::array<std::uint8_t, 4>{}));
}

TEST(TrickWinners, FirstLeaderTakesHighestMarkedSeat) {
  Play play;
  EXPECT_EQ(FirstLeader(play.leads, play.codes).seat, -1);
  EXPECT_EQ(FirstLeader(play.leads, play.codes).card, -1);
  play.Trick(0, 1, {2, 3, 4, 5});
  play.leads[0][3] = LeadLed;
  const LeadCard lead = FirstLeader(play.leads, play.codes);
  EXPECT_EQ(lead.seat, 3);
  EXPECT_EQ(lead.card, 5);
}

TEST(NilAnalysis, NilBidderWinningAllThirteenKeepsEveryCard) {
  Play play;
  for (int t = 0; t < TrickCount; ++t) {
    play.Trick(t, 1, {t + 2, 300 + t + 2, 200 + t + 2, 100 + t + 2});
  }
  const TrickResult tricks = TrickWinners(play.codes, play.leads, TrumpSuit);
  ASSERT_EQ(tricks.tricks[1], 13);
  const NilAnalysis nil = AnalyseNils({"3", "N", "4", "5"}, play.codes, tricks);
  EXPECT_EQ(nil.nilTricks, (std::array<std::int32_t, 4>{0, 13, 0, 0}));
  for (int t = 0; t < TrickCount; ++t) {
    EXPECT_EQ(nil.nilWinningCards[t][1], 300 + t + 2);
    EXPECT_EQ(nil.playCodesShown[t][1], -(300 + t + 2));
    EXPECT_EQ(nil.playCodesShown[t][0], t + 2);
  }
  // An ordinary bidder's tricks are not Nil tricks.
  EXPECT_EQ(AnalyseNils({"3", "5", "4", "5"}, play.codes, tricks).nilTricks[1], 0);
}

}  // namespace
}  // namespace scorlet
