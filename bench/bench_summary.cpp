// The summary utility over a Work folder of 2,000 work files (games of 15 deals, 100 files a
// day): the whole batch (pages, score pictures, index and players page), with and without text
// twins and without the index pages, beside the cost of only reading the files, so the ratios
// show what writing the pages and the pictures adds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>

#include "common/WorkFiles.h"
#include "summary/BatchDriver.h"
#include "summary/GameIndex.h"
#include "summary/NameFit.h"

namespace {

namespace fs = std::filesystem;
using namespace scorlet;
using namespace scorlet::summary;

constexpr int kFiles = 2000;
constexpr int kDealsPerGame = 15;
constexpr int kFilesPerDay = 100;

HandRecord MakeDeal(std::mt19937& random, int dealInGame) {
  HandRecord record{};
  record.PlayerNames = {"north_player", "east_player", "south_player", "west_player"};
  std::vector<int> deck;
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 2; rank <= 14; ++rank) deck.push_back(suit * 100 + rank);
  }
  std::shuffle(deck.begin(), deck.end(), random);
  for (int seat = 0; seat < 4; ++seat) {
    record.Bids[seat] = seat == 3 && dealInGame % 5 == 0 ? "N" : std::to_string(2 + seat % 3);
    for (int trick = 0; trick < TrickCount; ++trick) {
      record.PlayTexts[trick][seat] = CardTextOf(deck[trick * 4 + seat]);
    }
  }
  for (int trick = 0; trick < TrickCount; ++trick) record.LeadMarks[trick][trick % 4] = LeadLed;
  record.ScoreRowCount = dealInGame + 1;
  for (int row = 1; row <= record.ScoreRowCount; ++row) {
    record.ScoreRows[row] = {row * 34 - (row % 4 == 0 ? 100 : 0), row % 10, row * 29 - 40, (row * 3) % 10};
  }
  return record;
}

// The benchmark's files. A disk file system may keep the inodes of files deleted a moment
// ago out of use for a while (ext4 without a journal skips those deleted in the last one to
// six minutes), so every file created after a large deletion first scans past all of them:
// writing N pages shortly after N files were deleted (by an earlier iteration, an earlier
// run, or any other program on the disk) takes time in N squared, and the benchmark would
// measure the deletions, not the utility. So the files live in memory (/dev/shm) where there
// is such a folder, nothing is deleted while the benchmark runs (each use gets a folder of
// its own), and everything is removed when the program ends.
class Scratch {
 public:
  ~Scratch() {
    std::error_code error;
    fs::remove_all(base_, error);
  }
  // A new empty folder; never one used before in this run.
  fs::path Fresh(const std::string& name) {
    const fs::path folder = run_ / (name + std::to_string(++count_));
    fs::create_directories(folder);
    return folder;
  }

 private:
  static fs::path Base() {
    std::error_code error;
    const fs::path memory = "/dev/shm";
    if (fs::is_directory(memory, error)) return memory / "scorlet_bench_summary";
    return fs::current_path() / "bench_summary_scratch";
  }
  const fs::path base_ = Base();
  const fs::path run_ =
      base_ / std::to_string(std::chrono::system_clock::now().time_since_epoch().count());
  int count_ = 0;
};

Scratch& Files() {
  static Scratch scratch;
  return scratch;
}

const fs::path& WorkFolder() {
  static const fs::path folder = [] {
    const fs::path work = Files().Fresh("batch") / "Work";
    fs::create_directories(work);
    std::mt19937 random(2009);
    for (int i = 0; i < kFiles; ++i) {
      char stem[16];
      std::snprintf(stem, sizeof stem, "%02d_%02d_%03d", 3, 1 + i / kFilesPerDay, 1 + i % kFilesPerDay);
      WriteRecordFile(MakeDeal(random, (i % kFilesPerDay) % kDealsPerGame), work, stem,
                      CodePage::Western);
    }
    return work;
  }();
  return folder;
}

class NullLog final : public LogSink {
 public:
  void PrintLine(std::string_view) override {}
};

void RunBatchOnce(benchmark::State& state, bool text, bool index = true) {
  PageOptions options;
  options.textOutput = text;
  options.indexPages = index;
  int pages = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path out = Files().Fresh("GameRec");
    state.ResumeTiming();
    NullLog log;
    const BatchContext context{WorkFolder(), out, options, CodePage::Western, "2009/03/14 21:05:09"};
    BatchDriver driver(context, log);
    const BatchResult result = driver.RunBatch();
    pages = static_cast<int>(result.pages.size());
    if (result.dealsWritten != kFiles) state.SkipWithError("a deal was lost");
    if (index && (result.pictures.size() != result.pages.size() || result.indexPages.size() != 2)) {
      state.SkipWithError("a picture or an index page is missing");
    }
  }
  state.counters["pages"] = pages;
  state.counters["files/s"] = benchmark::Counter(kFiles, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ReadWorkFilesOnly(benchmark::State& state) {
  for (auto _ : state) {
    int read = 0;
    for (const std::string& stem : ScanWorkFolder(WorkFolder()).recordStems) {
      HandRecord record{};
      if (ReadRecordFile(record, WorkFolder(), stem, CodePage::Western) == RecordFileStatus::Done) {
        DeriveRecord(record, OrderAscending);
        ++read;
      }
    }
    benchmark::DoNotOptimize(read);
  }
  state.counters["files/s"] = benchmark::Counter(kFiles, benchmark::Counter::kIsIterationInvariantRate);
}

// Games of one deal each (every file begins a page of its own), 2,500 to 10,000 of them: the
// time per page must stay the same as their number grows (the output folder is listed once a
// run, not once a page).
void BM_OneDealGames(benchmark::State& state) {
  const auto games = static_cast<int>(state.range(0));
  const fs::path work = Files().Fresh("one_deal") / "Work";
  fs::create_directories(work);
  std::mt19937 random(7);
  std::vector<std::string> stems;
  for (int i = 0; i < games; ++i) {
    char stem[16];
    std::snprintf(stem, sizeof stem, "%02d_%02d_%03d", 1 + i / 999 / 28, 1 + (i / 999) % 28,
                  1 + i % 999);
    WriteRecordFile(MakeDeal(random, 0), work, stem, CodePage::Western);
  }
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path out = Files().Fresh("GameRec");
    state.ResumeTiming();
    NullLog log;
    const BatchContext context{work, out, {}, CodePage::Western, "2009/03/14 21:05:09"};
    BatchDriver driver(context, log);
    const BatchResult result = driver.RunBatch();
    if (static_cast<int>(result.pages.size()) != games) state.SkipWithError("a page was lost");
  }
  state.SetComplexityN(games);
  state.counters["pages/s"] =
      benchmark::Counter(games, benchmark::Counter::kIsIterationInvariantRate);
}

// The index over pages of earlier runs (the 2,000 files' pages): each is read back from its
// last deal.
void BM_IndexOfEarlierPages(benchmark::State& state) {
  const fs::path out = Files().Fresh("GameRec_earlier");
  NullLog log;
  const BatchContext context{WorkFolder(), out, {}, CodePage::Western, "2009/03/14 21:05:09"};
  BatchDriver driver(context, log);
  const auto pages = static_cast<int>(driver.RunBatch().pages.size());
  for (auto _ : state) {
    const auto rows = IndexRows(out, {});
    if (static_cast<int>(rows.size()) != pages) state.SkipWithError("a page is missing");
    benchmark::DoNotOptimize(rows);
  }
  state.counters["pages/s"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_RunBatchHtml(benchmark::State& state) { RunBatchOnce(state, false); }
void BM_RunBatchHtmlAndText(benchmark::State& state) { RunBatchOnce(state, true); }
void BM_RunBatchWithoutIndexPages(benchmark::State& state) { RunBatchOnce(state, false, false); }

// Fitting names of growing length into the page's cells: the time must grow in step with the
// length (one pass over the name), not with its square.
void BM_FitLongNames(benchmark::State& state) {
  const std::string name(static_cast<std::size_t>(state.range(0)), 'm');
  const std::array<std::string, 4> names{name, "east", name, "west"};
  for (auto _ : state) {
    benchmark::DoNotOptimize(FitName(name, kNorthSouthNameWidth));
    benchmark::DoNotOptimize(AdjNames(names, 0, kScoreHeaderWidth / 2));
    benchmark::DoNotOptimize(ShortenNames(names));
  }
  state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_FitLongNames)->RangeMultiplier(8)->Range(1000, 512000)->Complexity(benchmark::oN);
BENCHMARK(BM_ReadWorkFilesOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneDealGames)
    ->RangeMultiplier(2)
    ->Range(2500, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_RunBatchHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunBatchHtmlAndText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunBatchWithoutIndexPages)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexOfEarlierPages)->Unit(benchmark::kMillisecond);

}  // namespace
