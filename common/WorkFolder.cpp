// The Work folder: record-file naming, the folder scan and the folder itself.
#include <algorithm>
#include <ctime>
#include <system_error>

#include "common/TextUtil.h"
#include "common/WorkFiles.h"

namespace scorlet {

namespace {

constexpr std::size_t PrefixLength = 6;  // "10_22_"
constexpr std::size_t StemLength = 9;    // "10_22_007"
constexpr std::size_t RecordNameLength = StemLength + RecordExtension.size();
constexpr std::string_view BackupMark = "BAK";
constexpr int MaxStemTries = 1000000;

// Three digits with leading zeros; numbers of three digits or more as they are.
std::string Pad3(int number) {
  std::string digits = NumText(number);
  if (number >= 0 && digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return digits;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool EndsWithNoCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() &&
         UpperText(text.substr(text.size() - end.size())) == UpperText(end);
}

bool IsRecordName(std::string_view name) {
  return name.size() == RecordNameLength && IsDigit(name[0]);
}

bool IsBackupName(std::string_view name) {
  return name.size() == BackupMark.size() + RecordNameLength && IsDigit(name[BackupMark.size()]);
}

}  // namespace

CalendarDay Today() {
  const std::tm now = LocalTime(std::time(nullptr));
  if (now.tm_mday == 0) return {};  // the clock could not be converted
  return {now.tm_mon + 1, now.tm_mday};
}

std::tm LocalTime(std::time_t time) {
  std::tm parts{};
#ifdef _WIN32
  localtime_s(&parts, &time);
#else
  localtime_r(&time, &parts);
#endif
  return parts;
}

std::string CurrentTimestamp() {
  const std::tm now = LocalTime(std::time(nullptr));
  char text[32];
  std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &now);
  return text;
}

void StartStemCounter(StemCounter& state, const std::vector<std::string>& fileList,
                      CalendarDay today) {
  state.prefix = Pad2(today.month) + "_" + Pad2(today.day) + "_";
  state.counter = 1;
  for (const std::string& entry : fileList) {
    if (entry.compare(0, PrefixLength, state.prefix) != 0) continue;
    const std::string number = entry.size() > PrefixLength ? entry.substr(PrefixLength, 3) : "";
    state.counter = std::max(state.counter, LeadingInt(number) + 1);
  }
}

std::string NextRecordStem(StemCounter& state, const std::vector<std::string>& fileList,
                           const std::filesystem::path& folder, CalendarDay today) {
  if (state.counter <= 0) StartStemCounter(state, fileList, today);
  std::string stem = state.prefix + Pad3(state.counter);
  std::error_code error;
  for (int tries = 0; tries < MaxStemTries; ++tries) {
    if (!std::filesystem::exists(folder / Utf8Path(RecordFileName(stem)), error)) break;
    ++state.counter;
    stem = state.prefix + Pad3(state.counter);
  }
  ++state.counter;
  return stem;
}

WorkFolderScan ScanWorkFolder(const std::filesystem::path& folder) {
  WorkFolderScan scan;
  std::vector<std::pair<std::string, std::filesystem::path>> records;
  std::vector<std::filesystem::path> stale;
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  for (const std::filesystem::directory_iterator end; !error && it != end; it.increment(error)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    const std::string name = PathToUtf8(it->path().filename());
    if (!EndsWithNoCase(name, RecordExtension)) continue;
    const std::string upper = UpperText(name.substr(0, 2 * BackupMark.size()));
    if (upper.starts_with("BAKBAK")) {
      stale.push_back(it->path());  // removed after the walk, not under the iterator
    } else if (!upper.starts_with(BackupMark)) {
      if (IsRecordName(name)) records.emplace_back(name.substr(0, StemLength), it->path());
    } else if (IsBackupName(name)) {
      scan.backupStems.push_back(name.substr(BackupMark.size(), StemLength));
    }
  }
  if (error) {
    scan.listed = false;
    scan.error = error;
  }
  for (const auto& path : stale) std::filesystem::remove(path, error);
  std::sort(records.begin(), records.end());
  for (auto& [stem, path] : records) {
    scan.recordStems.push_back(std::move(stem));
    scan.recordFiles.push_back(std::move(path));
  }
  return scan;
}

WorkFolderScan ScanWorkFolder(const std::filesystem::path& folder, std::size_t limit) {
  WorkFolderScan scan = ScanWorkFolder(folder);
  if (scan.recordStems.size() > limit) {
    const auto drop = static_cast<std::ptrdiff_t>(scan.recordStems.size() - limit);
    scan.recordStems.erase(scan.recordStems.begin(), scan.recordStems.begin() + drop);
    scan.recordFiles.erase(scan.recordFiles.begin(), scan.recordFiles.begin() + drop);
    scan.leftOut += static_cast<std::size_t>(drop);
  }
  if (scan.backupStems.size() > limit) {
    scan.leftOut += scan.backupStems.size() - limit;
    scan.backupStems.resize(limit);
  }
  return scan;
}

std::filesystem::path WorkFolderOf(const std::filesystem::path& appFolder) {
  return appFolder / std::string(WorkFolderName);
}

bool EnterWorkFolder(const std::filesystem::path& appFolder) {
  std::error_code error;
  std::filesystem::current_path(WorkFolderOf(appFolder), error);
  return !error;
}

bool EnsureFolder(std::string_view folder) {
  if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) {
    folder.remove_suffix(1);
  }
  if (folder.empty()) return false;
  const std::filesystem::path path = Utf8Path(folder);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) std::filesystem::create_directory(path, error);
  return std::filesystem::is_directory(path, error);
}

}  // namespace scorlet
