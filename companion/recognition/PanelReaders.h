// Readers of the table's three small windows, each a pure function over a capture of the
// window's client area: the last-trick window (the four cards' corners), the last-hand window
// (four names and thirteen cards each) and the score window (one row of four numbers per deal).
// They never touch the desktop; the procedures that capture, move and enlarge the windows live
// beside the main loop (TrickStep, LastHand).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "companion/recognition/GlyphReader.h"
#include "companion/recognition/Picture.h"
#include "platform/Types.h"

namespace scorlet::recognition {

// --- the last-trick window ---

inline constexpr int CornerCodeCount = 22;
using CornerCodes = std::array<std::uint8_t, CornerCodeCount>;

// The 22 eight-bit codes of one card's corner whose reading window has its top-left corner at
// (x, y). Seats 1 and 3 (cards lying across) read columns, seats 0 and 2 (upright) read rows from
// the bottom up. Nothing when the corner is blank where the rules need ink, or when the reading
// window reaches outside the picture.
std::optional<CornerCodes> ReadCardCorner(const Picture& picture, int x, int y, int seat);

// A card read from a corner: suit index 0 clubs .. 3 spades, rank 2..14; rank 0 = not read.
struct CornerCard {
  int suit = 0;
  int rank = 0;
  friend bool operator==(const CornerCard&, const CornerCard&) = default;
};
// The suit glyph in the nine codes nearest the edge, the rank glyph in the nine after them.
CornerCard MatchCardCorner(const CornerCodes& codes, const GlyphTables& tables);

struct TrickCardsReading {
  bool read = false;                 // all four corners located and matched
  std::array<CornerCard, 4> cards;   // by display position (0 bottom, 1 left, 2 top, 3 right)
  std::array<Point, 4> corners{};    // where each corner was read (client coordinates)
};
// One attempt at the four cards: the black edges located by the row and column scans, then each
// seat's corner read and matched.
TrickCardsReading ReadTrickCards(const PanelCapture& picture, const GlyphTables& tables);

// --- the last-hand and score windows ---

// The codes of one text line of the last-hand or score window (top row `top`, columns
// fromX..toX): a blank column that is grey below the line's first rows, the field between two
// white cells, is a separator.
ColumnCodes PanelLineCodes(const Picture& picture, int top, int fromX, int toX);

// The four runs of one score line: columns 0-70 (runs from 1 and 59), then 115-200 (runs from
// 116 and 176), each line read as the game separates its fields, by grey columns.
struct ScoreLineRuns {
  std::array<std::string, 4> runs;
  bool empty() const;
};
ScoreLineRuns ReadScoreLineRuns(const Picture& picture, const GlyphTables& tables, int top);

// --- the last-hand window ---

// A card as the game writes it, turned into notation: "10" becomes "T", the suit letter of the
// language row (German and Argentinian "TDCP", Italian "FQCP", the Spanish "P") becomes "CDHS".
std::string NormaliseCardText(std::string_view text, int gameLanguage);

// The glyph tables with "(" and ")" enabled, for the last hand's lead marks (the name and keyword
// readers keep them disabled).
GlyphTables LastHandGlyphs(const GlyphTables& tables);

enum class LastHandOutcome {
  Read,          // four lines read; names may still be empty
  NoRows,        // the capture holds nothing
  NoGreyBand,    // the grey band was not found below row 20: capture again
  Unreadable,    // a card text held "?" or was missing
};
struct LastHandReading {
  LastHandOutcome outcome = LastHandOutcome::NoRows;
  std::array<std::string, 4> names;  // in the window's order; "" when no name was read
  // [line][trick]: notation ("TS"), lead mark 1 for "[", 2 for "(".
  std::array<std::array<std::string, 13>, 4> cards;
  std::array<std::array<std::uint8_t, 13>, 4> marks{};
  bool anyName() const;
};
// Reads a capture of the last-hand window's client area with the tables of LastHandGlyphs.
LastHandReading ReadLastHandPicture(const PanelCapture& picture, const GlyphTables& tables,
                                    int gameLanguage);

// --- the score window ---

using ScoreNumbers = std::array<std::int32_t, 4>;
enum class ScoreOutcome {
  Read,             // the table ended on an empty line: rows holds every row
  NeedsTallerWindow,// a line reaches below the picture: enlarge the window to neededHeight
  NoRows,           // the capture holds nothing
  NoGreyBand,       // the grey band was not found below row 36: capture again
  Unreadable,       // a number could not be read
};
struct ScoreReading {
  ScoreOutcome outcome = ScoreOutcome::NoRows;
  std::vector<ScoreNumbers> rows;  // score rows 1.. in order
  int neededHeight = 0;            // client height wanted, with NeedsTallerWindow
};
// The four column ranges x 1-40, 59-70, 116-150 and 176-200, one row per line below the grey band.
ScoreReading ReadScorePicture(const PanelCapture& picture, const GlyphTables& tables);

}  // namespace scorlet::recognition
