// The companion over whole sessions at the substitute table on the virtual desktop: one bid pass
// (the table copied and the four bid lines read), 100 deals followed in real time (the wall clock
// of the simulation, not the virtual time), and the program's resident memory as the deals go by,
// which must not grow with the deals played.
//
// BM_MemoryOverDeals/1000 runs by default (a few minutes). The figure after 10,000 deals takes
// most of an hour and is run on request:
//
//   SCORLET_BENCH_LONG=1 bench_session --benchmark_filter=Memory
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "companion/main/MainLoop.h"
#include "companion/main/Program.h"
#include "companion/recognition/TableReading.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"
#include "tableclient/window/TableClient.h"

namespace {

using namespace scorlet;
using namespace scorlet::companion;

// Resident memory of this process in MiB (second field of /proc/self/statm, in pages).
double ResidentMiB() {
  std::FILE* f = std::fopen("/proc/self/statm", "r");
  if (f == nullptr) return 0;
  long size = 0;
  long resident = 0;
  const int got = std::fscanf(f, "%ld %ld", &size, &resident);
  std::fclose(f);
  if (got != 2) return 0;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The directory the benchmark was started in (start-up makes each companion's folder current).
const std::filesystem::path startFolder = std::filesystem::current_path();

// Heap in use in MiB (what the allocator handed out and was not given back).
double HeapInUseMiB() { return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0); }

// A fresh program folder (no work files from an earlier run) under the starting directory.
std::filesystem::path FreshFolder(const std::string& name) {
  const std::filesystem::path folder = startFolder / name;
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  std::filesystem::create_directories(folder);
  return folder;
}

// The companion started in its folder, and the substitute table, opened and closed on request.
// A table that has played `dealsPerTable` deals closes and a new one opens, as when a user leaves
// a table and joins another: the table keeps the truth of every deal it played, and one table
// for 10,000 deals would measure that record rather than the companion.
class Session {
 public:
  Session(const std::filesystem::path& folder, unsigned seed, int dealsPerTable)
      : m_folder(folder), m_seed(seed), m_dealsPerTable(dealsPerTable) {
    {
      // The user's seat by ID, so that the seat-dependent displays work as for a user.
      std::FILE* ini = std::fopen((folder / "ScorletS.INI").string().c_str(), "w");
      if (ini != nullptr) {
        std::fputs("MyYahooID=South\r\nBidTrickCounter=(700,560),(700,640)\r\n"
                   "CountCards=(960,760)\r\nPasteScoreTable=(700,750)\r\n",
                   ini);
        std::fclose(ini);
      }
    }
    m_program = m_desktop.startProgram("ScorletS", folder.string());
    m_companion = std::make_unique<Companion>(*m_program, *m_program);
    if (std::getenv("SCORLET_BENCH_TRACE") != nullptr)
      m_companion->app().trace = [this](const std::string& line) {
        std::fprintf(stderr, "[%u] %s\n", m_desktop.now(), line.c_str());
      };
    m_started = m_companion->Start();
    m_tableProgram = m_desktop.startProgram("SpadesTable", folder.string());
  }
  ~Session() {
    m_table.reset();  // the client's forms go before the program they run in
  }
  bool started() const { return m_started; }
  App& app() { return m_companion->app(); }
  VirtualDesktop& desktop() { return m_desktop; }
  // The record files in Work/ (past the 999th of a day their numbers have four digits).
  std::size_t recorded() const {
    std::size_t n = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder / "Work", ec))
      if (entry.path().extension() == ".spd") ++n;
    return n;
  }
  int dealsPlayed() const { return m_dealsBefore + (m_table ? m_table->dealsPlayed() : 0); }

  // Plays on until `deals` deals have been played in all; false when the table stalls.
  bool PlayUntil(int deals) {
    while (dealsPlayed() < deals) {
      if (!m_table || m_table->dealsPlayed() >= m_dealsPerTable) NextTable();
      const int target = std::min(deals, m_dealsBefore + m_dealsPerTable);
      // A deal takes about half a minute of table time; two minutes each at most.
      const auto limitMs = static_cast<std::uint32_t>(target - dealsPlayed()) * 120u * 1000u;
      if (!m_desktop.runUntil([&] { return dealsPlayed() >= target; }, limitMs))
        return false;
    }
    return true;
  }

  // Opens the table and waits until the four bids of its first deal are read and play begins.
  bool FirstBids() {
    NextTable();
    App& a = app();
    return m_desktop.runUntil(
        [&] { return a.loop.OnlineState == Online && a.loop.slots.TaskArmed[SlotLastHand]; },
        2u * 60u * 1000u);
  }

 private:
  void NextTable() {
    if (m_table) {
      m_desktop.runFor(8000);  // the companion reads and records the table's last deal
      m_dealsBefore += m_table->dealsPlayed();
      m_table->Close();
      m_table.reset();
      m_desktop.runFor(2000);  // the companion sees the table go
    }
    table::TableClientOptions options;
    options.game.seed = m_seed + static_cast<unsigned>(m_tablesOpened++);
    options.dealPauseMs = 5000;  // as in a real game: time to read the score and the last hand
    m_table = std::make_unique<table::TableClient>(*m_tableProgram, *m_tableProgram, options);
    m_table->Open();
  }

  std::filesystem::path m_folder;
  unsigned m_seed;
  int m_dealsPerTable;
  VirtualDesktop m_desktop;
  std::unique_ptr<VirtualProgram> m_program;
  std::unique_ptr<Companion> m_companion;
  std::unique_ptr<VirtualProgram> m_tableProgram;
  std::unique_ptr<table::TableClient> m_table;
  bool m_started = false;
  int m_dealsBefore = 0;
  int m_tablesOpened = 0;
};

// One bid pass of the main loop with the four bids on the table.
void BM_BidCapturePass(benchmark::State& state) {
  Session s(FreshFolder("bench_session_bid"), 5, 1);
  if (!s.started() || !s.FirstBids()) {
    state.SkipWithError("the companion did not read the first deal's bids");
    return;
  }
  App& app = s.app();
  app.frmZ.Timer1->setEnabled(false);
  const std::uint32_t virtualStart = s.desktop().now();
  for (auto _ : state) CaptureBid(app, CaptureMode::Automatic);
  // The pass waits for the table's repaint; the desktop's other events run meanwhile.
  state.counters["virtual_ms"] = benchmark::Counter(
      static_cast<double>(s.desktop().now() - virtualStart), benchmark::Counter::kAvgIterations);
  if (app.reading.bidStatus != CaptureStatus::FourBids) state.SkipWithError("the bids were not read");
}
BENCHMARK(BM_BidCapturePass)->Unit(benchmark::kMicrosecond);

// 100 deals followed from the first bid to the last record, in wall-clock time.
void BM_Session100Deals(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto s = std::make_unique<Session>(FreshFolder("bench_session_100"), 11, 100);
    state.ResumeTiming();
    const uint32_t virtualStart = s->desktop().now();
    if (!s->started() || !s->PlayUntil(100)) {
      state.SkipWithError("the session stalled");
      return;
    }
    s->desktop().runFor(10000);  // the last deal's record
    state.counters["deals"] = s->dealsPlayed();
    state.counters["recorded"] = static_cast<double>(s->recorded());
    state.counters["virtual_s"] = (s->desktop().now() - virtualStart) / 1000.0;
    state.PauseTiming();
    s.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Session100Deals)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// Resident memory and heap in use after 100 and 1,000 deals and after `range(0)` deals, one new
// table every 100 deals; a line on the standard error after every hundred deals (every thousand
// past the first) shows the trend.
void BM_MemoryOverDeals(benchmark::State& state) {
  const int deals = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Session s(FreshFolder("bench_session_memory"), 23, 100);
    if (!s.started()) {
      state.SkipWithError("the companion did not start");
      return;
    }
    for (int step = 100; step <= deals; step += step < 1000 ? 100 : 1000) {
      if (!s.PlayUntil(step)) {
        state.SkipWithError("the session stalled");
        return;
      }
      const double rss = ResidentMiB();
      const double heap = HeapInUseMiB();
      if (step == 100 || step == 1000 || step == deals) {
        state.counters["rss_mib_" + std::to_string(step)] = rss;
        state.counters["heap_mib_" + std::to_string(step)] = heap;
      }
      std::fprintf(stderr, "after %d deals: %.1f MiB resident, %.1f MiB heap in use, %zu recorded\n",
                   step, rss, heap, s.recorded());
    }
    state.counters["recorded"] = static_cast<double>(s.recorded());
  }
}
BENCHMARK(BM_MemoryOverDeals)->Arg(1000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The 10,000-deal run only on request.
const bool longRegistered = [] {
  const char* on = std::getenv("SCORLET_BENCH_LONG");
  if (on != nullptr && *on != '\0' && *on != '0')
    benchmark::RegisterBenchmark("BM_MemoryOverDeals", BM_MemoryOverDeals)
        ->Arg(10000)
        ->Iterations(1)
        ->Unit(benchmark::kSecond)
        ->UseRealTime();
  return true;
}();

}  // namespace
