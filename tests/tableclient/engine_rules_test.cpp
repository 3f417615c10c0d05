// Tricks, legal play, bids and scoring of the substitute table.
#include <gtest/gtest.h>

#include "tableclient/engine/Rules.h"
#include "tableclient/engine/Scoring.h"
#include "tableclient/engine/Tricks.h"

namespace scorlet::table {
namespace {

Trick MakeTrick(int leader, std::initializer_list<const char*> cardsInOrder) {
  Trick trick;
  trick.leader = leader;
  for (const char* text : cardsInOrder) {
    trick.cards[static_cast<std::size_t>(trick.NextSeat())] = CardCodeOf(text);
    ++trick.played;
  }
  return trick;
}

TEST(TrickWinnerTest, HighestOfLedSuitUnlessTrumped) {
  EXPECT_EQ(TrickWinner(MakeTrick(3, {"5H", "AH", "KD", "QH"})), 0);  // West leads, North's ace
  // West leads hearts, South ruffs with the 2 of spades, North's ace of hearts loses.
  EXPECT_EQ(TrickWinner(MakeTrick(3, {"5H", "AH", "KD", "2S"})), 2);
  EXPECT_EQ(TrickWinner(MakeTrick(1, {"TC", "3S", "AC", "4S"})), 0);  // over-ruff
  EXPECT_EQ(TrickWinner(MakeTrick(2, {"9D"})), 2);                   // only the lead so far
  EXPECT_EQ(TrickWinner(MakeTrick(0, {"2C", "AD", "AH", "3C"})), 3);  // discards never win
}

TEST(LegalPlayTest, FollowSuitAndSpadeLeads) {
  Hand hand{CardCodeOf("3C"), CardCodeOf("KH"), CardCodeOf("4S"), CardCodeOf("AS")};
  Trick heartLed = MakeTrick(0, {"5H"});
  EXPECT_EQ(LegalPlays(hand, heartLed, false), (Hand{CardCodeOf("KH")}));
  Trick diamondLed = MakeTrick(0, {"5D"});
  EXPECT_EQ(LegalPlays(hand, diamondLed, false), hand);  // void: anything, spades too

  Trick lead;
  lead.leader = 1;
  EXPECT_EQ(LegalPlays(hand, lead, false), (Hand{CardCodeOf("3C"), CardCodeOf("KH")}));
  EXPECT_EQ(LegalPlays(hand, lead, true), hand);
  Hand onlySpades{CardCodeOf("4S"), CardCodeOf("AS")};
  EXPECT_EQ(LegalPlays(onlySpades, lead, false), onlySpades);
  EXPECT_FALSE(IsLegalPlay(hand, heartLed, true, CardCodeOf("AS")));
}

TEST(BidTextTest, TextsOfEveryKind) {
  TableOptions plain;
  TableOptions pass;
  pass.doubleNilPass = true;
  EXPECT_EQ(BidTextOf(Bid::Number(4), plain), "4");
  EXPECT_EQ(BidTextOf(Bid::Number(0), plain), "N");  // the game's 0 bid is Nil
  EXPECT_EQ(BidTextOf(Bid::DoubleNil(), plain), "D");
  EXPECT_EQ(BidTextOf(Bid::DoubleNil(), pass), "DP");
  EXPECT_EQ(BidTextOf(Bid{}, plain), "");
  for (const char* text : {"1", "13", "N", "D", "DP"})
    EXPECT_EQ(BidFromText(text), BidFromText(BidTextOf(BidFromText(text), pass))) << text;
  EXPECT_EQ(BidFromText("0"), Bid::Nil());
  EXPECT_EQ(BidFromText("14").kind, BidKind::None);
  EXPECT_EQ(BidFromText("3x").kind, BidKind::None);
}

std::array<Bid, 4> Bids(Bid n, Bid e, Bid s, Bid w) { return {n, e, s, w}; }

TEST(ScoringTest, ContractsMadeAndSetAndTenBagsCostAHundred) {
  TableOptions rules;
  // North-South bid 3 + 4 and take 8: 70 and one bag; East-West bid 4 and take 5: 40 and a bag.
  ScoreLine line = ScoreDeal({}, Bids(Bid::Number(3), Bid::Number(2), Bid::Number(4), Bid::Number(2)),
                             {5, 3, 3, 2}, rules);
  EXPECT_EQ(line, (ScoreLine{71, 1, 41, 1}));
  // East-West bid 6 and take 4: minus 60; the bags already held stay.
  line = ScoreDeal(line, Bids(Bid::Number(4), Bid::Number(3), Bid::Number(5), Bid::Number(3)),
                   {5, 2, 4, 2}, rules);
  EXPECT_EQ(line, (ScoreLine{161, 1, -19, 1}));
  // North-South bid 2 and take 6: 20 + 4 bags -> 12 bags -> -100, 2 bags left.
  line = ScoreDeal({200, 8, 100, 0}, Bids(Bid::Number(1), Bid::Number(4), Bid::Number(1), Bid::Number(3)),
                   {3, 4, 3, 3}, rules);
  EXPECT_EQ(line, (ScoreLine{200 + 24 - 100, 2, 170, 0}));
}

TEST(ScoringTest, NilAndDoubleNil) {
  TableOptions rules;
  // North Nil made, South 4 made exactly; East Double Nil failed with 2 tricks (bags), West 3 made.
  ScoreLine line = ScoreDeal({}, Bids(Bid::Nil(), Bid::DoubleNil(), Bid::Number(4), Bid::Number(3)),
                             {0, 2, 4, 7}, rules);
  // North-South: +100 + 40. East-West: -200 + 30 + 4 overtricks + 2 Nil tricks as bags.
  EXPECT_EQ(line, (ScoreLine{140, 0, -200 + 30 + 6, 6}));
  // Nil failed: the Nil bidder's tricks do not help the partner's contract.
  line = ScoreDeal({}, Bids(Bid::Nil(), Bid::Number(4), Bid::Number(5), Bid::Number(3)),
                   {1, 4, 4, 4}, rules);
  EXPECT_EQ(line, (ScoreLine{-100 - 50 + 1, 1, 70 + 1, 1}));
  // Both partners Nil: no contract; Double Nil made is worth 200.
  line = ScoreDeal({}, Bids(Bid::Nil(), Bid::Number(6), Bid::DoubleNil(), Bid::Number(6)),
                   {0, 6, 0, 7}, rules);
  EXPECT_EQ(line, (ScoreLine{300, 0, 121, 1}));
}

TEST(ScoringTest, GameEndsAtFiveHundredWithDifferentScores) {
  TableOptions rules;
  EXPECT_FALSE(GameIsOver({499, 0, 300, 0}, rules));
  EXPECT_TRUE(GameIsOver({500, 0, 300, 0}, rules));
  EXPECT_TRUE(GameIsOver({420, 0, 512, 2}, rules));
  EXPECT_FALSE(GameIsOver({510, 0, 510, 0}, rules));  // level: play on
  EXPECT_EQ(LeadingSide({420, 0, 512, 2}), 1);
}

}  // namespace
}  // namespace scorlet::table
