// Watches ScorletS.exe beside SpadesTable.exe on a Japanese system (code page 932), with the raw
// window API: the table with its Japanese title, the companion going on line with its Japanese
// caption, the helper windows mid-deal, the companion going off line when the table closes.
//
//   japanese_probe.exe game SECONDS      follow the game for at most SECONDS, then close ScorletS
//   japanese_probe.exe close TITLE       close the window whose title begins with TITLE
//   japanese_probe.exe move TITLE X Y    move that window's top-left corner to (X, Y)
//   japanese_probe.exe click TITLE TEXT  click that window's button captioned TEXT
//   japanese_probe.exe clickat X Y       a left click at that point of the screen
//
// Lines "screenshot NAME" ask the script to take a screenshot (it creates NAME.request and waits
// until the file is gone). Exit 0 when everything was seen, 1 when something did not come in time.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ProbeWindows.h"

namespace {

using probe::FindByTitle;
using probe::Title;
using probe::Utf8;
using probe::WaitFor;

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

bool Close(HWND window) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  return WaitFor(15, [&] { return !IsWindow(window); });
}

const std::string Caption = "スペード用スコレット  2.5";

int Game(double seconds) {
  HWND table = nullptr;
  if (!WaitFor(30, [&] { return (table = FindByTitle("ゲーム：Spades")) != nullptr; })) {
    return Fail("no table window with the Japanese title");
  }
  std::printf("table: %s\n", Title(table).c_str());
  HWND main = nullptr;
  if (!WaitFor(60, [&] { return (main = FindByTitle(Caption, "1234")) != nullptr; })) {
    return Fail("the companion did not take the table over");
  }
  std::printf("caption: %s\n", Title(main).c_str());
  for (const char* title : {"最後のトリック", "最後のハンド", "スペードスコア"}) {
    if (!WaitFor(60, [&] { return FindByTitle(title) != nullptr; })) {
      std::printf("FAILED: no \"%s\" window\n", title);
      return 1;
    }
    std::printf("sub-window up: %s\n", title);
  }
  // Mid-deal, twice: the counters, the card play, the shown cards and the cards still out.
  Sleep(12000);
  Screenshot("middeal");
  Sleep(9000);
  Screenshot("middeal2");
  if (!WaitFor(seconds, [&] { return Title(main) == Caption; })) {
    return Fail("the companion did not go off line when the table closed");
  }
  std::printf("off line: caption back to \"%s\"\n", Title(main).c_str());
  if (!Close(main)) return Fail("the companion did not close");
  return 0;
}

struct Child {
  std::string text;
  HWND window = nullptr;
};

BOOL CALLBACK VisitChild(HWND window, LPARAM data) {
  auto* child = reinterpret_cast<Child*>(data);
  if (Title(window) != child->text) return TRUE;
  child->window = window;
  return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "game" && argc > 2) return Game(std::atof(argv[2]));
  if (mode == "clickat" && argc > 3) {
    SetCursorPos(std::atoi(argv[2]), std::atoi(argv[3]));
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    Sleep(300);
    return 0;
  }
  if ((mode == "close" && argc > 2) || (mode == "move" && argc > 4) ||
      (mode == "click" && argc > 3)) {
    // The title comes in the system's code page.
    const int n = MultiByteToWideChar(CP_ACP, 0, argv[2], -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, argv[2], -1, wide.data(), n);
    const std::string title = Utf8(wide.c_str());
    HWND window = nullptr;
    if (!WaitFor(30, [&] { return (window = FindByTitle(title)) != nullptr; })) {
      return Fail("no such window");
    }
    if (mode == "click") {
      Child child{argv[3], nullptr};
      EnumChildWindows(window, VisitChild, reinterpret_cast<LPARAM>(&child));
      if (child.window == nullptr) return Fail("no such button");
      PostMessageW(child.window, BM_CLICK, 0, 0);
      return 0;
    }
    if (mode == "move") {
      return SetWindowPos(window, nullptr, std::atoi(argv[3]), std::atoi(argv[4]), 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
                 ? 0
                 : Fail("the window did not move");
    }
    return Close(window) ? 0 : Fail("the window did not close");
  }
  std::printf("usage: japanese_probe.exe game SECONDS | close TITLE | move TITLE X Y | click TITLE TEXT | clickat X Y\n");
  return 2;
}
