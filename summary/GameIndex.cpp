#include "summary/GameIndex.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <system_error>

#include "common/CodePage.h"
#include "common/TextUtil.h"
#include "summary/BatchDriver.h"
#include "summary/HtmlText.h"
#include "summary/PageHead.h"
#include "summary/SummaryTexts.h"

namespace scorlet::summary {

namespace {

constexpr std::size_t kMaxOrderDigits = 15;
constexpr std::streamoff kPageHeadBytes = 1024;      // holds the character set
constexpr std::streamoff kPageEndBytes = 32 * 1024;  // holds the last deal

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

// Text of a page as the page wrote it: &lt; &gt; &amp; &quot; and numeric references
// become their characters again.
std::string Unescape(std::string_view text) {
  static const std::pair<std::string_view, std::string_view> kNamed[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}, {"&quot;", "\""}};
  std::string out;
  for (std::size_t pos = 0; pos < text.size();) {
    if (text[pos] != '&') {
      out += text[pos++];
      continue;
    }
    bool done = false;
    for (const auto& [entity, character] : kNamed) {
      if (text.substr(pos, entity.size()) == entity) {
        out += character;
        pos += entity.size();
        done = true;
        break;
      }
    }
    if (done) continue;
    const std::size_t end = text.find(';', pos);
    if (text.substr(pos, 2) == "&#" && end != std::string_view::npos && end - pos <= 9 &&
        AllDigits(text.substr(pos + 2, end - pos - 2))) {
      const long code = std::stol(std::string(text.substr(pos + 2, end - pos - 2)));
      AppendUtf8(out, code > 0 && code <= 0x10FFFF ? static_cast<char32_t>(code) : U'?');
      pos = end + 1;
      continue;
    }
    out += text[pos++];
  }
  return out;
}

// The lines of a page after a position, one at a time.
class PageLines {
 public:
  PageLines(const std::string& text, std::size_t from) : text_(text), pos_(from) {}
  // The next line that starts with the prefix, before a line that starts with the stop text.
  std::optional<std::string> Find(std::string_view prefix, std::string_view stop) {
    while (pos_ < text_.size()) {
      const std::string line = Next();
      if (line.starts_with(prefix)) return line;
      if (line.starts_with(stop)) return std::nullopt;
    }
    return std::nullopt;
  }
  // The next line; empty at the end of the text.
  std::string Next() {
    if (pos_ >= text_.size()) return {};
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string::npos) end = text_.size();
    std::string line = text_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    pos_ = end + 1;
    return line;
  }

 private:
  const std::string& text_;
  std::size_t pos_;
};

// "  <td colspan=2>" score "&nbsp;&nbsp;&nbsp;(" bags ")".
std::optional<std::array<std::int32_t, 2>> ScoreCell(const std::string& line) {
  constexpr std::string_view kCell = "  <td colspan=2>";
  if (!line.starts_with(kCell)) return std::nullopt;
  std::string rest = line.substr(kCell.size());
  auto number = [&rest]() -> std::optional<std::int32_t> {
    bool negative = false;
    if (rest.starts_with("&minus;")) {
      negative = true;
      rest.erase(0, 7);
    }
    std::size_t digits = 0;
    while (digits < rest.size() && digits < 9 && IsDigit(rest[digits])) ++digits;
    if (digits == 0) return std::nullopt;
    const auto value = static_cast<std::int32_t>(std::stol(rest.substr(0, digits)));
    rest.erase(0, digits);
    return negative ? -value : value;
  };
  const auto score = number();
  constexpr std::string_view kBetween = "&nbsp;&nbsp;&nbsp;(";
  if (!score || !rest.starts_with(kBetween)) return std::nullopt;
  rest.erase(0, kBetween.size());
  const auto bags = number();
  if (!bags) return std::nullopt;
  return std::array<std::int32_t, 2>{*score, *bags};
}

std::optional<ScoreRow> ScoreRowAfter(PageLines& lines) {
  const auto first = ScoreCell(lines.Next());
  const auto second = ScoreCell(lines.Next());
  if (!first || !second) return std::nullopt;
  return ScoreRow{(*first)[0], (*first)[1], (*second)[0], (*second)[1]};
}

// The last deal's bidding table: the players' names and the score after the deal (its
// "Total" row, or its "Points" row when the deal began the game).
void ReadLastDeal(const std::string& text, std::size_t from, GameSummary& game) {
  PageLines lines(text, from);
  if (lines.Find(" <tr><td><td>North", "</table>")) {
    if (lines.Find(" <tr><td>", "</table>")) {
      constexpr std::string_view kName = "  <td><span class=vd>";
      for (const int seat : {0, 2, 1, 3}) {
        const std::string line = lines.Next();
        if (line.starts_with(kName) && line.ends_with("</span>")) {
          game.names[seat] =
              Unescape(line.substr(kName.size(), line.size() - kName.size() - 7));
        }
      }
    }
  }
  if (!lines.Find(" <tr><td>Points", "</table>")) return;
  std::optional<ScoreRow> final = ScoreRowAfter(lines);
  std::string next = lines.Next();
  if (next.starts_with(" <tr>  <td>Total")) {
    final = ScoreRowAfter(lines);
    next = lines.Next();
  }
  // Only a whole table counts: a page cut short inside it gives no score.
  if (next == "</table>") game.final = final;
}


// The page's last deal from the bytes of the page (whole) or of its end; nothing when the end
// holds no deal heading.
std::optional<GameSummary> PageSummaryOf(const std::string& bytes, bool whole, bool shiftJis) {
  // The headings are plain ASCII and "<" is never part of a Shift_JIS character, so they are
  // found in the bytes; only the last deal is decoded.
  constexpr std::string_view kHeading = "<div id=\"Nr";
  const std::size_t last = bytes.rfind(kHeading);
  GameSummary game;
  if (last == std::string::npos) {
    if (whole) return game;
    return std::nullopt;
  }
  std::size_t digits = last + kHeading.size();
  while (digits < bytes.size() && digits - last - kHeading.size() < 6 && IsDigit(bytes[digits])) {
    ++digits;
  }
  const std::string number = bytes.substr(last + kHeading.size(), digits - last - kHeading.size());
  if (number.empty() || digits >= bytes.size() || bytes[digits] != '"') {
    if (!whole) return std::nullopt;
    for (std::size_t pos = bytes.find(kHeading); pos != std::string::npos;
         pos = bytes.find(kHeading, pos + kHeading.size())) {
      ++game.deals;
    }
  } else {
    game.deals = std::stoi(number);
  }
  const std::string_view lastDeal = std::string_view(bytes).substr(last);
  ReadLastDeal(shiftJis ? FromAnsi(lastDeal, CodePage::Japanese) : SanitizeUtf8(lastDeal), 0, game);
  return game;
}

}  // namespace

int WinnerOf(const std::optional<ScoreRow>& final) {
  if (!final) return -1;
  const std::int32_t northSouth = (*final)[0];
  const std::int32_t eastWest = (*final)[2];
  if ((northSouth < 500 && eastWest < 500) || northSouth == eastWest) return -1;
  return northSouth > eastWest ? 0 : 1;
}

std::optional<PageName> ParsePageName(std::string_view fileName) {
  const std::string name = LowerText(fileName);
  if (name.size() < 14 || !name.ends_with(".htm")) return std::nullopt;
  const std::string stem = name.substr(0, 10);
  for (std::size_t i = 0; i < stem.size(); ++i) {
    const bool underscore = i == 4 || i == 7;
    if (underscore ? stem[i] != '_' : !IsDigit(stem[i])) return std::nullopt;
  }
  const std::string suffix = name.substr(10, name.size() - 14);
  PageName page{std::string(fileName.substr(0, 10)), 0};
  if (suffix.empty()) return page;
  const std::string digits = suffix.substr(0, suffix.size() - 1);
  if (!suffix.ends_with('a') || !AllDigits(digits) || digits.size() > kMaxOrderDigits ||
      (digits.size() > 1 && digits[0] == '0')) {
    return std::nullopt;
  }
  page.order = std::stoll(digits) + 1;
  return page;
}

std::optional<GameSummary> ReadPageSummary(const std::filesystem::path& page) {
  // The last deal stands near the end of the page and its heading carries its number, which
  // is the number of deals: the end of the page is read first, the whole page only when the
  // end does not hold the heading.
  std::ifstream in(page, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) return std::nullopt;
  // The character set is declared in the head.
  std::string head(static_cast<std::size_t>(std::min<std::streamoff>(size, kPageHeadBytes)), '\0');
  in.seekg(0);
  if (!in.read(head.data(), static_cast<std::streamsize>(head.size()))) return std::nullopt;
  const bool shiftJis = head.find("charset=Shift_JIS") != std::string::npos;
  for (std::streamoff start = std::max<std::streamoff>(size - kPageEndBytes, 0);;
       start = 0) {
    std::string bytes(static_cast<std::size_t>(size - start), '\0');
    in.clear();
    in.seekg(start);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return std::nullopt;
    if (auto game = PageSummaryOf(bytes, start == 0, shiftJis)) {
      game->page = PathToUtf8(page.filename());
      return game;
    }
    if (start == 0) return std::nullopt;
  }
}

std::vector<IndexRow> IndexRows(const std::filesystem::path& folder,
                                const std::vector<GameSummary>& written) {
  std::map<std::string, const GameSummary*> ofThisRun;
  for (const GameSummary& game : written) ofThisRun[game.page] = &game;
  struct Found {
    PageName name;
    GameSummary game;
  };
  std::vector<Found> pages;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string file = PathToUtf8(it->path().filename());
    const auto name = ParsePageName(file);
    std::error_code kind;
    if (!name || !it->is_regular_file(kind)) continue;
    if (const auto known = ofThisRun.find(file); known != ofThisRun.end()) {
      pages.push_back({*name, *known->second});
    } else if (auto game = ReadPageSummary(it->path())) {
      pages.push_back({*name, std::move(*game)});
    } else {
      GameSummary unreadable;
      unreadable.page = file;
      pages.push_back({*name, unreadable});
    }
  }
  std::sort(pages.begin(), pages.end(), [](const Found& a, const Found& b) {
    if (a.name.stem != b.name.stem) return a.name.stem < b.name.stem;
    return a.name.order < b.name.order;
  });
  std::vector<IndexRow> rows;
  int number = 0;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    number = i > 0 && pages[i - 1].name.stem == pages[i].name.stem ? number + 1 : 1;
    rows.push_back({std::move(pages[i].game), DisplayStem(pages[i].name.stem), number});
  }
  std::reverse(rows.begin(), rows.end());
  return rows;
}

void WriteIndexHtml(PageText& page, const std::vector<IndexRow>& rows,
                    const PageOptions& options, const std::string& timestamp) {
  const bool japanese = options.japanese;
  auto T = [japanese](Msg id) { return std::string(Text(id, japanese)); };
  WriteHtmlHead(page, options, T(Msg::IndexTitle), kProgramFile, kVersion, timestamp);
  if (options.strict) {
    page.Line("<div class=ctr>");
    page.Line("<table border=1 class=score>");
  } else {
    page.Line("<table border=1 align=center class=score>");
  }
  page.Line("<caption><b>" + T(Msg::IndexTitle) + "</b></caption>");
  page.Line("<tr><td>" + T(Msg::IndexDay) + "<td>" + T(Msg::IndexGame) + "<td>" +
            T(Msg::TeamNorthSouth) + "<td>" + T(Msg::IndexScore) + "<td>" +
            T(Msg::TeamEastWest) + "<td>" + T(Msg::IndexScore) + "<td>" + T(Msg::IndexWinner) +
            "<td>" + T(Msg::IndexDeals) + "<td>" + T(Msg::IndexPage));
  for (const IndexRow& row : rows) {
    const GameSummary& game = row.game;
    page.Line("<tr>");
    page.Line(" <td>" + HtmlEscape(row.day) + "<td>" + std::to_string(row.number));
    for (int team = 0; team < 2; ++team) {
      page.Line(" <td>" + HtmlEscape(game.names[team]) + "<b>/</b>" +
                HtmlEscape(game.names[team + 2]));
      page.Line(" <td>" + (game.final ? HtmlNumber((*game.final)[team * 2]) : std::string("?")));
    }
    const int winner = WinnerOf(game.final);
    const Msg won = winner == 0   ? Msg::TeamNorthSouth
                    : winner == 1 ? Msg::TeamEastWest
                                  : Msg::IndexUnfinished;
    page.Line(" <td>" + T(won) + "<td>" + std::to_string(game.deals));
    page.Line(" <td><a href=\"" + HtmlEscape(game.page) + "\">" + HtmlEscape(game.page) + "</a>");
  }
  page.Line("</table>");
  if (options.strict) page.Line("</div>");
  page.Line(std::string(options.strict ? "<div class=ctr>" : "<div align=center>") +
            "<a href=\"" + std::string(kPlayersFile) + "\">" + T(Msg::PlayersTitle) +
            "</a></div>");
  WriteHtmlTail(page, options);
}

}  // namespace scorlet::summary
