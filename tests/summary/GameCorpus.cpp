#include "tests/summary/GameCorpus.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include "common/TextUtil.h"

namespace scorlet::summary::testing {

namespace {

using Hand = std::vector<int>;  // card codes

std::array<Hand, 4> Deal(std::mt19937& random) {
  std::vector<int> deck;
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 2; rank <= 14; ++rank) deck.push_back(suit * 100 + rank);
  }
  std::shuffle(deck.begin(), deck.end(), random);
  std::array<Hand, 4> hands;
  for (int i = 0; i < 52; ++i) hands[i % 4].push_back(deck[i]);
  return hands;
}

int Strength(const Hand& hand) {
  int tricks = 0;
  for (const int card : hand) {
    const int rank = card % 100;
    if (rank == 14 || (rank == 13 && card / 100 != 3) || (card / 100 == 3 && rank >= 11)) ++tricks;
  }
  return tricks;
}

std::string BidFor(const Hand& hand, const GameStyle& style, int seat, bool partnerNil) {
  const int strength = Strength(hand);
  if (style.nils && !partnerNil && strength == 0) return seat == 2 ? "D" : "N";
  return std::to_string(std::clamp(strength + style.bidOffset, 1, 13));
}

bool Beats(int card, int best);

// A Nil bidder ducks under the best card so far and sheds its highest card when void; an
// ordinary bidder tries to win.
int ChooseCard(const Hand& hand, int ledSuit, int bestSoFar, bool nil) {
  Hand follow;
  for (const int card : hand) {
    if (ledSuit < 0 || card / 100 == ledSuit) follow.push_back(card);
  }
  std::vector<int> sorted = follow.empty() ? hand : follow;
  std::sort(sorted.begin(), sorted.end());
  if (ledSuit < 0) return nil ? sorted.front() : sorted.back();
  if (nil) {
    if (follow.empty()) return sorted.back();
    for (auto it = sorted.rbegin(); it != sorted.rend(); ++it) {
      if (!Beats(*it, bestSoFar)) return *it;
    }
    return sorted.front();
  }
  if (!follow.empty()) return Beats(sorted.back(), bestSoFar) ? sorted.back() : sorted.front();
  for (const int card : sorted) {
    if (card / 100 == 3) return card;  // ruff with the lowest spade
  }
  return sorted.front();
}

bool Beats(int card, int best) {
  if (card / 100 == best / 100) return card > best;
  return card / 100 == 3;
}

struct Team {
  int score = 0;
  int bags = 0;
};

void ScoreTeam(Team& team, const std::array<std::string, 4>& bids, const std::array<int, 4>& tricks,
               int a, int b) {
  int bid = 0;
  int taken = 0;
  for (const int seat : {a, b}) {
    const int kind = BidKindOf(bids[seat]);
    if (kind == BidOrdinary) {
      bid += BidNumberOf(bids[seat]);
      taken += tricks[seat];
    } else {
      const int value = kind == BidNil ? 100 : 200;
      team.score += tricks[seat] == 0 ? value : -value;
      taken += tricks[seat];
    }
  }
  if (bid == 0) return;
  if (taken >= bid) {
    team.score += 10 * bid + (taken - bid);
    team.bags += taken - bid;
    if (team.bags >= 10) {
      team.score -= 100;
      team.bags -= 10;
    }
  } else {
    team.score -= 10 * bid;
  }
}

HandRecord PlayDeal(std::mt19937& random, const GameStyle& style, int leader) {
  HandRecord record{};
  record.PlayerNames = style.names;
  std::array<Hand, 4> hands = Deal(random);
  for (int seat = 0; seat < 4; ++seat) {
    const bool partnerNil = seat >= 2 && BidKindOf(record.Bids[seat - 2]) != BidOrdinary;
    record.Bids[seat] = BidFor(hands[seat], style, seat, partnerNil);
  }
  for (int trick = 0; trick < TrickCount; ++trick) {
    int best = -1;
    int winner = leader;
    for (int k = 0; k < 4; ++k) {
      const int seat = (leader + k) % 4;
      const bool nil = BidKindOf(record.Bids[seat]) != BidOrdinary;
      const int card = ChooseCard(hands[seat], k == 0 ? -1 : record.PlayCodes[trick][leader] / 100, best, nil);
      hands[seat].erase(std::find(hands[seat].begin(), hands[seat].end(), card));
      record.PlayCodes[trick][seat] = static_cast<CardCode>(card);
      record.PlayTexts[trick][seat] = CardTextOf(card);
      if (best < 0 || Beats(card, best)) {
        best = card;
        winner = seat;
      }
    }
    record.LeadMarks[trick][leader] = LeadLed;
    leader = winner;
  }
  return record;
}

}  // namespace

std::vector<HandRecord> PlayGame(const GameStyle& style) {
  std::mt19937 random(style.seed);
  std::vector<HandRecord> records;
  std::array<Team, 2> teams;
  std::vector<ScoreRow> rows;
  for (int deal = 0; deal < style.maxDeals; ++deal) {
    HandRecord record = PlayDeal(random, style, deal % 4);
    DeriveRecord(record, OrderAscending);
    std::array<int, 4> tricks{};
    for (int seat = 0; seat < 4; ++seat) tricks[seat] = record.TricksWon[seat];
    ScoreTeam(teams[0], record.Bids, tricks, 0, 2);
    ScoreTeam(teams[1], record.Bids, tricks, 1, 3);
    rows.push_back({teams[0].score, teams[0].bags, teams[1].score, teams[1].bags});
    record.ScoreRowCount = static_cast<int>(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) record.ScoreRows[r + 1] = rows[r];
    records.push_back(record);
    const bool over = (teams[0].score >= 500 || teams[1].score >= 500) &&
                      teams[0].score != teams[1].score;
    if (over || rows.size() >= MaxScoreRows) break;
  }
  return records;
}

std::vector<std::string> WriteGame(const std::filesystem::path& workFolder,
                                   const std::vector<HandRecord>& records, int month, int day,
                                   int first, CodePage codePage) {
  std::vector<std::string> stems;
  std::filesystem::create_directories(workFolder);
  for (std::size_t i = 0; i < records.size(); ++i) {
    char stem[16];
    std::snprintf(stem, sizeof stem, "%02d_%02d_%03d", month, day, first + static_cast<int>(i));
    WriteRecordFile(records[i], workFolder, stem, codePage);
    stems.push_back(stem);
  }
  return stems;
}

BatchResult RunBatchOver(const std::filesystem::path& work, const std::filesystem::path& out,
                         const PageOptions& options, LogSink& log, CodePage codePage) {
  const BatchContext context{work, out, options, codePage, "2009/03/14 21:05:09"};
  BatchDriver driver(context, log);  // keeps a reference to the context
  return driver.RunBatch();
}

std::string Year() { return CurrentTimestamp().substr(0, 4); }

int CountOf(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t pos = text.find(part); pos != std::string::npos;
       pos = text.find(part, pos + part.size())) {
    ++count;
  }
  return count;
}

}  // namespace scorlet::summary::testing
