// Statistics per player name over the deals of a run, "players.htm": deals played, bids
// made and set, bags, Nil and Double Nil bids with their outcome, and the games the
// player's partnership won and lost.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "common/WorkFiles.h"
#include "summary/PageOptions.h"
#include "summary/PageText.h"

namespace scorlet::summary {

struct PlayerStats {
  std::string name;  // as first seen; names differing only in case are one player
  int deals = 0;
  int bidsMade = 0;  // a number bid with at least that many tricks taken
  int bidsSet = 0;   // a number bid with fewer tricks taken
  int bags = 0;      // tricks over the bid
  int nilMade = 0;
  int nilFailed = 0;
  int doubleNilMade = 0;
  int doubleNilFailed = 0;
  int wins = 0;      // finished games won by the partnership the player sat in at the end
  int losses = 0;
};

class PlayerTally {
 public:
  // Counts a deal for its four players. Bids are judged only when all 13 tricks are known.
  void AddDeal(const HandRecord& record);
  // Counts a finished game (winner 0 North-South, 1 East-West; -1 counts nothing) for the
  // players of its last deal.
  void AddGame(const std::array<std::string, 4>& names, int winner);
  // Most deals first; equal counts by name.
  std::vector<PlayerStats> Sorted() const;

 private:
  PlayerStats& Of(const std::string& name);
  std::map<std::string, PlayerStats> players_;  // by lower-case name
};

void WritePlayersHtml(PageText& page, const std::vector<PlayerStats>& players,
                      const PageOptions& options, const std::string& timestamp);

}  // namespace scorlet::summary
