#include "summary/BatchDriver.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <system_error>

#include "common/SafeFile.h"
#include "common/TextUtil.h"
#include "common/WorkFiles.h"
#include "summary/HtmlText.h"
#include "summary/DealView.h"
#include "summary/SummaryTexts.h"

namespace scorlet::summary {

namespace {

constexpr std::size_t kMaxSuffixDigits = 15;

int YearOfLastChange(const std::filesystem::path& file) {
  std::error_code error;
  const auto written = std::filesystem::last_write_time(file, error);
  std::time_t time = std::time(nullptr);
  if (!error) {
    const auto system = std::chrono::file_clock::to_sys(written);
    time = std::chrono::system_clock::to_time_t(system);
  }
  return LocalTime(time).tm_year + 1900;
}

}  // namespace

std::string PageStemOf(const std::filesystem::path& workFile, std::string_view stem) {
  return std::to_string(YearOfLastChange(workFile)) + "_" + std::string(stem.substr(0, 5));
}

std::string DisplayStem(std::string_view pageStem) {
  std::string display(pageStem);
  if (display.size() > 4) display[4] = '/';
  if (display.size() > 7) display[7] = '/';
  return display;
}

PageNames::PageNames(const std::filesystem::path& folder) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    std::string name = LowerText(PathToUtf8(it->path().filename()));
    if (!name.ends_with(".htm") && !name.ends_with(".txt")) continue;
    name.resize(name.size() - 4);
    Note(name, 0);
    // stem + k + "a": every split of the trailing digits could be the stem's end and k's
    // start; k is written without leading zeros.
    if (!name.ends_with('a')) continue;
    const std::size_t digitsEnd = name.size() - 1;
    std::size_t first = digitsEnd;
    while (first > 0 && name[first - 1] >= '0' && name[first - 1] <= '9') --first;
    for (std::size_t start = first; start < digitsEnd; ++start) {
      const std::string digits = name.substr(start, digitsEnd - start);
      if (digits.size() > kMaxSuffixDigits || (digits.size() > 1 && digits[0] == '0')) continue;
      Note(name.substr(0, start), std::stoll(digits) + 1);
    }
  }
}

void PageNames::Note(const std::string& stem, long long k) {
  long long& next = next_[stem];
  next = std::max(next, k + 1);
}

std::string PageNames::Take(std::string_view pageStem) {
  const std::string stem = LowerText(pageStem);
  const auto found = next_.find(stem);
  const long long k = found == next_.end() ? 0 : found->second;
  Note(stem, k);
  return k == 0 ? "" : std::to_string(k - 1) + "A";
}

std::string PageSuffix(const std::filesystem::path& folder, std::string_view pageStem) {
  return PageNames(folder).Take(pageStem);
}

BatchDriver::BatchDriver(const BatchContext& context, LogSink& log)
    : context_(context), log_(log) {}

BatchResult BatchDriver::RunBatch(bool forceEmpty) {
  if (forceEmpty) return RunStems({});
  const WorkFolderScan scan = ScanWorkFolder(context_.workFolder);
  if (!scan.listed) {
    result_ = {};
    result_.workListed = false;
    log_.PrintLine(std::string(Text(Msg::WorkUnreadable, context_.options.japanese)) +
                   LogSafe(scan.error.message()));
    log_.NewLines(1);
    log_.PrintLine(Text(Msg::ClickEndTerminate, context_.options.japanese));
    return result_;
  }
  return RunFiles(scan.recordStems, scan.recordFiles);
}

BatchResult BatchDriver::RunStems(const std::vector<std::string>& stems) {
  return RunFiles(stems, {});
}

BatchResult BatchDriver::RunFiles(const std::vector<std::string>& stems,
                                  const std::vector<std::filesystem::path>& files) {
  const bool japanese = context_.options.japanese;
  result_ = {};
  page_.reset();
  names_.reset();
  previousKey_.clear();
  newGame_ = false;
  previousRowCount_ = -1;
  games_.clear();
  players_ = {};
  result_.workFiles = static_cast<int>(stems.size());
  log_.PrintLine(std::string(Text(Msg::FileCount, japanese)) + std::to_string(result_.workFiles) +
                 std::string(Text(Msg::FileCountEnd, japanese)));
  log_.NewLines(1);
  if (result_.workFiles == 0) {
    log_.PrintLine(Text(Msg::NoFiles, japanese));
    log_.PrintLine(Text(Msg::ClickEndTerminate, japanese));
    return result_;
  }
  for (std::size_t i = 0; i < stems.size(); ++i) {
    ProcessFile(stems[i], i < files.size() ? files[i] : std::filesystem::path());
  }
  ClosePage();
  if (context_.options.indexPages) WriteIndexPages();
  log_.NewLines(2);
  log_.PrintLine(Text(result_.pages.empty() ? Msg::NothingMade : Msg::FilesMade, japanese));
  log_.NewLines(2);
  std::error_code error;
  const auto full = std::filesystem::absolute(context_.outputFolder, error);
  log_.PrintPath(LogSafe(PathToUtf8(error ? context_.outputFolder : full)));
  log_.NewLines(2);
  log_.PrintLine(Text(Msg::ClickEndFinish, japanese));
  return result_;
}

void BatchDriver::ProcessFile(const std::string& stem, const std::filesystem::path& file) {
  HandRecord record{};
  std::vector<std::string> lines;
  const std::filesystem::path path =
      file.empty() ? context_.workFolder / Utf8Path(RecordFileName(stem)) : file;
  const std::string name = LogSafe(file.empty() ? RecordFileName(stem) : PathToUtf8(file.filename()));
  const bool bare = !file.empty() || (!stem.empty() && stem.find_first_of("/\\:") == std::string::npos);
  if (!bare || ReadRecordPath(record, path, context_.codePage, &lines) != RecordFileStatus::Done) {
    result_.unreadable.push_back(name);
    log_.PrintLine(std::string(Text(Msg::CannotRead, context_.options.japanese)) + name);
    return;
  }
  if (!HasRecordShape(lines)) {
    result_.damaged.push_back(name);
    log_.PrintLine(std::string(Text(Msg::OddShape, context_.options.japanese)) + name);
  }
  DeriveRecord(record, context_.options.cardOrder);
  const std::string key = stem.substr(0, 5);
  // A deal belongs to the open page when it is of the same day, the game went on, and its
  // score table grew; otherwise it begins a page of its own.
  const bool samePage = page_ && key == previousKey_ && !newGame_ &&
                        record.ScoreRowCount > previousRowCount_;
  if (!samePage) {
    ClosePage();
    OpenPage(stem);
  }
  page_->AddDeal(record);
  if (context_.options.indexPages) players_.AddDeal(record);
  ++result_.dealsWritten;
  previousKey_ = key;
  previousRowCount_ = record.ScoreRowCount;
  newGame_ = GameOver(record);
}

void BatchDriver::OpenPage(const std::string& stem) {
  const std::filesystem::path workFile = context_.workFolder / Utf8Path(RecordFileName(stem));
  const std::string pageStem = PageStemOf(workFile, stem);
  if (!names_) names_.emplace(context_.outputFolder);  // the folder is listed once a run
  const std::string suffix = names_->Take(pageStem);
  page_.emplace(context_.options, pageStem + suffix, DisplayStem(pageStem), context_.timestamp);
  newGame_ = false;
  previousRowCount_ = -1;
}

void BatchDriver::ClosePage() {
  if (!page_) return;
  const PageWriteResult written = page_->Close(context_.outputFolder);
  WriteClosingLog(*page_, written);
  if (context_.options.indexPages) {
    const GameSummary game = page_->Summary();
    if (written.html) games_.push_back(game);
    players_.AddGame(game.names, WinnerOf(game.final));
  }
  page_.reset();
}

void BatchDriver::WriteIndexPages() {
  const PageOptions& options = context_.options;
  PageText index;
  WriteIndexHtml(index, IndexRows(context_.outputFolder, games_), options, context_.timestamp);
  WriteIndexFile(kIndexFile, index);
  PageText players;
  WritePlayersHtml(players, players_.Sorted(), options, context_.timestamp);
  WriteIndexFile(kPlayersFile, players);
}

void BatchDriver::WriteIndexFile(std::string_view name, const PageText& page) {
  std::string why;
  const std::filesystem::path path = context_.outputFolder / Utf8Path(name);
  log_.NewLines(1);
  if (ReplaceFileSafely(path, EncodeHtml(page.text(), context_.options.japanese), why)) {
    result_.indexPages.emplace_back(name);
    log_.PrintLine("  " + std::string(name));
  } else {
    result_.failed.emplace_back(name);
    log_.PrintLine(std::string(Text(Msg::PageFailed, context_.options.japanese)) +
                   std::string(name) + " (" + LogSafe(why) + ")");
  }
}

void BatchDriver::WriteClosingLog(const SummaryPage& page, const PageWriteResult& written) {
  const bool japanese = context_.options.japanese;
  const std::string failed(Text(Msg::PageFailed, japanese));
  log_.NewLines(1);
  if (written.html) {
    result_.pages.push_back(page.htmlFileName());
    log_.PrintLine("  " + LogSafe(page.htmlFileName()) + "  <==  " + std::to_string(page.deals()) +
                   std::string(Text(Msg::Deals, japanese)));
  } else {
    result_.failed.push_back(page.htmlFileName());
    log_.PrintLine(failed + LogSafe(page.htmlFileName()) + " (" + LogSafe(written.htmlWhy) + ")");
  }
  if (context_.options.textOutput) {
    log_.NewLines(1);
    if (written.text) {
      log_.PrintLine("  " + LogSafe(page.textFileName()));
    } else {
      result_.failed.push_back(page.textFileName());
      log_.PrintLine(failed + LogSafe(page.textFileName()) + " (" + LogSafe(written.textWhy) +
                     ")");
    }
  }
  if (written.pictureWritten) result_.pictures.push_back(page.pictureFileName());
  if (!written.picture) {
    result_.failed.push_back(page.pictureFileName());
    log_.PrintLine(failed + LogSafe(page.pictureFileName()) + " (" + LogSafe(written.pictureWhy) +
                   ")");
  }
  if ((written.html || written.text) && !written.scoreTable) {
    log_.PrintLine(failed + LogSafe(page.htmlFileName()) + " (" +
                   std::string(Text(Msg::ScoreCaption, japanese)) + ")");
  }
}

}  // namespace scorlet::summary
