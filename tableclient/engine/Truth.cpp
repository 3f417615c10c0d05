#include "tableclient/engine/Truth.h"

#include <algorithm>
#include <cstdio>

#include "tableclient/engine/Game.h"

namespace scorlet::table {

HandRecord BuildTruth(const GameSetup& setup, const DealState& deal,
                      const std::vector<ScoreLine>& rows) {
  HandRecord record;
  record.PlayerNames = setup.names;
  for (std::size_t seat = 0; seat < 4; ++seat)
    record.Bids[seat] = BidTextOf(deal.bids[seat], setup.options);
  for (std::size_t t = 0; t < TrickCount; ++t) {
    const Trick& trick = deal.tricks[t];
    for (std::size_t seat = 0; seat < 4; ++seat)
      record.PlayTexts[t][seat] = CardTextOf(trick.cards[seat]);
    record.LeadMarks[t][static_cast<std::size_t>(trick.leader)] = LeadLed;
  }
  std::size_t count = std::min<std::size_t>(rows.size(), MaxScoreRows);
  record.ScoreRowCount = static_cast<std::int32_t>(count);
  for (std::size_t r = 0; r < count; ++r) record.ScoreRows[r + 1] = rows[r];
  DeriveRecord(record, OrderAscending);
  return record;
}

std::string TruthStem(int dealNumber) {
  char stem[32];
  std::snprintf(stem, sizeof stem, "truth_%03d", dealNumber);
  return stem;
}

bool WriteTruthFile(const HandRecord& truth, const std::filesystem::path& folder, int dealNumber,
                    CodePage codePage) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return WriteRecordFile(truth, folder, TruthStem(dealNumber), codePage) ==
         RecordFileStatus::Done;
}

bool ReadTruthFile(HandRecord& truth, const std::filesystem::path& folder, int dealNumber,
                   CodePage codePage) {
  truth = HandRecord{};
  if (ReadRecordFile(truth, folder, TruthStem(dealNumber), codePage) !=
      RecordFileStatus::Done)
    return false;
  DeriveRecord(truth, OrderAscending);
  return true;
}

}  // namespace scorlet::table
