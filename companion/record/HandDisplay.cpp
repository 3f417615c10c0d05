// Drawing a loaded hand in the main window: the last-hand summary with its score block, the
// play grid, the four hands, the name labels and the bid summary.
#include "companion/record/HandDisplay.h"

#include <algorithm>
#include <string>

#include "companion/main/App.h"
#include "companion/record/CardDisplays.h"
#include "companion/record/LiveCards.h"

namespace scorlet::companion {

namespace {

// The score area's rows (the name labels' columns across).
constexpr int BidsRowY = 282;
constexpr int LabelRowY = 322;
constexpr int PointsRowY = 342;
constexpr int TotalRowY = 362;
constexpr int GroupLeft[2] = {76, 236};  // opponents, the user's partnership
constexpr int GroupWidth = 156;
constexpr int NameWidth = 76;
// The play grid fills the foot of the band between the score area and the hands, under the
// first lines of printed messages (which start at the band's top).
constexpr int GridLineHeight = 6;
constexpr int GridHeight = 68;
constexpr Color NilTricksColor = Rgb(255, 0, 128);
const Font SummaryFont{"Times New Roman", 8, false};
const Font BidFont{"Arial", 8, false};

int GridTop(const App&) { return HandBlockPlace(2).y - GridHeight - 2; }

Rect SummaryArea() { return Rect{GroupLeft[0], BidsRowY, GroupLeft[1] + GroupWidth + 4, TotalRowY + 16}; }

Rect GridArea(const App& app) {
  // The card columns only: the row labels are drawn over themselves, and a message printed at
  // the left margin of the band stays.
  return Rect{TrickColumnX(0, 4), GridTop(app), FrmZWidth, GridTop(app) + GridHeight};
}

// One seat's bid: "[" bid "]" for the first leader, bold for a Nil bid; returns the pen.
int DrawBid(Canvas& canvas, Point at, const BidSummaryEntry& e, const Font& font, Color color) {
  Font f = font;
  f.bold = e.bold;
  const std::string text = e.leader ? "[" + e.bid + "]" : e.bid;
  canvas.drawText(at, text, f, e.leader ? Colors::Blue : color);
  return at.x + canvas.textWidth(text, f);
}

void DrawBidSummary(App& app, const BidSummaryView& view) {
  FrmZ& z = app.frmZ;
  Canvas& canvas = z.form->canvas();
  for (std::size_t k = 0; k < 4; ++k) {
    const BidSummaryEntry& e = view.entries[k];
    const int left = z.plName[k]->bounds().left;
    canvas.fillRect(Rect{left, BidsRowY, left + NameWidth, BidsRowY + 18}, app.BackColor());
    int x = DrawBid(canvas, {left, BidsRowY}, e, BidFont, Colors::Black);
    const Font paren{"Arial", 8, false};
    canvas.drawText({x, BidsRowY}, "(", paren, Colors::Blue);
    x += canvas.textWidth("(", paren);
    const std::string count = std::to_string(e.count);
    const Font countFont{"Arial", 8, e.nil};
    canvas.drawText({x, BidsRowY}, count, countFont, e.nil ? NilTricksColor : Colors::Black);
    x += canvas.textWidth(count, countFont);
    canvas.drawText({x, BidsRowY}, ")", paren, Colors::Blue);
  }
  if (!app.settings.logFile.empty()) {
    z.SumBid->setCaption(std::to_string(view.bidSum));
    z.SumBid->setVisible(true);
  }
}

void DrawNameLabels(App& app, const HandRecord& record) {
  FrmZ& z = app.frmZ;
  const int cw = z.form->canvas().textWidth("W", z.plName[0]->font());
  const NameLabelsView view =
      NameLabelsOf(record, app.SeatRotation[0], -1, NameWidth, std::max(1, cw));
  for (std::size_t k = 0; k < 4; ++k) {
    Label& label = *z.plName[k];
    label.setCaption(view.names[k]);
    label.setFontBold(view.bold[k]);
    label.setVisible(true);
  }
}

void DrawLastHandSummary(App& app, const LastHandSummaryView& view) {
  Canvas& canvas = app.frmZ.form->canvas();
  const int cw = canvas.textWidth("0", SummaryFont);
  for (std::size_t g = 0; g < 2; ++g) {
    const TeamSummary& t = view.teams[g];
    const int left = GroupLeft[g];
    PrintTeamLabel(canvas, {left, LabelRowY}, t.first, t.second, GroupWidth - 4, t.mode,
                   SummaryFont);
    int x = DrawBid(canvas, {left, PointsRowY}, t.bids[0], SummaryFont, Colors::Black);
    DrawBid(canvas, {x + cw, PointsRowY}, t.bids[1], SummaryFont, Colors::Black);
    if (view.rows < 1) continue;
    const int column = left + 96;
    const int next = left + 96 + 5 * cw;
    ShowPts(canvas, PointsRowY, view.scoreRows[0], view.scoreRows[1], t.column, column, next,
            SummaryFont);
    if (view.rows >= 2)
      ShowTotal(canvas, TotalRowY, view.scoreRows[1], t.column, column, next, SummaryFont);
  }
}

}  // namespace

void DrawHandRecord(App& app, const HandRecord& record) {
  FrmZ& z = app.frmZ;
  if (z.form == nullptr) return;
  ClearHandDrawings(app);
  const int bottom = app.SeatRotation[0];
  Canvas& canvas = z.form->canvas();
  DrawLastHandSummary(app, LastHandSummaryOf(record, bottom));
  DrawPlayGrid(canvas, app.record.cards.strip, PlayGridOfRecord(record, bottom),
               {4, GridTop(app)}, GridLineHeight);
  const HandsView hands = FourHandsOfRecord(record, bottom);
  Font font = HandFont;
  font.size = 8;
  for (std::size_t p = 0; p < 4; ++p) {
    HandBlock block;
    block.suits = hands.suits[p];
    DrawHandBlock(canvas, HandBlockPlace(static_cast<int>(p)), block, font, app.BackColor(),
                  HandBlockWidth);
  }
  DrawNameLabels(app, record);
  DrawBidSummary(app, BidSummaryOf(record, bottom));
}

void ClearHandDrawings(App& app) {
  FrmZ& z = app.frmZ;
  if (z.form == nullptr) return;
  Canvas& canvas = z.form->canvas();
  canvas.fillRect(SummaryArea(), app.BackColor());
  canvas.fillRect(GridArea(app), app.BackColor());
  for (int p = 0; p < 4; ++p) {
    const Point at = HandBlockPlace(p);
    canvas.fillRect(Rect{at.x, at.y, at.x + HandBlockWidth, at.y + 4 * 13}, app.BackColor());
  }
}

}  // namespace scorlet::companion
