// How the renderer writes text into an image. The game draws its texts without
// anti-aliasing in one bitmap font; the glyph tables that the recognisers read are the
// definition of that font, and a face built from them replaces the placeholder here
// without touching the views.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace scorlet::table {

class TextFace {
 public:
  virtual ~TextFace() = default;
  // Draws the UTF-8 text with its top-left corner at (x, y); returns the width drawn.
  virtual int Draw(Image& image, int x, int y, std::string_view text, Color color) const = 0;
  virtual int Width(std::string_view text) const = 0;
  virtual int Height() const = 0;
};

// A blocky 3 x 5 font drawn at twice its size (digits, letters without case, a few signs);
// any other character is drawn as an open box.
class PlaceholderFace : public TextFace {
 public:
  int Draw(Image& image, int x, int y, std::string_view text, Color color) const override;
  int Width(std::string_view text) const override;
  int Height() const override { return 10; }
};

// The game's own font, built from the glyph definitions that the companion reads with: each
// column code turned back into ink (bit 11 the top row of 12), one blank column between glyphs,
// a blank as a few blank columns. The first definition of a name wins; a character the font has
// no glyph for draws nothing and advances by a blank's width.
class GlyphFace : public TextFace {
 public:
  enum class Set { Regular, Bold };
  explicit GlyphFace(Set set = Set::Regular);
  int Draw(Image& image, int x, int y, std::string_view text, Color color) const override;
  int Width(std::string_view text) const override;
  int Height() const override { return GlyphRows; }
  // True when some glyph's first column, masked by `mask`, equals `column` masked alike: a
  // reader that starts a glyph at such a column may find one.
  bool BeginsGlyph(std::uint16_t column, std::uint16_t mask) const;

  static constexpr int GlyphRows = 12;
  static constexpr int GlyphGap = 1;       // blank columns after every glyph
  static constexpr int BlankColumns = 3;   // a blank character
  static constexpr int MissingColumns = 6; // a character without a glyph

 private:
  struct Glyph {
    char32_t ch = 0;
    std::vector<std::uint16_t> columns;
  };
  const Glyph* Find(char32_t ch) const;
  void Add(char32_t ch, std::vector<std::uint16_t> columns);
  int Advance(char32_t ch) const;
  std::vector<Glyph> m_glyphs;  // sorted by character
};

// The game font's regular and bold sets, built once.
const TextFace& GameFace();
const TextFace& GameBoldFace();

// Whether a column code begins a glyph of either set of the game font (see BeginsGlyph).
bool BeginsGameGlyph(std::uint16_t column, std::uint16_t mask);

// The face the sub-windows use until they are drawn in the game font as well.
const TextFace& DefaultFace();

}  // namespace scorlet::table
