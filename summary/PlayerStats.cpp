#include "summary/PlayerStats.h"

#include <algorithm>

#include "common/Notation.h"
#include "common/TextUtil.h"
#include "summary/DealHtml.h"
#include "summary/GameIndex.h"
#include "summary/HtmlText.h"
#include "summary/PageHead.h"
#include "summary/SummaryTexts.h"

namespace scorlet::summary {

namespace {

bool AllTricksKnown(const HandRecord& record) {
  int tricks = 0;
  for (const int taken : record.TricksWon) tricks += taken;
  return tricks == TrickCount;
}

// A number bid: "1" to "13".
bool IsNumberBid(const std::string& bid) {
  return !bid.empty() && bid.size() <= 2 &&
         std::all_of(bid.begin(), bid.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
         BidNumberOf(bid) >= 1 && BidNumberOf(bid) <= TrickCount;
}

}  // namespace

PlayerStats& PlayerTally::Of(const std::string& name) {
  const auto [it, added] = players_.try_emplace(LowerText(name));
  if (added) it->second.name = name;
  return it->second;
}

void PlayerTally::AddDeal(const HandRecord& record) {
  const bool judged = AllTricksKnown(record);
  for (int seat = 0; seat < 4; ++seat) {
    const std::string& name = record.PlayerNames[seat];
    if (name.empty()) continue;
    PlayerStats& player = Of(name);
    ++player.deals;
    if (!judged) continue;
    const std::string& bid = record.Bids[seat];
    const int taken = record.TricksWon[seat];
    switch (BidKindOf(bid)) {
      case BidNil: ++(taken == 0 ? player.nilMade : player.nilFailed); break;
      case BidDoubleNil: ++(taken == 0 ? player.doubleNilMade : player.doubleNilFailed); break;
      default:
        if (!IsNumberBid(bid)) break;
        if (taken >= BidNumberOf(bid)) {
          ++player.bidsMade;
          player.bags += taken - BidNumberOf(bid);
        } else {
          ++player.bidsSet;
        }
    }
  }
}

void PlayerTally::AddGame(const std::array<std::string, 4>& names, int winner) {
  if (winner != 0 && winner != 1) return;
  for (int seat = 0; seat < 4; ++seat) {
    if (names[seat].empty()) continue;
    PlayerStats& player = Of(names[seat]);
    ++(seat % 2 == winner ? player.wins : player.losses);
  }
}

std::vector<PlayerStats> PlayerTally::Sorted() const {
  std::vector<PlayerStats> sorted;
  sorted.reserve(players_.size());
  for (const auto& [key, player] : players_) sorted.push_back(player);  // in name order
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const PlayerStats& a, const PlayerStats& b) { return a.deals > b.deals; });
  return sorted;
}

void WritePlayersHtml(PageText& page, const std::vector<PlayerStats>& players,
                      const PageOptions& options, const std::string& timestamp) {
  const bool japanese = options.japanese;
  auto T = [japanese](Msg id) { return std::string(Text(id, japanese)); };
  WriteHtmlHead(page, options, T(Msg::PlayersTitle), kProgramFile, kVersion, timestamp);
  if (options.strict) {
    page.Line("<div class=ctr>");
    page.Line("<table border=1 class=score>");
  } else {
    page.Line("<table border=1 align=center class=score>");
  }
  page.Line("<caption><b>" + T(Msg::PlayersTitle) + "</b></caption>");
  std::string header = "<tr>";
  for (const Msg column : {Msg::PlayersName, Msg::IndexDeals, Msg::PlayersMade, Msg::PlayersSet,
                           Msg::PlayersBags, Msg::PlayersNilMade, Msg::PlayersNilFailed,
                           Msg::PlayersDoubleNilMade, Msg::PlayersDoubleNilFailed,
                           Msg::PlayersWins, Msg::PlayersLosses}) {
    header += "<td>" + T(column);
  }
  page.Line(header);
  for (const PlayerStats& player : players) {
    page.Line("<tr>");
    page.Line(" <td class=lft>" + std::string(kBopen) + HtmlEscape(player.name) + std::string(kBclose));
    std::string cells;
    for (const int count : {player.deals, player.bidsMade, player.bidsSet, player.bags,
                            player.nilMade, player.nilFailed, player.doubleNilMade,
                            player.doubleNilFailed, player.wins, player.losses}) {
      cells += "<td>" + std::to_string(count);
    }
    page.Line(" " + cells);
  }
  page.Line("</table>");
  if (options.strict) page.Line("</div>");
  const std::string open = options.strict ? "<div class=ctr>" : "<div align=center>";
  page.Line(open + T(Msg::PlayersNote) + "</div>");
  page.Line(open + "<a href=\"" + std::string(kIndexFile) + "\">" + T(Msg::IndexTitle) +
            "</a></div>");
  WriteHtmlTail(page, options);
}

}  // namespace scorlet::summary
