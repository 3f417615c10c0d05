#include "common/WorkFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "tests/common/TestFolder.h"

namespace scorlet {
namespace {

namespace fs = std::filesystem;

// Each test works in its own folder below the build folder.
class WorkFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = testing::TestFolder(std::string("workfiles/") +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Bytes(const std::string& name) const { return testing::ReadBytes(folder_ / name); }
  void Put(const std::string& name, const std::string& bytes) const { testing::WriteBytes(folder_ / name, bytes); }
  HandRecord Load(const std::string& stem, CodePage cp = CodePage::Western) const {
    HandRecord record;
    EXPECT_EQ(ReadRecordFile(record, folder_, stem, cp), RecordFileStatus::Done);
    DeriveRecord(record, OrderAscending);
    return record;
  }

  fs::path folder_;
};

// North leads every trick with a spade and wins it; the others follow in their suits.
HandRecord NorthRunsSpades() {
  HandRecord r;
  r.PlayerNames = {"Ann", "Bob", "Cy", "Dee"};
  r.Bids = {"3", "N", "4", ""};
  for (int t = 0; t < TrickCount; ++t) {
    r.PlayTexts[t] = {CardTextOf(314 - t), CardTextOf(14 - t), CardTextOf(114 - t),
                      CardTextOf(214 - t)};
    r.LeadMarks[t][0] = LeadLed;
  }
  r.ScoreRowCount = 2;
  r.ScoreRows[1] = {-50, 3, 110, 1};
  r.ScoreRows[2] = {20, 9, 150, 2};
  return r;
}

TEST_F(WorkFilesTest, WrittenFileIsByteExact) {
  HandRecord r = NorthRunsSpades();
  r.LeadMarks[1][0] = LeadParen;
  ASSERT_EQ(WriteRecordFile(r, folder_, "10_22_007", CodePage::Western), RecordFileStatus::Done);
  std::string north = "[AS] (KS) ";
  for (int rank = 12; rank >= 2; --rank) north += "[" + CardTextOf(300 + rank) + "] ";
  std::string east;
  for (int rank = 14; rank >= 2; --rank) east += " " + CardTextOf(rank) + "  ";
  const std::string bytes = Bytes("10_22_007.spd");
  const std::string head = "Ann, Bob, Cy, Dee\r\n3, N, 4, \r\n" + north + "\r\n" + east + "\r\n";
  EXPECT_EQ(bytes.substr(0, head.size()), head);
  EXPECT_EQ(north.size(), 65u);
  EXPECT_TRUE(bytes.ends_with("\r\n 2 \r\n-50, 3, 110, 1\r\n20, 9, 150, 2\r\n"));
}

TEST_F(WorkFilesTest, RoundTripKeepsMarksBidsAndScores) {
  HandRecord r = NorthRunsSpades();
  r.LeadMarks[3][0] = LeadNone;
  r.LeadMarks[3][2] = LeadParen;
  r.Bids = {"", "DP", "", "13"};
  ASSERT_EQ(WriteRecordFile(r, folder_, "01_02_003", CodePage::Western), RecordFileStatus::Done);
  const HandRecord back = Load("01_02_003");
  EXPECT_EQ(back.PlayerNames, r.PlayerNames);
  EXPECT_EQ(back.Bids, r.Bids);
  EXPECT_EQ(back.PlayTexts, r.PlayTexts);
  EXPECT_EQ(back.LeadMarks, r.LeadMarks);
  EXPECT_EQ(back.ScoreRowCount, 2);
  EXPECT_EQ(back.ScoreRows[1], r.ScoreRows[1]);
  EXPECT_EQ(back.ScoreRows[2], r.ScoreRows[2]);
  EXPECT_EQ(back.FirstLeader, 0);
  EXPECT_EQ(back.FirstLeadCard, 314);
}

TEST_F(WorkFilesTest, NamesTravelInTheAnsiCodePage) {
  HandRecord r;
  r.PlayerNames = {"José", "b", "c", "d"};
  WriteRecordFile(r, folder_, "w", CodePage::Western);
  EXPECT_TRUE(Bytes("w.spd").starts_with("Jos\xE9, b"));
  EXPECT_EQ(Load("w").PlayerNames[0], "José");

  r.PlayerNames = {"山田", "スペード", "c", "d"};
  WriteRecordFile(r, folder_, "j", CodePage::Japanese);
  EXPECT_TRUE(Bytes("j.spd").starts_with("\x8E\x52\x93\x63, "));
  EXPECT_EQ(Load("j", CodePage::Japanese).PlayerNames, r.PlayerNames);
}

TEST_F(WorkFilesTest, UnwritableCardTextsKeepTheColumns) {
  HandRecord r = NorthRunsSpades();
  r.PlayTexts[0][0] = "";
  r.PlayTexts[1][0] = "10S";
  r.PlayTexts[2][0] = "A,";
  r.LeadMarks[4][0] = 7;  // not a lead mark: written as an unmarked cell
  r.PlayerNames[1] = "Bo\r\nb";
  WriteRecordFile(r, folder_, "p", CodePage::Western);
  const HandRecord back = Load("p");
  EXPECT_EQ(back.PlayerNames[1], "Bob");
  EXPECT_EQ(back.Bids, r.Bids);
  EXPECT_EQ(back.PlayCodes[0][0], 0);
  EXPECT_EQ(back.PlayCodes[1][0], 0);
  EXPECT_EQ(back.PlayCodes[2][0], 0);
  EXPECT_EQ(back.PlayTexts[3][0], "JS");
  EXPECT_EQ(back.PlayTexts[4][0], "TS");
  EXPECT_EQ(back.LeadMarks[4][0], LeadNone);
  EXPECT_EQ(back.PlayTexts[12][0], "2S");
}

TEST_F(WorkFilesTest, ShortAndDamagedFilesLoadWhatIsThere) {
  Put("names.spd", "A, B, C, D\r\nN, 2, , 5\r\n");
  HandRecord r = Load("names");
  EXPECT_EQ(r.Bids, (std::array<std::string, 4>{"N", "2", "", "5"}));
  EXPECT_EQ(r.PlayTexts[0][0], "");
  EXPECT_EQ(r.ScoreRowCount, 0);
  EXPECT_EQ(r.FirstLeader, -1);
  EXPECT_EQ(r.TricksWon, (std::array<std::uint8_t, 4>{}));  // no cards, no winner

  Put("lf.spd", "A, B, C, D\n1, 2, 3, 4\n (QD) [2C]\n\n\n\n 500 \n1, 2, 3, 4\n-5, 6\n");
  r = Load("lf");
  EXPECT_EQ(r.PlayTexts[0][0], "QD");
  EXPECT_EQ(r.LeadMarks[0][0], LeadParen);
  EXPECT_EQ(r.LeadMarks[1][0], LeadLed);
  EXPECT_EQ(r.ScoreRowCount, 2);  // the rows present, not the count claimed
  EXPECT_EQ(r.ScoreRows[2], (ScoreRow{-5, 6, 0, 0}));

  Put("neg.spd", "a\r\nb\r\n\r\n\r\n\r\n\r\n-3\r\n1, 1, 1, 1\r\n");
  EXPECT_EQ(Load("neg").ScoreRowCount, 0);

  std::string many = "a\r\nb\r\n\r\n\r\n\r\n\r\n 150 \r\n";
  for (int i = 0; i < 150; ++i) many += "1, 2, 3, 4\r\n";
  Put("many.spd", many);
  EXPECT_EQ(Load("many").ScoreRowCount, MaxScoreRows);

  HandRecord none;
  EXPECT_EQ(ReadRecordFile(none, folder_, "absent", CodePage::Western), RecordFileStatus::Missing);
  EXPECT_EQ(ReadRecordFile(none, folder_, "../names", CodePage::Western),
            RecordFileStatus::Missing);
}

TEST_F(WorkFilesTest, HugeNamesAreCutOnReading) {
  Put("long.spd", std::string(30000, '\xE9') + ", Bob, , " + std::string(500000, 'x') + "\r\n");
  const HandRecord r = Load("long");
  std::string cut;
  for (std::size_t i = 0; i < MaxPlayerNameChars; ++i) cut += "\xC3\xA9";  // é in UTF-8
  EXPECT_EQ(r.PlayerNames[0], cut);
  EXPECT_EQ(r.PlayerNames[1], "Bob");
  EXPECT_EQ(r.PlayerNames[3], std::string(MaxPlayerNameChars, 'x'));
}

TEST_F(WorkFilesTest, DoubledCarriageReturnsLoseNothingAndDamageIsSeen) {
  ASSERT_EQ(WriteRecordFile(NorthRunsSpades(), folder_, "clean", CodePage::Western),
            RecordFileStatus::Done);
  std::string doubled;
  for (char c : Bytes("clean.spd")) doubled += c == '\r' ? std::string("\r") + '\r' : std::string(1, c);
  Put("doubled.spd", doubled);
  HandRecord read{};
  std::vector<std::string> lines;
  ASSERT_EQ(ReadRecordPath(read, folder_ / "doubled.spd", CodePage::Western, &lines),
            RecordFileStatus::Done);
  DeriveRecord(read, OrderAscending);
  EXPECT_EQ(RecordFileLines(read), RecordFileLines(Load("clean")));
  EXPECT_TRUE(HasRecordShape(lines));

  EXPECT_FALSE(HasRecordShape({"A, B, C, D", "", "x", "x", "x", "x", " 0 "}));  // no bids
  EXPECT_FALSE(HasRecordShape({"A, B, C, D", "1, 2, 3, 4", "x", "x", "x", "x", " 2 ", "1"}));
  EXPECT_FALSE(HasRecordShape({"A, B, C, D", "1, 2, 3, 4", "x", "x", "x", "x", "many"}));
  EXPECT_TRUE(HasRecordShape(RecordFileLines(HandRecord{})));
}

TEST_F(WorkFilesTest, ScanTakesEveryFileAndALimitedScanKeepsTheNewest) {
  constexpr int kFiles = 10050;  // beyond the old cap of 10,001
  for (int i = kFiles - 1; i >= 0; --i) {
    char name[32];
    std::snprintf(name, sizeof name, "01_%02d_%03d.spd", 1 + i / 1000, i % 1000);
    std::ofstream(folder_ / name);
  }
  Put("12_31_001.SPD", "");  // found by its name as it is on disk
  const WorkFolderScan scan = ScanWorkFolder(folder_);
  ASSERT_EQ(scan.recordStems.size(), kFiles + 1u);
  ASSERT_EQ(scan.recordFiles.size(), scan.recordStems.size());
  EXPECT_TRUE(std::is_sorted(scan.recordStems.begin(), scan.recordStems.end()));
  EXPECT_EQ(scan.recordFiles.back().filename(), "12_31_001.SPD");
  EXPECT_TRUE(scan.listed);

  const WorkFolderScan limited = ScanWorkFolder(folder_, 3);
  EXPECT_EQ(limited.recordStems, (std::vector<std::string>{"01_11_048", "01_11_049", "12_31_001"}));
  EXPECT_EQ(limited.recordFiles.front().filename(), "01_11_048.spd");
  EXPECT_EQ(limited.leftOut, kFiles - 2u);

  Put("plain_file", "");
  const WorkFolderScan notAFolder = ScanWorkFolder(folder_ / "plain_file");
  EXPECT_FALSE(notAFolder.listed);
  EXPECT_TRUE(notAFolder.error);
}

TEST_F(WorkFilesTest, DeriveFillsSortedHandsWinnersAndNils) {
  HandRecord r = NorthRunsSpades();
  r.Bids[0] = "D";
  WriteRecordFile(r, folder_, "d", CodePage::Western);
  const HandRecord back = Load("d");
  EXPECT_EQ(back.SortedHands[0][1], 2);
  EXPECT_EQ(back.SortedHands[12][1], 14);
  EXPECT_EQ(back.TricksWon, (std::array<std::uint8_t, 4>{13, 0, 0, 0}));
  EXPECT_EQ(back.NilTricks[0], 13);
  EXPECT_EQ(back.PlayCodesShown[0][0], -314);

  HandRecord down = back;
  DeriveRecord(down, OrderDescending);
  EXPECT_EQ(down.SortedHands[0][1], 14);
}

TEST_F(WorkFilesTest, StemCounterFollowsListAndDisk) {
  const CalendarDay oct22{10, 22};
  std::vector<std::string> list{"10_21_009", "10_22_002", "10_22_006", "10_22_001"};
  StemCounter state;
  EXPECT_EQ(NextRecordStem(state, list, folder_, oct22), "10_22_007");
  Put("10_22_008.spd", "");
  Put("10_22_009.spd", "");
  EXPECT_EQ(NextRecordStem(state, list, folder_, oct22), "10_22_010");
  // Past midnight the running counter keeps its day.
  EXPECT_EQ(NextRecordStem(state, list, folder_, {10, 23}), "10_22_011");

  StemCounter fresh;
  EXPECT_EQ(NextRecordStem(fresh, {}, folder_, {1, 5}), "01_05_001");
  StartStemCounter(fresh, {"01_05_099"}, {1, 5});
  EXPECT_EQ(NextRecordStem(fresh, {}, folder_, {1, 5}), "01_05_100");
  fresh.counter = 1000;
  EXPECT_EQ(NextRecordStem(fresh, {}, folder_, {1, 5}), "01_05_1000");
}

TEST_F(WorkFilesTest, ScanSortsRecordsListsBackupsAndDropsDoubleBackups) {
  for (const char* name : {"10_22_002.spd", "10_21_001.spd", "BAK10_22_001.spd",
                           "bak10_22_003.spd", "BAKbak10_22_001.spd", "notes.spd",
                           "10_22_1000.spd", "BAKX0_22_001.spd", "10_22_004.txt"}) {
    Put(name, "");
  }
  fs::create_directory(folder_ / "10_22_005.spd");
  const WorkFolderScan scan = ScanWorkFolder(folder_);
  EXPECT_EQ(scan.recordStems, (std::vector<std::string>{"10_21_001", "10_22_002"}));
  auto backups = scan.backupStems;
  std::sort(backups.begin(), backups.end());
  EXPECT_EQ(backups, (std::vector<std::string>{"10_22_001", "10_22_003"}));
  EXPECT_FALSE(fs::exists(folder_ / "BAKbak10_22_001.spd"));
  EXPECT_TRUE(fs::exists(folder_ / "notes.spd"));
  EXPECT_TRUE(ScanWorkFolder(folder_ / "nothing").recordStems.empty());
}

TEST_F(WorkFilesTest, FoldersAreCreatedAndEntered) {
  const std::string app = (folder_ / "app").string();
  EXPECT_TRUE(EnsureFolder(app + "/"));
  EXPECT_TRUE(EnsureFolder(app));  // already there
  EXPECT_FALSE(EnterWorkFolder(app));
  EXPECT_TRUE(EnsureFolder(WorkFolderOf(app).string()));
  const fs::path before = fs::current_path();
  EXPECT_TRUE(EnterWorkFolder(app));
  EXPECT_EQ(fs::current_path(), fs::canonical(WorkFolderOf(app)));
  fs::current_path(before);
  Put("file", "x");
  EXPECT_FALSE(EnsureFolder((folder_ / "file").string()));
}

}  // namespace
}  // namespace scorlet
