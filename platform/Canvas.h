#pragma once
// A surface a program draws on: a form's client area or a picture box. What is drawn stays until
// it is drawn over or cleared (the surface keeps its own copy, like AutoRedraw).

#include "platform/Types.h"

#include <string>

namespace scorlet {

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual Size size() const = 0;

    // Text with its top-left corner at `at`; the background behind the glyphs is left alone.
    virtual void drawText(Point at, const std::string& text, const Font& font, Color color) = 0;
    virtual int textWidth(const std::string& text, const Font& font) const = 0;
    virtual int textHeight(const Font& font) const = 0;

    virtual void drawLine(Point from, Point to, Color color, int thickness = 1) = 0;
    virtual void fillRect(const Rect& rect, Color color) = 0;

    // Block copy of 24-bit pixel cells: `source` (a part of `image`) lands with its corner at `at`.
    virtual void drawImage(Point at, const Image& image, const Rect& source) = 0;
    void drawImage(Point at, const Image& image) { drawImage(at, image, Rect{0, 0, image.width, image.height}); }
    // Reads back what the surface shows in `area` (the source of later block copies).
    virtual Image readImage(const Rect& area) const = 0;

    // Fills the whole surface with `color`.
    virtual void clear(Color color) = 0;
};

} // namespace scorlet
