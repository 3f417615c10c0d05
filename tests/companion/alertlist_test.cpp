// The alert list as values: reading the file's lines, the text written back, the matching
// rules and how an alert looks.
#include <gtest/gtest.h>

#include "common/CodePage.h"
#include "companion/players/AlertList.h"

namespace scorlet::companion {
namespace {

AlertList Loaded(const std::vector<std::string>& lines) {
  AlertList list;
  ReadDefaultAlertList(list);
  ReadAlertList(list, lines);
  return list;
}

std::vector<std::string> Entries(const AlertList& list) {
  return {list.slots.begin() + 1, list.slots.end()};
}

TEST(AlertListFileTest, ReadsTokensSkipsCommentsAndDropsExactRepeats) {
  AlertList start;
  ReadDefaultAlertList(start);
  EXPECT_EQ(Entries(start), std::vector<std::string>{"//"});  // nothing built in

  const AlertList list = Loaded({"# abc", "abc(Good), xyz", "   ", "  # xyz(Bad)",
                                 "abc(Good),ABC(good),", "last one"});
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"//", "abc(Good)", "xyz", "ABC(good)",
                                                     "last", "one"}));
}

TEST(AlertListFileTest, WritesUserEntriesWithLineBreaksOnceEachIgnoringCase) {
  AlertList list = Loaded({"abc(Good),ABC(good),,xyz"});
  list.Append("");  // an entry removed during the run
  list.Append("Xyz");
  EXPECT_EQ(AlertFileText(list, false),
            "#     << Players to be alerted by ScorletS. >>\r\nabc(Good),xyz,");

  AlertList ten;
  ReadDefaultAlertList(ten);
  for (int i = 0; i < 10; ++i) ten.Append("player" + std::to_string(100000 + i));  // 12 each
  const std::string text = AlertFileText(ten, false);
  const std::string body = text.substr(text.find("\r\n") + 2);
  // 12 x 5 = 60: the break comes before the fifth entry, which starts the count again at 0.
  EXPECT_EQ(body,
            "player100000,player100001,player100002,player100003,\r\n"
            "player100004,player100005,player100006,player100007,player100008,\r\n"
            "player100009,");
}

TEST(AlertListFileTest, WhatIsWrittenReadsBackTheSameInBothCodePages) {
  for (const CodePage cp : {CodePage::Western, CodePage::Japanese}) {
    const bool japanese = cp == CodePage::Japanese;
    AlertList list;
    ReadDefaultAlertList(list);
    list.Append(japanese ? "すぺーど王(Slow)" : "Jos\xC3\xA9(Bad Play)");
    list.Append("{strong1234}");
    list.Append("<medium(NIL Mania)>");
    for (int i = 0; i < 12; ++i) list.Append("filler" + std::to_string(i) + "(Good)");
    const std::string bytes = ToAnsi(AlertFileText(list, japanese), cp);
    EXPECT_EQ(bytes.find('?'), std::string::npos);
    const std::vector<std::string> lines = DecodeTextLines(bytes, cp);
    EXPECT_EQ(lines.front(), japanese ? AlertHeaderJa : AlertHeaderEn);
    EXPECT_EQ(Entries(Loaded(lines)), Entries(list));
  }
}

TEST(AlertListFileTest, ReasonsThatWouldSplitAnEntryAreRefused) {
  EXPECT_TRUE(ReasonAcceptable("NIL 4 Spades"));
  EXPECT_TRUE(ReasonAcceptable(""));
  EXPECT_FALSE(ReasonAcceptable("Slow, rude"));
  EXPECT_FALSE(ReasonAcceptable("Slow\nrude"));
  EXPECT_FALSE(ReasonAcceptable("Slow\r"));
  EXPECT_EQ(EntryOf("bob", "Slow"), "bob(Slow)");
  EXPECT_EQ(EntryOf("bob", ""), "bob");
}

TEST(AlertMatchTest, IdPartReasonAndSearches) {
  EXPECT_EQ(IdPart("{abc(Slow)}"), "abc");
  EXPECT_EQ(IdPart("<abc>"), "abc");
  EXPECT_EQ(IdPart("abc(Slow"), "abc");
  EXPECT_EQ(PickUpCmt("{abc(Slow)}"), "Slow");
  EXPECT_EQ(PickUpCmt("abc(Slow"), "");
  EXPECT_EQ(PickUpCmt("abc"), "");

  AlertList list = Loaded({"{abc},ab(Good),Robert(Kid)"});
  EXPECT_EQ(SearchAlertPlayer(list, "abc"), 2);
  EXPECT_EQ(SearchAlertPlayer(list, "ROB"), 4);
  EXPECT_EQ(SearchAlertPlayer(list, "zed"), 0);
  // Unmarking compares the entry as stored: a decorated entry is not found by its name.
  EXPECT_FALSE(UnCheckPlayer(list, "abc"));
  EXPECT_TRUE(UnCheckPlayer(list, "robert"));
  EXPECT_EQ(list[4], "");
  EXPECT_EQ(list.AlertCount(), 4);
}

TEST(AlertMatchTest, RoomSearchSkipsShortAndRemovedEntriesWithoutGivingUp) {
  AlertList list = Loaded({"ab(Good)"});
  for (int i = 0; i < 12; ++i) list.Append("");  // twelve players unmarked earlier
  list.Append("xyz");
  list.Append("kaito(Slow)");
  const std::vector<std::string> room{"abxyzkai,1500", "Kaito77,1600", "kaito77,1601", ""};
  const RoomHit hit = SearchRoom(list, room);
  EXPECT_EQ(hit.index, list.AlertCount());
  EXPECT_EQ(hit.roomName, "kaito77,1601");  // case-sensitive, in list order
  EXPECT_EQ(SearchRoom(list, {"", "kaito77"}).index, 0);  // the list ends at an empty line
}

TEST(AlertLookTest, ColourSizeAndTextFollowTheEntry) {
  AlertLook look = AlertLookOf("{abc}", "abc123");
  EXPECT_EQ(look.color, AlertRed);
  EXPECT_EQ(look.size, 18);
  EXPECT_EQ(look.text, "abc123");
  look = AlertLookOf("<abc(Slow)>", "abcdefghijk");
  EXPECT_EQ(look.color, AlertRed);
  EXPECT_EQ(look.size, 15);
  EXPECT_EQ(look.text, "abcdefgh(Slow)");
  look = AlertLookOf("xyz", "obotxyz");
  EXPECT_EQ(look.color, AlertPink);
  EXPECT_EQ(look.size, 12);
  EXPECT_EQ(look.text, "robotxyz");
  EXPECT_EQ(AlertLookOf("", "すぺーど王国の住人です(x").text, "すぺーど王国の住人です(x");
  EXPECT_EQ(AlertLookOf("a(Kid)", "すぺーど王国の住人です").text, "すぺーど王国の住(Kid)");
}

TEST(AlertMenuTest, SeatsAreCutMarkedAndTheUsersOwnSeatIsLeftOut) {
  const AlertList list = Loaded({"ab(Good),verylongname1(Slow),me"});
  const auto seats = AlertMenuOf(list, {"ab", "verylongname1234", "me_myself", ""}, {"ME_MY"});
  EXPECT_EQ(seats[0].marks, std::vector<int>{2});  // a short entry still marks its seat
  EXPECT_EQ(seats[1].caption, "verylongname");
  EXPECT_EQ(seats[1].marks, std::vector<int>{3});
  EXPECT_FALSE(seats[2].enabled);
  EXPECT_TRUE(seats[2].marks.empty());
  EXPECT_TRUE(seats[3].marks.empty());
  EXPECT_TRUE(seats[3].enabled);
}

}  // namespace
}  // namespace scorlet::companion
