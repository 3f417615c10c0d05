#include "companion/main/Discovery.h"

#include <array>
#include <fstream>

#include "common/TextUtil.h"
#include "common/WorkFiles.h"
#include "companion/main/MainLoop.h"
#include "companion/main/Texts.h"
#include "companion/messages/Messages.h"
#include "companion/players/Players.h"
#include "companion/recognition/DealTexts.h"
#include "companion/recognition/TableReading.h"
#include "platform/Print.h"
#include "platform/System.h"
#include "platform/Window.h"

namespace scorlet::companion {

namespace {

// GetWindowTextA reads into a buffer of 255 characters.
constexpr std::size_t TitleChars = 254;
// A walk that never ends would hang the tick; no desktop holds this many windows.
constexpr int MaxWalk = 100000;

constexpr std::array<std::string_view, 8> PlayerInfoWords{
    "プレーヤー情", "お知らせ", "追い出す", "招待する", "Invite", "Player", "Alert", "Boot"};
constexpr std::size_t PlayerInfoChars = 6;

// The text after `word` up to the next space (or the end); "" when the word is missing.
std::string_view WordValue(std::string_view title, std::string_view word, bool keepWord) {
  const std::size_t at = title.find(word);
  if (at == std::string_view::npos) return {};
  const std::size_t from = at + word.size();
  const std::size_t end = title.find(' ', from);
  const std::size_t start = keepWord ? at : from;
  return title.substr(start, (end == std::string_view::npos ? title.size() : end) - start);
}

// The lobby windows are kept at a size that leaves room for the table and the companion.
void KeepLobbySmall(App& app, WindowHandle window, bool move) {
  constexpr int WideScreen = 1000;
  constexpr int LobbyWidth = 800;
  constexpr int LobbyHeight = 600;
  if (app.system.screen.width <= WideScreen) return;
  Rect r;
  if (!app.desktop.windowRect(window, r) || r.width() <= LobbyWidth) return;
  const Point at = move ? Point{200, 100} : Point{r.left, r.top};
  app.desktop.moveWindow(window, {at.x, at.y, at.x + LobbyWidth, at.y + LobbyHeight}, true);
}

}  // namespace

void AppendEventLog(App& app, std::string_view text) {
  const std::string stamp = CurrentTimestamp();
  std::ofstream log(app.system.appFolder / Utf8Path(app.settings.logFile),
                    std::ios::binary | std::ios::app);
  if (!log) return;
  log << ToAnsi(stamp + std::string(text), app.system.codePage) << "\r\n";
}


std::string TableNameOf(std::string_view title) {
  return std::string(WordValue(title, TableNameWord, true));
}

std::string HostOf(std::string_view title) { return std::string(WordValue(title, HostWord, false)); }

bool IsPlayerInfoTitle(std::string_view title) {
  const std::string_view head = FirstChars(title, PlayerInfoChars);
  for (std::string_view word : PlayerInfoWords)
    if (head == word) return true;
  return false;
}

std::string OnlineCaption(std::string_view normalCaption, std::string_view tableName,
                          std::string_view host) {
  return std::string(normalCaption) + " " + std::string(tableName) + " [" + std::string(host) +
         "]";
}

void SetWinTitles(App& app) {
  app.game.subWindowTitleWidths = SubWindowTitleWidths();
  app.game.GameLanguage = LangEnglish;
  app.game.LayoutVariant = DefaultLayoutVariant;
}

void EnumerateWindows(App& app) {
  GameWindowState& game = app.game;
  Desktop& desktop = app.desktop;
  game.TableWindow = 0;
  game.tableTitle.clear();
  game.tableTitleLanguage = 0;
  game.PlayerInfoWindows.clear();
  game.WindowList.clear();
  // A position from an earlier walk would name whatever window now stands there.
  game.LobbyIndex.fill(NoListPosition);
  const bool infoOnTop = app.loop.OnlineState == Online && app.settings.topmostPlayerInfo;

  int walked = 0;
  for (WindowHandle w = desktop.firstWindow(); w != 0 && walked < MaxWalk;
       w = desktop.nextWindow(w), ++walked) {
    if (w == game.ownMainWindow) continue;
    if (!IsVisibleWithCaption(desktop.windowStyle(w))) continue;
    std::string title = Trim(FirstChars(desktop.windowTitle(w), TitleChars));

    if (infoOnTop && game.PlayerInfoWindows.size() < MaxPlayerInfoWindows &&
        IsPlayerInfoTitle(title))
      game.PlayerInfoWindows.push_back(w);

    // Past the list's bound a window is still recognised as the table or a lobby, it only
    // cannot be found later by its position or as a sub-window.
    int position = NoListPosition;
    if (game.WindowList.size() < MaxListedWindows) {
      position = static_cast<int>(game.WindowList.size());
      game.WindowList.push_back({w, title});
    }

    if (const int language = TableTitleLanguage(title); language != 0) {
      game.TableWindow = w;
      game.tableTitle = title;
      game.tableTitleLanguage = language;
      game.LobbyIndex[LobbyTable] = position;
    } else if (title.find(LobbyTitle) != std::string::npos) {
      game.LobbyIndex[LobbyMain] = position;
      KeepLobbySmall(app, w, true);
    } else if (title.find(LobbyTitle2) != std::string::npos) {
      game.LobbyIndex[LobbyGames] = position;
      KeepLobbySmall(app, w, false);
    }
  }
  game.GameWindowHandle[KindTable] = game.TableWindow;
}

bool NormaliseTitle(GameWindowState& game, std::string& title, int kind) {
  if (game.LayoutVariant == DefaultLayoutVariant && game.GameLanguage == LangSpain &&
      title == TitleOf(LangSpanishVariant, KindScore))
    game.GameLanguage = LangSpanishVariant;
  const std::string_view own = TitleOf(game.GameLanguage, kind);
  if (own.empty() || title != own) return false;
  title = std::string(TitleOf(LangEnglish, kind));
  return true;
}

void FindGameWindows(App& app, int kind) {
  GameWindowState& game = app.game;
  if (kind == -1) {
    if (game.GameLanguage != LangEnglish) {
      for (ListedWindow& entry : game.WindowList)
        for (int k = KindLastTrick; k <= SubWindowKinds; ++k)
          if (NormaliseTitle(game, entry.title, k)) break;
    }
    for (int k = KindLastTrick; k <= SubWindowKinds; ++k) {
      const std::string_view english = TitleOf(LangEnglish, k);
      for (const ListedWindow& entry : game.WindowList) {
        if (entry.title == english) {
          game.GameWindowHandle[static_cast<std::size_t>(k)] = entry.handle;
          break;
        }
      }
    }
    return;
  }
  if (kind < 0 || kind >= GameWindowKinds) return;
  auto& handle = game.GameWindowHandle[static_cast<std::size_t>(kind)];
  if (kind == KindTable) {
    // The table window is recognised by a part of its title, by the walk.
    handle = game.TableWindow;
    return;
  }
  handle = 0;
  const std::string_view english = TitleOf(LangEnglish, kind);
  if (english.empty()) return;
  for (ListedWindow& entry : game.WindowList) {
    if (game.GameLanguage != LangEnglish) NormaliseTitle(game, entry.title, kind);
    if (entry.title == english) {
      handle = entry.handle;
      return;
    }
  }
}

void TrackTableWindows(App& app) {
  GameWindowState& game = app.game;
  if (app.windows.MessagePending) {
    for (int k = 1; k <= ButtonLabelCount; ++k) {
      auto& pending = game.PendingKind[static_cast<std::size_t>(k)];
      if (!pending) continue;
      if (game.handle(k) != 0) {
        HideErrMessage(app);
        pending = false;
        app.windows.MessagePending = false;
      } else {
        ClickTableButton(app, k);
        FindGameWindows(app, k);
      }
    }
  }

  EnumerateWindows(app);
  if (game.TableWindow != 0) {
    if (OffLine(app)) {
      // A take-over places every window afresh, also after a restart that kept the table.
      game.WindowPlaced = {};
      MakeTopmost(app.desktop, game.TableWindow);
      RestoreWindow(app.desktop, game.TableWindow);
    }
    KeepTableOnScreen(app);
    MoveWinGame(app);
    if (OffLine(app)) OffToOn(app);
    if (game.TableWindow == 0) return;  // it went away during the take-over
    if (!app.flags.TableSetUp) GetSubWindows(app);

    const FrmZ& z = app.frmZ;
    if (!z.cmdAlertNone->visible() && !z.AlertName->visible() &&
        app.loop.slots.Armed(SlotBidCapture) && app.counters.BidsRead < 4 &&
        app.counters.TickCounter % 10 == 4)
      CheckAlertPlayer(app);
  } else if (app.loop.OnlineState == Online) {
    OnToOff(app);
  }
}

namespace {

// The helper windows that the settings ask for are loaded (hidden) when a table is taken over;
// each shows itself when it has something to show.
void LoadHelperWindows(App& app) {
  const Settings& s = app.settings;
  HelperWindows& w = app.windows;
  if (s.askAlertPos.used()) ShowAskAlert(app);
  if (app.flags.boardMode != BoardMode::None) LoadHelper(app.forms, w.board);
  if (s.countCardsPos.used()) LoadHelper(app.forms, w.cardPlay);
  if (s.rightCounterPos.used()) LoadHelper(app.forms, w.counterRight);
  if (s.leftCounterPos.used()) LoadHelper(app.forms, w.counterLeft);
  if (s.helpBidPos.used()) LoadHelper(app.forms, w.helpBid);
  if (s.remainingCardsPos.used()) LoadHelper(app.forms, w.myBox);
  if (s.pasteScoreTablePos.used()) LoadHelper(app.forms, w.score);
}

}  // namespace

void OffToOn(App& app) {
  GameWindowState& game = app.game;
  FrmZ& z = app.frmZ;
  const Settings& s = app.settings;
  app.loop.OnlineState = Online;
  // The site's language is the row whose table title the table window holds.
  game.GameLanguage = game.tableTitleLanguage != 0 ? game.tableTitleLanguage : LangEnglish;
  app.Trace("on line: " + game.tableTitle);

  z.menu_Link->setEnabled(false);
  z.menuAlertPlayer->setEnabled(false);
  app.flags.boardMode = BoardModeOf(s.biddingBoardMode);
  SetToolTipTextPlNames(app);
  GoToAppFolder(app.desktop);

  GetSubWindows(app);
  LoadHelperWindows(app);

  z.cmdScore->setVisible(true);
  if (s.topMostScoreWindow) {
    RestoreWindow(app.desktop, game.handle(KindScore));
    z.cmdScore->setCaption(std::string(texts::HideScore));
  } else {
    z.cmdScore->setCaption(std::string(texts::MinimizeScore));
  }
  if (!s.logFile.empty()) z.Msgbox->setVisible(true);
  if (s.showBoxStatus) {
    z.BoxStat->setForeColor(Colors::Black);
    z.BoxStat->setVisible(true);
  }
  z.cntPlayer->setVisible(true);
  z.cmdTimer->setVisible(true);

  app.loop.slots.TaskArmed[SlotBidCapture] = true;
  InitNESW(app);
  app.counters.TickCounter = 0;
}

void OnToOff(App& app) {
  FrmZ& z = app.frmZ;
  app.Trace("off line: the table window has gone");
  // A deal whose bidding or play had been seen ends unrecorded: the user is told.
  const TaskSlots& slots = app.loop.slots;
  if (slots.Armed(SlotTrickStep) || slots.Armed(SlotLastHand) || app.reading.MostBidsRead > 0) {
    const bool ja = app.Japanese();
    PrintLine(*z.form, std::string(deal_texts::NotRecorded.in(ja)) +
                           std::string(deal_texts::TableClosed.in(ja)));
    app.Trace("deal not recorded: " + std::string(deal_texts::TableClosed.in(false)));
  }
  z.cmdScore->setVisible(false);
  z.menu_Link->setEnabled(true);
  z.menuAlertPlayer->setEnabled(true);
  if (!app.settings.logFile.empty()) AppendEventLog(app, OfflineLogText);

  UnloadAllHelpers(app.windows);
  if (app.flags.PauseStartTick != 0) ResetPauseButton(app);

  z.Msgbox->setVisible(false);
  app.counters = TableCounters{};
  app.flags = TableFlags{};
  app.deal.bids = {};
  app.deal.tricks = {};
  app.deal.names = {};
  ResetDealCapture(app);
  ForgetTable(app);

  z.remBox->setVisible(false);
  z.frameBOX->setVisible(false);
  z.cmdTimer->setVisible(false);
  z.BoxStat->setVisible(false);
  z.cmdAlertNone->setVisible(false);
  z.AlertName->setCaption("");
  z.AlertName->setVisible(false);

  for (int slot = 0; slot < TaskSlotCount; ++slot) app.loop.slots.Disarm(slot);
  ResetTableWindows(app.game);
  z.form->setCaption(app.system.normalCaption);
  app.loop.OnlineState = WentOffline;
  // Off line the name labels offer to mark a player for alerts again.
  SetToolTipTextPlNames(app);
}

void ResetTableWindows(GameWindowState& game) {
  game.GameWindowHandle = {};
  game.GameLanguage = LangEnglish;
  game.tableName.clear();
  game.tableHost.clear();
  game.WindowPlaced = {};
  game.TableButtons = {};
  game.ButtonClicks = 0;
  game.PendingKind = {};
  game.storedStatusText.clear();
}

}  // namespace scorlet::companion
