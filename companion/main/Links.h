// Web pages of the link menu. Configuration: the addresses change with the sites, not the code.
#pragma once

#include <string_view>

namespace scorlet::companion {

struct LinkPages {
  std::string_view beginnerRoomUsa = "http://games.yahoo.com/games/login?game=Spades&room=beginner";
  std::string_view loginUk = "http://uk.games.yahoo.com/games/login?game=Spades";
  std::string_view association = "http://www.spades-kyokai.example.jp/";
  std::string_view help = "http://www.scorlets.example.org/help/";
};

inline constexpr LinkPages DefaultLinkPages{};

}  // namespace scorlet::companion
