// scorlet-read: runs the companion's screen readers on a saved capture of one of the game's
// windows and prints what they read, one fact a line.
//
//   scorlet-read table FILE.bmp [--language N]      the table window, frame included
//   scorlet-read lasttrick FILE.bmp [--language N]  client areas of the small windows
//   scorlet-read lasthand FILE.bmp [--language N]
//   scorlet-read score FILE.bmp [--language N]
//
// Exit status: 0 the picture was read, 1 the window could not be read (no table box, a card or
// number not read; the status on standard error), 2 the file (or the command line) could not be
// used.
#include <array>
#include <charconv>
#include <iostream>
#include <string>
#include <string_view>

#include "common/Notation.h"
#include "companion/recognition/Bitmap.h"
#include "companion/recognition/ButtonLabels.h"
#include "companion/recognition/GlyphReader.h"
#include "companion/recognition/PanelReaders.h"
#include "companion/recognition/PlayerList.h"
#include "companion/recognition/TableReaders.h"
#include "gamedata/WindowTitles.h"

namespace {

using namespace scorlet;
using namespace scorlet::recognition;

constexpr int ButtonScanTop = 65;
constexpr std::array<std::string_view, 6> ButtonNames{"",      "LastTrick",   "LastHand",
                                                      "Score", "DNilPassing", "Suicide"};

int Usage(std::string_view problem) {
  std::cerr << "scorlet-read: " << problem << "\n"
            << "usage: scorlet-read table|lasttrick|lasthand|score FILE.bmp [--language N]\n";
  return 2;
}

// Status numbers of the capture procedures for a window that could not be read.
constexpr int LastHandNotRead = 22;
constexpr int ScoreNotRead = 2;

int Failed(int status, std::string_view reason) {
  std::cerr << "scorlet-read: status " << status << ": " << reason << "\n";
  return 1;
}

// A saved client-area capture, addressed as the small windows' pictures are.
PanelCapture AsPanel(const TableCapture& read) {
  PanelCapture picture;
  picture.pixels = read.pixels;
  picture.geometry = read.geometry;
  return picture;
}

std::string CardNotation(const CornerCard& card) {
  if (card.rank < MinRank || card.rank > MaxRank) return "-";
  return CardTextOf(card.suit * 100 + card.rank);
}

int ReadLastTrick(const PanelCapture& picture, const GlyphTables& glyphs) {
  const TrickCardsReading reading = ReadTrickCards(picture, glyphs);
  for (int p = 0; p < 4; ++p) {
    std::cout << "card " << p << ' ' << CardNotation(reading.cards[p]) << '\n';
  }
  if (!reading.read) {
    std::cerr << "scorlet-read: the four cards' edges or corners were not read\n";
    return 1;
  }
  return 0;
}

int ReadLastHand(const PanelCapture& picture, const GlyphTables& glyphs, int language) {
  const LastHandReading reading = ReadLastHandPicture(picture, LastHandGlyphs(glyphs), language);
  switch (reading.outcome) {
    case LastHandOutcome::Read:
      break;
    case LastHandOutcome::NoRows:
      return Failed(LastHandNotRead, "the picture is empty");
    case LastHandOutcome::NoGreyBand:
      return Failed(LastHandNotRead, "no grey band below row 20");
    case LastHandOutcome::Unreadable:
      return Failed(LastHandNotRead, "a card was not read");
  }
  for (int line = 0; line < 4; ++line) {
    const std::string& name = reading.names[line];
    std::cout << "name " << line << ' ' << (name.empty() ? "-" : name) << '\n';
    std::cout << "cards " << line;
    for (int t = 0; t < TrickCount; ++t) {
      const std::uint8_t mark = reading.marks[line][t];
      std::cout << ' ' << (mark == LeadLed ? "[" : mark == LeadParen ? "(" : "")
                << reading.cards[line][t];
    }
    std::cout << '\n';
  }
  return 0;
}

int ReadScore(const PanelCapture& picture, const GlyphTables& glyphs) {
  const ScoreReading reading = ReadScorePicture(picture, glyphs);
  switch (reading.outcome) {
    case ScoreOutcome::Read:
      break;
    case ScoreOutcome::NeedsTallerWindow:
      return Failed(ScoreNotRead, "the rows run below the picture; a window " +
                                      std::to_string(reading.neededHeight) + " high is needed");
    case ScoreOutcome::NoRows:
      return Failed(ScoreNotRead, "the picture is empty");
    case ScoreOutcome::NoGreyBand:
      return Failed(ScoreNotRead, "no grey band below row 36");
    case ScoreOutcome::Unreadable:
      return Failed(ScoreNotRead, "a number was not read");
  }
  for (size_t r = 0; r < reading.rows.size(); ++r) {
    const ScoreNumbers& row = reading.rows[r];
    std::cout << "row " << r + 1 << ' ' << row[0] << ' ' << row[1] << ' ' << row[2] << ' '
              << row[3] << '\n';
  }
  return 0;
}

const char* YesNo(bool value) { return value ? "yes" : "no"; }

}  // namespace

int main(int argc, char** argv) {
  const std::string_view command = argc >= 2 ? std::string_view(argv[1]) : std::string_view{};
  if (argc < 3 || (command != "table" && command != "lasttrick" && command != "lasthand" &&
                   command != "score")) {
    return Usage("expected: table|lasttrick|lasthand|score FILE.bmp");
  }
  const std::string file = argv[2];
  int language = LangEnglish;
  for (int i = 3; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--language" && i + 1 < argc) {
      const std::string_view value = argv[++i];
      const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), language);
      if (ec != std::errc{} || ptr != value.data() + value.size() || language < 1 ||
          language > GameLanguages) {
        return Usage("--language takes a game language from 1 to 10");
      }
    } else {
      return Usage("unknown argument: " + std::string(arg));
    }
  }
  const std::optional<TableCapture> read = ReadBitmap(file);
  if (!read) {
    std::cerr << "scorlet-read: cannot read " << file
              << " as a 16- or 24-bit uncompressed bitmap\n";
    return 2;
  }
  const TableCapture& picture = *read;

  GlyphTables glyphs = BuildGlyphTables();
  glyphs.fontVariant = 1;
  glyphs.maskedReading = true;
  PrepareGlyphIndex(glyphs, language);
  if (command == "lasttrick") return ReadLastTrick(AsPanel(picture), glyphs);
  if (command == "lasthand") return ReadLastHand(AsPanel(picture), glyphs, language);
  if (command == "score") return ReadScore(AsPanel(picture), glyphs);

  const TableBox box = FindTableBox(picture, language);
  if (!box.located()) {
    std::cout << "box none\n";
    return 1;
  }
  std::cout << "box " << box.left << ' ' << box.top << ' ' << box.right << ' ' << box.bottom
            << '\n';
  std::cout << "turn " << YesNo(TestMyTurn(picture)) << '\n';
  std::cout << "waiting " << YesNo(IsTableWaiting(picture, box, glyphs)) << '\n';
  std::cout << "ok " << YesNo(TestFinalOK(picture, box, glyphs)) << '\n';

  const ButtonScan buttons =
      ScanButtonLabels(picture, glyphs, language, ButtonScanTop, picture.height());
  if (buttons.gameLanguage != language) PrepareGlyphIndex(glyphs, buttons.gameLanguage);
  const bool dnilPassTable = buttons.buttons[ButtonDNilPass] != Point{};

  BidTrickAnchors anchors;
  const BidReading bids = ReadBidLines(picture, box, glyphs, anchors, dnilPassTable);
  for (int seat = 0; seat < 4; ++seat) {
    const std::string& bid = bids.bids[seat];
    std::cout << "bid " << seat << ' ' << (bid.empty() ? "-" : bid) << '\n';
  }
  const TrickReading tricks = ReadTrickLines(picture, box, glyphs, anchors);
  for (int seat = 0; seat < 4; ++seat) {
    std::cout << "tricks " << seat << ' ';
    if (tricks.tricks[seat] < 0) {
      std::cout << "-\n";
    } else {
      std::cout << tricks.tricks[seat] << '\n';
    }
  }
  for (int k = ButtonLastTrick; k <= ButtonLabelCount; ++k) {
    if (buttons.buttons[k] == Point{}) continue;
    const Point click = ButtonClickPoint(buttons.buttons[k]);
    std::cout << "button " << ButtonNames[k] << ' ' << click.x << ' ' << click.y << '\n';
  }
  const Rect window{0, 0, picture.width(), picture.height()};
  const Point control = FindBidControl(picture, box, window);
  for (const std::string& line : MakePlayerList(picture, box, control.y, window, glyphs)) {
    std::cout << "player " << line << '\n';
  }
  return 0;
}
