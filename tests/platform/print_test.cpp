// Printing lines of text on a form, as the log window does.

#include "platform/Print.h"
#include "platform/virtual/VirtualProgram.h"
#include "platform/virtual/TextRaster.h"
#include "platform/virtual/VirtualForm.h"

#include <gtest/gtest.h>

namespace scorlet {
namespace {

class PrintTest : public ::testing::Test {
protected:
    VirtualDesktop desktop;
    std::unique_ptr<VirtualProgram> program = desktop.startProgram("ScorletSut");
    Form& log = makeLog();

    Form& makeLog()
    {
        Form& f = program->createForm("frmZ");
        f.setClientSize({200, 300});
        f.setFont({"Arial", 10, false});
        return f;
    }
    std::vector<std::string> texts() { return program->drawnTexts("frmZ"); }
    int lineHeight() { return TextHeight(log.font()); }
};

TEST_F(PrintTest, EachLineStartsBelowTheLastAtTheMargin)
{
    PrintLine(log, " Number of work files (spd) input = 3");
    PrintLine(log, "");
    PrintLine(log, " No files in the Work folder.");
    EXPECT_EQ(texts(), (std::vector<std::string>{" Number of work files (spd) input = 3", " No files in the Work folder."}));
    EXPECT_EQ(log.printState().y, 3 * lineHeight());
    EXPECT_EQ(static_cast<const VirtualForm&>(*program->findForm("frmZ")).imageCanvas().texts()[1].at,
              (Point{5, 2 * lineHeight()}));
    NewLines(log, 2);
    EXPECT_EQ(log.printState().y, 5 * lineHeight());
    ClearPrint(log);
    EXPECT_EQ(log.printState().y, 0);
    EXPECT_TRUE(texts().empty());
}

TEST_F(PrintTest, JapaneseFontOnlyWhenSpeakingJapaneseWithTheFontInstalled)
{
    auto fontOfLast = [&] {
        return static_cast<const VirtualForm&>(*program->findForm("frmZ")).imageCanvas().texts().back().font.name;
    };
    PrintByLanguage(log, "End", "\xE7\xB5\x82\xE4\xBA\x86");
    EXPECT_EQ(texts().back(), "End");
    log.printState().japanese = true;
    PrintByLanguage(log, "End", "\xE7\xB5\x82\xE4\xBA\x86");
    EXPECT_EQ(texts().back(), "\xE7\xB5\x82\xE4\xBA\x86");
    EXPECT_EQ(fontOfLast(), "Arial") << "no Japanese font installed";
    log.printState().japaneseFont = "Meiryo";
    PrintLine(log, "x");
    EXPECT_EQ(fontOfLast(), "Meiryo");
}

TEST_F(PrintTest, LongPathsBreakAfterBackslashesOrWithinAWideNameSoEachPartFits)
{
    const std::string shortPath = "C:\\Games\\GameRec";
    PrintPath(log, shortPath);
    EXPECT_EQ(texts(), std::vector<std::string>{shortPath});

    const std::string wideName = "C:\\" + std::string(80, 'x') + "\\end"; // cut by characters
    for (const std::string& path : {std::string("C:\\Documents and Settings\\Player\\My Documents\\Spades\\ScorletS\\GameRec"), wideName}) {
        ClearPrint(log);
        PrintPath(log, path);
        const auto lines = texts();
        ASSERT_GT(lines.size(), 1u);
        std::string joined;
        for (const std::string& line : lines) {
            EXPECT_LT(MixedTextWidth(log, line), 200 - 10) << line;
            if (path != wideName && &line != &lines.back()) {
                EXPECT_EQ(line.back(), '\\') << line;
            }
            joined += line;
        }
        EXPECT_EQ(joined, path);
    }
}

TEST_F(PrintTest, MixedWidthAndFitTextCountDoubleByteCharactersWhole)
{
    log.printState().japaneseFont = "MS PGothic";
    const int single = CharWidth(log.font(), false);
    EXPECT_EQ(MixedTextWidth(log, "ab"), 2 * single);
    EXPECT_EQ(MixedTextWidth(log, "a\xE3\x81\x82"), single + CharWidth(log.font(), true));
    EXPECT_EQ(MixedTextWidth(log, "caf\xC3\xA9"), 4 * single) << "Latin-1 letters are single-byte";
    // FitText drops whole characters until the text is narrower than the width.
    EXPECT_EQ(FitText(log, "abcdef", 6 * single + 1), "abcdef");
    EXPECT_EQ(FitText(log, "abcdef", 6 * single), "abcde") << "equal width does not fit";
    EXPECT_EQ(FitText(log, "ab\xE3\x81\x82", 3 * single), "ab") << "a double-byte character goes whole";
    EXPECT_EQ(FitText(log, "abc", 0), "");
}

} // namespace
} // namespace scorlet
