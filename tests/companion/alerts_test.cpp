// Marking players and being alerted, on the virtual desktop: the Alert menu and the name labels
// with the reason dialog, the alert list file, and the alert when a marked player sits at the
// substitute table, also after the program was started again.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "companion/players/AlertList.h"
#include "companion/players/Players.h"
#include "companion/record/Record.h"
#include "common/CodePage.h"
#include "common/Config.h"
#include "common/WorkFiles.h"
#include "platform/virtual/VirtualControls.h"
#include "tableclient/window/TableClient.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

using testing::Harness;
using testing::ReadAll;

const std::string Header = std::string(AlertHeaderEn) + "\r\n";

// What the user does in frmReason once it is up, run from inside the dialog's wait.
void WhenReasonAsked(Harness& h, std::function<void(VirtualProgram&)> answer) {
  VirtualProgram* program = h.program.get();
  h.desktop.schedule(h.desktop.now() + 100, [program, answer] { answer(*program); });
}

VirtualTextBox& ReasonBox(VirtualProgram& p) {
  return dynamic_cast<VirtualTextBox&>(*p.findControl("frmReason", "txtReason"));
}

void Type(VirtualProgram& p, const std::string& text) { ReasonBox(p).type(text); }
void PressEnter(VirtualProgram& p) { p.pressKey("frmReason", KeyEvent{Key::Return}); }
void Pick(VirtualProgram& p, const std::string& item) {
  auto& list = dynamic_cast<ListBox&>(*p.findControl("frmReason", "boxReason"));
  for (int i = 0; i < list.count(); ++i) {
    if (list.items()[static_cast<std::size_t>(i)] != item) continue;
    list.setListIndex(i);
    list.onClick();
    return;
  }
  ADD_FAILURE() << "no reason " << item;
}

bool NoTempFiles(const std::filesystem::path& folder) {
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    if (e.path().extension() == ".tmp") return false;
  }
  return true;
}

TEST(AlertMarkTest, MarkWithAReasonThenUnmarkThroughTheAlertMenu) {
  Harness h("AlertMark");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  RefreshAlertMenu(app, {"North1", "Eastern", "bobby_77", "Westy"});
  EXPECT_EQ(app.frmZ.menuPlayer[2]->caption(), "bobby_77");

  WhenReasonAsked(h, [](VirtualProgram& p) {
    Type(p, "Overbidder");
    PressEnter(p);
  });
  ASSERT_TRUE(h.program->clickMenu("frmZ", "menuPlayer2"));
  const std::filesystem::path file = h.folder / "Alert.TXT";
  EXPECT_EQ(ReadAll(file), Header + "bobby_77(Overbidder),");
  EXPECT_TRUE(NoTempFiles(h.folder));
  EXPECT_TRUE(app.frmZ.menuPlayer[2]->checked());
  const Label& alert = *app.frmZ.AlertName;
  EXPECT_TRUE(alert.visible());
  EXPECT_EQ(alert.caption(), "bobby_77(Overbidder)");
  EXPECT_EQ(alert.foreColor(), AlertPink);
  EXPECT_EQ(alert.font().size, 12);

  app.alerts.list.Append("bobby_77(Slow)");  // marked twice
  // A "," typed into the reason is taken back at once and the dialog says why; the uncheck item
  // is offered for a marked player and removes the entry from the file.
  bool refusedShown = false;
  std::string kept;
  WhenReasonAsked(h, [&](VirtualProgram& p) {
    EXPECT_EQ(ReasonBox(p).text(), "Overbidder");
    Type(p, "Overbidder, rude");
    kept = ReasonBox(p).text();
    refusedShown = p.findControl("frmReason", "lblRefused")->visible();
    Pick(p, "[UnCheck]");
  });
  ASSERT_TRUE(h.program->clickMenu("frmZ", "menuPlayer2"));
  EXPECT_EQ(kept, "Overbidder");
  EXPECT_TRUE(refusedShown);
  EXPECT_EQ(ReadAll(file), Header);
  EXPECT_FALSE(app.frmZ.menuPlayer[2]->checked());
  EXPECT_FALSE(alert.visible());
  EXPECT_EQ(SearchAlertPlayer(app.alerts.list, "bobby_77"), 0);
}

// Off line the user looks at a stored hand and marks a player by the name label.
TEST(AlertMarkTest, AStoredHandShowsItsMarkedPlayersAndItsNameLabelsMarkOthers) {
  Harness h("AlertLabel");
  h.WriteIni("MyYahooID=me_myself\r\n");
  std::ofstream(h.folder / "Alert.TXT", std::ios::binary) << Header << "Eastern(Good),";
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  HandRecord hand;
  hand.PlayerNames = {"me_myself", "Eastern", "South3", "Westy"};
  ASSERT_EQ(WriteRecordFile(hand, h.folder / "Work", "12_07_001", CodePage::Western),
            RecordFileStatus::Done);
  RefreshFileList(app);
  app.frmZ.filBox->setListIndex(0);
  filBox_Click(app);
  EXPECT_FALSE(app.frmZ.menuPlayer[0]->enabled());
  EXPECT_TRUE(app.frmZ.menuPlayer[1]->checked());
  EXPECT_EQ(app.frmZ.AlertName->caption(), "Eastern(Good)");

  // plName0 shows West.
  WhenReasonAsked(h, [](VirtualProgram& p) { Pick(p, "Slow"); });
  ASSERT_TRUE(h.program->clickControl("frmZ", "plName0"));
  EXPECT_EQ(ReadAll(h.folder / "Alert.TXT"), Header + "Eastern(Good),Westy(Slow),");
  EXPECT_TRUE(app.frmZ.menuPlayer[3]->checked());
  EXPECT_EQ(app.frmZ.AlertName->caption(), "Westy(Slow)");
  EXPECT_FALSE(h.program->findForm("frmReason"));

  // plName3 shows North, the user's own seat: nothing is asked, nothing written.
  ASSERT_TRUE(h.program->clickControl("frmZ", "plName3"));
  EXPECT_EQ(ReadAll(h.folder / "Alert.TXT"), Header + "Eastern(Good),Westy(Slow),");
}

TEST(AlertMarkTest, AnUnreadableListIsNeverWrittenOver) {
  Harness h("AlertUnreadable");
  std::filesystem::create_directory(h.folder / "Alert.TXT");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  RefreshAlertMenu(app, {"North1", "Eastern", "South3", "Westy"});
  WhenReasonAsked(h, [](VirtualProgram& p) { PressEnter(p); });
  ASSERT_TRUE(h.program->clickMenu("frmZ", "menuPlayer1"));
  EXPECT_TRUE(std::filesystem::is_directory(h.folder / "Alert.TXT"));
  EXPECT_TRUE(h.PrintedPrefix("  The alert list could not be read"));
}

// In Japanese: the dialog's caption and uncheck item, and the list file "アラート.TXT" in
// Shift_JIS with its Japanese header, read again by the next start.
TEST(AlertMarkTest, JapaneseDialogAndListFile) {
  VirtualDesktopConfig config;
  config.codePage = 932;
  config.fonts.push_back(std::string(kMsPGothicFont));
  Harness h("AlertJapanese", config);
  h.WriteIni("JPN=yes\r\n");
  ASSERT_TRUE(h.Start());
  RefreshAlertMenu(h.app(), {"North1", "すぺーど王", "South3", "Westy"});
  std::string caption;
  WhenReasonAsked(h, [&](VirtualProgram& p) {
    caption = p.findForm("frmReason")->caption();
    Type(p, "遅い");
    PressEnter(p);
  });
  ASSERT_TRUE(h.program->clickMenu("frmZ", "menuPlayer1"));
  EXPECT_EQ(caption, "アラートの理由");
  const std::string bytes = ReadAll(h.folder / Utf8Path("アラート.TXT"));
  EXPECT_EQ(bytes, ToAnsi(std::string(AlertHeaderJa) + "\r\nすぺーど王(遅い),", CodePage::Japanese));

  std::vector<std::string> items;
  WhenReasonAsked(h, [&](VirtualProgram& p) {
    items = dynamic_cast<ListBox&>(*p.findControl("frmReason", "boxReason")).items();
    p.requestClose("frmReason");  // closed without a change: the reason stays
  });
  ASSERT_TRUE(h.program->clickMenu("frmZ", "menuPlayer1"));
  ASSERT_EQ(items.size(), 21u);
  EXPECT_EQ(items.front(), "Excellent");
  EXPECT_EQ(items.back(), "[チェックを外す]");
  EXPECT_TRUE(h.app().frmZ.menuPlayer[1]->checked());

  h.companion.reset();
  h.program.reset();
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(h.app().alerts.list[h.app().alerts.list.AlertCount()], "すぺーど王(遅い)");
}

// Asked for a check of the room with nobody marked there, the button says so.
TEST(AlertMarkTest, CheckOnRequestSaysNoneWhenNobodyIsFound) {
  Harness h("AlertAsk");
  h.WriteIni("AskAlert=(*,0)\r\n");
  ASSERT_TRUE(h.Start());
  h.GoOnline();
  App& app = h.app();
  ASSERT_TRUE(app.windows.askAlert.loaded());
  EXPECT_TRUE(app.windows.askAlert.form->visible());
  Rect ask, table;
  h.program->windowRect(app.windows.askAlert.handle(), ask);
  h.program->windowRect(h.table, table);
  EXPECT_EQ((Point{ask.left, ask.top}), (Point{table.left + 100, table.top + 180}));
  ASSERT_TRUE(h.program->clickControl("frmAskAlert", "cmdAsk"));
  EXPECT_TRUE(app.windows.askAlertAnswered);
  h.Tick();
  EXPECT_FALSE(app.windows.askAlertAnswered);
  EXPECT_TRUE(app.frmZ.cmdAlertNone->visible());
  EXPECT_EQ(h.Caption("cmdAlertNone"), "None");
  EXPECT_EQ(app.frmZ.cmdAlertNone->backColor(), 0xFFC0C0u);
}

// The substitute table with a marked player at it; the companion's own timer runs.
TEST(AlertTableTest, AMarkedPlayerIsAlertedAtTheTableAfterARestart) {
  Harness h("AlertTable");
  ASSERT_TRUE(h.Start());
  RefreshAlertMenu(h.app(), {"Alice_n", "bobby_77", "Carol_s", "dave_w"});
  WhenReasonAsked(h, [](VirtualProgram& p) {
    Type(p, "Cheater");
    PressEnter(p);
  });
  ASSERT_TRUE(h.program->clickMenu("frmZ", "menuPlayer1"));
  const std::string written = ReadAll(h.folder / "Alert.TXT");
  ASSERT_EQ(written, Header + "bobby_77(Cheater),");
  // A strong alert for someone else, typed into the file by hand.
  {
    std::ofstream(h.folder / "Alert.TXT", std::ios::binary | std::ios::app) << "\r\n{zed_999}";
  }

  // The program ends and starts again in the same folder.
  h.companion.reset();
  h.program.reset();
  ASSERT_TRUE(h.Start(false));
  App& app = h.app();
  EXPECT_FALSE(app.frmZ.AlertName->visible());

  auto tableProgram = h.desktop.startProgram("SpadesTable", h.folder.string());
  table::TableClientOptions options;
  options.game.names = {"Alice_n", "bobby_77", "Carol_s", "dave_w"};
  options.maxDeals = 1;
  table::TableClient table(*tableProgram, *tableProgram, options);
  ASSERT_TRUE(table.Open());
  ASSERT_TRUE(h.desktop.runUntil([&] { return app.frmZ.AlertName->visible(); }, 5 * 60 * 1000));
  const Label& alert = *app.frmZ.AlertName;
  EXPECT_EQ(alert.caption(), "bobby_77(Cheater)");
  EXPECT_EQ(alert.foreColor(), AlertPink);
  EXPECT_EQ(alert.font().size, 12);
  EXPECT_EQ(table.dealsPlayed(), 0);  // found in the room, before any hand was recorded
  EXPECT_EQ(h.SoundsOf("SystemExclamation"), 1);
  table.Close();
  ASSERT_TRUE(h.desktop.runUntil([&] { return app.loop.OnlineState == WentOffline; }, 60000));
  EXPECT_FALSE(alert.visible());

  // Another table, where the player of the strong entry sits.
  options.game.names = {"Alice_n", "Carol_s", "zed_999", "dave_w"};
  table::TableClient next(*tableProgram, *tableProgram, options);
  ASSERT_TRUE(next.Open());
  ASSERT_TRUE(h.desktop.runUntil([&] { return alert.visible(); }, 5 * 60 * 1000));
  EXPECT_EQ(alert.caption(), "zed_999");
  EXPECT_EQ(alert.foreColor(), AlertRed);
  EXPECT_EQ(alert.font().size, 18);
  next.Close();
  h.desktop.runFor(2000);
}

}  // namespace
}  // namespace scorlet::companion
