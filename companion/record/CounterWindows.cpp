#include "companion/record/CounterWindows.h"

#include <algorithm>

#include "companion/main/App.h"
#include "companion/main/MainLoop.h"
#include "companion/recognition/PanelReaders.h"
#include "companion/recognition/TableReading.h"
#include "companion/record/Record.h"
#include "platform/Window.h"

namespace scorlet::companion {

namespace {

// The window's place: its configured position, or, when it is to place itself beside the
// table, its saved position or else the right edge of the table window.
void PlaceHelperForm(App& app, Form& form, int slot, WindowPos configured, int offsetY) {
  WindowPos at = configured;
  if (at.x == kBesideTable) {
    const WindowPos saved = app.game.SavedPositions[static_cast<std::size_t>(slot)];
    Rect table;
    if (saved.used()) {
      at = saved;
    } else if (app.game.TableWindow != 0 && app.desktop.windowRect(app.game.TableWindow, table)) {
      at = {table.right, table.top + offsetY};
    } else {
      at = {0, offsetY};
    }
  }
  form.move(at.x, at.y);
  if (slot >= 0) app.game.WindowRects[static_cast<std::size_t>(slot)] = form.bounds();
}

Form* CounterForm(App& app, HelperWindow& window, int slot, WindowPos configured, int offsetY) {
  // Taking the table over loads the window bare; its labels are made and it is placed here.
  Form& form = LoadHelper(app.forms, window);
  if (form.control("cBid(0)") == nullptr) {
    form.setBorderStyle(BorderStyle::ToolWindow);
    form.setBackColor(app.BackColor());
    DrawCounter(form, CounterView{});
    PlaceHelperForm(app, form, slot, configured, offsetY);
  }
  return &form;
}

constexpr int LeftCounterBelowTable = 0;
constexpr int RightCounterBelowTable = 90;

}  // namespace

TeamScores TeamScoresOfRow(const std::array<std::int32_t, 4>& row, int userSeat) {
  TeamScores t;
  const std::size_t own = (userSeat & 1) == 0 ? 0 : 2;
  const std::size_t other = 2 - own;
  t.scores = {row[own], row[other]};
  t.bags = {row[own + 1], row[other + 1]};
  return t;
}

void KeepScoreRow(App& app, const std::array<std::int32_t, 4>& row, int rows) {
  app.record.counterDisplays.scoreRow = row;
  app.record.counterDisplays.scoreRows = rows;
}

void FeedCounters(App& app, int bidsRead) {
  const Settings& s = app.settings;
  if (!s.leftCounterPos.used()) return;
  CounterDisplays& c = app.record.counterDisplays;
  const TeamScores team = TeamScoresOfRow(c.scoreRow, app.SeatRotation[0]);
  HelperWindows& w = app.windows;
  if (bidsRead > 3 && s.rightCounterPos.used()) {
    if (w.counterLeft.form != nullptr) HideHelper(w.counterLeft);
    ShowCounterInit(CounterKind::Right, c.right, c.rightView, team.scores, team.bags,
                    app.deal.bids);
    Form* form = CounterForm(app, w.counterRight, PlaceRightCounter, s.rightCounterPos,
                             RightCounterBelowTable);
    DrawCounter(*form, c.rightView);
    ShowHelper(w.counterRight, false);
    w.counter = CounterSide::Right;
  } else {
    ShowCounterInit(CounterKind::Left, c.left, c.leftView, team.scores, team.bags,
                    app.deal.bids);
    Form* form = CounterForm(app, w.counterLeft, PlaceLeftCounter, s.leftCounterPos,
                             LeftCounterBelowTable);
    DrawCounter(*form, c.leftView);
    ShowHelper(w.counterLeft, false);
    w.counter = CounterSide::Left;
  }
  MakeTopmost(app.desktop, w.CounterWindow().handle());
}

void UpdateCounters(App& app, const std::optional<std::array<int, 2>>& points) {
  HelperWindows& w = app.windows;
  if (w.counter != CounterSide::Right || w.counterRight.form == nullptr) return;
  CounterDisplays& c = app.record.counterDisplays;
  ShowCounterNow(c.right, c.rightView, points, app.deal.tricks);
  DrawCounter(*w.counterRight.form, c.rightView);
  MakeTopmost(app.desktop, w.counterRight.handle());
  app.Trace("counters updated");
}

void ClrCounter(App& app, CounterSide side) {
  CounterDisplays& c = app.record.counterDisplays;
  HelperWindow& window = side == CounterSide::Left ? app.windows.counterLeft
                                                   : app.windows.counterRight;
  CounterView& view = side == CounterSide::Left ? c.leftView : c.rightView;
  ClrCounter(view);
  if (side == CounterSide::Right) c.right = CounterState{};
  if (side == CounterSide::Left) c.left = CounterState{};
  if (window.form != nullptr && window.form->loaded()) {
    // Where the user left it, for the window-position file.
    app.game.WindowRects[side == CounterSide::Left ? PlaceLeftCounter : PlaceRightCounter] =
        window.form->bounds();
    DrawCounter(*window.form, view);
    HideHelper(window);
  }
}

// ---- The score window ----

namespace {

constexpr int NameWidth = 65;
constexpr int NameLeft = 4;
constexpr int NamePitch = 59;
constexpr int NameTop = 2;
constexpr int PictureTop = 20;
constexpr int PictureHeight = 22 + 5 * 16 + 4;
constexpr int ColumnWidth = 105;
constexpr std::array<int, 2> SourceColumns{0, ColumnWidth};
constexpr std::array<int, 2> TargetColumns{5, 130};
constexpr int RowsTop = 22;
constexpr int RowsShown = 5;
constexpr int ScoreRowPitch = 16;
constexpr int ScoreWidth = 240;
const Font NameFont{"Arial", 9, false};

Color ColorOf555(std::uint16_t v) {
  return Rgb(((v >> 10) & 31) << 3, ((v >> 5) & 31) << 3, (v & 31) << 3);
}

// Dark enough to be the digits of a score.
bool IsInk(std::uint16_t v) { return ((v >> 10) & 31) + ((v >> 5) & 31) + (v & 31) < 24; }

// The name cut until it fits the width.
std::string Fitted(const Canvas& canvas, std::string name) {
  while (!name.empty() && canvas.textWidth(name, NameFont) > NameWidth) name.pop_back();
  return name;
}

}  // namespace

void Show_Score(App& app, const std::array<std::string, 4>& names, int scoreRows) {
  HelperWindow& window = app.windows.score;
  Form& form = LoadHelper(app.forms, window);
  if (form.control("pic") == nullptr) {
    form.setBorderStyle(BorderStyle::ToolWindow);
    if (app.Japanese()) form.setCaption(" 現在のスコア");
    form.setClientSize({ScoreWidth, PictureTop + PictureHeight});
    form.setBackColor(app.BackColor());
    for (int k = 0; k < 4; ++k) {
      Label& l = form.addLabel("MyName(" + std::to_string(k) + ")");
      const int left = NameLeft + k * NamePitch;
      l.setBounds({left, NameTop, left + NamePitch, NameTop + 16});
      l.setFont(NameFont);
    }
    PictureBox& pic = form.addPicture("pic");
    pic.setBounds({0, PictureTop, ScoreWidth, PictureTop + PictureHeight});
    App* a = &app;
    pic.onClick = [a] { picScore_Click(*a); };
    PlaceHelperForm(app, form, -1, app.settings.pasteScoreTablePos, 0);
  }
  // LHO, Pard, RHO, Me: display positions 1, 2, 3, 0.
  for (std::size_t k = 0; k < 4; ++k) {
    auto* label = dynamic_cast<Label*>(form.control("MyName(" + std::to_string(k) + ")"));
    if (label != nullptr) label->setCaption(Fitted(form.canvas(), names[(k + 1) % 4]));
  }
  auto* pic = dynamic_cast<PictureBox*>(form.control("pic"));
  if (pic == nullptr) return;
  Canvas& canvas = pic->canvas();
  canvas.clear(Colors::White);
  const recognition::PanelCapture picture = CaptureGameWindow(app, KindScore);
  // The rows the table holds now, when they can be read: before the first deal of a game is
  // scored it holds only its header, and there is nothing to copy.
  const recognition::ScoreReading reading =
      picture.empty() ? recognition::ScoreReading{}
                      : recognition::ReadScorePicture(picture, app.reading.glyphs);
  const bool read = reading.outcome == recognition::ScoreOutcome::Read;
  if (read) scoreRows = static_cast<int>(reading.rows.size());
  if (!picture.empty() && scoreRows > 0) {
    // The last rows of the game's table: the block that ends just below the lowest line of ink.
    const int rows = std::min(scoreRows, RowsShown);
    int bottom = picture.height();
    for (int y = picture.height() - 1; y >= 0; --y) {
      bool ink = false;
      for (int x = 0; x < 2 * ColumnWidth && !ink; ++x)
        if (const auto v = picture.at(x, y)) ink = IsInk(*v);
      if (ink) {
        bottom = std::min(picture.height(), y + 3);
        break;
      }
    }
    // The latest row whole: when the block is taller than the picture, its top is left out.
    const int height = std::min({bottom, rows * ScoreRowPitch + 6, PictureHeight - RowsTop});
    const int sourceTop = bottom - height;
    for (std::size_t c = 0; c < 2; ++c) {
      Image part(ColumnWidth, height, Colors::White);
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < ColumnWidth; ++x)
          if (const auto v = picture.at(SourceColumns[c] + x, sourceTop + y))
            part.set(x, y, ColorOf555(*v));
      canvas.drawImage({TargetColumns[c], RowsTop}, part);
    }
  }
  ShowHelper(window, true);
}

void cntBidLoc_Click(App& app) {
  if (app.loop.OnlineState != Online) return;
  std::array<std::string, 4> names;
  for (std::size_t k = 0; k < 4; ++k)
    if (app.frmZ.plName[k] != nullptr) names[k] = app.frmZ.plName[k]->caption();
  Show_Score(app, names, app.record.counterDisplays.scoreRows);
  HelperWindows& w = app.windows;
  if (w.counter != CounterSide::None && w.CounterWindow().form != nullptr) {
    ShowHelper(w.CounterWindow(), false);
    MakeTopmost(app.desktop, w.CounterWindow().handle());
  }
}

void picScore_Click(App& app) {
  if (app.system.screen.width > 1000 || !app.settings.logFile.empty()) return;
  Form& main = *app.frmZ.form;
  if (main.topmost()) {
    main.setTopmost(false);
    MakeTopmost(app.desktop, app.game.TableWindow);
  } else {
    main.setTopmost(true);
  }
}

void ResetScorePanel(App& app) {
  if (auto* pic = app.windows.score.form != nullptr && app.windows.score.form->loaded()
                      ? dynamic_cast<PictureBox*>(app.windows.score.form->control("pic"))
                      : nullptr)
    pic->canvas().clear(Colors::White);
}

void HideScoreWindow(App& app) { HideHelper(app.windows.score); }

}  // namespace scorlet::companion
