// Saved captures: a picture as a Windows bitmap file, exactly the buffer the copy delivers
// (16 bits per pixel, 5-5-5, bottom-up rows padded to four bytes), and back.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "companion/recognition/Picture.h"

namespace scorlet::recognition {

// The file's bytes: BITMAPFILEHEADER, a 40-byte BITMAPINFOHEADER, 16 bpp BI_RGB, bottom-up.
std::string EncodeBitmap(const Picture& picture);
// A 16-bit (5-5-5) or 24-bit bitmap, bottom-up or top-down, as a table-window picture whose
// left and top are 0; nothing for anything else or a truncated file.
std::optional<TableCapture> DecodeBitmap(std::string_view bytes);

// Writes through a temporary file renamed over the target. False on failure.
bool WriteBitmap(const std::filesystem::path& path, const Picture& picture);
std::optional<TableCapture> ReadBitmap(const std::filesystem::path& path);

// A folder of diagnostic captures that keeps at most `limit` bitmaps, the oldest removed first.
class DiagFolder {
 public:
  explicit DiagFolder(std::filesystem::path folder, int limit = 50);
  // Saves the picture as "<label>-<n>.bmp" and returns the file name written, "" on failure.
  std::string Save(const Picture& picture, std::string_view label);

 private:
  std::filesystem::path folder_;
  int limit_;
  long counter_ = 0;
};

}  // namespace scorlet::recognition
