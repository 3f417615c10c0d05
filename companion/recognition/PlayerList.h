// The list of players at the table, drawn on the table window right of and below the box, and
// the user's rating taken from it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "companion/recognition/GlyphReader.h"
#include "companion/recognition/Picture.h"
#include "platform/Types.h"

namespace scorlet::recognition {

inline constexpr int MaxPlayerListLines = 100;

// The lines of the list region (x from the box's right - 50 to the window's right edge, y from
// the bid-control row, or the box's bottom when it is 0, to 15 rows above the window's bottom),
// each row read as drawn and inverted for a highlighted line (white text on a black band).
// Each kept line is a text of comma-separated fields, the player's name first.
std::vector<std::string> MakePlayerList(const TableCapture& picture, const TableBox& box,
                                        int bidControlRow, const Rect& windowRect,
                                        const GlyphTables& glyphs);

// For a newly found table: font variant 1 with masked reading on, the glyph index prepared for
// the game language, then the list read.
std::vector<std::string> PreparePlayerList(GlyphTables& glyphs, int gameLanguage,
                                           const TableCapture& picture, const TableBox& box,
                                           int bidControlRow, const Rect& windowRect);

// The list lines that the row whose codes are given holds, added to `lines`: the row read as
// drawn and inverted (white text on a black band), from 4 columns right of `fromX`; a row that
// crosses a band's edge holds none.
void ReadListRow(const GlyphTables& glyphs, const ColumnCodes& codes, int fromX,
                 std::vector<std::string>& lines);

struct PlayerListLine {
  std::string text;
  std::vector<int> fieldStarts;  // column of each field's first glyph
};
// One line from `fromX`: glyphs separated by more than `gap` blank columns are separate fields.
PlayerListLine ReadPlayerListLine(const GlyphTables& glyphs, const ColumnCodes& codes, int fromX,
                                  int skip, int gap);

struct NameFound {
  std::string line;  // the list line that holds the name, "" for none
  int index = 0;     // the name's number (1 = first given), 0 for none
};
// The first list line that holds one of the names, tried in order. A name written "<name>" or
// "{name}" is looked for bare, a name is cut at "(", and names shorter than 4 are skipped.
NameFound SearchNameInTable(const std::vector<std::string>& lines,
                            const std::vector<std::string>& names);

// The rating field of a list line: the field after the name.
std::string RatingOfLine(const std::string& line);

struct RatingDisplay {
  std::string text;  // what the rating label shows
  int value = 0;     // the rating, -1 when provisional, 0 when unknown
  bool bold = false;
};
// A rating of 1000 or more is shown bold; a text beginning "pr" (or "仮レ") is provisional and
// shown as "prov" (or "仮レ" for a Japanese user, who sees it in the Japanese font, not bold).
RatingDisplay ShowMyRating(const std::string& ratingText, bool japaneseUser);

}  // namespace scorlet::recognition
