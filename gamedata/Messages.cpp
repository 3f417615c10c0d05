#include "gamedata/Messages.h"

namespace scorlet {

namespace {

const MessageTexts* Find(MessageNumber number) {
  for (const MessageTexts& row : MessageTable) {
    if (row.number == number) return &row;
  }
  return nullptr;
}

}  // namespace

std::optional<MessageNumber> MessageOfNumber(int number) {
  const auto candidate = static_cast<MessageNumber>(number);
  if (Find(candidate) == nullptr) return std::nullopt;
  return candidate;
}

std::string_view MessageText(MessageNumber number, int language, bool japaneseUser) {
  const MessageTexts* row = Find(number);
  if (row == nullptr || language < LangEnglish || language > GameLanguages) return {};
  if (language == LangEnglish && japaneseUser && !row->englishSiteJapaneseUser.empty())
    return row->englishSiteJapaneseUser;
  return row->site[static_cast<std::size_t>(language)];
}

}  // namespace scorlet
