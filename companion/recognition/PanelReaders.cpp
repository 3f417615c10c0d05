#include "companion/recognition/PanelReaders.h"

#include <algorithm>

#include "common/Notation.h"
#include "common/TextUtil.h"
#include "common/WorkFiles.h"
#include "gamedata/CardLetters.h"
#include "gamedata/Glyphs.h"

namespace scorlet::recognition {

namespace {

// --- the last-trick window ---

constexpr int CornerCodeBits = 8;
constexpr int MaxStartOffset = 7;  // columns a card lying across may start its corner late

// Ink of an upright corner: blue 0. Nothing outside the picture.
std::optional<bool> UprightInk(const Picture& picture, int x, int y) {
  const auto p = picture.at(x, y);
  if (!p) return std::nullopt;
  return BlueOf(*p) == 0;
}
// Ink of a corner lying across: green below 15.
std::optional<bool> AcrossInk(const Picture& picture, int x, int y) {
  const auto p = picture.at(x, y);
  if (!p) return std::nullopt;
  return GreenOf(*p) < 15;
}

// The code of the column x, rows y..y+7 (top pixel the most significant bit).
std::optional<uint8_t> AcrossCode(const Picture& picture, int x, int y) {
  unsigned code = 0;
  for (int r = 0; r < CornerCodeBits; ++r) {
    const auto ink = AcrossInk(picture, x, y + r);
    if (!ink) return std::nullopt;
    code = code * 2 + (*ink ? 1 : 0);
  }
  return static_cast<uint8_t>(code);
}
// The code of the row y, pixels x..x+7 (leftmost pixel the most significant bit).
std::optional<uint8_t> UprightCode(const Picture& picture, int x, int y) {
  unsigned code = 0;
  for (int c = 0; c < CornerCodeBits; ++c) {
    const auto ink = UprightInk(picture, x + c, y);
    if (!ink) return std::nullopt;
    code = code * 2 + (*ink ? 1 : 0);
  }
  return static_cast<uint8_t>(code);
}

bool GlyphAt(const CornerCodes& codes, int p, const GlyphTables& tables, int symbol) {
  const auto& glyph = tables.cardGlyphs[static_cast<size_t>(symbol)];
  // A definition that did not yield nine bytes never matches: half a glyph is no reading.
  if (glyph[0] != CardGlyphRows) return false;
  for (int r = 0; r < CardGlyphRows; ++r) {
    if (glyph[static_cast<size_t>(r + 1)] != codes[static_cast<size_t>(p + r)]) return false;
  }
  return true;
}

// --- the last-hand and score windows ---

constexpr int LinePitch = 16;  // font variant 1
constexpr int LastHandBandLeft = 10, LastHandBandRight = 20;
constexpr int LastHandBandTop = 20, LastHandBandBottom = 30;
constexpr int LastHandTextBelowBand = 4;
constexpr int ScoreBandLeft = 10, ScoreBandRight = 50;
constexpr int ScoreBandTop = 35, ScoreBandBottom = 55;
constexpr int ScoreBandAbove = 36;  // the band must lie below this row
constexpr int ScoreFirstRowWithin = 14;
constexpr int GreyFromRow = 2;

bool HasEnabledGlyph(const GlyphTables& tables, std::string_view name) {
  for (int e = tables.fontFirst; e <= tables.fontLast; ++e) {
    const GlyphEntry& entry = tables.entries[static_cast<size_t>(e)];
    if (entry.name == name && entry.first != 0) return true;
  }
  return false;
}

// A card in notation: rank character 2..A, suit letter C, D, H or S.
bool IsCardNotation(std::string_view text) {
  if (text.size() != 2) return false;
  const int rank = RankOf(CardCodeOf(text));
  return rank >= MinRank && rank <= MaxRank && std::string_view("CDHS").find(text[1]) !=
                                                   std::string_view::npos;
}

// A score number: an optional minus sign and one or more digits, nothing else.
std::optional<int32_t> ScoreNumber(std::string_view text) {
  size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
  if (i == text.size() || text.size() - i > 9) return std::nullopt;
  int32_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return text[0] == '-' ? -value : value;
}

enum class RowStatus { Empty, Read, Unreadable };
RowStatus ScoreRowOf(const ScoreLineRuns& line, ScoreNumbers& numbers) {
  if (line.empty()) return RowStatus::Empty;
  for (size_t c = 0; c < 4; ++c) {
    // A row holds four numbers: an empty or unreadable one is no reading, never a 0.
    const std::optional<int32_t> value = ScoreNumber(line.runs[c]);
    if (!value) return RowStatus::Unreadable;
    numbers[c] = *value;
  }
  return RowStatus::Read;
}

}  // namespace

// --- the last-trick window ---

std::optional<CornerCodes> ReadCardCorner(const Picture& picture, int x, int y, int seat) {
  CornerCodes codes{};
  if (seat == 1 || seat == 3) {
    int start = -1;
    for (int s = 0; s <= MaxStartOffset && start < 0; ++s) {
      const auto code = AcrossCode(picture, x + s, y);
      if (!code) return std::nullopt;
      if (*code != 0) start = s;
    }
    if (start < 0) return std::nullopt;
    for (int k = 0; k < CornerCodeCount; ++k) {
      const auto code = AcrossCode(picture, x + start + k, y);
      if (!code) return std::nullopt;
      codes[static_cast<size_t>(k)] = *code;
    }
    return codes;
  }
  if (seat != 0 && seat != 2) return std::nullopt;
  for (int k = 0; k < CornerCodeCount; ++k) {
    const auto code = UprightCode(picture, x, y + CornerCodeCount - 1 - k);
    if (!code) return std::nullopt;
    codes[static_cast<size_t>(k)] = *code;
  }
  if (codes[0] == 0) return std::nullopt;
  return codes;
}

CornerCard MatchCardCorner(const CornerCodes& codes, const GlyphTables& tables) {
  CornerCard card;
  for (int suit = 0; suit < 4; ++suit) {
    if (!GlyphAt(codes, 0, tables, FirstSuitPos + suit)) continue;
    for (int rank = MinRank; rank <= MaxRank; ++rank) {
      if (GlyphAt(codes, CardGlyphRows, tables, rank)) return CornerCard{suit, rank};
    }
    return card;
  }
  return card;
}

TrickCardsReading ReadTrickCards(const PanelCapture& picture, const GlyphTables& tables) {
  TrickCardsReading reading;
  if (picture.empty()) return reading;
  // The top card's upper and lower edges, then the bottom card's upper edge, over one strip.
  const int y1 = FirstBlackRow(picture, 110, 0, 129);
  if (y1 < 0) return reading;
  const int y2 = FirstBlackRow(picture, 110, y1 + 4, 129);
  if (y2 < 0) return reading;
  const int y3 = FirstBlackRow(picture, 110, y2 + 1, 129);
  if (y3 < 0) return reading;
  // The upper edge of the cards lying across.
  const int y4 = FirstBlackRow(picture, 30, 40, 49);
  if (y4 < 0) return reading;
  // The left edge of the upright cards, the right edges of the left and the right card.
  const int x1 = FirstBlackColumn(picture, 85, 30, 110, 59);
  if (x1 < 0) return reading;
  const int x2 = FirstBlackColumn(picture, 65, 70, 85, 89);
  if (x2 < 0) return reading;
  const int x3 = FirstBlackColumn(picture, 230, 70, picture.width(), 89);
  if (x3 < 0) return reading;

  reading.corners = {Point{x1 + 3, y3 + 3}, Point{x2 - 25, y4 + 3}, Point{x1 + 3, y1 + 3},
                     Point{x3 - 25, y4 + 3}};
  for (int seat = 0; seat < 4; ++seat) {
    const Point at = reading.corners[static_cast<size_t>(seat)];
    const std::optional<CornerCodes> codes = ReadCardCorner(picture, at.x, at.y, seat);
    if (!codes) return reading;
    const CornerCard card = MatchCardCorner(*codes, tables);
    if (card.rank == 0) return reading;
    reading.cards[static_cast<size_t>(seat)] = card;
  }
  reading.read = true;
  return reading;
}

// --- the last-hand and score windows ---

ColumnCodes PanelLineCodes(const Picture& picture, int top, int fromX, int toX) {
  return ComputeColumnCodes(picture, top, GreyFromRow, fromX, toX);
}

bool ScoreLineRuns::empty() const {
  return std::all_of(runs.begin(), runs.end(), [](const std::string& r) { return r.empty(); });
}

ScoreLineRuns ReadScoreLineRuns(const Picture& picture, const GlyphTables& tables, int top) {
  static constexpr std::array<std::array<int, 4>, 2> Halves{{{0, 70, 1, 59}, {115, 200, 116, 176}}};
  ScoreLineRuns line;
  size_t next = 0;
  for (const auto& [fromX, toX, firstRun, secondRun] : Halves) {
    const ColumnCodes codes = PanelLineCodes(picture, top, fromX, toX);
    for (const int x : {firstRun, secondRun}) {
      int pos = codes.posOf(x);
      line.runs[next++] = Trim(ReadGlyphRun(tables, codes, pos));
    }
  }
  return line;
}

// --- the last-hand window ---

std::string NormaliseCardText(std::string_view text, int gameLanguage) {
  if (text.size() < 2) return std::string(text);
  std::string card(text);
  if (card.starts_with(CardTenText)) card = "T" + card.substr(CardTenText.size());
  card = card.substr(0, 2);
  if (card.size() < 2) return card;
  const std::string_view letters = CardSuitLettersOf(gameLanguage);
  const size_t suit = letters.find(card[1]);
  if (suit != std::string_view::npos) card[1] = "CDHS"[suit];
  return card;
}

GlyphTables LastHandGlyphs(const GlyphTables& tables) {
  GlyphTables out = tables;
  for (int e = out.fontFirst; e <= out.fontLast; ++e) {
    GlyphEntry& entry = out.entries[static_cast<size_t>(e)];
    if ((entry.name == "(" || entry.name == ")") && !entry.columns.empty()) {
      entry.first = entry.columns[0];
    }
  }
  PrepareGlyphIndex(out, tables.gameLanguage);
  return out;
}

bool LastHandReading::anyName() const {
  return std::any_of(names.begin(), names.end(), [](const std::string& n) { return !n.empty(); });
}

LastHandReading ReadLastHandPicture(const PanelCapture& picture, const GlyphTables& tables,
                                    int gameLanguage) {
  LastHandReading reading;
  if (picture.empty()) return reading;
  const int band = FirstGreyRow(picture, LastHandBandLeft, LastHandBandTop, LastHandBandRight,
                                LastHandBandBottom);
  if (band <= LastHandBandTop) {
    reading.outcome = LastHandOutcome::NoGreyBand;
    return reading;
  }
  // A card with lead mark 2 is written with a leading "(": read with it enabled.
  std::optional<GlyphTables> own;
  if (!HasEnabledGlyph(tables, "(")) own = LastHandGlyphs(tables);
  const GlyphTables& glyphs = own ? *own : tables;

  reading.outcome = LastHandOutcome::Unreadable;
  int top = band + LastHandTextBelowBand;
  // Before the first deal at a table ends, the window shows its four lines without a name or a
  // card: nothing to read yet, which is no failure. A blank line beside written ones is.
  int blankLines = 0;
  for (size_t line = 0; line < 4; ++line, top += LinePitch) {
    const ColumnCodes codes = PanelLineCodes(picture, top, 1, std::max(1, picture.width() - 1));
    int pos = 1;
    std::string name = ReadGlyphRun(glyphs, codes, pos);
    if (name.starts_with("~")) name.erase(0, 1);
    reading.names[line] = Trim(name);
    for (size_t trick = 0; trick < TrickCount; ++trick) {
      std::string text = ReadGlyphRun(glyphs, codes, pos);
      if (trick == 0 && reading.names[line].empty() && Trim(text).empty()) {
        ++blankLines;
        break;
      }
      uint8_t mark = LeadNone;
      if (text.starts_with("[")) mark = LeadLed;
      if (text.starts_with("(")) mark = LeadParen;
      if (mark != LeadNone) text.erase(0, 1);
      // Any card not read whole leaves the last hand unread: no deal is recorded half-read.
      if (text.find('?') != std::string::npos) return reading;
      const std::string card = NormaliseCardText(text, gameLanguage);
      if (!IsCardNotation(card)) return reading;
      reading.cards[line][trick] = card;
      reading.marks[line][trick] = mark;
    }
  }
  if (blankLines == 4) {
    reading = {};
    reading.outcome = LastHandOutcome::NoRows;
    return reading;
  }
  if (blankLines > 0) return reading;
  reading.outcome = LastHandOutcome::Read;
  return reading;
}

// --- the score window ---

ScoreReading ReadScorePicture(const PanelCapture& picture, const GlyphTables& tables) {
  ScoreReading reading;
  if (picture.empty()) return reading;
  const int band =
      FirstGreyRow(picture, ScoreBandLeft, ScoreBandTop, ScoreBandRight, ScoreBandBottom);
  if (band <= ScoreBandAbove) {
    reading.outcome = ScoreOutcome::NoGreyBand;
    return reading;
  }
  const int firstInk = FirstRowWithBlack(picture, ScoreBandLeft, band + 1, ScoreBandRight,
                                         band + 1 + ScoreFirstRowWithin);
  reading.outcome = ScoreOutcome::Read;
  if (firstInk < 0) return reading;  // a table without rows

  // The font's digits all reach the second of their 12 rows: the line starts one row higher.
  int top = firstInk - 1;
  for (; top >= 1; top += LinePitch) {
    if (top + LinePitch > picture.height()) {
      reading.outcome = ScoreOutcome::NeedsTallerWindow;
      reading.neededHeight = picture.height() + LinePitch;
      return reading;
    }
    ScoreNumbers numbers{};
    switch (ScoreRowOf(ReadScoreLineRuns(picture, tables, top), numbers)) {
      case RowStatus::Empty:
        return reading;
      case RowStatus::Unreadable:
        reading.outcome = ScoreOutcome::Unreadable;
        return reading;
      case RowStatus::Read:
        reading.rows.push_back(numbers);
        break;
    }
    if (static_cast<int>(reading.rows.size()) == MaxScoreRows) return reading;
  }
  return reading;
}

}  // namespace scorlet::recognition
