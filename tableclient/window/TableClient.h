// The substitute game client on a desktop: a lobby window, the table window with its
// buttons, and the Last Trick, Last Hand and Score windows that those buttons open. It
// plays the game on its own timer through the Desktop and Forms interfaces, so the same
// code runs in-process on the virtual desktop and as SpadesTable.exe on Windows.
//
//     auto program = desktop.startProgram("SpadesTable", folder);   // virtual desktop
//     TableClientOptions options;
//     options.maxDeals = 3;
//     options.truthFolder = folder + "/Truth";
//     TableClient table(*program, *program, options);
//     table.Open();
//     desktop.runUntil([&] { return table.finished(); }, 10 * 60 * 1000);
//     table.truths();   // what was played, one hand record per deal
//
// The client holds the forms it made: destroy it before the program (Forms) it runs in.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "platform/Forms.h"
#include "tableclient/engine/Game.h"
#include "tableclient/render/Layout.h"
#include "tableclient/render/TableView.h"
#include "tableclient/render/SeededDice.h"
#include "tableclient/window/Scenes.h"
#include "tableclient/window/TableFaults.h"

namespace scorlet::table {

struct TableClientOptions {
  GameSetup game;
  int userSeat = 2;        // South, drawn at the bottom
  bool userIsBot = true;   // unattended: a bot plays the user's seat too
  // With userIsBot: the table still waits for the user's bid on the bid panel (or SubmitBid),
  // and the bot plays the user's cards.
  bool userBids = false;
  // With userBids: after this long without the user's bid the bot bids for the user (the bid
  // panel stays up that long); 0 waits for ever.
  int userBidWaitMs = 0;
  std::string tableNumber = "1234";
  std::string host;        // "" for the name of the player in seat 0
  int language = 1;        // the site's language row
  std::string scoreTitle;  // overrides the score window's title when not empty
  std::filesystem::path truthFolder;  // where truth files go; empty for none
  int maxDeals = 0;        // stop after this many deals; 0 plays on
  int maxGames = 0;        // stop after this many whole games; 0 plays on
  bool closeWhenDone = false;  // close every window after maxDeals
  bool quitOnClose = false;    // end the program's event loop when the table closes
  bool openLobby = true;
  Rect tableRect{40, 20, 40 + 640, 20 + 720};  // whole window, frame included
  // Where the windows of kinds 1..3 open (top-left corner of the whole window).
  std::array<Point, 3> subWindowAt{{{700, 20}, {700, 230}, {700, 350}}};
  std::array<int, 4> ratings{1612, 1544, 1580, 1497};  // by seat; 0 or below shows "prov"
  // Varies what the reading leaves free: window size (when not 0 it replaces tableRect's size),
  // box and line positions, list position, player names (when the names were not set). 0 is
  // the fixed default layout.
  std::uint32_t layoutSeed = 0;
  bool highlightUser = false;  // the user's player-list line drawn white on black
  int startDelayMs = 500;
  int actionDelayMs = 400;  // between two bids or cards
  int trickPauseMs = 800;   // a completed trick stays on the table this long
  int dealPauseMs = 2000;   // between deals
  // Faults at random moments: the share of deals (0 to 1) that meet one, each fault, its
  // window and its moment chosen by faultSeed. A table closed in the middle of a deal is
  // followed by a new table (another number, a new game) after reopenDelayMs.
  double faultShare = 0;
  std::uint32_t faultSeed = 1;
  int reopenDelayMs = 3000;
};

class TableClient {
 public:
  TableClient(Desktop& desktop, Forms& forms, TableClientOptions options);
  ~TableClient();
  TableClient(const TableClient&) = delete;
  TableClient& operator=(const TableClient&) = delete;

  // Shows the lobby and the table and starts play; false when a window could not be made.
  bool Open();
  // Closes every window; play stops.
  void Close();
  bool isOpen() const { return m_table != nullptr; }
  // maxDeals deals or maxGames games have been played.
  bool finished() const { return m_finished; }

  const SpadesGame& game() const { return m_game; }
  const TableClientOptions& options() const { return m_options; }
  // The truth of every finished deal, in order.
  const std::vector<HandRecord>& truths() const { return m_truths; }
  int dealsPlayed() const { return static_cast<int>(m_truths.size()); }
  // Deals begun, finished or abandoned when their table closed; the truth number (1-based
  // index of truths()) of deal `deal` of them, 0 when it was abandoned or is not over.
  int dealsBegun() const { return static_cast<int>(m_truthOfDeal.size()); }
  int dealsAbandoned() const { return m_abandoned; }
  int truthOfDeal(int deal) const;
  // Every fault the table met, in order.
  const std::vector<Disturbance>& disturbances() const { return m_disturbances; }

  WindowHandle tableWindow() const;
  // Window of kind 1..3 (Last Trick, Last Hand, Score), 0 while it is not open.
  WindowHandle subWindow(int kind) const;
  // Where the table window's parts lie (whole-window coordinates) and where the last drawing
  // put its texts.
  const TableLayout& layout() const { return m_layout; }
  const TableDrawn& drawn() const { return m_drawn; }
  // Client rectangle of the table's button that opens kind 1..3.
  Rect ButtonRect(int kind) const;
  // Client rectangle of bid-panel button k (0 Nil, 1..13, 14 Double Nil, 15 Show).
  Rect BidButtonRect(int k) const { return m_layout.ToClient(m_layout.BidButton(k)); }

  // A left click on the table's client area, as the mouse delivers it.
  void ClickTable(Point client);
  // The table's button of kind 1..3 was pressed: opens that window or brings it back.
  void PressButton(int kind);

  // The user's seat when a person (or a test) plays it: onUserTurn is called once each
  // time the seat must bid or play; SubmitBid and SubmitPlay act for it (false when it
  // is not the seat's turn or the move is illegal).
  std::function<void(TableClient&)> onUserTurn;
  bool waitingForUser() const;
  bool SubmitBid(const Bid& bid);
  bool SubmitPlay(CardCode card);
  void RevealUserCards();

  // Faults a test can inject. InjectFault notes the fault against the current deal (and in
  // the truth folder's "faults.txt"); the calls below it only do what they say.
  void InjectFault(FaultKind kind, int window = 0, int ms = 0);
  // The table is drawn again with one pixel of a glyph of a bid or trick line changed so
  // that the glyph matches none of the font (or, before any line is drawn, the first drawing
  // that has one); the drawing after it is whole again.
  void DamageGlyphOnce();
  // The lobby over the table window, top-most, until the next deal begins.
  void CoverTableWithLobby();
  void CloseSubWindow(int kind);
  // The next opening of that kind appears `ms` after its button is pressed.
  void DelaySubWindow(int kind, int ms);
  // While on, presses of that kind's button open nothing.
  void SuppressSubWindow(int kind, bool on);
  // Kind 0 the table, 1..3 the sub-windows, LobbyKind the lobby.
  static constexpr int LobbyKind = 4;
  void MoveWindowTo(int kind, Point topLeft);
  void MoveWindowOffScreen(int kind);
  // The table window goes away in the middle of play (the lobby stays).
  void CloseTableMidDeal();
  // While on, clicks on the bid panel are lost: the panel stays as it is.
  void IgnoreBidPanel(bool on) { m_bidPanelIgnored = on; }
  // Every window shows a change only `ms` after it happened (0: at once).
  void SetRepaintDelay(int ms) { m_repaintDelayMs = ms; }
  // While on, the score window keeps the height it has instead of growing with its rows: the
  // rows below its edge show only once it is enlarged from outside.
  void FixScoreWindowHeight(bool on) { m_scoreHeightFixed = on; }

 private:
  // Play.
  void Step();
  bool Due() const;
  bool TimeReached(std::uint32_t due) const;
  void ScheduleIn(int ms);
  void AfterMove();
  void RecordDeal();
  void UpdateRatings();
  int CompletedTricks() const;
  bool UserActsNow() const;  // the user's seat is played by the user at this phase
  void BeginDealLog();
  void EndDealFaults();

  // Faults (TableFaults.cpp).
  void PlanFault();
  void FaultMomentReached();
  void InjectDueFault();
  bool DamageGlyphPixel(Image& image);
  void ReopenTable();
  void NoteDisturbance(const Disturbance& d);

  // Windows (TableWindows.cpp).
  bool OpenTableWindow();
  void OpenLobby();
  void OpenSubWindow(int kind);
  void OpenDueSubWindows();
  Form*& SubForm(int kind);
  // Paint* ask for a repaint (at once, or after the repaint delay); Draw* do it.
  void PaintTable();
  void PaintSubWindow(int kind);
  void PaintAll();
  void RequestPaint(int kind);
  void DrawDuePaints();
  void DrawWindow(int kind);
  void DrawTable();
  TableLayout CurrentLayout() const;
  void DrawSubWindow(int kind);
  void CloseTableWindows();
  ViewContext Context() const;
  Form* FormOfKind(int kind) const;

  Desktop& m_desktop;
  Forms& m_forms;
  TableClientOptions m_options;
  SpadesGame m_game;
  TableLayout m_layout;
  TableDrawn m_drawn;
  Form* m_lobby = nullptr;
  Form* m_table = nullptr;
  std::array<Form*, 3> m_subs{};
  std::array<int, 3> m_delayMs{};
  std::array<bool, 3> m_suppressed{};
  std::array<bool, 3> m_openPending{};
  std::array<std::uint32_t, 3> m_openDue{};
  int m_repaintDelayMs = 0;
  bool m_scoreHeightFixed = false;
  bool m_bidPanelIgnored = false;
  std::array<bool, 4> m_paintPending{};  // by window kind
  std::array<std::uint32_t, 4> m_paintDue{};
  std::vector<HandRecord> m_truths;
  std::vector<int> m_truthOfDeal;  // by deal begun
  int m_abandoned = 0;
  int m_finishedBeforeGame = 0;    // deals finished at the tables before the current one
  int m_movesThisDeal = 0;
  // The fault planned for the current deal, its moment, and when it comes once reached.
  SeededDice m_faultDice{1};
  bool m_faultPlanned = false;
  bool m_faultDueSet = false;
  Disturbance m_plannedFault;
  std::uint32_t m_faultDue = 0;
  std::vector<Disturbance> m_disturbances;
  bool m_glyphDamagePending = false;
  bool m_lobbyOver = false;
  Rect m_lobbyHome;
  Form* m_reopenHolder = nullptr;  // holds the timer that opens the next table
  bool m_reopenPending = false;
  std::uint32_t m_reopenDue = 0;
  int m_tablesOpened = 1;
  std::array<int, 4> m_ratings{};
  std::array<int, 4> m_newRatings{};
  bool m_showNewRatings = false;
  std::uint32_t m_due = 0;
  int m_tricksSeen = 0;
  bool m_trickShown = false;
  bool m_started = false;
  bool m_userPrompted = false;
  bool m_finished = false;
  bool m_closing = false;
};

}  // namespace scorlet::table
