#include "summary/GifImage.h"

#include <algorithm>

namespace scorlet::summary {

namespace {

constexpr int kMaxCodes = 4096;  // codes are at most 12 bits wide

// Codes packed least significant bit first into sub-blocks of at most 255 bytes.
class CodeWriter {
 public:
  void Put(int code, int width) {
    bits_ |= static_cast<std::uint32_t>(code) << count_;
    count_ += width;
    while (count_ >= 8) {
      Byte(static_cast<char>(bits_ & 0xFF));
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  std::string Finish() {
    if (count_ > 0) Byte(static_cast<char>(bits_ & 0xFF));
    bits_ = 0;
    count_ = 0;
    Flush();
    out_ += '\0';  // block terminator
    return std::move(out_);
  }

 private:
  void Byte(char byte) {
    block_ += byte;
    if (block_.size() == 255) Flush();
  }
  void Flush() {
    if (block_.empty()) return;
    out_ += static_cast<char>(block_.size());
    out_ += block_;
    block_.clear();
  }
  std::uint32_t bits_ = 0;
  int count_ = 0;
  std::string block_;
  std::string out_;
};

std::string LzwData(const std::vector<std::uint8_t>& pixels, int minCodeSize) {
  const int alphabet = 1 << minCodeSize;
  const int clear = alphabet;
  const int end = clear + 1;
  // next code of (prefix code, pixel), -1 when not yet in the table
  std::vector<std::int16_t> table(static_cast<std::size_t>(kMaxCodes) * alphabet, -1);
  int next = end + 1;
  int width = minCodeSize + 1;
  CodeWriter writer;
  writer.Put(clear, width);
  int prefix = pixels.front();
  for (std::size_t i = 1; i < pixels.size(); ++i) {
    const int pixel = pixels[i];
    std::int16_t& entry = table[static_cast<std::size_t>(prefix) * alphabet + pixel];
    if (entry >= 0) {
      prefix = entry;
      continue;
    }
    writer.Put(prefix, width);
    if (next < kMaxCodes) {
      entry = static_cast<std::int16_t>(next++);
      // The reader widens its codes once its table holds 2^width entries, one code later.
      if (next > (1 << width) && width < 12) ++width;
    } else {
      writer.Put(clear, width);
      std::fill(table.begin(), table.end(), static_cast<std::int16_t>(-1));
      next = end + 1;
      width = minCodeSize + 1;
    }
    prefix = pixel;
  }
  writer.Put(prefix, width);
  writer.Put(end, width);
  return writer.Finish();
}

void Word(std::string& out, int value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

}  // namespace

IndexedImage::IndexedImage(int w, int h, std::vector<std::uint32_t> colours, std::uint8_t fill)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      palette(std::move(colours)),
      pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

void IndexedImage::Set(int x, int y, std::uint8_t colour) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  pixels[static_cast<std::size_t>(y) * width + x] = colour;
}

std::uint8_t IndexedImage::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  return pixels[static_cast<std::size_t>(y) * width + x];
}

std::string EncodeGif(const IndexedImage& image) {
  if (image.pixels.empty() || image.palette.empty() || image.palette.size() > 256 ||
      image.width > 0xFFFF || image.height > 0xFFFF) {
    return {};
  }
  int bits = 1;  // the colour table holds 2^bits entries; LZW needs at least 2 bits
  while ((1u << bits) < image.palette.size()) ++bits;
  const int minCodeSize = std::max(bits, 2);
  std::string out = "GIF89a";
  Word(out, image.width);
  Word(out, image.height);
  out += static_cast<char>(0x80 | ((bits - 1) << 4) | (bits - 1));  // global table, its size
  out += '\0';  // background colour index
  out += '\0';  // no aspect ratio
  for (std::size_t i = 0; i < (std::size_t{1} << bits); ++i) {
    const std::uint32_t colour = i < image.palette.size() ? image.palette[i] : 0;
    out += static_cast<char>((colour >> 16) & 0xFF);
    out += static_cast<char>((colour >> 8) & 0xFF);
    out += static_cast<char>(colour & 0xFF);
  }
  out += ',';  // image descriptor
  Word(out, 0);
  Word(out, 0);
  Word(out, image.width);
  Word(out, image.height);
  out += '\0';  // no local colour table, not interlaced
  out += static_cast<char>(minCodeSize);
  std::vector<std::uint8_t> pixels = image.pixels;
  const auto limit = static_cast<std::uint8_t>(image.palette.size() - 1);
  for (std::uint8_t& pixel : pixels) pixel = std::min(pixel, limit);
  out += LzwData(pixels, minCodeSize);
  out += ';';  // trailer
  return out;
}

}  // namespace scorlet::summary
