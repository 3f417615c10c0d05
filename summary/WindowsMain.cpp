// ScorletSut.exe: the summary utility with its log window, on the Windows API.
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32Forms.h"
#include "summary/FormsShell.h"

int main() {
  scorlet::Win32Desktop desktop;
  scorlet::Win32Forms forms(desktop);
  return scorlet::summary::RunSummaryProgram(desktop, forms);
}
