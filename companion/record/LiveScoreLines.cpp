#include "companion/record/LiveScoreLines.h"

#include "companion/main/App.h"

namespace scorlet::companion {

namespace {

// The rows "Bids" and "Tricks" of the score area, in the columns of the name labels.
constexpr int BidsRowY = 282;
constexpr int TricksRowY = 302;
constexpr int RowHeight = 18;
const Font LineFont{"Arial", 10, false};
const Font NilFont{"Arial", 10, true};


}  // namespace

LiveScoreLines LiveLinesOf(const App& app) {
  LiveScoreLines lines;
  lines.bids = app.deal.bids;
  lines.tricks = app.deal.tricks;
  lines.tricksShown = app.deal.tricksShown;
  return lines;
}

void ShowLiveScoreLines(App& app) {
  const LiveScoreLines lines = LiveLinesOf(app);
  FrmZ& z = app.frmZ;
  Canvas& canvas = z.form->canvas();
  for (std::size_t k = 0; k < 4; ++k) {
    const Rect column = z.plName[k]->bounds();
    canvas.fillRect(Rect{column.left, BidsRowY, column.right, TricksRowY + RowHeight},
                    app.BackColor());
    const std::string& bid = lines.bids[k];
    canvas.drawText({column.left, BidsRowY}, bid.empty() ? "-" : bid,
                    IsNilKind(bid) ? NilFont : LineFont, Colors::Black);
    if (lines.tricksShown)
      canvas.drawText({column.left, TricksRowY}, std::to_string(lines.tricks[k]), LineFont,
                      Colors::Black);
  }
}

}  // namespace scorlet::companion
