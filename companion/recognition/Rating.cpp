// The user's rating: found in the table's player list, shown on the main window, read again from
// the table's "newrating:" line after a game, and kept in the rating history.
#include <algorithm>
#include <ctime>
#include <string>

#include "common/TextUtil.h"
#include "companion/main/App.h"
#include "companion/recognition/DealTexts.h"
#include "companion/recognition/PlayerList.h"
#include "companion/recognition/RatingHistory.h"
#include "companion/recognition/ScreenCapture.h"
#include "companion/recognition/TableReading.h"
#include "gamedata/WindowTitles.h"
#include "platform/Print.h"
#include "platform/Window.h"

namespace scorlet::companion {

namespace {

constexpr int RenewedAbove = 1000;

// The number that follows `word` after the name in a line, 0 when none.
int ValueAfter(const std::string& line, const std::string& name, std::string_view word) {
  const std::string lower = LowerText(line);
  const std::size_t at = lower.find(LowerText(name));
  if (name.empty() || at == std::string::npos) return 0;
  const std::size_t key = lower.find(LowerText(std::string(word)), at + name.size());
  if (key == std::string::npos) return 0;
  std::size_t i = key + word.size();
  while (i < line.size() && (line[i] == ' ' || line[i] == ',')) ++i;
  int value = 0;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9' && value < 100000; ++i)
    value = value * 10 + (line[i] - '0');
  return value;
}

std::filesystem::path HistoryPath(const App& app) {
  std::string name = app.settings.historyFile;
  if (app.Japanese() && name == kHistoryFileName) name = std::string(kHistoryFileNameJa);
  return app.system.appFolder / Utf8Path(name);
}

// The history line of the game (or of the request), as the rating label shows the rating.
void KeepHistory(App& app, RatingMode mode, int value) {
  const HandRecord& record = app.record.CaptureRecord;
  const int rows = record.ScoreRowCount;
  const auto& last = record.ScoreRows[static_cast<std::size_t>(rows > 0 ? rows : 0)];
  if (app.settings.historyFile.empty() || (last[0] == 0 && last[2] == 0)) return;
  if (RobotsAtTable(record.PlayerNames)) return;
  HistoryEntry entry;
  entry.rating = app.frmZ.MyRating->caption();
  const std::tm now = LocalTime(std::time(nullptr));
  entry.year = now.tm_year + 1900;
  entry.month = now.tm_mon + 1;
  entry.day = now.tm_mday;
  entry.hour = now.tm_hour;
  entry.minute = now.tm_min;
  entry.second = now.tm_sec;
  entry.gameCompleted = mode == RatingMode::GameCompleted;
  entry.japanese = app.Japanese();
  entry.teamScore0 = last[0];
  entry.teamScore1 = last[2];
  const bool northSouth = app.SeatRotation[0] % 2 == 0;
  entry.won = northSouth ? last[0] > last[2] : last[2] > last[0];
  entry.names = record.PlayerNames;
  entry.country = std::string(CountryNames[static_cast<std::size_t>(
      app.game.GameLanguage >= 1 && app.game.GameLanguage <= GameLanguages ? app.game.GameLanguage : 1)]);
  if (AddHistoryLine(HistoryPath(app), FormatHistoryLine(entry), value, app.system.codePage) ==
      HistoryWrite::Failed)
    app.Trace("the rating history could not be written");
}

}  // namespace

int GetRenewedRating(App& app, const std::string& name) {
  TableReadingState& r = app.reading;
  const WindowHandle table = app.game.TableWindow;
  if (table == 0 || name.empty()) return 0;
  RestoreWindow(app.desktop, table);
  MakeTopmost(app.desktop, table);
  if (!r.box.located()) LocateTableBox(app);
  Rect window;
  if (!r.box.located() || !app.desktop.windowRect(table, window)) return 0;
  const recognition::TableCapture picture = CaptureTable(app);
  if (picture.empty()) return 0;
  // The list region of the table window (right of the box), not a fixed band of columns.
  const std::vector<std::string> lines =
      recognition::MakePlayerList(picture, r.box, r.bidControlRow, window, r.glyphs);
  for (const std::string& line : lines) {
    const int value = ValueAfter(line, name, NewRatingWord);
    if (value > RenewedAbove) return value;
  }
  return 0;
}

void ReadShowRating(App& app, RatingMode mode) {
  TableReadingState& r = app.reading;
  Label& rating = *app.frmZ.MyRating;
  rating.setCaption("");
  const auto& names = app.settings.myYahooIds;
  int value = 0;
  bool found = false;
  if (!names.empty()) {
    const int tries = static_cast<int>(mode) + 1;
    for (int attempt = 0; attempt < tries; ++attempt) {
      if (mode != RatingMode::TableFound) BuildPlayerList(app);
      const recognition::NameFound match = recognition::SearchNameInTable(r.PlayerList, names);
      if (match.line.empty()) continue;
      const recognition::RatingDisplay shown =
          recognition::ShowMyRating(recognition::RatingOfLine(match.line), app.Japanese());
      rating.setFontBold(shown.bold);
      rating.setCaption(shown.text);
      rating.setVisible(true);
      value = shown.value;
      found = true;
      if (shown.value > 1000 || shown.value == -1) break;
    }
  }
  app.flags.trickStepCards = app.settings.countCards;
  if (mode == RatingMode::TableFound || !found) return;
  if (mode == RatingMode::GameCompleted && value == -1) {
    const std::size_t index = static_cast<std::size_t>(
        std::max(0, recognition::SearchNameInTable(r.PlayerList, names).index - 1));
    const int renewed = GetRenewedRating(app, index < names.size() ? names[index] : names.front());
    if (renewed > RenewedAbove) {
      value = renewed;
      rating.setFontBold(true);
      rating.setCaption(std::to_string(renewed));
    }
  }
  KeepHistory(app, mode, value);
}

}  // namespace scorlet::companion
