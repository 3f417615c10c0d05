// The built-in suit pictures, read back with a GIF decoder of the test's own.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "common/Notation.h"
#include "summary/SuitImages.h"
#include "tests/summary/GameCorpus.h"
#include "tests/summary/GifDecoder.h"

namespace scorlet::summary {
namespace {

using testing::Decode;
using testing::Gif;

std::vector<std::string> Rows(const Gif& gif, int ink) {
  std::vector<std::string> rows;
  for (int y = 0; y < gif.height; ++y) {
    std::string row;
    for (int x = 0; x < gif.width; ++x) row += gif.pixels[y * gif.width + x] == ink ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

TEST(SuitImages, EachIsA19By15Gif89aInItsColourOnTransparentWhite) {
  const std::uint32_t colours[4] = {0x009600, 0xFF00FF, 0xFF0000, 0x00001E};
  for (int suit = 0; suit < 4; ++suit) {
    const Gif gif = Decode(SuitImageBytes(suit));
    SCOPED_TRACE(SuitTable[suit].imageFile);
    EXPECT_EQ(gif.version, "GIF89a");
    EXPECT_EQ(gif.width, 19);
    EXPECT_EQ(gif.height, 15);
    ASSERT_EQ(gif.palette.size(), 256u);
    ASSERT_EQ(gif.pixels.size(), 19u * 15u);
    ASSERT_GE(gif.transparent, 0);
    EXPECT_EQ(gif.palette[gif.transparent], 0xFFFFFFu);
    std::map<int, int> used;
    for (const int index : gif.pixels) ++used[index];
    ASSERT_EQ(used.size(), 2u);
    const int ink = used.begin()->first == gif.transparent ? used.rbegin()->first : used.begin()->first;
    EXPECT_EQ(gif.palette[ink], colours[suit]);
    EXPECT_GT(used[ink], 80);
    for (const std::string& row : Rows(gif, ink)) {
      EXPECT_EQ(row, std::string(row.rbegin(), row.rend())) << "each symbol is symmetric";
    }
  }
}

TEST(SuitImages, ShapesAreTellingApart) {
  auto rows = [](int suit) {
    const Gif gif = Decode(SuitImageBytes(suit));
    return Rows(gif, gif.transparent == 0 ? 1 : 0);
  };
  // The heart ends in a point at the bottom, the spade's point is at the top.
  EXPECT_EQ(rows(Hearts).back().find('#'), 9u);
  EXPECT_EQ(rows(Hearts)[1].find("#.....#") != std::string::npos, true);
  EXPECT_EQ(rows(Spades).front(), ".........#.........");
  // The diamond is pointed at both ends, the club has three lobes and a stem.
  EXPECT_EQ(rows(Diamonds).front(), rows(Diamonds).back());
  EXPECT_EQ(rows(Clubs)[11], ".........#.........");
}

TEST(SuitImages, MissingPicturesAreAllWrittenAgain) {
  const auto folder = testing::FreshFolder("gifs");
  ASSERT_TRUE(WriteSuitImages(folder));
  EXPECT_EQ(testing::ReadAll(folder / "S.gif"), SuitImageBytes(Spades));
  std::filesystem::remove(folder / "H.gif");
  { std::ofstream(folder / "C.gif") << "changed"; }
  ASSERT_TRUE(WriteSuitImages(folder));
  EXPECT_EQ(testing::ReadAll(folder / "H.gif"), SuitImageBytes(Hearts));
  EXPECT_EQ(testing::ReadAll(folder / "C.gif"), SuitImageBytes(Clubs));
}

}  // namespace
}  // namespace scorlet::summary
