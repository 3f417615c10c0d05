// Finding the game's windows on the virtual desktop: taking a table over and giving it up, the
// site's language, the lobby, the table's buttons and the sub-windows they open.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "companion/main/Discovery.h"
#include "tableclient/window/TableClient.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

using testing::Harness;
using testing::ReadAll;

Rect RectOf(Harness& h, WindowHandle w) {
  Rect r;
  h.program->windowRect(w, r);
  return r;
}

TEST(DiscoveryTitlesTest, TableNameHostAndCaption) {
  const std::string title = "Game: Spades - Table: 1234 - Host: abc";
  EXPECT_EQ(TableNameOf(title), "Table: 1234");
  EXPECT_EQ(HostOf(title), "abc");
  EXPECT_EQ(HostOf("Yahoo! Spades - Game: Spades Table: 12 Host: abc def"), "abc");
  EXPECT_EQ(TableNameOf("Game: Spades"), "");
  EXPECT_EQ(HostOf("Game: Spades Host: "), "");
  EXPECT_EQ(OnlineCaption("ScorletS  2.5", "Table: 1234", "abc"), "ScorletS  2.5 Table: 1234 [abc]");
}

TEST(DiscoveryTitlesTest, PlayerInfoTitlesByTheirFirstSixCharacters) {
  EXPECT_TRUE(IsPlayerInfoTitle("Player Info"));
  EXPECT_TRUE(IsPlayerInfoTitle("Invite someone"));
  EXPECT_TRUE(IsPlayerInfoTitle("プレーヤー情報"));
  EXPECT_TRUE(IsPlayerInfoTitle("Boot"));
  EXPECT_FALSE(IsPlayerInfoTitle("Play"));
  EXPECT_FALSE(IsPlayerInfoTitle("Boot player"));  // six characters "Boot p" are no word
  EXPECT_FALSE(IsPlayerInfoTitle(""));
}

TEST(DiscoveryTitlesTest, TheTableTitleNamesTheSiteLanguage) {
  EXPECT_EQ(TableTitleLanguage("Yahoo! Spades - Game: Spades Table: 12 Host: abc"), LangEnglish);
  EXPECT_EQ(TableTitleLanguage("Partida: Spades - Table: 1 - Host: x"), LangSpain);
  EXPECT_EQ(TableTitleLanguage("Partida:Spades - Table: 1 - Host: x"), LangMexico);
  EXPECT_EQ(TableTitleLanguage("Partida: spades - Table: 1 - Host: x"), LangSpanishVariant);
  EXPECT_EQ(TableTitleLanguage("ゲーム：Spades - Table: 1 - Host: x"), LangJapanese);
  EXPECT_EQ(TableTitleLanguage("Yahoo! Spades"), 0);
  EXPECT_EQ(TableTitleLanguage("game: spades"), 0);  // case matters
}

// The switch itself is seen on the desktop below; here what happens around it.
TEST(DiscoveryTitlesTest, SpanishVariantScoreTitleSwitchesTheLanguage) {
  GameWindowState game;
  game.GameLanguage = LangSpain;
  std::string title = "Puntuacion de picas";
  EXPECT_TRUE(NormaliseTitle(game, title, KindScore));
  EXPECT_EQ(game.GameLanguage, LangSpanishVariant);
  EXPECT_EQ(title, "Spades Score");
  title = "Puntuacion de Picas";  // row 6's title no longer counts
  EXPECT_FALSE(NormaliseTitle(game, title, KindScore));
  // Only language 6 switches.
  game.GameLanguage = LangArgentina;
  title = "Puntuacion de picas";
  EXPECT_TRUE(NormaliseTitle(game, title, KindScore));
  EXPECT_EQ(game.GameLanguage, LangArgentina);
}

TEST(DiscoveryTest, TakeOverAndGiveUpResetEveryTableState) {
  Harness h("OnOff");
  h.WriteIni("log=events.log\r\n");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  h.GoOnline();
  EXPECT_EQ(app.loop.OnlineState, Online);
  EXPECT_EQ(app.game.TableWindow, h.table);
  EXPECT_EQ(app.frmZ.form->caption(), "ScorletS  2.5 Table: 1234 [abc]");
  EXPECT_TRUE(app.flags.TableSetUp);
  EXPECT_TRUE(app.loop.slots.Armed(SlotBidCapture));
  EXPECT_TRUE(app.frmZ.cmdScore->visible());
  EXPECT_EQ(app.frmZ.cmdScore->caption(), "Minimize");
  EXPECT_TRUE(app.frmZ.Msgbox->visible());
  EXPECT_TRUE(app.frmZ.cmdTimer->visible());
  EXPECT_FALSE(app.frmZ.menu_Link->enabled());
  // On a 1280-pixel screen the table stands in the corner at 615 x 700.
  EXPECT_EQ(RectOf(h, h.table), (Rect{0, 0, 615, 700}));
  EXPECT_EQ(app.game.TableRect, (Rect{0, 0, 615, 700}));

  // Some per-table state of a running table.
  h.Tick();
  h.Tick();
  app.game.TableButtons[ButtonScore] = {100, 300};
  app.game.GameWindowHandle[KindScore] = 0x777;
  app.flags.DNilPassTable = true;
  app.counters.BidsRead = 3;
  LoadHelper(app.forms, app.windows.score);
  ShowHelper(app.windows.score, true);
  app.game.storedStatusText = "DNil Pass Table ! ";
  app.loop.slots.Arm(SlotTrickStep, h.desktop.now(), 300);

  h.desktop.destroyWindow(h.table);
  h.Tick();
  EXPECT_EQ(app.loop.OnlineState, WentOffline);
  EXPECT_EQ(app.frmZ.form->caption(), "ScorletS  2.5");
  EXPECT_FALSE(app.frmZ.cmdScore->visible());
  EXPECT_FALSE(app.frmZ.cmdTimer->visible());
  EXPECT_FALSE(app.frmZ.Msgbox->visible());
  EXPECT_TRUE(app.frmZ.menu_Link->enabled());
  EXPECT_FALSE(app.flags.TableSetUp);
  EXPECT_FALSE(app.flags.DNilPassTable);
  EXPECT_EQ(app.counters.BidsRead, 0);
  EXPECT_EQ(app.counters.TickCounter, 0);
  EXPECT_FALSE(app.windows.score.loaded());
  for (int slot = 0; slot < TaskSlotCount; ++slot) EXPECT_FALSE(app.loop.slots.Armed(slot));
  EXPECT_EQ(app.game.TableButtons[ButtonScore], (Point{}));
  EXPECT_EQ(app.game.handle(KindScore), 0u);
  EXPECT_EQ(app.game.GameLanguage, LangEnglish);
  EXPECT_TRUE(app.game.storedStatusText.empty());
  EXPECT_EQ(app.frmZ.plName[0]->toolTip(), "Alert This Player");
  const std::string log = ReadAll(h.folder / "events.log");
  EXPECT_NE(log.find(" Online ==> OffLine\r\n"), std::string::npos) << log;

  // A later table is taken over as a new one, and placed again.
  h.OpenTableWindow("Game: Spades - Table: 77 - Host: zed");
  h.Tick();
  EXPECT_EQ(app.loop.OnlineState, Online);
  EXPECT_EQ(app.frmZ.form->caption(), "ScorletS  2.5 Table: 77 [zed]");
  EXPECT_EQ(RectOf(h, h.table), (Rect{0, 0, 615, 700}));
}

TEST(DiscoveryTest, OfTwoTableWindowsTheLaterInTheWindowOrderIsTaken) {
  Harness h("TwoTables");
  ASSERT_TRUE(h.Start());
  const WindowHandle a = h.OpenTableWindow("Game: Spades - Table: 1 - Host: first");
  const WindowHandle b = h.OpenTableWindow("Game: Spades - Table: 2 - Host: second");
  const auto order = h.desktop.zOrder();
  const auto posA = std::find(order.begin(), order.end(), a);
  const auto posB = std::find(order.begin(), order.end(), b);
  const WindowHandle later = posA > posB ? a : b;
  h.Tick();
  EXPECT_EQ(h.app().game.tableName, later == a ? "Table: 1" : "Table: 2");
  EXPECT_EQ(h.app().frmZ.form->caption(),
            later == a ? "ScorletS  2.5 Table: 1 [first]" : "ScorletS  2.5 Table: 2 [second]");
}

TEST(DiscoveryTest, SpanishSiteSwitchesFromSpainToTheVariantByTheScoreTitle) {
  Harness h("Spanish");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  h.OpenTableWindow("Partida: Spades - Table: 9 - Host: pepe");
  const WindowHandle trick = h.desktop.createWindow({"Ultima baza", {700, 20, 900, 200}});
  const WindowHandle hand = h.desktop.createWindow({"Ultima mano", {700, 220, 900, 400}});
  const WindowHandle score = h.desktop.createWindow({"Puntuacion de picas", {700, 420, 900, 600}});
  h.Tick();
  EXPECT_EQ(app.loop.OnlineState, Online);
  EXPECT_EQ(app.game.GameLanguage, LangSpanishVariant);
  EXPECT_EQ(app.game.handle(KindLastTrick), trick);
  EXPECT_EQ(app.game.handle(KindLastHand), hand);
  EXPECT_EQ(app.game.handle(KindScore), score);
  // The table stays found although its title is row 6's.
  h.Tick();
  EXPECT_EQ(app.game.TableWindow, h.table);
  FindGameWindows(app, KindScore);
  EXPECT_EQ(app.game.handle(KindScore), score);
  // Leaving the table brings the language back to English.
  h.desktop.destroyWindow(h.table);
  h.Tick();
  EXPECT_EQ(app.game.GameLanguage, LangEnglish);
}

TEST(DiscoveryTest, LobbyWindowsAreShrunkAndPutAwayAndNeverStale) {
  Harness h("Lobby");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  const WindowHandle lobby = h.desktop.createWindow({"Yahoo! Spades", {10, 10, 1110, 800}});
  const WindowHandle games =
      h.desktop.createWindow({"Spades at Yahoo! Games", {50, 60, 1000, 900}});
  h.Tick();
  EXPECT_EQ(RectOf(h, lobby), (Rect{200, 100, 1000, 700}));
  EXPECT_EQ(RectOf(h, games), (Rect{50, 60, 850, 660}));
  EXPECT_EQ(app.loop.OnlineState, NeverOnline);

  // Taking a table over puts both lobby windows away.
  h.GoOnline();
  EXPECT_EQ(RectOf(h, lobby).left, MinimizedPosition);
  EXPECT_EQ(RectOf(h, games).left, MinimizedPosition);

  // "Minimize" brings the lobby back up...
  app.frmZ.cmdScore->setCaption("Minimize");
  app.frmZ.form->setWindowState(WindowState::Normal);
  h.program->clickControl("frmZ", "cmdScore");
  EXPECT_EQ(RectOf(h, lobby), (Rect{200, 100, 1000, 700}));
  EXPECT_EQ(app.loop.busy.MainMinimised, 1);

  // ...but once the lobby has closed, its old place in the window list names no window, even
  // when other windows now stand there.
  h.desktop.destroyWindow(lobby);
  const WindowHandle other = h.desktop.createWindow({"Notepad", {5, 5, 305, 305}});
  h.program->showWindow(other, ShowCommand::Minimize);
  app.frmZ.form->setWindowState(WindowState::Normal);
  app.loop.busy.MainMinimised = 0;
  h.Tick();
  EXPECT_EQ(app.game.LobbyIndex[LobbyMain], NoListPosition);
  app.frmZ.cmdScore->setCaption("Minimize");
  h.program->clickControl("frmZ", "cmdScore");
  for (WindowHandle w : {other, games, h.table})
    EXPECT_EQ(RectOf(h, w).left, MinimizedPosition) << w;
}

TEST(DiscoveryTest, PlayerInformationWindowsAreListedOnlyOnLineAndWhenAsked) {
  Harness h("PlayerInfo");
  h.WriteIni("TopmostPlayerInfo=yes\r\n");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  const WindowHandle info = h.desktop.createWindow({"Player Info", {400, 400, 600, 500}});
  h.desktop.createWindow({"Play", {400, 500, 600, 600}});
  h.Tick();
  EXPECT_TRUE(app.game.PlayerInfoWindows.empty());
  h.GoOnline();
  h.Tick();
  EXPECT_EQ(app.game.PlayerInfoWindows, std::vector<WindowHandle>{info});
}

TEST(DiscoveryTest, ButtonsAreClickedOnlyWhereTheirPlaceIsKnown) {
  Harness h("Buttons");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  h.GoOnline();
  std::vector<Point> clicks;  // in the table's client coordinates
  h.desktop.setMouseHandler(h.table, [&](const MouseEvent& e) { clicks.push_back({e.x, e.y}); });
  Point origin;
  h.program->clientOrigin(h.table, origin);
  app.game.TableButtons[ButtonLastTrick] = {origin.x + 60, origin.y + 400};
  app.game.TableButtons[ButtonScore] = {origin.x + 60, origin.y + 440};
  h.desktop.setCursor({900, 900});

  ClickTableButton(app, ClickAllSubWindows);
  EXPECT_EQ(clicks, (std::vector<Point>{{50, 404}, {50, 444}}));
  EXPECT_EQ(app.game.ButtonClicks, 2);
  EXPECT_EQ(h.desktop.cursor(), (Point{900, 900}));

  clicks.clear();
  ClickTableButton(app, KindLastHand);
  h.desktop.runFor(500);
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(app.game.ButtonClicks, 0);
}

// The companion beside the substitute table, whose buttons open the sub-windows.
struct TableBeside {
  explicit TableBeside(Harness& h, table::TableClientOptions options) {
    program = h.desktop.startProgram("SpadesTable", h.folder.string());
    client = std::make_unique<table::TableClient>(*program, *program, std::move(options));
  }
  // Tells the companion where the table's buttons are, as the button scan will.
  void KnowButtons(App& app) {
    Point origin;
    program->clientOrigin(client->tableWindow(), origin);
    for (int k = 1; k <= 3; ++k) {
      const Rect b = client->ButtonRect(k);
      app.game.TableButtons[static_cast<std::size_t>(k)] = {
          origin.x + (b.left + b.right) / 2 + 10, origin.y + (b.top + b.bottom) / 2 - 4};
    }
  }
  std::unique_ptr<VirtualProgram> program;
  std::unique_ptr<table::TableClient> client;
};

TEST(DiscoveryTest, TakeOverOpensAndPlacesTheSubWindowsAndAsksAgainForAMissingOne) {
  Harness h("SubWins");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  table::TableClientOptions options;
  options.tableRect = {0, 0, 615, 700};
  options.subWindowAt = {{{0, 0}, {640, 300}, {0, 0}}};
  TableBeside table(h, options);
  ASSERT_TRUE(table.client->Open());
  app.game.SavedPositions[KindScore] = {700, 40};
  table.KnowButtons(app);

  h.Tick();
  ASSERT_EQ(app.loop.OnlineState, Online);
  const WindowHandle trick = table.client->subWindow(KindLastTrick);
  const WindowHandle hand = table.client->subWindow(KindLastHand);
  const WindowHandle score = table.client->subWindow(KindScore);
  ASSERT_NE(trick, 0u);
  ASSERT_NE(hand, 0u);
  ASSERT_NE(score, 0u);
  EXPECT_EQ(app.game.handle(KindLastTrick), trick);
  EXPECT_EQ(app.game.handle(KindLastHand), hand);
  EXPECT_EQ(app.game.handle(KindScore), score);
  // The score window moved from the corner to its saved place; the last-trick window, with no
  // saved place, to the screen's bottom-right corner; the last hand stays where it opened.
  const Rect s = RectOf(h, score);
  EXPECT_EQ((Point{s.left, s.top}), (Point{700, 40}));
  const Rect t = RectOf(h, trick);
  EXPECT_EQ((Point{t.right, t.bottom}), (Point{1280, 1024}));
  EXPECT_EQ(app.game.WindowRects[KindLastTrick], t);
  const Rect l = RectOf(h, hand);
  EXPECT_EQ((Point{l.left, l.top}), (Point{640, 300}));

  // A sub-window that goes missing is asked for on every tick until it comes again.
  table.client->CloseSubWindow(KindLastTrick);
  table.client->SuppressSubWindow(KindLastTrick, true);
  h.Tick();
  NotExistProcess(app, KindLastTrick, 25);
  EXPECT_EQ(app.game.handle(KindLastTrick), 0u);
  EXPECT_TRUE(app.game.PendingKind[KindLastTrick]);
  EXPECT_TRUE(app.windows.MessagePending);
  h.Tick();
  EXPECT_TRUE(app.windows.MessagePending);

  table.client->SuppressSubWindow(KindLastTrick, false);
  h.Tick();  // clicks again; the window comes up
  h.Tick();  // finds it in the list of the last walk
  EXPECT_TRUE(app.game.PendingKind[KindLastTrick]);
  h.Tick();  // sees it and stops waiting
  EXPECT_NE(app.game.handle(KindLastTrick), 0u);
  EXPECT_FALSE(app.game.PendingKind[KindLastTrick]);
  EXPECT_FALSE(app.windows.MessagePending);
}

// Once the table's buttons have been read, asking again for the sub-windows keeps no capture of
// the button strip in Diag: only a strip where no button could be read is worth sending.
TEST(DiscoveryTest, AReadButtonStripIsNotKeptAsAMisread) {
  Harness h("ButtonDiag");
  h.WriteIni("log=events.log\r\n");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  table::TableClientOptions options;
  options.tableRect = {0, 0, 615, 700};
  TableBeside table(h, options);
  ASSERT_TRUE(table.client->Open());
  h.Tick();
  ASSERT_EQ(app.loop.OnlineState, Online);
  for (int k = ButtonLastTrick; k <= ButtonScore; ++k)
    ASSERT_NE(app.game.TableButtons[static_cast<std::size_t>(k)], Point{}) << k;
  for (int i = 0; i < 3; ++i) ClickTableButton(app, ClickAllSubWindows);
  int kept = 0;
  if (std::filesystem::exists(h.folder / "Diag"))
    for (const auto& entry : std::filesystem::directory_iterator(h.folder / "Diag"))
      kept += entry.path().filename().string().rfind("buttons", 0) == 0;
  EXPECT_EQ(kept, 0);
}

TEST(DiscoveryTest, TableIsKeptOnTheScreen) {
  VirtualDesktopConfig config;
  config.screen = {800, 600};
  Harness h("OnScreen", config);
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  h.table = h.desktop.createWindow({"Game: Spades - Table: 3 - Host: q", {-50, 30, 590, 580}});
  h.Tick();
  const Rect r = RectOf(h, h.table);
  EXPECT_EQ(r, (Rect{0, 30, 640, 580}));
  // Moved off again by the user, it comes back on the next tick.
  h.desktop.moveWindow(h.table, {-100, 30, 540, 580});
  h.Tick();
  EXPECT_EQ(RectOf(h, h.table).left, 0);
  EXPECT_EQ(app.game.TableWidth, 640);
}

// With the bidding board at every deal a low screen puts the table at (-5, -12): it is placed
// there once and then left alone, tick after tick.
TEST(DiscoveryTest, BoardCornerOnALowScreenIsNotFoughtOver) {
  VirtualDesktopConfig config;
  config.screen = {800, 600};
  Harness h("BoardCorner", config);
  h.WriteIni("BiddingBoard=(100,200)\r\n");
  ASSERT_TRUE(h.Start());
  h.table = h.desktop.createWindow({"Game: Spades - Table: 3 - Host: q", {30, 30, 670, 580}});
  h.Tick();
  EXPECT_EQ(RectOf(h, h.table), (Rect{-5, -12, 635, 538}));
  int moves = 0;
  const Rect before = RectOf(h, h.table);
  for (int i = 0; i < 6; ++i) {
    h.Tick();
    if (RectOf(h, h.table) != before) ++moves;
  }
  EXPECT_EQ(moves, 0);
}

// On a 1024-pixel screen the reduced table is 615 wide, whatever the main window's width.
TEST(DiscoveryTest, ReducedTableOnA1024ScreenIs615Wide) {
  VirtualDesktopConfig config;
  config.screen = {1024, 768};
  Harness h("Reduce1024", config);
  h.WriteIni("Reduce SpadesWindow=yes\r\n");
  ASSERT_TRUE(h.Start());
  h.table = h.desktop.createWindow({"Game: Spades - Table: 3 - Host: q", {200, 10, 1024, 700}});
  h.Tick();
  EXPECT_EQ(RectOf(h, h.table).width(), 615);
  EXPECT_EQ(RectOf(h, h.table).left, 0);
  // An undisturbed table is not moved again.
  const Rect placed = RectOf(h, h.table);
  h.Tick();
  h.Tick();
  EXPECT_EQ(RectOf(h, h.table), placed);
}

}  // namespace
}  // namespace scorlet::companion
