// Taking the pictures the readers work on, and finding the table box on a live table window.
// These are the only recognition functions that touch the desktop.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "companion/recognition/Picture.h"
#include "companion/recognition/TableReaders.h"
#include "platform/Desktop.h"

namespace scorlet::recognition {

// The table window as a whole, frame included (positions from its top-left corner). An empty
// picture (rowsRead 0) when nothing could be copied.
TableCapture CaptureTableWindow(Desktop& desktop, WindowHandle window, double settleSeconds = 0.1);
// The whole screen, in screen coordinates.
TableCapture CaptureDesktop(Desktop& desktop, double settleSeconds = 0.1);

// What CapturePanel needs to know about a small window across calls.
struct PanelPlacement {
  bool moved = false;                  // moved to its saved position since the program started
  std::optional<Point> savedPosition;  // where the user last put it
};
// The client area of a small window: restored, made top-most, moved to its saved position the
// first time it stands at the screen's corner, kept on the screen. When nothing was copied,
// `findAgain` is asked for the window's handle anew and the copy is tried once more.
PanelCapture CapturePanel(Desktop& desktop, WindowHandle window, PanelPlacement& placement,
                          const std::function<WindowHandle()>& findAgain,
                          double settleSeconds = 0.1);

// The last box found per table-window width (500 and wider) with the seats' overlay anchors.
struct BoxCacheEntry {
  int left = 0;
  int top = 0;
  std::array<Point, 4> anchors{};
};
struct BoxCache {
  static constexpr int LowestWidth = 500;
  std::vector<BoxCacheEntry> entries;  // index width - LowestWidth
  int lastKey = 0;                     // the width of the previous search, 0 before the first
  BoxCacheEntry& entry(int width);     // grows the cache as needed
};

struct BoxSearchSettings {
  int reducedWidth = 0;  // the configured reduced table-window width
  int gameLanguage = 1;
  int attempts = 51;
  double pauseSeconds = 0.2;
  double settleSeconds = 0.1;
};

struct BoxLocation {
  TableBox box;
  std::string status;      // "Box OK", "BOX (" n ")" or "" when nothing was searched
  bool statusRed = false;  // a failed search is shown in red
  std::array<Point, 4> seatAnchors{};
  Point bidControl{};     // (0, 0) when not looked for or not found
  int bidControlRow = 0;  // 0 when not known
};

inline constexpr int FixedLayoutWidth = 624;
inline constexpr int FixedLayoutBidRow = 503;

// Finds the table box: the fixed layout of the reduced English table, the cache for a width
// searched before, else up to `attempts` scans with pauses between them. `current` is the box
// the caller holds (kept when the window is too narrow to search), `anchors` the seats' current
// overlay anchors (stored for the width), `bidControlRow` the row known so far (0 = look for it).
BoxLocation LocateTableBox(Desktop& desktop, WindowHandle table, BoxCache& cache,
                           const BoxSearchSettings& settings, const TableBox& current,
                           const std::array<Point, 4>& anchors, int bidControlRow);

}  // namespace scorlet::recognition
