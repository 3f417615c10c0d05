// The game's bid panel seen from the table window: which stage it shows (the number buttons or
// the Double Nil / Show choice), where each of its buttons lies, the opening of the bidding
// board when the panel comes up, and the click on one of its buttons for the user.
#pragma once

#include <array>

#include "companion/recognition/GlyphReader.h"
#include "companion/recognition/Picture.h"
#include "companion/record/Board.h"
#include "platform/Types.h"

namespace scorlet::companion {

struct App;

// The region scanned, from the table window's top-left corner, and the rows at its bottom where
// no line may begin.
inline constexpr Rect BoardScanArea{100, 200, 300, 550};
inline constexpr int BoardScanBottomRows = 30;

struct BidPanelReading {
  BoardStatus status = BoardStatus::NotFound;
  // Where each button's caption begins, in the picture's positions; (0, 0) when not seen.
  // Index as BiddingBoard::BidButtons (0 unused).
  std::array<Point, 17> points{};
};
// Reads the panel from a capture of the whole table window.
BidPanelReading ReadBidPanel(const recognition::TableCapture& picture,
                             const recognition::GlyphTables& glyphs, int gameLanguage);

// Scans the table window; NotFound at once while the board has handed its bid to the game.
BoardStatus GetBoardStat(App& app);
// On the ticks of the bidding: scans, and opens or moves the board when the panel changed.
void CheckBoardStat(App& app);
// Clicks the game's button for bid 1..16 when the panel shows it; with `rescan` the panel is
// read again first.
void ClickBidButton(App& app, int bid, bool rescan);
// Hides the board and the bid helper when bidding is over.
void HideBoardWindows(App& app);

}  // namespace scorlet::companion
