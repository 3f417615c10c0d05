#include "tableclient/engine/Tricks.h"

#include <algorithm>

namespace scorlet::table {

namespace {

// The best card so far is always of the led suit or a trump, so a card of another
// suit beats it only by being a trump.
bool Beats(CardCode card, CardCode best) {
  if (card / 100 == best / 100) return card > best;
  return card / 100 == TrumpSuit;
}

}  // namespace

int TrickWinner(const Trick& trick) {
  int winner = trick.leader;
  for (int i = 1; i < trick.played; ++i) {
    int seat = (trick.leader + i) % 4;
    if (Beats(trick.cards[static_cast<std::size_t>(seat)],
              trick.cards[static_cast<std::size_t>(winner)]))
      winner = seat;
  }
  return winner;
}

Hand LegalPlays(const Hand& hand, const Trick& trick, bool spadesBroken) {
  if (trick.Complete()) return {};
  if (trick.played > 0) {
    Hand follow = SuitCards(hand, trick.LedSuit());
    return follow.empty() ? hand : follow;
  }
  if (spadesBroken) return hand;
  Hand leads;
  std::copy_if(hand.begin(), hand.end(), std::back_inserter(leads),
               [](CardCode c) { return c / 100 != TrumpSuit; });
  return leads.empty() ? hand : leads;
}

bool IsLegalPlay(const Hand& hand, const Trick& trick, bool spadesBroken, CardCode card) {
  return HandHas(LegalPlays(hand, trick, spadesBroken), card);
}

}  // namespace scorlet::table
