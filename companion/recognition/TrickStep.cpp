// The trick step: reading the four cards of the last-trick window, the winner of each trick, and
// the two per-tick cycles that follow the trick counts until the deal is over.
#include "companion/recognition/TrickStep.h"

#include <algorithm>
#include <string>

#include "companion/main/App.h"
#include "companion/main/Discovery.h"
#include "companion/recognition/PanelReaders.h"
#include "companion/recognition/TableReading.h"
#include "companion/record/LiveCards.h"
#include "platform/System.h"

namespace scorlet::companion {

namespace {

constexpr std::uint32_t CardCycleMs = 1000;
constexpr std::uint32_t CountCycleMs = 800;
constexpr int SpadeSuit = 3;
constexpr int CaptureFailed = -1;

// The last-hand deadlines once 11 or 12 tricks are known, by form of the step.
std::uint32_t LastHandDelay(int total, bool countingForm) {
  if (total == 11) return countingForm ? 3000 : 10000;
  if (total == 12) return countingForm ? 2000 : 8000;
  return 0;
}

}  // namespace

int NilKind(const std::string& bid) { return BidKindOf(bid); }

WinnerByCounts GetWinner(const std::array<int, 4>& tricks, std::array<int, 4>& previousTricks,
                         const std::array<std::string, 4>& seatBids) {
  WinnerByCounts result;
  result.teamTricks[0] = tricks[0] + tricks[2];
  result.teamTricks[1] = tricks[1] + tricks[3];
  result.teamTricks[2] = result.teamTricks[0] + result.teamTricks[1];
  for (std::size_t seat = 0; seat < 4; ++seat) {
    if (tricks[seat] > previousTricks[seat]) {
      result.winner = static_cast<int>(seat);
      if (const int kind = NilKind(seatBids[seat]); kind != 0) {
        result.brokenNil[seat] = kind;
        ++result.nilsBroken;
      }
    }
    previousTricks[seat] = tricks[seat];
  }
  return result;
}

int WinnerByCards(const std::array<int, 4>& suits, const std::array<int, 4>& ranks, int leader) {
  if (leader < 0 || leader > 3) return -1;
  int winner = leader;
  for (int k = 1; k < 4; ++k) {
    const auto seat = static_cast<std::size_t>((leader + k) % 4);
    const auto best = static_cast<std::size_t>(winner);
    if (suits[seat] == suits[best] && ranks[seat] > ranks[best]) winner = static_cast<int>(seat);
  }
  for (std::size_t seat = 0; seat < 4; ++seat) {
    if (suits[seat] != SpadeSuit) continue;
    const auto best = static_cast<std::size_t>(winner);
    if (suits[best] != SpadeSuit || ranks[best] < ranks[seat]) winner = static_cast<int>(seat);
  }
  return winner;
}

bool DealOverByCounts(const DealEndTest& t) {
  if (t.total == 13) return true;
  // A total of 0 after the table had counted tricks: the next deal has begun. Before the first
  // trick of a deal is won every reading shows 0, which ends nothing.
  if (t.total == 0) return t.previousTotal != -1 && t.highestTotal > 0;
  if (t.total >= t.previousTotal) return false;
  return t.previousTotal >= 10 || (t.countingForm && t.okShown);
}

// Reads the last-trick window: up to two attempts. The outputs hold rank -1 for seat 0 when both
// failed, every rank 0 when (mode 2) the trick is the one recorded already.
void CaptureTrickCards(App& app, std::array<int, 4>& suits, std::array<int, 4>& ranks,
                       TrickCaptureMode mode) {
  TrickState& t = app.reading.trick;
  suits = {};
  ranks = {};
  recognition::TrickCardsReading reading;
  for (int attempt = 0; attempt < 2 && !reading.read; ++attempt) {
    const recognition::PanelCapture picture = CaptureGameWindow(app, KindLastTrick);
    if (picture.empty()) continue;
    reading = recognition::ReadTrickCards(picture, app.reading.glyphs);
    if (!reading.read) SaveDiagCapture(app, picture, "lasttrick");
  }
  if (!reading.read) {
    ranks[0] = CaptureFailed;
    return;
  }
  for (std::size_t seat = 0; seat < 4; ++seat) {
    suits[seat] = reading.cards[seat].suit;
    ranks[seat] = reading.cards[seat].rank;
  }
  if (mode == TrickCaptureMode::RecordIfNew) {
    for (std::size_t seat = 0; seat < 4; ++seat) {
      if (suits[seat] == t.LastTrickSuits[seat] && ranks[seat] == t.LastTrickRanks[seat]) {
        suits = {};
        ranks = {};
        return;
      }
    }
  }
  t.LastTrickSuits = suits;
  t.LastTrickRanks = ranks;
  if (mode == TrickCaptureMode::Remember) {
    t.CardsCaptured = 0;
  } else {
    t.CardsCaptured = std::min(52, t.CardsCaptured + 4);
  }
}

// Records one trick: leader, voids, winner (by the counts, else by the cards), the cards.
void spdCapture4Cards(App& app, const std::array<int, 4>& suits, const std::array<int, 4>& ranks,
                      int winnerByCounts) {
  TrickState& t = app.reading.trick;
  const auto index = static_cast<std::size_t>(std::clamp(t.TrickNumber - 1, 0, 12));
  TrickSeen& trick = t.tricks[index];
  // The first trick's leader is not shown anywhere; it stays unknown.
  trick.leader = index > 0 ? t.tricks[index - 1].winner : -1;
  if (trick.leader >= 0) {
    const int led = suits[static_cast<std::size_t>(trick.leader)];
    for (std::size_t seat = 0; seat < 4; ++seat)
      if (suits[seat] != led && led >= 0 && led < 4) t.voids[seat][static_cast<std::size_t>(led)] = true;
  }
  trick.winner = winnerByCounts >= 0 ? winnerByCounts : WinnerByCards(suits, ranks, trick.leader);
  for (std::size_t seat = 0; seat < 4; ++seat) {
    int code = suits[seat] * 100 + ranks[seat];
    if (static_cast<int>(seat) == trick.winner && NilKind(app.reading.SeatBids[seat]) != 0)
      code = -code;
    trick.codes[seat] = code;
  }
  RecordLiveTrick(app, static_cast<int>(index), trick, t.voids);
}

namespace {

// Shared by both cycles: the counts read, the winner, the Nil alarms. False when the table
// could not be read.
bool CountStep(App& app, WinnerByCounts& counted, bool& okShown) {
  std::array<int, 4> tricks{};
  if (!ReadTrickCounts(app, tricks, okShown)) return false;
  TrickState& t = app.reading.trick;
  counted = GetWinner(tricks, t.PreviousTricks, app.reading.SeatBids);
  for (std::size_t seat = 0; seat < 4; ++seat) {
    if (counted.brokenNil[seat] == 0) continue;
    t.BrokenNil[seat] = counted.brokenNil[seat];
    if (app.settings.alertFailNil) AlertChime(app.desktop);
  }
  return true;
}

// The end-of-deal test, the last-hand deadline and the memory of the totals.
bool FinishCountStep(App& app, int total, bool okShown, bool countingForm) {
  TableReadingState& r = app.reading;
  const bool over = DealOverByCounts(
      {total, r.PreviousTotal, r.trick.highestTotal, okShown, countingForm});
  r.PreviousTotal = total;
  r.trick.highestTotal = std::max(r.trick.highestTotal, total);
  // The deadline only comes nearer: a capture already due (the trick step stalled while the
  // last-trick window was away, say) is not put off.
  TaskSlots& slots = app.loop.slots;
  const std::uint32_t delay = LastHandDelay(total, countingForm);
  if (delay != 0 && (!slots.Armed(SlotLastHand) ||
                     static_cast<std::int32_t>(slots.TaskDue[SlotLastHand] - (app.Now() + delay)) > 0))
    slots.Arm(SlotLastHand, app.Now(), static_cast<std::int32_t>(delay));
  return over;
}

void DealIsOver(App& app) {
  app.reading.dealOver = true;
  app.Trace("the trick counts show the end of the deal");
  CaptureLastHand(app, CaptureMode::Automatic);
}

}  // namespace

void CapturePlayedTrick(App& app) {
  if (!app.settings.leftCounterPos.used() || app.loop.busy.trickStep) return;
  if (app.game.handle(KindLastTrick) == 0) {
    NotExistProcess(app, KindLastTrick, static_cast<int>(CaptureStatus::LastTrickWindowMissing));
    return;
  }
  app.loop.slots.Arm(SlotTrickStep, app.Now(), CardCycleMs);
  app.loop.busy.trickStep = true;
  TableReadingState& r = app.reading;
  TrickState& t = r.trick;
  WinnerByCounts counted;
  bool okShown = false;
  if (!CountStep(app, counted, okShown) || (counted.winner < 0 && r.PreviousTotal != 12)) {
    app.loop.busy.trickStep = false;
    return;
  }
  std::array<int, 4> suits{};
  std::array<int, 4> ranks{};
  CaptureTrickCards(app, suits, ranks, TrickCaptureMode::RecordIfNew);
  if (ranks[0] == CaptureFailed) CaptureTrickCards(app, suits, ranks, TrickCaptureMode::RecordIfNew);
  const int total = counted.teamTricks[2];
  UpdateCounters(app);
  if (ranks[0] >= 2) {
    t.TrickNumber = std::max(t.TrickNumber + 1, total);
    spdCapture4Cards(app, suits, ranks, counted.winner);
    if (t.CardsCaptured >= 52 || t.TrickNumber >= 13) {
      app.loop.busy.trickStep = false;
      r.PreviousTotal = total;
      DealIsOver(app);
      return;
    }
  }
  const bool over = FinishCountStep(app, total, okShown, false);
  app.loop.busy.trickStep = false;
  if (over) DealIsOver(app);
}

void WatchTrickCounts(App& app) {
  if (app.loop.busy.trickStep) return;
  app.loop.slots.Arm(SlotTrickStep, app.Now(), CountCycleMs);
  app.loop.busy.trickStep = true;
  WinnerByCounts counted;
  bool okShown = false;
  bool over = false;
  if (CountStep(app, counted, okShown)) {
    if (app.settings.leftCounterPos.used()) UpdateCounters(app);
    over = FinishCountStep(app, counted.teamTricks[2], okShown, true);
  }
  app.loop.busy.trickStep = false;
  if (over) DealIsOver(app);
}

}  // namespace scorlet::companion
