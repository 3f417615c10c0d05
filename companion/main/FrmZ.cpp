#include "companion/main/FrmZ.h"

#include "common/Notation.h"
#include "companion/main/Texts.h"

namespace scorlet::companion {

namespace {

Rect At(int x, int y, int w, int h) { return Rect{x, y, x + w, y + h}; }

Button& AddButton(Form& form, const char* name, const std::string& caption, Rect place) {
  Button& b = form.addButton(name);
  b.setCaption(caption);
  b.setBounds(place);
  return b;
}

Label& AddLabel(Form& form, const std::string& name, const std::string& caption, Rect place) {
  Label& l = form.addLabel(name);
  l.setCaption(caption);
  l.setBounds(place);
  return l;
}

void AddMenus(Form& form, FrmZ& z) {
  using namespace texts;
  z.menuCapture = &form.addMenu("menuCapture", std::string(MenuCapture.en));
  z.menuBid = &z.menuCapture->addItem("menuBid", std::string(MenuBid.en));
  z.menuHand = &z.menuCapture->addItem("menuHand", std::string(MenuHand.en));

  z.menuSoundAlert = &form.addMenu("menuSoundAlert", std::string(MenuSoundAlert.en));
  z.menuSuicideTable =
      &z.menuSoundAlert->addItem("menuSuicideTable", std::string(MenuSuicideTable.en));
  z.menuDNilPassTable =
      &z.menuSoundAlert->addItem("menuDNilPassTable", std::string(MenuDNilPassTable.en));
  z.menuCanDNilBid = &z.menuSoundAlert->addItem("menuCanDNilBid", std::string(MenuCanDNilBid.en));
  z.menuSomeBidNil = &z.menuSoundAlert->addItem("menuSomeBidNil", std::string(MenuSomeBidNil.en));
  z.menuFailNil = &z.menuSoundAlert->addItem("menuFailNil", std::string(MenuFailNil.en));

  z.menuMySeat = &form.addMenu("menuMySeat", std::string(MenuMySeat.en));
  for (int i = 0; i < 4; ++i) {
    z.menuSeat[static_cast<std::size_t>(i)] =
        &z.menuMySeat->addItem("menuSeat" + std::to_string(i), std::string(SeatNames[i]));
  }
  z.menuSeat[4] = &z.menuMySeat->addItem("menuSeat4", std::string(MenuSeatAuto.en));

  z.menuAlertPlayer = &form.addMenu("menuAlertPlayer", std::string(MenuAlertPlayer.en));
  for (int i = 0; i < 4; ++i) {
    z.menuPlayer[static_cast<std::size_t>(i)] =
        &z.menuAlertPlayer->addItem("menuPlayer" + std::to_string(i), std::string(SeatNames[i]));
  }

  z.menuRestart = &form.addMenu("menuRestart", std::string(MenuRestart.en));
  z.menuRestart->setVisible(false);
  z.menuRestart->setEnabled(false);

  z.menu_Link = &form.addMenu("menu_Link", std::string(MenuLink.en));
  z.menuLink[1] = &z.menu_Link->addItem("menuLink1", std::string(LinkUsa));
  z.menuLink[2] = &z.menu_Link->addItem("menuLink2", std::string(LinkAssociation));
  z.menuLink[3] = &z.menu_Link->addItem("menuLink3", std::string(LinkHelp));
}

}  // namespace

void ApplyControlTexts(Form& form, bool japanese, const std::string& font) {
  for (const ControlTexts& t : FrmZControlTexts) {
    const std::string_view caption = japanese ? t.caption.ja : t.caption.en;
    const std::string_view tooltip = japanese ? t.tooltip.ja : t.tooltip.en;
    for (const auto& c : form.controls()) {
      if (!IsControlOf(t.control, c->name())) continue;
      if (!caption.empty()) {
        c->setCaption(std::string(caption));
        if (!font.empty()) c->setFontName(font);
      }
      if (!tooltip.empty()) c->setToolTip(std::string(tooltip));
    }
  }
}

FrmZ CreateFrmZ(Forms& forms) {
  FrmZ z;
  Form& form = forms.createForm(FrmZName);
  z.form = &form;
  form.setBorderStyle(BorderStyle::Sizable);
  form.setCaption(std::string(texts::ProgramName) + std::string(texts::Version));
  form.setBackColor(DesignBackColor);

  // Top row: score button, alert button and name, rating.
  z.cmdScore = &AddButton(form, "cmdScore", std::string(texts::ShowScore), At(4, 4, 86, 24));
  z.cmdAlertNone = &AddButton(form, "cmdAlertNone", "", At(94, 4, 86, 24));
  z.AlertName = &AddLabel(form, "AlertName", "", At(184, 8, 140, 18));
  z.MyRating = &AddLabel(form, "MyRating", "", At(330, 8, 64, 18));
  z.MyRating->setAlignment(Alignment::Right);

  // Capture frame with the two capture buttons; pause and the debug counters beside it.
  z.fraCapture = &form.addFrame("fraCapture");
  z.fraCapture->setBounds(At(4, 32, 132, 50));
  z.cmdBid = &AddButton(form, "cmdBid", "", At(10, 50, 58, 26));
  z.cmdHand = &AddButton(form, "cmdHand", "", At(72, 50, 58, 26));
  z.cmdTimer = &AddButton(form, "cmdTimer", "", At(142, 50, 62, 26));
  z.cntPlayer = &AddLabel(form, "cntPlayer", "0", At(210, 54, 28, 18));
  z.cntBid = &AddLabel(form, "cntBid", "0", At(240, 54, 28, 18));
  z.cntBidLoc = &AddLabel(form, "cntBidLoc", "0", At(270, 54, 28, 18));
  z.BoxStat = &AddLabel(form, "BoxStat", "BOX", At(330, 54, 64, 18));

  // Work files and the remaining-cards box.
  z.filBox = &form.addListBox("filBox");
  z.filBox->setBounds(At(4, 88, 150, 132));
  z.cmdDEL = &AddButton(form, "cmdDEL", "", At(158, 88, 52, 24));
  z.cmdUndo = &AddButton(form, "cmdUndo", "", At(158, 116, 52, 24));
  z.frameBOX = &form.addFrame("frameBOX");
  z.frameBOX->setBounds(At(216, 84, 180, 110));
  z.remBox = &form.addPicture("remBox");
  z.remBox->setBounds(At(220, 98, 172, 92));
  z.Msgbox = &AddLabel(form, "Msgbox", "", At(158, 198, 238, 20));
  z.cmdDelFiles = &AddButton(form, "cmdDelFiles", "", At(4, 226, 150, 24));
  z.cmdEnd = &AddButton(form, "cmdEnd", "", At(158, 226, 60, 24));
  z.drawTop = 226 + 24;

  z.Line1 = &AddLabel(form, "Line1", "", At(4, 256, 392, 1));
  z.Line1->setBackColor(Colors::Black);

  // Score area: seat names across, rows Bids, Tricks, Points, Total.
  static constexpr const char* design[4] = {"West", "South", "East", "North"};
  for (int i = 0; i < 4; ++i) {
    z.plName[static_cast<std::size_t>(i)] = &AddLabel(
        form, "plName" + std::to_string(i), design[i], At(76 + 80 * i, 262, 76, 18));
  }
  static constexpr const char* rows[4] = {"Total", "Points", "Tricks", "Bids"};
  for (int i = 0; i < 4; ++i) {
    z.Label1[static_cast<std::size_t>(i)] =
        &AddLabel(form, "Label1" + std::to_string(i), rows[i], At(4, 342 - 20 * i, 68, 18));
  }
  z.SumBid = &AddLabel(form, "SumBid", "Sum", At(4, 364, 68, 18));
  z.Bline = &AddLabel(form, "Bline", "", At(4, 386, 392, 1));
  z.Bline->setBackColor(Colors::Black);
  z.printTop = z.Bline->bounds().bottom + 6;

  // Compass of the hand display: display position 0 (the user) at the bottom.
  z.Bbox = &form.addFrame("Bbox");
  z.Bbox->setBounds(At(172, 510, 56, 56));
  static constexpr Point compass[4] = {{192, 572}, {150, 530}, {192, 488}, {234, 530}};
  for (int i = 0; i < 4; ++i) {
    const Point p = compass[i];
    Label& l = AddLabel(form, "Lbl" + std::to_string(i), std::string(SeatLabel(i)),
                        At(p.x, p.y, 16, 18));
    l.setAlignment(Alignment::Center);
    z.Lbl[static_cast<std::size_t>(i)] = &l;
  }

  z.Timer1 = &form.addTimer("Timer1");
  z.Timer1->setInterval(500);  // the first tick on line sets TimerInterval again

  AddMenus(form, z);
  form.setBounds(At(0, 0, FrmZWidth, FrmZHeight));
  form.setClientSize({FrmZWidth, FrmZHeight});  // with the menu bar in place
  ApplyControlTexts(form, false, "");
  z.cmdScore->setCaption(std::string(texts::ShowScore));

  // Shown as start-up proceeds.
  for (Control* c : std::initializer_list<Control*>{
           z.cmdScore, z.cmdAlertNone, z.AlertName, z.cmdTimer, z.cntPlayer, z.cntBid,
           z.cntBidLoc, z.BoxStat, z.Msgbox, z.remBox, z.frameBOX, z.cmdDelFiles, z.fraCapture}) {
    c->setVisible(false);
  }
  for (Label* l : z.Lbl) l->setVisible(false);
  return z;
}

}  // namespace scorlet::companion
