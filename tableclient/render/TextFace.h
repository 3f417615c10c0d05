// How the renderer writes text into an image. The game draws its texts without
// anti-aliasing in one bitmap font; the glyph tables that the recognisers read are the
// definition of that font, and a face built from them replaces the placeholder here
// without touching the views.
#pragma once

#include <string_view>

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

// The face every view uses until the game's own font is wired in.
const TextFace& DefaultFace();

}  // namespace scorlet::table
