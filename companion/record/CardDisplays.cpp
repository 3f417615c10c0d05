#include "companion/record/CardDisplays.h"

#include <algorithm>
#include <cstdlib>

#include "gamedata/CardFace.h"

namespace scorlet::companion {

namespace {

constexpr int FaceWidth = 2 * CardFaceCopyX;
constexpr int OpenBracket = 17;  // "[" ; "(" is two glyphs further
constexpr int SuitGlyph = 13;    // "C"
constexpr Color Grey = Rgb(100, 100, 100);
constexpr Color Purple = StrikeColor;
const Font LabelFont{"Arial", 8, false};

int RankGlyph(int rank) { return rank - 2; }

// Copies glyph g of the face (the copy on white for won cards) to (x, y); returns its width.
int PutGlyph(Image& cells, const CardFacePicture& face, int g, int x, int y, bool onWhite) {
  const int width = face.widths[static_cast<std::size_t>(g)];
  const int left = CardFaceSlot * g + (onWhite ? CardFaceCopyX : 0);
  for (int row = 0; row < CardFaceMaxRows; ++row)
    for (int col = 0; col < width; ++col)
      if (face.picture.contains(left + col, row) && cells.contains(x + col, y + row))
        cells.set(x + col, y + row, face.picture.at(left + col, row));
  return width;
}

// Removes the last UTF-8 character.
void PopChar(std::string& text) {
  if (text.empty()) return;
  std::size_t end = text.size() - 1;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.erase(end);
}

std::size_t CharsOf(const std::string& text) {
  std::size_t n = 0;
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

BidSummaryEntry EntryOf(const HandRecord& record, int seat) {
  const auto s = static_cast<std::size_t>(seat);
  BidSummaryEntry e;
  e.bid = record.Bids[s];
  e.leader = record.FirstLeader == seat;
  e.bold = e.leader || BidKindOf(e.bid) != BidOrdinary;
  e.nil = record.NilTricks[s] != 0;
  e.count = e.nil ? record.NilTricks[s] : record.TricksWon[s];
  return e;
}

}  // namespace

// --- the card-face font and the strip ---

CardFacePicture DrawCardFace(Color cardBackground) {
  CardFacePicture face;
  face.picture = Image(FaceWidth, CardFaceMaxRows, cardBackground);
  for (int y = 0; y < CardFaceMaxRows; ++y)
    for (int x = CardFaceCopyX; x < FaceWidth; ++x) face.picture.set(x, y, Colors::White);
  for (int g = 0; g < CardFaceGlyphCount; ++g) {
    int width = 0;
    for (int y = 0; y < CardFaceMaxRows; ++y) {
      const std::string_view row = CardFaceGlyphRows[static_cast<std::size_t>(g)][static_cast<std::size_t>(y)];
      if (row.empty()) break;
      const std::vector<int> pixels = ParseCardFaceRow(row);
      width = std::max(width, static_cast<int>(pixels.size()));
      for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] == CardFacePaper) continue;
        const Color c = CardFacePalette[static_cast<std::size_t>(pixels[i])];
        const int x = CardFaceSlot * g + static_cast<int>(i);
        // A glyph wider than its slot is cut at the slot's edge, never drawn into the next.
        if (static_cast<int>(i) >= CardFaceSlot) break;
        face.picture.set(x, y, c);
        face.picture.set(x + CardFaceCopyX, y, c);
      }
    }
    width = std::min(width, CardFaceSlot);
    face.widths[static_cast<std::size_t>(g)] = width;
    face.widths[static_cast<std::size_t>(g + CardFaceGlyphCount)] = width;
  }
  return face;
}

CardStrip BuildCardStrip(const CardFacePicture& face, Color cardBackground) {
  CardStrip strip;
  const int h = strip.cellHeight;
  strip.cells = Image(13 * CardColumnWidth, 24 * h, Colors::White);
  for (int lead = 0; lead < 3; ++lead) {
    for (int won = 0; won < 2; ++won) {
      for (int suit = 0; suit < 4; ++suit) {
        const int top = StripRow(suit, lead, won != 0) * h + 1;
        for (int rank = MinRank; rank <= MaxRank; ++rank) {
          const int left = CardColumnX(rank) + 1;
          const Color back = won ? Colors::White : cardBackground;
          for (int y = top; y < top + h - 1; ++y)
            for (int x = left; x < left + strip.cellWidth; ++x) strip.cells.set(x, y, back);
          // A won card is framed, so it shows on either background.
          if (won) {
            for (int x = left; x < left + strip.cellWidth; ++x) {
              strip.cells.set(x, top, Colors::Black);
              strip.cells.set(x, top + h - 2, Colors::Black);
            }
          }
          std::vector<int> glyphs;
          if (lead > 0) glyphs.push_back(OpenBracket + (lead - 1) * 2);
          glyphs.push_back(RankGlyph(rank));
          glyphs.push_back(SuitGlyph + suit);
          if (lead > 0) glyphs.push_back(OpenBracket + (lead - 1) * 2 + 1);
          int width = -1;
          for (const int g : glyphs) width += face.widths[static_cast<std::size_t>(g)] + 1;
          int x = left + std::max(0, (strip.cellWidth - width) / 2);
          for (const int g : glyphs) x += PutGlyph(strip.cells, face, g, x, top + 2, won != 0) + 1;
        }
      }
    }
  }
  return strip;
}

void dspCardP(Canvas& target, const CardStrip& strip, int x, int y, int code, int lead, int win) {
  if (code == 0 || !IsCardCode(code) || !strip.ready()) return;
  const int h = strip.cellHeight;
  const int row = StripRow(SuitOf(code), std::clamp(lead, 0, 2), win != 0);
  const int sx = CardColumnX(RankOf(code)) + 1;
  const int sy = row * h + 1;
  target.drawImage({x, y}, strip.cells, Rect{sx, sy, sx + strip.cellWidth, sy + h - 1});
  if (code < 0) target.drawLine({x, y}, {x + 24, y + h - 1}, Purple);
}

// --- play grids ---

PlayGridView PlayGridOfRecord(const HandRecord& record, int bottomSeat) {
  PlayGridView view;
  view.tricks = TrickCount;
  for (int k = 0; k < 4; ++k) {
    const auto seat = static_cast<std::size_t>((bottomSeat + k + 1) & 3);
    for (std::size_t i = 0; i < TrickCount; ++i)
      view.rows[static_cast<std::size_t>(k)][i] = {record.PlayCodesShown[i][seat],
                                                   record.LeadMarks[i][seat], record.WinMarks[i][seat]};
  }
  return view;
}

PlayGridView PlayGridOfLive(const LivePlay& live) {
  PlayGridView view;
  view.tricks = std::clamp(live.tricksSeen, 0, TrickCount);
  for (int k = 0; k < 4; ++k)
    for (int i = 0; i < view.tricks; ++i)
      view.rows[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)] =
          live.cards[static_cast<std::size_t>(i)][static_cast<std::size_t>(GridRowPosition(k))];
  return view;
}

void DrawPlayGrid(Canvas& canvas, const CardStrip& strip, const PlayGridView& view, Point origin,
                  int lineHeight) {
  for (int k = 0; k < 4; ++k) {
    const int y = static_cast<int>(((k + 1) * 2.3 - 0.4) * lineHeight) + origin.y;
    canvas.drawText({origin.x, y}, GridRowLabels[static_cast<std::size_t>(k)], LabelFont,
                    Colors::Black);
    for (int i = 0; i < view.tricks && i < TrickCount; ++i) {
      const GridCell& c = view.rows[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)];
      dspCardP(canvas, strip, TrickColumnX(i, origin.x), y, c.code, c.lead, c.win);
    }
  }
}

// --- the four hands of a record ---

HandsView FourHandsOfRecord(const HandRecord& record, int bottomSeat) {
  HandsView view;
  for (int p = 0; p < 4; ++p) {
    const auto seat = static_cast<std::size_t>((bottomSeat + p) & 3);
    for (std::size_t j = 0; j < TrickCount; ++j) {
      const int code = record.SortedHands[j][seat];
      if (!IsCardCode(code)) continue;
      bool marked = false;
      for (std::size_t n = 0; n < TrickCount; ++n)
        if (record.NilWinningCards[n][seat] != 0 && std::abs(record.NilWinningCards[n][seat]) == std::abs(code))
          marked = true;
      view.suits[static_cast<std::size_t>(p)][static_cast<std::size_t>(SuitOf(code))].push_back(
          {std::abs(code), marked});
    }
  }
  return view;
}

// --- the live shown cards ---

void AddShownCard(ShownTable& shown, int position, int code) {
  if (position < 0 || position > 3 || !IsCardCode(code)) return;
  code = std::abs(code);
  ShownSuit& s = shown[static_cast<std::size_t>(position)][static_cast<std::size_t>(SuitOf(code))];
  for (int i = 0; i < s.count; ++i)
    if (s.codes[static_cast<std::size_t>(i)] == code) return;
  if (s.count >= TrickCount) return;
  s.codes[static_cast<std::size_t>(s.count++)] = code;
}

std::array<bool, 4> FindShortSuits(ShownTable& shown, bool everyPlayShown) {
  std::array<bool, 4> exhausted{};
  for (std::size_t s = 0; s < 4; ++s) {
    int total = 0;
    int voids = 0;
    int holder = -1;
    for (std::size_t p = 0; p < 4; ++p) {
      total += shown[p][s].count;
      if (shown[p][s].voidFlag == 1) ++voids;
      else holder = static_cast<int>(p);
    }
    if (total >= 13) {
      for (std::size_t p = 0; p < 4; ++p) shown[p][s].voidFlag = 1;
      exhausted[s] = true;
    } else if (voids == 3 && holder >= 0) {
      auto& his = shown[static_cast<std::size_t>(holder)];
      his[s].voidFlag = 2;
      // His thirteen cards are those he has shown (in every suit) and those still held; when
      // the rest of this suit fills them up he holds nothing else.
      int hisShown = 0;
      for (const ShownSuit& t : his) hisShown += t.count;
      if (everyPlayShown && 13 - total + hisShown == 13)
        for (std::size_t t = 0; t < 4; ++t)
          if (t != s) his[t].voidFlag = 1;
    }
  }
  for (auto& player : shown) {
    int voids = 0;
    for (const ShownSuit& t : player) voids += t.voidFlag == 1 ? 1 : 0;
    if (voids != 3) continue;
    for (ShownSuit& t : player)
      if (t.voidFlag != 1) t.voidFlag = 2;
  }
  return exhausted;
}

// --- the remaining-cards box ---

std::array<std::string, 4> RemainingLines(const RemainingCards& cards) {
  std::array<std::string, 4> lines;
  for (int s = 3; s >= 0; --s) {
    std::string& line = lines[static_cast<std::size_t>(3 - s)];
    for (int r = MaxRank; r >= MinRank; --r)
      line += cards.played[static_cast<std::size_t>(s)][static_cast<std::size_t>(r - 2)]
                  ? ' '
                  : CardSymbols[static_cast<std::size_t>(r - 1)];
  }
  return lines;
}

void DrawRemaining(Canvas& canvas, const RemainingCards& cards, Color background) {
  canvas.clear(background);
  const int h = canvas.textHeight(RemainingFont) + 2;
  const std::array<std::string, 4> lines = RemainingLines(cards);
  for (int i = 0; i < 4; ++i)
    canvas.drawText({0, i * h}, lines[static_cast<std::size_t>(i)], RemainingFont,
                    SuitTable[static_cast<std::size_t>(3 - i)].displayColour);
}

void BlankRemaining(Canvas& canvas, int suit, int rank, Color background) {
  if (suit < 0 || suit > 3 || rank < MinRank || rank > MaxRank) return;
  const int w = canvas.textWidth("A", RemainingFont);
  const int h = canvas.textHeight(RemainingFont);
  const int x = (MaxRank - rank) * w;
  const int y = (3 - suit) * (h + 2);
  canvas.fillRect(Rect{x, y, x + w, y + h}, background);
}

// --- the hand drawer ---

int dspSuitMarkH(Canvas& canvas, Point at, int suit, const Font& font) {
  if (suit < 0 || suit > 3) return at.x;
  const SuitAttributes& a = SuitTable[static_cast<std::size_t>(suit)];
  const std::string mark(1, a.letter);
  canvas.drawText(at, mark, font, a.displayColour);
  return at.x + canvas.textWidth(mark, font);
}

void ULcard(Canvas& canvas, Point at, int width, const Font& font, Color color) {
  const int y = at.y + canvas.textHeight(font) - 1;
  canvas.drawLine({at.x, y}, {at.x + width, y}, color);
}

int dspCardH(Canvas& canvas, Point at, int code, const Font& font, bool marked) {
  if (!IsCardCode(code)) return at.x;
  const std::string rank = SymbolChar(RankOf(code));
  const Color color = SuitTable[static_cast<std::size_t>(SuitOf(code))].displayColour;
  canvas.drawText(at, rank, font, marked ? Purple : color);
  const int width = canvas.textWidth(rank, font);
  if (marked) ULcard(canvas, at, width, font, Purple);
  return at.x + width;
}

HandBlock ShownBlock(const ShownTable& shown, const std::array<bool, 4>& exhausted, int position) {
  HandBlock block;
  const auto& player = shown[static_cast<std::size_t>(position & 3)];
  for (std::size_t s = 0; s < 4; ++s) {
    for (int i = 0; i < player[s].count; ++i)
      block.suits[s].push_back({player[s].codes[static_cast<std::size_t>(i)], false});
    block.voids[s] = player[s].voidFlag;
    block.exhausted[s] = exhausted[s];
  }
  return block;
}

void DrawHandBlock(Canvas& canvas, Point at, const HandBlock& block, const Font& font,
                   Color background, int width) {
  const int line = canvas.textHeight(font);
  canvas.fillRect(Rect{at.x, at.y, at.x + width, at.y + 4 * line}, background);
  for (int i = 0; i < 4; ++i) {
    const int suit = 3 - i;
    const auto s = static_cast<std::size_t>(suit);
    const int y = at.y + i * line;
    Font f = font;
    f.bold = suit == Spades;
    const int markEnd = dspSuitMarkH(canvas, {at.x, y}, suit, f);
    int x = markEnd + 2;
    if (block.voids[s] == 1) {
      canvas.drawText({markEnd, y}, "/", font, Colors::Black);
      canvas.drawText({markEnd - 6, y}, "/", font, Colors::Black);
      if (block.exhausted[s]) {
        canvas.drawLine({at.x, y + 8}, {markEnd, y + 8}, Grey);
        canvas.drawLine({at.x, y + 11}, {markEnd, y + 11}, Grey);
      }
      x += canvas.textWidth("/", font);
    } else if (block.voids[s] == 2) {
      canvas.drawLine({at.x, y + line - 1}, {markEnd, y + line - 1}, Colors::Blue);
    }
    for (const auto& [code, marked] : block.suits[s]) {
      if (x >= at.x + width) break;
      x = dspCardH(canvas, {x, y}, code, f, marked);
    }
  }
}

// --- names, bids and the last-hand summary ---

NameLabelsView NameLabelsOf(const HandRecord& record, int bottomSeat, int currentPosition,
                            int maxWidth, int charWidth) {
  NameLabelsView view;
  for (int k = 0; k < 4; ++k) {
    const int seat = (bottomSeat + k) & 3;
    std::string name = record.PlayerNames[static_cast<std::size_t>(seat)];
    while (!name.empty() && static_cast<int>(CharsOf(name)) * charWidth > maxWidth) PopChar(name);
    view.names[static_cast<std::size_t>(k)] = name;
    view.bold[static_cast<std::size_t>(k)] = record.FirstLeader == seat || k == currentPosition;
  }
  return view;
}

BidSummaryView BidSummaryOf(const HandRecord& record, int bottomSeat) {
  BidSummaryView view;
  for (int k = 0; k < 4; ++k) {
    const int seat = (bottomSeat + k) & 3;
    view.entries[static_cast<std::size_t>(k)] = EntryOf(record, seat);
    view.bidSum += BidNumberOf(record.Bids[static_cast<std::size_t>(seat)]);
  }
  return view;
}

LastHandSummaryView LastHandSummaryOf(const HandRecord& record, int bottomSeat) {
  LastHandSummaryView view;
  const auto seatAt = [&](int position) { return (bottomSeat + position) & 3; };
  const auto name = [&](int seat) { return record.PlayerNames[static_cast<std::size_t>(seat)]; };
  // Opponents (LHO, RHO) first, then the user's partnership (Pard, Me).
  const std::array<std::array<int, 2>, 2> groups{{{1, 3}, {2, 0}}};
  for (std::size_t g = 0; g < 2; ++g) {
    TeamSummary& t = view.teams[g];
    const int a = seatAt(groups[g][0]);
    const int b = seatAt(groups[g][1]);
    t.first = name(a);
    t.second = name(b);
    t.mode = g == 0 ? 1 : 2;
    t.bids = {EntryOf(record, a), EntryOf(record, b)};
    t.column = TeamOf(a) * 2;
  }
  view.rows = std::clamp(record.ScoreRowCount, 0, MaxScoreRows);
  if (view.rows > 0) {
    view.scoreRows[0] = record.ScoreRows[static_cast<std::size_t>(view.rows - 1)];
    view.scoreRows[1] = record.ScoreRows[static_cast<std::size_t>(view.rows)];
  }
  return view;
}

ScoreItem PointsItem(const ScoreRow& before, const ScoreRow& after, int column) {
  const auto c = static_cast<std::size_t>(column == 2 ? 2 : 0);
  const int points = after[c] - before[c];
  int bags = after[c + 1] - before[c + 1];
  if (bags < 0) bags += 10;
  return {std::abs(points), points < 0, "(" + std::to_string(bags) + ")"};
}

ScoreItem TotalItem(const ScoreRow& row, int column) {
  const auto c = static_cast<std::size_t>(column == 2 ? 2 : 0);
  return {std::abs(row[c]), row[c] < 0, "(" + std::to_string(row[c + 1]) + ")"};
}

std::pair<std::string, std::string> FitTeamLabel(std::string first, std::string second,
                                                 int limit, int charWidth) {
  const auto width = [&] {
    return static_cast<int>(CharsOf(first) + 1 + CharsOf(second)) * charWidth;
  };
  while (width() >= limit && !(first.empty() && second.empty())) {
    if (CharsOf(first) > CharsOf(second)) PopChar(first);
    else PopChar(second);
  }
  return {first, second};
}

int printSlash(Canvas& canvas, Point at, const Font& font) {
  Font bold = font;
  bold.bold = true;
  canvas.drawText({at.x + 1, at.y}, "/", bold, Colors::Black);
  return at.x + 1 + canvas.textWidth("/", bold) + 1;
}

int PrintTeamLabel(Canvas& canvas, Point at, const std::string& first, const std::string& second,
                   int limit, int mode, const Font& font) {
  const int cw = std::max(1, canvas.textWidth("W", font));
  const auto [a, b] = FitTeamLabel(first, second, limit, cw);
  const int width = canvas.textWidth(a + "/" + b, font);
  const int spare = std::max(0, limit - width);
  int x = at.x + (mode == 1 ? spare * 8 / 10 : mode == 2 ? spare * 6 / 10 : 0);
  canvas.drawText({x, at.y}, a, font, Colors::Black);
  x = printSlash(canvas, {x + canvas.textWidth(a, font), at.y}, font);
  canvas.drawText({x, at.y}, b, font, Colors::Black);
  return x + canvas.textWidth(b, font);
}

void DrawScoreItem(Canvas& canvas, int y, const ScoreItem& item, int column, int nextColumn,
                   const Font& font) {
  const std::string digits = std::to_string(item.value);
  const int cw = canvas.textWidth("0", font);
  const int x = column - static_cast<int>(digits.size()) * cw;
  canvas.drawText({x, y}, digits, font, Colors::Black);
  if (item.negative) {
    const Font sign{"Courier New", font.size, font.bold};
    canvas.drawText({x - canvas.textWidth("-", sign), y}, "-", sign, Colors::Black);
  }
  canvas.drawText({nextColumn - cw * 3 / 2, y}, item.bags, font, Colors::Black);
}

void ShowPts(Canvas& canvas, int y, const ScoreRow& before, const ScoreRow& after, int scoreColumn,
             int column, int nextColumn, const Font& font) {
  DrawScoreItem(canvas, y, PointsItem(before, after, scoreColumn), column, nextColumn, font);
}

void ShowTotal(Canvas& canvas, int y, const ScoreRow& row, int scoreColumn, int column,
               int nextColumn, const Font& font) {
  DrawScoreItem(canvas, y, TotalItem(row, scoreColumn), column, nextColumn, font);
}

}  // namespace scorlet::companion
