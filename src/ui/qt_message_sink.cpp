#include "ui/qt_message_sink.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/latin1.h"

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

}  // namespace

MessageResult QtMessageSink::Present(const std::string& caption, const std::string& text, MessageIcon icon,
                                     MessageButtons buttons) {
  // The Run-Loop goes on behind a modal window the user opened and may
  // report from there; owned by that window, the message stays above it.
  QWidget* owner = QApplication::activeModalWidget();
  if (!owner) owner = m_owner ? m_owner : QApplication::activeWindow();
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
