// What the main loop and window discovery ask of screen reading: the bid pass, the trick step,
// the last hand, the turn test, the player list and the user's rating. The readers themselves are pure functions over a captured picture; these
// procedures capture, read, and put what was read into the program's records.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/WorkFiles.h"
#include "companion/recognition/PanelReaders.h"
#include "companion/recognition/Picture.h"
#include "companion/recognition/TableReaders.h"

namespace scorlet::companion {

struct App;

// Who started a capture: the user by a button, or the main loop.
enum class CaptureMode : std::int32_t { ByHand = 0, Automatic = 1 };

// When the user's rating is read: the table was found, a game was completed, the user asked.
enum class RatingMode : std::int32_t { TableFound = 0, GameCompleted = 1, OnRequest = 2 };

// Outcomes of the capture procedures, shown by number in the messages window.
enum class CaptureStatus : std::int32_t {
  Ok = 0,
  ScoreWindowMissing = 1,
  ScoreNotRead = 2,
  NamesNotRead = 4,
  WaitingOrUnchanged = 11,  // the table is waiting, or the last hand is unchanged
  NoBidRead = 12,
  TricksComplete = 13,      // the trick counts add up to 13: the deal is over
  FourBids = 15,
  SomeBids = 16,            // one to three bids read
  LastHandWindowMissing = 21,
  LastHandNotRead = 22,
  LastTrickWindowMissing = 25,
};

// Built once at start-up: the glyph tables of the game's fonts.
void BuildGlyphTables(App& app);
// The glyph index prepared for the site's language, when it was prepared for another.
void PrepareGlyphsForTable(App& app);

// What the trick lines read with four bids on show say of those bids: no trick line (the deal
// is being bid), a deal in play, a finished deal (thirteen tricks counted, its bids are not the
// next deal's), or cannot tell (a trick line missing or unreadable).
enum class DealPicture { Bidding, InPlay, Finished, CannotTell };
DealPicture JudgeDealPicture(const recognition::TrickReading& tricks);

// The bid pass (main loop and bid button).
void CaptureBid(App& app, CaptureMode mode);
// The two forms of the trick step: reading the last-trick window's cards as each trick is won,
// or following the trick counts only. Each re-arms itself and ends the deal when it is over.
void CapturePlayedTrick(App& app);
void WatchTrickCounts(App& app);

// How CaptureTrickCards keeps what it read: count the cards as recorded, only remember them
// (the count of cards starts again), or record them only when the trick is not the last one.
enum class TrickCaptureMode : std::int32_t { Record = 0, Remember = 1, RecordIfNew = 2 };
// The four cards of the last-trick window by display position (suit 0..3, rank 2..14). Rank -1
// in seat 0's place when two attempts failed; every rank 0 when the trick was recorded already.
void CaptureTrickCards(App& app, std::array<int, 4>& suits, std::array<int, 4>& ranks,
                       TrickCaptureMode mode);
// Records one trick of the deal: its leader, voids, winner (`winnerByCounts` when the counts
// named one, else by the cards) and the four cards.
void spdCapture4Cards(App& app, const std::array<int, 4>& suits, const std::array<int, 4>& ranks,
                      int winnerByCounts);
// The trick counts of the table by display position and whether it shows its end-of-deal "OK";
// false when the table could not be read. `settleSeconds`: the wait after the copy (as the
// table's state asks when not given).
bool ReadTrickCounts(App& app, std::array<int, 4>& tricks, bool& okShown);
bool ReadTrickCounts(App& app, std::array<int, 4>& tricks, bool& okShown, double settleSeconds);

// The client area of the game's window of `kind` (1..3), restored and on the screen; empty when
// the window is gone.
recognition::PanelCapture CaptureGameWindow(App& app, int kind);
recognition::PanelCapture CaptureGameWindow(App& app, int kind, double settleSeconds);
// The table window as a whole, waiting for the repaint as long as the table's state asks.
recognition::TableCapture CaptureTable(App& app);
recognition::TableCapture CaptureTable(App& app, double settleSeconds);

// The score window read into `record` (ScoreRows, ScoreRowCount), enlarging it while rows reach
// below its bottom. Ok, ScoreWindowMissing or ScoreNotRead.
CaptureStatus CaptScore(App& app, HandRecord& record);
// The last-hand window read: names and cards in the window's order. Ok, LastHandWindowMissing
// or LastHandNotRead.
CaptureStatus ReadLastHand(App& app, recognition::LastHandReading& reading);
// The last-hand procedure: reads the score and the last hand, records a deal that has ended,
// and starts the next deal (and, after a game's end, the next game).
void CaptureLastHand(App& app, CaptureMode mode);
// True while the table shows that it is the user's turn.
bool TestMyTurn(App& app);

// The player list of a newly found table (sets TableSetUp) and the user's rating.
void BuildPlayerList(App& app);
void ReadShowRating(App& app, RatingMode mode);
// The user's new rating from the "newrating:" line the table shows after a game; 0 when none.
int GetRenewedRating(App& app, const std::string& name);

// A new deal begins: the per-deal reading state is cleared.
void ResetDealCapture(App& app);
// The table was left: everything read from it (player list, anchors, box) is forgotten.
void ForgetTable(App& app);

// The capture waits longer for the game to repaint (while a table is set up).
void SetCaptureSlow(App& app, bool slow);

// Finds the table box (searching only when the table window's width changed) and shows the
// search's status on the main window.
void LocateTableBox(App& app);
// Saves a capture of a failed reading into the Diag folder when the log key is set, and names
// the file in the event log.
void SaveDiagCapture(App& app, const recognition::Picture& picture, const char* label);

}  // namespace scorlet::companion
