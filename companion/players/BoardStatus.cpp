#include "companion/players/BoardStatus.h"

#include <string>
#include <string_view>

#include "companion/bidhelp/BidHelp.h"
#include "companion/main/App.h"
#include "companion/main/MainLoop.h"
#include "companion/players/Players.h"
#include "companion/recognition/PlayerList.h"
#include "companion/recognition/ScreenCapture.h"
#include "companion/recognition/TableReading.h"
#include "gamedata/BidPanel.h"
#include "platform/System.h"
#include "platform/Window.h"

namespace scorlet::companion {

namespace {

using recognition::ColumnCodes;

// The captions are read from one column right of the area's first, skipping these columns, and
// glyphs more than this many blank columns apart are separate fields.
constexpr int ScanSkip = 8;
constexpr int ScanGap = 7;
constexpr int MinimumText = 8;
constexpr int RowsAfterARow = 5;
// A table window moved this far right is off the screen; its last place on it is kept.
constexpr int OffScreenLeft = 1000;

bool Contains(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

void TakeFields(BidPanelReading& reading, const recognition::PlayerListLine& line, int y,
                int firstButton, int count) {
  for (int i = 0; i < count && i < static_cast<int>(line.fieldStarts.size()); ++i)
    reading.points[static_cast<std::size_t>(firstButton + i)] =
        Point{line.fieldStarts[static_cast<std::size_t>(i)], y};
}

}  // namespace

BidPanelReading ReadBidPanel(const recognition::TableCapture& picture,
                             const recognition::GlyphTables& glyphs, int gameLanguage) {
  BidPanelReading reading;
  const BidPanelChoice& choice = BidPanelChoiceOf(gameLanguage);
  std::string choiceKey(choice.doubleNil);
  choiceKey += ',';
  choiceKey += choice.show;
  const Rect& area = BoardScanArea;
  for (int y = area.top; y <= area.bottom - BoardScanBottomRows; ++y) {
    const ColumnCodes codes = recognition::ComputeTableColumnCodes(picture, y, area.left, area.right);
    if (!codes.hasInk()) continue;
    const recognition::PlayerListLine line =
        recognition::ReadPlayerListLine(glyphs, codes, area.left + 1, ScanSkip, ScanGap);
    if (static_cast<int>(line.text.size()) < MinimumText) continue;
    if (Contains(line.text, BidPanelRowKeys[0])) {
      TakeFields(reading, line, y, 1, 5);
      y += RowsAfterARow;
    } else if (Contains(line.text, BidPanelRowKeys[1])) {
      TakeFields(reading, line, y, 6, 5);
      y += RowsAfterARow;
    } else if (Contains(line.text, BidPanelRowKeys[2])) {
      TakeFields(reading, line, y, 11, 4);  // 11, 12, 13 and Nil (button 14)
      reading.status = BoardStatus::NumberButtons;
      break;
    } else if (Contains(line.text, choiceKey)) {
      TakeFields(reading, line, y, BtnDoubleNil, 2);
      reading.status = BoardStatus::DoubleNilChoice;
      break;
    }
  }
  return reading;
}

BoardStatus GetBoardStat(App& app) {
  if (app.counters.boardStep == BoardState::BidHanded) return BoardStatus::NotFound;
  BiddingBoard& board = app.bidding;
  const WindowHandle table = app.game.TableWindow;
  Rect rect;
  if (table != 0 && app.desktop.windowRect(table, rect) && rect.left < OffScreenLeft)
    board.tableRect = rect;
  BoardStatus status = BoardStatus::NotFound;
  if (table != 0) {
    PrepareGlyphsForTable(app);
    const recognition::TableCapture picture = recognition::CaptureTableWindow(app.desktop, table, 0.0);
    if (!picture.empty()) {
      const BidPanelReading reading = ReadBidPanel(picture, app.reading.glyphs, app.game.GameLanguage);
      status = reading.status;
      for (std::size_t k = 1; k < reading.points.size(); ++k) {
        const Point p = reading.points[k];
        if (p.x == 0 && p.y == 0) continue;
        board.BidButtons[k] = {board.tableRect.left + p.x, board.tableRect.top + p.y};
      }
    }
  }
  board.lastScanned = status;
  return status;
}

void CheckBoardStat(App& app) {
  const BoardState step = app.counters.boardStep;
  if (step == BoardState::DNilStage || step == BoardState::Confirmation) return;
  if (app.flags.boardMode == BoardMode::DNilPassOnly && !app.flags.DNilPassTable) return;
  UpdateBoardFromStatus(app, GetBoardStat(app));
}

BoardStatus ReadBoardStatus(App& app) { return GetBoardStat(app); }

void UpdateBoardFromStatus(App& app, BoardStatus status) {
  const BoardState step = app.counters.boardStep;
  if (step == BoardState::DNilStage || step == BoardState::Confirmation) return;
  if (app.flags.boardMode == BoardMode::DNilPassOnly && !app.flags.DNilPassTable) return;
  const auto code = static_cast<std::int32_t>(status);
  if (status == BoardStatus::NotFound || code == app.counters.boardStatusMemory) {
    app.counters.boardStatusMemory = code;
    return;
  }
  if (status == BoardStatus::DoubleNilChoice && app.flags.DNilPassTable &&
      app.settings.alertCanDNilPass && !app.flags.BoardStatusAlerted) {
    PlaySystemSound(app.desktop, app.settings.alertSound);
    app.flags.BoardStatusAlerted = true;
  }
  const BoardMode mode = app.flags.boardMode;
  if (mode == BoardMode::None) return;
  if (status == BoardStatus::NumberButtons && mode == BoardMode::DNilPassOnly) return;
  app.counters.boardStatusMemory = code;
  ShowBoard(app, status);
}

void ClickBidButton(App& app, int bid, bool rescan) {
  const WindowHandle table = app.game.TableWindow;
  if (table == 0 || bid < 1 || bid > BtnShow) return;
  RestoreWindow(app.desktop, table);
  const BoardStatus status = rescan ? GetBoardStat(app) : app.bidding.lastScanned;
  const bool number = (bid >= 1 && bid <= 10) || bid == BtnNil;
  const bool choice = bid == BtnDoubleNil || bid == BtnShow;
  if (!(status == BoardStatus::NumberButtons && number) &&
      !(status == BoardStatus::DoubleNilChoice && choice))
    return;
  Point p = app.bidding.BidButtons[static_cast<std::size_t>(bid)];
  if (p.x == 0 && p.y == 0) return;
  if (bid == BtnShow) p = {p.x + 15, p.y + 5};
  if (bid == BtnDoubleNil) p = {p.x + 5, p.y + 5};
  Desktop& desktop = app.desktop;
  const Point cursor = desktop.cursorPos();
  desktop.setCursorPos({p.x + 2, p.y + 2});
  desktop.leftClick();
  desktop.setCursorPos(cursor);
}

void HideBoardWindows(App& app) {
  HelperWindows& w = app.windows;
  if (w.board.kept()) {
    HideBoard(app);
    HideHelper(w.board);
  }
  app.counters.boardStep = BoardState::BidHanded;
  if (w.helpBid.state != HelperState::NotLoaded) HideHelpBid(app);
}

}  // namespace scorlet::companion
