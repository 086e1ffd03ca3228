#pragma once

#include <QObject>
#include <QPointer>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "platform/message_sink.h"

namespace korvix {

// Lets a worker thread show a message on the interface thread and wait there
// until the user has answered it, as a box of the worker's own would.
// Cancel releases every waiting worker at once (the box, if not yet shown,
// is dropped), so that shutdown can join the worker.
class WaitingMessageSink final : public MessageSink {
public:
  WaitingMessageSink(QObject* uithreadobject, MessageSink& target) : m_receiver(uithreadobject), m_target(target) {}

  void Cancel();

protected:
  MessageResult Present(const std::string& caption, const std::string& text, MessageIcon icon,
                        MessageButtons buttons) override;

private:
  struct Waiting {
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    MessageResult result = MessageResult::Ok;
  };

  QPointer<QObject> m_receiver;
  MessageSink& m_target;
  std::mutex m_mutex;
  std::condition_variable m_cancelled;
  bool m_cancel = false;
  std::shared_ptr<Waiting> m_current;
};

}  // namespace korvix
