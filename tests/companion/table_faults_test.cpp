// The faults of the substitute table as the companion's readers meet them: a glyph the table
// damaged reads "?" and so leaves its line unread, never read as another value.
#include <gtest/gtest.h>

#include "companion/recognition/GlyphReader.h"
#include "companion/recognition/TableReaders.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"
#include "tableclient/window/TableClient.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

using namespace recognition;

// The table window as it shows now, without the waits of a real capture (the table must not
// move on between two pictures).
TableCapture Snapshot(VirtualProgram& program, WindowHandle window) {
  TableCapture picture;
  Rect rect;
  if (!program.windowRect(window, rect)) return picture;
  CaptureGeometry& g = picture.geometry;
  g.width = rect.width();
  g.height = rect.height();
  g.right = g.width;
  g.bottom = g.height;
  g.stride = StrideFor(g.width);
  picture.pixels.assign(static_cast<std::size_t>(g.stride) * g.height, 0);
  g.rowsRead = program.copyPixels(window, false, {0, 0, g.width, g.height}, picture.pixels.data(), g.stride);
  return picture;
}

struct Lines {
  BidReading bids;
  TrickReading tricks;
};

Lines ReadLines(const TableCapture& picture, const TableBox& box, const GlyphTables& glyphs) {
  BidTrickAnchors bidAnchors{};
  BidTrickAnchors trickAnchors{};
  return {ReadBidLines(picture, box, glyphs, bidAnchors, false),
          ReadTrickLines(picture, box, glyphs, trickAnchors)};
}

TEST(TableFaultReadingTest, ADamagedGlyphLeavesItsLineUnreadNeverReadAsAnotherValue) {
  VirtualDesktop desktop;
  auto program = desktop.startProgram("SpadesTable", testing::TestFolder("GlyphDamage").string());
  table::TableClientOptions options;
  options.game.seed = 29;
  options.maxDeals = 4;
  options.actionDelayMs = 300;
  table::TableClient table(*program, *program, options);
  ASSERT_TRUE(table.Open());
  const GlyphTables glyphs = recognition::BuildGlyphTables();
  int damaged = 0;
  int unread = 0;
  Image lastDamaged;
  while (damaged < 40 && !table.finished()) {
    desktop.runFor(options.actionDelayMs);
    // Only a whole drawing is compared: the last damage must have been drawn over.
    if (program->formImage("frmTable").pixels == lastDamaged.pixels) continue;
    const TableCapture whole = Snapshot(*program, table.tableWindow());
    const TableBox box = FindTableBox(whole, 1);
    ASSERT_TRUE(box.located());
    const Lines before = ReadLines(whole, box, glyphs);
    if (before.bids.bidsRead == 0) continue;
    table.DamageGlyphOnce();
    lastDamaged = program->formImage("frmTable");
    const Lines after = ReadLines(Snapshot(*program, table.tableWindow()), box, glyphs);
    ++damaged;
    bool changed = false;
    for (std::size_t seat = 0; seat < 4; ++seat) {
      const std::string& bid = after.bids.bids[seat];
      EXPECT_TRUE(bid == before.bids.bids[seat] || bid.empty()) << "seat " << seat << " read " << bid;
      const int tricks = after.tricks.tricks[seat];
      EXPECT_TRUE(tricks == before.tricks.tricks[seat] || tricks < 0)
          << "seat " << seat << " read " << tricks << " where it showed " << before.tricks.tricks[seat];
      changed = changed || bid != before.bids.bids[seat] || tricks != before.tricks.tricks[seat];
    }
    unread += changed ? 1 : 0;
  }
  EXPECT_EQ(damaged, 40);
  // Nearly every damage is seen: a line whose keyword lost a pixel is not found at all.
  EXPECT_GE(unread, damaged * 3 / 4);
}

}  // namespace
}  // namespace scorlet::companion
