#include "companion/recognition/ScreenCapture.h"

#include <cstdlib>

#include "platform/Capture.h"
#include "platform/System.h"

namespace scorlet::recognition {

namespace {

template <typename PictureType>
PictureType Capture(Desktop& desktop, WindowHandle window, bool clientOnly, double settle) {
  PictureType picture;
  Rect rect;
  if (window == 0 || CaptureWindow(desktop, window, picture.pixels, picture.geometry, rect,
                                   clientOnly, settle) == 0) {
    picture.pixels.clear();
    picture.geometry.rowsRead = 0;
  }
  return picture;
}

}  // namespace

TableCapture CaptureTableWindow(Desktop& desktop, WindowHandle window, double settleSeconds) {
  return Capture<TableCapture>(desktop, window, false, settleSeconds);
}

TableCapture CaptureDesktop(Desktop& desktop, double settleSeconds) {
  return Capture<TableCapture>(desktop, desktop.desktopWindow(), false, settleSeconds);
}

PanelCapture CapturePanel(Desktop& desktop, WindowHandle window, PanelPlacement& placement,
                          const std::function<WindowHandle()>& findAgain, double settleSeconds) {
  if (window != 0) {
    desktop.showWindow(window, ShowCommand::Restore);
    desktop.setTopmost(window, true);
    Rect rect;
    if (desktop.windowRect(window, rect)) {
      if (!placement.moved && std::abs(rect.left) + std::abs(rect.top) < 11 &&
          placement.savedPosition) {
        rect = rect.movedTo(placement.savedPosition->x, placement.savedPosition->y);
        desktop.moveWindow(window, rect, true);
        placement.moved = true;
      }
      const Size screen = desktop.screenSize();
      int x = rect.left;
      int y = rect.top;
      if (x < 0) x = 0;
      if (y < 0) y = 0;
      const int overRight = x - screen.width + rect.width() - 5;
      if (overRight > 0) x -= overRight;
      const int overBottom = y - screen.height + rect.height();
      if (overBottom > 0) y -= overBottom;
      if (x != rect.left || y != rect.top) desktop.moveWindow(window, rect.movedTo(x, y), true);
    }
  }
  PanelCapture picture = Capture<PanelCapture>(desktop, window, true, settleSeconds);
  if (picture.empty() && findAgain) {
    picture = Capture<PanelCapture>(desktop, findAgain(), true, settleSeconds);
  }
  return picture;
}

BoxCacheEntry& BoxCache::entry(int width) {
  const size_t index = static_cast<size_t>(std::max(0, width - LowestWidth));
  if (entries.size() <= index) entries.resize(std::max<size_t>(index + 1, 401));
  return entries[index];
}

namespace {

std::array<Point, 4> SeatAnchors(const BoxCacheEntry& entry, const TableBox& box) {
  std::array<Point, 4> anchors{};
  for (int seat = 0; seat < 4; ++seat) {
    const Point cached = entry.anchors[seat];
    anchors[seat].x = cached.x != 0 ? cached.x : (seat == 0 || seat == 3 ? box.centreX : box.left);
    anchors[seat].y = cached.y != 0 ? cached.y : (seat <= 1 ? box.left : box.centreX);
  }
  return anchors;
}

}  // namespace

BoxLocation LocateTableBox(Desktop& desktop, WindowHandle table, BoxCache& cache,
                           const BoxSearchSettings& settings, const TableBox& current,
                           const std::array<Point, 4>& anchors, int bidControlRow) {
  BoxLocation result;
  result.box = current;
  result.seatAnchors = anchors;
  result.bidControlRow = bidControlRow;
  if (settings.reducedWidth == FixedLayoutWidth && settings.gameLanguage == 1) {
    result.box = BoxAt(236, 247);
    result.bidControlRow = FixedLayoutBidRow;
    return result;
  }
  desktop.showWindow(table, ShowCommand::Restore);
  Rect rect;
  if (!desktop.windowRect(table, rect)) return result;
  const int key = rect.width();
  if (key < BoxCache::LowestWidth) return result;
  BoxCacheEntry& entry = cache.entry(key);
  if (key == cache.lastKey) {
    entry.anchors = anchors;
    // A width whose search failed keeps an empty box until the width changes.
    result.box = entry.left != 0 ? BoxAt(entry.left, entry.top) : TableBox{};
    return result;
  }
  cache.lastKey = key;
  for (int attempt = 0; attempt < settings.attempts; ++attempt) {
    const TableCapture picture = CaptureTableWindow(desktop, table, settings.settleSeconds);
    const TableBox box = FindTableBox(picture, settings.gameLanguage);
    if (box.located()) {
      result.box = box;
      result.status = "Box OK";
      result.statusRed = false;
      entry.left = box.left;
      entry.top = box.top;
      result.seatAnchors = SeatAnchors(entry, box);
      if (bidControlRow == 0) {
        result.bidControl = FindBidControl(picture, box, rect);
        if (result.bidControl.y != 0) result.bidControlRow = result.bidControl.y;
      }
      return result;
    }
    result.status = "BOX (" + std::to_string(attempt) + ")";
    result.statusRed = true;
    if (attempt + 1 < settings.attempts) PauseWithEvents(desktop, settings.pauseSeconds);
  }
  entry = BoxCacheEntry{};
  result.box = TableBox{};
  return result;
}

}  // namespace scorlet::recognition
