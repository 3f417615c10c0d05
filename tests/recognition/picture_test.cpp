#include "companion/recognition/Picture.h"

#include <gtest/gtest.h>

#include "tests/recognition/Drawing.h"

namespace scorlet::recognition {
namespace {

TEST(Picture, AddressesBottomUpRowsAndNeverReadsOutside) {
  TableCapture table = MakeTableCapture(801, 10, PureWhite);
  EXPECT_EQ(table.geometry.stride, 802);
  table.pixels[9 * 802] = 1;  // the top-left pixel lives in the last buffer row
  EXPECT_EQ(table.at(0, 0), 1);
  for (auto [x, y] : {std::pair{-1, 0}, {801, 0}, {0, -1}, {0, 10}, {100000, 100000}}) {
    EXPECT_FALSE(table.at(x, y).has_value()) << x << "," << y;
    EXPECT_FALSE(IsBlackAt(table, x, y));
  }

  PanelCapture panel;
  panel.geometry = table.geometry;
  panel.geometry.bottom = 500;  // panels are addressed by their height, not their bottom
  panel.pixels = table.pixels;
  EXPECT_EQ(panel.at(0, 0), 1);

  TableCapture shortBuffer = table;
  shortBuffer.pixels.resize(100);  // fewer pixels than the geometry claims
  EXPECT_FALSE(shortBuffer.at(0, 0).has_value());
}

TEST(Picture, ColourTests) {
  EXPECT_TRUE(IsNearReference(Rgb555(4, 1, 1)));
  EXPECT_TRUE(IsNearReference(Rgb555(6, 0, 0)));
  EXPECT_FALSE(IsNearReference(Rgb555(7, 0, 0)));
  EXPECT_FALSE(IsNearReference(Rgb555(5, 2, 0)));
  EXPECT_TRUE(IsGrey(Rgb555(15, 15, 15)));
  EXPECT_TRUE(IsGrey(Rgb555(27, 27, 27)));
  EXPECT_FALSE(IsGrey(Rgb555(14, 14, 14)));
  EXPECT_FALSE(IsGrey(Rgb555(28, 28, 28)));
  EXPECT_FALSE(IsGrey(Rgb555(20, 20, 21)));
  EXPECT_TRUE(IsWhite(0xFFFF));
  EXPECT_TRUE(IsBlack(0x8000));
}

TEST(Picture, RowAndColumnScans) {
  TableCapture picture = MakeTableCapture(40, 30, PureWhite);
  testing::FillRect(picture, 5, 12, 20, 14, 0);  // rows 12 and 13 black over 5..19
  testing::FillRect(picture, 0, 20, 40, 21, Rgb555(20, 20, 20));
  EXPECT_EQ(FirstRowWithBlack(picture, 0, 0, 39, 30), 12);
  EXPECT_EQ(FirstBlackRow(picture, 5, 0, 20), 12);
  EXPECT_EQ(FirstBlackRow(picture, 5, 0, 21), -1);  // column 20 is white
  EXPECT_EQ(FirstBlackRowInRect(picture, 5, 13, 20, 20), 13);
  EXPECT_EQ(FirstBlackColumn(picture, 0, 12, 39, 14), 5);
  EXPECT_EQ(FirstGreyRow(picture, 0, 0, 39, 29), 20);
  EXPECT_EQ(FirstGreyRow(picture, 0, 0, 45, 29), -1);  // a column outside is never grey
  EXPECT_EQ(FirstBlackRowInRect(TableCapture{}, 0, 0, 5, 5), -1);
}

}  // namespace
}  // namespace scorlet::recognition
