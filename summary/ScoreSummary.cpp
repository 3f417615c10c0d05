#include "summary/ScoreSummary.h"

#include <system_error>

#include "common/SafeFile.h"
#include "common/TextUtil.h"
#include "summary/HtmlText.h"
#include "summary/NameFit.h"
#include "summary/SummaryTexts.h"

namespace scorlet::summary {

namespace {

std::string LinkCell(std::size_t k) {
  std::string cell = " <td><a href=\"#Nr" + std::to_string(k) + "\">&nbsp;&nbsp;&nbsp;";
  if (k < 10) cell += "&nbsp;";
  return cell + std::to_string(k) + "&nbsp;&nbsp;&nbsp;</a>";
}

void WriteHtmlRow(PageText& page, const std::optional<ScoreRow>& row, std::size_t k) {
  page.Line("<tr>");
  page.Line(k > 0 ? LinkCell(k) : " <td>");
  for (int column = 0; column < 4; ++column) {
    page.Line(" <td>" + (row ? HtmlNumber((*row)[column]) : std::string("?")));
  }
}

std::string TextRow(const std::optional<ScoreRow>& row, std::size_t k) {
  std::string line = PadLeft(std::to_string(k), 4) + " |  ";
  for (int column = 0; column < 4; ++column) {
    line += PadLeft(row ? NumText((*row)[column]) : "?", 5);
    if (column == 1) line += "  |  ";
  }
  return line;
}

}  // namespace

void AddDealScore(PageScores& scores, const HandRecord& record) {
  const int last = record.ScoreRowCount;
  const bool known = last >= 1 && last <= MaxScoreRows;
  if (scores.deals.empty() && known && last > 1) scores.before = record.ScoreRows[last - 1];
  if (known) {
    scores.deals.push_back(record.ScoreRows[last]);
  } else {
    scores.deals.push_back(std::nullopt);
  }
  scores.names = record.PlayerNames;
}

void WriteHtmlScoreTable(PageText& page, const PageScores& scores, const std::string& displayStem,
                         const PageOptions& options) {
  if (options.strict) {
    page.Line("<div class=ctr>");
    page.Line("<table border=1 class=score>");
  } else {
    page.Line("<table border=1 align=center class=score>");
  }
  page.Line("<caption><b>" + std::string(Text(Msg::ScoreCaption, options.japanese)) +
            "</b> (" + HtmlEscape(displayStem) + ")</caption>");
  page.Line("<tr><td>Deal &#35;");
  for (int team = 0; team < 2; ++team) {
    const auto pair = AdjNames(scores.names, team, kScoreHeaderWidth / 2);
    page.Line(" <td colspan=2>" + HtmlEscape(pair[0]) + "<b>/</b>" + HtmlEscape(pair[1]));
  }
  if (scores.before) WriteHtmlRow(page, scores.before, 0);
  for (std::size_t k = 1; k <= scores.deals.size(); ++k) WriteHtmlRow(page, scores.deals[k - 1], k);
  page.Line("</table>");
  if (options.strict) page.Line("</div>");
  page.Line();
}

void WriteTextScoreTable(PageText& page, const PageScores& scores, const std::string& displayStem,
                         const PageOptions& options) {
  const std::string rule = std::string(10, ' ') + std::string(35, '-');
  page.Line(rule);
  page.Line("    " + std::string(Text(Msg::TextScoreCaption, options.japanese)) + " (" +
            displayStem + ")");
  page.Line(rule);
  std::string names = "      ";
  for (int team = 0; team < 2; ++team) {
    const auto pair = AdjNames(scores.names, team, kScoreHeaderWidth / 2);
    names += (team == 0 ? "" : "  |  ") + pair[0] + "/" + pair[1];
  }
  page.Line(names);
  if (scores.before) page.Line(TextRow(scores.before, 0));
  for (std::size_t k = 1; k <= scores.deals.size(); ++k) page.Line(TextRow(scores.deals[k - 1], k));
  page.Line();
}

}  // namespace scorlet::summary
