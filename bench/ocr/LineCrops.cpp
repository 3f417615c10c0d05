#include "bench/ocr/LineCrops.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <random>
#include <utility>
#include <sstream>

#include "common/Notation.h"
#include "companion/recognition/PanelReaders.h"
#include "companion/recognition/PlayerList.h"
#include "gamedata/CardLetters.h"
#include "gamedata/WindowTitles.h"
#include "tableclient/render/Layout.h"
#include "tableclient/render/SubViews.h"
#include "tableclient/render/TableView.h"
#include "tableclient/window/Languages.h"

namespace scorlet::ocr {

namespace {

using recognition::GlyphTables;

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// The crops' own choices: a Mersenne twister's numbers are the same with every standard library
// (its distributions and shuffle are not), so a seed draws the same crops everywhere.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : m_random(seed) {}
  int Pick(int lo, int hi) {
    return lo + static_cast<int>(m_random() % static_cast<std::uint32_t>(hi - lo + 1));
  }

 private:
  std::mt19937 m_random;
};

int LanguageOf(int n) { return DrawnLanguages[At(n % static_cast<int>(DrawnLanguages.size()))]; }

// --- the table window: bid and trick lines, list lines ---

// Bid forms in turn over the tables and seats: 1..13, Nil, Double Nil (or the double-nil-pass
// form at such tables).
std::string BidForm(int k, bool dnilPassTable) {
  if (k == 0) return "N";
  if (k == 14) return dnilPassTable ? "DP" : "D";
  return std::to_string(k);
}

// Names are shortened until every list line fits the room right of where the list starts.
void FitListLines(table::TableScene& s, const table::TableLayout& l) {
  const table::TextFace& face = table::GameFace();
  const int room = l.clientOrigin.x + l.client.width - l.playerList.left - 2;
  for (std::size_t p = 0; p < 4; ++p) {
    table::SeatView& seat = s.seats[p];
    auto width = [&] {
      int w = face.Width(seat.name) + l.ratingGap + face.Width("prov0");
      if (p < s.newRatings.size())
        w = std::max(w, face.Width(seat.name + " " + s.words.newRating + " 0000"));
      return w;
    };
    while (seat.name.size() > 4 && width() > room) seat.name.pop_back();
  }
}

void AddTableCrops(int n, std::uint32_t seed, std::vector<LineCrop>& out) {
  Dice dice(seed * 7919u + static_cast<std::uint32_t>(n));
  const int language = LanguageOf(n);
  const auto layoutSeed = static_cast<std::uint32_t>(n + 1) * 2654435761u ^ seed;
  const Size window = table::TableLayout::WindowSizeFor(layoutSeed);
  table::TableLayout layout;
  if (n % 3 == 0) {
    layout = table::TableLayout::ForWindow(window, layoutSeed);
  } else {  // frames and caption bars of other sizes
    const int border = dice.Pick(0, 8);
    const int caption = dice.Pick(0, 30);
    layout = table::TableLayout::Make(window, {border, border + caption},
                                      {window.width - 2 * border, window.height - 2 * border - caption},
                                      layoutSeed);
  }
  table::TableScene s;
  s.words = table::WordsOf(language);
  const int option = dice.Pick(0, 3);
  s.doubleNilPassTable = option == 1 || option == 3;
  s.suicideTable = option >= 2;
  const std::array<std::string, 4> names = table::SeededPlayerNames(layoutSeed);
  std::array<int, 4> tricks{};
  for (int left = dice.Pick(0, 13); left > 0; --left) ++tricks[At(dice.Pick(0, 3))];
  for (int p = 0; p < 4; ++p) {
    table::SeatView& seat = s.seats[At(p)];
    seat.name = names[At(p)];
    seat.rating = dice.Pick(0, 5) == 0 ? 0 : dice.Pick(700, 2400);
    // Each language row's tables go through every bid form in turn.
    seat.bid = BidForm((n / static_cast<int>(DrawnLanguages.size()) * 4 + p) % 15, s.doubleNilPassTable);
    seat.tricks = tricks[At(p)];
    seat.tricksShown = true;
  }
  s.highlightedSeat = dice.Pick(-4, 3);
  if (dice.Pick(0, 2) == 0)
    for (int p = 0; p < 4; ++p) s.newRatings.push_back(dice.Pick(700, 2400));
  FitListLines(s, layout);

  table::TableDrawn drawn;
  const Image image = table::RenderTableWindow(s, layout, &drawn);
  for (int p = 0; p < 4; ++p) {
    const table::SeatView& seat = s.seats[At(p)];
    LineCrop bid{Field::BidLine, language, {}, {}, s.words.bidLabel + table::ShownBidValue(seat.bid, s.words)};
    bid.image = Crop(image, drawn.bidLines[At(p)], CropMarginX, CropMarginY, bid.text);
    out.push_back(std::move(bid));
    LineCrop trick{Field::TrickLine, language, {}, {}, s.words.tricksLabel + std::to_string(seat.tricks)};
    trick.image = Crop(image, drawn.trickLines[At(p)], CropMarginX, CropMarginY, trick.text);
    out.push_back(std::move(trick));
  }
  // With a wide line pitch the last "newrating:" lines may run below the client area, under the
  // window's frame: only lines the window shows whole are cut.
  const Rect client{layout.clientOrigin.x, layout.clientOrigin.y,
                    layout.clientOrigin.x + layout.client.width, layout.clientOrigin.y + layout.client.height};
  for (std::size_t k = 0; k < drawn.listLines.size(); ++k) {
    const Rect& shown = drawn.listLines[k];
    if (shown.bottom > client.bottom || shown.right > client.right) continue;
    LineCrop line{Field::PlayerLine, language, {}, {}, {}};
    if (k < 4) {
      const table::SeatView& seat = s.seats[k];
      line.truth = seat.name + " " + (seat.rating > 0 ? std::to_string(seat.rating) : "prov");
    } else {
      line.truth = s.seats[k - 4].name + " " + s.words.newRating + " " +
                   std::to_string(s.newRatings[k - 4]);
    }
    line.image = Crop(image, drawn.listLines[k], CropMarginX, CropMarginY, line.text);
    out.push_back(std::move(line));
  }
}

// --- the last-hand window: one crop per card ---

std::vector<CardCode> ShuffledDeck(Dice& dice) {
  std::vector<CardCode> deck;
  for (int suit = 0; suit < 4; ++suit)
    for (int rank = MinRank; rank <= MaxRank; ++rank) deck.push_back(static_cast<CardCode>(suit * 100 + rank));
  for (int i = static_cast<int>(deck.size()) - 1; i > 0; --i) std::swap(deck[At(i)], deck[At(dice.Pick(0, i))]);
  return deck;
}

// A cell's crop spans its white cell across and the margin's rows above and below the text.
Rect CellArea(const table::DrawnText& drawn) {
  return {drawn.cell.left, drawn.text.top, drawn.cell.right, drawn.text.bottom};
}

void AddLastHandCrops(int n, std::uint32_t seed, std::vector<LineCrop>& out) {
  Dice dice(seed * 104729u + static_cast<std::uint32_t>(n));
  table::LastHandScene scene;
  scene.language = LanguageOf(n);
  scene.layoutSeed = static_cast<std::uint32_t>(n + 1) * 40503u ^ seed;
  scene.names = table::SeededPlayerNames(scene.layoutSeed);
  const std::vector<CardCode> deck = ShuffledDeck(dice);
  for (int t = 0; t < TrickCount; ++t) {
    const int leader = dice.Pick(0, 3);
    const bool paren = dice.Pick(0, 9) == 0;
    for (int seat = 0; seat < 4; ++seat) {
      const std::string card = CardTextOf(deck[At(t * 4 + seat)]);
      scene.cells[At(seat)][At(t)] = seat != leader ? card : paren ? "(" + card + ")" : "[" + card + "]";
    }
  }
  table::LastHandDrawn drawn;
  const Image image = table::RenderLastHand(scene, table::GameFace(), &drawn);
  for (int seat = 0; seat < 4; ++seat) {
    for (int t = 0; t < TrickCount; ++t) {
      const table::DrawnText& cell = drawn.cards[At(seat)][At(t)];
      LineCrop crop{Field::LastHandCard, scene.language, {}, {},
                    table::LastHandCellText(scene.cells[At(seat)][At(t)], scene.language)};
      crop.image = Crop(image, CellArea(cell), 0, CropMarginY, crop.text);
      crop.text.x += cell.text.left - cell.cell.left;
      out.push_back(std::move(crop));
    }
  }
}

// --- the score window: one crop per row, the window's whole width ---

void AddScoreCrops(int n, std::uint32_t seed, std::vector<LineCrop>& out) {
  Dice dice(seed * 15485863u + static_cast<std::uint32_t>(n));
  table::ScoreScene scene;
  scene.sideNames = {"ann/cy", "bob/dee"};
  scene.layoutSeed = static_cast<std::uint32_t>(n + 1) * 69069u ^ seed;
  for (int r = dice.Pick(6, 18); r > 0; --r) {
    table::ScoreLine line{dice.Pick(-300, 700), dice.Pick(0, 12), dice.Pick(-300, 700), dice.Pick(0, 12)};
    if (dice.Pick(0, 4) == 0) line[0] = line[2] = 0;
    scene.rows.push_back(line);
  }
  table::ScoreDrawn drawn;
  const Image image = table::RenderScore(scene, table::GameFace(), &drawn);
  for (std::size_t r = 0; r < scene.rows.size(); ++r) {
    const table::ScoreLine& row = scene.rows[r];
    std::ostringstream truth;
    truth << row[0] << ' ' << row[1] << ' ' << row[2] << ' ' << row[3];
    const int top = drawn.rows[r][0].text.top;
    LineCrop crop{Field::ScoreRow, LangEnglish, {}, {}, truth.str()};
    crop.image = Crop(image, {0, top, image.width, top + table::GlyphFace::GlyphRows}, 0,
                      CropMarginY, crop.text);
    out.push_back(std::move(crop));
  }
}

// --- the glyph reader ---

recognition::TableCapture TablePictureOf(const Image& image) {
  recognition::TableCapture picture = recognition::MakeTableCapture(image.width, image.height, 0);
  const auto stride = static_cast<std::size_t>(picture.geometry.stride);
  for (int y = 0; y < image.height; ++y)  // rows bottom-up, as the copy delivers them
    for (int x = 0; x < image.width; ++x)
      picture.pixels[At(image.height - 1 - y) * stride + At(x)] = To555(image.at(x, y));
  return picture;
}

recognition::PanelCapture PanelPictureOf(const Image& image) {
  recognition::PanelCapture picture;
  static_cast<recognition::Picture&>(picture) = TablePictureOf(image);
  picture.addressing = recognition::Addressing::Panel;
  return picture;
}

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::string_view FieldName(Field field) {
  static constexpr std::array<std::string_view, FieldCount> Names{
      "bid line", "trick line", "player line", "last-hand card", "score row"};
  return Names[At(static_cast<int>(field))];
}

Image Crop(const Image& image, const Rect& area, int marginX, int marginY, Point& text) {
  const int left = std::max(0, area.left - marginX);
  const int top = std::max(0, area.top - marginY);
  const int right = std::min(image.width, area.right + marginX);
  const int bottom = std::min(image.height, area.bottom + marginY);
  text = {area.left - left, area.top - top};
  Image out(std::max(0, right - left), std::max(0, bottom - top));
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) out.set(x, y, image.at(left + x, top + y));
  return out;
}

std::vector<LineCrop> MakeLineCrops(const CropCounts& counts, std::uint32_t seed) {
  std::vector<LineCrop> crops;
  for (int n = 0; n < counts.tables; ++n) AddTableCrops(n, seed, crops);
  for (int n = 0; n < counts.lastHands; ++n) AddLastHandCrops(n, seed, crops);
  for (int n = 0; n < counts.scores; ++n) AddScoreCrops(n, seed, crops);
  return crops;
}

std::string Canonical(Field field, std::string_view text) {
  std::string out;
  if (field == Field::ScoreRow) {  // numbers one blank apart
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (!IsBlank(text[i])) {
        if (!out.empty() && IsBlank(text[i - 1])) out += ' ';
        out += text[i];
      }
    }
    return out;
  }
  for (const char c : text)
    if (!IsBlank(c) && !(field == Field::PlayerLine && c == ',')) out += c;
  return out;
}

bool SameReading(Field field, std::string_view read, std::string_view truth) {
  return Canonical(field, read) == Canonical(field, truth);
}

std::string OcrWhitelist(Field field, int language) {
  const table::TableWords words = table::WordsOf(language);
  std::string letters;
  switch (field) {
    case Field::BidLine:
      letters = words.bidLabel + words.nilValue + words.doubleNilValue + "0123456789";
      break;
    case Field::TrickLine:
      letters = words.tricksLabel + "0123456789";
      break;
    case Field::PlayerLine:  // the site's name alphabet, and the new-rating word
      letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_ " + words.newRating;
      break;
    case Field::LastHandCard:
      letters = std::string("0123456789JQKA[]()") + std::string(CardSuitLettersOf(language));
      break;
    case Field::ScoreRow:
      letters = "0123456789- ";
      break;
  }
  std::string unique;
  for (const char c : letters)
    if (unique.find(c) == std::string::npos) unique += c;
  return unique;
}

GlyphLineReader::GlyphLineReader() : m_base(recognition::BuildGlyphTables()) {}

const GlyphTables& GlyphLineReader::TablesFor(int language) {
  auto found = m_tables.find(language);
  if (found == m_tables.end()) {
    GlyphTables tables = m_base;
    recognition::PrepareGlyphIndex(tables, language);
    found = m_tables.emplace(language, std::move(tables)).first;
  }
  return found->second;
}

const GlyphTables& GlyphLineReader::LastHandTablesFor(int language) {
  auto found = m_lastHand.find(language);
  if (found == m_lastHand.end())
    found = m_lastHand.emplace(language, recognition::LastHandGlyphs(TablesFor(language))).first;
  return found->second;
}

std::string GlyphLineReader::Read(const LineCrop& crop) {
  const int right = crop.image.width - 1;
  switch (crop.field) {
    case Field::BidLine:
    case Field::TrickLine: {
      const recognition::TableCapture picture = TablePictureOf(crop.image);
      const auto language = At(crop.language);
      const std::string_view keyword =
          crop.field == Field::BidLine ? BidLabels[language] : TricksLabels[language];
      const recognition::ColumnCodes codes =
          recognition::ComputeTableColumnCodes(picture, crop.text.y, 0, right);
      return recognition::ReadKeywordValue(TablesFor(crop.language), codes, keyword).text();
    }
    case Field::PlayerLine: {
      const recognition::TableCapture picture = TablePictureOf(crop.image);
      const recognition::ColumnCodes codes =
          recognition::ComputeTableColumnCodes(picture, crop.text.y, 0, right);
      std::vector<std::string> lines;
      // The list is read from 4 columns left of where its lines begin.
      recognition::ReadListRow(TablesFor(crop.language), codes, crop.text.x - 4, lines);
      return lines.empty() ? std::string{} : lines.front();
    }
    case Field::LastHandCard: {
      const recognition::PanelCapture picture = PanelPictureOf(crop.image);
      const recognition::ColumnCodes codes =
          recognition::PanelLineCodes(picture, crop.text.y, 0, right);
      int pos = 1;
      return recognition::ReadGlyphRun(LastHandTablesFor(crop.language), codes, pos);
    }
    case Field::ScoreRow: {
      const recognition::PanelCapture picture = PanelPictureOf(crop.image);
      const recognition::ScoreLineRuns line =
          recognition::ReadScoreLineRuns(picture, TablesFor(crop.language), crop.text.y);
      return line.runs[0] + ' ' + line.runs[1] + ' ' + line.runs[2] + ' ' + line.runs[3];
    }
  }
  return {};
}

GreyImage PrepareForOcr(const Image& image, const OcrInput& how) {
  const int scale = std::max(1, how.scale);
  const int border = std::max(0, how.border);
  std::vector<std::uint8_t> grey(image.pixels.size());
  for (std::size_t i = 0; i < grey.size(); ++i) {
    const Color c = image.pixels[i];
    grey[i] = static_cast<std::uint8_t>((RedByte(c) * 299 + GreenByte(c) * 587 + BlueByte(c) * 114) / 1000);
  }
  if (!grey.empty()) {
    // The ground is the median grey; the ink the extreme farther from it. Light ink on a dark
    // ground (a highlighted list line) is inverted.
    std::vector<std::uint8_t> sorted = grey;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2), sorted.end());
    int ground = sorted[sorted.size() / 2];
    const auto extremes = std::minmax_element(grey.begin(), grey.end());
    const int darkest = *extremes.first, lightest = *extremes.second;
    int ink = darkest;
    if (lightest - ground > ground - darkest) {
      for (std::uint8_t& g : grey) g = static_cast<std::uint8_t>(255 - g);
      ink = 255 - lightest;
      ground = 255 - ground;
    }
    // Binarised, ink is what lies nearer the ink's grey than the ground's.
    if (how.binarise) {
      const int middle = (ink + ground) / 2;
      for (std::uint8_t& g : grey) g = g <= middle ? 0 : 255;
    }
  }

  GreyImage out;
  out.width = image.width * scale + 2 * border;
  out.height = image.height * scale + 2 * border;
  out.pixels.assign(At(out.width) * At(out.height), 255);
  auto source = [&](int x, int y) {
    return grey[At(std::clamp(y, 0, image.height - 1)) * At(image.width) +
                At(std::clamp(x, 0, image.width - 1))];
  };
  for (int y = 0; y < image.height * scale; ++y) {
    for (int x = 0; x < image.width * scale; ++x) {
      int value = source(x / scale, y / scale);
      if (how.smooth) {  // bilinear, between the centres of the source pixels
        const double sx = (x + 0.5) / scale - 0.5, sy = (y + 0.5) / scale - 0.5;
        const int x0 = static_cast<int>(std::floor(sx)), y0 = static_cast<int>(std::floor(sy));
        const double fx = sx - x0, fy = sy - y0;
        value = static_cast<int>(std::lround(
            (source(x0, y0) * (1 - fx) + source(x0 + 1, y0) * fx) * (1 - fy) +
            (source(x0, y0 + 1) * (1 - fx) + source(x0 + 1, y0 + 1) * fx) * fy));
      }
      out.pixels[At(y + border) * At(out.width) + At(x + border)] = static_cast<std::uint8_t>(value);
    }
  }
  return out;
}

}  // namespace scorlet::ocr
