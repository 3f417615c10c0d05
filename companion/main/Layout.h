// Where the windows stand: the window-position file kept from one run to the next, the main
// window minimised together with the table, the score-window button, the stop-mode look, and the
// hand-diagram points of the main window.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "companion/main/App.h"

namespace scorlet::companion {

// The position file's lines 3 to 9 fill these slots of SavedPositions, in order.
inline constexpr std::array<int, 7> PositionFileSlots{KindTable, KindScore,        KindLastHand,
                                                      KindLastTrick, PlaceCardPlay,
                                                      PlaceLeftCounter, PlaceRightCounter};
inline constexpr std::array<std::string_view, 9> PositionFileLabels{
    "PC Screen Width",  "Scorlet Window",    "Spades Window",
    "Score Window",     "Last Hand Window",  "Last Trick Window",
    "Card Play Window", "Left Counter",      "Right Counter"};

// Main window height when the file does not keep one.
inline constexpr int DefaultMainHeight = 580;

// True when the lines are those of a window-position file: at most nine lines of numbers
// followed by a label. Any other file named by the CFG key is neither deleted nor overwritten.
bool LooksLikePositionFile(const std::vector<std::string>& lines);
// Positions read from the file / written to it are kept within the screen's reach.
WindowPos ClampReadPosition(WindowPos pos);
WindowPos ClampWrittenPosition(WindowPos pos);
// Positions used when there is no window-position file.
void ApplyBuiltInPositions(GameWindowState& game);

// Start-up: reads the file named by CFG (built-in positions when there is none). A file saved
// for another screen width is deleted.
void LoadWindowPositions(App& app);
// End of the program: rewrites the file safely. False when nothing was written.
bool SaveWindowPositions(App& app);

// The main window minimised takes the table with it; restored, brings it back.
void Form_Resize(App& app);
// "Show Score" / "Hide Score" toggle the game's score window; "Minimize" puts the program and
// the table away and brings up the lobby.
void cmdScore_Click(App& app);
// Stop mode: every control and menu hidden except cmdEnd.
void UnVisibleAll(App& app);
// The hand-diagram points of the main window.
void SetLocationConsts(App& app);

}  // namespace scorlet::companion
