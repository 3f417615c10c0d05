// The bidding board beside the substitute table on the virtual desktop: the game's bid panel
// read at each stage, the board opened at the user's turn, bids confirmed or cancelled, the
// game's buttons clicked for the user, and a panel that does not move on.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "companion/main/MainLoop.h"
#include "companion/main/Program.h"
#include "companion/players/BoardStatus.h"
#include "companion/recognition/GlyphReader.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"
#include "tableclient/render/TableView.h"
#include "tableclient/window/Languages.h"
#include "tableclient/window/TableClient.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

namespace fs = std::filesystem;

recognition::TableCapture CaptureOf(const Image& image) {
  recognition::TableCapture picture = recognition::MakeTableCapture(image.width, image.height, 0x7FFF);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) recognition::SetPixel(picture, x, y, To555(image.at(x, y)));
  return picture;
}

// Each stage of the panel, on tables of many layouts and in the languages with their own
// choice words: the stage is told apart and every point lies on its own button.
TEST(BidPanelReading, EveryStageOnManyLayoutsAndLanguages) {
  recognition::GlyphTables glyphs = recognition::BuildGlyphTables();
  for (int language : {1, 3, 5, 6}) {
    recognition::PrepareGlyphIndex(glyphs, language);
    for (std::uint32_t seed : {0u, 1u, 2u, 3u, 5u, 8u, 13u, 21u}) {
      const table::TableLayout layout =
          table::TableLayout::ForWindow(table::TableLayout::WindowSizeFor(seed), seed);
      for (bool choice : {true, false}) {
        table::TableScene scene;
        scene.words = table::WordsOf(language);
        scene.userTurn = scene.bidPanel = true;
        scene.doubleNilOffered = choice;
        scene.seats[2].bid = "4";
        const BidPanelReading reading =
            ReadBidPanel(CaptureOf(table::RenderTableWindow(scene, layout)), glyphs, language);
        SCOPED_TRACE(::testing::Message() << "language " << language << " seed " << seed
                                          << (choice ? " choice" : " numbers"));
        EXPECT_EQ(reading.status,
                  choice ? BoardStatus::DoubleNilChoice : BoardStatus::NumberButtons);
        auto onButton = [&](int point, int button) {
          const Point p = reading.points[static_cast<std::size_t>(point)];
          const Point click{p.x + 2 + (point == BtnShow ? 15 : point == BtnDoubleNil ? 5 : 0),
                            p.y + 2 + (point >= BtnDoubleNil ? 5 : 0)};
          EXPECT_TRUE(layout.BidButton(button).contains(click)) << "button " << point;
        };
        if (choice) {
          onButton(BtnDoubleNil, table::BidButtonDoubleNil);
          onButton(BtnShow, table::BidButtonShow);
        } else {
          for (int k = 1; k <= 13; ++k) onButton(k, k);
          onButton(BtnNil, table::BidButtonNil);
        }
      }
    }
  }
}

TEST(BidPanelReading, NoPanelNoStatus) {
  recognition::GlyphTables glyphs = recognition::BuildGlyphTables();
  recognition::PrepareGlyphIndex(glyphs, 1);
  table::TableScene scene;
  scene.seats[2].bid = "4";
  const table::TableLayout layout = table::TableLayout::ForWindow({640, 720});
  EXPECT_EQ(ReadBidPanel(CaptureOf(table::RenderTableWindow(scene, layout)), glyphs, 1).status,
            BoardStatus::NotFound);
  // A picture smaller than the area scanned reads as no panel, without reading past it.
  EXPECT_EQ(ReadBidPanel(recognition::MakeTableCapture(150, 260, 0), glyphs, 1).status,
            BoardStatus::NotFound);
}

// The companion on line with its board beside a table that waits for the user's bid (a bot
// plays the user's cards); the user sits South.
struct BoardBeside {
  VirtualDesktop desktop;
  fs::path folder;
  std::unique_ptr<VirtualProgram> tableProgram;
  std::unique_ptr<VirtualProgram> program;
  std::unique_ptr<table::TableClient> table;
  std::unique_ptr<Companion> companion;

  BoardBeside(const std::string& name, const std::string& ini) : folder(testing::TestFolder(name)) {
    testing::Harness::WriteIniTo(folder, "MyYahooID=South\r\n" + ini);
    tableProgram = desktop.startProgram("SpadesTable", folder.string());
    table::TableClientOptions options;
    options.game.seed = 33;
    options.userBids = true;
    options.dealPauseMs = 5000;
    options.truthFolder = folder / "Truth";
    table = std::make_unique<table::TableClient>(*tableProgram, *tableProgram, options);
    program = desktop.startProgram("ScorletS", folder.string());
    companion = std::make_unique<Companion>(*program, *program);
    EXPECT_TRUE(companion->Start());
    EXPECT_TRUE(table->Open());
  }
  App& app() { return companion->app(); }
  bool RunUntil(const std::function<bool()>& done) {
    return desktop.runUntil(done, 10u * 60u * 1000u);
  }
  bool BoardShown() {
    const Form* form = app().windows.board.form;
    return form != nullptr && form->visible() && app().windows.board.kept();
  }
  bool Shown(int k) {
    const Control* c = program->findControl("frmBoard", "Btn" + std::to_string(k));
    return c != nullptr && c->visible();
  }
  std::string CaptionOf(int k) { return program->caption("frmBoard", "Btn" + std::to_string(k)); }
  void Click(int k) { ASSERT_TRUE(program->clickControl("frmBoard", "Btn" + std::to_string(k))); }
  // The board is up for the user's bid of the current deal, at its Double Nil stage.
  bool AtDoubleNilStage(int deal) {
    return RunUntil([&] {
      return table->dealsPlayed() == deal && table->waitingForUser() && BoardShown() &&
             app().counters.boardStep == BoardState::DNilStage;
    });
  }
  const table::Bid& UserBid() { return table->game().deal().bids[2]; }
};

TEST(BoardTest, ConfirmedBidIsClickedOnTheGameAndRecorded) {
  BoardBeside b("BoardConfirmed", "BiddingBoard=(700,300)\r\n");
  ASSERT_TRUE(b.AtDoubleNilStage(0));
  EXPECT_EQ(b.app().frmZ.Timer1->interval(), 100);
  EXPECT_TRUE(b.Shown(BtnDoubleNil));
  EXPECT_EQ(b.CaptionOf(BtnDoubleNil), "DNIL");
  EXPECT_TRUE(b.Shown(BtnShow));
  EXPECT_TRUE(b.Shown(BtnNeverMind));
  EXPECT_FALSE(b.Shown(4));

  // "Show": the game shows the cards and its number buttons, the board its bid stage.
  b.Click(BtnShow);
  EXPECT_TRUE(b.table->game().deal().cardsSeen[2]);
  EXPECT_EQ(b.app().counters.boardStep, BoardState::OpenForBid);
  EXPECT_TRUE(b.Shown(4));
  EXPECT_FALSE(b.Shown(BtnShow));

  // 12 is never bid for the user.
  b.Click(12);
  EXPECT_EQ(b.UserBid().kind, table::BidKind::None);
  EXPECT_EQ(b.app().counters.boardStep, BoardState::NotInUse);

  // 4 asks first; Cancel goes back without touching the game.
  b.Click(4);
  EXPECT_EQ(b.CaptionOf(BtnConfirm), "4 OK ?");
  EXPECT_TRUE(b.Shown(BtnCancel));
  EXPECT_TRUE(b.Shown(BtnDontCare));
  EXPECT_FALSE(b.Shown(4));
  EXPECT_EQ(b.app().counters.boardStep, BoardState::Confirmation);
  b.Click(BtnCancel);
  EXPECT_TRUE(b.Shown(4));
  EXPECT_EQ(b.UserBid().kind, table::BidKind::None);
  EXPECT_TRUE(b.table->waitingForUser());

  b.Click(BtnNil);
  EXPECT_EQ(b.CaptionOf(BtnConfirm), "NIL OK?");
  b.Click(BtnCancel);

  b.Click(4);
  b.Click(BtnConfirm);
  EXPECT_EQ(b.UserBid(), table::Bid::Number(4));
  EXPECT_FALSE(b.BoardShown());
  EXPECT_EQ(b.app().counters.boardStep, BoardState::BidHanded);
  EXPECT_EQ(b.app().frmZ.Timer1->interval(), b.app().loop.TimerInterval);
  EXPECT_EQ(b.app().frmZ.cntBidLoc->caption(), "17");

  ASSERT_TRUE(b.RunUntil([&] { return b.table->dealsPlayed() >= 1; }));
  EXPECT_EQ(b.table->truths()[0].Bids[2], "4");
}

TEST(BoardTest, DontCareSendsTheBidAndStopsAskingForLaterDeals) {
  BoardBeside b("BoardDontCare", "BiddingBoard=(700,300)\r\n");
  ASSERT_TRUE(b.AtDoubleNilStage(0));
  b.Click(BtnShow);
  b.Click(3);
  b.Click(BtnDontCare);
  EXPECT_EQ(b.UserBid(), table::Bid::Number(3));
  EXPECT_FALSE(ConfirmBids(b.app()));

  ASSERT_TRUE(b.AtDoubleNilStage(1));
  b.Click(BtnShow);
  b.Click(5);  // sent at once
  EXPECT_EQ(b.UserBid(), table::Bid::Number(5));
  EXPECT_FALSE(b.BoardShown());
  ASSERT_TRUE(b.RunUntil([&] { return b.table->dealsPlayed() >= 2; }));
  EXPECT_EQ(b.table->truths()[0].Bids[2], "3");
  EXPECT_EQ(b.table->truths()[1].Bids[2], "5");
}

TEST(BoardTest, DoubleNilIsBidFromTheChoice) {
  BoardBeside b("BoardDoubleNil", "BiddingBoard=(700,300)\r\n");
  ASSERT_TRUE(b.AtDoubleNilStage(0));
  b.Click(BtnDoubleNil);
  EXPECT_EQ(b.UserBid(), table::Bid::DoubleNil());
  EXPECT_FALSE(b.BoardShown());
  ASSERT_TRUE(b.RunUntil([&] { return b.table->dealsPlayed() >= 1; }));
  EXPECT_EQ(b.table->truths()[0].Bids[2], "D");
}

// A game that does not take the click: the board gives up after a few seconds with a message,
// stays at the bid stage, and a later bid goes through once the game answers again.
TEST(BoardTest, PanelThatDoesNotMoveOnIsGivenUpAndTheBoardStaysUsable) {
  BoardBeside b("BoardGivesUp", "BiddingBoard=(700,300)\r\n");
  ASSERT_TRUE(b.AtDoubleNilStage(0));
  b.Click(BtnShow);
  b.table->IgnoreBidPanel(true);
  b.Click(4);
  const std::uint32_t before = b.program->tickCount();
  b.Click(BtnConfirm);
  const std::uint32_t spent = b.program->tickCount() - before;
  EXPECT_GE(spent, BoardClickGiveUpMs);
  EXPECT_LT(spent, BoardClickGiveUpMs + 2000);
  EXPECT_EQ(b.UserBid().kind, table::BidKind::None);
  EXPECT_TRUE(b.BoardShown());
  EXPECT_TRUE(b.Shown(4));
  EXPECT_FALSE(b.app().bidding.message.empty());
  EXPECT_FALSE(b.app().loop.busy.Any());

  b.table->IgnoreBidPanel(false);
  b.Click(4);
  b.Click(BtnConfirm);
  EXPECT_EQ(b.UserBid(), table::Bid::Number(4));
  EXPECT_TRUE(b.app().bidding.message.empty());
}

TEST(BoardTest, NeverMindClosesTheBoardForGood) {
  BoardBeside b("BoardNeverMind", "BiddingBoard=(700,300)\r\n");
  ASSERT_TRUE(b.AtDoubleNilStage(0));
  b.Click(BtnNeverMind);
  EXPECT_FALSE(b.BoardShown());
  EXPECT_EQ(b.app().flags.boardMode, BoardMode::DNilPassOnly);
  // The user bids on the game; the board does not come back at the next deal.
  b.table->SubmitBid(table::Bid::Number(2));
  ASSERT_TRUE(b.RunUntil([&] { return b.table->dealsPlayed() == 1 && b.table->waitingForUser(); }));
  b.desktop.runFor(3000);
  EXPECT_FALSE(b.BoardShown());
}

}  // namespace
}  // namespace scorlet::companion

namespace scorlet::companion {
namespace {

TEST(BoardTest, JapaneseCaptionsAtEachStage) {
  BoardBeside b("BoardJapanese", "BiddingBoard=(700,300)\r\n");
  b.app().system.japanese = true;
  ASSERT_TRUE(b.AtDoubleNilStage(0));
  const Form& form = *b.app().windows.board.form;
  EXPECT_EQ(form.caption(), " ビッド盤");
  EXPECT_EQ(b.CaptionOf(BtnShow), "見せる");
  EXPECT_EQ(b.CaptionOf(BtnNeverMind), "使わない");
  b.Click(BtnShow);
  b.Click(7);
  EXPECT_EQ(form.caption(), " ビッド確認");
  EXPECT_EQ(b.CaptionOf(BtnConfirm), "7 OK ?");
  EXPECT_EQ(b.CaptionOf(BtnCancel), "取り消す");
  EXPECT_EQ(b.CaptionOf(BtnDontCare), "確認不要");
  b.Click(BtnCancel);
  EXPECT_EQ(form.caption(), " ビッド盤");
}

}  // namespace
}  // namespace scorlet::companion
