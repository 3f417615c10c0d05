#include "tableclient/render/SubViews.h"

#include <algorithm>

#include "gamedata/CardLetters.h"
#include "tableclient/render/CardArt.h"
#include "tableclient/render/Layout.h"
#include "tableclient/render/Paint.h"
#include "tableclient/render/SeededDice.h"

namespace scorlet::table {

namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// Each window draws from its own sequence of the seed, so one window's choices do not move
// another's.
constexpr std::uint32_t LastTrickDice = 0x7121Cu;
constexpr std::uint32_t LastHandDice = 0x1A57u;
constexpr std::uint32_t ScoreDice = 0x5C0Eu;

std::uint32_t Mixed(std::uint32_t seed, std::uint32_t window) { return seed == 0 ? 0 : seed ^ window; }

// A grey the reading takes for the field: equal components of 16 to 26 in 5-5-5.
Color FieldGrey(SeededDice& dice) {
  const int level = dice.Pick(16, 26, 24) * 8;
  return Rgb(level, level, level);
}

constexpr int TextRows = 12;

// --- last hand ---

struct LastHandGeometry {
  Size client;
  int bandTop = 0;    // first row of the grey field
  int textTop = 0;    // top row of the first line
  int cellAbove = 0;  // white rows of a cell above and below its text
  int cellBelow = 0;
  int nameCell = 0;   // the name cell's right edge (exclusive); the cards' cells follow
  int cardCell = 0;   // width of every card cell
  int namePad = 0;
  int cardPad = 0;
};

// --- score ---

struct ScoreGeometry {
  int bandTop = 0;
  int firstTop = 0;
  int cellAbove = 0;
  int cellBelow = 0;
  int width = 0;
  int spare = 0;  // rows below the empty line that ends the table
  std::array<int, 4> rightMargin{};
};

ScoreGeometry ScoreLayout(SeededDice& dice) {
  ScoreGeometry g;
  g.bandTop = dice.Pick(37, 45, 40);
  // The first line's ink lies within 14 rows below the band whichever digit starts it.
  g.firstTop = g.bandTop + dice.Pick(2, 10, 4);
  g.cellAbove = dice.Pick(0, 1, 1);
  g.cellBelow = dice.Pick(0, 3, 1);
  g.width = 201 + dice.Pick(4, 40, 24);
  g.spare = dice.Pick(0, 10, 4);
  for (int& margin : g.rightMargin) margin = dice.Pick(0, 2, 1);
  return g;
}

}  // namespace

LastTrickGeometry LastTrickLayout(std::uint32_t seed) {
  SeededDice dice(Mixed(seed, LastTrickDice));
  LastTrickGeometry g;
  // Upright cards: the top card's upper and lower edges and the bottom card's upper edge cross
  // the strip x 110-129; their left edge, x 85-110, is black over rows 30-59.
  const int width = dice.Pick(46, 52, 48);
  const int height = dice.Pick(60, 68, 64);
  const int left = dice.Pick(86, 100, 92);
  const int topY = dice.Pick(std::max(1, 60 - height), 8, 4);
  const int bottomY = topY + height + dice.Pick(2, 20, 8);
  g.cards[2] = {left, topY, left + width, topY + height};
  g.cards[0] = {left, bottomY, left + width, bottomY + height};
  // Cards lying across: their upper edge crosses x 30-49 from row 40 on; the left card's right
  // edge lies in x 65-85 and the right card's in x 230 on, both black over rows 70-89; the
  // right card's left edge stays left of x 230.
  const int across = dice.Pick(60, 68, 64);
  const int high = dice.Pick(46, 52, 48);
  const int sideY = dice.Pick(std::max(41, 90 - high), 56, 48);
  const int leftRight = dice.Pick(std::max(65, across - 1), 84, 76);
  const int rightRight = dice.Pick(230, 250, 238);
  g.cards[1] = {leftRight + 1 - across, sideY, leftRight + 1, sideY + high};
  g.cards[3] = {rightRight + 1 - across, sideY, rightRight + 1, sideY + high};
  g.corners = {Point{left + 3, bottomY + 3}, Point{leftRight - 25, sideY + 3},
               Point{left + 3, topY + 3}, Point{rightRight - 25, sideY + 3}};
  g.startOffset = {0, dice.Pick(0, 3, 1), 0, dice.Pick(0, 3, 2)};
  g.client = {rightRight + 1 + dice.Pick(4, 24, 12),
              std::max(bottomY + height, sideY + high) + dice.Pick(4, 16, 8)};
  return g;
}

Image RenderLastTrick(const LastTrickScene& scene, const TextFace&) {
  const LastTrickGeometry g = LastTrickLayout(scene.layoutSeed);
  Image image(g.client.width, g.client.height, FeltColour);
  for (int p = 0; p < 4; ++p) {
    const CardCode card = scene.cards[At(p)];
    if (card == 0) continue;
    const CardLie lie = p == 0 || p == 2 ? CardLie::Upright : CardLie::Across;
    DrawCornerCard(image, g.cards[At(p)], card, lie, g.corners[At(p)], g.startOffset[At(p)]);
  }
  return image;
}

std::string LastHandCellText(std::string_view cell, int language) {
  std::string open, close;
  if (!cell.empty() && (cell.front() == '[' || cell.front() == '(')) {
    open = cell.substr(0, 1);
    cell.remove_prefix(1);
  }
  if (!cell.empty() && (cell.back() == ']' || cell.back() == ')')) {
    close = cell.substr(cell.size() - 1);
    cell.remove_suffix(1);
  }
  if (cell.size() != 2) return open + std::string(cell) + close;
  const std::string rank = cell[0] == 'T' ? std::string(CardTenText) : std::string(1, cell[0]);
  const std::size_t suit = std::string_view("CDHS").find(cell[1]);
  const char letter = suit == std::string_view::npos ? cell[1] : CardSuitLettersOf(language)[suit];
  return open + rank + letter + close;
}

Image RenderLastHand(const LastHandScene& scene, const TextFace& face, LastHandDrawn* drawn) {
  SeededDice dice(Mixed(scene.layoutSeed, LastHandDice));
  const Color grey = FieldGrey(dice);
  LastHandGeometry g;
  g.bandTop = dice.Pick(21, 27, 24);
  g.textTop = g.bandTop + 4;
  g.cellAbove = dice.Pick(0, 2, 1);
  g.cellBelow = dice.Pick(0, 3, 1);
  g.namePad = dice.Pick(1, 4, 1);
  g.cardPad = dice.Pick(1, 4, 2);
  std::array<std::array<std::string, TrickCount>, 4> texts;
  int nameWidth = 0, cardWidth = 0;
  for (int seat = 0; seat < 4; ++seat) {
    nameWidth = std::max(nameWidth, face.Width(scene.names[At(seat)]));
    for (int t = 0; t < TrickCount; ++t) {
      texts[At(seat)][At(t)] = LastHandCellText(scene.cells[At(seat)][At(t)], scene.language);
      cardWidth = std::max(cardWidth, face.Width(texts[At(seat)][At(t)]));
    }
  }
  // The name cell starts at the window's left edge, where its run is read from.
  g.nameCell = g.namePad + nameWidth + dice.Pick(2, 24, 8);
  g.cardCell = g.cardPad + cardWidth + dice.Pick(1, 6, 2);
  const int end = g.nameCell + 1 + TrickCount * (g.cardCell + 1);
  g.client = {std::max(LastHandClient.width, end + dice.Pick(4, 30, 12)),
              g.textTop + 4 * SubWindowLinePitch + dice.Pick(2, 12, 4)};

  Image image(g.client.width, g.client.height, grey);
  FillRect(image, {0, 0, g.client.width, g.bandTop}, Colors::White);
  for (int seat = 0; seat < 4; ++seat) {
    const int top = g.textTop + seat * SubWindowLinePitch;
    const int cellTop = top - g.cellAbove, cellBottom = top + TextRows + g.cellBelow;
    // Exactly one grey column between two cells: that column is what ends a run.
    const Rect nameCell{0, cellTop, g.nameCell, cellBottom};
    FillRect(image, nameCell, Colors::White);
    const int nameWidth = face.Draw(image, g.namePad, top, scene.names[At(seat)], Colors::Black);
    if (drawn)
      drawn->names[At(seat)] = {nameCell, {g.namePad, top, g.namePad + nameWidth, top + TextRows}};
    for (int t = 0; t < TrickCount; ++t) {
      const int x = g.nameCell + 1 + t * (g.cardCell + 1);
      const Rect cell{x, cellTop, x + g.cardCell, cellBottom};
      FillRect(image, cell, Colors::White);
      const int width = face.Draw(image, x + g.cardPad, top, texts[At(seat)][At(t)], Colors::Black);
      if (drawn)
        drawn->cards[At(seat)][At(t)] = {cell, {x + g.cardPad, top, x + g.cardPad + width, top + TextRows}};
    }
  }
  return image;
}

Size ScoreClient(std::size_t rows, std::uint32_t seed) {
  SeededDice dice(Mixed(seed, ScoreDice));
  FieldGrey(dice);
  const ScoreGeometry g = ScoreLayout(dice);
  const int lines = static_cast<int>(std::min<std::size_t>(rows, 200)) + 1;
  return {g.width, g.firstTop + lines * SubWindowLinePitch + g.spare};
}

ColumnRange ScoreColumnRange(int column) {
  static constexpr std::array<ColumnRange, 4> Ranges{{{1, 40}, {59, 70}, {116, 150}, {176, 200}}};
  return Ranges[At(std::clamp(column, 0, 3))];
}

Image RenderScore(const ScoreScene& scene, const TextFace& face, ScoreDrawn* drawn) {
  SeededDice dice(Mixed(scene.layoutSeed, ScoreDice));
  const Color grey = FieldGrey(dice);
  const ScoreGeometry g = ScoreLayout(dice);
  const Size natural = ScoreClient(scene.rows.size(), scene.layoutSeed);
  const int height =
      scene.fixedHeight > 0 ? scene.fixedHeight : std::max(natural.height, scene.minHeight);
  Image image(natural.width, height, grey);
  FillRect(image, {0, 0, image.width, g.bandTop}, Colors::White);
  const int nameTop = std::max(2, (g.bandTop - TextRows) / 2);
  for (int side = 0; side < 2; ++side)
    face.Draw(image, ScoreColumnRange(side * 2).left + 2, nameTop, scene.sideNames[At(side)],
              Colors::Black);
  if (drawn) drawn->rows.clear();
  int top = g.firstTop;
  for (const ScoreLine& row : scene.rows) {
    std::array<DrawnText, 4> texts{};
    for (int c = 0; c < 4; ++c) {
      const ColumnRange range = ScoreColumnRange(c);
      const std::string text = std::to_string(row[At(c)]);
      const int x = std::max(range.left, range.right + 1 - g.rightMargin[At(c)] - face.Width(text));
      const int right = std::max(range.right + 1, x + face.Width(text));
      const Rect cell{range.left, top - g.cellAbove, right, top + TextRows + g.cellBelow};
      FillRect(image, cell, Colors::White);
      const int width = face.Draw(image, x, top, text, Colors::Black);
      texts[At(c)] = {cell, {x, top, x + width, top + TextRows}};
    }
    if (drawn) drawn->rows.push_back(texts);
    top += SubWindowLinePitch;
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
