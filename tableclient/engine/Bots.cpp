#include "tableclient/engine/Bots.h"

#include <algorithm>

namespace scorlet::table {

namespace {

std::size_t At(int seat) { return static_cast<std::size_t>(seat); }

// Double Nil is bid blind, so the bot decides from the score alone: a side far behind
// an opponent close to winning gambles.
bool WantsDoubleNil(const SpadesGame& game, int seat) {
  ScoreLine line = game.score();
  int side = TeamOf(seat);
  int own = line[At(ScoreColumn(side))];
  int other = line[At(ScoreColumn(1 - side))];
  return other >= 420 && other - own >= 250 && !game.deal().bids[At(PardOf(seat))].IsNilKind();
}

bool WantsNil(const Hand& hand) {
  Hand spades = SuitCards(hand, Spades);
  bool highSpade = !spades.empty() && RankOf(spades.back()) >= 11;
  bool ace = std::any_of(hand.begin(), hand.end(), [](CardCode c) { return RankOf(c) == MaxRank; });
  return EstimateTricks(hand) <= 1 && spades.size() <= 3 && !highSpade && !ace;
}

bool CanWin(const Trick& trick, CardCode card) {
  Trick tried = trick;
  tried.cards[At(trick.NextSeat())] = card;
  ++tried.played;
  return TrickWinner(tried) == trick.NextSeat();
}

// Cards by rank first, so "lowest" means the smallest rank whatever its suit.
bool RankBelow(CardCode a, CardCode b) {
  return RankOf(a) < RankOf(b) || (RankOf(a) == RankOf(b) && a < b);
}

CardCode Lowest(const Hand& cards) { return *std::min_element(cards.begin(), cards.end(), RankBelow); }
CardCode Highest(const Hand& cards) { return *std::max_element(cards.begin(), cards.end(), RankBelow); }

// A Nil bidder ducks: the highest card that still loses, else the lowest it has.
CardCode DuckingPlay(const Trick& trick, const Hand& legal) {
  if (trick.played == 0) return Lowest(legal);
  Hand losing;
  std::copy_if(legal.begin(), legal.end(), std::back_inserter(losing),
               [&](CardCode c) { return !CanWin(trick, c); });
  return losing.empty() ? Lowest(legal) : Highest(losing);
}

CardCode LeadPlay(const Hand& legal) {
  Hand aces;
  std::copy_if(legal.begin(), legal.end(), std::back_inserter(aces),
               [](CardCode c) { return RankOf(c) == MaxRank && SuitOf(c) != Spades; });
  if (!aces.empty()) return aces.front();
  return Lowest(legal);
}

// Win cheaply when the opponents hold the trick; otherwise play low.
CardCode FollowPlay(const SpadesGame& game, const Trick& trick, const Hand& legal, int seat) {
  int winner = TrickWinner(trick);
  bool partnerWins = winner == PardOf(seat);
  bool partnerIsNil = game.deal().bids[At(PardOf(seat))].IsNilKind();
  if (partnerWins && !partnerIsNil) return Lowest(legal);
  Hand winning;
  std::copy_if(legal.begin(), legal.end(), std::back_inserter(winning),
               [&](CardCode c) { return CanWin(trick, c); });
  return winning.empty() ? Lowest(legal) : Lowest(winning);
}

}  // namespace

int EstimateTricks(const Hand& hand) {
  int halves = 0;
  for (int suit = Clubs; suit <= Spades; ++suit) {
    Hand cards = SuitCards(hand, suit);
    int length = static_cast<int>(cards.size());
    for (CardCode c : cards) {
      if (RankOf(c) == MaxRank) halves += 2;
      else if (RankOf(c) == 13 && length >= 2) halves += 2;
      else if (RankOf(c) == 12 && length >= 3) halves += 1;
    }
    if (suit == Spades && length > 3) halves += 2 * (length - 3);
    if (suit != Spades && length <= 1 && CountSuit(hand, Spades) >= 2) halves += 1;
  }
  return halves / 2;
}

Bid ChooseBid(const SpadesGame& game, int seat) {
  if (!game.deal().cardsSeen[At(seat)] && WantsDoubleNil(game, seat) &&
      game.IsLegalBid(seat, Bid::DoubleNil()))
    return Bid::DoubleNil();
  const Hand& hand = game.deal().hands[At(seat)];
  if (WantsNil(hand) && game.IsLegalBid(seat, Bid::Nil())) return Bid::Nil();
  Bid bid = Bid::Number(std::clamp(EstimateTricks(hand), 1, static_cast<int>(TrickCount)));
  return game.IsLegalBid(seat, bid) ? bid : Bid::Nil();
}

CardCode ChoosePlay(const SpadesGame& game, int seat) {
  Hand legal = game.LegalPlaysFor(seat);
  if (legal.empty()) return 0;
  const Trick& trick = game.deal().tricks[At(game.deal().trickIndex)];
  if (game.deal().bids[At(seat)].IsNilKind()) return DuckingPlay(trick, legal);
  if (trick.played == 0) return LeadPlay(legal);
  return FollowPlay(game, trick, legal, seat);
}

bool BotAct(SpadesGame& game) {
  int seat = game.SeatToAct();
  if (seat < 0) return false;
  if (game.phase() == Phase::Bidding) return game.MakeBid(seat, ChooseBid(game, seat));
  return game.PlayCard(seat, ChoosePlay(game, seat));
}

}  // namespace scorlet::table
