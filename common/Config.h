// The initialisation file shared by both programs and the settings record it fills.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/CodePage.h"
#include "common/TextUtil.h"

namespace scorlet {

inline constexpr std::size_t kMaxYahooIds = 100;

// One field per key of the initialisation file; the comment names the key. The member
// initialisers are the defaults of the English interface.
struct Settings {
  std::string link;                   // link ("usa", "uk")
  bool nilTally = false;              // ニル集計
  std::string cfgFile;                // CFG
  bool topMostScoreWindow = false;    // TopMostScoreWindow (only ever switched on)
  int gamePoint = 0;                  // GamePoint
  std::string alertPlayersFile = "Alert.TXT";  // AlertPlayers / ブラックリスト
  std::vector<std::string> myYahooIds;  // MyYahooID, at most kMaxYahooIds
  bool autoCaptBid = true;            // AutoCapt Bid
  bool autoCaptHand = true;           // AutoCapt Hand
  int waitTimeBidMs = 3000;           // WaitTime Bid
  int waitTimeHandMs = 10000;         // WaitTime Hand
  int alertTimeMs = 30000;            // AlertTime
  std::string alertSound = "SystemAsterisk";  // AlertSound
  std::string alertWinning = "SystemStart";  // AlertWinning
  std::string alertLosing = "SystemExit";    // AlertLosing
  bool reduceSpadesWindow = false;    // Reduce SpadesWindow = yes/on/no/off
  int reducedWidth = 0;               // Reduce SpadesWindow = number
  bool minimizeLastHand = false;      // Minimize LastHand
  bool debugWindow = false;           // DebugWindow
  bool showBoxStatus = false;         // BOX の状態を表示
  std::string logFile;                // log
  std::string historyFile = "SpadesHistory.TXT";  // history
  bool jpn = false;                   // JPN / 日本語表示 (only ever switched on)
  bool textOutput = false;            // Text Output
  bool indexPages = true;             // Index Pages (the summary's index, score pictures, players page)
  std::optional<std::uint32_t> backColor;  // BackColor; none = the main window's own colour
  std::uint32_t backColor2 = 0xCDCDCD;  // BackColor2 (light grey)
  std::string backColor3 = "#FFE8E8";  // BackColor3 (page background of the summary pages)
  std::string backColor4 = "#D0D0D0";  // BackColor4 (score and bidding tables)
  std::string backColor5 = "#E0C0C0";  // BackColor5 (play table)
  bool scoreTable = true;             // Score Table / スコアの表
  SortOrder cardOrder = SortOrder::Ascending;  // Card Order / カードの順序
  bool suitMarksSymbol = false;       // Suit Marks containing "Symbol"
  bool suitMarksGif = false;          // Suit Marks containing "Giff"
  // Suit Marks: font sizes in per cent for spades, hearts, diamonds, clubs
  std::array<std::string, 4> suitMarkSizes{"95", "90", "120", "90"};
  bool strict = true;                 // strict
  bool alertNilBids = false;          // AlertNilBids
  bool alertFailNil = false;          // AlertFailNil
  bool alertSuicideTable = false;     // AlertSuicideTable
  bool alertDnilPassTable = false;    // AlertDnilPassTable
  bool alertCanDNilPass = false;      // AlertCanDNilPass
  bool boldBidTrick = false;          // BoldBidTrick
  bool showTrickBox = true;           // ShowTrickBox
  int bridgeWindowWidth = 0;          // BridgeWindowWidth
  WindowPos leftCounterPos;           // BidTrickCounter, first position
  WindowPos rightCounterPos;          // BidTrickCounter, second position
  bool topMostBiddingBoard = false;   // TopMostBiddingBoard
  int biddingBoardMode = 0;           // BiddingBoard: 0 none, 7 every deal, 2 double-nil-pass only
  WindowPos biddingBoardPos;          // BiddingBoard
  bool biddingBoardModal = false;     // BiddingBoard containing "Modal"
  WindowPos remainingCardsPos;        // 残りのカード
  WindowPos showBiddingSequencePos;   // ShowBiddingSequence
  WindowPos countCardsPos;            // CountCards
  bool countCards = false;            // set when CountCards gives a used position
  WindowPos pasteScoreTablePos;       // PasteScoreTable
  int myHandMode = 0;                 // MyHand: 1 "Single", 0 "Double"
  WindowPos myHandPos;                // MyHand
  WindowPos helpBidPos;               // HelpBidIn4thSeat
  WindowPos askAlertPos;              // AskAlert
  bool topmostPlayerInfo = false;     // TopmostPlayerInfo
};

// Default file names of the English and the Japanese interface.
inline constexpr std::string_view kAlertFileName = "Alert.TXT";
inline constexpr std::string_view kAlertFileNameJa = "アラート.TXT";
inline constexpr std::string_view kHistoryFileName = "SpadesHistory.TXT";
inline constexpr std::string_view kHistoryFileNameJa = "スペード履歴.TXT";
inline constexpr std::string_view kConfigFileNameJa = "スペード.INI";
inline constexpr std::string_view kConfigFileName = "ScorletS.INI";
// Fonts of the Japanese interface, by their Japanese names.
inline constexpr std::string_view kMeiryoFont = "メイリオ";
inline constexpr std::string_view kMsPGothicFont = "ＭＳ Ｐゴシック";
// Below this screen width a configured reduced table width is used.
inline constexpr int kWideScreen = 1001;

// The defaults; japanese selects the Japanese default file names.
Settings DefaultSettings(bool japanese);
// After reading: with the Japanese interface on, file names still at their English default
// take the Japanese ones.
void ApplyJapaneseFileNames(Settings& settings);

// One key line of the file: key and value, both trimmed.
struct KeyLine {
  std::string key;
  std::string value;
};
// Empty lines, comments ("#") and lines without "=" give nothing.
std::optional<KeyLine> ReadKeyLine(std::string_view line);

// What the reader needs besides the file.
struct ConfigContext {
  std::filesystem::path folder;  // program folder: AlertPlayers is taken only when it exists there
  int screenWidth = 0;           // a reduced table width applies only below kWideScreen
};

struct ConfigResult {
  ReadStatus file = ReadStatus::Missing;  // Missing when no file was found
  bool illegal = false;                   // an unknown key stopped the reading
  std::string key;                        // that key and value, trimmed, as written
  std::string value;
};

// Applies the lines in order; stops at the first unknown key.
ConfigResult ApplyConfigLines(const std::vector<std::string>& lines, const ConfigContext& context,
                              Settings& settings);
// Reads the file (in the code page) into the settings.
ConfigResult ReadConfig(const std::filesystem::path& fileName, CodePage codePage,
                        const ConfigContext& context, Settings& settings);

// "スペード.INI" in the folder when it exists, else "ScorletS.INI" when it exists, else empty;
// letters are compared without case, as on Windows.
std::filesystem::path FindConfigFile(const std::filesystem::path& folder);
// FindConfigFile and ReadConfig in context.folder; file == Missing when there is none.
ConfigResult LoadConfig(CodePage codePage, const ConfigContext& context, Settings& settings);

// The line the main program prints for an unknown key.
std::string IllegalKeywordText(const ConfigResult& result);

}  // namespace scorlet
