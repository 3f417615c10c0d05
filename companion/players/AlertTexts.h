// The texts of the alert list's windows, in English and in Japanese, kept once.
#pragma once

#include <string_view>

#include "companion/main/Texts.h"

namespace scorlet::companion::alerttexts {

inline constexpr LangText ReasonCaption{"Why Alert ?", "アラートの理由"};
inline constexpr LangText AskCaption{"NoneToAlert ?", "アラート確認"};
inline constexpr std::string_view UnCheckEn = "[UnCheck]";
inline constexpr std::string_view UnCheckJa = "[チェックを外す]";
inline constexpr LangText ReasonRefused{"No \",\" or line break in a reason.",
                                        "理由に \",\" や改行は使えません。"};
inline constexpr LangText NotWritten{"  The alert list could not be written: ",
                                     "  アラートリストを書き込めませんでした: "};
inline constexpr LangText NotRead{"  The alert list could not be read, it is left as it is: ",
                                  "  アラートリストを読み込めないので変更しません: "};

// The reasons offered in the dialog, in this order.
inline constexpr std::string_view ReasonTags[] = {
    "Excellent", "Good",     "Bad Play",  "Worst Play", "Careless", "Overbidder", "Underbidder",
    "Wrong Bids", "NIL Mania", "NIL 4 Spades", "BAGer", "Slow",     "Staller",    "brb often",
    "Bad Manner", "Abusive",  "Novice",    "Stupid",     "Kid",      "Cheater"};

}  // namespace scorlet::companion::alerttexts
