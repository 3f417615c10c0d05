#include "companion/players/NilStats.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <system_error>

#include "common/CodePage.h"
#include "common/Notation.h"
#include "common/SafeFile.h"
#include "companion/record/Scoring.h"

namespace scorlet::companion {

namespace {

struct NilTexts {
  const char* header;
  std::array<const char*, 9> labels;  // rows 1, 2, 3, 3a, total, 4a, 4b, 5
  const char* success;
  const char* failure;
  const char* rateMade;
  const char* rateSet;
  const char* rateMaking;  // total line
  const char* fourSpades;
  std::array<const char*, 3> rule;
};

const NilTexts EnglishTexts{
    "    << History of My NILs >> ",
    {" (1) My NIL Bids  ", " (2) My NIL Covers", " (3)  Set NILs    ", " (3a) Set NILs    ",
     " (4) NILs Total   ", " (4a)  Following the Rule ", " (4b)  Violating the Rule ",
     " (5) DNIL Bids    ", ""},
    " Success",
    ",  Failure",
    " Success Probability =",
    " Set Probability     =",
    " Making Probability  =",
    " [ 4 spades ]",
    {" Standard Rule for Bidding NILs (Rule of 4 & 8)", "  Never NIL with 4 spades.",
     "  Never NIL, when any 3-card suit has 2 cards higher than or equal to EIGHT."}};

const NilTexts JapaneseTexts{
    "    《 ニルの成功と失敗の履歴 》 ",
    {" (1) 私のニル･ビッド", " (2) 私のニル･カバー", " (3) ニルをセット   ", " (3a) ニルをセット  ",
     " (4) ニル 合計      ", " (4a)  基準適合     ", " (4b) 基準不適合    ", " (5) DNIL ビッド    ",
     ""},
    " 成功",
    ",  失敗",
    " 成功率＝",
    " 阻止率＝",
    " 成功率＝",
    " [４枚以上のスペード，内数]",
    {" ニル･ビッドの基準(標準, Rule of 4 & 8)", "  スペードが４枚の手では，ニル しない",
     "  ３枚スートに 8 以上のカードが 2 枚あれば，ニル しない"}};

int Digits(std::int64_t n) {
  int d = 1;
  for (n = n < 0 ? -n : n; n >= 10; n /= 10) ++d;
  return d;
}

// A count pair wide enough for sums of counts.
struct WideCount {
  std::int64_t success = 0;
  std::int64_t failure = 0;
  WideCount() = default;
  WideCount(std::int64_t s, std::int64_t f) : success(s), failure(f) {}
  WideCount(const NilCount& c) : success(c.success), failure(c.failure) {}  // NOLINT
};

WideCount TotalOf(const NilCounts& c) {
  return {std::int64_t{c[NilRowMine].success} + c[NilRowCover].success + c[NilRowSet].failure,
          std::int64_t{c[NilRowMine].failure} + c[NilRowCover].failure + c[NilRowSet].success};
}

std::int64_t GrandTotalOf(const NilCounts& c) {
  const WideCount t = TotalOf(c);
  return t.success + t.failure;
}

// Adds without passing the largest count a file can hold.
std::int32_t AddCount(std::int32_t count, std::int32_t more) {
  return static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{count} + more, INT32_MAX));
}

std::string Fixed(double value, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  return buf;
}

// One statistics line without its end: counts, and the success rate when there is any.
std::string NilStatLine(const NilTexts& t, const char* label, const WideCount& c,
                        const char* rate, int width) {
  const std::int64_t all = c.success + c.failure;
  std::string line = label;
  line += t.success;
  line += PadCount(c.success, width);
  line += t.failure;
  line += PadCount(c.failure, width);
  if (all != 0) {
    line += ", ";
    line += rate;
    line += PadCount(c.success, width);
    line += " /";
    line += PadCount(all, width);
    line += " = ";
    line += Fixed(100.0 * static_cast<double>(c.success) / static_cast<double>(all), 1);
    line += " %";
  }
  return line;
}

// " [ share %]" of the grand total; nothing while the grand total is 0.
std::string Share(const NilCount& c, std::int64_t grand) {
  if (grand == 0) return "";
  const std::int64_t all = std::int64_t{c.success} + c.failure;
  return " [" + Fixed(100.0 * static_cast<double>(all) / static_cast<double>(grand), 0) + " %]";
}

// The first number after `word` (skipping spaces), ending at "," or a space; nullopt when the
// word is not in the line.
bool NumberAfter(std::string_view line, std::string_view word, std::int32_t& out) {
  const std::size_t at = line.find(word);
  if (at == std::string_view::npos) return false;
  std::size_t i = at + word.size();
  while (i < line.size() && line[i] == ' ') ++i;
  std::int64_t n = 0;
  bool negative = false;
  if (i < line.size() && line[i] == '-') negative = true, ++i;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
    n = n * 10 + (line[i] - '0');
    if (n > INT32_MAX) n = INT32_MAX;
  }
  out = static_cast<std::int32_t>(negative ? -n : n);
  return true;
}

std::int32_t ReadCount(std::string_view line, std::string_view japanese, std::string_view english) {
  std::int32_t n = 0;
  if (NumberAfter(line, japanese, n) || NumberAfter(line, english, n)) return n;
  NumberAfter(line.substr(std::min<std::size_t>(6, line.size())), "", n);
  return n;
}


}  // namespace

NilHandTest NilHandCheck(const std::array<CardCode, TrickCount>& cards) {
  NilHandTest r;
  std::array<int, 4> inSuit{}, high{};
  for (const CardCode code : cards) {
    const int suit = SuitOf(code), rank = RankOf(code);
    if (suit < 0 || suit > 3) continue;
    ++inSuit[static_cast<std::size_t>(suit)];
    if (rank >= 8) ++high[static_cast<std::size_t>(suit)];
    if (suit == 3) {
      ++r.spades;
      if (rank >= 12) r.test = rank;
    }
  }
  for (std::size_t s = 0; s < 4; ++s) {
    if (inSuit[s] == 3 && high[s] >= 2) {
      r.test = -1;
      break;
    }
  }
  return r;
}

std::array<CardCode, TrickCount> SeatCards(const HandRecord& record, int seat) {
  std::array<CardCode, TrickCount> cards{};
  for (std::size_t t = 0; t < cards.size(); ++t)
    cards[t] = record.PlayCodes[t][static_cast<std::size_t>(seat & 3)];
  return cards;
}

TeamScores TeamScoresOfRecord(const HandRecord& record, int userSeat) {
  const int last = std::clamp(record.ScoreRowCount, 0, MaxScoreRows);
  return TeamScoresOfRow(record.ScoreRows[static_cast<std::size_t>(last)], userSeat);
}

bool CountNilDeal(NilCounts& counts, const HandRecord& record, const TeamScores& scores,
                  const NilTable& table) {
  if (!table.userKnown || table.suicide) return false;
  bool anyNil = false;
  for (std::size_t s = 0; s < 4; ++s) {
    if (record.PlayerNames[s].find("obot") != std::string::npos) return false;
    anyNil = anyNil || IsNilKind(record.Bids[s]);
  }
  if (!anyNil) return false;

  const auto seatOf = [&](int p) { return static_cast<std::size_t>(table.seatAt[static_cast<std::size_t>(p)] & 3); };
  const auto made = [&](std::size_t s) { return record.TricksWon[s] == 0; };
  const std::int32_t ours = scores.scores[0], theirs = scores.scores[1];
  const bool theyWinning = theirs > ours && theirs >= GameTargetPoints;
  const bool weWinning = ours > theirs && ours >= GameTargetPoints;
  bool ownNilMade = false;
  for (int p : {0, 2}) {
    const std::size_t s = seatOf(p);
    if (IsNilKind(record.Bids[s]) && made(s)) ownNilMade = true;
  }
  NilCounts added;
  bool counted = false;
  for (int p = 0; p < 4; ++p) {
    const std::size_t s = seatOf(p);
    const NilHandTest hand = NilHandCheck(SeatCards(record, static_cast<int>(s)));
    const int ruleRow = hand.test == 0 ? NilRowFollowing : NilRowViolating;
    const BidKind kind = BidKindOf(record.Bids[s]);
    if (kind == BidNil) {
      if (p == 0 || p == 2) {
        if (theyWinning) continue;
        const int row = p == 0 ? NilRowMine : NilRowCover;
        if (made(s)) {
          ++added[row].success, ++added[ruleRow].success, counted = true;
        } else if (p == 0) {
          ++added[row].failure, ++added[ruleRow].failure, counted = true;
        } else if (hand.spades < 4 && hand.test == 0) {
          ++added[row].failure, ++added[NilRowFollowing].failure, counted = true;
        }
      } else {
        if (weWinning) continue;
        if (!made(s)) {
          if (ours - theirs < 200 || !table.doubleNilPass) {
            ++added[NilRowSet].success;
            if (hand.spades > 3) ++added[NilRowSet4].success;
            ++added[ruleRow].failure;
            counted = true;
          }
        } else if (!ownNilMade) {
          ++added[NilRowSet].failure;
          if (hand.spades > 3) ++added[NilRowSet4].failure;
          ++added[ruleRow].success;
          counted = true;
        }
      }
    } else if (kind == BidDoubleNil) {
      if (table.doubleNilPass) continue;
      const bool bidderOurs = p == 0 || p == 2;
      const std::int32_t side = bidderOurs ? ours : theirs, other = bidderOurs ? theirs : ours;
      if (other > side && other >= GameTargetPoints) continue;
      if (made(s)) ++added[NilRowDouble].success;
      else ++added[NilRowDouble].failure;
      counted = true;
    }
  }
  if (!counted) return false;
  for (std::size_t r = 0; r < counts.rows.size(); ++r) {
    counts.rows[r].success = AddCount(counts.rows[r].success, added.rows[r].success);
    counts.rows[r].failure = AddCount(counts.rows[r].failure, added.rows[r].failure);
  }
  return true;
}

std::string PadCount(std::int64_t count, int width) {
  const std::string text = "    " + std::to_string(count);
  const std::size_t keep = static_cast<std::size_t>(std::max(width, Digits(count)) + 1);
  return text.size() <= keep ? text : text.substr(text.size() - keep);
}

int NilCountWidth(const NilCounts& counts) {
  std::int64_t largest = GrandTotalOf(counts);
  for (const NilCount& c : counts.rows) {
    largest = std::max(largest, std::int64_t{c.success} + c.failure);
    largest = std::max({largest, std::int64_t{c.success}, std::int64_t{c.failure}});
  }
  int width = Digits(largest);
  for (const NilCount& c : counts.rows)  // a negative count read from a damaged file
    width = std::max({width, Digits(c.success) + (c.success < 0), Digits(c.failure) + (c.failure < 0)});
  return width;
}

std::vector<std::string> NilStatLines(const NilCounts& c, bool japanese, const std::tm& now) {
  const NilTexts& t = japanese ? JapaneseTexts : EnglishTexts;
  const int w = NilCountWidth(c);
  const std::int64_t grand = GrandTotalOf(c);
  const WideCount total = TotalOf(c);
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%d/%02d/%02d, %02d:%02d:%02d", now.tm_year + 1900,
                now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec);
  std::vector<std::string> lines;
  lines.push_back(std::string(t.header) + stamp);
  lines.push_back(NilStatLine(t, t.labels[0], c[NilRowMine], t.rateMade, w) + Share(c[NilRowMine], grand));
  lines.push_back(NilStatLine(t, t.labels[1], c[NilRowCover], t.rateMade, w) + Share(c[NilRowCover], grand));
  lines.push_back(NilStatLine(t, t.labels[2], c[NilRowSet], t.rateSet, w) + Share(c[NilRowSet], grand));
  lines.push_back(NilStatLine(t, t.labels[3], c[NilRowSet4], t.rateSet, w) + t.fourSpades);
  lines.push_back(std::string(74, '-'));
  lines.push_back(NilStatLine(t, t.labels[4], total, t.rateMaking, w));
  lines.push_back(NilStatLine(t, t.labels[5], c[NilRowFollowing], japanese ? t.rateMade : " Making Probability =", w) +
                  Share(c[NilRowFollowing], grand));
  lines.push_back(NilStatLine(t, t.labels[6], c[NilRowViolating], japanese ? t.rateMade : " Making Probability =", w) +
                  Share(c[NilRowViolating], grand));
  lines.push_back(std::string(90, '-'));
  lines.push_back(NilStatLine(t, t.labels[7], c[NilRowDouble], japanese ? t.rateMade : " Making Probability =", w));
  lines.push_back(std::string(90, '-'));
  for (const char* rule : t.rule) lines.push_back(rule);
  lines.push_back(std::string(90, '-'));
  return lines;
}

NilCounts ReadNilStatLines(const std::vector<std::string>& lines) {
  // Line numbers (1-based) of the rows kept in the file.
  static constexpr std::array<std::pair<int, int>, 7> Rows{{{2, NilRowMine}, {3, NilRowCover},
                                                            {4, NilRowSet}, {5, NilRowSet4},
                                                            {8, NilRowFollowing},
                                                            {9, NilRowViolating},
                                                            {11, NilRowDouble}}};
  NilCounts c;
  for (const auto& [lineNo, row] : Rows) {
    if (static_cast<std::size_t>(lineNo) > lines.size()) break;
    const std::string& line = lines[static_cast<std::size_t>(lineNo - 1)];
    c[row].success = ReadCount(line, "成功", "Success");
    c[row].failure = ReadCount(line, "失敗", "Failure");
  }
  return c;
}

std::filesystem::path NilStatFileName(bool japanese) {
  return japanese ? std::filesystem::path(u8"ニル集計.TXT") : std::filesystem::path("RecordNILs.TXT");
}

std::filesystem::path NilStatBackupName(bool japanese) {
  return japanese ? std::filesystem::path(u8"ニル集計.BAK") : std::filesystem::path("RecordNILs.BAK");
}

NilStatStatus NilStatsUpdate(const std::filesystem::path& folder, bool japanese,
                             const HandRecord& record, const TeamScores& scores,
                             const NilTable& table, const std::tm& now) {
  const CodePage codePage = japanese ? CodePage::Japanese : CodePage::Western;
  const std::filesystem::path file = folder / NilStatFileName(japanese);
  std::string bytes;
  const ReadStatus status = ReadFileBytes(file, bytes);
  if (status == ReadStatus::Unreadable) return NilStatStatus::WriteFailed;
  NilCounts counts;
  if (status == ReadStatus::Ok) counts = ReadNilStatLines(DecodeTextLines(bytes, codePage));
  if (!CountNilDeal(counts, record, scores, table)) return NilStatStatus::NotCounted;

  if (status == ReadStatus::Ok) {
    std::error_code ec;
    const auto changed = std::filesystem::last_write_time(file, ec);
    bool firstToday = true;
    if (!ec) {
      const std::time_t t = std::chrono::system_clock::to_time_t(
          std::chrono::file_clock::to_sys(changed));
      firstToday = LocalTime(t).tm_mday != now.tm_mday;
    }
    if (firstToday && !ReplaceFileSafely(folder / NilStatBackupName(japanese), bytes))
      return NilStatStatus::WriteFailed;
  }
  return WriteTextFile(file, NilStatLines(counts, japanese, now), codePage)
             ? NilStatStatus::Written
             : NilStatStatus::WriteFailed;
}

}  // namespace scorlet::companion
