#include "gamedata/WindowTitles.h"

#include <algorithm>

#include "common/TextUtil.h"

namespace scorlet {

namespace {

bool ValidLanguage(int language) { return language >= 1 && language <= GameLanguages; }

}  // namespace

std::string_view TitleOf(int language, int kind) {
  if (!ValidLanguage(language) || kind < 0 || kind >= TitleKinds) return {};
  return WindowTitles[language][kind];
}

std::string_view ButtonLabelOf(int language, int label) {
  if (!ValidLanguage(language) || label < 1 || label > ButtonLabelCount) return {};
  return ButtonLabels[language][label];
}

int TableTitleLanguage(std::string_view windowTitle) {
  for (int language = LangEnglish; language <= GameLanguages; ++language) {
    std::string_view title = TitleOf(language, KindTable);
    if (!title.empty() && windowTitle.find(title) != std::string_view::npos) return language;
  }
  return 0;
}

TitleWidths SubWindowTitleWidths() {
  TitleWidths widths;
  bool first = true;
  for (int language = LangEnglish; language <= GameLanguages; ++language) {
    for (int kind = KindLastTrick; kind <= SubWindowKinds; ++kind) {
      std::string_view title = TitleOf(language, kind);
      if (title.empty()) continue;
      // Counted as the game's double-byte pages draw them: a Japanese character is two wide.
      int width = DisplayLength(title, CodePage::Japanese);
      widths.shortest = first ? width : std::min(widths.shortest, width);
      widths.longest = first ? width : std::max(widths.longest, width);
      first = false;
    }
  }
  return widths;
}

}  // namespace scorlet
