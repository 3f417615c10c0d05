// The companion on a virtual desktop of its own, in a program folder of the test's own, with
// its ticks driven one at a time so a test can say exactly what happens on which tick.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "companion/main/MainLoop.h"
#include "companion/main/Program.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"

namespace scorlet::companion::testing {

// A folder for one test's program; never under a temporary folder, where the program stops.
std::filesystem::path TestFolder(const std::string& name);
// The whole file as bytes; empty when missing.
std::string ReadAll(const std::filesystem::path& path);

class Harness {
 public:
  explicit Harness(const std::string& name, VirtualDesktopConfig config = {});

  // Writes the initialisation file ScorletS.INI of the program folder.
  void WriteIni(const std::string& text);
  static void WriteIniTo(const std::filesystem::path& folder, const std::string& text);
  // Starts the companion. With manualTicks its timer is stopped after start-up and the test
  // runs the ticks itself with Tick().
  bool Start(bool manualTicks = true);
  // Lets `ms` of virtual time pass (events handled), then runs one tick.
  void Tick(std::uint32_t ms = 500);
  // A plain window standing in for the game's table window.
  WindowHandle OpenTableWindow(const std::string& title =
                                   "Yahoo! Spades - Game: Spades Table: 1234 - Host: abc");
  // Opens a table window and runs the tick that takes it over.
  void GoOnline();

  App& app() { return companion->app(); }
  std::string Caption(const std::string& control) { return program->caption("frmZ", control); }
  int SoundsOf(const std::string& alias) const;
  bool Printed(const std::string& text);
  bool PrintedPrefix(const std::string& prefix);

  VirtualDesktop desktop;
  std::filesystem::path folder;
  std::unique_ptr<VirtualProgram> program;
  std::unique_ptr<Companion> companion;
  WindowHandle table = 0;
};

}  // namespace scorlet::companion::testing
