// The score race of a page as a picture: both partnerships' totals after each deal, drawn as
// two polylines over the 500 line and the -200 floor, in the colours of the pages.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/WorkFiles.h"
#include "summary/GifImage.h"
#include "summary/PageOptions.h"
#include "summary/PageText.h"
#include "summary/ScoreSummary.h"

namespace scorlet::summary {

inline constexpr int kRaceWidth = 480;
inline constexpr int kRaceHeight = 220;
inline constexpr int kGameTarget = 500;
inline constexpr int kScoreFloor = -200;

// Colours of the picture: the partnerships as the pages colour bids and failed Nils
// (span.bl, span.rd), the 500 line as the deal rules (hr.hr2), the floor as a Nil's border.
inline constexpr std::uint32_t kNorthSouthColour = 0x0000FF;
inline constexpr std::uint32_t kEastWestColour = 0xCC0000;
inline constexpr std::uint32_t kTargetColour = 0x00008B;
inline constexpr std::uint32_t kFloorColour = 0xFF0000;

// The totals the race runs through: the score before the page's first deal (zeros when the
// page starts the game), then the row after each deal; an unknown row leaves a gap.
std::vector<std::optional<ScoreRow>> RaceTotals(const PageScores& scores);

// True when at least one total is known.
bool HasRace(const std::vector<std::optional<ScoreRow>>& totals);

// The picture: the points of the totals evenly spaced from the left edge of the plot to its
// right edge, the score axis running through the 500 line and the floor.
IndexedImage DrawScoreRace(const std::vector<std::optional<ScoreRow>>& totals,
                           const PageOptions& options);

// The picture under the score table, with a line naming the partnerships in their colours.
void WriteScoreRaceHtml(PageText& page, const std::string& imageFile,
                        const std::array<std::string, 4>& names, const PageOptions& options);

// "#RRGGBB" as 0xRRGGBB; fallback for anything else.
std::uint32_t HtmlColour(const std::string& colour, std::uint32_t fallback);

}  // namespace scorlet::summary
