// A fresh folder of a test's own inside the test run folder (never under /tmp).
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace scorlet::testing {

// Where test folders go: the test run folder when started by ctest, else "testrun" beside the
// test program, so a test program started by hand from the source tree leaves nothing there.
inline std::filesystem::path TestRunRoot() {
  if (const char* run = std::getenv("SCORLET_TEST_DIR"); run && *run) return run;
  std::error_code ec;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec && program.has_parent_path()) return program.parent_path() / "testrun";
  return std::filesystem::current_path();
}

inline std::filesystem::path TestFolder(const std::string& name) {
  auto folder = TestRunRoot() / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

// The whole file as bytes; empty when missing.
inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace scorlet::testing
