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

  // --- per deal ---
  std::array<std::string, 4> previousBids;
  int MostBidsRead = 0;
  int PreviousTotal = -1;  // -1 at the start of a deal
  bool dealOver = false;   // the trick counts showed the deal's end
};

}  // namespace scorlet::companion
