// How the game writes a card in its last-hand window, per site language: the rank as a digit or
// letter ("10" for the ten) and the suit as the letter of the language row. The companion turns
// these letters back into notation and the substitute table draws with them.
#pragma once

#include <array>
#include <string_view>

#include "gamedata/WindowTitles.h"

namespace scorlet {

// The four suit letters of each language row in the order clubs, diamonds, hearts, spades;
// row 0 is unused. German and Argentinian "TDCP", Italian "FQCP", the Mexican and the second
// Spanish variant write spades "P"; every other row writes "CDHS".
inline constexpr std::array<std::string_view, GameLanguages + 1> CardSuitLetters{
    "CDHS",   // 0
    "CDHS",   // 1 English
    "CDHS",   // 2 Japanese
    "TDCP",   // 3 German
    "CDHS",   // 4 French
    "FQCP",   // 5 Italian
    "CDHS",   // 6 Spain
    "CDHP",   // 7 Mexico
    "CDHP",   // 8 the second Spanish variant
    "TDCP",   // 9 Argentina
    "CDHS",   // 10 Brazil
};

// The letters of a language row; the English row for a number outside 1..GameLanguages.
constexpr std::string_view CardSuitLettersOf(int gameLanguage) {
  return gameLanguage >= 1 && gameLanguage <= GameLanguages
             ? CardSuitLetters[static_cast<std::size_t>(gameLanguage)]
             : CardSuitLetters[1];
}

// The ten is written with two digits in the last-hand window.
inline constexpr std::string_view CardTenText = "10";

}  // namespace scorlet
