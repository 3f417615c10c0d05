// Screen-reading procedures of the main loop: they capture the table window, run the readers
// on the picture and put what was read into the program's records and the main window.
#include "companion/recognition/TableReading.h"

#include <algorithm>
#include <string>

#include "companion/main/App.h"
#include "companion/main/Discovery.h"
#include "companion/main/MainLoop.h"
#include "companion/main/Texts.h"
#include "companion/messages/Messages.h"
#include "companion/players/Players.h"
#include "companion/record/LiveScoreLines.h"
#include "companion/recognition/PlayerList.h"
#include "companion/recognition/ScreenCapture.h"
#include "companion/recognition/TableReaders.h"
#include "platform/System.h"
#include "platform/Window.h"

namespace scorlet::companion {

namespace {

// The bid pass repeats every second; after three failed passes in a row it waits the
// configured bid delay; once four bids are in, two seconds.
constexpr std::uint32_t BidRepeatMs = 1000;
constexpr std::uint32_t FourBidsRepeatMs = 2000;
constexpr int ErrorsBeforeLongWait = 3;
// Failed passes in a row after which a missing sub-window is reported.
constexpr int MissingWindowErrors = 10;
// Readings of the score while the deal's bids come in.
constexpr int BiddingScoreAttempts = 3;

double SettleSeconds(const App& app) { return app.reading.captureSlow ? 0.5 : 0.1; }


void ShowDeal(App& app) { ShowLiveScoreLines(app); }

}  // namespace

DealPicture JudgeDealPicture(const recognition::TrickReading& tricks) {
  // The table shows trick lines for all four seats together, from the end of the bidding on,
  // or for none while a deal is being bid.
  int seen = 0;
  int read = 0;
  int total = 0;
  for (std::size_t k = 0; k < 4; ++k) {
    if (tricks.lineSeen[k] || tricks.tricks[k] >= 0) ++seen;
    if (tricks.tricks[k] >= 0) {
      ++read;
      total += tricks.tricks[k];
    }
  }
  if (seen == 0) return DealPicture::Bidding;
  // A trick line missing or unreadable ("?") may be one of a finished deal: its bids must not
  // be taken for the next deal's, so the pass cannot tell and the next pass reads again.
  if (read < 4) return DealPicture::CannotTell;
  return total == 13 ? DealPicture::Finished : DealPicture::InPlay;
}

namespace {

// Whether the four bid lines shown may be taken as the current deal's. Every row of the box is
// read, so trick lines whose rows are not known yet count.
DealPicture ShownDeal(App& app, const recognition::TableCapture& picture) {
  return JudgeDealPicture(recognition::ReadTrickLines(picture, app.reading.box,
                                                      app.reading.glyphs, app.reading.anchors));
}

// Four bids are in: they are this deal's, kept for the record through the play, together with
// the score rows shown now (the deal's own score will be the next row).
void KeepDealBids(App& app, const std::array<std::string, 4>& bids) {
  TableReadingState& r = app.reading;
  r.SeatBids = bids;
  r.scoreRowsAtBidding = -1;
  HandRecord score;
  for (int attempt = 0; attempt < BiddingScoreAttempts; ++attempt) {
    if (CaptScore(app, score) == CaptureStatus::Ok) {
      r.scoreRowsAtBidding = score.ScoreRowCount;
      r.scoreReadThisGame = true;
      break;
    }
  }
}

}  // namespace

bool ReadTrickCounts(App& app, std::array<int, 4>& tricks, bool& okShown) {
  return ReadTrickCounts(app, tricks, okShown, SettleSeconds(app));
}

bool ReadTrickCounts(App& app, std::array<int, 4>& tricks, bool& okShown, double settleSeconds) {
  if (!app.reading.box.located()) LocateTableBox(app);
  if (!app.reading.box.located()) return false;
  const recognition::TableCapture picture = CaptureTable(app, settleSeconds);
  if (picture.empty()) return false;
  const recognition::TrickReading reading = recognition::ReadTrickLines(
      picture, app.reading.box, app.reading.glyphs, app.reading.anchors);
  bool any = false;
  for (std::size_t k = 0; k < 4; ++k) {
    tricks[k] = std::max(0, reading.tricks[k]);
    any = any || reading.tricks[k] >= 0;
  }
  okShown = recognition::TestFinalOK(picture, app.reading.box, app.reading.glyphs);
  if (any) {
    app.deal.tricks = {tricks[0], tricks[1], tricks[2], tricks[3]};
    app.deal.tricksShown = true;
    ShowDeal(app);
  }
  return true;
}

recognition::TableCapture CaptureTable(App& app) { return CaptureTable(app, SettleSeconds(app)); }

recognition::TableCapture CaptureTable(App& app, double settleSeconds) {
  return recognition::CaptureTableWindow(app.desktop, app.game.TableWindow, settleSeconds);
}

recognition::PanelCapture CaptureGameWindow(App& app, int kind) {
  return CaptureGameWindow(app, kind, SettleSeconds(app));
}

recognition::PanelCapture CaptureGameWindow(App& app, int kind, double settleSeconds) {
  const WindowHandle window = app.game.handle(kind);
  if (window == 0) return {};
  App* a = &app;
  return recognition::CapturePanel(
      app.desktop, window, app.reading.panels[static_cast<std::size_t>(kind)],
      [a, kind] {
        FindGameWindows(*a, kind);
        return a->game.handle(kind);
      },
      settleSeconds);
}

void BuildGlyphTables(App& app) { app.reading.glyphs = recognition::BuildGlyphTables(); }

void PrepareGlyphsForTable(App& app) {
  if (app.reading.glyphs.gameLanguage != app.game.GameLanguage)
    recognition::PrepareGlyphIndex(app.reading.glyphs, app.game.GameLanguage);
}

void SaveDiagCapture(App& app, const recognition::Picture& picture, const char* label) {
  if (app.settings.logFile.empty() || picture.empty()) return;
  if (!app.reading.diag) app.reading.diag.emplace(app.system.appFolder / "Diag");
  const std::string name = app.reading.diag->Save(picture, label);
  if (!name.empty()) AppendEventLog(app, " capture kept: Diag/" + name);
}

void LocateTableBox(App& app) {
  TableReadingState& r = app.reading;
  if (app.game.TableWindow == 0) return;
  recognition::BoxSearchSettings settings;
  settings.reducedWidth = app.settings.reducedWidth;
  settings.gameLanguage = app.game.GameLanguage;
  settings.settleSeconds = SettleSeconds(app);
  const recognition::BoxLocation found = recognition::LocateTableBox(
      app.desktop, app.game.TableWindow, r.boxCache, settings, r.box, r.seatAnchors,
      r.bidControlRow);
  r.box = found.box;
  r.seatAnchors = found.seatAnchors;
  if (found.bidControlRow != 0) {
    r.bidControlRow = found.bidControlRow;
    r.bidControl = found.bidControl;
  }
  if (!found.status.empty()) {
    Label& label = *app.frmZ.BoxStat;
    label.setCaption(found.status);
    label.setForeColor(found.statusRed ? Colors::Red : Colors::Black);
    if (found.statusRed) {
      label.setVisible(true);
      SaveDiagCapture(app, CaptureTable(app), "box");
    }
  }
}

void BuildPlayerList(App& app) {
  TableReadingState& r = app.reading;
  app.flags.TableSetUp = true;
  if (app.game.TableWindow == 0) return;
  r.captureSlow = true;
  if (!r.box.located()) LocateTableBox(app);
  if (!r.box.located()) {
    PrepareGlyphsForTable(app);
    return;
  }
  const recognition::TableCapture picture = CaptureTable(app);
  Rect window;
  if (picture.empty() || !app.desktop.windowRect(app.game.TableWindow, window)) return;
  r.PlayerList = recognition::PreparePlayerList(r.glyphs, app.game.GameLanguage, picture, r.box,
                                                r.bidControlRow, window);
  app.frmZ.cntPlayer->setCaption(std::to_string(r.PlayerList.size()));
}

bool TestMyTurn(App& app) {
  if (app.game.TableWindow == 0) return false;
  if (!app.reading.box.located()) LocateTableBox(app);
  RestoreWindow(app.desktop, app.game.TableWindow);
  // The wait before the copy covers the repaint of a restored window; one after it would only
  // hold the tick (the main loop asks on every tick until the user's turn is seen).
  const recognition::TableCapture picture = CaptureTable(app, 0.0);
  return !picture.empty() && recognition::TestMyTurn(picture);
}

void CaptureBid(App& app, CaptureMode mode) {
  TableReadingState& r = app.reading;
  MainLoopState& loop = app.loop;
  FrmZ& z = app.frmZ;
  if (loop.busy.bidCapture || app.deal.deletionState != 0) return;
  loop.busy.bidCapture = true;
  z.cmdTimer->setEnabled(false);
  CaptureStatus status = CaptureStatus::Ok;
  bool failed = false;
  int bidsRead = 0;

  if (app.game.handle(KindLastHand) == 0) {
    status = CaptureStatus::LastHandWindowMissing;
  } else if (app.game.handle(KindScore) == 0) {
    status = CaptureStatus::ScoreWindowMissing;
  } else {
    if (!r.lastTrickMinimised) {
      MinimizeWindow(app.desktop, app.game.handle(KindLastTrick));
      r.lastTrickMinimised = true;
    }
    if (z.MyRating->caption().empty()) ReadShowRating(app, RatingMode::TableFound);
    PrepareGlyphsForTable(app);
    LocateTableBox(app);
    const recognition::TableCapture picture =
        r.box.located() ? CaptureTable(app) : recognition::TableCapture{};
    if (picture.empty()) {
      failed = true;
      status = CaptureStatus::NoBidRead;
    } else {
      const recognition::BidReading reading = recognition::ReadBidLines(
          picture, r.box, r.glyphs, r.anchors, app.flags.DNilPassTable);
      z.cntBidLoc->setCaption(std::to_string(reading.bidLinesFound));
      const DealPicture shown = reading.status == recognition::BidStatus::Read && reading.bidsRead == 4
                                    ? ShownDeal(app, picture)
                                    : DealPicture::Bidding;
      if (reading.status == recognition::BidStatus::Waiting) {
        status = CaptureStatus::WaitingOrUnchanged;
      } else if (reading.status == recognition::BidStatus::DealOver ||
                 shown == DealPicture::Finished) {
        status = CaptureStatus::TricksComplete;
      } else if (shown == DealPicture::CannotTell) {
        // Ends the pass as a finished deal does: nothing of these bids is kept, and the next
        // pass reads the table again.
        status = CaptureStatus::TricksComplete;
        app.Trace("bid pass: a trick line cannot be read; four bids not taken");
      } else {
        bidsRead = reading.bidsRead;
        r.MostBidsRead = std::max(r.MostBidsRead, bidsRead);
        z.cntBid->setCaption(std::to_string(bidsRead));
        app.counters.BidsRead = bidsRead;
        if (bidsRead > 0 && reading.bids != r.previousBids) {
          for (std::size_t k = 0; k < 4; ++k) {
            if (app.settings.alertNilBids && IsNilKind(reading.bids[k]) && !IsNilKind(r.previousBids[k])) {
              AlertChime(app.desktop);
              WaitSeconds(app.desktop, 0.5);
            }
          }
          r.previousBids = reading.bids;
          if (bidsRead >= 2) CheckAlertPlayer(app);
        }
        app.deal.bids = reading.bids;
        ShowDeal(app);
        if (bidsRead == 0) {
          status = CaptureStatus::NoBidRead;
        } else if (bidsRead == 4) {
          if (z.cmdScore->caption() == texts::MinimizeScore)
            z.cmdScore->setCaption(std::string(texts::ShowScore));
          const auto nils = std::count_if(reading.bids.begin(), reading.bids.end(),
                                          [](const std::string& bid) { return IsNilKind(bid); });
          if (nils >= 2) {
            if (app.system.platformId == PlatformId::Windows9x) {
              PlaySystemSound(app.desktop, app.settings.alertSound);
            } else {
              AlertChime(app.desktop);
              WaitSeconds(app.desktop, 1.2);
              AlertChime(app.desktop);
            }
          }
          status = CaptureStatus::FourBids;
          KeepDealBids(app, reading.bids);
        } else {
          status = CaptureStatus::SomeBids;
        }
        if (bidsRead > 0) FeedCounters(app, bidsRead);
      }
    }
  }

  r.bidStatus = status;
  if (status == CaptureStatus::FourBids) r.previousBids = {};
  if (status == CaptureStatus::WaitingOrUnchanged || status == CaptureStatus::TricksComplete) {
    r.previousBids = {};
    app.deal.bids = {};
    app.deal.tricks = {};
  }
  r.consecutiveErrors = failed || status == CaptureStatus::ScoreWindowMissing ||
                                status == CaptureStatus::LastHandWindowMissing
                            ? r.consecutiveErrors + 1
                            : 0;
  // A sub-window that stays away is asked for again (its button clicked) and, while it is still
  // missing, reported in the messages window; the pass goes on asking until it is back.
  if (r.consecutiveErrors > MissingWindowErrors &&
      (status == CaptureStatus::ScoreWindowMissing || status == CaptureStatus::LastHandWindowMissing)) {
    app.Trace("bid pass: status " + std::to_string(static_cast<int>(status)) + ", a sub-window is missing");
    NotExistProcess(app, status == CaptureStatus::ScoreWindowMissing ? KindScore : KindLastHand,
                    static_cast<int>(status));
  }
  if (mode == CaptureMode::ByHand || status == CaptureStatus::FourBids)
    app.Trace("bid pass: status " + std::to_string(static_cast<int>(status)) + ", bids " +
              app.deal.bids[0] + " " + app.deal.bids[1] + " " + app.deal.bids[2] + " " +
              app.deal.bids[3]);
  ShowBidPassStatus(app, status, mode);

  // The next pass.
  std::uint32_t delay = r.consecutiveErrors < ErrorsBeforeLongWait
                            ? BidRepeatMs
                            : static_cast<std::uint32_t>(app.settings.waitTimeBidMs);
  if (static_cast<int>(status) < 11 && bidsRead == 4) delay = FourBidsRepeatMs;
  loop.slots.TaskDue[SlotBidCapture] = app.Now() + delay;
  z.cmdTimer->setEnabled(true);
  loop.busy.bidCapture = false;
  if (status == CaptureStatus::FourBids && loop.slots.Armed(SlotBidCapture)) BeginPlay(app);
}

void ResetDealCapture(App& app) {
  TableReadingState& r = app.reading;
  r.previousBids = {};
  r.MostBidsRead = 0;
  r.PreviousTotal = -1;
  r.dealOver = false;
  r.SeatBids = {};
  r.scoreRowsAtBidding = -1;
  r.trick = {};
  // What the last-trick window shows now belongs to the deal before.
  r.lastTrickWindow.upTo = 0;
  app.deal.tricksShown = false;
}

void ForgetTable(App& app) {
  TableReadingState& r = app.reading;
  r.box = {};
  r.seatAnchors = {};
  r.anchors = {};
  r.bidControl = {};
  r.bidControlRow = 0;
  r.PlayerList.clear();
  r.captureSlow = false;
  r.lastTrickMinimised = false;
  r.consecutiveErrors = 0;
  r.scoreReadThisGame = false;
  r.lastTrickWindow = {};
}

void SetCaptureSlow(App& app, bool slow) { app.reading.captureSlow = slow; }

}  // namespace scorlet::companion
