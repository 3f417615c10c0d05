#include "common/Notation.h"

#include <algorithm>
#include <cstdlib>

namespace scorlet {

namespace {

bool IsSeat(int seat) { return seat >= 0 && seat < 4; }

// Card value without the Nil mark (the shown play negates some codes).
int Plain(int code) { return std::abs(code); }

}  // namespace

std::string SymbolChar(int position) {
  if (position < 1 || position > static_cast<int>(CardSymbols.size())) return "";
  return std::string(1, CardSymbols[static_cast<std::size_t>(position - 1)]);
}

std::string SuitLetter(int suit) {
  if (suit == NoTrump) return "NT";
  if (suit < Clubs || suit > Spades) return "";
  return std::string(1, SuitTable[static_cast<std::size_t>(suit)].letter);
}

CardText CardTextOf(int code) {
  // Truncating division: a negative code gives "" for both halves.
  return SymbolChar(code % 100) + SuitLetter(code / 100);
}

int SuitIndexOf(std::string_view text) {
  if (text.substr(0, 2) == "NT") return NoTrump;
  if (text.empty()) return Clubs;
  for (int suit = Clubs; suit <= Spades; ++suit) {
    if (SuitTable[static_cast<std::size_t>(suit)].letter == text[0]) return suit;
  }
  return Clubs;
}

CardCode CardCodeOf(std::string_view text) {
  // "[KH]" and "(9S)" carry the card in characters 2 and 3.
  std::string card(text.size() < 3 ? text : text.substr(1, 2));
  card.resize(2, ' ');
  const int suit = SuitIndexOf(std::string_view(card).substr(1, 1));
  const std::size_t found = CardSymbols.find(card[0]);
  const int rank = found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
  return static_cast<CardCode>(suit * 100 + rank);
}

int RankOf(int code) {
  const int rank = Plain(code) % 100;
  return rank >= MinRank && rank <= MaxRank ? rank : 0;
}

int SuitOf(int code) {
  const int suit = Plain(code) / 100;
  return suit >= Clubs && suit <= Spades ? suit : -1;
}

bool IsCardCode(int code) { return SuitOf(code) >= 0 && RankOf(code) != 0; }

BidKind BidKindOf(std::string_view bid) {
  if (bid == "N") return BidNil;
  if (bid == "D" || bid == "DP") return BidDoubleNil;
  return BidOrdinary;
}

int BidNumberOf(std::string_view bid) {
  int value = 0;
  for (char c : bid) {
    if (c < '0' || c > '9' || value > 99999) break;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string_view SeatName(SeatIndex seat) {
  return IsSeat(seat) ? SeatNames[static_cast<std::size_t>(seat)] : std::string_view();
}

std::string_view SeatLabel(SeatIndex seat) { return SeatName(seat).substr(0, 1); }

SeatIndex LhoOf(SeatIndex seat) { return (seat + 1) & 3; }
SeatIndex PardOf(SeatIndex seat) { return (seat + 2) & 3; }
int TeamOf(int seat) { return seat & 1; }

SeatRotation RotationFrom(int startSeat) {
  SeatRotation rotation{};
  for (int k = 0; k < 4; ++k) rotation[static_cast<std::size_t>(k)] = (startSeat + k) & 3;
  return rotation;
}

int InvSeat(const SeatRotation& rotation, int seat) {
  for (int k = 0; k < 4; ++k) {
    if (rotation[static_cast<std::size_t>(k)] == seat) return k;
  }
  return 0;
}

HandCodes SeatCards(const PlayGrid& codes, int seat) {
  HandCodes cards{};
  if (!IsSeat(seat)) return cards;
  for (int t = 0; t < TrickCount; ++t) cards[t] = codes[t][static_cast<std::size_t>(seat)];
  return cards;
}

HandCodes SortHand(const HandCodes& cards, int direction) {
  // Selection sort, largest first; the first of equal codes keeps its place.
  HandCodes sorted = cards;
  for (std::size_t i = 0; i + 1 < sorted.size(); ++i) {
    std::size_t best = i;
    for (std::size_t j = i + 1; j < sorted.size(); ++j) {
      if (sorted[j] > sorted[best]) best = j;
    }
    std::swap(sorted[i], sorted[best]);
  }
  if (direction != OrderDescending) std::reverse(sorted.begin(), sorted.end());
  return sorted;
}

namespace {

// Trick t (0-based) is won by whoever led trick t + 1. Returns the first trick whose
// winner the marks cannot tell because a lead mark 2 comes first, or the last trick.
int WinnersFromLeads(const MarkGrid& leads, TrickResult& result) {
  for (int t = 0; t + 1 < TrickCount; ++t) {
    for (std::size_t seat = 0; seat < 4; ++seat) {
      const auto mark = leads[t + 1][seat];
      if (mark == LeadParen) return t;
      if (mark == LeadLed) {
        result.winMarks[t][seat] = 1;
        ++result.tricks[seat];
        break;
      }
    }
  }
  return TrickCount - 1;
}

// Leader of a trick from its marks: first seat with mark 1, North when none;
// -1 when a mark 2 comes first.
int LeaderOf(const std::array<std::uint8_t, 4>& marks) {
  for (int seat = 0; seat < 4; ++seat) {
    if (marks[seat] == LeadParen) return -1;
    if (marks[seat] == LeadLed) return seat;
  }
  return 0;
}

// A trick with no card at all (nothing captured or stored) has no winner to tell.
bool IsEmptyTrick(const std::array<CardCode, 4>& cards) {
  return std::all_of(cards.begin(), cards.end(), [](CardCode c) { return c == 0; });
}

int WinnerByCards(const std::array<CardCode, 4>& cards, int leader, int trump) {
  const int led = Plain(cards[leader]) / 100;
  int winner = leader;
  for (int seat = 0; seat < 4; ++seat) {
    const int card = Plain(cards[seat]);
    if (card / 100 == led && card > Plain(cards[winner])) winner = seat;
  }
  if (trump >= Clubs && trump <= Spades && led != trump) {
    int bestRank = -1;
    for (int seat = 0; seat < 4; ++seat) {
      const int card = Plain(cards[seat]);
      if (card / 100 == trump && card % 100 > bestRank) {
        bestRank = card % 100;
        winner = seat;
      }
    }
  }
  return winner;
}

}  // namespace

TrickResult TrickWinners(const PlayGrid& codes, const MarkGrid& leads, int trump) {
  TrickResult result;
  const int t = WinnersFromLeads(leads, result);
  const int leader = LeaderOf(leads[t]);
  if (leader < 0 || IsEmptyTrick(codes[t])) return result;
  const int winner = WinnerByCards(codes[t], leader, trump);
  result.winMarks[t][winner] = 1;
  ++result.tricks[winner];
  return result;
}

LeadCard FirstLeader(const MarkGrid& leads, const PlayGrid& codes) {
  LeadCard lead;
  for (int seat = 0; seat < 4; ++seat) {
    if (leads[0][seat] == LeadLed) lead = {seat, codes[0][seat]};
  }
  return lead;
}

NilAnalysis AnalyseNils(const std::array<BidText, 4>& bids, const PlayGrid& codes,
                        const TrickResult& tricks) {
  NilAnalysis nil;
  nil.playCodesShown = codes;
  for (std::size_t seat = 0; seat < 4; ++seat) {
    if (BidKindOf(bids[seat]) == BidOrdinary || tricks.tricks[seat] == 0) continue;
    nil.nilTricks[seat] = tricks.tricks[seat];
    std::size_t entry = 0;
    for (std::size_t t = 0; t < TrickCount; ++t) {
      if (tricks.winMarks[t][seat] == 0) continue;
      nil.nilWinningCards[entry++][seat] = codes[t][seat];
      nil.playCodesShown[t][seat] = static_cast<CardCode>(-codes[t][seat]);
    }
  }
  return nil;
}

}  // namespace scorlet
