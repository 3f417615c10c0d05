// scorlets: the companion on the virtual desktop beside the substitute game table, headless.
// It prints what it does: going on line, taking the table over, placing the windows, the deals
// it records, going off line when the table closes; at the end how many deals were played, how
// many the companion recorded in Work/, and how many of those equal the table's own record.
//
//   scorlets [--folder DIR] [--deals N] [--seed S] [--seat 0-3] [--language L] [--layout S]
//            [--names N,E,S,W] [--codepage CP] [--picture FILE]
//
// With --picture, the whole virtual desktop is written as a PNG in the middle of the last deal
// (seven tricks counted): the table, the main window and the helper windows, the score window
// opened as the user opens it, by a click on the bid-location count.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/CodePage.h"
#include "common/WorkFiles.h"
#include "tableclient/engine/Truth.h"

#include "companion/main/MainLoop.h"
#include "companion/main/Program.h"
#include "platform/System.h"
#include "platform/virtual/PngWriter.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"
#include "tableclient/window/TableClient.h"

namespace {

struct Options {
  std::string folder;
  int deals = 4;
  unsigned seed = 7;
  int seat = 2;         // the user's seat at the table
  int language = 1;     // the site's language row
  unsigned layout = 0;  // the table's layout seed (0: the fixed layout)
  std::string picture;  // PNG of the desktop in the middle of the last deal, "" for none
  std::string names;    // the four players' names, North first, "" for the table's own
  int codePage = 1252;  // the system's ANSI code page (932: a Japanese system)
};

void Usage() { std::fprintf(stderr, "usage: scorlets [--folder DIR] [--deals N] [--seed S] [--seat 0-3] [--language L] [--layout S] [--names N,E,S,W] [--codepage CP] [--picture FILE]\n"); }

bool ParseArgs(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    if (arg == "--folder") {
      options.folder = value;
    } else if (arg == "--deals") {
      options.deals = std::atoi(value);
    } else if (arg == "--seed") {
      options.seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    } else if (arg == "--seat") {
      options.seat = std::atoi(value) & 3;
    } else if (arg == "--language") {
      options.language = std::atoi(value);
    } else if (arg == "--layout") {
      options.layout = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    } else if (arg == "--names") {
      options.names = value;
    } else if (arg == "--codepage") {
      options.codePage = std::atoi(value);
    } else if (arg == "--picture") {
      options.picture = value;
    } else {
      return false;
    }
  }
  return options.deals > 0;
}

std::string FileBytes(const std::filesystem::path& path) {
  std::string bytes;  // empty when the file cannot be read
  scorlet::ReadFileBytes(path, bytes);
  return bytes;
}

// The record files of the Work folder, by stem.
std::set<std::string> RecordStems(const std::filesystem::path& folder) {
  const scorlet::WorkFolderScan scan = scorlet::ScanWorkFolder(folder / "Work");
  return {scan.recordStems.begin(), scan.recordStems.end()};
}

}  // namespace

int main(int argc, char** argv) {
  using namespace scorlet;
  Options options;
  if (!ParseArgs(argc, argv, options)) {
    Usage();
    return 2;
  }
  if (options.folder.empty()) options.folder = ExecutableFolder(argv[0]).string();
  std::error_code ec;
  std::filesystem::create_directories(options.folder, ec);
  if (!std::filesystem::is_directory(options.folder)) {
    std::fprintf(stderr, "scorlets: no folder %s\n", options.folder.c_str());
    return 2;
  }

  const std::set<std::string> before = RecordStems(options.folder);
  // A copy already running in the folder is found by the lock file it holds there.
  VirtualDesktopConfig desktopConfig;
  desktopConfig.folderLocks = true;
  desktopConfig.codePage = options.codePage;
  VirtualDesktop desktop(desktopConfig);
  auto start = desktop.now();
  auto print = [&desktop, start](const std::string& line) {
    const unsigned ms = desktop.now() - start;
    std::printf("[%4u.%03u] %s\n", ms / 1000, ms % 1000, line.c_str());
    std::fflush(stdout);
  };

  auto companionProgram = desktop.startProgram("ScorletS", options.folder);
  companion::Companion companion(*companionProgram, *companionProgram);
  companion::App& app = companion.app();
  app.trace = print;
  if (!companion.Start()) {
    print("start-up stopped the program");
    return app.loop.endCode;
  }

  auto tableProgram = desktop.startProgram("SpadesTable", options.folder);
  table::TableClientOptions tableOptions;
  tableOptions.maxDeals = options.deals;
  tableOptions.game.seed = options.seed;
  tableOptions.userSeat = options.seat;
  tableOptions.language = options.language;
  tableOptions.layoutSeed = options.layout;
  tableOptions.closeWhenDone = true;
  if (!options.names.empty()) {
    std::size_t start = 0;
    for (std::string& name : tableOptions.game.names) {  // a name left out keeps the table's
      const std::size_t comma = options.names.find(',', start);
      const std::string given =
          options.names.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
      if (!given.empty()) name = given;
      start = comma == std::string::npos ? options.names.size() : comma + 1;
    }
  }
  // The finished deal stays on show for five seconds, time for the companion to read the score
  // and the last hand before the next deal (or game) replaces them.
  tableOptions.dealPauseMs = 5000;
  tableOptions.truthFolder = std::filesystem::path(options.folder) / "Truth";
  table::TableClient table(*tableProgram, *tableProgram, tableOptions);
  print("the substitute table opens: " + std::to_string(options.deals) + " deals, seed " +
        std::to_string(options.seed));
  if (!table.Open()) {
    print("the table could not open its windows");
    return 1;
  }

  // Once on line, say where the windows were put.
  bool placementShown = false;
  auto showPlacement = [&] {
    Rect table;
    if (!desktop.exists(app.game.TableWindow)) return;
    companionProgram->windowRect(app.game.TableWindow, table);
    const Rect main = app.frmZ.form->bounds();
    print("windows placed: table at (" + std::to_string(table.left) + ", " +
          std::to_string(table.top) + ") " + std::to_string(table.width()) + " x " +
          std::to_string(table.height()) + ", ScorletS at (" + std::to_string(main.left) + ", " +
          std::to_string(main.top) + "), caption \"" + app.frmZ.form->caption() + "\"");
    placementShown = true;
  };
  // The picture: in the last deal, once seven tricks are counted.
  bool pictureTaken = options.picture.empty();
  auto takePicture = [&] {
    if (pictureTaken || table.dealsPlayed() != options.deals - 1) return;
    const auto& tricks = app.deal.tricks;
    if (tricks[0] + tricks[1] + tricks[2] + tricks[3] < 7) return;
    pictureTaken = true;
    if (app.frmZ.cntBidLoc->onClick) app.frmZ.cntBidLoc->onClick();
    if (WritePng(desktop.screenImage(), options.picture))
      print("picture of the desktop: " + options.picture);
    else
      print("the picture could not be written: " + options.picture);
  };
  // One simulated hour at most: a deal takes well under a minute of table time.
  const bool done = desktop.runUntil(
      [&] {
        if (!placementShown && app.loop.OnlineState == companion::Online &&
            app.counters.TickCounter >= 1) {
          showPlacement();
        }
        takePicture();
        return app.loop.ended || app.loop.OnlineState == companion::WentOffline;
      },
      60u * 60u * 1000u);
  if (!done) print("the table did not close in time");
  if (!app.loop.ended) {
    companion::CloseSession(app);
    companion::EndProgram(app, companion::ExitNormal);
  }

  // The deals the companion recorded in this run, in order, against the table's records.
  std::vector<std::string> recorded;
  for (const std::string& stem : RecordStems(options.folder))
    if (before.count(stem) == 0) recorded.push_back(stem);
  std::set<std::string> truths;
  for (int deal = 1; deal <= table.dealsPlayed(); ++deal)
    truths.insert(FileBytes(tableOptions.truthFolder / (table::TruthStem(deal) + ".spd")));
  int equal = 0;
  for (const std::string& stem : recorded)
    if (truths.count(FileBytes(std::filesystem::path(options.folder) / "Work" /
                               RecordFileName(stem))) != 0)
      ++equal;
  std::printf("deals played: %d\n", table.dealsPlayed());
  std::printf("deals recorded: %zu\n", recorded.size());
  std::printf("recorded deals equal to the table's record: %d of %zu\n", equal, recorded.size());
  return done ? 0 : 1;
}
