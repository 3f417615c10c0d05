#include "tableclient/engine/Rules.h"

#include <charconv>

namespace scorlet::table {

std::string BidTextOf(const Bid& bid, const TableOptions& options) {
  switch (bid.kind) {
    case BidKind::Tricks: return std::to_string(bid.tricks);
    case BidKind::Nil: return "N";
    case BidKind::DoubleNil: return options.doubleNilPass ? "DP" : "D";
    case BidKind::None: break;
  }
  return "";
}

Bid BidFromText(std::string_view text) {
  if (text == "N") return Bid::Nil();
  if (text == "D" || text == "DP") return Bid::DoubleNil();
  int n = -1;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc{} || end != text.data() + text.size() || n < 0 || n > 13) return {};
  return Bid::Number(n);
}

}  // namespace scorlet::table
