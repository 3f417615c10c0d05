// A small picture of palette colours and its GIF89a file, encoded without a library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scorlet::summary {

struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> palette;  // 0xRRGGBB, at most 256 colours
  std::vector<std::uint8_t> pixels;    // palette indices, row by row from the top

  IndexedImage(int w, int h, std::vector<std::uint32_t> colours, std::uint8_t fill = 0);
  // Positions outside the picture are ignored.
  void Set(int x, int y, std::uint8_t colour);
  std::uint8_t At(int x, int y) const;
};

// The GIF89a file of the picture (one image, a global colour table of the palette padded to a
// power of two, LZW-compressed pixels). Empty for a picture without pixels or with more than
// 256 colours.
std::string EncodeGif(const IndexedImage& image);

}  // namespace scorlet::summary
