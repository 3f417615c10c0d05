#include "tableclient/window/Scenes.h"

#include "tableclient/window/Languages.h"

namespace scorlet::table {

namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

SeatView SeatViewOf(const SpadesGame& game, const ViewContext& context, int seat) {
  const DealState& deal = game.deal();
  SeatView view;
  view.name = game.setup().names[At(seat)];
  view.rating = context.ratings[At(seat)];
  view.bid = BidTextOf(deal.bids[At(seat)], game.setup().options);
  view.tricks = deal.tricksWon[At(seat)];
  view.tricksShown = game.phase() != Phase::Bidding;
  return view;
}

}  // namespace

int SeatAtPosition(int userSeat, int position) { return (userSeat + position) % 4; }

TableScene BuildTableScene(const SpadesGame& game, const ViewContext& context, const Trick* shownTrick) {
  const DealState& deal = game.deal();
  const int user = context.userSeat;
  TableScene scene;
  scene.words = WordsOf(context.language);
  scene.doubleNilPassTable = game.setup().options.doubleNilPass;
  scene.suicideTable = game.setup().options.suicide;
  const Trick* onTable = shownTrick;
  if (!onTable && game.phase() == Phase::Playing) onTable = &deal.tricks[At(deal.trickIndex)];
  for (int p = 0; p < 4; ++p) {
    int seat = SeatAtPosition(user, p);
    scene.seats[At(p)] = SeatViewOf(game, context, seat);
    if (onTable) scene.onTable[At(p)] = onTable->cards[At(seat)];
    if (context.showNewRatings) scene.newRatings.push_back(context.newRatings[At(seat)]);
  }
  scene.userHand = deal.hands[At(user)];
  bool bidding = game.phase() == Phase::Bidding;
  scene.userHandShown = !bidding || deal.cardsSeen[At(user)];
  scene.userTurn = game.SeatToAct() == user && !shownTrick;
  scene.bidPanel = bidding && scene.userTurn;
  scene.doubleNilOffered = scene.bidPanel && !deal.cardsSeen[At(user)];
  if (game.phase() == Phase::DealOver || game.phase() == Phase::GameOver)
    scene.prompt = TablePrompt::DealOver;
  if (context.waitingToStart) {
    scene.prompt = TablePrompt::WaitingForOpponent;
    scene.userTurn = scene.bidPanel = scene.doubleNilOffered = false;
  }
  return scene;
}

LastTrickScene BuildLastTrickScene(const SpadesGame& game, const ViewContext& context) {
  LastTrickScene scene;
  const Trick* trick = game.LastTrick();
  for (int p = 0; p < 4; ++p) {
    int seat = SeatAtPosition(context.userSeat, p);
    scene.names[At(p)] = game.setup().names[At(seat)];
    if (trick) scene.cards[At(p)] = trick->cards[At(seat)];
  }
  return scene;
}

LastHandScene BuildLastHandScene(const HandRecord& truth) {
  LastHandScene scene;
  for (std::size_t seat = 0; seat < 4; ++seat) {
    scene.names[seat] = truth.PlayerNames[seat];
    for (std::size_t t = 0; t < TrickCount; ++t) {
      const std::string& card = truth.PlayTexts[t][seat];
      scene.cells[seat][t] = truth.LeadMarks[t][seat] == LeadLed ? "[" + card + "]" : card;
    }
  }
  return scene;
}

ScoreScene BuildScoreScene(const SpadesGame& game) {
  const auto& names = game.setup().names;
  ScoreScene scene;
  scene.sideNames = {names[0] + "/" + names[2], names[1] + "/" + names[3]};
  scene.rows = game.scoreRows();
  return scene;
}

}  // namespace scorlet::table
