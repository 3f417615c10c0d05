#include "tableclient/window/Arguments.h"

#include <charconv>
#include <functional>
#include <map>

#include "tableclient/window/Languages.h"

namespace scorlet::table {

namespace {

bool ToInt(const std::string& text, int& out) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc{} && end == text.data() + text.size();
}

bool ToSeat(const std::string& text, int& seat) {
  static const std::string letters = "NESW";
  auto at = text.size() == 1 ? letters.find(text[0]) : std::string::npos;
  if (at == std::string::npos) return false;
  seat = static_cast<int>(at);
  return true;
}

bool ToNames(const std::string& text, std::array<std::string, 4>& names) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    std::size_t comma = text.find(',', start);
    if ((comma == std::string::npos) != (i == 3)) return false;
    names[i] = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (names[i].empty()) return false;
    start = comma + 1;
  }
  return true;
}

bool ToPoint(const std::string& text, Point& point) {
  std::size_t comma = text.find(',');
  return comma != std::string::npos && ToInt(text.substr(0, comma), point.x) &&
         ToInt(text.substr(comma + 1), point.y);
}

using ValueSetter = std::function<bool(TableClientOptions&, const std::string&)>;
using FlagSetter = std::function<void(TableClientOptions&)>;

const std::map<std::string, ValueSetter>& ValueOptions() {
  static const std::map<std::string, ValueSetter> table{
      {"--seed", [](auto& o, auto& v) {
         int n = 0;
         if (!ToInt(v, n) || n < 0) return false;
         o.game.seed = static_cast<std::uint32_t>(n);
         return true;
       }},
      {"--deals", [](auto& o, auto& v) { return ToInt(v, o.maxDeals) && o.maxDeals >= 0; }},
      {"--games", [](auto& o, auto& v) { return ToInt(v, o.maxGames) && o.maxGames >= 0; }},
      {"--seat", [](auto& o, auto& v) { return ToSeat(v, o.userSeat); }},
      {"--bid-wait", [](auto& o, auto& v) { return ToInt(v, o.userBidWaitMs) && o.userBidWaitMs >= 0; }},
      {"--names", [](auto& o, auto& v) { return ToNames(v, o.game.names); }},
      {"--table", [](auto& o, auto& v) { o.tableNumber = v; return !v.empty(); }},
      {"--host", [](auto& o, auto& v) { o.host = v; return !v.empty(); }},
      {"--language", [](auto& o, auto& v) {
         return ToInt(v, o.language) && o.language >= 1 && o.language <= LanguageCount;
       }},
      {"--layout", [](auto& o, auto& v) {
         int seed = 0;
         if (!ToInt(v, seed) || seed < 0) return false;
         o.layoutSeed = static_cast<std::uint32_t>(seed);
         return true;
       }},
      {"--score-title", [](auto& o, auto& v) { o.scoreTitle = v; return true; }},
      {"--truth", [](auto& o, auto& v) { o.truthFolder = v; return !v.empty(); }},
      {"--speed", [](auto& o, auto& v) { return ToInt(v, o.actionDelayMs) && o.actionDelayMs >= 0; }},
      {"--deal-pause", [](auto& o, auto& v) { return ToInt(v, o.dealPauseMs) && o.dealPauseMs >= 0; }},
      {"--faults", [](auto& o, auto& v) {
         int percent = 0;
         if (!ToInt(v, percent) || percent < 0 || percent > 100) return false;
         o.faultShare = percent / 100.0;
         return true;
       }},
      {"--fault-seed", [](auto& o, auto& v) {
         int seed = 0;
         if (!ToInt(v, seed) || seed < 0) return false;
         o.faultSeed = static_cast<std::uint32_t>(seed);
         return true;
       }},
      {"--at", [](auto& o, auto& v) {
         Point p;
         if (!ToPoint(v, p)) return false;
         o.tableRect = o.tableRect.movedTo(p.x, p.y);
         return true;
       }},
      // Where the sub-windows open (a screen shared with helper windows wants them apart).
      {"--last-trick-at", [](auto& o, auto& v) { return ToPoint(v, o.subWindowAt[0]); }},
      {"--last-hand-at", [](auto& o, auto& v) { return ToPoint(v, o.subWindowAt[1]); }},
      {"--score-at", [](auto& o, auto& v) { return ToPoint(v, o.subWindowAt[2]); }},
  };
  return table;
}

const std::map<std::string, FlagSetter>& FlagOptions() {
  static const std::map<std::string, FlagSetter> table{
      {"--close-when-done", [](auto& o) { o.closeWhenDone = true; }},
      {"--user", [](auto& o) { o.userIsBot = false; }},
      {"--user-bids", [](auto& o) { o.userBids = true; }},
      {"--highlight", [](auto& o) { o.highlightUser = true; }},
      {"--dnil-pass", [](auto& o) { o.game.options.doubleNilPass = true; }},
      {"--suicide", [](auto& o) { o.game.options.suicide = true; }},
  };
  return table;
}

}  // namespace

bool ParseTableArguments(const std::vector<std::string>& args, TableClientOptions& options,
                         std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (auto flag = FlagOptions().find(name); flag != FlagOptions().end()) {
      flag->second(options);
      continue;
    }
    auto value = ValueOptions().find(name);
    if (value == ValueOptions().end()) {
      error = "unknown option " + name;
      return false;
    }
    if (i + 1 >= args.size() || !value->second(options, args[i + 1])) {
      error = "bad value for " + name;
      return false;
    }
    ++i;
  }
  return true;
}

}  // namespace scorlet::table
