#include "companion/main/Layout.h"

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <system_error>

#include "common/CodePage.h"
#include "common/TextUtil.h"
#include "companion/main/Texts.h"
#include "platform/Window.h"

namespace scorlet::companion {

namespace {

// Numbers each line must start with: the screen width, the main window's x and y (its height
// flag may be missing), then x and y of a window.
constexpr std::array<std::size_t, 9> NumbersPerLine{1, 2, 2, 2, 2, 2, 2, 2, 2};

bool IsInteger(std::string_view token) {
  if (!token.empty() && token.front() == '-') token.remove_prefix(1);
  return !token.empty() &&
         std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsBlank(const std::string& line) { return Trim(line).empty(); }

std::filesystem::path PositionFilePath(const App& app) {
  return app.system.appFolder / Utf8Path(app.settings.cfgFile);
}

std::vector<int> Numbers(const std::string& line, std::size_t count) {
  std::vector<int> numbers;
  std::string rest = line;
  for (std::size_t i = 0; i < count; ++i) numbers.push_back(ValToken(rest));
  return numbers;
}

WindowPos Clamp(WindowPos pos, int lowestY) {
  constexpr int Far = 1000;
  constexpr int LowestX = -10;
  if (pos.x > Far) pos.x = 0;
  if (pos.x < LowestX) pos.x = LowestX;
  if (pos.y > Far) pos.y = 0;
  if (pos.y < lowestY) pos.y = lowestY;
  return pos;
}

void PlaceMainWindow(App& app, const std::string& line) {
  Form& form = *app.frmZ.form;
  const Size screen = app.system.screen;
  const std::vector<int> n = Numbers(line, 3);
  const int width = form.bounds().width();
  const int height = n[2] >= 1 ? app.system.mainHeight : DefaultMainHeight;
  int x = n[0];
  int y = n[1];
  if (x < 0 || x + width > screen.width) x = screen.width - width;
  if (y < 0 || y + height > screen.height) y = 0;
  form.setBounds({x, y, x + width, y + height});
}

// Saved positions of lines 3 to 9 of a position file, (0, 0) for lines it lacks.
std::array<WindowPos, PlaceSlots> FilePositions(const std::vector<std::string>& lines) {
  std::array<WindowPos, PlaceSlots> positions{};
  for (std::size_t i = 0; i < PositionFileSlots.size() && i + 2 < lines.size(); ++i) {
    const std::vector<int> n = Numbers(lines[i + 2], 2);
    positions[static_cast<std::size_t>(PositionFileSlots[i])] = {n[0], n[1]};
  }
  return positions;
}

std::string PositionLine(std::initializer_list<int> numbers, std::string_view label) {
  std::string line;
  for (int n : numbers) line += NumText(n) + " ";
  return line + " " + std::string(label);
}

}  // namespace

bool LooksLikePositionFile(const std::vector<std::string>& lines) {
  std::size_t count = lines.size();
  while (count > 0 && IsBlank(lines[count - 1])) --count;
  if (count == 0 || count > NumbersPerLine.size()) return false;
  for (std::size_t i = 0; i < count; ++i) {
    const std::vector<std::string> tokens = ReadTokens(lines[i], NumbersPerLine[i]);
    if (!std::all_of(tokens.begin(), tokens.end(),
                     [](const std::string& t) { return IsInteger(Trim(t)); }))
      return false;
  }
  return true;
}

WindowPos ClampReadPosition(WindowPos pos) { return Clamp(pos, -15); }
WindowPos ClampWrittenPosition(WindowPos pos) { return Clamp(pos, -10); }

void ApplyBuiltInPositions(GameWindowState& game) {
  game.SavedPositions[PlaceCardPlay] = {644, 20};
  game.SavedPositions[PlaceLeftCounter] = {110, 315};
  game.SavedPositions[PlaceRightCounter] = {500, 400};
  game.SavedPositions[KindTable].y = 0;
  game.SavedPositions[KindScore].y = 0;
  game.SavedPositions[KindLastHand].x = 0;
}

void LoadWindowPositions(App& app) {
  GameWindowState& game = app.game;
  ApplyBuiltInPositions(game);
  if (app.settings.cfgFile.empty()) return;
  const std::filesystem::path path = PositionFilePath(app);
  const TextFile file = ReadTextFile(path, app.system.codePage);
  if (file.status != ReadStatus::Ok || file.lines.empty() ||
      std::all_of(file.lines.begin(), file.lines.end(), IsBlank))
    return;
  if (!LooksLikePositionFile(file.lines)) {
    app.Trace("the CFG file is no window-position file; it is left as it is");
    return;
  }
  if (Numbers(file.lines[0], 1)[0] != app.system.screen.width) {
    // Positions saved on another screen size do not fit this one.
    std::error_code ec;
    std::filesystem::remove(path, ec);
    app.Trace("window positions of another screen width discarded");
    return;
  }
  if (file.lines.size() >= 2) PlaceMainWindow(app, file.lines[1]);
  const auto positions = FilePositions(file.lines);
  for (std::size_t i = 0; i < PositionFileSlots.size() && i + 2 < file.lines.size(); ++i) {
    const auto slot = static_cast<std::size_t>(PositionFileSlots[i]);
    game.SavedPositions[slot] = ClampReadPosition(positions[slot]);
  }
}

bool SaveWindowPositions(App& app) {
  if (app.settings.cfgFile.empty()) return false;
  const std::filesystem::path path = PositionFilePath(app);
  const TextFile old = ReadTextFile(path, app.system.codePage);
  const bool holdsText = old.status == ReadStatus::Ok &&
                         !std::all_of(old.lines.begin(), old.lines.end(), IsBlank);
  if (old.status == ReadStatus::Unreadable || (holdsText && !LooksLikePositionFile(old.lines))) {
    app.Trace("the CFG file is no window-position file; window positions not saved");
    return false;
  }
  const auto oldPositions =
      holdsText ? FilePositions(old.lines) : std::array<WindowPos, PlaceSlots>{};

  const Size screen = app.system.screen;
  const Rect main = app.frmZ.form->bounds();
  int mainLeft = main.left;
  if (screen.width < 1000 && main.left < 400) mainLeft = main.left + (screen.width - main.right);

  std::vector<std::string> lines;
  lines.push_back(PositionLine({screen.width}, PositionFileLabels[0]));
  lines.push_back(PositionLine({mainLeft, main.top, main.height()}, PositionFileLabels[1]));
  for (std::size_t i = 0; i < PositionFileSlots.size(); ++i) {
    const auto slot = static_cast<std::size_t>(PositionFileSlots[i]);
    const Rect& r = slot == KindTable ? app.game.TableRect : app.game.WindowRects[slot];
    // A minimised window's parking place is no position to come back to.
    const bool current = r.left + r.top != 0 && r.left > MinimizedPosition;
    const WindowPos pos = ClampWrittenPosition(current ? WindowPos{r.left, r.top}
                                                       : oldPositions[slot]);
    lines.push_back(PositionLine({pos.x, pos.y}, PositionFileLabels[i + 2]));
  }
  return WriteTextFile(path, lines, app.system.codePage);
}

void Form_Resize(App& app) {
  constexpr int CollapsedHeight = 30;
  const Form& form = *app.frmZ.form;
  const bool minimised =
      form.windowState() == WindowState::Minimized || form.bounds().height() < CollapsedHeight;
  if (!minimised) {
    app.loop.busy.MainMinimised = 0;
    RestoreWindow(app.desktop, app.game.TableWindow);
  } else {
    app.loop.busy.MainMinimised = 1;
    MinimizeWindow(app.desktop, app.game.TableWindow);
  }
}

void cmdScore_Click(App& app) {
  Button& button = *app.frmZ.cmdScore;
  const std::string caption = button.caption();
  if (caption == texts::ShowScore) {
    app.settings.topMostScoreWindow = true;
    button.setCaption(std::string(texts::HideScore));
    RestoreWindow(app.desktop, app.game.handle(KindScore));
  } else if (caption == texts::HideScore) {
    app.settings.topMostScoreWindow = false;
    button.setCaption(std::string(texts::ShowScore));
    MinimizeWindow(app.desktop, app.game.handle(KindScore));
  } else if (caption == texts::MinimizeScore) {
    app.loop.busy.MainMinimised = 1;
    MinimizeWindow(app.desktop, app.game.TableWindow);
    app.frmZ.form->setWindowState(WindowState::Minimized);
    RestoreWindow(app.desktop, app.game.listed(app.game.LobbyIndex[LobbyMain]));
  }
}

void UnVisibleAll(App& app) {
  Form& form = *app.frmZ.form;
  for (const auto& control : form.controls())
    if (control.get() != app.frmZ.cmdEnd) control->setVisible(false);
  for (const auto& menu : form.menus()) menu->setVisible(false);
}

void SetLocationConsts(App& app) {
  app.game.HandDiagram[1] = {{{196, 250}, {101, 173}, {196, 100}, {288, 173}}};
  app.game.HandDiagram[2] = {{{192, 347}, {90, 152}, {90, 95}, {302, 152}}};
  app.game.HandDiagram[3] = {{{175, 369}, {120, 135}, {140, 108}, {320, 135}}};
}

}  // namespace scorlet::companion
