// The HTML of one deal: heading, bidding table, hands table and play table.
#pragma once

#include <string>

#include "summary/DealView.h"
#include "summary/PageOptions.h"
#include "summary/PageText.h"

namespace scorlet::summary {

inline constexpr std::string_view kBopen = "<span class=vd>";
inline constexpr std::string_view kBclose = "</span>";

// The symbol of a suit index in the configured way.
std::string WriteSuitMark(int suit, const PageOptions& options);
// The rank character of a card in a hand, marked when it won a trick for a Nil bidder
// or led trick 1.
std::string CardRankText(const HandRecord& record, int seat, int code);
// The bid and tricks of a seat.
std::string WriteBidTrick(const HandRecord& record, int seat);

void WriteDealHeading(PageText& page, const DealView& deal);
void WriteBiddingTable(PageText& page, const DealView& deal, const PageOptions& options);
void WriteHandsTable(PageText& page, const DealView& deal, const PageOptions& options);
void WritePlayTable(PageText& page, const DealView& deal, const PageOptions& options);

// Heading, bidding, hands and play, in that order.
void WriteDealHtml(PageText& page, const DealView& deal, const PageOptions& options);

}  // namespace scorlet::summary
