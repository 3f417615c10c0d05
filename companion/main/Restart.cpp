// Restart, the start of a new game, and the ways the program ends.
#include "companion/main/Discovery.h"
#include "companion/main/Layout.h"
#include "companion/main/MainLoop.h"
#include "companion/players/Players.h"
#include "companion/record/Record.h"
#include "companion/recognition/SeatOverlays.h"
#include "companion/recognition/TableReading.h"

namespace scorlet::companion {

namespace {

// The score area below cmdEnd back to an empty background.
void ClearScoreArea(App& app) {
  FrmZ& z = app.frmZ;
  const Size size = z.form->clientSize();
  z.form->canvas().fillRect(Rect{0, z.drawTop, size.width, size.height}, app.BackColor());
  z.Bline->setVisible(false);
  for (Label* l : z.Label1) l->setVisible(false);
  ResetScorePanel(app);
}

}  // namespace

void CloseSession(App& app) {
  if (app.loop.sessionClosed) return;
  app.loop.sessionClosed = true;
  CloseWorkFiles(app);
  if (!app.settings.cfgFile.empty()) SaveWindowPositions(app);
}

void procHide(App& app) {
  FrmZ& z = app.frmZ;
  if (app.settings.boldBidTrick) RestoreSeatOverlays(app);
  HideMyBox(app);
  UnloadHelper(app.windows.myBox);
  HideCardPlay(app);
  z.remBox->setVisible(false);
  z.frameBOX->setVisible(false);
}

void PrepareNextGame(App& app) {
  FrmZ& z = app.frmZ;
  ResetGameRecord(app);
  app.deal.currentHandFile = -1;
  app.deal.names = {};
  app.deal.bids = {};
  app.deal.tricks = {};
  app.deal.scores = {};
  ClrCounter(app, CounterSide::Left);
  z.AlertName->setCaption("");
  z.AlertName->setVisible(false);
  z.cmdAlertNone->setVisible(false);
  if (!OffLine(app) && app.settings.askAlertPos.used()) ShowAskAlert(app);
}

void Restart(App& app) {
  FrmZ& z = app.frmZ;
  app.loop.OnlineState = NeverOnline;
  ClearPrint(*z.form);
  z.form->printState().y = z.printTop;
  app.loop.AlertMarkShown = false;  // wiped with the printed text
  ClearScoreArea(app);
  app.counters = TableCounters{};
  app.flags = TableFlags{};
  app.flags.boardMode = BoardModeOf(app.settings.biddingBoardMode);
  procHide(app);
  z.MyRating->setCaption("");
  PrepareWorkFileList(app);
  PrepareNextGame(app);
  BeginDeal(app);
  EnumerateWindows(app);
  FindGameWindows(app, -1);
  app.Trace("restarted: the table will be taken over again");
}

void menuRestart_Click(App& app) {
  FrmZ& z = app.frmZ;
  app.loop.restarted = true;
  procHide(app);
  app.settings = Settings{};
  app.counters = TableCounters{};
  app.flags = TableFlags{};
  z.MyRating->setCaption("");
  app.loop.OnlineState = NeverOnline;
  z.Timer1->setEnabled(false);
  ClearPrint(*z.form);
  app.loop.AlertMarkShown = false;
  FormLoad(app);
}

void EndProgram(App& app, int exitCode) {
  app.loop.ended = true;
  app.loop.endCode = exitCode;
  if (app.frmZ.Timer1) app.frmZ.Timer1->setEnabled(false);
  app.Trace("end");
  app.forms.quit(exitCode);
}

void cmdEnd_Click(App& app) {
  // In stop mode the other controls are hidden and nothing was opened yet.
  if (app.frmZ.cmdHand->visible()) CloseSession(app);
  EndProgram(app, app.loop.ended ? app.loop.endCode : ExitNormal);
}

void cmdEnd_MouseDown(App& app, int button) {
  if (button == MouseButton::Right && !OffLine(app)) ReadShowRating(app, RatingMode::OnRequest);
}

bool Form_QueryUnload(App& app) {
  if (app.frmZ.cmdHand->visible()) CloseSession(app);
  return true;
}

void Form_Unload(App& app) {
  if (!app.loop.ended) EndProgram(app, ExitNormal);
}

void Form_KeyDown(App& app, const KeyEvent& key) {
  if (key.ctrl && (key.keyCode == Key::C || key.keyCode == Key::S)) {
    app.loop.QuitRequested = true;
    return;
  }
  if (key.keyCode != Key::Delete) return;
  if (app.deal.deletionState == -1) {
    app.deal.deletionState = 2;
  } else if (app.deal.deletionState == 0) {
    DeleteSelectedFiles(app);  // the selected work files, after confirmation
  }
}

}  // namespace scorlet::companion
