// scorlet-soak: a long session of the companion beside the substitute table on the virtual
// desktop, with faults at the table at random moments (small windows closed or opened late,
// windows off the screen, slow repaints, glyphs that read "?", the table closed in the middle
// of a deal and a new one opened, the lobby over the table). At the end it compares every deal
// the companion recorded with the table's own record of that deal and prints, one figure a line,
// how many deals were played, recorded, recorded exactly, not recorded (with a line per cause)
// and recorded with a difference (each named).
//
//   scorlet-soak [--deals N] [--seed S] [--folder DIR] [--share F] [--layout S] [--progress] [--verbose] [--trace]
//
// The folder's Work and Truth folders are emptied first. Exit status 1 when a recorded deal
// differs from the table's or the companion stopped following the table, 2 for a bad command.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "common/CodePage.h"
#include "common/WorkFiles.h"
#include "companion/main/MainLoop.h"
#include "companion/main/Program.h"
#include "platform/System.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"
#include "tableclient/engine/Truth.h"
#include "tableclient/window/TableClient.h"

namespace {

namespace fs = std::filesystem;
using scorlet::table::Disturbance;

struct Options {
  std::string folder;
  int deals = 300;
  unsigned seed = 1;
  double share = 0.3;   // of the deals meet a fault
  unsigned layout = 0;  // the table's layout seed
  bool progress = false;
  bool verbose = false;  // each deal not recorded on the error output
  bool trace = false;    // what the companion does, on the error output
};

void Usage() {
  std::fprintf(stderr,
               "usage: scorlet-soak [--deals N] [--seed S] [--folder DIR] [--share F] [--layout S] "
               "[--progress] [--verbose] [--trace]\n");
}

bool ParseArgs(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--progress" || arg == "--verbose" || arg == "--trace") {
      (arg == "--progress" ? options.progress : arg == "--verbose" ? options.verbose : options.trace) = true;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    if (arg == "--deals") {
      options.deals = std::atoi(value);
    } else if (arg == "--seed") {
      options.seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    } else if (arg == "--folder") {
      options.folder = value;
    } else if (arg == "--share") {
      options.share = std::atof(value);
    } else if (arg == "--layout") {
      options.layout = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    } else {
      return false;
    }
  }
  return options.deals > 0 && options.share >= 0 && options.share <= 1;
}

std::string FileBytes(const fs::path& path) {
  std::string bytes;  // empty when the file cannot be read
  scorlet::ReadFileBytes(path, bytes);
  return bytes;
}

// The first line where a record differs from the truth.
std::string FirstDifference(const std::string& ours, const std::string& truth) {
  std::istringstream a(ours);
  std::istringstream b(truth);
  std::string lineA;
  std::string lineB;
  for (int n = 1;; ++n) {
    const bool moreA = static_cast<bool>(std::getline(a, lineA));
    const bool moreB = static_cast<bool>(std::getline(b, lineB));
    if (!moreA && !moreB) return "the line ends differ";
    if (lineA != lineB || moreA != moreB)
      return "line " + std::to_string(n) + " \"" + (moreA ? lineA : "") + "\" where the table has \"" +
             (moreB ? lineB : "") + "\"";
  }
}

// What the companion did while the table played, by the table's finished deals at the time.
struct Watch {
  std::vector<std::pair<std::string, int>> saved;  // work file, truth number on show
  std::map<int, std::string> toldNotRecorded;      // truth number on show -> reason told
  std::map<int, std::string> toldWhileBegun;       // deal begun -> reason told
  int offline = 0;                                 // times the companion went off line
};

}  // namespace

int main(int argc, char** argv) {
  using namespace scorlet;
  Options options;
  if (!ParseArgs(argc, argv, options)) {
    Usage();
    return 2;
  }
  if (options.folder.empty()) options.folder = (ExecutableFolder(argv[0]) / "soak").string();
  const fs::path folder = options.folder;
  std::error_code ec;
  fs::remove_all(folder / "Work", ec);
  fs::remove_all(folder / "Truth", ec);
  fs::create_directories(folder, ec);
  if (!fs::is_directory(folder)) {
    std::fprintf(stderr, "scorlet-soak: no folder %s\n", options.folder.c_str());
    return 2;
  }
  const auto started = std::chrono::steady_clock::now();

  VirtualDesktop desktop;
  auto tableProgram = desktop.startProgram("SpadesTable", folder.string());
  table::TableClientOptions tableOptions;
  tableOptions.maxDeals = options.deals;
  tableOptions.game.seed = options.seed;
  tableOptions.layoutSeed = options.layout;
  tableOptions.closeWhenDone = true;
  tableOptions.dealPauseMs = 5000;
  tableOptions.truthFolder = folder / "Truth";
  tableOptions.faultShare = options.share;
  tableOptions.faultSeed = options.seed;
  table::TableClient table(*tableProgram, *tableProgram, tableOptions);
  const std::string user =
      table.options().game.names[static_cast<std::size_t>(table.options().userSeat)];
  // The user's ID, the counters (the trick step follows the counts) and the card-play window
  // (it reads the cards of each trick too).
  std::ofstream(folder / "ScorletS.INI", std::ios::binary)
      << "MyYahooID=" << user << "\r\nBidTrickCounter=(110,315),(500,400)\r\nCountCards=(644,20)\r\n";

  auto companionProgram = desktop.startProgram("ScorletS", folder.string());
  companion::Companion companion(*companionProgram, *companionProgram);
  companion::App& app = companion.app();
  Watch watch;
  app.trace = [&](const std::string& line) {
    constexpr std::string_view Saved = "hand saved: ";
    constexpr std::string_view NotRecorded = "deal not recorded: ";
    if (line.rfind(Saved, 0) == 0) watch.saved.emplace_back(line.substr(Saved.size()), table.dealsPlayed());
    if (line.rfind(NotRecorded, 0) == 0) {
      watch.toldNotRecorded[table.dealsPlayed()] = line.substr(NotRecorded.size());
      watch.toldWhileBegun[table.dealsBegun()] = line.substr(NotRecorded.size());
    }
    if (line.rfind("off line", 0) == 0) ++watch.offline;
    if (options.trace)
      std::fprintf(stderr, "[%u] deal %d: %s\n", desktop.now(), table.dealsBegun(), line.c_str());
  };
  if (!companion.Start() || !table.Open()) {
    std::fprintf(stderr, "scorlet-soak: the companion or the table did not start\n");
    return 1;
  }
  int shown = 0;
  const bool done = desktop.runUntil(
      [&] {
        if (options.progress && table.dealsBegun() / 500 > shown) {
          shown = table.dealsBegun() / 500;
          std::fprintf(stderr, "%d deals begun\n", table.dealsBegun());
        }
        return app.loop.ended || (table.finished() && !table.isOpen() &&
                                  app.loop.OnlineState != companion::Online);
      },
      static_cast<std::uint32_t>(options.deals + 5) * 120u * 1000u);
  const bool endedByItself = app.loop.ended;
  if (!app.loop.ended) {
    companion::CloseSession(app);
    companion::EndProgram(app, companion::ExitNormal);
  }

  // Each truth's bytes, and which of them the companion's files equal.
  const int truths = table.dealsPlayed();
  std::map<std::string, int> truthOfBytes;
  std::vector<std::string> truthBytes(static_cast<std::size_t>(truths) + 1);
  for (int t = 1; t <= truths; ++t) {
    truthBytes[static_cast<std::size_t>(t)] = FileBytes(tableOptions.truthFolder / (table::TruthStem(t) + ".spd"));
    truthOfBytes.emplace(truthBytes[static_cast<std::size_t>(t)], t);
  }
  std::vector<int> recordsOfTruth(static_cast<std::size_t>(truths) + 1, 0);
  std::vector<std::string> differ;
  int equal = 0;
  for (const auto& [name, onShow] : watch.saved) {
    const std::string bytes = FileBytes(folder / "Work" / name);
    const auto found = truthOfBytes.find(bytes);
    if (found != truthOfBytes.end() && recordsOfTruth[static_cast<std::size_t>(found->second)]++ == 0) {
      ++equal;
      continue;
    }
    std::string why;
    if (found != truthOfBytes.end())
      why = "a second record of truth " + std::to_string(found->second);
    else if (onShow >= 1 && onShow <= truths)
      why = FirstDifference(bytes, truthBytes[static_cast<std::size_t>(onShow)]);
    else
      why = "recorded while no deal was over";
    differ.push_back(name + " (deal on show: truth " + std::to_string(onShow) + "): " + why);
  }

  // The deals not recorded, by cause: the deal's own fault, a fault in the deal before it,
  // or none.
  std::map<int, std::vector<const Disturbance*>> faultsOfDeal;
  for (const Disturbance& d : table.disturbances()) faultsOfDeal[d.deal].push_back(&d);
  // cause -> what the user was told -> deals
  std::map<std::string, std::map<std::string, int>> causes;
  int notRecorded = 0;
  int lostUndisturbed = 0;
  int untold = 0;
  int lastRecordedDeal = 0;
  int lastUndisturbedDeal = 0;
  for (int deal = 1; deal <= table.dealsBegun(); ++deal) {
    const int truth = table.truthOfDeal(deal);
    const bool disturbed = faultsOfDeal.count(deal) != 0 || faultsOfDeal.count(deal - 1) != 0;
    if (truth == 0 && faultsOfDeal.count(deal) == 0) continue;  // begun when the session ended
    if (truth != 0 && !disturbed) lastUndisturbedDeal = deal;
    if (truth != 0 && recordsOfTruth[static_cast<std::size_t>(truth)] > 0) {
      lastRecordedDeal = deal;
      continue;
    }
    ++notRecorded;
    std::string cause;
    if (faultsOfDeal.count(deal) != 0) {
      cause = std::string(table::FaultName(faultsOfDeal[deal].front()->kind));
    } else if (faultsOfDeal.count(deal - 1) != 0) {
      cause = "after " + std::string(table::FaultName(faultsOfDeal[deal - 1].back()->kind)) +
              " in the deal before";
    } else {
      cause = "no fault at the table";
      ++lostUndisturbed;
    }
    // A finished deal's reason comes while its last hand is the one shown; an abandoned
    // deal's while it was the deal begun.
    const auto& toldBy = truth != 0 ? watch.toldNotRecorded : watch.toldWhileBegun;
    const auto it = toldBy.find(truth != 0 ? truth : deal);
    const std::string told = it != toldBy.end() ? it->second : "nothing";
    if (it == toldBy.end() && truth != 0) ++untold;
    ++causes[cause][told];
    if (options.verbose)
      std::fprintf(stderr, "deal %d (truth %d) not recorded: %s; told: %s\n", deal, truth, cause.c_str(),
                   told.c_str());
  }
  // Following: the last undisturbed deal was recorded, and no undisturbed deal was lost.
  const bool following = done && !endedByItself && lostUndisturbed == 0 &&
                         lastRecordedDeal >= lastUndisturbedDeal;

  std::printf("deals played: %d\n", table.dealsPlayed() + table.dealsAbandoned());
  std::printf("deals recorded: %zu\n", watch.saved.size());
  std::printf("recorded deals equal to the truth: %d\n", equal);
  std::printf("deals not recorded: %d\n", notRecorded);
  for (const auto& [cause, told] : causes) {
    int count = 0;
    std::string reasons;
    for (const auto& [reason, n] : told) {
      count += n;
      reasons += (reasons.empty() ? "" : "; ") + reason + (told.size() > 1 ? " " + std::to_string(n) : "");
    }
    std::printf("  %s: %d (shown: %s)\n", cause.c_str(), count, reasons.c_str());
  }
  std::printf("recorded deals that differ: %zu\n", differ.size());
  for (const std::string& line : differ) std::printf("  %s\n", line.c_str());
  std::printf("faults at the table: %zu\n", table.disturbances().size());
  std::printf("finished deals not recorded without a reason shown: %d\n", untold);
  std::printf("times the companion went off line: %d\n", watch.offline);
  std::printf("the companion followed the table to the end: %s\n", following ? "yes" : "no");
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("virtual time: %.0f s, real time: %.1f s\n", (desktop.now() - VirtualDesktopConfig{}.startTick) / 1000.0,
              seconds);
  return differ.empty() && following ? 0 : 1;
}
