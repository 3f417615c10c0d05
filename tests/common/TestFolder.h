// A fresh folder of a test's own inside the test run folder (never under /tmp).
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace scorlet::testing {

inline std::filesystem::path TestFolder(const std::string& name) {
  const char* run = std::getenv("SCORLET_TEST_DIR");  // the test run folder, when started by ctest
  auto folder = (run ? std::filesystem::path(run) : std::filesystem::current_path()) / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace scorlet::testing
