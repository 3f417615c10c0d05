// The card displays: the card cells composed from the card-face font, the play grid of a saved
// hand and of the live hand, the four hands of a record, the cards each player has shown in the
// live hand with the suits he is known to be void in, the remaining-cards box, the name labels,
// the bid summary and the last-hand summary.
//
// Each display is a plain value of what to show, made by a pure function, and a draw function
// that puts the value on a canvas. Cards are block copies from a strip picture composed once.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/Notation.h"
#include "common/WorkFiles.h"
#include "platform/Canvas.h"
#include "platform/Types.h"

namespace scorlet::companion {

// --- the card-face font and the card-cell strip ---

inline constexpr int CardFaceCopyX = 210;  // the second copy of the font, on white
inline constexpr int CardFaceSlot = 10;    // glyph g starts at x = 10 g
inline constexpr int CardColumnWidth = 25; // rank r's cell column starts at (r - 2) * 25
inline constexpr Color StrikeColor = Rgb(255, 0, 128);

// The font as drawn into the never-shown strip window frmP: once on the card background, once
// on white from x = 210, with each glyph's width (glyph g and g + 21).
struct CardFacePicture {
  Image picture;
  std::array<int, 42> widths{};
};
CardFacePicture DrawCardFace(Color cardBackground);

// One cell per card and style: row = lead mark * 8 + 4 when won + suit (24 rows), column by
// rank. A cell is cellWidth x (cellHeight - 1) pixels from (column + 1, row * cellHeight + 1).
struct CardStrip {
  Image cells;
  int cellWidth = 24;
  int cellHeight = 14;
  bool ready() const { return cells.width > 0; }
};
CardStrip BuildCardStrip(const CardFacePicture& face, Color cardBackground);
inline int CardColumnX(int rank) { return (rank - 2) * CardColumnWidth; }
inline int StripRow(int suit, int lead, bool won) { return lead * 8 + (won ? 4 : 0) + suit; }

// Copies the card's cell to (x, y); a negative code is a Nil bidder's winning card, struck
// through in purple. Code 0 (or no card) draws nothing.
void dspCardP(Canvas& target, const CardStrip& strip, int x, int y, int code, int lead, int win);

// --- play grids ---

// Grid row k (0..3) shows display position (k + 1) mod 4: "LHO", "Pard", "RHO", "Me".
inline constexpr std::array<const char*, 4> GridRowLabels{"LHO", "Pard", "RHO", "Me"};
inline int GridRowPosition(int row) { return (row + 1) % 4; }

struct GridCell {
  int code = 0;  // 0 nothing; negative: a Nil bidder's winning card
  int lead = 0;
  int win = 0;
  friend bool operator==(const GridCell&, const GridCell&) = default;
};
struct PlayGridView {
  std::array<std::array<GridCell, TrickCount>, 4> rows{};  // [grid row][trick]
  int tricks = 0;                                          // columns to draw
};

// The trick step's play of the live deal, by trick and display position.
struct LivePlay {
  std::array<std::array<GridCell, 4>, TrickCount> cards{};
  int tricksSeen = 0;
};

// A saved hand, with `bottomSeat` at display position 0.
PlayGridView PlayGridOfRecord(const HandRecord& record, int bottomSeat);
PlayGridView PlayGridOfLive(const LivePlay& live);
// x of trick column i.
constexpr int TrickColumnX(int i, int left) { return CardColumnWidth * i + left + i + 53; }
// Draws the row labels and the cards; lineHeight spaces the rows.
void DrawPlayGrid(Canvas& canvas, const CardStrip& strip, const PlayGridView& view, Point origin,
                  int lineHeight);

// --- the four hands of a record ---

struct HandsView {
  // [display position][suit]: the cards, each with whether it is a Nil winning card.
  std::array<std::array<std::vector<std::pair<int, bool>>, 4>, 4> suits{};
};
HandsView FourHandsOfRecord(const HandRecord& record, int bottomSeat);

// --- the live shown cards ---

struct ShownSuit {
  int count = 0;
  std::array<int, TrickCount> codes{};
  int voidFlag = 0;  // 0 unknown, 1 void, 2 holds every remaining card of the suit
  friend bool operator==(const ShownSuit&, const ShownSuit&) = default;
};
using ShownTable = std::array<std::array<ShownSuit, 4>, 4>;  // [display position][suit]

// Adds a played card to its player's shown cards (once).
void AddShownCard(ShownTable& shown, int position, int code);
// The void inference: sets flags 1 and 2 from what the four players have shown; returns per
// suit whether all 13 cards are out. `everyPlayShown` false: some trick of the deal was played
// unseen, so what was not shown is not all still held, and nobody's hand is counted out.
std::array<bool, 4> FindShortSuits(ShownTable& shown, bool everyPlayShown = true);

// --- the remaining-cards box ---

struct RemainingCards {
  std::array<std::array<bool, 13>, 4> played{};  // [suit][rank - 2]
};
// The four lines, spades first, ranks from ace down; a played card is a blank.
std::array<std::string, 4> RemainingLines(const RemainingCards& cards);
inline constexpr Font RemainingFont{"Courier New", 9, false};
void DrawRemaining(Canvas& canvas, const RemainingCards& cards, Color background);
// Blanks one card's character cell.
void BlankRemaining(Canvas& canvas, int suit, int rank, Color background);

// --- drawing cards as text (the hand drawer frmH) ---

inline constexpr Font HandFont{"Courier New", 9, false};
// dspSuitMarkH: the suit's letter in its colour; returns the pen after it.
int dspSuitMarkH(Canvas& canvas, Point at, int suit, const Font& font);
// dspCardH: the rank character in the suit's colour; ULcard underlines it when `marked`.
int dspCardH(Canvas& canvas, Point at, int code, const Font& font, bool marked);
void ULcard(Canvas& canvas, Point at, int width, const Font& font, Color color);

// A block of four suit lines for one player: each suit's mark and cards. `voids` per suit
// (0, 1, 2), `exhausted` per suit; the live display passes them, a record passes zeros.
struct HandBlock {
  std::array<std::vector<std::pair<int, bool>>, 4> suits{};  // [suit]: code, marked
  std::array<int, 4> voids{};
  std::array<bool, 4> exhausted{};
};
void DrawHandBlock(Canvas& canvas, Point at, const HandBlock& block, const Font& font,
                   Color background, int width);
HandBlock ShownBlock(const ShownTable& shown, const std::array<bool, 4>& exhausted, int position);

// --- names, bids and the last-hand summary ---

struct NameLabelsView {
  std::array<std::string, 4> names;  // by display position, cut to fit
  std::array<bool, 4> bold{};
};
NameLabelsView NameLabelsOf(const HandRecord& record, int bottomSeat, int currentPosition,
                            int maxWidth, int charWidth);

struct BidSummaryEntry {
  std::string bid;
  bool bold = false;     // a Nil bid or the first leader's
  bool leader = false;   // drawn between "[" and "]"
  int count = 0;         // tricks won, or the Nil tricks when `nil`
  bool nil = false;
};
struct BidSummaryView {
  std::array<BidSummaryEntry, 4> entries;  // by display position
  int bidSum = 0;
};
BidSummaryView BidSummaryOf(const HandRecord& record, int bottomSeat);

// One partnership of the last-hand summary.
struct TeamSummary {
  std::string first;   // the two names of PrintTeamLabel
  std::string second;
  int mode = 0;        // 1 opponents, 2 the user's partnership
  std::array<BidSummaryEntry, 2> bids;
  int column = 0;      // score column 0 (North-South) or 2 (East-West)
};
struct LastHandSummaryView {
  std::array<TeamSummary, 2> teams;  // opponents first
  int rows = 0;                      // ScoreRowCount
  std::array<ScoreRow, 2> scoreRows{};  // rows rows-1 and rows
};
LastHandSummaryView LastHandSummaryOf(const HandRecord& record, int bottomSeat);

// The points of one deal, and a total after it, as printed.
struct ScoreItem {
  int value = 0;  // printed without its sign; `negative` draws the minus
  bool negative = false;
  std::string bags;  // "(n)"
};
ScoreItem PointsItem(const ScoreRow& before, const ScoreRow& after, int column);
ScoreItem TotalItem(const ScoreRow& row, int column);

// PrintTeamLabel's names: the longer cut (the second on a tie) until the label fits.
std::pair<std::string, std::string> FitTeamLabel(std::string first, std::string second,
                                                 int limit, int charWidth);
int PrintTeamLabel(Canvas& canvas, Point at, const std::string& first, const std::string& second,
                   int limit, int mode, const Font& font);
int printSlash(Canvas& canvas, Point at, const Font& font);
// ShowPts / ShowTotal: the number right-aligned to end at `column`, its minus sign in
// "Courier New" just left of the digits, the bags at the next column - 1.5 characters.
void DrawScoreItem(Canvas& canvas, int y, const ScoreItem& item, int column, int nextColumn,
                   const Font& font);
// The points and bags of deal row `after` for score column 0 or 2.
void ShowPts(Canvas& canvas, int y, const ScoreRow& before, const ScoreRow& after, int scoreColumn,
             int column, int nextColumn, const Font& font);
// A partnership's total and bags after the deal of `row`.
void ShowTotal(Canvas& canvas, int y, const ScoreRow& row, int scoreColumn, int column,
               int nextColumn, const Font& font);

}  // namespace scorlet::companion
