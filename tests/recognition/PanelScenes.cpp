#include "tests/recognition/PanelScenes.h"

#include <algorithm>
#include <numeric>

#include "common/Notation.h"
#include "tableclient/render/Layout.h"

namespace scorlet::recognition::testing {

PanelCapture PanelOf(const Image& image) {
  PanelCapture picture;
  CaptureGeometry& g = picture.geometry;
  g.width = image.width;
  g.height = image.height;
  g.stride = StrideFor(image.width);
  g.rowsRead = image.height;
  g.right = image.width;
  g.bottom = image.height;
  picture.pixels.assign(static_cast<size_t>(g.stride) * static_cast<size_t>(image.height), 0);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      picture.pixels[static_cast<size_t>(image.height - 1 - y) * static_cast<size_t>(g.stride) +
                     static_cast<size_t>(x)] = To555(image.at(x, y));
    }
  }
  return picture;
}

Image Cropped(const Image& image, int width, int height) {
  Image out(std::min(width, image.width), std::min(height, image.height));
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) out.set(x, y, image.at(x, y));
  return out;
}

namespace {

std::vector<CardCode> ShuffledDeck(std::mt19937& rng) {
  std::vector<CardCode> deck;
  for (int suit = 0; suit < 4; ++suit)
    for (int rank = MinRank; rank <= MaxRank; ++rank) deck.push_back(suit * 100 + rank);
  std::shuffle(deck.begin(), deck.end(), rng);
  return deck;
}

int Roll(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

}  // namespace

table::LastTrickScene RandomTrick(std::mt19937& rng) {
  const std::vector<CardCode> deck = ShuffledDeck(rng);
  table::LastTrickScene scene;
  std::copy_n(deck.begin(), 4, scene.cards.begin());
  return scene;
}

table::LastHandScene RandomLastHand(std::mt19937& rng, std::uint32_t nameSeed) {
  const std::vector<CardCode> deck = ShuffledDeck(rng);
  table::LastHandScene scene;
  scene.names = table::SeededPlayerNames(nameSeed);
  for (int t = 0; t < TrickCount; ++t) {
    const int leader = Roll(rng, 0, 3);
    const bool paren = Roll(rng, 0, 9) == 0;
    for (int seat = 0; seat < 4; ++seat) {
      const std::string card = CardTextOf(deck[static_cast<size_t>(t * 4 + seat)]);
      std::string& cell = scene.cells[static_cast<size_t>(seat)][static_cast<size_t>(t)];
      cell = seat != leader ? card : paren ? "(" + card + ")" : "[" + card + "]";
    }
  }
  return scene;
}

table::LastHandScene OrderedLastHand() {
  table::LastHandScene scene;
  scene.names = {"alice", "bob", "carol", "dave"};
  for (int t = 0; t < TrickCount; ++t) {
    for (int seat = 0; seat < 4; ++seat) {
      const std::string card = CardTextOf(seat * 100 + t + MinRank);
      scene.cells[static_cast<size_t>(seat)][static_cast<size_t>(t)] = seat == 0 ? "[" + card + "]" : card;
    }
  }
  return scene;
}

std::pair<std::string, std::uint8_t> CellTruth(const std::string& cell) {
  if (cell.size() == 4 && cell[0] == '[') return {cell.substr(1, 2), LeadLed};
  if (cell.size() == 4 && cell[0] == '(') return {cell.substr(1, 2), LeadParen};
  return {cell, LeadNone};
}

table::ScoreScene RandomScore(std::mt19937& rng, int rows) {
  table::ScoreScene scene;
  scene.sideNames = {"ann/cy", "bob/dee"};
  for (int r = 0; r < rows; ++r) {
    table::ScoreLine line{Roll(rng, -300, 700), Roll(rng, 0, 12), Roll(rng, -300, 700), Roll(rng, 0, 12)};
    if (Roll(rng, 0, 4) == 0) line[0] = line[2] = 0;
    if (Roll(rng, 0, 6) == 0) line = {0, 0, 0, 0};
    scene.rows.push_back(line);
  }
  return scene;
}

int LastHandTextTop(const Picture& picture) {
  const int band = FirstGreyRow(picture, 10, 20, 20, 30);
  return band > 20 ? band + 4 : -1;
}

int CellStart(const Picture& picture, int top, int k) {
  int seen = 0;
  for (int x = 1; x < picture.width(); ++x) {
    if (!IsGreyAt(picture, x, top + 5)) continue;
    if (seen++ == k) return x + 1;
  }
  return -1;
}

int ScoreFirstTop(const Picture& picture) {
  const int band = FirstGreyRow(picture, 10, 35, 50, 55);
  return FirstRowWithBlack(picture, 10, band + 1, 50, band + 15) - 1;
}

}  // namespace scorlet::recognition::testing
