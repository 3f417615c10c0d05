// Whole deals and games of the engine with bots in every seat.
#include <gtest/gtest.h>

#include <algorithm>

#include "tableclient/engine/Bots.h"
#include "tableclient/engine/Game.h"

namespace scorlet::table {
namespace {

std::size_t At(int seat) { return static_cast<std::size_t>(seat); }

// Plays the deal in progress to its end with bots.
void PlayOut(SpadesGame& game) {
  for (int guard = 0; guard < 100 && BotAct(game); ++guard) {
  }
}

// Every card dealt once, every seat played its own 13 cards, suit followed when it could
// be, no spade led before spades were broken (unless only spades were held).
void ExpectLegalDeal(const DealState& deal) {
  Hands held = deal.dealt;
  std::vector<CardCode> seen;
  bool broken = false;
  for (const Trick& trick : deal.tricks) {
    int led = trick.LedSuit();
    const Hand& leaderHand = held[At(trick.leader)];
    if (led == Spades && !broken) {
      EXPECT_EQ(CountSuit(leaderHand, Spades), static_cast<int>(leaderHand.size()));
    }
    for (int seat = 0; seat < 4; ++seat) {
      CardCode card = trick.cards[At(seat)];
      if (card / 100 != led) {
        EXPECT_EQ(CountSuit(held[At(seat)], led), 0);
      }
      EXPECT_TRUE(RemoveCard(held[At(seat)], card)) << CardTextOf(card);
      if (card / 100 == Spades) broken = true;
      seen.push_back(card);
    }
  }
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, FullDeck());
  int total = 0;
  for (int t : deal.tricksWon) total += t;
  EXPECT_EQ(total, 13);
}

TEST(GameTest, BotGamesAreLegalAndEndAtFiveHundred) {
  for (std::uint32_t seed : {1u, 7u, 2024u}) {
    GameSetup setup;
    setup.seed = seed;
    SpadesGame game(setup);
    while (game.phase() != Phase::GameOver) {
      PlayOut(game);
      ASSERT_NE(game.phase(), Phase::Playing);
      ExpectLegalDeal(game.deal());
      if (game.phase() == Phase::DealOver) game.NextDeal();
    }
    EXPECT_TRUE(GameIsOver(game.score(), setup.options));
    EXPECT_EQ(static_cast<int>(game.scoreRows().size()), game.deal().number);
    game.NextDeal();  // a new game starts with an empty score table
    EXPECT_EQ(game.gameNumber(), 2);
    EXPECT_EQ(game.deal().number, 1);
    EXPECT_TRUE(game.scoreRows().empty());
  }
}

TEST(GameTest, SameSeedSameGameOtherSeedOtherCards) {
  auto firstDeals = [](std::uint32_t seed) {
    GameSetup setup;
    setup.seed = seed;
    SpadesGame game(setup);
    std::vector<Hands> deals;
    for (int i = 0; i < 3; ++i) {
      deals.push_back(game.deal().dealt);
      PlayOut(game);
      game.NextDeal();
    }
    deals.push_back({game.deal().hands});
    return std::make_pair(deals, game.scoreRows());
  };
  EXPECT_EQ(firstDeals(42), firstDeals(42));
  EXPECT_NE(firstDeals(42).first, firstDeals(43).first);
}

TEST(GameTest, TurnsRotateAndWrongSeatOrCardIsRefused) {
  SpadesGame game(GameSetup{});  // West deals: North bids and leads first
  EXPECT_EQ(game.SeatToAct(), 0);
  EXPECT_FALSE(game.MakeBid(1, Bid::Number(3)));
  EXPECT_FALSE(game.MakeBid(0, Bid::Number(14)));
  EXPECT_TRUE(game.MakeBid(0, Bid::Number(3)));
  for (int i = 0; i < 3; ++i) BotAct(game);
  ASSERT_EQ(game.phase(), Phase::Playing);
  EXPECT_EQ(game.SeatToAct(), 0);
  CardCode notHeld = 0;
  for (CardCode c : FullDeck())
    if (!HandHas(game.deal().hands[0], c)) notHeld = c;
  EXPECT_FALSE(game.PlayCard(0, notHeld));
  EXPECT_FALSE(game.PlayCard(1, game.deal().hands[1].front()));
  CardCode lead = game.LegalPlaysFor(0).front();
  EXPECT_TRUE(game.PlayCard(0, lead));
  EXPECT_EQ(game.SeatToAct(), 1);
  PlayOut(game);
  game.NextDeal();
  EXPECT_EQ(game.SeatToAct(), 1);  // North deals the second deal
}

TEST(GameTest, DoubleNilOnlyBeforeLookingAtCards) {
  GameSetup setup;
  setup.options.doubleNilPass = true;
  SpadesGame game(setup);
  EXPECT_TRUE(game.IsLegalBid(0, Bid::DoubleNil()));
  game.RevealCards(0);
  EXPECT_FALSE(game.IsLegalBid(0, Bid::DoubleNil()));
  EXPECT_TRUE(game.MakeBid(0, Bid::Nil()));
  ASSERT_TRUE(game.MakeBid(1, Bid::DoubleNil()));
  Hand eastBefore = game.deal().hands[1];
  Hand westBefore = game.deal().hands[3];
  BotAct(game);
  BotAct(game);
  ASSERT_EQ(game.phase(), Phase::Playing);
  // At a double-nil-pass table the bidder gives two high cards and gets two low ones.
  const Hand& eastAfter = game.deal().hands[1];
  Hand gone;
  std::set_difference(eastBefore.begin(), eastBefore.end(), eastAfter.begin(), eastAfter.end(),
                      std::back_inserter(gone));
  ASSERT_EQ(gone.size(), 2u);
  for (CardCode c : gone) EXPECT_TRUE(HandHas(game.deal().hands[3], c));
  EXPECT_EQ(game.deal().hands[3].size(), westBefore.size());
  PlayOut(game);
  ExpectLegalDeal(game.deal());
  EXPECT_EQ(game.lastTruth().Bids[1], "DP");
}

TEST(GameTest, SuicideTablesHaveANilInEachPartnership) {
  GameSetup setup;
  setup.options.suicide = true;
  setup.seed = 5;
  SpadesGame game(setup);
  for (int deal = 0; deal < 12 && game.phase() != Phase::GameOver; ++deal) {
    PlayOut(game);
    const auto& bids = game.deal().bids;
    EXPECT_TRUE(bids[0].IsNilKind() || bids[2].IsNilKind());
    EXPECT_TRUE(bids[1].IsNilKind() || bids[3].IsNilKind());
    game.NextDeal();
  }
  // The second bidder of a partnership without a Nil may bid nothing else.
  SpadesGame fresh(setup);
  fresh.MakeBid(0, Bid::Number(4));
  fresh.MakeBid(1, Bid::Number(3));
  EXPECT_FALSE(fresh.IsLegalBid(2, Bid::Number(2)));
  EXPECT_TRUE(fresh.IsLegalBid(2, Bid::Nil()));
}

}  // namespace
}  // namespace scorlet::table
