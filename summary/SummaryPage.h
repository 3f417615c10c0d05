// One summary page while it is being written: the HTML page and, when asked for, its
// text twin, held until the page is complete and then written out in one piece.
#pragma once

#include <filesystem>
#include <string>

#include "common/WorkFiles.h"
#include "summary/PageOptions.h"
#include "summary/PageText.h"
#include "summary/ScoreSummary.h"

namespace scorlet::summary {

// What closing a page achieved.
struct PageWriteResult {
  bool html = false;        // the HTML page is complete on disk
  bool text = false;        // the text page is complete on disk (when asked for)
  bool scoreTable = true;   // the score tables went in (when asked for)
  std::string htmlWhy;      // why the HTML page could not be written
  std::string textWhy;      // why the text page could not be written
};

class SummaryPage {
 public:
  // name is the file name without extension ("2009_03_140A").
  SummaryPage(const PageOptions& options, std::string name, std::string displayStem,
              std::string timestamp);

  void AddDeal(const HandRecord& record);
  int deals() const { return deals_; }
  const std::string& name() const { return name_; }
  std::string htmlFileName() const { return name_ + ".htm"; }
  std::string textFileName() const { return name_ + ".txt"; }

  // Ends both pages, score tables included, and writes each into the folder in one piece:
  // a page that appears under its name is always whole.
  PageWriteResult Close(const std::filesystem::path& folder);

 private:
  const PageOptions& options_;
  std::string name_;
  std::string displayStem_;
  std::string timestamp_;
  PageText head_;
  PageText body_;
  PageText text_;
  PageScores scores_;
  int deals_ = 0;
};

}  // namespace scorlet::summary
