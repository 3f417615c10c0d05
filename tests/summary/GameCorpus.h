// Work files for the summary tests: whole games of Spades played by simple rules, with the
// score table kept the way the game keeps it (bags, bag penalty, Nil and Double Nil).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/WorkFiles.h"
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
std::string ReadAll(const std::filesystem::path& file);

// Occurrences of a text in another.
int CountOf(const std::string& text, const std::string& part);

}  // namespace scorlet::summary::testing
