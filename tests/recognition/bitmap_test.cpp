#include "companion/recognition/Bitmap.h"

#include "tests/common/TestFolder.h"
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/recognition/Drawing.h"

namespace scorlet::recognition {
namespace {

// A bitmap file of the given depth and signed height whose pixel (x, y) from the top is
// (x * 8, y * 8, 200) in 8-bit components.
std::string HandMadeBitmap(int width, int height, int bits) {
  const bool topDown = height < 0;
  const int rows = topDown ? -height : height;
  const size_t rowBytes = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
  std::string out(54 + rowBytes * rows, '\0');
  auto put = [&](size_t at, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  out[0] = 'B';
  out[1] = 'M';
  put(2, static_cast<uint32_t>(out.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<uint32_t>(width), 4);
  put(22, static_cast<uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, static_cast<uint32_t>(bits), 2);
  for (int fileRow = 0; fileRow < rows; ++fileRow) {
    const int y = topDown ? fileRow : rows - 1 - fileRow;
    for (int x = 0; x < width; ++x) {
      const size_t at = 54 + fileRow * rowBytes + x * (bits / 8);
      if (bits == 24) {
        put(at, 200, 1);
        put(at + 1, static_cast<uint32_t>(y * 8), 1);
        put(at + 2, static_cast<uint32_t>(x * 8), 1);
      } else {
        put(at, Rgb555(x, y, 25), 2);
      }
    }
  }
  return out;
}

TEST(Bitmap, RoundTripAndOtherLayouts) {
  TableCapture picture = MakeTableCapture(7, 5, testing::Felt);  // odd width: padded rows
  SetPixel(picture, 0, 0, 1);
  SetPixel(picture, 6, 4, 2);
  const std::string bytes = EncodeBitmap(picture);
  EXPECT_EQ(bytes.size(), 54u + 16u * 5u);
  const auto back = DecodeBitmap(bytes);
  ASSERT_TRUE(back);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) EXPECT_EQ(back->at(x, y), picture.at(x, y)) << x << "," << y;
  }

  for (int height : {3, -3}) {
    for (int bits : {16, 24}) {
      const auto read = DecodeBitmap(HandMadeBitmap(5, height, bits));
      ASSERT_TRUE(read) << height << " " << bits;
      EXPECT_EQ(read->at(4, 2), Rgb555(4, 2, 25)) << height << " " << bits;
      EXPECT_EQ(read->at(1, 0), Rgb555(1, 0, 25)) << height << " " << bits;
    }
  }
  std::string truncated = HandMadeBitmap(5, 3, 24);
  truncated.resize(truncated.size() - 1);
  EXPECT_FALSE(DecodeBitmap(truncated));
  EXPECT_FALSE(DecodeBitmap("BM"));
  EXPECT_FALSE(ReadBitmap("no-such-file.bmp"));
}

TEST(Bitmap, DiagFolderKeepsTheNewest) {
  namespace fs = std::filesystem;
  const fs::path folder = scorlet::testing::TestRunRoot() / "diag";
  fs::remove_all(folder);
  DiagFolder diag(folder, 3);
  const TableCapture picture = MakeTableCapture(4, 4, PureWhite);
  std::vector<std::string> names;
  for (int i = 0; i < 5; ++i) names.push_back(diag.Save(picture, "bid"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 3);
  EXPECT_FALSE(fs::exists(folder / names[1]));
  EXPECT_TRUE(fs::exists(folder / names[4]));
  EXPECT_TRUE(ReadBitmap(folder / names[4]));
}

}  // namespace
}  // namespace scorlet::recognition
