#include "companion/recognition/GlyphReader.h"

#include <algorithm>

#include "gamedata/Glyphs.h"
#include "gamedata/WindowTitles.h"

namespace scorlet::recognition {

namespace {

std::string_view HexPart(std::string_view definition) {
  const size_t split = definition.find_first_of(" ,");
  return split == std::string_view::npos ? std::string_view{} : definition.substr(split + 1);
}

bool IsBlankDefinition(std::string_view definition) {
  return definition.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// The UTF-8 characters of a text, one string each.
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> out;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    length = std::min(length, text.size() - i);
    out.push_back(text.substr(i, length));
    i += length;
  }
  return out;
}

// A first character outside the single-byte range (code point 256 or more).
bool StartsDoubleByte(std::string_view name) {
  return !name.empty() && static_cast<unsigned char>(name[0]) >= 0xC4;
}

uint16_t CodeAt(const ColumnCodes& codes, int pos) {
  return pos >= 0 && pos < static_cast<int>(codes.codes.size()) ? codes.codes[pos] : SeparatorCode;
}

}  // namespace

std::vector<std::string_view> DedupeGlyphDefinitions(const std::vector<std::string_view>& list) {
  std::vector<std::string_view> kept;
  for (std::string_view definition : list) {
    if (IsBlankDefinition(definition)) break;
    const std::string_view hex = HexPart(definition);
    const bool repeated = std::any_of(kept.begin(), kept.end(), [&](std::string_view earlier) {
      return HexPart(earlier) == hex;
    });
    if (!repeated) kept.push_back(definition);
  }
  return kept;
}

std::vector<GlyphEntry> ParseGlyphDefinitions(const std::vector<std::string_view>& definitions) {
  std::vector<GlyphEntry> entries;
  for (std::string_view definition : definitions) {
    if (IsBlankDefinition(definition)) continue;
    GlyphDefinition parsed = ParseGlyphDefinition(definition);
    GlyphEntry entry;
    entry.columns = std::move(parsed.columns);
    entry.first = entry.columns.empty() ? 0 : entry.columns[0];
    if (!parsed.name.empty() && parsed.name[0] == '&') {
      entry.name = parsed.name.size() > 1 ? parsed.name.substr(1, 1) : std::string{};
      entry.savedEntity = entry.first;
    } else {
      entry.name = parsed.name;
      if (StartsDoubleByte(entry.name)) entry.savedDoubleByte = entry.first;
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

GlyphTables BuildGlyphTables() {
  GlyphTables tables;
  // The double-byte glyphs follow the bold set: entries of the other sets keep their numbers.
  std::vector<std::string_view> list(TextGlyphDefinitions.begin(), TextGlyphDefinitions.end());
  list.insert(list.end(), DoubleByteGlyphDefinitions.begin(), DoubleByteGlyphDefinitions.end());
  const std::vector<std::string_view> kept = DedupeGlyphDefinitions(list);
  tables.fontFirst = 1;
  for (GlyphEntry& entry : ParseGlyphDefinitions(kept)) tables.entries.push_back(std::move(entry));
  tables.fontLast = static_cast<int>(tables.entries.size()) - 1;
  tables.regularCount = RegularGlyphCount;
  // Glyphs of the built-in set that the game draws in another meaning on some sites are never
  // read. The double-byte glyphs after it are the Japanese site's own drawing of those
  // characters ("ダブルニルパス" spells its button label with them), so they stay.
  constexpr std::string_view disabledNames = "パ()バル";
  const std::vector<std::string_view> builtIn(TextGlyphDefinitions.begin(),
                                              TextGlyphDefinitions.end());
  const int builtInLast =
      tables.fontFirst - 1 + static_cast<int>(DedupeGlyphDefinitions(builtIn).size());
  for (int e = tables.fontFirst; e <= builtInLast; ++e) {
    GlyphEntry& entry = tables.entries[e];
    if (!entry.name.empty() && disabledNames.find(entry.name) != std::string_view::npos) {
      entry.first = 0;
      entry.savedEntity = 0;
      entry.savedDoubleByte = 0;
    }
  }
  for (int symbol = CardGlyphFirst; symbol <= CardGlyphLast; ++symbol) {
    const std::vector<uint8_t> rows = ParseCardGlyph(CardGlyphDefinitions[symbol]);
    auto& out = tables.cardGlyphs[symbol];
    out[0] = static_cast<uint16_t>(rows.size());
    for (size_t r = 0; r < rows.size() && r < 9; ++r) out[r + 1] = rows[r];
  }
  PrepareGlyphIndex(tables, LangEnglish);
  return tables;
}

void PrepareGlyphIndex(GlyphTables& tables, int gameLanguage) {
  tables.gameLanguage = gameLanguage;
  for (int e = tables.fontFirst; e <= tables.fontLast; ++e) {
    GlyphEntry& entry = tables.entries[e];
    if (entry.savedDoubleByte != 0) {
      entry.first = gameLanguage == LangJapanese ? entry.savedDoubleByte : 0;
    } else if (entry.savedEntity != 0) {
      const bool plainOnly = gameLanguage == LangEnglish || gameLanguage == LangJapanese;
      entry.first = plainOnly ? 0 : entry.savedEntity;
    }
  }
  std::fill(tables.head.begin(), tables.head.end(), 0);
  for (GlyphEntry& entry : tables.entries) entry.next = 0;
  for (int e = tables.fontLast; e >= tables.fontFirst; --e) {
    GlyphEntry& entry = tables.entries[e];
    if (entry.first == 0 || entry.first >= GlyphCodeCount) continue;
    entry.next = tables.head[entry.first];
    tables.head[entry.first] = e;
  }
  tables.mask = {4094, 4094, 4088};
  for (int v = 0; v < 3; ++v) tables.maskInverse[v] = static_cast<uint16_t>(4095 - tables.mask[v]);

  const bool validLanguage = gameLanguage >= 1 && gameLanguage <= GameLanguages;
  const std::string keywords =
      validLanguage ? std::string(BidLabels[gameLanguage]) + std::string(TricksLabels[gameLanguage])
                    : std::string{};
  std::vector<std::string_view> keywordSet;
  for (std::string_view c : Characters(keywords)) {
    if (std::find(keywordSet.begin(), keywordSet.end(), c) == keywordSet.end()) {
      keywordSet.push_back(c);
    }
  }
  const std::string_view values =
      gameLanguage == LangItalian ? std::string_view("0123456789ZQ") : "0123456789DN";
  const std::vector<std::string_view> valueSet = Characters(values);
  const std::array<const std::vector<std::string_view>*, 2> sets{&keywordSet, &valueSet};
  for (int cls = 0; cls < 2; ++cls) {
    std::vector<int>& list = tables.candidates[cls];
    list.clear();
    // The regular set, and the double-byte glyphs wherever they stand (a Japanese label is
    // spelt with them); the latter are never in another language's keyword or value set.
    for (int e = tables.fontFirst; e <= tables.fontLast; ++e) {
      const GlyphEntry& entry = tables.entries[e];
      if (e > tables.regularCount && entry.savedDoubleByte == 0) continue;
      if (entry.savedEntity != 0 || Characters(entry.name).size() != 1) continue;
      const auto& set = *sets[cls];
      if (std::find(set.begin(), set.end(), entry.name) != set.end()) list.push_back(e);
    }
  }
}

ColumnCodes ComputeColumnCodes(const Picture& picture, int top, int greyFrom, int fromX, int toX) {
  ColumnCodes out;
  out.origin = fromX;
  out.top = top;
  const int count = std::max(0, toX - fromX + 1);
  out.codes.assign(count + 2, 0);
  uint16_t all = 0;
  for (int i = 0; i < count; ++i) {
    const int x = fromX + i;
    uint16_t code = 0;
    for (int r = 0; r < GlyphHeight; ++r) {
      const auto p = picture.at(x, top + r);
      code = static_cast<uint16_t>(code * 2 + (p && BlueOf(*p) < 15 ? 1 : 0));
    }
    if (code == 0 && greyFrom != 0 && greyFrom <= 10) {
      bool grey = true;
      for (int r = greyFrom; r <= 10 && grey; ++r) grey = IsGreyAt(picture, x, top + r);
      if (grey) code = SeparatorCode;
    }
    out.codes[i + 1] = code;
    all |= code;
  }
  out.codes[0] = all;
  out.codes[count + 1] = SeparatorCode;
  return out;
}

ColumnCodes ComputeTableColumnCodes(const Picture& picture, int top, int fromX, int toX,
                                    const ColumnCodes* previous) {
  ColumnCodes out;
  out.origin = fromX;
  out.top = top;
  const int count = std::max(0, toX - fromX + 1);
  out.codes.assign(count + 2, 0);
  const bool shift = previous != nullptr && previous->top + 1 == top && previous->origin == fromX &&
                     previous->end() == count + 1;
  uint16_t all = 0;
  for (int i = 0; i < count; ++i) {
    const int x = fromX + i;
    uint16_t code = 0;
    if (shift) {
      code = static_cast<uint16_t>((previous->codes[i + 1] & 2047) * 2 +
                                   (IsBlackAt(picture, x, top + GlyphHeight - 1) ? 1 : 0));
    } else {
      for (int r = 0; r < GlyphHeight; ++r) {
        code = static_cast<uint16_t>(code * 2 + (IsBlackAt(picture, x, top + r) ? 1 : 0));
      }
    }
    out.codes[i + 1] = code;
    all |= code;
  }
  out.codes[0] = all;
  out.codes[count + 1] = SeparatorCode;
  return out;
}

std::string MatchGlyph(const GlyphTables& tables, const ColumnCodes& codes, int& pos) {
  const int end = codes.end();
  const uint16_t first = CodeAt(codes, pos);
  if (pos >= 1 && pos < end && first >= 1 && first < GlyphCodeCount) {
    for (int e = tables.head[first]; e != 0; e = tables.entries[e].next) {
      const GlyphEntry& entry = tables.entries[e];
      const int width = entry.width();
      if (pos + width - 1 >= end) continue;
      bool same = true;
      for (int c = 1; c < width && same; ++c) same = entry.columns[c] == codes.codes[pos + c];
      if (same) {
        pos += width;
        return entry.name;
      }
    }
  }
  if (pos < 1) pos = 1;
  while (pos < end && codes.codes[pos] != 0 && codes.codes[pos] != SeparatorCode) ++pos;
  return "?";
}

std::string MatchGlyphMasked(const GlyphTables& tables, const ColumnCodes& codes, int& pos,
                             CandidateClass cls) {
  const int end = codes.end();
  const int variant = std::clamp(tables.fontVariant, 0, 2);
  const uint16_t mask = tables.mask[variant];
  if (pos >= 1 && pos < end) {
    const uint16_t first = codes.codes[pos];
    const std::vector<int>& list = tables.candidates[static_cast<int>(cls)];
    const int tried = std::min<int>(MaxGlyphCandidates, static_cast<int>(list.size()));
    for (int k = 0; k < tried; ++k) {
      const GlyphEntry& entry = tables.entries[list[k]];
      if (entry.first == 0 || (entry.first & mask) != (first & mask)) continue;
      const int width = entry.width();
      if (pos + width - 1 >= end) continue;
      bool same = true;
      for (int c = 1; c < width && same; ++c) {
        same = (entry.columns[c] & mask) == (codes.codes[pos + c] & mask);
      }
      if (same) {
        pos += width;
        return entry.name;
      }
    }
  }
  if (pos < 1) pos = 1;
  while (pos < end && (codes.codes[pos] & mask) != 0) ++pos;
  return "?";
}

std::string ReadGlyphRun(const GlyphTables& tables, const ColumnCodes& codes, int& pos) {
  if (pos < 1) {
    pos = 0;
    return {};
  }
  std::string text;
  const int end = codes.end();
  while (pos < end) {
    const uint16_t code = codes.codes[pos];
    if (code == 0) {
      ++pos;
    } else if (code == SeparatorCode) {
      ++pos;
      return text;
    } else {
      text += MatchGlyph(tables, codes, pos);
    }
  }
  if (pos == end) ++pos;
  return text;
}

KeywordValue ReadKeywordValue(const GlyphTables& tables, const ColumnCodes& codes,
                              std::string_view keyword) {
  KeywordValue result;
  if (!tables.maskedReading || keyword.empty()) return result;
  const int variant = std::clamp(tables.fontVariant, 0, 2);
  const uint16_t mask = tables.mask[variant];
  const std::vector<std::string_view> wanted = Characters(keyword);
  const int end = codes.end();
  int pos = 1;
  size_t matched = 0;
  int startPos = 0;
  while (pos < end && matched < wanted.size()) {
    if ((codes.codes[pos] & mask) == 0) {
      ++pos;
      continue;
    }
    const int at = pos;
    const std::string glyph = MatchGlyphMasked(tables, codes, pos, CandidateClass::Keyword);
    if (glyph != wanted[matched]) {
      // A broken match starts over; the glyph that broke it may begin the keyword itself.
      matched = 0;
      if (glyph != wanted[0]) continue;
    }
    if (matched == 0) startPos = at;
    ++matched;
  }
  if (matched < wanted.size()) return result;
  result.found = true;
  result.keyword = std::string(keyword);
  result.startX = codes.xOf(startPos);

  int limit = end;
  while (pos < end && pos < limit) {
    if ((codes.codes[pos] & mask) == 0) {
      ++pos;
      continue;
    }
    const std::string glyph = MatchGlyphMasked(tables, codes, pos, CandidateClass::Value);
    if (glyph == "?") {
      // An unreadable glyph right after a "1" may be the second digit of 10..13: the value is
      // not known, as when its first glyph cannot be read.
      if (result.value == "1") result.value.clear();
      break;
    }
    if (glyph == "1") {
      if (result.value == "1") {
        result.value.push_back('1');
        break;
      }
      result.value = glyph;
      limit = pos + 10;  // the second digit of 10..13 follows closely
      continue;
    }
    const char c = glyph.size() == 1 ? glyph[0] : '\0';
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) {
      result.value += glyph;
      break;
    }
  }
  return result;
}

int FindWord(const GlyphTables& tables, const ColumnCodes& codes, int fromX,
             std::string_view word) {
  if (word.empty()) return 0;
  const int end = codes.end();
  int pos = std::max(1, codes.posOf(fromX));
  size_t offset = 0;
  while (pos < end) {
    const uint16_t code = codes.codes[pos];
    if (code == 0 || code == SeparatorCode) {
      ++pos;
      continue;
    }
    const std::string glyph = MatchGlyph(tables, codes, pos);
    auto fits = [&](size_t at) { return glyph != "?" && word.substr(at, glyph.size()) == glyph; };
    if (fits(offset)) {
      offset += glyph.size();
    } else {
      offset = fits(0) ? glyph.size() : 0;
    }
    if (offset >= word.size()) return codes.xOf(pos);
  }
  return 0;
}

bool LineContainsWord(const GlyphTables& tables, const ColumnCodes& codes, std::string_view word) {
  return FindWord(tables, codes, codes.origin, word) != 0;
}

}  // namespace scorlet::recognition
