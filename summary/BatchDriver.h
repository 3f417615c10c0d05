// The batch of the summary utility: every work file of the Work folder, in the order of
// the folder scan, goes onto a page of its day and game.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/CodePage.h"
#include "common/WorkFiles.h"
#include "summary/LogSink.h"
#include "summary/PageOptions.h"
#include "summary/PlayerStats.h"
#include "summary/SummaryPage.h"

namespace scorlet::summary {

struct BatchContext {
  std::filesystem::path workFolder;
  std::filesystem::path outputFolder;
  PageOptions options;
  CodePage codePage = CodePage::Western;  // of the work files
  std::string timestamp;                  // current date and time, "2009/03/14 21:05:09"
};

struct BatchResult {
  int workFiles = 0;
  int dealsWritten = 0;
  std::vector<std::string> unreadable;  // work file names
  std::vector<std::string> pages;       // HTML file names written
  std::vector<std::string> pictures;    // score pictures written
  std::vector<std::string> indexPages;  // index.htm and players.htm, when written
  std::vector<std::string> failed;      // file names that could not be written
  std::vector<std::string> damaged;     // work file names read in part (not record-shaped)
  bool workListed = true;               // false when the Work folder could not be listed
};

// "YYYY_MM_DD" of a work file: the year of its last change and its month and day.
std::string PageStemOf(const std::filesystem::path& workFile, std::string_view stem);
// "YYYY/MM/DD".
std::string DisplayStem(std::string_view pageStem);
// The page names of one run: the folder is listed once; for each page stem the suffix is ""
// when neither page of the stem exists yet, else the decimal text of the last k for which
// stem + k + "A" exists (or -1 for the bare stem), one more, then "A": "", "0A", "1A", ...,
// "999A", "1000A", ... A suffix handed out counts as existing, so no name is given twice
// and no existing page is overwritten.
class PageNames {
 public:
  explicit PageNames(const std::filesystem::path& folder);
  std::string Take(std::string_view pageStem);

 private:
  void Note(const std::string& stem, long long next);
  std::map<std::string, long long> next_;  // lower-case stem: the number of the next name
};
// PageNames(folder).Take(pageStem).
std::string PageSuffix(const std::filesystem::path& folder, std::string_view pageStem);

class BatchDriver {
 public:
  BatchDriver(const BatchContext& context, LogSink& log);
  // Runs the whole batch; a set flag behaves as an empty Work folder.
  BatchResult RunBatch(bool forceEmpty = false);
  // The batch over the given work-file stems, in their order.
  BatchResult RunStems(const std::vector<std::string>& stems);

 private:
  BatchResult RunFiles(const std::vector<std::string>& stems,
                       const std::vector<std::filesystem::path>& files);
  // file is the work file as the folder scan found it (empty: folder / stem + ".spd").
  void ProcessFile(const std::string& stem, const std::filesystem::path& file);
  void OpenPage(const std::string& stem);
  void ClosePage();
  void WriteClosingLog(const SummaryPage& page, const PageWriteResult& written);
  // index.htm over every page of the output folder and players.htm over the run's deals.
  void WriteIndexPages();
  void WriteIndexFile(std::string_view name, const PageText& page);

  const BatchContext& context_;
  LogSink& log_;
  BatchResult result_;
  std::optional<SummaryPage> page_;
  std::optional<PageNames> names_;
  std::string previousKey_;
  bool newGame_ = false;
  int previousRowCount_ = -1;
  std::vector<GameSummary> games_;  // the pages written by this run
  PlayerTally players_;
};

}  // namespace scorlet::summary
