// ScorletS.exe: the companion on the real Windows desktop.
#include <windows.h>

#include "companion/main/Program.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32Forms.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  scorlet::Win32Desktop desktop;
  scorlet::Win32Forms forms(desktop);
  scorlet::companion::Companion companion(desktop, forms);
  companion.Start();
  return companion.Run();
}
