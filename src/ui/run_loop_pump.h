#pragma once

#include <QEventLoop>
#include <QObject>
#include <cstdint>
#include <functional>

#include "runloop/message_pump.h"

namespace korvix {

// The Qt event loop as the Run-Loop pumps it from inside its handler.
// Each pass dispatches what is queued once. A quit is seen both as the quit
// event (the last window closed) and as an exit of the event loops, which
// the run notices through a loop of its own that Qt ends along with the
// others. An event loop that a dispatched message enters (a modal window)
// keeps the passes going: whenever it is about to wait and a pass may run,
// one is queued to it.
class QtMessagePump final : public QObject, public MessagePump {
public:
  using Runner = std::function<void(RunLoopMessage)>;

  explicit QtMessagePump(Runner runner);
  ~QtMessagePump() override;

  // Runs `body` inside the loop that notices an exit.
  void RunGuarded(const std::function<void()>& body);
  // The view marks what it invalidated, so that a paint can be held back.
  void NotePaintQueued() { m_paintqueued = true; }

  QueuedMessage PeekQueuedMessage() override;
  bool PumpMessage() override;
  void PostQuitMessage() override;
  bool OnIdle(int count) override;
  void WaitMessage(uint32_t ms) override;
  void PostRunLoopMessage(RunLoopMessage message) override;
  void EndProcess() override;

  // Tests replace how the program ends.
  void SetEnder(std::function<void()> ender) { m_ender = std::move(ender); }
  // What the program still writes when a quit ends it from inside a run.
  void SetBeforeEnd(std::function<void()> write) { m_beforeend = std::move(write); }
  // `ready` says whether a pass may run from a nested loop now; `pass` runs
  // one. Asked each time such a loop is about to wait, so a pass that may
  // not run costs the waiting loop nothing.
  void SetNestedPass(std::function<bool()> ready, std::function<void()> pass);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  bool QuitSeen() const;
  void Dispatch(QEventLoop::ProcessEventsFlags flags);
  void OnAboutToBlock();
  void RunNestedPass();

  Runner m_runner;
  std::function<void()> m_ender;
  std::function<void()> m_beforeend;
  std::function<bool()> m_nestedready;
  std::function<void()> m_nestedpass;
  bool m_nestedqueued = false;
  // The event-loop level of the dispatch under way, -1 outside any.
  int m_dispatchlevel = -1;
  QEventLoop* m_guard = nullptr;
  bool m_pumped = false;
  bool m_paintqueued = false;
  bool m_quitevent = false;
};

}  // namespace korvix
