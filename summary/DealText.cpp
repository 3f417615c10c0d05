#include "summary/DealText.h"

#include <array>

#include "common/TextUtil.h"
#include "summary/HtmlText.h"
#include "summary/NameFit.h"
#include "summary/PageOptions.h"

namespace scorlet::summary {

namespace {

constexpr std::size_t kCompassColumn = 20;
constexpr std::size_t kEastColumn = 32;
constexpr std::array<std::string_view, 4> kCompass{" ---N---- ", "| W      |", "|      E |",
                                                   " ----S--- "};

std::string SuitLine(const HandRecord& record, int seat, int suit) {
  std::string line = SuitLetter(suit) + ": ";
  bool any = false;
  for (const auto& position : record.SortedHands) {
    const int code = position[seat];
    if (IsCardCode(code) && SuitOf(code) == suit) {
      line += SymbolChar(RankOf(code));
      any = true;
    }
  }
  return any ? line : line + "-";
}

// Name line and four suit lines of a seat.
std::array<std::string, 5> HandBlock(const HandRecord& record, const std::string& name,
                                     int seat) {
  std::array<std::string, 5> block;
  block[0] = std::string(SeatName(seat)) + "  " + name;
  for (std::size_t i = 0; i < kListedSuits.size(); ++i) {
    block[i + 1] = SuitLine(record, seat, kListedSuits[i]);
  }
  return block;
}

std::string PlayCell(const HandRecord& record, int trick, int seat) {
  const std::string& card = record.PlayTexts[trick][seat];
  if (card.empty()) return "    ";
  std::string cell;
  switch (record.LeadMarks[trick][seat]) {
    case LeadLed: cell = "["; break;
    case LeadParen: cell = "("; break;
    default: cell = " ";
  }
  cell += PadRight(Printable(card), 2);
  switch (record.LeadMarks[trick][seat]) {
    case LeadLed: return cell + "]";
    case LeadParen: return cell + ")";
    default: return cell + " ";
  }
}

std::string SideColumn(const SideScore& side) {
  return Str4(side.score) + " (" + Str4(side.bags) + ")";
}

std::string Pair(const std::string& first, const std::string& second) {
  return PadLeft(first, 4) + " + " + PadLeft(second, 4);
}

std::string ScoreLine(std::string_view label, const HandRecord& record, int row) {
  if (record.ScoreRowCount < 1 || row < 0) return std::string(label) + "   ?              ?";
  return std::string(label) + SideColumn(ScoreOf(record, row, 0)) + "   " +
         SideColumn(ScoreOf(record, row, 1));
}

}  // namespace

std::vector<std::string> CompassDrawing(const HandRecord& record,
                                        const std::array<std::string, 4>& names) {
  std::vector<std::string> lines;
  const std::string indent(kCompassColumn, ' ');
  for (const std::string& line : HandBlock(record, names[0], 0)) lines.push_back(indent + line);
  const auto west = HandBlock(record, names[3], 3);
  const auto east = HandBlock(record, names[1], 1);
  for (std::size_t i = 0; i < west.size(); ++i) {
    std::string line = PadRight(west[i], kCompassColumn - 1) + " ";
    line += i >= 1 ? std::string(kCompass[i - 1]) : std::string(kCompass[0].size(), ' ');
    line = PadRight(line, kEastColumn - 1) + " " + east[i];
    lines.push_back(line);
  }
  for (const std::string& line : HandBlock(record, names[2], 2)) lines.push_back(indent + line);
  return lines;
}

std::vector<std::string> ScoreLines(const HandRecord& record) {
  const int last = record.ScoreRowCount;
  std::vector<std::string> lines;
  lines.push_back("        North-South    East-West");
  lines.push_back(ScoreLine(" Score  ", record, last - 1));
  lines.push_back(" Bid    " + Pair(Printable(record.Bids[0]), Printable(record.Bids[2])) +
                  "   " + Pair(Printable(record.Bids[1]), Printable(record.Bids[3])));
  lines.push_back("Tricks  " +
                  Pair(NumText(record.TricksWon[0]), NumText(record.TricksWon[2])) + "   " +
                  Pair(NumText(record.TricksWon[1]), NumText(record.TricksWon[3])));
  if (last < 1) {
    lines.push_back("Points     ?              ?");
  } else {
    lines.push_back("Points  " + SideColumn(DealPointsOf(record, 0)) + "   " +
                    SideColumn(DealPointsOf(record, 1)));
  }
  lines.push_back(ScoreLine(" Total  ", record, last));
  return lines;
}

void WriteDealText(PageText& page, const DealView& deal) {
  const HandRecord& record = deal.record;
  const int leader = record.FirstLeader;
  page.Line(std::string(kTextRuleWidth, '='));
  page.Line(std::to_string(deal.number) + ": Deal #" + deal.displayStem + "  Dealer: " +
            (leader >= 0 && leader < 4 ? std::string(SeatName(leader)) : "?"));
  page.Line(std::string(kTextRuleWidth, '-'));
  std::string header = "   ";
  for (int trick = 1; trick <= TrickCount; ++trick) {
    header += ' ';
    header += std::to_string(trick);
    header += trick < 10 ? "  " : " ";
  }
  page.Line(header);
  page.Line(std::string(kTextRuleWidth, '-'));
  for (int seat = 0; seat < 4; ++seat) {
    std::string line = std::string(SeatLabel(seat)) + "  ";
    for (int trick = 0; trick < TrickCount; ++trick) line += PlayCell(record, trick, seat);
    page.Line(line);
  }
  page.Line();
  std::array<std::string, 4> names;
  for (int seat = 0; seat < 4; ++seat) names[seat] = Printable(record.PlayerNames[seat]);
  for (const std::string& line : CompassDrawing(record, ShortenNames(names))) page.Line(line);
  page.Line();
  for (const std::string& line : ScoreLines(record)) page.Line(line);
}

}  // namespace scorlet::summary
