// The card displays and the seat overlays: what each display shows (values), and a few pixels
// of the cells, the remaining-cards box and the overlays on the table window.
#include <gtest/gtest.h>

#include "common/CodePage.h"
#include "common/WorkFiles.h"
#include "companion/main/App.h"
#include "companion/main/MainLoop.h"
#include "companion/recognition/SeatOverlays.h"
#include "companion/record/Record.h"
#include "companion/record/CardDisplays.h"
#include "companion/record/LiveCards.h"
#include "gamedata/CardFace.h"
#include "platform/virtual/ImageCanvas.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

constexpr Color CardBack = 0xCDCDCD;

bool AnyPixelOtherThan(const Image& image, const Rect& r, Color c) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (image.contains(x, y) && image.at(x, y) != c) return true;
  return false;
}

TEST(CardFaceTest, FontIsDrawnOnBothBackgroundsWithWhiteLeftOut) {
  const CardFacePicture face = DrawCardFace(CardBack);
  // "2", first row "1 0*3 4": paper, three black, one shade.
  EXPECT_EQ(face.picture.at(0, 0), CardBack);
  EXPECT_EQ(face.picture.at(1, 0), Colors::Black);
  EXPECT_EQ(face.picture.at(4, 0), CardFacePalette[4]);
  EXPECT_EQ(face.picture.at(CardFaceCopyX, 0), Colors::White);
  EXPECT_EQ(face.picture.at(CardFaceCopyX + 1, 0), Colors::Black);
  EXPECT_EQ(face.widths[0], 6);  // "0 4 1*2 0 5" is the longest row
  for (int g = 0; g < CardFaceGlyphCount; ++g) {
    EXPECT_GT(face.widths[static_cast<std::size_t>(g)], 0) << g;
    EXPECT_EQ(face.widths[static_cast<std::size_t>(g)],
              face.widths[static_cast<std::size_t>(g + CardFaceGlyphCount)]);
  }
  // The hearts mark is red, the clubs mark blue.
  bool red = false;
  bool blue = false;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      red = red || face.picture.at(150 + x, y) == 0x0000FF;
      blue = blue || face.picture.at(130 + x, y) == 0xFF0000;
    }
  EXPECT_TRUE(red);
  EXPECT_TRUE(blue);
}

TEST(CardFaceTest, RowTextsOfAnyShapeAreReadSafely) {
  EXPECT_EQ(ParseCardFaceRow("1 0*3 4"), (std::vector<int>{1, 0, 0, 0, 4}));
  EXPECT_EQ(ParseCardFaceRow("  2*2  "), (std::vector<int>{2, 2}));
  // An index outside the palette is paper; a huge or broken count is bounded.
  EXPECT_EQ(ParseCardFaceRow("99 x"), (std::vector<int>{1, 1}));
  EXPECT_LE(ParseCardFaceRow("0*99999999").size(), 64u);
  EXPECT_TRUE(ParseCardFaceRow("0*-5").empty());
}

TEST(CardCellTest, CellsByLeadWinAndNilMark) {
  const CardStrip strip = BuildCardStrip(DrawCardFace(CardBack), CardBack);
  ASSERT_TRUE(strip.ready());
  ImageCanvas canvas({200, 60}, Colors::ButtonFace);
  dspCardP(canvas, strip, 0, 0, 0, 0, 0);  // no card: nothing
  EXPECT_FALSE(AnyPixelOtherThan(canvas.image(), Rect{0, 0, 200, 60}, Colors::ButtonFace));

  dspCardP(canvas, strip, 0, 0, 314, 0, 0);   // ace of spades
  dspCardP(canvas, strip, 30, 0, 314, 1, 0);  // led
  dspCardP(canvas, strip, 60, 0, 314, 0, 1);  // won
  dspCardP(canvas, strip, 90, 0, -314, 0, 1); // won by a Nil bidder
  const Image& img = canvas.image();
  const int w = strip.cellWidth;
  const int h = strip.cellHeight - 1;
  const Image plain = canvas.readImage({0, 0, w, h});
  EXPECT_NE(plain.pixels, canvas.readImage({30, 0, 30 + w, h}).pixels);
  EXPECT_NE(plain.pixels, canvas.readImage({60, 0, 60 + w, h}).pixels);
  EXPECT_EQ(img.at(0, h), Colors::ButtonFace);  // the cell is one row short of its height
  // The purple strike runs from the top-left corner.
  EXPECT_EQ(img.at(90, 0), StrikeColor);
  EXPECT_NE(img.at(60, 0), StrikeColor);
}

HandRecord SampleRecord() {
  HandRecord r;
  r.PlayerNames = {"north", "east", "south", "west"};
  r.Bids = {"4", "N", "3", "2"};
  for (std::size_t t = 0; t < TrickCount; ++t)
    for (std::size_t s = 0; s < 4; ++s) {
      r.PlayTexts[t][s] = CardTextOf(static_cast<int>(s) * 100 + static_cast<int>(t) + 2);
      r.LeadMarks[t][s] = s == (t % 4) ? 1 : 0;
    }
  return r;
}

TEST(PlayGridTest, RowsRunLhoPardRhoMeAndKeepTheNilStrike) {
  HandRecord r = SampleRecord();
  DeriveRecord(r, OrderAscending);
  // South at the bottom: LHO West, Pard North, RHO East, Me South.
  const PlayGridView view = PlayGridOfRecord(r, 2);
  EXPECT_EQ(view.rows[0][0].code, r.PlayCodesShown[0][3]);
  EXPECT_EQ(view.rows[1][0].code, r.PlayCodesShown[0][0]);
  EXPECT_EQ(view.rows[3][5].code, r.PlayCodesShown[5][2]);
  EXPECT_EQ(view.rows[1][0].lead, 1);
  EXPECT_EQ(view.tricks, 13);
  // East bid Nil; every card it won is negative in the grid and marked in its hand.
  bool struck = false;
  for (const GridCell& c : view.rows[2]) struck = struck || (c.code < 0 && c.win == 1);
  EXPECT_EQ(struck, r.NilTricks[1] > 0);
  const HandsView hands = FourHandsOfRecord(r, 2);
  int marked = 0;
  for (const auto& suit : hands.suits[3])
    for (const auto& [code, m] : suit) marked += m ? 1 : 0;
  EXPECT_EQ(marked, r.NilTricks[1]);
  int cards = 0;
  for (const auto& suit : hands.suits[0]) cards += static_cast<int>(suit.size());
  EXPECT_EQ(cards, 13);

  LivePlay live;
  live.cards[0] = {{{314, 1, 1}, {102, 0, 0}, {203, 0, 0}, {7, 0, 0}}};
  live.tricksSeen = 1;
  const PlayGridView lv = PlayGridOfLive(live);
  EXPECT_EQ(lv.tricks, 1);
  EXPECT_EQ(lv.rows[3][0].code, 314);  // the user's row is last
  EXPECT_EQ(lv.rows[0][0].code, 102);
  live.tricksSeen = 40;
  EXPECT_EQ(PlayGridOfLive(live).tricks, 13);
}

void Show(ShownTable& t, int position, std::initializer_list<int> codes) {
  for (int c : codes) AddShownCard(t, position, c);
}

TEST(VoidInferenceTest, ThreeVoidsGiveTheFourthTheRestOfTheSuit) {
  ShownTable t{};
  for (int p : {0, 1, 3}) t[static_cast<std::size_t>(p)][Hearts].voidFlag = 1;
  Show(t, 2, {214, 302});
  std::array<bool, 4> exhausted = FindShortSuits(t);
  EXPECT_EQ(t[2][Hearts].voidFlag, 2);
  EXPECT_EQ(exhausted, (std::array<bool, 4>{}));
  EXPECT_EQ(t[2][Spades].voidFlag, 0);

  // Twelve hearts are out elsewhere... the holder's shown cards and the hearts left make 13:
  // he holds nothing but hearts.
  ShownTable u{};
  for (int p : {0, 1, 3}) u[static_cast<std::size_t>(p)][Hearts].voidFlag = 1;
  for (int r = 2; r <= 9; ++r) AddShownCard(u, 0, 200 + r);  // eight hearts shown by position 0
  Show(u, 2, {210, 302, 303, 304, 305, 306, 307, 308});      // one heart, seven spades by 2
  FindShortSuits(u);
  // Hearts left: 13 - 9 = 4; with his 8 shown cards that is 12: no inference.
  EXPECT_EQ(u[2][Clubs].voidFlag, 0);
  AddShownCard(u, 2, 309);  // a ninth card shown: 4 + 9 = 13
  // With a trick of the deal played unseen, cards not shown may be gone: no inference either.
  ShownTable unseen = u;
  FindShortSuits(unseen, false);
  EXPECT_EQ(unseen[2][Clubs].voidFlag, 0);
  EXPECT_EQ(unseen[2][Hearts].voidFlag, 2);
  FindShortSuits(u);
  EXPECT_EQ(u[2][Clubs].voidFlag, 1);
  EXPECT_EQ(u[2][Diamonds].voidFlag, 1);
  EXPECT_EQ(u[2][Spades].voidFlag, 1);
  EXPECT_EQ(u[2][Hearts].voidFlag, 2);
}

TEST(VoidInferenceTest, ThirteenShownMakeEveryoneVoidAndThreeVoidsFlagTheFourth) {
  ShownTable t{};
  for (int r = 2; r <= 14; ++r) AddShownCard(t, r % 4, r);  // every club
  AddShownCard(t, 0, 2);  // shown twice: counted once
  const std::array<bool, 4> exhausted = FindShortSuits(t);
  EXPECT_TRUE(exhausted[Clubs]);
  for (const auto& player : t) EXPECT_EQ(player[Clubs].voidFlag, 1);

  ShownTable u{};
  u[1][Clubs].voidFlag = u[1][Diamonds].voidFlag = u[1][Hearts].voidFlag = 1;
  FindShortSuits(u);
  EXPECT_EQ(u[1][Spades].voidFlag, 2);

  AddShownCard(u, 7, 314);  // no such position
  AddShownCard(u, 0, 999);  // no such card
  EXPECT_EQ(u[0][Spades].count, 0);
}

TEST(RemainingCardsTest, APlayedCardIsBlankedInTextAndPixels) {
  RemainingCards rem;
  std::array<std::string, 4> lines = RemainingLines(rem);
  EXPECT_EQ(lines[0], "AKQJT98765432");
  EXPECT_EQ(lines[3], "AKQJT98765432");
  rem.played[Spades][12] = true;  // the ace of spades
  rem.played[Clubs][0] = true;    // the two of clubs
  lines = RemainingLines(rem);
  EXPECT_EQ(lines[0], " KQJT98765432");
  EXPECT_EQ(lines[3], "AKQJT9876543 ");

  const Color back = 0xC0E0C0;
  ImageCanvas canvas({172, 92}, back);
  DrawRemaining(canvas, RemainingCards{}, back);
  const int w = canvas.textWidth("A", RemainingFont);
  const int h = canvas.textHeight(RemainingFont);
  EXPECT_TRUE(AnyPixelOtherThan(canvas.image(), Rect{0, 0, w, h}, back));
  BlankRemaining(canvas, Spades, 14, back);
  EXPECT_FALSE(AnyPixelOtherThan(canvas.image(), Rect{0, 0, w, h}, back));
  EXPECT_TRUE(AnyPixelOtherThan(canvas.image(), Rect{w, 0, 2 * w, h}, back));
  BlankRemaining(canvas, 7, 99, back);  // no such card: nothing happens
}

TEST(SummaryTest, NamesBidsAndScoreItems) {
  HandRecord r = SampleRecord();
  r.PlayerNames[1] = "averyveryverylongname";
  DeriveRecord(r, OrderAscending);
  const NameLabelsView names = NameLabelsOf(r, 2, -1, 60, 6);
  EXPECT_EQ(names.names[0], "south");
  EXPECT_EQ(names.names[3], "averyveryv");  // East cut to 60 units
  EXPECT_EQ(names.bold[static_cast<std::size_t>(scorlet::InvSeat(SeatRotation{2, 3, 0, 1}, r.FirstLeader))], true);

  const BidSummaryView bids = BidSummaryOf(r, 2);
  EXPECT_EQ(bids.entries[0].bid, "3");
  EXPECT_TRUE(bids.entries[3].bold);  // East's Nil
  EXPECT_EQ(bids.bidSum, 9);

  const LastHandSummaryView s = LastHandSummaryOf(r, 2);
  EXPECT_EQ(s.teams[0].first, "west");  // opponents first: LHO, RHO
  EXPECT_EQ(s.teams[0].column, 2);
  EXPECT_EQ(s.teams[1].first, "north");
  EXPECT_EQ(s.teams[1].column, 0);

  // Score rows (120, 8, 85, 3) then (62, 0, 131, 4): -58 (2) and +46 (1).
  const ScoreRow before{120, 8, 85, 3};
  const ScoreRow after{62, 0, 131, 4};
  const ScoreItem us = PointsItem(before, after, 0);
  EXPECT_EQ(us.value, 58);
  EXPECT_TRUE(us.negative);
  EXPECT_EQ(us.bags, "(2)");
  const ScoreItem them = PointsItem(before, after, 2);
  EXPECT_EQ(them.value, 46);
  EXPECT_FALSE(them.negative);
  EXPECT_EQ(them.bags, "(1)");
  EXPECT_EQ(TotalItem({-40, 3, 0, 0}, 0).negative, true);

  // The longer name is cut first, the second on a tie.
  EXPECT_EQ(FitTeamLabel("abcdef", "xy", 60, 6), (std::pair<std::string, std::string>{"abcdef", "xy"}));
  EXPECT_EQ(FitTeamLabel("abcdef", "xyz", 60, 6), (std::pair<std::string, std::string>{"abcde", "xyz"}));
  EXPECT_EQ(FitTeamLabel("abcd", "wxyz", 54, 6), (std::pair<std::string, std::string>{"abcd", "wxy"}));
  EXPECT_EQ(FitTeamLabel("abcd", "wxyz", 48, 6), (std::pair<std::string, std::string>{"abc", "wxy"}));

  // A minus sign in "Courier New" left of digits that line up with a positive total.
  ImageCanvas canvas({200, 40}, Colors::White);
  DrawScoreItem(canvas, 0, {40, true, "(3)"}, 100, 140, Font{"Times New Roman", 8, false});
  DrawScoreItem(canvas, 20, {40, false, "(3)"}, 100, 140, Font{"Times New Roman", 8, false});
  int minus = 0;
  for (const DrawnText& t : canvas.texts())
    if (t.text == "-") {
      ++minus;
      EXPECT_EQ(t.font.name, "Courier New");
    }
  EXPECT_EQ(minus, 1);
}

TEST(SeatOverlayTest, BidsAndTricksAreComposedFromTheirCells) {
  constexpr int W = 11;
  constexpr int H = 21;
  OverlayPaint p = ComposeBid("12", 100, 50, false, W, H);
  ASSERT_EQ(p.blocks.size(), 2u);
  EXPECT_EQ(p.blocks[0], (OverlayBlock{{100, 50}, Rect{W, 3 * H, 2 * W, 3 * H + H - 4}}));
  EXPECT_EQ(p.blocks[1], (OverlayBlock{{100 + W - 2, 50}, Rect{2 * W, 3 * H, 3 * W, 4 * H - 4}}));
  EXPECT_EQ(p.painted, (Rect{100, 50, 100 + 2 * W - 2, 50 + H - 4}));

  p = ComposeBid("DP", 0, 0, false, W, H);
  ASSERT_EQ(p.blocks.size(), 1u);
  EXPECT_EQ(p.blocks[0].source, (Rect{10 * W, 3 * H, 12 * W, 4 * H - 4}));
  EXPECT_EQ(p.painted.right, 2 * W + 4);

  p = ComposeBid("N", 0, 0, true, W, H);
  ASSERT_EQ(p.blocks.size(), 3u);
  EXPECT_EQ(p.blocks[0].at.x, -W * 3 / 2);     // the opening bracket
  EXPECT_EQ(p.blocks[0].source.left, W * 25 / 2);
  EXPECT_EQ(p.blocks[1].source.left, 11 * W);  // the "N"
  EXPECT_EQ(p.blocks[2].at.x, W + 4);          // the closing bracket
  EXPECT_EQ(p.blocks[2].source.left, W * 27 / 2);

  for (const char* nothing : {"", "0", "14", "x", "1x"}) {
    p = ComposeBid(nothing, 5, 5, true, W, H);
    EXPECT_TRUE(p.blocks.empty()) << nothing;
    EXPECT_TRUE(p.painted.empty()) << nothing;
  }

  p = ComposeTricks(11, 0, 0, W, H);
  ASSERT_EQ(p.blocks.size(), 2u);
  EXPECT_EQ(p.blocks[0].source, (Rect{W, 4 * H + 1, 2 * W, 5 * H + 1}));
  EXPECT_EQ(p.blocks[1].at.x, W - 2);
  EXPECT_TRUE(ComposeTricks(0, 0, 0, W, H).blocks.empty());
  EXPECT_EQ(ComposeTricks(7, 0, 0, W, H).blocks[0].source.left, 7 * W);
}

TEST(SeatOverlayTest, FirstBidderFromTheBidsSoFar) {
  using B = std::array<std::string, 4>;
  EXPECT_EQ(FirstBidderFromBids(B{"", "", "", ""}), -1);
  EXPECT_EQ(FirstBidderFromBids(B{"", "", "3", "4"}), 2);
  EXPECT_EQ(FirstBidderFromBids(B{"", "1", "", ""}), 1);
  EXPECT_EQ(FirstBidderFromBids(B{"4", "", "", "2"}), 3);
  EXPECT_EQ(FirstBidderFromBids(B{"4", "", "N", "2"}), 2);
  EXPECT_EQ(FirstBidderFromBids(B{"4", "1", "N", "2"}), -1);
  EXPECT_EQ(FirstBidderFromBids(B{"4", "1", "", ""}), 0);

  recognition::TableBox box = recognition::BoxAt(200, 150);
  const OverlayPlaces places = OverlayPlacesOf(box);
  EXPECT_EQ(places.bid[0], (Point{box.right - 10, box.bottom + 86}));
  EXPECT_EQ(places.trick[0], (Point{box.right + 16, box.bottom + 86}));
  EXPECT_EQ(places.bid[1], (Point{box.left - 40, box.centreY - 69}));
  EXPECT_EQ(places.trick[3], (Point{box.right + 50, box.centreY - 69}));
  EXPECT_EQ(places.bid[2].y, box.top - 34);
}

// Painting onto the table window on the virtual desktop, and procHide giving it back.
TEST(SeatOverlayTest, PaintedOntoTheTableAndRemovedByProcHide) {
  testing::Harness h("SeatOverlays");
  h.WriteIni("BoldBidTrick=yes\r\n");
  ASSERT_TRUE(h.Start());
  h.GoOnline();
  App& app = h.app();
  ASSERT_TRUE(app.record.cards.overlay.ready());
  const Image before = h.desktop.windowImage(h.table);
  app.deal.bids = {"4", "12", "N", ""};
  app.deal.tricks = {3, 11, 0, 0};
  app.deal.tricksShown = true;
  EXPECT_EQ(BitBltBid(app, h.table, {40, 40}, 40, true, 1), 0);
  EXPECT_EQ(BitBltTrk(app, h.table, {120, 40}, 40, 1), 0);
  EXPECT_EQ(BitBltBid(app, h.table, {40, 90}, 90, false, 3), 1);  // no bid
  EXPECT_EQ(BitBltTrk(app, h.table, {120, 90}, 90, 2), 1);        // no trick
  const SeatOverlayAnchor& o = app.record.cards.overlays;
  EXPECT_TRUE(o.bidPainted[3].empty());
  EXPECT_TRUE(o.trickPainted[2].empty());
  const Rect bid = o.bidPainted[1];
  const Rect trick = o.trickPainted[1];
  ASSERT_FALSE(bid.empty());
  ASSERT_FALSE(trick.empty());
  const Image painted = h.desktop.windowImage(h.table);
  EXPECT_NE(painted.pixels, before.pixels);
  // Outside the rectangles kept nothing changed.
  for (int y = 0; y < painted.height; ++y)
    for (int x = 0; x < painted.width; ++x)
      if (!bid.contains({x, y}) && !trick.contains({x, y})) {
        ASSERT_EQ(painted.at(x, y), before.at(x, y)) << x << "," << y;
      }

  procHide(app);
  EXPECT_EQ(h.desktop.windowImage(h.table).pixels, before.pixels);
  EXPECT_TRUE(app.record.cards.overlays.bidPainted[1].empty());

  // With the option off nothing is painted.
  app.settings.boldBidTrick = false;
  app.deal.names = {"a", "b", "c", "d"};
  DrawSeatOverlays(app);
  EXPECT_EQ(h.desktop.windowImage(h.table).pixels, before.pixels);
}

// A saved hand loaded from the list is drawn in the main window: its names, and the Nil
// bidder's winning card struck through in the play grid.
TEST(LoadedRecordTest, MainWindowShowsTheGridWithTheNilStrike) {
  testing::Harness h("LoadedRecord");
  ASSERT_TRUE(h.Start());
  App& app = h.app();
  HandRecord r = SampleRecord();
  DeriveRecord(r, OrderAscending);
  ASSERT_GT(r.NilTricks[1], 0);
  ASSERT_EQ(WriteRecordFile(r, h.folder / "Work", "12_01_001", CodePage::Western),
            RecordFileStatus::Done);
  HandRecord shown;
  LoadAndShowRecord(app, "12_01_001", shown);
  EXPECT_EQ(app.frmZ.plName[0]->caption(), "north");
  const Image main = app.frmZ.form->canvas().readImage({0, 0, FrmZWidth, FrmZHeight});
  int purple = 0;
  for (const Color c : main.pixels) purple += c == StrikeColor ? 1 : 0;
  EXPECT_GE(purple, 24 * r.NilTricks[1]);
  // The four hands: every card of the bottom seat in its block.
  EXPECT_TRUE(AnyPixelOtherThan(main, Rect{HandBlockPlace(0).x, HandBlockPlace(0).y,
                                           HandBlockPlace(0).x + HandBlockWidth,
                                           HandBlockPlace(0).y + 52},
                                app.BackColor()));
}

TEST(LiveCardsTest, TricksReachTheGridTheShownCardsAndTheBox) {
  testing::Harness h("LiveCards");
  h.WriteIni("CountCards=(644,20)\r\n");
  ASSERT_TRUE(h.Start());
  h.GoOnline();
  App& app = h.app();
  std::array<std::array<bool, 4>, 4> voids{};
  TrickSeen t;
  t.leader = 0;
  t.winner = 0;
  t.codes = {314, 302, 303, 304};
  RecordLiveTrick(app, 0, t, voids);
  const CardDisplayState& c = app.record.cards;
  EXPECT_EQ(c.live.tricksSeen, 1);
  EXPECT_EQ(c.live.cards[0][0], (GridCell{314, 1, 1}));
  EXPECT_TRUE(c.remaining.played[Spades][12]);
  EXPECT_EQ(RemainingLines(c.remaining)[0].substr(0, 1), " ");
  EXPECT_EQ(c.shown[1][Spades].count, 1);
  EXPECT_TRUE(app.windows.cardPlay.loaded());
  EXPECT_TRUE(app.frmZ.remBox->visible());
  // The ace of spades' cell of the box shows nothing but the box's colour.
  const Image box = app.frmZ.remBox->canvas().readImage({0, 0, 172, 92});
  const int w = app.frmZ.remBox->canvas().textWidth("A", RemainingFont);
  const int hh = app.frmZ.remBox->canvas().textHeight(RemainingFont);
  EXPECT_FALSE(AnyPixelOtherThan(box, Rect{0, 0, w, hh}, app.BackColor()));
  EXPECT_TRUE(AnyPixelOtherThan(box, Rect{w, 0, 2 * w, hh}, app.BackColor()));

  // Hearts led; position 1 shows out of hearts.
  t.leader = 0;
  t.codes = {214, 105, 213, 212};
  voids[1][Hearts] = true;
  RecordLiveTrick(app, 1, t, voids);
  EXPECT_EQ(c.shown[1][Hearts].voidFlag, 1);
  // A trick 0 again: a new deal starts from nothing.
  t.codes = {402, 0, 0, 0};
  RecordLiveTrick(app, 0, t, voids);
  EXPECT_EQ(c.live.tricksSeen, 1);
  EXPECT_EQ(c.shown[1][Hearts].voidFlag, 0);
  EXPECT_FALSE(c.remaining.played[Spades][12]);
}

// The remaining-cards box is loaded when the table is taken over and drawn once a card is
// played: it stands where the settings put it, not in the screen's corner over the game's windows.
TEST(RemainingCardsBoxTest, StandsInItsConfiguredPlace) {
  VirtualDesktopConfig config;
  config.codePage = 932;  // the box's key is a Japanese one
  testing::Harness h("RemainingBoxPlace", config);
  h.WriteIni(ToAnsi("残りのカード=(900,650)\r\n", CodePage::Japanese));
  ASSERT_TRUE(h.Start());
  h.GoOnline();
  App& app = h.app();
  ASSERT_TRUE(app.windows.myBox.loaded());
  RemovePlayedCard(app, Spades, 14);
  ASSERT_NE(app.windows.myBox.form, nullptr);
  EXPECT_TRUE(app.windows.myBox.form->visible());
  const Rect at = app.windows.myBox.form->bounds();
  EXPECT_EQ(at.left, 900);
  EXPECT_EQ(at.top, 650);
  RemovePlayedCard(app, Spades, 13);
  EXPECT_EQ(app.windows.myBox.form->bounds().left, 900);
}

}  // namespace
}  // namespace scorlet::companion
