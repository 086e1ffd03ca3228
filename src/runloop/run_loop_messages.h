#pragma once

#include <string>

#include "platform/message_sink.h"

namespace korvix {

// The Run-Loop's own messages, passed on to the program's sink and counted
// while they are on screen: the Run-Loop waits on them wherever they were
// raised, even from a click the pump dispatched, so that a failing port
// cannot pile up one box per pass.
class RunLoopMessages final : public MessageSink {
public:
  explicit RunLoopMessages(MessageSink& target) : m_target(target) {}

  bool AnyOpen() const { return m_open > 0; }

protected:
  MessageResult Present(const std::string& caption, const std::string& text, MessageIcon icon,
                        MessageButtons buttons) override;

private:
  MessageSink& m_target;
  int m_open = 0;
};

}  // namespace korvix
