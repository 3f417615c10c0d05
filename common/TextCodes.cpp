// Character codes, entity names, UTF-8 and window positions.
#include "common/TextUtil.h"

namespace scorlet {

namespace {

// Names of the codes 128 to 255, sixteen to a row; codes without a name carry their hex code.
constexpr std::string_view kEntityRows[8] = {
    "euro,81,sbquo,fnof,dbquo,hellip,dagger,Dagger,circ,permille,Scaron,lsaquo,OElig,8D,Zcaron,8F",
    "90,lsquo,rsquo,ldquo,rdquo,bull,minus,mdash,tilde,trade,scaron,rsaquo,oelig,9D,zcaron,Yuml",
    "A0,iexcl,cent,pound,curren,yen,brvbar,sect,uml,copy,ordf,laquo,not,shy,reg,macr",
    "deg,plusmn,sup2,sup3,acute,micro,para,middot,cedil,sup1,ordm,raquo,frac14,frac12,frac34,iquest",
    "Agrave,Aacute,Acirc,Atilde,Auml,Aring,AElig,Ccedil,Egrave,Eacute,Ecirc,Euml,Igrave,Iacute,Icirc,Iuml",
    "ETH,Ntilde,Ograve,Oacute,Ocirc,Otilde,Ouml,mult,Oslash,Ugrave,Uacute,Ucirc,Uuml,Yacute,THORN,szlig",
    "agrave,aacute,acirc,atilde,auml,aring,aelig,ccedil,egrave,eacute,ecirc,euml,igrave,iacute,icirc,iuml",
    "eth,ntilde,ograve,oacute,ocirc,otilde,ouml,divide,oslash,ugrave,uacute,ucirc,uuml,yacute,thorn,yuml",
};

std::array<std::string, 128> BuildEntityNames() {
  std::array<std::string, 128> names;
  std::size_t code = 0;
  for (std::string_view row : kEntityRows) {
    std::string rest(row);
    for (int i = 0; i < 16; ++i) names[code++] = NextToken(rest);
  }
  return names;
}

// Code of an entity name, or -1 when the name is unknown.
int EntityCode(std::string_view name) {
  if (name == "nbsp") return 32;
  if (name == "quot") return 34;
  if (name == "amp") return 38;
  const auto& names = EntityNames();
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == name) return 128 + static_cast<int>(i);
  }
  return -1;
}

}  // namespace

const std::array<std::string, 128>& EntityNames() {
  static const std::array<std::string, 128> names = BuildEntityNames();
  return names;
}

void TextToCodes(std::vector<int>& codes, std::string_view text) {
  while (!text.empty()) {
    if (text.front() == '&') {
      std::size_t semicolon = text.find(';');
      if (semicolon == std::string_view::npos) {
        text.remove_prefix(1);
        continue;
      }
      if (int code = EntityCode(text.substr(1, semicolon - 1)); code >= 0) codes.push_back(code);
      text.remove_prefix(semicolon + 1);
      continue;
    }
    // Only printable ASCII is taken literally; every byte of a non-ASCII character is >= 128.
    std::string_view literal = text.substr(0, text.find('&'));
    for (char c : literal) {
      unsigned char code = static_cast<unsigned char>(c);
      if (code >= 32 && code <= 127) codes.push_back(code);
    }
    text.remove_prefix(literal.size());
  }
}

void ReadPosition(std::string_view text, WindowPos& pos) {
  std::size_t open = text.find('(');
  if (open == std::string_view::npos) return;
  std::string rest(text.substr(open + 1));
  if (rest.starts_with("*,")) {
    pos = {kBesideTable, kBesideTable};
    return;
  }
  int x = ValToken(rest);
  pos = {x, LeadingInt(rest)};
}

char32_t DecodeUtf8(std::string_view text, std::size_t pos, std::size_t& length) {
  length = 1;
  unsigned char lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return lead;
  std::size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (extra == 0 || lead > 0xF4 || pos + extra >= text.size()) return U'\uFFFD';
  char32_t code = lead & (0x3F >> extra);
  for (std::size_t k = 1; k <= extra; ++k) {
    unsigned char c = static_cast<unsigned char>(text[pos + k]);
    if ((c & 0xC0) != 0x80) return U'\uFFFD';
    code = (code << 6) | (c & 0x3F);
  }
  static constexpr char32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return U'\uFFFD';
  length = extra + 1;
  return code;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = U'\uFFFD';
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0, length = 0; pos < text.size(); pos += length, ++count) {
    DecodeUtf8(text, pos, length);
  }
  return count;
}

std::size_t LastCharLength(std::string_view text) {
  std::size_t last = 0;
  for (std::size_t pos = 0, length = 0; pos < text.size(); pos += length) {
    DecodeUtf8(text, pos, length);
    last = length;
  }
  return last;
}

}  // namespace scorlet
