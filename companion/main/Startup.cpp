// Start-up of the companion: everything from the program's start until the main loop ticks,
// with the checks that stop it (a second copy, an archive or temporary folder, an unknown key
// in the initialisation file).
#include <algorithm>
#include <filesystem>

#include "common/CodePage.h"
#include "common/Config.h"
#include "common/SafeFile.h"
#include "common/TextUtil.h"
#include "common/WorkFiles.h"
#include "companion/main/Discovery.h"
#include "companion/main/Layout.h"
#include "companion/main/MainLoop.h"
#include "companion/main/Texts.h"
#include "companion/players/Players.h"
#include "companion/record/Record.h"
#include "companion/recognition/TableReading.h"
#include "platform/System.h"

namespace scorlet::companion {

namespace {

bool FontInstalled(const std::vector<std::string>& fonts, std::string_view name) {
  return std::find(fonts.begin(), fonts.end(), name) != fonts.end();
}

std::string Str(std::string_view text) { return std::string(text); }

constexpr char PathSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

// Start-up steps 7 and 10: the defaults the main program starts from.
void MainProgramDefaults(Settings& s) {
  s.autoCaptBid = true;
  s.autoCaptHand = true;
  s.alertTimeMs = 30000;
  s.alertSound = "SystemAsterisk";
  s.waitTimeBidMs = 3000;
  s.waitTimeHandMs = 10000;
  s.alertPlayersFile = Str(kAlertFileName);
  s.historyFile = Str(kHistoryFileName);
  s.alertWinning = "SystemStart";
  s.alertLosing = "SystemExit";
}

void SetMenuChecks(App& app) {
  FrmZ& z = app.frmZ;
  const Settings& s = app.settings;
  z.menuSomeBidNil->setChecked(s.alertNilBids);
  z.menuFailNil->setChecked(s.alertFailNil);
  z.menuDNilPassTable->setChecked(s.alertDnilPassTable);
  z.menuCanDNilBid->setChecked(s.alertCanDNilPass);
  z.menuSuicideTable->setChecked(s.alertSuicideTable);
}

// Step 20: the configured back colour on the window and its plain controls.
void ApplyBackColors(App& app) {
  FrmZ& z = app.frmZ;
  const Color back = app.BackColor();
  z.form->setBackColor(back);
  for (const auto& c : z.form->controls()) {
    if (dynamic_cast<ListBox*>(c.get()) || dynamic_cast<PictureBox*>(c.get())) continue;
    if (c.get() == z.Line1 || c.get() == z.Bline) continue;
    c->setBackColor(back);
  }
  z.remBox->setBackColor(back);
  z.cmdAlertNone->setBackColor(LightBlue);
  z.cmdTimer->setBackColor(LightBlue);
  z.cmdScore->setBackColor(LightBlue);
}

// Steps 1 to 6: the window, the screen, the tables and the fonts.
void PrepareWindow(App& app) {
  for (std::size_t i = 0; i < 3; ++i) {
    static constexpr const LangText* alertTexts[3] = {&texts::AlertAsk, &texts::AlertWait,
                                                      &texts::AlertNone};
    app.alertTexts.en[i] = Str(alertTexts[i]->en);
    app.alertTexts.ja[i] = Str(alertTexts[i]->ja);
  }

  Form& form = *app.frmZ.form;
  app.game.ownMainWindow = form.handle();
  app.system.screen = app.desktop.screenSize();
  Rect r = form.bounds();
  app.desktop.windowRect(form.handle(), r);
  form.setBounds(r.movedTo(app.system.screen.width - r.width(), r.top));
  app.desktop.windowRect(form.handle(), r);
  app.system.mainHeight = r.height();
  app.system.platformId = app.desktop.platformId();
  app.system.codePage = CodePageOf(app.desktop.ansiCodePage());

  SetWinTitles(app);

  app.frmZ.MyRating->setCaption("");
  app.deal.currentHandFile = -1;

  ChooseInterfaceFont(app);
  app.system.normalCaption = Str(texts::ProgramName) + Str(texts::Version);
  form.setCaption(app.system.normalCaption);
  app.frmZ.drawTop = app.frmZ.cmdEnd->bounds().bottom;
  // Messages go below the score lines, where no control covers them.
  form.printState().y = app.frmZ.printTop;
}

}  // namespace

void ChooseInterfaceFont(App& app) {
  FrmZ& z = app.frmZ;
  const std::vector<std::string> fonts = app.desktop.fontNames();
  const bool gothic = FontInstalled(fonts, kMsPGothicFont);
  app.system.msPGothic = gothic;
  if (gothic) {
    z.filBox->setFont(Font{Str(kMsPGothicFont), 10, false});
  } else if (FontInstalled(fonts, texts::FontSansSerif)) {
    z.filBox->setFont(Font{Str(texts::FontSansSerif), 9, false});
  } else if (FontInstalled(fonts, texts::FontArialNarrow)) {
    z.filBox->setFont(Font{Str(texts::FontArialNarrow), 9, false});
  }
  if (gothic) z.menu_Link->setCaption(Str(texts::MenuLink.ja));
  for (const std::size_t i : {2u, 3u}) {
    z.menuLink[i]->setVisible(gothic);
    z.menuLink[i]->setEnabled(gothic);
  }
  app.system.interfaceFont = gothic ? Str(kMsPGothicFont) : std::string();
  if (FontInstalled(fonts, kMeiryoFont)) {
    app.system.interfaceFont = Str(kMeiryoFont);
    app.system.meiryo = true;
  }
  PrintState& print = z.form->printState();
  print.japaneseFont = app.system.interfaceFont;
  print.japanese = app.system.japanese;
}

bool chkPrevInstance(App& app, bool force) {
  if (!force && !app.desktop.previousInstance(Str(texts::ProgramName))) return true;
  Form& form = *app.frmZ.form;
  const bool ja = app.Japanese();
  PrintLine(form, Str(texts::SecondCopy.in(ja)) + Str(texts::ExeName) +
                      Str(texts::SecondCopyTail.in(ja)));
  NewLines(form, 1);
  app.Trace("another copy is running: stop");
  StopAndWait(app);
  return false;
}

bool chkZIP(App& app, bool force) {
  const std::string folder = force ? std::string("WINDOWS\\TEMP") : app.desktop.programFolder();
  if (!IsArchiveOrTempFolder(folder)) return true;
  ChooseInterfaceFont(app);
  Form& form = *app.frmZ.form;
  // Japanese only on a Japanese system that can show it; an installed Japanese font alone
  // does not make a Western system's user read Japanese.
  const bool japaneseSystem = CodePageOf(app.desktop.ansiCodePage()) == CodePage::Japanese;
  if (japaneseSystem && !app.system.interfaceFont.empty()) {
    const bool wasJapanese = form.printState().japanese;
    form.printState().japanese = true;
    PrintLine(form, Str(texts::ZipJa1));
    PrintLine(form, Str(texts::ExeName) + Str(texts::ZipJa2));
    form.printState().japanese = wasJapanese;
  } else {
    PrintLine(form, Str(texts::ZipEn1) + Str(texts::ZipName) + Str(texts::ZipEn2));
    NewLines(form, 1);
    PrintLine(form, "  " + Str(texts::ExeName) + ".");
  }
  NewLines(form, 2);
  PrintLine(form, Str(texts::AppPath) + folder);
  app.frmZ.cmdDelFiles->setVisible(false);
  app.Trace("started from an archive or a temporary folder (" + folder + "): stop");
  StopAndWait(app);
  return false;
}

bool TestOSjp(App& app) {
  const CodePage cp = CodePageOf(app.desktop.ansiCodePage());
  // A byte that the code page takes as a character of its own comes back unchanged.
  auto roundTrips = [cp](unsigned char byte) {
    const std::string one(1, static_cast<char>(byte));
    return ToAnsi(FromAnsi(one, cp), cp) == one;
  };
  return !roundTrips(129) && roundTrips(193) && !roundTrips(225);
}

void AbsentINIfile(App& app) {
  Form& form = *app.frmZ.form;
  const std::string folder = PathToUtf8(app.system.appFolder);
  const std::string path = folder + PathSeparator + Str(kConfigFileName);
  const std::string line = Str(texts::IniNotice) + path;
  if (MixedTextWidth(form, line) >= form.clientSize().width * 8 / 10) {
    PrintLine(form, Str(texts::IniNotice));
    PrintPath(form, "  " + folder);
    PrintLine(form, std::string("  ") + PathSeparator + Str(kConfigFileName) +
                        Str(texts::IniNotFound));
  } else {
    PrintLine(form, line);
    PrintLine(form, Str(texts::IniNotFound));
  }
  PrintLine(form, "  " + Str(texts::ExeName) + Str(texts::IniDefaults));
  app.Trace("no initialisation file: standard settings");
}

void StopAndWait(App& app) {
  FrmZ& z = app.frmZ;
  z.cmdDelFiles->setEnabled(false);
  if (!app.system.interfaceFont.empty()) {
    z.cmdEnd->setFontName(app.system.interfaceFont);
    z.cmdEnd->setCaption(Str(texts::End.ja));
  }
  z.cmdEnd->setCancel(true);
  UnVisibleAll(app);
  z.cmdEnd->setVisible(true);
  z.form->setVisible(true);
  NewLines(*z.form, 2);
  PrintLine(*z.form, Str(texts::ClickEnd.in(app.Japanese())));
  NewLines(*z.form, 2);
  PrintLine(*z.form, Str(texts::Waiting));
  NewLines(*z.form, 1);
  app.loop.ended = true;  // FormLoad goes no further
  app.loop.endCode = ExitStopped;
  WaitSeconds(app.desktop, 10.0, [&app] { return app.forms.quitting(); });
  EndProgram(app, ExitStopped);
}

void Form_Load(App& app) {
  FormLoad(app);
  if (!app.loop.ended) GoToAppFolder(app.desktop);
}

void FormLoad(App& app) {
  FrmZ& z = app.frmZ;
  Settings& s = app.settings;
  app.system.appFolder = Utf8Path(app.desktop.programFolder());
  if (app.system.appFolder.is_relative()) {
    std::error_code ec;
    app.system.appFolder = std::filesystem::absolute(app.system.appFolder, ec);
  }

  PrepareWindow(app);                                       // steps 1-6
  s = DefaultSettings(false);
  MainProgramDefaults(s);                                   // steps 7, 10
  GoToAppFolder(app.desktop);
  SetLocationConsts(app);                                   // step 8
  if (!chkZIP(app, false)) return;                          // step 9

  ConfigContext context{app.system.appFolder, app.system.screen.width};  // step 11
  const ConfigResult config = LoadConfig(app.system.codePage, context, s);
  app.system.configFound = config.file != ReadStatus::Missing;
  if (config.illegal) {
    PrintLine(*z.form, IllegalKeywordText(config));
    NewLines(*z.form, 1);
    app.Trace("illegal keyword in the initialisation file: " + config.key + ": stop");
    StopAndWait(app);
    return;
  }
  LoadWindowPositions(app);                                 // step 12

  if (!s.logFile.empty()) {                                 // step 13
    z.menuRestart->setVisible(true);
    z.menuRestart->setEnabled(true);
  }
  app.system.japanese = s.jpn;
  if (app.system.japanese) {                                // step 14
    ChooseInterfaceFont(app);
    z.cmdEnd->setFontName(app.system.interfaceFont);
    z.cmdEnd->setCaption(Str(texts::End.ja));
  }
  if (!chkPrevInstance(app, false)) return;                 // step 15
  if (s.link == "uk") z.menuLink[1]->setCaption(Str(texts::LinkUk));  // step 16
  app.flags.boardMode = BoardModeOf(s.biddingBoardMode);                 // step 17

  if (app.system.japanese) {                                // step 18
    ApplyJapaneseFileNames(s);
    if (!TestOSjp(app)) {
      app.system.japanese = false;
      z.cmdEnd->setCaption(Str(texts::End.en));
    }
  }
  z.form->printState().japanese = app.system.japanese;

  LoadAlertList(app);                                // step 19
  if (!s.myYahooIds.empty() && CharCount(s.myYahooIds.front()) >= 2)
    z.menuSeat[4]->setChecked(true);
  z.menuAlertPlayer->setEnabled(true);
  SetMenuChecks(app);

  if (s.reducedWidth != 0 && app.system.screen.width >= kWideScreen) s.reducedWidth = 0;  // 20
  ApplyBackColors(app);

  if (!app.system.configFound) AbsentINIfile(app);          // step 21
  EnsureFolder(PathToUtf8(WorkFolderOf(app.system.appFolder)));
  // Temporary files of a write that a crash cut short; only this copy writes the folder.
  RemoveStaleTempFiles(WorkFolderOf(app.system.appFolder));

  if (!app.loop.restarted) {                                // step 22
    BuildGlyphTables(app);
    BuildCardFaceWindows(app);
  }
  if (s.debugWindow) {                                      // step 23
    z.cntBidLoc->setVisible(true);
    z.cntBid->setVisible(true);
    z.cntPlayer->setVisible(true);
  }
  if (app.system.japanese) ApplyJapaneseTexts(app);         // step 24
  PrepareWorkFileList(app);                          // step 25

  if (s.autoCaptHand) {                                     // step 26
    s.autoCaptHand = false;
    cmdHand_MouseDown(app, MouseButton::Right);
  }
  if (s.autoCaptBid) {
    s.autoCaptBid = false;
    cmdBid_MouseDown(app, MouseButton::Right);
    BeginDeal(app);
  }

  for (Label* l : z.Lbl) l->setVisible(true);               // step 27
  z.cmdDelFiles->setVisible(true);
  z.fraCapture->setVisible(true);
  z.cmdEnd->setVisible(true);
  SetToolTipTextPlNames(app);
  app.loop.TimerInterval = 500;
  z.Timer1->setEnabled(true);
  app.Trace("started in " + PathToUtf8(app.system.appFolder));
}

void ApplyJapaneseTexts(App& app) {
  FrmZ& z = app.frmZ;
  Form& form = *z.form;
  const std::string font = app.system.interfaceFont;
  form.setCaption(Str(texts::WindowCaption.ja) + Str(texts::Version));
  app.system.normalCaption = form.caption();
  ApplyControlTexts(form, true, font);
  if (app.system.meiryo) z.cmdDelFiles->setCaption(Str(texts::DelFilesMeiryo));
  z.menuCapture->setCaption(Str(texts::MenuCapture.ja));
  z.menuBid->setCaption(Str(texts::MenuBid.ja));
  z.menuHand->setCaption(Str(texts::MenuHand.ja));
  z.menuSoundAlert->setCaption(Str(texts::MenuSoundAlert.ja));
  z.menuSuicideTable->setCaption(Str(texts::MenuSuicideTable.ja));
  z.menuDNilPassTable->setCaption(Str(texts::MenuDNilPassTable.ja));
  z.menuCanDNilBid->setCaption(Str(texts::MenuCanDNilBid.ja));
  z.menuSomeBidNil->setCaption(Str(texts::MenuSomeBidNil.ja));
  z.menuFailNil->setCaption(Str(texts::MenuFailNil.ja));
  z.menuMySeat->setCaption(Str(texts::MenuMySeat.ja));
  z.menuSeat[4]->setCaption(Str(texts::MenuSeatAuto.ja));
  z.menuAlertPlayer->setCaption(Str(texts::MenuAlertPlayer.ja));
  z.menuRestart->setCaption(Str(texts::MenuRestart.ja));
  z.menu_Link->setCaption(Str(texts::MenuLink.ja));
}

}  // namespace scorlet::companion
