#include "tests/recognition/Drawing.h"

#include <sys/wait.h>

#include <cstdio>

#include "gamedata/Glyphs.h"

namespace scorlet::recognition::testing {

int DrawGlyphs(Picture& picture, int x, int y, const std::vector<std::string>& names,
               uint16_t ink) {
  for (const std::string& name : names) {
    std::vector<std::string_view> font(TextGlyphDefinitions.begin(), TextGlyphDefinitions.end());
    font.insert(font.end(), DoubleByteGlyphDefinitions.begin(), DoubleByteGlyphDefinitions.end());
    for (std::string_view definition : font) {
      GlyphDefinition glyph = ParseGlyphDefinition(definition);
      if (glyph.name != name) continue;
      for (uint16_t code : glyph.columns) {
        for (int r = 0; r < GlyphHeight; ++r) {
          if (code & (1 << (GlyphHeight - 1 - r))) SetPixel(picture, x, y + r, ink);
        }
        ++x;
      }
      break;
    }
    ++x;
  }
  return x;
}

int DrawText(Picture& picture, int x, int y, std::string_view text, uint16_t ink) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < text.size();) {  // one name per UTF-8 character
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    names.emplace_back(text.substr(i, length));
    i += length;
  }
  return DrawGlyphs(picture, x, y, names, ink);
}

void FillRect(Picture& picture, int left, int top, int right, int bottom, uint16_t value) {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) SetPixel(picture, x, y, value);
  }
}

std::string RunReadProgram(const std::string& arguments, int& status) {
  std::string out;
  status = -1;
#ifdef SCORLET_READ_PROGRAM
  const std::string command = std::string(SCORLET_READ_PROGRAM) + " " + arguments + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
  const int result = pclose(pipe);
  status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
#else
  (void)arguments;
#endif
  return out;
}

TableCapture TableWithFrame() {
  TableCapture picture = MakeTableCapture(615, 560, Felt);
  FillRect(picture, 210, 450, 461, 451, FrameReference);
  FillRect(picture, 210, 290, 211, 451, FrameReference);
  return picture;
}

}  // namespace scorlet::recognition::testing
