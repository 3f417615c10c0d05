// Finding the game's windows on every tick: the window walk, the table window and the lobby,
// the sub-windows by title in the site's language, taking a table over when one comes up and
// letting it go when it disappears, and placing the game's windows.
#pragma once

#include <string>
#include <string_view>

#include "companion/main/App.h"
#include "gamedata/Messages.h"

namespace scorlet::companion {

// --- start-up ---
// The title tables' constants for the text reader; the site's language back to English.
void SetWinTitles(App& app);

// --- the tick's window step (Discovery.cpp) ---
// Runs before anything else in the tick: walks the windows, takes a new table over, sets it up,
// keeps it on the screen, and gives it up when it has gone.
void TrackTableWindows(App& app);
// Rebuilds the window list, the table window, the lobby positions and the player-information
// pop-ups.
void EnumerateWindows(App& app);
// kind -1: the handles of the three sub-windows from the window list (a kind not found keeps
// its handle); kind 0 to 6: that kind's handle only, cleared first.
void FindGameWindows(App& app, int kind);
// Rewrites a sub-window title of the site's language into its English form; true when it is
// the title of that kind. A Spanish score title of the variant site switches language 6 to 8.
bool NormaliseTitle(GameWindowState& game, std::string& title, int kind);
void OffToOn(App& app);
void OnToOff(App& app);

// --- the table's sub-windows (SubWindows.cpp) ---
// Table name and host into the caption, lobby minimised, the three sub-windows opened by the
// table's buttons and placed.
void GetSubWindows(App& app);
// Looks for the labels of the table's buttons on the table window's left strip.
void ScanTableButtons(App& app);
// Clicks the button that opens the sub-window of a kind (1 to 5), or those of all three
// sub-windows (ClickAllSubWindows). A button whose place is unknown is not clicked.
void ClickTableButton(App& app, int kind);
// A recogniser needs a sub-window that is not there: ask the table for it, and while it stays
// away show the message and ask again on every tick.
void NotExistProcess(App& app, int kind, MessageNumber message);
// The same with a capture status number (the statuses share the message numbers); a number
// without a message asks for the window without a text.
inline void NotExistProcess(App& app, int kind, int status) {
  NotExistProcess(app, kind, static_cast<MessageNumber>(status));
}
// Kind 0 is the table window; others the sub-windows.
void PlaceGameWindow(App& app, int kind);
void KeepTableOnScreen(App& app);
void MoveWinGame(App& app);

// --- pure helpers ---
// "Game: Spades - Table: 1234 - Host: abc" gives "Table: 1234" and "abc"; "" when missing.
// Appends a line (the date and time, then the text) to the event log named by the log key.
void AppendEventLog(App& app, std::string_view text);

std::string TableNameOf(std::string_view title);
std::string HostOf(std::string_view title);
// The game's player-information and notice pop-ups, by the start of their title.
bool IsPlayerInfoTitle(std::string_view title);
// Main window caption while a table is taken over.
std::string OnlineCaption(std::string_view normalCaption, std::string_view tableName,
                          std::string_view host);

// Lines of the event log.
inline constexpr std::string_view OfflineLogText = " Online ==> OffLine";

// Status texts of the table options found by the button scan.
inline constexpr std::string_view DNilPassTableText = "DNil Pass Table ! ";
inline constexpr std::string_view SuicideTableText = "Suicide Table ! ";

// Attempts of GetSubWindows and its wait for the clicked windows to come up.
inline constexpr int SubWindowAttempts = 30;
inline constexpr double SubWindowWaitSeconds = 0.8;

}  // namespace scorlet::companion
