// Faults a test injects into the table's windows (closing a small window is CloseSubWindow).
#include "tableclient/window/Languages.h"
#include "tableclient/window/TableClient.h"
#include "tableclient/window/WindowHelpers.h"

namespace scorlet::table {

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

}  // namespace scorlet::table
