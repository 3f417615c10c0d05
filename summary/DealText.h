// The plain-text twin of one deal: header, the play trick by trick, a compass drawing
// of the four hands and the score lines.
#pragma once

#include <string>
#include <vector>

#include "summary/DealView.h"
#include "summary/PageText.h"

namespace scorlet::summary {

inline constexpr std::size_t kTextRuleWidth = 56;

// The four hands around a compass, one string a line.
std::vector<std::string> CompassDrawing(const HandRecord& record,
                                        const std::array<std::string, 4>& names);

// The lines " Score  ", " Bid    ", "Tricks  ", "Points  ", " Total  " with the sides'
// numbers, after a line naming the sides.
std::vector<std::string> ScoreLines(const HandRecord& record);

void WriteDealText(PageText& page, const DealView& deal);

}  // namespace scorlet::summary
