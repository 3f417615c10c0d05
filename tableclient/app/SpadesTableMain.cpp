// SpadesTable.exe: the substitute game client as a Windows program, for trying the
// companion without the real service and for the end-to-end tests under Wine.
// Exit codes: 0 closed normally, 1 the windows could not be made, 2 a bad command line.
#include <string>
#include <vector>

#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32Forms.h"
#include "platform/win32/Win32Util.h"
#include "tableclient/window/Arguments.h"
#include "tableclient/window/TableClient.h"

int main(int argc, char** argv) {
  using namespace scorlet;
  // The arguments come in the system's code page (Shift_JIS names on a Japanese system); the
  // table works in UTF-8.
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(win32::AnsiToUtf8(argv[i]));
  table::TableClientOptions options;
  std::string error;
  if (!table::ParseTableArguments(args, options, error)) return 2;
  options.quitOnClose = true;
  Win32Desktop desktop;
  Win32Forms forms(desktop);
  table::TableClient client(desktop, forms, options);
  if (!client.Open()) return 1;
  return forms.run();
}
