// Card, seat and bid notation shared by both programs.
//
// A card travels in three forms: a two-character card text ("AS"), a card code
// (suit index * 100 + rank, so the ace of spades is 314) and a 1-based position in
// the symbol table CardSymbols, which also indexes the glyph templates of the screen
// reader. Every function here accepts any input: a code of 0, a negative code (the
// Nil mark of the shown play) or a code out of range never indexes a table out of
// bounds; it comes back as "" or as an unreadable card.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace scorlet {

using CardCode = std::int16_t;
using CardText = std::string;  // rank character then suit letter, "AS"
using SeatIndex = int;         // 0 North, 1 East, 2 South, 3 West
using BidText = std::string;   // "", "1".."13", "N", "D", "DP"
using BidKind = int;           // BidOrdinary, BidNil, BidDoubleNil

// 1-based positions: 2..14 ranks, 15..18 suit letters, 19/20 lead-mark brackets,
// 21/22 the brackets of lead mark 2.
inline constexpr std::string_view CardSymbols = "123456789TJQKACDHS[]()";
inline constexpr int FirstSuitPos = static_cast<int>(CardSymbols.find('C')) + 1;
static_assert(FirstSuitPos == 15);

inline constexpr int Clubs = 0;
inline constexpr int Diamonds = 1;
inline constexpr int Hearts = 2;
inline constexpr int Spades = 3;
inline constexpr int NoTrump = 4;  // a trump designator only, never a card's suit
inline constexpr int TrumpSuit = Spades;

inline constexpr int MinRank = 2;
inline constexpr int MaxRank = 14;  // ace

// Display attributes of one suit, shared by the card displays and the HTML pages.
struct SuitAttributes {
  char letter;
  std::string_view imageFile;      // "C.gif"
  std::uint32_t displayColour;     // 24-bit, red in the low byte
  std::string_view htmlColour;     // "blue"
  std::string_view shortName;      // "clb"
  std::string_view htmlEntity;     // "&clubs;"
  int symbolFontCode;              // character of the Windows "Symbol" font
};

inline constexpr std::array<SuitAttributes, 4> SuitTable{{
    {'C', "C.gif", 0xFF0000, "blue", "clb", "&clubs;", 167},
    {'D', "D.gif", 0xFF00FF, "fuchsia", "dmd", "&diams;", 168},
    {'H', "H.gif", 0x0000FF, "red", "hrt", "&hearts;", 169},
    {'S', "S.gif", 0x000000, "black", "spd", "&spades;", 170},
}};

// The one character at a 1-based position of CardSymbols; "" outside 1..22.
std::string SymbolChar(int position);
// 0 "C", 1 "D", 2 "H", 3 "S", 4 "NT", anything else "".
std::string SuitLetter(int suit);
// Rank character then suit letter. A code that is no card (see IsCardCode) gives a
// text that never reads back as a card.
CardText CardTextOf(int code);
// "NT" -> 4; first character C/D/H/S -> 0..3; anything else 0.
int SuitIndexOf(std::string_view text);
// Parses "AS", "[KH]", "(9S)"; unknown suit counts as clubs, unknown rank as 0.
CardCode CardCodeOf(std::string_view text);

// Rank part of a code (sign ignored), 0 when outside 2..14.
int RankOf(int code);
// Suit part of a code (sign ignored), 0..3, or -1 when the code is no card.
int SuitOf(int code);
// True when the code (sign ignored) is a real card: suit 0..3, rank 2..14.
bool IsCardCode(int code);

// Bid kinds: 0 ordinary, 1 Nil, 2 Double Nil ("D" and the pass form "DP").
inline constexpr BidKind BidOrdinary = 0;
inline constexpr BidKind BidNil = 1;
inline constexpr BidKind BidDoubleNil = 2;
BidKind BidKindOf(std::string_view bid);
// A Nil or Double Nil bid ("N", "D", "DP").
inline bool IsNilKind(std::string_view bid) { return BidKindOf(bid) != BidOrdinary; }
// Leading-number value of a bid text: "4" -> 4, "N", "D", "DP", "" -> 0.
int BidNumberOf(std::string_view bid);

// Seats: 0 North, 1 East, 2 South, 3 West, clockwise in playing order.
inline constexpr std::array<std::string_view, 4> SeatNames{"North", "East", "South", "West"};
// Labels of display positions 0..3 as seen by the user.
inline constexpr std::array<std::string_view, 4> RelativeSeatLabels{"Me", "LHO", "Pard", "RHO"};
// Full seat name, "" for a seat outside 0..3.
std::string_view SeatName(SeatIndex seat);
// One-letter label "N", "E", "S", "W"; "" for a seat outside 0..3.
std::string_view SeatLabel(SeatIndex seat);
SeatIndex LhoOf(SeatIndex seat);   // plays next
SeatIndex PardOf(SeatIndex seat);
// Partnership 0 North-South, 1 East-West.
int TeamOf(int seat);

// Display position 0..3 -> seat; position 0 is the user's own seat.
using SeatRotation = std::array<SeatIndex, 4>;
// Position k -> (start + k) mod 4.
SeatRotation RotationFrom(int startSeat);
// Position holding the seat, 0 when none does.
int InvSeat(const SeatRotation& rotation, int seat);

// The 13 x 4 play matrix, indexed [trick][seat] (or [position][seat] for sorted hands).
inline constexpr int TrickCount = 13;
using PlayGrid = std::array<std::array<CardCode, 4>, TrickCount>;
using MarkGrid = std::array<std::array<std::uint8_t, 4>, TrickCount>;
using HandCodes = std::array<CardCode, TrickCount>;

// Lead marks: 0 none, 1 led the trick ("[..]"), 2 the "(..)" form.
inline constexpr std::uint8_t LeadNone = 0;
inline constexpr std::uint8_t LeadLed = 1;
inline constexpr std::uint8_t LeadParen = 2;

struct TrickResult {
  MarkGrid winMarks{};               // 1 on the card that won its trick
  std::array<std::uint8_t, 4> tricks{};  // tricks won per seat
};
// Winners from the lead marks of the following trick where they tell, and from the
// cards for the trick where they stop telling; trump is 0..3, or 4 for no trump.
TrickResult TrickWinners(const PlayGrid& codes, const MarkGrid& leads, int trump);

struct LeadCard {
  int seat = -1;  // -1 when no seat carries lead mark 1 in trick 1
  int card = -1;
};
// Seat with lead mark 1 in trick 1 (the highest seat when several do) and its card.
LeadCard FirstLeader(const MarkGrid& leads, const PlayGrid& codes);

// Card-order directions of the configuration.
inline constexpr int OrderDescending = 0;
inline constexpr int OrderAscending = 1;
// One seat's 13 codes sorted by code; descending for 0, ascending for any other value.
HandCodes SortHand(const HandCodes& cards, int direction);
// Column `seat` of a play matrix.
HandCodes SeatCards(const PlayGrid& codes, int seat);

// What a Nil or Double Nil bidder who took tricks did. The card list has room for
// all 13 tricks, so a Nil bidder who wins every trick keeps an exact list.
struct NilAnalysis {
  std::array<std::int32_t, 4> nilTricks{};
  PlayGrid nilWinningCards{};  // [entry][seat], in play order, 0 after the last
  PlayGrid playCodesShown{};   // the play with each such winning card negated
};
NilAnalysis AnalyseNils(const std::array<BidText, 4>& bids, const PlayGrid& codes,
                        const TrickResult& tricks);

}  // namespace scorlet
