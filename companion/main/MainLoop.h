// The spine of the companion: start-up, the tick of the main loop, the phase changes of a
// deal, pause, the capture switches, restart, seat orientation and the ways of ending.
#pragma once

#include <cstdint>
#include <string>

#include "companion/main/App.h"

namespace scorlet::companion {

// --- start-up (Startup.cpp) ---
void Form_Load(App& app);
void FormLoad(App& app);
// Start-up checks; each prints its message and enters stop mode when it stops the program.
// They return true when the program goes on.
bool chkPrevInstance(App& app, bool force);
bool chkZIP(App& app, bool force);
void AbsentINIfile(App& app);
bool TestOSjp(App& app);
// Stop mode: the message, ten seconds with events, then the end.
void StopAndWait(App& app);
// Chooses the interface font from the installed list (start-up step 5).
void ChooseInterfaceFont(App& app);
// Japanese captions, tooltips and fonts of the main window's controls and menus.
void ApplyJapaneseTexts(App& app);

// --- the tick and the phases (MainLoop.cpp) ---
void Timer1_Timer(App& app);
void ClickBidAuto(App& app);
void ShowTop(App& app, const HelperWindow& window);
bool OffLine(const App& app);
bool TestCapturing(const App& app);
void BeginDeal(App& app);
void BeginPlay(App& app);
void ShowAlertMark(App& app);
void ClearAlertMark(App& app);
void HideScore(App& app);
// The counter windows are cleared by the tick once delayMs have passed (the last-hand capture
// asks for this one second after it has recorded a hand).
void ScheduleCounterHide(App& app, std::uint32_t delayMs = 1000);
void HideCounter(App& app);

// --- the controls (Events.cpp) ---
void WireFrmZEvents(App& app);
void cmdTimer_Click(App& app);
// The pause button back to its "Pause" caption (the table was left while paused).
void ResetPauseButton(App& app);
void cmdBid_Click(App& app);
void cmdHand_Click(App& app);
void cmdBid_MouseDown(App& app, int button);
void cmdHand_MouseDown(App& app, int button);
void menuBid_Click(App& app);
void menuHand_Click(App& app);
void menuSomeBidNil_Click(App& app);
void menuFailNil_Click(App& app);
void menuDNilPassTable_Click(App& app);
void menuCanDNilBid_Click(App& app);
void menuSuicideTable_Click(App& app);
void menuLink_Click(App& app, int index);
void SetToolTipTextPlNames(App& app);
// Seat orientation.
void InitNESW(App& app);
void sitNESW(App& app, int seat);
int InvSeat(const App& app, int seat);
void sitNESWmenu(App& app, int index);
void menuSeat_Click(App& app, int index);

// --- restart and ending (Restart.cpp) ---
void Restart(App& app);
void menuRestart_Click(App& app);
void PrepareNextGame(App& app);
void procHide(App& app);
void cmdEnd_Click(App& app);
void cmdEnd_MouseDown(App& app, int button);
bool Form_QueryUnload(App& app);
void Form_Unload(App& app);
void Form_KeyDown(App& app, const KeyEvent& key);
// Closes the work files and saves the window positions, once (not in stop mode).
void CloseSession(App& app);
// Ends the program: the event loop returns once the current event is handled.
void EndProgram(App& app, int exitCode = 0);

// Exit codes of the program.
inline constexpr int ExitNormal = 0;
inline constexpr int ExitStopped = 3;  // stop mode ended the program

}  // namespace scorlet::companion
