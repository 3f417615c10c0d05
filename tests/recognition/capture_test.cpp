#include <gtest/gtest.h>

#include "companion/recognition/ScreenCapture.h"
#include "platform/virtual/VirtualProgram.h"

namespace scorlet::recognition {
namespace {

class BoxSearch : public ::testing::Test {
 protected:
  VirtualDesktop desktop;
  std::unique_ptr<VirtualProgram> program = desktop.startProgram("ScorletS");
  BoxCache cache;
  BoxSearchSettings settings;

  WindowHandle Table(int width, bool withFrame) {
    WindowSpec options;
    options.title = "Game: Spades";
    options.rect = {0, 0, width, 560};
    options.frame = WindowFrame::none();
    options.background = Rgb(0, 96, 32);
    const WindowHandle window = desktop.createWindow(options);
    Image& surface = desktop.surface(window);
    if (withFrame) {
      for (int x = 210; x <= 460; ++x) surface.set(x, 450, Rgb(40, 0, 0));
      for (int y = 290; y <= 450; ++y) surface.set(210, y, Rgb(40, 0, 0));
      for (int y = 470; y < 473; ++y) {  // the bid control's top-left corner
        for (int x = 400; x < 403; ++x) surface.set(x, y, Rgb(255, 255, 255));
      }
    }
    return window;
  }
  BoxLocation Locate(WindowHandle window, const TableBox& current = {}) {
    return LocateTableBox(*program, window, cache, settings, current, {}, 0);
  }
};

TEST_F(BoxSearch, FoundOnceThenTakenFromTheCache) {
  const WindowHandle window = Table(615, true);
  BoxLocation found = Locate(window);
  EXPECT_EQ(found.box, (TableBox{215, 296, 450, 445, 332, 370}));
  EXPECT_EQ(found.status, "Box OK");
  EXPECT_EQ(found.bidControl, (Point{401, 469}));
  EXPECT_EQ(found.bidControlRow, 469);
  EXPECT_EQ(found.seatAnchors[1], (Point{215, 215}));

  desktop.surface(window) = Image(615, 560, Rgb(0, 96, 32));  // the frame is gone
  found = Locate(window);
  EXPECT_EQ(found.box.left, 215);  // same width: no new search
  EXPECT_EQ(found.status, "");
}

TEST_F(BoxSearch, FailedSearchNarrowWindowAndFixedLayout) {
  const WindowHandle blank = Table(640, false);
  const uint32_t start = program->tickCount();
  const BoxLocation failed = Locate(blank, BoxAt(215, 296));
  EXPECT_FALSE(failed.box.located());
  EXPECT_EQ(failed.status, "BOX (50)");
  EXPECT_TRUE(failed.statusRed);
  EXPECT_GE(program->tickCount() - start, 10000u);  // fifty pauses of 0.2 s
  EXPECT_FALSE(Locate(blank).box.located());        // kept empty for this width

  const TableBox held = BoxAt(100, 100);
  EXPECT_EQ(Locate(Table(450, true), held).box, held);  // too narrow to search

  settings.reducedWidth = FixedLayoutWidth;
  const BoxLocation fixed = Locate(blank);
  EXPECT_EQ(fixed.box, (TableBox{236, 247, 471, 396, 353, 321}));
  EXPECT_EQ(fixed.bidControlRow, FixedLayoutBidRow);
}

TEST_F(BoxSearch, PanelCaptureMovesToTheSavedPlaceAndRetries) {
  WindowSpec options;
  options.title = "Last Hand";
  options.rect = {2, 3, 202, 103};
  const WindowHandle panel = desktop.createWindow(options);
  PanelPlacement placement;
  placement.savedPosition = Point{300, 40};
  PanelCapture picture = CapturePanel(*program, panel, placement, nullptr);
  EXPECT_FALSE(picture.empty());
  Rect rect;
  program->windowRect(panel, rect);
  EXPECT_EQ(rect, (Rect{300, 40, 500, 140}));
  EXPECT_TRUE(placement.moved);

  bool askedAgain = false;
  picture = CapturePanel(*program, 0, placement, [&] {
    askedAgain = true;
    return panel;
  });
  EXPECT_TRUE(askedAgain);
  EXPECT_FALSE(picture.empty());
}

}  // namespace
}  // namespace scorlet::recognition
