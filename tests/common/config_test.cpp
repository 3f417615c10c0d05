#include "common/Config.h"

#include <gtest/gtest.h>

#include "tests/common/TestFolder.h"

namespace scorlet {
namespace {

namespace fs = std::filesystem;
using testing::WriteBytes;

fs::path TestFolder(const std::string& name) { return testing::TestFolder("config/" + name); }

// Settings after the defaults and the given lines, on a narrow screen.
Settings Read(const std::vector<std::string>& lines, int screenWidth = 800) {
  Settings settings = DefaultSettings(false);
  ConfigContext context{fs::current_path() / "config-none", screenWidth};
  ConfigResult result = ApplyConfigLines(lines, context, settings);
  EXPECT_FALSE(result.illegal) << result.key;
  return settings;
}

ConfigResult ReadIllegal(const std::vector<std::string>& lines, Settings& settings) {
  return ApplyConfigLines(lines, ConfigContext{fs::current_path() / "config-none", 800}, settings);
}

TEST(Config, AConfiguredFileNameIsKeptWhenTheJapaneseInterfaceComesOn) {
  Settings configured = Read({"history = Ratings.txt"});
  ApplyJapaneseFileNames(configured);
  EXPECT_EQ(configured.historyFile, "Ratings.txt");
  EXPECT_EQ(configured.alertPlayersFile, "アラート.TXT");
}

TEST(Config, KeysIgnoreCaseButNotTheirSpacing) {
  EXPECT_FALSE(Read({"autocapt bid = No"}).autoCaptBid);
  EXPECT_TRUE(Read({"autocapt bid = No", "AUTOCAPT BID=yes"}).autoCaptBid);
  Settings settings;
  ConfigResult result = ReadIllegal({"AlertTime=5", "  AutoCapt  Bid = no ", "WaitTime Bid=9"}, settings);
  EXPECT_TRUE(result.illegal);
  EXPECT_EQ(result.key, "AutoCapt  Bid");
  EXPECT_EQ(result.value, "no");
  EXPECT_EQ(settings.alertTimeMs, 5000);     // read before the bad line
  EXPECT_EQ(settings.waitTimeBidMs, 3000);   // not read after it
  EXPECT_EQ(IllegalKeywordText(result), "  AutoCapt  Bid=no   Illegal Keyword!");
}

TEST(Config, CommentsBlankLinesAndLinesWithoutEqualsAreSkipped) {
  Settings settings = Read({"# AutoCapt Bid=no", "", "AlertTime 5", "=orphan value", "   "});
  EXPECT_TRUE(settings.autoCaptBid);
  EXPECT_EQ(settings.alertTimeMs, 30000);
}

TEST(Config, QuotedValuesKeepOnlyTheQuotedPart) {
  Settings settings = Read({"AlertSound = \"SystemHand\" loud", "CFG = \"My Pos.cfg", "log=\"\""});
  EXPECT_EQ(settings.alertSound, "systemhand");
  EXPECT_EQ(settings.cfgFile, "My Pos.cfg");
  EXPECT_EQ(settings.logFile, "");
}

TEST(Config, BooleansNumbersAndSeconds) {
  Settings settings = Read({"WaitTime Bid=2.5", "WaitTime Hand=soon", "AlertTime= 12)", "DebugWindow=Yep",
                            "strict=true", "Text Output=ON", "GamePoint=500 points"});
  EXPECT_EQ(settings.waitTimeBidMs, 2500);
  EXPECT_EQ(settings.waitTimeHandMs, 0);
  EXPECT_EQ(settings.alertTimeMs, 12000);
  EXPECT_TRUE(settings.debugWindow);
  EXPECT_FALSE(settings.strict);  // only "y..." and "on" are true
  EXPECT_TRUE(settings.textOutput);
  EXPECT_EQ(settings.gamePoint, 500);
  EXPECT_EQ(Read({"AlertTime=1e12"}).alertTimeMs, INT_MAX);  // no overflow
}

TEST(Config, SomeFlagsAreOnlyEverSwitchedOn) {
  Settings settings = Read({"JPN=yes", "JPN=no", "TopMostScoreWindow=on", "TopMostScoreWindow=off"});
  EXPECT_TRUE(settings.jpn);
  EXPECT_TRUE(settings.topMostScoreWindow);
  EXPECT_EQ(Read({"link = UK"}).link, "uk");
  EXPECT_EQ(Read({"link=uk", "link=fr"}).link, "uk");
}

TEST(Config, WindowPositions) {
  EXPECT_EQ(Read({"HelpBidIn4thSeat=(*,0)"}).helpBidPos, (WindowPos{-100, -100}));
  EXPECT_EQ(Read({"HelpBidIn4thSeat=(300, 40)"}).helpBidPos, (WindowPos{300, 40}));
  EXPECT_FALSE(Read({"HelpBidIn4thSeat=300,40"}).helpBidPos.used());
  Settings both = Read({"BidTrickCounter=(10,20),(30,40)"});
  EXPECT_EQ(both.leftCounterPos, (WindowPos{10, 20}));
  EXPECT_EQ(both.rightCounterPos, (WindowPos{30, 40}));
  Settings left = Read({"BidTrickCounter=(10,20)"});
  EXPECT_EQ(left.leftCounterPos, (WindowPos{10, 20}));
  EXPECT_FALSE(left.rightCounterPos.used());
  Settings count = Read({"CountCards=(5,6)", "残りのカード=(7,8)"});
  EXPECT_TRUE(count.countCards);
  EXPECT_EQ(count.remainingCardsPos, (WindowPos{7, 8}));
  EXPECT_FALSE(Read({"CountCards=(0,6)"}).countCards);
}

TEST(Config, BiddingBoardAndMyHand) {
  Settings board = Read({"BiddingBoard=(100,200) DNil Pass Only Modal"});
  EXPECT_EQ(board.biddingBoardMode, 2);
  EXPECT_EQ(board.biddingBoardPos, (WindowPos{100, 200}));
  EXPECT_TRUE(board.biddingBoardModal);
  Settings every = Read({"BiddingBoard=(1,2)"});
  EXPECT_EQ(every.biddingBoardMode, 7);
  EXPECT_FALSE(every.biddingBoardModal);
  Settings hand = Read({"MyHand=(3,4) single"});
  EXPECT_EQ(hand.myHandMode, 1);
  EXPECT_EQ(hand.myHandPos, (WindowPos{3, 4}));
}

TEST(Config, CardOrderIsComparedExactly) {
  EXPECT_EQ(Read({"Card Order=Descending"}).cardOrder, SortOrder::Ascending);
  EXPECT_EQ(Read({"Card Order=descending"}).cardOrder, SortOrder::Descending);
  EXPECT_EQ(Read({"カードの順序=降順"}).cardOrder, SortOrder::Descending);
  EXPECT_EQ(Read({"card order=descending", "Card Order=昇順"}).cardOrder, SortOrder::Ascending);
}

TEST(Config, YahooIdsAreAListOfAtMostOneHundred) {
  EXPECT_EQ(Read({"MyYahooID = Alice, Bob Carol"}).myYahooIds, (std::vector<std::string>{"alice", "bob", "carol"}));
  EXPECT_EQ(Read({"MyYahooID = al ,bo"}).myYahooIds, (std::vector<std::string>{"al", "bo"}));
  std::string many;
  for (int i = 1; i <= 150; ++i) many += "id" + std::to_string(i) + ",";
  std::vector<std::string> ids = Read({"MyYahooID=" + many}).myYahooIds;
  ASSERT_EQ(ids.size(), kMaxYahooIds);
  EXPECT_EQ(ids.back(), "id100");
  EXPECT_EQ(Read({"MyYahooID=a b", "MyYahooID=c"}).myYahooIds, (std::vector<std::string>{"c"}));
}

TEST(Config, ReducedTableWidthOnlyOnNarrowScreens) {
  EXPECT_TRUE(Read({"Reduce SpadesWindow=on"}).reduceSpadesWindow);
  EXPECT_FALSE(Read({"Reduce SpadesWindow=yes", "Reduce SpadesWindow=off"}).reduceSpadesWindow);
  EXPECT_EQ(Read({"Reduce SpadesWindow=700"}, 800).reducedWidth, 700);
  EXPECT_EQ(Read({"Reduce SpadesWindow=700"}, 1001).reducedWidth, 0);
}

TEST(Config, SuitMarksAndColours) {
  EXPECT_TRUE(Read({"Suit Marks = use SYMBOL font"}).suitMarksSymbol);
  EXPECT_TRUE(Read({"Suit Marks = giff"}).suitMarksGif);
  Settings sizes = Read({"Suit Marks = (100, 80,110 70)"});
  EXPECT_EQ(sizes.suitMarkSizes, (std::array<std::string, 4>{"100", "80", "110", "70"}));
  Settings shortList = Read({"Suit Marks = (100)"});
  EXPECT_EQ(shortList.suitMarkSizes, (std::array<std::string, 4>{"100", "90", "120", "90"}));
  Settings colours = Read({"BackColor=80FF", "BackColor2=FFFFFF", "BackColor3=FFFFCC", "BackColor4="});
  EXPECT_EQ(colours.backColor, 0x80FFu);
  EXPECT_EQ(colours.backColor2, 0xFFFFFFu);
  EXPECT_EQ(colours.backColor3, "#ffffcc");
  EXPECT_EQ(colours.backColor4, "#D0D0D0");
  EXPECT_FALSE(Read({"BackColor="}).backColor.has_value());
}

TEST(ConfigFile, MissingUnreadableAndFound) {
  fs::path folder = TestFolder("find");
  Settings settings;
  ConfigResult none = LoadConfig(CodePage::Western, ConfigContext{folder, 800}, settings);
  EXPECT_EQ(none.file, ReadStatus::Missing);
  EXPECT_TRUE(settings.autoCaptBid);
  fs::create_directory(folder / "ScorletS.INI");
  EXPECT_EQ(LoadConfig(CodePage::Western, ConfigContext{folder, 800}, settings).file, ReadStatus::Unreadable);
  WriteBytes(folder / Utf8Path("スペード.INI"), "AutoCapt Bid=no");
  EXPECT_EQ(FindConfigFile(folder), folder / Utf8Path("スペード.INI"));
  ConfigResult found = LoadConfig(CodePage::Western, ConfigContext{folder, 800}, settings);
  EXPECT_EQ(found.file, ReadStatus::Ok);
  EXPECT_FALSE(settings.autoCaptBid);  // a last line without line end is applied
  fs::path lower = TestFolder("lower");
  WriteBytes(lower / "scorlets.ini", "");
  EXPECT_EQ(FindConfigFile(lower), lower / "scorlets.ini");  // found without case, as on Windows
}

TEST(ConfigFile, LfOnlyFileAndJapaneseKeysInShiftJis) {
  fs::path folder = TestFolder("sjis");
  std::string text = "JPN=no\n";
  text += "\x93\xFA\x96\x7B\x8C\xEA\x95\x5C\x8E\xA6=yes\n";            // 日本語表示
  text += "\x83\x4A\x81\x5B\x83\x68\x82\xCC\x8F\x87\x8F\x98=\x8D\x7E\x8F\x87";  // カードの順序=降順
  WriteBytes(folder / "ScorletS.INI", text);
  Settings settings;
  ConfigResult result = ReadConfig(folder / "ScorletS.INI", CodePage::Japanese, ConfigContext{folder, 800}, settings);
  EXPECT_FALSE(result.illegal) << result.key;
  EXPECT_TRUE(settings.jpn);
  EXPECT_EQ(settings.cardOrder, SortOrder::Descending);
  // Read as 1252 the Japanese key is not known.
  Settings western;
  EXPECT_TRUE(ReadConfig(folder / "ScorletS.INI", CodePage::Western, ConfigContext{folder, 800}, western).illegal);
}

TEST(ConfigFile, AlertListIsTakenOnlyWhenItExists) {
  fs::path folder = TestFolder("alert");
  ConfigContext context{folder, 800};
  Settings settings;
  ApplyConfigLines({"AlertPlayers = Foes.txt"}, context, settings);
  EXPECT_EQ(settings.alertPlayersFile, "Alert.TXT");
  WriteBytes(folder / "Foes.txt", "bob\r\n");
  ApplyConfigLines({"AlertPlayers = Foes.txt"}, context, settings);
  EXPECT_EQ(settings.alertPlayersFile, "Foes.txt");  // the name the file has, found without case
  WriteBytes(folder / Utf8Path("敵.txt"), "");
  ApplyConfigLines({"ブラックリスト = 敵.txt"}, context, settings);
  EXPECT_EQ(settings.alertPlayersFile, "敵.txt");
}

}  // namespace
}  // namespace scorlet
