#include "tableclient/render/SubViews.h"

#include <algorithm>

#include "tableclient/render/CardArt.h"
#include "tableclient/render/Layout.h"
#include "tableclient/render/Paint.h"

namespace scorlet::table {

namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

constexpr int ScoreHeaderHeight = 20;
constexpr int LastHandNameWidth = 100;
constexpr int LastHandCellWidth = 36;

}  // namespace

Size ScoreClient(std::size_t rows) {
  return {250, ScoreHeaderHeight + static_cast<int>(std::max<std::size_t>(rows, 4)) * ScoreRowHeight + 6};
}

ColumnRange ScoreColumnRange(int column) {
  int left = 8 + column * 60;
  return {left, left + 54};
}

Image RenderLastTrick(const LastTrickScene& scene, const TextFace& face) {
  Image image(LastTrickClient.width, LastTrickClient.height, FeltColour);
  static constexpr std::array<Point, 4> corners{{{92, 112}, {20, 60}, {92, 8}, {164, 60}}};
  for (int p = 0; p < 4; ++p) {
    Point at = corners[At(p)];
    if (scene.cards[At(p)] != 0) DrawCard(image, at.x, at.y, scene.cards[At(p)], face);
  }
  return image;
}

void DrawLastHandLine(Image& image, int y, const std::string& name,
                      const std::array<std::string, TrickCount>& cells, const TextFace& face) {
  face.Draw(image, 4, y, name, Colors::Black);
  for (int t = 0; t < TrickCount; ++t)
    face.Draw(image, LastHandNameWidth + t * LastHandCellWidth, y, cells[At(t)], Colors::Black);
}

Image RenderLastHand(const LastHandScene& scene, const TextFace& face) {
  Image image(LastHandClient.width, LastHandClient.height, Colors::White);
  for (int seat = 0; seat < 4; ++seat)
    DrawLastHandLine(image, 6 + seat * 18, scene.names[At(seat)], scene.cells[At(seat)], face);
  return image;
}

void DrawScoreHeader(Image& image, const ScoreScene& scene, const TextFace& face) {
  FillRect(image, {0, 0, image.width, ScoreHeaderHeight - 4}, Rgb(220, 220, 220));
  for (int side = 0; side < 2; ++side)
    face.Draw(image, ScoreColumnRange(side * 2).left, 3, scene.sideNames[At(side)], Colors::Black);
}

void DrawScoreRow(Image& image, int y, const ScoreLine& row, const TextFace& face) {
  for (int c = 0; c < 4; ++c) {
    std::string text = std::to_string(row[At(c)]);
    ColumnRange range = ScoreColumnRange(c);
    face.Draw(image, range.right - face.Width(text), y, text, Colors::Black);
  }
}

Image RenderScore(const ScoreScene& scene, const TextFace& face) {
  Size size = ScoreClient(scene.rows.size());
  Image image(size.width, size.height, Colors::White);
  DrawScoreHeader(image, scene, face);
  int y = ScoreHeaderHeight;
  for (const ScoreLine& row : scene.rows) {
    DrawScoreRow(image, y, row, face);
    y += ScoreRowHeight;
  }
  return image;
}

Image RenderLobby(const LobbyScene& scene, const TextFace& face) {
  Image image(LobbyClient.width, LobbyClient.height, Rgb(230, 230, 250));
  face.Draw(image, 20, 16, "Yahoo! Spades", Rgb(96, 0, 128));
  face.Draw(image, 20, 40, scene.userName, Colors::Black);
  int y = 80;
  for (const std::string& line : scene.tables) {
    face.Draw(image, 30, y, line, Colors::Black);
    y += 16;
  }
  return image;
}

}  // namespace scorlet::table
