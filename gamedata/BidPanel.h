// The game's bid panel: the buttons with which the user bids at the table. At the start of a
// deal, while the user's cards are still hidden, the panel offers the Double Nil / Show choice;
// after "Show" it offers the number buttons in three rows, the third ending with "Nil". The
// companion finds the panel by these captions and the substitute table draws them, so both read
// them from here.
#pragma once

#include <array>
#include <string_view>

#include "gamedata/WindowTitles.h"

namespace scorlet {

// The number rows as the panel shows them: 1 to 5, 6 to 10, then 11, 12, 13 and "Nil".
inline constexpr std::string_view BidPanelNil = "Nil";
inline constexpr int BidPanelRows = 3;
inline constexpr std::array<std::array<std::string_view, 5>, BidPanelRows> BidPanelNumberRows{{
    {"1", "2", "3", "4", "5"},
    {"6", "7", "8", "9", "10"},
    {"11", "12", "13", BidPanelNil, ""},
}};
// What the companion looks for in each row's text (the row's captions joined by ",").
inline constexpr std::array<std::string_view, BidPanelRows> BidPanelRowKeys{
    "1,2,3,4,5", "6,7,8,9,10", "11,12,13,"};

// The Double Nil / Show choice by site language; languages without their own words use English.
struct BidPanelChoice {
  std::string_view doubleNil;
  std::string_view show;
};
inline constexpr BidPanelChoice EnglishBidPanelChoice{"DoubleNil", "Show"};
inline constexpr std::array<BidPanelChoice, GameLanguages + 1> BidPanelChoices{{
    EnglishBidPanelChoice,           // unused row
    EnglishBidPanelChoice,           // English
    EnglishBidPanelChoice,           // Japanese site
    {"DoubleNil", "Zeigen"},         // German
    EnglishBidPanelChoice,           // French
    {"Doppiozero", "Mostra"},        // Italian
    {"Nuladoble", "Mostrar"},        // Spain
    {"Nuladoble", "Mostrar"},        // Mexico
    {"Nuladoble", "Mostrar"},        // Spanish
    {"Nuladoble", "Mostrar"},        // Argentina
    EnglishBidPanelChoice,           // Brazil
}};

inline const BidPanelChoice& BidPanelChoiceOf(int language) {
  if (language < 1 || language > GameLanguages) return EnglishBidPanelChoice;
  return BidPanelChoices[static_cast<std::size_t>(language)];
}

}  // namespace scorlet
