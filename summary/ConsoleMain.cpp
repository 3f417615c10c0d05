// scorletsut: the summary utility on Linux, with its log on standard output.
//
//   scorletsut [--folder DIR]
//
// The program folder (holding Work/ and the initialisation file) is DIR, or else the
// folder of the executable.
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "common/CodePage.h"
#include "platform/FolderLock.h"
#include "platform/System.h"
#include "summary/HtmlText.h"
#include "summary/SummaryTexts.h"
#include "summary/UtilityStart.h"

namespace {

using scorlet::summary::LogSink;
using scorlet::summary::UtilityShell;

class ConsoleLog final : public LogSink {
 public:
  void PrintLine(std::string_view text) override { std::cout << text << '\n'; }
};

class ConsoleShell final : public UtilityShell {
 public:
  explicit ConsoleShell(std::filesystem::path folder) : folder_(std::move(folder)) {}
  LogSink& log() override { return log_; }
  std::filesystem::path appFolder() override { return folder_; }
  // A copy already running in the folder holds the lock file there; this copy takes it and
  // keeps it to the end of the run. A folder where no lock file can be made (read-only) has
  // no lock to find.
  bool previousInstance() override {
    const std::string_view file = scorlet::summary::kProgramFile;
    const std::string name = scorlet::FolderLock::FileName(std::string(file.substr(0, file.find('.'))));
    return lock_.acquire(folder_, name) == scorlet::FolderLock::Status::Busy;
  }
  int ansiCodePage() override { return 1252; }
  bool fontInstalled(std::string_view) override { return false; }

 private:
  ConsoleLog log_;
  std::filesystem::path folder_;
  scorlet::FolderLock lock_;
};

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGPIPE
  // A log piped into a reader that stops early ("| head") must not end the run: writes to
  // the closed pipe then simply fail and the pages are still written.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  std::filesystem::path folder = scorlet::ExecutableFolder(argc > 0 ? argv[0] : "scorletsut");
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--folder" && i + 1 < argc) {
      folder = scorlet::Utf8Path(argv[++i]);
    } else {
      std::cerr << "usage: scorletsut [--folder DIR]\n";
      return 2;
    }
  }
  std::error_code error;
  const auto absolute = std::filesystem::absolute(folder, error);
  ConsoleShell shell(error ? folder : absolute);
  const auto outcome = scorlet::summary::FormLoad(shell);
  if (outcome.result == scorlet::summary::StartResult::Aborted) return 1;
  const auto& batch = outcome.batch;
  return batch.workListed && batch.failed.empty() && batch.unreadable.empty() ? 0 : 3;
}
