// Faults the table meets: on request (a test) or at random moments of a deal chosen by the
// fault seed. Each one the table meets is noted against its deal.
#include "tableclient/window/TableFaults.h"

#include <fstream>

#include "tableclient/render/TableView.h"
#include "tableclient/render/TextFace.h"
#include "tableclient/window/Languages.h"
#include "tableclient/window/TableClient.h"
#include "tableclient/window/WindowHelpers.h"

namespace scorlet::table {

namespace {

// Columns the companion's glyph reader may ignore in its masked matching: the three bottom
// rows. A changed pixel lies above them.
constexpr std::uint16_t ReaderMask = 0xFF8;
constexpr int DamageRowFirst = 1;
constexpr int DamageRowLast = 8;
constexpr int DiceSides = 10000;

constexpr std::array<std::string_view, FaultKindCount> FaultNames{
    "a small window closed",
    "a small window closed and opened late",
    "a window moved off the screen",
    "a slow repaint",
    "a glyph that reads \"?\"",
    "the table closed in the middle of the deal",
    "the lobby over the table",
};

constexpr std::array<std::string_view, 5> WindowNames{"table", "last trick", "last hand",
                                                      "score", "lobby"};

bool Ink(const Image& image, int x, int y) {
  return image.contains(x, y) && image.at(x, y) == Colors::Black;
}

std::uint16_t ColumnCode(const Image& image, int x, int top) {
  std::uint16_t code = 0;
  for (int row = 0; row < GlyphFace::GlyphRows; ++row)
    if (Ink(image, x, top + row)) code |= static_cast<std::uint16_t>(1u << (GlyphFace::GlyphRows - 1 - row));
  return code;
}

}  // namespace

std::string_view FaultName(FaultKind kind) {
  const int k = static_cast<int>(kind);
  return k >= 0 && k < FaultKindCount ? FaultNames[static_cast<std::size_t>(k)] : "a fault";
}

std::string DescribeDisturbance(const Disturbance& d) {
  std::string line = "deal " + std::to_string(d.deal) + ": " + std::string(FaultName(d.kind));
  if (d.window >= 0 && d.window < static_cast<int>(WindowNames.size()))
    line += " (" + std::string(WindowNames[static_cast<std::size_t>(d.window)]) + " window)";
  if (d.ms > 0) line += ", " + std::to_string(d.ms) + " ms";
  line += d.moment >= MovesPerDeal ? ", after the deal's end"
                                   : ", after " + std::to_string(d.moment) + " moves";
  return line;
}

void TableClient::CloseTableMidDeal() {
  if (m_table) m_table->close();
}

void TableClient::DelaySubWindow(int kind, int ms) {
  if (IsSubKind(kind)) m_delayMs[SubIndex(kind)] = ms;
}

void TableClient::SuppressSubWindow(int kind, bool on) {
  if (IsSubKind(kind)) m_suppressed[SubIndex(kind)] = on;
}

void TableClient::MoveWindowTo(int kind, Point topLeft) {
  if (Form* form = FormOfKind(kind)) form->move(topLeft.x, topLeft.y);
}

void TableClient::MoveWindowOffScreen(int kind) {
  if (Form* form = FormOfKind(kind)) MoveWindowTo(kind, {-form->bounds().width() - 100, form->bounds().top});
}

void TableClient::DamageGlyphOnce() {
  m_glyphDamagePending = true;
  PaintTable();
}

void TableClient::CoverTableWithLobby() {
  if (!m_lobby || !m_table) return;
  if (!m_lobbyOver) m_lobbyHome = m_lobby->bounds();
  m_lobbyOver = true;
  const Rect table = m_table->bounds();
  m_lobby->move(table.left + 20, table.top + 40);
  m_lobby->setTopmost(true);
}

// --- faults at random moments ---

void TableClient::PlanFault() {
  m_faultPlanned = false;
  m_faultDueSet = false;
  if (m_options.faultShare <= 0) return;
  if (m_faultDice.Pick(0, DiceSides - 1, 0) >= static_cast<int>(m_options.faultShare * DiceSides)) return;
  Disturbance& d = m_plannedFault;
  d = Disturbance{};
  d.deal = dealsBegun();
  d.kind = static_cast<FaultKind>(m_faultDice.Pick(0, FaultKindCount - 1, 0));
  // A table closed after the deal's end would close no deal: it comes before.
  d.moment = m_faultDice.Pick(0, d.kind == FaultKind::TableClosed ? MovesPerDeal - 1 : MovesPerDeal, 0);
  switch (d.kind) {
    case FaultKind::SubWindowClosed: d.window = m_faultDice.Pick(LastTrickKind, ScoreKind, 1); break;
    case FaultKind::SubWindowLate:
      d.window = m_faultDice.Pick(LastTrickKind, ScoreKind, 1);
      d.ms = m_faultDice.Pick(1000, 8000, 1000);
      break;
    case FaultKind::WindowOffScreen: d.window = m_faultDice.Pick(TableKind, ScoreKind, 0); break;
    case FaultKind::SlowRepaint: d.ms = m_faultDice.Pick(200, 1500, 200); break;
    case FaultKind::LobbyOverTable: d.window = LobbyKind; break;
    case FaultKind::GlyphUnreadable:
    case FaultKind::TableClosed: break;
  }
  m_faultPlanned = true;
}

// A move of the deal was made (or the deal ended): once the planned moment is reached the fault
// comes a little later, at a time of its own, so it can fall inside the companion's captures.
void TableClient::FaultMomentReached() {
  if (!m_faultPlanned || m_faultDueSet) return;
  const bool over = dealsPlayed() > 0 && m_truthOfDeal.back() != 0;
  if (m_movesThisDeal < m_plannedFault.moment && !over) return;
  if (over) m_plannedFault.moment = std::max(m_plannedFault.moment, m_movesThisDeal);
  const int spread = over ? m_options.dealPauseMs : m_options.actionDelayMs;
  m_faultDue = m_desktop.tickCount() + static_cast<std::uint32_t>(m_faultDice.Pick(0, std::max(0, spread - 1), 0));
  m_faultDueSet = true;
}

void TableClient::InjectDueFault() {
  if (!m_faultPlanned || !m_faultDueSet || !TimeReached(m_faultDue)) return;
  m_faultPlanned = false;
  const Disturbance d = m_plannedFault;
  InjectFault(d.kind, d.window, d.ms);
  if (!m_disturbances.empty()) m_disturbances.back().moment = d.moment;
}

void TableClient::InjectFault(FaultKind kind, int window, int ms) {
  if (!m_table) return;
  Disturbance d;
  d.deal = dealsBegun();
  d.kind = kind;
  d.window = window;
  d.ms = ms;
  d.moment = std::min(m_movesThisDeal, MovesPerDeal);
  if (dealsBegun() > 0 && m_truthOfDeal.back() != 0) d.moment = MovesPerDeal;
  switch (kind) {
    case FaultKind::SubWindowClosed:
      if (!IsSubKind(window) || !SubForm(window)) return;
      CloseSubWindow(window);
      break;
    case FaultKind::SubWindowLate:
      if (!IsSubKind(window) || !SubForm(window)) return;
      CloseSubWindow(window);
      DelaySubWindow(window, ms);
      break;
    case FaultKind::WindowOffScreen:
      if (!FormOfKind(window)) d.window = window = TableKind;
      MoveWindowOffScreen(window);
      break;
    case FaultKind::SlowRepaint:
      d.window = TableKind;
      SetRepaintDelay(ms);
      break;
    case FaultKind::GlyphUnreadable:
      d.window = TableKind;
      DamageGlyphOnce();
      break;
    case FaultKind::LobbyOverTable:
      if (!m_lobby) return;
      d.window = LobbyKind;
      CoverTableWithLobby();
      break;
    case FaultKind::TableClosed: {
      d.window = TableKind;
      NoteDisturbance(d);
      // The deal is abandoned; a new table comes up a while later unless the session is over.
      ++m_abandoned;
      if (m_options.maxDeals > 0 && dealsPlayed() + m_abandoned >= m_options.maxDeals) m_finished = true;
      CloseTableMidDeal();
      if (m_finished) return;
      if (!m_reopenHolder) {
        m_reopenHolder = &m_forms.createForm("frmTableReopen");
        Timer& timer = m_reopenHolder->addTimer("tmrReopen");
        timer.onTimer = [this] {
          if (m_reopenPending && !m_table && TimeReached(m_reopenDue)) ReopenTable();
        };
        timer.setInterval(100);
        timer.setEnabled(true);
      }
      m_reopenPending = true;
      m_reopenDue = m_desktop.tickCount() + static_cast<std::uint32_t>(m_options.reopenDelayMs);
      return;
    }
  }
  NoteDisturbance(d);
}

void TableClient::NoteDisturbance(const Disturbance& d) {
  m_disturbances.push_back(d);
  if (m_options.truthFolder.empty()) return;
  std::error_code ec;
  std::filesystem::create_directories(m_options.truthFolder, ec);
  std::ofstream(m_options.truthFolder / "faults.txt", std::ios::binary | std::ios::app)
      << DescribeDisturbance(d) << "\r\n";
}

// The faults of a deal end with it: the windows are drawn at once again and the lobby goes
// back to where it stood. Windows moved or closed stay as the fault left them.
void TableClient::EndDealFaults() {
  m_faultPlanned = false;
  m_faultDueSet = false;
  if (!m_disturbances.empty() && m_disturbances.back().deal == dealsBegun() &&
      m_disturbances.back().kind == FaultKind::SlowRepaint)
    SetRepaintDelay(0);
  if (m_lobbyOver && m_lobby) {
    m_lobby->setTopmost(false);
    m_lobby->setBounds(m_lobbyHome);
  }
  m_lobbyOver = false;
}

// A new table after the old one closed: another number, a new game at the same seats.
void TableClient::ReopenTable() {
  m_reopenPending = false;
  EndDealFaults();
  m_finishedBeforeGame = dealsPlayed();
  ++m_tablesOpened;
  GameSetup setup = m_options.game;
  setup.seed = m_options.game.seed + static_cast<std::uint32_t>(m_tablesOpened) * 7919u;
  m_game = SpadesGame(setup);
  m_options.tableNumber = std::to_string(std::stoi("0" + m_options.tableNumber) + 1);
  m_ratings = m_options.ratings;
  m_showNewRatings = false;
  m_started = false;
  m_tricksSeen = 0;
  m_trickShown = false;
  m_userPrompted = false;
  m_paintPending.fill(false);
  m_glyphDamagePending = false;
  if (!OpenTableWindow()) return;
  BeginDealLog();
  ScheduleIn(m_options.startDelayMs);
}

// One pixel of one glyph of a bid or trick line, in the glyph's first column and above the
// rows a reader may ignore, such that no glyph of the font begins with the column made: the
// glyph reads "?". False when no line is drawn yet (the damage waits for the next drawing).
bool TableClient::DamageGlyphPixel(Image& image) {
  std::vector<Rect> lines;
  for (const Rect& r : m_drawn.bidLines)
    if (!r.empty()) lines.push_back(m_layout.ToClient(r));
  for (const Rect& r : m_drawn.trickLines)
    if (!r.empty()) lines.push_back(m_layout.ToClient(r));
  if (lines.empty()) return false;
  const Rect line = lines[static_cast<std::size_t>(m_faultDice.Pick(0, static_cast<int>(lines.size()) - 1, 0))];
  std::vector<int> starts;  // first columns of the line's glyphs
  for (int x = line.left; x < line.right; ++x)
    if (ColumnCode(image, x, line.top) != 0 && ColumnCode(image, x - 1, line.top) == 0) starts.push_back(x);
  if (starts.empty()) return false;
  // Half the time the line's last glyph (the value's last digit), else any.
  const int pick = m_faultDice.Pick(0, 1, 0) == 0 ? static_cast<int>(starts.size()) - 1
                                                 : m_faultDice.Pick(0, static_cast<int>(starts.size()) - 1, 0);
  const int x = starts[static_cast<std::size_t>(pick)];
  const std::uint16_t code = ColumnCode(image, x, line.top);
  const int first = m_faultDice.Pick(DamageRowFirst, DamageRowLast, DamageRowFirst);
  for (int k = 0; k <= DamageRowLast - DamageRowFirst; ++k) {
    const int row = DamageRowFirst + (first - DamageRowFirst + k) % (DamageRowLast - DamageRowFirst + 1);
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << (GlyphFace::GlyphRows - 1 - row));
    const std::uint16_t changed = code ^ bit;
    if ((changed & ReaderMask) == 0 || BeginsGameGlyph(changed, ReaderMask)) continue;
    const int y = line.top + row;
    if (!image.contains(x, y)) continue;
    // Ink taken away becomes the blank column's colour beside it.
    const Color blank = image.contains(x - 1, y) ? image.at(x - 1, y) : Colors::White;
    image.set(x, y, (code & bit) != 0 ? blank : Colors::Black);
    return true;
  }
  return false;
}

}  // namespace scorlet::table
