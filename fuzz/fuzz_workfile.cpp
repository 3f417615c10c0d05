// Any byte string as a hand-record file: reading, deriving and writing it back must
// never crash, hang or read out of bounds, in either code page.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/WorkFiles.h"

namespace {

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::current_path() / "fuzz_workfile_dir";
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

void ReadAndDerive(scorlet::CodePage codePage) {
  scorlet::HandRecord record;
  scorlet::ReadRecordFile(record, Folder(), "input", codePage);
  scorlet::DeriveRecord(record, scorlet::OrderAscending);
  scorlet::DeriveRecord(record, scorlet::OrderDescending);
  scorlet::WriteRecordFile(record, Folder(), "output", codePage);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    std::ofstream out(Folder() / "input.spd", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  ReadAndDerive(scorlet::CodePage::Western);
  ReadAndDerive(scorlet::CodePage::Japanese);
  return 0;
}
