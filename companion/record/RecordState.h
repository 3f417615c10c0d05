// What hand recording keeps for the whole run: the three hand records, the play of the last
// saved hand, the file shown, the stems of the last folder scan, the stem counter and the flags
// of the file list's actions.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "companion/record/CardDisplayState.h"
#include "common/Notation.h"
#include "common/WorkFiles.h"
#include "companion/record/CounterWindows.h"

namespace scorlet::companion {

using PlayTextGrid = std::array<std::array<CardText, 4>, TrickCount>;

struct RecordState {
  HandRecord CaptureRecord;      // filled by the end-of-hand capture, saved, then read back
  HandRecord BrowseRecord;       // a file picked from the list
  const HandRecord EmptyRecord;  // never written; copied over a record to clear it
  PlayTextGrid LastSavedPlay;    // the play of the last saved hand
  std::string CurrentFile;       // stem saved or loaded last, "" when none
  WorkFolderScan scan;           // the stems of the last folder scan
  StemCounter stems;             // date prefix and number of the next hand
  bool ClickBusy = false;        // a list click is being handled
  bool FolderConfirmed = false;  // the empty/restore dialog was confirmed
  bool dialogDone = false;       // the empty/restore dialog was answered or closed
  CounterDisplays counterDisplays;  // the counter windows and the last score row read
  // What the last RecordHand found wrong with the play read ("" when nothing).
  std::string incompleteReason;
  CardDisplayState cards;  // the card displays and the seat overlays
};

}  // namespace scorlet::companion
