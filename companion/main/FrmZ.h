// The main window frmZ: its controls and menus, created once per run. The form and the
// controls belong to the Forms layer; this record only points at them.
#pragma once

#include <array>
#include <string>

#include "platform/Forms.h"

namespace scorlet::companion {

struct FrmZ {
  Form* form = nullptr;

  Button* cmdScore = nullptr;
  Button* cmdAlertNone = nullptr;
  PictureBox* remBox = nullptr;
  Button* cmdTimer = nullptr;
  Button* cmdDEL = nullptr;
  Button* cmdUndo = nullptr;
  ListBox* filBox = nullptr;
  Timer* Timer1 = nullptr;
  Frame* fraCapture = nullptr;
  Button* cmdHand = nullptr;
  Button* cmdBid = nullptr;
  Button* cmdDelFiles = nullptr;
  Button* cmdEnd = nullptr;
  Label* SumBid = nullptr;
  std::array<Label*, 4> plName{};
  Label* AlertName = nullptr;
  std::array<Label*, 4> Label1{};
  Label* cntPlayer = nullptr;
  Label* Msgbox = nullptr;
  Label* BoxStat = nullptr;
  Label* cntBid = nullptr;
  Label* cntBidLoc = nullptr;
  Label* MyRating = nullptr;
  std::array<Label*, 4> Lbl{};
  Frame* frameBOX = nullptr;  // the remaining-cards box outline
  Label* Line1 = nullptr;     // decorations
  Label* Bline = nullptr;
  Frame* Bbox = nullptr;

  MenuItem* menuCapture = nullptr;
  MenuItem* menuBid = nullptr;
  MenuItem* menuHand = nullptr;
  MenuItem* menuSoundAlert = nullptr;
  MenuItem* menuSuicideTable = nullptr;
  MenuItem* menuDNilPassTable = nullptr;
  MenuItem* menuCanDNilBid = nullptr;
  MenuItem* menuSomeBidNil = nullptr;
  MenuItem* menuFailNil = nullptr;
  MenuItem* menuMySeat = nullptr;
  std::array<MenuItem*, 5> menuSeat{};    // North, East, South, West, Auto
  MenuItem* menuAlertPlayer = nullptr;
  std::array<MenuItem*, 4> menuPlayer{};
  MenuItem* menuRestart = nullptr;
  MenuItem* menu_Link = nullptr;
  std::array<MenuItem*, 4> menuLink{};    // items 1 to 3

  // Where the drawing area of the main window starts (below cmdEnd).
  int drawTop = 0;
  // Where printed messages start (below the score lines, above the compass).
  int printTop = 0;
};

// Client size of the main window as designed.
inline constexpr int FrmZWidth = 400;
inline constexpr int FrmZHeight = 600;
inline constexpr const char* FrmZName = "frmZ";

// Colours of the capture buttons and of the light-blue buttons.
inline constexpr Color ArmedColor = 0x80FF;     // orange
inline constexpr Color LightBlue = 0xFFC0C0;
inline constexpr Color DesignBackColor = 0xC0E0C0;  // the main window's design colour
inline constexpr Color AlertMarkColor = 255;    // pure red

// The captions and tooltips of the controls in one language (a text missing in it is left as
// it is); a caption set also gets the font, when one is given.
void ApplyControlTexts(Form& form, bool japanese, const std::string& font);

// Creates the form with every control and menu at its design place, with the English design
// captions; the caller wires the events.
FrmZ CreateFrmZ(Forms& forms);

}  // namespace scorlet::companion
