#include "companion/main/Program.h"

#include "companion/main/MainLoop.h"

namespace scorlet::companion {

bool Companion::Start() {
  m_app.frmZ = CreateFrmZ(m_app.forms);
  WireFrmZEvents(m_app);
  Form_Load(m_app);
  if (m_app.loop.ended) return false;
  m_app.frmZ.form->setVisible(true);
  return true;
}

int Companion::Run() {
  if (m_app.loop.ended) return m_app.loop.endCode;
  const int code = m_app.forms.run();
  return m_app.loop.ended ? m_app.loop.endCode : code;
}

}  // namespace scorlet::companion
