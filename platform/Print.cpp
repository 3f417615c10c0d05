#include "platform/Print.h"

#include "platform/Form.h"
#include "common/TextUtil.h"

#include <string_view>

namespace scorlet {

namespace {

Font PrintFont(Form& form)
{
    const PrintState& state = form.printState();
    Font font = form.font();
    if (state.japanese && !state.japaneseFont.empty())
        font.name = state.japaneseFont;
    return font;
}

Font JapaneseFont(Form& form)
{
    Font font = form.font();
    if (!form.printState().japaneseFont.empty())
        font.name = form.printState().japaneseFont;
    return font;
}

int LineHeight(Form& form)
{
    const PrintState& state = form.printState();
    return state.lineHeight > 0 ? state.lineHeight : form.canvas().textHeight(PrintFont(form));
}

// Room for text on a line: the client width less the margins on both sides.
int LineWidth(Form& form)
{
    return form.clientSize().width - 2 * form.printState().margin;
}

// Splits a path into pieces that each end with a backslash (the last one may not).
std::vector<std::string> PathPieces(const std::string& path)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    while (start < path.size()) {
        size_t end = path.find('\\', start);
        end = end == std::string::npos ? path.size() : end + 1;
        pieces.push_back(path.substr(start, end - start));
        start = end;
    }
    return pieces;
}

// Breaks one piece that is wider than a line by characters.
void PrintLongPiece(Form& form, std::string piece, int width)
{
    while (!piece.empty()) {
        std::string head = FitText(form, piece, width);
        if (head.empty()) {
            size_t length = 0;
            DecodeUtf8(piece, 0, length);
            head = piece.substr(0, length);
        }
        PrintLine(form, head);
        piece.erase(0, head.size());
    }
}

} // namespace

void PrintLine(Form& form, const std::string& text)
{
    PrintState& state = form.printState();
    if (!text.empty())
        form.canvas().drawText({state.margin, state.y}, text, PrintFont(form), state.color);
    state.y += LineHeight(form);
}

void PrintByLanguage(Form& form, const std::string& english, const std::string& japanese)
{
    PrintLine(form, form.printState().japanese ? japanese : english);
}

void PrintPath(Form& form, const std::string& path)
{
    const int width = LineWidth(form);
    if (MixedTextWidth(form, path) < width) {
        PrintLine(form, path);
        return;
    }
    std::string line;
    for (const std::string& piece : PathPieces(path)) {
        if (!line.empty() && MixedTextWidth(form, line + piece) >= width) {
            PrintLine(form, line);
            line.clear();
        }
        if (line.empty() && MixedTextWidth(form, piece) >= width) {
            PrintLongPiece(form, piece, width);
            continue;
        }
        line += piece;
    }
    if (!line.empty())
        PrintLine(form, line);
}

void NewLines(Form& form, int n)
{
    if (n > 0)
        form.printState().y += n * LineHeight(form);
}

void ClearPrint(Form& form)
{
    form.canvas().clear(form.backColor());
    form.printState().y = 0;
}

int MixedTextWidth(Form& form, const std::string& text)
{
    const Font single = form.font();
    const Font wide = JapaneseFont(form);
    const Canvas& canvas = form.canvas();
    const CodePage codePage = form.printState().codePage;
    int width = 0;
    for (size_t pos = 0, length = 0; pos < text.size(); pos += length) {
        const char32_t cp = DecodeUtf8(text, pos, length);
        const std::string ch = text.substr(pos, length);
        width += canvas.textWidth(ch, AnsiCharSize(cp, codePage) == 2 ? wide : single);
    }
    return width;
}

std::string FitText(Form& form, const std::string& text, int width)
{
    std::string fitted = text;
    const Canvas& canvas = form.canvas();
    while (!fitted.empty() && canvas.textWidth(fitted, form.font()) >= width)
        fitted.erase(fitted.size() - LastCharLength(fitted));
    return fitted;
}

} // namespace scorlet
