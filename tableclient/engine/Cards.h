// Hands and the seeded deal.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "common/Notation.h"

namespace scorlet::table {

// One seat's cards, kept in ascending card-code order.
using Hand = std::vector<CardCode>;
using Hands = std::array<Hand, 4>;

// The 52 codes in ascending order.
std::vector<CardCode> FullDeck();
// Shuffles a full deck with the generator and gives 13 cards to each seat, the first
// to the dealer's left-hand opponent as at a real table. Only the generator's raw
// output is used (no library distribution), so a seed deals the same cards with every
// standard library.
Hands DealHands(std::mt19937& rng, int dealer);

bool HandHas(const Hand& hand, CardCode card);
// Removes one copy of the card; false when the hand does not hold it.
bool RemoveCard(Hand& hand, CardCode card);
void AddCard(Hand& hand, CardCode card);
int CountSuit(const Hand& hand, int suit);
// Cards of one suit, ascending.
Hand SuitCards(const Hand& hand, int suit);

}  // namespace scorlet::table
