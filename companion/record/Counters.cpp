#include "companion/record/Counters.h"

#include <algorithm>

#include "common/Notation.h"
#include "companion/record/Scoring.h"

namespace scorlet::companion {

namespace {

// The Nil kinds by BidKind.
constexpr std::array<std::string_view, 3> NilKindNames{"", "Nil", "DNil"};

bool AllFourBids(const std::array<std::string, 4>& bids) {
  return std::none_of(bids.begin(), bids.end(), [](const std::string& b) { return b.empty(); });
}

// The number a label shows, -1 when it shows none.
int ShownNumber(const CounterLabel& label) {
  if (label.text.empty() || label.text[0] < '0' || label.text[0] > '9') return -1;
  return BidNumberOf(label.text);
}

void SetState(CounterLabel& label, std::string text, Color color, bool bold, int size) {
  label = CounterLabel{std::move(text), color, bold, size, true};
}

// "[n]" in red when it leads at 500 or more, blue when negative, else black.
void ShowProjection(CounterLabel& label, int value, int other) {
  label.text = "[" + std::to_string(value) + "]";
  label.color = value > other && value >= GameTargetPoints ? Colors::Red
                : value < 0                                ? Colors::Blue
                                                           : Colors::Black;
  label.visible = true;
}

}  // namespace

void ClrCounter(CounterView& view) {
  for (auto* row : {&view.cBid, &view.cTrk})
    for (CounterLabel& l : *row) l = CounterLabel{};
  for (auto* row : {&view.cPts0, &view.cBag0, &view.cBag, &view.aPt, &view.cPts})
    for (CounterLabel& l : *row) l = CounterLabel{};
  for (CounterLabel& l : view.cBag) l.visible = false;
  view.wide = false;
}

void SetWidth1(CounterView& view) { view.wide = false; }
void SetWidth2(CounterView& view) { view.wide = true; }

void ShowCounterInit(CounterKind kind, CounterState& state, CounterView& view,
                     const std::array<int, 2>& scores, const std::array<int, 2>& bags,
                     const std::array<std::string, 4>& bids) {
  state.bids = bids;
  state.nilWon = {};
  for (std::size_t p = 0; p < 2; ++p) {
    const std::string& first = bids[p];
    const std::string& second = bids[p + 2];
    state.TeamScore[p] = scores[p];
    state.TeamBags[p] = bags[p];
    state.TeamBid[p] = TeamBidOf(first, second);
    const bool nil = BidKindOf(first) != BidOrdinary || BidKindOf(second) != BidOrdinary;
    view.cBid[p] = CounterLabel{std::to_string(state.TeamBid[p]), nil ? Colors::Red : Colors::Black};
    view.cPts0[p] = CounterLabel{std::to_string(scores[p])};
    if (kind == CounterKind::Left && scores[p] < 0) view.cPts0[p].color = Colors::Blue;
    view.cBag0[p] = CounterLabel{"(" + std::to_string(bags[p]) + ")"};
    view.cBag[p] = CounterLabel{};
    view.cBag[p].visible = false;
  }
  const int total = state.TeamBid[0] + state.TeamBid[1];
  view.cBid[2] = CounterLabel{std::to_string(total)};
  if (!AllFourBids(bids)) {
    for (CounterLabel& l : view.cBid) l.color = Colors::Black;
    return;
  }
  view.cBid[2].color = total >= 13 ? DarkRed : total >= 11 ? Colors::Black : Fuchsia;
  if (kind != CounterKind::Right) return;
  for (std::size_t p = 0; p < 2; ++p)
    state.BidProjection[p] = BidProjectionOf(scores[p], bids[p], bids[p + 2]);
  for (std::size_t p = 0; p < 2; ++p)
    ShowProjection(view.aPt[p], state.BidProjection[p], state.BidProjection[1 - p]);
}

void ShowCounterNow(CounterState& state, CounterView& view,
                    const std::optional<std::array<int, 2>>& points,
                    const std::array<int, 4>& tricks) {
  // A count on screen never goes down within a hand.
  std::array<int, 3> team{tricks[0] + tricks[2], tricks[1] + tricks[3], 0};
  team[2] = team[0] + team[1];
  for (std::size_t k = 0; k < 3; ++k) {
    const int shown = ShownNumber(view.cTrk[k]);
    if (team[k] > shown) {
      view.cTrk[k] = CounterLabel{std::to_string(team[k])};
    } else {
      team[k] = shown;
    }
  }
  const int played = team[2];
  std::array<int, 2> expected = state.BidProjection;
  for (std::size_t p = 0; p < 2; ++p) {
    const int bid = state.TeamBid[p];
    const int own = team[p];
    CounterLabel& line = view.cBag[p];
    switch (BidStateOf(bid, own, team[1 - p], played)) {
      case BidState::Open:
        break;
      case BidState::Making:
        SetState(line, "Just Making", Colors::Blue, false, 11);
        break;
      case BidState::Over: {
        const int over = own - bid;
        SetState(line, " + " + std::to_string(over) + " = " +
                           std::to_string(state.TeamBags[p] + over),
                 Colors::Black, true, 12);
        break;
      }
      case BidState::Set:
        SetState(line, "   Set", Fuchsia, true, 12);
        break;
    }
    std::array<NilMember, 2> nils{};
    for (std::size_t m = 0; m < 2; ++m) {
      const std::size_t j = p + 2 * m;
      const BidKind nilKind = BidKindOf(state.bids[j]);
      if (nilKind == BidOrdinary) continue;
      // A Nil bidder who has won a trick stays set, whatever a later reading shows.
      state.nilWon[j] = state.nilWon[j] || tricks[j] > 0;
      const bool won = state.nilWon[j];
      nils[m] = NilMember{nilKind, won};
      const std::string name(NilKindNames[static_cast<std::size_t>(nilKind)]);
      if (won) {
        expected[p] -= 200 * nilKind;
        SetState(line, name + " Set", Fuchsia, true, 12);
      } else if (played >= DealTricks) {
        SetState(line, name.substr(0, 1) + " Making", Colors::Blue, true, 12);
      }
    }
    state.HandProjection[p] = HandProjectionOf(state.TeamScore[p], state.TeamBags[p], bid, own,
                                               team[1 - p], played, nils);
  }
  for (std::size_t p = 0; p < 2; ++p) {
    ShowProjection(view.aPt[p], expected[p], expected[1 - p]);
    const int after = played >= DealTricks && points ? (*points)[p] : state.HandProjection[p];
    view.cPts[p] = CounterLabel{after < ScoreFloor ? std::to_string(ScoreFloor)
                                                   : std::to_string(after)};
    if (after < 0) view.cPts[p].color = Colors::Blue;
  }
  SetWidth2(view);
}

namespace {

constexpr int RowTop = 4;
constexpr int Gap = 6;
constexpr int WideExtraHeight = 4;
const Font CounterFont{"Arial", 10, false};
const Font StateFont{"Arial", 12, true};
const Font MakingFont{"Arial", 11, false};

struct Column {
  int x = 0;
  int width = 0;
  Alignment alignment = Alignment::Left;
};

// The columns, each as wide as the widest text it can show in this form's fonts.
struct CounterLayout {
  Column title, bid, score, bag, tricks, state, expected, after;
  int rowPitch = 0;
  int narrowWidth = 0;
  int wideWidth = 0;
};

CounterLayout LayoutFor(const Canvas& canvas) {
  auto widest = [&canvas](std::initializer_list<std::pair<const char*, const Font*>> texts) {
    int w = 0;
    for (const auto& [text, font] : texts) w = std::max(w, canvas.textWidth(text, *font));
    return w;
  };
  CounterLayout l;
  int x = 4;
  auto next = [&x](Column& c, int width, Alignment a) {
    c = Column{x, width, a};
    x += width + Gap;
  };
  next(l.title, widest({{"Me/Pard", &CounterFont}, {"LHO/RHO", &CounterFont}}), Alignment::Left);
  next(l.bid, widest({{"26", &CounterFont}}), Alignment::Right);
  next(l.score, widest({{"-1000", &CounterFont}}), Alignment::Right);
  next(l.bag, widest({{"(10)", &CounterFont}}), Alignment::Left);
  l.narrowWidth = std::max(NarrowCounterWidth, x);
  next(l.tricks, widest({{"13", &CounterFont}}), Alignment::Right);
  next(l.state, widest({{" + 13 = 22", &StateFont}, {"DNil Set", &StateFont},
                        {"Just Making", &MakingFont}}),
       Alignment::Left);
  next(l.expected, widest({{"[1000]", &CounterFont}}), Alignment::Right);
  next(l.after, widest({{"-1000", &CounterFont}}), Alignment::Right);
  l.wideWidth = std::max(WideCounterWidth, x);
  l.rowPitch = std::max(canvas.textHeight(StateFont), canvas.textHeight(CounterFont)) + 2;
  return l;
}

Label& LabelOf(Form& form, const std::string& name) {
  if (Control* c = form.control(name)) {
    if (auto* label = dynamic_cast<Label*>(c)) return *label;
  }
  return form.addLabel(name);
}

void Put(Form& form, const std::string& name, std::size_t index, const CounterLabel& value,
         const Column& column, int rowPitch, bool inLayout) {
  Label& label = LabelOf(form, name + "(" + std::to_string(index) + ")");
  const int top = RowTop + static_cast<int>(index) * rowPitch;
  label.setBounds(Rect{column.x, top, column.x + column.width, top + rowPitch});
  label.setAlignment(column.alignment);
  label.setCaption(value.text);
  label.setForeColor(value.color);
  Font font = CounterFont;
  font.bold = value.bold;
  font.size = value.size;
  label.setFont(font);
  label.setVisible(inLayout && value.visible);
}

}  // namespace

void DrawCounter(Form& form, const CounterView& view) {
  const bool wide = view.wide;
  const CounterLayout l = LayoutFor(form.canvas());
  const int pitch = l.rowPitch;
  for (std::size_t p = 0; p < 2; ++p) {
    const CounterLabel title{std::string(RelativeSeatLabels[p]) + "/" +
                             std::string(RelativeSeatLabels[p + 2])};
    Put(form, "lblTeam", p, title, l.title, pitch, true);
    Put(form, "cPts0", p, view.cPts0[p], l.score, pitch, true);
    Put(form, "cBag0", p, view.cBag0[p], l.bag, pitch, true);
    Put(form, "cBag", p, view.cBag[p], l.state, pitch, wide);
    Put(form, "aPt", p, view.aPt[p], l.expected, pitch, wide);
    Put(form, "cPts", p, view.cPts[p], l.after, pitch, wide);
  }
  for (std::size_t k = 0; k < 3; ++k) {
    Put(form, "cBid", k, view.cBid[k], l.bid, pitch, true);
    Put(form, "cTrk", k, view.cTrk[k], l.tricks, pitch, wide);
  }
  const int height = RowTop + 3 * pitch + 2;
  form.setClientSize(wide ? Size{l.wideWidth, height + WideExtraHeight}
                          : Size{l.narrowWidth, height});
}

}  // namespace scorlet::companion
