// What screen reading keeps for the run and per table: the glyph tables, the box cache and the
// box found, the seats' line anchors, the player list, and the bid pass's memory of the deal.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "companion/recognition/Bitmap.h"
#include "companion/recognition/GlyphReader.h"
#include "companion/recognition/ScreenCapture.h"
#include "companion/recognition/TableReaders.h"
#include "companion/recognition/TableReading.h"

namespace scorlet::companion {

// One trick as the trick step recorded it: leader and winner by display position (-1 unknown),
// the four card codes (a Nil bidder's winning card stored negative).
struct TrickSeen {
  int leader = -1;
  int winner = -1;
  std::array<int, 4> codes{};
};

// What the trick step keeps of the deal in play.
struct TrickState {
  int TrickNumber = 0;                     // tricks recorded in this deal
  std::array<int, 4> PreviousTricks{};     // per display position, the last counts read
  std::array<int, 4> LastTrickSuits{};     // the last trick's cards, per display position
  std::array<int, 4> LastTrickRanks{};
  int CardsCaptured = 0;
  std::array<int, 4> BrokenNil{};          // 1 Nil, 2 Double Nil, once the seat took a trick
  std::array<TrickSeen, 13> tricks{};
  // Per display position and suit: the seat showed out of that suit.
  std::array<std::array<bool, 4>, 4> voids{};
  int highestTotal = 0;                    // the largest trick total seen in this deal
};

struct TableReadingState {
  // --- for the run ---
  recognition::GlyphTables glyphs;
  recognition::BoxCache boxCache;
  std::optional<recognition::DiagFolder> diag;  // captures of failed readings, with the log key

  // --- per table ---
  recognition::TableBox box;
  std::array<Point, 4> seatAnchors{};
  recognition::BidTrickAnchors anchors;
  Point bidControl{};
  int bidControlRow = 0;
  std::vector<std::string> PlayerList;
  bool captureSlow = false;          // the table is set up: captures wait longer for repaints
  bool lastTrickMinimised = false;   // the last-trick window was put away in this game
  int consecutiveErrors = 0;         // bid passes in a row that could not read the table
  CaptureStatus bidStatus = CaptureStatus::Ok;  // how the last bid pass ended

  std::array<recognition::PanelPlacement, 4> panels;  // by window kind 1..3
  // The glyph tables of the last hand ("(" enabled), made from `glyphs` for its language.
  recognition::GlyphTables lastHandGlyphs;
  int lastHandGlyphsLanguage = 0;
  bool lastHandGlyphsReady = false;
  bool scoreReadThisGame = false;   // the score was read during a bidding of this game
  // The last hand read from its window (recorded or not): a reading equal to it is no new deal.
  std::array<std::array<std::string, 4>, 13> storedPlay;

  // --- per deal ---
  // The deal's bids by display position, kept from the bidding through the play for the record.
  std::array<std::string, 4> SeatBids;
  // The score rows shown while this deal was bid: the deal's own score is the next row. -1 when
  // the bidding of this deal was not seen.
  int scoreRowsAtBidding = -1;
  TrickState trick;
  std::array<std::string, 4> previousBids;
  int MostBidsRead = 0;
  int PreviousTotal = -1;  // -1 at the start of a deal
  bool dealOver = false;   // the trick counts showed the deal's end
};

}  // namespace scorlet::companion
