// Cost of reading the table window: one whole read of a capture (box search, the four bid lines,
// the trick lines, the player list) as the companion does it every second while a deal is bid,
// and the reading of one text line alone.
#include <benchmark/benchmark.h>

#include <string_view>

#include "companion/recognition/GlyphReader.h"
#include "companion/recognition/PlayerList.h"
#include "companion/recognition/TableReaders.h"
#include "tests/recognition/Drawing.h"
#include "gamedata/WindowTitles.h"

namespace {

using namespace scorlet;
using namespace scorlet::recognition;

TableCapture DrawnTable() {
  TableCapture picture = testing::TableWithFrame();
  testing::DrawText(picture, 230, 400, "Tricks:3");
  testing::DrawText(picture, 345, 400, "Bid:4");
  testing::DrawText(picture, 230, 425, "Bid:N");
  testing::DrawText(picture, 230, 340, "Tricks:0");
  testing::DrawText(picture, 230, 310, "Bid:13");
  testing::DrawText(picture, 345, 310, "Tricks:5");
  testing::DrawText(picture, 345, 340, "Bid:2");
  testing::DrawText(picture, 345, 425, "Tricks:1");
  testing::DrawText(picture, 420, 460, "alice");
  testing::DrawText(picture, 470, 460, "1523");
  testing::DrawText(picture, 420, 480, "bobby");
  testing::DrawText(picture, 470, 480, "1610");
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
