#include "common/SafeFile.h"

#include "common/CodePage.h"

#include <atomic>
#include <cerrno>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace scorlet {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTempPrefix = "~scorlet";
constexpr std::string_view kTempExtension = ".tmp";
constexpr int kNameTries = 1000;

long ProcessNumber() {
#ifdef _WIN32
  return static_cast<long>(_getpid());
#else
  return static_cast<long>(getpid());
#endif
}

// A short name beside the target that no file has yet and that no other process picks
// ("~scorlet4711_0.tmp", ...); short, so that a target whose name is near the length limit
// can still be replaced.
fs::path FreeTempName(const fs::path& target) {
  static std::atomic<unsigned> next{0};
  const std::string stem = std::string(kTempPrefix) + std::to_string(ProcessNumber()) + "_";
  for (int tries = 0; tries < kNameTries; ++tries) {
    const fs::path candidate =
        target.parent_path() / (stem + std::to_string(next++) + std::string(kTempExtension));
    std::error_code error;
    if (fs::symlink_status(candidate, error).type() == fs::file_type::not_found) return candidate;
  }
  return {};
}

std::string ErrnoText(int number) {
  return std::error_code(number, std::generic_category()).message();
}

bool WriteNewFile(const fs::path& path, std::string_view bytes, std::string& why) {
  errno = 0;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) {
    why = ErrnoText(errno != 0 ? errno : EIO);
    return false;
  }
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  bool written = out.good();
  out.close();
  if (written && !out.fail()) return true;
  why = ErrnoText(errno != 0 ? errno : EIO);
  return false;
}

}  // namespace

bool ReplaceFileSafely(const fs::path& target, std::string_view bytes) {
  std::string why;
  return ReplaceFileSafely(target, bytes, why);
}

bool ReplaceFileSafely(const fs::path& target, std::string_view bytes, std::string& why) {
  std::error_code error;
  if (!target.has_filename()) {
    why = ErrnoText(EINVAL);
    return false;
  }
  fs::path temp = FreeTempName(target);
  if (temp.empty()) {
    why = ErrnoText(EEXIST);
    return false;
  }
  if (WriteNewFile(temp, bytes, why)) {
    // Replaces an existing file in one step (on Windows MoveFileEx with replace); fails on a
    // folder.
    fs::rename(temp, target, error);
    if (!error) return true;
    why = error.message();
  }
  fs::remove(temp, error);
  return false;
}

int RemoveStaleTempFiles(const fs::path& folder) {
  std::vector<fs::path> stale;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = PathToUtf8(it->path().filename());
    std::error_code typeError;
    if (name.size() > kTempPrefix.size() + kTempExtension.size() &&
        name.starts_with(kTempPrefix) && name.ends_with(kTempExtension) &&
        it->is_regular_file(typeError)) {
      stale.push_back(it->path());
    }
  }
  int removed = 0;
  for (const fs::path& path : stale) {
    if (fs::remove(path, error)) ++removed;
  }
  return removed;
}

}  // namespace scorlet
