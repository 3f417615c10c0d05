#include "common/CodePage.h"

#include <gtest/gtest.h>

#include "tests/common/TestFolder.h"

namespace scorlet {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;
using testing::WriteBytes;

const std::string kYamada = "山田太郎ｽﾍﾟｰﾄﾞ";
const std::string kYamadaSjis = "\x8E\x52\x93\x63\x91\xBE\x98\x59\xBD\xCD\xDF\xB0\xC4\xDE";

TEST(CodePage, NamesRoundTripInShiftJisAnd1252) {
  EXPECT_EQ(ToAnsi(kYamada, CodePage::Japanese), kYamadaSjis);
  EXPECT_EQ(FromAnsi(kYamadaSjis, CodePage::Japanese), kYamada);
  EXPECT_EQ(ToAnsi("José €", CodePage::Western), "Jos\xE9 \x80");
  EXPECT_EQ(FromAnsi("Jos\xE9 \x80", CodePage::Western), "José €");
  // Every byte survives, also the five that 1252 leaves unassigned.
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(ToAnsi(FromAnsi(all, CodePage::Western), CodePage::Western), all);
}

TEST(CodePage, UnconvertibleCharactersBecomeQuestionMarksAndTheRestIsKept) {
  EXPECT_EQ(ToAnsi("a山b", CodePage::Western), "a?b");
  EXPECT_EQ(ToAnsi("a😀b", CodePage::Japanese), "a?b");
  EXPECT_EQ(ToAnsi("a\xFF" "b", CodePage::Western), "a?b");  // invalid UTF-8
  EXPECT_EQ(ToAnsi("a\xFF" "b", CodePage::Japanese), "a?b");
  EXPECT_EQ(FromAnsi("a\xA0\x81", CodePage::Western), "a\u00A0\u0081");
  std::string broken = FromAnsi("x\x81", CodePage::Japanese);  // lead byte cut off at the end
  EXPECT_EQ(broken.substr(0, 1), "x");
  EXPECT_FALSE(broken.empty());
}

TEST(CodePage, LinesEndWithCrLfOrLfAndTheLastNeedsNoEnd) {
  EXPECT_EQ(DecodeTextLines("a\r\nb\nc", CodePage::Western), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(DecodeTextLines("a\r\n\r\nb\r\n", CodePage::Western), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(DecodeTextLines("a\rb", CodePage::Western), (std::vector<std::string>{"a", "b"}));
  // Copied through two line-end conversions: CR CR LF is still one line end.
  EXPECT_EQ(DecodeTextLines("a\r\r\nb\r\r\n\r\r\nc\r\r", CodePage::Western),
            (std::vector<std::string>{"a", "b", "", "c", ""}));
  EXPECT_TRUE(DecodeTextLines("", CodePage::Western).empty());
  EXPECT_EQ(DecodeTextLines("\xEF\xBB\xBF" "名前\r\n", CodePage::Western), (std::vector<std::string>{"名前"}));
  EXPECT_EQ(EncodeTextLines({"José", ""}, CodePage::Western), "Jos\xE9\r\n\r\n");
}

TEST(CodePage, ReadStatusTellsMissingFromUnreadable) {
  fs::path folder = TestFolder("codepage/status");
  EXPECT_EQ(ReadTextFile(folder / "none.txt", CodePage::Western).status, ReadStatus::Missing);
  EXPECT_EQ(ReadTextFile(folder, CodePage::Western).status, ReadStatus::Unreadable);
  WriteBytes(folder / "names.txt", kYamadaSjis + "\nJos\xE9");
  TextFile file = ReadTextFile(folder / "names.txt", CodePage::Japanese);
  EXPECT_EQ(file.status, ReadStatus::Ok);
  ASSERT_EQ(file.lines.size(), 2u);
  EXPECT_EQ(file.lines[0], kYamada);
}

TEST(CodePage, WrittenFileReadsBackInBothCodePages) {
  fs::path folder = TestFolder("codepage/write");
  for (CodePage cp : {CodePage::Western, CodePage::Japanese}) {
    std::vector<std::string> lines{cp == CodePage::Japanese ? kYamada : "José", "second"};
    fs::path path = folder / Utf8Path("スペード履歴.TXT");
    ASSERT_TRUE(WriteTextFile(path, lines, cp));
    EXPECT_EQ(ReadTextFile(path, cp).lines, lines);
  }
  EXPECT_EQ(PathToUtf8(Utf8Path("スペード.INI")), "スペード.INI");
}

}  // namespace
}  // namespace scorlet
