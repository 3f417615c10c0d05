// The bid pass beside the substitute table: how each pass ends as the table goes from waiting to
// bidding, to play, to the deal's end and into the next deal.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "companion/main/App.h"
#include "companion/main/Discovery.h"
#include "companion/recognition/TableReading.h"
#include "tableclient/engine/Rules.h"
#include "tableclient/window/TableClient.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

using testing::Harness;

// The bids as the table shows them, by display position (0 the user at the bottom).
std::array<std::string, 4> ShownBids(const table::TableClient& client) {
  const table::SpadesGame& game = client.game();
  std::array<std::string, 4> bids;
  for (int p = 0; p < 4; ++p) {
    const int seat = table::SeatAtPosition(client.options().userSeat, p);
    bids[static_cast<std::size_t>(p)] =
        table::BidTextOf(game.deal().bids[static_cast<std::size_t>(seat)], game.setup().options);
  }
  return bids;
}

TEST(BidPassTest, StatusesFollowTheTableFromWaitingThroughADealIntoTheNext) {
  Harness h("BidPass");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  auto program = h.desktop.startProgram("SpadesTable", h.folder.string());
  table::TableClientOptions options;
  options.tableRect = {0, 0, 640, 720};
  options.layoutSeed = 7;
  options.startDelayMs = 40000;  // the waiting prompt stands until then
  options.actionDelayMs = 4000;  // room for a pass between two bids
  options.trickPauseMs = 300;
  options.dealPauseMs = 6000;
  table::TableClient client(*program, *program, options);
  ASSERT_TRUE(client.Open());
  h.Tick();
  ASSERT_EQ(app.loop.OnlineState, Online);
  ASSERT_NE(app.game.handle(KindLastHand), 0u);
  ASSERT_NE(app.game.handle(KindScore), 0u);

  auto pass = [&] {
    CaptureBid(app, CaptureMode::ByHand);
    return app.reading.bidStatus;
  };
  const table::SpadesGame& game = client.game();

  // Before the game starts the table shows its waiting prompt.
  EXPECT_EQ(pass(), CaptureStatus::WaitingOrUnchanged);

  // One bid, then two: each pass reads what is there.
  ASSERT_TRUE(h.desktop.runUntil([&] { return game.deal().bidsMade == 1; }, 60000));
  EXPECT_EQ(pass(), CaptureStatus::SomeBids);
  EXPECT_EQ(app.deal.bids, ShownBids(client));
  EXPECT_EQ(h.Caption("cntBid"), "1");
  ASSERT_TRUE(h.desktop.runUntil([&] { return game.deal().bidsMade == 2; }, 60000));
  EXPECT_EQ(pass(), CaptureStatus::SomeBids);
  EXPECT_EQ(app.deal.bids, ShownBids(client));

  // Four bids (the trick lines at 0): play begins.
  ASSERT_TRUE(h.desktop.runUntil([&] { return game.phase() == table::Phase::Playing; }, 60000));
  EXPECT_EQ(pass(), CaptureStatus::FourBids);
  EXPECT_EQ(h.Caption("cntBid"), "4");
  EXPECT_EQ(h.Caption("cntBidLoc"), "4");

  // The deal's end: the trick counts add up to 13; the bids read are let go.
  ASSERT_TRUE(h.desktop.runUntil([&] { return game.phase() == table::Phase::DealOver; }, 600000));
  EXPECT_EQ(pass(), CaptureStatus::TricksComplete);
  EXPECT_EQ(app.deal.bids, (std::array<std::string, 4>{}));

  // The finished deal still on show with one trick line unreadable: its four bids are not taken
  // as a new deal's (the counts no longer add up to 13, but they cannot tell).
  int damagedTrickLines = 0;
  for (int attempt = 0; attempt < 60 && damagedTrickLines < 3; ++attempt) {
    client.DamageGlyphOnce();
    const recognition::TableCapture picture = CaptureTable(app, 0.0);
    const recognition::TrickReading tricks = recognition::ReadTrickLines(
        picture, app.reading.box, app.reading.glyphs, app.reading.anchors);
    const recognition::BidReading bids =
        recognition::ReadBidLines(picture, app.reading.box, app.reading.glyphs, app.reading.anchors, false);
    if (bids.bidsRead != 4 || JudgeDealPicture(tricks) != DealPicture::CannotTell) continue;
    ++damagedTrickLines;
    EXPECT_EQ(pass(), CaptureStatus::TricksComplete);
    EXPECT_EQ(app.deal.bids, (std::array<std::string, 4>{}));
  }
  EXPECT_EQ(damagedTrickLines, 3);
  ASSERT_EQ(game.phase(), table::Phase::DealOver);

  // The next deal, before its first bid: no bid line to read.
  ASSERT_TRUE(h.desktop.runUntil([&] { return game.phase() == table::Phase::Bidding; }, 60000));
  ASSERT_EQ(game.deal().bidsMade, 0);
  EXPECT_EQ(pass(), CaptureStatus::NoBidRead);
  EXPECT_EQ(h.Caption("cntBid"), "0");
}

// The last-hand window closed and its button answering nothing: after more than ten failed
// passes the user is told and the window asked for again; once the button answers, the window is
// found within a few ticks and the message goes away.
TEST(BidPassTest, ASubWindowThatStaysMissingIsReportedAndAskedForAgain) {
  Harness h("BidPassMissing");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  auto program = h.desktop.startProgram("SpadesTable", h.folder.string());
  table::TableClientOptions options;
  options.startDelayMs = 600000;
  table::TableClient client(*program, *program, options);
  ASSERT_TRUE(client.Open());
  h.Tick();
  ASSERT_NE(app.game.handle(KindLastHand), 0u);
  client.SuppressSubWindow(KindLastHand, true);
  client.CloseSubWindow(KindLastHand);
  EnumerateWindows(app);
  FindGameWindows(app, KindLastHand);
  ASSERT_EQ(app.game.handle(KindLastHand), 0u);

  for (int pass = 1; pass <= 10; ++pass) {
    CaptureBid(app, CaptureMode::Automatic);
    EXPECT_EQ(app.reading.bidStatus, CaptureStatus::LastHandWindowMissing);
  }
  EXPECT_FALSE(app.windows.MessagePending);
  CaptureBid(app, CaptureMode::Automatic);
  EXPECT_TRUE(app.windows.MessagePending);
  EXPECT_TRUE(app.game.PendingKind[KindLastHand]);

  client.SuppressSubWindow(KindLastHand, false);
  for (int tick = 0; tick < 5 && app.windows.MessagePending; ++tick) h.Tick();
  EXPECT_NE(app.game.handle(KindLastHand), 0u);
  EXPECT_FALSE(app.windows.MessagePending);
  CaptureBid(app, CaptureMode::Automatic);
  EXPECT_EQ(app.reading.bidStatus, CaptureStatus::WaitingOrUnchanged);
}

}  // namespace
}  // namespace scorlet::companion
