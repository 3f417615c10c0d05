// scorlet-read: runs the companion's screen readers on a saved capture of the table window and
// prints what they read, one fact a line.
//
//   scorlet-read table FILE.bmp [--language N]
//
// Exit status: 0 the picture was read, 1 no table box was found, 2 the file (or the command
// line) could not be used.
#include <array>
#include <charconv>
#include <iostream>
#include <string>
#include <string_view>

#include "companion/recognition/Bitmap.h"
#include "companion/recognition/ButtonLabels.h"
#include "companion/recognition/GlyphReader.h"
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
            << "usage: scorlet-read table FILE.bmp [--language N]\n";
  return 2;
}

const char* YesNo(bool value) { return value ? "yes" : "no"; }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || std::string_view(argv[1]) != "table") return Usage("expected: table FILE.bmp");
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
