#include "ui/waiting_message_sink.h"

#include <QMetaObject>

namespace korvix {

void WaitingMessageSink::Cancel() {
  std::shared_ptr<Waiting> waiting;
  {
    const std::lock_guard lock(m_mutex);
    m_cancel = true;
    waiting = m_current;
  }
  if (!waiting) return;
  const std::lock_guard lock(waiting->mutex);
  waiting->done = true;
  waiting->answered.notify_all();
}

MessageResult WaitingMessageSink::Present(const std::string& caption, const std::string& text, MessageIcon icon,
                                          MessageButtons buttons) {
  auto waiting = std::make_shared<Waiting>();
  {
    const std::lock_guard lock(m_mutex);
    if (m_cancel || !m_receiver) return MessageResult::Ok;
    m_current = waiting;
  }
  MessageSink* target = &m_target;
  QMetaObject::invokeMethod(
      m_receiver.data(),
      [target, waiting, caption, text, icon, buttons] {
        {
          const std::lock_guard lock(waiting->mutex);
          if (waiting->done) return;
        }
        const MessageResult result = target->Show(caption, text, icon, buttons);
        const std::lock_guard lock(waiting->mutex);
        waiting->result = result;
        waiting->done = true;
        waiting->answered.notify_all();
      },
      Qt::QueuedConnection);
  std::unique_lock lock(waiting->mutex);
  waiting->answered.wait(lock, [&] { return waiting->done; });
  const MessageResult result = waiting->result;
  lock.unlock();
  const std::lock_guard guard(m_mutex);
  if (m_current == waiting) m_current.reset();
  return result;
}

}  // namespace korvix
