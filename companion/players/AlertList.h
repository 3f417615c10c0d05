// The alert list: the players the user wants pointed out, each entry a game ID, optionally
// decorated ("{id}" strong, "<id>" medium) and optionally followed by a reason "(reason)".
// Plain values and functions here; the program's side (file, windows, sounds) is in Players.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/CodePage.h"
#include "platform/Types.h"

namespace scorlet::companion {

// Between the built-in entries and the user's own.
inline constexpr std::string_view AlertSeparator = "//";

// 1-based: slot 0 is never used. Removed entries stay as "" in their slot. Grows as needed.
struct AlertList {
  std::vector<std::string> slots{""};

  int AlertCount() const { return static_cast<int>(slots.size()) - 1; }
  const std::string& operator[](int index) const { return slots[static_cast<std::size_t>(index)]; }
  std::string& operator[](int index) { return slots[static_cast<std::size_t>(index)]; }
  void Append(std::string entry) { slots.push_back(std::move(entry)); }
};

// The built-in strings, each holding entries joined by commas. Shipped empty: no person's
// game ID is built into the program.
std::vector<std::string> FillDefaultAlertList();
// Splits each source string at "," and appends every non-empty piece as typed; stops at the
// first empty source string after the first.
void ReadList(AlertList& list, const std::vector<std::string>& sources);
// The built-in entries followed by the separator.
void ReadDefaultAlertList(AlertList& list);
// Appends the entries of the file's lines ("#" lines are comments, tokens by NextToken) and
// drops every entry equal (exactly) to an earlier one.
void ReadAlertList(AlertList& list, const std::vector<std::string>& fileLines);

// The file's text: the header line, then the user's entries (after the separator), each ended
// by ",", a line break before an entry once 60 characters have been written on the line. Empty
// entries and entries equal (in lower case) to an earlier slot are left out. The last line has
// no line end; lines end with CR LF.
std::string AlertFileText(const AlertList& list, bool japanese);
inline constexpr std::string_view AlertHeaderEn = "#     << Players to be alerted by ScorletS. >>";
inline constexpr std::string_view AlertHeaderJa = "#   << スコレットがアラートするプレイヤー >>";

// The entry without its decoration and without everything from the first "(" on.
std::string IdPart(std::string_view entry);
// The text between the first "(" and the next ")" ("" when there is none).
std::string PickUpCmt(std::string_view entry);
// The first entry whose id part matches the name (NamesMatch); 0 when none does.
int SearchAlertPlayer(const AlertList& list, std::string_view name);
// Empties the first entry that, as stored, matches the name (NamesMatch). False when none does.
bool UnCheckPlayer(AlertList& list, std::string_view name);

// How an alert looks: colour and font size by the entry's first character.
inline constexpr Color AlertPink = 0x8000FF;  // RGB 255, 0, 128
inline constexpr Color AlertRed = 0x3030FF;   // RGB 255, 48, 48
struct AlertLook {
  std::string text;
  Color color = AlertPink;
  int size = 12;
};
// The alert label for an entry and the name read at the table: a name beginning "obot" gets its
// "r" back; with a reason the name is cut to 8 characters (when 9 or more) and the reason added.
AlertLook AlertLookOf(std::string_view entry, std::string name);

// The room search: the first entry (slot 1 on) whose id part, 4 characters or more, occurs in
// one of the player-list lines (case-sensitive). Entries of fewer characters, removed entries
// and the separator are passed over.
struct RoomHit {
  std::string roomName;  // the list line, "" when none
  int index = 0;         // the entry's slot, 0 when none
};
RoomHit SearchRoom(const AlertList& list, const std::vector<std::string>& playerList);

// The Alert menu for the four seats at a hand start.
struct AlertMenuSeat {
  std::string caption;     // the first 12 characters of the seat's name
  bool enabled = true;     // false for the user's own seat
  bool own = false;        // the name is one of the user's IDs
  std::vector<int> marks;  // slots whose entry matches the caption: checked and shown
};
std::array<AlertMenuSeat, 4> AlertMenuOf(const AlertList& list,
                                         const std::array<std::string, 4>& seatNames,
                                         const std::vector<std::string>& myIds);

// A typed reason goes into the file as part of an entry: "," or a line break would split it.
bool ReasonAcceptable(std::string_view text);
// The entry for a name and a reason: "name(reason)", or the name alone without a reason.
std::string EntryOf(std::string_view name, std::string_view reason);

}  // namespace scorlet::companion
