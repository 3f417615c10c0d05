// The main window's controls and menus, restart, and every way of ending; then a whole session
// beside the substitute table with the real timer.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/Notation.h"
#include "companion/main/Links.h"
#include "tableclient/window/TableClient.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

using testing::Harness;

std::string Compass(App& app) {
  std::string letters;
  for (Label* l : app.frmZ.Lbl) letters += l->caption();
  return letters;
}

TEST(EventsTest, SeatOrientationFollowsTheMenu) {
  Harness h("Seats");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  EXPECT_EQ(Compass(app), "NESW");  // as designed, North at the bottom
  ASSERT_TRUE(h.program->clickMenu("frmZ", "menuSeat2"));
  EXPECT_EQ(Compass(app), "SWNE");
  EXPECT_EQ(InvSeat(app, 2), 0);
  EXPECT_EQ(InvSeat(app, 1), 3);
  EXPECT_FALSE(h.program->menuChecked("frmZ", "menuSeat0"));
  EXPECT_TRUE(h.program->menuChecked("frmZ", "menuSeat2"));
  // "Auto" keeps the rotation and leaves the seat to the player names.
  ASSERT_TRUE(h.program->clickMenu("frmZ", "menuSeat4"));
  EXPECT_EQ(Compass(app), "SWNE");
  EXPECT_TRUE(h.program->menuChecked("frmZ", "menuSeat4"));
  EXPECT_FALSE(h.program->menuChecked("frmZ", "menuSeat2"));
  // A compass letter brings that hand to the bottom.
  ASSERT_TRUE(h.program->clickControl("frmZ", "Lbl1"));  // West, on the left
  EXPECT_EQ(Compass(app), "WNES");
  // Out-of-range indexes change nothing.
  menuSeat_Click(app, 7);
  sitNESWmenu(app, -1);
  EXPECT_EQ(Compass(app), "WNES");
}

TEST(EventsTest, OwnIdChoosesAutomaticSeatOnTakeOver) {
  Harness h("SeatsAuto");
  h.WriteIni("MyYahooID=someone\r\n");
  ASSERT_TRUE(h.Start());
  h.GoOnline();
  EXPECT_TRUE(h.program->menuChecked("frmZ", "menuSeat4"));
}

TEST(EventsTest, SoundAlertItemsToggleTheirSettings) {
  Harness h("SoundMenu");
  h.WriteIni("AlertFailNil=yes\r\n");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  struct Item {
    const char* menu;
    bool Settings::*setting;
  };
  const Item items[] = {{"menuSomeBidNil", &Settings::alertNilBids},
                        {"menuFailNil", &Settings::alertFailNil},
                        {"menuDNilPassTable", &Settings::alertDnilPassTable},
                        {"menuCanDNilBid", &Settings::alertCanDNilPass},
                        {"menuSuicideTable", &Settings::alertSuicideTable}};
  for (const Item& item : items) {
    const bool before = app.settings.*item.setting;
    EXPECT_EQ(h.program->menuChecked("frmZ", item.menu), before) << item.menu;
    ASSERT_TRUE(h.program->clickMenu("frmZ", item.menu));
    EXPECT_EQ(app.settings.*item.setting, !before) << item.menu;
    EXPECT_EQ(h.program->menuChecked("frmZ", item.menu), !before) << item.menu;
  }
}

TEST(EventsTest, LinkMenuOpensTheConfiguredPages) {
  VirtualDesktopConfig config;
  config.fonts.push_back("ＭＳ Ｐゴシック");
  Harness h("Links", config);
  h.WriteIni("link=uk\r\n");
  ASSERT_TRUE(h.Start());
  ASSERT_TRUE(h.program->clickMenu("frmZ", "menuLink1"));
  ASSERT_TRUE(h.program->clickMenu("frmZ", "menuLink3"));
  ASSERT_EQ(h.desktop.openedPages().size(), 2u);
  EXPECT_EQ(h.desktop.openedPages()[0], DefaultLinkPages.loginUk);
  EXPECT_EQ(h.desktop.openedPages()[1], DefaultLinkPages.help);
  EXPECT_EQ(h.app().frmZ.menu_Link->caption(), "リンク");
}

// End, the close box, Ctrl+C and Ctrl+S all end the program and save the window positions; the
// keys only ask, and the next tick ends.
TEST(EventsTest, EveryWayOfEndingSavesThePositions) {
  enum Way { EndButton, CloseBox, CtrlC, CtrlS };
  for (Way way : {EndButton, CloseBox, CtrlC, CtrlS}) {
    SCOPED_TRACE(way);
    Harness h("End" + std::to_string(way));
    h.WriteIni("CFG=pos.cfg\r\n");
    ASSERT_TRUE(h.Start());
    if (way == EndButton) {
      ASSERT_TRUE(h.program->clickControl("frmZ", "cmdEnd"));
      EXPECT_EQ(h.app().loop.endCode, ExitNormal);
    } else if (way == CloseBox) {
      ASSERT_TRUE(h.program->requestClose("frmZ"));
    } else {
      h.program->pressKey("frmZ", KeyEvent{way == CtrlC ? Key::C : Key::S, false, true});
      EXPECT_TRUE(h.app().loop.QuitRequested);
      EXPECT_FALSE(h.program->quitting());
      h.Tick();
    }
    EXPECT_TRUE(h.program->quitting());
    std::ifstream file(h.folder / "pos.cfg");
    std::string first;
    std::getline(file, first);
    EXPECT_EQ(first.rfind("1280", 0), 0u) << first;
  }
}

TEST(EventsTest, PlainKeysDoNotEnd) {
  Harness h("PlainKeys");
  ASSERT_TRUE(h.Start());
  h.program->pressKey("frmZ", KeyEvent{Key::C});
  h.program->pressKey("frmZ", KeyEvent{Key::Escape});  // no cancel button outside stop mode
  h.Tick();
  EXPECT_FALSE(h.program->quitting());
  // Delete answers the deletion question only while it is asked.
  h.program->pressKey("frmZ", KeyEvent{Key::Delete});
  EXPECT_EQ(h.app().deal.deletionState, 0);
  h.app().deal.deletionState = -1;
  h.program->pressKey("frmZ", KeyEvent{Key::Delete});
  EXPECT_EQ(h.app().deal.deletionState, 2);
}

TEST(EventsTest, RightClickOnDeleteAllRestartsTheTable) {
  Harness h("Restart");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  h.program->rightClickControl("frmZ", "cmdDelFiles");  // off line: nothing
  EXPECT_EQ(app.loop.OnlineState, NeverOnline);
  h.GoOnline();
  h.Tick();
  h.Tick();
  ASSERT_GE(app.counters.TickCounter, 2);
  app.loop.busy.trickStep = true;  // not while a capture runs
  h.program->rightClickControl("frmZ", "cmdDelFiles");
  EXPECT_EQ(app.loop.OnlineState, Online);
  app.loop.busy.trickStep = false;
  h.program->rightClickControl("frmZ", "cmdDelFiles");
  EXPECT_EQ(app.loop.OnlineState, NeverOnline);
  EXPECT_EQ(app.counters.TickCounter, 0);
  EXPECT_TRUE(app.loop.slots.Armed(SlotBidCapture));
  EXPECT_FALSE(app.frmZ.Label1[0]->visible());
  h.Tick();  // the table is taken over anew
  EXPECT_EQ(app.loop.OnlineState, Online);
  EXPECT_EQ(app.counters.TickCounter, 1);
}

TEST(EventsTest, NextGameClearsTheAlertDisplay) {
  Harness h("NextGame");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  app.frmZ.AlertName->setCaption("badguy");
  app.frmZ.AlertName->setVisible(true);
  app.frmZ.cmdAlertNone->setVisible(true);
  app.deal.currentHandFile = 3;
  app.deal.names[1] = "x";
  PrepareNextGame(app);
  EXPECT_EQ(app.frmZ.AlertName->caption(), "");
  EXPECT_FALSE(app.frmZ.AlertName->visible());
  EXPECT_FALSE(app.frmZ.cmdAlertNone->visible());
  EXPECT_EQ(app.deal.currentHandFile, -1);
  EXPECT_EQ(app.deal.names[1], "");
}

// The companion and the substitute table on one desktop, the companion's own timer running.
TEST(SessionTest, OnLineWithTheTableThenOffLineWhenItCloses) {
  Harness h("Session");
  ASSERT_TRUE(h.Start(false));
  App& app = h.app();
  auto tableProgram = h.desktop.startProgram("SpadesTable", h.folder.string());
  table::TableClientOptions options;
  options.maxDeals = 1;
  options.closeWhenDone = true;
  table::TableClient table(*tableProgram, *tableProgram, options);
  ASSERT_TRUE(table.Open());
  // The take-over waits for the sub-windows inside its tick: the clock runs on meanwhile.
  h.desktop.runUntil([&] { return app.loop.OnlineState == Online; }, 60000);
  ASSERT_EQ(app.loop.OnlineState, Online);
  EXPECT_EQ(app.game.TableWindow, table.tableWindow());
  EXPECT_NE(app.frmZ.form->caption().find("Table: 1234 ["), std::string::npos);
  EXPECT_TRUE(app.frmZ.cmdTimer->visible());
  ASSERT_TRUE(h.desktop.runUntil([&] { return app.counters.TickCounter >= 3; }, 10000));
  EXPECT_EQ(app.frmZ.Timer1->interval(), 500);
  ASSERT_TRUE(h.desktop.runUntil([&] { return app.loop.OnlineState == WentOffline; },
                                 30 * 60 * 1000));
  EXPECT_EQ(table.dealsPlayed(), 1);
  EXPECT_EQ(app.frmZ.form->caption(), "ScorletS  2.5");
  EXPECT_EQ(app.counters.TickCounter, 0);
  for (bool armed : app.loop.slots.TaskArmed) EXPECT_FALSE(armed);
  EXPECT_FALSE(app.frmZ.cmdTimer->visible());
  h.program->pressKey("frmZ", KeyEvent{Key::S, false, true});
  EXPECT_TRUE(h.desktop.runUntil([&] { return h.program->quitting(); }, 2000));
}

}  // namespace
}  // namespace scorlet::companion
