// What the summary utility's start-up needs from the program around it: the log, the
// program folder and a few facts about the system. The Windows program provides it through
// its log window frmZ, the Linux program through standard output.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "summary/LogSink.h"

namespace scorlet::summary {

class UtilityShell {
 public:
  virtual ~UtilityShell() = default;

  virtual LogSink& log() = 0;
  virtual std::filesystem::path appFolder() = 0;
  // Another copy of the utility is running.
  virtual bool previousInstance() = 0;
  // The system's ANSI code page (932 for Japanese).
  virtual int ansiCodePage() = 0;
  virtual bool fontInstalled(std::string_view name) = 0;
  // True when the text takes no more than the given share of the log's width.
  virtual bool fitsInLog(std::string_view text, double share) {
    return static_cast<double>(text.size()) <= 80.0 * share;
  }

  // The language and, in Japanese, the font chosen for the log ("" for none).
  virtual void setLanguage(bool /*japanese*/, const std::string& /*font*/) {}
  // The configured back colour (red in the low byte) for the window and its controls.
  virtual void setBackColor(std::uint32_t /*colour*/) {}
  // Makes the End button the one Esc presses.
  virtual void armEscape() {}
  // Keeps handling window events for the given time before a forced end (ends earlier when
  // the user presses End).
  virtual void waitBeforeEnd(double /*seconds*/) {}
};

}  // namespace scorlet::summary
