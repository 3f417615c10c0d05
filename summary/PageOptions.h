// What the summary pages take from the settings, checked once so that nothing from the
// initialisation file can break the markup or the style sheet of a page.
#pragma once

#include <array>
#include <string>

#include "common/Config.h"
#include "common/Notation.h"

namespace scorlet::summary {

enum class SuitMode { Entities, Symbol, Images };

// The order in which the pages list the suits, and the configured suit sizes are given.
inline constexpr std::array<int, 4> kListedSuits{Spades, Hearts, Diamonds, Clubs};

struct PageOptions {
  bool japanese = false;
  bool strict = true;
  bool scoreTable = true;
  bool textOutput = false;
  bool indexPages = true;  // index.htm, players.htm and a score picture per page
  int cardOrder = OrderAscending;
  SuitMode suitMode = SuitMode::Entities;
  std::array<int, 4> suitSizes{90, 120, 90, 95};  // per cent, by suit index (clubs first)
  std::string pageBackground = "#FFE8E8";
  std::string tableBackground = "#D0D0D0";
  std::string playBackground = "#E0C0C0";
};

// The page options of the settings. A colour that is not "#" and letters or digits, or a
// suit size that is not a number from 1 to 999, keeps its default.
PageOptions PageOptionsFrom(const Settings& settings, bool japanese);

}  // namespace scorlet::summary
