// The windows of the table: making them, opening the small ones, closing them all.
#include "platform/Window.h"
#include "tableclient/render/SubViews.h"
#include "tableclient/window/Languages.h"
#include "tableclient/window/TableClient.h"
#include "tableclient/window/WindowHelpers.h"

namespace scorlet::table {

namespace {

constexpr int PlayTimerMs = 50;
constexpr std::array<const char*, 3> SubFormNames{"frmLastTrick", "frmLastHand", "frmScore"};

}  // namespace

void ShowImage(Form& form, const Image& image) {
  const Size size{image.width, image.height};
  if (form.clientSize() != size) form.setClientSize(size);
  form.canvas().drawImage({0, 0}, image);
}

ViewContext TableClient::Context() const {
  ViewContext context;
  context.userSeat = m_options.userSeat;
  context.ratings = m_ratings;
  context.newRatings = m_newRatings;
  context.showNewRatings = m_showNewRatings;
  context.language = m_options.language;
  context.waitingToStart = !m_started;
  return context;
}

bool TableClient::OpenTableWindow() {
  Form& form = m_forms.createForm("frmTable");
  m_table = &form;
  form.setCaption(TableTitle(m_options.language, m_options.tableNumber, m_options.host));
  form.setBorderStyle(BorderStyle::Sizable);
  form.setBounds(m_options.tableRect);
  form.onMouseDown = [this](const MouseEvent& e) {
    if (e.button == MouseButton::Left) ClickTable({e.x, e.y});
  };
  form.onResize = [this] { PaintTable(); };
  form.onUnload = [this, &form] {
    if (m_table != &form) return;
    m_table = nullptr;
    CloseTableWindows();
    if (m_options.quitOnClose) m_forms.quit(0);
  };
  Timer& timer = form.addTimer("tmrPlay");
  timer.onTimer = [this] { Step(); };
  timer.setInterval(PlayTimerMs);
  timer.setEnabled(true);
  form.setVisible(true);
  DrawTable();
  return form.handle() != 0;
}

void TableClient::OpenLobby() {
  Form& form = m_forms.createForm("frmLobby");
  m_lobby = &form;
  form.setCaption(std::string(LobbyTitle));
  form.setBorderStyle(BorderStyle::Sizable);
  form.setBounds({60, 80, 60 + LobbyClient.width, 80 + LobbyClient.height});
  form.onUnload = [this, &form] {
    if (m_lobby == &form) m_lobby = nullptr;
  };
  LobbyScene scene;
  scene.userName = m_options.game.names[static_cast<std::size_t>(m_options.userSeat)];
  scene.tables.push_back("Table " + m_options.tableNumber + " - Host: " + m_options.host);
  ShowImage(form, RenderLobby(scene));
  form.setVisible(true);
}

Form*& TableClient::SubForm(int kind) { return m_subs[SubIndex(kind)]; }

Form* TableClient::FormOfKind(int kind) const {
  if (kind == TableKind) return m_table;
  if (IsSubKind(kind)) return m_subs[SubIndex(kind)];
  if (kind == LobbyKind) return m_lobby;
  return nullptr;
}

void TableClient::PressButton(int kind) {
  if (!m_table || !IsSubKind(kind)) return;
  std::size_t i = SubIndex(kind);
  if (Form* open = m_subs[i]) {
    RestoreWindow(m_desktop, open->handle());
    return;
  }
  if (m_suppressed[i] || m_openPending[i]) return;
  if (m_delayMs[i] > 0) {
    m_openPending[i] = true;
    m_openDue[i] = m_desktop.tickCount() + static_cast<std::uint32_t>(m_delayMs[i]);
    m_delayMs[i] = 0;
    return;
  }
  OpenSubWindow(kind);
}

void TableClient::OpenDueSubWindows() {
  for (int kind = LastTrickKind; kind <= ScoreKind; ++kind) {
    std::size_t i = SubIndex(kind);
    if (!m_openPending[i] || !TimeReached(m_openDue[i])) continue;
    m_openPending[i] = false;
    OpenSubWindow(kind);
  }
}

void TableClient::OpenSubWindow(int kind) {
  Form& form = m_forms.createForm(SubFormNames[SubIndex(kind)]);
  SubForm(kind) = &form;
  form.setCaption(SubWindowTitle(m_options.language, kind, m_options.scoreTitle));
  form.setBorderStyle(BorderStyle::Fixed);
  Point at = m_options.subWindowAt[SubIndex(kind)];
  form.setBounds({at.x, at.y, at.x + 100, at.y + 100});
  form.onUnload = [this, kind, &form] {
    if (SubForm(kind) == &form) SubForm(kind) = nullptr;
  };
  // The score window enlarged from outside shows its rows down to its new bottom edge.
  if (kind == ScoreKind) form.onResize = [this, kind] { PaintSubWindow(kind); };
  DrawSubWindow(kind);
  form.setVisible(true);
}

void TableClient::CloseSubWindow(int kind) {
  if (!IsSubKind(kind)) return;
  if (Form* form = SubForm(kind)) {
    SubForm(kind) = nullptr;
    form->close();
  }
}

void TableClient::CloseTableWindows() {
  for (int kind = LastTrickKind; kind <= ScoreKind; ++kind) CloseSubWindow(kind);
  m_openPending.fill(false);
}

void TableClient::Close() {
  m_reopenPending = false;
  if (m_reopenHolder) m_reopenHolder->close();
  m_reopenHolder = nullptr;
  if (m_table) m_table->close();  // its unload closes the sub-windows
  CloseTableWindows();
  if (m_lobby) m_lobby->close();
  m_table = nullptr;
  m_lobby = nullptr;
}

WindowHandle TableClient::tableWindow() const { return m_table ? m_table->handle() : 0; }

WindowHandle TableClient::subWindow(int kind) const {
  Form* form = IsSubKind(kind) ? m_subs[SubIndex(kind)] : nullptr;
  return form ? form->handle() : 0;
}

Rect TableClient::ButtonRect(int kind) const {
  return IsSubKind(kind) ? m_layout.ToClient(m_layout.ButtonRect(kind)) : Rect{};
}

}  // namespace scorlet::table
