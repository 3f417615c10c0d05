// The game's words per site language, as the table draws them: window titles and the
// captions of its buttons and prompts. Rows are numbered as the companion numbers the
// languages (1 English ... 9 Spanish, Argentina); rows 4 and 10 have no titles and fall
// back to English.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "gamedata/WindowTitles.h"
#include "tableclient/render/Scene.h"

namespace scorlet::table {

// Languages and window kinds are numbered as the companion numbers them.
inline constexpr int EnglishLanguage = scorlet::LangEnglish;
inline constexpr int LanguageCount = scorlet::GameLanguages;
inline constexpr int ItalianLanguage = scorlet::LangItalian;

inline constexpr int TableKind = scorlet::KindTable;
inline constexpr int LastTrickKind = scorlet::KindLastTrick;
inline constexpr int LastHandKind = scorlet::KindLastHand;
inline constexpr int ScoreKind = scorlet::KindScore;

struct SiteLanguage {
  std::string_view gameTitle;               // the part of the table title naming the game
  std::array<std::string_view, 3> windows;  // last trick, last hand, score
  std::array<std::string_view, 5> buttons;  // last trick, last hand, score, dnil passing, suicide
  std::string_view bidLabel;
  std::string_view tricksLabel;
};

// The row of a language, English for an unknown or empty one.
const SiteLanguage& LanguageRow(int language);
TableWords WordsOf(int language);

// "Game: Spades - Table: 1234 - Host: abc" in the language's form.
std::string TableTitle(int language, std::string_view tableNumber, std::string_view host);
// Title of window kind 1..3; `scoreTitle` overrides the score window's title when not empty.
std::string SubWindowTitle(int language, int kind, std::string_view scoreTitle = {});
inline constexpr std::string_view LobbyTitle = scorlet::LobbyTitle;

}  // namespace scorlet::table
