#include "companion/bidhelp/BidHelp.h"

#include <algorithm>

#include "common/Notation.h"
#include "common/TextUtil.h"
#include "companion/main/App.h"
#include "companion/record/Scoring.h"
#include "platform/Window.h"

namespace scorlet::companion {

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int ThirdSeatHeight = 1680 / TwipsPerPixel;
constexpr int FourthSeatHeight = 1980 / TwipsPerPixel;
constexpr int FourthSeatWidth = 2735 / TwipsPerPixel;
constexpr int HelperWidth = FourthSeatWidth;
constexpr Point BesideTableOffset{60, 120};  // from the table window's top-left corner

constexpr int LineHeight = 16;
constexpr int BidColumn = 4;
constexpr int ScoreColumn = 64;
constexpr Color ProposalColor = Rgb(0, 0, 255);  // &HFF0000

const Font NumberFont{"Arial", 9, false};
const Font ArrowFont{"Symbol", 9, false};

const char* const ThirdSeatCaption = "Help Bid in 3-rd Seat";
const char* const FourthSeatCaption = "Help 4-th Bid";

std::string Num(int n) { return std::to_string(n); }

// The window's controls, made the first time it is filled.
Form& HelpBidForm(App& app) {
  HelperWindow& w = app.windows.helpBid;
  Form& form = LoadHelper(app.forms, w);
  if (form.control("pic") == nullptr) {
    form.setBorderStyle(BorderStyle::ToolWindow);
    Label& capt = form.addLabel("Capt");
    capt.setBounds({BidColumn, 0, HelperWidth - 8, LineHeight});
    for (int i = 0; i < 2; ++i) {
      form.addLabel("YouBid(" + Num(i) + ")").setVisible(false);
      form.addLabel("TheyBid(" + Num(i) + ")").setVisible(false);
    }
    form.addPicture("pic");
    // Placed once, when loaded: the configured position, or beside the table.
    WindowPos at = app.settings.helpBidPos;
    Rect table;
    if (at.x == kBesideTable && at.y == kBesideTable) {
      at = {0, 0};
      if (app.game.TableWindow != 0 && app.desktop.windowRect(app.game.TableWindow, table))
        at = {table.left + BesideTableOffset.x, table.top + BesideTableOffset.y};
    }
    form.setBounds({at.x, at.y, at.x + HelperWidth, at.y + ThirdSeatHeight});
    form.onUnload = [&w] {
      w.state = HelperState::NotLoaded;
      w.form = nullptr;
    };
  }
  return form;
}

// The bid text of one option in the picture: what was bid in black, the proposal in blue for
// the user's side.
void DrawOption(PictureBox& pic, int y, const HelpOption& option, bool ours) {
  Canvas& canvas = pic.canvas();
  const std::string made = option.made + ", ";
  canvas.drawText({BidColumn, y}, made, NumberFont, Colors::Black);
  canvas.drawText({BidColumn + canvas.textWidth(made, NumberFont), y}, option.proposed,
                  NumberFont, ours ? ProposalColor : Colors::Black);
}

void FillHelpBid(App& app, const HelpBidAdvice& a, const char* caption, int height, int youLines) {
  Form& form = HelpBidForm(app);
  form.setCaption(caption);
  const Rect b = form.bounds();
  form.setBounds({b.left, b.top, b.left + HelperWidth, b.top + height});
  static_cast<Label*>(form.control("Capt"))->setCaption(caption);
  for (int i = 0; i < 2; ++i) {
    const auto k = static_cast<std::size_t>(i);
    form.control("YouBid(" + Num(i) + ")")->setCaption(i < youLines ? a.youBid[k].text() : "");
    form.control("TheyBid(" + Num(i) + ")")->setCaption(i < a.theyLines ? a.theyBid[k].text() : "");
  }
  auto& pic = *static_cast<PictureBox*>(form.control("pic"));
  const Size client = form.clientSize();
  pic.setBounds({0, LineHeight, client.width, std::max(client.height, LineHeight * 6)});
  pic.canvas().clear(app.BackColor());
  int y = 2;
  const std::array<std::int32_t, 2> ours{a.ours.projected1, a.ours.projected2};
  const std::array<std::int32_t, 2> theirs{a.theirs.projected1, a.theirs.projected2};
  for (int i = 0; i < youLines; ++i, y += LineHeight) {
    DrawOption(pic, y, a.youBid[static_cast<std::size_t>(i)], true);
    PrintLine(pic, ScoreColumn, y, a.ours.score, ours[static_cast<std::size_t>(i)]);
  }
  for (int i = 0; i < a.theyLines; ++i, y += LineHeight) {
    DrawOption(pic, y, a.theyBid[static_cast<std::size_t>(i)], false);
    PrintLine(pic, ScoreColumn, y, a.theirs.score, theirs[static_cast<std::size_t>(i)]);
  }
}

}  // namespace

std::optional<HelpBidAdvice> AdviseBid(const std::array<std::string, 4>& bids, bool anyDeal,
                                       std::int32_t ourScore, std::int32_t theirScore,
                                       int bidsRead, bool always) {
  if (!anyDeal) return std::nullopt;
  HelpBidAdvice a;
  a.ours.score = ourScore;
  a.theirs.score = theirScore;
  a.ours.projected1 = ourScore + ScoreBid(bids[0]) + ScoreBid(bids[2]);
  a.theirs.projected1 = theirScore + ScoreBid(bids[1]) + ScoreBid(bids[3]);
  a.ours.projected2 = a.ours.projected1;
  a.theirs.projected2 = a.theirs.projected1;

  if (bidsRead == 3) {
    if (!always && a.theirs.projected1 < FourthSeatThreshold) return std::nullopt;
    a.seat = 4;
    a.theyLines = 1;
    a.theyBid[0] = {bids[1], bids[3]};
    const int k = std::clamp(a.theirs.projected1 - a.ours.projected1, 0, 130) / 10;
    a.youBid[0] = {bids[2], Num(k)};
    a.ours.projected1 += 10 * k;
    a.youBid[1] = {bids[2], Num(k + 1)};
    a.ours.projected2 = a.ours.projected1 + 10;
    return a;
  }
  if (bidsRead != 2 || bids[2].empty() || bids[3].empty()) return std::nullopt;
  if (!always && a.theirs.projected1 < ThirdSeatThreshold) return std::nullopt;
  a.seat = 3;
  // The tricks left to the user and the left-hand opponent; never below 0, even when the bids
  // read add up to more than a deal.
  const int left = std::max(0, DealTricks - BidNumberOf(bids[2]) - BidNumberOf(bids[3]));
  int v = 0;
  for (int bid = 1; bid <= left; ++bid) {
    if (a.theirs.projected1 + 10 * (left - bid) < a.ours.projected1 + 10 * bid) {
      v = bid;
      break;
    }
  }
  // The user's proposals (first, second) and the left-hand opponent's answers, in tricks; -1
  // stands for a Nil.
  int you1 = v, you2 = v - 1, they1 = left - v, they2 = left - v + 1;
  if (v == 0) you1 = -1, you2 = 1, they1 = left, they2 = std::max(0, left - 1);
  if (v == 1) you1 = 1, you2 = -1, they1 = left - 1, they2 = left;
  const auto bidText = [](int tricks) { return tricks < 0 ? std::string("N") : Num(tricks); };
  const auto points = [](int tricks) { return tricks < 0 ? ScoreBid("N") : 10 * tricks; };
  a.youBid[0] = {bids[2], bidText(you1)};
  a.youBid[1] = {bids[2], bidText(you2)};
  a.theyBid[0] = {bids[3], bidText(they1)};
  a.theyBid[1] = {bids[3], bidText(they2)};
  a.ours.projected1 += points(you1);
  a.ours.projected2 += points(you2);
  a.theirs.projected1 += points(they1);
  a.theirs.projected2 += points(they2);
  return a;
}

void Show_HelpBid(App& app) {
  const CounterDisplays& c = app.record.counterDisplays;
  const TeamScores team = TeamScoresOfRow(c.scoreRow, app.SeatRotation[0]);
  // The bids read by the latest bid pass: the deal's own bids are kept only once all four are in.
  const std::optional<HelpBidAdvice> advice =
      AdviseBid(app.deal.bids, c.scoreRows > 0, team.scores[0], team.scores[1],
                app.counters.BidsRead, !app.settings.logFile.empty());
  if (!advice) return;
  HelperWindow& w = app.windows.helpBid;
  if (advice->seat == 4) {
    ShowScore4(app, *advice);
    ShowHelper(w, false);
  } else {
    ShowScore3(app, *advice);
    ShowHelper(w, true);
  }
  MakeTopmost(app.desktop, w.handle());
}

void HideHelpBid(App& app) {
  HelperWindow& w = app.windows.helpBid;
  if (w.form != nullptr && w.form->loaded()) HideHelper(w);
}

void ShowScore3(App& app, const HelpBidAdvice& advice) {
  FillHelpBid(app, advice, ThirdSeatCaption, ThirdSeatHeight, 2);
}

void ShowScore4(App& app, const HelpBidAdvice& advice) {
  FillHelpBid(app, advice, FourthSeatCaption, FourthSeatHeight, 2);
}

void PrintLine(PictureBox& pic, int x, int y, std::int32_t score, std::int32_t projected) {
  Canvas& canvas = pic.canvas();
  const std::string from = std::to_string(score);
  canvas.drawText({x, y}, from, NumberFont, Colors::Black);
  x += canvas.textWidth(from, NumberFont) + 2;
  const std::string arrow = "\xC2\xAE";  // character 174: the arrow of the Symbol font
  canvas.drawText({x, y - 2}, arrow, ArrowFont, Colors::Black);
  x += canvas.textWidth(arrow, ArrowFont) + 2;
  canvas.drawText({x, y}, std::to_string(projected), NumberFont, Colors::Black);
}

}  // namespace scorlet::companion
