// The end of a deal: the score window and the last-hand window read into the hand record, the
// deal recorded when it is the one whose bidding was read, then the next deal and, after the
// game's end, the rating and the next game.
#include "companion/recognition/LastHand.h"

#include <algorithm>
#include <string>

#include "companion/main/App.h"
#include "companion/main/Discovery.h"
#include "companion/main/MainLoop.h"
#include "companion/recognition/DealTexts.h"
#include "companion/recognition/TableReading.h"
#include "companion/record/Record.h"
#include "gamedata/WindowTitles.h"
#include "platform/Print.h"
#include "platform/System.h"
#include "platform/Window.h"

namespace scorlet::companion {

namespace dt = deal_texts;

namespace {

constexpr int ScoreCaptures = 4;
constexpr int ScoreLinePitch = 16;
constexpr int EmptyScoreHeight = 140;
constexpr int LastHandCaptures = 4;
constexpr int WideLastHand = 580;
constexpr int ScoreAttempts = 5;
constexpr int LastHandAttempts = 5;
constexpr int GameTarget = 500;
const std::string NoName(6, ' ');

// Moves and sizes a window by its outer rectangle, keeping its top-left corner at `at` and
// its outer size grown by `grow`.
bool PlaceWindow(Desktop& desktop, WindowHandle window, Point at, Size grow) {
  Rect outer;
  if (!desktop.windowRect(window, outer)) return false;
  const Rect placed{at.x, at.y, at.x + outer.width() + grow.width,
                    at.y + outer.height() + grow.height};
  if (placed == outer) return true;
  return desktop.moveWindow(window, placed, true);
}

int ClientHeight(Desktop& desktop, WindowHandle window) {
  Rect client;
  return desktop.clientRect(window, client) ? client.height() : 0;
}

const recognition::GlyphTables& LastHandTables(App& app) {
  TableReadingState& r = app.reading;
  if (!r.lastHandGlyphsReady || r.lastHandGlyphsLanguage != r.glyphs.gameLanguage) {
    r.lastHandGlyphs = recognition::LastHandGlyphs(r.glyphs);
    r.lastHandGlyphsLanguage = r.glyphs.gameLanguage;
    r.lastHandGlyphsReady = true;
  }
  return r.lastHandGlyphs;
}

void ShowStatusMessage(App& app, CaptureStatus status) {
  Form& form = *app.frmZ.form;
  const bool ja = app.Japanese();
  const std::string lastHandTitle(TitleOf(app.game.GameLanguage, KindLastHand));
  switch (status) {
    case CaptureStatus::ScoreWindowMissing:
      NotExistProcess(app, KindScore, static_cast<int>(status));
      break;
    case CaptureStatus::LastHandWindowMissing:
      NotExistProcess(app, KindLastHand, static_cast<int>(status));
      break;
    case CaptureStatus::ScoreNotRead:
      PrintLine(form, ja ? lastHandTitle + std::string(dt::ReadErrorJa) : std::string(dt::ScoreError));
      break;
    case CaptureStatus::NamesNotRead:
      PrintLine(form, std::string(ja ? dt::NamesErrorJa : dt::NamesError));
      break;
    case CaptureStatus::LastHandNotRead:
      PrintLine(form, ja ? lastHandTitle + std::string(dt::ReadErrorJa)
                         : std::string(dt::FailedInReading) + "\"" + lastHandTitle + "\".");
      break;
    default:
      break;
  }
}

PlayTextGrid PlayOf(const recognition::LastHandReading& reading) {
  PlayTextGrid play;
  for (std::size_t seat = 0; seat < 4; ++seat)
    for (std::size_t t = 0; t < TrickCount; ++t) play[t][seat] = reading.cards[seat][t];
  return play;
}

// The deal's record after the hand and the score were read: names (an empty one keeps the name
// stored), play and lead marks.
void TakeLastHand(HandRecord& record, const recognition::LastHandReading& reading) {
  for (std::size_t seat = 0; seat < 4; ++seat) {
    const std::string& name = reading.names[seat];
    if (!name.empty()) {
      record.PlayerNames[seat] = name;
    } else if (record.PlayerNames[seat].empty()) {
      record.PlayerNames[seat] = NoName;
    }
    for (std::size_t t = 0; t < TrickCount; ++t) {
      record.PlayTexts[t][seat] = reading.cards[seat][t];
      record.LeadMarks[t][seat] = reading.marks[seat][t];
    }
  }
}

void TakeScore(HandRecord& record, const HandRecord& score) {
  record.ScoreRowCount = score.ScoreRowCount;
  record.ScoreRows = score.ScoreRows;
}

// Not recorded: the user is told why.
void TellNotRecorded(App& app, const LangText& why) {
  const bool ja = app.Japanese();
  PrintLine(*app.frmZ.form, std::string(dt::NotRecorded.in(ja)) + std::string(why.in(ja)));
  app.Trace("deal not recorded: " + std::string(why.in(false)));
}

void AfterGame(App& app) {
  WaitSeconds(app.desktop, 1.0);
  ReadShowRating(app, RatingMode::GameCompleted);
  PrepareNextGame(app);
  app.reading.scoreReadThisGame = false;
}

}  // namespace

DealRecordDecision DecideDealRecord(const DealEvidence& e) {
  if (!e.handChanged) return DealRecordDecision::Unchanged;
  if (e.scoreRowsAtBidding < 0 || !e.bidsKnown) return DealRecordDecision::BiddingUnseen;
  if (e.scoreRowCount == e.scoreRowsAtBidding + 1) return DealRecordDecision::Record;
  // The score still shows the rows of the bidding: the hand shown is not of this deal yet.
  if (e.scoreRowCount == e.scoreRowsAtBidding) return DealRecordDecision::Unchanged;
  return DealRecordDecision::ScoreGone;
}

bool GameEnded(const HandRecord& record) {
  const int n = record.ScoreRowCount;
  if (n <= 0 || n > MaxScoreRows) return false;
  const auto& row = record.ScoreRows[static_cast<std::size_t>(n)];
  return (row[0] >= GameTarget || row[2] >= GameTarget) && row[0] != row[2];
}

CaptureStatus CaptScore(App& app, HandRecord& record) {
  const WindowHandle window = app.game.handle(KindScore);
  if (window == 0) return CaptureStatus::ScoreWindowMissing;
  for (int capture = 0; capture < ScoreCaptures; ++capture) {
    const recognition::PanelCapture picture = CaptureGameWindow(app, KindScore);
    if (picture.empty()) return CaptureStatus::ScoreNotRead;
    const recognition::ScoreReading reading = recognition::ReadScorePicture(picture, app.reading.glyphs);
    if (reading.outcome == recognition::ScoreOutcome::Read) {
      const std::size_t count = std::min<std::size_t>(reading.rows.size(), MaxScoreRows);
      record.ScoreRowCount = static_cast<std::int32_t>(count);
      record.ScoreRows = {};
      for (std::size_t r = 0; r < count; ++r) record.ScoreRows[r + 1] = reading.rows[r];
      KeepScoreRow(app, record.ScoreRows[count], static_cast<int>(count));
      const WindowHandle current = app.game.handle(KindScore);
      if (count == 0 && ClientHeight(app.desktop, current) > EmptyScoreHeight) {
        Rect outer;
        if (app.desktop.windowRect(current, outer)) {
          const int frame = outer.height() - ClientHeight(app.desktop, current);
          app.desktop.moveWindow(current,
                                 {outer.left, 0, outer.right, EmptyScoreHeight + frame}, true);
        }
      }
      return CaptureStatus::Ok;
    }
    if (reading.outcome == recognition::ScoreOutcome::NeedsTallerWindow) {
      // Grown by a line at least, and at once to the height the rows need.
      const WindowHandle current = app.game.handle(KindScore);
      const int client = ClientHeight(app.desktop, current);
      const int grow = std::max(ScoreLinePitch, reading.neededHeight - client);
      Rect outer;
      if (app.desktop.windowRect(current, outer))
        PlaceWindow(app.desktop, current, {0, outer.top}, {0, grow});
      continue;
    }
    if (reading.outcome == recognition::ScoreOutcome::NoRows) return CaptureStatus::ScoreNotRead;
    SaveDiagCapture(app, picture, "score");
  }
  return CaptureStatus::ScoreNotRead;
}

CaptureStatus ReadLastHand(App& app, recognition::LastHandReading& reading) {
  reading = {};
  const WindowHandle window = app.game.handle(KindLastHand);
  if (window == 0) return CaptureStatus::LastHandWindowMissing;
  Rect outer;
  if (app.desktop.windowRect(window, outer)) {
    const int language = app.game.GameLanguage;
    Rect client;
    const int width = app.desktop.clientRect(window, client) ? client.width() : outer.width();
    const int widen = language >= 5 && language <= 9 && width < WideLastHand ? WideLastHand - width : 0;
    if (outer.left != 0 || outer.top != 0 || widen != 0)
      PlaceWindow(app.desktop, window, {0, 0}, {widen, 0});
  }
  CaptureStatus status = CaptureStatus::LastHandNotRead;
  for (int capture = 0; capture < LastHandCaptures; ++capture) {
    const recognition::PanelCapture picture = CaptureGameWindow(app, KindLastHand);
    if (picture.empty()) {
      status = CaptureStatus::Ok;  // nothing read: no name either
      break;
    }
    reading = recognition::ReadLastHandPicture(picture, LastHandTables(app), app.game.GameLanguage);
    if (reading.outcome == recognition::LastHandOutcome::NoGreyBand) continue;
    if (reading.outcome == recognition::LastHandOutcome::Read) {
      status = CaptureStatus::Ok;
    } else if (reading.outcome == recognition::LastHandOutcome::NoRows) {
      reading = {};
      status = CaptureStatus::Ok;
    } else {
      SaveDiagCapture(app, picture, "lasthand");
    }
    break;
  }
  if (app.settings.minimizeLastHand) MinimizeWindow(app.desktop, app.game.handle(KindLastHand));
  return status;
}

void CaptureLastHand(App& app, CaptureMode mode) {
  MainLoopState& loop = app.loop;
  TableReadingState& r = app.reading;
  FrmZ& z = app.frmZ;
  if (loop.lastHandCapturing) return;
  loop.lastHandCapturing = true;
  z.cmdBid->setVisible(false);
  z.cmdHand->setEnabled(false);

  CaptureStatus status = CaptureStatus::Ok;
  HandRecord score;
  recognition::LastHandReading hand;
  if (app.game.handle(KindLastHand) == 0) {
    status = CaptureStatus::LastHandWindowMissing;
  } else if (app.game.handle(KindScore) == 0) {
    status = CaptureStatus::ScoreWindowMissing;
  } else {
    for (int attempt = 0; attempt < ScoreAttempts; ++attempt) {
      status = CaptScore(app, score);
      if (status == CaptureStatus::Ok) break;
    }
  }
  if (status == CaptureStatus::Ok) {
    bool repeated = false;
    for (int attempt = 0; attempt < LastHandAttempts; ++attempt) {
      status = ReadLastHand(app, hand);
      if (status == CaptureStatus::LastHandNotRead) continue;
      if (status != CaptureStatus::Ok || hand.anyName()) break;
      if (repeated) {
        status = CaptureStatus::WaitingOrUnchanged;
        break;
      }
      repeated = true;
    }
  }

  bool recorded = false;
  bool dealEnded = false;
  if (status == CaptureStatus::Ok) {
    const PlayTextGrid play = PlayOf(hand);
    const bool bidsKnown = std::all_of(r.SeatBids.begin(), r.SeatBids.end(),
                                       [](const std::string& b) { return !b.empty(); });
    const DealRecordDecision decision = DecideDealRecord(
        {play != r.storedPlay, r.scoreRowsAtBidding, score.ScoreRowCount, bidsKnown});
    HandRecord& record = app.record.CaptureRecord;
    switch (decision) {
      case DealRecordDecision::Unchanged:
        status = CaptureStatus::WaitingOrUnchanged;
        break;
      case DealRecordDecision::Record: {
        r.storedPlay = play;
        TakeLastHand(record, hand);
        TakeScore(record, score);
        if (score.ScoreRowCount > 0)
          UpdateCounters(app, TeamScoresOfRow(
                                  score.ScoreRows[static_cast<std::size_t>(score.ScoreRowCount)],
                                  app.SeatRotation[0]).scores);
        const RecordOutcome outcome = RecordHand(app);
        recorded = outcome == RecordOutcome::Saved || outcome == RecordOutcome::SavedIncomplete;
        dealEnded = true;
        break;
      }
      case DealRecordDecision::ScoreGone:
        r.storedPlay = play;
        TellNotRecorded(app, dt::ScoreGone);
        dealEnded = true;
        break;
      case DealRecordDecision::BiddingUnseen:
        r.storedPlay = play;
        TellNotRecorded(app, dt::BiddingUnseen);
        dealEnded = true;
        break;
    }
    if (dealEnded) {
      const bool gameOver = recorded && GameEnded(record);
      // Not recorded, and the score already shows a new game: the game before it has ended.
      const bool newGame = !recorded && score.ScoreRowCount == 0;
      ScheduleCounterHide(app);
      BeginDeal(app);
      if (gameOver) {
        AfterGame(app);
      } else if (newGame) {
        PrepareNextGame(app);
        r.scoreReadThisGame = false;
      }
    }
  }
  if (mode == CaptureMode::ByHand || (status != CaptureStatus::Ok &&
                                      status != CaptureStatus::WaitingOrUnchanged))
    ShowStatusMessage(app, status);
  z.cmdBid->setVisible(true);
  z.cmdHand->setEnabled(true);
  loop.lastHandCapturing = false;
}

}  // namespace scorlet::companion
