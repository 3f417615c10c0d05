// Cost of reading the table window: one whole read of a capture (box search, the four bid lines,
// the trick lines, the player list) as the companion does it every second while a deal is bid,
// and the reading of one text line alone.
#include <benchmark/benchmark.h>

#include <string_view>

#include "companion/recognition/GlyphReader.h"
#include "companion/recognition/PlayerList.h"
#include "companion/recognition/TableReaders.h"
#include "gamedata/Glyphs.h"
#include "gamedata/WindowTitles.h"

namespace {

using namespace scorlet;
using namespace scorlet::recognition;

constexpr uint16_t Felt = Rgb555(0, 12, 4);

// Ink for each character's glyph, one blank column between glyphs.
void Draw(Picture& picture, int x, int y, std::string_view text) {
  for (char c : text) {
    for (std::string_view definition : TextGlyphDefinitions) {
      const GlyphDefinition glyph = ParseGlyphDefinition(definition);
      if (glyph.name != std::string(1, c)) continue;
      for (uint16_t code : glyph.columns) {
        for (int r = 0; r < GlyphHeight; ++r) {
          if (code & (1 << (GlyphHeight - 1 - r))) SetPixel(picture, x, y + r, 0);
        }
        ++x;
      }
      break;
    }
    ++x;
  }
}

TableCapture DrawnTable() {
  TableCapture picture = MakeTableCapture(615, 560, Felt);
  for (int x = 210; x <= 460; ++x) SetPixel(picture, x, 450, FrameReference);
  for (int y = 290; y <= 450; ++y) SetPixel(picture, 210, y, FrameReference);
  Draw(picture, 230, 400, "Tricks:3");
  Draw(picture, 345, 400, "Bid:4");
  Draw(picture, 230, 425, "Bid:N");
  Draw(picture, 230, 340, "Tricks:0");
  Draw(picture, 230, 310, "Bid:13");
  Draw(picture, 345, 310, "Tricks:5");
  Draw(picture, 345, 340, "Bid:2");
  Draw(picture, 345, 425, "Tricks:1");
  Draw(picture, 420, 460, "alice");
  Draw(picture, 470, 460, "1523");
  Draw(picture, 420, 480, "bobby");
  Draw(picture, 470, 480, "1610");
  return picture;
}

void BM_WholeTableRead(benchmark::State& state) {
  const TableCapture picture = DrawnTable();
  const GlyphTables glyphs = BuildGlyphTables();
  for (auto _ : state) {
    const TableBox box = FindTableBox(picture, LangEnglish);
    BidTrickAnchors anchors;  // no anchors: every quadrant is searched, the slowest pass
    const BidReading bids = ReadBidLines(picture, box, glyphs, anchors, false);
    const TrickReading tricks = ReadTrickLines(picture, box, glyphs, anchors);
    const auto players = MakePlayerList(picture, box, 0, Rect{0, 0, 615, 560}, glyphs);
    benchmark::DoNotOptimize(bids);
    benchmark::DoNotOptimize(tricks);
    benchmark::DoNotOptimize(players);
  }
}
BENCHMARK(BM_WholeTableRead)->Unit(benchmark::kMillisecond);

void BM_OneTextLine(benchmark::State& state) {
  const TableCapture picture = DrawnTable();
  const GlyphTables glyphs = BuildGlyphTables();
  for (auto _ : state) {
    const ColumnCodes codes = ComputeTableColumnCodes(picture, 400, 332, 450);
    benchmark::DoNotOptimize(ReadKeywordValue(glyphs, codes, "Bid:"));
  }
}
BENCHMARK(BM_OneTextLine)->Unit(benchmark::kMicrosecond);

}  // namespace
