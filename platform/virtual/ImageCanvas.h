#pragma once
// A Canvas over an in-memory image, keeping a log of the texts drawn on it for tests to read.

#include "platform/Canvas.h"

#include <string>
#include <vector>

namespace scorlet {

struct DrawnText {
    Point at;
    std::string text;
    Font font;
    Color color = Colors::Black;
};

class ImageCanvas : public Canvas {
public:
    explicit ImageCanvas(Size size = {}, Color background = Colors::ButtonFace);

    Size size() const override { return {m_image.width, m_image.height}; }
    void drawText(Point at, const std::string& text, const Font& font, Color color) override;
    int textWidth(const std::string& text, const Font& font) const override;
    int textHeight(const Font& font) const override;
    void drawLine(Point from, Point to, Color color, int thickness = 1) override;
    void fillRect(const Rect& rect, Color color) override;
    using Canvas::drawImage;
    void drawImage(Point at, const Image& image, const Rect& source) override;
    Image readImage(const Rect& area) const override;
    void clear(Color color) override;

    // Keeps what fits; new parts take `background`.
    void resize(Size size, Color background);
    const Image& image() const { return m_image; }
    const std::vector<DrawnText>& texts() const { return m_texts; }

private:
    void forgetTextsUnder(const Rect& rect);

    Image m_image;
    std::vector<DrawnText> m_texts;
};

} // namespace scorlet
