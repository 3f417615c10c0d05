#include "tableclient/engine/Game.h"

#include <algorithm>

#include "tableclient/engine/Truth.h"

namespace scorlet::table {

namespace {

std::size_t At(int seat) { return static_cast<std::size_t>(seat); }

// Cards a seat gives away at a double-nil-pass table: the Double Nil bidder sheds its
// highest ranks (spades first among equals), the partner its lowest.
Hand CardsToPass(const Hand& hand, int count, bool highest) {
  Hand order = hand;
  auto key = [](CardCode c) { return (c % 100) * 10 + (c / 100 == TrumpSuit ? 1 : 0); };
  std::stable_sort(order.begin(), order.end(),
                   [&](CardCode a, CardCode b) { return highest ? key(a) > key(b) : key(a) < key(b); });
  order.resize(static_cast<std::size_t>(std::min<int>(count, static_cast<int>(order.size()))));
  return order;
}

}  // namespace

SpadesGame::SpadesGame(GameSetup setup)
    : m_setup(std::move(setup)), m_rng(m_setup.seed), m_dealer(m_setup.firstDealer & 3) {
  StartDeal();
}

ScoreLine SpadesGame::score() const { return m_rows.empty() ? ScoreLine{} : m_rows.back(); }

int SpadesGame::SeatToAct() const {
  if (m_phase == Phase::Bidding) return (m_deal.dealer + 1 + m_deal.bidsMade) % 4;
  if (m_phase == Phase::Playing) return m_deal.tricks[At(m_deal.trickIndex)].NextSeat();
  return -1;
}

const Trick* SpadesGame::LastTrick() const {
  if (m_phase == Phase::DealOver || m_phase == Phase::GameOver) return &m_deal.tricks.back();
  if (m_phase == Phase::Playing && m_deal.trickIndex > 0)
    return &m_deal.tricks[At(m_deal.trickIndex - 1)];
  return nullptr;
}

void SpadesGame::RevealCards(int seat) { m_deal.cardsSeen[At(seat & 3)] = true; }

bool SpadesGame::SuicideNeedsNil(int seat) const {
  const Bid& partner = m_deal.bids[At(PardOf(seat))];
  return m_setup.options.suicide && partner.kind != BidKind::None && !partner.IsNilKind();
}

bool SpadesGame::IsLegalBid(int seat, const Bid& bid) const {
  if (m_phase != Phase::Bidding || seat != SeatToAct()) return false;
  if (SuicideNeedsNil(seat) && !bid.IsNilKind()) return false;
  switch (bid.kind) {
    case BidKind::Tricks: return bid.tricks >= 1 && bid.tricks <= TrickCount;
    case BidKind::Nil: return true;
    case BidKind::DoubleNil: return !m_deal.cardsSeen[At(seat)];
    case BidKind::None: break;
  }
  return false;
}

bool SpadesGame::MakeBid(int seat, const Bid& bid) {
  if (!IsLegalBid(seat, bid)) return false;
  m_deal.bids[At(seat)] = bid;
  if (bid.kind != BidKind::DoubleNil) m_deal.cardsSeen[At(seat)] = true;
  if (++m_deal.bidsMade == 4) FinishBidding();
  return true;
}

Hand SpadesGame::LegalPlaysFor(int seat) const {
  if (m_phase != Phase::Playing || seat != SeatToAct()) return {};
  return LegalPlays(m_deal.hands[At(seat)], m_deal.tricks[At(m_deal.trickIndex)],
                    m_deal.spadesBroken);
}

bool SpadesGame::PlayCard(int seat, CardCode card) {
  if (!HandHas(LegalPlaysFor(seat), card)) return false;
  RemoveCard(m_deal.hands[At(seat)], card);
  Trick& trick = m_deal.tricks[At(m_deal.trickIndex)];
  trick.cards[At(seat)] = card;
  ++trick.played;
  if (card / 100 == TrumpSuit) m_deal.spadesBroken = true;
  if (trick.Complete()) FinishTrick();
  return true;
}

void SpadesGame::NextDeal() {
  if (m_phase == Phase::GameOver) {
    m_rows.clear();
    ++m_gameNumber;
  } else if (m_phase != Phase::DealOver) {
    return;
  }
  m_dealer = (m_dealer + 1) % 4;
  StartDeal();
}

void SpadesGame::StartDeal() {
  m_deal = DealState{};
  m_deal.number = static_cast<int>(m_rows.size()) + 1;
  m_deal.dealer = m_dealer;
  m_deal.hands = DealHands(m_rng, m_dealer);
  m_deal.dealt = m_deal.hands;
  m_phase = Phase::Bidding;
}

void SpadesGame::FinishBidding() {
  if (m_setup.options.doubleNilPass)
    for (int seat = 0; seat < 4; ++seat)
      if (m_deal.bids[At(seat)].kind == BidKind::DoubleNil) PassCards(seat);
  m_deal.dealt = m_deal.hands;
  m_deal.cardsSeen.fill(true);
  m_deal.tricks[0].leader = (m_deal.dealer + 1) % 4;
  m_phase = Phase::Playing;
}

void SpadesGame::PassCards(int nilSeat) {
  Hand& nil = m_deal.hands[At(nilSeat)];
  Hand& partner = m_deal.hands[At(PardOf(nilSeat))];
  Hand given = CardsToPass(nil, m_setup.options.passCards, true);
  Hand returned = CardsToPass(partner, m_setup.options.passCards, false);
  for (CardCode c : given) RemoveCard(nil, c), AddCard(partner, c);
  for (CardCode c : returned) RemoveCard(partner, c), AddCard(nil, c);
}

void SpadesGame::FinishTrick() {
  Trick& trick = m_deal.tricks[At(m_deal.trickIndex)];
  int winner = TrickWinner(trick);
  ++m_deal.tricksWon[At(winner)];
  if (m_deal.trickIndex + 1 == TrickCount) {
    FinishDeal();
    return;
  }
  ++m_deal.trickIndex;
  m_deal.tricks[At(m_deal.trickIndex)].leader = winner;
}

void SpadesGame::FinishDeal() {
  m_rows.push_back(ScoreDeal(score(), m_deal.bids, m_deal.tricksWon, m_setup.options));
  m_truth = BuildTruth(m_setup, m_deal, m_rows);
  ++m_dealsFinished;
  bool full = static_cast<int>(m_rows.size()) >= MaxScoreRows;
  m_phase = GameIsOver(score(), m_setup.options) || full ? Phase::GameOver : Phase::DealOver;
}

}  // namespace scorlet::table
