// Cost of the card displays on the virtual desktop: the live grid of frmCardPlay redrawn after
// a trick (the work of every captured trick), and the whole main-window drawing of a loaded
// record (last-hand summary, play grid, four hands, names and bids).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "common/WorkFiles.h"
#include "companion/main/MainLoop.h"
#include "companion/main/Program.h"
#include "companion/record/HandDisplay.h"
#include "companion/record/LiveCards.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"

namespace {

using namespace scorlet;
using namespace scorlet::companion;

struct StartedCompanion {
  VirtualDesktop desktop;
  std::unique_ptr<VirtualProgram> program;
  std::unique_ptr<Companion> companion;

  StartedCompanion() {
    const std::filesystem::path folder =
        std::filesystem::current_path() / "bench_displays_program";
    std::filesystem::create_directories(folder);
    program = desktop.startProgram("ScorletS", folder.string());
    companion = std::make_unique<Companion>(*program, *program);
    companion->Start();
    app().frmZ.Timer1->setEnabled(false);
    app().settings.countCards = true;
    app().settings.countCardsPos = {644, 20};
  }
  App& app() { return companion->app(); }
};

HandRecord SampleRecord() {
  HandRecord r;
  r.PlayerNames = {"north", "east", "south", "west"};
  r.Bids = {"4", "N", "3", "2"};
  for (std::size_t t = 0; t < TrickCount; ++t)
    for (std::size_t s = 0; s < 4; ++s) {
      r.PlayTexts[t][s] = CardTextOf(static_cast<int>(s) * 100 + static_cast<int>(t) + 2);
      r.LeadMarks[t][s] = s == (t % 4) ? 1 : 0;
    }
  r.ScoreRowCount = 2;
  r.ScoreRows[1] = {120, 8, 85, 3};
  r.ScoreRows[2] = {62, 0, 131, 4};
  DeriveRecord(r, OrderAscending);
  return r;
}

void BM_LiveGridAfterTrick(benchmark::State& state) {
  StartedCompanion c;
  App& app = c.app();
  const HandRecord r = SampleRecord();
  for (int i = 0; i < 12; ++i) {
    for (std::size_t p = 0; p < 4; ++p)
      app.record.cards.live.cards[static_cast<std::size_t>(i)][p] = {
          r.PlayCodesShown[static_cast<std::size_t>(i)][p], r.LeadMarks[static_cast<std::size_t>(i)][p],
          r.WinMarks[static_cast<std::size_t>(i)][p]};
  }
  app.record.cards.live.tricksSeen = 12;
  for (auto _ : state) ShowCardPlay(app);
}
BENCHMARK(BM_LiveGridAfterTrick)->Unit(benchmark::kMicrosecond);

// Everything one captured trick costs the live displays: the grid of frmCardPlay, the shown
// cards with the void inference, the remaining-cards box; here the last trick of a deal.
void BM_LiveDisplaysOfTrick(benchmark::State& state) {
  StartedCompanion c;
  App& app = c.app();
  const HandRecord r = SampleRecord();
  std::array<std::array<bool, 4>, 4> voids{};
  for (int i = 0; i < 12; ++i) {
    TrickSeen trick;
    trick.leader = i % 4;
    trick.winner = (i + 1) % 4;
    for (std::size_t p = 0; p < 4; ++p)
      trick.codes[p] = r.PlayCodesShown[static_cast<std::size_t>(i)][p];
    RecordLiveTrick(app, i, trick, voids);
  }
  const CardDisplayState twelve = app.record.cards;
  TrickSeen last;
  last.leader = 0;
  last.winner = 1;
  for (std::size_t p = 0; p < 4; ++p) last.codes[p] = r.PlayCodesShown[12][p];
  for (auto _ : state) {
    state.PauseTiming();
    app.record.cards = twelve;
    state.ResumeTiming();
    RecordLiveTrick(app, 12, last, voids);
  }
}
BENCHMARK(BM_LiveDisplaysOfTrick)->Unit(benchmark::kMicrosecond);

void BM_LoadedRecordDrawing(benchmark::State& state) {
  StartedCompanion c;
  App& app = c.app();
  const HandRecord r = SampleRecord();
  for (auto _ : state) DrawHandRecord(app, r);
}
BENCHMARK(BM_LoadedRecordDrawing)->Unit(benchmark::kMicrosecond);

}  // namespace
