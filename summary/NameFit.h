// Fitting player names into the columns of the summary pages. Widths are measured in
// pixels of the log window's deal font (Times New Roman, 14 points at 96 dots per inch)
// from built-in character widths, so a page comes out the same on every machine.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace scorlet::summary {

// Width of a UTF-8 text in pixels of the deal font.
double TextWidth(std::string_view text);

// Drops the last character until the text is narrower than width pixels.
std::string FitName(std::string_view name, double width);

// Fitting limits of the page's name cells, in pixels.
inline constexpr double kNorthSouthNameWidth = 110;
inline constexpr double kEastWestNameWidth = 90;
inline constexpr double kScoreHeaderWidth = 250;

// The partners' names of seat j and j + 2 (raw text, not escaped): while the two are
// together as wide as width or wider, the longer one (the second on a tie) loses its
// last character.
std::array<std::string, 2> AdjNames(const std::array<std::string, 4>& names, int j,
                                    double width);

// While the four names have 33 or more characters in all, the longest (the first of
// equals in seat order) loses its last character.
std::array<std::string, 4> ShortenNames(std::array<std::string, 4> names);

// The text without its last character (a whole UTF-8 sequence).
std::string DropLastChar(std::string_view text);

}  // namespace scorlet::summary
