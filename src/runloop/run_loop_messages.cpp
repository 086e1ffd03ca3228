#include "runloop/run_loop_messages.h"

namespace korvix {

MessageResult RunLoopMessages::Present(const std::string& caption, const std::string& text, MessageIcon icon,
                                       MessageButtons buttons) {
  ++m_open;
  const MessageResult result = m_target.Show(caption, text, icon, buttons);
  --m_open;
  return result;
}

}  // namespace korvix
