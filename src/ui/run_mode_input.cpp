#include "ui/run_mode_input.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/korvix_view.h"

namespace korvix {
namespace {

Point PointOf(const QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  return {at.x(), at.y()};
}

}  // namespace

bool CRunModeInput::OnKey(QEvent* event) {
  const auto* key = static_cast<QKeyEvent*>(event);
  char c = 0;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: c = '\r'; break;
    case Qt::Key_Escape: c = '\x1b'; break;
    case Qt::Key_Backspace: c = '\b'; break;
    default: {
      const QByteArray text = key->text().toLatin1();
      if (text.size() != 1) return false;
      c = text[0];
    }
  }
  return m_controls.OnCharacter(c);
}

bool CRunModeInput::OnViewEvent(QEvent* event) {
  if (!m_running()) {
    m_leftdown = false;
    return false;
  }
  bool used = false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) return false;
      const QRect client = m_view.viewport()->rect();
      m_leftdown = true;
      used = m_controls.OnLeftButtonDown(PointOf(mouse),
                                         Rect{client.left(), client.top(), client.right() + 1, client.bottom() + 1});
      break;
    }
    case QEvent::MouseMove:
      if (!m_leftdown) return false;
      used = m_controls.OnMouseMove(PointOf(static_cast<QMouseEvent*>(event)));
      break;
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton || !m_leftdown) return false;
      m_leftdown = false;
      used = m_controls.OnLeftButtonUp(PointOf(mouse));
      break;
    }
    case QEvent::KeyPress: used = OnKey(event); break;
    default: return false;
  }
  if (used) m_view.viewport()->update();
  return used;
}

}  // namespace korvix
