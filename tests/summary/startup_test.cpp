// Start-up of the utility: where it may run, the initialisation file, the language, and the
// log window with its End button on the virtual desktop.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "common/TextUtil.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"
#include "summary/FormsShell.h"
#include "summary/UtilityStart.h"
#include "tests/summary/GameCorpus.h"

namespace scorlet::summary {
namespace {

using testing::FreshFolder;
using testing::PlayGame;
using testing::WriteGame;

class FakeShell final : public UtilityShell {
 public:
  explicit FakeShell(std::filesystem::path folder) : folder(std::move(folder)) {}
  LogSink& log() override { return log_; }
  std::filesystem::path appFolder() override { return folder; }
  bool previousInstance() override { return secondCopy; }
  int ansiCodePage() override { return codePage; }
  bool fontInstalled(std::string_view name) override { return name == "メイリオ" && meiryo; }
  void setLanguage(bool japanese, const std::string& chosen) override {
    this->japanese = japanese;
    font = chosen;
  }
  bool fitsInLog(std::string_view, double) override { return wideLog; }
  void armEscape() override { escapeArmed = true; }
  void waitBeforeEnd(double seconds) override { waited = seconds; }
  const std::string& text() const { return log_.all; }

  std::filesystem::path folder;
  bool secondCopy = false;
  int codePage = 1252;
  bool meiryo = true;
  bool wideLog = true;
  bool japanese = false;
  std::string font;
  bool escapeArmed = false;
  double waited = 0;

 private:
  testing::TextLog log_;
};

std::filesystem::path AppWithGame(const std::string& name, const std::string& ini = "") {
  const auto app = FreshFolder(name);
  WriteGame(app / "Work", PlayGame({.seed = 6, .maxDeals = 3}), 3, 14, 1);
  if (!ini.empty()) std::ofstream(app / "ScorletS.INI") << ini;
  return app;
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(Startup, WithoutIniTheStandardSettingsAreUsedAndTheBatchRuns) {
  FakeShell shell(AppWithGame("no_ini"));
  const auto outcome = FormLoad(shell);
  EXPECT_EQ(outcome.result, StartResult::Done);
  EXPECT_EQ(outcome.batch.dealsWritten, 3);
  EXPECT_TRUE(Has(shell.text(), "  Initialization file\n"));
  EXPECT_TRUE(Has(shell.text(), "ScorletS.INI\n  is not found.\n"));
  EXPECT_TRUE(Has(shell.text(), "  ScorletSut.exe  is running with standard setting.\n"));
  EXPECT_TRUE(Has(shell.text(), " Now preparing summary files in HTML.\n"));
  EXPECT_TRUE(std::filesystem::exists(shell.folder / "GameRec"));

  FakeShell narrow(AppWithGame("no_ini_narrow"));
  narrow.wideLog = false;
  FormLoad(narrow);
  EXPECT_TRUE(Has(narrow.text(), "no_ini_narrow\n  /ScorletS.INI  is not found.\n"));
}

TEST(Startup, IniChoosesTextOutputAndSuitImages) {
  FakeShell shell(AppWithGame("with_ini", "Text Output=yes\r\nSuit Marks=Giff\r\nstrict=no\r\n"));
  const auto outcome = FormLoad(shell);
  ASSERT_EQ(outcome.batch.pages.size(), 1u);
  EXPECT_FALSE(Has(shell.text(), "is not found"));
  EXPECT_TRUE(Has(shell.text(), " Now preparing summary files in HTML / Text.\n"));
  const auto out = shell.folder / "GameRec";
  for (const char* gif : {"C.gif", "D.gif", "H.gif", "S.gif"}) EXPECT_TRUE(std::filesystem::exists(out / gif));
  const std::string html = testing::ReadAll(out / outcome.batch.pages[0]);
  EXPECT_TRUE(Has(html, "Transitional"));
  EXPECT_TRUE(Has(html, "<img src=\"S.gif\" alt=\"S\">"));
  EXPECT_TRUE(std::filesystem::exists(out / (outcome.batch.pages[0].substr(0, 10) + ".txt")));
}

TEST(Startup, IndexPagesKeyTurnsTheIndexPicturesAndPlayersPageOff) {
  FakeShell on(AppWithGame("index_default"));
  const auto written = FormLoad(on).batch;
  EXPECT_EQ(written.indexPages, (std::vector<std::string>{"index.htm", "players.htm"}));
  EXPECT_EQ(written.pictures.size(), 1u);
  EXPECT_TRUE(Has(on.text(), "\n  index.htm\n\n  players.htm\n"));

  FakeShell off(AppWithGame("index_off", "index pages = No\r\n"));
  const auto outcome = FormLoad(off);
  ASSERT_EQ(outcome.batch.pages.size(), 1u);
  EXPECT_TRUE(outcome.batch.indexPages.empty());
  EXPECT_TRUE(outcome.batch.pictures.empty());
  EXPECT_FALSE(std::filesystem::exists(off.folder / "GameRec" / "index.htm"));
  EXPECT_FALSE(std::filesystem::exists(off.folder / "GameRec" / "players.htm"));
  EXPECT_FALSE(Has(off.text(), "index.htm"));
}

TEST(Startup, FailedChecksShowTheirNoticeAndEndAfterTheWait) {
  {
    FakeShell shell(AppWithGame("second_copy"));
    shell.secondCopy = true;
    EXPECT_EQ(FormLoad(shell).result, StartResult::Aborted);
    EXPECT_TRUE(Has(shell.text(), "  You are going to start ScorletSut.exe again.\n"));
    EXPECT_TRUE(Has(shell.text(), "  Click END (or ESC) button and terminate job.\n"));
    EXPECT_TRUE(shell.escapeArmed);
    EXPECT_EQ(shell.waited, 10);
  }
  {
    FakeShell shell(std::filesystem::path("/home/user/Local Settings/Temp/ScorletS25"));
    EXPECT_EQ(FormLoad(shell).result, StartResult::Aborted);
    EXPECT_TRUE(Has(shell.text(), "  UnZip the archived file ScorletS25zip before starting \n\n"
                                  "  ScorletSut.exe.\n"));
    EXPECT_TRUE(Has(shell.text(), "  App.Path = /home/user/Local Settings/Temp/ScorletS25\n"));
  }
  {
    const auto app = FreshFolder("no_work");
    FakeShell shell(app);
    EXPECT_EQ(FormLoad(shell).result, StartResult::Aborted);
    EXPECT_TRUE(Has(shell.text(), " \"Work\" folder is absent.\n"));
    EXPECT_FALSE(std::filesystem::exists(app / "GameRec"));
  }
  {
    const auto app = AppWithGame("gamerec_is_a_file");
    std::ofstream(app / "GameRec") << "in the way";
    FakeShell shell(app);
    EXPECT_EQ(FormLoad(shell).result, StartResult::Aborted);
    EXPECT_TRUE(Has(shell.text(), "  GameRec\n"));
    EXPECT_TRUE(Has(shell.text(), " is not a folder.\n"));
    EXPECT_FALSE(Has(shell.text(), " is absent."));
  }
  // An unknown key stops the start (control characters in it shown as "?").
  for (const auto& [ini, shown] : std::vector<std::pair<std::string, std::string>>{
           {"Text Output=yes\r\nTextOutput=yes\r\n", "  TextOutput=yes   Illegal Keyword!\n"},
           {"IndexPages=no\r\n", "  IndexPages=no   Illegal Keyword!\n"},
           {"Text\x07Output=\x1b[2Jyes\r\n", "  Text?Output=?[2Jyes   Illegal Keyword!\n"}}) {
    FakeShell shell(AppWithGame("bad_key", ini));
    EXPECT_EQ(FormLoad(shell).result, StartResult::Aborted) << shown;
    EXPECT_TRUE(Has(shell.text(), shown)) << shell.text();
  }
  EXPECT_TRUE(IsArchiveOrTempFolder("C:\\Windows\\x"));
  EXPECT_TRUE(IsArchiveOrTempFolder("D:\\Downloads\\ScorletS25.zip\\ScorletS"));
  EXPECT_FALSE(IsArchiveOrTempFolder("C:\\Games\\ScorletS"));
}

TEST(Startup, JapaneseSystemWithJpnSpeaksJapaneseAndWritesShiftJis) {
  FakeShell shell(AppWithGame("japanese", "JPN=yes\r\n"));
  shell.codePage = 932;
  const auto outcome = FormLoad(shell);
  EXPECT_TRUE(shell.japanese);
  EXPECT_EQ(shell.font, "メイリオ");
  EXPECT_TRUE(Has(shell.text(), " ゲーム記録ファイルを作成します.\n"));
  EXPECT_TRUE(Has(shell.text(), " 入力された作業ファイル (spd) = 3 個.\n"));
  ASSERT_EQ(outcome.batch.pages.size(), 1u);
  const std::string html = testing::ReadAll(shell.folder / "ゲーム記録" / outcome.batch.pages[0]);
  EXPECT_TRUE(Has(html, "charset=Shift_JIS"));
  EXPECT_TRUE(Has(html, ToAnsi("<caption><b>スペード スコア</b>", CodePage::Japanese)));
  const std::string index = testing::ReadAll(shell.folder / "ゲーム記録" / "index.htm");
  EXPECT_TRUE(Has(index, "charset=Shift_JIS"));
  EXPECT_TRUE(Has(index, ToAnsi("<caption><b>ゲーム一覧</b></caption>", CodePage::Japanese)));
  const std::string players = testing::ReadAll(shell.folder / "ゲーム記録" / "players.htm");
  EXPECT_TRUE(Has(players, ToAnsi("<td>ダブルニル成功", CodePage::Japanese)));

  FakeShell english(AppWithGame("jpn_on_western", "JPN=yes\r\n"));
  english.meiryo = false;
  FormLoad(english);
  EXPECT_FALSE(english.japanese);
  EXPECT_TRUE(Has(english.text(), " Number of work files (spd) input = 3\n"));
}

TEST(Startup, LogWindowShowsTheRunAndEndClosesIt) {
  const auto app = AppWithGame("window");
  VirtualDesktop desktop;
  auto program = desktop.startProgram("ScorletSut", app.string());
  FormsShell shell(*program, *program);
  const auto outcome = FormLoad(shell);
  EXPECT_EQ(outcome.result, StartResult::Done);
  EXPECT_EQ(program->caption("frmZ", ""), "ScorletSut 2.5");
  EXPECT_EQ(program->caption("frmZ", "cmdEnd"), "END");
  const auto texts = program->drawnTexts("frmZ");
  EXPECT_NE(std::find(texts.begin(), texts.end(), "  Click END button and finish job."), texts.end());
  // A long log keeps its newest lines in sight above the End button.
  Form& window = *program->findForm("frmZ");
  for (int i = 0; i < 200; ++i) shell.log().PrintLine("line " + std::to_string(i));
  EXPECT_LE(window.printState().y, window.control("cmdEnd")->bounds().top);
  ASSERT_TRUE(program->clickControl("frmZ", "cmdEnd"));
  EXPECT_TRUE(program->quitting());
}

// Every file under the folder with its bytes.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files[entry.path().string()] = testing::ReadAll(entry.path());
  }
  return files;
}

// Desktops that take the lock files stand for separate processes.
TEST(Startup, ASecondCopyInTheSameFolderTouchesNothingAndFails) {
  const auto app = AppWithGame("second_copy");
  VirtualDesktopConfig locking;
  locking.folderLocks = true;
  VirtualDesktop firstDesktop(locking);
  auto first = firstDesktop.startProgram("ScorletSut", app.string());
  ASSERT_FALSE(first->previousInstance("ScorletSut"));
  const auto before = Snapshot(app);

  VirtualDesktop secondDesktop(locking);
  auto second = secondDesktop.startProgram("ScorletSut", app.string());
  EXPECT_EQ(RunSummaryProgram(*second, *second), 1);
  const auto texts = second->drawnTexts("frmZ");
  EXPECT_NE(std::find(texts.begin(), texts.end(), "  You are going to start ScorletSut.exe again."),
            texts.end());
  EXPECT_EQ(Snapshot(app), before);
  EXPECT_FALSE(std::filesystem::exists(app / "GameRec"));

  // The lock goes with the copy that held it; the file it leaves does not stop the next run.
  first.reset();
  EXPECT_TRUE(std::filesystem::exists(app / "ScorletSut.lck"));
  VirtualDesktop thirdDesktop(locking);
  auto third = thirdDesktop.startProgram("ScorletSut", app.string());
  FormsShell shell(*third, *third);
  const auto outcome = FormLoad(shell);
  EXPECT_EQ(outcome.result, StartResult::Done);
  EXPECT_EQ(outcome.batch.dealsWritten, 3);
}

}  // namespace
}  // namespace scorlet::summary
