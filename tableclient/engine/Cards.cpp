#include "tableclient/engine/Cards.h"

#include <algorithm>

namespace scorlet::table {

std::vector<CardCode> FullDeck() {
  std::vector<CardCode> deck;
  deck.reserve(52);
  for (int suit = Clubs; suit <= Spades; ++suit)
    for (int rank = MinRank; rank <= MaxRank; ++rank)
      deck.push_back(static_cast<CardCode>(suit * 100 + rank));
  return deck;
}

Hands DealHands(std::mt19937& rng, int dealer) {
  std::vector<CardCode> deck = FullDeck();
  for (std::size_t i = deck.size() - 1; i > 0; --i) {
    std::size_t j = static_cast<std::size_t>(rng() % (i + 1));
    std::swap(deck[i], deck[j]);
  }
  Hands hands;
  for (std::size_t i = 0; i < deck.size(); ++i)
    hands[static_cast<std::size_t>((dealer + 1 + static_cast<int>(i)) % 4)].push_back(deck[i]);
  for (Hand& hand : hands) std::sort(hand.begin(), hand.end());
  return hands;
}

bool HandHas(const Hand& hand, CardCode card) {
  return std::binary_search(hand.begin(), hand.end(), card);
}

bool RemoveCard(Hand& hand, CardCode card) {
  auto it = std::lower_bound(hand.begin(), hand.end(), card);
  if (it == hand.end() || *it != card) return false;
  hand.erase(it);
  return true;
}

void AddCard(Hand& hand, CardCode card) {
  hand.insert(std::upper_bound(hand.begin(), hand.end(), card), card);
}

int CountSuit(const Hand& hand, int suit) {
  return static_cast<int>(
      std::count_if(hand.begin(), hand.end(), [suit](CardCode c) { return c / 100 == suit; }));
}

Hand SuitCards(const Hand& hand, int suit) {
  Hand cards;
  std::copy_if(hand.begin(), hand.end(), std::back_inserter(cards),
               [suit](CardCode c) { return c / 100 == suit; });
  return cards;
}

}  // namespace scorlet::table
