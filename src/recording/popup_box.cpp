#include "recording/popup_box.h"

namespace korvix {

void PopupBox::AttachTo(MessageSink& sink) {
  sink.SetPopupCloser([this] { Close(); });
}

bool PopupBox::Show(const std::string& title, const std::string& message, const std::string& helptopic, bool sticky) {
  if (m_open && m_sticky) return false;
  Close();
  m_title = title;
  m_message = message;
  m_helptopic = helptopic;
  m_sticky = sticky ? 1 : 0;
  m_window.Create(m_title, m_message, m_helptopic);
  m_open = 1;
  return true;
}

void PopupBox::Close() {
  if (!m_open) return;
  m_window.Destroy();
  OnClosedByUser();
}

void PopupBox::OnClosedByUser() {
  m_open = 0;
  m_sticky = 0;
}

void PopupBox::OnHaltPressed() {
  Close();
  if (m_halt) m_halt();
}

}  // namespace korvix
