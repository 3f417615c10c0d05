// What the companion knows about the game's windows: the window list of the last walk, the
// table window and the lobby windows, the sub-windows by kind, the site's language, the table's
// name and host, the buttons found on the table window and the saved window positions.
// One record for the run, a member of the program context.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/TextUtil.h"
#include "gamedata/WindowTitles.h"
#include "platform/Types.h"

namespace scorlet::companion {

// One visible, captioned top-level window of the last walk.
struct ListedWindow {
  WindowHandle handle = 0;
  std::string title;  // trimmed; sub-window titles of another language rewritten to English
};

inline constexpr std::size_t MaxListedWindows = 1000;
inline constexpr std::size_t MaxPlayerInfoWindows = 100;

// Positions in the window list of the last windows found of each lobby kind.
inline constexpr int LobbyTable = 0;  // "Game: Spades" (the table window itself)
inline constexpr int LobbyMain = 1;   // "Yahoo! Spades"
inline constexpr int LobbyGames = 2;  // "Spades at Yahoo! Games"
inline constexpr int LobbyKinds = 3;
inline constexpr int NoListPosition = -1;

// Slots of the saved window positions and of the last known rectangles: the window kinds 0 to
// 3, then the companion's own windows that keep their place between runs.
inline constexpr int PlaceCardPlay = 5;
inline constexpr int PlaceLeftCounter = 7;
inline constexpr int PlaceRightCounter = 8;
inline constexpr int PlaceSlots = 9;

inline constexpr int GameWindowKinds = 7;  // handles per kind; kinds 0 to 3 are used

// ClickTableButton's kind that clicks the buttons of all three sub-windows.
inline constexpr int ClickAllSubWindows = 254;

// The layout variant selects how many button labels are looked for and must be found.
inline constexpr int DefaultLayoutVariant = 3;

struct GameWindowState {
  // --- the last window walk ---
  std::vector<ListedWindow> WindowList;  // at most MaxListedWindows
  WindowHandle TableWindow = 0;          // the table window, 0 when none
  std::string tableTitle;                // its title as read
  int tableTitleLanguage = 0;            // the row whose table title it holds
  std::array<int, LobbyKinds> LobbyIndex{NoListPosition, NoListPosition, NoListPosition};
  std::vector<WindowHandle> PlayerInfoWindows;  // at most MaxPlayerInfoWindows
  WindowHandle ownMainWindow = 0;        // the program's main window, skipped by the walk

  // --- the game's windows by kind ---
  std::array<WindowHandle, GameWindowKinds> GameWindowHandle{};
  int GameLanguage = LangEnglish;        // row of every per-language table, 1 to 10
  int LayoutVariant = DefaultLayoutVariant;

  // --- the table being played ---
  std::string tableName;  // "Table: 1234"
  std::string tableHost;
  Rect TableRect;         // re-read after every move
  int TableWidth = 0;
  int TableHeight = 0;
  int FrameHeight = 0;    // table frame above the client area, beyond the usual 35 pixels

  // --- placement ---
  std::array<Rect, PlaceSlots> WindowRects{};
  std::array<WindowPos, PlaceSlots> SavedPositions{};  // (0, 0) = none
  std::array<std::int32_t, GameWindowKinds> WindowPlaced{};

  // --- the table's buttons ---
  std::array<Point, ButtonLabelCount + 1> TableButtons{};  // 1..5; (0, 0) = not found
  int ButtonClicks = 0;
  std::array<bool, ButtonLabelCount + 1> PendingKind{};    // 1..5: asked for, not seen yet
  std::string storedStatusText;  // "DNil Pass Table ! " / "Suicide Table ! ", shown at each deal

  // --- recogniser constants of the titles ---
  TitleWidths subWindowTitleWidths;

  // --- hand-diagram positions of the main window: three sets, one point per display position
  std::array<std::array<Point, 4>, 4> HandDiagram{};  // sets 1 to 3

  WindowHandle handle(int kind) const {
    return kind >= 0 && kind < GameWindowKinds ? GameWindowHandle[static_cast<std::size_t>(kind)]
                                               : 0;
  }
  // The window at a list position of the last walk, 0 for no position.
  WindowHandle listed(int position) const {
    return position >= 0 && static_cast<std::size_t>(position) < WindowList.size()
               ? WindowList[static_cast<std::size_t>(position)].handle
               : 0;
  }
};

// What a table leaves behind when it is given up: handles, buttons, placement flags, the table's
// name and host, and the language back to English. Saved positions and the title widths stay.
void ResetTableWindows(GameWindowState& state);

}  // namespace scorlet::companion
