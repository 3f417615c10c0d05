// The truth of finished deals as hand records, and their files.
#include <gtest/gtest.h>

#include "tableclient/engine/Bots.h"
#include "tableclient/engine/Truth.h"
#include "tests/common/TestFolder.h"

namespace scorlet::table {
namespace {

using scorlet::testing::TestFolder;

void PlayDeal(SpadesGame& game) {
  while (BotAct(game)) {
  }
}

TEST(TruthTest, RecordHoldsThePlayLeadsAndScore) {
  GameSetup setup;
  setup.names = {"ann", "bob", "cy", "dee"};
  setup.seed = 11;
  SpadesGame game(setup);
  PlayDeal(game);
  game.NextDeal();
  PlayDeal(game);
  const HandRecord& truth = game.lastTruth();
  const DealState& deal = game.deal();
  EXPECT_EQ(truth.PlayerNames, setup.names);
  EXPECT_EQ(truth.ScoreRowCount, 2);
  EXPECT_EQ(truth.ScoreRows[2], game.scoreRows()[1]);
  for (int t = 0; t < TrickCount; ++t) {
    int marked = 0;
    for (int seat = 0; seat < 4; ++seat) marked += truth.LeadMarks[t][seat];
    EXPECT_EQ(marked, 1);
    EXPECT_EQ(truth.LeadMarks[t][deal.tricks[t].leader], LeadLed);
  }
  EXPECT_EQ(truth.FirstLeader, 1);  // North dealt the second deal
  // A reader deriving the record finds the tricks the engine counted.
  for (int seat = 0; seat < 4; ++seat) EXPECT_EQ(truth.TricksWon[seat], deal.tricksWon[seat]);
}

TEST(TruthTest, FilesRoundTripThroughTheWorkFileFormat) {
  const std::filesystem::path folder = TestFolder("truth_roundtrip") / "Truth";  // made by the writer
  GameSetup setup;
  setup.seed = 3;
  setup.options.doubleNilPass = true;
  SpadesGame game(setup);
  for (int n = 1; n <= 3; ++n) {
    PlayDeal(game);
    ASSERT_TRUE(WriteTruthFile(game.lastTruth(), folder, n));
    HandRecord back;
    ASSERT_TRUE(ReadTruthFile(back, folder, n));
    const HandRecord& truth = game.lastTruth();
    EXPECT_EQ(back.PlayerNames, truth.PlayerNames);
    EXPECT_EQ(back.Bids, truth.Bids);
    EXPECT_EQ(back.PlayTexts, truth.PlayTexts);
    EXPECT_EQ(back.LeadMarks, truth.LeadMarks);
    EXPECT_EQ(back.ScoreRowCount, n);
    EXPECT_EQ(back.ScoreRows, truth.ScoreRows);
    EXPECT_EQ(back.TricksWon, truth.TricksWon);
    game.NextDeal();
  }
  HandRecord missing;
  EXPECT_FALSE(ReadTruthFile(missing, folder, 4));
}

}  // namespace
}  // namespace scorlet::table
