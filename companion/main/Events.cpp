// The main window's controls and menus: pause, the capture switches, the sound-alert and link
// menus, seat orientation, and the wiring of every event to its procedure.
#include "common/Notation.h"
#include "companion/main/Discovery.h"
#include "companion/main/Layout.h"
#include "companion/main/Links.h"
#include "companion/main/MainLoop.h"
#include "companion/main/Texts.h"
#include "companion/players/Players.h"
#include "companion/record/Record.h"
#include "companion/recognition/TableReading.h"
#include "platform/System.h"
#include "platform/Window.h"

namespace scorlet::companion {

namespace {

std::string Str(std::string_view text) { return std::string(text); }

bool Running(const App& app) {
  const std::string& caption = app.frmZ.cmdTimer->caption();
  return caption == texts::Pause.en || caption == texts::Pause.ja;
}

void Pause(App& app, std::uint32_t now) {
  FrmZ& z = app.frmZ;
  // 0 means "running", so a pause at tick 0 is taken as tick 1.
  app.flags.PauseStartTick = now != 0 ? now : 1;
  z.cmdTimer->setFontBold(true);
  z.cmdTimer->setCaption("0");
  if (!app.Japanese()) z.cmdTimer->setFontSize(12);
  z.remBox->setVisible(false);
  z.frameBOX->setVisible(false);
  app.loop.slots.Freeze(now);
  MakeNotTopmost(app.desktop, app.game.TableWindow);
  z.form->setTopmost(true);
  app.Trace("paused");
}

void Resume(App& app, std::uint32_t now) {
  FrmZ& z = app.frmZ;
  ClearAlertMark(app);
  ResetPauseButton(app);
  app.loop.slots.Thaw(now);
  app.flags.PauseStartTick = 0;
  app.counters.bidAttempts = 0;
  z.form->setTopmost(false);
  MakeTopmost(app.desktop, app.game.TableWindow);
  app.Trace("resumed");
}

bool ValidSeatIndex(int index) { return index >= 0 && index <= 4; }

}  // namespace

void TaskSlots::Freeze(std::uint32_t now) {
  for (int k = SlotTrickStep; k <= SlotScore; ++k) {
    const auto left = static_cast<std::int32_t>(TaskDue[static_cast<std::size_t>(k)] - now);
    TaskRemaining[static_cast<std::size_t>(k)] = left > 0 ? left : 0;
  }
}

void TaskSlots::Thaw(std::uint32_t now) {
  for (int k = SlotTrickStep; k <= SlotScore; ++k) {
    TaskDue[static_cast<std::size_t>(k)] =
        now + static_cast<std::uint32_t>(TaskRemaining[static_cast<std::size_t>(k)]);
  }
}

void ResetPauseButton(App& app) {
  FrmZ& z = app.frmZ;
  z.cmdTimer->setCaption(Str(texts::Pause.in(app.Japanese())));
  if (!app.Japanese()) z.cmdTimer->setFontSize(10);
}

void cmdTimer_Click(App& app) {
  if (OffLine(app)) return;
  const std::uint32_t now = app.Now();
  if (Running(app)) {
    Pause(app, now);
  } else {
    Resume(app, now);
  }
}

void cmdBid_Click(App& app) {
  if (!OffLine(app)) CaptureBid(app, CaptureMode::ByHand);
}

void cmdHand_Click(App& app) { CaptureLastHand(app, CaptureMode::ByHand); }

void cmdBid_MouseDown(App& app, int button) {
  if (button != MouseButton::Right) return;
  Settings& s = app.settings;
  TaskSlots& slots = app.loop.slots;
  const std::uint32_t now = app.Now();
  s.autoCaptBid = !s.autoCaptBid;
  app.frmZ.menuBid->setChecked(s.autoCaptBid);
  app.frmZ.cmdBid->setFontBold(s.autoCaptBid);
  if (s.autoCaptBid) {
    slots.Disarm(SlotAlertReminder);
    slots.Arm(SlotBidCapture, now, s.waitTimeBidMs);
    ClearAlertMark(app);
    if (!OffLine(app)) MakeTopmost(app.desktop, app.game.TableWindow);
  } else {
    slots.Arm(SlotAlertReminder, now, s.alertTimeMs);
    slots.Disarm(SlotBidCapture);
  }
  app.Trace(std::string("automatic bid capture ") + (s.autoCaptBid ? "on" : "off"));
}

void cmdHand_MouseDown(App& app, int button) {
  if (button != MouseButton::Right) return;
  Settings& s = app.settings;
  s.autoCaptHand = !s.autoCaptHand;
  app.frmZ.menuHand->setChecked(s.autoCaptHand);
  app.frmZ.cmdHand->setFontBold(s.autoCaptHand);
  if (s.autoCaptHand) {
    if (app.flags.trickStepCards) app.loop.slots.Arm(SlotTrickStep, app.Now(), 1000);
    if (!OffLine(app)) MakeTopmost(app.desktop, app.game.TableWindow);
  } else {
    app.loop.slots.Disarm(SlotTrickStep);
  }
  app.Trace(std::string("automatic hand capture ") + (s.autoCaptHand ? "on" : "off"));
}

void menuBid_Click(App& app) { cmdBid_MouseDown(app, MouseButton::Right); }
void menuHand_Click(App& app) { cmdHand_MouseDown(app, MouseButton::Right); }

namespace {
void ToggleSoundAlert(bool& setting, MenuItem* item) {
  setting = !setting;
  item->setChecked(setting);
}
}  // namespace

void menuSomeBidNil_Click(App& app) {
  ToggleSoundAlert(app.settings.alertNilBids, app.frmZ.menuSomeBidNil);
}
void menuFailNil_Click(App& app) {
  ToggleSoundAlert(app.settings.alertFailNil, app.frmZ.menuFailNil);
}
void menuDNilPassTable_Click(App& app) {
  ToggleSoundAlert(app.settings.alertDnilPassTable, app.frmZ.menuDNilPassTable);
}
void menuCanDNilBid_Click(App& app) {
  ToggleSoundAlert(app.settings.alertCanDNilPass, app.frmZ.menuCanDNilBid);
}
void menuSuicideTable_Click(App& app) {
  ToggleSoundAlert(app.settings.alertSuicideTable, app.frmZ.menuSuicideTable);
}

void menuLink_Click(App& app, int index) {
  const LinkPages& pages = DefaultLinkPages;
  std::string_view url;
  switch (index) {
    case 1:
      url = app.settings.link == "uk" ? pages.loginUk : pages.beginnerRoomUsa;
      break;
    case 2:
      url = pages.association;
      break;
    case 3:
      url = pages.help;
      break;
    default:
      return;
  }
  app.desktop.openWebPage(Str(url));
}

void SetToolTipTextPlNames(App& app) {
  const std::string tip = OffLine(app) ? Str(texts::AlertThisPlayer.in(app.Japanese())) : "";
  for (Label* name : app.frmZ.plName) name->setToolTip(tip);
}

void sitNESW(App& app, int seat) {
  app.SeatRotation = RotationFrom(seat);
  for (std::size_t i = 0; i < 4; ++i) {
    app.frmZ.Lbl[i]->setCaption(std::string(SeatLabel(app.SeatRotation[i])));
  }
}

int InvSeat(const App& app, int seat) { return scorlet::InvSeat(app.SeatRotation, seat); }

void sitNESWmenu(App& app, int index) {
  if (!ValidSeatIndex(index)) return;
  FrmZ& z = app.frmZ;
  for (std::size_t i = 0; i < 4; ++i) z.menuSeat[i]->setChecked(false);
  if (index == 4) {
    z.menuSeat[4]->setChecked(true);
    return;
  }
  z.menuSeat[4]->setChecked(false);
  z.menuSeat[static_cast<std::size_t>(index)]->setChecked(true);
  sitNESW(app, index);
}

void InitNESW(App& app) {
  const auto& ids = app.settings.myYahooIds;
  sitNESWmenu(app, !ids.empty() && !ids.front().empty() ? 4 : 0);
}

void menuSeat_Click(App& app, int index) {
  if (!ValidSeatIndex(index)) return;
  sitNESWmenu(app, index);
  if (!app.loop.busy.handView && app.deal.currentHandFile >= 0) ShowSelectedHand(app);
}

void WireFrmZEvents(App& app) {
  FrmZ& z = app.frmZ;
  App* a = &app;
  z.Timer1->onTimer = [a] { Timer1_Timer(*a); };
  z.cmdTimer->onClick = [a] { cmdTimer_Click(*a); };
  z.cmdBid->onClick = [a] { cmdBid_Click(*a); };
  z.cmdHand->onClick = [a] { cmdHand_Click(*a); };
  z.cmdBid->onMouseDown = [a](const MouseEvent& e) { cmdBid_MouseDown(*a, e.button); };
  z.cmdHand->onMouseDown = [a](const MouseEvent& e) { cmdHand_MouseDown(*a, e.button); };
  z.cmdEnd->onClick = [a] { cmdEnd_Click(*a); };
  z.cmdEnd->onMouseDown = [a](const MouseEvent& e) { cmdEnd_MouseDown(*a, e.button); };
  z.cmdScore->onClick = [a] { cmdScore_Click(*a); };
  z.cntBidLoc->onClick = [a] { cntBidLoc_Click(*a); };
  z.cmdDEL->onClick = [a] { DeleteWorkFile(*a); };
  z.cmdUndo->onClick = [a] { UndoDelete(*a); };
  z.cmdDelFiles->onClick = [a] { DeleteAllWorkFiles(*a); };
  z.cmdDelFiles->onMouseDown = [a](const MouseEvent& e) {
    if (e.button == MouseButton::Right && !OffLine(*a) && !TestCapturing(*a)) Restart(*a);
  };
  z.cmdAlertNone->onClick = [a] { AlertNoneClick(*a); };
  z.filBox->onClick = [a] { filBox_Click(*a); };
  z.filBox->onMouseDown = [a](const MouseEvent& e) {
    if (e.button == MouseButton::Right && OffLine(*a)) DeleteSelectedFiles(*a);
  };
  for (int i = 0; i < 4; ++i) {
    z.plName[static_cast<std::size_t>(i)]->onClick = [a, i] { plName_Click(*a, i); };
    z.menuPlayer[static_cast<std::size_t>(i)]->onClick = [a, i] { menuPlayer_Click(*a, i); };
    // A compass letter puts that hand at the bottom.
    z.Lbl[static_cast<std::size_t>(i)]->onClick = [a, i] { Lbl_Click(*a, i); };
  }
  for (int i = 0; i < 5; ++i) {
    z.menuSeat[static_cast<std::size_t>(i)]->onClick = [a, i] { menuSeat_Click(*a, i); };
  }
  z.menuBid->onClick = [a] { menuBid_Click(*a); };
  z.menuHand->onClick = [a] { menuHand_Click(*a); };
  z.menuSomeBidNil->onClick = [a] { menuSomeBidNil_Click(*a); };
  z.menuFailNil->onClick = [a] { menuFailNil_Click(*a); };
  z.menuDNilPassTable->onClick = [a] { menuDNilPassTable_Click(*a); };
  z.menuCanDNilBid->onClick = [a] { menuCanDNilBid_Click(*a); };
  z.menuSuicideTable->onClick = [a] { menuSuicideTable_Click(*a); };
  z.menuRestart->onClick = [a] { menuRestart_Click(*a); };
  for (int i = 1; i <= 3; ++i) {
    z.menuLink[static_cast<std::size_t>(i)]->onClick = [a, i] { menuLink_Click(*a, i); };
  }
  z.form->onKeyDown = [a](const KeyEvent& key) { Form_KeyDown(*a, key); };
  z.form->onResize = [a] { Form_Resize(*a); };
  z.form->onQueryClose = [a] { return Form_QueryUnload(*a); };
  z.form->onUnload = [a] { Form_Unload(*a); };
}

}  // namespace scorlet::companion
