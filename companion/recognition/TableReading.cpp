// Screen-reading procedures of the main loop. Until the readers are wired in, each reads
// nothing, so the main loop runs unchanged around them.
#include "companion/recognition/TableReading.h"

#include "companion/main/App.h"

namespace scorlet::companion {

void BuildGlyphTables(App&) {}
void CaptureBid(App&, CaptureMode) {}
void TrickStepCards(App&) {}
void TrickStepCount(App&) {}
void CaptureLastHand(App&, CaptureMode) {}
bool TestMyTurn(App&) { return false; }
// The table counts as set up from the start of the player-list step, even before the names
// are read, so the take-over shows the table's name and host at once.
void BuildPlayerList(App& app) { app.flags.TableSetUp = true; }
void ReadShowRating(App&, RatingMode) {}
void ResetDealCapture(App&) {}
void ForgetTable(App&) {}
void SetCaptureSlow(App&, bool) {}
bool ButtonLineHasInk(App&, const ButtonStrip&, int) { return false; }
int FindButtonLabel(App&, const ButtonStrip&, int, std::string_view) { return 0; }

}  // namespace scorlet::companion
