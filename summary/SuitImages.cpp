#include "summary/SuitImages.h"

#include <array>
#include <initializer_list>
#include <string_view>
#include <system_error>

#include "common/Notation.h"
#include "common/SafeFile.h"

namespace scorlet::summary {

namespace {

// Hexadecimal text of each picture, 32 bytes a line. The first line holds the first 32
// bytes (header and the two colours in use); 736 zero bytes of the colour table follow
// it and are not written out; the remaining lines follow as they stand.
using HexLines = std::initializer_list<std::string_view>;

const std::array<HexLines, 4> kSuitHex{{
    {
        "47494638396113000F00F70100009600FFFFFF00000000000000000000000000",
        "0000000000000000000000000021F90401000001002C0000000013000F000008",
        "440003081C48B0A0C1820012263C6850A14386041D2A843850E2C2830F250678",
        "28D0E2C6851E3F5A1C7991A4C98E1A37A2E4281240C58A1329BAA4D8F022CD95",
        "366FD20C08003B",
    },
    {
        "47494638396113000F00F70100FF00FFFFFFFF00000000000000000000000000",
        "0000000000000000000000000021F90401000001002C0000000013000F000008",
        "3B0003081C381000C1830805025898B0E1C2870D0F3E9C1851E1448A0E2F5E4C",
        "A8B1A3C48E1E0982DC887024C38C2123A6AC48B262C1932E45460C08003B",
    },
    {
        "47494638396113000F00F70100FF0000FFFFFF00000000000000000000000000",
        "0000000000000000000000000021F90401000001002C0000000013000F000008",
        "3F0003081C48B0A0C10000120228A87021C186090742748870E2428B0E316A14",
        "A81123C78E13258254C870E44190073F5A4C291222CB870D5F96A4285322CB80",
        "003B",
    },
    {
        "47494638396113000F00F7010000001EFFFFFF00000000000000000000000000",
        "0000000000000000000000000021F90401000001002C0000000013000F000008",
        "3E0003081C381000C1830805025898B0E1C2870D0F3E9C1851E1448A0E2F5E4C",
        "A8B1A3C48E1E0B82D4487024C992140D6EAC18C020CB8F2E5FB6C42893654000",
        "3B",
    },
}};

constexpr std::size_t kOmittedZeros = 736;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

void AppendHex(std::string& bytes, std::string_view hex) {
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(HexDigit(hex[i]) * 16 + HexDigit(hex[i + 1]));
  }
}

}  // namespace

std::string SuitImageBytes(int suit) {
  if (suit < 0 || suit >= static_cast<int>(kSuitHex.size())) return {};
  std::string bytes;
  bool first = true;
  for (const std::string_view line : kSuitHex[suit]) {
    AppendHex(bytes, line);
    if (first) bytes.append(kOmittedZeros, '\0');
    first = false;
  }
  return bytes;
}

bool WriteSuitImages(const std::filesystem::path& folder) {
  std::error_code error;
  bool complete = true;
  for (const SuitAttributes& suit : SuitTable) {
    complete = complete && std::filesystem::is_regular_file(folder / suit.imageFile, error);
  }
  if (complete) return true;
  bool written = true;
  for (int suit = 0; suit < 4; ++suit) {
    written = ReplaceFileSafely(folder / SuitTable[suit].imageFile, SuitImageBytes(suit)) &&
              written;
  }
  return written;
}

}  // namespace scorlet::summary
