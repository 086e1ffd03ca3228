#include "ui/qt_message_sink.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/latin1.h"
#include "ui/modeless_editor_dialog.h"

namespace korvix {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation:
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// Whether `window` was opened from `over`, or is it.
bool OpenedFrom(const QWidget* window, const QWidget* over) {
  for (; window != nullptr; window = window->parentWidget())
    if (window == over) return true;
  return false;
}

}  // namespace

// A message belongs to the window it is about, and returns the focus to it
// when it is answered. That is the modal window the user opened, as the
// Run-Loop goes on behind it and may report from there; but an editor
// nested in the modal outermost editor is not modal itself, and is the one
// the user works in.
QWidget* QtMessageSink::Owner() const {
  QWidget* modal = QApplication::activeModalWidget();
  QWidget* editor = ModelessEditorDialog::Innermost();
  if (editor != nullptr && (modal == nullptr || OpenedFrom(editor, modal))) return editor;
  if (modal != nullptr) return modal;
  return m_owner ? m_owner : QApplication::activeWindow();
}

MessageResult QtMessageSink::Present(const std::string& caption, const std::string& text, MessageIcon icon,
                                     MessageButtons buttons) {
  QWidget* owner = Owner();
  const bool question = buttons != MessageButtons::Ok;
  QMessageBox box(ToQtIcon(icon), ToQString(caption), ToDisplayText(text),
                  question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
  // Messages carry texts from outside (a server's reply, a file's name, a
  // Script's words): what looks like markup is shown as typed.
  box.setTextFormat(Qt::PlainText);
  if (buttons == MessageButtons::YesNoDefaultNo) box.setDefaultButton(QMessageBox::No);
  const int answer = box.exec();
  if (buttons == MessageButtons::Ok) return MessageResult::Ok;
  return answer == QMessageBox::Yes ? MessageResult::Yes : MessageResult::No;
}

}  // namespace korvix
