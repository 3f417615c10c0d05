#include "summary/ScoreRace.h"

#include <algorithm>
#include <cstdlib>

#include "summary/HtmlText.h"
#include "summary/NameFit.h"
#include "summary/SummaryTexts.h"

namespace scorlet::summary {

namespace {

enum Ink : std::uint8_t { Page, Plot, Frame, NorthSouth, EastWest, Target, Floor, Zero };

constexpr int kLeft = 46;  // room for the score labels
constexpr int kLabelScale = 2;
constexpr int kRight = kRaceWidth - 8;
constexpr int kTop = 8;
constexpr int kBottom = kRaceHeight - 8;

// Digits and minus sign, 3 x 5 pixels, for the labels of the score axis.
constexpr std::string_view kGlyphs[] = {
    "###"
    "#.#"
    "#.#"
    "#.#"
    "###",
    ".#."
    "##."
    ".#."
    ".#."
    "###",
    "###"
    "..#"
    "###"
    "#.."
    "###",
    "###"
    "..#"
    ".##"
    "..#"
    "###",
    "#.#"
    "#.#"
    "###"
    "..#"
    "..#",
    "###"
    "#.."
    "###"
    "..#"
    "###",
    "###"
    "#.."
    "###"
    "#.#"
    "###",
    "###"
    "..#"
    "..#"
    "..#"
    "..#",
    "###"
    "#.#"
    "###"
    "#.#"
    "###",
    "###"
    "#.#"
    "###"
    "..#"
    "###",
    "..."
    "..."
    "###"
    "..."
    "...",
};

// The score axis: the values at the top and the bottom row of the plot.
struct Axis {
  long long high = kGameTarget;
  long long low = kScoreFloor;
  int Y(long long value) const {
    const long long span = high - low;
    const long long offset = ((high - value) * (kBottom - kTop - 1) * 2 + span) / (2 * span);
    return kTop + static_cast<int>(offset);
  }
};

Axis AxisOf(const std::vector<std::optional<ScoreRow>>& totals) {
  Axis axis;
  for (const auto& row : totals) {
    if (!row) continue;
    for (const int column : {0, 2}) {
      axis.high = std::max<long long>(axis.high, (*row)[column]);
      axis.low = std::min<long long>(axis.low, (*row)[column]);
    }
  }
  const long long margin = std::max<long long>((axis.high - axis.low) / 20, 1);
  axis.high += margin;
  axis.low -= margin;
  return axis;
}

int X(std::size_t point, std::size_t points) {
  if (points < 2) return kLeft;
  return kLeft + static_cast<int>((point * (kRight - kLeft - 1) * 2 + (points - 1)) /
                                  (2 * (points - 1)));
}

void HorizontalLine(IndexedImage& image, int y, std::uint8_t ink) {
  for (int x = kLeft; x < kRight; ++x) image.Set(x, y, ink);
}

// Dashed, so that the 500 line and the floor are not taken for a partnership's line; both
// ends are inked.
void DashedLine(IndexedImage& image, int y, std::uint8_t ink) {
  for (int x = kLeft; x < kRight; ++x) {
    if ((x - kLeft) % 8 < 5 || x == kRight - 1) image.Set(x, y, ink);
  }
}

void Line(IndexedImage& image, int x0, int y0, int x1, int y1, std::uint8_t ink) {
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  while (true) {
    image.Set(x0, y0, ink);
    if (x0 == x1 && y0 == y1) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

void Label(IndexedImage& image, long long value, int y) {
  const std::string text = std::to_string(value);
  constexpr int kAdvance = 4 * kLabelScale;
  int x = kLeft - 4 - static_cast<int>(text.size()) * kAdvance;
  const int top = y - (5 * kLabelScale) / 2;
  for (const char c : text) {
    const std::string_view glyph = kGlyphs[c == '-' ? 10 : c - '0'];
    for (int row = 0; row < 5 * kLabelScale; ++row) {
      for (int column = 0; column < 3 * kLabelScale; ++column) {
        if (glyph[(row / kLabelScale) * 3 + column / kLabelScale] == '#') {
          image.Set(x + column, top + row, Frame);
        }
      }
    }
    x += kAdvance;
  }
}

void Polyline(IndexedImage& image, const std::vector<std::optional<ScoreRow>>& totals,
              const Axis& axis, int column, std::uint8_t ink) {
  const std::size_t points = totals.size();
  for (std::size_t i = 0; i < points; ++i) {
    if (!totals[i]) continue;
    const int x = X(i, points);
    const int y = axis.Y((*totals[i])[column]);
    if (i > 0 && totals[i - 1]) {
      Line(image, X(i - 1, points), axis.Y((*totals[i - 1])[column]), x, y, ink);
    }
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) image.Set(x + dx, y + dy, ink);
    }
  }
}

}  // namespace

std::uint32_t HtmlColour(const std::string& colour, std::uint32_t fallback) {
  if (colour.size() != 7 || colour[0] != '#') return fallback;
  std::uint32_t value = 0;
  for (std::size_t i = 1; i < colour.size(); ++i) {
    const char c = colour[i];
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return fallback;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

std::vector<std::optional<ScoreRow>> RaceTotals(const PageScores& scores) {
  std::vector<std::optional<ScoreRow>> totals;
  if (scores.deals.empty()) return totals;
  if (scores.before) {
    totals.push_back(scores.before);
  } else if (scores.deals.front()) {
    totals.push_back(ScoreRow{});  // the page's first deal began the game
  } else {
    totals.push_back(std::nullopt);
  }
  totals.insert(totals.end(), scores.deals.begin(), scores.deals.end());
  return totals;
}

bool HasRace(const std::vector<std::optional<ScoreRow>>& totals) {
  return std::any_of(totals.begin(), totals.end(), [](const auto& row) { return row.has_value(); });
}

IndexedImage DrawScoreRace(const std::vector<std::optional<ScoreRow>>& totals,
                           const PageOptions& options) {
  PageOptions defaults;
  IndexedImage image(kRaceWidth, kRaceHeight,
                     {HtmlColour(options.pageBackground, HtmlColour(defaults.pageBackground, 0)),
                      HtmlColour(options.tableBackground, HtmlColour(defaults.tableBackground, 0)),
                      0x000000, kNorthSouthColour, kEastWestColour, kTargetColour, kFloorColour,
                      0xFFFFFF},
                     Page);
  for (int y = kTop; y < kBottom; ++y) HorizontalLine(image, y, Plot);
  const Axis axis = AxisOf(totals);
  HorizontalLine(image, axis.Y(0), Zero);
  DashedLine(image, axis.Y(kGameTarget), Target);
  DashedLine(image, axis.Y(kScoreFloor), Floor);
  for (const long long value : {kGameTarget, 0, kScoreFloor}) Label(image, value, axis.Y(value));
  for (int x = kLeft - 1; x <= kRight; ++x) {
    image.Set(x, kTop - 1, Frame);
    image.Set(x, kBottom, Frame);
  }
  for (int y = kTop - 1; y <= kBottom; ++y) {
    image.Set(kLeft - 1, y, Frame);
    image.Set(kRight, y, Frame);
  }
  Polyline(image, totals, axis, 0, NorthSouth);
  Polyline(image, totals, axis, 2, EastWest);
  return image;
}

void WriteScoreRaceHtml(PageText& page, const std::string& imageFile,
                        const std::array<std::string, 4>& names, const PageOptions& options) {
  const std::string open = options.strict ? "<div class=ctr>" : "<div align=center>";
  page.Line(open + "<img src=\"" + HtmlEscape(imageFile) + "\" alt=\"" +
            std::string(Text(Msg::RaceAlt, options.japanese)) + "\" width=" +
            std::to_string(kRaceWidth) + " height=" + std::to_string(kRaceHeight) + "></div>");
  std::string legend = open;
  for (int team = 0; team < 2; ++team) {
    const auto pair = AdjNames(names, team, kScoreHeaderWidth / 2);
    legend += std::string(team == 0 ? "<span class=bl>" : "&nbsp;&nbsp;&nbsp;<span class=rd>") +
              "&mdash;&mdash; " + HtmlEscape(pair[0]) + "<b>/</b>" + HtmlEscape(pair[1]) +
              "</span>";
  }
  page.Line(legend + "</div>");
  page.Line();
}

}  // namespace scorlet::summary
