// One summary page while it is being written: the HTML page and, when asked for, its
// text twin, held until the page is complete and then written out in one piece.
#pragma once

#include <filesystem>
#include <string>

#include "common/WorkFiles.h"
#include "summary/PageOptions.h"
#include "summary/PageText.h"
#include "summary/GameIndex.h"
#include "summary/ScoreSummary.h"

namespace scorlet::summary {

// What closing a page achieved.
struct PageWriteResult {
  bool html = false;        // the HTML page is complete on disk
  bool text = false;        // the text page is complete on disk (when asked for)
  bool scoreTable = true;   // the score tables went in (when asked for)
  bool picture = true;      // false when the score picture could not be written
  bool pictureWritten = false;  // a score picture was written
  std::string pictureWhy;   // why the picture could not be written
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
  std::string pictureFileName() const { return name_ + ".gif"; }
  // What the index shows of the page.
  GameSummary Summary() const;

  // Ends both pages, score tables included, and writes each into the folder in one piece:
  // a page that appears under its name is always whole. With the index pages on, the score
  // picture is written first and shown under the score table; a page whose picture could not
  // be written is written without it.
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

// The score picture's bytes for the page's scores; empty when no score is known.
std::string ScoreRaceGif(const PageScores& scores, const PageOptions& options);

}  // namespace scorlet::summary
