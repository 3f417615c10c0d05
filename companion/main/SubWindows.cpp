// The table's sub-windows: opening them with the table's buttons, finding the buttons, and
// placing the table and its sub-windows.
#include <algorithm>
#include <cstdlib>

#include "companion/main/Discovery.h"
#include "companion/messages/Messages.h"
#include "companion/recognition/ButtonLabels.h"
#include "companion/recognition/TableReading.h"
#include "platform/System.h"
#include "platform/Window.h"

namespace scorlet::companion {

namespace {

// The table's placements: on a low screen with the bidding board the table stands in the corner
// with its frame's edge and caption off the screen; a narrowed table hides its left frame edge.
constexpr int LowScreenHeight = 600;
constexpr Point LowScreenCorner{-5, -12};
constexpr int HiddenFrameLeft = -5;
// On a screen exactly 1024 wide the reduced table is 615 wide.
constexpr int NarrowScreenWidth = 1024;
constexpr int NarrowScreenTableWidth = 615;

constexpr int ButtonStripWidth = 200;
constexpr int ButtonStripTop = 65;     // below the table window's caption and menu
// A synthetic click arrives a little later; the cursor stays until it has.
constexpr double ClickArrivalSeconds = 0.1;

bool Known(Point p) { return p.x != 0 || p.y != 0; }
bool Minimised(const Rect& r) { return r.left <= MinimizedPosition; }

void MoveKeepingSize(App& app, WindowHandle window, const Rect& r, int x, int y) {
  app.desktop.moveWindow(window, r.movedTo(x, y), true);
}

void ClickButton(App& app, int k) {
  const Point p = app.game.TableButtons[static_cast<std::size_t>(k)];
  if (!Known(p)) return;
  Desktop& desktop = app.desktop;
  desktop.setCursorPos({p.x - 10, p.y + 4});
  desktop.processEvents();
  desktop.leftClick();
  WaitSeconds(desktop, ClickArrivalSeconds);
  ++app.game.ButtonClicks;
}

void TableOption(App& app, int k) {
  const bool dnil = k == ButtonDNilPass;
  bool& flag = dnil ? app.flags.DNilPassTable : app.flags.SuicideTable;
  if (flag) return;
  flag = true;
  if (!(dnil ? app.settings.alertDnilPassTable : app.settings.alertSuicideTable)) return;
  for (int chimes = dnil ? 1 : 3; chimes > 0; --chimes) {
    AlertChime(app.desktop);
    WaitSeconds(app.desktop, 1.2);
  }
  PlaySystemSound(app.desktop, app.settings.alertSound);
  app.game.storedStatusText = std::string(dnil ? DNilPassTableText : SuicideTableText);
  Label& box = *app.frmZ.Msgbox;
  box.setFont(Font{"Arial", 14, false});
  box.setForeColor(Colors::Red);
  box.setCaption(app.game.storedStatusText);
  box.setVisible(true);
}

}  // namespace

void ScanTableButtons(App& app) {
  GameWindowState& game = app.game;
  Desktop& desktop = app.desktop;
  if (game.TableWindow == 0) return;
  MakeTopmost(desktop, game.TableWindow);
  RestoreWindow(desktop, game.TableWindow);
  // The buttons are read from the screen and clicked there: a table moved off the screen since
  // the last tick (during a take-over's attempts, say) is brought back first.
  KeepTableOnScreen(app);
  if (!desktop.windowRect(game.TableWindow, game.TableRect)) return;

  const Rect& t = game.TableRect;
  const Rect region{std::max(t.left, 0), t.top + ButtonStripTop, t.left + ButtonStripWidth,
                    t.bottom};
  if (region.empty()) return;
  recognition::TableCapture strip;
  CaptureGeometry& geometry = strip.geometry;
  PixelBuffer& pixels = strip.pixels;
  geometry.left = region.left;
  geometry.top = region.top;
  geometry.width = region.width();
  geometry.height = region.height();
  geometry.stride = StrideFor(geometry.width);
  geometry.right = region.right;
  geometry.bottom = region.bottom;
  pixels.assign(static_cast<std::size_t>(geometry.stride) * geometry.height, 0);
  geometry.rowsRead =
      desktop.copyPixels(desktop.desktopWindow(), false, region, pixels.data(), geometry.stride);
  if (geometry.rowsRead == 0) return;
  PrepareGlyphsForTable(app);

  SetCaptureSlow(app, true);
  app.flags.TableSetUp = true;
  const recognition::ButtonScan scan = recognition::ScanButtonLabels(
      strip, app.reading.glyphs, game.GameLanguage, region.top, t.bottom, game.TableButtons);
  game.GameLanguage = scan.gameLanguage;
  for (int k : {ButtonDNilPass, ButtonSuicide}) {
    const auto i = static_cast<std::size_t>(k);
    if (!Known(game.TableButtons[i]) && Known(scan.buttons[i])) TableOption(app, k);
  }
  game.TableButtons = scan.buttons;
  // A capture is kept for a strip where no button could be read at all; once the sub-window
  // buttons are known, a scan that finds nothing new is no misread (the option labels are
  // absent at most tables), and its capture would push the useful ones out of Diag.
  bool anyKnown = false;
  for (int k = ButtonLastTrick; k <= ButtonScore; ++k)
    anyKnown = anyKnown || Known(scan.buttons[static_cast<std::size_t>(k)]);
  if (!anyKnown) SaveDiagCapture(app, strip, "buttons");
}

void ClickTableButton(App& app, int kind) {
  Desktop& desktop = app.desktop;
  app.game.ButtonClicks = 0;
  ScanTableButtons(app);
  const Point cursor = desktop.cursorPos();
  if (kind == ClickAllSubWindows) {
    for (int k = 1; k <= SubWindowKinds; ++k) {
      ClickButton(app, k);
      desktop.processEvents();
    }
  } else if (kind >= 1 && kind <= ButtonLabelCount) {
    ClickButton(app, kind);
  }
  desktop.setCursorPos(cursor);
}

void NotExistProcess(App& app, int kind, MessageNumber message) {
  if (kind < KindLastTrick || kind > SubWindowKinds) return;
  ClickTableButton(app, kind);
  FindGameWindows(app, kind);
  if (app.game.handle(kind) != 0) return;
  app.game.PendingKind[static_cast<std::size_t>(kind)] = true;
  ShowErrMessage(app, message);
}

void GetSubWindows(App& app) {
  GameWindowState& game = app.game;
  Desktop& desktop = app.desktop;
  FrmZ& z = app.frmZ;
  BuildPlayerList(app);
  if (!app.flags.TableSetUp) {
    SetCaptureSlow(app, false);
    return;
  }
  game.tableName = TableNameOf(game.tableTitle);
  game.tableHost = HostOf(game.tableTitle);
  z.form->setCaption(OnlineCaption(app.system.normalCaption, game.tableName, game.tableHost));
  z.MyRating->setCaption("");
  app.Trace("table taken over: " + game.tableName + " [" + game.tableHost + "]");
  MinimizeWindow(desktop, game.listed(game.LobbyIndex[LobbyMain]));
  MinimizeWindow(desktop, game.listed(game.LobbyIndex[LobbyGames]));

  for (int attempt = 1;; ++attempt) {
    // Once the rating has been read there is nothing left to read; the sub-windows are
    // asked for on every attempt all the same.
    if (z.MyRating->caption().empty()) ReadShowRating(app, RatingMode::TableFound);
    if (attempt >= SubWindowAttempts || app.forms.quitting()) {
      app.Trace("the table's sub-windows did not all come up");
      return;
    }
    ClickTableButton(app, ClickAllSubWindows);
    WaitSeconds(desktop, SubWindowWaitSeconds);
    EnumerateWindows(app);
    if (game.TableWindow == 0) return;
    FindGameWindows(app, -1);
    int placed = 0;
    for (int k = KindLastTrick; k <= SubWindowKinds && game.handle(k) != 0; ++k, ++placed)
      PlaceGameWindow(app, k);
    if (placed == SubWindowKinds) break;
  }

  if (app.settings.minimizeLastHand) MinimizeWindow(desktop, game.handle(KindLastHand));
  const WindowHandle lastTrick = game.handle(KindLastTrick);
  Rect r;
  if (desktop.windowRect(lastTrick, r) && std::abs(r.left) + std::abs(r.top) < 10) {
    const Size screen = app.system.screen;
    MoveKeepingSize(app, lastTrick, r, screen.width - r.width(), screen.height - r.height());
    desktop.windowRect(lastTrick, game.WindowRects[KindLastTrick]);
  }
}

void PlaceGameWindow(App& app, int kind) {
  GameWindowState& game = app.game;
  Desktop& desktop = app.desktop;
  if (kind < 0 || kind >= PlaceSlots || kind >= GameWindowKinds) return;
  const WindowHandle window = kind == KindTable ? game.TableWindow : game.handle(kind);
  if (window == 0) return;
  MakeTopmost(desktop, window);
  RestoreWindow(desktop, window);
  Rect& r = game.WindowRects[static_cast<std::size_t>(kind)];
  if (!desktop.windowRect(window, r)) return;
  auto& placed = game.WindowPlaced[static_cast<std::size_t>(kind)];
  if (placed != 0 || r.left + r.top >= 1) return;
  const WindowPos saved = game.SavedPositions[static_cast<std::size_t>(kind)];
  if (saved.x != 0 || saved.y != 0) {
    MoveKeepingSize(app, window, r, saved.x, saved.y);
    desktop.windowRect(window, r);
    if (kind == KindTable) KeepTableOnScreen(app);
  }
  placed = 1;
}

void KeepTableOnScreen(App& app) {
  GameWindowState& game = app.game;
  if (game.TableWindow == 0 || !app.desktop.windowRect(game.TableWindow, game.TableRect)) return;
  game.TableWidth = game.TableRect.width();
  game.TableHeight = game.TableRect.height();
  // A minimised window is parked far off the screen; it is not moved from there. A window placed
  // with only its frame's edge off the screen (the table's own placements at x = -5) stays.
  if (game.TableRect.left >= HiddenFrameLeft || Minimised(game.TableRect)) return;
  MoveKeepingSize(app, game.TableWindow, game.TableRect, 0, game.TableRect.top);
  app.desktop.windowRect(game.TableWindow, game.TableRect);
  game.TableWidth = game.TableRect.width();
  game.TableHeight = game.TableRect.height();
}

void MoveWinGame(App& app) {
  GameWindowState& game = app.game;
  Desktop& desktop = app.desktop;
  const WindowHandle table = game.TableWindow;
  if (table == 0) return;
  const Size screen = app.system.screen;
  Rect r;
  if (game.WindowPlaced[KindTable] == 0) {
    const WindowPos saved = game.SavedPositions[KindTable];
    if (desktop.windowRect(table, r) && r.left < 3 && r.top < 3 && (saved.x != 0 || saved.y != 0)) {
      MoveKeepingSize(app, table, r, saved.x, saved.y);
      KeepTableOnScreen(app);
    }
    constexpr int PlacedWidth = 615;
    constexpr int PlacedHeight = 700;
    if (screen.width >= 1200) {
      desktop.moveWindow(table, {0, 0, PlacedWidth, PlacedHeight}, true);
      KeepTableOnScreen(app);
    }
    const int mainWidth = app.frmZ.form->bounds().width();
    if (desktop.windowRect(table, r)) {
      if (screen.width >= 1000) {
        if (app.settings.reduceSpadesWindow && r.right >= screen.width - 2 &&
            r.width() + mainWidth > screen.width) {
          const int width = screen.width == NarrowScreenWidth ? NarrowScreenTableWidth
                                                              : screen.width - mainWidth + 40;
          desktop.moveWindow(table, {0, r.top, width, r.bottom}, true);
          KeepTableOnScreen(app);
        }
      } else {
        const int reduced = app.settings.reducedWidth;
        if (reduced > 0 && r.width() > reduced)
          desktop.moveWindow(table,
                             {HiddenFrameLeft, r.top - 5, HiddenFrameLeft + reduced,
                              r.top - 5 + r.height()},
                             true);
        else if (reduced <= 0)
          MoveKeepingSize(app, table, r, 0, r.top);
        KeepTableOnScreen(app);
      }
    }
    Rect client;
    if (app.system.platformId >= PlatformId::WindowsNT && desktop.windowRect(table, r) &&
        desktop.clientRect(table, client))
      game.FrameHeight = std::max(0, (r.height() - client.height()) - 35);
    game.WindowPlaced[KindTable] = 1;
  }

  // With the bidding board at every deal the table sits in the screen's corner.
  if (app.flags.boardMode != BoardMode::EveryDeal || !desktop.windowRect(table, r)) return;
  const Point corner = screen.height > LowScreenHeight ? Point{0, 0} : LowScreenCorner;
  if (r.left != corner.x || r.top != corner.y) MoveKeepingSize(app, table, r, corner.x, corner.y);
}

}  // namespace scorlet::companion
