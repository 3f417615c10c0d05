// The live card displays and the windows that hold them: the strip window frmP composed at
// start-up, the card-play window frmCardPlay, the remaining-cards box and its mirror frmMyBOX,
// the shown cards of the main window. The counters and the score window are not built here.
#include <algorithm>
#include <string>
#include <string_view>

#include "companion/main/App.h"
#include "companion/record/LiveCards.h"
#include "companion/record/LiveScoreLines.h"
#include "companion/record/Record.h"
#include "gamedata/CardFace.h"

namespace scorlet::companion {

namespace {

constexpr int FacePictureHeight = CardFaceMaxRows;
constexpr int OverlayTop = FacePictureHeight;  // the overlay digits below the font
const Font OverlayFont{"Arial", 11, true};
constexpr Color OverlayBidColor = Rgb(0, 0, 160);
constexpr Color OverlayTrickColor = Rgb(160, 0, 0);

constexpr int GridLineHeight = 8;
constexpr Size CardPlaySize{TrickColumnX(12, 4) + CardColumnWidth + 4, 96};
constexpr Size MyBoxSize{172, 111};


// Composes the bid and trick digits of the seat overlays in frmP's canvas, below the font, and
// reads them back as the overlay strip.
OverlayStrip DrawOverlayStrip(Canvas& canvas) {
  OverlayStrip strip;
  const int w = strip.W;
  const int h = strip.H;
  const Rect area{0, OverlayTop, 15 * w, OverlayTop + 5 * h};
  canvas.fillRect(area, Colors::White);
  for (int d = 0; d < 10; ++d) {
    const std::string digit = std::to_string(d);
    canvas.drawText({d * w + 1, OverlayTop + 3 * h}, digit, OverlayFont, OverlayBidColor);
    canvas.drawText({d * w + 1, OverlayTop + 4 * h + 1}, digit, OverlayFont, OverlayTrickColor);
  }
  canvas.drawText({10 * w + 1, OverlayTop + 3 * h}, "D", OverlayFont, OverlayBidColor);
  canvas.drawText({11 * w + 1, OverlayTop + 3 * h}, "N", OverlayFont, OverlayBidColor);
  canvas.drawText({12 * w + w / 2, OverlayTop + 3 * h}, "[", OverlayFont, Colors::Black);
  canvas.drawText({13 * w + w / 2, OverlayTop + 3 * h}, "]", OverlayFont, Colors::Black);
  strip.picture = canvas.readImage(area);
  return strip;
}

Color CardBackground(const App& app) { return app.settings.backColor2; }

// The card-play window's form, set up the first time it is drawn.
Form& CardPlayForm(App& app) {
  HelperWindow& w = app.windows.cardPlay;
  const bool fresh = w.form == nullptr || !w.form->loaded();
  Form& form = LoadHelper(app.forms, w);
  if (fresh || form.clientSize() != CardPlaySize) {
    form.setCaption("Card Play");
    form.setBorderStyle(BorderStyle::ToolWindow);
    WindowPos pos = app.game.SavedPositions[PlaceCardPlay];
    if (!pos.used()) pos = app.settings.countCardsPos;
    form.setBounds(Rect{pos.x, pos.y, pos.x + CardPlaySize.width, pos.y + CardPlaySize.height});
    form.setClientSize(CardPlaySize);
  }
  return form;
}

void ToggleTopWindow(App& app) {
  const WindowHandle main = app.frmZ.form->handle();
  const WindowHandle table = app.game.TableWindow;
  const bool mainOnTop = app.desktop.isTopmost(main);
  app.desktop.setTopmost(main, !mainOnTop);
  if (table != 0) app.desktop.setTopmost(table, mainOnTop);
}

constexpr std::string_view MyBoxCaption = "Remaining Cards";

// The mirror of the remaining-cards box, set up when it is first drawn.
Form* MyBoxForm(App& app) {
  HelperWindow& w = app.windows.myBox;
  if (!w.loaded() && !app.settings.remainingCardsPos.used()) return nullptr;
  // Taking over a table loads the form (hidden) already; it is set up and put in its configured
  // place the first time it is drawn, which its caption tells.
  const bool setUp = w.form != nullptr && w.form->loaded() && w.form->caption() == MyBoxCaption;
  Form& form = LoadHelper(app.forms, w);
  if (!setUp) {
    const WindowPos pos = app.settings.remainingCardsPos;
    form.setCaption(std::string(MyBoxCaption));
    form.setBorderStyle(BorderStyle::None);
    form.setBounds(Rect{pos.x, pos.y, pos.x + MyBoxSize.width, pos.y + MyBoxSize.height});
    form.setClientSize(MyBoxSize);
    form.setToolTip(std::string(MyBoxCaption));
    form.onClick = [&app] { ToggleTopWindow(app); };
  }
  return &form;
}

// The mirror shows each suit's mark and its remaining cards with the hand drawer.
void DrawMyBox(App& app) {
  Form* form = MyBoxForm(app);
  if (form == nullptr) return;
  Canvas& canvas = form->canvas();
  canvas.clear(app.BackColor());
  const int line = canvas.textHeight(HandFont) + 2;
  const int cw = canvas.textWidth("A", HandFont);
  const RemainingCards& rem = app.record.cards.remaining;
  for (int i = 0; i < 4; ++i) {
    const int suit = 3 - i;
    const int y = 4 + i * line;
    const int left = dspSuitMarkH(canvas, {4, y}, suit, HandFont) + cw / 2;
    for (int r = MaxRank; r >= MinRank; --r)
      if (!rem.played[static_cast<std::size_t>(suit)][static_cast<std::size_t>(r - 2)])
        dspCardH(canvas, {left + (MaxRank - r) * cw, y}, suit * 100 + r, HandFont, false);
  }
  if (!form->visible()) ShowHelper(app.windows.myBox, true);
}

}  // namespace

Point HandBlockPlace(int position) {
  // Around the compass at the foot of the main window: partner and right-hand opponent above,
  // left-hand opponent and the user below.
  switch (position & 3) {
    case 2: return {4, 486};
    case 3: return {254, 486};
    case 1: return {4, 540};
    default: return {254, 540};
  }
}

void BuildCardFaceWindows(App& app) {
  CardDisplayState& c = app.record.cards;
  if (c.frmP == nullptr || !c.frmP->loaded()) c.frmP = &app.forms.createForm("frmP");
  Form& frmP = *c.frmP;
  frmP.setVisible(false);
  frmP.setClientSize({2 * CardFaceCopyX, OverlayTop + 5 * 21});
  Canvas& canvas = frmP.canvas();
  canvas.clear(Colors::White);
  c.face = DrawCardFace(CardBackground(app));
  canvas.drawImage({0, 0}, c.face.picture);
  c.strip = BuildCardStrip(c.face, CardBackground(app));
  c.overlay = DrawOverlayStrip(canvas);
}

void CloseCardFaceWindows(App& app) {
  CardDisplayState& c = app.record.cards;
  if (c.frmP != nullptr && c.frmP->loaded()) c.frmP->close();
  c.frmP = nullptr;
  UnloadHelper(app.windows.cardPlay);
  UnloadHelper(app.windows.myBox);
}

void ResetLiveCards(App& app) {
  CardDisplayState& c = app.record.cards;
  c.live = {};
  c.tricksNotSeen = 0;
  c.shown = {};
  c.exhausted = {};
  c.remaining = {};
  c.firstBidder = -1;
}

void MarkCardPlayNewDeal(App& app) {
  ResetLiveCards(app);
  if (app.windows.cardPlay.loaded()) {
    Form& form = CardPlayForm(app);
    form.canvas().clear(CardBackground(app));
  }
}

void HideCardPlay(App& app) { HideHelper(app.windows.cardPlay); }

void HideMyBox(App& app) { HideHelper(app.windows.myBox); }

void spdShow_AllCards(App& app) {
  FrmZ& z = app.frmZ;
  app.record.cards.remaining = {};
  z.remBox->setToolTip("Remaining Cards");
  z.remBox->setVisible(true);
  z.frameBOX->setVisible(true);
  DrawRemaining(z.remBox->canvas(), app.record.cards.remaining, app.BackColor());
  DrawMyBox(app);
}

void RemovePlayedCard(App& app, int suit, int rank) {
  if (suit < 0 || suit > 3 || rank < MinRank || rank > MaxRank) return;
  bool& played = app.record.cards.remaining.played[static_cast<std::size_t>(suit)]
                                                  [static_cast<std::size_t>(rank - 2)];
  if (played) return;
  played = true;
  BlankRemaining(app.frmZ.remBox->canvas(), suit, rank, app.BackColor());
  if (app.windows.myBox.loaded()) DrawMyBox(app);
}

void RecordLiveTrick(App& app, int index, const TrickSeen& trick,
                     const std::array<std::array<bool, 4>, 4>& voids) {
  if (index < 0 || index >= TrickCount) return;
  CardDisplayState& c = app.record.cards;
  // Tricks of one deal come in order; a trick at or before the last one shown starts a deal.
  if (index < c.live.tricksSeen) ResetLiveCards(app);
  if (c.live.tricksSeen == 0) spdShow_AllCards(app);
  auto& row = c.live.cards[static_cast<std::size_t>(index)];
  for (std::size_t p = 0; p < 4; ++p) {
    const int code = trick.codes[p];
    row[p] = {code, static_cast<int>(p) == trick.leader ? 1 : 0,
              static_cast<int>(p) == trick.winner ? 1 : 0};
    if (!IsCardCode(code)) continue;
    AddShownCard(c.shown, static_cast<int>(p), code);
    RemovePlayedCard(app, SuitOf(code), RankOf(code));
    for (std::size_t s = 0; s < 4; ++s)
      if (voids[p][s] && c.shown[p][s].voidFlag == 0) c.shown[p][s].voidFlag = 1;
  }
  c.live.tricksSeen = index + 1;
  Show_4Hands(app);
  if (app.settings.countCards) ShowCardPlay(app);
}

void MarkLiveTrickNotSeen(App& app, int index) {
  if (index < 0 || index >= TrickCount) return;
  CardDisplayState& c = app.record.cards;
  if (index < c.live.tricksSeen) ResetLiveCards(app);
  if (c.live.tricksSeen == 0) spdShow_AllCards(app);
  c.live.cards[static_cast<std::size_t>(index)] = {};
  c.live.tricksSeen = index + 1;
  ++c.tricksNotSeen;
  Show_4Hands(app);
  if (app.settings.countCards) ShowCardPlay(app);
}

void ShowCardPlay(App& app) {
  CardDisplayState& c = app.record.cards;
  Form& form = CardPlayForm(app);
  Canvas& canvas = form.canvas();
  canvas.clear(CardBackground(app));
  DrawPlayGrid(canvas, c.strip, PlayGridOfLive(c.live), {4, 2}, GridLineHeight);
  if (!form.visible()) ShowHelper(app.windows.cardPlay, true);
}

void Show_4Hands(App& app) {
  CardDisplayState& c = app.record.cards;
  c.exhausted = FindShortSuits(c.shown, c.tricksNotSeen == 0);
  Canvas& canvas = app.frmZ.form->canvas();
  Font font = HandFont;
  font.size = 8;
  for (int p = 0; p < 4; ++p)
    DrawHandBlock(canvas, HandBlockPlace(p), ShownBlock(c.shown, c.exhausted, p), font,
                  app.BackColor(), HandBlockWidth);
  ShowLiveScoreLines(app);
}

}  // namespace scorlet::companion
