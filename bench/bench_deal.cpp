// Cost of the end-of-trick and end-of-deal readings on the virtual desktop beside the substitute
// table: one trick step (the last-trick window captured, its four corners read and the trick
// recorded) and one reading of the last-hand window, with the score window's reading beside them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "companion/main/MainLoop.h"
#include "companion/main/Program.h"
#include "companion/recognition/TableReading.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"
#include "tableclient/window/TableClient.h"

namespace {

using namespace scorlet;
using namespace scorlet::companion;

// The companion on line beside a table that has finished its one deal and keeps its windows
// open; the companion's own timer is stopped, so only the measured step runs.
struct TableSession {
  VirtualDesktop desktop;
  std::unique_ptr<VirtualProgram> tableProgram;
  std::unique_ptr<table::TableClient> table;
  std::unique_ptr<VirtualProgram> program;
  std::unique_ptr<Companion> companion;

  TableSession() {
    const std::filesystem::path folder = std::filesystem::current_path() / "bench_deal_program";
    std::filesystem::create_directories(folder);
    tableProgram = desktop.startProgram("SpadesTable", folder.string());
    table::TableClientOptions options;
    options.game.seed = 5;
    options.maxDeals = 1;
    table = std::make_unique<table::TableClient>(*tableProgram, *tableProgram, options);
    program = desktop.startProgram("ScorletS", folder.string());
    companion = std::make_unique<Companion>(*program, *program);
    companion->Start();
    table->Open();
    desktop.runUntil([this] { return table->dealsPlayed() >= 1; }, 10u * 60u * 1000u);
    app().frmZ.Timer1->setEnabled(false);
  }
  App& app() { return companion->app(); }
  bool ready() { return app().loop.OnlineState == Online && table->dealsPlayed() >= 1; }
};

void BM_TrickStepCards(benchmark::State& state) {
  TableSession s;
  App& app = s.app();
  if (!s.ready()) state.SkipWithError("the companion is not beside a played table");
  std::array<int, 4> suits{};
  std::array<int, 4> ranks{};
  for (auto _ : state) {
    app.reading.trick = {};
    app.reading.trick.TrickNumber = 1;
    CaptureTrickCards(app, suits, ranks, TrickCaptureMode::Record);
    spdCapture4Cards(app, suits, ranks, -1);
  }
  if (ranks[0] < 2) state.SkipWithError("the last trick was not read");
}
BENCHMARK(BM_TrickStepCards)->Unit(benchmark::kMicrosecond);

void BM_ReadLastHand(benchmark::State& state) {
  TableSession s;
  App& app = s.app();
  if (!s.ready()) state.SkipWithError("the companion is not beside a played table");
  recognition::LastHandReading reading;
  CaptureStatus status = CaptureStatus::Ok;
  for (auto _ : state) status = ReadLastHand(app, reading);
  if (status != CaptureStatus::Ok || !reading.anyName()) state.SkipWithError("not read");
}
BENCHMARK(BM_ReadLastHand)->Unit(benchmark::kMicrosecond);

void BM_CaptScore(benchmark::State& state) {
  TableSession s;
  App& app = s.app();
  if (!s.ready()) state.SkipWithError("the companion is not beside a played table");
  HandRecord record;
  CaptureStatus status = CaptureStatus::Ok;
  for (auto _ : state) status = CaptScore(app, record);
  if (status != CaptureStatus::Ok || record.ScoreRowCount < 1) state.SkipWithError("not read");
}
BENCHMARK(BM_CaptScore)->Unit(benchmark::kMicrosecond);

}  // namespace
