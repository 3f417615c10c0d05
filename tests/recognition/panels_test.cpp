// The three small windows drawn by the substitute table and read back by the companion's readers:
// many seeded scenes must read back exactly, and every half-drawn or cut picture must read as
// nothing rather than as something wrong.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "common/Notation.h"
#include "companion/recognition/PanelReaders.h"
#include "gamedata/WindowTitles.h"
#include "tableclient/render/Layout.h"
#include "tableclient/render/SubViews.h"
#include "tests/recognition/PanelScenes.h"

namespace scorlet::recognition {
namespace {

using testing::PanelOf;

const GlyphTables& Glyphs() {
  static const GlyphTables tables = [] {
    GlyphTables t = BuildGlyphTables();
    t.fontVariant = 1;
    return t;
  }();
  return tables;
}

// --- last trick ---

// The first 52 scenes put every card of the deck in every place, the rest are random tricks.
TEST(LastTrickReading, SeededTricksReadBackCardForCard) {
  std::mt19937 rng(7);
  for (std::uint32_t seed = 0; seed < 300; ++seed) {
    table::LastTrickScene scene = testing::RandomTrick(rng);
    if (const int code = static_cast<int>(seed); code < 52) {
      for (int p = 0; p < 4; ++p) scene.cards[p] = static_cast<CardCode>((code + 13 * p) % 52 / 13 * 100 + code % 13 + 2);
    }
    scene.layoutSeed = seed;
    const TrickCardsReading reading = ReadTrickCards(PanelOf(table::RenderLastTrick(scene)), Glyphs());
    ASSERT_TRUE(reading.read) << "seed " << seed;
    const table::LastTrickGeometry layout = table::LastTrickLayout(seed);
    for (int p = 0; p < 4; ++p) {
      const CardCode card = scene.cards[p];
      EXPECT_EQ(reading.cards[p], (CornerCard{SuitOf(card), RankOf(card)})) << "seed " << seed << " p " << p;
      EXPECT_EQ(reading.corners[p], layout.corners[p]) << "seed " << seed << " p " << p;
    }
  }
}

// The trick of the no-reading tests, in the default layout.
table::LastTrickScene PlainTrick() {
  table::LastTrickScene scene;
  scene.cards = {312, 14, 213, 110};
  return scene;
}

TEST(LastTrickReading, AHalfDrawnOrCutWindowOrABlankCornerIsNoReading) {
  const table::LastTrickScene scene = PlainTrick();
  const Image whole = table::RenderLastTrick(scene);
  EXPECT_TRUE(ReadTrickCards(PanelOf(whole), Glyphs()).read);

  // A missing card: no edge where the scans look.
  for (int p = 0; p < 4; ++p) {
    table::LastTrickScene three = scene;
    three.cards[p] = 0;
    EXPECT_FALSE(ReadTrickCards(PanelOf(table::RenderLastTrick(three)), Glyphs()).read) << p;
  }
  // The right card's corner cut off by the picture's edge: no reading, no read outside.
  const table::LastTrickGeometry layout = table::LastTrickLayout(0);
  for (int cut : {layout.corners[3].x + 10, layout.corners[3].x + 20, layout.cards[3].right - 1}) {
    EXPECT_FALSE(ReadTrickCards(PanelOf(testing::Cropped(whole, cut, whole.height)), Glyphs()).read)
        << cut;
  }
  // Rows cut below the bottom card's corner.
  EXPECT_FALSE(
      ReadTrickCards(PanelOf(testing::Cropped(whole, whole.width, layout.corners[0].y + 12)), Glyphs())
          .read);
  EXPECT_FALSE(ReadTrickCards(PanelCapture{}, Glyphs()).read);

  // Corners outside the picture or on a blank face read nothing.
  const PanelCapture picture = PanelOf(whole);
  for (int seat = 0; seat < 4; ++seat) {
    const Point at = layout.corners[seat];
    EXPECT_TRUE(ReadCardCorner(picture, at.x, at.y, seat)) << seat;
    EXPECT_FALSE(ReadCardCorner(picture, -3, at.y, seat)) << seat;
    EXPECT_FALSE(ReadCardCorner(picture, at.x, -1, seat)) << seat;
    EXPECT_FALSE(ReadCardCorner(picture, picture.width() - 6, at.y, seat)) << seat;
    EXPECT_FALSE(ReadCardCorner(picture, at.x, picture.height() - 5, seat)) << seat;
  }
  // Inside a card's blank face: an upright corner needs ink in its bottom row, a card lying
  // across in one of its first eight columns.
  const Rect top = layout.cards[2];
  EXPECT_FALSE(ReadCardCorner(picture, top.right - 10, top.bottom - 24, 2));
  const Rect left = layout.cards[1];
  EXPECT_FALSE(ReadCardCorner(picture, left.left + 2, left.bottom - 12, 1));
  EXPECT_FALSE(ReadCardCorner(picture, layout.corners[0].x, layout.corners[0].y, 7));
}

TEST(LastTrickReading, ACardGlyphParsedShortNeverMatches) {
  const PanelCapture picture = PanelOf(table::RenderLastTrick(PlainTrick()));
  GlyphTables broken = Glyphs();
  broken.cardGlyphs[12][0] = 5;  // the queen's definition yielded five bytes
  EXPECT_FALSE(ReadTrickCards(picture, broken).read);
  broken = Glyphs();
  broken.cardGlyphs[FirstSuitPos + Hearts][0] = 8;
  EXPECT_FALSE(ReadTrickCards(picture, broken).read);
  const table::LastTrickGeometry layout = table::LastTrickLayout(0);
  const auto codes = ReadCardCorner(picture, layout.corners[1].x, layout.corners[1].y, 1);
  ASSERT_TRUE(codes);
  EXPECT_EQ(MatchCardCorner(*codes, Glyphs()), (CornerCard{Clubs, 14}));
  EXPECT_EQ(MatchCardCorner(*codes, broken).rank, 14);  // another suit's glyph is still whole
}

// --- last hand ---

TEST(LastHandReading, SeededHandsReadBackInEveryLanguage) {
  std::mt19937 rng(11);
  int scenes = 0;
  for (int language = 1; language <= GameLanguages; ++language) {
    for (std::uint32_t seed = 0; seed < 12; ++seed) {
      table::LastHandScene scene = testing::RandomLastHand(rng, seed * 97 + language);
      scene.language = language;
      scene.layoutSeed = seed * 13 + static_cast<std::uint32_t>(language);
      const LastHandReading reading =
          ReadLastHandPicture(PanelOf(table::RenderLastHand(scene)), Glyphs(), language);
      ASSERT_EQ(reading.outcome, LastHandOutcome::Read) << language << " " << seed;
      for (int line = 0; line < 4; ++line) {
        EXPECT_EQ(reading.names[line], scene.names[line]) << language << " " << seed;
        for (int t = 0; t < TrickCount; ++t) {
          const auto [card, mark] = testing::CellTruth(scene.cells[line][t]);
          EXPECT_EQ(reading.cards[line][t], card) << language << " " << seed << " " << line << " " << t;
          EXPECT_EQ(reading.marks[line][t], mark) << language << " " << seed << " " << line << " " << t;
        }
      }
      ++scenes;
    }
  }
  EXPECT_EQ(scenes, 120);
}

TEST(LastHandReading, ACardWithLeadMarkTwoIsRead) {
  table::LastHandScene scene = testing::OrderedLastHand();
  scene.cells[1][4] = "(TS)";
  scene.cells[3][12] = "(2C)";
  const PanelCapture picture = PanelOf(table::RenderLastHand(scene));
  // The tables the names and keywords are read with keep "(" disabled...
  EXPECT_FALSE(std::any_of(Glyphs().entries.begin(), Glyphs().entries.end(),
                           [](const GlyphEntry& e) { return e.name == "(" && e.first != 0; }));
  const GlyphTables lastHand = LastHandGlyphs(Glyphs());
  EXPECT_TRUE(std::any_of(lastHand.entries.begin(), lastHand.entries.end(),
                          [](const GlyphEntry& e) { return e.name == "(" && e.first != 0; }));
  // ...and the last hand reads with it, whichever tables it is handed.
  for (const GlyphTables* tables : {&Glyphs(), &lastHand}) {
    const LastHandReading reading = ReadLastHandPicture(picture, *tables, LangEnglish);
    ASSERT_EQ(reading.outcome, LastHandOutcome::Read);
    EXPECT_EQ(reading.cards[1][4], "TS");
    EXPECT_EQ(reading.marks[1][4], LeadParen);
    EXPECT_EQ(reading.cards[3][12], "2C");
    EXPECT_EQ(reading.marks[3][12], LeadParen);
    EXPECT_EQ(reading.marks[0][0], LeadLed);
  }
}

// Before the first deal at a table ends the window holds four empty lines: nothing to read yet,
// in every language, while a single empty line beside written ones is still a failed reading.
TEST(LastHandReading, NoDealYetIsNothingToReadButABlankLineIsUnread) {
  for (int language = 1; language <= GameLanguages; ++language) {
    table::LastHandScene empty;
    empty.language = language;
    empty.layoutSeed = static_cast<std::uint32_t>(language) * 7;
    const LastHandReading reading =
        ReadLastHandPicture(PanelOf(table::RenderLastHand(empty)), Glyphs(), language);
    EXPECT_EQ(reading.outcome, LastHandOutcome::NoRows) << language;
    EXPECT_FALSE(reading.anyName()) << language;
  }
  table::LastHandScene scene = testing::OrderedLastHand();
  scene.names[2] = "";
  for (auto& cell : scene.cells[2]) cell = "";
  EXPECT_EQ(ReadLastHandPicture(PanelOf(table::RenderLastHand(scene)), Glyphs(), LangEnglish).outcome,
            LastHandOutcome::Unreadable);
}

TEST(LastHandReading, AnyCardNotReadWholeLeavesTheHandUnread) {
  const table::LastHandScene good = testing::OrderedLastHand();
  ASSERT_EQ(ReadLastHandPicture(PanelOf(table::RenderLastHand(good)), Glyphs(), 1).outcome,
            LastHandOutcome::Read);
  auto outcome = [](const table::LastHandScene& scene, int language = LangEnglish) {
    return ReadLastHandPicture(PanelOf(table::RenderLastHand(scene)), Glyphs(), language).outcome;
  };
  table::LastHandScene scene = good;
  scene.cells[2][7] = "";  // a missing card
  EXPECT_EQ(outcome(scene), LastHandOutcome::Unreadable);
  scene = good;
  scene.cells[0][12] = "ZS";  // no rank
  EXPECT_EQ(outcome(scene), LastHandOutcome::Unreadable);
  scene = good;
  scene.cells[3][0] = "AX";  // no suit letter of the row
  EXPECT_EQ(outcome(scene), LastHandOutcome::Unreadable);

  // A glyph the font does not hold reads "?".
  Image image = table::RenderLastHand(good);
  PanelCapture smudged = PanelOf(image);
  const int lineTop = testing::LastHandTextTop(smudged);
  ASSERT_GT(lineTop, 0);
  const int x = testing::CellStart(smudged, lineTop + 16 * 2, 6);
  for (int y = lineTop + 32 + 3; y < lineTop + 32 + 8; ++y) SetPixel(smudged, x + 2, y, 0);
  EXPECT_EQ(ReadLastHandPicture(smudged, Glyphs(), 1).outcome, LastHandOutcome::Unreadable);

  // A picture cut through the fourth line.
  EXPECT_EQ(ReadLastHandPicture(PanelOf(testing::Cropped(image, image.width, lineTop + 48 + 6)),
                                Glyphs(), 1)
                .outcome,
            LastHandOutcome::Unreadable);
  // Cut through the cards of the 10th trick.
  EXPECT_EQ(ReadLastHandPicture(PanelOf(testing::Cropped(image, testing::CellStart(smudged, lineTop, 10) + 4,
                                                         image.height)),
                                Glyphs(), 1)
                .outcome,
            LastHandOutcome::Unreadable);
}

TEST(LastHandReading, NoBandNoPicture) {
  EXPECT_EQ(ReadLastHandPicture(PanelCapture{}, Glyphs(), 1).outcome, LastHandOutcome::NoRows);
  const Image image = table::RenderLastHand(testing::OrderedLastHand());
  // The grey field starting too high (the white band cut away) or a window all white.
  Image high(image.width, image.height, Colors::White);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) high.set(x, y, image.at(x, std::min(image.height - 1, y + 10)));
  EXPECT_EQ(ReadLastHandPicture(PanelOf(high), Glyphs(), 1).outcome, LastHandOutcome::NoGreyBand);
  EXPECT_EQ(ReadLastHandPicture(PanelOf(Image(600, 120, Colors::White)), Glyphs(), 1).outcome,
            LastHandOutcome::NoGreyBand);
}

TEST(LastHandReading, NamesLongShortAndMissing) {
  table::LastHandScene scene = testing::OrderedLastHand();
  scene.names = {"Wmw_WmwWmw_Wmw16", "abcd", "", "x"};
  for (std::uint32_t seed : {0u, 5u, 77u}) {
    scene.layoutSeed = seed;
    const LastHandReading reading =
        ReadLastHandPicture(PanelOf(table::RenderLastHand(scene)), Glyphs(), 1);
    ASSERT_EQ(reading.outcome, LastHandOutcome::Read) << seed;
    EXPECT_EQ(reading.names, scene.names) << seed;
    EXPECT_TRUE(reading.anyName());
  }
  scene.names = {"", "", "", ""};
  const LastHandReading reading = ReadLastHandPicture(PanelOf(table::RenderLastHand(scene)), Glyphs(), 1);
  EXPECT_EQ(reading.outcome, LastHandOutcome::Read);
  EXPECT_FALSE(reading.anyName());
  scene.names = {"~tilde", "b", "c", "d"};
  EXPECT_EQ(ReadLastHandPicture(PanelOf(table::RenderLastHand(scene)), Glyphs(), 1).names[0], "tilde");
}

TEST(CardText, TheLanguageRowsLettersBecomeNotation) {
  const struct {
    const char* written;
    int language;
    const char* card;
  } cases[] = {{"10S", LangEnglish, "TS"}, {"10S]", LangEnglish, "TS"}, {"QH)", LangEnglish, "QH"},
               {"AP", LangGerman, "AS"},   {"KT", LangGerman, "KC"},    {"10C", LangArgentina, "TH"},
               {"JD", LangGerman, "JD"},   {"QQ", LangItalian, "QD"},   {"2F", LangItalian, "2C"},
               {"AP", LangMexico, "AS"},   {"AC", LangSpanishVariant, "AC"},
               {"AP", LangEnglish, "AP"},  {"AP", LangSpain, "AP"},     {"A", LangGerman, "A"},
               {"", LangGerman, ""},       {"10", LangEnglish, "T"}};
  for (const auto& c : cases) EXPECT_EQ(NormaliseCardText(c.written, c.language), c.card) << c.written;
  // What the table writes in each row reads back as the card.
  for (int language = 1; language <= GameLanguages; ++language) {
    for (const char* card : {"TS", "2C", "QD", "AH", "9S", "JC"}) {
      const std::string written = table::LastHandCellText(card, language);
      EXPECT_EQ(NormaliseCardText(written, language), card) << language << " " << written;
    }
  }
}

// --- score ---

TEST(ScoreReading, SeededTablesOfOneToTwentyFiveRowsReadBack) {
  std::mt19937 rng(3);
  for (std::uint32_t seed = 0; seed < 100; ++seed) {
    const int count = 1 + static_cast<int>(seed % 25);
    table::ScoreScene scene = testing::RandomScore(rng, count);
    scene.layoutSeed = seed;
    const ScoreReading reading = ReadScorePicture(PanelOf(table::RenderScore(scene)), Glyphs());
    ASSERT_EQ(reading.outcome, ScoreOutcome::Read) << seed;
    ASSERT_EQ(reading.rows.size(), scene.rows.size()) << seed;
    for (std::size_t r = 0; r < scene.rows.size(); ++r) EXPECT_EQ(reading.rows[r], scene.rows[r]) << seed << " " << r;
  }
}

TEST(ScoreReading, AZeroZeroRowIsARowAndTheTableEndsOnAnEmptyLine) {
  table::ScoreScene scene;
  // The first ink below the band gives the first line's top, whatever number begins it.
  for (int first : {0, 1, 2, 4, 7, 9, -5, 100, 38}) {
    scene.rows = {{first, 0, 0, 0}, {0, 0, 0, 0}, {-40, 0, 0, 0}, {60, 2, 0, 1}, {0, 0, -110, 3}};
    for (std::uint32_t seed : {0u, 1u, 9u, 31u}) {
      scene.layoutSeed = seed;
      const ScoreReading reading = ReadScorePicture(PanelOf(table::RenderScore(scene)), Glyphs());
      ASSERT_EQ(reading.outcome, ScoreOutcome::Read) << first << " " << seed;
      ASSERT_EQ(reading.rows.size(), 5u);
      for (std::size_t r = 0; r < 5; ++r) EXPECT_EQ(reading.rows[r], scene.rows[r]) << first << " " << r;
    }
  }
  // A window taller than its rows: the empty lines after them are not rows.
  scene.minHeight = 600;
  EXPECT_EQ(ReadScorePicture(PanelOf(table::RenderScore(scene)), Glyphs()).rows.size(), 5u);
  // No rows at all: an empty table, read.
  scene.rows.clear();
  const ScoreReading empty = ReadScorePicture(PanelOf(table::RenderScore(scene)), Glyphs());
  EXPECT_EQ(empty.outcome, ScoreOutcome::Read);
  EXPECT_TRUE(empty.rows.empty());
}

TEST(ScoreReading, AWindowTooShortAsksForOneLineMore) {
  table::ScoreScene scene;
  scene.rows = {{71, 1, 41, 1}, {161, 1, -19, 1}, {0, 0, 0, 0}};
  const Image image = table::RenderScore(scene);
  // Cut into the empty line that ends the table: taller by one line, then it reads.
  int asked = 0;
  for (int cut = 1; cut <= 20; ++cut) {
    const PanelCapture shorter = PanelOf(testing::Cropped(image, image.width, image.height - cut));
    const ScoreReading reading = ReadScorePicture(shorter, Glyphs());
    if (reading.outcome == ScoreOutcome::Read) {
      EXPECT_EQ(reading.rows.size(), 3u) << cut;
      continue;
    }
    ASSERT_EQ(reading.outcome, ScoreOutcome::NeedsTallerWindow) << cut;
    ++asked;
    EXPECT_EQ(reading.neededHeight, shorter.height() + 16);
    EXPECT_LE(reading.rows.size(), 3u);
    // The table redrawn at the height asked for reads whole.
    table::ScoreScene taller = scene;
    taller.minHeight = reading.neededHeight;
    const Image grown = testing::Cropped(table::RenderScore(taller), image.width, reading.neededHeight);
    const ScoreReading again = ReadScorePicture(PanelOf(grown), Glyphs());
    EXPECT_EQ(again.outcome, ScoreOutcome::Read) << cut;
    EXPECT_EQ(again.rows.size(), 3u) << cut;
  }
  EXPECT_GE(asked, 15);
  // Cut through the second row's text.
  const ScoreReading cutRow =
      ReadScorePicture(PanelOf(testing::Cropped(image, image.width, image.height - 16 * 2 - 8)), Glyphs());
  EXPECT_EQ(cutRow.outcome, ScoreOutcome::NeedsTallerWindow);
}

TEST(ScoreReading, AnUnreadableNumberIsNoReadingNeverZero) {
  table::ScoreScene scene;
  scene.rows = {{71, 1, 41, 1}, {161, 1, -19, 1}};
  PanelCapture picture = PanelOf(table::RenderScore(scene));
  const ScoreReading good = ReadScorePicture(picture, Glyphs());
  ASSERT_EQ(good.outcome, ScoreOutcome::Read);
  // Smudge the third column's number in the second row.
  const int top = testing::ScoreFirstTop(picture) + 16;
  for (int y = top + 2; y < top + 9; ++y) SetPixel(picture, 146, y, 0);
  const ScoreReading smudged = ReadScorePicture(picture, Glyphs());
  EXPECT_EQ(smudged.outcome, ScoreOutcome::Unreadable);
  // One number of a row missing: half a row is no row.
  Image image = table::RenderScore(scene);
  for (int y = top - 2; y < top + 14; ++y)
    for (int x = 176; x <= 200; ++x) image.set(x, y, Colors::White);
  EXPECT_EQ(ReadScorePicture(PanelOf(image), Glyphs()).outcome, ScoreOutcome::Unreadable);
  EXPECT_EQ(ReadScorePicture(PanelCapture{}, Glyphs()).outcome, ScoreOutcome::NoRows);
  EXPECT_EQ(ReadScorePicture(PanelOf(Image(220, 140, Colors::White)), Glyphs()).outcome,
            ScoreOutcome::NoGreyBand);
}

}  // namespace
}  // namespace scorlet::recognition
