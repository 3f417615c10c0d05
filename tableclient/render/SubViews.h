// The small windows the table opens on request, and the lobby.
#pragma once

#include "platform/Types.h"
#include "tableclient/render/Scene.h"
#include "tableclient/render/TextFace.h"

namespace scorlet::table {

inline constexpr Size LastTrickClient{220, 170};
inline constexpr Size LastHandClient{580, 80};
inline constexpr Size LobbyClient{780, 540};
inline constexpr int ScoreRowHeight = 14;
// Client size of the score window for a number of rows (it grows with the game).
Size ScoreClient(std::size_t rows);

// Left and right edge of score column c (0..3), numbers right-aligned in it.
struct ColumnRange {
  int left;
  int right;
};
ColumnRange ScoreColumnRange(int column);

Image RenderLastTrick(const LastTrickScene& scene, const TextFace& face = DefaultFace());
Image RenderLastHand(const LastHandScene& scene, const TextFace& face = DefaultFace());
Image RenderScore(const ScoreScene& scene, const TextFace& face = DefaultFace());
Image RenderLobby(const LobbyScene& scene, const TextFace& face = DefaultFace());

void DrawLastHandLine(Image& image, int y, const std::string& name,
                      const std::array<std::string, TrickCount>& cells, const TextFace& face);
void DrawScoreHeader(Image& image, const ScoreScene& scene, const TextFace& face);
void DrawScoreRow(Image& image, int y, const ScoreLine& row, const TextFace& face);

}  // namespace scorlet::table
