// Cost of one tick of the companion's main loop on line when nothing is due (the tick that runs
// every 500 ms all through a game), beside its window walk alone and a tick skipped as busy.
// The desktop holds the table window and a crowd of other windows, as a real one would.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "companion/main/Discovery.h"
#include "companion/main/MainLoop.h"
#include "companion/main/Program.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"

namespace {

using namespace scorlet;
using namespace scorlet::companion;

struct OnlineCompanion {
  VirtualDesktop desktop;
  std::unique_ptr<VirtualProgram> program;
  std::unique_ptr<Companion> companion;

  explicit OnlineCompanion(int otherWindows) {
    const std::filesystem::path folder =
        std::filesystem::current_path() / "bench_tick_program";
    std::filesystem::create_directories(folder);
    for (int i = 0; i < otherWindows; ++i) {
      desktop.createWindow({"Some other window " + std::to_string(i), {10, 10, 300, 200}});
    }
    desktop.createWindow({"Yahoo! Spades - Game: Spades Table: 1234 - Host: abc",
                          {300, 200, 940, 920}});
    program = desktop.startProgram("ScorletS", folder.string());
    companion = std::make_unique<Companion>(*program, *program);
    companion->Start();
    App& a = app();
    a.frmZ.Timer1->setEnabled(false);
    Timer1_Timer(a);  // the take-over
    desktop.runFor(500);
    Timer1_Timer(a);
    for (bool& armed : a.loop.slots.TaskArmed) armed = false;  // nothing is due
  }
  App& app() { return companion->app(); }
};

void BM_TickNothingDue(benchmark::State& state) {
  OnlineCompanion c(static_cast<int>(state.range(0)));
  App& app = c.app();
  for (auto _ : state) Timer1_Timer(app);
  if (app.loop.OnlineState != Online) state.SkipWithError("not on line");
}
BENCHMARK(BM_TickNothingDue)->Arg(10)->Arg(200)->Unit(benchmark::kMicrosecond);

void BM_WindowWalkOnly(benchmark::State& state) {
  OnlineCompanion c(static_cast<int>(state.range(0)));
  App& app = c.app();
  for (auto _ : state) EnumerateWindows(app);
}
BENCHMARK(BM_WindowWalkOnly)->Arg(10)->Arg(200)->Unit(benchmark::kMicrosecond);

void BM_TickSkippedAsBusy(benchmark::State& state) {
  OnlineCompanion c(10);
  App& app = c.app();
  app.loop.busy.bidCapture = true;
  for (auto _ : state) Timer1_Timer(app);
}
BENCHMARK(BM_TickSkippedAsBusy)->Unit(benchmark::kMicrosecond);

}  // namespace
