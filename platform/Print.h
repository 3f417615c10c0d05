#pragma once
// Printing lines of text onto a form, as the log window and the main window's messages do.

#include "common/CodePage.h"
#include "platform/Types.h"

#include <string>

namespace scorlet {

class Form;

// Where the next line goes on a form. Lines are printed in the form's font, or in the Japanese
// font when the program speaks Japanese and has one.
struct PrintState {
    int margin = 5;      // left margin in pixels
    int y = 0;           // top of the next line
    int lineHeight = 0;  // 0: the text height of the font
    std::string japaneseFont; // "" when none is installed
    bool japanese = false;    // the program speaks Japanese
    CodePage codePage = CodePage::Western; // the system's: which characters are double-byte
    Color color = Colors::Black;
};

// Writes the text at the left margin on the current line, then moves to the next line.
void PrintLine(Form& form, const std::string& text);
// PrintLine of the text of the current language.
void PrintByLanguage(Form& form, const std::string& english, const std::string& japanese);
// PrintLine of a path, broken after a backslash wherever it would not fit the window.
void PrintPath(Form& form, const std::string& path);
// Moves the print position to the left margin and n lines down.
void NewLines(Form& form, int n);
// Clears the printed text (fills the client area with the back colour) and starts at the top.
void ClearPrint(Form& form);

// Width of the text: single-byte characters in the window's font, double-byte ones (in the
// print state's code page) in the Japanese font.
int MixedTextWidth(Form& form, const std::string& text);
// Drops the last character until the text is narrower than `width` in the form's print font.
std::string FitText(Form& form, const std::string& text, int width);

} // namespace scorlet
