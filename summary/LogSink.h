// Where the summary utility writes its running log: the log window of the program, or
// standard output on Linux, or a list in the tests.
#pragma once

#include <string>
#include <string_view>

#include "common/CodePage.h"

namespace scorlet::summary {

// Text from outside the program (file names, settings) made fit for the log: control
// characters become "?", and so does every byte that is not valid UTF-8.
inline std::string LogSafe(std::string_view text) {
  std::string safe = SanitizeUtf8(text);
  for (char& c : safe) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  return safe;
}

class LogSink {
 public:
  virtual ~LogSink() = default;
  // One line at the left margin; the next output starts on a new line.
  virtual void PrintLine(std::string_view text) = 0;
  // A path, broken after a separator when it is wider than the log.
  virtual void PrintPath(std::string_view path) { PrintLine(path); }

  void NewLines(int count) {
    for (int i = 0; i < count; ++i) PrintLine({});
  }
};

}  // namespace scorlet::summary
