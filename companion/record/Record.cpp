// Saving captured hands into the Work folder and keeping the main window's file list in step
// with it: showing a saved hand, deleting files to their backup names and undoing that,
// emptying and restoring the folder.
#include "companion/record/Record.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "common/CodePage.h"
#include "common/TextUtil.h"
#include "companion/main/App.h"
#include "companion/main/MainLoop.h"
#include "companion/players/NilStats.h"
#include "companion/players/Players.h"
#include "companion/record/HandDisplay.h"
#include "companion/record/RecordTexts.h"
#include "platform/Print.h"
#include "platform/System.h"

namespace scorlet::companion {

namespace fs = std::filesystem;
namespace rt = record_texts;

namespace {

std::string Str(std::string_view text) { return std::string(text); }

fs::path WorkFolder(const App& app) { return WorkFolderOf(app.system.appFolder); }

int CardOrderOf(const App& app) {
  return app.settings.cardOrder == SortOrder::Ascending ? OrderAscending : OrderDescending;
}

// The file list's entries, oldest last as shown.
std::vector<std::string> ListedStems(const App& app) { return app.frmZ.filBox->items(); }

// The program is ending or its main window is gone: a wait for the user stops.
bool Abandoned(App& app) {
  return app.loop.ended || app.forms.quitting() || app.frmZ.form == nullptr ||
         !app.frmZ.form->loaded();
}

// Waits for the user while window events (and ticks) go on.
void WaitForUser(App& app, const std::function<bool()>& answered) {
  while (!answered() && !Abandoned(app)) PauseWithEvents(app.desktop, 0.05, answered);
}

// The plName labels in their design order West, South, East, North.
constexpr std::array<SeatIndex, 4> NameLabelSeats{3, 2, 1, 0};

void ShowNames(App& app, const HandRecord& record) {
  for (std::size_t i = 0; i < 4; ++i) {
    const auto seat = static_cast<std::size_t>(NameLabelSeats[i]);
    app.frmZ.plName[i]->setCaption(record.PlayerNames[seat]);
  }
  RefreshAlertMenu(app, record.PlayerNames);
}

// The seat of the user: the seat whose name holds one of the user's game IDs; 0 when none does.
int UserSeat(const App& app, const HandRecord& record) {
  for (int seat = 0; seat < 4; ++seat) {
    const std::string& name = record.PlayerNames[static_cast<std::size_t>(seat)];
    if (name.empty()) continue;
    for (const std::string& id : app.settings.myYahooIds) {
      if (!id.empty() && ContainsNoCase(name, id)) return seat;
    }
  }
  return 0;
}

// Counts the Nils of a newly recorded deal into the statistics file. Only here, once per deal:
// showing a stored hand again never counts it.
void CountNilStats(App& app, const HandRecord& capture, int seat) {
  HandRecord deal = capture;
  DeriveRecord(deal, CardOrderOf(app));
  NilTable table;
  for (const std::string& name : deal.PlayerNames) {
    for (const std::string& id : app.settings.myYahooIds) {
      if (!name.empty() && !id.empty() && ContainsNoCase(name, id)) table.userKnown = true;
    }
  }
  for (std::size_t p = 0; p < 4; ++p) table.seatAt[p] = (seat + static_cast<int>(p)) % 4;
  table.suicide = app.flags.SuicideTable;
  table.doubleNilPass = app.flags.DNilPassTable;
  const NilStatStatus status =
      NilStatsUpdate(app.system.appFolder, app.Japanese(), deal, TeamScoresOfRecord(deal, seat),
                     table, LocalTime(std::time(nullptr)));
  if (status == NilStatStatus::WriteFailed) app.Trace("NIL statistics not written");
}

bool AutoSeat(const App& app) {
  const MenuItem* item = app.frmZ.menuSeat[4];
  return item != nullptr && item->checked();
}

// Sets the deletion state and the controls it disables back to idle.
void EndDeletion(App& app) {
  FrmZ& z = app.frmZ;
  z.cmdUndo->setVisible(false);
  z.cmdUndo->setEnabled(false);
  z.cmdDEL->setVisible(false);
  z.cmdDEL->setEnabled(false);
  app.deal.deletionState = 0;
  for (Control* c : std::initializer_list<Control*>{z.filBox, z.cmdDelFiles, z.cmdBid, z.cmdHand})
    c->setEnabled(true);
}

bool IsBackupName(const std::string& name) {
  return name.size() > 3 + RecordExtension.size() && UpperText(name.substr(0, 3)) == "BAK" &&
         UpperText(name.substr(name.size() - RecordExtension.size())) ==
             UpperText(RecordExtension);
}

// Renames `from` to `to` in the folder unless `to` exists already; true when renamed.
bool RenameKeeping(const fs::path& folder, const std::string& from, const std::string& to) {
  std::error_code ec;
  if (fs::exists(folder / to, ec)) return false;
  fs::rename(folder / from, folder / to, ec);
  return !ec;
}

void MarkCurrent(App& app, const std::string& stem) {
  app.record.CurrentFile = stem;
  const auto items = ListedStems(app);
  const auto at = std::find(items.begin(), items.end(), stem);
  app.deal.currentHandFile =
      at == items.end() ? (stem.empty() ? -1 : 0) : static_cast<std::int32_t>(at - items.begin());
}

}  // namespace

// --- recording ---

std::string PlayFault(const HandRecord& record, bool japanese) {
  std::set<CardCode> seen;
  bool twice = false;
  bool shortTrick = false;
  for (const auto& trick : record.PlayTexts) {
    int cards = 0;
    for (const CardText& text : trick) {
      const CardCode code = CardCodeOf(text);
      if (!IsCardCode(code)) continue;
      ++cards;
      if (!seen.insert(code).second) twice = true;
    }
    if (cards != 4) shortTrick = true;
  }
  if (twice) return Str(rt::CardTwice.in(japanese));
  if (shortTrick) return Str(rt::ShortTrick.in(japanese));
  if (seen.size() < 52) return Str(rt::FewCards.in(japanese));
  return "";
}

RecordOutcome RecordHand(App& app) {
  RecordState& r = app.record;
  HandRecord& capture = r.CaptureRecord;
  if (capture.PlayTexts == r.LastSavedPlay) return RecordOutcome::AlreadySaved;

  // The user's seat comes to the bottom; a seat chosen by hand lasts until this hand.
  const int seat = AutoSeat(app) ? UserSeat(app, capture) : 0;
  sitNESW(app, seat);
  for (std::size_t k = 0; k < 4; ++k) {
    capture.Bids[(static_cast<std::size_t>(seat) + k) % 4] = app.reading.SeatBids[k];
  }

  const fs::path folder = WorkFolder(app);
  EnsureFolder(PathToUtf8(folder));
  const std::string stem = NextRecordStem(r.stems, ListedStems(app), folder, Today());
  Form& form = *app.frmZ.form;
  if (WriteRecordFile(capture, folder, stem, app.system.codePage) != RecordFileStatus::Done) {
    // Nothing is listed or remembered as saved: the same play is tried again next time.
    PrintLine(form, Str(rt::WriteFailed.in(app.Japanese())) + RecordFileName(stem));
    app.Trace("hand not saved: " + RecordFileName(stem) + " could not be written");
    return RecordOutcome::WriteFailed;
  }

  ListBox& list = *app.frmZ.filBox;
  std::vector<std::string> items = list.items();
  items.insert(items.begin(), stem);
  list.setItems(std::move(items));
  list.setListIndex(0);
  MarkCurrent(app, stem);
  r.LastSavedPlay = capture.PlayTexts;

  // A play that breaks the rules is kept as read; the user is told that it has gaps.
  r.incompleteReason = PlayFault(capture, app.Japanese());
  if (!r.incompleteReason.empty()) {
    PrintLine(form, Str(rt::Incomplete.in(app.Japanese())) + r.incompleteReason);
  }
  app.Trace("hand saved: " + RecordFileName(stem));
  CountNilStats(app, capture, seat);

  LoadAndShowRecord(app, stem, capture);
  ShowNames(app, capture);
  return r.incompleteReason.empty() ? RecordOutcome::Saved : RecordOutcome::SavedIncomplete;
}

void LoadAndShowRecord(App& app, const std::string& stem, HandRecord& record) {
  if (app.loop.busy.handView) return;
  record = app.record.EmptyRecord;
  app.loop.busy.handView = true;
  ReadRecordFile(record, WorkFolder(app), stem, app.system.codePage);
  MarkCurrent(app, stem);
  DeriveRecord(record, CardOrderOf(app));
  DrawHandRecord(app, record);
  app.loop.busy.handView = false;
}

// --- the file list ---

void RefreshFileList(App& app) {
  ListBox& list = *app.frmZ.filBox;
  list.clear();
  list.setVisible(false);
  app.record.scan = ScanWorkFolder(WorkFolder(app));
  const auto& stems = app.record.scan.recordStems;
  list.setItems({stems.rbegin(), stems.rend()});
  list.setVisible(true);
}

void PrepareWorkFileList(App& app) {
  app.frmZ.filBox->setMultiSelect(true);
  EnsureFolder(PathToUtf8(WorkFolder(app)));
  RefreshFileList(app);
  StartStemCounter(app.record.stems, ListedStems(app), Today());
}

int SeatOfNameLabel(int label) {
  return label >= 0 && label < 4 ? NameLabelSeats[static_cast<std::size_t>(label)] : 0;
}

void filBox_Click(App& app) {
  RecordState& r = app.record;
  if (TestCapturing(app) || app.loop.busy.handView || r.ClickBusy || app.deal.deletionState != 0)
    return;
  const ListBox& list = *app.frmZ.filBox;
  const int index = list.listIndex();
  if (index < 0 || index >= list.count()) return;
  r.ClickBusy = true;
  const std::string stem = list.items()[static_cast<std::size_t>(index)];
  LoadAndShowRecord(app, stem, r.BrowseRecord);
  ShowNames(app, r.BrowseRecord);
  r.ClickBusy = false;
}

void ShowSelectedHand(App& app) {
  if (app.record.CurrentFile.empty()) return;
  const std::string stem = app.record.CurrentFile;
  LoadAndShowRecord(app, stem, app.record.BrowseRecord);
}

void Lbl_Click(App& app, int index) {
  if (index < 1 || index > 3 || TestCapturing(app)) return;
  // The seat menu's handler turns the table and shows the current hand again.
  menuSeat_Click(app, app.SeatRotation[static_cast<std::size_t>(index)]);
}

// --- deleting and restoring ---

void DeleteSelectedFiles(App& app) {
  FrmZ& z = app.frmZ;
  if (TestCapturing(app) || app.deal.deletionState != 0) return;
  // The files are those selected now: a hand saved while the user decides shifts the list.
  std::vector<std::string> stems;
  for (int i : z.filBox->selectedIndexes()) {
    stems.push_back(z.filBox->items()[static_cast<std::size_t>(i)]);
  }
  if (stems.empty()) return;

  app.deal.deletionState = -1;
  for (Control* c : std::initializer_list<Control*>{z.filBox, z.cmdDelFiles, z.cmdBid, z.cmdHand})
    c->setEnabled(false);
  for (Button* b : {z.cmdUndo, z.cmdDEL}) {
    b->setVisible(true);
    b->setEnabled(true);
  }
  WaitForUser(app, [&app] { return app.deal.deletionState >= 1; });

  if (app.deal.deletionState == 2) {
    const fs::path folder = WorkFolder(app);
    for (auto it = stems.rbegin(); it != stems.rend(); ++it) {
      const std::string name = RecordFileName(*it);
      const std::string backup = "BAK" + name;
      std::error_code ec;
      if (!fs::exists(folder / name, ec)) continue;
      fs::remove(folder / backup, ec);
      fs::rename(folder / name, folder / backup, ec);
      if (*it == app.record.CurrentFile) MarkCurrent(app, "");
    }
    RefreshFileList(app);
    app.Trace("work files moved to their backups: " + std::to_string(stems.size()));
  }
  const bool deleted = app.deal.deletionState == 2;
  EndDeletion(app);
  if (deleted && !OffLine(app)) BeginDeal(app);
}

void cmdDEL_Click(App& app) {
  if (!TestCapturing(app) && app.deal.deletionState == -1) app.deal.deletionState = 2;
}

void cmdUndo_Click(App& app) {
  if (!TestCapturing(app) && app.deal.deletionState == -1) app.deal.deletionState = 1;
}

namespace {

struct DialogText {
  std::string action;
  bool widen = false;
  std::vector<std::string> lines;
};

DialogText DialogTextFor(const App& app, bool restore) {
  const bool ja = app.Japanese();
  const std::string folderLine = " " + PathToUtf8(WorkFolder(app).make_preferred());
  const std::string ext = Str(rt::ExtensionLine);
  DialogText t;
  if (restore) {
    t.action = Str(rt::RestoreButton.in(ja));
    t.widen = !ja;
    t.lines = {Str(rt::RestoreLine1.in(ja)), ext, Str(rt::RestoreLine3.in(ja)), ""};
    if (!ja) t.lines.insert(t.lines.end(), {folderLine, ""});
    t.lines.push_back(Str(rt::RestoreAsk.in(ja)));
  } else {
    t.action = Str(rt::DeleteButton.in(ja));
    t.lines = {Str(rt::EmptyLine1.in(ja)), ext, Str(rt::EmptyLine3.in(ja)), "", folderLine, "", "",
               Str(rt::EmptyAsk.in(ja))};
  }
  return t;
}

// Width of a dialog text: 7 pixels a single-byte character, twice that for any other.
int TextWidth(const std::string& text) {
  int columns = 0;
  for (unsigned char c : text) {
    if (c < 0x80) {
      columns += 1;
    } else if ((c & 0xC0) != 0x80) {
      columns += 2;  // the lead byte of a wide character
    }
  }
  return 7 * columns;
}

// Opens frmDelWork on top of everything and waits for its answer.
bool ConfirmFolderAction(App& app, bool restore) {
  const DialogText text = DialogTextFor(app, restore);
  HelperWindow& window = app.windows.delWork;
  Form& form = LoadHelper(app.forms, window);
  form.setCaption(app.Japanese() ? text.action : Str(rt::DialogCaption));
  // One label a line, so every platform shows the lines as they are.
  const int lineHeight = 16;
  const int textHeight = lineHeight * static_cast<int>(text.lines.size());
  int widest = 0;
  for (const std::string& line : text.lines) widest = std::max(widest, TextWidth(line));
  const int width = std::max(260, widest + 24);
  for (std::size_t i = 0; i < text.lines.size(); ++i) {
    Label& line = form.addLabel("txtDelWork" + std::to_string(i));
    line.setCaption(text.lines[i]);
    const int top = 8 + lineHeight * static_cast<int>(i);
    line.setBounds({8, top, width - 8, top + lineHeight});
  }
  Button& action = form.addButton("cmdDelete");
  action.setCaption(text.action);
  const int buttonWidth = std::max(130, TextWidth(text.action) + 20) + (text.widen ? 10 : 0);
  action.setBounds({8, 16 + textHeight, 8 + buttonWidth, 16 + textHeight + 26});
  Button& cancel = form.addButton("cmdCancel");
  cancel.setCaption(Str(rt::CancelButton.in(app.Japanese())));
  cancel.setCancel(true);
  cancel.setBounds({width - 98, 16 + textHeight, width - 8, 16 + textHeight + 26});
  form.setClientSize({width, 16 + textHeight + 26 + 12});

  App* a = &app;
  action.onClick = [a] { cmdDelete_Click(*a); };
  cancel.onClick = [a] { cmdCancel_Click(*a); };
  // Closing the dialog by its frame answers "Cancel"; it is closed once the wait has ended.
  form.onQueryClose = [a] {
    if (a->record.dialogDone) return true;
    cmdCancel_Click(*a);
    return false;
  };
  app.record.FolderConfirmed = false;
  app.record.dialogDone = false;
  form.setTopmost(true);
  ShowHelper(window, true);
  WaitForUser(app, [a] { return a->record.dialogDone; });
  UnloadHelper(window);
  return app.record.FolderConfirmed && app.record.dialogDone;
}

}  // namespace

void cmdDelete_Click(App& app) {
  app.record.FolderConfirmed = true;
  app.record.dialogDone = true;
}

void cmdCancel_Click(App& app) {
  app.record.FolderConfirmed = false;
  app.record.dialogDone = true;
}

void cmdDelFiles_Click(App& app) {
  if (TestCapturing(app) || app.deal.deletionState != 0 || app.windows.delWork.loaded()) return;
  const fs::path folder = WorkFolder(app);
  WorkFolderScan scan = ScanWorkFolder(folder);
  const bool restore = !scan.backupStems.empty() && scan.recordStems.empty();
  if (!ConfirmFolderAction(app, restore)) return;

  // The folder is scanned again: files may have come or gone while the dialog was open.
  scan = ScanWorkFolder(folder);
  if (restore) {
    for (const std::string& stem : scan.backupStems) {
      const std::string name = RecordFileName(stem);
      RenameKeeping(folder, "BAK" + name, name);
    }
  } else {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
      const std::string name = PathToUtf8(entry.path().filename());
      if (entry.is_regular_file(ec) && IsBackupName(name)) fs::remove(entry.path(), ec);
    }
    for (const std::string& stem : scan.recordStems) {
      const std::string name = RecordFileName(stem);
      RenameKeeping(folder, name, "BAK" + name);
    }
  }
  app.Trace(restore ? "work files restored" : "work folder emptied");

  FrmZ& z = app.frmZ;
  z.filBox->clear();
  app.record.LastSavedPlay = {};
  app.record.CaptureRecord = app.record.EmptyRecord;
  MarkCurrent(app, "");
  ClearHandDrawings(app);
  z.SumBid->setVisible(false);
  RefreshFileList(app);
  HideCounter(app);
  app.record.stems = StemCounter{};
  StartStemCounter(app.record.stems, ListedStems(app), Today());
  for (Label* name : z.plName) name->setCaption("");
}

// --- the end of the run ---

void SaveOnExit(App& app) {
  // A dialog still open is answered "Cancel" first, so it lets itself be closed.
  if (app.windows.delWork.loaded()) cmdCancel_Click(app);
  UnloadHelper(app.windows.delWork);
  CloseCardFaceWindows(app);
}

void ResetGameRecord(App& app) {
  app.record.CaptureRecord = app.record.EmptyRecord;
  MarkCurrent(app, "");
}

}  // namespace scorlet::companion
