// Watches ScorletS.exe and SpadesTable.exe from outside, with the raw window API, and reports
// what a user would see: the companion going on line (caption with table and host), the table
// window placed at the screen's corner, the three sub-windows opened by the companion's clicks on
// the table's buttons, the companion going off line when the table closes.
//
//   companion_e2e_probe.exe online     wait for the take-over and the placement, then off line
//   companion_e2e_probe.exe japanese   wait for the main window's Japanese caption
//
// Lines "screenshot NAME" ask the script to take a screenshot (it creates NAME.request and waits
// until the file is gone). At the end the probe closes ScorletS with WM_CLOSE.
// Exit 0 when everything was seen, 1 when something did not come in time.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::string Title(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 511);
  return Utf8(buffer);
}

struct Found {
  std::string prefix;
  std::string part;
  HWND window = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM data) {
  auto* found = reinterpret_cast<Found*>(data);
  if (!IsWindowVisible(window)) return TRUE;
  const std::string title = Title(window);
  if (title.rfind(found->prefix, 0) == 0 && title.find(found->part) != std::string::npos) {
    found->window = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindByTitle(const std::string& prefix, const std::string& part = "") {
  Found found{prefix, part, nullptr};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&found));
  return found.window;
}

// Polls every 100 ms for up to `seconds`.
template <class Test>
bool WaitFor(double seconds, Test test) {
  for (int i = 0; i < static_cast<int>(seconds * 10); ++i) {
    if (test()) return true;
    Sleep(100);
  }
  return test();
}

void Screenshot(const char* name) {
  const std::string request = std::string(name) + ".request";
  if (FILE* f = std::fopen(request.c_str(), "w")) std::fclose(f);
  std::printf("screenshot %s\n", name);
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

int Online() {
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
  // Mid-deal: the bids read are shown on the main window beside the table.
  Sleep(15000);
  Screenshot("middeal");
  // The table plays its deals and closes; the companion lets it go.
  if (!WaitFor(330, [&] { return Title(main) == "ScorletS  2.5"; })) {
    return Fail("the companion did not go off line when the table closed");
  }
  std::printf("off line: caption back to \"%s\"\n", Title(main).c_str());
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
  if (mode == "online") return Online();
  if (mode == "japanese") return Caption("スペード用スコレット  2.5");
  std::printf("usage: companion_e2e_probe.exe online | japanese\n");
  return 2;
}
