// What the main loop and window discovery ask of screen reading: the bid pass, the trick step,
// the last hand, the turn test, the player list and the user's rating. The readers themselves are pure functions over a captured picture; these
// procedures capture, read, and put what was read into the program's records.
#pragma once

#include <cstdint>
#include <string_view>

#include "companion/recognition/Picture.h"

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

// The bid pass (main loop and bid button).
void CaptureBid(App& app, CaptureMode mode);
// The two forms of the trick step: reading the last-trick window's cards, or counting tricks.
void TrickStepCards(App& app);
void TrickStepCount(App& app);
// The last-hand procedure: reads the last hand and the score and records the deal.
void CaptureLastHand(App& app, CaptureMode mode);
// True while the table shows that it is the user's turn.
bool TestMyTurn(App& app);

// The player list of a newly found table (sets TableSetUp) and the user's rating.
void BuildPlayerList(App& app);
void ReadShowRating(App& app, RatingMode mode);

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
