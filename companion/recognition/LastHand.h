// What the last-hand procedure decides without a window: whether a last hand read ends a deal
// that can be recorded exactly, and whether the game is over.
#pragma once

#include "common/WorkFiles.h"

namespace scorlet::companion {

struct DealEvidence {
  bool handChanged = false;     // the last hand differs from the one read before
  int scoreRowsAtBidding = -1;  // score rows shown while the deal was bid; -1 not seen
  int scoreRowCount = 0;        // score rows read now
  bool bidsKnown = false;       // the four bids of the deal were read
};

enum class DealRecordDecision {
  Unchanged,      // no new deal shown yet (also: the score still shows the rows of the bidding)
  Record,         // the deal whose bidding was read, with its own score row
  ScoreGone,      // the score is not this deal's (cleared by a new game): not recorded
  BiddingUnseen,  // the deal's bids were not read: not recorded
};
DealRecordDecision DecideDealRecord(const DealEvidence& evidence);

// A partnership reached the game's target and the scores differ (the last row of the record).
bool GameEnded(const HandRecord& record);

}  // namespace scorlet::companion
