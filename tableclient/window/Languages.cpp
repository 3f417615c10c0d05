#include "tableclient/window/Languages.h"

#include "gamedata/BidPanel.h"


namespace scorlet::table {

namespace {

// Titles and labels come from the companion's per-language tables, so the table draws exactly
// what the companion looks for.
SiteLanguage RowOf(int language) {
  const auto lang = static_cast<std::size_t>(language);
  SiteLanguage row;
  row.gameTitle = scorlet::WindowTitles[lang][0];
  for (std::size_t k = 0; k < row.windows.size(); ++k) row.windows[k] = scorlet::WindowTitles[lang][k + 1];
  row.buttons = scorlet::ButtonCaptions[lang];
  row.bidLabel = scorlet::BidLabels[lang];
  row.tricksLabel = scorlet::TricksLabels[lang];
  return row;
}

const std::array<SiteLanguage, LanguageCount> Rows = [] {
  std::array<SiteLanguage, LanguageCount> rows;
  for (int language = 1; language <= LanguageCount; ++language)
    rows[static_cast<std::size_t>(language - 1)] = RowOf(language);
  return rows;
}();

}  // namespace

const SiteLanguage& LanguageRow(int language) {
  if (language < 1 || language > LanguageCount) return Rows[0];
  const SiteLanguage& row = Rows[static_cast<std::size_t>(language - 1)];
  return row.gameTitle.empty() ? Rows[0] : row;
}

TableWords WordsOf(int language) {
  const SiteLanguage& row = LanguageRow(language);
  TableWords words;
  words.bidLabel = row.bidLabel;
  words.tricksLabel = row.tricksLabel;
  for (std::size_t k = 0; k < words.buttons.size(); ++k) words.buttons[k] = row.buttons[k];
  const bool known = language >= 1 && language <= LanguageCount &&
                     !scorlet::TablePromptTexts[static_cast<std::size_t>(language)].clickToStart.empty();
  const scorlet::TablePrompts& prompts =
      scorlet::TablePromptTexts[static_cast<std::size_t>(known ? language : EnglishLanguage)];
  words.clickToStart = prompts.clickToStart;
  words.waitingForOpponent = prompts.waitingForOpponent;
  words.ok = scorlet::DealOverButton;
  if (language == ItalianLanguage) {  // the Italian site shows Nil and Double Nil as Z and Q
    words.nilValue = "Z";
    words.doubleNilValue = "Q";
  }
  words.newRating = scorlet::NewRatingWord;
  const scorlet::BidPanelChoice& choice = scorlet::BidPanelChoiceOf(language);
  words.doubleNilChoice = choice.doubleNil;
  words.showChoice = choice.show;
  return words;
}

std::string TableTitle(int language, std::string_view tableNumber, std::string_view host) {
  std::string title(LanguageRow(language).gameTitle);
  title += " - ";
  title += scorlet::TableNameWord;
  title += tableNumber;
  title += " - ";
  title += scorlet::HostWord;
  title += host;
  return title;
}

std::string SubWindowTitle(int language, int kind, std::string_view scoreTitle) {
  if (kind == ScoreKind && !scoreTitle.empty()) return std::string(scoreTitle);
  if (kind < LastTrickKind || kind > ScoreKind) return {};
  return std::string(LanguageRow(language).windows[static_cast<std::size_t>(kind - 1)]);
}

}  // namespace scorlet::table
