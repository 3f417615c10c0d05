// Start-up on the virtual desktop: every branch that goes on and every branch that stops.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/TextUtil.h"
#include "companion/main/Texts.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

using testing::Harness;

TEST(StartupTest, WithoutIniFileRunsOnStandardSettings) {
  Harness h("NoIni");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  EXPECT_EQ(app.frmZ.form->caption(), "ScorletS  2.5");
  // A long folder path is printed on a line of its own.
  EXPECT_TRUE(h.Printed("  is not found.") || h.Printed("  /ScorletS.INI  is not found."));
  EXPECT_TRUE(h.Printed("  ScorletS.exe is running with standard setting."));
  EXPECT_TRUE(std::filesystem::is_directory(h.folder / "Work"));
  // The defaults switch both captures on, with their effects.
  EXPECT_TRUE(h.program->menuChecked("frmZ", "menuBid"));
  EXPECT_TRUE(h.program->menuChecked("frmZ", "menuHand"));
  EXPECT_TRUE(app.frmZ.cmdBid->font().bold);
  EXPECT_TRUE(app.loop.slots.Armed(SlotBidCapture));
  EXPECT_EQ(app.frmZ.cmdBid->backColor(), ArmedColor);
  EXPECT_EQ(app.loop.TimerInterval, 500);
  EXPECT_EQ(app.loop.OnlineState, NeverOnline);
  // The window sits at the right edge of the screen.
  EXPECT_EQ(app.frmZ.form->bounds().right, h.desktop.config().screen.width);
  for (Label* l : app.frmZ.Lbl) EXPECT_TRUE(l->visible());
  EXPECT_FALSE(app.frmZ.cmdTimer->visible());
}

TEST(StartupTest, IniSettingsReachTheWindow) {
  Harness h("IniSettings");
  h.WriteIni("AutoCapt Bid=no\r\nlog=events.log\r\nlink=uk\r\nAlertNilBids=yes\r\n"
             "MyYahooID=me_here\r\nBackColor=ffe0e0\r\n");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  EXPECT_FALSE(h.PrintedPrefix("  Initialization file "));
  EXPECT_FALSE(h.program->menuChecked("frmZ", "menuBid"));
  EXPECT_FALSE(app.loop.slots.Armed(SlotBidCapture));
  EXPECT_TRUE(app.frmZ.menuRestart->visible());
  EXPECT_EQ(app.frmZ.menuLink[1]->caption(), "Yahoo! Spades UK");
  EXPECT_TRUE(h.program->menuChecked("frmZ", "menuSomeBidNil"));
  EXPECT_TRUE(h.program->menuChecked("frmZ", "menuSeat4"));
  EXPECT_EQ(app.frmZ.form->backColor(), 0xFFE0E0u);
  EXPECT_EQ(app.frmZ.cmdTimer->backColor(), LightBlue);
  // Without the Japanese fonts the Japanese link items are neither shown nor usable.
  EXPECT_FALSE(app.frmZ.menuLink[2]->visible());
  EXPECT_FALSE(h.program->clickMenu("frmZ", "menuLink3"));
}

TEST(StartupTest, IllegalKeywordStopsAfterTenSeconds) {
  Harness h("IllegalKeyword");
  h.WriteIni("AutoCapt Bid=yes\r\nAutoCapt  Hand=yes\r\n");
  const std::uint32_t t0 = h.desktop.now();
  EXPECT_FALSE(h.Start());
  App& app = h.app();
  EXPECT_TRUE(h.Printed("  AutoCapt  Hand=yes   Illegal Keyword!"));
  EXPECT_TRUE(h.Printed("  Click END (or ESC) and terminate job."));
  EXPECT_TRUE(h.Printed("  Waiting . . ."));
  EXPECT_GE(h.desktop.now() - t0, 10000u);
  EXPECT_TRUE(h.program->quitting());
  EXPECT_EQ(app.loop.endCode, ExitStopped);
  // Stop mode shows only the End button, which Esc presses; nothing was created.
  EXPECT_TRUE(app.frmZ.cmdEnd->visible());
  EXPECT_TRUE(app.frmZ.cmdEnd->isCancel());
  EXPECT_FALSE(app.frmZ.cmdBid->visible());
  EXPECT_FALSE(app.frmZ.filBox->visible());
  EXPECT_FALSE(app.frmZ.Timer1->enabled());
  EXPECT_FALSE(std::filesystem::exists(h.folder / "Work"));
}

TEST(StartupTest, EscEndsStopModeAtOnce) {
  Harness h("StopEsc");
  h.WriteIni("NoSuchKey=1\r\n");
  const std::uint32_t t0 = h.desktop.now();
  VirtualProgram* program = nullptr;
  h.desktop.schedule(t0 + 2000, [&] { program->pressKey("frmZ", KeyEvent{Key::Escape}); });
  program = (h.program = h.desktop.startProgram("ScorletS", h.folder.string())).get();
  h.companion = std::make_unique<Companion>(*program, *program);
  EXPECT_FALSE(h.companion->Start());
  EXPECT_LT(h.desktop.now() - t0, 3000u);
  EXPECT_TRUE(program->quitting());
}

TEST(StartupTest, SecondCopyStopsWithoutTouchingTheWorkFolder) {
  Harness h("SecondCopy");
  auto first = h.desktop.startProgram("ScorletS", h.folder.string());
  const std::uint32_t t0 = h.desktop.now();
  EXPECT_FALSE(h.Start());
  EXPECT_GE(h.desktop.now() - t0, 10000u);
  EXPECT_TRUE(h.Printed("  You are going to start ScorletS.exe again."));
  EXPECT_TRUE(h.Printed("  Waiting . . ."));
  EXPECT_EQ(h.app().loop.endCode, ExitStopped);
  EXPECT_FALSE(std::filesystem::exists(h.folder / "Work"));
}

// Desktops that take the lock files stand for separate processes.
TEST(StartupTest, ACopyInTheSameFolderFindsTheLockAndStaleTemporaryFilesAreCleared) {
  VirtualDesktopConfig locking;
  locking.folderLocks = true;
  Harness h("FolderLock", locking);
  const auto work = h.folder / "Work";
  std::filesystem::create_directories(work);
  std::ofstream(work / "~scorlet4711_3.tmp") << "cut short";
  std::ofstream(work / "notes.tmp") << "the user's";
  ASSERT_TRUE(h.Start());
  EXPECT_FALSE(std::filesystem::exists(work / "~scorlet4711_3.tmp"));
  EXPECT_TRUE(std::filesystem::exists(work / "notes.tmp"));

  std::ofstream(work / "~scorlet4711_4.tmp") << "the first copy's own";
  VirtualDesktop other(locking);
  auto program = other.startProgram("ScorletS", h.folder.string());
  Companion second(*program, *program);
  EXPECT_FALSE(second.Start());
  EXPECT_EQ(second.app().loop.endCode, ExitStopped);
  EXPECT_TRUE(std::filesystem::exists(work / "~scorlet4711_4.tmp"));

  // A run that ended leaves its lock file, which does not stop the next.
  h.companion.reset();
  h.program.reset();
  VirtualDesktop later(locking);
  auto next = later.startProgram("ScorletS", h.folder.string());
  Companion third(*next, *next);
  EXPECT_TRUE(third.Start());
}

TEST(StartupTest, TemporaryFolderStops) {
  // "Template" holds "TEMP": any such folder counts as temporary.
  Harness h("Template");
  EXPECT_FALSE(h.Start());
  EXPECT_TRUE(h.Printed("  UnZip ScorletS25.zip before starting"));
  EXPECT_TRUE(h.Printed("  ScorletS.exe."));
  EXPECT_TRUE(h.Printed("  App.Path = " + h.folder.string()));
  EXPECT_FALSE(h.app().frmZ.cmdDelFiles->visible());
  EXPECT_FALSE(std::filesystem::exists(h.folder / "Work"));
}

// A Japanese font on a Western system does not make the refusal Japanese; a Japanese system does.
TEST(StartupTest, TemporaryFolderRefusalIsJapaneseOnlyOnAJapaneseSystem) {
  for (int codePage : {1252, 932}) {
    VirtualDesktopConfig config;
    config.codePage = codePage;
    config.fonts.push_back(std::string(kMsPGothicFont));
    Harness h("Template" + std::to_string(codePage), config);
    EXPECT_FALSE(h.Start());
    EXPECT_EQ(h.Printed("  UnZip ScorletS25.zip before starting"), codePage == 1252) << codePage;
    EXPECT_EQ(h.PrintedPrefix(std::string(texts::ZipJa1)), codePage == 932) << codePage;
  }
}

TEST(StartupTest, ArchiveOrTemporaryFolderNames) {
  EXPECT_TRUE(IsArchiveOrTempFolder("C:\\Users\\me\\AppData\\Local\\Temp\\x"));
  EXPECT_TRUE(IsArchiveOrTempFolder("C:\\Downloads\\ScorletS25.zip\\ScorletS"));
  EXPECT_TRUE(IsArchiveOrTempFolder("/tmp/scorlets"));
  EXPECT_TRUE(IsArchiveOrTempFolder("C:\\Windows\\ScorletS"));
  EXPECT_TRUE(IsArchiveOrTempFolder("D:\\My Templates\\ScorletS"));
  EXPECT_FALSE(IsArchiveOrTempFolder("C:\\Games\\ScorletS"));
  EXPECT_FALSE(IsArchiveOrTempFolder("/home/player/zipcode"));
}

// JPN=yes speaks Japanese only on a Japanese system; both looks are dumped for a person to see.
TEST(StartupTest, JapaneseInterfaceOnlyOnAJapaneseSystem) {
  VirtualDesktopConfig config;
  config.codePage = 932;
  config.fonts.push_back(std::string(kMsPGothicFont));
  Harness h("Japanese", config);
  h.WriteIni("JPN=yes\r\n");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  EXPECT_TRUE(TestOSjp(app));
  EXPECT_EQ(app.frmZ.form->caption(), "スペード用スコレット  2.5");
  EXPECT_EQ(h.Caption("cmdBid"), "ビッド");
  EXPECT_EQ(app.frmZ.cmdDEL->toolTip(), "このファイルを削除する");
  EXPECT_EQ(app.frmZ.cmdEnd->font().name, kMsPGothicFont);
  EXPECT_EQ(app.frmZ.menuSeat[4]->caption(), "自動選択");
  EXPECT_TRUE(app.frmZ.menuLink[2]->visible());
  EXPECT_EQ(app.settings.alertPlayersFile, "アラート.TXT");
  h.desktop.dumpPng(app.frmZ.form->handle(), (h.folder / "frmZ_ja.png").string());

  Harness w("JapaneseOnWestern");
  w.WriteIni("JPN=yes\r\n");
  ASSERT_TRUE(w.Start());
  EXPECT_FALSE(TestOSjp(w.app()));
  EXPECT_EQ(w.Caption("cmdEnd"), "End");
  EXPECT_EQ(w.app().frmZ.form->caption(), "ScorletS  2.5");
  EXPECT_EQ(w.app().frmZ.plName[0]->toolTip(), "Alert This Player");
  w.desktop.dumpPng(w.app().frmZ.form->handle(), (w.folder / "frmZ_en.png").string());
}

TEST(StartupTest, MenuRestartReadsTheIniFileAgain) {
  Harness h("MenuRestart");
  h.WriteIni("log=events.log\r\nWaitTime Bid=3\r\n");
  ASSERT_TRUE(h.Start());
  h.WriteIni("log=events.log\r\nWaitTime Bid=5\r\n");
  ASSERT_TRUE(h.program->clickMenu("frmZ", "menuRestart"));
  App& app = h.app();
  EXPECT_EQ(app.settings.waitTimeBidMs, 5000);
  EXPECT_TRUE(app.loop.restarted);
  EXPECT_TRUE(app.frmZ.Timer1->enabled());
  EXPECT_EQ(app.loop.OnlineState, NeverOnline);
}

}  // namespace
}  // namespace scorlet::companion
