// The bidding board frmBoard: the program's own large bid buttons. A click on one (after an
// optional confirmation) makes the program click the matching button of the game's bid panel
// and wait until the game has taken the bid.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace scorlet::companion {

struct App;

// What the game's bid panel shows (read by the players subsystem).
enum class BoardStatus : std::int32_t { NotFound = 0, NumberButtons = 100, DoubleNilChoice = 200 };

// The three ways the board is laid out.
enum class BoardView : std::int32_t { BidStage = 100, DoubleNilStage = 200, Confirmation = 300 };

// Indices of the board's buttons (and of the game's bid-panel points): 1..13 the numbers.
inline constexpr int BtnNil = 14;
inline constexpr int BtnDoubleNil = 15;
inline constexpr int BtnShow = 16;
inline constexpr int BtnConfirm = 17;
inline constexpr int BtnCancel = 18;
inline constexpr int BtnDontCare = 20;
inline constexpr int BtnNeverMind = 21;
inline constexpr int BoardButtonCount = 21;

// The confirm-bids value of the board mode number (7 = every deal with confirmation).
inline constexpr std::int32_t BoardConfirmBit = 4;

// How long the board keeps clicking the game's panel before it gives up.
inline constexpr std::uint32_t BoardClickGiveUpMs = 5000;
// The pause after each click, for the game to take it and repaint.
inline constexpr double BoardClickPauseSeconds = 0.3;

// What the board and the reading of the game's bid panel keep for the run.
struct BiddingBoard {
  int PendingBid = 0;  // the bid button chosen while the confirmation is shown
  // Screen points of the game's panel: 0 the board's own position, 1..13 the numbers, 14 Nil,
  // 15 Double Nil, 16 Show; (0, 0) when not seen.
  std::array<Point, 17> BidButtons{};
  BoardStatus lastScanned = BoardStatus::NotFound;
  Rect tableRect{};      // the table window's rectangle when last seen on the screen
  std::string message;   // the board's last message to the user, "" for none
};

// Shows the board at the stage that the game's bid panel is in.
void ShowBoard(App& app, BoardStatus stage);
// Lays the board out for a stage (or the confirmation) and shows it.
void ShowBoard(App& app, BoardView view);
// Hides the board and gives the main timer back its interval; the state is left to the caller.
void HideBoard(App& app);
// A click on board button `index`.
void Btn_Click(App& app, int index);
// Clicks the game's control for `index` until the game's panel moves on; false when it did not
// within BoardClickGiveUpMs (a message is shown, the board stays usable) or for an index that
// has no control.
bool DoClickEver(App& app, int index);
// Hides the board once the bid is handed to the game.
void HideMe(App& app);
// The board never reports a double click.
inline bool DoubleClick() { return false; }

// Whether bids are confirmed before they are sent.
bool ConfirmBids(const App& app);

}  // namespace scorlet::companion
