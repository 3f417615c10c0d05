#include "companion/players/AlertList.h"

#include <algorithm>
#include <unordered_set>

#include "common/TextUtil.h"

namespace scorlet::companion {

namespace {

// "{id}" and "<id>": the first and the last character are decoration.
bool Decorated(std::string_view entry) {
  return !entry.empty() && (entry.front() == '{' || entry.front() == '<');
}

constexpr std::size_t FileLineWidth = 60;
constexpr std::size_t MinRoomIdLength = 4;
constexpr std::size_t SeatNameLength = 12;
constexpr std::size_t ReasonNameLength = 8;

}  // namespace

std::vector<std::string> FillDefaultAlertList() { return {}; }

void ReadList(AlertList& list, const std::vector<std::string>& sources) {
  for (std::size_t i = 0; i < sources.size(); ++i) {
    const std::string& source = sources[i];
    if (source.empty() && i > 0) break;
    std::size_t start = 0;
    while (start <= source.size()) {
      std::size_t comma = source.find(',', start);
      if (comma == std::string::npos) comma = source.size();
      if (comma > start) list.Append(source.substr(start, comma - start));
      start = comma + 1;
    }
  }
}

void ReadDefaultAlertList(AlertList& list) {
  list = AlertList{};
  ReadList(list, FillDefaultAlertList());
  list.Append(std::string(AlertSeparator));
}

void ReadAlertList(AlertList& list, const std::vector<std::string>& fileLines) {
  std::vector<std::string> work(list.slots.begin() + 1, list.slots.end());
  for (const std::string& raw : fileLines) {
    std::string rest = Trim(raw);
    if (rest.starts_with('#')) continue;
    while (!rest.empty()) {
      std::string token = Trim(NextToken(rest));
      if (!token.empty()) work.push_back(std::move(token));
    }
  }
  // Earlier entries are kept in a set: a long list is read without comparing every pair.
  AlertList kept;
  kept.slots.reserve(work.size() + 1);
  std::unordered_set<std::string> seen;
  for (std::string& entry : work) {
    if (entry.empty()) {  // an entry removed earlier in the run keeps its place
      kept.Append(std::move(entry));
      continue;
    }
    if (!seen.insert(entry).second) continue;
    kept.Append(std::move(entry));
  }
  list = std::move(kept);
}

std::string AlertFileText(const AlertList& list, bool japanese) {
  std::string text(japanese ? AlertHeaderJa : AlertHeaderEn);
  text += "\r\n";
  std::unordered_set<std::string> earlier;
  bool userPart = false;
  std::size_t count = 0;
  for (int i = 1; i <= list.AlertCount(); ++i) {
    const std::string& entry = list[i];
    const std::string lowered = LowerText(entry);
    const bool repeated = !earlier.insert(lowered).second;
    if (!userPart) {
      userPart = entry == AlertSeparator;
      continue;
    }
    if (entry.empty() || repeated) continue;
    count += CharCount(entry);
    if (count >= FileLineWidth) {
      text += "\r\n";
      count = 0;
    }
    text += entry;
    text += ',';
  }
  return text;
}

std::string IdPart(std::string_view entry) {
  std::string_view id = entry;
  if (Decorated(id)) id = id.size() >= 2 ? id.substr(1, id.size() - 2) : std::string_view{};
  if (const std::size_t paren = id.find('('); paren != std::string_view::npos) id = id.substr(0, paren);
  return std::string(id);
}

std::string PickUpCmt(std::string_view entry) {
  const std::size_t open = entry.find('(');
  if (open == std::string_view::npos) return "";
  const std::size_t close = entry.find(')', open + 1);
  if (close == std::string_view::npos) return "";
  return std::string(entry.substr(open + 1, close - open - 1));
}

int SearchAlertPlayer(const AlertList& list, std::string_view name) {
  for (int i = 1; i <= list.AlertCount(); ++i) {
    if (NamesMatch(IdPart(list[i]), name)) return i;
  }
  return 0;
}

bool UnCheckPlayer(AlertList& list, std::string_view name) {
  for (int i = 1; i <= list.AlertCount(); ++i) {
    if (NamesMatch(list[i], name)) {
      list[i].clear();
      return true;
    }
  }
  return false;
}

AlertLook AlertLookOf(std::string_view entry, std::string name) {
  AlertLook look;
  if (name.starts_with("obot")) name = "r" + name;
  if (!entry.empty() && entry.front() == '{') {
    look.color = AlertRed;
    look.size = 18;
  } else if (!entry.empty() && entry.front() == '<') {
    look.color = AlertRed;
    look.size = 15;
  }
  const std::string reason = PickUpCmt(entry);
  if (!reason.empty()) {
    if (CharCount(name) > ReasonNameLength) name = std::string(FirstChars(name, ReasonNameLength));
    name += "(" + reason + ")";
  }
  look.text = std::move(name);
  return look;
}

RoomHit SearchRoom(const AlertList& list, const std::vector<std::string>& playerList) {
  for (int i = 1; i <= list.AlertCount(); ++i) {
    const std::string id = IdPart(list[i]);
    if (CharCount(id) < MinRoomIdLength) continue;
    for (const std::string& line : playerList) {
      if (line.empty()) break;
      if (line.find(id) != std::string::npos) return {line, i};
    }
  }
  return {};
}

std::array<AlertMenuSeat, 4> AlertMenuOf(const AlertList& list,
                                         const std::array<std::string, 4>& seatNames,
                                         const std::vector<std::string>& myIds) {
  std::array<AlertMenuSeat, 4> seats;
  for (std::size_t seat = 0; seat < 4; ++seat) {
    AlertMenuSeat& m = seats[seat];
    m.caption = std::string(FirstChars(seatNames[seat], SeatNameLength));
    m.own = std::any_of(myIds.begin(), myIds.end(), [&](const std::string& id) {
      return NamesMatch(seatNames[seat], id);
    });
    m.enabled = !m.own;
    if (m.own || Trim(m.caption).empty()) continue;
    for (int i = 1; i <= list.AlertCount(); ++i) {
      if (NamesMatch(list[i], m.caption)) m.marks.push_back(i);
    }
  }
  return seats;
}

bool ReasonAcceptable(std::string_view text) {
  return text.find_first_of(",\r\n") == std::string_view::npos;
}

std::string EntryOf(std::string_view name, std::string_view reason) {
  std::string entry(name);
  if (!reason.empty()) entry += "(" + std::string(reason) + ")";
  return entry;
}

}  // namespace scorlet::companion
