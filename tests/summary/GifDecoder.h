// A GIF decoder of the tests' own, to read back the pictures the utility writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scorlet::summary::testing {

struct Gif {
  std::string version;
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> palette;  // 0xRRGGBB
  int transparent = -1;
  std::vector<int> pixels;             // palette indices, row by row
};

class Reader {
 public:
  explicit Reader(const std::string& bytes) : bytes_(bytes) {}
  int Byte() { return pos_ < bytes_.size() ? static_cast<unsigned char>(bytes_[pos_++]) : -1; }
  int Word() { const int low = Byte(); return low | (Byte() << 8); }
  std::string Take(std::size_t n) { std::string s = bytes_.substr(pos_, n); pos_ += n; return s; }
  std::string SubBlocks() {
    std::string data;
    for (int size = Byte(); size > 0; size = Byte()) data += Take(size);
    return data;
  }
  bool AtEnd() const { return pos_ >= bytes_.size(); }

 private:
  const std::string& bytes_;
  std::size_t pos_ = 0;
};

inline std::vector<int> LzwDecode(const std::string& data, int minCodeSize, std::size_t count) {
  const int clear = 1 << minCodeSize;
  std::vector<std::vector<int>> table;
  auto reset = [&] {
    table.assign(clear + 2, {});
    for (int i = 0; i < clear; ++i) table[i] = {i};
  };
  reset();
  int size = minCodeSize + 1;
  std::vector<int> out;
  std::vector<int> previous;
  std::size_t bitPos = 0;
  while (bitPos + size <= data.size() * 8 && out.size() < count) {
    int code = 0;
    for (int b = 0; b < size; ++b, ++bitPos) {
      code |= ((static_cast<unsigned char>(data[bitPos / 8]) >> (bitPos % 8)) & 1) << b;
    }
    if (code == clear) { reset(); size = minCodeSize + 1; previous.clear(); continue; }
    if (code == clear + 1) break;
    std::vector<int> entry;
    if (code < static_cast<int>(table.size())) {
      entry = table[code];
    } else {
      entry = previous;
      entry.push_back(previous.at(0));
    }
    if (!previous.empty()) {
      auto added = previous;
      added.push_back(entry.at(0));
      table.push_back(added);
    }
    out.insert(out.end(), entry.begin(), entry.end());
    previous = entry;
    if (static_cast<int>(table.size()) == (1 << size) && size < 12) ++size;
  }
  return out;
}

inline Gif Decode(const std::string& bytes) {
  Gif gif;
  Reader in(bytes);
  gif.version = in.Take(6);
  gif.width = in.Word();
  gif.height = in.Word();
  const int flags = in.Byte();
  in.Byte();
  in.Byte();
  if (flags & 0x80) {
    for (int i = 0; i < (2 << (flags & 7)); ++i) {
      const int r = in.Byte(), g = in.Byte(), b = in.Byte();
      gif.palette.push_back((r << 16) | (g << 8) | b);
    }
  }
  for (int block = in.Byte(); block != 0x3B && block >= 0; block = in.Byte()) {
    if (block == 0x21) {
      const int label = in.Byte();
      const std::string data = in.SubBlocks();
      if (label == 0xF9 && data.size() == 4 && (data[0] & 1)) gif.transparent = static_cast<unsigned char>(data[3]);
    } else if (block == 0x2C) {
      in.Word(); in.Word();
      const int w = in.Word(), h = in.Word();
      in.Byte();
      const int minCode = in.Byte();
      gif.pixels = LzwDecode(in.SubBlocks(), minCode, static_cast<std::size_t>(w * h));
    }
  }
  return gif;
}

}  // namespace scorlet::summary::testing
