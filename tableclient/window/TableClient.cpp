#include "tableclient/window/TableClient.h"

#include <algorithm>

#include "tableclient/engine/Bots.h"
#include "tableclient/engine/Truth.h"
#include "tableclient/window/Languages.h"

namespace scorlet::table {

namespace {

constexpr int RatingStep = 16;

Bid BidOfButton(int k) {
  if (k == BidButtonDoubleNil) return Bid::DoubleNil();
  return Bid::Number(k);  // 0 is Nil
}

}  // namespace

TableClient::TableClient(Desktop& desktop, Forms& forms, TableClientOptions options)
    : m_desktop(desktop),
      m_forms(forms),
      m_options(std::move(options)),
      m_game(m_options.game),
      m_ratings(m_options.ratings) {
  m_faultDice = SeededDice(std::max<std::uint32_t>(1, m_options.faultSeed));
  m_options.userSeat &= 3;
  if (m_options.layoutSeed != 0) {
    const Size size = TableLayout::WindowSizeFor(m_options.layoutSeed);
    m_options.tableRect.right = m_options.tableRect.left + size.width;
    m_options.tableRect.bottom = m_options.tableRect.top + size.height;
    if (m_options.game.names == GameSetup{}.names) {
      m_options.game.names = SeededPlayerNames(m_options.layoutSeed);
      m_game = SpadesGame(m_options.game);
    }
  }
  if (m_options.host.empty()) m_options.host = m_options.game.names[0];
}

TableClient::~TableClient() {
  onUserTurn = nullptr;
  Close();
}

bool TableClient::Open() {
  if (m_table) return true;
  if (m_options.openLobby) OpenLobby();
  if (!OpenTableWindow()) return false;
  if (m_truthOfDeal.empty()) BeginDealLog();
  ScheduleIn(m_options.startDelayMs);
  return true;
}

// Compared as a signed difference, so the wrap of the tick count neither stalls play
// nor makes every wait due at once.
bool TableClient::TimeReached(std::uint32_t due) const {
  return static_cast<std::int32_t>(m_desktop.tickCount() - due) >= 0;
}

bool TableClient::Due() const { return TimeReached(m_due); }

void TableClient::ScheduleIn(int ms) { m_due = m_desktop.tickCount() + static_cast<std::uint32_t>(ms); }

int TableClient::CompletedTricks() const {
  switch (m_game.phase()) {
    case Phase::Playing: return m_game.deal().trickIndex;
    case Phase::DealOver:
    case Phase::GameOver: return TrickCount;
    case Phase::Bidding: break;
  }
  return 0;
}

void TableClient::Step() {
  if (!m_table) return;
  OpenDueSubWindows();
  DrawDuePaints();
  InjectDueFault();
  if (!m_table || !Due()) return;
  if (!m_started) {
    m_started = true;
    PaintTable();
  }
  if (m_finished) {
    if (m_options.closeWhenDone) Close();
    return;
  }
  if (m_trickShown) {
    m_trickShown = false;
    PaintTable();
  }
  if (m_game.phase() == Phase::DealOver || m_game.phase() == Phase::GameOver) {
    m_showNewRatings = false;
    EndDealFaults();
    m_game.NextDeal();
    BeginDealLog();
    m_tricksSeen = 0;
    PaintAll();
    ScheduleIn(m_options.actionDelayMs);
    return;
  }
  if (m_game.SeatToAct() == m_options.userSeat && UserActsNow()) {
    // With a bid wait, the bot bids for a user who has not bid in time.
    const bool botAfterWait = m_options.userIsBot && m_options.userBidWaitMs > 0;
    if (!m_userPrompted) {
      m_userPrompted = true;
      PaintTable();
      if (botAfterWait) ScheduleIn(m_options.userBidWaitMs);
      if (onUserTurn) onUserTurn(*this);
      return;
    }
    if (!botAfterWait) return;
  }
  BotAct(m_game);
  AfterMove();
}

void TableClient::AfterMove() {
  m_userPrompted = false;
  ++m_movesThisDeal;
  int done = CompletedTricks();
  bool trickDone = done > m_tricksSeen;
  m_tricksSeen = done;
  if (trickDone) {
    m_trickShown = true;
    PaintSubWindow(LastTrickKind);
  }
  if (m_game.dealsFinished() + m_finishedBeforeGame > dealsPlayed()) {
    RecordDeal();
    PaintTable();
    ScheduleIn(m_options.dealPauseMs);
    FaultMomentReached();
    return;
  }
  FaultMomentReached();
  PaintTable();
  ScheduleIn(trickDone ? m_options.trickPauseMs : m_options.actionDelayMs);
}

void TableClient::RecordDeal() {
  m_truths.push_back(m_game.lastTruth());
  if (!m_truthOfDeal.empty()) m_truthOfDeal.back() = dealsPlayed();
  if (!m_options.truthFolder.empty())
    WriteTruthFile(m_truths.back(), m_options.truthFolder, dealsPlayed(),
                   CodePageOf(m_desktop.ansiCodePage()));
  if (m_game.phase() == Phase::GameOver) UpdateRatings();
  PaintSubWindow(LastHandKind);
  PaintSubWindow(ScoreKind);
  if (m_options.maxDeals > 0 && dealsPlayed() + m_abandoned >= m_options.maxDeals) m_finished = true;
  if (m_options.maxGames > 0 && m_game.phase() == Phase::GameOver &&
      m_game.gameNumber() >= m_options.maxGames)
    m_finished = true;
}

int TableClient::truthOfDeal(int deal) const {
  if (deal < 1 || deal > dealsBegun()) return 0;
  return m_truthOfDeal[static_cast<std::size_t>(deal - 1)];
}

void TableClient::BeginDealLog() {
  m_truthOfDeal.push_back(0);
  m_movesThisDeal = 0;
  PlanFault();
}

void TableClient::UpdateRatings() {
  int winner = LeadingSide(m_game.score());
  for (int seat = 0; seat < 4; ++seat) {
    int& rating = m_ratings[static_cast<std::size_t>(seat)];
    rating += TeamOf(seat) == winner ? RatingStep : -RatingStep;
  }
  m_newRatings = m_ratings;
  m_showNewRatings = true;
}

bool TableClient::UserActsNow() const {
  return !m_options.userIsBot || (m_options.userBids && m_game.phase() == Phase::Bidding);
}

bool TableClient::waitingForUser() const {
  return m_table && !m_finished && UserActsNow() && m_game.SeatToAct() == m_options.userSeat;
}

bool TableClient::SubmitBid(const Bid& bid) {
  if (!waitingForUser() || !m_game.MakeBid(m_options.userSeat, bid)) return false;
  m_trickShown = false;
  AfterMove();
  return true;
}

bool TableClient::SubmitPlay(CardCode card) {
  if (!waitingForUser() || !m_game.PlayCard(m_options.userSeat, card)) return false;
  m_trickShown = false;
  AfterMove();
  return true;
}

void TableClient::RevealUserCards() {
  m_game.RevealCards(m_options.userSeat);
  PaintTable();
}

void TableClient::ClickTable(Point client) {
  const Point at = m_layout.ToWindow(client);
  for (int kind = LastTrickKind; kind <= ScoreKind; ++kind)
    if (m_layout.ButtonRect(kind).contains(at)) return PressButton(kind);
  if (!waitingForUser()) return;
  if (m_game.phase() == Phase::Bidding && !m_bidPanelIgnored) {
    // Only the buttons on show take a click: the choice while the cards are hidden, then the
    // numbers.
    const bool choice = !m_game.deal().cardsSeen[static_cast<std::size_t>(m_options.userSeat)];
    for (int k = 0; k < BidButtonCount; ++k) {
      const bool choiceButton = k == BidButtonDoubleNil || k == BidButtonShow;
      if (choiceButton != choice || !m_layout.BidButton(k).contains(at)) continue;
      if (k == BidButtonShow)
        RevealUserCards();
      else
        SubmitBid(BidOfButton(k));
      return;
    }
  }
  const Hand& hand = m_game.deal().hands[static_cast<std::size_t>(m_options.userSeat)];
  for (int i = static_cast<int>(hand.size()) - 1; i >= 0; --i) {
    if (!m_layout.HandCard(i).contains(at)) continue;
    if (m_game.phase() == Phase::Bidding)
      RevealUserCards();
    else
      SubmitPlay(hand[static_cast<std::size_t>(i)]);
    return;
  }
}

}  // namespace scorlet::table
