#include "ui/run_loop_pump.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace korvix {

QtMessagePump::QtMessagePump(Runner runner)
    : m_runner(std::move(runner)), m_ender([] {
        std::fflush(nullptr);
        std::_Exit(0);
      }) {
  QCoreApplication::instance()->installEventFilter(this);
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          &QtMessagePump::OnAboutToBlock);
}

QtMessagePump::~QtMessagePump() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

void QtMessagePump::RunGuarded(const std::function<void()>& body) {
  if (m_guard) return body();
  QEventLoop guard;
  m_guard = &guard;
  m_quitevent = false;
  QTimer::singleShot(0, &guard, [&] {
    body();
    guard.exit(0);
  });
  guard.exec();
  m_guard = nullptr;
}

bool QtMessagePump::QuitSeen() const { return m_quitevent || (m_guard && !m_guard->isRunning()); }

QueuedMessage QtMessagePump::PeekQueuedMessage() {
  if (m_pumped) return QueuedMessage::None;
  return m_paintqueued ? QueuedMessage::Paint : QueuedMessage::Other;
}

bool QtMessagePump::PumpMessage() {
  m_pumped = true;
  m_paintqueued = false;
  Dispatch(QEventLoop::AllEvents);
  return !QuitSeen();
}

void QtMessagePump::PostQuitMessage() {
  QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::Quit));
}

bool QtMessagePump::OnIdle(int) {
  m_pumped = false;
  return false;
}

void QtMessagePump::WaitMessage(uint32_t ms) {
  QTimer wake;
  wake.setSingleShot(true);
  wake.start(static_cast<int>(ms));
  Dispatch(QEventLoop::WaitForMoreEvents);
}

// A loop nested in the dispatch runs a level above it; the dispatch's own
// wait, one level lower, is no window of the user's.
void QtMessagePump::Dispatch(QEventLoop::ProcessEventsFlags flags) {
  const int outer = m_dispatchlevel;
  m_dispatchlevel = QThread::currentThread()->loopLevel();
  QCoreApplication::processEvents(flags);
  m_dispatchlevel = outer;
}

void QtMessagePump::PostRunLoopMessage(RunLoopMessage message) {
  QTimer::singleShot(0, this, [this, message] { m_runner(message); });
}

void QtMessagePump::EndProcess() {
  if (m_beforeend) m_beforeend();
  m_ender();
}

void QtMessagePump::SetNestedPass(std::function<bool()> ready, std::function<void()> pass) {
  m_nestedready = std::move(ready);
  m_nestedpass = std::move(pass);
}

// The pass is queued rather than run here, so that it runs as an ordinary
// event of the waiting loop, and the queued event is what wakes the loop.
void QtMessagePump::OnAboutToBlock() {
  if (m_nestedqueued || QThread::currentThread()->loopLevel() <= m_dispatchlevel) return;
  if (!m_nestedready || !m_nestedready()) return;
  m_nestedqueued = true;
  QTimer::singleShot(0, this, [this] { RunNestedPass(); });
}

// The nested pass pumps for itself, whatever the pass it is nested in has
// pumped already. One queued just before the window closed finds itself in
// the dispatch it was nested in and is dropped.
void QtMessagePump::RunNestedPass() {
  m_nestedqueued = false;
  if (QThread::currentThread()->loopLevel() <= m_dispatchlevel) return;
  const bool pumped = m_pumped;
  m_pumped = false;
  m_nestedpass();
  m_pumped = pumped;
}

bool QtMessagePump::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) m_quitevent = true;
  return QObject::eventFilter(watched, event);
}

}  // namespace korvix
