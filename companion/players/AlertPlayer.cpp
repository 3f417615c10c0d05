// The alert list on the screen: loading and writing the file, the room check, the alert label,
// the Alert menu, marking a player with a reason (frmReason) and the check on request
// (cmdAlertNone, frmAskAlert).
#include <string>

#include "common/CodePage.h"
#include "common/SafeFile.h"
#include "common/TextUtil.h"
#include "companion/main/App.h"
#include "companion/main/MainLoop.h"
#include "companion/players/AlertTexts.h"
#include "companion/players/Players.h"
#include "companion/recognition/TableReading.h"
#include "companion/record/Record.h"
#include "platform/Print.h"
#include "platform/System.h"
#include "platform/Window.h"

namespace scorlet::companion {

namespace {

namespace at = alerttexts;

std::string Str(std::string_view text) { return std::string(text); }

std::filesystem::path AlertFile(const App& app) {
  return app.system.appFolder / Utf8Path(app.settings.alertPlayersFile);
}

// Orange while the check runs, light blue when it found nobody.
constexpr Color CheckingColor = 0x0080FF;     // RGB 255, 128, 0
constexpr Color NoneFoundColor = 0xFFC0C0;    // RGB 192, 192, 255
// frmReason's place: 2100 twips (140 pixels) right of and below the main window's corner.
constexpr int ReasonOffset = 140;
// frmAskAlert beside the table: this far right of and below the table window's corner.
constexpr Point AskBesideTable{100, 180};

bool BoardIsModal(const App& app) {
  const BoardState step = app.counters.boardStep;
  return app.settings.biddingBoardModal && step != BoardState::NotInUse &&
         step != BoardState::BidHanded;
}

bool Abandoned(App& app) {
  return app.loop.ended || app.forms.quitting() || app.frmZ.form == nullptr ||
         !app.frmZ.form->loaded();
}

// The reason dialog, shown until the user answers; the text of txtReason when it closed.
std::string AskReason(App& app, const std::string& reason, bool offerUnCheck) {
  const bool japanese = app.Japanese();
  Form& form = app.forms.createForm("frmReason");
  form.setCaption(Str(at::ReasonCaption.in(japanese)));
  if (japanese && !app.system.interfaceFont.empty()) form.setFontName(app.system.interfaceFont);
  form.setClientSize({220, 330});
  TextBox& txtReason = form.addTextBox("txtReason");
  txtReason.setBounds({8, 8, 212, 30});
  txtReason.setText(reason);
  Label& refused = form.addLabel("lblRefused");
  refused.setBounds({8, 32, 212, 62});
  refused.setForeColor(Colors::Red);
  refused.setVisible(false);
  ListBox& boxReason = form.addListBox("boxReason");
  boxReason.setBounds({8, 64, 212, 322});
  std::vector<std::string> tags(std::begin(at::ReasonTags), std::end(at::ReasonTags));
  if (offerUnCheck) {
    const bool jaItem = japanese && app.settings.logFile.empty();
    tags.push_back(Str(jaItem ? at::UnCheckJa : at::UnCheckEn));
    if (jaItem && !app.system.interfaceFont.empty())
      boxReason.setFontName(app.system.interfaceFont);
  }
  boxReason.setItems(std::move(tags));

  // A typed "," or line break would split the entry in the file: the text goes back to what it
  // was and the dialog says why.
  std::string accepted = reason;
  txtReason.onChange = [&] {
    if (ReasonAcceptable(txtReason.text())) {
      accepted = txtReason.text();
      refused.setVisible(false);
      return;
    }
    txtReason.setText(accepted);
    refused.setCaption(Str(at::ReasonRefused.in(japanese)));
    refused.setVisible(true);
  };
  std::string answer = reason;
  bool closed = false;
  form.onUnload = [&] {
    answer = accepted;
    closed = true;
  };
  form.onKeyDown = [&](const KeyEvent& key) {
    if (key.keyCode == Key::Return) form.close();
  };
  boxReason.onClick = [&] {
    const int index = boxReason.listIndex();
    if (index < 0 || index >= boxReason.count()) return;
    txtReason.setText(boxReason.items()[static_cast<std::size_t>(index)]);
    accepted = txtReason.text();
    WaitSeconds(app.desktop, 1.0, [&] { return closed || Abandoned(app); });
    if (!closed) form.close();
  };

  const Rect main = app.frmZ.form->bounds();
  form.move(main.left + ReasonOffset, main.top + ReasonOffset);
  form.setTopmost(true);
  form.setVisible(true);
  app.alerts.reasonOpen = true;
  while (!closed && !Abandoned(app)) PauseWithEvents(app.desktop, 0.05, [&] { return closed; });
  if (!closed && form.loaded()) form.close();
  // The form object outlives this call for a moment; its handlers must not reach these locals.
  txtReason.onChange = nullptr;
  boxReason.onClick = nullptr;
  form.onKeyDown = nullptr;
  form.onUnload = nullptr;
  app.alerts.reasonOpen = false;
  return answer;
}

bool IsUnCheck(const std::string& reason) {
  return reason.empty() || reason == at::UnCheckEn || reason == at::UnCheckJa;
}

void HideAlertName(App& app) { app.frmZ.AlertName->setVisible(false); }

void PrintAlertMessage(App& app, const LangText& text, const std::string& detail) {
  if (app.frmZ.form != nullptr) PrintLine(*app.frmZ.form, Str(text.in(app.Japanese())) + detail);
  app.Trace(Str(text.en) + detail);
}

}  // namespace

void LoadAlertList(App& app) {
  AlertState& a = app.alerts;
  // Until a hand names the players, the items hold the seat names: nobody to mark yet.
  for (MenuItem* item : app.frmZ.menuPlayer) item->setEnabled(false);
  ReadDefaultAlertList(a.list);
  a.fileUnreadable = false;
  const TextFile file = ReadTextFile(AlertFile(app), app.system.codePage);
  if (file.status == ReadStatus::Ok) {
    ReadAlertList(a.list, file.lines);
  } else if (file.status == ReadStatus::Unreadable) {
    a.fileUnreadable = true;
    PrintAlertMessage(app, at::NotRead, app.settings.alertPlayersFile);
  }
}

bool WriteAlertList(App& app) {
  AlertState& a = app.alerts;
  if (a.fileUnreadable) {
    PrintAlertMessage(app, at::NotRead, app.settings.alertPlayersFile);
    return false;
  }
  const std::string bytes = ToAnsi(AlertFileText(a.list, app.Japanese()), app.system.codePage);
  std::string why;
  if (ReplaceFileSafely(AlertFile(app), bytes, why)) return true;
  PrintAlertMessage(app, at::NotWritten, app.settings.alertPlayersFile + " " + why);
  return false;
}

void ShowAlert(App& app, int index, const std::string& name) {
  const AlertList& list = app.alerts.list;
  const std::string entry = index > 0 && index <= list.AlertCount() ? list[index] : "";
  const AlertLook look = AlertLookOf(entry, name);
  Label& label = *app.frmZ.AlertName;
  label.setForeColor(look.color);
  label.setFontSize(look.size);
  label.setCaption(look.text);
  label.setVisible(true);
}

bool testAlert(const App& app) {
  return app.frmZ.cmdAlertNone->visible() || app.frmZ.AlertName->visible();
}

void CheckAlertPlayer(App& app) {
  BusyFlags& busy = app.loop.busy;
  if (busy.alertCheck || app.alerts.list.AlertCount() == 0 || BoardIsModal(app)) return;
  busy.alertCheck = true;
  HideAlertName(app);
  const WindowHandle table = app.game.TableWindow;
  MakeTopmost(app.desktop, table);
  RestoreWindow(app.desktop, table);
  // The list is read afresh, twice when the first reading finds nobody.
  BuildPlayerList(app);
  if (app.reading.PlayerList.empty()) BuildPlayerList(app);
  const RoomHit hit = app.reading.PlayerList.empty()
                          ? RoomHit{}
                          : SearchRoom(app.alerts.list, app.reading.PlayerList);
  if (hit.index > 0) {
    std::string rest = hit.roomName;
    ShowAlert(app, hit.index, NextToken(rest));
    AlertChime(app.desktop);
  } else if (app.settings.askAlertPos.used()) {
    app.frmZ.cmdAlertNone->setVisible(true);
  }
  busy.alertCheck = false;
}

void ExecAskAlert(App& app) {
  Button& button = *app.frmZ.cmdAlertNone;
  const auto& texts = app.Japanese() ? app.alertTexts.ja : app.alertTexts.en;
  button.setCaption(texts[1]);
  button.setBackColor(CheckingColor);
  CheckAlertPlayer(app);
  if (app.frmZ.AlertName->visible()) {
    button.setVisible(false);
  } else if (app.settings.askAlertPos.used()) {
    button.setCaption(texts[2]);
    button.setVisible(true);
    button.setBackColor(NoneFoundColor);
  }
  app.windows.askAlertAnswered = false;
}

void AlertNoneClick(App& app) { ExecAskAlert(app); }

void ShowAskAlert(App& app) {
  HelperWindow& w = app.windows.askAlert;
  const bool fresh = !w.loaded() || w.form == nullptr || !w.form->loaded();
  Form& form = LoadHelper(app.forms, w);
  if (fresh) {
    const bool japanese = app.Japanese();
    form.setBorderStyle(BorderStyle::ToolWindow);
    form.setClientSize({110, 28});
    Button& ask = form.addButton("cmdAsk");
    ask.setBounds({2, 2, 108, 26});
    ask.setCaption(Str(at::AskCaption.in(japanese)));
    if (japanese && !app.system.interfaceFont.empty()) ask.setFontName(app.system.interfaceFont);
    ask.setBackColor(LightBlue);
    App* a = &app;
    ask.onClick = [a] { a->windows.askAlertAnswered = true; };
    WindowPos pos = app.settings.askAlertPos;
    if (pos.x == kBesideTable) {
      Rect table;
      if (app.desktop.windowRect(app.game.TableWindow, table)) {
        pos = {table.left + AskBesideTable.x, table.top + AskBesideTable.y};
      }
    }
    if (pos.x != kBesideTable) form.move(pos.x, pos.y);
  }
  form.setTopmost(true);
  ShowHelper(w, false);
}

void HideAskAlert(App& app) { HideHelper(app.windows.askAlert); }

void RefreshAlertMenu(App& app, const std::array<std::string, 4>& seatNames) {
  FrmZ& z = app.frmZ;
  HideAlertName(app);
  for (MenuItem* item : z.menuPlayer) item->setChecked(false);
  const auto seats = AlertMenuOf(app.alerts.list, seatNames, app.settings.myYahooIds);
  for (std::size_t seat = 0; seat < 4; ++seat) {
    MenuItem& item = *z.menuPlayer[seat];
    item.setCaption(seats[seat].caption);
    item.setEnabled(seats[seat].enabled);
    for (const int slot : seats[seat].marks) {
      item.setChecked(true);
      ShowAlert(app, slot, seats[seat].caption);
    }
  }
}

void menuPlayer_Click(App& app, int index) {
  if (index < 0 || index > 3 || app.alerts.reasonOpen) return;
  MenuItem& item = *app.frmZ.menuPlayer[static_cast<std::size_t>(index)];
  const std::string name = item.caption();
  // A name read from the table that could split the file's entries is not stored.
  if (Trim(name).empty() || !ReasonAcceptable(name)) return;
  AlertList& list = app.alerts.list;
  const int found = SearchAlertPlayer(list, name);
  ShowAlert(app, found, name);
  if (item.checked()) {
    const std::string typed = AskReason(app, found > 0 ? PickUpCmt(list[found]) : "", true);
    app.alerts.AlertReason = typed;
    if (IsUnCheck(Trim(typed))) {
      // Every entry of the name goes: one marked twice (the file edited by hand, or marked
      // again before a hand showed the mark) would otherwise still be alerted.
      while (UnCheckPlayer(list, name)) {
      }
      item.setChecked(false);
      HideAlertName(app);
    } else {
      int slot = SearchAlertPlayer(list, name);
      if (slot == 0) {
        list.Append("");
        slot = list.AlertCount();
      }
      list[slot] = EntryOf(name, typed);
      ShowAlert(app, slot, name);
      item.setChecked(true);
    }
  } else {
    const std::string typed = AskReason(app, "", false);
    app.alerts.AlertReason = typed;
    list.Append(EntryOf(name, Trim(typed).empty() ? "" : typed));
    ShowAlert(app, list.AlertCount(), name);
    item.setChecked(true);
  }
  WriteAlertList(app);
}

void ClickPlayer(App& app, int index) {
  const int seat = SeatOfNameLabel(index);
  if (app.frmZ.menuPlayer[static_cast<std::size_t>(seat)]->enabled()) menuPlayer_Click(app, seat);
}

void plName_Click(App& app, int index) {
  if (index < 0 || index > 3) return;
  if (app.loop.OnlineState != Online) {
    ClickPlayer(app, index);
    return;
  }
  // At a table the click counts only while capture runs; capture pauses while the user answers.
  const std::string& caption = app.frmZ.cmdTimer->caption();
  if (caption != texts::Pause.en && caption != texts::Pause.ja) return;
  cmdTimer_Click(app);
  ClickPlayer(app, index);
  cmdTimer_Click(app);
}

}  // namespace scorlet::companion
