#include "tableclient/window/Languages.h"


namespace scorlet::table {

namespace {

namespace titles = scorlet::companion;

// The full captions of the table's buttons (last trick, last hand, score, double-nil passing,
// suicide) as the game draws them; the companion recognises each by a part of it.
// clang-format off
constexpr std::array<std::array<std::string_view, 5>, LanguageCount> ButtonCaptions{{
    {"Last Trick", "Last Hand", "Score", "Double Nil Passing", "Suicide"},
    {"最後のトリック", "最後のハンド", "スコア", "ダブルニルパス", "スーサイド"},
    {"Letzter Stich", "Letztes Spiel", "Spielstand", "Passing", "Selbstmord"},
    {},
    {"Ultima presa", "Ultima mano", "Punteggio", "DZ", "Suicidio"},
    {"Ultima baza", "Ultima mano", "Puntos", "Doble y nulo", "Suicidio"},
    {"Ultima baza", "Ultima mano", "Puntuacion", "Doble y nulo", "Suicidio"},
    {"Ultima baza", "Ultima mano", "Puntuacion", "Doble y nulo", "Suicidio"},
    {"Ultima baza", "Ultima mano", "Puntos", "Doble y nulo", "Suicidio"},
    {},
}};
// clang-format on

// Titles and labels come from the companion's per-language tables, so the table draws exactly
// what the companion looks for.
SiteLanguage RowOf(int language) {
  const auto lang = static_cast<std::size_t>(language);
  SiteLanguage row;
  row.gameTitle = titles::WindowTitles[lang][0];
  for (std::size_t k = 0; k < row.windows.size(); ++k) row.windows[k] = titles::WindowTitles[lang][k + 1];
  row.buttons = ButtonCaptions[lang - 1];
  row.bidLabel = titles::BidLabels[lang];
  row.tricksLabel = titles::TricksLabels[lang];
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
  return words;
}

std::string TableTitle(int language, std::string_view tableNumber, std::string_view host) {
  std::string title(LanguageRow(language).gameTitle);
  title += " - ";
  title += titles::TableNameWord;
  title += tableNumber;
  title += " - ";
  title += titles::HostWord;
  title += host;
  return title;
}

std::string SubWindowTitle(int language, int kind, std::string_view scoreTitle) {
  if (kind == ScoreKind && !scoreTitle.empty()) return std::string(scoreTitle);
  if (kind < LastTrickKind || kind > ScoreKind) return {};
  return std::string(LanguageRow(language).windows[static_cast<std::size_t>(kind - 1)]);
}

}  // namespace scorlet::table
