#include "summary/DealHtml.h"

#include <array>

#include "common/TextUtil.h"
#include "summary/HtmlText.h"
#include "summary/SummaryTexts.h"

namespace scorlet::summary {

namespace {

constexpr std::array<int, 4> kBiddingColumns{0, 2, 1, 3};  // North, South, East, West
constexpr std::string_view kGap = "&nbsp;&nbsp;&nbsp;";

std::string Named(const std::string& name) {
  return std::string(kBopen) + HtmlEscape(name) + std::string(kBclose);
}

std::string ScoreCell(const SideScore& side) {
  return "  <td colspan=2>" + HtmlNumber(side.score) + std::string(kGap) + "(" +
         HtmlNumber(side.bags) + ")";
}

// The score before this deal (an empty first cell) or after it ("  <td>Total" on the row's line).
void WriteScoreRow(PageText& page, const HandRecord& record, int row, bool total) {
  if (total) {
    page.Line(" <tr>  <td>Total");
  } else {
    page.Line(" <tr>");
    page.Line("  <td>");
  }
  for (int team = 0; team < 2; ++team) page.Line(ScoreCell(ScoreOf(record, row, team)));
}

void WritePointsRow(PageText& page, const HandRecord& record) {
  page.Line(" <tr><td>Points");
  for (int team = 0; team < 2; ++team) {
    if (record.ScoreRowCount < 1) {
      page.Line("  <td colspan=2>?");
    } else {
      page.Line(ScoreCell(DealPointsOf(record, team)));
    }
  }
}

// The cards of a seat in one suit, in the order of the sorted hand; nothing for a void.
std::string SuitCards(const HandRecord& record, int seat, int suit) {
  std::string cards;
  for (const auto& position : record.SortedHands) {
    const int code = position[seat];
    if (IsCardCode(code) && SuitOf(code) == suit) cards += CardRankText(record, seat, code);
  }
  return cards;
}

void WriteEmptyCells(PageText& page, int count) {
  std::string cells = "  ";
  for (int i = 0; i < count; ++i) cells += "<td>";
  page.Line(cells);
}

void WriteHandSuitRow(PageText& page, const DealView& deal, const PageOptions& options,
                      int seat, int suit) {
  page.Line("  <td>" + WriteSuitMark(suit, options));
  page.Line("  <td class=cds>" + SuitCards(deal.record, seat, suit));
}

// North or South: the name row and four suit rows in the middle columns.
void WriteCentreHand(PageText& page, const DealView& deal, const PageOptions& options,
                     int seat) {
  page.Line(" <tr>");
  WriteEmptyCells(page, 3);
  std::string cell = "  <td colspan=4 class=lft>" + Named(deal.names[seat]);
  if (seat == 0) {
    page.Line(cell + std::string(kGap) + WriteBidTrick(deal.record, seat));
  } else {
    page.Line(cell);
    page.Line("<td class=lft>" + WriteBidTrick(deal.record, seat));
  }
  for (const int suit : kListedSuits) {
    page.Line(" <tr>");
    WriteEmptyCells(page, 3);
    WriteHandSuitRow(page, deal, options, seat, suit);
  }
}

// West and East side by side.
void WriteSideHands(PageText& page, const DealView& deal, const PageOptions& options) {
  page.Line(" <tr>");
  page.Line("  <td colspan=2 class=lft>" + Named(deal.names[3]));
  page.Line("<td class=lft>" + WriteBidTrick(deal.record, 3));
  WriteEmptyCells(page, 2);
  page.Line("  <td colspan=2 class=lft>" + Named(deal.names[1]));
  page.Line("<td class=lft>" + WriteBidTrick(deal.record, 1));
  for (const int suit : kListedSuits) {
    page.Line(" <tr>");
    WriteHandSuitRow(page, deal, options, 3, suit);
    WriteEmptyCells(page, 3);
    WriteHandSuitRow(page, deal, options, 1, suit);
  }
}

std::string PlayCellContent(const DealView& deal, const PageOptions& options, int trick,
                            int seat) {
  const HandRecord& record = deal.record;
  if (record.PlayTexts[trick][seat].empty()) return {};
  const int code = record.PlayCodes[trick][seat];
  std::string card = IsCardCode(code) ? WriteSuitMark(SuitOf(code), options) +
                                            std::string(1, SymbolChar(RankOf(code))[0])
                                      : "?";
  switch (record.LeadMarks[trick][seat]) {
    case LeadLed: return "[" + card + "]";
    case LeadParen: return "(" + card + ")";
    default: return card;
  }
}

void WritePlayRow(PageText& page, const DealView& deal, const PageOptions& options, int seat) {
  const HandRecord& record = deal.record;
  page.Line(" <tr class=htp2>");
  page.Line("  <td>" + std::string(SeatLabel(seat)) + ":");
  page.Line("  <td class=lft>" + HtmlEscape(deal.names[seat]));
  for (int trick = 0; trick < TrickCount; ++trick) {
    const bool won = record.WinMarks[trick][seat] == 1;
    std::string cell = "  <td>";
    if (won && NilFailed(record, seat)) {
      cell = " <td class=nil>";
    } else if (won) {
      cell = "  <td class=wht>";
    }
    page.Line(cell + PlayCellContent(deal, options, trick, seat));
  }
}

}  // namespace

std::string WriteSuitMark(int suit, const PageOptions& options) {
  if (suit < 0 || suit > 3) return "?";
  const SuitAttributes& attributes = SuitTable[suit];
  switch (options.suitMode) {
    case SuitMode::Symbol:
      return "<span class=" + std::string(attributes.shortName) + ">&#" +
             std::to_string(attributes.symbolFontCode) + ";</span>";
    case SuitMode::Images:  // HTML 4.01 requires the alternative text
      return "<img src=\"" + std::string(attributes.imageFile) + "\" alt=\"" +
             std::string(1, attributes.letter) + "\">";
    case SuitMode::Entities: break;
  }
  return "<span class=" + std::string(attributes.shortName) + ">" +
         std::string(attributes.htmlEntity) + "</span>";
}

std::string CardRankText(const HandRecord& record, int seat, int code) {
  const std::string rank = SymbolChar(RankOf(code));
  const bool led = IsFirstLeadCard(record, seat, code);
  if (IsNilWinningCard(record, seat, code)) {
    return led ? "<span class=nil><b>" + rank + "</b></span>"
               : "<span class=nil>" + rank + "</span>";
  }
  return led ? "<b>" + rank + "</b>" : rank;
}

std::string WriteBidTrick(const HandRecord& record, int seat) {
  const std::string bid = HtmlEscape(record.Bids[seat]);
  const std::string tricks = std::to_string(record.TricksWon[seat]);
  std::string text = "<span class=f110>" + std::string(kBopen);
  if (BidKindOf(record.Bids[seat]) == BidOrdinary) {
    text += bid + std::string(kBclose) + "&nbsp;<span class=bl>(" + tricks;
  } else {
    text += "<span class=rd>" + bid + "</span>" + std::string(kBclose) +
            "&nbsp;<span class=bl>(";
    text += record.TricksWon[seat] != 0 ? "<span class=rd>" + tricks + "</span>" : tricks;
  }
  return text + ")</span></span>";
}

void WriteDealHeading(PageText& page, const DealView& deal) {
  const int leader = deal.record.FirstLeader;
  const std::string dealer = leader >= 0 && leader < 4 ? std::string(SeatName(leader)) : "?";
  page.Line("<hr class=hr2>");
  page.Line("<div id=\"Nr" + std::to_string(deal.number) + "\">" + HtmlEscape(deal.displayStem) +
            ": Deal &#35;" + std::to_string(deal.number) + "  Dealer: " + dealer + "</div>");
}

void WriteBiddingTable(PageText& page, const DealView& deal, const PageOptions& options) {
  const HandRecord& record = deal.record;
  page.Line(Text(Msg::BiddingComment, options.japanese));
  page.Line(options.strict ? "<table border=1 class=bid>"
                           : "<table border=1 align=right class=bid>");
  page.Line(" <tr><td><td>North<td>South<td>East<td>West");
  page.Line(" <tr><td>");
  for (const int seat : kBiddingColumns) page.Line("  <td>" + Named(deal.names[seat]));
  if (record.ScoreRowCount > 1) WriteScoreRow(page, record, record.ScoreRowCount - 1, false);
  page.Line(" <tr><td>Bids");
  for (const int seat : kBiddingColumns) page.Line(" <td>" + Named(record.Bids[seat]));
  page.Line(" <tr><td>Tricks");
  for (const int seat : kBiddingColumns) {
    const std::string tricks = std::to_string(record.TricksWon[seat]);
    page.Line(" <td>" + (NilFailed(record, seat) ? "<span class=rd>" + tricks + "</span>"
                                                 : tricks));
  }
  WritePointsRow(page, record);
  if (record.ScoreRowCount > 1) WriteScoreRow(page, record, record.ScoreRowCount, true);
  page.Line("</table>");
}

void WriteHandsTable(PageText& page, const DealView& deal, const PageOptions& options) {
  page.Line(Text(Msg::HandComment, options.japanese));
  page.Line(options.strict ? "<table border=0 class=hand>"
                           : "<table border=0 align=left class=hand>");
  WriteCentreHand(page, deal, options, 0);
  WriteSideHands(page, deal, options);
  WriteCentreHand(page, deal, options, 2);
  page.Line("</table>");
  page.Line("<div class=clrboth><hr></div>");
}

void WritePlayTable(PageText& page, const DealView& deal, const PageOptions& options) {
  page.Line(Text(Msg::PlayComment, options.japanese));
  if (options.strict) {
    page.Line("<div class=ctr>");
    page.Line("<table border=0 class=play>");
  } else {
    page.Line("<table border=0 align=center class=play>");
  }
  page.Line(" <tr class=htp1>");
  std::string header = "  <td><td>";
  for (int trick = 1; trick <= TrickCount; ++trick) header += "<td>" + std::to_string(trick);
  page.Line(header);
  page.Line(" <tr><td colspan=15><hr>");
  for (int seat = 0; seat < 4; ++seat) WritePlayRow(page, deal, options, seat);
  page.Line("</table>");
  if (options.strict) page.Line("</div>");
}

void WriteDealHtml(PageText& page, const DealView& deal, const PageOptions& options) {
  WriteDealHeading(page, deal);
  WriteBiddingTable(page, deal, options);
  WriteHandsTable(page, deal, options);
  WritePlayTable(page, deal, options);
}

}  // namespace scorlet::summary
