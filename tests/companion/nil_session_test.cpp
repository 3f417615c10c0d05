// A whole session at the substitute table: the NIL report the companion keeps equals the counts
// worked out here from the table's own record of every deal, in English and in Japanese, and
// reads back to the same counts.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "common/CodePage.h"
#include "common/WorkFiles.h"
#include "companion/main/MainLoop.h"
#include "companion/main/Program.h"
#include "companion/players/NilStats.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"
#include "tableclient/window/TableClient.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

namespace fs = std::filesystem;

// Rows of the report: success and failure by row number.
using Expected = std::map<int, std::pair<int, int>>;

// Whether the seat's 13 cards break the rule of 4 and 8, and how many spades they hold.
void RuleOf(const HandRecord& r, int seat, bool& breaks, int& spades) {
  int bySuit[4] = {0, 0, 0, 0}, highBySuit[4] = {0, 0, 0, 0};
  bool highSpade = false;
  for (int t = 0; t < TrickCount; ++t) {
    const int code = r.PlayCodes[static_cast<std::size_t>(t)][static_cast<std::size_t>(seat)];
    const int suit = code / 100, rank = code % 100;
    if (suit < 0 || suit > 3) continue;
    bySuit[suit]++;
    if (rank >= 8) highBySuit[suit]++;
    if (suit == 3 && rank >= 12) highSpade = true;
  }
  breaks = highSpade;
  for (int s = 0; s < 4; ++s) breaks = breaks || (bySuit[s] == 3 && highBySuit[s] >= 2);
  spades = bySuit[3];
}

void Add(Expected& e, int row, bool success) {
  (success ? e[row].first : e[row].second)++;
}

// The counts of one deal, the user at `userSeat`, at a table that is neither a suicide nor a
// Double-Nil-pass table.
void CountDeal(const HandRecord& r, int userSeat, Expected& e) {
  const auto& last = r.ScoreRows[static_cast<std::size_t>(r.ScoreRowCount)];
  const int ours = (userSeat % 2 == 0) ? last[0] : last[2];
  const int theirs = (userSeat % 2 == 0) ? last[2] : last[0];
  const int partner = (userSeat + 2) % 4;
  const auto bid = [&](int seat) { return r.Bids[static_cast<std::size_t>(seat)]; };
  const auto made = [&](int seat) { return r.TricksWon[static_cast<std::size_t>(seat)] == 0; };
  const bool ownNilMade = ((bid(userSeat) == "N" || bid(userSeat) == "D") && made(userSeat)) ||
                          ((bid(partner) == "N" || bid(partner) == "D") && made(partner));
  for (int seat = 0; seat < 4; ++seat) {
    bool breaks = false;
    int spades = 0;
    RuleOf(r, seat, breaks, spades);
    const int ruleRow = breaks ? 52 : 51;
    const bool ourSide = seat % 2 == userSeat % 2;
    if (bid(seat) == "D") {
      const int side = ourSide ? ours : theirs, other = ourSide ? theirs : ours;
      if (!(other > side && other >= 500)) Add(e, 6, made(seat));
    } else if (bid(seat) == "N" && ourSide) {
      if (theirs > ours && theirs >= 500) continue;
      const int row = seat == userSeat ? 1 : 2;
      if (made(seat)) {
        Add(e, row, true), Add(e, ruleRow, true);
      } else if (row == 1) {
        Add(e, row, false), Add(e, ruleRow, false);
      } else if (spades < 4 && !breaks) {
        Add(e, row, false), Add(e, 51, false);
      }
    } else if (bid(seat) == "N") {
      if (ours > theirs && ours >= 500) continue;
      if (!made(seat)) {
        Add(e, 3, true);
        if (spades > 3) Add(e, 4, true);
        Add(e, ruleRow, false);
      } else if (!ownNilMade) {
        Add(e, 3, false);
        if (spades > 3) Add(e, 4, false);
        Add(e, ruleRow, true);
      }
    }
  }
}

struct NilSession {
  std::string name;
  std::uint32_t seed;
  int userSeat;
  bool japanese;
};
void PrintTo(const NilSession& s, std::ostream* os) { *os << s.name; }

class NilSessionTest : public ::testing::TestWithParam<NilSession> {};

TEST_P(NilSessionTest, ReportEqualsTheCountsOfTheTablesRecords) {
  const NilSession& s = GetParam();
  const fs::path folder = testing::TestFolder("NilSession" + s.name);
  VirtualDesktopConfig config;
  if (s.japanese) config.codePage = 932;
  VirtualDesktop desktop(config);
  auto tableProgram = desktop.startProgram("SpadesTable", folder.string());
  table::TableClientOptions options;
  options.game.seed = s.seed;
  options.maxDeals = 40;
  options.userSeat = s.userSeat;
  options.dealPauseMs = 5000;
  options.closeWhenDone = true;
  table::TableClient table(*tableProgram, *tableProgram, options);
  const std::string user = table.options().game.names[static_cast<std::size_t>(s.userSeat)];
  testing::Harness::WriteIniTo(folder, "MyYahooID=" + user + "\r\n" + (s.japanese ? "JPN=yes\r\n" : ""));

  auto companionProgram = desktop.startProgram("ScorletS", folder.string());
  Companion companion(*companionProgram, *companionProgram);
  App& app = companion.app();
  ASSERT_TRUE(companion.Start());
  ASSERT_EQ(app.Japanese(), s.japanese);
  ASSERT_TRUE(table.Open());
  desktop.runUntil([&] { return app.loop.ended || app.loop.OnlineState == WentOffline; },
                   45u * 120u * 1000u);
  if (!app.loop.ended) {
    CloseSession(app);
    EndProgram(app, ExitNormal);
  }
  ASSERT_GT(table.dealsPlayed(), 0);

  Expected expected;
  for (const HandRecord& truth : table.truths()) CountDeal(truth, s.userSeat, expected);
  // Nils of every kind were played.
  for (int row : {1, 2, 3, 6})
    EXPECT_GT(expected[row].first + expected[row].second, 0) << "row " << row;

  const fs::path file = folder / NilStatFileName(s.japanese);
  const TextFile report = ReadTextFile(file, s.japanese ? CodePage::Japanese : CodePage::Western);
  ASSERT_EQ(report.status, ReadStatus::Ok);
  ASSERT_EQ(report.lines.size(), 16u);
  const NilCounts read = ReadNilStatLines(report.lines);
  for (int row : {1, 2, 3, 4, 6, 51, 52}) {
    EXPECT_EQ(read[row].success, expected[row].first) << "row " << row;
    EXPECT_EQ(read[row].failure, expected[row].second) << "row " << row;
  }
  // The report as written for these counts, date line aside.
  std::vector<std::string> again = NilStatLines(read, s.japanese, std::tm{});
  EXPECT_EQ(std::vector<std::string>(again.begin() + 1, again.end()),
            std::vector<std::string>(report.lines.begin() + 1, report.lines.end()));
}

INSTANTIATE_TEST_SUITE_P(Sessions, NilSessionTest,
                         ::testing::Values(NilSession{"SouthEnglish", 11, 2, false},
                                           NilSession{"NorthJapanese", 11, 0, true}),
                         [](const ::testing::TestParamInfo<NilSession>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace scorlet::companion
