// The command line of SpadesTable: how a test or the demo sets the table up.
//
//   --seed N          deal with this seed (default 1)
//   --deals N         stop after N deals (default: play on)
//   --games N         stop after N whole games (default: play on); with --deals, whichever comes first
//   --close-when-done close the windows, and end, after those deals
//   --user            a person plays the user's seat (default: a bot plays it too)
//   --user-bids       the table waits for the user's bid; a bot plays the user's cards
//   --bid-wait MS     with --user-bids: the bot bids for the user after MS without a bid
//   --seat N|E|S|W    the user's seat (default S)
//   --names a,b,c,d   the four players' names, North first
//   --table T         table number in the title (default 1234)
//   --host H          host in the title (default: North's name)
//   --language L      site language row 1..10 (default 1)
//   --layout N        vary window size, box, lines, list and names with this seed (0: fixed)
//   --highlight       draw the user's player-list line highlighted
//   --score-title T   title of the score window instead of the language's own
//   --truth DIR       write the truth of every deal into DIR
//   --dnil-pass       a double-nil-pass table
//   --suicide         a suicide table
//   --at X,Y          top-left corner of the table window
//   --last-trick-at X,Y, --last-hand-at X,Y, --score-at X,Y
//                     top-left corner of that sub-window when it opens (default (700, 20),
//                     (700, 230), (700, 350))
//   --speed MS        delay between two moves in milliseconds (default 400)
//   --deal-pause MS   how long a finished deal stays on show (default 2000)
//   --faults P        P percent of the deals meet a fault at a random moment (default 0); the
//                     faults met are listed in faults.txt of the truth folder
//   --fault-seed N    choose the faults and their moments with this seed (default 1)
#pragma once

#include <string>
#include <vector>

#include "tableclient/window/TableClient.h"

namespace scorlet::table {

// False, with a message in `error`, for an unknown option or a bad value.
bool ParseTableArguments(const std::vector<std::string>& args, TableClientOptions& options,
                         std::string& error);

}  // namespace scorlet::table
