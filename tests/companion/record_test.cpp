// Recording captured hands and the life cycle of the work files, every step checked on disk.
#include "companion/record/Record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "common/Notation.h"
#include "common/WorkFiles.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

namespace fs = std::filesystem;
using testing::Harness;

// A legal deal: seat s plays suit s throughout, trick t the rank t + 2; North leads.
HandRecord LegalDeal(int variant = 0) {
  HandRecord r;
  r.PlayerNames = {"north" + std::to_string(variant), "east", "me_player", "west"};
  for (int t = 0; t < TrickCount; ++t) {
    for (int s = 0; s < 4; ++s) {
      r.PlayTexts[t][s] = CardTextOf(((s + variant) % 4) * 100 + t + 2);
    }
    r.LeadMarks[t][t == 0 ? 0 : 3] = 1;  // West's spades win every trick after the first lead
  }
  r.ScoreRowCount = 1;
  r.ScoreRows[1] = {50, 1, -40, 0};
  return r;
}

// The files of the Work folder, sorted.
// The lines of the empty/restore dialog, each ended by "\n".
std::string DialogLines(Harness& h) {
  std::string text;
  for (int i = 0; h.program->findControl("frmDelWork", "txtDelWork" + std::to_string(i)); ++i) {
    text += h.program->caption("frmDelWork", "txtDelWork" + std::to_string(i)) + "\n";
  }
  return text;
}

std::vector<std::string> FilesIn(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(folder, ec))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class RecordTest : public ::testing::Test {
 protected:
  void StartIn(const std::string& name, const std::string& ini = "",
               VirtualDesktopConfig config = {}) {
    h = std::make_unique<Harness>(name, std::move(config));
    if (!ini.empty()) h->WriteIni(ini);
    ASSERT_TRUE(h->Start());
    work = h->folder / "Work";
  }
  App& app() { return h->app(); }
  // Puts record files (and other files) into the Work folder before the list is read again.
  void PutFiles(const std::vector<std::string>& stems) {
    for (const std::string& stem : stems) {
      ASSERT_EQ(WriteRecordFile(LegalDeal(), work, stem, CodePage::Western),
                RecordFileStatus::Done);
    }
    RefreshFileList(app());
  }
  std::vector<std::string> Listed() { return app().frmZ.filBox->items(); }
  // A click on a control of a window some milliseconds from now, while a wait is under way.
  void ClickLater(const std::string& form, const std::string& control, std::uint32_t ms = 50) {
    h->desktop.schedule(h->desktop.now() + ms,
                        [this, form, control] { h->program->clickControl(form, control); });
  }

  std::unique_ptr<Harness> h;
  fs::path work;
};

TEST_F(RecordTest, HandIsSavedOnceTurnedToTheUsersSeat) {
  StartIn("RecordSave", "MyYahooID=ME_PLAYER\r\n");
  App& a = app();
  ASSERT_TRUE(a.frmZ.menuSeat[4]->checked());
  a.record.CaptureRecord = LegalDeal();
  a.reading.SeatBids = {"3", "N", "4", ""};  // by display position, the user first

  EXPECT_EQ(RecordHand(a), RecordOutcome::Saved);
  ASSERT_EQ(Listed().size(), 1u);
  const std::string stem = Listed()[0];
  EXPECT_EQ(FilesIn(work), std::vector<std::string>{stem + ".spd"});
  EXPECT_EQ(a.record.CurrentFile, stem);

  // The user sits South: position 0 is seat 2, so the bids land from seat 2 on.
  EXPECT_EQ(a.SeatRotation, (scorlet::SeatRotation{2, 3, 0, 1}));
  HandRecord back;
  ASSERT_EQ(ReadRecordFile(back, work, stem, CodePage::Western), RecordFileStatus::Done);
  EXPECT_EQ(back.Bids, (std::array<BidText, 4>{"4", "", "3", "N"}));
  EXPECT_EQ(back.PlayTexts, LegalDeal().PlayTexts);
  EXPECT_EQ(back.ScoreRows[1], (ScoreRow{50, 1, -40, 0}));
  // Shown as read back and derived: names in the labels West, South, East, North.
  EXPECT_EQ(a.record.CaptureRecord.FirstLeader, 0);
  EXPECT_EQ(a.frmZ.plName[0]->caption(), "west");
  EXPECT_EQ(a.frmZ.plName[1]->caption(), "me_player");
  EXPECT_EQ(a.frmZ.plName[3]->caption(), "north0");

  // The same last hand captured again is not saved again; a new one gets the next name.
  EXPECT_EQ(RecordHand(a), RecordOutcome::AlreadySaved);
  EXPECT_EQ(FilesIn(work).size(), 1u);
  a.record.CaptureRecord = LegalDeal(1);
  EXPECT_EQ(RecordHand(a), RecordOutcome::Saved);
  ASSERT_EQ(Listed().size(), 2u);
  EXPECT_GT(Listed()[0], Listed()[1]);
  EXPECT_EQ(Listed()[1], stem);
}

TEST_F(RecordTest, ManualSeatLastsOnlyUntilTheNextHand) {
  StartIn("RecordSeatByHand");
  App& a = app();
  ASSERT_TRUE(h->program->clickMenu("frmZ", "menuSeat1"));
  a.record.CaptureRecord = LegalDeal();
  a.reading.SeatBids = {"1", "2", "3", "4"};
  ASSERT_EQ(RecordHand(a), RecordOutcome::Saved);
  EXPECT_EQ(a.SeatRotation, (scorlet::SeatRotation{0, 1, 2, 3}));
  HandRecord back;
  ReadRecordFile(back, work, Listed()[0], CodePage::Western);
  EXPECT_EQ(back.Bids, (std::array<BidText, 4>{"1", "2", "3", "4"}));
}

// A hand that could not be written is neither listed nor remembered, and the user is told;
// the same hand is saved once writing works again.
TEST_F(RecordTest, UnwrittenHandIsNeverReportedSaved) {
  StartIn("RecordWriteFails");
  App& a = app();
  PutFiles({"01_01_001"});
  fs::remove_all(work);
  std::ofstream(work) << "not a folder";
  a.record.CaptureRecord = LegalDeal();

  EXPECT_EQ(RecordHand(a), RecordOutcome::WriteFailed);
  EXPECT_EQ(Listed(), std::vector<std::string>{"01_01_001"});
  EXPECT_EQ(a.record.LastSavedPlay, PlayTextGrid{});
  EXPECT_EQ(a.record.CurrentFile, "");
  EXPECT_TRUE(h->PrintedPrefix("  Error occurred in writing the hand file "));

  fs::remove(work);
  fs::create_directory(work);
  EXPECT_EQ(RecordHand(a), RecordOutcome::Saved);
  EXPECT_EQ(FilesIn(work).size(), 1u);
  EXPECT_EQ(Listed().size(), 2u);
}

// A play that breaks the rules is saved as read and reported as incomplete.
TEST_F(RecordTest, BrokenPlayIsSavedAsReadAndReported) {
  StartIn("RecordIncomplete");
  App& a = app();
  HandRecord twice = LegalDeal();
  twice.PlayTexts[5][1] = twice.PlayTexts[4][1];
  a.record.CaptureRecord = twice;
  EXPECT_EQ(RecordHand(a), RecordOutcome::SavedIncomplete);
  HandRecord back;
  ReadRecordFile(back, work, Listed()[0], CodePage::Western);
  EXPECT_EQ(back.PlayTexts, twice.PlayTexts);
  EXPECT_TRUE(h->Printed("  The hand record is incomplete: a card read twice"));

  HandRecord gap = LegalDeal(2);
  gap.PlayTexts[12][3] = "";
  a.record.CaptureRecord = gap;
  EXPECT_EQ(RecordHand(a), RecordOutcome::SavedIncomplete);
  EXPECT_EQ(FilesIn(work).size(), 2u);
  EXPECT_TRUE(h->Printed("  The hand record is incomplete: a trick without four cards"));

  EXPECT_EQ(PlayFault(LegalDeal(), false), "");
  EXPECT_EQ(PlayFault(twice, true), "同じカードが２回");
  HandRecord empty;
  EXPECT_EQ(PlayFault(empty, false), "a trick without four cards");
}

TEST_F(RecordTest, ListShowsStemsNewestFirstAndClicksLoadThem) {
  StartIn("RecordList");
  App& a = app();
  std::ofstream(work / "notes.spd") << "x";
  PutFiles({"10_22_002", "10_22_001", "10_23_001"});
  EXPECT_EQ(Listed(), (std::vector<std::string>{"10_23_001", "10_22_002", "10_22_001"}));

  a.frmZ.filBox->setListIndex(1);
  filBox_Click(a);
  EXPECT_EQ(a.record.CurrentFile, "10_22_002");
  EXPECT_EQ(a.record.BrowseRecord.PlayerNames[0], "north0");
  EXPECT_EQ(a.record.BrowseRecord.TricksWon[3], 13);  // derived: West's spades win every trick

  // Label 0 does nothing; label 2 brings the partner's hand to the bottom and reloads.
  a.record.BrowseRecord = HandRecord{};
  Lbl_Click(a, 0);
  EXPECT_EQ(a.SeatRotation, (scorlet::SeatRotation{0, 1, 2, 3}));
  EXPECT_TRUE(a.record.BrowseRecord.PlayerNames[0].empty());
  Lbl_Click(a, 2);
  EXPECT_EQ(a.SeatRotation, (scorlet::SeatRotation{2, 3, 0, 1}));
  EXPECT_EQ(a.record.BrowseRecord.PlayerNames[0], "north0");

  // Nothing happens while a capture is under way.
  a.frmZ.filBox->setListIndex(0);
  a.loop.busy.bidCapture = true;
  filBox_Click(a);
  EXPECT_EQ(a.record.CurrentFile, "10_22_002");
  a.loop.busy.bidCapture = false;
  filBox_Click(a);
  EXPECT_EQ(a.record.CurrentFile, "10_23_001");
}

TEST_F(RecordTest, DeleteAsksAndUndoKeepsEveryFile) {
  StartIn("RecordDelete");
  App& a = app();
  PutFiles({"10_22_001", "10_22_002", "10_22_003"});
  const auto before = FilesIn(work);
  ListBox& list = *a.frmZ.filBox;
  list.setSelected(0, true);
  list.setSelected(2, true);

  // Undo: the controls come back and nothing changed on disk.
  bool seenWaiting = false;
  h->desktop.schedule(h->desktop.now() + 20, [&] {
    seenWaiting = a.deal.deletionState == -1 && a.frmZ.cmdDEL->visible() &&
                  !a.frmZ.filBox->enabled() && !a.frmZ.cmdHand->enabled();
  });
  ClickLater("frmZ", "cmdUndo");
  h->program->pressKey("frmZ", KeyEvent{Key::Delete});
  EXPECT_TRUE(seenWaiting);
  EXPECT_EQ(FilesIn(work), before);
  EXPECT_EQ(a.deal.deletionState, 0);
  EXPECT_FALSE(a.frmZ.cmdDEL->visible());
  EXPECT_FALSE(a.frmZ.cmdUndo->visible());
  EXPECT_TRUE(a.frmZ.filBox->enabled());

  // DEL: both become backups and leave the list; an older backup of a stem is replaced.
  std::ofstream(work / "BAK10_22_003.spd") << "older backup";
  list.setSelected(0, true);
  list.setSelected(2, true);
  ClickLater("frmZ", "cmdDEL");
  ASSERT_TRUE(h->program->rightClickControl("frmZ", "filBox"));
  EXPECT_EQ(FilesIn(work),
            (std::vector<std::string>{"10_22_002.spd", "BAK10_22_001.spd", "BAK10_22_003.spd"}));
  EXPECT_NE(testing::ReadAll(work / "BAK10_22_003.spd"), "older backup");
  EXPECT_EQ(Listed(), std::vector<std::string>{"10_22_002"});
  EXPECT_TRUE(a.frmZ.cmdDelFiles->enabled());
}

// The files deleted are those the user confirmed, even when a hand is saved meanwhile.
TEST_F(RecordTest, HandSavedWhileDeleteWaitsIsKept) {
  StartIn("RecordDeleteWhileSaving");
  App& a = app();
  PutFiles({"01_01_001", "01_01_002"});
  a.frmZ.filBox->setSelected(1, true);  // 01_01_001
  h->desktop.schedule(h->desktop.now() + 10, [&] {
    a.record.CaptureRecord = LegalDeal();
    RecordHand(a);
  });
  ClickLater("frmZ", "cmdDEL", 40);
  DeleteSelectedFiles(a);
  const auto files = FilesIn(work);
  EXPECT_EQ(files.size(), 3u);
  EXPECT_TRUE(std::count(files.begin(), files.end(), "BAK01_01_001.spd"));
  EXPECT_TRUE(std::count(files.begin(), files.end(), "01_01_002.spd"));
  EXPECT_EQ(Listed().size(), 2u);
}

TEST_F(RecordTest, EmptyThenRestoreTheFolder) {
  StartIn("RecordEmpty");
  App& a = app();
  PutFiles({"10_22_001", "10_22_002"});
  std::ofstream(work / "BAK09_01_001.spd") << "stale backup";
  a.record.CaptureRecord = LegalDeal();
  ASSERT_EQ(RecordHand(a), RecordOutcome::Saved);
  const std::string saved = Listed()[0];

  // Cancel changes nothing.
  std::string dialogText, action, caption;
  h->desktop.schedule(h->desktop.now() + 20, [&] {
    dialogText = DialogLines(*h);
    action = h->program->caption("frmDelWork", "cmdDelete");
    caption = a.windows.delWork.form->caption();
    h->desktop.dumpPng(a.windows.delWork.handle(), (h->folder / "frmDelWork.png").string());
  });
  ClickLater("frmDelWork", "cmdCancel");
  ASSERT_TRUE(h->program->clickControl("frmZ", "cmdDelFiles"));
  EXPECT_EQ(caption, " Empty Work Folder");
  EXPECT_EQ(action, "Delete Work Files");
  const std::string folderLine = " " + (h->folder / "Work").make_preferred().string();
  EXPECT_EQ(dialogText, " Delete All Files\n ( *.spd)\n in Work Folder\n\n" + folderLine +
                            "\n\n\n  May really Delete All ?\n");
  EXPECT_FALSE(a.windows.delWork.loaded());
  EXPECT_EQ(FilesIn(work).size(), 4u);

  // Confirmed: the old backups go, every record becomes a backup, the list is empty.
  ClickLater("frmDelWork", "cmdDelete");
  cmdDelFiles_Click(a);
  std::vector<std::string> backups{"BAK" + saved + ".spd", "BAK10_22_001.spd", "BAK10_22_002.spd"};
  std::sort(backups.begin(), backups.end());
  EXPECT_EQ(FilesIn(work), backups);
  EXPECT_TRUE(Listed().empty());
  EXPECT_EQ(a.record.LastSavedPlay, PlayTextGrid{});
  EXPECT_EQ(a.frmZ.plName[0]->caption(), "");

  // Only backups: the button offers restoring them.
  h->desktop.schedule(h->desktop.now() + 20, [&] {
    action = h->program->caption("frmDelWork", "cmdDelete");
    dialogText = DialogLines(*h);
  });
  ClickLater("frmDelWork", "cmdDelete");
  cmdDelFiles_Click(a);
  EXPECT_EQ(action, "Restore Work Files");
  EXPECT_EQ(dialogText, " Restore Work Files\n ( *.spd)\n in Work Folder\n\n" + folderLine +
                            "\n\n  Do you want them get Restored ?\n");
  std::vector<std::string> stems{"10_22_001", "10_22_002", saved};
  std::sort(stems.begin(), stems.end());
  std::vector<std::string> restored;
  for (const std::string& stem : stems) restored.push_back(stem + ".spd");
  EXPECT_EQ(FilesIn(work), restored);
  EXPECT_EQ(Listed(), (std::vector<std::string>{stems.rbegin(), stems.rend()}));  // newest first
  // The same hand captured again after the restore is saved anew, under a new name.
  a.record.CaptureRecord = LegalDeal();
  EXPECT_EQ(RecordHand(a), RecordOutcome::Saved);
  EXPECT_EQ(FilesIn(work).size(), 4u);
}

TEST_F(RecordTest, JapaneseDialogAndClosingAsCancel) {
  VirtualDesktopConfig config;
  config.codePage = 932;
  config.fonts.push_back("ＭＳ Ｐゴシック");
  StartIn("RecordJapanese", "JPN=yes\r\n", config);
  App& a = app();
  ASSERT_TRUE(a.Japanese());
  PutFiles({"10_22_001"});
  std::string text, action, cancel, caption;
  h->desktop.schedule(h->desktop.now() + 20, [&] {
    text = DialogLines(*h);
    action = h->program->caption("frmDelWork", "cmdDelete");
    cancel = h->program->caption("frmDelWork", "cmdCancel");
    caption = a.windows.delWork.form->caption();
    h->desktop.dumpPng(a.windows.delWork.handle(), (h->folder / "frmDelWork_ja.png").string());
    a.windows.delWork.form->onQueryClose();  // the user closes the dialog
  });
  cmdDelFiles_Click(a);
  EXPECT_EQ(action, "作業用フォルダを空にする");
  EXPECT_EQ(caption, action);
  EXPECT_EQ(cancel, "取り消し");
  EXPECT_TRUE(text.starts_with(" 下記フォルダ内の全ファイル\n ( *.spd)\n を削除します。\n"));
  EXPECT_TRUE(text.ends_with("\n\n\n よろしいですか ？\n"));
  EXPECT_EQ(FilesIn(work), std::vector<std::string>{"10_22_001.spd"});

  fs::rename(work / "10_22_001.spd", work / "BAK10_22_001.spd");
  h->desktop.schedule(h->desktop.now() + 20, [&] {
    text = DialogLines(*h);
    action = h->program->caption("frmDelWork", "cmdDelete");
  });
  ClickLater("frmDelWork", "cmdCancel");
  cmdDelFiles_Click(a);
  EXPECT_EQ(action, "作業用ファイルを復元する");
  EXPECT_EQ(text, " 作業用ファイル\n ( *.spd)\n を復元できます。\n\n 復元しますか ？\n");
  EXPECT_EQ(FilesIn(work), std::vector<std::string>{"BAK10_22_001.spd"});
}

}  // namespace
}  // namespace scorlet::companion
