// The small windows the table opens on request, and the lobby. The last-trick, last-hand and
// score windows are drawn the way the companion reads them: cards with black edges at the places
// its edge scans search, text in the game font on white cells over a grey field, one line every
// 16 rows. What the reading leaves free (where exactly the cards lie, the band's row, the shade of
// grey, the cells' padding, the window's size) is drawn from the layout seed; seed 0 is one fixed
// default.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"
#include "tableclient/render/Scene.h"
#include "tableclient/render/TextFace.h"

namespace scorlet::table {

inline constexpr Size LastHandClient{580, 80};  // the narrowest last-hand window
inline constexpr Size LobbyClient{780, 540};
inline constexpr int SubWindowLinePitch = 16;   // one text line of the last-hand and score windows
inline constexpr int ScoreRowHeight = SubWindowLinePitch;

// Where the last-trick window's four cards lie, by display position (0 bottom, 1 left, 2 top,
// 3 right): the top and bottom cards upright, the left and right ones lying across.
struct LastTrickGeometry {
  Size client;
  std::array<Rect, 4> cards;
  std::array<Point, 4> corners;   // top-left corner of each card's corner window
  std::array<int, 4> startOffset{};  // columns into the window a card lying across starts
};
LastTrickGeometry LastTrickLayout(std::uint32_t seed);

// A last-hand cell as the game writes it: "[TS]" becomes "[10S]", "(QH)" in German "(QC)".
std::string LastHandCellText(std::string_view cell, int language);

// Client size of the score window for a number of rows: room for every row and one empty line
// after them, which ends the table.
Size ScoreClient(std::size_t rows, std::uint32_t seed = 0);

// Score column c (0..3): x 1-40, 59-70, 116-150, 176-200, both ends included; numbers stand
// right-aligned in them.
struct ColumnRange {
  int left;
  int right;
};
ColumnRange ScoreColumnRange(int column);

// Where a drawing of the last-hand or score window put one text, in client coordinates: the white
// cell behind it and the text's glyph cells (its left column, top row, advance and 12 rows).
struct DrawnText {
  Rect cell;
  Rect text;
};
struct LastHandDrawn {
  std::array<DrawnText, 4> names;                              // by line
  std::array<std::array<DrawnText, TrickCount>, 4> cards{};   // [line][trick]
};
struct ScoreDrawn {
  std::vector<std::array<DrawnText, 4>> rows;  // one per score row, by column
};

Image RenderLastTrick(const LastTrickScene& scene, const TextFace& face = GameFace());
Image RenderLastHand(const LastHandScene& scene, const TextFace& face = GameFace(),
                     LastHandDrawn* drawn = nullptr);
Image RenderScore(const ScoreScene& scene, const TextFace& face = GameFace(),
                  ScoreDrawn* drawn = nullptr);
Image RenderLobby(const LobbyScene& scene, const TextFace& face = DefaultFace());

}  // namespace scorlet::table
