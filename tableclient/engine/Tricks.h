// One trick in progress, its winner and the cards a seat may play to it.
#pragma once

#include <array>

#include "tableclient/engine/Cards.h"

namespace scorlet::table {

struct Trick {
  int leader = 0;
  int played = 0;                 // cards on the table, 0..4
  std::array<CardCode, 4> cards{};  // by seat, 0 for a seat that has not played

  bool Complete() const { return played == 4; }
  int NextSeat() const { return (leader + played) % 4; }
  // Suit of the led card, -1 before the lead.
  int LedSuit() const { return played == 0 ? -1 : cards[static_cast<std::size_t>(leader)] / 100; }
};

// Seat holding the best card so far (spades trump, else the highest of the led suit);
// the leader while nothing has been played.
int TrickWinner(const Trick& trick);

// Follow suit when possible; a lead may not be a spade until spades are broken,
// unless the hand holds nothing else.
Hand LegalPlays(const Hand& hand, const Trick& trick, bool spadesBroken);
bool IsLegalPlay(const Hand& hand, const Trick& trick, bool spadesBroken, CardCode card);

}  // namespace scorlet::table
