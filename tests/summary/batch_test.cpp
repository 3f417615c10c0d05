// The batch over a Work folder: which deals go onto which page, the page names, the score
// table, and what the log says.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "tests/common/TestFolder.h"

#include "summary/BatchDriver.h"
#include "summary/HtmlText.h"
#include "tests/summary/GameCorpus.h"

namespace scorlet::summary {
namespace {

using testing::CountOf;
using testing::FreshFolder;
using testing::GameStyle;
using testing::PlayGame;
using testing::ReadAll;
using testing::TextLog;
using testing::WriteGame;
using testing::Year;

struct Folders {
  std::filesystem::path work;
  std::filesystem::path out;
};

Folders MakeFolders(const std::string& name) {
  const auto base = FreshFolder(name);
  Folders folders{base / "Work", base / "GameRec"};
  std::filesystem::create_directories(folders.work);
  std::filesystem::create_directories(folders.out);
  return folders;
}

BatchResult RunOver(const Folders& folders, const PageOptions& options, TextLog& log) {
  return testing::RunBatchOver(folders.work, folders.out, options, log);
}

TEST(Batch, OneGameGivesOnePageWithEveryDealAndItsScores) {
  const Folders folders = MakeFolders("one_game");
  const auto game = PlayGame({.seed = 7, .nils = true});
  ASSERT_GE(game.size(), 5u);
  const auto& last = game.back().ScoreRows[game.back().ScoreRowCount];
  ASSERT_TRUE(last[0] >= 500 || last[2] >= 500);
  WriteGame(folders.work, game, 3, 14, 1);
  PageOptions options;
  options.textOutput = true;
  TextLog log;
  const BatchResult result = RunOver(folders, options, log);

  ASSERT_EQ(result.pages, std::vector<std::string>{Year() + "_03_14.htm"});
  const std::string html = ReadAll(folders.out / result.pages[0]);
  EXPECT_EQ(CountOf(html, "<div id=\"Nr"), static_cast<int>(game.size()));
  EXPECT_EQ(CountOf(html, "<a href=\"#Nr"), static_cast<int>(game.size()));
  // Each score-table row holds the numbers of its deal's work file.
  const std::size_t tableEnd = html.find("</table>");
  for (std::size_t k = 1; k <= game.size(); ++k) {
    const auto& row = game[k - 1].ScoreRows[k];
    std::string expected = std::to_string(k) + "&nbsp;&nbsp;&nbsp;</a>\r\n";
    for (const int value : row) expected += " <td>" + HtmlNumber(value) + "\r\n";
    const std::size_t at = html.find(expected);
    EXPECT_NE(at, std::string::npos) << "deal " << k;
    EXPECT_LT(at, tableEnd);
  }
  // Each deal section shows its own file's bids and tricks, in the order North, South, East, West.
  for (std::size_t k = 1; k <= game.size(); ++k) {
    const HandRecord& record = game[k - 1];
    std::string bids = " <tr><td>Bids\r\n";
    std::string tricks = " <tr><td>Tricks\r\n";
    for (const int seat : {0, 2, 1, 3}) {
      bids += " <td><span class=vd>" + record.Bids[seat] + "</span>\r\n";
      const std::string taken = std::to_string(record.TricksWon[seat]);
      const bool failedNil = BidKindOf(record.Bids[seat]) != BidOrdinary && record.TricksWon[seat] > 0;
      tricks += " <td>" + (failedNil ? "<span class=rd>" + taken + "</span>" : taken) + "\r\n";
    }
    const std::size_t section = html.find("<div id=\"Nr" + std::to_string(k) + "\">");
    const std::size_t next = html.find("<hr class=hr2>", section);
    EXPECT_LT(html.find(bids + tricks, section), next) << "deal " << k;
  }
  // The dealer is the seat that led trick 1: the corpus rotates it North, East, South, ...
  EXPECT_NE(html.find(": Deal &#35;1  Dealer: North</div>"), std::string::npos);
  EXPECT_NE(html.find(": Deal &#35;2  Dealer: East</div>"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folders.out / "BAK.htm"));

  const std::string text = ReadAll(folders.out / (Year() + "_03_14.txt"));
  EXPECT_EQ(CountOf(text, ": Deal #"), static_cast<int>(game.size()));
  const auto& final = game.back().ScoreRows[game.size()];
  EXPECT_NE(text.find(" Total  " + Str4(final[0]) + " (" + Str4(final[1]) + ")   " +
                      Str4(final[2]) + " (" + Str4(final[3]) + ")"),
            std::string::npos);
  EXPECT_NE(log.all.find("  " + result.pages[0] + "  <==  " + std::to_string(game.size()) +
                           " Deals"),
            std::string::npos);
}

TEST(Batch, SecondRunWritesSuffixedPagesAndKeepsTheFirst) {
  const Folders folders = MakeFolders("second_run");
  WriteGame(folders.work, PlayGame({.seed = 3, .maxDeals = 4}), 3, 14, 1);
  TextLog log;
  const auto first = RunOver(folders, {}, log);
  const std::string before = ReadAll(folders.out / first.pages.at(0));
  const auto second = RunOver(folders, {}, log);
  const auto third = RunOver(folders, {}, log);
  EXPECT_EQ(second.pages.at(0), Year() + "_03_140A.htm");
  EXPECT_EQ(third.pages.at(0), Year() + "_03_141A.htm");
  EXPECT_EQ(ReadAll(folders.out / first.pages.at(0)), before);
}

TEST(Batch, PageNamesGoOnPast999AAndNeverOverwriteAPage) {
  const Folders folders = MakeFolders("many_names");
  const std::string y = Year();
  scorlet::testing::WriteBytes(folders.out / (y + "_03_14.htm"), "old");
  scorlet::testing::WriteBytes(folders.out / (y + "_03_14998A.txt"), "old");
  scorlet::testing::WriteBytes(folders.out / (y + "_03_14999a.HTM"), "old");
  scorlet::testing::WriteBytes(folders.out / (y + "_03_1400A.htm"), "not a suffix of _03_14");
  WriteGame(folders.work, PlayGame({.seed = 3, .maxDeals = 2}), 3, 14, 1);
  WriteGame(folders.work, PlayGame({.seed = 4, .maxDeals = 2}), 3, 14, 3);
  TextLog log;
  const auto result = RunOver(folders, {}, log);
  EXPECT_EQ(result.pages, (std::vector<std::string>{y + "_03_141000A.htm", y + "_03_141001A.htm"}));
  EXPECT_EQ(ReadAll(folders.out / (y + "_03_14999a.HTM")), "old");

  PageNames names(folders.out);
  EXPECT_EQ(names.Take(y + "_03_14"), "1002A");
  EXPECT_EQ(names.Take(y + "_03_14"), "1003A");  // each name once
  EXPECT_EQ(names.Take(y + "_03_140"), "1A");  // "_03_1400A" is its "0A"
  EXPECT_EQ(names.Take(y + "_03_15"), "");
  EXPECT_EQ(names.Take(y + "_03_15"), "0A");
}

// A game that ends begins a new page; so does a file whose score table did not grow (a game
// left after a few deals and a new one started the same day), and a new day.
TEST(Batch, PagesSplitByDayAndByGameAndNoDealIsLost) {
  const Folders folders = MakeFolders("split");
  const auto game1 = PlayGame({.seed = 11});
  const auto abandoned = PlayGame({.seed = 21, .maxDeals = 4});
  const auto game3 = PlayGame({.seed = 12, .maxDeals = 3});
  const auto game4 = PlayGame({.seed = 13, .maxDeals = 5});
  const int first = static_cast<int>(game1.size()) + 1;
  WriteGame(folders.work, game1, 3, 14, 1);
  WriteGame(folders.work, abandoned, 3, 14, first);
  WriteGame(folders.work, game3, 3, 14, first + 4);
  WriteGame(folders.work, game4, 3, 15, 1);
  TextLog log;
  const auto result = RunOver(folders, {}, log);
  const std::string y = Year();
  ASSERT_EQ(result.pages, (std::vector<std::string>{y + "_03_14.htm", y + "_03_140A.htm",
                                                     y + "_03_141A.htm", y + "_03_15.htm"}));
  EXPECT_EQ(result.dealsWritten,
            static_cast<int>(game1.size() + abandoned.size() + game3.size() + game4.size()));
  EXPECT_EQ(CountOf(ReadAll(folders.out / result.pages[1]), "<div id=\"Nr"), 4);
  EXPECT_EQ(CountOf(ReadAll(folders.out / result.pages[2]), "<div id=\"Nr"), 3);
}

TEST(Batch, APageStartingMidGameShowsTheScoreBeforeIt) {
  const Folders folders = MakeFolders("mid_game");
  const auto game = PlayGame({.seed = 5, .maxDeals = 6});
  // The game went on past midnight: deals 4 to 6 are of the next day.
  WriteGame(folders.work, {game.begin(), game.begin() + 3}, 3, 14, 1);
  WriteGame(folders.work, {game.begin() + 3, game.end()}, 3, 15, 1);
  TextLog log;
  const auto result = RunOver(folders, {}, log);
  ASSERT_EQ(result.pages.size(), 2u);
  const std::string html = ReadAll(folders.out / result.pages[1]);
  std::string before = "<tr>\r\n <td>\r\n";
  for (const int value : game[2].ScoreRows[3]) before += " <td>" + HtmlNumber(value) + "\r\n";
  EXPECT_NE(html.find(before), std::string::npos);
  EXPECT_EQ(CountOf(ReadAll(folders.out / result.pages[0]), "<tr>\r\n <td>\r\n"), 0);
}

TEST(Batch, EmptyWorkFolderSaysSoAndOneThatCannotBeListedIsAFailure) {
  const Folders folders = MakeFolders("empty");
  TextLog log;
  const auto result = RunOver(folders, {}, log);
  EXPECT_TRUE(result.pages.empty());
  EXPECT_TRUE(std::filesystem::is_empty(folders.out));
  EXPECT_NE(log.all.find(" No files in the Work folder."), std::string::npos);
  EXPECT_NE(log.all.find(" Number of work files (spd) input = 0"), std::string::npos);

  std::filesystem::remove(folders.work);
  scorlet::testing::WriteBytes(folders.work, "a file where the folder should be");
  TextLog unlisted;
  EXPECT_FALSE(RunOver(folders, {}, unlisted).workListed);
  EXPECT_NE(unlisted.all.find(" The \"Work\" folder cannot be read: "), std::string::npos);
  EXPECT_EQ(unlisted.all.find("No files in the Work folder"), std::string::npos);
}

TEST(Batch, UnreadableWorkFileIsReportedAndSkipped) {
  const Folders folders = MakeFolders("unreadable");
  auto stems = WriteGame(folders.work, PlayGame({.seed = 8, .maxDeals = 3}), 3, 14, 1);
  stems.insert(stems.begin() + 1, "03_14_099");  // listed, but gone by the time it is read
  TextLog log;
  const BatchContext context{folders.work, folders.out, {}, CodePage::Western, "now"};
  BatchDriver driver(context, log);
  const auto result = driver.RunStems(stems);
  EXPECT_EQ(result.unreadable, std::vector<std::string>{"03_14_099.spd"});
  EXPECT_EQ(result.dealsWritten, 3);
  EXPECT_EQ(result.pages.size(), 1u);
  EXPECT_NE(log.all.find("03_14_099.spd"), std::string::npos);
}

TEST(Batch, PageThatCannotBeWrittenLeavesNothingAndIsReported) {
  const Folders folders = MakeFolders("cannot_write");
  WriteGame(folders.work, PlayGame({.seed = 9, .maxDeals = 2}), 3, 14, 1);
  const Folders broken{folders.work, folders.out / "missing" / "deeper"};
  PageOptions options;
  options.textOutput = true;
  TextLog log;
  const auto result = RunOver(broken, options, log);
  EXPECT_TRUE(result.pages.empty());
  const std::string stem = Year() + "_03_14";
  EXPECT_EQ(result.failed, (std::vector<std::string>{stem + ".htm", stem + ".txt", stem + ".gif",
                                                      "index.htm", "players.htm"}));
  EXPECT_NE(log.all.find("Could not write: " + Year() + "_03_14.htm (No such file or directory)"),
            std::string::npos);
  EXPECT_EQ(log.all.find("<=="), std::string::npos);
  EXPECT_EQ(log.all.find("The above files have been made"), std::string::npos);
  EXPECT_NE(log.all.find(" No file could be made in the folder"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(broken.out));
}

TEST(Batch, ScoreTableSitsBetweenHeadAndFirstDealOrIsLeftOut) {
  const Folders folders = MakeFolders("score_place");
  WriteGame(folders.work, PlayGame({.seed = 4, .maxDeals = 2}), 3, 14, 1);
  TextLog log;
  const std::string html = ReadAll(folders.out / RunOver(folders, {}, log).pages.at(0));
  const auto note = html.find(" Generated by ScorletSut.exe Ver 2.5 -->\r\n");
  const auto table = html.find("<div class=ctr>\r\n<table border=1 class=score>");
  ASSERT_NE(note, std::string::npos);
  EXPECT_LT(note, table);
  EXPECT_LT(table, html.find("<hr class=hr2>"));
  EXPECT_NE(html.find("<caption><b>Spade Score</b> (" + Year() + "/03/14)</caption>"),
            std::string::npos);

  PageOptions options;
  options.scoreTable = false;
  const std::string without = ReadAll(folders.out / RunOver(folders, options, log).pages.at(0));
  EXPECT_EQ(without.find("class=score>"), std::string::npos);
  EXPECT_EQ(CountOf(without, "<div id=\"Nr"), 2);
}

TEST(Batch, OddlyNamedAndDoubledLineEndFilesAreReadAndDamageIsNamed) {
  const Folders folders = MakeFolders("odd_files");
  const auto game = PlayGame({.seed = 14, .maxDeals = 4});
  const auto stems = WriteGame(folders.work, game, 3, 14, 1);
  TextLog log;
  const auto clean = RunOver(folders, {}, log);
  const std::string cleanPage = ReadAll(folders.out / clean.pages.at(0));
  std::filesystem::remove_all(folders.out);
  std::filesystem::create_directories(folders.out);

  // Every file copied through two line-end conversions; one with an upper-case extension,
  // one whose name is not UTF-8.
  for (const std::string& stem : stems) {
    std::string doubled;
    for (char c : ReadAll(folders.work / (stem + ".spd"))) {
      doubled += c == '\r' ? std::string("\r\r") : std::string(1, c);
    }
    scorlet::testing::WriteBytes(folders.work / (stem + ".spd"), doubled);
  }
  std::filesystem::rename(folders.work / (stems[1] + ".spd"), folders.work / (stems[1] + ".SPD"));
  std::filesystem::rename(folders.work / (stems.back() + ".spd"),
                          folders.work / (stems.back().substr(0, 8) + "\xFF.spd"));
  // A damaged file whose name carries an escape byte: read as far as it goes, and named.
  scorlet::testing::WriteBytes(folders.work / "03_15_\x1b[1.spd", "A, B, C, D\r\n");
  const auto result = RunOver(folders, {}, log);
  EXPECT_TRUE(result.unreadable.empty());
  EXPECT_EQ(result.dealsWritten, static_cast<int>(game.size()) + 1);
  EXPECT_EQ(result.damaged, std::vector<std::string>{"03_15_?[1.spd"});
  EXPECT_NE(log.all.find("damaged, shown as far as it can be read: 03_15_?[1.spd"),
            std::string::npos);
  EXPECT_EQ(log.all.find('\x1b'), std::string::npos);
  EXPECT_EQ(ReadAll(folders.out / result.pages.at(0)), cleanPage);
}

}  // namespace
}  // namespace scorlet::summary
