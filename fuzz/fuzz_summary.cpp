// Any bytes as a Work folder of a few hand-record files: the whole batch of the summary
// utility (folder scan, reading, deriving, the pages with their score tables and text twins)
// must never crash, hang or read out of bounds.
//
// Input: one byte of page options, then the files, separated by the line "@@".
//   option bits: 0 strict, 1 text twins, 2-3 suit marks (entities, Symbol, images),
//   4 Japanese (Shift_JIS files), 5 no score table, 6 descending card order,
//   7 files of two days instead of one.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "summary/BatchDriver.h"
#include "summary/SuitImages.h"

namespace {

namespace fs = std::filesystem;
using namespace scorlet;
using namespace scorlet::summary;

constexpr std::size_t kMaxFiles = 6;
constexpr std::string_view kSeparator = "\n@@\n";

class NoLog final : public LogSink {
 public:
  void PrintLine(std::string_view) override {}
};

const fs::path& Root() {
  static const fs::path root = [] {
    auto path = fs::current_path() / "fuzz_summary_dir";
    fs::create_directories(path);
    return path;
  }();
  return root;
}

// The folder emptied (or made) for this input.
fs::path EmptyFolder(const char* name) {
  const fs::path folder = Root() / name;
  std::error_code error;
  fs::remove_all(folder, error);
  fs::create_directories(folder, error);
  return folder;
}

void WriteFile(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string WorkFileName(std::size_t index, bool twoDays) {
  const std::size_t day = twoDays ? 14 + index % 2 : 14;
  const std::string number = std::to_string(index + 1);
  return "03_" + std::to_string(day) + "_" + std::string(3 - number.size(), '0') + number + ".spd";
}

PageOptions OptionsOf(std::uint8_t bits) {
  PageOptions options;
  options.strict = (bits & 1) != 0;
  options.textOutput = (bits & 2) != 0;
  const int marks = (bits >> 2) & 3;
  options.suitMode = marks == 1 ? SuitMode::Symbol : marks == 2 ? SuitMode::Images : SuitMode::Entities;
  options.japanese = (bits & 16) != 0;
  options.scoreTable = (bits & 32) == 0;
  options.cardOrder = (bits & 64) != 0 ? OrderDescending : OrderAscending;
  return options;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t bits = data[0];
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

  const fs::path work = EmptyFolder("Work");
  const fs::path output = EmptyFolder("GameRec");
  for (std::size_t index = 0; index < kMaxFiles && !rest.empty(); ++index) {
    const std::size_t end = index + 1 == kMaxFiles ? rest.npos : rest.find(kSeparator);
    WriteFile(work / WorkFileName(index, (bits & 128) != 0), rest.substr(0, end));
    rest = end == rest.npos ? std::string_view() : rest.substr(end + kSeparator.size());
  }

  const PageOptions options = OptionsOf(bits);
  if (options.suitMode == SuitMode::Images) WriteSuitImages(output);
  const BatchContext context{work, output, options,
                             options.japanese ? CodePage::Japanese : CodePage::Western,
                             "2009/03/14 21:05:09"};
  NoLog log;
  BatchDriver driver(context, log);
  driver.RunBatch();
  return 0;
}
