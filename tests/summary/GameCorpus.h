// Work files for the summary tests: whole games of Spades played by simple rules, with the
// score table kept the way the game keeps it (bags, bag penalty, Nil and Double Nil).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/WorkFiles.h"
#include "summary/BatchDriver.h"
#include "summary/LogSink.h"
#include "tests/common/TestFolder.h"

namespace scorlet::summary::testing {

struct GameStyle {
  unsigned seed = 1;
  int bidOffset = 0;       // added to each ordinary bid: negative gives bags, positive sets
  bool nils = false;       // weak hands bid Nil, very weak ones Double Nil
  int maxDeals = 40;       // the game also ends when a side passes 500
  std::array<std::string, 4> names{"northy", "easty", "southy", "westy"};
};

// The records of one game, deal by deal, each with the score rows so far.
std::vector<HandRecord> PlayGame(const GameStyle& style);

// Writes the records as MM_DD_NNN.spd from number `first` on; returns the stems.
std::vector<std::string> WriteGame(const std::filesystem::path& workFolder,
                                   const std::vector<HandRecord>& records, int month, int day,
                                   int first, CodePage codePage = CodePage::Western);

// A fresh folder (emptied when it exists) inside the test's own run folder.
inline std::filesystem::path FreshFolder(const std::string& name) { return scorlet::testing::TestFolder(name); }

// The whole file as bytes; empty when missing.
inline std::string ReadAll(const std::filesystem::path& file) { return scorlet::testing::ReadBytes(file); }

// Occurrences of a text in another.
int CountOf(const std::string& text, const std::string& part);

// The utility's log, line by line.
class TextLog final : public LogSink {
 public:
  void PrintLine(std::string_view text) override { all += std::string(text) + "\n"; }
  std::string all;
};

// One batch from the work folder into the output folder, at a fixed time.
BatchResult RunBatchOver(const std::filesystem::path& work, const std::filesystem::path& out,
                         const PageOptions& options, LogSink& log,
                         CodePage codePage = CodePage::Western);

// The year of pages written now.
std::string Year();

}  // namespace scorlet::summary::testing
