// What each window of the table shows, as plain values: the views draw a scene and
// know nothing of the engine, so a test can draw any situation directly.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Notation.h"
#include "tableclient/engine/Scoring.h"

namespace scorlet::table {

// One player as seen at the table. Display positions: 0 the user (bottom), 1 left,
// 2 partner (top), 3 right.
struct SeatView {
  std::string name;
  int rating = 0;     // 0 or below: a provisional rating, drawn "prov"
  std::string bid;     // "" until the player has bid
  int tricks = 0;
  bool tricksShown = false;  // from the first card of the deal on
};

enum class TablePrompt { None, ClickToStart, WaitingForOpponent, DealOver };

// The words of one game language (index 1..10 as the companion numbers them), filled from the
// game's per-language tables (tableclient/window/Languages).
struct TableWords {
  std::string bidLabel = "Bid:";
  std::string tricksLabel = "Tricks:";
  std::array<std::string, 5> buttons{"Last Trick", "Last Hand", "Score", "Double Nil Passing",
                                     "Suicide"};
  std::string clickToStart = "Click here to start";
  std::string waitingForOpponent = "Waiting for opponent";
  std::string ok = "OK";
  std::string nilValue = "N";         // how a Nil bid is shown after the bid label
  std::string doubleNilValue = "D";
  std::string newRating = "newrating:";
  std::string doubleNilChoice = "DoubleNil";  // the bid panel's choice while the cards are hidden
  std::string showChoice = "Show";
};

struct TableScene {
  std::array<SeatView, 4> seats;    // by display position
  std::array<CardCode, 4> onTable{};  // by display position, 0 for none
  std::vector<CardCode> userHand;     // ascending
  bool userHandShown = true;          // false while a Double Nil may still be bid blind
  bool userTurn = false;              // the black band of the turn strip
  bool bidPanel = false;              // the user's bidding buttons
  bool doubleNilOffered = false;
  bool doubleNilPassTable = false;
  bool suicideTable = false;
  TablePrompt prompt = TablePrompt::None;
  std::vector<int> newRatings;        // after a game, by display position; empty otherwise
  int highlightedSeat = -1;           // display position whose list line is highlighted
  TableWords words;
};

struct LastTrickScene {
  std::array<CardCode, 4> cards{};  // by display position, 0 for none
  std::array<std::string, 4> names;
  std::uint32_t layoutSeed = 0;     // where the cards lie within what the reading allows
};

struct LastHandScene {
  std::array<std::string, 4> names;  // by seat
  // [seat][trick]: card text in notation ("TS") with "[" "]" around the card that led its
  // trick, or "(" ")" for lead mark 2.
  std::array<std::array<std::string, TrickCount>, 4> cells;
  int language = 1;                  // the row whose suit letters the cards are written with
  std::uint32_t layoutSeed = 0;
};

struct ScoreScene {
  std::array<std::string, 2> sideNames;  // "ann/cy", "bob/dee"
  std::vector<ScoreLine> rows;           // one per deal of the game
  std::uint32_t layoutSeed = 0;
  int minHeight = 0;                     // the window is never drawn shorter (0: as the rows need)
  int fixedHeight = 0;                   // when set, the window is drawn this tall, rows or not
};

struct LobbyScene {
  std::string userName;
  std::vector<std::string> tables;  // one line per table
};

}  // namespace scorlet::table
