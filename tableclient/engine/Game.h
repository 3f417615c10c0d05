// The Spades game of the substitute table: deals, bidding in turn, play and scoring,
// for four seats that act through MakeBid and PlayCard. The engine knows nothing of
// bots or windows; whoever drives it (a bot, a test, the user's clicks) calls those
// two for the seat returned by SeatToAct.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "common/WorkFiles.h"
#include "tableclient/engine/Cards.h"
#include "tableclient/engine/Rules.h"
#include "tableclient/engine/Scoring.h"
#include "tableclient/engine/Tricks.h"

namespace scorlet::table {

enum class Phase : std::uint8_t { Bidding, Playing, DealOver, GameOver };

struct GameSetup {
  std::array<std::string, 4> names{"North", "East", "South", "West"};
  TableOptions options;
  std::uint32_t seed = 1;
  int firstDealer = 3;  // West deals the first deal, so North bids and leads first
};

struct DealState {
  int number = 0;  // 1-based deal of the current game
  int dealer = 0;
  Hands dealt;     // each seat's 13 cards after any double-nil pass
  Hands hands;     // cards still held
  std::array<Bid, 4> bids{};
  std::array<bool, 4> cardsSeen{};
  int bidsMade = 0;
  std::array<Trick, TrickCount> tricks{};
  int trickIndex = 0;  // trick being played, 0..12
  std::array<int, 4> tricksWon{};
  bool spadesBroken = false;
};

class SpadesGame {
 public:
  explicit SpadesGame(GameSetup setup);

  Phase phase() const { return m_phase; }
  const GameSetup& setup() const { return m_setup; }
  const DealState& deal() const { return m_deal; }
  int gameNumber() const { return m_gameNumber; }
  // Score table rows 1..n of the current game (row n after deal n).
  const std::vector<ScoreLine>& scoreRows() const { return m_rows; }
  ScoreLine score() const;
  // The seat whose bid or card is awaited, -1 when the deal or game is over.
  int SeatToAct() const;
  // The last completed trick of the deal in progress or just finished; null before one.
  const Trick* LastTrick() const;
  // The truth of the last finished deal, derived as a reader would derive it.
  const HandRecord& lastTruth() const { return m_truth; }
  int dealsFinished() const { return m_dealsFinished; }  // over all games

  // A seat looks at its cards; from then on it may no longer bid Double Nil.
  void RevealCards(int seat);
  bool IsLegalBid(int seat, const Bid& bid) const;
  bool MakeBid(int seat, const Bid& bid);
  Hand LegalPlaysFor(int seat) const;
  bool PlayCard(int seat, CardCode card);
  // After a deal: the next deal of the game, or after the game's end a new game.
  void NextDeal();

 private:
  void StartDeal();
  void FinishBidding();
  void PassCards(int nilSeat);
  void FinishTrick();
  void FinishDeal();
  bool SuicideNeedsNil(int seat) const;

  GameSetup m_setup;
  std::mt19937 m_rng;
  Phase m_phase = Phase::Bidding;
  DealState m_deal;
  std::vector<ScoreLine> m_rows;
  HandRecord m_truth;
  int m_gameNumber = 1;
  int m_dealer = 0;
  int m_dealsFinished = 0;
};

}  // namespace scorlet::table
