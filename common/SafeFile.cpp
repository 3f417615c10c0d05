#include "common/SafeFile.h"

#include <fstream>
#include <string>

namespace scorlet {

namespace {

namespace fs = std::filesystem;

// A short name beside the target that no file has yet ("~scorlet0.tmp", ...); short, so that
// a target whose name is near the length limit can still be replaced.
fs::path FreeTempName(const fs::path& target) {
  for (int n = 0; n < 1000; ++n) {
    fs::path candidate = target.parent_path() / ("~scorlet" + std::to_string(n) + ".tmp");
    std::error_code error;
    if (fs::symlink_status(candidate, error).type() == fs::file_type::not_found) return candidate;
  }
  return {};
}

bool WriteNewFile(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  bool written = out.good();
  out.close();
  return written && !out.fail();
}

}  // namespace

bool ReplaceFileSafely(const fs::path& target, std::string_view bytes) {
  std::error_code error;
  if (!target.has_filename()) return false;
  fs::path temp = FreeTempName(target);
  if (temp.empty()) return false;
  if (WriteNewFile(temp, bytes)) {
    // Replaces an existing file in one step (on Windows MoveFileEx with replace); fails on a
    // folder.
    fs::rename(temp, target, error);
    if (!error) return true;
  }
  fs::remove(temp, error);
  return false;
}

}  // namespace scorlet
