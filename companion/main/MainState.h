// The records the main loop keeps for the whole run: the loop itself, the timed task slots,
// the busy flags, the per-table counter block and flag record, and the helper-window states.
// Resetting a record means assigning it a value-initialised one.
#pragma once

#include <array>
#include <cstdint>

#include "gamedata/WindowTitles.h"  // the window kinds

namespace scorlet::companion {


// The six timed task slots.
enum TaskSlot : int {
  SlotAlertReminder = 0,
  SlotTrickStep = 1,     // = KindLastTrick
  SlotLastHand = 2,      // = KindLastHand
  SlotScore = 3,         // = KindScore; only its remaining time is kept across a pause
  SlotBidCapture = 4,
  SlotSpare = 5,
};
inline constexpr int TaskSlotCount = 6;

// The tick count wraps after 49.7 days; a due time is judged by the signed distance from it,
// so a wrap neither stalls a slot nor makes every slot fire at once.
inline bool IsPast(std::uint32_t now, std::uint32_t due) {
  return static_cast<std::int32_t>(now - due) > 0;
}

struct TaskSlots {
  std::array<bool, TaskSlotCount> TaskArmed{};
  std::array<std::uint32_t, TaskSlotCount> TaskDue{};
  std::array<std::int32_t, 4> TaskRemaining{};  // slots 1 to 3, kept while paused

  void Arm(int slot, std::uint32_t now, std::int32_t delayMs) {
    TaskArmed[static_cast<std::size_t>(slot)] = true;
    TaskDue[static_cast<std::size_t>(slot)] = now + static_cast<std::uint32_t>(delayMs);
  }
  void Disarm(int slot) { TaskArmed[static_cast<std::size_t>(slot)] = false; }
  bool Armed(int slot) const { return TaskArmed[static_cast<std::size_t>(slot)]; }
  // Armed and its due time passed.
  bool Due(int slot, std::uint32_t now) const {
    return Armed(slot) && IsPast(now, TaskDue[static_cast<std::size_t>(slot)]);
  }
  // Pause: keep the time left on slots 1 to 3 (0 when already overdue).
  void Freeze(std::uint32_t now);
  // Resume: the kept time counts again from now.
  void Thaw(std::uint32_t now);
};

// Steps that process window events while they run; a tick that finds any of them set does
// nothing.
struct BusyFlags {
  bool alertCheck = false;      // alert check of the room
  bool bidCapture = false;      // bid capture
  bool trickStep = false;       // trick step
  bool handView = false;        // hand-file view
  bool windowTracking = false;  // window tracking, around its call in the tick
  bool boardClick = false;      // the bidding board clicks the game's bid panel
  std::int32_t MainMinimised = 0;  // 1 while the main window is minimised or collapsed

  bool Any() const {
    return alertCheck || bidCapture || trickStep || handView || windowTracking || boardClick ||
           MainMinimised != 0;
  }
};

enum OnlineStates : std::int32_t {
  NeverOnline = 0,  // no table seen since start or restart
  Online = 1,       // a table window is present and taken over
  WentOffline = 2,  // off line after having been on line
};

struct MainLoopState {
  std::int32_t OnlineState = NeverOnline;
  std::int32_t TimerInterval = 500;
  std::uint32_t TickNow = 0;  // tick count stored at the start of the current tick
  TaskSlots slots;
  BusyFlags busy;
  bool QuitRequested = false;
  bool AlertMarkShown = false;
  // The counter windows are cleared once this tick count has passed (set by the last-hand
  // capture one second ahead). Kept on the tick count, not the time of day, so a deal that
  // ends just before midnight still clears them.
  bool counterHideArmed = false;
  std::uint32_t counterHideDue = 0;
  bool lastHandCapturing = false;  // the last-hand capture is running
  bool sessionClosed = false;      // the work files have been closed for the end
  bool restarted = false;  // FormLoad runs again after menuRestart
  bool ended = false;      // the program has been told to end
  std::int32_t endCode = 0;
};

// The bidding board's mode for a table: every deal, only at double-nil-pass tables, or none.
enum class BoardMode : std::int32_t { None = 0, DNilPassOnly = 2, EveryDeal = 7 };
// The mode of the settings' number: odd is every deal (7 with confirmation, 3 once the board's
// "Don't Care" has turned it off), else 2 only at double-nil-pass tables, else no board.
inline BoardMode BoardModeOf(std::int32_t configured) {
  if ((configured & 1) != 0) return BoardMode::EveryDeal;
  if ((configured & 2) != 0) return BoardMode::DNilPassOnly;
  return BoardMode::None;
}

// The bidding board's state, shared by the board and the main loop.
enum class BoardState : std::int32_t {
  BidHanded = -4,     // the bid was handed to the game; the board is hidden
  DNilStage = -3,     // the Double Nil stage is shown
  Confirmation = -2,  // the confirmation is shown
  OpenForBid = -1,    // the board is open for a bid
  NotInUse = 0,
};

// Per-table counter block: ten 32-bit fields, zeroed when a table is left and on restart.
struct TableCounters {
  std::int32_t TickCounter = 0;
  std::int32_t MyTurnSeen = 0;
  std::int32_t BidsRead = 0;
  std::int32_t bidAttempts = 0;  // bid-capture attempts since the last resume
  std::int32_t tricksCounted = 0;
  std::int32_t cardsCaptured = 0;
  std::int32_t boardStatusMemory = 0;
  BoardState boardStep = BoardState::NotInUse;
  std::int32_t spare1 = 0;
  std::int32_t spare2 = 0;
};

// Per-table flag record, reset by the same events.
struct TableFlags {
  bool trickStepCards = false;  // the trick step reads the cards (else it only counts)
  bool DNilPassTable = false;
  bool SuicideTable = false;
  BoardMode boardMode = BoardMode::None;  // copy of the bidding-board mode
  bool BoardStatusAlerted = false;
  std::uint32_t PauseStartTick = 0;
  bool TableSetUp = false;
};

}  // namespace scorlet::companion
