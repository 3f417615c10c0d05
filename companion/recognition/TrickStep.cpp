// The trick step: reading the four cards of the last-trick window, the winner of each trick, and
// the two per-tick cycles that follow the trick counts until the deal is over.
#include "companion/recognition/TrickStep.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "companion/main/App.h"
#include "companion/main/Discovery.h"
#include "companion/recognition/PanelReaders.h"
#include "companion/recognition/ReadingState.h"
#include "companion/recognition/TableReading.h"
#include "companion/record/LiveCards.h"
#include "platform/System.h"

namespace scorlet::companion {

namespace {

constexpr std::uint32_t CardCycleMs = 1000;
constexpr std::uint32_t CountCycleMs = 800;
// A trick counted whose cards were not taken yet is read again at the next tick.
constexpr std::uint32_t RetryMs = 0;
// The card-reading step copies the table and the last-trick window without waiting after the
// copy: the picture is taken before that wait, which would only let the table play on. The
// wait before each copy, for a repaint that may be pending, stays.
constexpr double NoSettle = 0.0;
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

void NoteCountWinners(std::array<TrickSeen, 13>& tricks, const std::array<int, 4>& before,
                      const std::array<int, 4>& after) {
  int risen = 0;
  int seat = -1;
  for (std::size_t k = 0; k < 4; ++k) {
    if (after[k] < before[k]) return;
    if (after[k] == before[k]) continue;
    if (seat >= 0) return;  // several seats rose: which trick each won is not known
    seat = static_cast<int>(k);
    risen = after[k] - before[k];
  }
  int first = 0;
  for (const int count : before) first += count;
  for (int i = first; i < first + risen && i < TrickCount; ++i) {
    TrickSeen& trick = tricks[static_cast<std::size_t>(i)];
    if (trick.winner < 0) trick.winner = seat;
  }
}

bool CardsFitTrick(const TrickState& t, const std::array<int, 4>& suits,
                   const std::array<int, 4>& ranks, int index) {
  if (index < 0 || index >= TrickCount) return false;
  std::array<int, 4> codes{};
  for (std::size_t seat = 0; seat < 4; ++seat) {
    if (suits[seat] < 0 || suits[seat] > 3 || ranks[seat] < MinRank || ranks[seat] > MaxRank)
      return false;
    if (t.voids[seat][static_cast<std::size_t>(suits[seat])]) return false;
    codes[seat] = suits[seat] * 100 + ranks[seat];
    for (std::size_t other = 0; other < seat; ++other)
      if (codes[other] == codes[seat]) return false;
  }
  for (int i = 0; i < TrickCount; ++i) {
    if (i == index) continue;
    for (const int code : t.tricks[static_cast<std::size_t>(i)].codes)
      for (const int card : codes)
        if (code != 0 && std::abs(code) == card) return false;
  }
  const auto at = static_cast<std::size_t>(index);
  const int winner = t.tricks[at].winner;
  if (winner < 0) return true;
  const int leader = index > 0 ? t.tricks[at - 1].winner : -1;
  if (leader >= 0) return WinnerByCards(suits, ranks, leader) == winner;
  for (int seat = 0; seat < 4; ++seat)
    if (WinnerByCards(suits, ranks, seat) == winner) return true;
  return false;
}

int TrickOfWindowCards(const TrickState& t, const LastTrickWindow& window,
                       const std::array<int, 4>& suits, const std::array<int, 4>& ranks,
                       int first, int last) {
  std::array<int, 4> codes{};
  for (std::size_t seat = 0; seat < 4; ++seat) codes[seat] = suits[seat] * 100 + ranks[seat];
  int found = -1;
  for (int index = std::max(first, 0); index <= std::min(last, TrickCount - 1); ++index) {
    // Still the cards of an earlier trick: the window has not shown this one yet.
    if (codes == window.codes && window.upTo <= index) continue;
    if (!CardsFitTrick(t, suits, ranks, index)) continue;
    if (found >= 0) return -1;
    found = index;
  }
  return found;
}

namespace {

// The four cards of the last-trick window by display position, two attempts at most; false
// when neither could be read. `settle`: each copy waits for the repaint afterwards as the
// table's state asks.
bool ReadLastTrickWindow(App& app, std::array<int, 4>& suits, std::array<int, 4>& ranks,
                         bool settle) {
  recognition::TrickCardsReading reading;
  for (int attempt = 0; attempt < 2 && !reading.read; ++attempt) {
    const recognition::PanelCapture picture =
        settle ? CaptureGameWindow(app, KindLastTrick)
               : CaptureGameWindow(app, KindLastTrick, NoSettle);
    if (picture.empty()) continue;
    reading = recognition::ReadTrickCards(picture, app.reading.glyphs);
    if (!reading.read) SaveDiagCapture(app, picture, "lasttrick");
  }
  if (!reading.read) return false;
  for (std::size_t seat = 0; seat < 4; ++seat) {
    suits[seat] = reading.cards[seat].suit;
    ranks[seat] = reading.cards[seat].rank;
  }
  return true;
}

}  // namespace

// Reads the last-trick window: up to two attempts. The outputs hold rank -1 for seat 0 when both
// failed, every rank 0 when (mode 2) the trick is the one recorded already.
void CaptureTrickCards(App& app, std::array<int, 4>& suits, std::array<int, 4>& ranks,
                       TrickCaptureMode mode) {
  TrickState& t = app.reading.trick;
  suits = {};
  ranks = {};
  if (!ReadLastTrickWindow(app, suits, ranks, true)) {
    suits = {};
    ranks = {};
    ranks[0] = CaptureFailed;
    return;
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
// could not be read. `settle`: the copy of the table waits afterwards as its state asks.
bool CountStep(App& app, WinnerByCounts& counted, bool& okShown, bool settle) {
  std::array<int, 4> tricks{};
  const bool read = settle ? ReadTrickCounts(app, tricks, okShown)
                           : ReadTrickCounts(app, tricks, okShown, NoSettle);
  if (!read) return false;
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

// The card-reading form reads the counts without waiting after the copy, and notes the
// winners they show trick by trick.
bool CardCountStep(App& app, WinnerByCounts& counted, bool& okShown) {
  TrickState& t = app.reading.trick;
  const std::array<int, 4> before = t.PreviousTricks;
  if (!CountStep(app, counted, okShown, false)) return false;
  NoteCountWinners(t.tricks, before, t.PreviousTricks);
  return true;
}

// Trick `index` was played, but its cards are no longer in the window: it stays empty on the
// displays (its winner, when the counts showed it, still leads the next trick), and the last
// hand completes it at the deal's end.
void TrickNotSeen(App& app, int index) {
  TrickState& t = app.reading.trick;
  TrickSeen& trick = t.tricks[static_cast<std::size_t>(index)];
  trick.leader = index > 0 ? t.tricks[static_cast<std::size_t>(index) - 1].winner : -1;
  trick.codes = {};
  t.TrickNumber = index + 1;
  MarkLiveTrickNotSeen(app, index);
  app.Trace("trick " + std::to_string(index + 1) + " was not seen");
}

// Records the window's cards as trick `index`; the tricks before it not taken yet were not seen.
void TakeTrick(App& app, int index, const std::array<int, 4>& suits,
               const std::array<int, 4>& ranks) {
  TrickState& t = app.reading.trick;
  while (t.TrickNumber < index) TrickNotSeen(app, t.TrickNumber);
  t.TrickNumber = index + 1;
  t.LastTrickSuits = suits;
  t.LastTrickRanks = ranks;
  t.CardsCaptured = std::min(52, t.CardsCaptured + 4);
  spdCapture4Cards(app, suits, ranks, t.tricks[static_cast<std::size_t>(index)].winner);
}

std::array<int, 4> CodesOf(const std::array<int, 4>& suits, const std::array<int, 4>& ranks) {
  std::array<int, 4> codes{};
  for (std::size_t seat = 0; seat < 4; ++seat) codes[seat] = suits[seat] * 100 + ranks[seat];
  return codes;
}

// The window's cards for the trick counted last (number `total`), and the counts once more.
// The window shows the trick finished by the first reading of the counts, or one finished
// since, which the second reading counts: the cards are taken for the one trick between the
// two readings that they fit. `total` and `okShown` become those of the second reading.
void TakeCountedTrick(App& app, int& total, bool& okShown) {
  TableReadingState& r = app.reading;
  TrickState& t = r.trick;
  std::array<int, 4> suits{};
  std::array<int, 4> ranks{};
  const bool read = ReadLastTrickWindow(app, suits, ranks, false);
  WinnerByCounts again;
  bool okAgain = false;
  if (!CardCountStep(app, again, okAgain)) {
    // Which trick the cards are is not known: they may be any later one.
    if (read) r.lastTrickWindow = {CodesOf(suits, ranks), TrickCount};
    return;
  }
  const int after = std::min(again.teamTricks[2], TrickCount);
  if (after < total) return;  // the counts went down: a misreading or a new deal
  if (read) {
    const int index = TrickOfWindowCards(t, r.lastTrickWindow, suits, ranks, total - 1, after - 1);
    r.lastTrickWindow = {CodesOf(suits, ranks), after};
    if (index >= 0) TakeTrick(app, index, suits, ranks);
  }
  total = after;
  okShown = okAgain;
}

// The deal ended (the counts went back to 0) before its last trick was counted on the table:
// the window may still show that trick.
void TakeLastTrick(App& app) {
  TableReadingState& r = app.reading;
  std::array<int, 4> suits{};
  std::array<int, 4> ranks{};
  if (!ReadLastTrickWindow(app, suits, ranks, false)) return;
  const int last = TrickCount - 1;
  const int index = TrickOfWindowCards(r.trick, r.lastTrickWindow, suits, ranks, last, last);
  r.lastTrickWindow = {CodesOf(suits, ranks), TrickCount};
  if (index == last) TakeTrick(app, index, suits, ranks);
}

// While the deal is followed trick by trick and fewer than 11 tricks are counted, the last hand
// cannot have changed: its reading waits, so that it does not hold the tick from the tricks.
// The counts move the deadline nearer again at 11 and 12 tricks.
void HoldLastHand(App& app) {
  TaskSlots& slots = app.loop.slots;
  if (!slots.Armed(SlotLastHand)) return;
  const std::uint32_t until = app.Now() + static_cast<std::uint32_t>(app.settings.waitTimeHandMs);
  if (IsPast(until, slots.TaskDue[SlotLastHand])) slots.TaskDue[SlotLastHand] = until;
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
  if (!CardCountStep(app, counted, okShown)) {
    app.loop.busy.trickStep = false;
    return;
  }
  int total = std::min(counted.teamTricks[2], TrickCount);
  if (total < 11 && total >= r.PreviousTotal) HoldLastHand(app);
  const bool pending = total > t.TrickNumber && total >= r.PreviousTotal;
  if (counted.winner < 0 && !pending && r.PreviousTotal != TrickCount - 1) {
    app.loop.busy.trickStep = false;
    return;
  }
  if (pending) {
    // The window holds only the last trick counted: those before it can no longer be read.
    while (t.TrickNumber < total - 1) TrickNotSeen(app, t.TrickNumber);
    TakeCountedTrick(app, total, okShown);
    if (t.TrickNumber < total) app.loop.slots.Arm(SlotTrickStep, app.Now(), RetryMs);
  } else if (total == 0 && t.TrickNumber == TrickCount - 1) {
    TakeLastTrick(app);
  }
  UpdateCounters(app);
  if (t.CardsCaptured >= 52 || t.TrickNumber >= TrickCount) {
    app.loop.busy.trickStep = false;
    r.PreviousTotal = total;
    DealIsOver(app);
    return;
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
  if (CountStep(app, counted, okShown, true)) {
    if (app.settings.leftCounterPos.used()) UpdateCounters(app);
    over = FinishCountStep(app, counted.teamTricks[2], okShown, true);
  }
  app.loop.busy.trickStep = false;
  if (over) DealIsOver(app);
}

}  // namespace scorlet::companion
