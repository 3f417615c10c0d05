// Every page the utility writes must be valid HTML 4.01 (the pages carry the validator's
// badge): pages from varied work files with their score pictures, the index and the players
// page, in both markup modes, all three suit modes and both languages, are checked against
// the DTDs with onsgmls.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "summary/BatchDriver.h"
#include "summary/SuitImages.h"
#include "tests/summary/GameCorpus.h"

namespace scorlet::summary {
namespace {

using testing::FreshFolder;
using testing::GameStyle;
using testing::PlayGame;
using testing::ReadAll;
using testing::WriteGame;

bool HaveOnsgmls() { return std::system("command -v onsgmls >/dev/null 2>&1") == 0; }

// The validator's messages for a page; empty when the page is valid.
std::string Validate(const std::filesystem::path& page, bool japanese) {
  const auto report = page.string() + ".errors";
  const std::string command = std::string("SP_CHARSET_FIXED=YES SP_ENCODING=") +
                              (japanese ? "Shift_JIS" : "UTF-8") + " onsgmls -s -c '" +
                              SUMMARY_SGML_CATALOG + "' '" + page.string() + "' 2>'" + report +
                              "' >/dev/null";
  const int status = std::system(command.c_str());
  std::string errors = ReadAll(report);
  if (status != 0 && errors.empty()) errors = "onsgmls failed to run";
  return errors;
}

// Work files covering the cases the pages render differently.
void WriteCorpus(const std::filesystem::path& work, CodePage codePage, bool japanese) {
  GameStyle nils{.seed = 7, .nils = true};  // a failed Nil, negative scores
  nils.names = {"<b>x&y", "José", japanese ? "山田太郎" : "O'Neil \"Q\"", "a_very_long_screen_name_01"};
  const auto first = PlayGame(nils);
  const auto stems = WriteGame(work, first, 3, 14, 1, codePage);
  // Two games in one day: the second with a Double Nil made and a bag penalty.
  const auto second = PlayGame({.seed = 11, .nils = true});
  WriteGame(work, second, 3, 14, static_cast<int>(stems.size()) + 1, codePage);
  // Records the game client left incomplete: no play at all, no known leader, odd cards.
  HandRecord bare{};
  bare.PlayerNames = {"n", "e", "s", "w"};
  bare.Bids = {"3", "N", "4", ""};
  HandRecord odd = PlayGame({.seed = 2, .maxDeals = 1}).front();
  for (auto& marks : odd.LeadMarks) marks = {};
  odd.PlayTexts[4][1] = "??";
  odd.PlayTexts[5][2] = "Z9";
  WriteGame(work, {bare, odd}, 3, 16, 1, codePage);
}

struct Variant {
  bool strict;
  SuitMode suits;
  bool japanese;
};

TEST(Validation, EveryPageOfTheCorpusPassesTheHtml401Dtd) {
  if (!HaveOnsgmls()) GTEST_SKIP() << "onsgmls (package opensp) is not installed";
  const std::vector<Variant> variants{
      {true, SuitMode::Entities, false}, {false, SuitMode::Entities, false},
      {true, SuitMode::Symbol, false},   {false, SuitMode::Symbol, false},
      {true, SuitMode::Images, false},   {false, SuitMode::Images, false},
      {true, SuitMode::Entities, true},  {false, SuitMode::Images, true},
  };
  int checked = 0;
  for (std::size_t i = 0; i < variants.size(); ++i) {
    const Variant& v = variants[i];
    const auto base = FreshFolder("valid_" + std::to_string(i));
    const CodePage codePage = v.japanese ? CodePage::Japanese : CodePage::Western;
    WriteCorpus(base / "Work", codePage, v.japanese);
    std::filesystem::create_directories(base / "GameRec");
    if (v.suits == SuitMode::Images) {
      ASSERT_TRUE(WriteSuitImages(base / "GameRec"));
    }
    PageOptions options;
    options.strict = v.strict;
    options.suitMode = v.suits;
    options.japanese = v.japanese;
    options.textOutput = true;
    testing::TextLog log;
    const BatchResult result = testing::RunBatchOver(base / "Work", base / "GameRec", options, log, codePage);
    ASSERT_GE(result.pages.size(), 3u);
    ASSERT_EQ(result.indexPages.size(), 2u);  // the index and the players page
    std::vector<std::string> pages = result.pages;
    pages.insert(pages.end(), result.indexPages.begin(), result.indexPages.end());
    for (const std::string& page : pages) {
      EXPECT_EQ(Validate(base / "GameRec" / page, v.japanese), "")
          << page << " strict=" << v.strict << " suits=" << static_cast<int>(v.suits)
          << " japanese=" << v.japanese;
      ++checked;
    }
  }
  EXPECT_GE(checked, 40);
}

}  // namespace
}  // namespace scorlet::summary
