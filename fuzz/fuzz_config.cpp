// Any bytes as an initialisation file, decoded in both code pages, must be read safely.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/Config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // A folder that does not exist keeps the AlertPlayers check away from real files.
  scorlet::ConfigContext context{"fuzz-config-no-such-folder", 800};
  for (scorlet::CodePage codePage : {scorlet::CodePage::Western, scorlet::CodePage::Japanese}) {
    scorlet::Settings settings = scorlet::DefaultSettings(codePage == scorlet::CodePage::Japanese);
    scorlet::ConfigResult result =
        scorlet::ApplyConfigLines(scorlet::DecodeTextLines(bytes, codePage), context, settings);
    if (result.illegal) (void)scorlet::IllegalKeywordText(result);
    (void)scorlet::ToAnsi(settings.cfgFile + settings.logFile, codePage);
  }
  return 0;
}
