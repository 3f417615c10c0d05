#include "gamedata/Glyphs.h"

#include <cctype>

namespace scorlet {

// The game font, one definition a line: the glyph's name, a blank, then three hex digits per
// column (left column first; bit 11 the top row of a 12-row column). Numbers 1 to 102 are the
// regular set, 103 to 146 the bold set.
// clang-format off
const std::array<std::string_view, TextGlyphCount> TextGlyphDefinitions{{
    "0 3F84044044043F8",  // 1
    "1 1002007FC",  // 2
    "2 20440C414464384",  // 3
    "3 2084044444443B8",  // 4
    "4 0300D03107FC010",  // 5
    "5 1C8684484484478",  // 6
    "6 3F8444484484278",  // 7
    "7 40041C4E0500600",  // 8
    "8 3B84444444443B8",  // 9
    "9 3C84244244443F8",  // 10
    "~ 020040040020020040",  // 11
    "@ 07C18223924448448447C4C42053090F2",  // 12
    "A 00C0703A04203A007000C",  // 13
    "B 7FC4444444444443B8",  // 14
    "C 1F0208404404404208110",  // 15
    "D 7FC4044044044042081F0",  // 16
    "E 7FC444444444444444",  // 17
    "F 7FC440440440440400",  // 18
    "G 1F0208404404444248170",  // 19
    "H 7FC0400400400400407FC",  // 20
    "I 4047FC404",  // 21
    "J 0180040040047F8",  // 22
    "K 7FC0200400A0110208404",  // 23
    "L 7FC004004004004004",  // 24
    "M 7FC3000F000C0F03007FC",  // 25
    "N 7FC2001800400300087FC",  // 26
    "O 1F02084044044042081F0",  // 27
    "P 7FC440440440440380",  // 28
    "Q 1F02084044144142081F4",  // 29
    "R 7FC440440440460458384",  // 30
    "S 398444444444444338",  // 31
    "T 4004004007FC400400400",  // 32
    "U 7F00080040040040087F0",  // 33
    "V 6001C003000C0301C0600",  // 34
    "W 7000F000C07038040038007000C1F0600",  // 35
    "X 4043180A00401B0208404",  // 36
    "Y 40030008007C080300400",  // 37
    "Z 00440C434444584604404",  // 38
    "( 0F8306401",  // 39
    ") 4013060F8",  // 40
    "[ 7FF401",  // 41
    "] 4017FF",  // 42
    ".. 004000000004",  // 43
    "- 020020020000",  // 44
    "a 0981241241280FC",  // 45
    "&atilde; 0985249245288FC",  // 46
    "&aacute; 0981245249280FC",  // 47
    "a 4981241241280FC",  // 48
    "b 7FC0881041040F8",  // 49
    "d 0F81041040887FC",  // 50
    "d 4F81041040887FC",  // 51
    "q 0F81041040881FF",  // 52
    "c 0F8104104088",  // 53
    "&ccedil; 0F8106105088",  // 54
    "c 4F8104104088",  // 55
    "e 0F81241241240E8",  // 56
    "&egrave; 0F89245241240E8",  // 57
    "&eacute; 0F81245249240E8",  // 58
    "e 4F81241241240E8",  // 59
    "f 1003FC500400",  // 60
    "f 5003FC500400",  // 61
    "f 1003FC500",  // 62
    "f 5003FC500",  // 63
    "g 0F91051050891FE",  // 64
    "g 4F91051050891FE",  // 65
    "h 7FC0801001000FC",  // 66
    "i 5FC000",  // 67
    "j 0015FE000",  // 68
    "j 4015FE000",  // 69
    "k 7FC020060098104",  // 70
    "l 7FC000",  // 71
    "m 1FC0801001000FC0801001000FC",  // 72
    "m 5FC0801001000FC0801001000FC",  // 73
    "n 1FC0801001000FC",  // 74
    "n 5FC0801001000FC",  // 75
    "o 0F81041041040F8",  // 76
    "&oacute; 0F81045049040F8",  // 77
    "o 4F81041041040F8",  // 78
    "p 1FF0881041040F8",  // 79
    "p 5FF0881041040F8",  // 80
    "r 1FC080100",  // 81
    "r 5FC080100",  // 82
    "s 0C8124124124098",  // 83
    "s 4C8124124124098",  // 84
    "t 1007FC104",  // 85
    "t 5007FC104",  // 86
    "u 1F80040040081FC",  // 87
    "u 5F80040040081FC",  // 88
    "w 18007000C07018007000C070180",  // 89
    "w 58007000C07018007000C070180",  // 90
    "v 18007000C070180",  // 91
    "v 58007000C070180",  // 92
    "x 1040D80300C8104",  // 93
    "x 5040D80300C8104",  // 94
    "y 18007100E070180",  // 95
    "y 58007100E070180",  // 96
    "z 10411C1241C4104",  // 97
    "z 50411C1241C4104",  // 98
    "_ 001001001001001001001",  // 99
    "_ 401001001001001001001",  // 100
    ". 004000",  // 101
    ": 104000",  // 102
    "0 7E0FF0C38818C38FF07E0",  // 103
    "1 600C00FF8FF8",  // 104
    "2 618E388788D8998F18E18",  // 105
    "3 460C70838918918FF0EE0",  // 106
    "4 0E01E0760C60FF8FF8060",  // 107
    "5 3B0FB8F18B18B18BF08E0",  // 108
    "6 7E0FF0D98998998DF8CF0",  // 109
    "7 8008008389F8F80E00800",  // 110
    "8 E70FF8998998998FF8E70",  // 111
    "9 F30FB89989989B8FF07E0",  // 112
    "_ 001001001001001001001001",  // 113
    "_ 001001001001001001001",  // 114
    "a 2306786D86987F03F8008",  // 115
    "a 2306786D86987F03F8",  // 116
    "b FF8FF83106187383F01E0",  // 117
    "c 1E03F0618618738330",  // 118
    "d 1E03F0738618330FF8FF8",  // 119
    "e 1E03F06D86D86D83D81D0",  // 120
    "f 600FF8FF8600600",  // 121
    "f 600FF8FF8600603",  // 122
    "g 1E63F773B61B3337FF7FE",  // 123
    "h FF8FF83006006007F83F8",  // 124
    "j 0030037FF7FE",  // 125
    "j 0037FF7FE",  // 126
    "j 00B0037FF7FE",  // 127
    "k FF8FF81C03E0678418",  // 128
    "m 7F87F82006007F83F86006007F83F8",  // 129
    "n 7F87F83006006007F83F8",  // 130
    "o 1E03F07386187383F01E0",  // 131
    "p 7FF7FF3306187383F01E0",  // 132
    "q 1E03F07386183307FF7FF",  // 133
    "r 7F87F8300600600",  // 134
    "s 3907D86D86D86F8270",  // 135
    "t 600FF0FF8618618",  // 136
    "t 600FF0FF861861B",  // 137
    "u 7F07F80180180307F87F8",  // 138
    "v 7007C00F80380F87C0700",  // 139
    "w 6007C01F80383F07003F00381F87C0600",  // 140
    "x 6187381E01E0738618",  // 141
    "y 6007E11FF01F1FC7E0600",  // 142
    "z 6386786D8798718",  // 143
    "i 7F87F8",  // 144
    ". 018018",  // 145
    "@ 1F030C4068F2BF97096096113F97F9F898024123E4",  // 146
}};

// Double-byte glyphs in the same 12-row column code, from a 12-dot Gothic bitmap font (public
// domain). The kana stand in rows 1 to 11 with the top row blank, as in the regular set, so a
// name reads in the player list too (it ignores a line's top row); the kanji of the button
// captions and prompts fill all twelve rows.
const std::array<std::string_view, DoubleByteGlyphCount> DoubleByteGlyphDefinitions{{
    "ビ 7F8044044044084084684004600",
    "ッ 040032082064004018060",
    "ド 7FF040040020320010300",
    "ト 7FF040040020020010",
    "リ 7E00020020040187E0",
    "ク 022042084704208210260380",
    "最 0820FEFAAAAAAFFAA1AB2AACFA40BA081",
    "後 12027FD810492495DA97625455A081061",
    "の 0F01082084307C04044042081100E0",
    "ハ 0020040381C00000001000C003000E",
    "ン 202202102004004008010060180",
    "ス 002202204204208210260390008006",
    "コ 2082082082082082082083FC",
    "ア 2002002022042F8220220240280300",
    "ダ 040042082104644248230260780000600",
    "ブ 1011011021021041087301C0600",
    "ニ 008008108108108108108108008008",
    "ル 00200C3F00000007FC004008010060",
    "パ 0020040381C00000001002C053050E200",
    "ー 040040040040040040040040",
    "サ 0800800807F20820840887F0080080",
    "イ 0200200400400FE100600",
    "開 FFFA80AAAAACFB8028FBFAA8AA8A81FFF",
    "始 119FEA10C3F80441DFE5105129119F060",
    "す 10010013114914A7FC100100100",
    "る 0100204444CA58A686484048030",
    "に 0FC702004000118104204204004",
    "は 0FC70200410C1121121127FC208204",
    "相 104118160FFF1201107FF4914914917FF",
    "手 0100902902902913FF490490890090010",
    "を 0101201661A971111D121041040",
    "待 110220CFF3A04B04A8FA04A14FF4A00A0",
    "っ 010010022022024018",
    "て 200200200270288304404404400",
    "い 0F03080040180000001000C0038",
    "ま 1261291291297FE144144102",
    "。 002005005002",
    "さ 08C0920926911D10A9118100",
    "く 060090108606",
    "ら 0F801142122122202201C",
    "ケ 0200407821021041081F0100100100",
    "ジ 0824824422040040080106200C0600",
    "ひ 0382C43022024020041F8040020",
    "ろ 0100204404C2582682484048030",
    "み 0184244484707C00420441F8020010",
    "ゆ 1FC03004009110A7FC108108090060",
    "う 040041481282282044038",
    "き 14414A1517512D12A9098",
}};

// The corner symbols of a played card, by their position in CardSymbols (2..18): nine bytes,
// bottom row first, most significant bit leftmost.
const std::array<std::string_view, CardGlyphLast + 1> CardGlyphDefinitions{{
    "", "",
    "0 0 0 7E 7E 21 10 8 C",  // 2
    "0 0 0 3C 62 63 3 6 1C",  // 3
    "0 0 0 F 6 6 7F 66 26",  // 4
    "0 0 0 7C E6 C3 3 47 7E",  // 5
    "0 0 0 1C 36 63 63 73 6E",  // 6
    "0 0 0 18 18 18 8 C 4",  // 7
    "0 0 0 1E 33 33 33 33 1E",  // 8
    "0 0 0 3C 66 22 3 3F 63",  // 9
    "0 0 0 E7 CD D8 D8 D8 D8",  // 10
    "0 0 0 3C 6E 66  6  6  6",  // 11
    "0 0 7  C 3E 63 C1 C1 C1",  // 12
    "0 0 0 F3 67 66 6C 78 70",  // 13
    "0 0 0 77 23 23 3F 1E 16",  // 14
    "1C 8 EB FF EB 8 1C 3E 1C",  // 15
    "8 1C 3E 7F FF 7F 3E 1C 8",  // 16
    "8 1C 3E 7F FF FF FF F7 63",  // 17
    "1C 8 6B FF FF 7F 3E 1C 8",  // 18
}};
// clang-format on

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

GlyphDefinition ParseGlyphDefinition(std::string_view definition) {
  GlyphDefinition glyph;
  const std::size_t split = definition.find_first_of(" ,");
  if (split == std::string_view::npos) {
    glyph.name = std::string(definition);
    return glyph;
  }
  glyph.name = std::string(definition.substr(0, split));
  const std::string_view hex = definition.substr(split + 1);
  glyph.hex = std::string(hex);
  for (std::size_t c = 0; c + 3 <= hex.size(); c += 3) {
    int code = 0;
    for (std::size_t k = 0; k < 3; ++k) {
      const int digit = HexValue(hex[c + k]);
      code = code * 16 + (digit < 0 ? 0 : digit);
    }
    glyph.columns.push_back(static_cast<std::uint16_t>(code));
  }
  return glyph;
}

std::vector<std::uint8_t> ParseCardGlyph(std::string_view definition) {
  std::vector<std::uint8_t> rows;
  int value = -1;
  for (char c : definition) {
    const int digit = HexValue(c);
    if (digit >= 0) {
      value = (value < 0 ? 0 : value * 16) + digit;
      continue;
    }
    if (value >= 0) rows.push_back(static_cast<std::uint8_t>(value & 0xFF));
    value = -1;
  }
  if (value >= 0) rows.push_back(static_cast<std::uint8_t>(value & 0xFF));
  return rows;
}

std::string_view GlyphText(std::string_view name) {
  if (name.size() > 1 && name.front() == '&') return name.substr(1, 1);
  return name;
}

}  // namespace scorlet
