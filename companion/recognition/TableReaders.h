// Readers of the table window: the table box, the user's-turn indicator, the waiting prompt, the
// bid and trick lines of the four seats and the end-of-deal "OK". All take a capture of the table
// window as a whole and return what they read.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "companion/recognition/GlyphReader.h"
#include "companion/recognition/Picture.h"
#include "platform/Types.h"

namespace scorlet::recognition {

// One scan of the box search: the frame's bottom-left corner run (five pixels near the frame
// colour with two more above the first) searched from y = 490 up and x = 200 to 340.
TableBox FindTableBox(const TableCapture& picture, int gameLanguage);

// The bid control below the box: the first place, scanning rows from the top and each row from
// the left, where three successive rows begin with three white pixels. Returns one pixel right of
// and one row above that corner, (0, 0) when there is none.
Point FindBidControl(const TableCapture& picture, const TableBox& box, const Rect& windowRect);

// True while the user's own turn indicator is shown: in the 21 x 8 strip at columns 107..127,
// 37 to 30 rows above the window's bottom, the top row is not all black but a row below it is.
bool TestMyTurn(const Picture& wholeWindow);

// The readers below read the keywords and prompts of the language the glyph index was prepared
// for (GlyphTables::gameLanguage).

// True when a row of the box shows one of the language's waiting prompts.
bool IsTableWaiting(const TableCapture& picture, const TableBox& box, const GlyphTables& glyphs);

enum class BidStatus : int {
  Read = 0,        // bids read
  Waiting = 11,    // the table shows its waiting text: the game has not started
  NoBidLine = 12,  // no bid line could be read
  DealOver = 13,   // the trick counts add up to 13
};

// Per seat (display position 0 user, 1 left, 2 partner, 3 right) the column of the keyword and
// the top row of its line, kept across passes; y 0 (or not below the box's top) is not known.
struct BidTrickAnchors {
  std::array<Point, 4> bid{};
  std::array<Point, 4> trick{};
};

struct BidReading {
  std::array<std::string, 4> bids;  // "1".."13", "N", "D", "DP" or ""
  int bidsRead = 0;
  int bidLinesFound = 0;
  BidStatus status = BidStatus::NoBidLine;
};

// A bid value as the line shows it turned into bid notation ("" when it is none).
std::string BidFromValue(const std::string& value, int gameLanguage, bool dnilPassTable);

// The four bid lines, the waiting check first and the trick total after.
BidReading ReadBidLines(const TableCapture& picture, const TableBox& box, const GlyphTables& glyphs,
                        BidTrickAnchors& anchors, bool dnilPassTable);

struct TrickReading {
  std::array<int, 4> tricks{-1, -1, -1, -1};  // -1: no trick line read for the seat
  // The seat's trick keyword was found, whether or not its number could be read.
  std::array<bool, 4> lineSeen{false, false, false, false};
};
// Every row of the box, each half on its own; a later line of a seat overrides an earlier one.
TrickReading ReadTrickLines(const TableCapture& picture, const TableBox& box,
                            const GlyphTables& glyphs, BidTrickAnchors& anchors);

// The end-of-deal prompt "OK" in the lower left quarter of the box.
bool TestFinalOK(const TableCapture& picture, const TableBox& box, const GlyphTables& glyphs);

}  // namespace scorlet::recognition
