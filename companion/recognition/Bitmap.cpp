#include "companion/recognition/Bitmap.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "common/SafeFile.h"

namespace scorlet::recognition {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int MaxDimension = 1 << 15;

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}
void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}
uint32_t Get16(std::string_view in, size_t at) {
  return static_cast<uint8_t>(in[at]) | (static_cast<uint8_t>(in[at + 1]) << 8);
}
uint32_t Get32(std::string_view in, size_t at) { return Get16(in, at) | (Get16(in, at + 2) << 16); }

size_t RowBytes(int width, int bits) { return ((static_cast<size_t>(width) * bits + 31) / 32) * 4; }

}  // namespace

std::string EncodeBitmap(const Picture& picture) {
  const int width = std::max(0, picture.width());
  const int height = std::max(0, picture.height());
  const size_t rowBytes = RowBytes(width, 16);
  const size_t imageBytes = rowBytes * height;
  std::string out;
  out.reserve(FileHeaderSize + InfoHeaderSize + imageBytes);
  out += "BM";
  Put32(out, static_cast<uint32_t>(FileHeaderSize + InfoHeaderSize + imageBytes));
  Put32(out, 0);
  Put32(out, FileHeaderSize + InfoHeaderSize);
  Put32(out, InfoHeaderSize);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, 16);
  Put32(out, 0);  // BI_RGB
  Put32(out, static_cast<uint32_t>(imageBytes));
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  const int stride = picture.geometry.stride;
  for (int row = 0; row < height; ++row) {
    for (size_t c = 0; c < rowBytes / 2; ++c) {
      const size_t index = static_cast<size_t>(row) * stride + c;
      const uint16_t pixel =
          static_cast<int>(c) < width && index < picture.pixels.size() ? picture.pixels[index] : 0;
      Put16(out, pixel);
    }
  }
  return out;
}

std::optional<TableCapture> DecodeBitmap(std::string_view bytes) {
  if (bytes.size() < FileHeaderSize + InfoHeaderSize || bytes.substr(0, 2) != "BM") return {};
  const uint32_t offset = Get32(bytes, 10);
  const uint32_t headerSize = Get32(bytes, 14);
  if (headerSize < InfoHeaderSize) return {};
  const auto width = static_cast<int32_t>(Get32(bytes, 18));
  const auto rawHeight = static_cast<int32_t>(Get32(bytes, 22));
  const uint32_t bits = Get16(bytes, 28);
  const uint32_t compression = Get32(bytes, 30);
  if (width <= 0 || width > MaxDimension || rawHeight == 0 || rawHeight > MaxDimension ||
      rawHeight < -MaxDimension || compression != 0 || (bits != 16 && bits != 24)) {
    return {};
  }
  const bool topDown = rawHeight < 0;
  const int height = topDown ? -rawHeight : rawHeight;
  const size_t rowBytes = RowBytes(width, static_cast<int>(bits));
  if (offset > bytes.size() || (bytes.size() - offset) / rowBytes < static_cast<size_t>(height)) {
    return {};
  }
  TableCapture picture = MakeTableCapture(width, height, 0);
  const int stride = picture.geometry.stride;
  for (int fileRow = 0; fileRow < height; ++fileRow) {
    const int row = topDown ? height - 1 - fileRow : fileRow;  // buffer rows are bottom-up
    const size_t start = offset + static_cast<size_t>(fileRow) * rowBytes;
    for (int x = 0; x < width; ++x) {
      uint16_t pixel;
      if (bits == 16) {
        pixel = static_cast<uint16_t>(Get16(bytes, start + 2 * x));
      } else {
        const size_t at = start + 3 * static_cast<size_t>(x);
        const auto blue = static_cast<uint8_t>(bytes[at]);
        const auto green = static_cast<uint8_t>(bytes[at + 1]);
        const auto red = static_cast<uint8_t>(bytes[at + 2]);
        pixel = Rgb555(red >> 3, green >> 3, blue >> 3);
      }
      picture.pixels[static_cast<size_t>(row) * stride + x] = pixel;
    }
  }
  return picture;
}

bool WriteBitmap(const std::filesystem::path& path, const Picture& picture) {
  if (picture.width() <= 0 || picture.height() <= 0) return false;
  return ReplaceFileSafely(path, EncodeBitmap(picture));
}

std::optional<TableCapture> ReadBitmap(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return DecodeBitmap(bytes);
}

DiagFolder::DiagFolder(std::filesystem::path folder, int limit)
    : folder_(std::move(folder)), limit_(std::max(1, limit)) {}

std::string DiagFolder::Save(const Picture& picture, std::string_view label) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::create_directories(folder_, error);
  if (error) return {};
  std::vector<fs::directory_entry> saved;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder_, error)) {
    if (entry.is_regular_file(error) && entry.path().extension() == ".bmp") saved.push_back(entry);
  }
  // Oldest first: by modification time, then by name for files written within one tick.
  std::sort(saved.begin(), saved.end(),
            [](const fs::directory_entry& a, const fs::directory_entry& b) {
              std::error_code e;
              const auto ta = a.last_write_time(e);
              const auto tb = b.last_write_time(e);
              return ta != tb ? ta < tb : a.path().filename() < b.path().filename();
            });
  std::string name;
  do {
    std::string number = std::to_string(++counter_);
    number.insert(0, number.size() < 6 ? 6 - number.size() : 0, '0');
    name = std::string(label) + "-" + number + ".bmp";
  } while (fs::exists(folder_ / name, error));
  for (size_t i = 0; i + limit_ <= saved.size(); ++i) fs::remove(saved[i].path(), error);
  return WriteBitmap(folder_ / name, picture) ? name : std::string{};
}

}  // namespace scorlet::recognition
