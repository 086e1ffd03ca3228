#include "ui/editor_pass_wait.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace korvix {

QSocketNotifier* QtPassWait::PortNotifier() {
  const int descriptor = m_link.ReadsWhileHeld() ? m_link.PortDescriptor() : -1;
  if (descriptor < 0) {
    m_notifier.reset();
  } else if (!m_notifier || m_notifier->socket() != descriptor) {
    m_notifier = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
  }
  return m_notifier.get();
}

void QtPassWait::WaitMessage() {
  QSocketNotifier* notifier = PortNotifier();
  if (notifier) notifier->setEnabled(true);
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  // Unread bytes keep the descriptor readable: left on, the notifier would
  // spin every other event loop, a message box's among them.
  if (notifier) notifier->setEnabled(false);
}

}  // namespace korvix
