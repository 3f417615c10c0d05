#include "summary/PageOptions.h"

#include "common/TextUtil.h"

namespace scorlet::summary {

namespace {

bool IsSafeColour(const std::string& colour) {
  if (colour.size() < 2 || colour.size() > 32 || colour.front() != '#') return false;
  for (std::size_t i = 1; i < colour.size(); ++i) {
    const char c = colour[i];
    const bool ok = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!ok) return false;
  }
  return true;
}

void TakeColour(const std::string& configured, std::string& colour) {
  if (IsSafeColour(configured)) colour = configured;
}

bool IsSafeSize(const std::string& text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty() || trimmed.front() < '0' || trimmed.front() > '9') return false;
  const int size = LeadingInt(trimmed);
  return size >= 1 && size <= 999;
}

}  // namespace

PageOptions PageOptionsFrom(const Settings& settings, bool japanese) {
  PageOptions options;
  options.japanese = japanese;
  options.strict = settings.strict;
  options.scoreTable = settings.scoreTable;
  options.textOutput = settings.textOutput;
  options.indexPages = settings.indexPages;
  options.cardOrder =
      settings.cardOrder == SortOrder::Descending ? OrderDescending : OrderAscending;
  if (settings.suitMarksSymbol) {
    options.suitMode = SuitMode::Symbol;
  } else if (settings.suitMarksGif) {
    options.suitMode = SuitMode::Images;
  }
  for (std::size_t i = 0; i < 4; ++i) {
    if (IsSafeSize(settings.suitMarkSizes[i])) {
      options.suitSizes[kListedSuits[i]] = LeadingInt(settings.suitMarkSizes[i]);
    }
  }
  TakeColour(settings.backColor3, options.pageBackground);
  TakeColour(settings.backColor4, options.tableBackground);
  TakeColour(settings.backColor5, options.playBackground);
  return options;
}

}  // namespace scorlet::summary
