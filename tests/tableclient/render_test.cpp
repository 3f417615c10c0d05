// What the renderer puts where the companion looks, and the table's titles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "gamedata/Glyphs.h"

#include "platform/Types.h"
#include "tableclient/render/Layout.h"
#include "tableclient/render/SubViews.h"
#include "tableclient/render/TableView.h"
#include "tableclient/window/Languages.h"

namespace scorlet::table {
namespace {

bool HasInk(const Image& image, const Rect& area, Color ink) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (image.contains(x, y) && image.at(x, y) == ink) return true;
  return false;
}

// The column codes of a text line as the companion computes them on the table window: bit 11
// the top row, a bit set for a pure-black pixel.
std::vector<int> ColumnCodes(const Image& image, int top, int left, int right, Color ink = Colors::Black) {
  std::vector<int> codes;
  for (int x = left; x < right; ++x) {
    int code = 0;
    for (int r = 0; r < 12; ++r) code = code * 2 + (image.contains(x, top + r) && image.at(x, top + r) == ink);
    codes.push_back(code);
  }
  return codes;
}

// The column codes of the first glyph definition of that name from definition `from` on.
std::vector<int> CodesOf(std::string_view name, int from = 0) {
  for (std::size_t n = static_cast<std::size_t>(from); n < TextGlyphDefinitions.size(); ++n) {
    const GlyphDefinition glyph = ParseGlyphDefinition(TextGlyphDefinitions[n]);
    if (glyph.name == name) return {glyph.columns.begin(), glyph.columns.end()};
  }
  return {};
}

bool NearFrame(Color c) {
  const int v = To555(c);
  return std::abs((v >> 10) - 5) < 2 && std::abs(((v >> 5) & 31) - 0) < 2 && std::abs((v & 31) - 0) < 2;
}

// The companion's frame search: rows 490 up to 200, columns 200 to 340, five frame pixels in a
// row and the two above the first.
Point FrameHit(const Image& w) {
  auto at = [&](int x, int y) { return w.contains(x, y) && NearFrame(w.at(x, y)); };
  for (int y = 490; y >= 200; --y)
    for (int x = 200; x <= 340; ++x)
      if (at(x, y) && at(x + 1, y) && at(x + 2, y) && at(x + 3, y) && at(x + 4, y) && at(x, y - 1) &&
          at(x, y - 2))
        return {x, y};
  return {-1, -1};
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}

// A mid-deal table: every seat has bid, tricks are counted.
TableScene MidDeal() {
  TableScene scene;
  const char* bids[4] = {"13", "N", "DP", "4"};
  for (int p = 0; p < 4; ++p) {
    scene.seats[static_cast<std::size_t>(p)] = {"Player" + std::to_string(p), 1500 + p, bids[p], 10 + p % 4, true};
  }
  scene.userTurn = true;
  scene.doubleNilPassTable = scene.suicideTable = true;
  return scene;
}

TEST(GameFaceTest, DrawsTheDefinitionsColumnForColumnWithOneBlankBetween) {
  Image image(80, 14, Colors::White);
  const TextFace& face = GameFace();
  const int width = face.Draw(image, 1, 1, "Ba 1", Colors::Black);
  std::vector<int> expected{0};
  for (const char* name : {"B", "a"}) {  // the first "a" wins
    for (int c : CodesOf(name)) expected.push_back(c);
    expected.push_back(0);
  }
  expected.insert(expected.end(), GlyphFace::BlankColumns, 0);
  for (int c : CodesOf("1")) expected.push_back(c);
  expected.push_back(0);
  EXPECT_EQ(ColumnCodes(image, 1, 0, 1 + width), expected);
  EXPECT_EQ(face.Width("Ba 1"), width);
  // A character the font lacks draws nothing and advances.
  Image missing(80, 14, Colors::White);
  EXPECT_EQ(face.Draw(missing, 0, 0, "漢字", Colors::Black), 2 * GlyphFace::MissingColumns);
  EXPECT_EQ(missing.pixels, Image(80, 14, Colors::White).pixels);
  // The Japanese labels come from the double-byte glyphs, in the regular face only.
  Image japanese(80, 14, Colors::White);
  const int drawn = face.Draw(japanese, 1, 1, "ビ", Colors::Black);
  std::vector<int> bi{0};
  const GlyphDefinition biGlyph = ParseGlyphDefinition(DoubleByteGlyphDefinitions[0]);
  ASSERT_EQ(biGlyph.name, "ビ");
  for (int c : biGlyph.columns) bi.push_back(c);
  bi.push_back(0);
  EXPECT_EQ(ColumnCodes(japanese, 1, 0, 1 + drawn), bi);
  EXPECT_EQ(GameBoldFace().Width("ビ"), GlyphFace::MissingColumns);
  // The accented letters come from their entity names; the bold set is its own face.
  EXPECT_EQ(face.Width("\u00E3"), static_cast<int>(CodesOf("&atilde;").size()) + 1);
  EXPECT_EQ(GameBoldFace().Width("0"), static_cast<int>(CodesOf("0", RegularGlyphCount).size()) + 1);
}

// For many layouts: the frame search lands on the box, every line stands inside its quadrant,
// and pure black in the box and the list is text only.
TEST(TableViewTest, TheBoxIsFoundWhereItIsAndEveryLineStaysInItsQuadrant) {
  for (std::uint32_t seed : {0u, 1u, 2u, 3u, 7u, 11u, 42u, 99u, 1234u, 65535u}) {
    SCOPED_TRACE(seed);
    const Size size = TableLayout::WindowSizeFor(seed);
    EXPECT_GE(size.width, 600);
    EXPECT_LE(size.width, 900);
    for (Point origin : {Point{0, 0}, Point{4, 23}, Point{8, 40}}) {
      const TableLayout layout = TableLayout::Make(
          size, origin, {size.width - 2 * origin.x, size.height - origin.y - origin.x}, seed);
      TableScene scene = MidDeal();
      scene.words = WordsOf(seed % 2 ? 3 : 6);  // the long German and Spanish labels
      TableDrawn drawn;
      const Image w = RenderTableWindow(scene, layout, &drawn);
      ASSERT_EQ(drawn.box.width(), 235);
      ASSERT_EQ(drawn.box.height(), 149);
      EXPECT_EQ(FrameHit(w), (Point{drawn.box.left - 5, drawn.box.bottom + 5}));
      EXPECT_EQ(drawn.frameCorner, FrameHit(w));
      for (int p = 0; p < 4; ++p) {
        const std::size_t i = static_cast<std::size_t>(p);
        EXPECT_TRUE(Inside(drawn.bidLines[i], layout.QuadrantRect(BidQuadrant(p)))) << p;
        EXPECT_TRUE(Inside(drawn.trickLines[i], layout.QuadrantRect(TrickQuadrant(p)))) << p;
        EXPECT_EQ(drawn.bidLines[i].height(), 12);
      }
      std::vector<Rect> texts(drawn.bidLines.begin(), drawn.bidLines.end());
      texts.insert(texts.end(), drawn.trickLines.begin(), drawn.trickLines.end());
      texts.insert(texts.end(), drawn.listLines.begin(), drawn.listLines.end());
      const Rect list{layout.tableBox.right - 50, layout.bidControl.top, size.width, size.height - 15};
      for (const Rect& region : {drawn.box, list})
        for (int y = region.top; y < region.bottom; ++y)
          for (int x = region.left; x < region.right; ++x) {
            if (!w.contains(x, y) || w.at(x, y) != Colors::Black) continue;
            EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const Rect& t) { return t.contains({x, y}); }))
                << x << "," << y;
          }
    }
  }
}

TEST(TableViewTest, LabelsClickPointsTurnBandAndTheBidControl) {
  for (std::uint32_t seed : {0u, 5u, 17u, 321u}) {
    SCOPED_TRACE(seed);
    const TableLayout layout = TableLayout::ForWindow(TableLayout::WindowSizeFor(seed), seed);
    TableScene scene = MidDeal();
    TableDrawn drawn;
    Image w = RenderTableWindow(scene, layout, &drawn);
    int lastTop = 65;
    for (std::size_t k = 0; k < 5; ++k) {
      const Rect& label = drawn.labels[k];
      EXPECT_GE(label.left, 0);
      EXPECT_LE(label.right, 200);
      EXPECT_GT(label.top, lastTop) << k;  // in order, one text line each
      lastTop = label.bottom - 1;
      EXPECT_TRUE(drawn.buttons[k].contains(drawn.labelClicks[k])) << k;
      if (k < 3) {
        EXPECT_TRUE(layout.ButtonRect(static_cast<int>(k) + 1).contains(drawn.labelClicks[k]));
      }
    }
    // The turn band: the strip's top row is not all black, one of the seven below it is.
    auto rowBlack = [&](const Image& image, int y) {
      for (int x = 107; x <= 127; ++x)
        if (image.at(x, y) != Colors::Black) return false;
      return true;
    };
    const int H = w.height;
    EXPECT_FALSE(rowBlack(w, H - 37));
    bool banded = false;
    for (int y = H - 36; y <= H - 30; ++y) banded = banded || rowBlack(w, y);
    EXPECT_TRUE(banded);
    scene.userTurn = false;
    const Image quiet = RenderTableWindow(scene, layout);
    for (int y = H - 37; y <= H - 30; ++y) EXPECT_FALSE(rowBlack(quiet, y)) << y;
    // The bid control is the first white thing below the box, right of its centre + 50.
    Point white{-1, -1};
    for (int y = drawn.box.bottom; y < H - 10 && white.x < 0; ++y)
      for (int x = layout.centreX() + 50; x < w.width - 10; ++x)
        if (w.at(x, y) == Colors::White) {
          white = {x, y};
          break;
        }
    EXPECT_EQ(white, (Point{drawn.bidControl.left, drawn.bidControl.top}));
    EXPECT_GE(drawn.bidControl.width(), 3);
    EXPECT_GE(drawn.bidControl.height(), 3);
    for (const Rect& line : drawn.listLines) {
      EXPECT_GT(line.top, drawn.bidControl.top);
      EXPECT_GE(line.left, drawn.box.right - 46);
      EXPECT_LE(line.bottom, H - 15);
    }
  }
}

TEST(TableViewTest, PromptsOkHighlightAndOnlyTheBidsMade) {
  const TableLayout layout = TableLayout::ForWindow({640, 720});
  TableScene scene;
  scene.prompt = TablePrompt::WaitingForOpponent;
  TableDrawn drawn;
  Image w = RenderTableWindow(scene, layout, &drawn);
  EXPECT_TRUE(drawn.bidLines[0].empty());  // nobody has bid, no card is out
  EXPECT_TRUE(drawn.trickLines[0].empty());
  EXPECT_GE(drawn.prompt.top, drawn.box.top + 20);
  EXPECT_LE(drawn.prompt.bottom, drawn.box.bottom - 20);
  EXPECT_TRUE(drawn.ok.empty());

  scene = MidDeal();
  scene.prompt = TablePrompt::DealOver;
  scene.highlightedSeat = 0;
  scene.newRatings = {1616, 1485, 1598, 1481};
  scene.words = WordsOf(5);
  w = RenderTableWindow(scene, layout, &drawn);
  EXPECT_GE(drawn.ok.left, drawn.box.left);
  EXPECT_LE(drawn.ok.right, layout.centreX());
  EXPECT_GE(drawn.ok.top, layout.centreY());
  EXPECT_LE(drawn.ok.top, drawn.box.bottom + 30 - 12);
  // Italian Nil and Double Nil letters; "DP" is drawn as the Double Nil letter.
  const Rect& nil = drawn.bidLines[1];
  const Rect& dnil = drawn.bidLines[2];
  EXPECT_EQ(nil.width(), GameFace().Width("Dichiara: Z"));
  EXPECT_EQ(dnil.width(), GameFace().Width("Dichiara: Q"));
  // The highlighted line: white text on a black band from box.right - 50 to the window's edge.
  ASSERT_EQ(drawn.listLines.size(), 8u);
  const Rect& band = drawn.highlight;
  EXPECT_EQ(band.left, drawn.box.right - 50);
  EXPECT_EQ(band.right, layout.clientOrigin.x + layout.client.width);
  EXPECT_GE(band.height(), 12);
  EXPECT_TRUE(Inside(drawn.listLines[0], band));
  std::vector<int> inverted = ColumnCodes(w, drawn.listLines[0].top, drawn.listLines[0].left,
                                          drawn.listLines[0].right, Colors::White);
  std::vector<int> plain = ColumnCodes(w, drawn.listLines[1].top, drawn.listLines[1].left,
                                       drawn.listLines[1].left + GameFace().Width("Player0"));
  Image reference(200, 14, Colors::White);
  GameFace().Draw(reference, 0, 0, "Player0", Colors::Black);
  EXPECT_EQ(std::vector<int>(inverted.begin(), inverted.begin() + GameFace().Width("Player0")),
            ColumnCodes(reference, 0, 0, GameFace().Width("Player0")));
  EXPECT_NE(plain, inverted);
}

// The panel where the companion scans for it (captions from its ninth column on, lines
// beginning above its last 30 rows), clear of the box, the hand and the labels, and the buttons
// shown together apart from each other.
bool Apart(const Rect& r, const Rect& s) {
  return r.right <= s.left || s.right <= r.left || r.bottom <= s.top || s.bottom <= r.top;
}

TEST(TableViewTest, BidButtonsLieInTheScannedRegionApartFromEachOther) {
  for (std::uint32_t seed = 0; seed < 40; ++seed) {
    const TableLayout layout = TableLayout::ForWindow(TableLayout::WindowSizeFor(seed), seed);
    const std::vector<std::vector<int>> stages{
        {BidButtonNil, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13},
        {BidButtonDoubleNil, BidButtonShow}};
    for (const auto& stage : stages) {
      for (std::size_t i = 0; i < stage.size(); ++i) {
        const Rect r = layout.BidButton(stage[i]);
        SCOPED_TRACE(::testing::Message() << "seed " << seed << " button " << stage[i]);
        EXPECT_GE(r.left, BidPanelScan.left + 2);
        EXPECT_LE(r.right, BidPanelScan.right);
        EXPECT_GE(r.top, BidPanelScan.top);
        EXPECT_LE(r.top + 2, BidPanelScan.bottom - BidPanelScanBottomRows);
        EXPECT_TRUE(Apart(r, layout.hand));
        EXPECT_TRUE(Apart(r, layout.boxFrame));
        EXPECT_GE(r.top, layout.buttons[4].bottom);
        for (std::size_t j = i + 1; j < stage.size(); ++j) {
          const Rect s = layout.BidButton(stage[j]);
          EXPECT_TRUE(Apart(r, s)) << stage[j];
        }
      }
    }
    EXPECT_LE(layout.HandCard(12).right, layout.tableBox.right - 50);
  }
}

TEST(SubViewTest, ScoreNumbersStandInTheFourColumnsAndTheWindowGrows) {
  ScoreScene scene;
  scene.rows = {{71, 1, 41, 1}, {161, 1, -19, 1}};
  for (std::uint32_t seed : {0u, 3u, 40u}) {
    scene.layoutSeed = seed;
    Image image = RenderScore(scene);
    for (int c = 0; c < 4; ++c) {
      ColumnRange range = ScoreColumnRange(c);
      EXPECT_TRUE(HasInk(image, {range.right - 6, 37, range.right + 1, image.height}, Colors::Black)) << c;
      EXPECT_FALSE(HasInk(image, {range.right + 1, 37, range.right + 4, image.height}, Colors::Black)) << c;
      if (c > 0) {
        EXPECT_GT(range.left, ScoreColumnRange(c - 1).right + 1);
      }
    }
    // Room for one empty line after the rows: it is what ends the table.
    EXPECT_GE(image.height, ScoreClient(scene.rows.size() + 1, seed).height - ScoreRowHeight);
    scene.rows.resize(25);
    EXPECT_EQ(RenderScore(scene).height - image.height, 23 * ScoreRowHeight);
    scene.rows.resize(2);
  }
  // A window the companion made taller keeps its height.
  scene.minHeight = 700;
  EXPECT_EQ(RenderScore(scene).height, 700);
}

// Each row's letters are read back by the companion's card-text reader; here only the marks.
TEST(SubViewTest, LastHandCellsKeepTheirLeadMarks) {
  EXPECT_EQ(LastHandCellText("[TS]", 1), "[10S]");
  EXPECT_EQ(LastHandCellText("(QH)", 3), "(QC)");
  EXPECT_EQ(LastHandCellText("", 1), "");
}

TEST(SubViewTest, LastHandCellsAreSeparatedByOneGreyColumnAndLongNamesWidenTheWindow) {
  LastHandScene scene;
  scene.names = {"a", "b", "c", "d"};
  for (auto& line : scene.cells) line.fill("[TS]");
  const Image narrow = RenderLastHand(scene);
  EXPECT_EQ(narrow.width, LastHandClient.width);
  // Along a text row: white cells, and between them single grey columns.
  const int y = narrow.height - 3 * SubWindowLinePitch - 8;
  int greys = 0;
  for (int x = 1; x + 1 < narrow.width && greys < 13; ++x) {
    if (narrow.at(x, y) == Colors::White || narrow.at(x, y) == Colors::Black) continue;
    ++greys;
    EXPECT_NE(narrow.at(x + 1, y), narrow.at(x, y)) << x;
  }
  EXPECT_EQ(greys, 13);
  scene.names[2] = std::string(30, 'W');
  EXPECT_GT(RenderLastHand(scene).width, narrow.width);
}

// The titles themselves are checked on the desktop; here the fallbacks.
TEST(LanguageTest, TitlesFallBackToEnglishAndButtonCaptionsHoldTheScannedWords) {
  EXPECT_EQ(TableTitle(4, "7", "x"), "Game: Spades - Table: 7 - Host: x");  // no row: English
  EXPECT_EQ(SubWindowTitle(6, ScoreKind, "Puntuacion de picas"), "Puntuacion de picas");
  EXPECT_EQ(SubWindowTitle(1, 0), "");
  // Every button caption holds the fragment the companion's button scan looks for.
  EXPECT_NE(WordsOf(1).buttons[2].find("core"), std::string::npos);
  EXPECT_NE(WordsOf(1).buttons[3].find("ssing"), std::string::npos);
  EXPECT_NE(WordsOf(8).buttons[2].find("untuaci"), std::string::npos);
}

}  // namespace
}  // namespace scorlet::table
