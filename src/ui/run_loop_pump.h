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
// others.
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

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  bool QuitSeen() const;

  Runner m_runner;
  std::function<void()> m_ender;
  QEventLoop* m_guard = nullptr;
  bool m_pumped = false;
  bool m_paintqueued = false;
  bool m_quitevent = false;
};

}  // namespace korvix
