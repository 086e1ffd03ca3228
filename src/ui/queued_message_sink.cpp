#include "ui/queued_message_sink.h"

#include <QMetaObject>

namespace korvix {

MessageResult QueuedMessageSink::Present(const std::string& caption, const std::string& text, MessageIcon icon,
                                         MessageButtons buttons) {
  MessageSink* target = &m_target;
  // If the receiver is gone the program is ending and nobody would read it.
  QMetaObject::invokeMethod(
      m_receiver.data(), [target, caption, text, icon, buttons] { target->Show(caption, text, icon, buttons); },
      Qt::QueuedConnection);
  return MessageResult::Ok;
}

}  // namespace korvix
