// Painting the table's windows: at once, or late when a slow repaint is asked for.
#include "tableclient/render/SubViews.h"
#include "tableclient/render/TableView.h"
#include "tableclient/window/Languages.h"
#include "tableclient/window/TableClient.h"
#include "tableclient/window/WindowHelpers.h"

namespace scorlet::table {

void TableClient::PaintTable() { RequestPaint(TableKind); }

void TableClient::PaintSubWindow(int kind) {
  if (IsSubKind(kind)) RequestPaint(kind);
}

void TableClient::RequestPaint(int kind) {
  std::size_t i = static_cast<std::size_t>(kind);
  if (m_repaintDelayMs <= 0) return DrawWindow(kind);
  if (m_paintPending[i]) return;
  m_paintPending[i] = true;
  m_paintDue[i] = m_desktop.tickCount() + static_cast<std::uint32_t>(m_repaintDelayMs);
}

void TableClient::DrawDuePaints() {
  for (int kind = TableKind; kind <= ScoreKind; ++kind) {
    std::size_t i = static_cast<std::size_t>(kind);
    if (!m_paintPending[i] || !TimeReached(m_paintDue[i])) continue;
    m_paintPending[i] = false;
    DrawWindow(kind);
  }
}

void TableClient::DrawWindow(int kind) {
  if (kind == TableKind)
    DrawTable();
  else
    DrawSubWindow(kind);
}

// The table keeps whatever size the user or the companion gave it; the layout follows. Its
// positions are whole-window ones, so the frame the desktop gave the window is taken into
// account: the client area starts where the desktop says it does.
void TableClient::DrawTable() {
  if (!m_table) return;
  m_layout = CurrentLayout();
  const Trick* shown = m_trickShown ? m_game.LastTrick() : nullptr;
  TableScene scene = BuildTableScene(m_game, Context(), shown);
  if (m_options.highlightUser) scene.highlightedSeat = 0;
  Image image = RenderTable(scene, m_layout, GameFace(), &m_drawn);
  if (m_glyphDamagePending && DamageGlyphPixel(image)) m_glyphDamagePending = false;
  m_table->canvas().drawImage({0, 0}, image);
}

TableLayout TableClient::CurrentLayout() const {
  const Size client = m_table->clientSize();
  Rect rect;
  Point origin;
  const WindowHandle window = m_table->handle();
  if (window == 0 || !m_desktop.windowRect(window, rect) || !m_desktop.clientOrigin(window, origin))
    return TableLayout::Make({client.width, client.height}, {0, 0}, client, m_options.layoutSeed);
  return TableLayout::Make({rect.width(), rect.height()}, {origin.x - rect.left, origin.y - rect.top},
                           client, m_options.layoutSeed);
}

void TableClient::DrawSubWindow(int kind) {
  Form* form = IsSubKind(kind) ? SubForm(kind) : nullptr;
  if (!form) return;
  if (kind == LastTrickKind) {
    LastTrickScene scene = BuildLastTrickScene(m_game, Context());
    scene.layoutSeed = m_options.layoutSeed;
    ShowImage(*form, RenderLastTrick(scene, GameFace()));
  }
  if (kind == LastHandKind) {
    HandRecord none;
    LastHandScene scene = BuildLastHandScene(m_truths.empty() ? none : m_truths.back());
    scene.language = m_options.language;
    scene.layoutSeed = m_options.layoutSeed;
    ShowImage(*form, RenderLastHand(scene, GameFace()));
  }
  if (kind == ScoreKind) {
    // The window grows with the game and keeps a height it was enlarged to.
    ScoreScene scene = BuildScoreScene(m_game);
    scene.layoutSeed = m_options.layoutSeed;
    scene.minHeight = form->clientSize().height;
    if (m_scoreHeightFixed) scene.fixedHeight = scene.minHeight;
    ShowImage(*form, RenderScore(scene, GameFace()));
  }
}

void TableClient::PaintAll() {
  PaintTable();
  for (int kind = LastTrickKind; kind <= ScoreKind; ++kind) PaintSubWindow(kind);
}

}  // namespace scorlet::table
