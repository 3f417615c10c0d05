// Watches ScorletS.exe and SpadesTable.exe from outside, with the raw window API, and reports
// what a user would see: the companion going on line (caption with table and host), the table
// window placed at the screen's corner, the three sub-windows opened by the companion's clicks on
// the table's buttons, the helper windows beside the table while the deals are played, the
// companion going off line when the table closes.
//
//   companion_e2e_probe.exe online SECONDS  the take-over and the placement, the helper windows
//                                           while the table plays, then off line (within SECONDS)
//   companion_e2e_probe.exe message         a table whose score window the companion cannot
//                                           find: the seat overlays, the messages window, then
//                                           the overlays removed by a restart
//   companion_e2e_probe.exe follow SECONDS  the take-over, then off line when the table closes
//   companion_e2e_probe.exe japanese        wait for the main window's Japanese caption
//   companion_e2e_probe.exe close TITLE     close the window whose title begins with TITLE
//
// Lines "screenshot NAME" ask the script to take a screenshot (it creates NAME.request and waits
// until the file is gone). The request lists the companion's visible windows, one a line
// ("x y width height caption"), so that the script can also cut out each window.
// At the end the probe closes ScorletS with WM_CLOSE.
// Exit 0 when everything was seen, 1 when something did not come in time.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ProbeWindows.h"
#include <vector>

namespace {

using probe::FindByTitle;
using probe::Title;
using probe::Utf8;
using probe::WaitFor;

// The companion's own windows (class ScorletForm) that are on show.
BOOL CALLBACK VisitForm(HWND window, LPARAM data) {
  wchar_t cls[64] = {};
  GetClassNameW(window, cls, 63);
  if (IsWindowVisible(window) && std::wstring(cls) == L"ScorletForm")
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  return TRUE;
}

std::vector<HWND> CompanionWindows() {
  std::vector<HWND> windows;
  EnumWindows(VisitForm, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND FindForm(const std::string& prefix) {
  for (HWND w : CompanionWindows())
    if (Title(w).rfind(prefix, 0) == 0) return w;
  return nullptr;
}

void Screenshot(const std::string& name) {
  const std::string request = name + ".request";
  if (FILE* f = std::fopen(request.c_str(), "w")) {
    for (HWND w : CompanionWindows()) {
      RECT r{};
      GetWindowRect(w, &r);
      std::fprintf(f, "%ld %ld %ld %ld %s\n", r.left, r.top, r.right - r.left, r.bottom - r.top,
                   Title(w).c_str());
    }
    std::fclose(f);
  }
  std::printf("screenshot %s\n", name.c_str());
  std::fflush(stdout);
  WaitFor(10, [&] { return GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES; });
}

int Fail(const char* what) {
  std::printf("FAILED: %s\n", what);
  return 1;
}

bool CloseCompanion(HWND main) {
  PostMessageW(main, WM_CLOSE, 0, 0);
  return WaitFor(15, [&] { return !IsWindow(main); });
}

// The main window's button with this caption, nullptr when there is none.
HWND ChildButton(HWND main, const std::string& caption) {
  struct Search {
    std::string caption;
    HWND found = nullptr;
  } search{caption, nullptr};
  EnumChildWindows(
      main,
      [](HWND child, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        if (Title(child) != s->caption) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The last label right of `button` on its line that shows a number (the count of bid places),
// nullptr when there is none.
HWND CountBeside(HWND main, HWND button) {
  struct Search {
    RECT button;
    HWND found = nullptr;
  } search{};
  if (!button || !GetWindowRect(button, &search.button)) return nullptr;
  EnumChildWindows(
      main,
      [](HWND child, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t cls[16] = {};
        GetClassNameW(child, cls, 15);
        const std::string text = Title(child);
        RECT r{};
        GetWindowRect(child, &r);
        if (_wcsicmp(cls, L"Static") != 0 || text.empty() ||
            text.find_first_not_of("0123456789") != std::string::npos ||
            r.left < s->button.right || r.top >= s->button.bottom || r.bottom <= s->button.top) {
          return TRUE;
        }
        RECT f{};
        if (!s->found || (GetWindowRect(s->found, &f) && r.left > f.left)) s->found = child;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// True when the screen shows, inside `area`, a few pixels of the deep blue in which the companion
// paints the bids and tricks beside the seats. The table repaints itself at every move, so the
// overlays are on the screen only part of the time.
bool OverlaysOnScreen(const RECT& area) {
  const int w = area.right - area.left, h = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC copy = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  int found = 0;
  if (bitmap) {
    HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* px = static_cast<const DWORD*>(bits);
    for (int i = 0; i < w * h; ++i) found += (px[i] & 0xFFFFFF) == 0x0000A0;
    SelectObject(copy, old);
    DeleteObject(bitmap);
  }
  DeleteDC(copy);
  ReleaseDC(nullptr, screen);
  return found > 40;
}

int Online(int seconds) {
  HWND table = nullptr;
  if (!WaitFor(30, [&] { return (table = FindByTitle("", "Game: Spades")) != nullptr; })) {
    return Fail("no table window");
  }
  HWND main = nullptr;
  if (!WaitFor(60, [&] { return (main = FindByTitle("ScorletS  2.5 Table: 1234 [")) != nullptr; })) {
    return Fail("the companion did not take the table over");
  }
  std::printf("caption: %s\n", Title(main).c_str());
  RECT r{};
  const bool placed = WaitFor(20, [&] {
    GetWindowRect(table, &r);
    return r.left == 0 && r.top == 0 && r.right - r.left == 615 && r.bottom - r.top == 700;
  });
  std::printf("table window: (%ld, %ld) %ld x %ld\n", r.left, r.top, r.right - r.left,
              r.bottom - r.top);
  if (!placed) return Fail("the table window was not placed at (0, 0) 615 x 700");
  RECT m{};
  GetWindowRect(main, &m);
  std::printf("main window: (%ld, %ld) %ld x %ld, screen %d wide\n", m.left, m.top,
              m.right - m.left, m.bottom - m.top, GetSystemMetrics(SM_CXSCREEN));
  Screenshot("online");
  // The table opens its sub-windows only when its buttons are clicked: the companion does it.
  for (const char* title : {"Last Trick", "Last Hand", "Spades Score"}) {
    if (!WaitFor(60, [&] { return FindByTitle(title) != nullptr; })) {
      std::printf("FAILED: no \"%s\" window\n", title);
      return 1;
    }
    std::printf("sub-window up: %s\n", title);
  }
  // While the table plays: the screen mid-deal, the first time each window comes up (the
  // bidding board, the bid helper, the counters, ...), the bid helper each time it comes up
  // (the last picture is the one nearest a game's end), and the whole screen now and then.
  const DWORD start = GetTickCount();
  bool middealShot = false, overlaysShot = false, scoreRowsShot = false;
  std::vector<std::string> seen;
  HWND helpShown = nullptr;
  int helpShots = 0;
  DWORD lastPeriodic = start;
  int periodic = 0, firsts = 0;
  while (Title(main) != "ScorletS  2.5") {
    const DWORD now = GetTickCount();
    if (now - start > static_cast<DWORD>(seconds) * 1000) {
      return Fail("the companion did not go off line when the table closed");
    }
    if (!middealShot && now - start > 15000) {
      middealShot = true;
      Screenshot("middeal");
      // The score window comes up when the user clicks the count of bid places beside the
      // Pause button (shown with DebugWindow).
      if (HWND count = CountBeside(main, ChildButton(main, "Pause"))) {
        PostMessageW(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(count), STN_CLICKED),
                     reinterpret_cast<LPARAM>(count));
      }
    }
    // Again once the game's score table has rows: the copy of the rows under the names.
    if (middealShot && !scoreRowsShot && now - start > 150000) {
      scoreRowsShot = true;
      if (HWND count = CountBeside(main, ChildButton(main, "Pause"))) {
        PostMessageW(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(count), STN_CLICKED),
                     reinterpret_cast<LPARAM>(count));
        Sleep(1500);
        Screenshot("score-rows");
      }
    }
    for (HWND w : CompanionWindows()) {
      // By caption and place: the companion's score window has the table's score caption.
      RECT r{};
      GetWindowRect(w, &r);
      const std::string key = Title(w) + " at " + std::to_string(r.left) + "," + std::to_string(r.top);
      bool known = false;
      for (const std::string& k : seen) known = known || k == key;
      if (known) continue;
      seen.push_back(key);
      Sleep(300);
      char name[32];
      std::snprintf(name, sizeof name, "first-%02d", ++firsts);
      std::printf("window up: %s\n", key.c_str());
      Screenshot(name);
    }
    if (!overlaysShot && middealShot) {
      // Only the table's green, where the overlays go, not its caption bar.
      RECT area{200, 200, 600, 600};
      if (OverlaysOnScreen(area)) {
        overlaysShot = true;
        Screenshot("overlays");
      }
    }
    HWND help = FindForm("Help");
    if (help && help != helpShown && ++helpShots > 1) {
      Sleep(300);
      Screenshot("helpbid-last");
    }
    helpShown = help;
    if (now - lastPeriodic > 45000) {
      lastPeriodic = now;
      char name[32];
      std::snprintf(name, sizeof name, "screen-%02d", ++periodic);
      Screenshot(name);
    }
    Sleep(100);
  }
  std::printf("bid helper shown %d times\n", helpShots);
  std::printf("off line: caption back to \"%s\"\n", Title(main).c_str());
  if (!CloseCompanion(main)) return Fail("the companion did not close");
  return 0;
}

int Message() {
  HWND main = nullptr;
  if (!WaitFor(60, [&] { return (main = FindByTitle("ScorletS  2.5 Table: 1234 [")) != nullptr; })) {
    return Fail("the companion did not take the table over");
  }
  // The user asks for the bids by hand (the main window's "Bid" button) until the companion
  // answers with a numbered message: the game or the bidding has not started, is not over, or
  // the bids are unchanged.
  HWND bid = ChildButton(main, "Bid");
  if (!bid) return Fail("no Bid button on the main window");
  if (!WaitFor(120, [&] {
        if (FindForm("Message")) return true;
        PostMessageW(bid, BM_CLICK, 0, 0);
        Sleep(1500);
        return FindForm("Message") != nullptr;
      })) {
    return Fail("no messages window");
  }
  Sleep(500);
  Screenshot("message");
  // Later in the deal the bids and tricks are painted beside the seats.
  Sleep(8000);
  Screenshot("overlays");
  // A restart (a right click on "Delete ALL Work Files" while capture is paused) takes the
  // painted bids and tricks off the table window again.
  HWND pause = ChildButton(main, "Pause");
  HWND deleteAll = ChildButton(main, "Delete ALL Work Files");
  if (!pause || !deleteAll) return Fail("no Pause or Delete ALL Work Files button");
  PostMessageW(pause, BM_CLICK, 0, 0);
  Sleep(700);
  PostMessageW(deleteAll, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  PostMessageW(deleteAll, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  Sleep(300);
  Screenshot("restarted");
  if (!CloseCompanion(main)) return Fail("the companion did not close");
  return 0;
}

// The companion follows a table until the table closes (its caption goes back to the plain
// one), then is closed.
int Follow(int seconds) {
  HWND main = nullptr;
  if (!WaitFor(60, [&] { return (main = FindByTitle("ScorletS  2.5 Table: 1234 [")) != nullptr; })) {
    return Fail("the companion did not take the table over");
  }
  if (!WaitFor(seconds, [&] { return Title(main) == "ScorletS  2.5"; })) {
    return Fail("the companion did not go off line when the table closed");
  }
  Screenshot("offline");
  if (!CloseCompanion(main)) return Fail("the companion did not close");
  return 0;
}

int Caption(const std::string& prefix) {
  HWND main = nullptr;
  if (!WaitFor(30, [&] { return (main = FindByTitle(prefix)) != nullptr; })) {
    return Fail("no main window with that caption");
  }
  std::printf("caption: %s\n", Title(main).c_str());
  Screenshot("caption");
  if (!CloseCompanion(main)) return Fail("the companion did not close");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "online") return Online(argc > 2 ? std::atoi(argv[2]) : 330);
  if (mode == "message") return Message();
  if (mode == "follow") return Follow(argc > 2 ? std::atoi(argv[2]) : 120);
  if (mode == "close" && argc > 2) {  // the summary program waits for its End: close it
    HWND window = nullptr;
    if (!WaitFor(30, [&] { return (window = FindByTitle(argv[2])) != nullptr; })) {
      return Fail("no window to close");
    }
    return CloseCompanion(window) ? 0 : Fail("the window did not close");
  }
  if (mode == "japanese") return Caption("スペード用スコレット  2.5");
  std::printf("usage: companion_e2e_probe.exe online SECONDS | message | follow SECONDS | japanese | close TITLE\n");
  return 2;
}
