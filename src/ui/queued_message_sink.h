#pragma once

#include <QObject>
#include <QPointer>

#include "platform/message_sink.h"

namespace korvix {

// Lets a worker thread report through the interface thread's sink: the
// message is shown there once the event loop gets to it, and the worker goes
// on at once. Only plain OK messages can travel this way.
class QueuedMessageSink final : public MessageSink {
public:
  QueuedMessageSink(QObject* uithreadobject, MessageSink& target) : m_receiver(uithreadobject), m_target(target) {}

protected:
  MessageResult Present(const std::string& caption, const std::string& text, MessageIcon icon,
                        MessageButtons buttons) override;

private:
  QPointer<QObject> m_receiver;
  MessageSink& m_target;
};

}  // namespace korvix
