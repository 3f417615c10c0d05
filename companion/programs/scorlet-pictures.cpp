// scorlet-pictures: a picture of each of the companion's windows on its own, for the guide.
// The companion runs on the virtual desktop beside the substitute table with every helper window
// turned on; at moments when each shows something, the program writes that window (frame and
// title included) as a PNG file into the output folder:
//
//   main.png        the main window, in the middle of a deal, a recorded deal shown below
//   counter-left.png, counter-right.png   the bid and trick counters
//   score.png       the score window
//   cardplay.png    the card-play grid
//   remaining.png   the box of the cards still out
//   board.png       the bidding board at the user's turn, its numbers shown
//   board-dnil.png  the bidding board as it opens (the Double Nil stage)
//   helpbid.png     the bid helper in the third or fourth seat
//   askalert.png    the small window that checks the room against the alert list
//   messages.png    the messages window (the game's score window closed and kept shut)
//   table.png       the game's table window with the seat overlays painted on it
//   desktop.png     the whole desktop at the moment of main.png
//
//   scorlet-pictures --folder DIR --out DIR [--deals N] [--seed S]
//
// Exit status 0 when every window above was pictured and written, 1 otherwise, 2 for a bad
// command line or folder.
// The folder gets its own ScorletS.INI (the user South, every window placed, an alert list
// naming West); the program runs on a Japanese code page so that the remaining-cards box,
// configured by its Japanese key, can be turned on; the interface stays English.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>

#include "common/CodePage.h"
#include "companion/main/MainLoop.h"
#include "companion/main/Program.h"
#include "companion/record/Board.h"
#include "platform/virtual/PngWriter.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"
#include "tableclient/window/TableClient.h"

namespace {

using namespace scorlet;

struct Options {
  std::string folder;
  std::string out;
  int deals = 4;
  unsigned seed = 12;
};

bool ParseArgs(int argc, char** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view arg = argv[i];
    const char* value = argv[i + 1];
    if (arg == "--folder") options.folder = value;
    else if (arg == "--out") options.out = value;
    else if (arg == "--deals") options.deals = std::atoi(value);
    else if (arg == "--seed") options.seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    else return false;
  }
  return argc % 2 == 1 && !options.folder.empty() && !options.out.empty() && options.deals >= 2;
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

using Images = std::map<std::string, Image>;

// Takes pictures of one session's windows into `images`.
class Pictures {
 public:
  Pictures(VirtualDesktop& desktop, VirtualProgram& program, Images& images)
      : m_desktop(desktop), m_program(program), m_images(images) {}

  // The form's whole window as it shows now, kept under `file`; false when it is not shown.
  bool Take(const std::string& form, const std::string& file) {
    Form* f = m_program.findForm(form);
    if (f == nullptr || !f->loaded() || !f->visible()) return false;
    m_images[file] = m_desktop.windowImage(f->handle());
    return true;
  }
  void TakeWindow(WindowHandle window, const std::string& file) {
    if (m_desktop.exists(window)) m_images[file] = m_desktop.windowImage(window);
  }
  void TakeDesktop(const std::string& file) { m_images[file] = m_desktop.screenImage(); }

 private:
  VirtualDesktop& m_desktop;
  VirtualProgram& m_program;
  Images& m_images;
};

// One session: the companion beside a table that waits for the user's bid, `deals` deals and
// one more. With the board, the board's pictures and those of every window following a deal;
// without it, the bid helper (with the board on, the board takes the user's turn before the
// helper has the bids it needs).
bool RunSession(const std::filesystem::path& folder, const Options& options, bool board, Images& images) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::create_directories(folder, ec);
  fs::remove_all(folder / "Work", ec);

  // The settings, written in the system's code page (Shift_JIS here).
  std::string ini =
      "MyYahooID=South\r\n"
      "BidTrickCounter=(700,470),(700,560)\r\n"
      "CountCards=(700,20)\r\n"
      "PasteScoreTable=(700,650)\r\n"
      "残りのカード=(940,650)\r\n"
      "HelpBidIn4thSeat=(1000,800)\r\n"
      "AskAlert=(700,900)\r\n"
      "BoldBidTrick=yes\r\n"
      "AlertPlayers=Alert.TXT\r\n";
  // With an event log the bid helper shows in every deal, not only near the end of a game.
  ini += board ? "BiddingBoard=(700,200)\r\n" : "log=ScorletS.log\r\n";
  const std::string alerts = "#     << Players to be alerted by ScorletS. >>\r\nWest(Slow),";
  if (!WriteFile(folder / "ScorletS.INI", ToAnsi(ini, CodePage::Japanese)) ||
      !WriteFile(folder / "Alert.TXT", alerts)) {
    std::fprintf(stderr, "scorlet-pictures: cannot write into %s\n", folder.string().c_str());
    return false;
  }

  VirtualDesktopConfig desktopConfig;
  desktopConfig.codePage = 932;
  VirtualDesktop desktop(desktopConfig);
  auto program = desktop.startProgram("ScorletS", folder.string());
  companion::Companion companion(*program, *program);
  companion::App& app = companion.app();
  if (!companion.Start()) {
    std::fprintf(stderr, "scorlet-pictures: the companion stopped at start-up\n");
    return false;
  }
  auto tableProgram = desktop.startProgram("SpadesTable", folder.string());
  table::TableClientOptions tableOptions;
  tableOptions.game.seed = options.seed;
  tableOptions.userBids = true;  // the table waits for the user's bid: the board opens
  tableOptions.dealPauseMs = 5000;
  auto table = std::make_unique<table::TableClient>(*tableProgram, *tableProgram, tableOptions);
  if (!table->Open()) {
    std::fprintf(stderr, "scorlet-pictures: the table did not open\n");
    return false;
  }

  Pictures pictures(desktop, *program, images);
  const std::uint32_t minute = 60u * 1000u;
  const companion::HelperWindows& w = app.windows;
  auto boardOpen = [&] {
    return w.board.form != nullptr && w.board.form->visible() && w.board.kept() &&
           app.counters.boardStep == companion::BoardState::DNilStage;
  };
  // The user's turn. With the board: the board's two stages (the user shows the cards on it),
  // the left counter and the alert window, then the user bids 3 on the game. Without it: the bid
  // helper when the user bids third or fourth, then the same bid.
  auto answerUserTurn = [&](int deal) {
    if (!board) {
      if (!desktop.runUntil([&] { return table->waitingForUser(); }, 3 * minute)) return;
      if (desktop.runUntil([&] { return w.helpBid.form != nullptr && w.helpBid.form->visible(); },
                           3000)) {
        desktop.runFor(300);
        pictures.Take("frmHelpBid", "helpbid");
      }
      table->SubmitBid(table::Bid::Number(3));
      return;
    }
    if (!desktop.runUntil([&] { return table->waitingForUser() && boardOpen(); }, 3 * minute)) {
      std::printf("deal %d: the board did not open at the user's turn\n", deal + 1);
      return;
    }
    desktop.runFor(300);
    pictures.Take("frmBoard", "board-dnil");
    pictures.Take("frmCounter0", "counter-left");
    pictures.Take("frmAskAlert", "askalert");
    program->clickControl("frmBoard", "Btn" + std::to_string(companion::BtnShow));
    desktop.runFor(300);
    pictures.Take("frmBoard", "board");
    table->SubmitBid(table::Bid::Number(3));
  };
  const int pictureDeal = options.deals - 1;  // by then earlier deals are recorded
  for (int deal = 0; deal < options.deals; ++deal) {
    answerUserTurn(deal);
    if (board && deal == pictureDeal) {
      // In the middle of play: everything that follows the deal.
      desktop.runUntil([&] {
        const auto& t = app.deal.tricks;
        return t[0] + t[1] + t[2] + t[3] >= 7;
      }, 3 * minute);
      if (app.frmZ.cntBidLoc->onClick) app.frmZ.cntBidLoc->onClick();  // opens the score window
      desktop.runFor(200);
      pictures.Take(companion::FrmZName, "main");
      pictures.Take("frmCounter", "counter-right");
      pictures.Take("frmScore", "score");
      pictures.Take("frmCardPlay", "cardplay");
      pictures.Take("frmMyBOX", "remaining");
      pictures.TakeWindow(table->tableWindow(), "table");
      pictures.TakeDesktop("desktop");
    }
    desktop.runUntil([&] { return table->dealsPlayed() > deal; }, 3 * minute);
  }

  // One deal more, with the game's score window closed and kept shut: at the end of the deal
  // the messages window says so.
  answerUserTurn(options.deals);
  if (board) {
  table->SuppressSubWindow(3, true);
  table->CloseSubWindow(3);
  const bool message = desktop.runUntil(
      [&] { return w.errMsg.form != nullptr && w.errMsg.form->visible(); }, 2 * minute);
  if (message) {
    desktop.runFor(500);
    pictures.Take("frmErrMsg", "messages");
  }
  table->SuppressSubWindow(3, false);
  }

  table->Close();
  desktop.runFor(2000);
  if (!app.loop.ended) {
    companion::CloseSession(app);
    companion::EndProgram(app, companion::ExitNormal);
  }
  table.reset();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseArgs(argc, argv, options)) {
    std::fprintf(stderr, "usage: scorlet-pictures --folder DIR --out DIR [--deals N] [--seed S]\n");
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path folder = fs::absolute(options.folder);
  const fs::path out = fs::absolute(options.out);
  std::error_code ec;
  fs::create_directories(out, ec);
  Images images;
  if (!RunSession(folder / "board", options, true, images) ||
      !RunSession(folder / "helper", options, false, images))
    return 1;
  int written = 0;
  for (const auto& [file, image] : images) {
    const std::string path = (out / (file + ".png")).string();
    if (WritePng(image, path)) {
      std::printf("%s (%d x %d)\n", path.c_str(), image.width, image.height);
      ++written;
    } else {
      std::printf("could not write %s\n", path.c_str());
    }
  }
  bool all = true;
  for (const char* file : {"main", "counter-left", "counter-right", "score", "cardplay", "remaining",
                           "board", "board-dnil", "helpbid", "askalert", "messages", "table"}) {
    if (images.count(file) == 0) {
      std::printf("no picture: %s\n", file);
      all = false;
    }
  }
  return all && written == static_cast<int>(images.size()) ? 0 : 1;
}
