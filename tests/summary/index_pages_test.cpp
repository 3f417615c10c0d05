// The index of all pages, the score picture of each page and the statistics per player, over
// several days with two games a day; every expectation is worked out here from the records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <random>

#include "summary/BatchDriver.h"
#include "summary/GameIndex.h"
#include "summary/GifImage.h"
#include "summary/HtmlText.h"
#include "tests/summary/GameCorpus.h"
#include "tests/summary/GifDecoder.h"

namespace scorlet::summary {
namespace {

using testing::CountOf;
using testing::Decode;
using testing::FreshFolder;
using testing::Gif;
using testing::PlayGame;
using testing::ReadAll;
using testing::TextLog;
using testing::WriteGame;
using testing::Year;

struct Game {
  int month = 3;
  int day = 14;
  std::vector<HandRecord> records;
};

// Three days, two games a day; the last game is left unfinished. Players change from game to
// game, one name comes back in capitals, one needs escaping.
std::vector<Game> Corpus(const std::filesystem::path& work) {
  const std::vector<std::array<std::string, 4>> tables{
      {"Alice", "bob", "carol", "dave"}, {"erin", "Alice", "j&k", "bob"},
      {"ALICE", "carol", "frank", "erin"}, {"dave", "j&k", "bob", "frank"},
      {"carol", "erin", "Alice", "gina"}, {"bob", "gina", "dave", "alice"}};
  std::vector<Game> games;
  for (std::size_t i = 0; i < tables.size(); ++i) {
    testing::GameStyle style{.seed = static_cast<unsigned>(20 + i), .bidOffset = i == 1 ? 1 : 0,
                             .nils = i % 2 == 0, .names = tables[i]};
    if (i + 1 == tables.size()) style.maxDeals = 3;
    Game game{3, 14 + static_cast<int>(i / 2), PlayGame(style)};
    const int first = i % 2 == 0 ? 1 : static_cast<int>(games.back().records.size()) + 1;
    WriteGame(work, game.records, game.month, game.day, first);
    games.push_back(std::move(game));
  }
  return games;
}

BatchResult RunOver(const std::filesystem::path& base, const PageOptions& options, TextLog& log,
                    const std::string& work = "Work") {
  std::filesystem::create_directories(base / "GameRec");
  return testing::RunBatchOver(base / work, base / "GameRec", options, log);
}

const ScoreRow& FinalRow(const Game& game) {
  const HandRecord& last = game.records.back();
  return last.ScoreRows[last.ScoreRowCount];
}

// 0 North-South, 1 East-West, -1 not over.
int Winner(const ScoreRow& row) {
  if (row[0] == row[2] || (row[0] < 500 && row[2] < 500)) return -1;
  return row[0] > row[2] ? 0 : 1;
}

std::string PageOf(const Game& game, int numberThatDay) {
  char stem[16];
  std::snprintf(stem, sizeof stem, "_%02d_%02d", game.month, game.day);
  return Year() + stem + (numberThatDay == 1 ? "" : std::to_string(numberThatDay - 2) + "A") + ".htm";
}

std::string IndexRowOf(const Game& game, int numberThatDay) {
  const ScoreRow& final = FinalRow(game);
  const auto& names = game.records.back().PlayerNames;
  const char* winners[] = {"not finished", "North/South", "East/West"};
  const std::string page = PageOf(game, numberThatDay);
  char day[16];
  std::snprintf(day, sizeof day, "/%02d/%02d", game.month, game.day);
  return "<tr>\r\n <td>" + Year() + day + "<td>" + std::to_string(numberThatDay) + "\r\n <td>" +
         HtmlEscape(names[0]) + "<b>/</b>" + HtmlEscape(names[2]) + "\r\n <td>" +
         HtmlNumber(final[0]) + "\r\n <td>" + HtmlEscape(names[1]) + "<b>/</b>" +
         HtmlEscape(names[3]) + "\r\n <td>" + HtmlNumber(final[2]) + "\r\n <td>" +
         winners[Winner(final) + 1] + "<td>" + std::to_string(game.records.size()) +
         "\r\n <td><a href=\"" + page + "\">" + page + "</a>\r\n";
}

// The index row that links the page; empty when there is none.
std::string RowOf(const std::string& index, const std::string& page) {
  const std::size_t link = index.find("<a href=\"" + page + "\">");
  if (link == std::string::npos) return "";
  const std::size_t start = index.rfind("<tr>\r\n", link);
  return index.substr(start, index.find("\r\n", link) + 2 - start);
}

// Every page's row, newest first.
void ExpectIndexOf(const std::string& index, const std::vector<Game>& games) {
  std::size_t previous = std::string::npos;
  for (std::size_t i = 0; i < games.size(); ++i) {
    const std::size_t at = index.find(IndexRowOf(games[i], static_cast<int>(i % 2) + 1));
    ASSERT_NE(at, std::string::npos) << "game " << i << "\n" << index;
    if (i > 0) {
      EXPECT_LT(at, previous) << "newer pages come first";
    }
    previous = at;
  }
}

struct Counts {
  std::string name;
  std::array<int, 10> values{};  // deals, made, set, bags, nil made/failed, dnil made/failed, won, lost
};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::map<std::string, Counts> CountPlayers(const std::vector<Game>& games) {
  std::map<std::string, Counts> players;
  auto of = [&players](const std::string& name) -> Counts& {
    Counts& counts = players[Lower(name)];
    if (counts.name.empty()) counts.name = name;
    return counts;
  };
  for (const Game& game : games) {
    for (const HandRecord& record : game.records) {
      for (int seat = 0; seat < 4; ++seat) {
        Counts& counts = of(record.PlayerNames[seat]);
        const std::string& bid = record.Bids[seat];
        const int taken = record.TricksWon[seat];
        ++counts.values[0];
        if (bid == "N") {
          ++counts.values[taken == 0 ? 4 : 5];
        } else if (bid == "D" || bid == "DP") {
          ++counts.values[taken == 0 ? 6 : 7];
        } else if (taken >= std::stoi(bid)) {
          ++counts.values[1];
          counts.values[3] += taken - std::stoi(bid);
        } else {
          ++counts.values[2];
        }
      }
    }
    const int winner = Winner(FinalRow(game));
    if (winner < 0) continue;
    for (int seat = 0; seat < 4; ++seat) {
      ++of(game.records.back().PlayerNames[seat]).values[seat % 2 == winner ? 8 : 9];
    }
  }
  return players;
}

// The picture's polyline passes through every recorded total: the score axis is found from
// the 500 line and the floor, the deals from the ends of those lines.
void ExpectRaceThroughTotals(const std::string& gifBytes, const Game& game) {
  const Gif gif = Decode(gifBytes);
  ASSERT_EQ(gif.version, "GIF89a");
  ASSERT_EQ(gif.pixels.size(), static_cast<std::size_t>(gif.width * gif.height));
  auto index = [&gif](std::uint32_t colour) {
    const auto at = std::find(gif.palette.begin(), gif.palette.end(), colour);
    return at == gif.palette.end() ? -1 : static_cast<int>(at - gif.palette.begin());
  };
  const int northSouth = index(0x0000FF), eastWest = index(0xCC0000);
  const int target = index(0x00008B), floor = index(0xFF0000);
  ASSERT_TRUE(northSouth >= 0 && eastWest >= 0 && target >= 0 && floor >= 0);
  auto at = [&gif](int x, int y) {
    return x < 0 || y < 0 || x >= gif.width || y >= gif.height ? -1 : gif.pixels[y * gif.width + x];
  };
  // The row holding most of a colour and its leftmost and rightmost pixel there.
  auto lineOf = [&](int colour, int& y, int& left, int& right) {
    int best = 0;
    for (int row = 0; row < gif.height; ++row) {
      int count = 0, first = -1, last = -1;
      for (int x = 0; x < gif.width; ++x) {
        if (at(x, row) != colour) continue;
        ++count;
        if (first < 0) first = x;
        last = x;
      }
      if (count > best) {
        best = count;
        y = row;
        left = first;
        right = last;
      }
    }
  };
  int y500 = 0, yFloor = 0, left1 = 0, right1 = 0, left2 = 0, right2 = 0;
  lineOf(target, y500, left1, right1);
  lineOf(floor, yFloor, left2, right2);
  ASSERT_LT(y500, yFloor);
  const double left = std::min(left1, left2), right = std::max(right1, right2);
  std::vector<ScoreRow> totals{ScoreRow{}};
  for (const HandRecord& record : game.records) totals.push_back(record.ScoreRows[record.ScoreRowCount]);
  auto point = [&](std::size_t k, int column) {
    const double x = left + (right - left) * static_cast<double>(k) / static_cast<double>(totals.size() - 1);
    const double y = y500 + (500.0 - totals[k][column]) * (yFloor - y500) / 700.0;
    return std::pair<int, int>{static_cast<int>(x + 0.5), static_cast<int>(y + 0.5)};
  };
  auto near = [&](std::pair<int, int> p, int colour) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (at(p.first + dx, p.second + dy) == colour) return true;
      }
    }
    return false;
  };
  for (std::size_t k = 0; k < totals.size(); ++k) {
    const auto ns = point(k, 0), ew = point(k, 2);
    // East-West is drawn last and may cover North-South where the two run close.
    const bool close = std::abs(ns.second - ew.second) <= 3;
    EXPECT_TRUE(near(ns, northSouth) || (close && near(ns, eastWest)))
        << "North-South after deal " << k << " at " << ns.first << "," << ns.second;
    EXPECT_TRUE(near(ew, eastWest)) << "East-West after deal " << k << " at " << ew.first << "," << ew.second;
  }
}

TEST(IndexPages, IndexPicturesAndPlayerStatisticsMatchTheRecordedGames) {
  const auto base = FreshFolder("index_corpus");
  const std::vector<Game> games = Corpus(base / "Work");
  TextLog log;
  const BatchResult result = RunOver(base, {}, log);
  ASSERT_EQ(result.pages.size(), games.size());
  EXPECT_EQ(result.indexPages, (std::vector<std::string>{"index.htm", "players.htm"}));
  EXPECT_TRUE(result.failed.empty());
  std::array<int, 3> outcomes{};  // not over, North-South won, East-West won
  for (const Game& game : games) ++outcomes[Winner(FinalRow(game)) + 1];
  ASSERT_EQ(Winner(FinalRow(games.back())), -1);
  ASSERT_GE(outcomes[1], 1);
  ASSERT_GE(outcomes[2], 1);

  const std::string index = ReadAll(base / "GameRec" / "index.htm");
  ExpectIndexOf(index, games);
  EXPECT_EQ(CountOf(index, "<tr>\r\n"), static_cast<int>(games.size()));

  for (std::size_t i = 0; i < games.size(); ++i) {
    const std::string page = PageOf(games[i], static_cast<int>(i % 2) + 1);
    const std::string gifName = page.substr(0, page.size() - 4) + ".gif";
    SCOPED_TRACE(gifName);
    ExpectRaceThroughTotals(ReadAll(base / "GameRec" / gifName), games[i]);
    const std::string html = ReadAll(base / "GameRec" / page);
    const std::size_t picture = html.find("<div class=ctr><img src=\"" + gifName + "\"");
    EXPECT_LT(html.find("</table>"), picture) << "under the score table";
    EXPECT_LT(picture, html.find("<hr class=hr2>"));
  }

  const std::string players = ReadAll(base / "GameRec" / "players.htm");
  std::size_t previous = 0;
  int previousDeals = 1 << 30;
  std::vector<Counts> byDeals;
  for (const auto& [key, counts] : CountPlayers(games)) byDeals.push_back(counts);
  std::stable_sort(byDeals.begin(), byDeals.end(),
                   [](const Counts& a, const Counts& b) { return a.values[0] > b.values[0]; });
  for (const Counts& counts : byDeals) {
    std::string row = " <td class=lft><span class=vd>" + HtmlEscape(counts.name) + "</span>\r\n ";
    for (const int value : counts.values) row += "<td>" + std::to_string(value);
    const std::size_t at = players.find(row + "\r\n");
    ASSERT_NE(at, std::string::npos) << row << "\n" << players;
    EXPECT_GT(at, previous);
    EXPECT_LE(counts.values[0], previousDeals);
    previous = at;
    previousDeals = counts.values[0];
  }
  EXPECT_EQ(CountOf(players, "<td class=lft>"), 8) << "Alice and ALICE are one player";
  EXPECT_NE(players.find(">Alice<"), std::string::npos) << "shown as first seen";
  EXPECT_EQ(players.find(">ALICE<"), std::string::npos);
}

TEST(IndexPages, PagesOfEarlierRunsAreReadBackIntoTheIndex) {
  const auto base = FreshFolder("index_earlier");
  const std::vector<Game> games = Corpus(base / "Work");
  // A game of one deal: its page has no "Total" row, the deal's points are the score.
  Game short_{3, 20, PlayGame({.seed = 31, .maxDeals = 1, .names = {"a<b", "c", "d", "e"}})};
  WriteGame(base / "Work", short_.records, short_.month, short_.day, 1);
  TextLog log;
  PageOptions before;
  before.indexPages = false;  // pages as written before the index existed
  ASSERT_EQ(RunOver(base, before, log).pages.size(), games.size() + 1);
  EXPECT_FALSE(std::filesystem::exists(base / "GameRec" / "index.htm"));

  // A later run over another day's work files indexes the earlier pages too.
  Game later{4, 2, PlayGame({.seed = 99, .maxDeals = 2, .names = {"zed", "yan", "xia", "wim"}})};
  later.records.back().PlayerNames[1] = "a_screen_name_far_too_long_for_its_cell";
  WriteGame(base / "Later", later.records, later.month, later.day, 1);
  const BatchResult result = RunOver(base, {}, log, "Later");
  ASSERT_EQ(result.pages.size(), 1u);
  std::vector<Game> all = games;
  const std::string index = ReadAll(base / "GameRec" / "index.htm");
  ExpectIndexOf(index, all);
  EXPECT_NE(index.find(IndexRowOf(short_, 1)), std::string::npos) << index;
  EXPECT_EQ(CountOf(index, "<tr>\r\n"), static_cast<int>(games.size()) + 2);
  const std::string laterPage = PageOf(later, 1);
  const std::string laterRow = RowOf(index, laterPage);
  EXPECT_NE(laterRow.find(" <td>a_screen_n<b>/</b>wim\r\n"), std::string::npos) << laterRow;
  EXPECT_EQ(laterRow.find("a_screen_name_far_too_long_for_its_cell"), std::string::npos)
      << "names are fitted as the page shows them";
  EXPECT_LT(index.find(laterRow), index.find(IndexRowOf(games.back(), 2)));
  // Statistics are of the run's own work files.
  const std::string players = ReadAll(base / "GameRec" / "players.htm");
  EXPECT_EQ(CountOf(players, "<td class=lft>"), 5);
  // A second run of the same work files adds pages with suffixes; each is its own row.
  ASSERT_EQ(RunOver(base, {}, log, "Later").pages.size(), 1u);
  const std::string again = ReadAll(base / "GameRec" / "index.htm");
  EXPECT_EQ(RowOf(again, laterPage), laterRow) << "read back from the page, the row is the same";
  EXPECT_NE(RowOf(again, PageOf(later, 2)), "");
  EXPECT_EQ(CountOf(again, "<tr>\r\n"), static_cast<int>(games.size()) + 3);
}

TEST(IndexPages, JapanesePagesOfEarlierRunsKeepTheirNames) {
  const auto base = FreshFolder("index_japanese");
  Game game{3, 14, PlayGame({.seed = 8, .maxDeals = 12, .names = {"山田太郎", "田中", "鈴木", "x&y"}})};
  WriteGame(base / "Work", game.records, 3, 14, 1, CodePage::Japanese);
  PageOptions options;
  options.japanese = true;
  options.indexPages = false;
  TextLog log;
  std::filesystem::create_directories(base / "GameRec");
  BatchDriver(BatchContext{base / "Work", base / "GameRec", options, CodePage::Japanese, "now"}, log)
      .RunBatch();
  options.indexPages = true;
  WriteGame(base / "Later", PlayGame({.seed = 9, .maxDeals = 1}), 4, 2, 1, CodePage::Japanese);
  BatchDriver(BatchContext{base / "Later", base / "GameRec", options, CodePage::Japanese, "now"}, log)
      .RunBatch();
  const std::string index = FromAnsi(ReadAll(base / "GameRec" / "index.htm"), CodePage::Japanese);
  const auto& final = FinalRow(game);
  EXPECT_NE(index.find(" <td>山田太郎<b>/</b>鈴木\r\n <td>" + HtmlNumber(final[0]) +
                       "\r\n <td>田中<b>/</b>x&amp;y\r\n <td>" + HtmlNumber(final[2])),
            std::string::npos)
      << index;
}

TEST(IndexPages, SwitchedOffThePagesAreExactlyAsBeforeAndNothingElseIsWritten) {
  const auto on = FreshFolder("index_on");
  const auto off = FreshFolder("index_off");
  Corpus(on / "Work");
  Corpus(off / "Work");
  TextLog log;
  PageOptions options;
  options.textOutput = true;
  const BatchResult withIndex = RunOver(on, options, log);
  options.indexPages = false;
  const BatchResult without = RunOver(off, options, log);
  ASSERT_EQ(withIndex.pages, without.pages);
  EXPECT_TRUE(without.pictures.empty());
  EXPECT_TRUE(without.indexPages.empty());
  for (const auto& entry : std::filesystem::directory_iterator(off / "GameRec")) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name.ends_with(".htm") || name.ends_with(".txt")) << name;
    EXPECT_NE(name, "index.htm");
    EXPECT_NE(name, "players.htm");
  }
  for (const std::string& page : withIndex.pages) {
    std::string html = ReadAll(on / "GameRec" / page);
    // Without the picture and its line of names the page is the page of before.
    const std::size_t picture = html.find("<div class=ctr><img src=");
    ASSERT_NE(picture, std::string::npos);
    const std::size_t end = html.find("\r\n\r\n", picture);
    html.erase(picture, end + 4 - picture);
    EXPECT_EQ(html, ReadAll(off / "GameRec" / page)) << page;
    const std::string text = page.substr(0, page.size() - 4) + ".txt";
    EXPECT_EQ(ReadAll(on / "GameRec" / text), ReadAll(off / "GameRec" / text));
  }
}

TEST(IndexPages, PageWhosePictureCannotBeWrittenIsStillWritten) {
  const auto base = FreshFolder("index_no_picture");
  WriteGame(base / "Work", PlayGame({.seed = 5, .maxDeals = 4}), 3, 14, 1);
  const std::string stem = Year() + "_03_14";
  std::filesystem::create_directories(base / "GameRec" / (stem + ".gif") / "in_the_way");
  TextLog log;
  const BatchResult result = RunOver(base, {}, log);
  ASSERT_EQ(result.pages, std::vector<std::string>{stem + ".htm"});
  EXPECT_EQ(result.failed, std::vector<std::string>{stem + ".gif"});
  EXPECT_NE(log.all.find("  Could not write: " + stem + ".gif ("), std::string::npos);
  const std::string html = ReadAll(base / "GameRec" / (stem + ".htm"));
  EXPECT_EQ(html.find("<img src=\"" + stem + ".gif\""), std::string::npos) << "no broken picture";
  EXPECT_EQ(CountOf(html, "<div id=\"Nr"), 4);
  EXPECT_NE(ReadAll(base / "GameRec" / "index.htm").find(stem + ".htm"), std::string::npos);
}

TEST(IndexPages, GifEncoderRoundTripsPicturesOfEverySize) {
  std::mt19937 random(3);
  for (const int colours : {2, 5, 8, 256}) {
    for (const bool noisy : {false, true}) {
      std::vector<std::uint32_t> palette;
      for (int i = 0; i < colours; ++i) palette.push_back(static_cast<std::uint32_t>(i * 0x010203) & 0xFFFFFF);
      IndexedImage image(301, 203, palette);
      for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
          const int value = noisy ? static_cast<int>(random() % colours) : (x / 7 + y / 5) % colours;
          image.Set(x, y, static_cast<std::uint8_t>(value));
        }
      }
      const Gif gif = Decode(EncodeGif(image));
      SCOPED_TRACE(std::to_string(colours) + (noisy ? " noisy" : " smooth"));
      EXPECT_EQ(gif.width, 301);
      EXPECT_EQ(gif.height, 203);
      ASSERT_GE(gif.palette.size(), static_cast<std::size_t>(colours));
      EXPECT_EQ(gif.palette[colours - 1], palette.back());
      ASSERT_EQ(gif.pixels.size(), image.pixels.size());
      EXPECT_TRUE(std::equal(gif.pixels.begin(), gif.pixels.end(), image.pixels.begin()));
    }
  }
  EXPECT_EQ(EncodeGif(IndexedImage(0, 0, {0})), "");
  EXPECT_EQ(EncodeGif(IndexedImage(2, 2, std::vector<std::uint32_t>(257, 0))), "");
}

}  // namespace
}  // namespace scorlet::summary

namespace scorlet::summary {
namespace {

TEST(IndexPages, DamagedOrForeignFilesUnderPageNamesAreListedWithoutNumbers) {
  const auto base = FreshFolder("index_damaged");
  WriteGame(base / "Work", PlayGame({.seed = 12, .maxDeals = 3}), 3, 14, 1);
  TextLog log;
  const std::string page = RunOver(base, {}, log).pages.at(0);
  const std::string html = ReadAll(base / "GameRec" / page);
  // Every cut of a real page reads without harm; a cut inside the last bidding table loses
  // the numbers, never invents them.
  for (std::size_t cut = 0; cut < html.size(); cut += 97) {
    const auto path = base / "GameRec" / "2001_01_01.htm";
    scorlet::testing::WriteBytes(path, std::string_view(html).substr(0, cut));
    const auto game = ReadPageSummary(path);
    ASSERT_TRUE(game.has_value());
    EXPECT_LE(game->deals, 3);
    if (game->final && game->deals == 3) {
      const auto full = ReadPageSummary(base / "GameRec" / page);
      EXPECT_EQ(*game->final, *full->final) << "cut at " << cut;
    }
  }
  scorlet::testing::WriteBytes(base / "GameRec" / "2001_01_01.htm", "<p>not ours &#99999999;");
  scorlet::testing::WriteBytes(base / "GameRec" / "2001_01_02.HTM", "\x82\xa0<div id=\"Nr1\">\xff");
  scorlet::testing::WriteBytes(base / "GameRec" / "2001_01_0x.htm", "not a page name");
  std::filesystem::create_directories(base / "GameRec" / "2001_01_03.htm");
  const auto rows = IndexRows(base / "GameRec", {});
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].game.page, page);
  EXPECT_EQ(rows[0].game.deals, 3);
  EXPECT_EQ(rows[1].game.page, "2001_01_02.HTM");
  EXPECT_EQ(rows[1].game.deals, 1);
  EXPECT_FALSE(rows[1].game.final);
  EXPECT_EQ(rows[2].game.deals, 0);
  EXPECT_EQ(rows[2].day, "2001/01/01");
  PageText index;
  WriteIndexHtml(index, rows, {}, "now");
  EXPECT_NE(index.text().find(" <td>?\r\n"), std::string::npos);
  EXPECT_EQ(ParsePageName("2009_03_140A.htm")->order, 1);
  EXPECT_EQ(ParsePageName("2009_03_1412A.htm")->order, 13);
  EXPECT_FALSE(ParsePageName("2009_03_1400A.htm"));
  EXPECT_FALSE(ParsePageName("index.htm"));
}

}  // namespace
}  // namespace scorlet::summary
