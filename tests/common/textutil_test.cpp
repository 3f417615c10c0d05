#include "common/TextUtil.h"

#include <gtest/gtest.h>

namespace scorlet {
namespace {

std::pair<std::string, std::string> Split(std::string text) {
  std::string item = NextToken(text);
  return {item, text};
}

TEST(TextUtil, NextTokenEndsAtCommaElseAtSpace) {
  EXPECT_EQ(Split("  ab c,d "), std::make_pair(std::string("ab c"), std::string("d")));
  EXPECT_EQ(Split("ab cd"), std::make_pair(std::string("ab"), std::string("cd")));
  EXPECT_EQ(Split(""), std::make_pair(std::string(), std::string()));
  EXPECT_EQ(Split("  lone  "), std::make_pair(std::string("lone"), std::string()));
  EXPECT_EQ(Split("a,  b, c"), std::make_pair(std::string("a"), std::string("b, c")));
}

TEST(TextUtil, ReadTokensFillsEveryFieldEvenWhenTheLineIsShort) {
  EXPECT_EQ(ReadTokens("N, E S", 4), (std::vector<std::string>{"N", "E", "S", ""}));
  std::string rest = "12.6, x";
  EXPECT_EQ(ValToken(rest), 13);
  EXPECT_EQ(ValToken(rest), 0);
}

TEST(TextUtil, LeadingNumberRule) {
  EXPECT_EQ(LeadingNumber("12)"), 12);
  EXPECT_EQ(LeadingNumber("  2.5s"), 2.5);
  EXPECT_EQ(LeadingNumber("-7,"), -7);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber("inf"), 0);
  EXPECT_EQ(LeadingNumber(".5"), 0.5);
  EXPECT_EQ(LeadingInt("99999999999999999999"), INT_MAX);  // kept in range, no overflow
  EXPECT_EQ(LeadingInt("-2.5"), -3);
  EXPECT_EQ(Pad2(0), "00");
  EXPECT_EQ(Pad2(-3), "-3");
}

TEST(TextUtil, QuotesAndQuestionMarks) {
  EXPECT_EQ(Unquote("  say \"hi\" there "), "hi");
  EXPECT_EQ(Unquote("x \"open end"), "open end");
  EXPECT_EQ(Unquote("  plain  "), "plain");
  EXPECT_EQ(StripQuotes("\"a b\" c"), "a b");
  EXPECT_EQ(TrimQuestionMarks(" ??Bob?x?? "), "Bob?x");
  EXPECT_EQ(TrimQuestionMarks("???"), "");
}

TEST(TextUtil, DoubleByteCharactersDependOnTheCodePage) {
  const std::string name = "ｽﾍﾟｰﾄﾞ山田x";  // half-width katakana are single bytes in Shift_JIS
  EXPECT_EQ(DisplayLength(name, CodePage::Japanese), 6 + 4 + 1);
  EXPECT_EQ(DisplayLength("José", CodePage::Western), 4);
  EXPECT_EQ(DisplayLength("José", CodePage::Japanese), 4);  // Shift_JIS lacks é: one "?"
  EXPECT_EQ(DisplayLength("§×", CodePage::Japanese), 4);     // these it holds, in two bytes
  EXPECT_FALSE(HasWideChars("José", CodePage::Japanese));
  EXPECT_TRUE(HasWideChars(name, CodePage::Japanese));
  EXPECT_FALSE(HasWideChars(name, CodePage::Western));
  EXPECT_TRUE(IsWideChar("山x", CodePage::Japanese));
  EXPECT_FALSE(IsWideChar("x山", CodePage::Japanese));
  EXPECT_FALSE(IsWideChar("", CodePage::Japanese));
}

TEST(TextUtil, SortIndexStopsAtTheFirstEmptyEntry) {
  std::vector<std::string> list{"b", "d", "a", "", "z"};
  EXPECT_EQ(SortIndex(list, SortOrder::Descending), (std::vector<std::string>{"d", "b", "a"}));
  EXPECT_EQ(SortIndex(list, SortOrder::Ascending), (std::vector<std::string>{"a", "b", "d"}));
}

TEST(TextUtil, PrettyPath) {
  EXPECT_EQ(PrettyPath("C:\\PROGRAM FILES\\SCORLETS\\WORK"), "C:\\Program Files\\ScorletS\\Work");
  EXPECT_EQ(PrettyPath("c:\\mydocuments\\ibmtools"), "C:\\MyDocuments\\IBMtools");
  EXPECT_EQ(PrettyPath("D:\\dl\\scorlets25.zip\\ScorletS"), "D:\\Dl\\ScorletS25.Zip");
  EXPECT_EQ(PrettyPath("c:\\josé_é"), "C:\\José_É");
}

TEST(TextUtil, NamesMatchIsATrimmedCaseBlindPrefix) {
  EXPECT_TRUE(NamesMatch("Bob", "bob123"));
  EXPECT_TRUE(NamesMatch(" bob123 ", "BOB"));
  EXPECT_TRUE(NamesMatch("JOSÉ", "josé"));
  EXPECT_TRUE(NamesMatch("ŠÁRKA", "šárka"));  // Windows-1252 letters beyond Latin-1
  EXPECT_TRUE(NamesMatch("ＢＯＢ", "ｂｏｂ"));
  EXPECT_FALSE(NamesMatch("", "bob"));
  EXPECT_FALSE(NamesMatch("  ", ""));
  EXPECT_FALSE(NamesMatch("bobby", "bob x"));
}

TEST(TextUtil, TextToCodesDecodesEntities) {
  std::vector<int> codes;
  TextToCodes(codes, "a&amp;b&eacute;");
  EXPECT_EQ(codes, (std::vector<int>{97, 38, 98, 233}));
  codes.clear();
  TextToCodes(codes, "x&zzz;y");
  EXPECT_EQ(codes, (std::vector<int>{120, 121}));
  TextToCodes(codes, "&nbsp;&quot;&Dagger;");  // appends
  EXPECT_EQ(codes, (std::vector<int>{120, 121, 32, 34, 135}));
  codes.clear();
  TextToCodes(codes, "é\t&x");  // non-ASCII and control characters are not literal codes
  EXPECT_EQ(codes, (std::vector<int>{'x'}));
}

// The bracketed forms are read through the configuration keys that carry positions.
TEST(TextUtil, ReadPositionIgnoresABarePairAndForgetsACutOne) {
  WindowPos pos{300, 40};
  ReadPosition("300,40", pos);
  EXPECT_EQ(pos, (WindowPos{300, 40}));
  ReadPosition("(12 34)", pos);
  EXPECT_EQ(pos, (WindowPos{12, 34}));
  ReadPosition("(", pos);
  EXPECT_FALSE(pos.used());
}

TEST(TextUtil, Utf8DecodingRejectsMalformedSequences) {
  std::size_t n = 0;
  EXPECT_EQ(DecodeUtf8("é", 0, n), U'é');
  EXPECT_EQ(n, 2u);
  EXPECT_EQ(DecodeUtf8("\xC3", 0, n), U'\uFFFD');   // cut off
  EXPECT_EQ(DecodeUtf8("\xC0\xAF", 0, n), U'\uFFFD');  // overlong
  EXPECT_EQ(DecodeUtf8("\xED\xA0\x80", 0, n), U'\uFFFD');  // surrogate
  EXPECT_EQ(n, 1u);
}

}  // namespace
}  // namespace scorlet
