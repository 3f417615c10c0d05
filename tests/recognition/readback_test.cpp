// Tables drawn by the substitute table's renderer from many seeds and read back by the
// companion's readers: every fact drawn (box, turn band, waiting prompt, "OK", bids by display
// position, trick counts, button labels, player-list lines) must come back exactly. Every 20th
// table also goes through a saved bitmap and the scorlet-read program.
#include "tests/common/TestFolder.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "companion/recognition/Bitmap.h"
#include "companion/recognition/ButtonLabels.h"
#include "companion/recognition/PlayerList.h"
#include "companion/recognition/TableReaders.h"
#include "gamedata/WindowTitles.h"
#include "tableclient/render/Layout.h"
#include "tableclient/render/TableView.h"
#include "tableclient/window/Languages.h"
#include "tests/recognition/Drawing.h"

namespace scorlet::recognition {
namespace {

constexpr int TableCount = 200;
constexpr int ProgramEvery = 20;
constexpr int ButtonScanTop = 65;
// Every language row the game font can draw; the Japanese row with Japanese names.
constexpr std::array<int, 8> DrawnLanguages{LangEnglish,   LangGerman,         LangItalian,
                                            LangSpain,     LangMexico,         LangSpanishVariant,
                                            LangArgentina, LangJapanese};
constexpr std::array<std::string_view, 6> JapaneseNames{"さくら", "ケンジ", "ひろみ",
                                                        "ゆうき", "みさき", "Kenケン"};
constexpr std::array<std::string_view, 6> ButtonNames{"",      "LastTrick",   "LastHand",
                                                      "Score", "DNilPassing", "Suicide"};

// The test's own choices: a Mersenne twister's numbers are the same on every library.
class Dice {
 public:
  explicit Dice(int seed) : m_random(static_cast<std::uint32_t>(seed) + 1) {}
  int Pick(int lo, int hi) {
    return lo + static_cast<int>(m_random() % static_cast<std::uint32_t>(hi - lo + 1));
  }

 private:
  std::mt19937 m_random;
};

struct DrawnTable {
  table::TableScene scene;
  table::TableLayout layout;
  table::TableDrawn drawn;
  int language = LangEnglish;
  TableCapture picture;
};

TableCapture CaptureOf(const Image& image) {
  TableCapture picture = MakeTableCapture(image.width, image.height, 0);
  const auto stride = static_cast<std::size_t>(picture.geometry.stride);
  for (int y = 0; y < image.height; ++y) {  // rows bottom-up, as the copy delivers them
    uint16_t* row = &picture.pixels[static_cast<std::size_t>(image.height - 1 - y) * stride];
    for (int x = 0; x < image.width; ++x) row[x] = To555(image.at(x, y));
  }
  return picture;
}

// Bid forms in turn over the tables and seats, so every form is drawn many times.
std::string BidForm(int k, bool dnilPassTable) {
  if (k == 0) return "N";
  if (k == 14) return dnilPassTable ? "DP" : "D";
  return std::to_string(k);
}

// A list line wider than the room right of the box would be cut by the window's edge: names
// are shortened until every line of the table fits.
void FitListLines(DrawnTable& t) {
  const table::TextFace& face = table::GameFace();
  const int room = t.layout.clientOrigin.x + t.layout.client.width - t.layout.playerList.left - 2;
  for (std::size_t p = 0; p < 4; ++p) {
    table::SeatView& seat = t.scene.seats[p];
    auto width = [&] {
      int w = face.Width(seat.name) + t.layout.ratingGap + face.Width("prov0");
      if (p < t.scene.newRatings.size())
        w = std::max(w, face.Width(seat.name + " " + t.scene.words.newRating + " 0000"));
      return w;
    };
    while (seat.name.size() > 4 && width() > room) seat.name.pop_back();
  }
}

DrawnTable MakeTable(int n) {
  Dice dice(n);
  DrawnTable t;
  const auto seed = static_cast<std::uint32_t>(n);  // table 0 is the default layout
  t.language = DrawnLanguages[static_cast<std::size_t>(n) % DrawnLanguages.size()];
  const Size window = table::TableLayout::WindowSizeFor(seed);
  if (n % 3 == 0) {
    t.layout = table::TableLayout::ForWindow(window, seed);
  } else {  // frames and caption bars of other sizes
    const int border = dice.Pick(0, 8);
    const int caption = dice.Pick(0, 30);
    t.layout = table::TableLayout::Make(
        window, {border, border + caption},
        {window.width - 2 * border, window.height - 2 * border - caption}, seed);
  }

  table::TableScene& s = t.scene;
  s.words = table::WordsOf(t.language);
  const int option = dice.Pick(0, 4);
  s.doubleNilPassTable = option == 1 || option == 3;
  s.suicideTable = option == 2 || option == 3;
  const std::array<std::string, 4> names = table::SeededPlayerNames(seed);
  for (std::size_t p = 0; p < 4; ++p) {
    s.seats[p].name = t.language == LangJapanese
                          ? std::string(JapaneseNames[(static_cast<std::size_t>(n) + p) % 6])
                          : names[p];
    s.seats[p].rating = dice.Pick(0, 5) == 0 ? 0 : dice.Pick(700, 2400);
  }
  s.userTurn = dice.Pick(0, 1) == 1;
  s.highlightedSeat = dice.Pick(-2, 3);
  for (int c = dice.Pick(0, 13); c > 0; --c)
    s.userHand.push_back(static_cast<CardCode>(dice.Pick(0, 3) * 100 + 2 + (c - 1)));
  std::sort(s.userHand.begin(), s.userHand.end());

  const int phase = dice.Pick(0, 9);
  if (phase < 2) {  // before the game: the waiting prompt, nothing bid
    s.prompt =
        phase == 0 ? table::TablePrompt::ClickToStart : table::TablePrompt::WaitingForOpponent;
    return t;
  }
  // The bidding goes round from any seat.
  const int bidders = phase < 5 ? dice.Pick(0, 4) : 4;
  const int first = dice.Pick(0, 3);
  for (int k = 0; k < bidders; ++k) {
    const int p = (first + k) % 4;
    s.seats[static_cast<std::size_t>(p)].bid = BidForm((n * 4 + p) % 15, s.doubleNilPassTable);
  }
  if (phase < 5) return t;

  // Play: the trick lines from the first card on; at the end of the deal "OK" and, after a
  // game, the new ratings.
  const bool over = phase == 9;
  int left = over ? 13 : dice.Pick(0, 13);
  std::array<int, 4> tricks{};
  const int lead = dice.Pick(0, 3);
  tricks[static_cast<std::size_t>(lead)] = std::min(left, n % 14);
  left -= tricks[static_cast<std::size_t>(lead)];
  for (; left > 0; --left) ++tricks[static_cast<std::size_t>(dice.Pick(0, 3))];
  for (std::size_t p = 0; p < 4; ++p) {
    s.seats[p].tricks = tricks[p];
    s.seats[p].tricksShown = true;
    if (!over && dice.Pick(0, 2) == 0)
      s.onTable[p] = static_cast<CardCode>(300 + 2 + static_cast<int>(p));
  }
  if (over) {
    s.prompt = table::TablePrompt::DealOver;
    if (dice.Pick(0, 2) == 0)
      for (int p = 0; p < 4; ++p) s.newRatings.push_back(dice.Pick(700, 2400));
  }
  FitListLines(t);
  return t;
}

// The column after the glyphs of `label` where the caption first spells it (blanks between
// words read as nothing), as the button scan finds it.
int LabelEnd(const table::TableDrawn& drawn, std::size_t k, std::string_view caption,
             std::string_view label) {
  std::string spelled;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != ' ') spelled += caption[i];
    if (spelled.size() >= label.size() && spelled.ends_with(label))
      return drawn.labels[k].left + table::GameFace().Width(caption.substr(0, i + 1)) -
             table::GlyphFace::GlyphGap;
  }
  return 0;
}

// What scorlet-read prints for the table as drawn.
std::string Expected(const DrawnTable& t) {
  const table::TableScene& s = t.scene;
  const table::TableDrawn& d = t.drawn;
  std::ostringstream out;
  const Rect& box = t.layout.tableBox;
  out << "box " << box.left << ' ' << box.top << ' ' << box.right << ' ' << box.bottom << '\n';
  const bool waiting = s.prompt == table::TablePrompt::ClickToStart ||
                       s.prompt == table::TablePrompt::WaitingForOpponent;
  out << "turn " << (s.userTurn ? "yes" : "no") << '\n';
  out << "waiting " << (waiting ? "yes" : "no") << '\n';
  out << "ok " << (s.prompt == table::TablePrompt::DealOver ? "yes" : "no") << '\n';
  for (std::size_t p = 0; p < 4; ++p)
    out << "bid " << p << ' ' << (s.seats[p].bid.empty() || waiting ? "-" : s.seats[p].bid) << '\n';
  for (std::size_t p = 0; p < 4; ++p) {
    out << "tricks " << p << ' ';
    if (s.seats[p].tricksShown) {
      out << s.seats[p].tricks << '\n';
    } else {
      out << "-\n";
    }
  }
  const bool shown[6] = {false, true, true, true, s.doubleNilPassTable, s.suicideTable};
  for (int k = ButtonLastTrick; k <= ButtonLabelCount; ++k) {
    if (!shown[k]) continue;
    const auto i = static_cast<std::size_t>(k - 1);
    const int end = LabelEnd(d, i, s.words.buttons[i], ButtonLabelOf(t.language, k));
    const Point click = ButtonClickPoint({end, d.labels[i].top});
    out << "button " << ButtonNames[static_cast<std::size_t>(k)] << ' ' << click.x << ' ' << click.y
        << '\n';
  }
  for (const table::SeatView& seat : s.seats)
    out << "player " << seat.name << ',' << (seat.rating > 0 ? std::to_string(seat.rating) : "prov")
        << '\n';
  // A "newrating:" line reads as one field: its blanks are narrower than a field gap.
  for (std::size_t p = 0; p < s.newRatings.size(); ++p)
    out << "player " << s.seats[p].name << s.words.newRating << s.newRatings[p] << '\n';
  return out.str();
}

// The companion's readers on the picture, printed as scorlet-read prints them; the bid pass's
// reading goes to `pass` too.
std::string ReadBack(const TableCapture& picture, GlyphTables& glyphs, int language,
                     BidReading* pass = nullptr) {
  std::ostringstream out;
  PrepareGlyphIndex(glyphs, language);
  const TableBox box = FindTableBox(picture, language);
  if (!box.located()) return "box none\n";
  out << "box " << box.left << ' ' << box.top << ' ' << box.right << ' ' << box.bottom << '\n';
  out << "turn " << (TestMyTurn(picture) ? "yes" : "no") << '\n';
  out << "waiting " << (IsTableWaiting(picture, box, glyphs) ? "yes" : "no") << '\n';
  out << "ok " << (TestFinalOK(picture, box, glyphs) ? "yes" : "no") << '\n';
  const ButtonScan buttons =
      ScanButtonLabels(picture, glyphs, language, ButtonScanTop, picture.height());
  if (buttons.gameLanguage != language) PrepareGlyphIndex(glyphs, buttons.gameLanguage);
  const bool dnilPassTable = buttons.buttons[ButtonDNilPass] != Point{};
  BidTrickAnchors anchors;
  const BidReading bids = ReadBidLines(picture, box, glyphs, anchors, dnilPassTable);
  // The next pass reads at the anchors the first one found, and reads the same.
  const BidReading again = ReadBidLines(picture, box, glyphs, anchors, dnilPassTable);
  EXPECT_EQ(again.bids, bids.bids);
  EXPECT_EQ(again.bidLinesFound, bids.bidLinesFound);
  EXPECT_EQ(again.status, bids.status);
  if (pass != nullptr) *pass = bids;
  for (std::size_t p = 0; p < 4; ++p)
    out << "bid " << p << ' ' << (bids.bids[p].empty() ? "-" : bids.bids[p]) << '\n';
  const TrickReading tricks = ReadTrickLines(picture, box, glyphs, anchors);
  for (std::size_t p = 0; p < 4; ++p) {
    out << "tricks " << p << ' ';
    if (tricks.tricks[p] < 0) {
      out << "-\n";
    } else {
      out << tricks.tricks[p] << '\n';
    }
  }
  for (int k = ButtonLastTrick; k <= ButtonLabelCount; ++k) {
    const Point at = buttons.buttons[static_cast<std::size_t>(k)];
    if (at == Point{}) continue;
    const Point click = ButtonClickPoint(at);
    out << "button " << ButtonNames[static_cast<std::size_t>(k)] << ' ' << click.x << ' ' << click.y
        << '\n';
  }
  const Rect window{0, 0, picture.width(), picture.height()};
  const Point control = FindBidControl(picture, box, window);
  for (const std::string& line : MakePlayerList(picture, box, control.y, window, glyphs))
    out << "player " << line << '\n';
  return out.str();
}

// How the bid pass ends on the table as drawn: the waiting prompt first, then no bid, then the
// trick counts that add up to 13.
BidStatus ExpectedStatus(const table::TableScene& s) {
  if (s.prompt == table::TablePrompt::ClickToStart ||
      s.prompt == table::TablePrompt::WaitingForOpponent) {
    return BidStatus::Waiting;
  }
  int bids = 0;
  int tricks = 0;
  for (const table::SeatView& seat : s.seats) {
    bids += seat.bid.empty() ? 0 : 1;
    tricks += seat.tricksShown ? seat.tricks : 0;
  }
  if (bids == 0) return BidStatus::NoBidLine;
  return tricks == 13 ? BidStatus::DealOver : BidStatus::Read;
}

std::string Describe(const DrawnTable& t, int n) {
  std::ostringstream out;
  out << "table " << n << ", language " << t.language << ", window " << t.layout.window.width << "x"
      << t.layout.window.height << ", client at " << t.layout.clientOrigin.x << ","
      << t.layout.clientOrigin.y;
  return out.str();
}

// What the tables drew, so the test knows it drew every form it means to read.
struct Coverage {
  std::set<std::string> bids;
  std::set<int> tricks;
  std::set<int> languages;
  std::set<std::string> facts;
  void Add(const DrawnTable& t) {
    const table::TableScene& s = t.scene;
    languages.insert(t.language);
    for (const table::SeatView& seat : s.seats) {
      if (!seat.bid.empty()) bids.insert(seat.bid);
      if (seat.tricksShown) tricks.insert(seat.tricks);
      if (seat.rating <= 0) facts.insert("provisional");
    }
    if (s.prompt == table::TablePrompt::ClickToStart) facts.insert("click to start");
    if (s.prompt == table::TablePrompt::WaitingForOpponent) facts.insert("waiting for opponent");
    if (s.prompt == table::TablePrompt::DealOver) facts.insert("OK");
    if (s.userTurn) facts.insert("turn");
    if (!s.newRatings.empty()) facts.insert("new ratings");
    if (s.highlightedSeat >= 0) facts.insert("highlighted");
    if (s.suicideTable) facts.insert("suicide");
    if (s.suicideTable && s.doubleNilPassTable) facts.insert("both table options");
  }
};

TEST(ReadBack, RandomTablesDrawnByTheRendererReadBackExactly) {
  GlyphTables glyphs = BuildGlyphTables();
  Coverage drawn;
  int misread = 0;
  for (int n = 0; n < TableCount; ++n) {
    DrawnTable t = MakeTable(n);
    drawn.Add(t);
    t.picture = CaptureOf(table::RenderTableWindow(t.scene, t.layout, &t.drawn));
    const std::string expected = Expected(t);
    BidReading pass;
    const std::string read = ReadBack(t.picture, glyphs, t.language, &pass);
    EXPECT_EQ(read, expected) << Describe(t, n);
    EXPECT_EQ(pass.status, ExpectedStatus(t.scene)) << Describe(t, n);
    if (read != expected && ++misread >= 5) break;
#ifdef SCORLET_READ_PROGRAM
    if (n % ProgramEvery == 0) {
      const std::filesystem::path file =
          scorlet::testing::TestRunRoot() / ("readback-" + std::to_string(n) + ".bmp");
      ASSERT_TRUE(WriteBitmap(file, t.picture));
      int status = -1;
      const std::string arguments =
          "table " + file.string() + " --language " + std::to_string(t.language);
      EXPECT_EQ(testing::RunReadProgram(arguments, status), expected) << Describe(t, n);
      EXPECT_EQ(status, 0);
      std::filesystem::remove(file);
    }
#endif
  }
  EXPECT_EQ(drawn.bids.size(), 16u);  // 1..13, N, D and the double-nil-pass form
  EXPECT_EQ(drawn.tricks.size(), 14u);
  EXPECT_EQ(drawn.languages.size(), DrawnLanguages.size());
  EXPECT_EQ(drawn.facts.size(), 9u);
}

#ifdef SCORLET_FIXTURES
// A table whose first list line is highlighted: the row that straddles the band's top edge,
// inverted, read as a line of bold "i" glyphs ahead of the four players.
TEST(ReadBack, KeptCaptureOfAHighlightedFirstLineReadsRight) {
  const std::optional<TableCapture> picture =
      ReadBitmap(std::filesystem::path(SCORLET_FIXTURES) / "highlighted-first-list-line.bmp");
  ASSERT_TRUE(picture);
  GlyphTables glyphs = BuildGlyphTables();
  EXPECT_EQ(ReadBack(*picture, glyphs, LangEnglish),
            "box 250 280 485 429\nturn no\nwaiting no\nok no\n"
            "bid 0 4\nbid 1 N\nbid 2 3\nbid 3 5\n"
            "tricks 0 0\ntricks 1 1\ntricks 2 2\ntricks 3 3\n"
            "button LastTrick 53 78\nbutton LastHand 53 106\nbutton Score 29 134\n"
            "player North,1612\nplayer East,1544\nplayer South,prov\nplayer West,1497\n");
}
#endif

}  // namespace
}  // namespace scorlet::recognition
