// The tick of the main loop and the two phase changes of a deal.
#include "companion/main/MainLoop.h"

#include <string>

#include "companion/main/Discovery.h"
#include "companion/bidhelp/BidHelp.h"
#include "companion/record/Board.h"
#include "companion/players/BoardStatus.h"
#include "companion/players/Players.h"
#include "companion/record/Record.h"
#include "companion/recognition/SeatOverlays.h"
#include "companion/recognition/TableReading.h"
#include "platform/System.h"
#include "platform/Window.h"

namespace scorlet::companion {

namespace {

void RunTrickStep(App& app) {
  if (app.flags.trickStepCards) {
    CapturePlayedTrick(app);
  } else {
    WatchTrickCounts(app);
  }
}

bool HelpBidEnabled(const App& app) { return app.settings.helpBidPos.used(); }
bool TwoOrThreeBids(const App& app) {
  return app.counters.BidsRead == 2 || app.counters.BidsRead == 3;
}

void SetTimerInterval(App& app) { app.frmZ.Timer1->setInterval(app.loop.TimerInterval); }

// Where the alert mark is drawn: under the pause button, beside the capture buttons.
constexpr Point AlertMarkFrom{142, 81};
constexpr Point AlertMarkTo{204, 81};

// Step 14: overlays, the alert answer and every top-most window.
void Refresh(App& app) {
  HelperWindows& w = app.windows;
  DrawSeatOverlays(app);
  if (w.askAlertAnswered) ExecAskAlert(app);
  for (const HelperWindow* h : {&w.cardPlay, &w.errMsg, &w.helpBid, &w.myBox, &w.score})
    ShowTop(app, *h);
  if (app.settings.topMostScoreWindow) MakeTopmost(app.desktop, app.game.handle(KindScore));
  if (w.counter != CounterSide::None) MakeTopmost(app.desktop, w.CounterWindow().handle());
  std::size_t shown = 0;
  for (WindowHandle info : app.game.PlayerInfoWindows) {
    if (++shown > MaxPlayerInfoWindows) break;
    MakeTopmost(app.desktop, info);
  }
}

// Step 13: only the left counter and the bid helper.
void ShortRefresh(App& app) {
  if (app.windows.counter == CounterSide::Left)
    MakeTopmost(app.desktop, app.windows.counterLeft.handle());
  ShowTop(app, app.windows.helpBid);
}

enum class BidStep { Refresh, ShortRefresh, End };

// Step 12: bid capture, driven by the bidding board's step.
BidStep BiddingPhase(App& app) {
  switch (app.counters.boardStep) {
    case BoardState::BidHanded:
      SetTimerInterval(app);
      ClickBidAuto(app);
      return BidStep::Refresh;
    case BoardState::DNilStage: {
      ClickBidAuto(app);
      const BoardStatus status = ReadBoardStatus(app);
      if (status == BoardStatus::NotFound) HideBoardWindows(app);
      if (status == BoardStatus::NumberButtons) ShowBoard(app, BoardStatus::NumberButtons);
      return BidStep::ShortRefresh;
    }
    case BoardState::Confirmation:
    case BoardState::OpenForBid: {
      ClickBidAuto(app);
      if (ReadBoardStatus(app) == BoardStatus::NotFound) {
        HideBoardWindows(app);
        return BidStep::End;
      }
      return BidStep::ShortRefresh;
    }
    case BoardState::NotInUse: {
      SetTimerInterval(app);
      ClickBidAuto(app);
      const bool boardFollows = (app.settings.alertDnilPassTable && app.flags.DNilPassTable) ||
                                app.flags.boardMode == BoardMode::EveryDeal;
      if (boardFollows) {
        if (TestMyTurn(app)) {
          CheckBoardStat(app);
          ClickBidAuto(app);
          if (app.windows.board.kept()) MakeTopmost(app.desktop, app.windows.board.handle());
          if (TwoOrThreeBids(app) && HelpBidEnabled(app)) Show_HelpBid(app);
        }
      } else if (HelpBidEnabled(app) && TwoOrThreeBids(app) && TestMyTurn(app)) {
        Show_HelpBid(app);
      }
      return BidStep::Refresh;
    }
    default:
      return BidStep::Refresh;
  }
}

}  // namespace

bool OffLine(const App& app) { return app.loop.OnlineState != Online; }

bool TestCapturing(const App& app) {
  return app.loop.busy.bidCapture || app.loop.busy.trickStep || app.loop.lastHandCapturing;
}

void ShowTop(App& app, const HelperWindow& window) {
  if (window.kept() && window.handle() != 0) MakeTopmost(app.desktop, window.handle());
}

void ClickBidAuto(App& app) {
  // Once bidding is over (slot disarmed by BeginPlay) the bids are not read again.
  if (app.loop.slots.Due(SlotBidCapture, app.loop.TickNow)) CaptureBid(app, CaptureMode::Automatic);
}

void Timer1_Timer(App& app) {
  MainLoopState& loop = app.loop;
  TaskSlots& slots = loop.slots;
  const std::uint32_t now = app.Now();
  loop.TickNow = now;
  if (loop.ended || loop.busy.Any()) return;

  if (loop.QuitRequested) {
    // Ctrl+C or Ctrl+S: the end closes like every other end.
    CloseSession(app);
    EndProgram(app, ExitNormal);
    return;
  }
  loop.busy.windowTracking = true;
  TrackTableWindows(app);
  loop.busy.windowTracking = false;
  if (loop.ended || OffLine(app)) return;

  if (loop.counterHideArmed && IsPast(now, loop.counterHideDue)) {
    HideCounter(app);
    loop.counterHideArmed = false;
  }

  if (app.flags.PauseStartTick != 0) {
    const std::uint32_t seconds = (now - app.flags.PauseStartTick + 500) / 1000;
    app.frmZ.cmdTimer->setCaption(std::to_string(seconds));
    if (seconds == 120 || seconds == 180) {
      ShowAlertMark(app);
      PlaySystemSound(app.desktop, app.settings.alertSound);
    }
    return;
  }

  TableCounters& counters = app.counters;
  counters.TickCounter += 1;
  if (counters.TickCounter == 1) SetTimerInterval(app);
  if (counters.TickCounter <= 1) return;

  if (slots.Due(SlotAlertReminder, now)) {
    ShowAlertMark(app);
    PlaySystemSound(app.desktop, app.settings.alertSound);
  }

  if (slots.Armed(SlotTrickStep)) {
    if (app.windows.board.kept()) HideBoardWindows(app);
    // The bid advice is about the bidding only: it goes when the play begins, also when the
    // bidding board was not in use or the advice was a fourth-seat one (not kept on top).
    HelperWindow& helpBid = app.windows.helpBid;
    if (helpBid.form != nullptr && helpBid.form->loaded() && helpBid.form->visible())
      HideHelpBid(app);
    if (counters.MyTurnSeen == 0 && TestMyTurn(app)) {
      MakeTopmost(app.desktop, app.game.TableWindow);
      DrawSeatOverlays(app);
      counters.MyTurnSeen = 1;
    }
    if (slots.Due(SlotTrickStep, now)) RunTrickStep(app);
  }
  if (slots.Due(SlotTrickStep, now)) RunTrickStep(app);

  if (slots.Armed(SlotLastHand)) {
    if (slots.Due(SlotLastHand, now)) CaptureLastHand(app, CaptureMode::Automatic);
  } else if (slots.Armed(SlotBidCapture)) {
    switch (BiddingPhase(app)) {
      case BidStep::End:
        return;
      case BidStep::ShortRefresh:
        ShortRefresh(app);
        return;
      case BidStep::Refresh:
        break;
    }
  }
  Refresh(app);
}

void BeginDeal(App& app) {
  FrmZ& z = app.frmZ;
  TaskSlots& slots = app.loop.slots;
  app.counters.boardStatusMemory = 0;
  app.counters.boardStep = BoardState::NotInUse;
  app.counters.MyTurnSeen = 0;
  if (app.settings.countCards) MarkCardPlayNewDeal(app);
  z.Msgbox->setCaption(app.game.storedStatusText);
  app.deal.bids = {};
  app.deal.tricks = {};
  z.cmdHand->setBackColor(app.BackColor());
  z.cmdBid->setBackColor(ArmedColor);
  const std::uint32_t now = app.Now();
  slots.TaskArmed[SlotBidCapture] = app.settings.autoCaptBid;
  slots.TaskDue[SlotBidCapture] = now + static_cast<std::uint32_t>(app.settings.waitTimeBidMs);
  slots.Disarm(SlotLastHand);
  slots.Disarm(SlotTrickStep);
  ResetDealCapture(app);
  HideCounter(app);
  app.Trace("bidding begins");
}

void BeginPlay(App& app) {
  FrmZ& z = app.frmZ;
  TaskSlots& slots = app.loop.slots;
  app.deal.bids = {};
  app.counters.boardStep = BoardState::NotInUse;
  app.counters.cardsCaptured = 0;
  if (app.windows.board.kept()) {
    HideBoard(app);
    HideHelper(app.windows.board);
    SetTimerInterval(app);
  }
  if (app.settings.askAlertPos.used()) HideAskAlert(app);
  z.form->setTopmost(false);
  app.counters.tricksCounted = 0;
  app.flags.BoardStatusAlerted = false;
  slots.Disarm(SlotAlertReminder);
  slots.Disarm(SlotBidCapture);
  const std::uint32_t now = app.Now();
  if (app.flags.trickStepCards || app.settings.rightCounterPos.used()) {
    slots.Arm(SlotTrickStep, now, 300);
  }
  slots.TaskArmed[SlotLastHand] = app.settings.autoCaptHand;
  slots.TaskDue[SlotLastHand] = now + static_cast<std::uint32_t>(app.settings.waitTimeHandMs);
  z.cmdBid->setBackColor(app.BackColor());
  z.cmdHand->setBackColor(ArmedColor);
  app.Trace("play begins");
}

void ShowAlertMark(App& app) {
  if (app.loop.AlertMarkShown) return;
  app.frmZ.form->canvas().drawLine(AlertMarkFrom, AlertMarkTo, AlertMarkColor, 3);
  app.loop.AlertMarkShown = true;
}

void ClearAlertMark(App& app) {
  if (!app.loop.AlertMarkShown) return;
  app.frmZ.form->canvas().drawLine(AlertMarkFrom, AlertMarkTo, app.BackColor(), 3);
  app.loop.AlertMarkShown = false;
}

void HideScore(App& app) {
  if (!app.windows.score.kept()) return;
  HideHelper(app.windows.score);
}

void ScheduleCounterHide(App& app, std::uint32_t delayMs) {
  app.loop.counterHideArmed = true;
  app.loop.counterHideDue = app.Now() + delayMs;
}

void HideCounter(App& app) {
  if (app.windows.counter != CounterSide::None) ClrCounter(app, app.windows.counter);
  app.windows.counter = CounterSide::None;
}

}  // namespace scorlet::companion
