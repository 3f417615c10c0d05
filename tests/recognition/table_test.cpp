#include <gtest/gtest.h>

#include "companion/recognition/TableReaders.h"
#include "gamedata/WindowTitles.h"
#include "tests/recognition/Drawing.h"

namespace scorlet::recognition {
namespace {

using testing::DrawText;

// The box of TableWithFrame: 215,296 - 450,445, centre (332, 370). Each seat's two lines:
// seat 0 tricks (lower left) and bid (lower right) on one row, seat 1 bid lower left with its
// tricks upper left, seat 2 both upper, seat 3 bid upper right with its tricks lower right.
struct Layout {
  std::array<std::string, 4> bids;
  std::array<std::string, 4> tricks;
};

TableCapture DrawTable(const Layout& layout) {
  TableCapture picture = testing::TableWithFrame();
  auto line = [&](int x, int y, std::string_view keyword, const std::string& value) {
    if (value != "-") DrawText(picture, x, y, std::string(keyword) + value);
  };
  line(230, 400, "Tricks:", layout.tricks[0]);
  line(345, 400, "Bid:", layout.bids[0]);
  line(230, 425, "Bid:", layout.bids[1]);
  line(230, 340, "Tricks:", layout.tricks[1]);
  line(230, 310, "Bid:", layout.bids[2]);
  line(345, 310, "Tricks:", layout.tricks[2]);
  line(345, 340, "Bid:", layout.bids[3]);
  line(345, 425, "Tricks:", layout.tricks[3]);
  return picture;
}

class Table : public ::testing::Test {
 protected:
  GlyphTables glyphs = BuildGlyphTables();
  BidTrickAnchors anchors;
};

TEST_F(Table, BoxFromTheFrameCornerRun) {
  const TableBox box = FindTableBox(testing::TableWithFrame(), LangEnglish);
  EXPECT_EQ(box, (TableBox{215, 296, 450, 445, 332, 370}));
  EXPECT_FALSE(FindTableBox(MakeTableCapture(615, 560, testing::Felt), LangEnglish).located());
  // A picture smaller than the search region: nothing found, nothing read outside it.
  EXPECT_FALSE(FindTableBox(MakeTableCapture(100, 100, FrameReference), LangEnglish).located());
}

TEST_F(Table, FourBidsEachFromItsOwnQuadrant) {
  TableCapture picture = DrawTable({{"4", "N", "13", "D"}, {"0", "0", "0", "0"}});
  const TableBox box = FindTableBox(picture, LangEnglish);
  BidReading reading = ReadBidLines(picture, box, glyphs, anchors, false);
  EXPECT_EQ(reading.status, BidStatus::Read);
  EXPECT_EQ(reading.bids, (std::array<std::string, 4>{"4", "N", "13", "D"}));
  EXPECT_EQ(reading.bidsRead, 4);
  EXPECT_EQ(reading.bidLinesFound, 4);
  EXPECT_EQ(anchors.bid[0], (Point{345, 400}));
  EXPECT_EQ(anchors.bid[1], (Point{230, 425}));
  EXPECT_EQ(anchors.trick[3].y, 425);
  // The next pass reads at the anchors; a double nil at a passing table; thirteen tricks in
  // all end the deal.
  picture = DrawTable({{"4", "N", "13", "D"}, {"4", "3", "2", "4"}});
  reading = ReadBidLines(picture, box, glyphs, anchors, true);
  EXPECT_EQ(reading.bids[3], "DP");
  EXPECT_EQ(reading.status, BidStatus::DealOver);
  EXPECT_EQ(ReadTrickLines(picture, box, glyphs, anchors).tricks, (std::array<int, 4>{4, 3, 2, 4}));
}

TEST_F(Table, TwoBidLinesOnOneRowBelongToTheirOwnSeats) {
  TableCapture picture = testing::TableWithFrame();
  DrawText(picture, 230, 420, "Bid:7");
  DrawText(picture, 345, 420, "Bid:2");
  const BidReading reading =
      ReadBidLines(picture, FindTableBox(picture, LangEnglish), glyphs, anchors, false);
  EXPECT_EQ(reading.bids[0], "2");
  EXPECT_EQ(reading.bids[1], "7");
  EXPECT_EQ(reading.bidsRead, 2);
}

TEST_F(Table, KeywordWithoutValueIsNoBid) {
  TableCapture picture = DrawTable({{"", "-", "-", "-"}, {"-", "-", "-", "-"}});
  const BidReading reading =
      ReadBidLines(picture, FindTableBox(picture, LangEnglish), glyphs, anchors, false);
  EXPECT_EQ(reading.bidsRead, 0);
  EXPECT_EQ(reading.bidLinesFound, 1);
  EXPECT_EQ(reading.status, BidStatus::NoBidLine);
}

TEST_F(Table, WaitingPromptAndFinalOK) {
  TableCapture picture = testing::TableWithFrame();
  DrawText(picture, 250, 360, TablePromptTexts[LangEnglish].clickToStart);
  const TableBox box = FindTableBox(picture, LangEnglish);
  EXPECT_TRUE(IsTableWaiting(picture, box, glyphs));
  EXPECT_EQ(ReadBidLines(picture, box, glyphs, anchors, false).status, BidStatus::Waiting);
  EXPECT_FALSE(TestFinalOK(picture, box, glyphs));
  DrawText(picture, 240, 420, "OK");
  EXPECT_TRUE(TestFinalOK(picture, box, glyphs));
  EXPECT_FALSE(IsTableWaiting(DrawTable({{"1", "2", "3", "4"}, {}}), box, glyphs));
}

TEST_F(Table, MyTurnStrip) {
  TableCapture picture = MakeTableCapture(615, 560, testing::Felt);
  const int top = 560 - 149 + 112;  // the strip's first row
  EXPECT_FALSE(TestMyTurn(picture));
  testing::FillRect(picture, 107, top + 3, 128, top + 4, 0);
  EXPECT_TRUE(TestMyTurn(picture));
  testing::FillRect(picture, 107, top, 128, top + 8, 0);
  EXPECT_FALSE(TestMyTurn(picture));  // black from the first row
}

TEST(BidNotation, ValuesAndPoints) {
  EXPECT_EQ(BidFromValue("Z", LangItalian, false), "N");
  EXPECT_EQ(BidFromValue("Q", LangItalian, true), "DP");
  EXPECT_EQ(BidFromValue("0", LangEnglish, false), "");
  EXPECT_EQ(BidFromValue("12", LangEnglish, false), "12");
  EXPECT_EQ(BidFromValue("14", LangEnglish, false), "");
}

}  // namespace
}  // namespace scorlet::recognition
