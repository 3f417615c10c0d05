// The command line of SpadesTable.
#include <gtest/gtest.h>

#include "tableclient/window/Arguments.h"

namespace scorlet::table {
namespace {

TEST(ArgumentsTest, EveryOptionReachesTheTable) {
  TableClientOptions options;
  std::string error;
  ASSERT_TRUE(ParseTableArguments({"--seed", "99", "--deals", "4", "--close-when-done", "--user",
                                   "--seat", "E", "--names", "a,b,c,d", "--table", "77", "--host",
                                   "h", "--language", "6", "--score-title", "Puntuacion de picas",
                                   "--truth", "Truth", "--dnil-pass", "--suicide", "--at", "0,0",
                                   "--speed", "10", "--layout", "42", "--highlight", "--games", "2", "--user-bids", "--bid-wait", "2500",
                                   "--faults", "30", "--fault-seed", "5", "--score-at", "620,0"},
                                  options, error))
      << error;
  EXPECT_EQ(options.game.seed, 99u);
  EXPECT_EQ(options.maxDeals, 4);
  EXPECT_EQ(options.maxGames, 2);
  EXPECT_TRUE(options.userBids);
  EXPECT_EQ(options.userBidWaitMs, 2500);
  EXPECT_TRUE(options.closeWhenDone);
  EXPECT_FALSE(options.userIsBot);
  EXPECT_EQ(options.userSeat, 1);
  EXPECT_EQ(options.game.names[3], "d");
  EXPECT_EQ(options.tableNumber, "77");
  EXPECT_EQ(options.host, "h");
  EXPECT_EQ(options.language, 6);
  EXPECT_EQ(options.scoreTitle, "Puntuacion de picas");
  EXPECT_EQ(options.truthFolder, "Truth");
  EXPECT_TRUE(options.game.options.doubleNilPass);
  EXPECT_TRUE(options.game.options.suicide);
  EXPECT_EQ(options.tableRect.left, 0);
  EXPECT_EQ(options.tableRect.width(), TableClientOptions{}.tableRect.width());
  EXPECT_EQ(options.actionDelayMs, 10);
  EXPECT_EQ(options.layoutSeed, 42u);
  EXPECT_TRUE(options.highlightUser);
  EXPECT_DOUBLE_EQ(options.faultShare, 0.3);
  EXPECT_EQ(options.faultSeed, 5u);
  EXPECT_EQ(options.subWindowAt[2], (Point{620, 0}));
  EXPECT_EQ(options.subWindowAt[1], TableClientOptions{}.subWindowAt[1]);
}

TEST(ArgumentsTest, BadCommandLinesAreRefused) {
  for (std::vector<std::string> args :
       {std::vector<std::string>{"--colour"}, {"--seed"}, {"--seed", "x"}, {"--seat", "Q"},
        {"--names", "a,b,c"}, {"--names", "a,,c,d"}, {"--language", "11"}, {"--at", "5"}, {"--last-hand-at", "0"},
        {"--deals", "-1"}, {"--games", "-2"}, {"--faults", "101"}}) {
    TableClientOptions options;
    std::string error;
    EXPECT_FALSE(ParseTableArguments(args, options, error)) << args[0];
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace scorlet::table
