#include "companion/recognition/PlayerList.h"

#include <charconv>

#include "common/TextUtil.h"

namespace scorlet::recognition {

namespace {

bool PunctuationOnlyInside(const std::string& glyph) {
  return glyph == "_" || glyph == "-" || glyph == "." || glyph == ".." || glyph == ":";
}

void KeepLine(const GlyphTables& glyphs, const ColumnCodes& codes, int fromX,
              std::vector<std::string>& lines) {
  if (!codes.hasInk() || lines.size() >= MaxPlayerListLines) return;
  const std::string text = Trim(ReadPlayerListLine(glyphs, codes, fromX, 5, 5).text);
  if (text.size() >= 6 && text.substr(0, 4).find(',') == std::string::npos) lines.push_back(text);
}

// The longest run of one column code inside the glyphs: the bold underscore's eight columns.
constexpr int LongestGlyphRun = 8;

// True for a column that is ink from its top row down to some row, or from some row down to
// its bottom row, and light elsewhere: what the edge of a dark band looks like.
bool IsEdgeColumn(uint16_t code) {
  if (code == 0 || code == 2047) return false;
  const uint16_t light = static_cast<uint16_t>(~code & 2047);
  return (light & (light + 1)) == 0 || (code & (code + 1)) == 0;
}

// A row whose lines cross the top or bottom edge of the highlight band (light above, dark below,
// or the reverse) shows the edge in every column of the band that no glyph covers: a long run
// of one edge column that reads as a row of bold "i" or "_" glyphs. Such a row holds no line.
bool CrossesBandEdge(const ColumnCodes& reading) {
  int run = 0;
  for (int i = 1; i < reading.end(); ++i) {
    const uint16_t code = reading.codes[i];
    if (!IsEdgeColumn(code)) {
      run = 0;
    } else {
      run = i > 1 && code == reading.codes[i - 1] ? run + 1 : 1;
      if (run > LongestGlyphRun) return true;
    }
  }
  return false;
}

}  // namespace

PlayerListLine ReadPlayerListLine(const GlyphTables& glyphs, const ColumnCodes& codes, int fromX,
                                  int skip, int gap) {
  PlayerListLine line;
  const int end = codes.end();
  int pos = std::max(1, codes.posOf(fromX) + skip - 1);
  int blanks = 0;
  bool sawGlyph = false;
  while (pos < end) {
    const uint16_t code = codes.codes[pos];
    if (code == 0 || code == SeparatorCode) {
      ++pos;
      ++blanks;
      if (sawGlyph && blanks > gap && !line.text.empty() && line.text.back() != ',') {
        line.text += ',';
      }
      continue;
    }
    blanks = 0;
    const int at = pos;
    const std::string glyph = MatchGlyph(glyphs, codes, pos);
    if (pos == at) ++pos;
    if (glyph == "?") continue;
    sawGlyph = true;
    if (PunctuationOnlyInside(glyph)) {
      if (!line.text.empty()) line.text += glyph;
      continue;
    }
    if (line.text.empty() || line.text.back() == ',') line.fieldStarts.push_back(codes.xOf(at));
    line.text += glyph;
  }
  if (line.text.size() < 4) {
    line.text.clear();
    line.fieldStarts.clear();
  }
  if (!line.text.empty() && line.text.back() == ',') line.text.pop_back();
  return line;
}

std::vector<std::string> MakePlayerList(const TableCapture& picture, const TableBox& box,
                                        int bidControlRow, const Rect& windowRect,
                                        const GlyphTables& glyphs) {
  std::vector<std::string> lines;
  if (picture.empty() || !box.located()) return lines;
  const int left = box.right - 50;
  const int right = windowRect.width() - 1;
  const int top = bidControlRow != 0 ? bidControlRow : box.bottom;
  const int bottom = windowRect.height() - 15;
  if (left > right || top >= bottom) return lines;
  ColumnCodes codes;
  bool first = true;
  for (int y = top; y < bottom; ++y) {
    codes = ComputeTableColumnCodes(picture, y, left, right, first ? nullptr : &codes);
    first = false;
    ReadListRow(glyphs, codes, left, lines);
  }
  return lines;
}

void ReadListRow(const GlyphTables& glyphs, const ColumnCodes& codes, int fromX,
                 std::vector<std::string>& lines) {
  for (int inverted = 0; inverted < 2; ++inverted) {
    ColumnCodes reading = codes;
    uint16_t all = 0;
    for (int i = 1; i < reading.end(); ++i) {
      uint16_t& code = reading.codes[i];
      code = static_cast<uint16_t>((inverted ? code ^ 2047 : code) & 2047);
      all |= code;
    }
    if (CrossesBandEdge(reading)) continue;
    reading.codes[0] = all;
    KeepLine(glyphs, reading, fromX, lines);
  }
}

std::vector<std::string> PreparePlayerList(GlyphTables& glyphs, int gameLanguage,
                                           const TableCapture& picture, const TableBox& box,
                                           int bidControlRow, const Rect& windowRect) {
  glyphs.fontVariant = 1;
  glyphs.maskedReading = true;
  PrepareGlyphIndex(glyphs, gameLanguage);
  return MakePlayerList(picture, box, bidControlRow, windowRect, glyphs);
}

NameFound SearchNameInTable(const std::vector<std::string>& lines,
                            const std::vector<std::string>& names) {
  int shortNames = 0;
  for (size_t i = 0; i < names.size(); ++i) {
    std::string name = names[i];
    if (!name.empty() && (name[0] == '<' || name[0] == '{')) {
      name = name.size() >= 2 ? name.substr(1, name.size() - 2) : std::string{};
    }
    if (const size_t paren = name.find('('); paren != std::string::npos) name.resize(paren);
    if (name.size() < 4) {
      if (++shortNames >= 10) break;
      continue;
    }
    for (const std::string& line : lines) {
      // Game IDs are the same in any case (the settings keep them in lower case).
      if (ContainsNoCase(line, name)) return {line, static_cast<int>(i) + 1};
    }
  }
  return {};
}

std::string RatingOfLine(const std::string& line) {
  const size_t comma = line.find(',');
  if (comma == std::string::npos) return {};
  const size_t next = line.find(',', comma + 1);
  return Trim(
      line.substr(comma + 1, next == std::string::npos ? std::string::npos : next - comma - 1));
}

RatingDisplay ShowMyRating(const std::string& ratingText, bool japaneseUser) {
  RatingDisplay shown;
  shown.text = ratingText;
  const std::string text = Trim(ratingText);
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), shown.value);
  if (ec != std::errc{} || ptr == text.data()) shown.value = 0;
  if (shown.value == 0) {
    if (text.rfind("pr", 0) == 0) {
      shown.value = -1;
      shown.text = japaneseUser ? "仮レ" : "prov";
      shown.bold = !japaneseUser;
    } else if (text.rfind("仮レ", 0) == 0) {
      shown.value = -1;
    }
  }
  if (shown.value >= 1000) shown.bold = true;
  return shown;
}

}  // namespace scorlet::recognition
