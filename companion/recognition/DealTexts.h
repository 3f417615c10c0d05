// The texts of the end of a deal: reading errors of the last-hand procedure and the notices of a
// deal that was not recorded, in English and Japanese.
#pragma once

#include <string_view>

#include "companion/main/Texts.h"

namespace scorlet::companion::deal_texts {

inline constexpr std::string_view ScoreError = "Error occurred in reading score.";
inline constexpr std::string_view NamesError = "Error occurred in reading player names.";
inline constexpr std::string_view NamesErrorJa = "競技者名読み取りのエラー.";
inline constexpr std::string_view ReadErrorJa = " 読み取りのエラー.";
inline constexpr std::string_view FailedInReading = "Failed in reading ";

// A deal that ended but was not recorded, and why.
inline constexpr LangText NotRecorded{"  The deal was not recorded: ", "  ハンドは記録されませんでした: "};
inline constexpr LangText ScoreGone{"its score was cleared before it could be read",
                                    "スコアが読み取る前に消えました"};
inline constexpr LangText BiddingUnseen{"its bidding was not seen", "ビッドを読み取っていません"};
inline constexpr LangText TableClosed{"the table window was closed", "テーブルのウィンドウが閉じられました"};

// The rating history's result words after a completed game.
inline constexpr LangText Win{" Win ", " 勝ち"};
inline constexpr LangText Lost{" Lost", " 負け"};

}  // namespace scorlet::companion::deal_texts
