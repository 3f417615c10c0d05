#include "companion/record/Board.h"

#include "companion/main/App.h"
#include "companion/players/BoardStatus.h"
#include "companion/record/BoardTexts.h"
#include "platform/Print.h"
#include "platform/System.h"
#include "platform/Window.h"

namespace scorlet::companion {

namespace {

namespace bt = board_texts;

constexpr int BoardTimerMs = 100;  // the main timer's interval while the board is up
constexpr Size BoardClient{240, 200};

// Where each button stands in the board's design; 15 is placed beside 16 when it is shown.
Rect DesignBounds(int k) {
  constexpr int W = 44, H = 36, Step = 48, Row = 40;
  if (k >= 1 && k <= 13) {
    const int i = k - 1;
    return {4 + (i % 5) * Step, 4 + (i / 5) * Row, 4 + (i % 5) * Step + W, 4 + (i / 5) * Row + H};
  }
  switch (k) {
    case BtnNil: return {4 + 3 * Step, 84, 4 + 4 * Step + W, 84 + H};
    case BtnDoubleNil: return {4, 124, 116, 160};
    case BtnShow: return {124, 44, 236, 80};
    case BtnConfirm: return {4, 24, 154, 68};
    case BtnCancel: return {160, 24, 236, 68};
    case BtnDontCare: return {4, 128, 116, 156};
    case BtnNeverMind: return {124, 128, 236, 156};
    default: return {};
  }
}

std::string ButtonName(int k) { return "Btn" + std::to_string(k); }

Button* Btn(App& app, int k) {
  Form* form = app.windows.board.form;
  if (form == nullptr) return nullptr;
  return dynamic_cast<Button*>(form->control(ButtonName(k)));
}

void SetShown(App& app, int from, int to, bool shown) {
  for (int k = from; k <= to; ++k)
    if (Button* b = Btn(app, k)) b->setVisible(shown);
}

// Where the board stands: its configured position, else beside the table window.
Point BoardPosition(App& app) {
  const WindowPos& pos = app.settings.biddingBoardPos;
  if (pos.used() && pos.x != kBesideTable) return {pos.x, pos.y};
  Rect table;
  if (app.game.TableWindow != 0 && app.desktop.windowRect(app.game.TableWindow, table))
    return {table.right + 4, table.top + 200};
  return {660, 220};
}

// Loads frmBoard with its buttons when it is not loaded yet.
Form& LoadBoard(App& app) {
  HelperWindow& window = app.windows.board;
  Form& form = LoadHelper(app.forms, window);
  if (form.control(ButtonName(1)) != nullptr) return form;
  const bool ja = app.Japanese();
  form.setCaption(std::string(bt::Caption.in(ja)));
  form.setClientSize(BoardClient);
  const Point at = BoardPosition(app);
  app.bidding.BidButtons[0] = at;
  form.setBounds(form.bounds().movedTo(at.x, at.y));
  for (int k = 1; k <= BoardButtonCount; ++k) {
    if (k == 19) continue;  // no button 19
    Button& b = form.addButton(ButtonName(k));
    b.setBounds(DesignBounds(k));
    b.setFontSize(k <= BtnNil ? 14 : 11);
    b.setFontBold(true);
    b.setVisible(false);
    if (k <= 13) b.setCaption(std::to_string(k));
    b.onClick = [&app, k] { Btn_Click(app, k); };
  }
  Btn(app, BtnNil)->setCaption(std::string(bt::Nil.in(ja)));
  Btn(app, BtnShow)->setCaption(std::string(bt::Show.in(ja)));
  Btn(app, BtnCancel)->setCaption(std::string(bt::Cancel.in(ja)));
  Btn(app, BtnCancel)->setCancel(true);
  Btn(app, BtnDontCare)->setCaption(std::string(bt::DontCare.in(ja)));
  Btn(app, BtnNeverMind)->setCaption(std::string(bt::NeverMind.in(ja)));
  // Closing the board puts it away for this deal; it stays loaded for the next.
  form.onQueryClose = [&app] {
    HideMe(app);
    return false;
  };
  Label& message = form.addLabel("lblMessage");
  message.setBounds({4, 160, 236, 198});
  message.setVisible(false);
  return form;
}

void ShowMessage(App& app, const std::string& text) {
  app.bidding.message = text;
  Form* form = app.windows.board.form;
  if (form == nullptr) return;
  if (Control* label = form->control("lblMessage")) {
    label->setCaption(text);
    label->setVisible(!text.empty());
  }
}

void SetMainInterval(App& app, int ms) {
  if (app.frmZ.Timer1 != nullptr) app.frmZ.Timer1->setInterval(ms);
}

// The stage the board shows for a reading of the game's panel; NotFound leaves it as it is.
void FollowPanel(App& app, BoardStatus status) {
  if (status != BoardStatus::NotFound) ShowBoard(app, status);
}

}  // namespace

bool ConfirmBids(const App& app) {
  return (app.settings.biddingBoardMode & BoardConfirmBit) != 0;
}

void ShowBoard(App& app, BoardStatus stage) {
  if (stage == BoardStatus::NumberButtons) ShowBoard(app, BoardView::BidStage);
  if (stage == BoardStatus::DoubleNilChoice) ShowBoard(app, BoardView::DoubleNilStage);
}

void ShowBoard(App& app, BoardView view) {
  Form& form = LoadBoard(app);
  const bool ja = app.Japanese();
  switch (view) {
    case BoardView::BidStage:
      app.counters.boardStep = BoardState::OpenForBid;
      SetShown(app, BtnDontCare, BtnNeverMind, false);
      SetShown(app, 1, BtnNil, true);
      SetShown(app, BtnDoubleNil, BtnCancel, false);
      form.setCaption(std::string(bt::Caption.in(ja)));
      break;
    case BoardView::DoubleNilStage: {
      app.counters.boardStep = BoardState::DNilStage;
      SetShown(app, BtnNeverMind, BtnNeverMind, true);
      SetShown(app, BtnDontCare, BtnDontCare, false);
      SetShown(app, 1, BtnNil, false);
      Button* dnil = Btn(app, BtnDoubleNil);
      dnil->setCaption(std::string(app.flags.DNilPassTable ? bt::DoubleNilPass : bt::DoubleNil));
      // Beside Show, the same top, height and width.
      const Rect show = Btn(app, BtnShow)->bounds();
      dnil->setBounds({4, show.top, 4 + show.width(), show.bottom});
      SetShown(app, BtnDoubleNil, BtnShow, true);
      SetShown(app, BtnConfirm, BtnCancel, false);
      form.setCaption(std::string(bt::Caption.in(ja)));
      break;
    }
    case BoardView::Confirmation: {
      app.counters.boardStep = BoardState::Confirmation;
      SetShown(app, BtnNeverMind, BtnNeverMind, false);
      SetShown(app, BtnDontCare, BtnDontCare, true);
      SetShown(app, 1, BtnShow, false);
      const int bid = app.bidding.PendingBid;
      Btn(app, BtnConfirm)->setCaption(bid == BtnNil ? std::string(bt::ConfirmNil)
                                                     : std::to_string(bid) + std::string(bt::ConfirmSuffix));
      SetShown(app, BtnConfirm, BtnCancel, true);
      form.setCaption(std::string(bt::ConfirmCaption.in(ja)));
      break;
    }
  }
  ShowHelper(app.windows.board, true);
  form.setTopmost(true);
  MakeTopmost(app.desktop, form.handle());
  SetMainInterval(app, BoardTimerMs);
  if (app.windows.counter == CounterSide::Left && app.windows.counterLeft.kept())
    MakeTopmost(app.desktop, app.windows.counterLeft.handle());
}

void HideBoard(App& app) {
  HideHelper(app.windows.board);
  SetMainInterval(app, app.loop.TimerInterval);
}

void HideMe(App& app) {
  HideBoard(app);
  app.counters.boardStep = BoardState::BidHanded;
}

bool DoClickEver(App& app, int index) {
  BoardStatus waitingOn;
  if (index == BtnDoubleNil || index == BtnShow)
    waitingOn = BoardStatus::DoubleNilChoice;
  else if ((index >= 1 && index <= 10) || index == BtnNil)
    waitingOn = BoardStatus::NumberButtons;
  else
    return false;
  // The clicks wait for the game with events running: the tick must not act on the board
  // meanwhile, nor a second click on the board start another round.
  app.loop.busy.boardClick = true;
  const std::uint32_t start = app.Now();
  BoardStatus status = waitingOn;
  bool first = true;
  do {
    ClickBidButton(app, index, first);
    first = false;
    PauseWithEvents(app.desktop, BoardClickPauseSeconds);
    status = GetBoardStat(app);
  } while (status == waitingOn && TicksSince(app.desktop, start) < BoardClickGiveUpMs);
  app.loop.busy.boardClick = false;
  if (status != waitingOn) return true;
  // The game did not move on: say so and leave the board at the game's stage for another try.
  const LangText& text = bt::NotTaken;
  FollowPanel(app, status);
  ShowMessage(app, std::string(text.in(app.Japanese())));
  if (app.frmZ.form != nullptr)
    PrintByLanguage(*app.frmZ.form, std::string(text.en), std::string(text.ja));
  return false;
}

void Btn_Click(App& app, int index) {
  if (app.loop.busy.boardClick) return;
  if (app.frmZ.cntBidLoc != nullptr) app.frmZ.cntBidLoc->setCaption(std::to_string(index));
  ShowMessage(app, "");
  BiddingBoard& board = app.bidding;
  if ((index >= 1 && index <= 10) || index == BtnNil) {
    if (ConfirmBids(app)) {
      board.PendingBid = index;
      ShowBoard(app, BoardView::Confirmation);
    } else if (DoClickEver(app, index)) {
      HideMe(app);
    }
    return;
  }
  switch (index) {
    case 11:
    case 12:
    case 13:  // never bid on the user's behalf
      app.counters.boardStep = BoardState::NotInUse;
      return;
    case BtnDoubleNil:
      if (DoClickEver(app, index)) HideMe(app);
      return;
    case BtnShow:
      ShowBoard(app, BoardView::BidStage);
      DoClickEver(app, index);
      return;
    case BtnConfirm:
      if (DoClickEver(app, board.PendingBid)) HideMe(app);
      return;
    case BtnCancel:
      ShowBoard(app, BoardView::BidStage);
      return;
    case BtnDontCare:
      app.settings.biddingBoardMode &= ~BoardConfirmBit;
      SetShown(app, BtnDontCare, BtnDontCare, false);
      if (DoClickEver(app, board.PendingBid)) HideMe(app);
      return;
    case BtnNeverMind:
      app.settings.biddingBoardMode &= static_cast<std::int32_t>(BoardMode::DNilPassOnly);
      app.flags.boardMode = BoardModeOf(app.settings.biddingBoardMode);
      SetShown(app, BtnNeverMind, BtnNeverMind, false);
      HideMe(app);
      return;
    default:
      return;
  }
}

}  // namespace scorlet::companion
