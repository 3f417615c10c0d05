#include "companion/recognition/TableReaders.h"

#include <algorithm>
#include <charconv>

#include "common/TextUtil.h"
#include "gamedata/Glyphs.h"
#include "gamedata/WindowTitles.h"

namespace scorlet::recognition {

namespace {

constexpr int BoxSearchBottom = 490;
constexpr int BoxSearchTop = 200;
constexpr int BoxSearchTopJapanese = 140;
constexpr int BoxSearchLeft = 200;
constexpr int BoxSearchRight = 340;
constexpr int BidSearchExtraRows = 15;

std::string_view BidLabel(int language) {
  return language >= 1 && language <= GameLanguages ? BidLabels[language] : std::string_view{};
}
std::string_view TricksLabel(int language) {
  return language >= 1 && language <= GameLanguages ? TricksLabels[language] : std::string_view{};
}

int NumberOf(std::string_view text) {
  int value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc{} && ptr != text.data() ? value : 0;
}

struct Quadrant {
  int left, top, right, bottom;  // right and bottom exclusive
};

// The quadrant that holds a seat's bid line; lower quadrants reach 15 rows below the box.
Quadrant BidQuadrant(const TableBox& box, int seat) {
  const int lower = box.bottom + BidSearchExtraRows;
  switch (seat) {
    case 0:
      return {box.centreX, box.centreY, box.right + 1, lower};
    case 1:
      return {box.left, box.centreY, box.centreX, lower};
    case 2:
      return {box.left, box.top, box.centreX, box.centreY};
    default:
      return {box.centreX, box.top, box.right + 1, box.centreY};
  }
}

// The quadrant that holds a seat's trick line.
Quadrant TrickQuadrant(const TableBox& box, int seat) {
  static constexpr std::array<int, 4> bidSeatOfQuadrant{1, 2, 3, 0};  // trick seat -> bid seat
  return BidQuadrant(box, bidSeatOfQuadrant[seat]);
}

// Which bid seat's quadrant holds the trick line of which seat: the row of a bid line is also
// the row of that seat's trick line.
constexpr std::array<int, 4> TrickSeatOfBidRow{0, 3, 2, 1};

bool AnchorKnown(const Point& anchor, const TableBox& box) {
  return anchor.y != 0 && anchor.y > box.top;
}

KeywordValue ReadLine(const TableCapture& picture, int top, const Quadrant& q,
                      const GlyphTables& glyphs, std::string_view keyword,
                      ColumnCodes* previous = nullptr) {
  ColumnCodes codes = ComputeTableColumnCodes(picture, top, q.left, q.right - 1, previous);
  KeywordValue result;
  if (codes.hasInk()) result = ReadKeywordValue(glyphs, codes, keyword);
  if (previous != nullptr) *previous = std::move(codes);
  return result;
}

}  // namespace

TableBox FindTableBox(const TableCapture& picture, int gameLanguage) {
  const int yMin = gameLanguage == LangJapanese ? BoxSearchTopJapanese : BoxSearchTop;
  for (int y = BoxSearchBottom; y >= yMin; --y) {
    for (int x = BoxSearchLeft; x <= BoxSearchRight; ++x) {
      bool hit = IsNearReferenceAt(picture, x, y - 1) && IsNearReferenceAt(picture, x, y - 2);
      for (int k = 0; k < 5 && hit; ++k) hit = IsNearReferenceAt(picture, x + k, y);
      if (hit) return BoxAt(x + 5, y - 5 - TableBoxHeight);
    }
  }
  return {};
}

Point FindBidControl(const TableCapture& picture, const TableBox& box, const Rect& windowRect) {
  auto light = [&](int x, int y) {
    const auto p = picture.at(x, y);
    return p && RedOf(*p) >= 28 && GreenOf(*p) >= 28 && BlueOf(*p) >= 28;
  };
  auto runStarts = [&](int x, int y) {
    return light(x, y) && light(x + 1, y) && light(x + 2, y) && !light(x - 1, y);
  };
  const int right = windowRect.width() - 10;
  const int bottom = windowRect.height() - 10;
  for (int y = box.bottom; y + 2 < bottom; ++y) {
    for (int x = box.centreX + 50; x < right; ++x) {
      if (runStarts(x, y) && runStarts(x, y + 1) && runStarts(x, y + 2) && !light(x, y - 1)) {
        return {x + 1, y - 1};
      }
    }
  }
  return {};
}

bool TestMyTurn(const Picture& wholeWindow) {
  // The strip is addressed from the window's bottom row: y 112..119 of a 149-row frame.
  const int shift = wholeWindow.geometry.top + wholeWindow.height() - TableBoxHeight;
  const int row = FirstBlackRowInRect(wholeWindow, 107, 112 + shift, 128, 120 + shift);
  return row >= 0 && row - shift > 112;
}

bool IsTableWaiting(const TableCapture& picture, const TableBox& box, const GlyphTables& glyphs) {
  const int language = glyphs.gameLanguage;
  if (!box.located() || language < 1 || language > GameLanguages) return false;
  ColumnCodes codes;
  bool first = true;
  for (int y = box.top + 20; y <= box.bottom - 20; ++y) {
    codes = ComputeTableColumnCodes(picture, y, box.left, box.right, first ? nullptr : &codes);
    first = false;
    if (!codes.hasInk()) continue;
    for (std::string_view fragment : StatusFragments[language]) {
      if (!fragment.empty() && LineContainsWord(glyphs, codes, fragment)) return true;
    }
  }
  return false;
}

std::string BidFromValue(const std::string& value, int gameLanguage, bool dnilPassTable) {
  (void)gameLanguage;
  const std::string v = Trim(value);
  if (v.empty()) return {};
  if (v.find_first_not_of("0123456789") == std::string::npos) {
    // Only the bids the game has: "0", "14" or "19" are misreadings.
    const int number = v.size() <= 2 ? NumberOf(v) : 0;
    return number >= 1 && number <= 13 && v[0] != '0' ? v : std::string{};
  }
  if (v == "N" || v == "Z") return "N";
  if (v == "D" || v == "Q") return dnilPassTable ? "DP" : "D";
  return {};
}

BidReading ReadBidLines(const TableCapture& picture, const TableBox& box, const GlyphTables& glyphs,
                        BidTrickAnchors& anchors, bool dnilPassTable) {
  BidReading reading;
  if (picture.empty() || !box.located()) return reading;
  if (IsTableWaiting(picture, box, glyphs)) {
    reading.status = BidStatus::Waiting;
    return reading;
  }
  const std::string_view keyword = BidLabel(glyphs.gameLanguage);
  for (int seat = 0; seat < 4; ++seat) {
    const Quadrant q = BidQuadrant(box, seat);
    Point& anchor = anchors.bid[seat];
    KeywordValue found;
    bool haveLine = false;
    if (AnchorKnown(anchor, box)) {
      ColumnCodes codes = ComputeTableColumnCodes(picture, anchor.y, q.left, q.right - 1);
      if (!codes.hasInk()) continue;  // nothing drawn there now: the anchor is kept
      found = ReadKeywordValue(glyphs, codes, keyword);
      if (found.found) {
        anchor.x = found.startX;
        haveLine = true;
      } else {
        anchor = {};
      }
    }
    if (!haveLine) {
      ColumnCodes codes;
      for (int y = q.top; y < q.bottom; ++y) {
        found = ReadLine(picture, y, q, glyphs, keyword, &codes);
        if (found.found) {
          anchor = {found.startX, y};
          anchors.trick[TrickSeatOfBidRow[seat]].y = y;
          haveLine = true;
          break;
        }
      }
    }
    if (!haveLine) continue;
    reading.bids[seat] = BidFromValue(found.value, glyphs.gameLanguage, dnilPassTable);
    // A line drawn before the seat has bid shows the keyword alone: no bid read.
    if (!Trim(found.value).empty()) ++reading.bidsRead;
  }
  reading.bidLinesFound = static_cast<int>(std::count_if(
      anchors.bid.begin(), anchors.bid.end(), [&](const Point& a) { return AnchorKnown(a, box); }));
  if (reading.bidsRead == 0) {
    reading.status = BidStatus::NoBidLine;
    return reading;
  }
  reading.status = BidStatus::Read;
  const std::string_view tricks = TricksLabel(glyphs.gameLanguage);
  int total = 0;
  for (int seat = 0; seat < 4; ++seat) {
    Point& anchor = anchors.trick[seat];
    if (!AnchorKnown(anchor, box)) continue;
    const KeywordValue found =
        ReadLine(picture, anchor.y, TrickQuadrant(box, seat), glyphs, tricks);
    if (found.found) {
      anchor.x = found.startX;
      total += NumberOf(found.value);
    } else {
      anchor.x = box.left;
    }
  }
  if (total == 13) reading.status = BidStatus::DealOver;
  return reading;
}

TrickReading ReadTrickLines(const TableCapture& picture, const TableBox& box,
                            const GlyphTables& glyphs, BidTrickAnchors& anchors) {
  TrickReading reading;
  if (picture.empty() || !box.located()) return reading;
  const std::string_view keyword = TricksLabel(glyphs.gameLanguage);
  // Each half on its own, so two trick lines on one row are both read.
  const std::array<Quadrant, 2> halves{Quadrant{box.left, 0, box.centreX, 0},
                                       Quadrant{box.centreX, 0, box.right + 1, 0}};
  for (const Quadrant& half : halves) {
    ColumnCodes codes;
    for (int y = box.top; y <= box.bottom; ++y) {
      const KeywordValue found = ReadLine(picture, y, half, glyphs, keyword, &codes);
      if (!found.found) continue;
      const int x = found.startX;
      const bool upper = y < box.centreY;
      const int seat = x >= box.centreX ? (upper ? 2 : 3) : (upper ? 1 : 0);
      anchors.trick[seat] = {x, y};
      reading.lineSeen[seat] = true;
      if (!found.value.empty()) reading.tricks[seat] = NumberOf(found.value);
    }
  }
  return reading;
}

bool TestFinalOK(const TableCapture& picture, const TableBox& box, const GlyphTables& glyphs) {
  if (!box.located()) return false;
  ColumnCodes codes;
  bool first = true;
  for (int y = box.centreY; y <= box.bottom + 30 - GlyphHeight; ++y) {
    codes = ComputeTableColumnCodes(picture, y, box.left, box.centreX, first ? nullptr : &codes);
    first = false;
    if (codes.hasInk() && LineContainsWord(glyphs, codes, "OK")) return true;
  }
  return false;
}

}  // namespace scorlet::recognition
