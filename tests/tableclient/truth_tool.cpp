// Plays the deals that SpadesTable would play with the same command line, without any
// window, and writes their truth files: the reference the Wine test compares with.
#include <cstdio>
#include <string>
#include <vector>

#include "tableclient/engine/Bots.h"
#include "tableclient/engine/Truth.h"
#include "tableclient/window/Arguments.h"

int main(int argc, char** argv) {
  using namespace scorlet::table;
  TableClientOptions options;
  std::string error;
  if (!ParseTableArguments({argv + 1, argv + argc}, options, error) || options.maxDeals < 1 ||
      options.truthFolder.empty()) {
    std::fprintf(stderr, "truth_tool: %s (needs --deals N and --truth DIR)\n", error.c_str());
    return 2;
  }
  SpadesGame game(options.game);
  for (int n = 1; n <= options.maxDeals; ++n) {
    while (BotAct(game)) {
    }
    if (!WriteTruthFile(game.lastTruth(), options.truthFolder, n)) return 1;
    game.NextDeal();
  }
  return 0;
}
