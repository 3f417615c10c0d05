// Where the summary utility writes its running log: the log window of the program, or
// standard output on Linux, or a list in the tests.
#pragma once

#include <string_view>

namespace scorlet::summary {

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
