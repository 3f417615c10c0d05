// What each key of the initialisation file does with its value.
#include "common/ConfigKeys.h"

#include <climits>
#include <cmath>

namespace scorlet {

namespace {

namespace fs = std::filesystem;
using Value = ConfigValue;

int SecondsToMs(std::string_view text) {
  double ms = std::round(LeadingNumber(text) * 1000.0);
  if (ms >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (ms <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(ms);
}

// A colour written in hexadecimal without its "&H" prefix: the leading hex digits (at most 8).
std::uint32_t HexColor(std::string_view text) {
  std::uint32_t colour = 0;
  for (std::size_t i = 0; i < text.size() && i < 8; ++i) {
    char c = text[i];
    int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (digit < 0) break;
    colour = colour * 16 + static_cast<std::uint32_t>(digit);
  }
  return colour;
}

// The name under which the file exists in the folder, or "" when there is none.
std::string ExistingFileName(const fs::path& folder, const std::string& name) {
  std::error_code error;
  if (name.empty()) return "";
  if (fs::is_regular_file(folder / Utf8Path(name), error)) return name;
  fs::path found = FindEntryNoCase(folder, name);
  return !found.empty() && fs::is_regular_file(found, error) ? PathToUtf8(found.filename()) : "";
}

void ReadYahooIds(const Value& v, Settings& s) {
  s.myYahooIds.clear();
  std::string rest = v.lowered;
  while (!Trim(rest).empty()) {
    // "alice ,bob" leaves a blank after "alice"; an ID holds none.
    std::string id = TrimRight(NextToken(rest));
    if (s.myYahooIds.size() < kMaxYahooIds) s.myYahooIds.push_back(id);  // further IDs are dropped
  }
}

void ReadReduceWindow(const Value& v, Settings& s) {
  if (v.flag) {
    s.reduceSpadesWindow = true;
  } else if (v.lowered == "no" || v.lowered == "off") {
    s.reduceSpadesWindow = false;
  } else {
    // A reduced width is only for screens too narrow for the table and the main window.
    s.reducedWidth = v.context->screenWidth >= kWideScreen ? 0 : LeadingInt(v.raw);
  }
}

void ReadSuitMarks(const Value& v, Settings& s) {
  if (ContainsNoCase(v.raw, "symbol")) {
    s.suitMarksSymbol = true;
  } else if (ContainsNoCase(v.raw, "giff")) {
    s.suitMarksGif = true;
  } else if (std::size_t open = v.raw.find('('); open != std::string::npos) {
    std::string rest = v.raw.substr(open + 1);
    rest = rest.substr(0, rest.find(')'));
    // A missing entry keeps its size, so that no suit is drawn at size "%".
    for (std::string& size : s.suitMarkSizes) {
      if (std::string token = Trim(NextToken(rest)); !token.empty()) size = token;
    }
  }
}

void ReadBidTrickCounter(const Value& v, Settings& s) {
  ReadPosition(v.raw, s.leftCounterPos);
  if (std::size_t second = v.raw.find("),"); second != std::string::npos) {
    ReadPosition(std::string_view(v.raw).substr(second + 2), s.rightCounterPos);
  }
}

void ReadBiddingBoard(const Value& v, Settings& s) {
  if (v.raw.starts_with("(")) {
    s.biddingBoardMode = 7;
    ReadPosition(v.raw, s.biddingBoardPos);
  }
  if (ContainsNoCase(v.raw, "dnil pass only")) s.biddingBoardMode = 2;
  if (ContainsNoCase(v.raw, "modal")) s.biddingBoardModal = true;
}

void ReadMyHand(const Value& v, Settings& s) {
  if (ContainsNoCase(v.raw, "single")) {
    s.myHandMode = 1;
  } else if (ContainsNoCase(v.raw, "double")) {
    s.myHandMode = 0;
  }
  if (v.raw.starts_with("(")) ReadPosition(v.raw, s.myHandPos);
}

void ReadCardOrder(const Value& v, Settings& s) {
  if (v.raw == "descending" || v.raw == "降順") s.cardOrder = SortOrder::Descending;
  if (v.raw == "ascending" || v.raw == "昇順") s.cardOrder = SortOrder::Ascending;
}

// An empty colour value keeps the default (it would otherwise give black or a bare "#").
void ReadPageColour(const Value& v, std::string& colour) {
  if (!v.lowered.empty()) colour = "#" + v.lowered;
}

struct KeyRule {
  std::string_view key;    // compared in lower case
  std::string_view alias;  // compared as written
  void (*apply)(const Value&, Settings&);
};

// In the order the keys are tested.
const KeyRule kKeyRules[] = {
    {"link", "", [](const Value& v, Settings& s) { if (v.lowered == "usa" || v.lowered == "uk") s.link = v.lowered; }},
    {"ニル集計", "", [](const Value& v, Settings& s) { s.nilTally = v.flag; }},
    {"CFG", "", [](const Value& v, Settings& s) { s.cfgFile = v.raw; }},
    {"TopMostScoreWindow", "", [](const Value& v, Settings& s) { if (v.flag) s.topMostScoreWindow = true; }},
    {"GamePoint", "", [](const Value& v, Settings& s) { s.gamePoint = LeadingInt(v.raw); }},
    {"AlertPlayers", "ブラックリスト",
     [](const Value& v, Settings& s) {
       if (std::string name = ExistingFileName(v.context->folder, v.lowered); !name.empty()) s.alertPlayersFile = name;
     }},
    {"MyYahooID", "", [](const Value& v, Settings& s) { ReadYahooIds(v, s); }},
    {"AutoCapt Bid", "", [](const Value& v, Settings& s) { s.autoCaptBid = v.flag; }},
    {"AutoCapt Hand", "", [](const Value& v, Settings& s) { s.autoCaptHand = v.flag; }},
    {"WaitTime Bid", "", [](const Value& v, Settings& s) { s.waitTimeBidMs = SecondsToMs(v.raw); }},
    {"WaitTime Hand", "", [](const Value& v, Settings& s) { s.waitTimeHandMs = SecondsToMs(v.raw); }},
    {"AlertTime", "", [](const Value& v, Settings& s) { s.alertTimeMs = SecondsToMs(v.raw); }},
    {"AlertSound", "", [](const Value& v, Settings& s) { s.alertSound = v.lowered; }},
    {"AlertWinning", "", [](const Value& v, Settings& s) { s.alertWinning = v.lowered; }},
    {"AlertLosing", "", [](const Value& v, Settings& s) { s.alertLosing = v.lowered; }},
    {"Reduce SpadesWindow", "", [](const Value& v, Settings& s) { ReadReduceWindow(v, s); }},
    {"Minimize LastHand", "", [](const Value& v, Settings& s) { s.minimizeLastHand = v.flag; }},
    {"DebugWindow", "", [](const Value& v, Settings& s) { s.debugWindow = v.flag; }},
    {"BOX の状態を表示", "", [](const Value& v, Settings& s) { s.showBoxStatus = v.flag; }},
    {"log", "", [](const Value& v, Settings& s) { if (!v.raw.empty()) s.logFile = v.raw; }},
    {"history", "", [](const Value& v, Settings& s) { if (!v.raw.empty()) s.historyFile = v.raw; }},
    {"JPN", "日本語表示", [](const Value& v, Settings& s) { if (v.flag) s.jpn = true; }},
    {"Text Output", "", [](const Value& v, Settings& s) { s.textOutput = v.flag; }},
    {"Index Pages", "", [](const Value& v, Settings& s) { s.indexPages = v.flag; }},
    {"BackColor", "", [](const Value& v, Settings& s) { if (!v.lowered.empty()) s.backColor = HexColor(v.lowered); }},
    {"BackColor2", "", [](const Value& v, Settings& s) { if (!v.lowered.empty()) s.backColor2 = HexColor(v.lowered); }},
    {"BackColor3", "", [](const Value& v, Settings& s) { ReadPageColour(v, s.backColor3); }},
    {"BackColor4", "", [](const Value& v, Settings& s) { ReadPageColour(v, s.backColor4); }},
    {"BackColor5", "", [](const Value& v, Settings& s) { ReadPageColour(v, s.backColor5); }},
    {"Score Table", "スコアの表", [](const Value& v, Settings& s) { s.scoreTable = v.flag; }},
    {"Card Order", "カードの順序", ReadCardOrder},
    {"Suit Marks", "", ReadSuitMarks},
    {"strict", "", [](const Value& v, Settings& s) { s.strict = v.flag; }},
    {"AlertNilBids", "", [](const Value& v, Settings& s) { s.alertNilBids = v.flag; }},
    {"AlertFailNil", "", [](const Value& v, Settings& s) { s.alertFailNil = v.flag; }},
    {"AlertSuicideTable", "", [](const Value& v, Settings& s) { s.alertSuicideTable = v.flag; }},
    {"AlertDnilPassTable", "", [](const Value& v, Settings& s) { s.alertDnilPassTable = v.flag; }},
    {"AlertCanDNilPass", "", [](const Value& v, Settings& s) { s.alertCanDNilPass = v.flag; }},
    {"BoldBidTrick", "", [](const Value& v, Settings& s) { s.boldBidTrick = v.flag; }},
    {"ShowTrickBox", "", [](const Value& v, Settings& s) { s.showTrickBox = v.flag; }},
    {"BridgeWindowWidth", "", [](const Value& v, Settings& s) { s.bridgeWindowWidth = LeadingInt(v.raw); }},
    {"BidTrickCounter", "", ReadBidTrickCounter},
    {"TopMostBiddingBoard", "", [](const Value& v, Settings& s) { s.topMostBiddingBoard = v.flag; }},
    {"BiddingBoard", "", ReadBiddingBoard},
    {"残りのカード", "", [](const Value& v, Settings& s) { ReadPosition(v.raw, s.remainingCardsPos); }},
    {"ShowBiddingSequence", "", [](const Value& v, Settings& s) { ReadPosition(v.raw, s.showBiddingSequencePos); }},
    {"CountCards", "",
     [](const Value& v, Settings& s) {
       ReadPosition(v.raw, s.countCardsPos);
       if (s.countCardsPos.used()) s.countCards = true;
     }},
    {"PasteScoreTable", "", [](const Value& v, Settings& s) { ReadPosition(v.raw, s.pasteScoreTablePos); }},
    {"MyHand", "", ReadMyHand},
    {"HelpBidIn4thSeat", "", [](const Value& v, Settings& s) { ReadPosition(v.raw, s.helpBidPos); }},
    {"AskAlert", "", [](const Value& v, Settings& s) { ReadPosition(v.raw, s.askAlertPos); }},
    {"TopmostPlayerInfo", "", [](const Value& v, Settings& s) { s.topmostPlayerInfo = v.flag; }},
};

}  // namespace

bool ApplyConfigKey(std::string_view loweredKey, const ConfigValue& value, Settings& settings) {
  for (const KeyRule& rule : kKeyRules) {
    if (loweredKey == LowerText(rule.key) || (!rule.alias.empty() && loweredKey == rule.alias)) {
      rule.apply(value, settings);
      return true;
    }
  }
  return false;
}

}  // namespace scorlet
