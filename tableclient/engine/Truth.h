// The truth of each finished deal as a hand record, and a folder of truth files that
// a test compares with what the companion recorded.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/WorkFiles.h"
#include "tableclient/engine/Rules.h"
#include "tableclient/engine/Scoring.h"

namespace scorlet::table {

struct GameSetup;
struct DealState;

// Names, bid texts, the play with lead mark 1 on the card that led each trick, and
// the score rows of the game so far; the derived fields are filled (ascending order).
HandRecord BuildTruth(const GameSetup& setup, const DealState& deal,
                      const std::vector<ScoreLine>& rows);

// Truth files are numbered over the whole session: "truth_001", "truth_002", ...
std::string TruthStem(int dealNumber);

// Writes folder/TruthStem(dealNumber).spd in the work-file format, in the system's code page as
// the companion writes its work files (Shift_JIS on a Japanese system), so the two compare byte
// for byte.
bool WriteTruthFile(const HandRecord& truth, const std::filesystem::path& folder, int dealNumber,
                    CodePage codePage = CodePage::Western);
// Reads one back and derives it; false when the file is missing.
bool ReadTruthFile(HandRecord& truth, const std::filesystem::path& folder, int dealNumber,
                   CodePage codePage = CodePage::Western);

}  // namespace scorlet::table
