#include "tests/companion/CompanionHarness.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "common/TextUtil.h"
#include "tests/common/TestFolder.h"

namespace scorlet::companion::testing {

std::filesystem::path TestFolder(const std::string& name) {
  // Taken once: the companion makes its program folder current, and the next test's folder
  // must not land inside the last one's.
  static const std::filesystem::path base = [] {
    std::filesystem::path dir = scorlet::testing::TestRunRoot();
    if (IsArchiveOrTempFolder(dir.string())) {
      const char* home = std::getenv("HOME");
      dir = std::filesystem::path(home ? home : "/var/lib") / "scorlet-companion-tests";
    }
    return dir;
  }();
  std::filesystem::path folder = base / "companion" / name;
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  std::filesystem::create_directories(folder, ec);
  return folder;
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Harness::Harness(const std::string& name, VirtualDesktopConfig config)
    : desktop(std::move(config)), folder(TestFolder(name)) {}

void Harness::WriteIni(const std::string& text) { WriteIniTo(folder, text); }

void Harness::WriteIniTo(const std::filesystem::path& folder, const std::string& text) {
  std::ofstream(folder / "ScorletS.INI", std::ios::binary) << text;
}

bool Harness::Start(bool manualTicks) {
  program = desktop.startProgram("ScorletS", folder.string());
  companion = std::make_unique<Companion>(*program, *program);
  const bool started = companion->Start();
  if (started && manualTicks) app().frmZ.Timer1->setEnabled(false);
  return started;
}

void Harness::Tick(std::uint32_t ms) {
  desktop.runFor(ms);
  Timer1_Timer(app());
}

WindowHandle Harness::OpenTableWindow(const std::string& title) {
  table = desktop.createWindow({title, {300, 200, 300 + 640, 200 + 720}});
  return table;
}

void Harness::GoOnline() {
  OpenTableWindow();
  Tick();
}

int Harness::SoundsOf(const std::string& alias) const {
  return static_cast<int>(std::count_if(desktop.sounds().begin(), desktop.sounds().end(),
                                        [&](const SoundEvent& s) { return s.alias == alias; }));
}

bool Harness::Printed(const std::string& text) {
  const auto texts = program->drawnTexts("frmZ");
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

bool Harness::PrintedPrefix(const std::string& prefix) {
  const auto texts = program->drawnTexts("frmZ");
  return std::any_of(texts.begin(), texts.end(),
                     [&](const std::string& t) { return t.rfind(prefix, 0) == 0; });
}
}  // namespace scorlet::companion::testing
