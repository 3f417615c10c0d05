// The bidding board's captions and messages, in English and Japanese.
#pragma once

#include <string_view>

#include "companion/main/Texts.h"

namespace scorlet::companion::board_texts {

inline constexpr LangText Caption{" Spades Bidding", " ビッド盤"};
inline constexpr LangText ConfirmCaption{" Spades Bidding", " ビッド確認"};
inline constexpr LangText Nil{"NIL", ""};
inline constexpr std::string_view DoubleNil = "DNIL";
inline constexpr std::string_view DoubleNilPass = " DNIL Pass";
inline constexpr LangText Show{"Show", "見せる"};
inline constexpr LangText Cancel{"Cancel", "取り消す"};
inline constexpr LangText DontCare{"Don't Care", "確認不要"};
inline constexpr LangText NeverMind{"Never Mind", "使わない"};
inline constexpr std::string_view ConfirmSuffix = " OK ?";
inline constexpr std::string_view ConfirmNil = "NIL OK?";
// Shown on the board and printed on the main window when the game's panel did not move on.
inline constexpr LangText NotTaken{"The game did not take the bid: bid again or on the game.",
                                   "ゲームがビッドを受け付けません。もう一度ビッドしてください。"};

}  // namespace scorlet::companion::board_texts
